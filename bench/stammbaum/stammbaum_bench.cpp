// The eight-generation pedigree window: opening it for a cat with a full pedigree, and the data it
// reads, against reading the 510 ancestors (name, parents, titles) with hand-written SQLite queries.
// Run on a register made by: tavrenno-cli --home DIR generate --cats 100000 ...
#include "../BenchUtil.h"

#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/Stammbaum8.h"
#include "breeding/StorePedigree.h"
#include "breeding/ui/Stammbaumfenster.h"
#include "cats/Titel.h"
#include "store/Database.h"
#include "store/KeyCodec.h"
#include "store/Query.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <sqlite3.h>

using namespace tav;
using namespace tav::breeding;
namespace sb = tav::breeding::stammbaum8;

namespace {

// The hand-written side: one prepared statement for a cat, one for its titles.
struct Hand {
    sqlite3 *katzen = nullptr, *titel = nullptr;
    sqlite3_stmt *katze = nullptr, *kuerzel = nullptr;

    explicit Hand(const QString &daten)
    {
        sqlite3_open_v2(QDir(daten).filePath("CATSTAMM.DB").toUtf8(), &katzen, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_prepare_v2(katzen, "SELECT Name, Vater, Mutter FROM data WHERE LaufendeNummer = ?", -1,
                           &katze, nullptr);
        sqlite3_open_v2(QDir(daten).filePath("TITELHUND.DB").toUtf8(), &titel, SQLITE_OPEN_READONLY, nullptr);
        const QByteArray attach =
            "ATTACH DATABASE '" + QDir(daten).filePath("TITELBEZ.DB").toUtf8() + "' AS bez";
        sqlite3_exec(titel, attach.constData(), nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(titel,
                           "SELECT b.Kuerzel FROM data h LEFT JOIN bez.data b ON b.LaufendeNummer = h.Titel "
                           "WHERE h.__ix_HundTitel >= ?1 AND h.__ix_HundTitel < ?2 ORDER BY h.__ix_HundTitel",
                           -1, &kuerzel, nullptr);
    }
    ~Hand()
    {
        sqlite3_finalize(katze);
        sqlite3_finalize(kuerzel);
        sqlite3_close(katzen);
        sqlite3_close(titel);
    }

    // every position read by itself, as a hand-written loop over the tree would
    int lesen(qint32 wurzel)
    {
        std::array<qint32, sb::Boxen + 2> nr{};
        nr[1] = wurzel;
        int sink = 0;
        for (int k = 1; k <= sb::Boxen + 1; ++k) {
            if (nr[k] <= 0)
                continue;
            sqlite3_bind_int(katze, 1, nr[k]);
            if (sqlite3_step(katze) == SQLITE_ROW) {
                sink += sqlite3_column_bytes(katze, 0);
                if (k <= sb::Boxen / 2) {
                    nr[2 * k] = sqlite3_column_int(katze, 1);
                    nr[2 * k + 1] = sqlite3_column_int(katze, 2);
                }
            }
            sqlite3_reset(katze);
            // the titles by the key of index HundTitel, as the store finds them
            QByteArray von;
            store::keycodec::appendField(von, store::FieldType::Integer, nr[k], false);
            const QByteArray bis = store::keycodec::upperBound(von);
            sqlite3_bind_blob(kuerzel, 1, von.constData(), int(von.size()), SQLITE_TRANSIENT);
            sqlite3_bind_blob(kuerzel, 2, bis.constData(), int(bis.size()), SQLITE_TRANSIENT);
            QString t;
            while (sqlite3_step(kuerzel) == SQLITE_ROW)
                t += QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(kuerzel, 0))) + '/';
            sqlite3_reset(kuerzel);
            sink += int(t.size());
        }
        return sink;
    }
};

// a late cat whose 510 boxes are all filled
qint32 vollerStammbaum(const PedigreeSource &quelle, qint32 letzte)
{
    for (qint32 nr = letzte; nr > letzte - 2000; --nr) {
        const Stammbaum8 s = leseStammbaum8(quelle, nr);
        if (std::all_of(s.ahnen.begin() + 1, s.ahnen.end(),
                        [](const Stammbaum8::Ahn &a) { return a.nummer; }))
            return nr;
    }
    return 0;
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
        QTextStream(stderr) << "stammbaum_bench HOME (a register made by tavrenno-cli generate)\n";
        return 2;
    }
    QTemporaryDir config;
    qputenv("TAVRENNO_CONFIG", config.path().toUtf8());
    tav::widgets::Scripted::enable(true);
    const QString daten = QDir(home).filePath("Daten");
    store::Database db(daten);
    store::setDefaultDatabase(&db);
    app::ensureSettingsFile(app::settingsPath());
    app::tsysteminfo::load(app::settingsPath());
    app::sprache().open(&db);
    app::TDatenGlobal global(&db);
    global.Dateienoeffnen();

    StorePedigree alle(db, StorePedigree::Laden::Alles);
    store::Query hoechste(&db, "SELECT max(LaufendeNummer) FROM catstamm");
    hoechste.open();
    const qint32 letzte = hoechste.value(0).toInt();
    const qint32 katze = vollerStammbaum(alle, letzte);
    if (!katze) {
        QTextStream(stderr) << "no cat with a full eight-generation pedigree among the last 2000\n";
        return 1;
    }
    QTextStream(stdout) << "cat " << katze << ": full eight-generation pedigree of "
                        << leseStammbaum8(alle, katze).katzen().size() - 1 << " distinct ancestors\n";

    Hand hand(daten);
    std::vector<BenchRow> rows;
    int sink = 0;
    constexpr int Runden = 21;
    rows.push_back(compare(
        "ancestors, names and titles of 510 boxes", Runden,
        [&] {
            StorePedigree quelle(db, StorePedigree::Laden::Einzeln);
            Stammbaum8 s = leseStammbaum8(quelle, katze);
            s.setzeTitel(cats::titelTexte(db, s.katzen()));
            sink += s.ahnen[sb::Boxen + 1].nummer;
        },
        [&] { sink += hand.lesen(katze); }));
    rows.push_back(compare(
        "window opened and painted (510 boxes)", Runden,
        [&] {
            ui::TFormStammbaum w(&db);
            w.zeigeKatze(katze);
            w.resize(1000, 700);
            w.show();
            (void)w.grab();
        },
        [&] { sink += hand.lesen(katze); }));
    rows.push_back(compare(
        "new root in the open window", Runden,
        [&] {
            static ui::TFormStammbaum *w = new ui::TFormStammbaum(&db);
            w->zeigeKatze(katze);
        },
        [&] { sink += hand.lesen(katze); }));
    printRows("Pedigree window (median of 21, ms)", rows);
    return sink == 42 ? 1 : 0;
}
