#define TAV_WITH_CATSTAMM
#include "../common/InzuchtTexte.h"
#include "../common/ProgramFixture.h"
#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "cats/Titel.h"
#include "cats/ui/CatRecordBaseDataPage.h"
#include "cats/ui/CatRecordPicturePage.h"
#include "cats/ui/KatzeGefunden.h"
#include "cats/ui/Pcatstam.h"
#include "cats/ui/Psuchdlg.h"
#include "shell/Main.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/Nav2.h"
#include "widgets/Translator.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;
using namespace tav::store;
using tav::cats::ui::TCatStamm;

namespace {

QStringList shownTexts()
{
    QStringList out;
    for (const auto &s : Scripted::shown())
        out << s.text;
    return out;
}

// The pixels of a rectangle of a picture that are not its background: light ones (text readable on a
// dark colour) and dark ones.
struct Schrift {
    int hell = 0, dunkel = 0, hintergrund = 0;
};
Schrift schriftAuf(const QImage &bild, const QRect &r, const QColor &farbe)
{
    Schrift s;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.rgb() == farbe.rgb())
                ++s.hintergrund;
            else if (c.lightness() > 180)
                ++s.hell;
            else if (c.lightness() < 90)
                ++s.dunkel;
        }
    }
    return s;
}

// press, release, press and double click as the window system sends them (QTest's double click
// releases the button in between, and an item view forgets where it was pressed)
void doppelklick(QWidget *w, const QPoint &p)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, p);
    QTest::mousePress(w, Qt::LeftButton, {}, p);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(w, &dbl);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
}

template <class W> W *byTag(QWidget *root, int tag)
{
    for (W *w : root->findChildren<W *>()) {
        if (w->property("tag").toInt() == tag)
            return w;
    }
    return nullptr;
}
} // namespace

class TstCatStamm : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    TCatStamm *w() const { return TCatStamm::instance(); }
    int catCount() { return scalar(*f.db, "SELECT count(*) FROM catstamm").toInt(); }
    int catNamed(const QString &name)
    {
        return scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Name = ?", {name}).toInt();
    }
    QString statusCount() { return f.main->findChild<QLabel *>("LabelAnzahlderDatensaetze")->text(); }
    DBEdit *nameEdit() { return w()->findChild<DBEdit *>("DBName"); }

    void leaveName()
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(nameEdit(), &out);
    }
    void clickSex(int index)
    {
        auto *group = w()->findChild<DBRadioGroup *>("DBGeschlecht");
        QList<QRadioButton *> buttons = group->findChildren<QRadioButton *>();
        // on the indicator: the button is wider than its text
        QRadioButton *b = buttons.at(index);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    static void tick(QCheckBox *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }
    void newCat(const QString &name)
    {
        f.main->action("KatzeNeuItem")->trigger();
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QTest::keyClicks(nameEdit(), name);
        leaveName();
    }
    void save() { f.main->action("FileSaveAsItem")->trigger(); }
    // a cat of the case's own, stored through the window after the save question
    int katzeSpeichern(const QString &name, int geschlechtKnopf = 1, int vater = 0)
    {
        newCat(name);
        clickSex(geschlechtKnopf);
        if (vater)
            w()->DataSourceCatStamm()->setFieldValue("Vater", vater);
        Scripted::answer(QMessageBox::Yes);
        save();
        Scripted::reset();
        return catNamed(name);
    }
    int m_letzteDemoKatze = 0;

    struct Eintrag {
        int nr;
        QString name, geschlecht;
    };
    QVector<Eintrag> register_()
    {
        QVector<Eintrag> out;
        Query q(f.db.get(), "SELECT LaufendeNummer, Name, Geschlecht FROM catstamm");
        q.open();
        for (; !q.eof(); q.next())
            out.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()});
        return out;
    }
    static bool kater(const QString &g) { return g == "1" || g == "3"; }
    static bool kaetzin(const QString &g) { return g == "2" || g == "4"; }
    // a first letter of at least two cats of the wanted sex and of one of the other sex, so that
    // a search by it alone would offer both
    QString gemischterAnfang(bool vater)
    {
        QHash<QString, QPair<int, int>> zahl; // letter -> (toms, queens)
        for (const Eintrag &e : register_()) {
            const QString p = e.name.left(1).toUpper();
            if (kater(e.geschlecht))
                ++zahl[p].first;
            else if (kaetzin(e.geschlecht))
                ++zahl[p].second;
        }
        QStringList passend;
        for (auto it = zahl.cbegin(); it != zahl.cend(); ++it) {
            const int gewollt = vater ? it.value().first : it.value().second;
            const int andere = vater ? it.value().second : it.value().first;
            if (gewollt >= 2 && andere >= 1)
                passend << it.key();
        }
        passend.sort();
        return passend.value(0);
    }
    QSet<int> registerMit(const QString &prefix, bool vater)
    {
        QSet<int> out;
        for (const Eintrag &e : register_()) {
            if (e.name.startsWith(prefix, Qt::CaseInsensitive) &&
                (vater ? kater(e.geschlecht) : kaetzin(e.geschlecht)))
                out.insert(e.nr);
        }
        return out;
    }
    struct Elternsuche {
        QSet<int> angeboten;
        QStringList geschlechter;
        int formular = -1;
        int gewaehlt = 0;
        QString gewaehlterName;
    };
    // clicks the window's parent button and drives the real search dialog: types the prefix,
    // searches, takes the last hit from the result grid with Enter, OK
    Elternsuche elternWaehlen(const QString &knopf, const QString &prefix)
    {
        Elternsuche r;
        Scripted::dialog([&](QDialog &dlg) {
            auto *d = qobject_cast<tav::cats::ui::TSuchenDlg *>(&dlg);
            if (!d)
                return int(QDialog::Rejected);
            d->show();
            r.formular = int(d->aufrufer.formular);
            QTest::keyClicks(d->EName, prefix);
            QTest::mouseClick(d->BSuchen, Qt::LeftButton);
            for (const tav::cats::KatzeTreffer &t : d->treffer()) {
                r.angeboten.insert(t.LaufendeNummer);
                r.geschlechter << t.Geschlecht;
            }
            if (d->treffer().size() < 2 || !d->ergebnisSichtbar())
                return int(QDialog::Rejected);
            const int zeile = int(d->treffer().size()) - 1;
            r.gewaehlt = d->treffer()[zeile].LaufendeNummer;
            r.gewaehlterName = d->treffer()[zeile].Name;
            d->DBGrid1->setFocus();
            d->DBGrid1->setCurrentIndex(d->DBGrid1->model()->index(zeile, 0));
            QTest::keyClick(d->DBGrid1, Qt::Key_Return);
            QTest::mouseClick(d->BOK, Qt::LeftButton);
            return d->result();
        });
        QPushButton *b = nullptr;
        for (QPushButton *p : w()->findChildren<QPushButton *>())
            if (p->text() == knopf)
                b = p;
        if (b)
            QTest::mouseClick(b, Qt::LeftButton);
        return r;
    }
    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QString failed = f.start(QSize(1280, 860), false);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        failed = f.openCatStamm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QVERIFY(f.main->action("KatzeNeuItem")->isEnabled());
        QVERIFY(w()->nichtGeoeffnet().isEmpty());
        // four entries of the window menu are gone: restore, size and the two after them
        auto *sub = qobject_cast<QMdiSubWindow *>(w()->parentWidget());
        QVERIFY(sub && sub->systemMenu());
        QMdiSubWindow plain;
        QCOMPARE(sub->systemMenu()->actions().size(), plain.systemMenu()->actions().size() - 4);
        m_letzteDemoKatze = scalar(*f.db, "SELECT max(LaufendeNummer) FROM catstamm").toInt();
    }

    void cleanupTestCase() { f.stop(); }

    void init() { Scripted::reset(); }

    void cleanup()
    {
        Scripted::reset();
        if (w() && w()->DBCatStamm()->isEditing())
            w()->DataSourceCatStamm()->undo();
        settle();
    }

    // the nine pages of the edition, with the pages of later work present as tabs
    void pagesOfTheEdition()
    {
        QCOMPARE(w()->notebook()->count(), 9);
        QCOMPARE(w()->notebook()->tabText(0), QString("&Stammdaten"));
        QCOMPARE(w()->notebook()->tabText(8), QString("Dokumente"));
        QCOMPARE(w()->notebook()->indexOf(w()->page(TCatStamm::SeiteZuchtwert)), -1);
    }

    void newCatIsStoredAfterYes()
    {
        const int before = catCount();
        const int shownBefore = w()->aktuelleKatze();
        newCat("Amira  vom Lindenhof ");
        QCOMPARE(f.main->tmpTiervorNeuaufnahme, shownBefore);
        // the name is normalised and its cattery split off when the field is left
        QCOMPARE(w()->DBCatStamm()->text("Name"), QString("Amira vom Lindenhof"));
        QCOMPARE(w()->DBCatStamm()->text("Zwinger"), QString("Lindenhof"));
        QCOMPARE(w()->DBCatStamm()->intValue("Status"), 2);
        clickSex(1);
        QCOMPARE(w()->DBCatStamm()->text("Geschlecht"), QString("2"));
        Scripted::answer(QMessageBox::Yes);
        save();
        QVERIFY(shownTexts().contains(messageText(29)));
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);

        const int nr = catNamed("Amira vom Lindenhof");
        QVERIFY(nr > 0);
        QCOMPARE(catCount(), before + 1);
        QCOMPARE(scalar(*f.db, "SELECT Zwinger FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString(),
                 QString("Lindenhof"));
        QCOMPARE(scalar(*f.db, "SELECT Geschlecht FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString(),
                 QString("2"));
        QCOMPARE(w()->aktuelleKatze(), nr);
        QVERIFY(w()->windowTitle().startsWith("Amira vom Lindenhof"));
        // main list, recent cats and status line follow
        QCOMPARE(f.main->currentListCat(), nr);
        QVERIFY(f.main->recentCats().entries().first().endsWith(QString("{%1}").arg(nr)));
        QCOMPARE(statusCount(), QString::number(before + 1));
    }

    // the typical event: a new cat from the menu, its parents chosen through the search dialog
    void newCatWithParentsChosenThroughTheSearch()
    {
        const int before = catCount();
        QCOMPARE(statusCount(), QString::number(before));
        const QString vaterAnfang = gemischterAnfang(true);
        const QString mutterAnfang = gemischterAnfang(false);
        QVERIFY(!vaterAnfang.isEmpty());
        QVERIFY(!mutterAnfang.isEmpty());

        f.main->runCommand("KatzeNeuItem");
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QTest::keyClicks(nameEdit(), "Nala vom Sonnenhang");
        leaveName();
        QCOMPARE(w()->DBCatStamm()->text("Zwinger"), QString("Sonnenhang"));
        clickSex(1);

        // the father: only toms are offered, though the prefix also starts queens' names
        const Elternsuche vater = elternWaehlen("Vater suchen", vaterAnfang);
        QCOMPARE(vater.formular, 3);
        QVERIFY(!vater.geschlechter.isEmpty());
        for (const QString &g : vater.geschlechter)
            QVERIFY2(kater(g), qPrintable("sex " + g + " offered as father"));
        QCOMPARE(vater.angeboten, registerMit(vaterAnfang, true));
        QVERIFY(vater.gewaehlt > 0);
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QCOMPARE(w()->DBCatStamm()->intValue("Vater"), vater.gewaehlt);
        QVERIFY(w()->findChild<QLineEdit *>("DBVater")->text().startsWith(vater.gewaehlterName));

        // the mother: only queens
        const Elternsuche mutter = elternWaehlen("Mutter suchen", mutterAnfang);
        QCOMPARE(mutter.formular, 3);
        QVERIFY(!mutter.geschlechter.isEmpty());
        for (const QString &g : mutter.geschlechter)
            QVERIFY2(kaetzin(g), qPrintable("sex " + g + " offered as mother"));
        QCOMPARE(mutter.angeboten, registerMit(mutterAnfang, false));
        QVERIFY(mutter.gewaehlt > 0);
        QCOMPARE(w()->DBCatStamm()->intValue("Mutter"), mutter.gewaehlt);
        QCOMPARE(w()->DBCatStamm()->intValue("Vater"), vater.gewaehlt);
        QVERIFY(w()->findChild<QLineEdit *>("DBMutter")->text().startsWith(mutter.gewaehlterName));
        // the dialogs only: no message on the way
        for (const auto &shown : Scripted::shown())
            QCOMPARE(shown.kind, QString("dialog"));

        // saving with the save question on
        QVERIFY(!tsysteminfo::instance()->speichern);
        Scripted::answer(QMessageBox::Yes);
        save();
        QVERIFY(shownTexts().contains(messageText(29)));
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        const int nr = catNamed("Nala vom Sonnenhang");
        QVERIFY(nr > 0);
        QCOMPARE(catCount(), before + 1);
        QCOMPARE(scalar(*f.db, "SELECT Vater FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt(),
                 vater.gewaehlt);
        QCOMPARE(scalar(*f.db, "SELECT Mutter FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt(),
                 mutter.gewaehlt);
        QCOMPARE(scalar(*f.db, "SELECT Zwinger FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString(),
                 QString("Sonnenhang"));
        QCOMPARE(scalar(*f.db, "SELECT Geschlecht FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString(),
                 QString("2"));
        QCOMPARE(w()->aktuelleKatze(), nr);
        QCOMPARE(f.main->currentListCat(), nr);
        QVERIFY(f.main->recentCats().entries().first().endsWith(QString("{%1}").arg(nr)));
        QCOMPARE(statusCount(), QString::number(before + 1));
    }

    void cancelledParentSearchChangesNothing()
    {
        const int kater = scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Geschlecht = '1'").toInt();
        const int nr = katzeSpeichern("Nora vom Sonnenhang", 1, kater);
        QVERIFY(nr > 0);
        QVERIFY(w()->zeigeKatze(nr));
        const int vaterVorher = w()->DBCatStamm()->intValue("Vater");
        QCOMPARE(vaterVorher, kater);
        Scripted::dialog([](QDialog &dlg) {
            auto &d = static_cast<tav::cats::ui::TSuchenDlg &>(dlg);
            d.show();
            QTest::mouseClick(d.BSuchen, Qt::LeftButton);
            QTest::mouseClick(d.BAbbruch, Qt::LeftButton);
            return d.result();
        });
        for (QPushButton *p : w()->findChildren<QPushButton *>())
            if (p->text() == "Vater suchen")
                QTest::mouseClick(p, Qt::LeftButton);
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        QCOMPARE(w()->DBCatStamm()->intValue("Vater"), vaterVorher);
    }

    void noAtTheSaveQuestionStoresNothing()
    {
        const int before = catCount();
        const int shownBefore = w()->aktuelleKatze();
        newCat("Bella");
        clickSex(0);
        Scripted::answer(QMessageBox::No);
        save();
        QVERIFY(shownTexts().contains(messageText(29)));
        QCOMPARE(catCount(), before);
        QCOMPARE(catNamed("Bella"), 0);
        QTRY_COMPARE(w()->aktuelleKatze(), shownBefore);
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
    }

    void checksBeforeThePost()
    {
        const int before = catCount();
        // no sex: message 169, No keeps the input
        newCat("Cora");
        Scripted::answer(QMessageBox::No);
        save();
        QVERIFY(shownTexts().contains(messageText(169)));
        QVERIFY(!shownTexts().contains(messageText(29)));
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QCOMPARE(w()->DBCatStamm()->text("Name"), QString("Cora"));
        // Yes discards it
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        save();
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        QCOMPARE(catCount(), before);

        // no name: message 148, No keeps the new record on page 0
        f.main->action("KatzeNeuItem")->trigger();
        clickSex(0);
        Scripted::reset();
        Scripted::answer(QMessageBox::No);
        save();
        QVERIFY(shownTexts().contains(messageText(148)));
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QCOMPARE(w()->notebook()->currentIndex(), 0);
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        save();
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        QCOMPARE(catCount(), before);
    }

    void invalidDateIsRefusedAndInputStays()
    {
        const int before = catCount();
        newCat("Dora vom Bach");
        clickSex(0);
        auto *geb = w()->findChild<DBDateEdit *>("DBGebDatum");
        geb->clear();
        QTest::keyClicks(geb, "31.02.2020");
        Scripted::answer(QMessageBox::Yes);
        save();
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY(Scripted::shown().first().text.contains("31.02.2020"));
        QCOMPARE(Scripted::shown().first().icon, MsgIcon::Warning);
        QCOMPARE(catCount(), before);
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QCOMPARE(nameEdit()->text(), QString("Dora vom Bach"));
        QCOMPARE(w()->DBCatStamm()->text("Zwinger"), QString("Bach"));
        // corrected, it is stored with the rest of the input
        geb->clear();
        QTest::keyClicks(geb, "01.02.2020");
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        save();
        const int nr = catNamed("Dora vom Bach");
        QVERIFY(nr > 0);
        QCOMPARE(scalar(*f.db, "SELECT GebDatum FROM catstamm WHERE LaufendeNummer = ?", {nr}).toDate(),
                 QDate(2020, 2, 1));
        QVERIFY(!w()->findChild<QLineEdit *>("DBAlterAkt")->text().isEmpty());
    }

    void undoOfANewCatReturnsToTheCatBefore()
    {
        const int shownBefore = w()->aktuelleKatze();
        newCat("Emma");
        QTest::mouseClick(w()->findChild<QPushButton *>("BitBtnRueckgaengig"), Qt::LeftButton);
        QTRY_COMPARE(w()->aktuelleKatze(), shownBefore);
        QCOMPARE(catNamed("Emma"), 0);
    }

    void navigatorBrowsesAndPostsEdits()
    {
        TDBNavigatorSpec *nav = w()->navigator();
        QTest::mouseClick(nav->button(TNavigateBtn::nbFirst), Qt::LeftButton);
        QCOMPARE(w()->DBCatStamm()->recNo(), 1);
        const int first = w()->aktuelleKatze();
        QTest::mouseClick(nav->button(TNavigateBtn::nbNext), Qt::LeftButton);
        QCOMPARE(w()->DBCatStamm()->recNo(), 2);
        const int second = w()->aktuelleKatze();
        QVERIFY(second != first);
        QCOMPARE(f.main->currentListCat(), second);
        QVERIFY(f.main->recentCats().entries().first().endsWith(QString("{%1}").arg(second)));
        QVERIFY(w()->windowTitle().startsWith(w()->DBCatStamm()->text("Name")));

        // an edit is posted (after the question) when the navigator moves on
        DBEdit *rufname = nullptr;
        for (DBEdit *e : w()->findChildren<DBEdit *>())
            if (e->field() == "Rufname")
                rufname = e;
        QVERIFY(rufname);
        rufname->clear();
        QTest::keyClicks(rufname, "Mietz");
        Scripted::answer(QMessageBox::Yes);
        QTest::mouseClick(nav->button(TNavigateBtn::nbPrior), Qt::LeftButton);
        QCOMPARE(w()->aktuelleKatze(), first);
        QCOMPARE(scalar(*f.db, "SELECT Rufname FROM catstamm WHERE LaufendeNummer = ?", {second}).toString(),
                 QString("Mietz"));

        // a new cat is not stored by moving away from it (after asking, as it holds input)
        const int before = catCount();
        newCat("Fiona");
        clickSex(1);
        Scripted::reset();
        Scripted::answer(QMessageBox::No);
        QTest::mouseClick(nav->button(TNavigateBtn::nbLast), Qt::LeftButton);
        QCOMPARE(shownTexts(), QStringList{messageText(9150)});
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        QCOMPARE(catCount(), before);
        QCOMPARE(w()->DBCatStamm()->recNo(), w()->DBCatStamm()->recordCount());
    }

    // "Abbrechen" in the found-cat dialog drops the new record and shows the cat of that name, not
    // the cat shown before
    void foundCatDialogShowsTheFoundCat()
    {
        QTest::mouseClick(w()->navigator()->button(TNavigateBtn::nbFirst), Qt::LeftButton);
        const int vorher = w()->aktuelleKatze();
        const int before = catCount();
        const int gefunden = scalar(*f.db,
                                    "SELECT min(LaufendeNummer) FROM catstamm WHERE LaufendeNummer <> ? "
                                    "AND Name IN (SELECT Name FROM catstamm GROUP BY upper(Name) "
                                    "HAVING count(*) = 1)",
                                    {vorher})
                                 .toInt();
        QVERIFY(gefunden > 0);
        const QString name =
            scalar(*f.db, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {gefunden}).toString();
        Scripted::dialog([](QDialog &dlg) {
            auto &d = static_cast<tav::cats::ui::TFormKatzegefunden &>(dlg);
            d.show();
            QTest::mouseClick(d.BAbbrechen, Qt::LeftButton);
            return d.result();
        });
        newCat(name.toLower());
        QCOMPARE(Scripted::shown().size(), 1);
        settle();
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        QCOMPARE(w()->aktuelleKatze(), gefunden);
        QCOMPARE(nameEdit()->text(), name);
        QVERIFY(w()->windowTitle().startsWith(name));
        QCOMPARE(f.main->currentListCat(), gefunden);
        QVERIFY(f.main->recentCats().entries().first().endsWith(QString("{%1}").arg(gefunden)));
        QCOMPARE(catCount(), before);
    }

    // moving away from a new cat that holds typed input asks: Yes saves (without asking again), No
    // drops it, Cancel stays on it; through the navigator, recent cats, main list, search and closing
    void typedInputOfANewCatIsNeverDroppedSilently()
    {
        TDBNavigatorSpec *nav = w()->navigator();
        const int ziel = katzeSpeichern("Wanda vom Bach");
        const int before = catCount();
        QVERIFY(ziel > 0);
        auto gefragt = [] { return shownTexts() == QStringList{messageText(9150)}; };
        // the program entry's search, as the main window gets it at start-up
        TMirravel::CatRecordHooks hooks = TMirravel::catRecordHooks();
        hooks.katzeSuchen = [this] { return tav::cats::ui::runCatSearch(f.main.get(), 0); };
        TMirravel::setCatRecordHooks(hooks);
        auto bleibt = [&](const QString &name) {
            return w()->DBCatStamm()->state() == Table::State::Insert && nameEdit()->text() == name;
        };

        // the navigator: Cancel stays, the button does nothing
        newCat("Gina");
        Scripted::reset();
        Scripted::answer(QMessageBox::Cancel);
        QTest::mouseClick(nav->button(TNavigateBtn::nbFirst), Qt::LeftButton);
        QVERIFY(gefragt());
        QVERIFY(bleibt("Gina"));
        // the main list: a double click on another cat
        Scripted::reset();
        Scripted::answer(QMessageBox::Cancel);
        f.main->positionListOn(ziel);
        DBGrid *liste = f.main->catList();
        const QRect zeile = liste->visualRect(liste->currentIndex());
        doppelklick(liste->viewport(), zeile.center());
        QVERIFY(gefragt());
        QVERIFY(bleibt("Gina"));
        // the search: the chosen cat is not shown
        Scripted::reset();
        Scripted::dialog([&](QDialog &dlg) {
            auto &d = static_cast<tav::cats::ui::TSuchenDlg &>(dlg);
            d.show();
            QTest::keyClicks(d.EName, "Wanda vom Bach");
            QTest::mouseClick(d.BSuchen, Qt::LeftButton);
            QTest::mouseClick(d.BOK, Qt::LeftButton);
            return d.result();
        });
        Scripted::answer(QMessageBox::Cancel);
        f.main->runCommand("FileSaveItem");
        QCOMPARE(Scripted::shown().size(), 2);
        QCOMPARE(Scripted::shown().last().text, messageText(9150));
        QVERIFY(bleibt("Gina"));
        // closing the program: Yes to the exit question, Cancel to the new cat keeps both running
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        Scripted::answer(QMessageBox::Cancel);
        QVERIFY(!f.main->close());
        QCOMPARE(Scripted::shown().last().text, messageText(9150));
        QVERIFY(!f.main->ProgrammEnde);
        QVERIFY(w() && bleibt("Gina"));
        // a recent cat: No drops the new cat and shows that one
        Scripted::reset();
        Scripted::answer(QMessageBox::No);
        f.main->Load_LastCats(ziel);
        QVERIFY(gefragt());
        settle();
        QCOMPARE(w()->aktuelleKatze(), ziel);
        QCOMPARE(f.main->currentListCat(), ziel);
        QCOMPARE(catCount(), before);
        QCOMPARE(catNamed("Gina"), 0);

        // Yes stores it, with its checks but without the save question a second time
        newCat("Hanna vom Hof");
        clickSex(1);
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        QTest::mouseClick(nav->button(TNavigateBtn::nbFirst), Qt::LeftButton);
        QVERIFY(gefragt());
        const int hanna = catNamed("Hanna vom Hof");
        QVERIFY(hanna > 0);
        QCOMPARE(catCount(), before + 1);
        QCOMPARE(w()->DBCatStamm()->recNo(), 1);
        // a check that keeps the input keeps the window on the new cat: no sex, No to message 169
        newCat("Ilka");
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        Scripted::answer(QMessageBox::No);
        QTest::mouseClick(nav->button(TNavigateBtn::nbFirst), Qt::LeftButton);
        QCOMPARE(shownTexts(), (QStringList{messageText(9150), messageText(169)}));
        QVERIFY(bleibt("Ilka"));
        Scripted::reset();
        QTest::mouseClick(w()->findChild<QPushButton *>("BitBtnRueckgaengig"), Qt::LeftButton);
        settle();

        // a new cat without input goes without a question
        f.main->action("KatzeNeuItem")->trigger();
        Scripted::reset();
        QTest::mouseClick(nav->button(TNavigateBtn::nbLast), Qt::LeftButton);
        QVERIFY(Scripted::shown().isEmpty());
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        QCOMPARE(catCount(), before + 1);
    }

    void freeTitlesAreSavedAfterTheQuestion()
    {
        const int ohneTitel = katzeSpeichern("Gina vom Bach");
        const int nr = katzeSpeichern("Hanna vom Lindenhof");
        QVERIFY(ohneTitel > 0 && nr > 0);
        QVERIFY(w()->zeigeKatze(nr));
        const QList<QCheckBox *> boxes = w()->findChildren<QCheckBox *>(QRegularExpression("^Titel_\\d+$"));
        QVERIFY(boxes.size() >= 2);
        tick(boxes[0]);
        tick(boxes[1]);
        QVERIFY(w()->basisSeite()->titelEingabe());
        QVERIFY(w()->findChild<QPushButton *>("BitBtnSpeichern")->isEnabled());
        Scripted::answer(QMessageBox::No);
        w()->Speichern();
        QVERIFY(tav::cats::titelKuerzelDerKatze(*f.db, nr).isEmpty());

        tick(boxes[0]);
        tick(boxes[1]);
        Scripted::answer(QMessageBox::Yes);
        w()->Speichern();
        QCOMPARE(tav::cats::titelKuerzelDerKatze(*f.db, nr).size(), 2);
        QCOMPARE(f.global->GetTitel(nr), tav::cats::titelKuerzelDerKatze(*f.db, nr).join("/"));
        QVERIFY(!w()->basisSeite()->titelEingabe());
        // another cat and back: the ticks show the stored rows
        w()->zeigeKatze(ohneTitel);
        QVERIFY(w()->basisSeite()->titelKuerzelAngehakt().isEmpty());
        w()->zeigeKatze(nr);
        QCOMPARE(w()->basisSeite()->titelKuerzelAngehakt().size(), 2);
    }

    void documentThatCannotBeOpenedIsSaid()
    {
        const int nr = katzeSpeichern("Doro vom Lindenhof");
        {
            Table d(f.db.get(), "DOKUMENTE.DB");
            d.open();
            d.append();
            d.setValue("KatzeNr", nr);
            d.setValue("DokPfad", "/nicht/mehr/da.pdf");
            d.post();
        }
        QVERIFY(w()->zeigeKatze(nr));
        w()->showPage(TCatStamm::SeiteDokumente);
        QPushButton *ansehen = nullptr;
        for (QPushButton *b : w()->page(TCatStamm::SeiteDokumente)->findChildren<QPushButton *>())
            if (b->text().remove(QLatin1Char('&')).contains("ansehen"))
                ansehen = b;
        QVERIFY(ansehen);
        QTest::mouseClick(ansehen, Qt::LeftButton);
        QCOMPARE(shownTexts(), QStringList{messageText(9500) + " /nicht/mehr/da.pdf"});
    }

    void picturesAndThePictureForPrint()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 3; ++i) {
            QImage img(40 + 20 * i, 30, QImage::Format_RGB32);
            img.fill(QColor::fromHsv(i * 90, 200, 200));
            paths << dir.filePath(QString("bild%1.jpg").arg(i + 1));
            QVERIFY(img.save(paths.last()));
        }
        const int nr = katzeSpeichern("Ida vom Lindenhof");
        QVERIFY(w()->zeigeKatze(nr));
        w()->showPage(TCatStamm::SeiteBild);
        QWidget *page = w()->page(TCatStamm::SeiteBild);
        QPushButton *load = nullptr;
        for (QPushButton *b : page->findChildren<QPushButton *>())
            if (b->text().remove(QLatin1Char('&')).contains("laden"))
                load = b;
        QVERIFY(load);
        for (const QString &p : paths) {
            Scripted::file(p);
            Scripted::answer(QMessageBox::Yes);
            QTest::mouseClick(load, Qt::LeftButton);
        }
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM bilder WHERE KatzeNr = ?", {nr}).toInt(), 3);
        QCOMPARE(w()->bildSeite()->anzahl(), 3);
        QCOMPARE(w()->bildSeite()->aktuelles(), 3);
        QCOMPARE(w()->bildFuerDruck(), paths[0]);
        QCOMPARE(page->findChild<QLabel *>("LabelBildZaehler")->text(), QString("Bild 3 von 3"));

        // a missing file is reported with its name and not stored
        Scripted::reset();
        Scripted::file(dir.filePath("fehlt.jpg"));
        QTest::mouseClick(load, Qt::LeftButton);
        QCOMPARE(Scripted::shown().last().kind, QString("message"));
        QVERIFY(Scripted::shown().last().text.contains("fehlt.jpg"));
        QVERIFY(Scripted::shown().last().text.startsWith(messageText(24)));
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM bilder WHERE KatzeNr = ?", {nr}).toInt(), 3);

        // the picture for print: a number beyond the pictures is refused and stored as 0
        auto *feld2 = page->findChild<DBEdit *>("DBEditFeld2");
        feld2->clear();
        QTest::keyClicks(feld2, "3");
        Q_EMIT feld2->editingFinished();
        QCOMPARE(w()->bildFuerDruck(), paths[2]);
        Scripted::reset();
        feld2->clear();
        QTest::keyClicks(feld2, "9");
        Q_EMIT feld2->editingFinished();
        QVERIFY(shownTexts().contains(messageText(227)));
        QCOMPARE(w()->DBCatStamm()->intValue("Feld2"), 0);
        feld2->clear();
        QTest::keyClicks(feld2, "3");
        Q_EMIT feld2->editingFinished();
        Scripted::answer(QMessageBox::Yes);
        w()->Speichern();
        QCOMPARE(scalar(*f.db, "SELECT Feld2 FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt(), 3);

        // deleting a picture in front of it keeps the choice on the same picture
        w()->findChild<QFrame *>("Rahmen1")->setFocus();
        QTest::mouseClick(w()->findChild<QFrame *>("Rahmen1"), Qt::LeftButton);
        QCOMPARE(w()->bildSeite()->aktuelles(), 1);
        QPushButton *remove = nullptr;
        for (QPushButton *b : page->findChildren<QPushButton *>())
            if (b->text().remove(QLatin1Char('&')).contains("löschen"))
                remove = b;
        Scripted::answer(QMessageBox::Yes); // message 27
        Scripted::answer(QMessageBox::Yes); // message 29 for Feld2
        QTest::mouseClick(remove, Qt::LeftButton);
        w()->Speichern();
        QCOMPARE(w()->bildSeite()->anzahl(), 2);
        QCOMPARE(scalar(*f.db, "SELECT Feld2 FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt(), 2);
        QCOMPARE(w()->bildFuerDruck(), paths[2]);
        w()->showPage(TCatStamm::SeiteStammdaten);
    }

    // a cat with the trait "Klon" (pure blue): its name field and its row of the main list show
    // light text; a copy of it shows only what the copy itself has, before and after it is stored
    void colouredTextStaysReadableAndACopyShowsItsOwnState()
    {
        const int nr = katzeSpeichern("Alma vom Lindenhof");
        const int klon = scalar(*f.db, "SELECT LaufendeNummer FROM merkmale WHERE Kuerzel = 'Klon'").toInt();
        const int titel = scalar(*f.db, "SELECT MIN(LaufendeNummer) FROM titelbez").toInt();
        QVERIFY(nr > 0 && klon > 0 && titel > 0);
        QTemporaryDir dir;
        QImage img(60, 40, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        QVERIFY(img.save(dir.filePath("amira.jpg")));
        auto neueZeile = [&](const char *tabelle, const QVariantMap &werte) {
            Table t(f.db.get(), tabelle);
            t.open();
            t.append();
            for (auto it = werte.cbegin(); it != werte.cend(); ++it)
                t.setValue(it.key(), it.value());
            t.post();
        };
        neueZeile("KATZEMERKMAL.DB", {{"Katze", nr}, {"Merkmal", klon}});
        neueZeile("BILDER.DB", {{"KatzeNr", nr}, {"Bildpfad", dir.filePath("amira.jpg")}});
        neueZeile("TITELHUND.DB", {{"Hund", nr}, {"Titel", titel}});
        f.main->refreshListColours();
        QVERIFY(w()->zeigeKatze(nr));
        settle();
        const QColor blau(0, 0, 255);
        const Schrift feld =
            schriftAuf(nameEdit()->grab().toImage(), nameEdit()->rect().adjusted(4, 4, -4, -4), blau);
        QVERIFY2(feld.hintergrund > 0 && feld.hell > 0 && feld.dunkel == 0,
                 qPrintable(QString("%1 %2 %3").arg(feld.hintergrund).arg(feld.hell).arg(feld.dunkel)));
        DBGrid *liste = f.main->catList();
        f.main->positionListOn(nr);
        const int zeile = liste->currentIndex().row();
        liste->selectRow(zeile > 0 ? zeile - 1 : zeile + 1); // a selected row shows the selection
        settle();
        const QRect zelle = liste->visualRect(liste->model()->index(zeile, 0)).adjusted(2, 2, -3, -3);
        const Schrift reihe = schriftAuf(liste->viewport()->grab().toImage(), zelle, blau);
        QVERIFY2(reihe.hintergrund > 0 && reihe.hell > 0 && reihe.dunkel == 0,
                 qPrintable(QString("%1 %2 %3").arg(reihe.hintergrund).arg(reihe.hell).arg(reihe.dunkel)));

        // the copy: no picture, no titles, no traits, no name colour of the original
        auto *merkmale = w()->findChild<QPlainTextEdit *>("MemoMerkmale");
        QVERIFY(w()->bildSeite()->anzahl() > 0 && !w()->bildFuerDruck().isEmpty());
        QVERIFY(!w()->basisSeite()->titelKuerzelAngehakt().isEmpty());
        QCOMPARE(merkmale->toPlainText(), QString("Klon"));
        auto eigenerStand = [&] {
            QCOMPARE(nameEdit()->text(), QString("Alma vom Lindenhof Kopie"));
            QCOMPARE(w()->bildSeite()->anzahl(), 0);
            QVERIFY(w()->bildFuerDruck().isEmpty());
            QVERIFY(w()->basisSeite()->titelKuerzelAngehakt().isEmpty());
            QVERIFY(merkmale->toPlainText().isEmpty());
            const QImage bild = nameEdit()->grab().toImage();
            QVERIFY(schriftAuf(bild, nameEdit()->rect().adjusted(4, 4, -4, -4), blau).hintergrund == 0);
        };
        f.main->runCommand("Katzekopieren1");
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        eigenerStand();
        Scripted::answer(QMessageBox::Yes);
        save();
        const int kopie = catNamed("Alma vom Lindenhof Kopie");
        QVERIFY(kopie > 0 && kopie != nr);
        QCOMPARE(w()->aktuelleKatze(), kopie);
        eigenerStand();
        Table bilder(f.db.get(), "BILDER.DB"); // the picture goes with its file
        bilder.open();
        QVERIFY(bilder.locate("Bildpfad", dir.filePath("amira.jpg")));
        bilder.remove();
    }

    void showResultsAndBreedingValueSums()
    {
        const int nr = katzeSpeichern("Jola vom Bach");
        QVERIFY(w()->zeigeKatze(nr));
        auto *grid = w()->findChild<DBGrid *>("DBGridTICA");
        QVERIFY(grid);
        DataSource *src = grid->tableModel()->dataSource();
        Scripted::answer(QMessageBox::Yes);
        QVERIFY(src->append());
        src->setFieldValue("BOC", 5);
        src->setFieldValue("BOD", 7);
        QVERIFY(src->save());
        QCOMPARE(src->table()->intValue("Summe"), 12);
        QCOMPARE(scalar(*f.db, "SELECT Katze FROM cfatica WHERE BOC = 5").toInt(), nr);
    }

    void deleteAsksAndKeepsTheDetailRows()
    {
        const int nr = katzeSpeichern("Kira vom Lindenhof");
        QVERIFY(nr > 0);
        {
            Table bilder(f.db.get(), "BILDER.DB");
            bilder.open();
            for (const char *pfad : {"/bilder/kira1.jpg", "/bilder/kira2.jpg"}) {
                bilder.append();
                bilder.setValue("KatzeNr", nr);
                bilder.setValue("Bildpfad", QString(pfad));
                bilder.post();
            }
            const auto katalog = tav::cats::titelKatalog(*f.db);
            QVERIFY(katalog.size() >= 2);
            tav::cats::titelSpeichern(*f.db, nr, {katalog[0].LaufendeNummer, katalog[1].LaufendeNummer});
        }
        QVERIFY(w()->zeigeKatze(nr));
        QCOMPARE(f.main->currentListCat(), nr);
        const int before = catCount();
        Scripted::answer(QMessageBox::No);
        f.main->action("loeschen")->trigger();
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY(Scripted::shown().first().text.startsWith("<<Kira vom Lindenhof>>"));
        QCOMPARE(catCount(), before);
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        f.main->action("loeschen")->trigger();
        QCOMPARE(catCount(), before - 1);
        QCOMPARE(catNamed("Kira vom Lindenhof"), 0);
        QCOMPARE(statusCount(), QString::number(before - 1));
        QVERIFY(w()->aktuelleKatze() != nr);
        QVERIFY(w()->aktuelleKatze() > 0);
        // nor is it a recent cat any more
        QVERIFY(!f.main->recentCats().entries().join(' ').contains(QString("{%1}").arg(nr)));
        // pictures and titles stay where they are
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM bilder WHERE KatzeNr = ?", {nr}).toInt(), 2);
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM titelhund WHERE Hund = ?", {nr}).toInt(), 2);
    }

    void recentCatsEntryShowsTheCat()
    {
        const int nr = katzeSpeichern("Lina vom Bach");
        QVERIFY(w()->zeigeKatze(m_letzteDemoKatze));
        f.main->Load_LastCats(nr);
        QCOMPARE(w()->aktuelleKatze(), nr);
        QCOMPARE(f.main->currentListCat(), nr);

        // an entry whose cat is gone (deleted elsewhere) goes with a message; the window stays
        const int weg = scalar(*f.db, "SELECT max(LaufendeNummer) + 100 FROM catstamm").toInt();
        f.main->addRecentCat("Verschwunden", weg);
        QAction *eintrag = nullptr;
        for (QAction *a : f.main->findChild<QMenu *>("KatzenMenu")->actions())
            if (a->text() == QString("Verschwunden {%1}").arg(weg))
                eintrag = a;
        QVERIFY(eintrag);
        Scripted::reset();
        eintrag->trigger();
        QCOMPARE(shownTexts(), QStringList{messageText(9151)});
        QCOMPARE(w()->aktuelleKatze(), nr);
        QVERIFY(!f.main->recentCats().entries().join(' ').contains("Verschwunden"));
        for (QAction *a : f.main->findChild<QMenu *>("KatzenMenu")->actions())
            QVERIFY(!a->text().startsWith("Verschwunden"));
    }

    // the record shows the cat's inbreeding and ancestor loss as the calculation gives them
    void coefficientsOfTheCatShown()
    {
        const int nr = scalar(*f.db,
                              "SELECT LaufendeNummer FROM catstamm WHERE Vater > 0 AND Mutter > 0 AND "
                              "LaufendeNummer <= ? ORDER BY LaufendeNummer DESC LIMIT 1",
                              {m_letzteDemoKatze})
                           .toInt();
        f.main->Load_LastCats(nr);
        QCOMPARE(w()->aktuelleKatze(), nr);
        tav::breeding::StorePedigree quelle(*f.db);
        tav::breeding::InzuchtBerechnung engine(quelle);
        const int vater = scalar(*f.db, "SELECT Vater FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt();
        const int mutter =
            scalar(*f.db, "SELECT Mutter FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt();
        QVERIFY(engine.Berechne(nr, vater, mutter, tsysteminfo::instance()->InzuchtStdgenerationen, false));
        QVERIFY(ergebnisVon(engine).koeffizient > 0); // the demo's last generation is inbred
        QCOMPARE(w()->findChild<QLineEdit *>("DBInzuchtAnz")->text(),
                 texteVon(engine).Inzuchtkoeffizientkurz);
        QVERIFY(!w()->findChild<QLineEdit *>("DBInzuchtAnz")->text().isEmpty());
        // a cat without parents shows its breed alone
        const int founder =
            scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Vater IS NULL OR Vater = 0 "
                          "ORDER BY LaufendeNummer LIMIT 1")
                .toInt();
        f.main->Load_LastCats(founder);
        QVERIFY(w()->findChild<QLineEdit *>("DBInzuchtAnz")->text().isEmpty());

        // a cat whose sire descends from it: the record says so and names the chain, once
        auto setzeVater = [&](int katze, const QVariant &v) {
            Query q(f.db.get(), "UPDATE catstamm SET Vater = ? WHERE LaufendeNummer = ?");
            q.addBindValue(v);
            q.addBindValue(katze);
            q.exec();
        };
        const QVariant vorher = scalar(*f.db, "SELECT Vater FROM catstamm WHERE LaufendeNummer = ?", {vater});
        setzeVater(vater, nr);
        Scripted::reset();
        f.main->Load_LastCats(founder);
        f.main->Load_LastCats(nr);
        f.main->Load_LastCats(founder);
        f.main->Load_LastCats(nr);
        QTRY_COMPARE(shownTexts().filter(messageText(9403)).size(), 1);
        QVERIFY(shownTexts().filter(messageText(9403)).first().contains(QString("(%1)").arg(nr)));
        QVERIFY(w()->findChild<QLineEdit *>("DBInzuchtAnz")->text().isEmpty());
        setzeVater(vater, vorher);
    }

    void screenshots()
    {
        // pictures for the documentation only where asked for, never into the sources by themselves
        QTemporaryDir temp;
        const QString out = qEnvironmentVariable("TAV_SCREENSHOTS", temp.path());
        QVERIFY(QDir().mkpath(out));
        // a demo cat with parents, breed and breeder
        const int nr = scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Rasse > 0 AND Vater > 0 AND "
                                     "Mutter > 0 AND \"Züchter\" > 0 ORDER BY LaufendeNummer LIMIT 1")
                           .toInt();
        QVERIFY(w()->zeigeKatze(nr));
        QVERIFY(!w()->findChild<QComboBox *>("DBRasse")->currentText().isEmpty());
        QVERIFY(!w()->findChild<QLineEdit *>("DBVater")->text().isEmpty());
        QVERIFY(!w()->findChild<QPlainTextEdit *>("AdresseZuechter")->toPlainText().isEmpty());
        for (int language : {0, 1}) {
            sprache().setLanguageNumber(language);
            translateWindow(w(), language * 10000);
            w()->TitelKatzeNeu(TCatStamm::Anlass::Einstellungen);
            const QString suffix = language == 0 ? "de" : "en";
            for (int page : {0, 1}) {
                w()->showPage(TCatStamm::Seite(page));
                settle();
                QVERIFY(w()->grab().save(out + QString("/catstamm-page%1-%2.png").arg(page).arg(suffix)));
            }
        }
        QCOMPARE(w()->notebook()->tabText(0), QString("&Base data"));
        sprache().setLanguageNumber(0);
        translateWindow(w(), 0);
        w()->showPage(TCatStamm::SeiteStammdaten);
    }
};

QTEST_MAIN(TstCatStamm)
#include "tst_catstamm.moc"
