#include "../common/ProgramFixture.h"
#include "app/Anwenderdaten.h"
#include "app/IniFile.h"
#include "app/ui/AboutBox.h"
#include "app/ui/AnwDaten.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPushButton>
#include <QtTest>

using namespace tav::app;
using namespace tav::app::ui;
using tav::shell::TMirravel;
using namespace tav::widgets;

namespace {

TAnwenderdaten *oeffnen(TMirravel &mw)
{
    mw.runCommand("Anwenderdaten2");
    return TAnwenderdaten::instance();
}
} // namespace

class TstAnwenderdaten : public QObject
{
    Q_OBJECT
    ProgramFixture f;

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1100, 760));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        registerAnwenderdaten();
        registerAboutBox();
        f.main->updateCommandStates();
        for (const char *item : {"Anwenderdaten2", "HelpAboutItem", "FilePrintSetupItem", "Schriftart1"})
            QVERIFY2(f.main->action(item)->isEnabled(), item);
    }
    void cleanupTestCase() { f.stop(); }
    void cleanup()
    {
        if (TAnwenderdaten *w = TAnwenderdaten::instance())
            w->close();
        QTRY_VERIFY(!TAnwenderdaten::instance());
        Scripted::reset();
    }

    // "O&K" without changes writes neither the settings file nor the own record
    void okOhneAenderung()
    {
        TAnwenderdaten *w = oeffnen(*f.main);
        QVERIFY(w);
        QCOMPARE(w->feld("Name")->text(), QStringLiteral("Berger"));
        const QByteArray vorher = datei(settingsPath());
        const QByteArray eigen = datei(f.db->resolve("EIGEN.DB"));
        w->BitBtnOK->click();
        QTRY_VERIFY(!TAnwenderdaten::instance());
        QCOMPARE(datei(settingsPath()), vorher);
        QCOMPARE(datei(f.db->resolve("EIGEN.DB")), eigen);
        QVERIFY(Scripted::shown().isEmpty());
    }

    // a bad customer number is refused and keeps the window; the name saved shows in the caption,
    // the default colour reaches the settings
    void nameEingeben()
    {
        TAnwenderdaten *w = oeffnen(*f.main);
        QVERIFY(w);
        QVERIFY(w->parentWidget()->grab().save("/tmp/tav_own-data.png"));
        w->feld("Vorname")->setText("Marie");
        w->feld("Name")->setText("Schulz");
        w->feld("Update")->setText("marie schulz");
        w->feld("Verein")->setText("Katzenfreunde Nord");
        w->BitBtnOK->click();
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY(Scripted::shown().first().text.startsWith(messageText(6051)));
        QCOMPARE(TAnwenderdaten::instance(), w);
        QCOMPARE(eigeneDatenLesen(*f.db).Name, QStringLiteral("Berger"));
        QVERIFY(vereinsdatenLesen(*f.db).Verein.isEmpty());

        w->feld("Update")->setText("marie-schulz_1");
        w->ComboBoxFarbe->setCurrentText("(SIA/BAL) blue-point");
        QVERIFY(w->uebernehmen());
        QTRY_VERIFY(!TAnwenderdaten::instance());
        QCOMPARE(f.main->windowTitle(), QStringLiteral("Tavrenno  <Marie Schulz>"));
        QCOMPARE(eigeneDatenLesen(*f.db).Update, QStringLiteral("marie-schulz_1"));
        QCOMPARE(vereinsdatenLesen(*f.db).Verein, QStringLiteral("Katzenfreunde Nord"));
        QCOMPARE(IniFile(settingsPath()).readString("Stammdaten", "Farbe"),
                 QStringLiteral("(SIA/BAL) blue-point"));
        QCOMPARE(tsysteminfo::instance()->FarbeStandardeinstellung, QStringLiteral("(SIA/BAL) blue-point"));
    }

    // the first show with an own record without a name opens the window
    void ersterStart()
    {
        f.main->FormShowAnwenderdaten();
        QVERIFY(!TAnwenderdaten::instance());
        tav::store::Query(f.db.get(), "DELETE FROM \"EIGEN.DB\"").exec();
        f.main->FormShowAnwenderdaten();
        QVERIFY(TAnwenderdaten::instance());
        QVERIFY(TAnwenderdaten::instance()->feld("Name")->text().isEmpty());
    }

    // the printer font goes to the settings; the printer set-up is the platform's print dialog
    void drucker()
    {
        Scripted::dialog([](QDialog &d) {
            auto *fd = qobject_cast<QFontDialog *>(&d);
            if (!fd)
                return int(QDialog::Rejected);
            fd->setCurrentFont(QFont("DejaVu Sans", 11));
            return int(QDialog::Accepted);
        });
        f.main->runCommand("Schriftart1");
        const IniFile ini(settingsPath());
        QCOMPARE(ini.readString("Drucken", "Schriftart"), QStringLiteral("DejaVu Sans"));
        QCOMPARE(ini.readInteger("Drucken", "Schriftgroese", 0), 11);
        QCOMPARE(tsysteminfo::instance()->Schriftgroesse, 11);

        bool druckDialog = false;
        Scripted::dialog([&](QDialog &d) {
            druckDialog = qobject_cast<QPrintDialog *>(&d) != nullptr;
            return int(QDialog::Rejected);
        });
        f.main->runCommand("FilePrintSetupItem");
        QVERIFY(druckDialog);
    }

    void info()
    {
        f.main->runCommand("HelpAboutItem");
        TAboutBox *w = TAboutBox::instance();
        QVERIFY(w);
        QCOMPARE(w->Version->text(), programmVersion());
        QVERIFY(!programmVersion().isEmpty());
        QVERIFY(w->Register->text().contains("Daten"));
        w->OKButton->click();
        QTRY_VERIFY(!TAboutBox::instance());
    }
};

QTEST_MAIN(TstAnwenderdaten)
#include "tst_anwenderdaten.moc"
