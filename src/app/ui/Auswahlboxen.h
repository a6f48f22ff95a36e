// Auswahlboxen: the boxes of a new cat's breed and colour, which the options window and the
// breeder's own data window share.
#pragma once

#include <QString>

class QComboBox;

namespace tav::store {
class Database;
}

namespace tav::app::ui {

// The breeds by name after an empty entry (item data: RCode, 0 for none), `rasse` chosen.
void rasseBoxFuellen(QComboBox *box, tav::store::Database &db, int rasse);
// The colour entries of Farbe.db in an editable box, its text set to `farbe` (kept as typed).
void farbBoxFuellen(QComboBox *box, tav::store::Database &db, const QString &farbe);

// The Delete key in the box: `Leeren` empties it, its list included (back when the window is next
// opened); `ErsterEintrag` chooses the first (empty) entry.
enum class Entf { Leeren, ErsterEintrag };
void entfTaste(QComboBox *box, Entf art);

} // namespace tav::app::ui
