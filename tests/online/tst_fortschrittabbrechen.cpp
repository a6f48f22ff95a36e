// The progress window of the picture transfer on a real run against a local FTP server.
#include "../common/Controls.h"
#include "../common/FtpPeer.h"
#include "app/DataHome.h"
#include "app/Sprache.h"
#include "online/ui/FortschrittAbbrechen.h"
#include "store/Database.h"
#include "store/Query.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace tav::online;
using tav::online::ui::TFormFortschrittAbbrechen;

class TstFortschrittAbbrechen : public QObject
{
    Q_OBJECT
    QTemporaryDir m_tmp;
    std::unique_ptr<tav::store::Database> m_db;

    QString daten() const { return m_tmp.filePath(QStringLiteral("Daten")); }

  private Q_SLOTS:
    void initTestCase()
    {
        QDir().mkpath(daten());
        m_db = std::make_unique<tav::store::Database>(daten());
        m_db->createTable(QStringLiteral("SPRMEL.DB"));
        m_db->createTable(QStringLiteral("SPRACHE.DB"));
        tav::app::loadCatalogues(*m_db, QStringLiteral(TAV_DATA_DIR));
        tav::app::sprache().setLanguageNumber(0);
        tav::app::sprache().open(m_db.get());
    }

    void cancelStopsAfterTheFileInProgress_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Abbruch button") << false;
        QTest::newRow("Escape key") << true;
    }
    // The window counts the files while they go slowly; cancelled during the first of four, that
    // one is finished and logged, the run ends in ftpBREAK and the window closes.
    void cancelStopsAfterTheFileInProgress()
    {
        QFETCH(bool, escape);
        QTemporaryDir tmp;
        const QString ziel = tmp.filePath(QStringLiteral("server/idK1/bilder"));
        QDir().mkpath(ziel);
        FtpPeer peer;
        const QString fehler = peer.start(tmp.filePath(QStringLiteral("server")), QStringLiteral("zucht"),
                                          QStringLiteral("geheim"), {40000, 0, {}});
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QStringList pfade;
        for (int i = 1; i <= 4; ++i) {
            QFile f(tmp.filePath(QStringLiteral("b%1.jpg").arg(i)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(FtpPeer::randomBytes(60000));
            pfade << f.fileName();
        }
        const TFtpConfig cfg{QStringLiteral("127.0.0.1"),  peer.port, QStringLiteral("zucht"),
                             QStringLiteral("geheim"),     true,      false,
                             QStringLiteral("idK1/bilder"), {}};

        QPointer<TFormFortschrittAbbrechen> form;
        QString von, abbruchText;
        QTimer zuschauer;
        zuschauer.setInterval(10);
        connect(&zuschauer, &QTimer::timeout, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *f = qobject_cast<TFormFortschrittAbbrechen *>(w); f && f->isVisible())
                    form = f;
            if (!form || !form->isVisible() || form->Terminated ||
                control<QLabel>(form, "LabelNummer")->text() != "1")
                return;
            von = control<QLabel>(form, "LabelVon")->text();
            if (escape)
                QTest::keyClick(form, Qt::Key_Escape);
            else
                QTest::mouseClick(control<QPushButton>(form, "BitBtnAbbruch"), Qt::LeftButton);
            abbruchText = control<QLabel>(form, "LabelAbbruch")->text();
            form->grab().save(QStringLiteral("/tmp/tst_fortschrittabbrechen.png"));
        });
        zuschauer.start();
        QCOMPARE(ui::bilderHochladen(cfg, pfade, daten(), nullptr), ftpBREAK);
        zuschauer.stop();
        QVERIFY(form.isNull()); // the window lives for the run only
        QCOMPARE(von, QStringLiteral("von 4"));
        QCOMPARE(abbruchText, tav::app::messageText(216));
        QCOMPARE(QDir(ziel).entryList(QDir::Files), QStringList{QStringLiteral("b1.jpg")});
        tav::store::Query q(m_db.get());
        q.setSql(QStringLiteral("SELECT Name FROM \"BilderUpload.db\""));
        q.open();
        QCOMPARE(q.rows(), QVector<QVariantList>{{QStringLiteral("b1.jpg")}});
        m_db->dropTable(QStringLiteral("BilderUpload.db"));
    }
};

QTEST_MAIN(TstFortschrittAbbrechen)
#include "tst_fortschrittabbrechen.moc"
