#include "Help.h"

#include "Dialogs.h"
#include "app/HelpPages.h"
#include "app/ProgramHome.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tav::widgets {

using namespace tav::app;

namespace {
constexpr int TagFenster = 9200;
constexpr int TagZurueck = 9201;
constexpr int TagVor = 9202;
constexpr int TagInhalt = 9203;
constexpr int TagSchliessen = 9204;

QPointer<THilfeFenster> &theViewer()
{
    static QPointer<THilfeFenster> viewer;
    return viewer;
}

QPushButton *knopf(const QString &text, int tag, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setProperty("tag", tag);
    b->setAutoDefault(false);
    return b;
}

// the context number a page file stands for (0 for a page named otherwise)
int contextOf(const QUrl &url)
{
    return QFileInfo(url.toLocalFile()).completeBaseName().toInt();
}

constexpr const char *KontextEigenschaft = "hilfeKontext";

// F1 anywhere in a window that names its help context
class HelpKey : public QObject
{
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress || !o->isWidgetType())
            return false;
        const auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() != Qt::Key_F1 || k->modifiers() != Qt::NoModifier)
            return false;
        QWidget *window = static_cast<QWidget *>(o)->window();
        const int context = window->property(KontextEigenschaft).toInt();
        if (context <= 0)
            return false;
        showHelp(context, window);
        return true;
    }
};

bool missing(const QString &path)
{
    showMessage(179, MsgIcon::Error, MsgButtons::Ok, QString(), QStringLiteral("\r") + path);
    return false;
}
} // namespace

QString helpPagePath(int context)
{
    return helpPageFile(programHome(), context, sprache().languageNumber());
}

bool showHelp(int context, QWidget *from)
{
    const QString path = helpPagePath(context);
    if (context <= 0 || !QFileInfo(path).isFile())
        return missing(path);
    // a viewer outside the running modal dialog could not be used until the dialog closes
    QWidget *modal = QApplication::activeModalWidget();
    THilfeFenster *v = theViewer();
    if (!v) {
        QWidget *owner = modal ? modal : from ? from->window() : nullptr;
        v = new THilfeFenster(owner);
        theViewer() = v;
    } else if (modal && modal != v && !modal->isAncestorOf(v)) {
        v->setParent(modal, v->windowFlags());
    }
    if (!v->zeige(context))
        return false;
    v->show();
    v->raise();
    v->activateWindow();
    return true;
}

void setHelpKey(QWidget *window, int context)
{
    window->setProperty(KontextEigenschaft, context);
    static QPointer<HelpKey> filter;
    if (!filter) {
        filter = new HelpKey(qApp);
        qApp->installEventFilter(filter);
    }
}

THilfeFenster *THilfeFenster::current()
{
    return theViewer();
}

THilfeFenster::THilfeFenster(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HilfeFenster"));
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("tag", TagFenster);
    setWindowTitle(QStringLiteral("Tavrenno – Hilfe"));

    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    // links are followed here, so a missing page is reported instead of showing an empty one
    Browser->setOpenLinks(false);
    BZurueck = knopf(QStringLiteral("&Zurückblättern"), TagZurueck, this);
    BVor = knopf(QStringLiteral("&Vorblättern"), TagVor, this);
    BInhalt = knopf(QStringLiteral("&Inhalt"), TagInhalt, this);
    BSchliessen = knopf(QStringLiteral("&Schließen"), TagSchliessen, this);
    BZurueck->setEnabled(false);
    BVor->setEnabled(false);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BZurueck);
    knoepfe->addWidget(BVor);
    knoepfe->addWidget(BInhalt);
    knoepfe->addStretch();
    knoepfe->addWidget(BSchliessen);
    auto *v = new QVBoxLayout(this);
    v->addLayout(knoepfe);
    v->addWidget(Browser, 1);

    connect(BZurueck, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(BVor, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(BInhalt, &QPushButton::clicked, this, [this] { zeige(InhaltKontext); });
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(Browser, &QTextBrowser::backwardAvailable, BZurueck, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, BVor, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::anchorClicked, this, &THilfeFenster::linkAngeklickt);
    connect(Browser, &QTextBrowser::sourceChanged, this,
            [this](const QUrl &url) { m_context = contextOf(url); });
    new QShortcut(QKeySequence::Back, this, Browser, &QTextBrowser::backward);
    new QShortcut(QKeySequence::Forward, this, Browser, &QTextBrowser::forward);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    translateOnCreate(this);
    m_language = sprache().languageNumber();
    QSize size(720, 560);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size.expandedTo(minimumSizeHint()));
    Browser->setFocus();
}

bool THilfeFenster::zeige(int context)
{
    const QString path = helpPagePath(context);
    if (context <= 0 || !QFileInfo(path).isFile())
        return missing(path);
    m_language = sprache().languageNumber();
    return laden(QUrl::fromLocalFile(path));
}

bool THilfeFenster::laden(const QUrl &url)
{
    const QString path = url.toLocalFile();
    if (!QFileInfo(path).isFile())
        return missing(path);
    Browser->setSource(url);
    return true;
}

void THilfeFenster::linkAngeklickt(const QUrl &url)
{
    if (!url.isRelative() && !url.isLocalFile()) {
        // web and mail links go to the desktop
        if (!QDesktopServices::openUrl(url))
            showMessage(9552, MsgIcon::Error, MsgButtons::Ok, QString(),
                        QStringLiteral("\r") + url.toString());
        return;
    }
    laden(Browser->source().resolved(url));
}

void THilfeFenster::translate(const Sprache &catalogue, int tag, int offset)
{
    if (const auto r = catalogue.record(tag + offset))
        setWindowTitle(r->FeldHilfe);
    // the open page follows the language, where that language has it
    const int language = offset / 10000;
    if (m_language >= 0 && m_language != language && m_context > 0) {
        m_language = language;
        const QString path = helpPageFile(programHome(), m_context, m_language);
        if (QFileInfo(path).isFile())
            Browser->setSource(QUrl::fromLocalFile(path));
    }
}

} // namespace tav::widgets
