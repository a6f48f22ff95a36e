// The address book window: the office list window over ADR_DAT.DB with its register tabs, breed,
// status and remark, the save and duplicate checks and the cat window's breeder and owner.
#include "Adressenverwaltung.h"
#include "AdressSuchDlg.h"

#include "app/Sprache.h"
#include "app/Systemi.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/AltKeys.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStringList>
#include <QTabBar>
#include <QVBoxLayout>
#include <QVector>

using namespace tav::widgets;
using namespace tav::shell;
using tav::store::Table;

namespace tav::office::ui {

namespace {
constexpr int TagRasse = 6812, TagStatus = 6811, TagBemerkung = 6813, TagMitBemerkung = 6814,
              TagSpeichern = 6816, TagListe = 6817, TagAdresse = 6818, TagGruppe = 6819, TagZurKatze = 6820,
              TagSuche = 6821, TagZurueck = 4853, MeldungNameFehlt = 6860;

bool sucheBeiNeuaufnahme()
{
    const tav::app::tsysteminfo *s = tav::app::tsysteminfo::instance();
    return !s || s->SuchebeiNeuaufnahmeAdresse;
}
} // namespace

Tadressenverwaltung::Tadressenverwaltung(tav::store::Database *db, QWidget *parent)
    : TBueroliste(adressliste(), db, parent)
{
    for (const char *t : {"RASSE.DB", "STATUSADRESSEN.DB"}) {
        try {
            db->ensureTable(QString::fromLatin1(t));
        } catch (const std::exception &e) {
            reportDatabaseError(e, QString::fromLatin1(t));
        }
    }
    try {
        m_status = statusListe(*db);
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("STATUSADRESSEN.DB"));
    }
    m_rassen = new Table(db, QStringLiteral("RASSE.DB"), this);
    m_rassen->setReadOnly(true);
    try {
        m_rassen->setIndexName(QStringLiteral("RasseName"));
        m_rassen->open();
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("RASSE.DB"));
    }

    aufbauen();

    m_reiter = new QTabBar(this);
    m_reiter->setObjectName(QStringLiteral("TabSet1"));
    m_reiter->setProperty("dataText", true); // letters and the user's statuses
    m_reiter->setShape(QTabBar::TriangularNorth);
    m_reiter->setExpanding(false);
    const QStringList texte = reiterTexte({});
    for (int i = 0; i < texte.size(); ++i) {
        const int tag = i >= ReiterSuche && i <= ReiterAlle ? TagSuche + i - ReiterSuche : 0;
        const QString text = tag ? tav::app::captionText(tag) : QString();
        m_reiter->addTab(text.isEmpty() ? texte[i] : text);
    }
    // after the bar has moved to the tab clicked, which may still be corrected
    connect(
        m_reiter, &QTabBar::tabBarClicked, this,
        [this](int i) {
            if (i >= 0)
                reiterWaehlen(i);
        },
        Qt::QueuedConnection);
    static_cast<QVBoxLayout *>(layout())->insertWidget(0, m_reiter);

    statusZeigen();
    reiterSetzen(ReiterAlle);

    dataSource()->beforePost = [this](Table &t) { vorSpeichern(t); };
    connect(dataSource(), &DataSource::saveDeclined, this, &Tadressenverwaltung::speichernAbgelehnt);
    connect(table(), &Table::afterPost, this, &Tadressenverwaltung::nachSpeichern);
    connect(dataSource(), &DataSource::recordChanged, this, &Tadressenverwaltung::bemerkungKnopfText);
    for (const char *feld : {"DBName", "DBVorname"})
        if (auto *e = findChild<DBEdit *>(QLatin1String(feld)))
            connect(e, &QLineEdit::editingFinished, this, &Tadressenverwaltung::doppeltPruefen);
    bemerkungKnopfText();
    setMinimumSize(720, 520);
    resize(760, 560);
}

Tadressenverwaltung::~Tadressenverwaltung()
{
    dataSource()->beforePost = nullptr;
}

void Tadressenverwaltung::feldSeiteErgaenzen(QGridLayout *g, int &zeile)
{
    QWidget *seite = g->parentWidget();
    m_rasse = new DBLookupComboBox(seite);
    m_rasse->setObjectName(QStringLiteral("DBRasse"));
    m_rasse->bind(dataSource(), QStringLiteral("Rasse"));
    m_rasse->setList(m_rassen, QStringLiteral("RCode"), QStringLiteral("RName"));
    auto *rasseLabel = new QLabel(QStringLiteral("Rasse"), seite);
    rasseLabel->setProperty("tag", TagRasse);
    rasseLabel->setBuddy(m_rasse);
    g->addWidget(rasseLabel, zeile, 0);
    g->addWidget(m_rasse, zeile++, 1);

    m_statusGruppe =
        new DBRadioGroup(QStringLiteral("Status"), dataSource(), QStringLiteral("Status"), seite);
    // the name that keeps the translator off its items: they are the user's address groups
    m_statusGruppe->setObjectName(QStringLiteral("DBStatus"));
    m_statusGruppe->setProperty("tag", TagStatus);
    statusAuswahl(); // before the window takes its size
    g->addWidget(m_statusGruppe, zeile++, 0, 1, 2);

    m_bemerkungKnopf = new QPushButton(QStringLiteral("&Bemerkung"), seite);
    m_bemerkungKnopf->setObjectName(QStringLiteral("ButtonBemerkung"));
    auto *reihe = new QHBoxLayout;
    reihe->addWidget(m_bemerkungKnopf);
    reihe->addStretch();
    g->addLayout(reihe, zeile++, 1);

    // the remark lies over the fields while it is shown
    m_bemerkung = new QFrame(seite);
    m_bemerkung->setObjectName(QStringLiteral("PanelBemerkung"));
    m_bemerkung->setFrameShape(QFrame::Panel);
    m_bemerkung->setAutoFillBackground(true);
    auto *v = new QVBoxLayout(m_bemerkung);
    auto *memo = new DBMemo(dataSource(), QStringLiteral("Bemerkung"), m_bemerkung);
    memo->setObjectName(QStringLiteral("DBBemerkung"));
    v->addWidget(memo);
    auto *zurueck = new QPushButton(QStringLiteral("&Zurück"), m_bemerkung);
    zurueck->setObjectName(QStringLiteral("BemerkungZurueck"));
    zurueck->setProperty("tag", TagZurueck);
    v->addWidget(zurueck, 0, Qt::AlignRight);
    m_bemerkung->hide();
    connect(m_bemerkungKnopf, &QPushButton::clicked, this, [this, seite] {
        m_bemerkung->setGeometry(seite->rect().adjusted(20, 20, -20, -20));
        m_bemerkung->raise();
        m_bemerkung->show();
    });
    connect(zurueck, &QPushButton::clicked, this, [this] {
        m_bemerkung->hide();
        bemerkungKnopfText();
    });
}

void Tadressenverwaltung::knoepfeErgaenzen(QHBoxLayout *knoepfe)
{
    auto knopf = [&](const char *name, const QString &text, int tag, void (Tadressenverwaltung::*slot)()) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setProperty("tag", tag);
        if (slot)
            connect(b, &QPushButton::clicked, this, slot);
        knoepfe->addWidget(b);
        return b;
    };
    // the data source saves on a click and enables the button while there is input
    m_speichern = knopf("BitBtnSpeichern", QStringLiteral("Speichern"), TagSpeichern, nullptr);
    dataSource()->attachButtons(m_speichern, nullptr);
    knopf("BitBtnDruckenliste", QStringLiteral("Liste"), TagListe, &Tadressenverwaltung::listeDrucken);
    knopf("BitBtnDruckenSatz", QStringLiteral("Adresse"), TagAdresse, &Tadressenverwaltung::adresseDrucken);
    knopf("BitBtnzip", QStringLiteral("eMail Gruppe"), TagGruppe, &Tadressenverwaltung::gruppenEmail);
    m_zurKatze =
        knopf("BitBtnZurKatze", QStringLiteral("Zur Katze"), TagZurKatze, &Tadressenverwaltung::zurKatze);
    m_zurKatze->hide();
}

bool Tadressenverwaltung::ausgewaehlt(int reiter) const
{
    return m_aktuell == reiter;
}

void Tadressenverwaltung::reiterSetzen(int reiter)
{
    m_aktuell = reiter;
    m_reiter->setCurrentIndex(reiter);
}

void Tadressenverwaltung::statusZeigen()
{
    while (m_reiter->count() > ReiterStatus)
        m_reiter->removeTab(ReiterStatus);
    for (const QString &s : std::as_const(m_status))
        m_reiter->addTab(s);
    QVector<TableModel::Column> spalten = grid()->tableModel()->columns();
    spalten.last().pickList = m_status;
    grid()->tableModel()->setColumns(spalten);
}

void Tadressenverwaltung::statusAuswahl()
{
    m_statusGruppe->setItems(m_status);
    // the statuses are the user's own words
    for (QAbstractButton *b : m_statusGruppe->findChildren<QAbstractButton *>())
        b->setProperty("dataText", true);
}

void Tadressenverwaltung::statusAktualisieren()
{
    QStringList neu;
    try {
        neu = statusListe(*table()->database());
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("STATUSADRESSEN.DB"));
        return;
    }
    if (neu == m_status)
        return;
    const QString gezeigt = m_aktuell >= ReiterStatus ? m_status.value(m_aktuell - ReiterStatus) : QString();
    m_status = neu;
    statusZeigen();
    statusAuswahl();
    if (m_aktuell < ReiterStatus) {
        reiterSetzen(m_aktuell);
        return;
    }
    // the status shown keeps its tab; one that is gone leaves all addresses shown
    const int bleibt = gezeigt.isEmpty() ? -1 : int(m_status.indexOf(gezeigt));
    const int reiter = bleibt >= 0 ? ReiterStatus + bleibt : int(ReiterAlle);
    reiterSetzen(reiter);
    if (!table()->isEditing())
        bereichZeigen(reiter);
}

void Tadressenverwaltung::bereichZeigen(int reiter)
{
    try {
        bereichSetzen(*table(), reiter, m_status);
    } catch (const std::exception &e) {
        dataSource()->reportError(e);
    }
    grid()->tableModel()->reload();
    bemerkungKnopfText();
}

void Tadressenverwaltung::speichernAbgelehnt()
{
    reiterWaehlen(ReiterAlle);
    m_abgelehnt = true;
}

void Tadressenverwaltung::reiterWaehlen(int reiter)
{
    m_abgelehnt = false;
    if (!dataSource()->leaveEdit()) {
        reiterSetzen(m_aktuell);
        return;
    }
    // a No to the save question has shown all addresses, and the click ends there
    if (m_abgelehnt)
        return;
    m_bemerkung->hide();
    reiterSetzen(reiter);
    if (reiter == ReiterNeu) {
        neueAdresse();
        return;
    }
    if (reiter == ReiterSuche) {
        reiterSetzen(ReiterAlle);
        bereichSetzen(*table(), ReiterAlle, m_status);
        if (const int nr = adresseWaehlen(this, table()->database()))
            zeigeAdresse(nr);
        grid()->tableModel()->reload();
        return;
    }
    bereichZeigen(reiter);
    if (reiter != ReiterAlle) {
        if (seiten()->currentIndex() == 0) {
            if (auto *name = findChild<QWidget *>(QStringLiteral("DBName")))
                name->setFocus();
        } else {
            grid()->setFocus();
        }
    }
}

bool Tadressenverwaltung::zeigeAdresse(int nummer)
{
    if (!dataSource()->leaveEdit())
        return false;
    reiterSetzen(ReiterAlle);
    bool da = false;
    try {
        bereichSetzen(*table(), ReiterAlle, m_status);
        da = table()->locate(QStringLiteral("LaufendeNr"), nummer);
    } catch (const std::exception &e) {
        dataSource()->reportError(e);
    }
    grid()->tableModel()->reload();
    bemerkungKnopfText();
    return da;
}

void Tadressenverwaltung::aufrufen(AdressAufruf aufruf)
{
    m_aufruf = aufruf;
    Shell *mw = Shell::current();
    CatRecord *record = mw ? mw->catRecord() : nullptr;
    const std::array<int, 3> katze = record ? record->katzenAdressen() : std::array<int, 3>{0, 0, 0};
    const AdressZiel ziel = adressZiel(aufruf, katze[0], katze[1], katze[2]);
    m_zurKatze->setVisible(aufruf != AdressAufruf::Menue && record && record->kannAdresseZurKatze() &&
                           !(aufruf == AdressAufruf::Besitzer && katze[2] == 1));
    if (ziel.neu)
        reiterWaehlen(ReiterNeu);
    else if (ziel.nummer > 0)
        zeigeAdresse(ziel.nummer);
    else
        reiterWaehlen(ReiterAlle);
}

void Tadressenverwaltung::neueAdresse()
{
    try {
        bereichSetzen(*table(), ReiterAlle, m_status);
    } catch (const std::exception &e) {
        dataSource()->reportError(e);
    }
    TBueroliste::hinzufuegen();
    if (table()->state() == Table::State::Insert && !m_status.isEmpty())
        dataSource()->setFieldValue(QStringLiteral("Status"), m_status.first());
}

void Tadressenverwaltung::hinzufuegen()
{
    reiterWaehlen(ReiterNeu);
}

void Tadressenverwaltung::rueckgaengig()
{
    TBueroliste::rueckgaengig();
    if (ausgewaehlt(ReiterNeu))
        reiterWaehlen(ReiterAlle);
}

void Tadressenverwaltung::loeschen()
{
    TBueroliste::loeschen();
    if (ausgewaehlt(ReiterNeu))
        reiterWaehlen(ReiterAlle);
}

void Tadressenverwaltung::vorSpeichern(Table &t)
{
    if (!nameFehlt(t))
        return;
    // Yes gives the entry up; either way nothing is written
    if (showText(tav::app::messageText(MeldungNameFehlt), MsgIcon::Error, MsgButtons::YesNo) ==
        QMessageBox::Yes) {
        t.cancel();
        if (ausgewaehlt(ReiterNeu))
            reiterSetzen(ReiterAlle);
    }
    throw tav::store::AbortOperation();
}

void Tadressenverwaltung::nachSpeichern()
{
    if (!ausgewaehlt(ReiterNeu))
        return;
    // the new address stays in view with all addresses
    const int nr = table()->intValue(QStringLiteral("LaufendeNr"));
    QMetaObject::invokeMethod(
        this, [this, nr] { zeigeAdresse(nr); }, Qt::QueuedConnection);
}

void Tadressenverwaltung::doppeltPruefen()
{
    if (m_pruefend || table()->state() != Table::State::Insert || !sucheBeiNeuaufnahme())
        return;
    const QString name = table()->text(QStringLiteral("Name")).trimmed();
    if (name.isEmpty())
        return;
    int vorhanden = 0;
    try {
        vorhanden = gleicherName(*table()->database(), name, table()->text(QStringLiteral("Vorname")));
    } catch (const std::exception &e) {
        dataSource()->reportError(e);
    }
    if (!vorhanden)
        return;
    TFormAdressegefunden dlg(this);
    bool neu = false;
    {
        const QScopedValueRollback<bool> pruefend(m_pruefend, true);
        neu = execDialog(dlg) == QDialog::Accepted;
    }
    if (neu)
        return;
    dataSource()->undo();
    zeigeAdresse(vorhanden);
}

void Tadressenverwaltung::bemerkungKnopfText()
{
    if (!m_bemerkungKnopf)
        return;
    const bool mit = table()->isOpen() && (table()->hasRecord() || table()->isEditing()) &&
                     !table()->text(QStringLiteral("Bemerkung")).trimmed().isEmpty();
    m_bemerkungKnopf->setProperty("tag", mit ? TagMitBemerkung : TagBemerkung);
    const QString text = tav::app::captionText(mit ? TagMitBemerkung : TagBemerkung);
    m_bemerkungKnopf->setText(!text.isEmpty() ? text
                              : mit           ? QStringLiteral("->Bemerkung")
                                              : QStringLiteral("&Bemerkung"));
    tav::widgets::distinctAltKeys(this);
}

void Tadressenverwaltung::zurKatze()
{
    Shell *mw = Shell::current();
    CatRecord *record = mw ? mw->catRecord() : nullptr;
    if (!record || !record->kannAdresseZurKatze() || !dataSource()->leaveEdit() || !table()->hasRecord())
        return;
    if (record->adresseZurKatze(m_aufruf == AdressAufruf::Besitzer,
                                table()->intValue(QStringLiteral("LaufendeNr"))))
        close();
}

} // namespace tav::office::ui
