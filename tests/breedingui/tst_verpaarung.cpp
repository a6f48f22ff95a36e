// The matings window and the pedigree trait statistics window on the demo register, opened from
// the menu for the cat of the list.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "app/ui/Optionen.h"
#include "breeding/StatistikStammbaum.h"
#include "breeding/ui/StatistikStammbaumFenster.h"
#include "breeding/ui/Verpaarung.h"
#include "widgets/DBGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace tav::app;
using namespace tav::app::ui;
using namespace tav::widgets;
using namespace tav::breeding::ui;

class TstVerpaarung : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    QTemporaryDir m_temp;
    QString m_out;

    void grab(QWidget *w, const QString &name)
    {
        QApplication::processEvents();
        QVERIFY(w->parentWidget()->grab().save(m_out + "/" + name));
    }

    // a click on the tree item as the user makes it
    static void klick(QTreeWidget *tree, QTreeWidgetItem *item)
    {
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(f.start(QSize(1280, 900), true).isEmpty());
        registerVerpaarung();
        registerStatistikStammbaum();
        f.main->updateCommandStates();
        m_out = qEnvironmentVariable("TAV_SCREENSHOTS", m_temp.path());
        QVERIFY(QDir().mkpath(m_out));
    }
    void cleanupTestCase() { f.stop(); }

    void matingsOfTheQueenWithMostKittens()
    {
        const int queen =
            scalar(
                *f.db,
                "SELECT Mutter FROM catstamm WHERE Mutter > 0 GROUP BY Mutter ORDER BY count(*) DESC LIMIT 1")
                .toInt();
        const int partner =
            scalar(*f.db, "SELECT count(DISTINCT Vater) FROM catstamm WHERE Mutter = ?", {queen}).toInt();
        const int junge = scalar(*f.db, "SELECT count(*) FROM catstamm WHERE Mutter = ?", {queen}).toInt();
        QVERIFY(partner > 0);
        // a litter book without its index gets it back when the window opens
        f.db->dropIndex("WURFBUCH.DB", "KatzeKaterWurftag");
        QAction *item = f.main->action("VerpaarungenundWuerfe1");
        QVERIFY(item && item->isEnabled());
        f.main->positionListOn(queen);
        item->trigger();
        TFormVerpaarung *w = TFormVerpaarung::instance();
        QVERIFY(w);
        QCOMPARE(w->tiernummer, queen);
        QVERIFY(f.db->indexNames("WURFBUCH.DB").contains("KatzeKaterWurftag"));
        // the matings display is the one page its settings button opens
        QTest::mouseClick(w->findChild<QPushButton *>("BitBtnSystemparameter"), Qt::LeftButton);
        tav::app::ui::TFOptionen *o = tav::app::ui::TFOptionen::instance();
        QVERIFY(o && o->PageControl->count() == 1);
        o->close();
        QVERIFY(!w->maennlich);
        QTreeWidgetItem *katze = w->TreeView->topLevelItem(0);
        QCOMPARE(katze->childCount(), partner);
        QCOMPARE(w->Seiten->currentIndex(), int(TFormVerpaarung::Tier));
        QCOMPARE(w->werteTier[1]->text().trimmed(), QString::number(junge));
        QCOMPARE(w->Memo1->toPlainText().split('\n').size(), partner);
        // the tree shows every line the window has room for, the pages below keep what they need;
        // the symbols of the levels
        QApplication::processEvents();
        const int zeilen = partner + junge + 1 + int(w->verpaarungen().statistik.wuerfe);
        const int zeile = w->TreeView->sizeHintForRow(0);
        QVERIFY2(w->TreeView->viewport()->height() >= std::min(zeilen, 10) * zeile,
                 qPrintable(QStringLiteral("%1 px for %2 lines").arg(w->TreeView->height()).arg(zeilen)));
        QVERIFY(w->Seiten->height() >= w->Seiten->minimumSizeHint().height());
        const auto bild = [](QTreeWidgetItem *i) { return i->data(0, TFormVerpaarung::RolleBild).toInt(); };
        QCOMPARE(bild(katze), int(TFormVerpaarung::BildWeiblich));
        QVERIFY(bild(katze->child(0)) <= TFormVerpaarung::BildMaennlich);
        QCOMPARE(bild(katze->child(0)->child(0)), int(TFormVerpaarung::BildWurf));
        grab(w, "matings-window.png");

        klick(w->TreeView, katze->child(0));
        QCOMPARE(w->Seiten->currentIndex(), int(TFormVerpaarung::PartnerSeite));
        QTreeWidgetItem *wurf = katze->child(0)->child(0);
        klick(w->TreeView, wurf);
        QCOMPARE(w->Seiten->currentIndex(), int(TFormVerpaarung::WurfSeite));
        QCOMPARE(w->werteWurf[2]->text().trimmed(), QString::number(wurf->childCount()));
        klick(w->TreeView, wurf->child(0));
        QCOMPARE(w->Seiten->currentIndex(), int(TFormVerpaarung::Jungtier));
        QVERIFY(!w->werteJungtier[0]->text().isEmpty());
        // owner and breeder as "first name name", or the name alone, from the address book
        const int kitten = w->verpaarungen().zeilen[wurf->child(0)->data(0, Qt::UserRole + 2).toInt()].kitten;
        const auto adresse = [&](const char *feld) {
            const QString sql = QStringLiteral("SELECT trim(coalesce(a.Vorname, '') || ' ' || a.Name)"
                                               " FROM adr_dat.db a, catstamm.db c WHERE c.LaufendeNummer = ?"
                                               " AND a.LaufendeNr = c.%1")
                                    .arg(QString::fromUtf8(feld));
            return scalar(*f.db, sql, {kitten}).toString();
        };
        QVERIFY(!adresse("Besitzer").isEmpty());
        QCOMPARE(w->werteJungtier[3]->text(), adresse("Besitzer"));
        QCOMPARE(w->werteJungtier[4]->text(), adresse("Züchter"));
        QCOMPARE(bild(wurf->child(0)), tav::breeding::istKater(scalar(*f.db,
                                                                      "SELECT Geschlecht FROM catstamm"
                                                                      " WHERE LaufendeNummer = ?",
                                                                      {kitten})
                                                                   .toString())
                                           ? int(TFormVerpaarung::BildMaennlich)
                                           : int(TFormVerpaarung::BildWeiblich));
        bool besitzerGedruckt = false;
        for (const auto &wert : w->druckDaten().werte)
            besitzerGedruckt |= wert.tag == 8030 && wert.wert == adresse("Besitzer");
        QVERIFY(besitzerGedruckt);
        // the print-out of the kitten page: the cat, the partner, the litter and the kitten
        QCOMPARE(w->druckDaten().knoten.size(), 4);

        // a cat without offspring: the one node that says so, and zeros
        const int ohne = scalar(*f.db, "SELECT min(LaufendeNummer) FROM catstamm c WHERE NOT EXISTS"
                                       " (SELECT 1 FROM catstamm k WHERE k.Vater = c.LaufendeNummer"
                                       " OR k.Mutter = c.LaufendeNummer)")
                             .toInt();
        w->KatzeLaden(ohne);
        QCOMPARE(w->TreeView->topLevelItem(0)->child(0)->text(0), messageText(187));
        QCOMPARE(bild(w->TreeView->topLevelItem(0)->child(0)), int(TFormVerpaarung::BildKeine));
        QCOMPARE(w->hoehe, 100);
        QCOMPARE(w->werteTier[2]->text(), QStringLiteral("  0"));
        QVERIFY(w->druckDaten().keineVerpaarungen);
        w->close();
    }

    void traitStatisticsOfTheYoungestCat()
    {
        const int jung = scalar(*f.db, "SELECT max(LaufendeNummer) FROM catstamm WHERE Vater > 0").toInt();
        QAction *item = f.main->action("MerkmaleeinesStammbaumes1");
        QVERIFY(item && item->isEnabled());
        f.main->positionListOn(jung);
        item->trigger();
        auto *w = TFormStatistikMerkmaleStammbaum::instance();
        QVERIFY(w);
        QCOMPARE(w->satzKatze, jung);
        QTest::mouseClick(w->BitBtnAuswertung, Qt::LeftButton);
        const QStringList alle = w->Memo1->toPlainText().split('\n');
        QVERIFY(alle[0].startsWith(messageText(129)));

        // every ancestor in colour-only mode with every colour
        QTest::mouseClick(w->RBohneMerkmale, Qt::LeftButton);
        QVERIFY(!w->CheckBoxalleM->isEnabled());
        QTest::mouseClick(w->BitBtnAuswertung, Qt::LeftButton);
        const QStringList farbe = w->Memo1->toPlainText().split('\n');
        QVERIFY(farbe.size() > alle.size() || alle.size() == 2);
        QVERIFY(farbe[1].contains(" » "));
        grab(w, "pedigree-traits-window.png");

        // chosen traits without a choice: message 123, nothing runs
        QTest::mouseClick(w->RBmitMerkmale, Qt::LeftButton);
        QTest::mouseClick(w->CheckBoxalleM, Qt::LeftButton);
        QVERIFY(w->DBGridMerkmale->isEnabled());
        Scripted::reset();
        QVERIFY(!w->auswerten());
        QVERIFY(!Scripted::shown().isEmpty() && Scripted::shown().last().text.contains(messageText(123)));

        // the rows chosen in the trait grid are the traits counted
        tav::widgets::DBGrid *grid = w->DBGridMerkmale;
        QVERIFY(grid->model()->rowCount() >= 2);
        for (int row : {0, 1})
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(row, 0)).center());
        const QStringList gewaehlt = w->gewaehlteMerkmale();
        QCOMPARE(gewaehlt.size(), 2);
        QVERIFY(w->auswerten());
        tav::breeding::StatistikOptionen o;
        o.generationen = w->EditAnzGen->text().toInt();
        o.alleMerkmale = false;
        o.merkmale = gewaehlt;
        const tav::breeding::StatistikRegister r = tav::breeding::StatistikRegister::lese(*f.db);
        QCOMPARE(w->Memo1->toPlainText(),
                 tav::breeding::statistikText(tav::breeding::statistikStammbaum(r, jung, o), messageText)
                     .join('\n'));

        // "Abbruch" while it counts asks message 176; No goes on, Yes stops with message 177
        for (const auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            Scripted::reset();
            Scripted::answer(antwort);
            QTimer::singleShot(0, w->BitBtnAbbruch, [w] {
                QVERIFY(w->PanelWarten->isVisible());
                w->BitBtnAbbruch->click();
            });
            const bool fertig = w->auswerten();
            QCOMPARE(fertig, antwort == QMessageBox::No);
            QVERIFY(Scripted::shown().first().text.contains(messageText(176)));
            QCOMPARE(Scripted::shown().last().text.contains(messageText(177)), !fertig);
            QCOMPARE(w->Memo1->toPlainText().isEmpty(), !fertig);
            QVERIFY(!w->PanelWarten->isVisible() && w->BitBtnAuswertung->isEnabled());
        }
        w->close();
    }
};

QTEST_MAIN(TstVerpaarung)
#include "tst_verpaarung.moc"
