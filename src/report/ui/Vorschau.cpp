#include "Vorschau.h"

#include "app/Sprache.h"
#include "report/ReportHtml.h"
#include "report/ReportPainter.h"
#include "widgets/Dialogs.h"
#include "widgets/Help.h"
#include "widgets/Translator.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tav::report::ui {

using widgets::MsgButtons;
using widgets::MsgIcon;

namespace {

constexpr int HilfeKontext = 9680;
constexpr int TagFenster = 9680;
constexpr int TagSeite = 9675;
constexpr int TagVon = 9692;
constexpr double Rand = 12; // pixels of grey around the page

QString lastFolder = QDir::homePath();

QToolButton *knopf(const QString &text, int tag, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setProperty("tag", tag);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumHeight(28);
    return b;
}

} // namespace

// One page on grey, at the preview's zoom.
class PageView : public QWidget
{
  public:
    explicit PageView(QWidget *parent) : QWidget(parent) {}
    const Page *page = nullptr;
    double dotsPerMm = 2;
    bool landscape = false;

    QSizeF paperMm() const { return landscape ? QSizeF(297, 210) : QSizeF(210, 297); }
    void fit()
    {
        const QSizeF s = paperMm() * dotsPerMm;
        setFixedSize(int(s.width() + 2 * Rand), int(s.height() + 2 * Rand));
        QWidget::update();
    }

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        const QSizeF s = paperMm() * dotsPerMm;
        p.fillRect(QRectF(Rand + 3, Rand + 3, s.width(), s.height()), QColor(0x40, 0x40, 0x40));
        p.fillRect(QRectF(Rand, Rand, s.width(), s.height()), Qt::white);
        if (!page)
            return;
        p.translate(Rand, Rand);
        paintPage(p, *page, dotsPerMm);
    }
};

TVorschau::TVorschau(const Pages &pages, QWidget *parent) : QDialog(parent), m_pages(pages)
{
    setObjectName(QStringLiteral("FormVorschau"));
    setWindowTitle(QStringLiteral("Druckvorschau"));
    setProperty("tag", TagFenster);
    setModal(true);
    setSizeGripEnabled(true);

    BDrucken = knopf(QStringLiteral("&Drucken"), 9681, this);
    BPdf = knopf(QStringLiteral("Als &PDF"), 9682, this);
    BHtml = knopf(QStringLiteral("Als &HTML"), 9683, this);
    BZurueck = knopf(QStringLiteral("<"), 9684, this);
    BVor = knopf(QStringLiteral(">"), 9685, this);
    BGanzeSeite = knopf(QStringLiteral("&Ganze Seite"), 9686, this);
    BGroesser = knopf(QStringLiteral("+"), 9687, this);
    BKleiner = knopf(QStringLiteral("-"), 9688, this);
    BSchliessen = knopf(QStringLiteral("&Schließen"), 9689, this);
    auto *hilfe = knopf(QStringLiteral("&Hilfe"), 3153, this);
    LabelSeite = new QLabel(this);
    for (auto [w, name] :
         std::initializer_list<std::pair<QWidget *, const char *>>{{BDrucken, "BDrucken"},
                                                                   {BPdf, "BPdf"},
                                                                   {BHtml, "BHtml"},
                                                                   {BZurueck, "BZurueck"},
                                                                   {BVor, "BVor"},
                                                                   {BGanzeSeite, "BGanzeSeite"},
                                                                   {BGroesser, "BGroesser"},
                                                                   {BKleiner, "BKleiner"},
                                                                   {BSchliessen, "BSchliessen"},
                                                                   {LabelSeite, "LabelSeite"}})
        w->setObjectName(QLatin1String(name));
    LabelSeite->setMinimumWidth(
        LabelSeite->fontMetrics().horizontalAdvance(QStringLiteral("Pagina 888 van 888")) + 12);
    for (QToolButton *b : {BZurueck, BVor, BGroesser, BKleiner})
        b->setMinimumWidth(32);
    LabelSeite->setAlignment(Qt::AlignCenter);
    LabelSeite->setProperty("dataText", true); // page numbers

    auto *leiste = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{BDrucken, BPdf, BHtml})
        leiste->addWidget(w);
    leiste->addSpacing(8);
    for (QWidget *w : std::initializer_list<QWidget *>{BZurueck, LabelSeite, BVor})
        leiste->addWidget(w);
    leiste->addSpacing(8);
    for (QWidget *w : std::initializer_list<QWidget *>{BKleiner, BGanzeSeite, BGroesser})
        leiste->addWidget(w);
    leiste->addStretch();
    leiste->addWidget(hilfe);
    leiste->addWidget(BSchliessen);

    m_view = new PageView(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(leiste);
    layout->addWidget(m_scroll, 1);

    connect(BDrucken, &QToolButton::clicked, this, &TVorschau::print);
    connect(BPdf, &QToolButton::clicked, this, &TVorschau::savePdf);
    connect(BHtml, &QToolButton::clicked, this, &TVorschau::saveHtml);
    connect(BZurueck, &QToolButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(BVor, &QToolButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(BGanzeSeite, &QToolButton::clicked, this, &TVorschau::fitWholePage);
    connect(BGroesser, &QToolButton::clicked, this, [this] {
        m_ganzeSeite = false;
        setZoom(zoom() * 1.25);
    });
    connect(BKleiner, &QToolButton::clicked, this, [this] {
        m_ganzeSeite = false;
        setZoom(zoom() / 1.25);
    });
    connect(BSchliessen, &QToolButton::clicked, this, &QDialog::accept);
    connect(hilfe, &QToolButton::clicked, this, [this] { widgets::showHelp(HilfeKontext, this); });
    widgets::setHelpKey(this, HilfeKontext);

    widgets::translateOnCreate(this);
    resize(900, 700);
    setWindowState(Qt::WindowMaximized);
    showPage(0);
}

bool TVorschau::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_scroll && e->type() == QEvent::Resize && m_ganzeSeite)
        fitWholePage();
    return QDialog::eventFilter(o, e);
}

void TVorschau::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_PageDown)
        showPage(m_page + 1);
    else if (e->key() == Qt::Key_PageUp)
        showPage(m_page - 1);
    else if (e->key() == Qt::Key_Home)
        showPage(0);
    else if (e->key() == Qt::Key_End)
        showPage(pageCount() - 1);
    else
        QDialog::keyPressEvent(e);
}

void TVorschau::showPage(int page)
{
    m_page = std::clamp(page, 0, std::max(0, pageCount() - 1));
    m_view->page = pageCount() ? &m_pages.pages[m_page] : nullptr;
    m_view->landscape = m_view->page && m_view->page->landscape;
    m_view->fit();
    zeigeStand();
}

double TVorschau::zoom() const
{
    return m_view->dotsPerMm;
}

void TVorschau::setZoom(double dotsPerMm)
{
    m_view->dotsPerMm = std::clamp(dotsPerMm, 0.5, 20.0);
    m_view->fit();
    zeigeStand();
}

void TVorschau::fitWholePage()
{
    m_ganzeSeite = true;
    const QSize room = m_scroll->maximumViewportSize();
    const QSizeF paper = m_view->paperMm();
    setZoom(std::min((room.width() - 2 * Rand - 4) / paper.width(),
                     (room.height() - 2 * Rand - 4) / paper.height()));
}

void TVorschau::zeigeStand()
{
    const auto text = [](int tag, const char *vorgabe) {
        const QString t = app::captionText(tag);
        return t.isEmpty() ? QString::fromUtf8(vorgabe) : t;
    };
    LabelSeite->setText(QStringLiteral("%1 %2 %3 %4")
                            .arg(text(TagSeite, "Seite"))
                            .arg(m_page + 1)
                            .arg(text(TagVon, "von"))
                            .arg(pageCount()));
    BZurueck->setEnabled(m_page > 0);
    BVor->setEnabled(m_page + 1 < pageCount());
}

bool TVorschau::save(const char *suffix, int filterTag, bool pdf)
{
    QString filter = app::captionText(filterTag);
    if (filter.isEmpty())
        filter = QStringLiteral("*.") + QLatin1String(suffix);
    QString name = !m_pages.fileName.isEmpty() ? m_pages.fileName
                   : m_pages.title.isEmpty()   ? QStringLiteral("Tavrenno")
                                               : m_pages.title;
    // a cat's name may hold what no file name may
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
    const QString vorschlag = QDir(lastFolder).filePath(name + QLatin1Char('.') + QLatin1String(suffix));
    QString path = widgets::saveFileName(this, app::removeAccelerator(app::captionText(pdf ? 9682 : 9683)),
                                         vorschlag, filter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(suffix);
    const WriteResult r = pdf ? writePdf(m_pages, path) : writeHtml(m_pages, path);
    if (!r.ok()) {
        widgets::showMessage(r.message, MsgIcon::Error, MsgButtons::Ok, QString(),
                             QStringLiteral("\n") + r.detail);
        return false;
    }
    lastFolder = QFileInfo(path).absolutePath();
    return true;
}

bool TVorschau::savePdf()
{
    return save("pdf", 9690, true);
}

bool TVorschau::saveHtml()
{
    return save("html", 9691, false);
}

namespace {
QString &gewaehlterDrucker()
{
    static QString name;
    return name;
}
} // namespace

void setProgrammDrucker(const QString &name)
{
    gewaehlterDrucker() = name;
}

QString programmDrucker()
{
    return gewaehlterDrucker();
}

bool TVorschau::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!programmDrucker().isEmpty())
        printer.setPrinterName(programmDrucker());
    printer.setFullPage(true);
    printer.setDocName(m_pages.title);
    printer.setFromTo(1, pageCount());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, pageCount());
    if (widgets::execDialog(dialog) != QDialog::Accepted)
        return false;
    int von = 1, bis = pageCount();
    if (printer.printRange() == QPrinter::PageRange) {
        von = std::max(1, printer.fromPage());
        bis = std::min(pageCount(), printer.toPage());
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        von = bis = m_page + 1;
    }
    const auto layout = [](bool landscape) {
        return QPageLayout(QPageSize(QPageSize::A4),
                           landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    };
    printer.setPageLayout(layout(m_pages.pages.value(von - 1).landscape));
    QPainter painter;
    bool ok = painter.begin(&printer);
    for (int i = von; ok && i <= bis; ++i) {
        if (i > von)
            ok = printer.setPageLayout(layout(m_pages.pages[i - 1].landscape)) && printer.newPage();
        if (ok)
            paintPage(painter, m_pages.pages[i - 1]);
    }
    if (painter.isActive())
        ok = painter.end() && ok;
    if (!ok || printer.printerState() == QPrinter::Error)
        widgets::showMessage(9654, MsgIcon::Error, MsgButtons::Ok, QString(),
                             QStringLiteral(" ") + printer.printerName());
    return ok;
}

void zeigeVorschau(ReportJob job, QWidget *parent)
{
    zeigeVorschau(std::move(job), programJobSettings(), parent);
}

void zeigeVorschau(ReportJob job, const JobSettings &settings, QWidget *parent)
{
    job.prepare(settings);
    TVorschau vorschau(job.layout(FontMeasure()), parent);
    widgets::execDialog(vorschau);
}

bool druckeOhneVorschau(ReportJob job, QWidget *parent)
{
    job.prepare(programJobSettings());
    TVorschau vorschau(job.layout(FontMeasure()), parent);
    return vorschau.print();
}

} // namespace tav::report::ui
