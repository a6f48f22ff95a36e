// MenuDefs: the main window's menus and tool buttons, declared once.
#pragma once

#include <QString>
#include <QVector>

// The main window's menus and tool buttons, declared once: the window builds its menu bar and tool
// bar from this list and dispatches each command by its `command` name.
namespace tav::app {

struct MenuItemDef {
    enum Flag {
        Blocked = 1,           // only the block message while a new ancestor is entered from a pedigree
        Exclusive = 2,         // an exclusive window: checked with its own name
        HidesList = 4,         // the cat list panel is hidden while the window is open
        Hidden = 8,            // never shown
        HiddenByLanguage = 16, // hidden whenever the language is applied
        NoAction = 32,         // shown, does nothing
        Separator = 64,
        Disabled = 128,
        SearchBlocked = 256 // blocked for the search item and its tool button only
    };
    const char *menu;    // name of the menu it belongs to; "" for a top-level menu
    const char *name;    // component name (KatzeNeuItem, ...)
    const char *caption; // design-time German caption
    int tag;             // caption catalogue tag (0: none)
    const char *command; // what it does (dispatched by the main window)
    int flags = 0;
    const char *toolButton = nullptr; // component name of its tool button
    const char *toolHint = nullptr;   // design-time hint of the tool button
    int toolTag = 0;
    int printJob = 0;             // a print job number for the print dispatcher
    int helpContext = 0;          // help page of the item
    const char *window = nullptr; // the on-demand window it opens (exclusive check name)
};

const QVector<MenuItemDef> &menuItems();
const MenuItemDef *findMenuItem(const QString &name);

} // namespace tav::app
