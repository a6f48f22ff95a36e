// One Alt key per control: the catalogue's texts of a window may give two of its controls the same
// mnemonic in one language, and Qt then gives the key to neither reliably.
#pragma once

class QWidget;

namespace tav::widgets {

// Gives every control of `window` that can be seen together with another (the same page of a tab
// or stack, or outside every page) an Alt key of its own: the first keeps the catalogue's letter,
// a later one moves to another letter of its text (the start of a word first), or goes without one
// when none is free. Tabs come first, then buttons, group boxes and labels with a buddy. Windows of
// their own inside `window` are left to their own call.
void distinctAltKeys(QWidget *window);

} // namespace tav::widgets
