// The main window's cat list against the table engine alone doing the same listing work:
// showing the list, a page of scrolling and an incremental-search keystroke.
// Run on a register made by: tavrenno-cli --home DIR generate --cats 100000 ...
#include "../BenchUtil.h"

#include "app/CatListColours.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "shell/Main.h"
#include "store/Database.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;
using namespace tav::store;

namespace {
constexpr int Page = 36; // rows the list shows at 700 pixels

// what the list shows for one page: name, status and the row colour of each cat
int readPage(Table &t, CatListColours &colours, int rows)
{
    int sink = 0;
    for (int i = 0; i < rows && !t.eof(); ++i) {
        sink += t.value("Name").toString().size() + t.value("Status").toInt();
        sink += colours.rowColour(t.value("LaufendeNummer").toInt(), true) & 1;
        t.next();
    }
    return sink;
}

void paint(QWidget *w)
{
    // a grab paints every visible row now, as the screen would
    (void)w->grab();
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString home =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("TAVRENNO_BENCH_HOME");
    if (home.isEmpty()) {
        QTextStream(stderr) << "mainlist_bench HOME (a register made by tavrenno-cli generate)\n";
        return 2;
    }
    QTemporaryDir config;
    qputenv("TAVRENNO_CONFIG", config.path().toUtf8());
    Scripted::enable(true);
    Database db(QDir(home).filePath("Daten"));
    setDefaultDatabase(&db);
    ensureSettingsFile(settingsPath());
    tsysteminfo::load(settingsPath());
    sprache().open(&db);

    QElapsedTimer startup;
    startup.start();
    TMirravel main(&db);
    main.FormCreate();
    main.resize(1100, 700);
    main.show();
    paint(main.catList()->viewport());
    const double startupMs = startup.nsecsElapsed() / 1e6;

    CatListColours colours(&db);
    std::vector<BenchRow> rows;
    int sink = 0;

    rows.push_back(compare(
        "show the list (open, first page painted)", 31,
        [&] {
            main.applyListSettings();
            paint(main.catList()->viewport());
        },
        [&] {
            Table t(&db, "CATSTAMM.DB");
            t.setReadOnly(true);
            t.setIndexName("Nameidx");
            t.open();
            sink += t.recordCount(); // a list with a scroll bar needs the number of its records
            // the list opens on the cat shown before, in its page
            if (t.locate("LaufendeNummer", main.currentListCat()))
                t.moveTo(std::max(1, t.recNo() - Page / 2));
            sink += readPage(t, colours, Page);
        }));

    Table engine(&db, "CATSTAMM.DB");
    engine.setReadOnly(true);
    engine.setIndexName("Nameidx");
    engine.open();
    main.catList()->setFocus();
    int pageStart = 1;
    rows.push_back(compare(
        "a page of scrolling (Page Down)", 81,
        [&] {
            QTest::keyClick(main.catList(), Qt::Key_PageDown);
            paint(main.catList()->viewport());
        },
        [&] {
            pageStart += Page;
            engine.moveTo(pageStart);
            sink += readPage(engine, colours, Page);
        }));

    const QString letters = QStringLiteral("BDFHKMPRSTVZ");
    int k = 0, j = 0;
    rows.push_back(compare(
        "incremental search keystroke", 40,
        [&] {
            QTest::keyClick(main.catList(), Qt::Key_Escape);
            QTest::keyClick(main.catList(), letters[k++ % letters.size()].toLatin1());
            paint(main.catList()->viewport());
        },
        [&] {
            engine.findNearest({QString(letters[j++ % letters.size()])});
            const int at = engine.recNo();
            engine.moveTo(std::max(1, at - Page / 2));
            sink += readPage(engine, colours, Page);
        }));

    printRows(
        QString("Main window cat list vs table engine alone (%1 cats)").arg(main.catTable()->recordCount()),
        rows);
    QTextStream(stdout)
        << QString("start-up of the main window to a painted list: %1 ms\n").arg(startupMs, 0, 'f', 1)
        << "(checksum " << sink << ")\n";
    Scripted::answer(QMessageBox::Yes);
    main.close();
    setDefaultDatabase(nullptr);
    return 0;
}
