#pragma once

#include "app/DataHome.h"
#include "app/Sprache.h"
#include "store/Database.h"
#include "store/Table.h"
#include "store/Transaction.h"
#include "widgets/ChildWindow.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/Nav2.h"

#include <QDir>
#include <QGridLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

namespace fixture {

using namespace tav::store;
using namespace tav::widgets;

// A temporary home with Daten/, the catalogues and two small tables of our own.
struct TempData {
    QTemporaryDir home;
    std::unique_ptr<Database> db;

    TempData()
    {
        QDir().mkpath(dataDir());
        db = std::make_unique<Database>(dataDir());
        setDefaultDatabase(db.get());
        db->createTable(QStringLiteral("SPRMEL.DB"));
        db->createTable(QStringLiteral("SPRACHE.DB"));
        tav::app::loadCatalogues(*db, QStringLiteral(TAV_DATA_DIR));
        tav::app::sprache().setLanguageNumber(0);
        tav::app::sprache().open(db.get());
        using namespace def;
        db->createTable(TableDef{"TESTKATZ.DB",
                                 {autoInc("LaufendeNummer"), string("Name", 30, Required), memo("Bemerkung"),
                                  boolean("Kastriert"), string("Geschlecht", 1), string("Farbe", 20),
                                  integer("Rasse"), date("GebDatum"), string("Bild", 200), currency("Preis")},
                                 {primary("LaufendeNummer"), index("Nameidx", "Name;LaufendeNummer")}});
        db->createTable(TableDef{"RASSELIST.DB",
                                 {integer("RCode", Required), string("RName", 30)},
                                 {primary("RCode"), index("RasseName", "RName;RCode")}});
        Table breeds(db.get(), QStringLiteral("RASSELIST.DB"));
        breeds.open();
        const QStringList names{"Perser", "Siam", "Maine Coon"};
        for (int i = 0; i < names.size(); ++i) {
            breeds.append();
            breeds.setValue("RCode", i + 1);
            breeds.setValue("RName", names[i]);
            breeds.post();
        }
    }
    ~TempData()
    {
        tav::app::sprache().close();
        setDefaultDatabase(nullptr);
    }
    QString dataDir() const { return home.path() + QStringLiteral("/Daten"); }

    void addCats(int n, const QString &prefix = QStringLiteral("Katze"))
    {
        Table t(db.get(), QStringLiteral("TESTKATZ.DB"));
        t.open();
        Transaction txn(*db, QStringLiteral("TESTKATZ.DB"));
        for (int i = 0; i < n; ++i) {
            t.append();
            t.setValue("Name", QStringLiteral("%1 %2").arg(prefix).arg(i + 1, 4, 10, QLatin1Char('0')));
            t.setValue("Geschlecht", QString::number(1 + i % 2));
            t.post();
        }
        txn.commit();
    }
    // the stored record, read through a table of its own
    QVariant stored(int nr, const QString &field)
    {
        Table t(db.get(), QStringLiteral("TESTKATZ.DB"));
        t.open();
        return t.findKey({nr}) ? t.value(field) : QVariant();
    }
    int storedCount()
    {
        Table t(db.get(), QStringLiteral("TESTKATZ.DB"));
        t.open();
        return t.recordCount();
    }
};

// A window with every bound control over TESTKATZ.DB.
class TestWindow : public ChildWindow
{
  public:
    explicit TestWindow(Database *db) : ChildWindow(QStringLiteral("formtest"))
    {
        table = new Table(db, QStringLiteral("TESTKATZ.DB"), this);
        list = new Table(db, QStringLiteral("RASSELIST.DB"), this);
        list->setReadOnly(true);
        list->open();
        source = new DataSource(table, this);
        source->open();
        auto *g = new QGridLayout(this);
        name = new DBEdit(source, "Name", this);
        memo = new DBMemo(source, "Bemerkung", this);
        memo->setFixedHeight(50);
        check = new DBCheckBox(QStringLiteral("Kastriert"), source, "Kastriert", this);
        radio = new DBRadioGroup(QStringLiteral("Geschlecht"), source, "Geschlecht", this);
        radio->setItems({QStringLiteral("Kater"), QStringLiteral("Katze")},
                        {QStringLiteral("1"), QStringLiteral("2")});
        combo = new DBComboBox(source, "Farbe", this);
        combo->addItems({QStringLiteral("schwarz"), QStringLiteral("weiß"), QStringLiteral("rot")});
        combo->readField();
        lookup = new DBLookupComboBox(this);
        lookup->bind(source, "Rasse");
        lookup->setList(list, "RCode", "RName");
        date = new DBDateEdit(source, "GebDatum", this);
        picture = new DBImage(source, "Bild", this);
        picture->setFixedSize(64, 64);
        picture->setFrameShape(QFrame::Box);
        grid = new DBGrid(source, this);
        grid->tableModel()->addColumn("Name", QStringLiteral("Name"), true);
        grid->tableModel()->addColumn("GebDatum", QStringLiteral("Geboren"));
        grid->tableModel()->addLookupColumn(QStringLiteral("Rasse"), "Rasse", "RASSELIST.DB", "RCode",
                                            "RName");
        grid->tableModel()->addCalcColumn(QStringLiteral("Länge"),
                                          [](Table &t) { return t.text("Name").size(); });
        grid->tableModel()->setRowColour([](Table &t) {
            return t.text("Geschlecht") == QLatin1String("2") ? QColor(255, 220, 220) : QColor();
        });
        nav = new TDBNavigatorSpec(this);
        nav->setDataSource(source);
        nav->setVisibleButtons(TDBNavigatorSpec::standardButtons());
        nav->setHints(TDBNavigatorSpec::germanHints());
        save = new QPushButton(QStringLiteral("Speichern"), this);
        undo = new QPushButton(QStringLiteral("Rückgängig"), this);
        source->attachButtons(save, undo);
        int r = 0;
        g->addWidget(nav, r++, 0, 1, 2);
        g->addWidget(name, r, 0);
        g->addWidget(date, r++, 1);
        g->addWidget(combo, r, 0);
        g->addWidget(lookup, r++, 1);
        g->addWidget(check, r, 0);
        g->addWidget(radio, r++, 1);
        g->addWidget(memo, r, 0);
        g->addWidget(picture, r++, 1);
        g->addWidget(grid, r++, 0, 1, 2);
        g->addWidget(save, r, 0);
        g->addWidget(undo, r++, 1);
        resize(460, 520);
        finishCreate();
    }

    Table *table, *list;
    DataSource *source;
    DBEdit *name;
    DBMemo *memo;
    DBCheckBox *check;
    DBRadioGroup *radio;
    DBComboBox *combo;
    DBLookupComboBox *lookup;
    DBDateEdit *date;
    DBImage *picture;
    DBGrid *grid;
    TDBNavigatorSpec *nav;
    QPushButton *save, *undo;
};

// the messages shown since the last reset, as text
inline QStringList shownTexts()
{
    QStringList out;
    for (const auto &s : Scripted::shown())
        out << s.text;
    return out;
}

} // namespace fixture
