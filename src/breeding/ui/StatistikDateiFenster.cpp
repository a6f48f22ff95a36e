// StatistikDateiFenster: the window of the trait statistics of the register, its inputs and the
// query built by double clicks.
#include "StatistikDateiFenster.h"

#include "MerkmalAuswahl.h"
#include "app/Sprache.h"
#include "breeding/MerkmalAusdruck.h"
#include "report/ui/Vorschau.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "widgets/DBGrid.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSize>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace tav::breeding::ui {

namespace {
TFormStatistikMerkmaleDatei *g_instance = nullptr;
constexpr int TagAlleFarben = 1508;

QPushButton *knopf(QWidget *eltern, QBoxLayout *reihe, const char *name, const char *text, int tag)
{
    auto *b = new QPushButton(QString::fromUtf8(text), eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setProperty("tag", tag);
    reihe->addWidget(b);
    return b;
}
} // namespace

TFormStatistikMerkmaleDatei::TFormStatistikMerkmaleDatei(store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("formstatistikmerkmaledatei"), parent), m_db(db)
{
    g_instance = this;
    setObjectName(QStringLiteral("FormStatistikMerkmaleDatei"));
    setWindowTitle(QStringLiteral("Statistik der Merkmale aller Tiere"));
    setProperty("tag", 7500);
    setHelpContext(HilfeKontext);
    m_takt = new QTimer(this);
    m_takt->setInterval(0);
    connect(m_takt, &QTimer::timeout, this, [this] { inzuchtSchritt(); });
    bauen();
    farbenFuellen(CBFarbe, m_db, TagAlleFarben);
    merkmalRasterOeffnen(DBGMerkmale, m_db, this);
    abfrageLoeschen();
    finishCreate();
}

TFormStatistikMerkmaleDatei::~TFormStatistikMerkmaleDatei()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TFormStatistikMerkmaleDatei *TFormStatistikMerkmaleDatei::instance()
{
    return g_instance;
}

void TFormStatistikMerkmaleDatei::bauen()
{
    auto *haupt = new QVBoxLayout(this);
    auto *oben = new QHBoxLayout;
    oben->addWidget(abfrageTeil(), 3);
    oben->addWidget(filterTeil(), 2);
    haupt->addLayout(oben, 2);

    PanelWarten = new QFrame(this);
    PanelWarten->setFrameShape(QFrame::StyledPanel);
    auto *warten = new QLabel(QStringLiteral("Bitte warten, Auswertung läuft!"), PanelWarten);
    warten->setProperty("tag", 7509);
    (new QHBoxLayout(PanelWarten))->addWidget(warten);
    PanelWarten->hide();
    haupt->addWidget(PanelWarten);
    haupt->addWidget(inzuchtPanel());

    m_modell = new DateiErgebnisModell(this);
    Ergebnis = new QTableView(this);
    Ergebnis->setObjectName(QStringLiteral("Ergebnis"));
    Ergebnis->setModel(m_modell);
    Ergebnis->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Ergebnis->setSelectionBehavior(QAbstractItemView::SelectRows);
    Ergebnis->verticalHeader()->setDefaultSectionSize(Ergebnis->fontMetrics().height() + 4);
    Ergebnis->verticalHeader()->hide();
    haupt->addWidget(Ergebnis, 3);

    auto *knoepfe = new QHBoxLayout;
    BtnAuswerten = knopf(this, knoepfe, "BtnAuswerten", "Auswerten", 7505);
    BtnZuruecksetzen = knopf(this, knoepfe, "BtnZuruecksetzen", "Zurücksetzen", 7506);
    BtnDruck = knopf(this, knoepfe, "BtnDruck", "Druck", 8048);
    knoepfe->addStretch(1);
    BtnHilfe = knopf(this, knoepfe, "BtnHilfe", "Hilfe", 8049);
    BtnZurueck = knopf(this, knoepfe, "BtnZurueck", "&Zurück", 9766);
    haupt->addLayout(knoepfe);

    connect(BtnAuswerten, &QPushButton::clicked, this, [this] { auswerten(); });
    connect(BtnZuruecksetzen, &QPushButton::clicked, this, [this] { zuruecksetzen(); });
    connect(BtnDruck, &QPushButton::clicked, this, [this] {
        report::ui::zeigeVorschau(printouts::reportStatistikDatei(
                                      druckDaten(), [](int tag) { return app::sprache().caption(tag); }),
                                  this);
    });
    connect(BtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BtnZurueck, &QPushButton::clicked, this, [this] { close(); });
}

QWidget *TFormStatistikMerkmaleDatei::abfrageTeil()
{
    auto *teil = new QWidget(this);
    auto *l = new QGridLayout(teil);
    l->setContentsMargins(0, 0, 0, 0);
    DBGMerkmale = new widgets::DBGrid(teil);
    DBGMerkmale->setObjectName(QStringLiteral("DBGMerkmale"));
    DBGMerkmale->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGMerkmale->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGMerkmale->horizontalHeader()->setStretchLastSection(true);
    auto *abfrage = new QLabel(QStringLiteral("Abfrage:"), teil);
    abfrage->setProperty("tag", 7511);
    SQL = new QPlainTextEdit(teil);
    SQL->setObjectName(QStringLiteral("SQL"));
    SQL->setReadOnly(true);
    auto *ops = new QHBoxLayout;
    const auto op = [&](const char *name, const char *text) {
        auto *b = new QPushButton(QString::fromLatin1(text), teil);
        b->setObjectName(QString::fromLatin1(name));
        b->setMaximumWidth(48);
        ops->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, b] { operatorGewaehlt(b); });
        return b;
    };
    // the words the query reads, so they stay untranslated
    BtnAnd = op("BtnAnd", "and");
    BtnOr = op("BtnOr", "or");
    BtnNot = op("BtnNot", "not");
    BtnAuf = op("BtnAuf", "(");
    BtnZu = op("BtnZu", ")");
    ops->addStretch(1);
    auto *modus = new QHBoxLayout;
    BtnEinfach = knopf(teil, modus, "BtnEinfach", "einfache Abfrage", 7501);
    BtnErweitert = knopf(teil, modus, "BtnErweitert", "erweiterte Abfrage", 7502);
    BtnLoeschen = knopf(teil, modus, "BtnLoeschen", "Abfrage löschen", 7503);
    BtnSQL = knopf(teil, modus, "BtnSQL", "SQL bearbeiten", 7504);
    l->addWidget(DBGMerkmale, 0, 0, 4, 1);
    l->addWidget(abfrage, 0, 1);
    l->addWidget(SQL, 1, 1);
    l->addLayout(ops, 2, 1);
    l->addLayout(modus, 3, 1);
    l->setColumnStretch(0, 2);
    l->setColumnStretch(1, 3);

    connect(DBGMerkmale, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) {
        merkmalGewaehlt(DBGMerkmale->model()->index(i.row(), 0).data().toString());
    });
    connect(BtnEinfach, &QPushButton::clicked, this, [this] { einfacheAbfrage(); });
    connect(BtnErweitert, &QPushButton::clicked, this, [this] { erweiterteAbfrage(); });
    connect(BtnLoeschen, &QPushButton::clicked, this, [this] { abfrageLoeschen(); });
    connect(BtnSQL, &QPushButton::clicked, this, [this] {
        SQL->setReadOnly(false);
        SQL->setFocus();
    });
    return teil;
}

QWidget *TFormStatistikMerkmaleDatei::filterTeil()
{
    auto *teil = new QWidget(this);
    auto *l = new QGridLayout(teil);
    l->setContentsMargins(0, 0, 0, 0);
    const auto text = [&](const char *t, int tag) {
        auto *label = new QLabel(QString::fromUtf8(t), teil);
        label->setProperty("tag", tag);
        return label;
    };
    const auto box = [&](const char *name, const char *t, int tag) {
        auto *b = new QCheckBox(QString::fromUtf8(t), teil);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("tag", tag);
        b->setChecked(true);
        return b;
    };
    CBMaennlich = box("CBMaennlich", "männlich", 1429);
    CBWeiblich = box("CBWeiblich", "weiblich", 1430);
    CBMaennlichKastrat = box("CBMaennlichKastrat", "männlich/kastrat", 7507);
    CBWeiblichKastrat = box("CBWeiblichKastrat", "weiblich/kastrat", 7508);
    l->addWidget(text("Geschlecht:", 1428), 0, 0);
    l->addWidget(CBMaennlich, 0, 1);
    l->addWidget(CBWeiblich, 0, 2);
    l->addWidget(CBMaennlichKastrat, 1, 1);
    l->addWidget(CBWeiblichKastrat, 1, 2);

    const auto zahl = [&](const char *name) {
        auto *e = new QLineEdit(teil);
        e->setObjectName(QString::fromLatin1(name));
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), e));
        e->setMaximumWidth(50);
        return e;
    };
    EditJahrevon = zahl("EditJahrevon");
    EditJahreBis = zahl("EditJahreBis");
    RBJahre = new QRadioButton(QStringLiteral("Jahre"), teil);
    RBJahre->setProperty("tag", 1485);
    RBJahre->setChecked(true);
    RBMonate = new QRadioButton(QStringLiteral("Monate"), teil);
    RBMonate->setProperty("tag", 1486);
    LabelEinheit = new QLabel(RBJahre->text(), teil);
    LabelEinheit->setProperty("dataText", true);
    auto *alter = new QHBoxLayout;
    alter->addWidget(text("ab", 1492));
    alter->addWidget(EditJahrevon);
    alter->addWidget(text("bis", 694));
    alter->addWidget(EditJahreBis);
    alter->addWidget(LabelEinheit);
    alter->addStretch(1);
    l->addWidget(text("Alter", 4228), 2, 0);
    l->addLayout(alter, 2, 1, 1, 2);
    l->addWidget(RBJahre, 3, 1);
    l->addWidget(RBMonate, 3, 2);
    const auto einheit = [this] {
        LabelEinheit->setText((RBMonate->isChecked() ? RBMonate : RBJahre)->text());
    };
    connect(RBJahre, &QRadioButton::toggled, this, einheit);

    CBFarbe = new QComboBox(teil);
    CBFarbe->setObjectName(QStringLiteral("CBFarbe"));
    l->addWidget(text("Farbe: ", 1506), 4, 0);
    l->addWidget(CBFarbe, 4, 1, 1, 2);
    l->setRowStretch(5, 1);
    return teil;
}

QWidget *TFormStatistikMerkmaleDatei::inzuchtPanel()
{
    PanelInzucht = new QFrame(this);
    PanelInzucht->setObjectName(QStringLiteral("PanelInzucht"));
    auto *l = new QHBoxLayout(PanelInzucht);
    l->setContentsMargins(0, 0, 0, 0);
    auto *text = new QLabel(QStringLiteral("IK und AVK werden berechnet"), PanelInzucht);
    text->setProperty("tag", 7510);
    InzuchtBalken = new QProgressBar(PanelInzucht);
    BitBtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), PanelInzucht);
    BitBtnAbbruch->setObjectName(QStringLiteral("BitBtnAbbruch"));
    BitBtnAbbruch->setProperty("tag", 571);
    l->addWidget(text);
    l->addWidget(InzuchtBalken, 1);
    l->addWidget(BitBtnAbbruch);
    PanelInzucht->hide();
    connect(BitBtnAbbruch, &QPushButton::clicked, this, [this] { inzuchtBeenden(); });
    return PanelInzucht;
}

void TFormStatistikMerkmaleDatei::anhaengen(const QString &text)
{
    QTextCursor c = SQL->textCursor();
    c.movePosition(QTextCursor::End);
    c.insertText(text);
    SQL->setTextCursor(c);
}

void TFormStatistikMerkmaleDatei::operatorenSetzen(bool und, bool oder, bool nicht, bool auf, bool zu)
{
    BtnAnd->setEnabled(und);
    BtnOr->setEnabled(oder);
    BtnNot->setEnabled(nicht);
    BtnAuf->setEnabled(auf);
    BtnZu->setEnabled(zu);
}

void TFormStatistikMerkmaleDatei::merkmalGewaehlt(const QString &name)
{
    if (name.isEmpty() || !DBGMerkmale->isEnabled())
        return;
    const QString bedingung = QStringLiteral(" (") + merkmalBedingung(name) + QLatin1Char(')');
    if (m_erweitert) {
        anhaengen(bedingung);
        operatorenSetzen(true, true, false, false, true);
        DBGMerkmale->setEnabled(false);
        return;
    }
    if (SQL->toPlainText().isEmpty()) {
        BtnErweitert->setEnabled(true);
        BtnLoeschen->setEnabled(true);
    }
    if (m_eingabe) {
        anhaengen(QStringLiteral(" or"));
        m_merkmale += QStringLiteral(", ");
    }
    m_merkmale += name;
    anhaengen(bedingung);
    m_eingabe = true;
    operatorenSetzen(true, true, false, false, BtnZu->isEnabled());
}

void TFormStatistikMerkmaleDatei::operatorGewaehlt(QPushButton *knopf)
{
    anhaengen(QLatin1Char(' ') + knopf->text());
    if (knopf == BtnZu) {
        DBGMerkmale->setEnabled(false);
        operatorenSetzen(true, true, false, false, BtnZu->isEnabled());
    } else {
        DBGMerkmale->setEnabled(true);
        operatorenSetzen(false, false, knopf != BtnNot, true, false);
    }
}

void TFormStatistikMerkmaleDatei::erweiterteAbfrage()
{
    m_erweitert = true;
    for (QPushButton *b : {BtnAnd, BtnOr, BtnNot, BtnAuf, BtnZu})
        b->show();
    BtnErweitert->hide();
    BtnEinfach->show();
    BtnZu->setEnabled(false);
    if (SQL->toPlainText().isEmpty()) {
        operatorenSetzen(false, false, true, true, false);
    } else {
        DBGMerkmale->setEnabled(false);
        BtnAnd->setEnabled(true);
        BtnOr->setEnabled(true);
    }
}

void TFormStatistikMerkmaleDatei::einfacheAbfrage()
{
    abfrageLoeschen();
    m_erweitert = false;
    for (QPushButton *b : {BtnAnd, BtnOr, BtnNot, BtnAuf, BtnZu})
        b->hide();
    BtnEinfach->hide();
    BtnErweitert->show();
}

void TFormStatistikMerkmaleDatei::abfrageLoeschen()
{
    m_merkmale.clear();
    SQL->clear();
    SQL->setReadOnly(true);
    m_eingabe = false;
    DBGMerkmale->setEnabled(true);
    operatorenSetzen(false, false, true, true, false);
    if (!m_erweitert) {
        for (QPushButton *b : {BtnAnd, BtnOr, BtnNot, BtnAuf, BtnZu})
            b->hide();
        BtnEinfach->hide();
    }
}

void TFormStatistikMerkmaleDatei::closeEvent(QCloseEvent *e)
{
    inzuchtBeenden();
    ChildWindow::closeEvent(e);
}

void registerStatistikDatei()
{
    shell::registerWindow(QStringLiteral("formstatistikmerkmaledatei"), [](shell::Shell &mw) -> QWidget * {
        if (auto *w = TFormStatistikMerkmaleDatei::instance())
            return w;
        auto *w = new TFormStatistikMerkmaleDatei(store::defaultDatabase());
        if (QMdiSubWindow *sub = mw.addChild(w))
            sub->resize(QSize(980, 640));
        return w;
    });
}

} // namespace tav::breeding::ui
