#pragma once

#include "app/Sprache.h"

class QObject;
class QWidget;

namespace tav::app {
class tsysteminfo;
}

namespace tav::widgets {

// Widgets whose texts do not fit the standard rules (the record navigator's button hints, print
// labels, ...) implement this; the translator then leaves the whole job to them. `offset` is the
// language offset; the widget's own record is key tag + offset.
class Translatable
{
  public:
    virtual ~Translatable() = default;
    virtual void translate(const app::Sprache &catalogue, int tag, int offset) = 0;
};

// The tag of a component: its dynamic property "tag"; 0 (or none) means never translated.
int tagOf(const QObject *o);

// Translates one component by its kind (the caption record is key tag + offset):
// - Translatable: its own translate();
// - QAction, QMenu: text/title := FeldName, tool tip and status tip := FeldHilfe;
// - QLabel, buttons, check and radio buttons, QGroupBox, pages of a QTabWidget: text := FeldName,
//   tool tip := FeldHilfe;
// - radio group (QGroupBox with property "radioGroup" = true): also its QRadioButton children, in
//   child order, from the records following its own; a data-aware one (property "dataAware")
//   named DBStatus keeps its items;
// - QTabWidget, QTabBar: tool tip; its tab texts from the following records;
// - data-aware QComboBox: tool tip and items from the following records, except DBComboBoxFarbe
//   and DBComboBoxAugenfarbe, which are left alone; other QComboBox: tool tip, and items only for
//   ComboBoxInzuchtFenster;
// - QAbstractItemView: tool tip; header titles from the property "columnTags" (a list of tags, one
//   per column, 0 = keep), FeldName without its accelerator;
// - edits, text edits, spin and date boxes: tool tip only.
// Lists take as many texts as the component has items. A missing record changes nothing.
void translateComponent(QObject *o, int offset, const app::Sprache &catalogue = app::sprache());

// A window with a tag gets its title from FeldHilfe; then every tagged component in it.
void translateWindow(QWidget *window, int offset, const app::Sprache &catalogue = app::sprache());
// Every window of the application.
void translateAllWindows(int offset, const app::Sprache &catalogue = app::sprache());
// What every window calls when it is created: translateWindow with the current language.
void translateOnCreate(QWidget *window);

// Loads Qt's own translation (standard buttons and dialogs) for a language number; English needs none.
void installQtTranslation(int languageNumber);

// Makes tsysteminfo::setzen() switch every window, and Qt's own texts, when the language changed.
void connectTranslator(app::tsysteminfo *settings);

} // namespace tav::widgets
