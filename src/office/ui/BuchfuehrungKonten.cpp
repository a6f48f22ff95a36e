// The bookkeeping window's page "Konten / Kategorien": the accounts with their editor, the
// categories with their VAT rate and kind, the VAT rates.
#include "Buchfuehrung.h"

#include "cats/ui/Pkalend.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/ListenTeile.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::widgets;

namespace tav::office::ui {

namespace {
constexpr int TagKonten = 7043, TagKatSeite = 7044, TagNeuesKonto = 7045, TagKontoart = 7046, TagBank = 7047,
              TagBar = 7048, TagKontoname = 7049, TagNummer = 7050, TagBlz = 7051, TagBankname = 7052,
              TagEroeffnung = 7041, TagZum = 7053, TagMwst = 7054, TagEinAus = 7055, TagMwstTabelle = 7056,
              TagProzent = 7057, TagKategorie = 7005, TagStand = 7028, TagRueck = 4851, TagZurueck = 4853,
              TagHilfe = 4854, TagKontoSpeichern = 7065, TagKatNeu = 7066, TagKatLoeschen = 7067,
              TagSatzNeu = 7068, TagSatzLoeschen = 7069, TagListenSpeichern = 7070, TagListenRueck = 7071;

} // namespace

QWidget *TFormBuchfuehrung::kontoEditor()
{
    m_kontoStapel = new QStackedWidget;
    m_kontoStapel->setObjectName(QStringLiteral("KontoEditor"));

    // the account-kind choice
    auto *wahl = new QGroupBox(QStringLiteral("Kontoart"));
    wahl->setObjectName(QStringLiteral("Kontoart"));
    wahl->setProperty("tag", TagKontoart);
    auto *wv = new QVBoxLayout(wahl);
    for (auto [tag, text, art] : {std::tuple{TagBank, "Bankkonto", Kontoart::Bankkonto},
                                  std::tuple{TagBar, "Bargeld / Kasse", Kontoart::Bargeld}}) {
        QPushButton *b = listenKnopf(tag, QString::fromLatin1(text).remove(QLatin1Char(' ')),
                                     QString::fromUtf8(text), wahl);
        connect(b, &QPushButton::clicked, this, [this, art = art] { neuesKonto(art); });
        wv->addWidget(b);
    }
    wv->addStretch();
    m_kontoStapel->addWidget(wahl);

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
    auto *speichern =
        listenKnopf(TagKontoSpeichern, QStringLiteral("KontoSpeichern"), QStringLiteral("Speichern"), editor);
    auto *rueck =
        listenKnopf(TagRueck, QStringLiteral("KontoRueckgaengig"), QStringLiteral("Rückgängig"), editor);
    m_kontenSrc->attachButtons(speichern, rueck);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(speichern);
    knoepfe->addWidget(rueck);
    knoepfe->addStretch();
    f->addRow(knoepfe);
    m_kontoStapel->addWidget(editor);
    connect(m_kontenSrc, &DataSource::recordChanged, this, &TFormBuchfuehrung::kontoEditorZeigen);
    kontoEditorZeigen();
    return m_kontoStapel;
}

void TFormBuchfuehrung::kontoEditorZeigen()
{
    const bool konto = m_konten->hasRecord() || m_konten->state() == Table::State::Insert;
    m_kontoStapel->setCurrentIndex(konto ? 1 : 0);
    // a cash account has no bank
    m_bankFelder->setVisible(konto &&
                             m_konten->intValue(QStringLiteral("Kontoart")) != int(Kontoart::Bargeld));
}

QWidget *TFormBuchfuehrung::kategorieSeite()
{
    auto *seite = new QWidget;
    seite->setProperty("tag", TagKatSeite);
    auto *g = new QGridLayout(seite);
    // the VAT rate is picked from the rates' table, the kind from its two words, both in the grid
    DBGrid *kats = spaltenGrid(m_katSrc, QStringLiteral("KategorienGrid"),
                               {{QStringLiteral("Name"), TagKategorie, true},
                                {QStringLiteral("Mwst"), TagMwst, true},
                                {QStringLiteral("EinAus"), TagEinAus, true}},
                               seite);
    auto spalten = kats->tableModel()->columns();
    spalten[1].lookupTable = QStringLiteral("MEHRWERT.DB");
    spalten[1].lookupKey = QStringLiteral("LaufendeNummer");
    spalten[1].lookupResult = QStringLiteral("Prozent");
    spalten[2].pickList = QStringList{EinAusEinnahme, EinAusAusgabe};
    spalten[2].pickOnly = true;
    kats->tableModel()->setColumns(spalten);
    kats->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    kats->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    connect(m_mwstSrc, &DataSource::dataSetChanged, kats->tableModel(), &TableModel::reload);
    DBGrid *saetze = spaltenGrid(m_mwstSrc, QStringLiteral("MwstGrid"),
                                 {{QStringLiteral("Prozent"), TagProzent, true}}, seite);
    auto *titel = new QLabel(QStringLiteral("MwSt - Tabelle"));
    titel->setProperty("tag", TagMwstTabelle);
    saetze->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    kats->setRowKeys(true);
    saetze->setRowKeys(true);

    auto knopf = [seite](int tag, const char *name, const QString &text, DBGrid *grid, bool neu) {
        QPushButton *b = listenKnopf(tag, QLatin1String(name), text, seite);
        connect(b, &QPushButton::clicked, grid, [grid, neu] { neu ? grid->addRow() : grid->deleteRow(); });
        return b;
    };
    // one save and one undo for both lists: whichever has input
    QPushButton *speichern = listenKnopf(TagListenSpeichern, QStringLiteral("KategorienSpeichern"),
                                         QStringLiteral("Speichern"), seite);
    QPushButton *rueck = listenKnopf(TagListenRueck, QStringLiteral("KategorienRueckgaengig"),
                                     QStringLiteral("Rückgängig"), seite);
    connect(speichern, &QPushButton::clicked, this, [this] {
        for (DataSource *s : {m_katSrc, m_mwstSrc})
            if (s->isEditing() && !s->save())
                return;
    });
    connect(rueck, &QPushButton::clicked, this, [this] {
        for (DataSource *s : {m_katSrc, m_mwstSrc})
            s->undo();
    });
    auto freigeben = [this, speichern, rueck] {
        const bool offen = m_katSrc->isEditing() || m_mwstSrc->isEditing();
        speichern->setEnabled(offen);
        rueck->setEnabled(offen);
    };
    for (DataSource *s : {m_katSrc, m_mwstSrc})
        connect(s, &DataSource::stateChanged, this, freigeben);
    freigeben();

    auto *katKnoepfe = new QHBoxLayout;
    katKnoepfe->addWidget(knopf(TagKatNeu, "KategorieNeu", QStringLiteral("Neue Kategorie"), kats, true));
    katKnoepfe->addWidget(
        knopf(TagKatLoeschen, "KategorieLoeschen", QStringLiteral("Kategorie löschen"), kats, false));
    katKnoepfe->addStretch();
    katKnoepfe->addWidget(speichern);
    katKnoepfe->addWidget(rueck);
    auto *satzKnoepfe = new QHBoxLayout;
    satzKnoepfe->addWidget(knopf(TagSatzNeu, "MwstNeu", QStringLiteral("Neuer Satz"), saetze, true));
    satzKnoepfe->addWidget(
        knopf(TagSatzLoeschen, "MwstLoeschen", QStringLiteral("Satz löschen"), saetze, false));
    satzKnoepfe->addStretch();
    g->addWidget(kats, 0, 0, 2, 1);
    g->addWidget(titel, 0, 1);
    g->addWidget(saetze, 1, 1);
    g->addLayout(katKnoepfe, 2, 0);
    g->addLayout(satzKnoepfe, 2, 1);
    g->setColumnStretch(0, 2);
    g->setColumnStretch(1, 1);
    return seite;
}

QWidget *TFormBuchfuehrung::kontenSeite()
{
    auto *seite = new QWidget;
    m_kontenTabs = new QTabWidget(seite);
    m_kontenTabs->setObjectName(QStringLiteral("KontenTabs"));
    auto *konten = new QWidget;
    konten->setProperty("tag", TagKonten);
    auto *h = new QHBoxLayout(konten);
    h->addWidget(spaltenGrid(m_kontenSrc, QStringLiteral("KontenGrid"),
                             {{QStringLiteral("Name"), TagKontoname, true},
                              {QStringLiteral("Kontostand"), TagStand, false}},
                             konten),
                 1);
    h->addWidget(kontoEditor(), 1);
    m_kontenTabs->addTab(konten, QStringLiteral("Konten"));
    m_kontenTabs->addTab(kategorieSeite(), QStringLiteral("Kategorie / MwSt-Tabelle"));

    QPushButton *zurueck =
        listenKnopf(TagZurueck, QStringLiteral("ZurueckKonten"), QStringLiteral("&Zurück"), seite);
    QPushButton *neu =
        listenKnopf(TagNeuesKonto, QStringLiteral("NeuesKonto"), QStringLiteral("&NeuesKonto"), seite);
    QPushButton *hilfe =
        listenKnopf(TagHilfe, QStringLiteral("HilfeKonten"), QStringLiteral("&Hilfe"), seite);
    connect(zurueck, &QPushButton::clicked, this, &QWidget::close);
    connect(hilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(neu, &QPushButton::clicked, this, &TFormBuchfuehrung::kontoartWaehlen);
    auto *v = new QVBoxLayout(seite);
    v->addWidget(m_kontenTabs, 1);
    v->addWidget(knopfLeiste({zurueck, nullptr, neu, hilfe}));
    return seite;
}

void TFormBuchfuehrung::kontoartWaehlen()
{
    // an account being edited is stored first (or stays, when it cannot be)
    if (m_kontenSrc->isEditing() && !m_kontenSrc->save())
        return;
    m_seiten->setCurrentIndex(SeiteKonten);
    m_kontenTabs->setCurrentIndex(0);
    m_kontoStapel->setCurrentIndex(0);
}

void TFormBuchfuehrung::neuesKonto(Kontoart art)
{
    if (!m_kontenSrc->append())
        return;
    m_kontenSrc->setFieldValue(QStringLiteral("Kontoart"), int(art));
    kontoEditorZeigen();
    if (auto *name = findChild<QWidget *>(QStringLiteral("DBName")))
        name->setFocus();
}

} // namespace tav::office::ui
