#include "../common/ProgramFixture.h"
#include "app/Global.h"
#include "breeding/Stammbaum8.h"
#include "breeding/StorePedigree.h"
#include "breeding/ui/Stammbaumfenster.h"
#include "cats/ui/Psuchdlg.h"
#include "shell/Main.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

using namespace tav::breeding;
using tav::breeding::ui::TFormStammbaum;

class TstStammbaumfenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    qint32 m_jung = 0;  // the demo's youngest cat
    qint32 m_enkel = 0; // two new generations below it, so that its pedigree reaches generation 8

    TFormStammbaum *w() const { return TFormStammbaum::instance(); }

    // the ancestor in box (g, i) of the cat, walked through the register: sire for a 0 bit, dam for a 1
    qint32 ahnImRegister(qint32 nr, int g, int i)
    {
        for (int bit = g - 1; bit >= 0 && nr > 0; --bit) {
            const char *feld = ((i - 1) >> bit) & 1 ? "Mutter" : "Vater";
            nr = scalar(*f.db, QStringLiteral("SELECT %1 FROM catstamm WHERE LaufendeNummer = ?").arg(feld),
                        {nr})
                     .toInt();
        }
        return scalar(*f.db, "SELECT count(*) FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt() ? nr : 0;
    }
    QString erwarteterText(qint32 nr)
    {
        if (nr == 0)
            return QString();
        const QString name =
            scalar(*f.db, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString();
        return stammbaumBoxText(f.global->GetTitel(nr), name, nr);
    }
    qint32 neueKatze(const QString &name, qint32 vater)
    {
        tav::store::Table t(f.db.get(), "CATSTAMM.DB");
        t.open();
        t.append();
        t.setValue("Name", name);
        t.setValue("Geschlecht", "1");
        t.setValue("Vater", vater);
        t.post();
        return t.value("LaufendeNummer").toInt();
    }
    // the right mouse button on a box, and the menu entry clicked
    void menue(QLabel *box, QAction *eintrag, bool erwartetAktiv)
    {
        const QPoint p(20, box->height() / 2);
        QTest::mousePress(box, Qt::RightButton, {}, p);
        QTest::mouseRelease(box, Qt::RightButton, {}, p);
        QContextMenuEvent e(QContextMenuEvent::Mouse, p, box->mapToGlobal(p));
        QApplication::sendEvent(box, &e);
        QTRY_VERIFY(w()->PopupMenu->isVisible());
        QCOMPARE(eintrag->isEnabled(), erwartetAktiv);
        if (erwartetAktiv)
            QTest::mouseClick(w()->PopupMenu, Qt::LeftButton, {},
                              w()->PopupMenu->actionGeometry(eintrag).center());
        else
            w()->PopupMenu->hide();
        QTRY_VERIFY(!w()->PopupMenu->isVisible());
    }
    void pruefeBoxen(qint32 wurzel, const QList<QPair<int, int>> &boxen)
    {
        for (const auto &[g, i] : boxen)
            QVERIFY2(w()->Stb(g, i)->text() == erwarteterText(ahnImRegister(wurzel, g, i)),
                     qPrintable(QStringLiteral("box %1,%2: %3").arg(g).arg(i).arg(w()->Stb(g, i)->text())));
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(f.start(QSize(1280, 900), true).isEmpty());
        // a demo cat whose sire line reaches back six generations
        StorePedigree register_(*f.db, StorePedigree::Laden::Alles);
        for (qint32 nr = scalar(*f.db, "SELECT max(LaufendeNummer) FROM catstamm").toInt(); nr > 0 && !m_jung;
             --nr) {
            if (leseStammbaum8(register_, nr).ahn(6, 1).nummer)
                m_jung = nr;
        }
        QVERIFY(m_jung);
        m_enkel = neueKatze("Enkel", neueKatze("Sohn", m_jung));
        tav::breeding::ui::registerStammbaum();
        f.main->updateCommandStates();
    }
    void cleanupTestCase() { f.stop(); }

    void oeffnetFuerDieKatzeDerListe()
    {
        QAction *menu = f.main->action("Stammbaumlang1");
        QVERIFY(menu && menu->isEnabled());
        f.main->positionListOn(m_enkel);
        QCOMPARE(f.main->currentListCat(), m_enkel);
        menu->trigger();
        QVERIFY(w());
        QCOMPARE(w()->wurzel(), m_enkel);
        QVERIFY(w()->MemoKatze->toPlainText().contains("Enkel"));
        QCOMPARE(w()->parentWidget()->windowTitle(), QStringLiteral("Stammbaum über 8 Generationen"));
        // opened scrolled to the root
        QTRY_VERIFY(w()->MemoKatze->visibleRegion().boundingRect() == w()->MemoKatze->rect());
        // the cat list makes way for the window
        QVERIFY(!f.main->catList()->isVisible());
    }

    void ahnenInDenRichtigenBoxen()
    {
        QVERIFY(ahnImRegister(m_enkel, 8, 1) > 0); // the demo register reaches generation 8 here
        pruefeBoxen(
            m_enkel,
            {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {2, 3}, {8, 1}, {8, 2}, {8, 37}, {8, 64}, {8, 65}, {8, 256}});
        QVERIFY(w()->Stb(1, 2)->text().isEmpty());
        // a title from the register shows in the box
        const QString titel = f.global->GetTitel(w()->stammbaum().ahn(3, 1).nummer);
        QVERIFY(w()->Stb(3, 1)->text().startsWith(QLatin1Char(' ') + titel + QLatin1Char(' ')));
    }

    void datenfeldBeimKlick()
    {
        QLabel *box = w()->Stb(2, 1);
        w()->ScrollBox->ensureWidgetVisible(box);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(20, 5));
        QVERIFY(w()->PanelStammbaumInfo->isVisible());
        const QString name =
            scalar(*f.db, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {m_jung}).toString();
        QVERIFY(w()->MemoStammbaumInfo->toPlainText().contains(name));
        // kept inside the visible part of the scroll box
        const QRect sichtbar(-w()->ScrollBox->widget()->pos(), w()->ScrollBox->viewport()->size());
        QVERIFY(sichtbar.contains(w()->PanelStammbaumInfo->geometry()));
        // an empty box shows the panel without data
        w()->ScrollBox->ensureWidgetVisible(w()->Stb(1, 2));
        QTest::mouseClick(w()->Stb(1, 2), Qt::LeftButton, {}, QPoint(20, 5));
        QVERIFY(w()->PanelStammbaumInfo->isVisible());
        QVERIFY(w()->MemoStammbaumInfo->toPlainText().isEmpty());
        QTest::mouseMove(w()->MemoStammbaumInfo->viewport(), QPoint(30, 30));
        QTest::mouseClick(w()->MemoStammbaumInfo->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
        QVERIFY(!w()->PanelStammbaumInfo->isVisible());
    }

    // a deep ancestor's picture shows in the panel beside its data; a near one's in the tree only
    void bilderImDatenfeld()
    {
        const QString bild = scalar(*f.db, "SELECT Bildpfad FROM \"BILDER.DB\" LIMIT 1").toString();
        QVERIFY(QFile::exists(bild));
        for (auto [g, i] : {std::pair{6, 1}, {3, 1}}) {
            tav::store::Table bilder(f.db.get(), "BILDER.DB");
            bilder.open();
            bilder.append();
            bilder.setValue("KatzeNr", ahnImRegister(m_enkel, g, i));
            bilder.setValue("Bildpfad", bild);
            bilder.post();
        }
        w()->zeigeKatze(m_enkel);
        QVERIFY(w()->Panel(3, 1)->isVisibleTo(w()));
        for (auto [g, i, mitBild] : {std::tuple{6, 1, true}, {3, 1, false}}) {
            w()->ScrollBox->ensureWidgetVisible(w()->Stb(g, i));
            QTest::mouseClick(w()->Stb(g, i), Qt::LeftButton, {}, QPoint(20, 5));
            QCOMPARE(w()->Panel3->isVisible(), mitBild);
            QCOMPARE(w()->MemoStammbaumInfo->toPlainText().startsWith(QString(38, ' ')), mitBild);
            QVERIFY(w()->MemoStammbaumInfo->toPlainText().contains(w()->stammbaum().ahn(g, i).name));
        }
    }

    void neueWurzelUndRuecksprung()
    {
        QTest::mouseClick(w()->ScrollBox->widget(), Qt::LeftButton, {}, QPoint(5, 5));
        const qint32 grossvater = ahnImRegister(m_enkel, 2, 1);
        QCOMPARE(grossvater, m_jung);
        // nothing pressed yet: nothing to load, nothing to go back to
        QContextMenuEvent leer(QContextMenuEvent::Mouse, QPoint(5, 5),
                               w()->ScrollBox->widget()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w()->ScrollBox->widget(), &leer);
        QTRY_VERIFY(w()->PopupMenu->isVisible());
        QVERIFY(!w()->StammbaumLaden->isEnabled());
        QVERIFY(!w()->Ruecksprung->isEnabled());
        w()->PopupMenu->hide();

        menue(w()->Stb(2, 1), w()->StammbaumLaden, true);
        QCOMPARE(w()->wurzel(), grossvater);
        pruefeBoxen(grossvater, {{1, 1}, {1, 2}, {2, 4}, {6, 1}, {6, 64}});
        QVERIFY(w()->Stb(8, 1)->text().isEmpty());

        // a second load: the step back returns to the root before it, once
        const qint32 dessenMutter = ahnImRegister(grossvater, 1, 2);
        menue(w()->Stb(1, 2), w()->StammbaumLaden, true);
        QCOMPARE(w()->wurzel(), dessenMutter);
        menue(w()->Stb(1, 1), w()->Ruecksprung, true);
        QCOMPARE(w()->wurzel(), grossvater);
        pruefeBoxen(grossvater, {{1, 1}, {2, 3}});
        menue(w()->Stb(1, 1), w()->Ruecksprung, false);
        QCOMPARE(w()->wurzel(), grossvater);
    }

    // "Katze laden" makes the cat chosen in the real search dialog the root
    void katzeLadenUeberDieSuche()
    {
        using tav::widgets::Scripted;
        w()->zeigeKatze(m_jung);
        int angeboten = -1;
        Scripted::dialog([&](QDialog &dlg) {
            auto *d = qobject_cast<tav::cats::ui::TSuchenDlg *>(&dlg);
            if (!d)
                return int(QDialog::Rejected);
            d->show();
            QTest::keyClicks(d->EName, "Enkel");
            QTest::mouseClick(d->BSuchen, Qt::LeftButton);
            angeboten = int(d->treffer().size());
            if (angeboten != 1)
                return int(QDialog::Rejected);
            d->DBGrid1->setFocus();
            d->DBGrid1->setCurrentIndex(d->DBGrid1->model()->index(0, 0));
            QTest::mouseClick(d->BOK, Qt::LeftButton);
            return d->result();
        });
        QTest::mouseClick(w()->BitBtn1, Qt::LeftButton);
        QCOMPARE(angeboten, 1);
        QCOMPARE(w()->wurzel(), m_enkel);
        pruefeBoxen(m_enkel, {{1, 1}, {2, 1}});
    }

    // a table that cannot be read is reported as what it is, and the window stays usable
    void tabellenfehlerBeimFuellen()
    {
        QStringList gemeldet;
        tav::widgets::setErrorReporter([&](const std::exception &e, const QString &datei) {
            gemeldet << datei + QLatin1Char(' ') + QString::fromUtf8(e.what());
        });
        tav::widgets::Scripted::reset();
        const QString titel = QDir(f.home.path()).filePath("Daten/TITELHUND.DB");
        QVERIFY(QFile::rename(titel, titel + ".weg"));
        QVERIFY(QDir().mkdir(titel));
        w()->zeigeKatze(m_jung);
        QVERIFY(QDir().rmdir(titel));
        QVERIFY(QFile::rename(titel + ".weg", titel));
        tav::widgets::setErrorReporter({});
        QCOMPARE(gemeldet.size(), 1);
        QVERIFY(tav::widgets::Scripted::shown().isEmpty()); // no "not enough memory"
        w()->zeigeKatze(m_enkel);
        pruefeBoxen(m_enkel, {{1, 1}, {2, 1}, {8, 1}});
    }

    void bildschirmfoto()
    {
        QTemporaryDir temp;
        const QString out = qEnvironmentVariable("TAV_SCREENSHOTS", temp.path());
        QVERIFY(QDir().mkpath(out));
        w()->zeigeKatze(m_jung);
        auto *sub = qobject_cast<QMdiSubWindow *>(w()->parentWidget());
        QVERIFY(sub);
        QApplication::processEvents();
        w()->ScrollBox->verticalScrollBar()->setValue(stammbaum8::wurzelText().top() - 450);
        w()->ScrollBox->horizontalScrollBar()->setValue(0);
        QTest::mouseClick(w()->Stb(4, 8), Qt::LeftButton, {}, QPoint(20, 5));
        QApplication::processEvents();
        QVERIFY(sub->grab().save(out + "/pedigree-window.png"));
    }
};

QTEST_MAIN(TstStammbaumfenster)
#include "tst_stammbaumfenster.moc"
