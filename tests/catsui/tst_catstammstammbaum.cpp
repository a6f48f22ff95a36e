// The pedigree page of the cat record window on the demo register: the ancestors in their boxes,
// a repeated ancestor in the first pedigree colour, a missing dam entered from her empty box,
// linked when saved and leaving everything as it was when given up, and missing parents filled
// with cats of the register.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "cats/CatRules.h"
#include "cats/ui/CatRecordPedigreePage.h"
#include "cats/ui/KatzeGefunden.h"
#include "cats/ui/Pcatstam.h"
#include "cats/ui/Psuchdlg.h"
#include "store/Table.h"
#include "widgets/StoredColour.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::cats::ui;
using tav::store::Table;

class TstCatStammStammbaum : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    QHash<int, QPair<int, int>> m_eltern;

    TCatStamm *w() const { return TCatStamm::instance(); }
    CatRecordPedigreePage *seite() const
    {
        return qobject_cast<CatRecordPedigreePage *>(w()->page(TCatStamm::SeiteStammbaum));
    }
    void elternLesen()
    {
        m_eltern.clear();
        tav::store::Query q(f.db.get(), "SELECT LaufendeNummer, Vater, Mutter FROM catstamm");
        q.open();
        for (; !q.eof(); q.next())
            m_eltern.insert(q.value(0).toInt(), {q.value(1).toInt(), q.value(2).toInt()});
    }
    // the cat of box n by walking the register itself
    int ahne(int katze, int n)
    {
        if (n <= 2)
            return n == 1 ? m_eltern.value(katze).first : m_eltern.value(katze).second;
        const int kind = ahne(katze, (n - 1) / 2);
        return n % 2 ? m_eltern.value(kind).first : m_eltern.value(kind).second;
    }
    int neueKatze(const QString &name, const QString &geschlecht, int vater, int mutter)
    {
        Table t(f.db.get(), "CATSTAMM.DB");
        t.open();
        t.append();
        t.setValue("Name", name);
        t.setValue("Geschlecht", geschlecht);
        t.setValue("Vater", vater);
        t.setValue("Mutter", mutter);
        t.post();
        return t.intValue("LaufendeNummer");
    }
    void zeigen(int nr)
    {
        w()->DataSourceCatStamm()->refresh();
        QVERIFY(w()->zeigeKatze(nr));
        w()->showPage(TCatStamm::SeiteStammbaum);
        QCoreApplication::processEvents();
    }
    int anzahlKatzen() { return scalar(*f.db, "SELECT count(*) FROM catstamm").toInt(); }

  private Q_SLOTS:
    void initTestCase()
    {
        QString failed = f.start(QSize(1280, 860), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        failed = f.openCatStamm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
    void cleanupTestCase() { f.stop(); }
    void init() { Scripted::reset(); }

    void boxesShowTheAncestorsOfTheRegister()
    {
        elternLesen();
        int katze = 0;
        QList<int> nummern = m_eltern.keys();
        std::sort(nummern.begin(), nummern.end());
        for (int nr : std::as_const(nummern))
            if (!katze && ahne(nr, 62) > 0)
                katze = nr;
        QVERIFY2(katze, "the demo register has a cat with five generations");
        zeigen(katze);
        for (int n : {1, 2, 3, 6, 30, 62}) {
            const QString text = seite()->box(n)->toPlainText();
            QVERIFY2(text.contains(QStringLiteral("{%1}").arg(ahne(katze, n))),
                     qPrintable(QStringLiteral("box %1: %2").arg(n).arg(text)));
        }
        // a click on an ancestor shows its lines in the information panel, kept inside the page
        seite()->boxGeklickt(62);
        QPlainTextEdit *info = seite()->infoPanel();
        QVERIFY(info->isVisible());
        QCOMPARE(info->toPlainText(), seite()->box(62)->toPlainText());
        QVERIFY(seite()->rect().contains(info->geometry()));
        QVERIFY(info->geometry().bottom() <= seite()->height() - 20);
        QTest::mouseClick(info->viewport(), Qt::LeftButton);
        QVERIFY(!info->isVisible());
        const QString grabs = qEnvironmentVariable("TAV_GRAB_DIR");
        if (!grabs.isEmpty())
            w()->parentWidget()->grab().save(grabs + "/pedigree-page.png");
    }

    void repeatedAncestorGetsTheFirstColour()
    {
        Table farben(f.db.get(), "STBFARBE.DB");
        if (!f.db->tableExists("STBFARBE.DB"))
            f.db->createTable(QStringLiteral("STBFARBE.DB"));
        farben.open();
        while (!farben.isEmpty()) {
            farben.first();
            farben.remove();
        }
        for (const QColor &c : {QColor(255, 200, 0), QColor(0, 200, 255)}) {
            farben.append();
            farben.setValue("farbe", storedValue(c));
            farben.post();
        }
        // the tom is the sire of the cat and of her dam
        const int kater = neueKatze("Tobias Doppelt", "1", 0, 0);
        const int mutter = neueKatze("Mara Doppelt", "2", kater, 0);
        const int katze = neueKatze("Kira Doppelt", "2", kater, mutter);
        // the tom is a top cat with two traits
        tav::store::Query(f.db.get(), QString("INSERT INTO \"TOPKATZE.DB\" (Katze, Farbe) VALUES (%1, %2)")
                                          .arg(kater)
                                          .arg(storedValue(QColor(0, 128, 0))))
            .exec();
        tav::store::Query alle(f.db.get(),
                               "SELECT LaufendeNummer, farbe FROM merkmale ORDER BY LaufendeNummer");
        alle.open();
        const QVector<QVariantList> merkmale = alle.rows();
        QVERIFY(merkmale.size() >= 2);
        for (int i : {1, 0}) {
            Table km(f.db.get(), "KATZEMERKMAL.DB");
            km.open();
            km.append();
            km.setValue("Katze", kater);
            km.setValue("Merkmal", merkmale[i][0]);
            km.post();
        }
        zeigen(katze);
        QWidget *m1 = seite()->marker(1);
        QVERIFY(m1->isVisibleTo(seite()));
        QCOMPARE(m1->findChild<QLabel *>("Top1")->width(), 22);
        const auto farbe = [m1](const char *name) { return m1->findChild<QLabel *>(name)->styleSheet(); };
        QVERIFY(farbe("Top1").contains(QColor(0, 128, 0).name()));
        // in the order of the trait table, whatever order they were given in
        QVERIFY(farbe("M11").contains(storedColour(merkmale[0][1].toInt()).name()));
        QVERIFY(farbe("M12").contains(storedColour(merkmale[1][1].toInt()).name()));
        QVERIFY(!m1->findChild<QLabel *>("M13")->isVisibleTo(m1));
        QVERIFY(!m1->findChild<QLabel *>("mehr1")->isVisibleTo(m1));
        QVERIFY(!seite()->marker(2)->isVisibleTo(seite()));
        QCOMPARE(seite()->boxFarbe(1), QColor(255, 200, 0));
        QCOMPARE(seite()->boxFarbe(5), QColor(255, 200, 0));
        QCOMPARE(seite()->boxFarbe(2), QColor(Qt::white));
    }

    void missingDamIsEnteredFromHerBoxOrLeftAlone()
    {
        const int katze = neueKatze("Lotte Ohnemutter", "2", 0, 0);
        const int vorher = anzahlKatzen();
        zeigen(katze);
        QVERIFY(seite()->boxen()[2].platzhalter());
        const QString speichern = w()->findChild<QPushButton *>("BitBtnSpeichern")->text();

        // given up: nothing changes
        seite()->boxGeklickt(2);
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QCOMPARE(w()->DBCatStamm()->text("Geschlecht"), QString("2"));
        QCOMPARE(w()->findChild<QPushButton *>("BitBtnSpeichern")->text(), captionText(4865));
        w()->Rueckgaengig();
        QTRY_COMPARE(w()->aktuelleKatze(), katze);
        QCOMPARE(anzahlKatzen(), vorher);
        QCOMPARE(scalar(*f.db, "SELECT Mutter FROM catstamm WHERE LaufendeNummer = ?", {katze}).toInt(), 0);
        QVERIFY(!TDatenGlobal::instance()->NeuausStb);
        QCOMPARE(w()->findChild<QPushButton *>("BitBtnSpeichern")->text(), speichern);

        // entered and saved: she becomes the dam, and the pedigree of the cat is shown again
        seite()->boxGeklickt(2);
        QVERIFY(w()->DataSourceCatStamm()->setFieldValue("Name", "Nora Neumutter"));
        QVERIFY(w()->Speichern());
        QTRY_COMPARE(w()->aktuelleKatze(), katze);
        const int neu =
            scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Name = 'Nora Neumutter'").toInt();
        QVERIFY(neu > 0);
        QCOMPARE(scalar(*f.db, "SELECT Mutter FROM catstamm WHERE LaufendeNummer = ?", {katze}).toInt(), neu);
        QTRY_VERIFY(seite()->box(2)->toPlainText().contains(QStringLiteral("{%1}").arg(neu)));
        QCOMPARE(w()->notebook()->currentIndex(), int(TCatStamm::SeiteStammbaum));
        QVERIFY(!TDatenGlobal::instance()->NeuausStb);

        // turning to another page saves and links her sire too, but stays on the new cat
        zeigen(neu);
        seite()->boxGeklickt(1);
        QVERIFY(w()->DataSourceCatStamm()->setFieldValue("Name", "Otto Neuvater"));
        w()->showPage(TCatStamm::SeiteBild);
        const int vater =
            scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Name = 'Otto Neuvater'").toInt();
        QVERIFY(vater > 0);
        QTRY_COMPARE(scalar(*f.db, "SELECT Vater FROM catstamm WHERE LaufendeNummer = ?", {neu}).toInt(),
                     vater);
        QCoreApplication::processEvents();
        QCOMPARE(w()->aktuelleKatze(), vater);
        QCOMPARE(w()->notebook()->currentIndex(), int(TCatStamm::SeiteBild));
        QVERIFY(!TDatenGlobal::instance()->NeuausStb);
    }

    // A missing parent picked from the register, by the found-cat dialog's "Tier laden" or by a
    // name with "%": linked at once, the pedigree shown again, the entry over and no cat added.
    void existingCatsFillTheGaps()
    {
        const QString hauptTitel = f.main->windowTitle();
        const int katze = neueKatze("Pia Ohneeltern", "2", 0, 0);
        neueKatze("Quira Tochter", "2", 0, katze);
        const int mutter = neueKatze("Rosa Vorhanden", "2", 0, 0);
        const int vater = neueKatze("Sirius Vorhanden", "1", 0, 0);
        neueKatze("Sirius Vorhandene", "2", 0, 0); // her name fits the search, her sex does not
        const int vorher = anzahlKatzen();
        const auto eltern = [&] {
            return qMakePair(
                scalar(*f.db, "SELECT Vater FROM catstamm WHERE LaufendeNummer = ?", {katze}).toInt(),
                scalar(*f.db, "SELECT Mutter FROM catstamm WHERE LaufendeNummer = ?", {katze}).toInt());
        };
        const auto nameVerlassen = [this](const QString &name) {
            QVERIFY(w()->DataSourceCatStamm()->setFieldValue("Name", name));
            QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(w()->findChild<QLineEdit *>("DBName"), &aus);
        };
        const auto zurueckImStammbaum = [&](int box, int ahn) {
            QTRY_VERIFY(seite()->box(box)->toPlainText().contains(QStringLiteral("{%1}").arg(ahn)));
            QCOMPARE(w()->aktuelleKatze(), katze);
            QCOMPARE(w()->notebook()->currentIndex(), int(TCatStamm::SeiteStammbaum));
            QVERIFY(!TDatenGlobal::instance()->NeuausStb);
            QVERIFY(w()->parentWidget()->windowTitle().startsWith("Pia Ohneeltern"));
            QCOMPARE(f.main->windowTitle(), hauptTitel);
            QCOMPARE(anzahlKatzen(), vorher);
        };
        zeigen(katze);

        // the entry's caption is the record window's own; her daughter cannot become her dam
        seite()->boxGeklickt(2);
        QCOMPARE(w()->parentWidget()->windowTitle(), captionText(4866));
        QCOMPARE(f.main->windowTitle(), hauptTitel);
        Scripted::dialog([](QDialog &) { return int(QDialog::Rejected); });
        nameVerlassen("Quira Tochter");
        QCOMPARE(Scripted::shown().last().text, tav::cats::meldungen({225, 226}));
        QVERIFY(TDatenGlobal::instance()->NeuausStb);
        QCOMPARE(eltern(), qMakePair(0, 0));

        // "Tier laden" in the found-cat dialog
        QString knopf;
        Scripted::dialog([&](QDialog &d) {
            if (auto *gefunden = qobject_cast<TFormKatzegefunden *>(&d))
                knopf = gefunden->BAbbrechen->text();
            return int(QDialog::Rejected);
        });
        nameVerlassen("Rosa Vorhanden");
        QCOMPARE(knopf, captionText(2364));
        QCOMPARE(eltern(), qMakePair(0, mutter));
        zurueckImStammbaum(2, mutter);

        // a "%" name: the search opens with it, finds the toms it fits, and the one taken is the sire
        seite()->boxGeklickt(1);
        QCOMPARE(w()->parentWidget()->windowTitle(), captionText(4867));
        QVector<int> gefunden;
        Scripted::dialog([&](QDialog &d) {
            auto *suche = qobject_cast<TSuchenDlg *>(&d);
            if (!suche)
                return int(QDialog::Rejected);
            suche->show(); // it searches as it opens
            for (const tav::cats::KatzeTreffer &t : suche->treffer())
                gefunden << t.LaufendeNummer;
            suche->accept();
            return int(QDialog::Accepted);
        });
        nameVerlassen("Sirius Vorh%");
        QCOMPARE(gefunden, QVector<int>{vater});
        QCOMPARE(eltern(), qMakePair(vater, mutter));
        zurueckImStammbaum(1, vater);
    }
};

QTEST_MAIN(TstCatStammStammbaum)
#include "tst_catstammstammbaum.moc"
