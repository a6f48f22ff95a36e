#include "Desktop.h"
#include "app/MenuDefs.h"
#include "widgets/ChildWindow.h"

#include <QtTest>

using namespace desktop;
using tav::app::MenuItemDef;

// One journey per menu command that opens a window, and per tool button: open it as the user
// does, look at it, ask for help with its "Hilfe" button and with F1, close the help, close the
// window with its own button, open it again (by its tool button where it has one) and close it
// with Escape. Nothing may ask or complain on the way. The menus of this run: MENUS (a list of
// top menu names).

namespace {

const QStringList closeCaptions = {"Zurück", "Schließen", "Abbruch", "OK"};

QStringList shownMenus()
{
    return QString::fromLatin1(MENUS).split(',');
}

// the top menu an item sits under
QString topMenu(const MenuItemDef &item)
{
    QString menu = QString::fromLatin1(item.menu);
    for (;;) {
        const MenuItemDef *parent = tav::app::findMenuItem(menu);
        if (!parent || !*parent->menu)
            return menu;
        menu = QString::fromLatin1(parent->menu);
    }
}

void lookAt(User &u, const Finder &w, const QString &what)
{
    u.pause(250);
    u.screenshot(what);
    const QStringList problems = u.lookProblems(w);
    if (!problems.isEmpty())
        u.failed(QStringLiteral("what the user sees of %1:\n  %2").arg(what, problems.join("\n  ")));
}

void helpAndBack(User &u, const Finder &w, int context, bool byKey)
{
    if (byKey) {
        // the window has the focus after the user clicked on its title
        u.activate(w);
        u.key("F1");
    } else {
        u.press(w, {"Hilfe"});
    }
    u.require([] { return User::helpShown() != 0; }, byKey ? "help by F1" : "help by the Hilfe button");
    const int shown = u.look([] { return User::helpShown(); });
    if (context && shown != context)
        u.failed(QStringLiteral("help page %1 shows, the window's page is %2").arg(shown).arg(context));
    u.screenshot(byKey ? "help-f1" : "help-button");
    u.key("Escape");
    u.require([] { return User::helpShown() == 0; }, "the help closes");
    u.require([w] { return w() && w()->isVisible(); }, "the window is back");
    u.pause(300);
}

} // namespace

class JrnMenus : public QObject
{
    Q_OBJECT
    User m_user{QStringLiteral(MENUS).replace(',', '-')};
    bool m_home = false;

    void ensureProgram(User &u)
    {
        if (!m_home) {
            u.makeDemoHome();
            m_home = true;
        }
        if (!u.programRunning())
            u.startProgram();
    }

  private Q_SLOTS:
    void window_data()
    {
        QTest::addColumn<QString>("item");
        for (const MenuItemDef &m : tav::app::menuItems()) {
            if (!m.window || QString::fromLatin1(m.command) == QLatin1String("") ||
                (m.flags & (MenuItemDef::Hidden | MenuItemDef::HiddenByLanguage)) ||
                !shownMenus().contains(topMenu(m)))
                continue;
            QTest::newRow(m.name) << QString::fromLatin1(m.name);
        }
    }

    void window()
    {
        QFETCH(QString, item);
        const MenuItemDef *m = tav::app::findMenuItem(item);
        const QString name = QString::fromLatin1(m->window);
        const QString tool = m->toolButton ? QString::fromLatin1(m->toolButton) : QString();
        const QString failed = runJourney(m_user, item, [&](User &u) {
            ensureProgram(u);
            const Finder w = [name] { return User::child(name); };
            u.menuItem(item);
            u.require([w] { return w() != nullptr; }, "the window opens");
            lookAt(u, w, "open");
            const int context = u.look([w] {
                auto *c = qobject_cast<tav::widgets::ChildWindow *>(w());
                return c ? c->helpContext() : 0;
            });
            helpAndBack(u, w, context, false);
            helpAndBack(u, w, context, true);
            u.press(w, closeCaptions);
            u.require([w] { return w() == nullptr; }, "the window closes by its own button");
            if (tool.isEmpty())
                u.menuItem(item);
            else
                u.toolButton(tool);
            u.require([w] { return w() != nullptr; },
                      tool.isEmpty() ? "it opens again" : "it opens by its tool button");
            u.activate(w);
            u.key("Escape");
            u.require([w] { return w() == nullptr; }, "the window closes by Escape");
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void cleanupTestCase()
    {
        runJourney(m_user, "end", [](User &u) {
            if (u.programRunning())
                u.quitProgram();
        });
    }
};

QTEST_MAIN(JrnMenus)
#include "jrn_menus.moc"
