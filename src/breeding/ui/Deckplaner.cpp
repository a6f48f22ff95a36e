// Deckplaner: the mating planner window, its filters, the table filled in slices of the event
// loop, the analysis of a row in the inbreeding window and the print-out.
#include "Deckplaner.h"

#include "Inzuchtgrad.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "cats/CatRules.h"
#include "cats/ui/Psuchdlg.h"
#include "maintenance/Registerpruefung.h"
#include "printouts/ReportDeckplan.h"
#include "report/ui/Vorschau.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSize>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QVector>

using namespace tav::widgets;
using namespace tav::shell;

namespace tav::breeding::ui {

namespace {
QPointer<TFormDeckplaner> &current()
{
    static QPointer<TFormDeckplaner> w;
    return w;
}

QPushButton *knopf(QWidget *eltern, const char *name, const char *text, int tag)
{
    auto *b = new QPushButton(QString::fromUtf8(text), eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setProperty("tag", tag);
    return b;
}

QLabel *beschriftung(QWidget *eltern, const char *text, int tag)
{
    auto *l = new QLabel(QString::fromUtf8(text), eltern);
    l->setProperty("tag", tag);
    return l;
}

constexpr int MeldungZuJung = 7604;

QChar dezimalzeichen()
{
    // the engine's separator: a point in English, else a comma
    return app::sprache().languageNumber() == 1 ? QLatin1Char('.') : QLatin1Char(',');
}
} // namespace

// --- the window --------------------------------------------------------------

TFormDeckplaner::TFormDeckplaner(store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("formdeckplaner"), parent), m_db(db)
{
    current() = this;
    setObjectName(QStringLiteral("FormDeckplaner"));
    setWindowTitle(QStringLiteral("Deckplaner"));
    setProperty("tag", 7600);
    setHelpContext(HilfeKontext);
    m_takt = new QTimer(this);
    m_takt->setInterval(0);
    connect(m_takt, &QTimer::timeout, this, [this] { schritt(); });
    m_modell = new DeckplanModell(m_planer, this);
    try {
        m_planer.lese(*m_db);
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
    }

    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(eingaben());
    PanelFortschritt = new QFrame(this);
    PanelFortschritt->setObjectName(QStringLiteral("PanelFortschritt"));
    auto *fl = new QHBoxLayout(PanelFortschritt);
    fl->setContentsMargins(0, 0, 0, 0);
    Fortschritt = new QProgressBar(PanelFortschritt);
    BitBtnAbbruch = knopf(PanelFortschritt, "BitBtnAbbruch", "Abbruch", 571);
    fl->addWidget(beschriftung(PanelFortschritt, "Kater werden berechnet", 7615));
    fl->addWidget(Fortschritt, 1);
    fl->addWidget(BitBtnAbbruch);
    PanelFortschritt->hide();
    haupt->addWidget(PanelFortschritt);
    connect(BitBtnAbbruch, &QPushButton::clicked, this, [this] { abbrechen(); });

    Tabelle = new QTableView(this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setModel(m_modell);
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabelle->verticalHeader()->hide();
    Tabelle->verticalHeader()->setDefaultSectionSize(Tabelle->fontMetrics().height() + 4);
    Tabelle->horizontalHeader()->setStretchLastSection(true);
    Tabelle->setSortingEnabled(true);
    Tabelle->horizontalHeader()->setSortIndicator(4, Qt::AscendingOrder);
    const int breiten[] = {200, 50, 45, 90, 70, 70, 260, 230};
    for (int i = 0; i < 8; ++i)
        Tabelle->setColumnWidth(i, breiten[i]);
    haupt->addWidget(Tabelle, 1);
    connect(Tabelle, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &i) { analyse(i.row()); });

    auto *knoepfe = new QHBoxLayout;
    BtnPlanen = knopf(this, "BtnPlanen", "&Planen", 7613);
    BtnAnalyse = knopf(this, "BtnAnalyse", "&Analyse", 7614);
    BtnDrucken = knopf(this, "BtnDrucken", "&Drucken", 9789);
    BtnHilfe = knopf(this, "BtnHilfe", "&Hilfe", 7624);
    BtnZurueck = knopf(this, "BtnZurueck", "&Zurück", 9766);
    for (QPushButton *b : {BtnPlanen, BtnAnalyse, BtnDrucken})
        knoepfe->addWidget(b);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BtnHilfe);
    knoepfe->addWidget(BtnZurueck);
    haupt->addLayout(knoepfe);
    connect(BtnPlanen, &QPushButton::clicked, this, [this] { planen(); });
    connect(BtnAnalyse, &QPushButton::clicked, this, [this] {
        const QModelIndex i = Tabelle->currentIndex();
        if (i.isValid())
            analyse(i.row());
    });
    connect(BtnDrucken, &QPushButton::clicked, this, [this] { drucken(); });
    connect(BtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BtnZurueck, &QPushButton::clicked, this, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
    });
    finishCreate();
}

TFormDeckplaner::~TFormDeckplaner()
{
    if (current() == this)
        current() = nullptr;
}

TFormDeckplaner *TFormDeckplaner::instance()
{
    return current();
}

QWidget *TFormDeckplaner::eingaben()
{
    auto *teil = new QWidget(this);
    // the filters below the cat: side by side they made the window wider than the frame
    auto *l = new QVBoxLayout(teil);
    l->setContentsMargins(0, 0, 0, 0);
    auto *links = new QGridLayout;
    EditKatze = new QLineEdit(teil);
    EditKatze->setObjectName(QStringLiteral("EditKatze"));
    EditKatze->setReadOnly(true);
    EditKatze->setMinimumWidth(240);
    SucheKatze = knopf(teil, "SucheKatze", "Katze suchen", 7603);
    SpinGenerationen = new QSpinBox(teil);
    SpinGenerationen->setObjectName(QStringLiteral("SpinGenerationen"));
    SpinGenerationen->setRange(3, 255);
    const app::tsysteminfo *s = app::tsysteminfo::instance();
    SpinGenerationen->setValue(s ? std::clamp(s->Inzuchtgenerationen, 3, 255) : 5);
    links->addWidget(beschriftung(teil, "Katze:", 7602), 0, 0);
    links->addWidget(EditKatze, 0, 1);
    links->addWidget(SucheKatze, 0, 2);
    links->addWidget(beschriftung(teil, "Generationen:", 7604), 1, 0);
    links->addWidget(SpinGenerationen, 1, 1, Qt::AlignLeft);
    LabelHinweis = new QLabel(teil);
    LabelHinweis->setObjectName(QStringLiteral("LabelHinweis"));
    LabelHinweis->setWordWrap(true);
    LabelHinweis->setStyleSheet(QStringLiteral("color: #b00000;"));
    LabelHinweis->hide();
    links->addWidget(LabelHinweis, 2, 0, 1, 4);
    links->setColumnStretch(3, 1);
    l->addLayout(links);
    l->addWidget(filterTeil());
    connect(SucheKatze, &QPushButton::clicked, this, [this] {
        cats::Aufrufer kontext;
        kontext.formular = cats::Formular::Inzuchtgrad;
        kontext.fokus = cats::Fokus::MutterSuchen;
        if (const int nr = cats::ui::runCatSearch(this, 1, kontext); nr > 0)
            setzeKatze(nr);
    });
    return teil;
}

QWidget *TFormDeckplaner::filterTeil()
{
    auto *teil = new QWidget(this);
    auto *g = new QGridLayout(teil);
    g->setContentsMargins(0, 0, 0, 0);
    CBRasse = new QComboBox(teil);
    CBRasse->setObjectName(QStringLiteral("CBRasse"));
    CBRasse->addItem(
        app::captionText(7606).isEmpty() ? QStringLiteral("alle Rassen") : app::captionText(7606), 0);
    QVector<QPair<QString, qint32>> rassen;
    for (auto it = m_planer.rassen().cbegin(); it != m_planer.rassen().cend(); ++it)
        rassen.append({it.value(), it.key()});
    std::sort(rassen.begin(), rassen.end());
    for (const auto &[name, code] : rassen)
        CBRasse->addItem(name, code);
    CBStatus = new QComboBox(teil);
    CBStatus->setObjectName(QStringLiteral("CBStatus"));
    CBStatus->addItem(app::captionText(7608).isEmpty() ? QStringLiteral("alle") : app::captionText(7608), 0);
    QList<int> status = m_planer.statusNamen().keys();
    std::sort(status.begin(), status.end());
    for (int nr : status)
        CBStatus->addItem(m_planer.statusName(nr), nr);
    // the longest breed or status name would make the window wider than the frame
    for (QComboBox *c : {CBRasse, CBStatus}) {
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(14);
    }
    CBLebend = new QCheckBox(QStringLiteral("nur lebende"), teil);
    CBLebend->setObjectName(QStringLiteral("CBLebend"));
    CBLebend->setProperty("tag", 7609);
    CBLebend->setChecked(true);
    CBEigene = new QCheckBox(QStringLiteral("nur eigene"), teil);
    CBEigene->setObjectName(QStringLiteral("CBEigene"));
    CBEigene->setProperty("tag", 7610);
    const auto alter = [teil](const char *name) {
        auto *b = new QSpinBox(teil);
        b->setObjectName(QString::fromLatin1(name));
        b->setRange(-1, 40);
        b->setValue(-1);
        b->setSpecialValueText(QStringLiteral("-"));
        return b;
    };
    SpinAlterVon = alter("SpinAlterVon");
    SpinAlterBis = alter("SpinAlterBis");
    ListeMeiden = new QListWidget(teil);
    ListeMeiden->setObjectName(QStringLiteral("ListeMeiden"));
    ListeMeiden->setMaximumHeight(70);
    QList<qint32> merkmale = m_planer.merkmalNamen().keys();
    std::sort(merkmale.begin(), merkmale.end());
    for (qint32 nr : merkmale) {
        auto *item = new QListWidgetItem(m_planer.merkmalName(nr), ListeMeiden);
        item->setData(Qt::UserRole, nr);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    g->addWidget(beschriftung(teil, "Rasse:", 7605), 0, 0);
    g->addWidget(CBRasse, 0, 1);
    g->addWidget(beschriftung(teil, "Status:", 7607), 0, 2);
    g->addWidget(CBStatus, 0, 3);
    auto *alterReihe = new QHBoxLayout;
    alterReihe->addWidget(beschriftung(teil, "Alter von", 7611));
    alterReihe->addWidget(SpinAlterVon);
    alterReihe->addWidget(beschriftung(teil, "bis", 694));
    alterReihe->addWidget(SpinAlterBis);
    alterReihe->addWidget(beschriftung(teil, "Jahre", 1485));
    alterReihe->addStretch(1);
    g->addLayout(alterReihe, 1, 0, 1, 2);
    g->addWidget(CBLebend, 1, 2);
    g->addWidget(CBEigene, 1, 3);
    g->addWidget(beschriftung(teil, "Merkmale meiden:", 7612), 2, 0, Qt::AlignTop);
    g->addWidget(ListeMeiden, 2, 1, 1, 3);
    return teil;
}

bool TFormDeckplaner::setzeKatze(qint32 nummer)
{
    if (!m_planer.katze(nummer)) {
        // a cat entered since the window read the register
        abbrechen();
        try {
            m_planer.lese(*m_db);
        } catch (const std::exception &e) {
            reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
            return false;
        }
    }
    const PlanKatze *k = m_planer.katze(nummer);
    if (!k || !m_planer.waehleKatze(nummer, SpinGenerationen->value(), dezimalzeichen())) {
        showMessage(k ? m_planer.fehler : 83, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    abbrechen();
    m_modell->leeren();
    m_katze = nummer;
    EditKatze->setText(k->name);
    alterHinweis();
    return true;
}

void TFormDeckplaner::alterHinweis()
{
    // the age the register check asks of a parent at its kitten's birth, for a litter of today's mating
    const PlanKatze *k = m_planer.katze(m_katze);
    const maintenance::PruefOptionen o = maintenance::pruefOptionenLesen();
    const QDate wurf = QDate::currentDate().addDays(o.tageTraechtigkeit);
    const std::optional<int> monate =
        k ? maintenance::elterZuJung(k->geburt, wurf, o.mindestMonate) : std::nullopt;
    LabelHinweis->setText(monate ? app::messageText(MeldungZuJung).arg(*monate).arg(o.mindestMonate)
                                 : QString());
    LabelHinweis->setVisible(monate.has_value());
}

void TFormDeckplaner::vorschlagen(qint32 nummer)
{
    const PlanKatze *k = m_planer.katze(nummer);
    if (k && cats::istKatze(k->geschlecht))
        setzeKatze(nummer);
}

DeckFilter TFormDeckplaner::filter() const
{
    DeckFilter f;
    f.rasse = CBRasse->currentData().toInt();
    f.status = CBStatus->currentData().toInt();
    f.nurLebende = CBLebend->isChecked();
    f.nurEigene = CBEigene->isChecked();
    f.alterVon = SpinAlterVon->value();
    f.alterBis = SpinAlterBis->value();
    for (int i = 0; i < ListeMeiden->count(); ++i)
        if (ListeMeiden->item(i)->checkState() == Qt::Checked)
            f.meiden.insert(ListeMeiden->item(i)->data(Qt::UserRole).toInt());
    return f;
}

bool TFormDeckplaner::planen()
{
    abbrechen();
    m_modell->leeren();
    if (m_katze == 0) {
        showMessage(7602, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    try {
        m_planer.lese(*m_db); // the register may have changed since the window opened
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return false;
    }
    if (!m_planer.waehleKatze(m_katze, SpinGenerationen->value(), dezimalzeichen())) {
        showMessage(m_planer.fehler, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    alterHinweis();
    m_kater = m_planer.kandidaten(filter());
    if (m_kater.isEmpty()) {
        showMessage(7601, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    m_naechster = 0;
    Fortschritt->setRange(0, int(m_kater.size()));
    Fortschritt->setValue(0);
    PanelFortschritt->show();
    BtnPlanen->setEnabled(false);
    m_takt->start();
    return true;
}

// one slice per turn of the event loop: the table grows while the window stays usable
void TFormDeckplaner::schritt()
{
    QElapsedTimer uhr;
    uhr.start();
    QVector<DeckZeile> neu;
    while (m_naechster < m_kater.size() && uhr.elapsed() < 40)
        neu.append(m_planer.zeile(m_kater[m_naechster++]));
    m_modell->anhaengen(neu);
    Fortschritt->setValue(m_naechster);
    if (m_naechster >= m_kater.size()) {
        beenden();
        m_modell->nochmalSortieren();
    }
}

void TFormDeckplaner::beenden()
{
    m_takt->stop();
    PanelFortschritt->hide();
    BtnPlanen->setEnabled(true);
}

bool TFormDeckplaner::laeuft() const
{
    return m_takt->isActive();
}

void TFormDeckplaner::abbrechen()
{
    if (laeuft()) {
        beenden();
        m_modell->nochmalSortieren();
    }
}

void TFormDeckplaner::analyse(int zeile)
{
    if (zeile < 0 || zeile >= m_modell->zeilen().size() || m_katze == 0)
        return;
    const qint32 kater = m_modell->zeilen()[zeile].kater;
    if (Shell *mw = Shell::current())
        mw->runCommand(QStringLiteral("Inzuchtgrad1"));
    TFormInzuchtgrad *w = TFormInzuchtgrad::instance();
    if (!w)
        return;
    w->berechneStart = false;
    w->setzeBerechnungsart(1);
    w->setzeVater(kater);
    w->setzeMutter(m_katze);
    w->EditGenerationen->setText(QString::number(m_planer.generationen()));
    w->berechnen();
}

void TFormDeckplaner::drucken()
{
    report::ui::zeigeVorschau(
        printouts::reportDeckplan(printouts::deckplanDruck(m_planer, m_katze, m_modell->zeilen(),
                                                           [](int nr) { return app::messageText(nr); })),
        this);
}

void TFormDeckplaner::closeEvent(QCloseEvent *e)
{
    abbrechen();
    ChildWindow::closeEvent(e);
}

void registerDeckplaner()
{
    registerWindow(QStringLiteral("formdeckplaner"), [](Shell &mw) -> QWidget * {
        if (TFormDeckplaner *w = TFormDeckplaner::instance())
            return w;
        auto *w = new TFormDeckplaner(store::defaultDatabase());
        if (QMdiSubWindow *sub = mw.addChild(w))
            sub->resize(QSize(1060, 620));
        return w;
    });
}

} // namespace tav::breeding::ui
