// The litter registration window on a started program: a kitten's name corrected in the grid is
// what every form prints, and the register keeps its own name.
#include "../common/ProgramFixture.h"
#include "printouts/ui/Wurfmeldung.h"
#include "report/ui/Vorschau.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace tav;
using tav::widgets::Scripted;

class TstWurfmeldungFenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    // the text of the first page the preview of `knopf` shows, joined without separators (the
    // registry forms print a name letter by letter)
    QString vorschau(QPushButton *knopf)
    {
        QString text;
        Scripted::dialog([&](QDialog &d) {
            if (auto *v = qobject_cast<report::ui::TVorschau *>(&d))
                text = v->pages().pages.value(0).texts().join(QString());
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(knopf, Qt::LeftButton);
        return text;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1280, 860), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
    void cleanupTestCase() { f.stop(); }

    void korrekturWirdGedrucktAberNichtGespeichert()
    {
        const int queen = scalar(*f.db, "SELECT Katze FROM wurfbuch ORDER BY LaufendeNummer LIMIT 1").toInt();
        printouts::ui::TformWurfmeldung w(*f.db, queen, 0, f.main.get());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.grab().save(QDir::temp().filePath("tavrenno-wurfmeldung.png"));
        QVERIFY(!w.feld("VaterName")->text().isEmpty());
        QVERIFY(w.feld("MutterBesitzer")->isReadOnly());
        QTableWidgetItem *zelle = w.StringGrid1->item(0, 0);
        QVERIFY(zelle && !zelle->text().isEmpty());
        const QString alt = zelle->text();

        w.StringGrid1->setCurrentCell(0, 0);
        w.StringGrid1->editItem(zelle);
        auto *editor = w.StringGrid1->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Kasimir vom Test"));
        QCOMPARE(editor->text(), QStringLiteral("Kasimir vom Test"));
        // leaving the cell takes the typed name
        w.StringGrid1->setCurrentCell(1, 0);
        QCOMPARE(w.StringGrid1->item(0, 0)->text(), QStringLiteral("Kasimir vom Test"));
        QTest::keyClicks(w.feld("VaterZwingerNr"), QStringLiteral("ZW-42"));

        for (QPushButton *knopf :
             {w.BitBtnDruckvorschau, w.Druckvorschau1Dekzv, w.BitBtnVorschauDeutschRassekatzenunion}) {
            const QString text = vorschau(knopf);
            QVERIFY2(text.contains(QStringLiteral("KasimirvomTest")) ||
                         text.contains(QStringLiteral("Kasimir vom Test")),
                     qPrintable(knopf->objectName()));
            QVERIFY(!text.contains(alt));
        }
        QVERIFY(vorschau(w.BitBtnDruckvorschau).contains(QStringLiteral("ZW-42")));
        QVERIFY(w.isVisible()); // a preview leaves the window open
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM catstamm WHERE Name = ?", {alt}).toInt(), 1);
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM catstamm WHERE Name = ?", {"Kasimir vom Test"}).toInt(),
                 0);
    }
};

QTEST_MAIN(TstWurfmeldungFenster)
#include "tst_wurfmeldungfenster.moc"
