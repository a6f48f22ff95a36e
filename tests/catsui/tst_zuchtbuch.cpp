#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "app/ui/Optionen.h"
#include "cats/CatRules.h"
#include "cats/ui/CatRecordLitterPage.h"
#include "cats/ui/CatRecordParentSummary.h"
#include "cats/ui/CatRecordStudBookPage.h"
#include "cats/ui/Pcatstam.h"
#include "cats/ui/Psuchdlg.h"
#include "shell/Main.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace tav::app::ui;
using namespace tav::widgets;
using namespace tav::shell;
using namespace tav::store;
using tav::cats::ui::TCatStamm;

// The stud-book and litter data pages of the cat record window on the demo register.
class TstZuchtbuch : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    TCatStamm *w() const { return TCatStamm::instance(); }
    template <class T> T *child(const QString &name) const
    {
        T *c = w()->findChild<T *>(name);
        if (!c)
            qWarning("no %s", qPrintable(name));
        return c;
    }
    int zahl(const QString &sql, const QVariantList &args = {}) { return scalar(*f.db, sql, args).toInt(); }
    // a first letter that starts the names of toms and queens alike
    QString gemischterAnfang()
    {
        QHash<QString, QPair<int, int>> n;
        Query q(f.db.get(), "SELECT Name, Geschlecht FROM catstamm");
        q.open();
        for (; !q.eof(); q.next()) {
            auto &p = n[q.value(0).toString().left(1).toUpper()];
            (tav::cats::istKater(q.value(1).toString()) ? p.first : p.second)++;
        }
        QStringList passend;
        for (auto it = n.cbegin(); it != n.cend(); ++it)
            if (it.value().first >= 2 && it.value().second >= 1)
                passend << it.key();
        passend.sort();
        return passend.value(0);
    }

    // a grid cell opened for typing, as a key or a double click opens it
    static QLineEdit *zelle(DBGrid *g, int zeile, int spalte)
    {
        const QModelIndex i = g->model()->index(zeile, spalte);
        g->setCurrentIndex(i);
        g->edit(i);
        for (QLineEdit *e : g->viewport()->findChildren<QLineEdit *>())
            if (e->isVisible())
                return e;
        return nullptr;
    }
    // the typed text reaches the table once the editor has closed (on the next turn of the loop)
    static bool zelleOffen(DBGrid *g)
    {
        for (QLineEdit *e : g->viewport()->findChildren<QLineEdit *>())
            if (e->isVisible())
                return true;
        return false;
    }
    // the main window's list: a double click on the cat's row shows it in the record window
    void listeDoppelklick(int katze)
    {
        f.main->positionListOn(katze);
        DBGrid *liste = f.main->catList();
        const QPoint p = liste->visualRect(liste->currentIndex()).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, p);
        QTest::mousePress(liste->viewport(), Qt::LeftButton, {}, p);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, p, liste->viewport()->mapToGlobal(p), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(liste->viewport(), &dbl);
        QTest::mouseRelease(liste->viewport(), Qt::LeftButton, {}, p);
    }
    int koenigin() { return zahl("SELECT min(LaufendeNummer) FROM catstamm WHERE Geschlecht = '2'"); }

  private Q_SLOTS:
    void initTestCase()
    {
        QString failed = f.start(QSize(1280, 860), false);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        failed = f.openCatStamm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QVERIFY(w()->nichtGeoeffnet().isEmpty());
    }
    void cleanupTestCase() { f.stop(); }
    void cleanup() { Scripted::reset(); }

    // a litter added to a queen's book with a tom found through the search, and its due dates
    void queenAddsLitterWithStudFromSearch()
    {
        const int queen = zahl("SELECT w.Katze FROM wurfbuch w JOIN catstamm c ON c.LaufendeNummer = w.Katze "
                               "WHERE c.Geschlecht = '2' GROUP BY w.Katze ORDER BY count(*) DESC LIMIT 1");
        QVERIFY(queen > 0);
        const int vorher = zahl("SELECT count(*) FROM wurfbuch WHERE Katze = ?", {queen});
        QVERIFY(w()->zeigeKatze(queen));
        // a cat shown starts on her newest litter
        QCOMPARE(w()->wurfbuchZeile(), zahl("SELECT LaufendeNummer FROM wurfbuch WHERE Katze = ? ORDER BY "
                                            "Decktermin DESC, LaufendeNummer DESC LIMIT 1",
                                            {queen}));
        w()->showPage(TCatStamm::SeiteZuchtbuch);
        QVERIFY(w()->zuchtbuchSeite()->zeigtKaetzin());
        QVERIFY(child<QTabWidget>("RegisterMedDaten")->isTabVisible(3));

        QTest::mouseClick(child<QPushButton>("WURFBUCH.DBHinzufuegen"), Qt::LeftButton);
        Table *wb = w()->findChild<DBEdit *>("DBWurfbuchKater")->dataSource()->table();
        QCOMPARE(wb->state(), Table::State::Insert);
        auto *deck1 = child<DBDateEdit>("DBWurfbuchDecktermin");
        auto *deck2 = child<DBDateEdit>("DBWurfbuchDecktermin2");
        QTest::keyClicks(deck1, "10.02.2024");
        deck1->commit();
        QTest::keyClicks(deck2, "29.02.2024");
        deck2->commit();

        const QString anfang = gemischterAnfang();
        QVERIFY(!anfang.isEmpty());
        int formular = -1, gewaehlt = 0;
        QStringList geschlechter;
        Scripted::dialog([&](QDialog &dlg) {
            auto *d = qobject_cast<tav::cats::ui::TSuchenDlg *>(&dlg);
            if (!d)
                return int(QDialog::Rejected);
            d->show();
            formular = int(d->aufrufer.formular);
            QTest::keyClicks(d->EName, anfang);
            QTest::mouseClick(d->BSuchen, Qt::LeftButton);
            for (const tav::cats::KatzeTreffer &t : d->treffer())
                geschlechter << t.Geschlecht;
            if (d->treffer().isEmpty())
                return int(QDialog::Rejected);
            gewaehlt = d->treffer().front().LaufendeNummer;
            d->DBGrid1->setFocus();
            d->DBGrid1->setCurrentIndex(d->DBGrid1->model()->index(0, 0));
            QTest::keyClick(d->DBGrid1, Qt::Key_Return);
            QTest::mouseClick(d->BOK, Qt::LeftButton);
            return d->result();
        });
        QTest::mouseClick(child<QPushButton>("DeckkaterSuchen"), Qt::LeftButton);
        QCOMPARE(formular, 2);
        QVERIFY(!geschlechter.isEmpty());
        for (const QString &g : geschlechter)
            QVERIFY2(tav::cats::istKater(g), qPrintable("sex " + g + " offered as stud"));
        QVERIFY(gewaehlt > 0);
        QCOMPARE(wb->intValue("Kater"), gewaehlt);
        QCOMPARE(child<DBEdit>("DBWurfbuchKater")->text(),
                 scalar(*f.db, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {gewaehlt}).toString());

        // stored after the save question, for the queen shown; due dates by the real calendar
        Scripted::answer(QMessageBox::Yes);
        QVERIFY(w()->findChild<DBEdit *>("DBWurfbuchKater")->dataSource()->save());
        QCOMPARE(zahl("SELECT count(*) FROM wurfbuch WHERE Katze = ?", {queen}), vorher + 1);
        QCOMPARE(
            zahl("SELECT count(*) FROM wurfbuch WHERE Katze = ? AND Kater = ? AND Decktermin = '2024-02-10'",
                 {queen, gewaehlt}),
            1);
        QCOMPARE(child<DBDateEdit>("DBWurfbuchWurftermin")->text(), QString("15.04.2024"));
        QCOMPARE(child<DBDateEdit>("DBWurfbuchWurftermin2")->text(), QString("04.05.2024"));

        // a weighing of a litter without birth date is refused with message 30
        Scripted::reset();
        auto *tabs = child<QTabWidget>("TabsWurf");
        tabs->setCurrentIndex(1);
        Scripted::answer(QMessageBox::Ok);
        const int gewichte = zahl("SELECT count(*) FROM jungtier");
        const auto knoepfe = w()->findChildren<QPushButton *>("JUNGTIER.DBHinzufuegen");
        QCOMPARE(knoepfe.size(), 1);
        QTest::mouseClick(knoepfe.front(), Qt::LeftButton);
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(Scripted::shown().front().text, tav::app::messageText(30));
        QCOMPARE(zahl("SELECT count(*) FROM jungtier"), gewichte);

        // the page as a breeder sees it, on a litter that has kittens
        tabs->setCurrentIndex(2);
        wb->first();
        QCoreApplication::processEvents();
        QDir().mkpath("/tmp/tavrenno-grabs");
        w()->grab().save("/tmp/tavrenno-grabs/stud-book-page.png");
    }

    // the litter data page lists a cat's siblings by its parents' numbers, paternal first
    void litterPageListsSiblings()
    {
        const int katze =
            zahl("SELECT c.LaufendeNummer FROM catstamm c WHERE c.Vater > 0 AND c.Mutter > 0 AND "
                 "(SELECT count(*) FROM catstamm s WHERE s.Vater = c.Vater) > 2 AND "
                 "(SELECT count(*) FROM catstamm s WHERE s.Mutter = c.Mutter) > 1 LIMIT 1");
        QVERIFY(katze > 0);
        QVERIFY(w()->zeigeKatze(katze));
        w()->showPage(TCatStamm::SeiteWurfdaten);
        auto *seite = w()->wurfSeite();
        const auto gelistet = [&] {
            QSet<int> out;
            Table *t = seite->geschwisterTabelle();
            if (!t->isOpen())
                return out;
            for (t->first(); !t->eof(); t->next())
                out.insert(t->intValue("LaufendeNummer"));
            return out;
        };
        const auto erwartet = [&](const char *feld) {
            QSet<int> out;
            Query q(f.db.get(),
                    QString("SELECT LaufendeNummer FROM catstamm WHERE %1 = "
                            "(SELECT %1 FROM catstamm WHERE LaufendeNummer = ?) AND LaufendeNummer <> ?")
                        .arg(feld));
            q.addBindValue(katze);
            q.addBindValue(katze);
            q.open();
            for (; !q.eof(); q.next())
                out.insert(q.value(0).toInt());
            return out;
        };
        QCOMPARE(gelistet(), erwartet("Vater"));
        QTest::mouseClick(child<QPushButton>("BitBtnGeschwister2"), Qt::LeftButton);
        QCOMPARE(gelistet(), erwartet("Mutter"));
        // this edition has no litter-sibling list
        QVERIFY(!child<QPushButton>("BitBtnGeschwister0")->isVisible());
        // another cat starts on its paternal list again
        const int andere = zahl("SELECT LaufendeNummer FROM catstamm WHERE coalesce(Vater, 0) = 0 LIMIT 1");
        QVERIFY(w()->zeigeKatze(andere));
        QVERIFY(gelistet().isEmpty());
        QVERIFY(w()->zeigeKatze(katze));
        QCOMPARE(gelistet(), erwartet("Vater"));
        QDir().mkpath("/tmp/tavrenno-grabs");
        w()->grab().save("/tmp/tavrenno-grabs/litter-page.png");
    }

    // a click on the father's field shows his summary, a click on it hides it
    void parentSummaryOnClick()
    {
        const int katze = zahl("SELECT LaufendeNummer FROM catstamm WHERE Vater > 0 LIMIT 1");
        QVERIFY(w()->zeigeKatze(katze));
        w()->showPage(TCatStamm::SeiteStammdaten);
        const int vater = zahl("SELECT Vater FROM catstamm WHERE LaufendeNummer = ?", {katze});
        const QString name =
            scalar(*f.db, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {vater}).toString();
        auto *panel = child<tav::cats::ui::CatRecordParentSummary>("PanelElternInfo");
        QTest::mouseClick(child<QLineEdit>("DBVater"), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QVERIFY2(panel->text().section('\n', 0, 0).endsWith(name), qPrintable(panel->text()));
        w()->grab().save("/tmp/tavrenno-grabs/parent-summary.png");
        QTest::mouseClick(child<QPlainTextEdit>("MemoElternInfo")->viewport(), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        // it belongs to page 0: another page does not show it
        QTest::mouseClick(child<QLineEdit>("DBVater"), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        w()->notebook()->setCurrentIndex(w()->notebook()->indexOf(w()->page(TCatStamm::SeiteMedDaten)));
        QVERIFY(!panel->isVisible());
        w()->showPage(TCatStamm::SeiteStammdaten);
        QVERIFY(!panel->isVisible());
    }

    // a queen's heats give the forecast; a heat without date is dropped without a word
    void queenHeatForecast()
    {
        const int queen =
            zahl("SELECT LaufendeNummer FROM catstamm WHERE Geschlecht = '2' ORDER BY LaufendeNummer "
                 "DESC LIMIT 1");
        QVERIFY(w()->zeigeKatze(queen));
        w()->showPage(TCatStamm::SeiteZuchtbuch);
        child<QTabWidget>("Zuchtkatze")->setCurrentIndex(1);
        auto *grid = child<QTableView>("DBGridRolligkeiten");
        DataSource *s = qobject_cast<DBGrid *>(grid)->tableModel()->dataSource();
        const int vorher = zahl("SELECT count(*) FROM laeufigkeit");
        QTest::mouseClick(child<QPushButton>("LAEUFIGKEIT.DBHinzufuegen"), Qt::LeftButton);
        QVERIFY(s->isEditing());
        QVERIFY(!s->save());
        QTRY_VERIFY(!s->isEditing());
        QCOMPARE(zahl("SELECT count(*) FROM laeufigkeit"), vorher);
        QVERIFY(Scripted::shown().isEmpty());
        for (const QDate &d : {QDate(2023, 1, 1), QDate(2023, 1, 22)}) {
            QTest::mouseClick(child<QPushButton>("LAEUFIGKEIT.DBHinzufuegen"), Qt::LeftButton);
            s->setFieldValue("Datum", d.startOfDay());
            Scripted::answer(QMessageBox::Yes);
            QVERIFY(s->save());
        }
        QCOMPARE(zahl("SELECT count(*) FROM laeufigkeit WHERE Katze = ?", {queen}), 2);
        QCOMPARE(child<QLabel>("Durchschnitt")->text(), QString("21"));
        QCOMPARE(child<QLabel>("naechste")->text(), QString("12.02.2023"));
        QCOMPARE(child<QLabel>("Wurftermin")->text(), QString("18.04.2023"));
        QCOMPARE(child<QLabel>("Abgabetermin")->text(), QString("17.06.2023"));
        auto *deck = child<QLineEdit>("EditDecktermin");
        deck->clear();
        QTest::keyClicks(deck, "01.03.2024");
        QVERIFY(child<QLabel>("Wurftermin")->text().isEmpty());
        QMetaObject::invokeMethod(deck, "editingFinished");
        QCOMPARE(child<QLabel>("Wurftermin")->text(), QString("05.05.2024"));
        // a text that is no date: both dates empty, and the user is told
        deck->selectAll();
        QTest::keyClicks(deck, "30.02.2024");
        QMetaObject::invokeMethod(deck, "editingFinished");
        QVERIFY(child<QLabel>("Wurftermin")->text().isEmpty());
        QVERIFY(child<QLabel>("Abgabetermin")->text().isEmpty());
        QCOMPARE(std::count_if(Scripted::shown().cbegin(), Scripted::shown().cend(),
                               [](const Scripted::Shown &m) { return m.text.contains("30.02.2024"); }),
                 1);
        // the first heat has no interval; the dates show as they were stored
        TableModel *m = qobject_cast<DBGrid *>(grid)->tableModel();
        QCOMPARE(m->rowCount(), 2);
        QCOMPARE(m->index(0, 0).data().toString(), QString());
        QCOMPARE(m->index(1, 0).data().toString(), QString("21"));
        QCOMPARE(m->index(0, 1).data().toString(), QString("01.01.2023"));
        // typed in the form the grid shows, and shown as soon as it is saved
        QTest::mouseClick(child<QPushButton>("LAEUFIGKEIT.DBHinzufuegen"), Qt::LeftButton);
        QLineEdit *e = zelle(qobject_cast<DBGrid *>(grid), m->currentRow(), 1);
        QVERIFY(e);
        QTest::keyClicks(e, "12.03.2023");
        QTest::keyClick(e, Qt::Key_Return);
        QTRY_VERIFY(!zelleOffen(qobject_cast<DBGrid *>(grid)));
        Scripted::answer(QMessageBox::Yes);
        QVERIFY(s->save());
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->index(2, 1).data().toString(), QString("12.03.2023"));
        QCOMPARE(m->index(2, 0).data().toString(), QString("49"));
        QCOMPARE(child<QLabel>("Durchschnitt")->text(), QString("35"));
        QCOMPARE(child<QLabel>("naechste")->text(), QString("16.04.2023"));
        w()->grab().save("/tmp/tavrenno-grabs/heat-tab.png");
        // the litter-book settings open on their own pages
        QTest::mouseClick(child<QPushButton>("BitBtnSystemparameter"), Qt::LeftButton);
        tav::app::ui::TFOptionen *o = tav::app::ui::TFOptionen::instance();
        QVERIFY(o && o->PageControl->count() == 2);
        QCOMPARE(o->PageControl->tabText(0), QStringLiteral("Wurfbuch"));
        o->close();
    }

    // a deworming with its next date and a vet visit are stored for the cat shown and follow it; a
    // cat not yet stored gets no rows
    void medicalPageLogs()
    {
        const int katze =
            zahl("SELECT LaufendeNummer FROM catstamm WHERE Geschlecht = '1' AND LaufendeNummer "
                 "IN (SELECT Katze FROM impfung) LIMIT 1");
        const int andere =
            zahl("SELECT LaufendeNummer FROM catstamm WHERE LaufendeNummer <> ? LIMIT 1", {katze});
        QVERIFY(w()->zeigeKatze(katze));
        w()->showPage(TCatStamm::SeiteMedDaten);
        QVERIFY(!child<QTabWidget>("RegisterMedDaten")->isTabVisible(3)); // a tom has no pregnancies
        auto *grid = qobject_cast<DBGrid *>(child<QTableView>("DBGridWURMKUR"));
        DataSource *s = grid->tableModel()->dataSource();
        QTest::mouseClick(child<QPushButton>("WURMKUR.DBHinzufuegen"), Qt::LeftButton);
        QVERIFY(s->isEditing());
        const QDate naechste = QDate::currentDate().addDays(90);
        s->setFieldValue("Datum", QDate::currentDate());
        s->setFieldValue("Medikament", "Milbemax");
        s->setFieldValue("Naechste", naechste);
        Scripted::answer(QMessageBox::Yes);
        QVERIFY(s->save());
        QCOMPARE(
            scalar(*f.db, "SELECT Naechste FROM wurmkur WHERE Katze = ? AND Medikament = 'Milbemax'", {katze})
                .toDate(),
            naechste);
        w()->grab().save("/tmp/tavrenno-grabs/med-daten.png");
        // a print job first posts what is still being typed in a log
        QTest::mouseClick(child<QPushButton>("WURMKUR.DBHinzufuegen"), Qt::LeftButton);
        s->setFieldValue("Datum", QDate::currentDate());
        s->setFieldValue("Medikament", "Profender");
        Scripted::answer(QMessageBox::Yes);
        QCOMPARE(TMirravel::catRecordHooks().druckKatze(), katze);
        QVERIFY(!s->isEditing());
        QCOMPARE(zahl("SELECT count(*) FROM wurmkur WHERE Katze = ? AND Medikament = 'Profender'", {katze}),
                 1);

        QTest::mouseClick(child<QPushButton>("ARZTBES.DBHinzufuegen"), Qt::LeftButton);
        QTest::keyClicks(child<DBEdit>("DBArzt"), "Dr. Vos");
        Scripted::answer(QMessageBox::Yes);
        QVERIFY(child<DBEdit>("DBArzt")->dataSource()->save());
        QCOMPARE(zahl("SELECT count(*) FROM arztbes WHERE Katze = ? AND Arzt = 'Dr. Vos'", {katze}), 1);
        child<QTabWidget>("RegisterMedDaten")->setCurrentIndex(1);
        w()->grab().save("/tmp/tavrenno-grabs/med-arztbesuch.png");

        QVERIFY(w()->zeigeKatze(andere));
        QCOMPARE(grid->model()->rowCount(), zahl("SELECT count(*) FROM wurmkur WHERE Katze = ?", {andere}));
        QVERIFY(child<DBEdit>("DBArzt")->text().isEmpty());
        QVERIFY(w()->zeigeKatze(katze));
        // the log stands on its newest row, the one saved last
        QCOMPARE(s->table()->text("Medikament"), QStringLiteral("Profender"));
        QCOMPARE(child<DBEdit>("DBArzt")->text(), QStringLiteral("Dr. Vos"));

        const int vorher = zahl("SELECT count(*) FROM wurmkur");
        f.main->action("KatzeNeuItem")->trigger();
        w()->showPage(TCatStamm::SeiteMedDaten);
        QTest::mouseClick(child<QPushButton>("WURMKUR.DBHinzufuegen"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>("ARZTBES.DBHinzufuegen"), Qt::LeftButton);
        QVERIFY(!s->isEditing());
        QCOMPARE(zahl("SELECT count(*) FROM wurmkur"), vorher);
        w()->DataSourceCatStamm()->undo();
    }

    // A row typed into a grid and not yet saved is stored under its own cat when the user goes to
    // another cat from the main window's list (answering the save question), none under the other.
    void gridRowsStayWithTheirCat_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<int>("seite");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("zeile"); // the stored row of a cat: count
        QTest::newRow("vaccination")
            << "DBGridIMPFUNG"
            << "IMPFUNG.DBHinzufuegen" << int(TCatStamm::SeiteMedDaten) << 1 << "Katzenschnupfen"
            << "SELECT count(*) FROM impfung WHERE Impfung = 'Katzenschnupfen' AND Katze = ?";
        QTest::newRow("deworming")
            << "DBGridWURMKUR"
            << "WURMKUR.DBHinzufuegen" << int(TCatStamm::SeiteMedDaten) << 1 << "Drontal"
            << "SELECT count(*) FROM wurmkur WHERE Medikament = 'Drontal' AND Katze = ?";
        QTest::newRow("heat, German date")
            << "DBGridRolligkeiten"
            << "LAEUFIGKEIT.DBHinzufuegen" << int(TCatStamm::SeiteZuchtbuch) << 1 << "01.01.2026"
            << "SELECT count(*) FROM laeufigkeit WHERE Datum LIKE '2026-01-01%' "
               "AND Katze = ?";
        QTest::newRow("weighing") << "DBGridGewichtstabelle"
                                  << "GEWICHT.DBHinzufuegen" << int(TCatStamm::SeiteWurfdaten) << 2 << "3512"
                                  << "SELECT count(*) FROM gewicht WHERE Gewicht = 3512 AND Katze = ?";
    }
    void gridRowsStayWithTheirCat()
    {
        QFETCH(QString, grid);
        QFETCH(QString, knopf);
        QFETCH(int, seite);
        QFETCH(int, spalte);
        QFETCH(QString, text);
        QFETCH(QString, zeile);
        const int queen = koenigin();
        const int andere = zahl("SELECT min(LaufendeNummer) FROM catstamm WHERE LaufendeNummer > ?", {queen});
        QVERIFY(queen > 0 && andere > 0);
        QVERIFY(w()->zeigeKatze(queen));
        w()->showPage(TCatStamm::Seite(seite));
        if (grid == "DBGridRolligkeiten")
            child<QTabWidget>("Zuchtkatze")->setCurrentIndex(1);
        if (seite == TCatStamm::SeiteMedDaten)
            child<QTabWidget>("RegisterMedDaten")->setCurrentIndex(0);
        auto *g = child<DBGrid>(grid);
        DataSource *s = g->tableModel()->dataSource();
        QTest::mouseClick(child<QPushButton>(knopf), Qt::LeftButton);
        QCOMPARE(s->state(), Table::State::Insert);
        QLineEdit *e = zelle(g, g->tableModel()->currentRow(), spalte);
        QVERIFY(e);
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
        QTRY_VERIFY(!zelleOffen(g));
        QVERIFY(s->isEditing());
        QVERIFY(Scripted::shown().isEmpty());

        Scripted::answer(QMessageBox::Yes);
        listeDoppelklick(andere);
        QCOMPARE(w()->aktuelleKatze(), andere);
        QCOMPARE(zahl(zeile, {queen}), 1);
        QCOMPARE(zahl(zeile, {andere}), 0);
        QVERIFY(!s->isEditing());
    }

    // a row whose post is refused (a date that is none) keeps the cat, the list's row and the input
    void refusedRowKeepsTheCat()
    {
        const int queen = koenigin();
        const int andere = zahl("SELECT min(LaufendeNummer) FROM catstamm WHERE LaufendeNummer > ?", {queen});
        QVERIFY(w()->zeigeKatze(queen));
        w()->showPage(TCatStamm::SeiteMedDaten);
        child<QTabWidget>("RegisterMedDaten")->setCurrentIndex(1);
        QTest::mouseClick(child<QPushButton>("ARZTBES.DBHinzufuegen"), Qt::LeftButton);
        QTest::keyClicks(child<DBEdit>("DBArzt"), "Dr. Kranich");
        QTest::keyClicks(child<DBDateEdit>("DBArztbesuchDatum"), "31.02.2026");
        listeDoppelklick(andere);
        QCOMPARE(w()->aktuelleKatze(), queen);
        QCOMPARE(f.main->currentListCat(), queen);
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY(Scripted::shown().front().text.startsWith("'31.02.2026': "));
        QVERIFY(child<DBEdit>("DBArzt")->dataSource()->isEditing());
        QCOMPARE(child<DBEdit>("DBArzt")->text(), QString("Dr. Kranich"));
        QCOMPARE(zahl("SELECT count(*) FROM arztbes WHERE Arzt = 'Dr. Kranich'"), 0);

        auto *datum = child<DBDateEdit>("DBArztbesuchDatum");
        datum->selectAll();
        QTest::keyClicks(datum, "28.02.2026");
        Scripted::answer(QMessageBox::Yes);
        listeDoppelklick(andere);
        QCOMPARE(w()->aktuelleKatze(), andere);
        QCOMPARE(zahl("SELECT count(*) FROM arztbes WHERE Arzt = 'Dr. Kranich' AND Katze = ?", {queen}), 1);
    }

    // a tom shows his mating book; a cat not yet stored gets no rows
    void tomShowsMatingBook()
    {
        const int tom = zahl("SELECT Kater FROM deckbuch GROUP BY Kater ORDER BY count(*) DESC LIMIT 1");
        QVERIFY(tom > 0);
        QVERIFY(w()->zeigeKatze(tom));
        w()->showPage(TCatStamm::SeiteZuchtbuch);
        QVERIFY(!w()->zuchtbuchSeite()->zeigtKaetzin());
        // the pregnancy log is a queen's only
        QVERIFY(!child<QTabWidget>("RegisterMedDaten")->isTabVisible(3));
        QVERIFY(!child<DBEdit>("DBDeckbuchKatze")->text().isEmpty());

        const int vorher = zahl("SELECT count(*) FROM deckbuch");
        f.main->action("KatzeNeuItem")->trigger();
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        w()->showPage(TCatStamm::SeiteZuchtbuch);
        QTest::mouseClick(child<QPushButton>("DECKBUCH.DBHinzufuegen"), Qt::LeftButton);
        QCOMPARE(zahl("SELECT count(*) FROM deckbuch"), vorher);
        w()->DataSourceCatStamm()->undo();
    }
};

QTEST_MAIN(TstZuchtbuch)
#include "tst_zuchtbuch.moc"
