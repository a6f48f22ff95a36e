// Shell: what the windows need of the main window, so that they do not reach into it.
#pragma once

#include <QString>
#include <array>
#include <functional>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QSize;
class QWidget;

namespace tav::shell {

// The cat record window's entry points (new cat, duplicate, show a cat, search, print data).
class CatRecord
{
  public:
    virtual ~CatRecord() = default;

    // false while the cat record window is not registered; an entry nobody set does nothing
    virtual bool angemeldet() const = 0;

    virtual void katzeNeu() = 0;
    virtual void katzeNewausStb() = 0;
    virtual void katzeKopieren() = 0;
    virtual void katzeSpeichern() = 0;
    // the chosen cat, 0 when cancelled
    virtual int katzeSuchen() = 0;
    // during a pedigree entry: the chosen cat becomes the missing parent (false: it cannot)
    virtual bool ahnUebernehmen(int cat) = 0;
    // show this cat; false when the window stays where it is
    virtual bool zeigeKatze(int cat) = 0;
    virtual void refresh() = 0;
    // posts pending edits and gives the cat shown (0: none, or the post failed)
    virtual int druckKatze() = 0;
    virtual QString bildFuerDruck() = 0;
    virtual int seite() = 0;
    virtual int deckbuchZeile() = 0;
    virtual int wurfbuchZeile() = 0;
    virtual void wurfbuchNeuLesen() = 0;
    virtual void eingabeSperren() = 0;
    virtual void einstellungenGeaendert() = 0;
    // breeder, owner and status of the cat shown (all 0 without a cat)
    virtual std::array<int, 3> katzenAdressen() = 0;
    // false when it cannot; also false when nothing can put addresses on cats
    virtual bool adresseZurKatze(bool besitzer, int adresse) = 0;
    virtual bool kannAdresseZurKatze() const = 0;
    // the address book for the cat's breeder (1) or owner (2), or as from the menu (0)
    virtual void adressenOeffnen(int aufruf) = 0;
    // the address chosen, 0 when cancelled
    virtual int adresseSuchen() = 0;
};

class Shell
{
  public:
    virtual ~Shell() = default;

    // the running program's shell; null before the main window exists (and in tests without one)
    static Shell *current();
    // a shell that stands in where there is no main window (window tests); null: none
    static void setStandIn(Shell *shell);

    // the frame itself: the parent of dialogs, and what tells the screen size the windows fit
    virtual QWidget *frame() = 0;
    virtual void runCommand(const QString &itemName) = 0;
    virtual QAction *action(const QString &itemName) const = 0;
    virtual QMdiSubWindow *addChild(QWidget *content) = 0;
    virtual QMdiArea *mdiArea() const = 0;
    // while a factory runs for a menu command: the name of that menu item
    virtual QString oeffnenderEintrag() const = 0;
    virtual void FensterAnpassen(const QString &name = QString()) = 0;

    // the cat list
    virtual int currentListCat() const = 0;
    virtual void positionListOn(int cat) = 0;
    virtual void refreshListColours() = 0;
    virtual void updateCatCount() = 0;
    // the list reads its table again, then stands on `cat`
    virtual void reloadCatList(int cat) = 0;
    virtual int TableTopKatzeLaden(int cat) = 0;
    virtual void KatzeSuchen() = 0;
    virtual void katzeGezeigt(int cat, bool erneut = false) = 0;

    // recent cats
    virtual void addRecentCat(const QString &name, int cat) = 0;
    virtual void removeRecentCat(int cat) = 0;

    // state of the running program
    virtual bool inzuchtBerechne() const = 0;
    virtual void setInzuchtBerechne(bool on) = 0;
    virtual int druckentag() const = 0;
    virtual int tierVorNeuaufnahme() const = 0;
    virtual void setTierVorNeuaufnahme(int cat) = 0;

    // null where there is no cat record at all (a shell without the program's windows)
    virtual CatRecord *catRecord() = 0;
};

// How the rooms hand their windows and the cat record's entry points to the shell.

// A window that a command opens. A command whose window is not registered is shown disabled.
using WindowFactory = std::function<QWidget *(Shell &)>;
void registerWindow(const QString &name, WindowFactory factory);
// A window that exists once: the command shows the open one, or makes it with `create` and puts
// it into the frame at least `least` large.
void registerSingleWindow(const QString &name, const QSize &least, std::function<QWidget *()> create);
WindowFactory windowFactory(const QString &name);

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
void setCatRecordHooks(const CatRecordHooks &hooks);
const CatRecordHooks &catRecordHooks();

} // namespace tav::shell
