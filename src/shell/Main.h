// Main: the main window (TMirravel): frame, menus and tool bar.
#pragma once

#include "app/MainRules.h"
#include "app/MenuDefs.h"

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
class TMirravel : public QMainWindow
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
    void FensterAnpassen(const QString &name = QString());
    int TableTopKatzeLaden(int cat);
    QMdiArea *mdiArea() const { return m_mdi; }
    // puts a child window into the frame; its name is the one the exclusive check compares
    QMdiSubWindow *addChild(QWidget *content);

    // A window that a command opens: registered by the room that builds it. A command whose
    // window is not registered is shown disabled.
    using WindowFactory = std::function<QWidget *(TMirravel &)>;
    static void registerWindow(const QString &name, WindowFactory factory);
    // While a factory runs for a menu command: the name of that menu item, so that one window
    // opened by several items can tell them apart (empty otherwise).
    QString oeffnenderEintrag() const { return m_oeffnenderEintrag; }
    static bool hasWindow(const QString &name);
    static WindowFactory windowFactory(const QString &name);
    // A window that exists once: the command shows the open one, or makes it with `create` and puts
    // it into the frame at least `least` large.
    static void registerSingleWindow(const QString &name, const QSize &least,
                                     std::function<QWidget *()> create);

    // The cat record window's entry points (new cat, duplicate, show a cat, search); present
    // once that window is registered.
    struct CatRecordHooks {
        std::function<void()> katzeNeu;
        std::function<void()> katzeNewausStb;
        std::function<void()> katzeKopieren;
        std::function<void()> katzeSpeichern;
        // the chosen cat, 0 when cancelled; during a pedigree entry the search runs at once for the
        // name typed for the new ancestor and offers only cats of the missing parent's sex
        std::function<int()> katzeSuchen;
        // during a pedigree entry: the chosen cat becomes the missing parent (false: it cannot)
        std::function<bool(int)> ahnUebernehmen;
        std::function<bool(int)> zeigeKatze; // show this cat; false when the window stays where it is
        std::function<void()> refresh;
        // posts pending edits of the record and gives the cat shown (0: none, or the post failed)
        std::function<int()> druckKatze;
        // what print jobs read of the window: the picture chosen for print, the page shown (from 0)
        // and the mating-book row shown (0: none)
        std::function<QString()> bildFuerDruck;
        std::function<int()> seite;
        std::function<int()> deckbuchZeile;
        // the litter shown on the stud-book page (its WURFBUCH.DB number, 0: none)
        std::function<int()> wurfbuchZeile;
        // after a print job: the litters, weighings and kittens read again, with what it changed
        std::function<void()> wurfbuchNeuLesen;
        // a registration window opens over the cat: the record's save and undo buttons are off
        std::function<void()> eingabeSperren;
        // the settings changed: the window shows its cat again as they say, and fits itself
        std::function<void()> einstellungenGeaendert;
        // the cat shown: its breeder, its owner and its status (all 0 without a cat)
        std::function<std::array<int, 3>()> katzenAdressen;
        // puts the address on the cat shown as its owner (or breeder); false when it cannot
        std::function<bool(bool besitzer, int adresse)> adresseZurKatze;
        // the address book: opens it for the cat's breeder (1) or owner (2), or as from the menu (0)
        std::function<void(int aufruf)> adressenOeffnen;
        // the address search dialog: the address chosen, 0 when cancelled
        std::function<int()> adresseSuchen;
    };
    static void setCatRecordHooks(const CatRecordHooks &hooks);
    static const CatRecordHooks &catRecordHooks();

    // cat list
    DBGrid *catList() const { return m_grid; }
    tav::store::Table *catTable() const { return m_list.get(); }
    void applyListSettings(); // index, filter, shown or hidden (part of setzen)
    void positionListOn(int cat);
    int currentListCat() const;
    void updateCatCount();
    void setListVisible(bool on);
    // the rows' colours again, after a cat's traits or the top cats changed
    void refreshListColours();

    // recent cats
    app::RecentCats &recentCats() { return m_recent; }
    void addRecentCat(const QString &name, int cat);
    void removeRecentCat(int cat);
    void saveRecentCats();
    void AktualisiereLastCatsMenues();
    void Load_LastCats(int cat);

    // commands
    void runCommand(const QString &itemName);
    // the command of a menu item, or the entry of a submenu in its parent menu
    QAction *action(const QString &itemName) const;
    // by the name of its menu item or by its own (SpeedButton1, ...)
    QToolButton *toolButton(const QString &name) const;
    bool blockedInPedigreeEntry();
    void KatzeLoeschen();
    void KatzeSuchen();
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
    void katzeGezeigt(int cat, bool erneut = false);

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
