#include "Desktop.h"

#include "app/Global.h"
#include "breeding/ui/Inzuchtgrad.h"
#include "breeding/ui/Nachkommen.h"
#include "cats/CatRules.h"
#include "cats/Stammbaumseite.h"
#include "cats/ui/Psuchdlg.h"
#include "shell/Main.h"
#include "store/Database.h"
#include "store/Query.h"
#include "widgets/DBGrid.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace desktop;

// Parents and ancestors picked from the register, and the windows that follow the cat shown:
// a new cat with sire and dam chosen by the cat search; a missing dam and sire filled from the
// pedigree page with cats of the register (by "Tier laden" and by a "%" search); the direct
// descendants and the inbreeding window following a double click in the cat list.

namespace {

struct Katze {
    int nr = 0;
    QString name, geschlecht;
    int vater = 0, mutter = 0;
};

// the cats of the register as the tables hold them (read beside the program, on the GUI thread)
QVector<Katze> katzen(User &u)
{
    return u.look([&] {
        tav::store::Database db(u.home() + QStringLiteral("/Daten"));
        tav::store::Query q(&db, QStringLiteral("SELECT LaufendeNummer, Name, Geschlecht, Vater, Mutter "
                                                "FROM catstamm ORDER BY LaufendeNummer"));
        q.open();
        QVector<Katze> out;
        for (; !q.eof(); q.next())
            out.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt(),
                        q.value(4).toInt()});
        return out;
    });
}

Katze katze(User &u, int nr)
{
    for (const Katze &k : katzen(u))
        if (k.nr == nr)
            return k;
    return {};
}

// a name that starts no other cat's name, of plain letters, so that typing it finds this cat alone
bool eindeutig(const QVector<Katze> &alle, const Katze &k)
{
    static const QRegularExpression einfach(QStringLiteral("^[A-Za-z ]{6,}$"));
    if (!einfach.match(k.name).hasMatch())
        return false;
    for (const Katze &a : alle)
        if (a.nr != k.nr && a.name.startsWith(k.name, Qt::CaseInsensitive))
            return false;
    return true;
}

// whether `katze` may take `kandidat` as its father ('V') or mother ('M'), as the program checks it
bool passt(User &u, int kandidat, QChar vm, int katze)
{
    return u.look([&] {
        tav::store::Database db(u.home() + QStringLiteral("/Daten"));
        return tav::cats::ahnPruefen(db, kandidat, vm, katze) == 0;
    });
}

QWidget *katzenfenster()
{
    return User::child(QStringLiteral("catstamm"));
}

template <class W> W *imFenster(const QString &name)
{
    QWidget *w = katzenfenster();
    return w ? w->findChild<W *>(name) : nullptr;
}

tav::cats::ui::TSuchenDlg *suche()
{
    auto *d = qobject_cast<tav::cats::ui::TSuchenDlg *>(QApplication::activeModalWidget());
    return d && d->isVisible() ? d : nullptr;
}

// the tab of the cat record window's notebook with that caption
void seite(User &u, const QString &titel)
{
    const QPoint at = u.look([&] {
        auto *tabs = imFenster<QTabWidget>(QStringLiteral("TabbedNotebook1"));
        for (int i = 0; tabs && i < tabs->count(); ++i)
            if (tabs->tabText(i).remove('&') == titel)
                return tabs->tabBar()->tabRect(i).center();
        return QPoint(-1, -1);
    });
    if (at.x() < 0)
        u.failed(QStringLiteral("no page ") + titel);
    u.click([] { return imFenster<QTabWidget>(QStringLiteral("TabbedNotebook1"))->tabBar(); }, titel, at);
    u.require(
        [titel] {
            auto *tabs = imFenster<QTabWidget>(QStringLiteral("TabbedNotebook1"));
            return tabs && tabs->tabText(tabs->currentIndex()).remove('&') == titel;
        },
        QStringLiteral("the page ") + titel + QStringLiteral(" shows"));
}

// the cat of that name found in the main window's list by typing, then double-clicked
void inDerListe(User &u, const QString &name)
{
    const Finder liste = []() -> QWidget * {
        auto *mw = User::mainWindow();
        return mw ? mw->catList()->viewport() : nullptr;
    };
    u.click(liste, "the cat list", QPoint(20, 10));
    u.key("Escape");
    u.type(name);
    u.require(
        [name] {
            auto *g = User::mainWindow()->catList();
            return g->currentIndex().isValid() && g->currentIndex().data().toString() == name;
        },
        QStringLiteral("the list shows ") + name);
    const QPoint zeile = u.look([] {
        auto *g = User::mainWindow()->catList();
        return g->visualRect(g->currentIndex()).center();
    });
    u.click(liste, QStringLiteral("the row of ") + name, zeile, 2);
}

// the cat search dialog: the name typed, searched, the one hit taken
void suchenUndNehmen(User &u, const QString &name)
{
    u.require([] { return suche() != nullptr; }, "the cat search opens");
    u.type(name);
    u.key("Return");
    u.require([] { return suche() && suche()->treffer().size() == 1; },
              QStringLiteral("one hit for ") + name);
    u.screenshot("search-hit");
    u.press([] { return suche(); }, {"OK"});
    u.require([] { return suche() == nullptr; }, "the search closes");
}

// the pedigree page shows, the entry is over
bool amStammbaum()
{
    auto *tabs = imFenster<QTabWidget>(QStringLiteral("TabbedNotebook1"));
    const tav::app::TDatenGlobal *g = tav::app::TDatenGlobal::instance();
    return tabs && tabs->currentIndex() == 1 && g && !g->NeuausStb;
}

// the user sees the widget: nothing lies over its middle
bool frei(QWidget *w)
{
    if (!w || !w->isVisible())
        return false;
    QWidget *hit = QApplication::widgetAt(w->mapToGlobal(w->rect().center()));
    return hit == w || w->isAncestorOf(hit);
}

QString boxText(int n)
{
    auto *b = imFenster<QPlainTextEdit>(QStringLiteral("Stammbaum%1").arg(n));
    return b ? b->toPlainText() : QString();
}

} // namespace

class JrnAncestor : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void newCat()
    {
        User user("new-cat");
        const QString failed = runJourney(user, "new-cat", [](User &u) {
            u.makeDemoHome();
            const QVector<Katze> alle = katzen(u);
            Katze vater, mutter;
            for (const Katze &k : alle) {
                if (!vater.nr && tav::cats::istKater(k.geschlecht) && eindeutig(alle, k))
                    vater = k;
                else if (!mutter.nr && tav::cats::istKatze(k.geschlecht) && eindeutig(alle, k))
                    mutter = k;
            }
            if (!vater.nr || !mutter.nr)
                u.failed("the demo register has a tom and a queen of names of their own");
            u.startProgram();
            u.menuItem("KatzeNeuItem");
            u.require(
                [] { return imFenster<QLineEdit>("DBName") && imFenster<QLineEdit>("DBName")->hasFocus(); },
                "the name field of the new cat has the focus");
            u.type("Journey Neukatze");
            const Finder weiblich = []() -> QWidget * {
                auto *g = imFenster<QGroupBox>("DBGeschlecht");
                for (QRadioButton *r : g ? g->findChildren<QRadioButton *>() : QList<QRadioButton *>())
                    if (r->text() == QLatin1String("w"))
                        return r;
                return nullptr;
            };
            // on its circle: the button takes a click on its circle and its text only
            u.click(weiblich, "the sex w", u.look([&] { return QPoint(8, weiblich()->height() / 2); }));
            u.require([&] { return static_cast<QRadioButton *>(weiblich())->isChecked(); }, "w is chosen");
            u.press(katzenfenster, {"Vater suchen"});
            suchenUndNehmen(u, vater.name);
            u.require([&] { return imFenster<QLineEdit>("DBVater")->text().startsWith(vater.name); },
                      "the sire's name in its field");
            u.press(katzenfenster, {"Mutter suchen"});
            suchenUndNehmen(u, mutter.name);
            u.require([&] { return imFenster<QLineEdit>("DBMutter")->text().startsWith(mutter.name); },
                      "the dam's name in its field");
            u.screenshot("before-save");
            u.press(katzenfenster, {"Speichern"});
            u.require([] { return katzenfenster()->windowTitle().startsWith("Journey Neukatze"); },
                      "the window shows the stored cat");
            const auto gespeichert = [&] {
                for (const Katze &k : katzen(u))
                    if (k.name == QLatin1String("Journey Neukatze"))
                        return k.vater == vater.nr && k.mutter == mutter.nr && k.geschlecht == "2";
                return false;
            };
            if (!gespeichert())
                u.failed("CATSTAMM.DB does not hold the new cat with the sire and dam picked");
            u.quitProgram();

            u.startProgram();
            if (!gespeichert())
                u.failed("after a restart CATSTAMM.DB does not hold the new cat with its parents");
            inDerListe(u, "Journey Neukatze");
            u.require(
                [&] {
                    return imFenster<QLineEdit>("DBVater")->text().startsWith(vater.name) &&
                           imFenster<QLineEdit>("DBMutter")->text().startsWith(mutter.name);
                },
                "after a restart the cat shows its parents");
            u.screenshot("after-restart");
            u.quitProgram();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void ancestor()
    {
        User user("ancestor");
        const QString failed = runJourney(user, "ancestor", [](User &u) {
            u.makeDemoHome();
            const QVector<Katze> alle = katzen(u);
            // a cat without parents and of a name of its own; a queen of a name of her own for her
            // dam and a tom whose first name starts several names for her sire
            Katze kind, mutter, vater;
            QString praefix;
            for (const Katze &k : alle)
                if (!kind.nr && !k.vater && !k.mutter && eindeutig(alle, k))
                    kind = k;
            for (const Katze &k : alle)
                if (!mutter.nr && k.nr != kind.nr && tav::cats::istKatze(k.geschlecht) &&
                    eindeutig(alle, k) && passt(u, k.nr, 'M', kind.nr))
                    mutter = k;
            for (const Katze &k : alle) {
                const QString vorn = k.name.section(' ', 0, 0);
                if (vater.nr || !tav::cats::istKater(k.geschlecht) || vorn.size() < 4 ||
                    !QRegularExpression("^[A-Za-z]+$").match(vorn).hasMatch() ||
                    !passt(u, k.nr, 'V', kind.nr))
                    continue;
                vater = k;
                praefix = vorn;
            }
            if (!kind.nr || !mutter.nr || !vater.nr)
                u.failed("the demo register has a cat without parents and cats for them");
            u.startProgram();
            const QString titel = u.look([] { return User::mainWindow()->windowTitle(); });
            inDerListe(u, kind.name);
            u.require([&] { return katzenfenster()->windowTitle().startsWith(kind.name); }, "the cat shows");
            seite(u, "Stammbaum");
            u.require([&] { return boxText(2).contains(QStringLiteral("{M%1}").arg(kind.nr)); },
                      "the empty box of the dam");
            u.screenshot("pedigree-without-parents");

            // the dam: her name typed into the new record, "Tier laden" in the found-cat dialog
            u.click([] { return imFenster<QPlainTextEdit>("Stammbaum2")->viewport(); },
                    "the dam's empty box");
            u.require(
                [] { return imFenster<QLineEdit>("DBName") && imFenster<QLineEdit>("DBName")->hasFocus(); },
                "the name field of the new ancestor");
            u.require([] { return katzenfenster()->windowTitle() == User::caption(4866); },
                      "the record window says a dam is entered");
            if (u.look([] { return User::mainWindow()->windowTitle(); }) != titel)
                u.failed("the main window's title changed during the entry");
            u.type(mutter.name);
            u.key("Tab");
            const Finder gefunden = [] { return QApplication::activeModalWidget(); };
            u.require([] { return User::buttonNamed(QApplication::activeModalWidget(), {"Tier laden"}); },
                      "the found-cat dialog offers \"Tier laden\"");
            u.screenshot("found-cat");
            u.press(gefunden, {"Tier laden"});
            u.require(
                [&] { return amStammbaum() && boxText(2).contains(QStringLiteral("{%1}").arg(mutter.nr)); },
                "the pedigree shows the dam at once");
            if (katze(u, kind.nr).mutter != mutter.nr)
                u.failed("CATSTAMM.DB does not hold the dam picked");
            u.require([&] { return katzenfenster()->windowTitle().startsWith(kind.name); },
                      "the record window shows the cat again");
            if (u.look([] { return User::mainWindow()->windowTitle(); }) != titel)
                u.failed("the main window's title did not come back");
            u.screenshot("dam-linked");

            // the sire: a name with "%" searches at once among the toms
            u.click([] { return imFenster<QPlainTextEdit>("Stammbaum1")->viewport(); },
                    "the sire's empty box");
            u.require(
                [] { return imFenster<QLineEdit>("DBName") && imFenster<QLineEdit>("DBName")->hasFocus(); },
                "the name field of the new ancestor");
            u.type(praefix + "%");
            u.key("Tab");
            u.require([] { return suche() && suche()->gefunden; }, "the search opens with its results");
            const bool nurKater = u.look([&] {
                for (const auto &t : suche()->treffer())
                    if (!tav::cats::istKater(t.Geschlecht) ||
                        !t.Name.startsWith(praefix, Qt::CaseInsensitive))
                        return false;
                return !suche()->treffer().isEmpty();
            });
            if (!nurKater)
                u.failed("the search does not offer the toms of the typed name");
            u.screenshot("search-results");
            const QPoint zeile = u.look([&] {
                const auto &t = suche()->treffer();
                for (int i = 0; i < t.size(); ++i)
                    if (t[i].LaufendeNummer == vater.nr && suche()->ergebnisSichtbar())
                        return suche()->DBGrid1->visualRect(suche()->DBGrid1->model()->index(i, 0)).center();
                return QPoint(-1, -1);
            });
            if (zeile.x() >= 0) // several hits: the sire's row taken
                u.click([] { return suche()->DBGrid1->viewport(); }, "the sire's row", zeile, 2);
            u.require([&] { return suche() && suche()->Query1LaufendeNummer() == vater.nr; },
                      "the sire chosen");
            u.press([] { return suche(); }, {"OK"});
            u.require(
                [&] { return amStammbaum() && boxText(1).contains(QStringLiteral("{%1}").arg(vater.nr)); },
                "the pedigree shows the sire at once");
            const Katze k = katze(u, kind.nr);
            if (k.vater != vater.nr || k.mutter != mutter.nr)
                u.failed("CATSTAMM.DB does not hold sire and dam picked");
            if (katzen(u).size() != alle.size())
                u.failed("a cat was added");
            u.screenshot("sire-linked");
            u.quitProgram();

            u.startProgram();
            const Katze nachher = katze(u, kind.nr);
            if (nachher.vater != vater.nr || nachher.mutter != mutter.nr)
                u.failed("after a restart CATSTAMM.DB does not hold sire and dam");
            inDerListe(u, kind.name);
            seite(u, "Stammbaum");
            u.require(
                [&] {
                    return boxText(1).contains(QStringLiteral("{%1}").arg(vater.nr)) &&
                           boxText(2).contains(QStringLiteral("{%1}").arg(mutter.nr));
                },
                "after a restart the pedigree shows sire and dam");
            u.screenshot("after-restart");
            u.quitProgram();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void follow()
    {
        User user("follow");
        const QString failed = runJourney(user, "follow", [](User &u) {
            u.makeDemoHome();
            const QVector<Katze> alle = katzen(u);
            // two cats with kittens and parents, of names of their own
            QVector<Katze> eltern;
            for (const Katze &k : alle) {
                int kinder = 0;
                for (const Katze &c : alle)
                    kinder += c.vater == k.nr || c.mutter == k.nr;
                if (kinder && k.vater && k.mutter && eindeutig(alle, k) && eltern.size() < 2)
                    eltern << k;
            }
            if (eltern.size() < 2)
                u.failed("the demo register has two parents of names of their own");
            const auto zeigen = [&u](const Katze &k) {
                u.require(
                    [&] {
                        auto *direkt = tav::breeding::ui::TFormNachkommen::instance();
                        auto *inzucht = tav::breeding::ui::TFormInzuchtgrad::instance();
                        return direkt && direkt->LabelKatze->text() == k.name && inzucht &&
                               inzucht->SatznummerKatze == k.nr &&
                               inzucht->EditKatze->text().startsWith(k.name) &&
                               !inzucht->Edit1->text().isEmpty() && frei(inzucht->EditKatze);
                    },
                    QStringLiteral("the descendants and the inbreeding of ") + k.name, 20000);
            };
            const auto oeffnen = [&u] {
                u.menuItem("DatenderNachkommen1");
                u.require([] { return User::child("formnachkommen"); }, "the direct descendants open");
                u.menuItem("Inzuchtgrad1");
                u.require([] { return User::child("forminzuchtgrad"); }, "the inbreeding window opens");
            };
            u.startProgram();
            inDerListe(u, eltern[0].name);
            oeffnen();
            u.require(
                [&] {
                    return tav::breeding::ui::TFormNachkommen::instance()->LabelKatze->text() ==
                           eltern[0].name;
                },
                "the descendants of the cat shown");
            inDerListe(u, eltern[1].name);
            zeigen(eltern[1]);
            u.screenshot("following");
            inDerListe(u, eltern[0].name);
            zeigen(eltern[0]);
            // the inbreeding window closed, the descendants window lies in front
            u.press([] { return User::child("forminzuchtgrad"); }, {"Zurück"});
            u.require(
                [&] {
                    auto *direkt = tav::breeding::ui::TFormNachkommen::instance();
                    return !User::child("forminzuchtgrad") && direkt && frei(direkt->LabelKatze) &&
                           direkt->LabelKatze->text() == eltern[0].name;
                },
                "the descendants window shows the cat");
            u.screenshot("descendants");
            if (katzen(u).size() != alle.size())
                u.failed("following changed the register");
            u.quitProgram();

            u.startProgram();
            if (katzen(u).size() != alle.size())
                u.failed("after a restart the register changed");
            inDerListe(u, eltern[1].name);
            oeffnen();
            inDerListe(u, eltern[0].name);
            zeigen(eltern[0]);
            u.screenshot("after-restart");
            u.quitProgram();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(JrnAncestor)
#include "jrn_ancestor.moc"
