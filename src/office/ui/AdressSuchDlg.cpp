// The address search dialog and the duplicate-name warning of the address book.
#include "AdressSuchDlg.h"

#include "app/Sprache.h"
#include "office/Adressen.h"
#include "store/EngineError.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/Help.h"
#include "widgets/Translator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace tav::widgets;

namespace tav::office::ui {

namespace {
constexpr int TagName = 6806, TagVorname = 6807, TagHofname = 6808, TagTelefon = 6608, TagRasse = 6812,
              TagPlz = 6605, TagOrt = 6606, TagLand = 6607, TagStatus = 6811, TagStrasse = 6604,
              TagEmail = 6611, MeldungKeineAdresse = 49, HilfeAdressen = 130;

// the result grid's columns: field and title tag
const QVector<QPair<QString, int>> &spalten()
{
    static const QVector<QPair<QString, int>> s = {
        {QStringLiteral("Anzeige"), TagName},    {QStringLiteral("Strasse"), TagStrasse},
        {QStringLiteral("Plz"), TagPlz},         {QStringLiteral("Ort"), TagOrt},
        {QStringLiteral("Zwinger"), TagHofname}, {QStringLiteral("Rasse1"), TagRasse},
        {QStringLiteral("email"), TagEmail},     {QStringLiteral("Land"), TagLand}};
    return s;
}
} // namespace

TSuchenAdrDlg::TSuchenAdrDlg(tav::store::Database *db, QWidget *parent) : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("SuchenAdrDlg"));
    setProperty("tag", 6824);
    setWindowTitle(QStringLiteral("Suche aus der Adressendatei"));

    auto *g = new QGridLayout;
    auto feld = [&](QLineEdit *&e, const char *name, const QString &text, int tag, int zeile, int spalte) {
        e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        // room for a name or a town as typed, whatever the labels beside it take
        e->setMinimumWidth(e->fontMetrics().averageCharWidth() * 16);
        auto *l = new QLabel(text, this);
        l->setProperty("tag", tag);
        l->setBuddy(e);
        g->addWidget(l, zeile, spalte);
        g->addWidget(e, zeile, spalte + 1);
    };
    feld(EName, "EName", QStringLiteral("Name"), TagName, 0, 0);
    feld(Evorname, "Evorname", QStringLiteral("Vorname"), TagVorname, 1, 0);
    feld(EZwinger, "EZwinger", QStringLiteral("Hofname"), TagHofname, 2, 0);
    feld(ETelefon, "ETelefon", QStringLiteral("Telefon"), TagTelefon, 3, 0);
    feld(ERasse, "ERasse", QStringLiteral("Rasse"), TagRasse, 4, 0);
    feld(EPLZ, "EPLZ", QStringLiteral("PLZ"), TagPlz, 0, 2);
    feld(EOrt, "EOrt", QStringLiteral("Ort"), TagOrt, 1, 2);
    feld(ELand, "ELand", QStringLiteral("Land"), TagLand, 2, 2);
    ComboBoxStatus = new QComboBox(this);
    ComboBoxStatus->setObjectName(QStringLiteral("ComboBoxStatus"));
    ComboBoxStatus->setEditable(true);
    ComboBoxStatus->setMinimumWidth(ComboBoxStatus->fontMetrics().averageCharWidth() * 16);
    auto *statusLabel = new QLabel(QStringLiteral("Status"), this);
    statusLabel->setProperty("tag", TagStatus);
    statusLabel->setBuddy(ComboBoxStatus);
    g->addWidget(statusLabel, 3, 2);
    g->addWidget(ComboBoxStatus, 3, 3);
    auto *anzahlText = new QLabel(QStringLiteral("gefundene Datensätze:"), this);
    anzahlText->setProperty("tag", 6828);
    Anzahl = new QLabel(this);
    Anzahl->setObjectName(QStringLiteral("LabelAnzahl"));
    Anzahl->setProperty("dataText", true);
    // below the criteria, so that its long label does not narrow the fields of their second column
    auto *anzahl = new QHBoxLayout;
    anzahl->addWidget(anzahlText);
    anzahl->addWidget(Anzahl);
    anzahl->addStretch();

    Ergebnis = new QTableWidget(0, spalten().size(), this);
    Ergebnis->setObjectName(QStringLiteral("DBGrid1"));
    Ergebnis->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Ergebnis->setSelectionBehavior(QAbstractItemView::SelectRows);
    Ergebnis->setSelectionMode(QAbstractItemView::SingleSelection);
    Ergebnis->verticalHeader()->hide();
    QStringList titel;
    QVariantList tags;
    for (const auto &[feldName, tag] : spalten()) {
        titel << feldName;
        tags << tag;
    }
    Ergebnis->setHorizontalHeaderLabels(titel);
    Ergebnis->setProperty("columnTags", tags);
    Ergebnis->setMinimumWidth(590);
    Ergebnis->hide();
    connect(Ergebnis, &QTableWidget::cellDoubleClicked, this, [this](int zeile) {
        trefferUebernehmen(zeile);
        rasterZeigen(false);
    });

    auto knopf = [this](const char *name, const QString &text, int tag) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setProperty("tag", tag);
        b->setAutoDefault(false);
        return b;
    };
    Suchen = knopf("BSuchen", QStringLiteral("&Suchen"), 6825);
    Suchen->setDefault(true);
    Ok = knopf("BOk", QStringLiteral("&OK"), 6826);
    Abbruch = knopf("BAbbruch", QStringLiteral("&Abbruch"), 6827);
    Hilfe = knopf("BHilfe", QStringLiteral("&Hilfe"), 4854);
    AlleMarkieren = knopf("BAlleMarkieren", QStringLiteral("alle Markieren"), 6829);
    AlleMarkieren->hide();
    connect(Suchen, &QPushButton::clicked, this, &TSuchenAdrDlg::suchen);
    connect(this, &QDialog::finished, this, [this] { rasterZeigen(false); });
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Abbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(Hilfe, &QPushButton::clicked, this, [this] { showHelp(HilfeAdressen, this); });
    setHelpKey(this, HilfeAdressen);
    connect(AlleMarkieren, &QPushButton::clicked, this, &TSuchenAdrDlg::alleMarkieren);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(AlleMarkieren);
    knoepfe->addStretch();
    for (QPushButton *b : {Suchen, Ok, Abbruch, Hilfe})
        knoepfe->addWidget(b);

    auto *v = new QVBoxLayout(this);
    v->addLayout(g);
    v->addLayout(anzahl);
    v->addWidget(Ergebnis, 1);
    v->addLayout(knoepfe);
    translateOnCreate(this);
    vorbereiten();
}

void TSuchenAdrDlg::setMehrfachauswahl(bool on)
{
    Ergebnis->setSelectionMode(on ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    AlleMarkieren->setVisible(on);
}

void TSuchenAdrDlg::vorbereiten()
{
    setKriterien({});
    ComboBoxStatus->clear();
    ComboBoxStatus->addItem(QString());
    try {
        ComboBoxStatus->addItems(statusListe(*m_db));
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("STATUSADRESSEN.DB"));
    }
    ComboBoxStatus->setCurrentIndex(0);
    m_ergebnis.clear();
    m_uebernommen = -1;
    Ergebnis->setRowCount(0);
    Anzahl->clear();
    rasterZeigen(false);
    EName->setFocus();
}

AdressKriterien TSuchenAdrDlg::kriterien() const
{
    AdressKriterien k;
    k.name = EName->text();
    k.zwinger = EZwinger->text();
    k.vorname = Evorname->text();
    k.telefon = ETelefon->text();
    k.ort = EOrt->text();
    k.plz = EPLZ->text();
    k.rasse = ERasse->text();
    k.land = ELand->text();
    k.status = ComboBoxStatus->currentText();
    return k;
}

void TSuchenAdrDlg::setKriterien(const AdressKriterien &k)
{
    EName->setText(k.name);
    EZwinger->setText(k.zwinger);
    Evorname->setText(k.vorname);
    ETelefon->setText(k.telefon);
    EOrt->setText(k.ort);
    EPLZ->setText(k.plz);
    ERasse->setText(k.rasse);
    ELand->setText(k.land);
    ComboBoxStatus->setEditText(k.status);
}

void TSuchenAdrDlg::rasterZeigen(bool on)
{
    if (on && Ergebnis->isHidden()) {
        m_links = x();
        const QScreen *bild = screen();
        move(suchDialogLinks(m_links, bild ? bild->availableGeometry().left() : 0), y());
    } else if (!on && !Ergebnis->isHidden() && m_links != KeinLinks) {
        move(m_links, y());
    }
    Ergebnis->setVisible(on);
    // the layout's minimum wins where a language needs more room
    layout()->activate();
    resize((on ? SuchDialogBreit : SuchDialogSchmal).expandedTo(minimumSizeHint()));
}

void TSuchenAdrDlg::suchen()
{
    if (!Ergebnis->isHidden()) {
        m_uebernommen = Ergebnis->currentRow();
        rasterZeigen(false);
        return;
    }
    m_uebernommen = -1;
    try {
        m_ergebnis = adressenSuchen(*m_db, kriterien());
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("ADR_DAT.DB"));
        return;
    }
    Anzahl->setText(QString::number(m_ergebnis.size()));
    Ergebnis->clearSelection();
    Ergebnis->setRowCount(int(m_ergebnis.size()));
    for (int r = 0; r < m_ergebnis.size(); ++r)
        for (int c = 0; c < spalten().size(); ++c) {
            const QVariant v = m_ergebnis[r].felder.value(spalten()[c].first);
            Ergebnis->setItem(r, c, new QTableWidgetItem(v.toString()));
        }
    if (m_ergebnis.isEmpty()) {
        showMessage(MeldungKeineAdresse, MsgIcon::Warning, MsgButtons::Ok);
    } else if (m_ergebnis.size() == 1) {
        trefferUebernehmen(0);
    } else {
        Ergebnis->setCurrentCell(0, 0);
        rasterZeigen(true);
    }
}

void TSuchenAdrDlg::trefferUebernehmen(int zeile)
{
    if (zeile < 0 || zeile >= m_ergebnis.size())
        return;
    const QVariantMap &f = m_ergebnis[zeile].felder;
    AdressKriterien k;
    k.name = f.value(QStringLiteral("Name")).toString();
    k.zwinger = f.value(QStringLiteral("Zwinger")).toString();
    k.vorname = f.value(QStringLiteral("Vorname")).toString();
    k.telefon = f.value(QStringLiteral("Telefon")).toString();
    k.rasse = f.value(QStringLiteral("Rasse1")).toString();
    k.ort = f.value(QStringLiteral("Ort")).toString();
    k.plz = f.value(QStringLiteral("Plz")).toString();
    k.land = f.value(QStringLiteral("Land")).toString();
    k.status = f.value(QStringLiteral("Status")).toString();
    setKriterien(k);
    m_uebernommen = zeile;
}

int TSuchenAdrDlg::gewaehlteNummer() const
{
    const int zeile = Ergebnis->isHidden() ? m_uebernommen : Ergebnis->currentRow();
    return zeile >= 0 && zeile < m_ergebnis.size() ? m_ergebnis[zeile].nummer : 0;
}

QVector<AdressTreffer> TSuchenAdrDlg::markiert() const
{
    QVector<AdressTreffer> out;
    for (int r = 0; r < m_ergebnis.size(); ++r)
        if (Ergebnis->selectionModel()->isRowSelected(r, QModelIndex()))
            out << m_ergebnis[r];
    return out;
}

void TSuchenAdrDlg::alleMarkieren()
{
    if (!m_ergebnis.isEmpty())
        Ergebnis->selectAll();
}

int adresseWaehlen(QWidget *parent, tav::store::Database *db)
{
    TSuchenAdrDlg dlg(db, parent);
    if (execDialog(dlg) != QDialog::Accepted)
        return 0;
    return dlg.gewaehlteNummer();
}

TFormAdressegefunden::TFormAdressegefunden(QWidget *parent) : TFormKatzegefunden(parent)
{
    setObjectName(QStringLiteral("FormAdressegefunden"));
    setProperty("tag", 6830);
    setWindowTitle(QStringLiteral("Name gefunden"));
    LMeldung->setText(QStringLiteral("Eintrag mit gleichem Namen gefunden !"));
    LMeldung->setProperty("tag", 6831);
    translateOnCreate(this);
}

} // namespace tav::office::ui
