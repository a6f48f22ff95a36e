// The bookkeeping window's page "Konten / Kategorien": the accounts with their editor, the
// categories with their VAT rate and kind, the VAT rates.
#include "Buchfuehrung.h"

#include "app/ui/DBGrid.h"
#include "app/ui/DataControls.h"
#include "app/ui/DataSource.h"
#include "app/ui/Dialogs.h"
#include "app/ui/ListenTeile.h"
#include "cats/ui/Pkalend.h"
#include "store/Table.h"

#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::app::ui;

namespace tav::office::ui {

namespace {
constexpr int TagKonten = 7043, TagKatSeite = 7044, TagNeuesKonto = 7045, TagKontoart = 7046, TagBank = 7047,
              TagBar = 7048, TagKontoname = 7049, TagNummer = 7050, TagBlz = 7051, TagBankname = 7052,
              TagEroeffnung = 7041, TagZum = 7053, TagMwst = 7054, TagEinAus = 7055, TagMwstTabelle = 7056,
              TagProzent = 7057, TagKategorie = 7005, TagStand = 7028, TagRueck = 4851, TagZurueck = 4853,
              TagHilfe = 4854;

} // namespace

QWidget *TFormBuchfuehrung::kontoEditor()
{
    auto *editor = new QWidget;
    auto *f = new QFormLayout(editor);
    auto feld = [&](const QString &name, int tag, QFormLayout *in) {
        auto *e = new DBEdit(m_kontenSrc, name);
        e->setObjectName(QStringLiteral("DB") + name);
        in->addRow(beschriftet(name, tag, e), e);
        return e;
    };
    feld(QStringLiteral("Name"), TagKontoname, f);
    m_bankFelder = new QWidget;
    auto *bf = new QFormLayout(m_bankFelder);
    bf->setContentsMargins(0, 0, 0, 0);
    feld(QStringLiteral("Kontonummer"), TagNummer, bf);
    feld(QStringLiteral("Bankleitzahl"), TagBlz, bf);
    feld(QStringLiteral("Bankname"), TagBankname, bf);
    f->addRow(m_bankFelder);
    feld(QStringLiteral("Eroeffnungssaldo"), TagEroeffnung, f);
    auto *zum = new DBDateEdit(m_kontenSrc, QStringLiteral("Zum"));
    zum->setObjectName(QStringLiteral("DBZum"));
    f->addRow(beschriftet(QStringLiteral("Eröffnung zum"), TagZum, zum),
              cats::ui::mitKalender(zum, m_kontenSrc, QStringLiteral("Zum"), editor));
    auto *rueck =
        listenKnopf(TagRueck, QStringLiteral("KontoRueckgaengig"), QStringLiteral("Rückgängig"), editor);
    m_kontenSrc->attachButtons(nullptr, rueck);
    f->addRow(rueck);
    // a cash account has no bank
    connect(m_kontenSrc, &DataSource::recordChanged, this, [this] {
        m_bankFelder->setVisible(!m_konten->hasRecord() && m_konten->state() != Table::State::Insert
                                     ? true
                                     : m_konten->intValue(QStringLiteral("Kontoart")) !=
                                           int(Kontoart::Bargeld));
    });
    return editor;
}

QWidget *TFormBuchfuehrung::kategorieSeite()
{
    auto *seite = new QWidget;
    seite->setProperty("tag", TagKatSeite);
    auto *g = new QGridLayout(seite);
    DBGrid *kats = spaltenGrid(
        m_katSrc, QStringLiteral("KategorienGrid"),
        {{QStringLiteral("Name"), TagKategorie, true}, {QStringLiteral("EinAus"), TagEinAus, false}}, seite);
    TableModel::Column mwst;
    mwst.field = QStringLiteral("Mwst");
    mwst.title = QStringLiteral("Mehrwertsteuer");
    mwst.tag = TagMwst;
    mwst.lookupTable = QStringLiteral("MEHRWERT.DB");
    mwst.lookupKey = QStringLiteral("LaufendeNummer");
    mwst.lookupResult = QStringLiteral("Prozent");
    auto spalten = kats->tableModel()->columns();
    spalten.insert(1, mwst);
    kats->tableModel()->setColumns(spalten);
    kats->setProperty("columnTags", QVariantList{TagKategorie, TagMwst, TagEinAus});
    // the pick lists of the current category
    auto *mwstWahl = new DBLookupComboBox(seite);
    mwstWahl->setObjectName(QStringLiteral("MwstWahl"));
    mwstWahl->bind(m_katSrc, QStringLiteral("Mwst"));
    if (m_mwst->isOpen())
        mwstWahl->setList(m_mwst, QStringLiteral("LaufendeNummer"), QStringLiteral("Prozent"));
    connect(m_mwstSrc, &DataSource::dataSetChanged, mwstWahl, &DBLookupComboBox::reloadList);
    auto *einAus = new DBComboBox(m_katSrc, QStringLiteral("EinAus"), seite);
    einAus->setObjectName(QStringLiteral("EinAusWahl"));
    einAus->addItems({EinAusEinnahme, EinAusAusgabe});
    DBGrid *saetze = spaltenGrid(m_mwstSrc, QStringLiteral("MwstGrid"),
                                 {{QStringLiteral("Prozent"), TagProzent, true}}, seite);
    auto *titel = new QLabel(QStringLiteral("MwSt - Tabelle"));
    titel->setProperty("tag", TagMwstTabelle);
    g->addWidget(kats, 0, 0, 1, 4);
    g->addWidget(beschriftet(QStringLiteral("Mehrwertsteuer"), TagMwst, mwstWahl), 1, 0);
    g->addWidget(mwstWahl, 1, 1);
    g->addWidget(beschriftet(QStringLiteral("Einnahme / Ausgabe"), TagEinAus, einAus), 1, 2);
    g->addWidget(einAus, 1, 3);
    g->addWidget(titel, 0, 4);
    g->addWidget(saetze, 0, 5, 2, 1);
    g->setColumnStretch(0, 1);
    return seite;
}

QWidget *TFormBuchfuehrung::kontenSeite()
{
    auto *seite = new QWidget;
    auto *tabs = new QTabWidget(seite);
    tabs->setObjectName(QStringLiteral("KontenTabs"));
    auto *konten = new QWidget;
    konten->setProperty("tag", TagKonten);
    auto *h = new QHBoxLayout(konten);
    h->addWidget(spaltenGrid(m_kontenSrc, QStringLiteral("KontenGrid"),
                             {{QStringLiteral("Name"), TagKontoname, true},
                              {QStringLiteral("Kontostand"), TagStand, false}},
                             konten),
                 1);
    h->addWidget(kontoEditor(), 1);
    tabs->addTab(konten, QStringLiteral("Konten"));
    tabs->addTab(kategorieSeite(), QStringLiteral("Kategorie / MwSt-Tabelle"));

    QPushButton *zurueck =
        listenKnopf(TagZurueck, QStringLiteral("ZurueckKonten"), QStringLiteral("&Zurück"), seite);
    QPushButton *neu =
        listenKnopf(TagNeuesKonto, QStringLiteral("NeuesKonto"), QStringLiteral("&NeuesKonto"), seite);
    QPushButton *hilfe =
        listenKnopf(TagHilfe, QStringLiteral("HilfeKonten"), QStringLiteral("&Hilfe"), seite);
    connect(zurueck, &QPushButton::clicked, this, &QWidget::close);
    connect(hilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(neu, &QPushButton::clicked, this, [this, tabs] {
        // the account-kind choice
        QDialog wahl(this);
        wahl.setObjectName(QStringLiteral("Kontoart"));
        wahl.setProperty("tag", TagKontoart);
        wahl.setWindowTitle(QStringLiteral("Kontoart"));
        auto *v = new QVBoxLayout(&wahl);
        int art = 0;
        for (auto [tag, text, wert] : {std::tuple{TagBank, "Bankkonto", Kontoart::Bankkonto},
                                       std::tuple{TagBar, "Bargeld / Kasse", Kontoart::Bargeld}}) {
            QPushButton *b = listenKnopf(tag, QString::fromLatin1(text).remove(QLatin1Char(' ')),
                                         QString::fromUtf8(text), &wahl);
            connect(b, &QPushButton::clicked, &wahl, [&wahl, &art, wert] {
                art = int(wert);
                wahl.accept();
            });
            v->addWidget(b);
        }
        if (execDialog(wahl) == QDialog::Accepted && art) {
            tabs->setCurrentIndex(0);
            neuesKonto(Kontoart(art));
        }
    });
    auto *v = new QVBoxLayout(seite);
    v->addWidget(tabs, 1);
    v->addWidget(knopfLeiste({zurueck, nullptr, neu, hilfe}));
    return seite;
}

void TFormBuchfuehrung::neuesKonto(Kontoart art)
{
    if (!m_kontenSrc->append())
        return;
    m_kontenSrc->setFieldValue(QStringLiteral("Kontoart"), int(art));
    m_bankFelder->setVisible(art == Kontoart::Bankkonto);
    if (auto *name = findChild<QWidget *>(QStringLiteral("DBName")))
        name->setFocus();
}

} // namespace tav::office::ui
