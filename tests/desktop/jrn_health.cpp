#include "CatRecordSteps.h"

#include <QtTest>

using namespace desktop;

namespace {
// the queen's heats: the breeding page and its second tab, whatever the language calls it
void heatTab(User &u)
{
    seite(u, "Zuchtbuch");
    reiter(
        u,
        [] {
            auto *t = imFenster<QTabWidget>(QStringLiteral("Zuchtkatze"));
            return t ? t->tabBar() : nullptr;
        },
        u.look([] {
            auto *t = imFenster<QTabWidget>(QStringLiteral("Zuchtkatze"));
            return t ? QString(t->tabText(1)).remove('&') : QString();
        }));
}
} // namespace

// A breeder types a vaccination, a deworming, a heat (with the German date 01.01.2026) and a
// weighing into the grids of the cat record window and goes to another cat from the list before
// saving, answering the save questions: every row is stored under the first cat, none under the
// second, and the windows show them again after a restart.
class JrnHealth : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void health()
    {
        User user("health");
        const QString failed = runJourney(user, "health", [](User &u) {
            u.makeDemoHome();
            // a queen without heats and another cat, by names the list finds as typed
            const QString ascii = QStringLiteral("Name NOT GLOB '*[^ -~]*'");
            const int queen =
                zahl(u, "SELECT min(LaufendeNummer) FROM catstamm WHERE Geschlecht = '2' AND " + ascii +
                            " AND LaufendeNummer NOT IN (SELECT Katze FROM laeufigkeit)");
            const int other =
                zahl(u, "SELECT min(LaufendeNummer) FROM catstamm WHERE LaufendeNummer <> ? AND " + ascii,
                     {queen});
            const QString queenName =
                wert(u, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {queen}).toString();
            const QString otherName =
                wert(u, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {other}).toString();
            if (queen <= 0 || other <= 0)
                u.failed(QStringLiteral("the demo register has no queen for the journey"));

            u.startProgram();
            // the save question asked, as a breeder who wants to be asked sets it
            u.menu({"System", "Systemverwaltung", "Systemparameter"});
            const Finder optionen = [] { return User::child(QStringLiteral("foptionen")); };
            u.require([&] { return optionen() != nullptr; }, "the options open");
            reiter(
                u,
                [] {
                    auto *o = User::child(QStringLiteral("foptionen"));
                    auto *t = o ? o->findChild<QTabWidget *>() : nullptr;
                    return t ? t->tabBar() : nullptr;
                },
                "Allgemeines");
            // on its circle: the button is wider than its text
            u.click([&] { return User::buttonNamed(optionen(), {"Abfrage vor Speichern"}); },
                    "Abfrage vor Speichern", QPoint(8, 10));
            u.screenshot("options-asking");
            u.press(optionen, {"Speichern"});
            u.require([&] { return optionen() == nullptr; }, "the options close");

            katzeZeigen(u, queenName);
            katzeIstGezeigt(u, queenName);
            // a vaccination and a deworming on the medical page
            seite(u, "Med.Daten");
            knopf(u, "IMPFUNG.DBHinzufuegen");
            zelle(u, "DBGridIMPFUNG", -1, 0);
            u.type("01.01.2026");
            u.key("Tab");
            u.type("Tollwut");
            u.key("Tab");
            u.type("01.01.2027");
            u.key("Return");
            knopf(u, "WURMKUR.DBHinzufuegen");
            zelle(u, "DBGridWURMKUR", -1, 0);
            u.type("01.01.2026");
            u.key("Tab");
            u.type("Milbemax");
            u.key("Return");
            u.screenshot("medical-page-typed");
            // a heat in the German form
            heatTab(u);
            knopf(u, "LAEUFIGKEIT.DBHinzufuegen");
            zelle(u, "DBGridRolligkeiten", -1, 1);
            u.type("01.01.2026");
            u.key("Return");
            u.screenshot("heat-typed");
            // a weighing
            seite(u, "Wurfdaten/Gewichte");
            knopf(u, "GEWICHT.DBHinzufuegen");
            zelle(u, "DBGridGewichtstabelle", -1, 0);
            u.type("01.01.2026");
            u.key("Return");
            zelle(u, "DBGridGewichtstabelle", -1, 2);
            u.type("3200");
            u.key("Return");
            u.screenshot("weighing-typed");

            // to the other cat before saving: each row asks, the weighing is stored without a word
            katzeZeigen(u, otherName);
            for (int i = 0; i < 3; ++i)
                u.answer(29, QMessageBox::Yes);
            katzeIstGezeigt(u, otherName);
            u.screenshot("other-cat");

            const auto gespeichert = [&](int katze) {
                return QStringList{
                    QString::number(
                        zahl(u,
                             "SELECT count(*) FROM impfung WHERE Katze = ? AND Impfung = 'Tollwut' AND "
                             "Datum = '2026-01-01' AND NeuAm = '2027-01-01'",
                             {katze})),
                    QString::number(
                        zahl(u,
                             "SELECT count(*) FROM wurmkur WHERE Katze = ? AND Medikament = 'Milbemax' "
                             "AND Datum = '2026-01-01'",
                             {katze})),
                    QString::number(zahl(u,
                                         "SELECT count(*) FROM laeufigkeit WHERE Katze = ? AND Datum LIKE "
                                         "'2026-01-01%'",
                                         {katze})),
                    QString::number(
                        zahl(u,
                             "SELECT count(*) FROM gewicht WHERE Katze = ? AND Gewicht = 3200 AND "
                             "Datum = '2026-01-01'",
                             {katze}))};
            };
            const QStringList jeEinmal{"1", "1", "1", "1"}, keine{"0", "0", "0", "0"};
            if (gespeichert(queen) != jeEinmal || gespeichert(other) != keine)
                u.failed(QStringLiteral("stored for %1: %2, for %3: %4")
                             .arg(queenName, gespeichert(queen).join(','), otherName,
                                  gespeichert(other).join(',')));

            // after a restart the queen shows her rows
            u.quitProgram();
            if (gespeichert(queen) != jeEinmal || gespeichert(other) != keine)
                u.failed(QStringLiteral("after quitting the rows changed"));
            u.startProgram();
            katzeZeigen(u, queenName);
            katzeIstGezeigt(u, queenName);
            seite(u, "Med.Daten");
            const auto enthaelt = [&](const QString &grid, const QString &text) {
                return zeilen(u, grid).filter(text).size() == 1;
            };
            if (!enthaelt("DBGridIMPFUNG", "01.01.2026|Tollwut|01.01.2027"))
                u.failed("the vaccination is not shown: " + zeilen(u, "DBGridIMPFUNG").join(" / "));
            if (!enthaelt("DBGridWURMKUR", "01.01.2026|Milbemax"))
                u.failed("the deworming is not shown: " + zeilen(u, "DBGridWURMKUR").join(" / "));
            u.screenshot("medical-page-after-restart");
            heatTab(u);
            if (zeilen(u, "DBGridRolligkeiten") != QStringList{"|01.01.2026"})
                u.failed("the heat is not shown: " + zeilen(u, "DBGridRolligkeiten").join(" / "));
            u.screenshot("heat-after-restart");
            seite(u, "Wurfdaten/Gewichte");
            if (zeilen(u, "DBGridGewichtstabelle").filter("01.01.2026").size() != 1)
                u.failed("the weighing is not shown: " + zeilen(u, "DBGridGewichtstabelle").join(" / "));
            u.screenshot("weighing-after-restart");
            u.quitProgram();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(JrnHealth)
#include "jrn_health.moc"
