#define TAV_WITH_CATSTAMM
#include "../common/Controls.h"
#include "../common/ProgramFixture.h"
#include "breeding/ui/Inzuchtgrad.h"
#include "breeding/ui/TopKatzen.h"
#include "cats/ui/Psuchdlg.h"
#include "report/ui/Vorschau.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/StoredColour.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::breeding::ui;

class TstInzuchtgrad : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // the search dialog, driven as the user would: the name typed, searched, the cat taken
    static void sucheAntwortet(const QString &name, int nummer)
    {
        Scripted::dialog([name, nummer](QDialog &dlg) {
            auto *d = qobject_cast<tav::cats::ui::TSuchenDlg *>(&dlg);
            if (!d)
                return int(QDialog::Rejected);
            d->show();
            QTest::keyClicks(d->EName, name);
            QTest::mouseClick(d->BSuchen, Qt::LeftButton);
            for (int i = 0; i < d->treffer().size(); ++i) {
                if (d->treffer()[i].LaufendeNummer == nummer && d->ergebnisSichtbar()) {
                    d->DBGrid1->setFocus();
                    d->DBGrid1->setCurrentIndex(d->DBGrid1->model()->index(i, 0));
                    QTest::keyClick(d->DBGrid1, Qt::Key_Return);
                }
            }
            QTest::mouseClick(d->BOK, Qt::LeftButton);
            return d->result();
        });
    }

    QString name(int nr)
    {
        return scalar(*f.db, "SELECT Name FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString();
    }

    bool shown(int message)
    {
        for (const Scripted::Shown &s : Scripted::shown())
            if (s.text.contains(messageText(message)))
                return true;
        return false;
    }

    TFormInzuchtgrad *oeffnen()
    {
        f.main->runCommand("Inzuchtgrad1");
        settle();
        return TFormInzuchtgrad::instance();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1280, 900), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        tsysteminfo::instance()->InzuchtBerechnungAuto = false;
        const QString cat = f.openCatStamm();
        QVERIFY2(cat.isEmpty(), qPrintable(cat));
        registerInzuchtgrad();
        f.main->updateCommandStates();
    }
    void cleanupTestCase() { f.stop(); }
    void init() { Scripted::reset(); }

    // a planned mating of two demo cats: calculated, saved, found again by name, loaded back,
    // and handed to the print-out as the window shows it
    void geplanteVerpaarung()
    {
        QAction *item = f.main->findChild<QAction *>("Inzuchtgrad1");
        QVERIFY(item && item->isEnabled());
        TFormInzuchtgrad *w = oeffnen();
        QVERIFY(w);
        const int jung = scalar(*f.db, "SELECT max(LaufendeNummer) FROM catstamm").toInt();
        const int vater =
            scalar(*f.db, "SELECT Vater FROM catstamm WHERE LaufendeNummer = ?", {jung}).toInt();
        const int mutter =
            scalar(*f.db, "SELECT Mutter FROM catstamm WHERE LaufendeNummer = ?", {jung}).toInt();

        QTest::mouseClick(w->RadioEltern, Qt::LeftButton);
        QVERIFY(!w->sucheKatze->isEnabled() && w->SucheVater->isEnabled());
        QVERIFY(w->EditKatze->text().isEmpty());
        sucheAntwortet(name(vater), vater);
        QTest::mouseClick(w->SucheVater, Qt::LeftButton);
        sucheAntwortet(name(mutter), mutter);
        QTest::mouseClick(w->SucheMutter, Qt::LeftButton);
        QCOMPARE(w->EditVater->text(), name(vater));
        QCOMPARE(w->EditMutter->text(), name(mutter));
        // the generation edit when left: text becomes 3
        w->EditGenerationen->clear();
        QTest::keyClicks(w->EditGenerationen, "abc");
        QTest::keyClick(w->EditGenerationen, Qt::Key_Return);
        QCOMPARE(w->EditGenerationen->text(), QString("3"));
        w->EditGenerationen->clear();
        QTest::keyClicks(w->EditGenerationen, "6");
        QTest::mouseClick(w->BitBtnBerechnung, Qt::LeftButton);
        settle();
        const QString koeffizient = w->Edit1->text();
        QVERIFY2(koeffizient.endsWith('%'), qPrintable(koeffizient));
        const QString paare = w->Memo3->toPlainText();
        QVERIFY(!paare.isEmpty());

        // saved under the proposal; the same name and generations again asks message 85
        QTest::mouseClick(w->BitBtnSpeichern, Qt::LeftButton);
        QVERIFY(w->PanelSpeichern->isVisible());
        const QString vorschlag = name(vater) + "_" + name(mutter);
        QCOMPARE(w->EditSpeichername->text(), vorschlag);
        QTest::mouseClick(w->BitBtnSpeichernOK, Qt::LeftButton);
        QVERIFY(shown(87));
        Scripted::reset();
        Scripted::answer(QMessageBox::No);
        QTest::mouseClick(w->BitBtnSpeichern, Qt::LeftButton);
        QTest::mouseClick(w->BitBtnSpeichernOK, Qt::LeftButton);
        QVERIFY(shown(85) && !shown(87));
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM \"Inzuchtgrad.db\"").toInt(), 1);

        // another kind of calculation clears the results; loading brings them back
        QTest::mouseClick(w->RadioKatze, Qt::LeftButton);
        QVERIFY(w->Edit1->text().isEmpty() && w->EditVater->text().isEmpty());
        QTest::mouseClick(w->BitBtnLaden, Qt::LeftButton);
        QVERIFY(w->PanelLaden->isVisible());
        QCOMPARE(w->GridLaden->rowCount(), 1);
        QCOMPARE(w->GridLaden->item(0, 0)->text(), vorschlag);
        QTest::mouseClick(w->BitBtnLadenOK, Qt::LeftButton);
        QCOMPARE(w->Edit1->text(), koeffizient);
        QCOMPARE(w->Memo3->toPlainText(), paare);
        QVERIFY(w->RadioEltern->isChecked());
        QCOMPARE(w->SatznummerVater, vater);

        // the print-out gets what the window shows, the ancestors in the grid's order
        QTest::mouseClick(w->BitBtnDrucken, Qt::LeftButton);
        QVERIFY(w->PanelDruck->isVisible());
        QTest::mouseClick(w->CheckBoxKlonliste, Qt::LeftButton);
        w->DBGrid1->horizontalHeader()->sectionClicked(0); // by count, most first
        QSignalSpy druck(w, &TFormInzuchtgrad::druckAngefordert);
        // the preview opens on the print-out and saves it as PDF
        QTemporaryDir aus;
        const QString pdf = aus.filePath("inzucht.pdf");
        bool vorschau = false;
        Scripted::dialog([&](QDialog &d) {
            auto *v = qobject_cast<tav::report::ui::TVorschau *>(&d);
            if (!v)
                return int(QDialog::Rejected);
            vorschau = true;
            Scripted::file(pdf);
            control<QToolButton>(v, "BPdf")->click();
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(w->BitBtnDruckenOK, Qt::LeftButton);
        QVERIFY(vorschau && QFileInfo(pdf).size() > 0);
        if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
            QProcess p;
            p.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
            QVERIFY(p.waitForFinished());
            const QString text = QString::fromUtf8(p.readAllStandardOutput());
            QVERIFY2(text.contains("Inzucht von") && text.contains(koeffizient.trimmed()), qPrintable(text));
        }
        QCOMPARE(druck.size(), 1);
        const auto d = druck[0][0].value<tav::printouts::InzuchtDruck>();
        QCOMPARE(d.koeffizient, koeffizient);
        QCOMPARE(d.vater, name(vater));
        QCOMPARE(d.inzucht, paare.split('\n'));
        QCOMPARE(d.ahnenverlust.size(), 7);
        QCOMPARE(d.topKatzen.size(), 5);
        QVERIFY(!d.vorfahren.isEmpty());
        QCOMPARE(d.vorfahren.size(), w->DBGrid1->model()->rowCount());
        for (int i = 1; i < d.vorfahren.size(); ++i)
            QVERIFY(d.vorfahren[i - 1].anzahl >= d.vorfahren[i].anzahl);
        QVERIFY(d.mitKlonliste && !d.mitInzuchtliste && !d.mitVorfahrenliste);
        QVERIFY(!w->PanelDruck->isVisible());

        // two founders without recorded parents: no inbreeding
        const int kater =
            scalar(*f.db, "SELECT min(LaufendeNummer) FROM catstamm WHERE coalesce(Vater, 0) = 0 AND "
                          "Geschlecht = '1' AND LaufendeNummer > 1")
                .toInt();
        const int kaetzin =
            scalar(
                *f.db,
                "SELECT min(LaufendeNummer) FROM catstamm WHERE coalesce(Vater, 0) = 0 AND Geschlecht = '2'")
                .toInt();
        QVERIFY(kater > 0 && kaetzin > 0);
        w->setzeVater(kater);
        w->setzeMutter(kaetzin);
        QVERIFY(w->berechnen());
        QCOMPARE(w->Edit1->text(), QString(" 0%"));
        QCOMPARE(w->Memo3->toPlainText(), messageText(48));

        // a demo cat of its own, as the screenshot shows it
        QTest::mouseClick(w->RadioKatze, Qt::LeftButton);
        w->setzeKatze(jung);
        QCOMPARE(w->SatznummerMutter, mutter);
        QVERIFY(w->berechnen());
        QVERIFY(w->EditKatze->text().startsWith(name(jung) + "   "));
        QVERIFY(!w->Stammbaumboxen[0]->text().isEmpty());
        if (auto *sub = w->parentWidget())
            sub->grab().save(QDir::temp().filePath("inbreeding-window.png"));
        f.main->runCommand("Inzuchtgrad1"); // opened once only
        QCOMPARE(w, TFormInzuchtgrad::instance());
        QTest::mouseClick(w->BitBtnZurueck, Qt::LeftButton);
        settle();
        QVERIFY(!TFormInzuchtgrad::instance());
    }

    // a slot's cat and colour: No to message 29 leaves the slot; Yes stores it and the cat list
    // shows the cat in its colour
    void topKatzen()
    {
        tsysteminfo::instance()->speichern = false;
        DataSource::setDefaultSaveWithoutAsking(false);
        const int katze =
            scalar(*f.db, "SELECT min(LaufendeNummer) FROM catstamm WHERE LaufendeNummer NOT IN "
                          "(SELECT Katze FROM katzemerkmal)")
                .toInt();
        QVERIFY(katze > 0);
        const QColor farbe(10, 200, 30);
        for (const auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            f.main->runCommand("TopKatzen1");
            settle();
            TFormTopKatzen *w = TFormTopKatzen::instance();
            QVERIFY(w);
            QVERIFY(!w->BitBtnRueckgaengig->isEnabled());
            QVERIFY(w->Panels[2].name->text().isEmpty());
            sucheAntwortet(name(katze), katze);
            QTest::mouseClick(w->Panels[2].katzeLaden, Qt::LeftButton);
            Scripted::dialog([farbe](QDialog &d) {
                static_cast<QColorDialog &>(d).setCurrentColor(farbe);
                return int(QDialog::Accepted);
            });
            QTest::mouseClick(w->Panels[2].farbeLaden, Qt::LeftButton);
            QCOMPARE(w->Panels[2].name->text(), name(katze));
            QVERIFY(w->BitBtnRueckgaengig->isEnabled());
            Scripted::answer(antwort);
            QTest::mouseClick(w->BitBtnZurueck, Qt::LeftButton);
            settle();
            QVERIFY(shown(29));
            QVERIFY(!TFormTopKatzen::instance());
            const QVariant gespeichert = scalar(*f.db, "SELECT Katze FROM topkatze WHERE LaufendeNummer = 3");
            QCOMPARE(gespeichert.toInt(), antwort == QMessageBox::Yes ? katze : 0);
            Scripted::reset();
        }
        QCOMPARE(scalar(*f.db, "SELECT Farbe FROM topkatze WHERE LaufendeNummer = 3").toInt(),
                 storedValue(farbe));
        f.main->positionListOn(katze);
        const int row = f.main->catTable()->recNo() - 1;
        QCOMPARE(f.main->catList()
                     ->model()
                     ->data(f.main->catList()->model()->index(row, 0), Qt::BackgroundRole)
                     .value<QColor>(),
                 farbe);
    }
};

QTEST_MAIN(TstInzuchtgrad)
#include "tst_inzuchtgrad.moc"
