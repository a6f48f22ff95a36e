// The online window opened from its three menu items: the CSV file goes where the save dialog
// says, the table becomes editable only after the question and stores a cell edit.
#include "../common/Controls.h"
#include "../common/HttpEmpfaenger.h"
#include "../common/ProgramFixture.h"
#include "app/IniFile.h"
#include "app/Systemi.h"
#include "online/ui/OnlineDBInterface.h"
#include "store/Query.h"
#include "widgets/DBGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

using namespace tav::widgets;
using tav::online::Modus;
using tav::online::ui::TFormOnlineDBInterface;

class TstOnlineFenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    TFormOnlineDBInterface *oeffnen(const char *item)
    {
        QAction *a = f.main->action(item);
        if (!a || !a->isEnabled())
            return nullptr;
        a->trigger();
        QCoreApplication::processEvents();
        return TFormOnlineDBInterface::instance();
    }
    void schliessen(TFormOnlineDBInterface *w)
    {
        QPointer<QWidget> sub = w->parentWidget();
        sub->close();
        QCoreApplication::processEvents();
        QTRY_VERIFY(!TFormOnlineDBInterface::instance());
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString fehler = f.start(QSize(1100, 760));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        tav::online::ui::registerOnlineDBInterface();
    }

    void dreiModi_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("modus");
        QTest::addColumn<int>("hilfe");
        QTest::newRow("upload") << "UploadKatzendaten1" << int(Modus::Upload) << 199;
        QTest::newRow("csv") << "DatenexportCSVDatei1" << int(Modus::Csv) << 198;
        QTest::newRow("table") << "Tierdatenbankeditieren1" << int(Modus::Tabelle) << 193;
    }
    void dreiModi()
    {
        QFETCH(QString, item);
        QFETCH(int, modus);
        QFETCH(int, hilfe);
        TFormOnlineDBInterface *w = oeffnen(qPrintable(item));
        QVERIFY(w);
        QCOMPARE(int(w->modus()), modus);
        QCOMPARE(w->helpContext(), hilfe);
        QCOMPARE(control<QPushButton>(w, "ButtonUpload")->isVisible(), modus == int(Modus::Upload));
        QCOMPARE(control<QPushButton>(w, "ButtonCsv")->isVisible(), modus == int(Modus::Csv));
        QCOMPARE(control<QPushButton>(w, "ButtonEditieren")->isVisible(), modus == int(Modus::Tabelle));
        QVERIFY(control<tav::widgets::DBGrid>(w, "DBGrid1")->model()->rowCount() > 50);
        if (modus == int(Modus::Upload)) {
            // nothing configured: the sample page is off, and the upload names the missing keys
            QVERIFY(!control<QPushButton>(w, "ButtonBeispiel")->isEnabled());
            Scripted::reset();
            QVERIFY(!w->hochladen());
            QCOMPARE(Scripted::shown().size(), 1);
            QVERIFY(Scripted::shown().first().text.contains("UploadUrl"));
            const QString ziel = qEnvironmentVariable("TAV_SCREENSHOTS", QDir::tempPath());
            QVERIFY(w->parentWidget()->grab().save(ziel + "/online-upload.png"));
        }
        schliessen(w);
    }

    void csvDatei()
    {
        TFormOnlineDBInterface *w = oeffnen("DatenexportCSVDatei1");
        QVERIFY(w);
        QTemporaryDir d;
        Scripted::reset();
        Scripted::file(d.filePath("katzen"));
        QVERIFY(w->csvSchreiben());
        QFile csv(d.filePath("katzen.CSV"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray b = csv.readAll();
        QVERIFY(b.startsWith("\xEF\xBB\xBFName;Zwinger;"));
        QCOMPARE(b.count("\r\n"), control<tav::widgets::DBGrid>(w, "DBGrid1")->model()->rowCount() + 1);
        // no file chosen: message 171
        Scripted::reset();
        QVERIFY(!w->csvSchreiben());
        QCOMPARE(Scripted::shown().last().text, tav::app::messageText(171));
        schliessen(w);
    }

    void tabelleEditieren()
    {
        TFormOnlineDBInterface *w = oeffnen("Tierdatenbankeditieren1");
        QVERIFY(w);
        TableModel *m = control<tav::widgets::DBGrid>(w, "DBGrid1")->tableModel();
        const QModelIndex name = m->index(0, 1);
        QVERIFY(!(m->flags(name) & Qt::ItemIsEditable));
        Scripted::reset();
        Scripted::answer(QMessageBox::No);
        control<QPushButton>(w, "ButtonEditieren")->click();
        QVERIFY(!w->editierbar());
        Scripted::answer(QMessageBox::Yes);
        control<QPushButton>(w, "ButtonEditieren")->click();
        QVERIFY(w->editierbar());
        QCOMPARE(control<QPushButton>(w, "ButtonEditieren")->text(), tav::app::captionText(1514));
        QVERIFY(m->flags(name) & Qt::ItemIsEditable);
        QVERIFY(!(m->flags(m->index(0, 4)) & Qt::ItemIsEditable)); // the sex text is computed
        QVERIFY(m->setData(name, QStringLiteral("Neuer Name")));
        QCoreApplication::processEvents();
        // stored at once, without a question
        tav::store::Query q(f.db.get(),
                            QStringLiteral("SELECT COUNT(*) FROM \"CATSTAMM.DB\" WHERE Name = ?"));
        q.addBindValue(QStringLiteral("Neuer Name"));
        q.open();
        QCOMPARE(q.value(0).toInt(), 1);
        QVERIFY(w->sortieren(2));
        QCOMPARE(m->data(m->index(0, 2)).toString(), QString()); // cats without a cattery first
        QVERIFY(!w->sortieren(4));
        control<QPushButton>(w, "ButtonEditieren")->click();
        QVERIFY(!w->editierbar());
        QCOMPARE(control<QPushButton>(w, "ButtonEditieren")->text(), tav::app::captionText(1513));
        schliessen(w);
    }

    // the files go out on a worker: the window stays live, "Abbruch" ends the transfer in progress
    // and no further file is sent
    void uploadAbbrechen()
    {
        HttpEmpfaenger e;
        e.setAntwort(HttpEmpfaenger::Antwort::Schweigen);
        QVERIFY(tav::app::IniFile::write(tav::app::settingsPath(), QStringLiteral("Online"),
                                         QStringLiteral("UploadUrl"), e.url()));
        tav::store::Query(f.db.get(), QStringLiteral("UPDATE \"EIGEN.DB\" SET \"Update\" = 'K-12'")).exec();
        TFormOnlineDBInterface *w = oeffnen("UploadKatzendaten1");
        QVERIFY(w);
        control<QCheckBox>(w, "CheckAdressen")->setChecked(true);
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        bool liefLive = false;
        QTimer::singleShot(700, w, [&] {
            liefLive = control<QPushButton>(w, "ButtonAbbruch")->isVisible() &&
                       !control<QPushButton>(w, "ButtonUpload")->isEnabled();
            w->parentWidget()->grab().save(qEnvironmentVariable("TAV_SCREENSHOTS", QDir::tempPath()) +
                                           "/online-upload-senden.png");
            control<QPushButton>(w, "ButtonAbbruch")->click();
        });
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(!w->hochladen());
        QVERIFY2(uhr.elapsed() < 10000, qPrintable(QString::number(uhr.elapsed())));
        QVERIFY(liefLive);
        QCOMPARE(e.anfragen(), 1);
        QVERIFY(!control<QPushButton>(w, "ButtonAbbruch")->isVisible() &&
                control<QPushButton>(w, "ButtonUpload")->isEnabled());
        QVERIFY(Scripted::shown().last().text.startsWith(tav::app::messageText(183)));
        schliessen(w);
    }

    void cleanupTestCase() { f.stop(); }
};

QTEST_MAIN(TstOnlineFenster)
#include "tst_onlinefenster.moc"
