// Main: the main window (TMirravel): frame, menus and tool bar.
#pragma once

#include "app/MainRules.h"
#include "app/MenuDefs.h"
#include "shell/Shell.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSplitter;
class QToolBar;
class QToolButton;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::app {
class CatListColours;
}

namespace tav::widgets {
class DataSource;
class DBGrid;
} // namespace tav::widgets

namespace tav::shell {

using widgets::DataSource;
using widgets::DBGrid;

// The main window: a multi-document frame with the menu bar and tool bar, the cat list on the
// left, a status line with the number of cats, the recent-cats list, the exclusive-window rules
// and the exit question.
class TMirravel : public QMainWindow, public Shell
{
    Q_OBJECT
  public:
    explicit TMirravel(tav::store::Database *db, QWidget *parent = nullptr);
    ~TMirravel() override;

    static TMirravel *instance();

    // state of the running program
    bool ProgrammEnde = false;
    bool InzuchtBerechne = false;
    int Druckentag = 0;
    int tmpTiervorNeuaufnahme = 0;
    QString suchName;

    // the steps of the main window's creation after the constructor; false: start-up stops
    bool FormCreate();

    // window services
    int CheckFormOpen(const QString &name = QString());
    // the check a child window runs when it is activated ("bringtofront"), with its own name
    int CheckFormOpenOnActivation(const QString &self);
    void FensterAnpassen(const QString &name = QString()) override;
    int TableTopKatzeLaden(int cat) override;
    QMdiArea *mdiArea() const override { return m_mdi; }
    // puts a child window into the frame; its name is the one the exclusive check compares
    QMdiSubWindow *addChild(QWidget *content) override;

    // A window that a command opens: registered by the room that builds it. A command whose
    // window is not registered is shown disabled.
    using WindowFactory = shell::WindowFactory;
    static void registerWindow(const QString &name, WindowFactory factory);
    // While a factory runs for a menu command: the name of that menu item, so that one window
    // opened by several items can tell them apart (empty otherwise).
    QString oeffnenderEintrag() const override { return m_oeffnenderEintrag; }
    static bool hasWindow(const QString &name);
    static WindowFactory windowFactory(const QString &name);
    // A window that exists once: the command shows the open one, or makes it with `create` and puts
    // it into the frame at least `least` large.
    static void registerSingleWindow(const QString &name, const QSize &least,
                                     std::function<QWidget *()> create);

    using CatRecordHooks = shell::CatRecordHooks;
    static void setCatRecordHooks(const CatRecordHooks &hooks);
    static const CatRecordHooks &catRecordHooks();

    // cat list
    DBGrid *catList() const { return m_grid; }
    tav::store::Table *catTable() const { return m_list.get(); }
    void applyListSettings(); // index, filter, shown or hidden (part of setzen)
    void positionListOn(int cat) override;
    int currentListCat() const override;
    void updateCatCount() override;
    void reloadCatList(int cat) override;
    void setListVisible(bool on);
    // the rows' colours again, after a cat's traits or the top cats changed
    void refreshListColours() override;

    // recent cats
    app::RecentCats &recentCats() { return m_recent; }
    void addRecentCat(const QString &name, int cat) override;
    void removeRecentCat(int cat) override;
    void saveRecentCats();
    void AktualisiereLastCatsMenues();
    void Load_LastCats(int cat);

    // commands
    void runCommand(const QString &itemName) override;
    // the command of a menu item, or the entry of a submenu in its parent menu
    QAction *action(const QString &itemName) const override;
    // by the name of its menu item or by its own (SpeedButton1, ...)
    QToolButton *toolButton(const QString &name) const;
    bool blockedInPedigreeEntry();
    void KatzeLoeschen();
    void KatzeSuchen() override;
    // "&Textverarbeitung": starts the word processor of the settings, or says why it cannot
    void Textverarbeitung();
    // the pedigree print of the current cat, in English or German for this print only
    void StammbaumDrucken(bool englisch);
    // "Drucker&einrichtung...": the printer the preview's print starts with
    void Druckereinrichtung();
    // "&Schriftart": the printer font, kept in the settings
    void Schriftart();
    // at the first show: the breeder's own data window when the own record has no name
    void FormShowAnwenderdaten();
    void updateCommandStates();

    // The cat record window shows the stored cat `cat`: the windows that follow the current cat
    // read it. Said once per cat, and again when `erneut` (the cat was changed, or shown anew on
    // the user's request).
    void katzeGezeigt(int cat, bool erneut = false) override;

    QWidget *frame() override { return this; }
    bool inzuchtBerechne() const override { return InzuchtBerechne; }
    void setInzuchtBerechne(bool on) override { InzuchtBerechne = on; }
    int druckentag() const override { return Druckentag; }
    int tierVorNeuaufnahme() const override { return tmpTiervorNeuaufnahme; }
    void setTierVorNeuaufnahme(int cat) override { tmpTiervorNeuaufnahme = cat; }
    CatRecord *catRecord() override;

  Q_SIGNALS:
    // every open child window takes it through ChildWindow::followCat
    void catShown(int cat);

  protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    // the free client area changed (frame resized, list shown or hidden): refit the children
    void clientResized();
    bool eventFilter(QObject *watched, QEvent *e) override;
    void changeEvent(QEvent *e) override;
    void showEvent(QShowEvent *e) override;

  private:
    void buildLayout();
    void buildMenus();
    void buildCatList();
    void openWindow(const app::MenuItemDef &item);
    void imFreienBereich(QMdiSubWindow *sub);
    void runItem(const app::MenuItemDef &item);
    void incrementalSearch(const QString &typed);
    // false when a child window refused to close (the user kept its input)
    bool shutdownWindows();
    QStringList openChildNames() const;
    QRect exclusiveGeometry() const;
    void bringExclusiveToFront(int code);

    tav::store::Database *m_db;
    QMdiArea *m_mdi = nullptr;
    QToolBar *m_speedBar = nullptr;
    QSplitter *m_splitter = nullptr;
    QWidget *m_panel = nullptr;
    DBGrid *m_grid = nullptr;
    QLabel *m_hint = nullptr;
    QLabel *m_countLabel = nullptr;
    QLabel *m_count = nullptr;
    QMenu *m_katzenMenu = nullptr;
    QAction *m_recentAnchor = nullptr;
    QList<QAction *> m_recentActions;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, QToolButton *> m_toolButtons;
    std::unique_ptr<tav::store::Table> m_list;
    std::unique_ptr<DataSource> m_listSource;
    std::unique_ptr<tav::app::CatListColours> m_colours;
    app::RecentCats m_recent;
    int m_hideListCount = 0;
    QString m_oeffnenderEintrag;
    bool m_gezeigt = false;
    int m_gezeigteKatze = 0; // the cat last announced by catShown
};

} // namespace tav::shell
