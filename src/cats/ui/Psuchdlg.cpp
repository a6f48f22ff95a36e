#include "Psuchdlg.h"

#include "Pkalend.h"
#include "app/Sprache.h"
#include "cats/Referenzlisten.h"
#include "store/Database.h"
#include "store/Query.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"
#include "widgets/Help.h"
#include "widgets/Translator.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace tav::cats::ui {

using namespace tav::widgets;

namespace {

constexpr int HilfeKontext = 1;
constexpr int MeldungTabellenfehler = 11;
constexpr int MeldungUngueltigesDatum = 902;

// the caption of each result column, by field
int spaltenTag(const QString &feld)
{
    static const QHash<QString, int> tags = {
        {QStringLiteral("Name"), 2318},
        {QStringLiteral("Zwinger"), 2319},
        {QStringLiteral("FellFarbe"), 2320},
        {QStringLiteral("GebDatum"), 2321},
        {QStringLiteral("GeschlAnzeige"), 2322},
        {QStringLiteral("MutterAnzeige"), 2323},
        {QStringLiteral("VaterAnzeige"), 2324},
        {QStringLiteral("Zuchtbuchnummer1"), 2325},
        {QStringLiteral("ZuechterAnzeige"), 2326},
        {QStringLiteral("BesitzerAnzeige"), 2327},
        {QStringLiteral("Rasse1"), 2328},
        {QStringLiteral("Rufname"), 2329},
        {QStringLiteral("StatusAnzeige"), 2330},
    };
    return tags.value(feld);
}

QString feldText(const KatzeTreffer &t, const QString &feld)
{
    if (feld == QLatin1String("Name"))
        return t.Name;
    if (feld == QLatin1String("Zwinger"))
        return t.Zwinger;
    if (feld == QLatin1String("FellFarbe"))
        return t.FellFarbe;
    if (feld == QLatin1String("GebDatum"))
        return datumText(t.GebDatum);
    if (feld == QLatin1String("GeschlAnzeige"))
        return geschlAnzeige(t.Geschlecht, tav::app::sprache().languageNumber());
    if (feld == QLatin1String("MutterAnzeige"))
        return t.MutterAnzeige;
    if (feld == QLatin1String("VaterAnzeige"))
        return t.VaterAnzeige;
    if (feld == QLatin1String("Zuchtbuchnummer1"))
        return t.Zuchtbuchnummer1;
    if (feld == QLatin1String("ZuechterAnzeige"))
        return t.ZuechterAnzeige;
    if (feld == QLatin1String("BesitzerAnzeige"))
        return t.BesitzerAnzeige;
    if (feld == QLatin1String("Rasse1"))
        return t.Rasse1;
    if (feld == QLatin1String("Rufname"))
        return t.Rufname;
    if (feld == QLatin1String("StatusAnzeige"))
        return t.StatusAnzeige;
    return QString();
}

QLabel *beschriftung(const QString &text, int tag, QWidget *buddy, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setProperty("tag", tag);
    l->setBuddy(buddy);
    return l;
}

QLineEdit *feld(const QString &name, int laenge, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(laenge);
    return e;
}

} // namespace

TSuchenDlg::TSuchenDlg(tav::store::Database *db, QWidget *parent)
    : QDialog(parent), m_db(db ? db : tav::store::defaultDatabase())
{
    setObjectName(QStringLiteral("SuchenDlg"));
    setProperty("tag", 2300);
    setWindowTitle(QStringLiteral("Suche"));

    EName = feld(QStringLiteral("EName"), 70, this);
    EZwinger = feld(QStringLiteral("EZwinger"), 50, this);
    Erufname = feld(QStringLiteral("Erufname"), 30, this);
    ERasse = feld(QStringLiteral("ERasse"), 40, this);
    EFarbe = feld(QStringLiteral("EFarbe"), 60, this);
    EZuechter = feld(QStringLiteral("EZuechter"), 60, this);
    EBesitzer = feld(QStringLiteral("EBesitzer"), 60, this);
    EZbNr = feld(QStringLiteral("EZbNr"), 30, this);
    EZbNr->setProperty("tag", 2308);
    EStatus = new QComboBox(this);
    EStatus->setObjectName(QStringLiteral("EStatus"));
    EStatus->setEditable(true);
    EStatus->setInsertPolicy(QComboBox::NoInsert);
    // the entry is a prefix of several statuses ("Fremd"): completing it inline would narrow it to one
    EStatus->completer()->setCompletionMode(QCompleter::PopupCompletion);
    EDatum = feld(QStringLiteral("EDatum"), 10, this);
    BKalender = new QToolButton(this);
    BKalender->setObjectName(QStringLiteral("BKalender"));
    BKalender->setText(QStringLiteral("..."));
    BKalender->setProperty("tag", 2311);
    BKalender->setFocusPolicy(Qt::TabFocus);

    auto *kriterien = new QGridLayout;
    kriterien->setHorizontalSpacing(6);
    kriterien->setVerticalSpacing(4);
    kriterien->addWidget(beschriftung(QStringLiteral("&Name"), 2301, EName, this), 0, 0);
    kriterien->addWidget(EName, 0, 1);
    kriterien->addWidget(beschriftung(QStringLiteral("&Zwinger"), 2302, EZwinger, this), 1, 0);
    kriterien->addWidget(EZwinger, 1, 1);
    kriterien->addWidget(beschriftung(QStringLiteral("&Rufname"), 2303, Erufname, this), 2, 0);
    kriterien->addWidget(Erufname, 2, 1);
    kriterien->addWidget(beschriftung(QStringLiteral("Rasse"), 2304, ERasse, this), 3, 0);
    kriterien->addWidget(ERasse, 3, 1);
    kriterien->addWidget(beschriftung(QStringLiteral("Farbe"), 2305, EFarbe, this), 4, 0);
    kriterien->addWidget(EFarbe, 4, 1);
    kriterien->setColumnMinimumWidth(2, 8);
    kriterien->addWidget(beschriftung(QStringLiteral("Züchter"), 2306, EZuechter, this), 0, 3);
    kriterien->addWidget(EZuechter, 0, 4, 1, 2);
    kriterien->addWidget(beschriftung(QStringLiteral("Besitzer"), 2307, EBesitzer, this), 1, 3);
    kriterien->addWidget(EBesitzer, 1, 4, 1, 2);
    LZbNr = beschriftung(QStringLiteral("Ohrmnr."), 2308, EZbNr, this);
    kriterien->addWidget(LZbNr, 2, 3);
    kriterien->addWidget(EZbNr, 2, 4, 1, 2);
    kriterien->addWidget(beschriftung(QStringLiteral("Status"), 2309, EStatus, this), 3, 3);
    kriterien->addWidget(EStatus, 3, 4, 1, 2);
    kriterien->addWidget(beschriftung(QStringLiteral("Geb."), 2310, EDatum, this), 4, 3);
    kriterien->addWidget(EDatum, 4, 4);
    kriterien->addWidget(BKalender, 4, 5);
    kriterien->setColumnStretch(1, 1);
    kriterien->setColumnStretch(4, 1);

    auto *anzahlText = new QLabel(QStringLiteral("gefundene Datensätze:"), this);
    anzahlText->setProperty("tag", 2312);
    LAnzahl = new QLabel(QStringLiteral(" "), this);
    LAnzahl->setObjectName(QStringLiteral("LAnzahl"));
    LAnzahl->setMinimumWidth(40);

    BSuchen = new QPushButton(QStringLiteral("&Suchen"), this);
    BSuchen->setProperty("tag", 2313);
    BSuchen->setDefault(true);
    BOK = new QPushButton(QStringLiteral("&OK"), this);
    BOK->setProperty("tag", 2314);
    BOK->setAutoDefault(false);
    BAbbruch = new QPushButton(QStringLiteral("&Abbruch"), this);
    BAbbruch->setProperty("tag", 2315);
    BAbbruch->setAutoDefault(false);
    BHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    BHilfe->setProperty("tag", 2316);
    BHilfe->setAutoDefault(false);

    auto *anzahl = new QHBoxLayout;
    anzahl->addWidget(anzahlText);
    anzahl->addWidget(LAnzahl);
    anzahl->addStretch();
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BSuchen);
    knoepfe->addWidget(BOK);
    knoepfe->addWidget(BAbbruch);
    knoepfe->addWidget(BHilfe);
    knoepfe->addStretch();

    m_model = new QStandardItemModel(this);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setProperty("tag", 2317);
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setAlternatingRowColors(true);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->horizontalHeader()->setSectionsClickable(true);
    DBGrid1->installEventFilter(this);
    DBGrid1->hide();

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(8, 8, 8, 8);
    // the criteria keep their width when the grid widens the dialog
    auto *kriterienZeile = new QHBoxLayout;
    kriterienZeile->addLayout(kriterien, 0);
    kriterienZeile->addStretch(1);
    v->addLayout(kriterienZeile);
    v->addLayout(anzahl);
    v->addWidget(DBGrid1, 1);
    // takes the spare height of the compact dialog, so the buttons stay at the bottom
    v->addStretch(0);
    v->addLayout(knoepfe);

    QWidget *const reihe[] = {EName,   EZwinger, Erufname,  ERasse,  EFarbe, EZuechter, EBesitzer, EZbNr,
                              EStatus, EDatum,   BKalender, BSuchen, BOK,    BAbbruch,  BHilfe,    DBGrid1};
    for (size_t i = 1; i < std::size(reihe); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);

    connect(BSuchen, &QPushButton::clicked, this, &TSuchenDlg::Suchen);
    connect(BOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(BHilfe, &QPushButton::clicked, this, [this] { showHelp(HilfeKontext, this); });
    setHelpKey(this, HilfeKontext);
    connect(BKalender, &QToolButton::clicked, this, &TSuchenDlg::kalender);
    connect(DBGrid1, &QTableView::doubleClicked, this,
            [this](const QModelIndex &i) { trefferUebernehmen(i.row()); });
    connect(DBGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this, &TSuchenDlg::sortieren);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &i) {
                if (i.isValid())
                    m_aktuell = i.row();
            });

    statusListeLaden();
    translateOnCreate(this);
    resize(KompaktBreite, KompaktHoehe);
}

void TSuchenDlg::statusListeLaden()
{
    EStatus->clear();
    try {
        tav::store::Query q(m_db, QStringLiteral("SELECT Nummer, Status FROM \"STATUS.DB\" ORDER BY Nummer"));
        q.open();
        for (; !q.eof(); q.next()) {
            const QString s = tav::cats::statusAnzeige(q.value(0).toInt(), q.value(1).toString());
            if (!s.isEmpty())
                EStatus->addItem(s);
        }
    } catch (const std::exception &) {
        showMessage(MeldungTabellenfehler, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QStringLiteral(" Status.db"));
    }
    EStatus->setCurrentIndex(-1);
    EStatus->setEditText(QString());
}

const KatzeTreffer *TSuchenDlg::aktuell() const
{
    return m_aktuell >= 0 && m_aktuell < m_treffer.size() ? &m_treffer[m_aktuell] : nullptr;
}

int TSuchenDlg::Query1LaufendeNummer() const
{
    return aktuell() ? aktuell()->LaufendeNummer : 0;
}

QString TSuchenDlg::Query1Name() const
{
    return aktuell() ? aktuell()->Name : QString();
}

QString TSuchenDlg::Query1StatusAnzeige() const
{
    return aktuell() ? aktuell()->StatusAnzeige : QString();
}

bool TSuchenDlg::ergebnisSichtbar() const
{
    return !DBGrid1->isHidden();
}

SuchKriterien TSuchenDlg::kriterien() const
{
    SuchKriterien k;
    k.name = EName->text();
    k.zwinger = EZwinger->text();
    k.rufname = Erufname->text();
    k.rasse = ERasse->text();
    k.farbe = EFarbe->text();
    k.zuechter = EZuechter->text();
    k.besitzer = EBesitzer->text();
    k.zbNr = EZbNr->text();
    k.status = EStatus->currentText();
    k.gebDatum = EDatum->text();
    return k;
}

void TSuchenDlg::kriterienSetzen(const SuchKriterien &k)
{
    EName->setText(k.name);
    EZwinger->setText(k.zwinger);
    Erufname->setText(k.rufname);
    ERasse->setText(k.rasse);
    EFarbe->setText(k.farbe);
    EZuechter->setText(k.zuechter);
    EBesitzer->setText(k.besitzer);
    EZbNr->setText(k.zbNr);
    EStatus->setEditText(k.status);
    EDatum->setText(k.gebDatum);
}

void TSuchenDlg::Suchen()
{
    if (ergebnisSichtbar()) {
        kompakt();
        return;
    }
    m_treffer.clear();
    m_aktuell = -1;
    m_model->clear();
    gefunden = false;

    const SuchKriterien k = kriterien();
    SuchErgebnis e;
    try {
        e = katzenSuchen(*m_db, k, aufrufer, Sortierung::ZwingerName, eigeneDatenLesen(*m_db));
    } catch (const std::exception &ex) {
        LAnzahl->setText(QStringLiteral(" "));
        TDBError::HandleException(ex, QStringLiteral("CATSTAMM.DB"));
        return;
    }
    switch (e.status) {
    case SuchStatus::UngueltigesDatum:
        LAnzahl->setText(QStringLiteral(" "));
        showMessage(MeldungUngueltigesDatum, MsgIcon::Error, MsgButtons::Ok,
                    QStringLiteral("'") + EDatum->text() + QStringLiteral("': "));
        EDatum->setFocus();
        EDatum->selectAll();
        return;
    case SuchStatus::KeineAdresse:
        LAnzahl->setText(QStringLiteral(" "));
        showMessage(e.meldung, MsgIcon::Warning, MsgButtons::Ok);
        return;
    case SuchStatus::NichtsGefunden:
    case SuchStatus::Gefunden: break;
    }
    m_letzteKriterien = k;
    m_letzterAufrufer = aufrufer;
    ergebnisZeigen(e, !k.status.trimmed().isEmpty());
}

void TSuchenDlg::ergebnisZeigen(const SuchErgebnis &e, bool mitStatus)
{
    m_treffer = e.treffer;
    LAnzahl->setText(QString::number(m_treffer.size()));
    gefunden = !m_treffer.isEmpty();
    if (m_treffer.isEmpty()) {
        if (e.meldung)
            showMessage(e.meldung, MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    m_aktuell = 0;
    if (m_treffer.size() == 1) {
        kriterienSetzen(kriterienAusTreffer(m_treffer.first()));
        return;
    }
    gridFuellen(mitStatus);
    erweitern();
}

void TSuchenDlg::gridFuellen(bool mitStatus)
{
    m_spalten = ergebnisSpalten(mitStatus);
    m_model->clear();
    m_model->setColumnCount(int(m_spalten.size()));
    QVariantList tags;
    for (int c = 0; c < m_spalten.size(); ++c) {
        m_model->setHeaderData(c, Qt::Horizontal, m_spalten[c].titel);
        tags << spaltenTag(m_spalten[c].feld);
    }
    m_model->setRowCount(int(m_treffer.size()));
    for (int r = 0; r < m_treffer.size(); ++r) {
        for (int c = 0; c < m_spalten.size(); ++c)
            m_model->setItem(r, c, new QStandardItem(feldText(m_treffer[r], m_spalten[c].feld)));
    }
    DBGrid1->setProperty("columnTags", tags);
    translateComponent(DBGrid1, tav::app::sprache().offset());
    for (int c = 0; c < m_spalten.size(); ++c)
        DBGrid1->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Interactive);
    DBGrid1->resizeColumnsToContents();
    for (int c = 0; c < m_spalten.size(); ++c)
        DBGrid1->setColumnWidth(c, std::min(DBGrid1->columnWidth(c), 220));
    DBGrid1->setCurrentIndex(m_model->index(m_aktuell, 0));
}

void TSuchenDlg::trefferUebernehmen(int zeile)
{
    if (zeile < 0 || zeile >= m_treffer.size())
        return;
    m_aktuell = zeile;
    kriterienSetzen(kriterienAusTreffer(m_treffer[zeile]));
    kompakt();
}

void TSuchenDlg::sortieren(int spalte)
{
    if (spalte < 0 || spalte >= m_spalten.size())
        return;
    const std::optional<Sortierung> s = sortierungFuerSpalte(m_spalten[spalte].feld);
    if (!s)
        return;
    SuchErgebnis e;
    try {
        e = katzenSuchen(*m_db, m_letzteKriterien, m_letzterAufrufer, *s, eigeneDatenLesen(*m_db));
    } catch (const std::exception &ex) {
        TDBError::HandleException(ex, QStringLiteral("CATSTAMM.DB"));
        return;
    }
    if (e.status != SuchStatus::Gefunden)
        return;
    m_treffer = e.treffer;
    m_aktuell = 0;
    LAnzahl->setText(QString::number(m_treffer.size()));
    gridFuellen(m_spalten.size() > ergebnisSpalten(false).size());
    DBGrid1->horizontalHeader()->setSortIndicatorShown(true);
    DBGrid1->horizontalHeader()->setSortIndicator(spalte, Qt::AscendingOrder);
}

void TSuchenDlg::kalender()
{
    const std::optional<QDate> vorher = datumLesen(EDatum->text());
    if (const std::optional<QDate> d = runCalendar(this, vorher.value_or(QDate::currentDate())))
        EDatum->setText(datumText(*d));
}

QPoint TSuchenDlg::bildschirmUrsprung() const
{
    const QScreen *s = screen();
    return s ? s->availableGeometry().topLeft() : QPoint();
}

void TSuchenDlg::kompakt()
{
    DBGrid1->hide();
    const QPoint o = bildschirmUrsprung();
    QPoint p = pos() - o;
    p.setX(leftPos);
    if (p.y() > 1)
        p.setY(Toppos);
    move(o + p);
    // the layout's minimum shrinks only once the grid is gone
    layout()->activate();
    const QSize min = minimumSizeHint();
    resize(std::max(KompaktBreite, min.width()), std::max(KompaktHoehe, min.height()));
}

void TSuchenDlg::erweitern()
{
    const QPoint o = bildschirmUrsprung();
    QPoint p = pos() - o;
    leftPos = std::max(1, p.x());
    p.setX(p.x() <= 150 ? 1 : p.x() - 150);
    p.setY(p.y() < 2 ? 1 : Toppos);
    move(o + p);
    DBGrid1->show();
    // as wide as all the columns, as far as the screen to the right allows; beyond that the grid
    // scrolls
    int spalten = 2 * DBGrid1->frameWidth() + DBGrid1->verticalScrollBar()->sizeHint().width() + 2;
    for (int c = 0; c < m_model->columnCount(); ++c)
        spalten += DBGrid1->columnWidth(c);
    const QMargins rand = layout()->contentsMargins();
    int breite = std::max({ErgebnisBreite, width(), spalten + rand.left() + rand.right()});
    if (const QScreen *s = screen()) {
        const QRect bild = s->availableGeometry();
        const int rahmen = frameGeometry().width() - width();
        breite = std::min(
            breite, std::max({ErgebnisBreite, width(), bild.right() + 1 - frameGeometry().left() - rahmen}));
    }
    resize(breite, std::max(ErgebnisHoehe, height()));
}

void TSuchenDlg::showEvent(QShowEvent *e)
{
    translateWindow(this, tav::app::sprache().offset());
    gefunden = false;
    kriterienSetzen({});
    LAnzahl->setText(QStringLiteral(" "));
    m_treffer.clear();
    m_aktuell = -1;
    m_model->clear();
    Toppos = 243;
    leftPos = 343;
    DBGrid1->hide();
    move(bildschirmUrsprung() + QPoint(leftPos, Toppos));
    kompakt();
    QDialog::showEvent(e);
    EName->setFocus();

    if (aufrufer.ahnenEingabe && aufrufer.fokus == Fokus::Andere && !ahnenName.trimmed().isEmpty()) {
        EName->setText(ahnenName); // its "%" is a wildcard of the search
        Suchen();
    }
}

void TSuchenDlg::done(int r)
{
    if (ergebnisSichtbar())
        kompakt();
    QDialog::done(r);
    move(bildschirmUrsprung().x() + 343, pos().y());
}

bool TSuchenDlg::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == DBGrid1 && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            trefferUebernehmen(DBGrid1->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

int runCatSearch(QWidget *parent, int callerCode, const Aufrufer &kontext, const QString &ahnenName,
                 KatzeTreffer *gewaehlt)
{
    TSuchenDlg dlg(nullptr, parent);
    dlg.aufrufer = kontext;
    dlg.aufrufer.formular = Formular(std::clamp(callerCode, 0, 3));
    dlg.ahnenName = ahnenName;
    if (execDialog(dlg) != QDialog::Accepted || !dlg.aktuell())
        return 0;
    if (gewaehlt)
        *gewaehlt = *dlg.aktuell();
    return dlg.Query1LaufendeNummer();
}

} // namespace tav::cats::ui
