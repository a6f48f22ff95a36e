// MerkmalAuswahl: colour combo and trait grid of the trait statistics windows.
#include "MerkmalAuswahl.h"

#include "app/Sprache.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Query.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/StoredColour.h"

#include <QComboBox>

namespace tav::breeding::ui {

namespace {
constexpr int TagKuerzel = 3175, TagMerkmal = 3176;
}

void farbenFuellen(QComboBox *combo, store::Database *db, int tagAlle)
{
    const QString alle = app::sprache().caption(tagAlle);
    combo->addItem(alle.isEmpty() ? QStringLiteral("alle Farben") : alle);
    try {
        store::Query f(db, QStringLiteral("SELECT Farbname, Rasseinfo FROM farbe.db"
                                          " ORDER BY Farbname COLLATE DE, LaufendeNummer"));
        f.open();
        for (; !f.eof(); f.next()) {
            const QString info = f.value(1).toString();
            combo->addItem(info.isEmpty() ? f.value(0).toString()
                                          : QStringLiteral("(%1) %2").arg(info, f.value(0).toString()));
        }
    } catch (const store::EngineError &e) {
        qWarning("%s", qPrintable(e.what()));
    }
}

bool merkmalRasterOeffnen(widgets::DBGrid *grid, store::Database *db, QObject *besitzer)
{
    if (!db->tableExists(QStringLiteral("MERKMALE.DB")))
        return false;
    auto *merkmale = new store::Table(db, QStringLiteral("MERKMALE.DB"), besitzer);
    merkmale->setReadOnly(true);
    auto *quelle = new widgets::DataSource(merkmale, besitzer);
    quelle->open();
    grid->setDataSource(quelle);
    widgets::TableModel *m = grid->tableModel();
    widgets::TableModel::Column merkmal, kuerzel;
    merkmal.field = QStringLiteral("Bezeichnung");
    merkmal.title = QStringLiteral("Merkmal");
    merkmal.tag = TagMerkmal;
    kuerzel.field = QStringLiteral("Kuerzel");
    kuerzel.title = QStringLiteral("Kürzel");
    kuerzel.tag = TagKuerzel;
    m->setColumns({merkmal, kuerzel});
    m->setRowColour(
        [](store::Table &t) { return widgets::storedColour(t.intValue(QStringLiteral("farbe"))); });
    return true;
}

} // namespace tav::breeding::ui
