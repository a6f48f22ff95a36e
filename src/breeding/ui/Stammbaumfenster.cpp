// Stammbaumfenster: the eight-generation pedigree window: its components and its opening.
#include "Stammbaumfenster.h"

#include "StammbaumFlaeche.h"
#include "shell/Shell.h"
#include "store/Database.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPoint>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tav::breeding::ui {

using namespace stammbaum8;

namespace {
TFormStammbaum *g_instance = nullptr;

constexpr int TagFenster = 9930;
constexpr int TagKatzeLaden = 9931;
constexpr int TagZurueck = 9932;
constexpr int TagStammbaumLaden = 9933;
constexpr int TagRuecksprung = 9934;
constexpr int TagUeberschriften = 9936; // 14 headings: generation 1 sire, dam, generation 2 ...
constexpr int TagHilfe = 3153;

const char *const UeberschriftTexte[14] = {"Generation 1 Vater",
                                           "Generation 1 Mutter",
                                           "Generation 2 väterlicherseits",
                                           "Generation 2 mütterlicherseits",
                                           "Generation 3 väterlicherseits",
                                           "Generation 3 mütterlicherseits",
                                           "Generation 4 väterlicherseits",
                                           "Generation 4 mütterlicherseits",
                                           "Generation 5 väterlicherseits",
                                           "Generation 5 mütterlicherseits",
                                           "Generation 6 väterlicherseits",
                                           "Generation 6 mütterlicherseits",
                                           "Generation 7 väterlicherseits",
                                           "Generation 7 mütterlicherseits"};

QFrame *bildRahmenBauen(QWidget *parent, const QString &name, const QRect &r, QLabel **bild)
{
    auto *rahmen = new QFrame(parent);
    rahmen->setObjectName(name);
    rahmen->setFrameShape(QFrame::Panel);
    rahmen->setFrameShadow(QFrame::Sunken);
    rahmen->setGeometry(r);
    rahmen->setAutoFillBackground(true);
    *bild = new QLabel(rahmen);
    rahmen->hide();
    return rahmen;
}
} // namespace

TFormStammbaum::TFormStammbaum(tav::store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("formstammbaum"), parent), m_db(db)
{
    g_instance = this;
    setObjectName(QStringLiteral("FormStammbaum"));
    setWindowTitle(QStringLiteral("Stammbaum über 8 Generationen"));
    setProperty("tag", TagFenster);
    setHelpContext(HilfeKontext);
    bauen();
    finishCreate();
    resize(1000, 700);

    SaveBookmark.reset();
    qint32 start = 0;
    if (auto *mw = tav::shell::Shell::current())
        start = mw->currentListCat();
    zeigeKatze(start);
}

void TFormStammbaum::showEvent(QShowEvent *e)
{
    ChildWindow::showEvent(e);
    if (m_gezeigt)
        return;
    m_gezeigt = true;
    // the window opens scrolled to the root, once its size is known
    QTimer::singleShot(0, this, [this] {
        const int hoehe = ScrollBox->viewport()->height();
        ScrollBox->verticalScrollBar()->setValue(wurzelText().center().y() - hoehe / 2);
    });
}

TFormStammbaum::~TFormStammbaum()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TFormStammbaum *TFormStammbaum::instance()
{
    return g_instance;
}

void TFormStammbaum::bauen()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *knoepfe = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("&Katze laden"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setProperty("tag", TagKatzeLaden);
    BitBtnHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    BitBtnHilfe->setObjectName(QStringLiteral("BitBtnHilfe"));
    BitBtnHilfe->setProperty("tag", TagHilfe);
    BitBtnZurueck = new QPushButton(QStringLiteral("&Zurück"), this);
    BitBtnZurueck->setObjectName(QStringLiteral("BitBtnZurueck"));
    BitBtnZurueck->setProperty("tag", TagZurueck);
    knoepfe->addWidget(BitBtn1);
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtnHilfe);
    knoepfe->addWidget(BitBtnZurueck);
    layout->addLayout(knoepfe);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormStammbaum::BitBtn1Click);
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BitBtnZurueck, &QPushButton::clicked, this, &QWidget::close);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setWidgetResizable(false);
    m_flaeche = new StammbaumFlaeche(this);
    ScrollBox->setWidget(m_flaeche);
    layout->addWidget(ScrollBox, 1);

    QFont boxSchrift = font();
    boxSchrift.setPixelSize(11);
    QFont kleineSchrift = boxSchrift;
    kleineSchrift.setPixelSize(10);
    m_boxen.fill(nullptr, Boxen + 2);
    m_rahmen.fill(nullptr, Boxen + 2);
    m_bilder.fill(nullptr, Boxen + 2);
    for (int g = 1; g <= Generationen; ++g) {
        for (int i = 1; i <= anzahl(g); ++i) {
            const int k = index(g, i);
            if (g <= BildGenerationen) {
                m_rahmen[k] = bildRahmenBauen(m_flaeche, QStringLiteral("Panel%1_%2").arg(g).arg(i),
                                              bildRahmen(g, i), &m_bilder[k]);
                m_bilder[k]->setObjectName(QStringLiteral("Bild%1_%2").arg(g).arg(i));
            }
            auto *b = new QLabel(m_flaeche);
            b->setObjectName(QStringLiteral("Stb%1_%2").arg(g).arg(i));
            b->setGeometry(box(g, i));
            b->setAutoFillBackground(true);
            QPalette p = b->palette();
            p.setColor(QPalette::Window, Qt::white);
            p.setColor(QPalette::WindowText, Qt::black);
            b->setPalette(p);
            b->setFont(g == Generationen ? kleineSchrift : boxSchrift);
            b->setCursor(Qt::PointingHandCursor);
            // a long name is cut at the box's edge; the text is data, not a caption
            b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            b->setProperty("dataText", true);
            b->setProperty(BoxEigenschaft, k);
            b->installEventFilter(this);
            m_boxen[k] = b;
        }
    }
    const auto ueber = ueberschriften();
    for (int n = 0; n < int(ueber.size()); ++n) {
        auto *l = new QLabel(QString::fromUtf8(UeberschriftTexte[n]), m_flaeche);
        l->setObjectName(QStringLiteral("LabelGeneration%1").arg(n + 1));
        l->setProperty("tag", TagUeberschriften + n);
        l->setGeometry(ueber[n].rahmen);
        QFont f = boxSchrift;
        f.setBold(true);
        l->setFont(f);
    }

    MemoKatze = new QPlainTextEdit(m_flaeche);
    MemoKatze->setObjectName(QStringLiteral("MemoKatze"));
    MemoKatze->setReadOnly(true);
    MemoKatze->setGeometry(wurzelText());
    PanelKatze = bildRahmenBauen(m_flaeche, QStringLiteral("PanelKatze"), wurzelBild(), &ImageKatze);
    ImageKatze->setObjectName(QStringLiteral("ImageKatze"));

    PanelStammbaumInfo = new QFrame(m_flaeche);
    PanelStammbaumInfo->setObjectName(QStringLiteral("PanelStammbaumInfo"));
    PanelStammbaumInfo->setFrameShape(QFrame::Panel);
    PanelStammbaumInfo->setFrameShadow(QFrame::Raised);
    PanelStammbaumInfo->setAutoFillBackground(true);
    PanelStammbaumInfo->resize(310, 288);
    PanelStammbaumInfo->setMouseTracking(true);
    PanelStammbaumInfo->installEventFilter(this);
    MemoStammbaumInfo = new QPlainTextEdit(PanelStammbaumInfo);
    MemoStammbaumInfo->setObjectName(QStringLiteral("MemoStammbaumInfo"));
    MemoStammbaumInfo->setReadOnly(true);
    MemoStammbaumInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoStammbaumInfo->setGeometry(2, 2, 306, 284);
    QFont info(QStringLiteral("Times New Roman"));
    info.setPixelSize(12);
    MemoStammbaumInfo->setFont(info);
    MemoStammbaumInfo->viewport()->setMouseTracking(true);
    MemoStammbaumInfo->viewport()->installEventFilter(this);
    Panel3 = bildRahmenBauen(PanelStammbaumInfo, QStringLiteral("Panel3"), QRect(4, 4, 112, 112), &Image2);
    Image2->setObjectName(QStringLiteral("Image2"));
    PanelStammbaumInfo->hide();

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    StammbaumLaden = PopupMenu->addAction(QStringLiteral("Stammbaum laden"));
    StammbaumLaden->setObjectName(QStringLiteral("Stammbaumladen"));
    StammbaumLaden->setProperty("tag", TagStammbaumLaden);
    Ruecksprung = PopupMenu->addAction(QStringLiteral("Rücksprung"));
    Ruecksprung->setObjectName(QStringLiteral("Ruecksprung"));
    Ruecksprung->setProperty("tag", TagRuecksprung);
    connect(StammbaumLaden, &QAction::triggered, this, &TFormStammbaum::StammbaumLadenClick);
    connect(Ruecksprung, &QAction::triggered, this, &TFormStammbaum::RuecksprungClick);
    m_flaeche->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_flaeche, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        PopupMenuPopup();
        PopupMenu->popup(m_flaeche->mapToGlobal(pos));
    });
    connect(m_flaeche, &StammbaumFlaeche::leerGedrueckt, this, &TFormStammbaum::ScrollBoxMouseDown);
}

bool TFormStammbaum::eventFilter(QObject *watched, QEvent *e)
{
    if (!MemoStammbaumInfo) { // still being built
    } else if (watched == PanelStammbaumInfo && e->type() == QEvent::MouseMove) {
        PanelStammbaumInfoVerbergen();
    } else if (watched == MemoStammbaumInfo->viewport()) {
        if (e->type() == QEvent::MouseMove || e->type() == QEvent::MouseButtonPress)
            PanelStammbaumInfoVerbergen();
    } else if (auto *box = qobject_cast<QLabel *>(watched); box && box->property(BoxEigenschaft).isValid()) {
        // handled here, so that the area below does not take the press for one beside the boxes
        if (e->type() == QEvent::MouseButtonPress) {
            BoxMouseDown(box);
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton)
                BoxClick(box);
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, e);
}

// --- registration ----------------------------------------------------------------

void registerStammbaum()
{
    tav::shell::registerWindow(QStringLiteral("formstammbaum"), [](tav::shell::Shell &) -> QWidget * {
        if (TFormStammbaum *w = TFormStammbaum::instance())
            return w;
        return new TFormStammbaum(tav::store::defaultDatabase());
    });
}

} // namespace tav::breeding::ui
