// Main: the main window (TMirravel): frame, menus and tool bar.
#include "Main.h"

#include "ToolIcons.h"
#include "app/Anwenderdaten.h"
#include "app/CatListColours.h"
#include "app/DataHome.h"
#include "app/IniFile.h"
#include "app/ProgramHome.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/ChildWindow.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"
#include "widgets/Translator.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProcess>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace tav::store;

namespace tav::shell {

using namespace tav::app;
using namespace tav::widgets;

namespace {
QPointer<TMirravel> g_main;
Shell *g_standIn = nullptr;
QHash<QString, TMirravel::WindowFactory> &factories()
{
    static QHash<QString, TMirravel::WindowFactory> f;
    return f;
}
TMirravel::CatRecordHooks &hooks()
{
    static TMirravel::CatRecordHooks h;
    return h;
}

// The cat record's entry points as the windows see them; an entry nobody set does nothing.
class HookedCatRecord final : public CatRecord
{
  public:
    bool angemeldet() const override { return bool(hooks().zeigeKatze); }
    void katzeNeu() override { call(hooks().katzeNeu); }
    void katzeNewausStb() override { call(hooks().katzeNewausStb); }
    void katzeKopieren() override { call(hooks().katzeKopieren); }
    void katzeSpeichern() override { call(hooks().katzeSpeichern); }
    int katzeSuchen() override { return hooks().katzeSuchen ? hooks().katzeSuchen() : 0; }
    bool ahnUebernehmen(int cat) override { return hooks().ahnUebernehmen && hooks().ahnUebernehmen(cat); }
    bool zeigeKatze(int cat) override { return hooks().zeigeKatze && hooks().zeigeKatze(cat); }
    void refresh() override { call(hooks().refresh); }
    int druckKatze() override { return hooks().druckKatze ? hooks().druckKatze() : 0; }
    QString bildFuerDruck() override { return hooks().bildFuerDruck ? hooks().bildFuerDruck() : QString(); }
    int seite() override { return hooks().seite ? hooks().seite() : -1; }
    int deckbuchZeile() override { return hooks().deckbuchZeile ? hooks().deckbuchZeile() : 0; }
    int wurfbuchZeile() override { return hooks().wurfbuchZeile ? hooks().wurfbuchZeile() : 0; }
    void wurfbuchNeuLesen() override { call(hooks().wurfbuchNeuLesen); }
    void eingabeSperren() override { call(hooks().eingabeSperren); }
    void einstellungenGeaendert() override { call(hooks().einstellungenGeaendert); }
    std::array<int, 3> katzenAdressen() override
    {
        return hooks().katzenAdressen ? hooks().katzenAdressen() : std::array<int, 3>{0, 0, 0};
    }
    bool adresseZurKatze(bool besitzer, int adresse) override
    {
        return hooks().adresseZurKatze && hooks().adresseZurKatze(besitzer, adresse);
    }
    bool kannAdresseZurKatze() const override { return bool(hooks().adresseZurKatze); }
    void adressenOeffnen(int aufruf) override
    {
        if (hooks().adressenOeffnen)
            hooks().adressenOeffnen(aufruf);
    }
    int adresseSuchen() override { return hooks().adresseSuchen ? hooks().adresseSuchen() : 0; }

  private:
    static void call(const std::function<void()> &f)
    {
        if (f)
            f();
    }
};

// A tool button of a menu command: its icon, its caption as the tool tip. It shows while its
// command does. Its caption carries no mnemonic: the menu titles have the Alt keys of the frame.
class SpeedButton : public QToolButton, public Translatable
{
  public:
    SpeedButton(QAction *command, QWidget *parent) : QToolButton(parent), m_command(command)
    {
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        connect(command, &QAction::changed, this, [this] { follow(); });
    }
    void setCaption(const QString &caption, const QString &hint)
    {
        setText(removeAccelerator(caption).trimmed());
        const QString tip = hint.trimmed().isEmpty() ? text() : removeAccelerator(hint).trimmed();
        if (!tip.isEmpty())
            setToolTip(tip);
    }
    void translate(const Sprache &catalogue, int tag, int offset) override
    {
        if (const auto r = catalogue.record(tag + offset))
            setCaption(r->FeldName, r->FeldHilfe);
        follow();
    }
    // the tool bar shows and hides its widgets through their actions
    void setBarAction(QAction *a)
    {
        m_bar = a;
        follow();
    }
    void follow()
    {
        const bool shown = m_command->isVisible() && !icon().isNull();
        if (m_bar)
            m_bar->setVisible(shown);
        else
            setVisible(shown);
        setEnabled(m_command->isEnabled());
    }

  private:
    QAction *m_command;
    QPointer<QAction> m_bar;
};
} // namespace

TMirravel *TMirravel::instance()
{
    return g_main;
}

void registerWindow(const QString &name, WindowFactory factory)
{
    TMirravel::registerWindow(name, std::move(factory));
}

void registerSingleWindow(const QString &name, const QSize &least, std::function<QWidget *()> create)
{
    TMirravel::registerSingleWindow(name, least, std::move(create));
}

WindowFactory windowFactory(const QString &name)
{
    return TMirravel::windowFactory(name);
}

void setCatRecordHooks(const CatRecordHooks &h)
{
    TMirravel::setCatRecordHooks(h);
}

const CatRecordHooks &catRecordHooks()
{
    return TMirravel::catRecordHooks();
}

Shell *Shell::current()
{
    if (g_main)
        return g_main.data();
    return g_standIn;
}

void Shell::setStandIn(Shell *shell)
{
    g_standIn = shell;
}

CatRecord *TMirravel::catRecord()
{
    static HookedCatRecord record;
    return &record;
}

void TMirravel::registerWindow(const QString &name, WindowFactory factory)
{
    factories().insert(name.toLower(), std::move(factory));
    if (g_main)
        g_main->updateCommandStates();
}

TMirravel::WindowFactory TMirravel::windowFactory(const QString &name)
{
    return factories().value(name.toLower());
}

void TMirravel::registerSingleWindow(const QString &name, const QSize &least,
                                     std::function<QWidget *()> create)
{
    registerWindow(name, [name, least, create](Shell &mw) -> QWidget * {
        QWidget *w = ChildWindow::find(name);
        if (!w) {
            w = create();
            if (QMdiSubWindow *sub = mw.addChild(w))
                sub->resize(sub->sizeHint().expandedTo(least));
        }
        w->show();
        return w;
    });
}

bool TMirravel::hasWindow(const QString &name)
{
    return factories().contains(name.toLower());
}

void TMirravel::setCatRecordHooks(const CatRecordHooks &h)
{
    hooks() = h;
    if (g_main)
        g_main->updateCommandStates();
}

const TMirravel::CatRecordHooks &TMirravel::catRecordHooks()
{
    return hooks();
}

TMirravel::TMirravel(Database *db, QWidget *parent) : QMainWindow(parent), m_db(db)
{
    g_main = this;
    setObjectName(QStringLiteral("Mirravel"));
    setProperty("tag", 0);
    setWindowTitle(QStringLiteral("Tavrenno"));
    setMinimumSize(640, 480);
    buildLayout();
    buildMenus();
    buildCatList();
    ChildWindow::setActivationCheck(
        [](const QString &self) { return g_main ? g_main->CheckFormOpenOnActivation(self) : 0; });
    connect(this, &TMirravel::catShown, this, [](int cat) {
        // a window may close while it follows (a descendant card opened): asked one by one
        QList<QPointer<ChildWindow>> offen;
        for (ChildWindow *w : ChildWindow::openWindows())
            offen << w;
        for (const QPointer<ChildWindow> &w : std::as_const(offen)) {
            if (w)
                w->followCat(cat);
        }
    });
}

TMirravel::~TMirravel()
{
    if (g_main == this)
        g_main = nullptr;
    if (m_listSource)
        m_listSource->detach();
}

void TMirravel::buildLayout()
{
    m_speedBar = new QToolBar(this);
    m_speedBar->setObjectName(QStringLiteral("SpeedBar"));
    m_speedBar->setMovable(false);
    m_speedBar->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, m_speedBar);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_panel = new QWidget(m_splitter);
    m_panel->setObjectName(QStringLiteral("pShowCats"));
    auto *panelLayout = new QHBoxLayout(m_panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    m_mdi = new QMdiArea(m_splitter);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    m_mdi->setBackground(palette().brush(QPalette::Dark));
    // a window closed gives way to the one used before it, not to the first one opened
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    // a window larger than the free area stays reachable
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->viewport()->installEventFilter(this);
    m_splitter->addWidget(m_panel);
    m_splitter->addWidget(m_mdi);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({193, 800});
    setCentralWidget(m_splitter);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusLine"));
    status->setFixedHeight(21);
    m_hint = new QLabel(status);
    m_countLabel = new QLabel(QStringLiteral("Anzahl Katzen :"), status);
    m_countLabel->setObjectName(QStringLiteral("LabelAnzahlKatzen"));
    m_countLabel->setProperty("tag", 9100);
    m_count = new QLabel(status);
    m_count->setObjectName(QStringLiteral("LabelAnzahlderDatensaetze"));
    status->addWidget(m_hint, 1);
    status->addPermanentWidget(m_countLabel);
    status->addPermanentWidget(m_count);
    setStatusBar(status);
}

void TMirravel::buildMenus()
{
    for (const MenuItemDef &item : menuItems()) {
        const QString name = QString::fromLatin1(item.name);
        const QString parentName = QString::fromLatin1(item.menu);
        QMenu *parentMenu = m_menus.value(parentName);
        const bool isMenu = std::any_of(menuItems().begin(), menuItems().end(),
                                        [&](const MenuItemDef &m) { return name == QLatin1String(m.menu); });
        if (parentName.isEmpty() || isMenu) {
            QMenu *menu = parentName.isEmpty() ? menuBar()->addMenu(QString::fromUtf8(item.caption))
                                               : parentMenu->addMenu(QString::fromUtf8(item.caption));
            menu->setObjectName(name);
            menu->setProperty("tag", item.tag);
            menu->menuAction()->setObjectName(name);
            menu->menuAction()->setProperty("tag", item.tag);
            m_menus.insert(name, menu);
            if (name == QLatin1String("KatzenMenu"))
                m_katzenMenu = menu;
            continue;
        }
        if (!parentMenu)
            continue;
        if (item.flags & MenuItemDef::Separator) {
            QAction *sep = parentMenu->addSeparator();
            sep->setObjectName(name);
            if (name == QLatin1String("N2"))
                m_recentAnchor = sep; // the recent cats stand between the two separators
            continue;
        }
        QAction *a = parentMenu->addAction(QString::fromUtf8(item.caption));
        a->setObjectName(name);
        a->setProperty("tag", item.tag);
        a->setVisible(!(item.flags & (MenuItemDef::Hidden | MenuItemDef::HiddenByLanguage)));
        connect(a, &QAction::triggered, this, [this, name] { runCommand(name); });
        m_actions.insert(name, a);
        if (item.toolButton) {
            auto *b = new SpeedButton(a, m_speedBar);
            b->setObjectName(QString::fromLatin1(item.toolButton));
            b->setProperty("tag", item.toolTag);
            b->setIcon(toolIcon(b->objectName()));
            b->setCaption(QString::fromUtf8(item.toolHint ? item.toolHint : item.caption),
                          QString::fromUtf8(item.toolHint ? item.toolHint : item.caption));
            b->setAutoRaise(true);
            connect(b, &QToolButton::clicked, this, [this, name] { runCommand(name); });
            b->setBarAction(m_speedBar->addWidget(b));
            m_toolButtons.insert(name, b);
        }
    }
    updateCommandStates();
}

// A command is usable when what it opens exists in this program; the others stay visible but
// disabled, so the menus show the whole program.
void TMirravel::updateCommandStates()
{
    for (const MenuItemDef &item : menuItems()) {
        QAction *a = m_actions.value(QString::fromLatin1(item.name));
        if (!a)
            continue;
        const QString command = QString::fromLatin1(item.command);
        bool enabled = true;
        if (item.flags & (MenuItemDef::NoAction | MenuItemDef::Disabled))
            enabled = !(item.flags & MenuItemDef::Disabled);
        else if (command == QLatin1String("window") || command == QLatin1String("inzuchtgrad"))
            enabled = hasWindow(QString::fromLatin1(item.window));
        else if (command == QLatin1String("katzeNeu"))
            enabled = bool(hooks().katzeNeu);
        else if (command == QLatin1String("katzeKopieren"))
            enabled = bool(hooks().katzeKopieren);
        else if (command == QLatin1String("katzeSuchen"))
            enabled = bool(hooks().katzeSuchen);
        else if (command == QLatin1String("katzeSpeichern"))
            enabled = bool(hooks().katzeSpeichern);
        else if (command == QLatin1String("druckjob") || command == QLatin1String("drucken") ||
                 command == QLatin1String("titelLoeschen"))
            enabled = hasWindow(QStringLiteral("druckdispatcher"));
        a->setEnabled(enabled);
        if (QToolButton *b = m_toolButtons.value(QString::fromLatin1(item.name)))
            b->setEnabled(enabled);
    }
}

QAction *TMirravel::action(const QString &itemName) const
{
    if (QAction *a = m_actions.value(itemName))
        return a;
    const QMenu *menu = m_menus.value(itemName);
    return menu ? menu->menuAction() : nullptr;
}

QToolButton *TMirravel::toolButton(const QString &name) const
{
    if (QToolButton *b = m_toolButtons.value(name))
        return b;
    for (QToolButton *b : m_toolButtons)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

QMdiSubWindow *TMirravel::addChild(QWidget *content)
{
    QMdiSubWindow *sub = m_mdi->addSubWindow(content);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // a window that closes itself takes its frame along
    connect(content, &QObject::destroyed, sub, [sub] { sub->close(); });
    content->show();
    // once the window's opener has given it its size
    QTimer::singleShot(0, sub, [this, sub] { imFreienBereich(sub); });
    return sub;
}

QStringList TMirravel::openChildNames() const
{
    QStringList names;
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (QWidget *w = sub->widget())
            names << w->objectName().toLower();
    }
    return names;
}

// Steps of the window's creation that can stop the start-up.
bool TMirravel::FormCreate()
{
    ProgrammEnde = false;
    InzuchtBerechne = false;
    tsysteminfo *settings = tsysteminfo::instance();
    // the update hook: programs of the update marker file, each to its end, no shell
    for (const QString &cmd : updatePrograms(QDir(configDir()).filePath(QStringLiteral("TVRUPD.ini")))) {
        QStringList args = QProcess::splitCommand(cmd);
        if (args.isEmpty())
            continue;
        QProcess p;
        p.start(args.takeFirst(), args);
        if (p.waitForStarted(5000))
            p.waitForFinished(-1);
    }
    m_recent.load(settingsPath());
    AktualisiereLastCatsMenues();

    const OpenReport report = dateienOeffnen(*m_db);
    for (const auto &[file, error] : report.errors)
        TDBError::HandleException(error, file);
    if (report.zusatzFailed)
        showMessage(9, MsgIcon::Error, MsgButtons::Ok);
    // a home made by an older program gets the texts of what was added since; a catalogue that
    // cannot be written keeps what it has, its open errors were reported above
    try {
        completeCatalogues(*m_db);
    } catch (const std::exception &) {
    }
    sprache().open(m_db);
    if (settings)
        sprache().setLanguageNumber(languageNumber(settings->Sprache));

    // a home made by an older program gets the folders it lacks; one that cannot be made is named
    // by the writing that needs it
    (void)makeHomeFolders(programHome());
    // the help pages: one folder of HTML pages beside the data, brought up to the delivered ones
    if (const QStringList failed = installHelpPages(programHome()); !failed.isEmpty())
        showMessage(9550, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QStringLiteral("\r") + QDir::toNativeSeparators(failed.first()));
    const QString help = QDir(programHome()).filePath(QStringLiteral("Help"));
    if (!QFileInfo(help).isDir())
        showMessage(179, MsgIcon::Error, MsgButtons::Ok, QString(), QStringLiteral("\r") + help);

    try {
        setWindowTitle(hauptfensterTitel(eigeneDatenLesen(*m_db)));
    } catch (const EngineError &) {
        showMessage(6, MsgIcon::Error, MsgButtons::Ok);
        ProgrammEnde = true;
        return false;
    }
    m_colours = std::make_unique<CatListColours>(m_db);
    try {
        m_colours->reload();
    } catch (const EngineError &e) {
        TDBError::HandleException(e, e.file());
    }
    applyListSettings();
    translateOnCreate(this);
    if (settings) {
        // the language switch hides these whenever it is applied
        connect(settings, &tsysteminfo::applied, this, [this](bool) {
            for (const MenuItemDef &m : menuItems()) {
                if (!(m.flags & MenuItemDef::HiddenByLanguage))
                    continue;
                // their tool buttons follow them
                if (QAction *a = m_actions.value(QString::fromLatin1(m.name)))
                    a->setVisible(false);
            }
            applyListSettings();
        });
    }
    return true;
}

void TMirravel::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (m_gezeigt)
        return;
    m_gezeigt = true;
    // after the frame is on the screen, so that the window opens inside it
    QTimer::singleShot(0, this, &TMirravel::FormShowAnwenderdaten);
}

void TMirravel::FormShowAnwenderdaten()
{
    if (ProgrammEnde)
        return;
    try {
        if (!eigeneDatenLesen(*m_db).Name.isEmpty())
            return;
    } catch (const EngineError &e) {
        TDBError::HandleException(e, QStringLiteral("EIGEN.DB"));
        return;
    }
    runCommand(QStringLiteral("Anwenderdaten2"));
}

} // namespace tav::shell
