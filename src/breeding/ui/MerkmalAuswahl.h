// MerkmalAuswahl: the inputs both trait statistics windows share: the colour combo and the trait
// grid painted in the traits' colours.
#pragma once

class QComboBox;
class QObject;

namespace tav::store {
class Database;
}
namespace tav::widgets {
class DBGrid;
} // namespace tav::widgets

namespace tav::breeding::ui {

// The first item "all colours" (caption `tagAlle`), then the colours of FARBE.DB by name, a colour
// with breed information as "(info) name".
void farbenFuellen(QComboBox *combo, tav::store::Database *db, int tagAlle);

// Opens MERKMALE.DB read-only for the grid (columns name and short name, each row in its trait's
// colour); false when the register has no trait table.
bool merkmalRasterOeffnen(tav::widgets::DBGrid *grid, tav::store::Database *db, QObject *besitzer);

} // namespace tav::breeding::ui
