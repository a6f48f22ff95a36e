// The trait statistics of the register on the demo register: "A and not B" built by double clicks,
// the cats it finds with IK and AVK filled in the background, the print-out and a refused query.
#include "../common/Controls.h"
#include "../common/ProgramFixture.h"
#include "breeding/ui/StatistikDateiFenster.h"
#include "report/ui/Vorschau.h"
#include "widgets/DBGrid.h"

#include <QCheckBox>
#include <QFrame>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace tav::breeding::ui;
using tav::widgets::Scripted;

class TstStatistikDateiFenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    TFormStatistikMerkmaleDatei *w = nullptr;

    void doppelklick(const QString &merkmal)
    {
        QAbstractItemModel *m = w->DBGMerkmale->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toString() == merkmal) {
                const QRect rect = w->DBGMerkmale->visualRect(m->index(r, 0));
                QTest::mouseClick(w->DBGMerkmale->viewport(), Qt::LeftButton, {}, rect.center());
                QTest::mouseDClick(w->DBGMerkmale->viewport(), Qt::LeftButton, {}, rect.center());
                return;
            }
        QFAIL(qPrintable("no trait " + merkmal));
    }
    // the cats carrying `mit` and not `ohne`, by name and number, read here without the window
    QStringList erwartet(const QString &mit, const QString &ohne)
    {
        tav::store::Query q(
            f.db.get(),
            "SELECT C.Name, C.LaufendeNummer FROM catstamm.db C WHERE"
            " EXISTS (SELECT 1 FROM katzemerkmal.db K, merkmale.db M WHERE K.Katze = C.LaufendeNummer"
            " AND M.LaufendeNummer = K.Merkmal AND M.Bezeichnung = ?) AND NOT"
            " EXISTS (SELECT 1 FROM katzemerkmal.db K, merkmale.db M WHERE K.Katze = C.LaufendeNummer"
            " AND M.LaufendeNummer = K.Merkmal AND M.Bezeichnung = ?)"
            " ORDER BY C.Name COLLATE DE, C.LaufendeNummer");
        q.addBindValue(mit);
        q.addBindValue(ohne);
        q.open();
        QStringList n;
        for (; !q.eof(); q.next())
            n << q.value(0).toString();
        return n;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(f.start(QSize(1280, 860)), QString());
        registerStatistikDatei();
        QVERIFY(f.main->hasWindow("formstatistikmerkmaledatei"));
        QWidget *c = tav::shell::TMirravel::windowFactory("formstatistikmerkmaledatei")(*f.main);
        w = qobject_cast<TFormStatistikMerkmaleDatei *>(c);
        QVERIFY(w);
        w->parentWidget()->resize(1240, 760);
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanupTestCase() { f.stop(); }

    void undNichtPerDoppelklick()
    {
        const QString a = "PKD negativ", b = "HCM-Schall o.B.";
        QTest::mouseClick(w->BtnErweitert, Qt::LeftButton);
        QVERIFY(w->BtnNot->isEnabled() && w->BtnAuf->isEnabled() && !w->BtnAnd->isEnabled());
        doppelklick(a);
        QVERIFY(!w->DBGMerkmale->isEnabled() && w->BtnAnd->isEnabled() && !w->BtnNot->isEnabled());
        QTest::mouseClick(w->BtnAnd, Qt::LeftButton);
        QTest::mouseClick(w->BtnNot, Qt::LeftButton);
        QVERIFY(!w->BtnNot->isEnabled() && w->DBGMerkmale->isEnabled());
        doppelklick(b);
        QCOMPARE(w->SQL->toPlainText(), " (Merkmal='" + a + "') and not (Merkmal='" + b + "')");

        QVERIFY(w->auswerten());
        QVERIFY(!w->CBMaennlich->isEnabled() && !w->BtnAuswerten->isEnabled());
        const QStringList soll = erwartet(a, b);
        QVERIFY(soll.size() >= 3);
        auto *m = static_cast<DateiErgebnisModell *>(w->Ergebnis->model());
        QStringList ist;
        for (const auto &z : m->zeilen()) {
            ist << z.name;
            QVERIFY(z.merkmal.contains("- " + a + " -"));
        }
        QCOMPARE(ist, soll);
        // IK and AVK arrive in the background, the window answering meanwhile
        QTRY_VERIFY_WITH_TIMEOUT(!w->inzuchtLaeuft(), 20000);
        int mitEltern = 0;
        for (const auto &z : m->zeilen())
            if (z.vater && z.mutter) {
                ++mitEltern;
                QVERIFY2(z.ik.endsWith('%') && z.avk.endsWith('%'), qPrintable(z.name));
            }
        QVERIFY(mitEltern > 0);

        QTemporaryDir aus;
        const QString pdf = aus.filePath("merkmale.pdf");
        Scripted::dialog([&](QDialog &d) {
            auto *v = qobject_cast<tav::report::ui::TVorschau *>(&d);
            if (!v)
                return int(QDialog::Rejected);
            Scripted::file(pdf);
            control<QToolButton>(v, "BPdf")->click();
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(w->BtnDruck, Qt::LeftButton);
        QVERIFY(QFileInfo(pdf).size() > 0);
        if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
            QProcess p;
            p.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
            QVERIFY(p.waitForFinished());
            const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
            QVERIFY2(text.contains("mit der Abfrage: (Merkmal='" + a + "') and not (Merkmal='" + b + "')"),
                     qPrintable(text));
            for (const QString &n : soll)
                QVERIFY2(text.contains(n), qPrintable(n));
        }
        w->window()->grab().save(QDir::temp().filePath("register-traits.png"));
    }

    // text typed after "SQL bearbeiten" is read, never pasted: SQL in it is refused with 120
    void bearbeiteteAbfrage()
    {
        QTest::mouseClick(w->BtnZuruecksetzen, Qt::LeftButton);
        QVERIFY(w->BtnAuswerten->isEnabled() && w->Ergebnis->model()->rowCount() == 0);
        QTest::mouseClick(w->BtnErweitert, Qt::LeftButton);
        QTest::mouseClick(w->BtnSQL, Qt::LeftButton);
        QVERIFY(!w->SQL->isReadOnly());
        QTest::keyClicks(w->SQL, "Merkmal='PKD negativ') or (1=1");
        Scripted::reset();
        QVERIFY(!w->auswerten());
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY(Scripted::shown()[0].text.contains("Fehler in der Abfrage"));
        QVERIFY(w->SQL->toPlainText().isEmpty() && w->BtnAuswerten->isEnabled());

        // no sex ticked: message 191, nothing runs
        w->CBMaennlich->setChecked(false);
        w->CBWeiblich->setChecked(false);
        w->CBMaennlichKastrat->setChecked(false);
        w->CBWeiblichKastrat->setChecked(false);
        Scripted::reset();
        QVERIFY(!w->auswerten());
        QVERIFY(Scripted::shown()[0].text.contains("Geschlecht"));
    }
};

QTEST_MAIN(TstStatistikDateiFenster)
#include "tst_statistikdateifenster.moc"
