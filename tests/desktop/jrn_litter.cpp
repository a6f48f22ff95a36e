#include "CatRecordSteps.h"
#include "cats/ui/Psuchdlg.h"

#include <QtTest>

using namespace desktop;

namespace {
// The cat search dialog: the name typed, "Suchen" finds the one cat, "OK" takes it.
void suchen(User &u, const QString &name)
{
    const Finder dialog = [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<tav::cats::ui::TSuchenDlg *>(w); d && d->isVisible())
                return static_cast<QWidget *>(d);
        return static_cast<QWidget *>(nullptr);
    };
    u.require([&] { return dialog() && dialog()->isActiveWindow(); }, "the cat search opens");
    u.type(name);
    u.press(dialog, {"Suchen"});
    u.require(
        [&] {
            auto *d = static_cast<tav::cats::ui::TSuchenDlg *>(dialog());
            return d && d->treffer().size() == 1;
        },
        "the search finds " + name);
    u.screenshot("search-" + name.section(' ', 0, 0));
    u.press(dialog, {"OK"});
    u.require([&] { return dialog() == nullptr; }, "the cat search closes");
}

// a date typed into a date field of the record window
void datum(User &u, const QString &feld, const QString &text)
{
    u.click([feld]() -> QWidget * { return imFenster<QWidget>(feld); }, feld);
    u.key("ctrl+a");
    u.type(text);
}

// a kitten entered through "Neuaufnahme": name, sex, birth date and both parents from the search
void kitten(User &u, const QString &name, const QString &geschlecht, const QString &geboren,
            const QString &mutter, const QString &vater)
{
    u.menuItem("KatzeNeuItem");
    seite(u, "Stammdaten");
    u.require([] { return imFenster<QWidget>("DBName") && imFenster<QWidget>("DBName")->hasFocus(); },
              "the name field waits for the new cat");
    u.type(name);
    u.key("Tab");
    datum(u, "DBGebDatum", geboren);
    // on its circle: the button is wider than its text
    u.click([geschlecht] { return User::buttonNamed(imFenster<QWidget>("DBGeschlecht"), {geschlecht}); },
            "the sex " + geschlecht, QPoint(8, 10));
    u.press(katzenFenster, {"Mutter suchen"});
    suchen(u, mutter);
    u.press(katzenFenster, {"Vater suchen"});
    suchen(u, vater);
    u.screenshot("kitten-" + name);
    u.press(katzenFenster, {"Speichern"});
    katzeIstGezeigt(u, name);
}
} // namespace

// A breeder records a mating in a tom's mating book, the litter in the queen's litter book with
// its stud from the search, and two kittens of it through "Neuaufnahme": the tables hold them,
// and the queen's page lists the litter and its kittens again after a restart.
class JrnLitter : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void litter()
    {
        User user("litter");
        const QString failed = runJourney(user, "litter", [](User &u) {
            u.makeDemoHome();
            // a queen and a tom whose names no other cat's name begins with, so the search finds one
            const QString eindeutig = QStringLiteral(
                "Name NOT GLOB '*[^ -~]*' AND NOT EXISTS (SELECT 1 FROM catstamm b WHERE b.LaufendeNummer <> "
                "a.LaufendeNummer AND upper(b.Name) LIKE upper(a.Name) || '%')");
            const int queen =
                zahl(u, "SELECT min(LaufendeNummer) FROM catstamm a WHERE Geschlecht = '2' AND " + eindeutig);
            const int tom =
                zahl(u, "SELECT min(LaufendeNummer) FROM catstamm a WHERE Geschlecht = '1' AND " + eindeutig);
            if (queen <= 0 || tom <= 0)
                u.failed("the demo register has no queen and tom for the journey");
            const QString queenName =
                wert(u, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {queen}).toString();
            const QString tomName =
                wert(u, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {tom}).toString();
            const int wuerfeVorher = zahl(u, "SELECT count(*) FROM wurfbuch WHERE Katze = ?", {queen});

            u.startProgram();
            // the mating in the tom's book
            katzeZeigen(u, tomName);
            katzeIstGezeigt(u, tomName);
            seite(u, "Zuchtbuch");
            knopf(u, "DECKBUCH.DBHinzufuegen");
            datum(u, "DBDeckbuchDecktermin", "10.02.2026");
            knopf(u, "GedeckteKatzeSuchen");
            suchen(u, queenName);
            u.screenshot("mating");
            u.press(katzenFenster, {"Speichern"});
            u.require(
                [] {
                    auto *s = imFenster<QWidget>("DBDeckbuchKatze");
                    return s && !s->property("text").toString().isEmpty();
                },
                "the mating shows the queen");

            // the litter in the queen's book
            katzeZeigen(u, queenName);
            katzeIstGezeigt(u, queenName);
            seite(u, "Zuchtbuch");
            knopf(u, "WURFBUCH.DBHinzufuegen");
            datum(u, "DBWurfbuchDecktermin", "10.02.2026");
            datum(u, "DBWurfbuchWurftag", "16.04.2026");
            knopf(u, "DeckkaterSuchen");
            suchen(u, tomName);
            u.screenshot("litter");
            u.press(katzenFenster, {"Speichern"});
            u.require(
                [] {
                    auto *s = imFenster<QWidget>("DBWurfbuchWurftermin");
                    return s && s->property("text").toString() == "16.04.2026";
                },
                "the litter shows its due date");

            // two kittens of the litter
            kitten(u, "Quirina", "w", "16.04.2026", queenName, tomName);
            kitten(u, "Quentin", "m", "16.04.2026", queenName, tomName);

            const auto pruefen = [&] {
                QStringList fehler;
                if (zahl(u,
                         "SELECT count(*) FROM deckbuch WHERE Kater = ? AND Katze = ? AND Decktermin = "
                         "'2026-02-10'",
                         {tom, queen}) != 1)
                    fehler << "the mating";
                if (zahl(u, "SELECT count(*) FROM wurfbuch WHERE Katze = ?", {queen}) != wuerfeVorher + 1 ||
                    zahl(u,
                         "SELECT count(*) FROM wurfbuch WHERE Katze = ? AND Kater = ? AND Decktermin = "
                         "'2026-02-10' AND Wurftag = '2026-04-16'",
                         {queen, tom}) != 1)
                    fehler << "the litter";
                if (zahl(u,
                         "SELECT count(*) FROM catstamm WHERE Mutter = ? AND Vater = ? AND GebDatum = "
                         "'2026-04-16' AND Name IN ('Quirina', 'Quentin')",
                         {queen, tom}) != 2)
                    fehler << "the kittens";
                return fehler;
            };
            if (const QStringList f = pruefen(); !f.isEmpty())
                u.failed("not stored: " + f.join(", "));

            u.quitProgram();
            if (const QStringList f = pruefen(); !f.isEmpty())
                u.failed("after quitting: " + f.join(", "));
            u.startProgram();
            katzeZeigen(u, queenName);
            katzeIstGezeigt(u, queenName);
            seite(u, "Zuchtbuch");
            // the newest litter shows, with its kittens
            u.require(
                [] {
                    auto *s = imFenster<QWidget>("DBWurfbuchWurftag");
                    return s && s->property("text").toString() == "16.04.2026";
                },
                "the queen's page shows the litter");
            reiter(
                u,
                [] {
                    auto *t = imFenster<QTabWidget>("TabsWurf");
                    return t ? t->tabBar() : nullptr;
                },
                "Jungtiere");
            u.require([] { return zeilenJetzt("DBGridJungtiere").size() == 2; }, "the kittens of the litter");
            u.screenshot("kittens-after-restart");
            const QStringList k = zeilen(u, "DBGridJungtiere");
            if (k.filter("Quirina").size() != 1 || k.filter("Quentin").size() != 1)
                u.failed("the kittens shown: " + k.join(" / "));
            u.quitProgram();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(JrnLitter)
#include "jrn_litter.moc"
