// StatistikStammbaumFenster: the trait statistics window, its inputs and its registration.
#include "StatistikStammbaumFenster.h"

#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/StatistikStammbaum.h"
#include "breeding/ui/MerkmalAuswahl.h"
#include "cats/ui/Psuchdlg.h"
#include "report/ui/Vorschau.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Query.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSize>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

namespace tav::breeding::ui {

using widgets::MsgButtons;
using widgets::MsgIcon;

namespace {
TFormStatistikMerkmaleStammbaum *g_instance = nullptr;
constexpr int TagWarten = 6400, TagAbbruch = 571;
constexpr int MeldungAbbrechen = 176, MeldungAbgebrochen = 177, MeldungSpeichermangel = 6401;
} // namespace

TFormStatistikMerkmaleStammbaum::TFormStatistikMerkmaleStammbaum(store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("formstatistikmerkmalestammbaum"), parent), m_db(db)
{
    g_instance = this;
    setObjectName(QStringLiteral("FormStatistikMerkmaleStammbaum"));
    setWindowTitle(QStringLiteral("Statistik der Merkmale eines Stammbaumes"));
    setProperty("tag", 8040);
    setHelpContext(HilfeKontext);
    bauen();
    listenFuellen();
    finishCreate();
    if (auto *mw = shell::Shell::current())
        katzeLaden(mw->currentListCat());
}

TFormStatistikMerkmaleStammbaum::~TFormStatistikMerkmaleStammbaum()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TFormStatistikMerkmaleStammbaum *TFormStatistikMerkmaleStammbaum::instance()
{
    return g_instance;
}

void TFormStatistikMerkmaleStammbaum::bauen()
{
    auto *haupt = new QVBoxLayout(this);
    auto *oben = new QGridLayout;
    const auto text = [this](const char *t, int tag) {
        auto *l = new QLabel(QString::fromUtf8(t), this);
        l->setProperty("tag", tag);
        return l;
    };
    DBEdit1 = new QLineEdit(this);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setReadOnly(true);
    sucheKatze = new QPushButton(QStringLiteral("Katze suchen"), this);
    sucheKatze->setObjectName(QStringLiteral("sucheKatze"));
    sucheKatze->setProperty("tag", 8041);
    Label4 = new QLabel(this);
    Label4->setProperty("dataText", true);
    LabelMerkmale = new QLabel(this);
    LabelMerkmale->setProperty("dataText", true);
    LabelMerkmale->setWordWrap(true);
    oben->addWidget(text("Katze:", 8042), 0, 0);
    oben->addWidget(DBEdit1, 0, 1);
    oben->addWidget(sucheKatze, 0, 2);
    oben->addWidget(text("Farbe:", 8029), 1, 0);
    oben->addWidget(Label4, 1, 1, 1, 2);
    oben->addWidget(text("Merkmale:", 1623), 2, 0);
    oben->addWidget(LabelMerkmale, 2, 1, 1, 2);
    auto *gen = new QHBoxLayout;
    EditAnzGen = new QLineEdit(this);
    EditAnzGen->setObjectName(QStringLiteral("EditAnzGen"));
    EditAnzGen->setValidator(new QIntValidator(1, 9999, EditAnzGen));
    EditAnzGen->setMaximumWidth(60);
    const app::tsysteminfo *einstellungen = app::tsysteminfo::instance();
    EditAnzGen->setText(QString::number(einstellungen ? einstellungen->StatistikGenerationen : 100));
    gen->addWidget(text("max. Anzahl", 8043));
    gen->addWidget(EditAnzGen);
    gen->addWidget(text("Generationen", 1621));
    gen->addStretch(1);
    oben->addLayout(gen, 3, 0, 1, 3);
    CBFarbe = new QComboBox(this);
    CBFarbe->setObjectName(QStringLiteral("CBFarbe"));
    oben->addWidget(text("Farbe:", 8029), 4, 0);
    oben->addWidget(CBFarbe, 4, 1, 1, 2);
    oben->setColumnStretch(1, 1);
    haupt->addLayout(oben);

    auto *mitte = new QHBoxLayout;
    auto *links = new QVBoxLayout;
    RBohneMerkmale = new QRadioButton(QStringLiteral("Suche nur nach Farbe"), this);
    RBohneMerkmale->setProperty("tag", 8044);
    RBmitMerkmale = new QRadioButton(QStringLiteral("Suche nach Merkmal / Farbe"), this);
    RBmitMerkmale->setProperty("tag", 8045);
    RBmitMerkmale->setChecked(true);
    CheckBoxalleM = new QCheckBox(QStringLiteral("Suche nach allen Merkmalen "), this);
    CheckBoxalleM->setProperty("tag", 8046);
    CheckBoxalleM->setChecked(true);
    DBGridMerkmale = new widgets::DBGrid(this);
    DBGridMerkmale->setObjectName(QStringLiteral("DBGridMerkmale"));
    DBGridMerkmale->setSelectionMode(QAbstractItemView::MultiSelection);
    DBGridMerkmale->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridMerkmale->horizontalHeader()->setStretchLastSection(true);
    DBGridMerkmale->setEnabled(false);
    links->addWidget(RBohneMerkmale);
    links->addWidget(RBmitMerkmale);
    links->addWidget(CheckBoxalleM);
    links->addWidget(DBGridMerkmale, 1);
    mitte->addLayout(links);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    mitte->addWidget(Memo1, 3);
    haupt->addLayout(mitte, 1);
    haupt->addWidget(wartePanel());

    auto *knoepfe = new QHBoxLayout;
    const auto knopf = [&](const char *name, const char *t, int tag) {
        auto *b = new QPushButton(QString::fromUtf8(t), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("tag", tag);
        knoepfe->addWidget(b);
        return b;
    };
    BitBtnAuswertung = knopf("BitBtnAuswertung", "Auswertung", 8047);
    BitBtnDruck = knopf("BitBtnDruck", "Druck", 8048);
    knoepfe->addStretch(1);
    BitBtnHilfe = knopf("BitBtnHilfe", "Hilfe", 8049);
    BitBtnZurueck = knopf("BitBtnZurueck", "&Zurück", 8026);
    haupt->addLayout(knoepfe);

    connect(sucheKatze, &QPushButton::clicked, this, [this] {
        const int nummer = cats::ui::runCatSearch(this, 0);
        if (nummer > 0)
            katzeLaden(nummer);
    });
    connect(CBFarbe, &QComboBox::currentIndexChanged, Memo1, &QPlainTextEdit::clear);
    connect(DBGridMerkmale, &QAbstractItemView::clicked, Memo1, &QPlainTextEdit::clear);
    connect(CheckBoxalleM, &QCheckBox::toggled, this, [this](bool alle) {
        Memo1->clear();
        DBGridMerkmale->clearSelection();
        DBGridMerkmale->setEnabled(!alle);
    });
    connect(RBohneMerkmale, &QRadioButton::toggled, this, [this] { modusGeaendert(); });
    connect(BitBtnAuswertung, &QPushButton::clicked, this, [this] { auswerten(); });
    connect(BitBtnDruck, &QPushButton::clicked, this,
            [this] { report::ui::zeigeVorschau(printouts::reportStatistikStammbaum(druckDaten()), this); });
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BitBtnZurueck, &QPushButton::clicked, this, [this] { close(); });
}

QWidget *TFormStatistikMerkmaleStammbaum::wartePanel()
{
    PanelWarten = new QFrame(this);
    PanelWarten->setObjectName(QStringLiteral("PanelWarten"));
    PanelWarten->setFrameShape(QFrame::StyledPanel);
    auto *l = new QHBoxLayout(PanelWarten);
    auto *text = new QLabel(QStringLiteral("Bitte warten! Auswertung läuft"), PanelWarten);
    text->setProperty("tag", TagWarten);
    QFont f = text->font();
    f.setBold(true);
    text->setFont(f);
    Fortschrittsbalken = new QProgressBar(PanelWarten);
    Fortschrittsbalken->setTextVisible(false);
    Fortschrittsbalken->setMaximum(1000);
    BitBtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), PanelWarten);
    BitBtnAbbruch->setObjectName(QStringLiteral("BitBtnAbbruch"));
    BitBtnAbbruch->setProperty("tag", TagAbbruch);
    l->addWidget(text);
    l->addWidget(Fortschrittsbalken, 1);
    l->addWidget(BitBtnAbbruch);
    PanelWarten->hide();
    connect(BitBtnAbbruch, &QPushButton::clicked, this, [this] { abbrechenFragen(); });
    return PanelWarten;
}

void TFormStatistikMerkmaleStammbaum::abbrechenFragen()
{
    if (widgets::showMessage(MeldungAbbrechen, MsgIcon::Question, MsgButtons::YesNo) == QMessageBox::Yes)
        abbruch = true;
}

void TFormStatistikMerkmaleStammbaum::closeEvent(QCloseEvent *e)
{
    if (m_laeuft) {
        abbruch = true;
        e->ignore();
        return;
    }
    ChildWindow::closeEvent(e);
}

void TFormStatistikMerkmaleStammbaum::modusGeaendert()
{
    const bool nurFarbe = RBohneMerkmale->isChecked();
    CheckBoxalleM->setEnabled(!nurFarbe);
    DBGridMerkmale->setEnabled(!nurFarbe && !CheckBoxalleM->isChecked());
    Memo1->clear();
}

void TFormStatistikMerkmaleStammbaum::listenFuellen()
{
    farbenFuellen(CBFarbe, m_db, 8051);
    merkmalRasterOeffnen(DBGridMerkmale, m_db, this);
}

QStringList TFormStatistikMerkmaleStammbaum::gewaehlteMerkmale() const
{
    QStringList namen;
    const widgets::TableModel *model = DBGridMerkmale->tableModel();
    if (!model || !DBGridMerkmale->selectionModel())
        return namen;
    QModelIndexList zeilen = DBGridMerkmale->selectionModel()->selectedRows(0);
    std::sort(zeilen.begin(), zeilen.end());
    for (const QModelIndex &i : zeilen)
        namen << model->data(model->index(i.row(), 0)).toString();
    return namen;
}

bool TFormStatistikMerkmaleStammbaum::katzeLaden(qint32 nummer)
{
    if (nummer <= 0)
        return false;
    try {
        store::Query q(m_db,
                       QStringLiteral("SELECT Name, FellFarbe FROM catstamm.db WHERE LaufendeNummer = ?"));
        q.addBindValue(nummer);
        q.open();
        if (q.eof())
            return false;
        satzKatze = nummer;
        DBEdit1->setText(q.value(0).toString());
        Label4->setText(q.value(1).toString());
        store::Query m(m_db, QStringLiteral("SELECT m.Bezeichnung FROM katzemerkmal.db k, merkmale.db m"
                                            " WHERE k.Katze = ? AND k.Merkmal = m.LaufendeNummer"
                                            " ORDER BY k.LaufendeNummer"));
        m.addBindValue(nummer);
        m.open();
        QString merkmale;
        for (; !m.eof(); m.next())
            merkmale += QStringLiteral("- ") + m.value(0).toString() + QStringLiteral(" -");
        LabelMerkmale->setText(merkmale);
    } catch (const store::EngineError &e) {
        qWarning("%s", qPrintable(e.what()));
        return false;
    }
    Memo1->clear();
    return true;
}

void TFormStatistikMerkmaleStammbaum::followCat(int cat)
{
    if (m_laeuft || !katzeLaden(cat))
        return;
    // counted once the refresh that announced the cat is done; without a chosen trait there is
    // nothing to count, and the question for one waits for "Auswertung"
    const bool merkmaleFehlen =
        RBmitMerkmale->isChecked() && !CheckBoxalleM->isChecked() && gewaehlteMerkmale().isEmpty();
    if (merkmaleFehlen || m_auswertungGeplant)
        return;
    m_auswertungGeplant = true;
    QTimer::singleShot(0, this, [this] {
        m_auswertungGeplant = false;
        auswerten();
    });
}

bool TFormStatistikMerkmaleStammbaum::auswerten()
{
    if (m_laeuft)
        return false;
    Memo1->clear();
    const printouts::StatistikDruck d = druckDaten();
    if (d.suche == printouts::StatistikDruck::Suche::Ausgewaehlte && d.gesuchteMerkmale.isEmpty()) {
        widgets::showMessage(123, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    if (!satzKatze)
        return false;
    StatistikOptionen o;
    o.generationen = d.generationen;
    o.farbe = d.gesuchteFarbe;
    o.nurFarbe = d.suche == printouts::StatistikDruck::Suche::NurFarbe;
    o.alleMerkmale = d.suche == printouts::StatistikDruck::Suche::AlleMerkmale;
    o.merkmale = d.gesuchteMerkmale;

    abbruch = false;
    m_laeuft = true;
    const auto eingabenFrei = [this](bool frei) {
        for (QWidget *w : QList<QWidget *>{BitBtnAuswertung, BitBtnDruck, sucheKatze})
            w->setEnabled(frei);
    };
    eingabenFrei(false);
    Fortschrittsbalken->setValue(0);
    PanelWarten->show();
    QApplication::processEvents();
    // reading the register is the first half of the bar, counting the second; the events run
    // often enough for "Abbruch" to answer
    QElapsedTimer uhr;
    uhr.start();
    qint64 zuletzt = -1000;
    const auto fortschritt = [&](int haelfte) -> Fortschritt {
        return [&, haelfte](quint64 position, quint64 maximum) {
            if (uhr.elapsed() - zuletzt >= 30) {
                zuletzt = uhr.elapsed();
                Fortschrittsbalken->setValue(int(haelfte * 500 + (maximum ? position * 500 / maximum : 0)));
                QApplication::processEvents();
            }
            return !abbruch;
        };
    };
    bool fehler = false, abgebrochen = false;
    StatistikErgebnis e;
    try {
        const StatistikRegister r = StatistikRegister::lese(*m_db, fortschritt(0));
        if (!r.abgebrochen)
            e = statistikStammbaum(r, satzKatze, o, fortschritt(1));
        abgebrochen = abbruch || r.abgebrochen || e.abgebrochen;
    } catch (const store::EngineError &) {
        fehler = true;
    } catch (const std::bad_alloc &) {
        widgets::showMessage(MeldungSpeichermangel, MsgIcon::Error, MsgButtons::Ok);
        fehler = true;
    }
    if (fehler)
        widgets::showMessage(124, MsgIcon::Error, MsgButtons::Ok);
    PanelWarten->hide();
    eingabenFrei(true);
    m_laeuft = false;
    if (abgebrochen)
        widgets::showMessage(MeldungAbgebrochen, MsgIcon::Information, MsgButtons::Ok);
    if (fehler || abgebrochen)
        return false;
    Memo1->setPlainText(
        statistikText(e, [](int n) { return app::sprache().message(n); }).join(QLatin1Char('\n')));
    return true;
}

printouts::StatistikDruck TFormStatistikMerkmaleStammbaum::druckDaten() const
{
    printouts::StatistikDruck d;
    d.katze = DBEdit1->text();
    d.farbe = Label4->text();
    d.merkmale = LabelMerkmale->text();
    d.generationen = EditAnzGen->text().toInt();
    if (CBFarbe->currentIndex() > 0)
        d.gesuchteFarbe = CBFarbe->currentText();
    using S = printouts::StatistikDruck::Suche;
    d.suche = RBohneMerkmale->isChecked()  ? S::NurFarbe
              : CheckBoxalleM->isChecked() ? S::AlleMerkmale
                                           : S::Ausgewaehlte;
    d.gesuchteMerkmale = gewaehlteMerkmale();
    const QString memo = Memo1->toPlainText();
    d.text = memo.isEmpty() ? QStringList() : memo.split(QLatin1Char('\n'));
    return d;
}

void registerStatistikStammbaum()
{
    shell::registerWindow(QStringLiteral("formstatistikmerkmalestammbaum"),
                          [](shell::Shell &mw) -> QWidget * {
                              if (auto *w = TFormStatistikMerkmaleStammbaum::instance())
                                  return w;
                              auto *w = new TFormStatistikMerkmaleStammbaum(store::defaultDatabase());
                              if (QMdiSubWindow *sub = mw.addChild(w))
                                  sub->resize(QSize(820, 560));
                              return w;
                          });
}

} // namespace tav::breeding::ui
