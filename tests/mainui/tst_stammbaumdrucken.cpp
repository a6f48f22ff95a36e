// The pedigree print items on a started program: both enabled, the English print goes into the
// preview in English and the program stays German, in its catalogue and its settings file.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "report/ui/Vorschau.h"

#include <QToolButton>
#include <QtTest>

using namespace tav;
using tav::widgets::Scripted;

class TstStammbaumDrucken : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    // the texts of the preview's first page, seen while it is open
    QStringList vorschau(const QString &item)
    {
        QStringList texte;
        Scripted::dialog([&](QDialog &d) {
            auto *v = qobject_cast<report::ui::TVorschau *>(&d);
            if (!v)
                return int(QDialog::Rejected);
            v->show();
            QTest::qWait(20);
            texte = v->pages().pages.value(0).texts();
            v->grab().save(QDir::temp().filePath("tavrenno-stammbaum-" + item + ".png"));
            // closed with the printer dialog cancelled: nothing printed, nothing changed
            v->print();
            return int(QDialog::Rejected);
        });
        f.main->runCommand(item);
        return texte;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QString failed = f.start(QSize(1280, 860), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        failed = f.openCatStamm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        const int katze = scalar(*f.db, "SELECT max(LaufendeNummer) FROM catstamm").toInt();
        QVERIFY(tav::shell::TMirravel::catRecordHooks().zeigeKatze(katze));
    }
    void cleanupTestCase() { f.stop(); }
    void init() { Scripted::reset(); }

    void beideEintraegeSindDa()
    {
        for (const char *item : {"Stammbaum1", "Stammbaum2"}) {
            QVERIFY(f.main->action(item)->isEnabled());
            QVERIFY(f.main->action(item)->isVisible());
        }
        QToolButton *stb = f.main->toolButton("StammbaumStb");
        QVERIFY(stb && stb->isEnabled() && !stb->isVisible());
    }

    void englischInDieVorschauUndZurueck()
    {
        QFile ini(app::settingsPath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray vorher = ini.readAll();
        ini.close();
        const QStringList englisch = vorschau("Stammbaum2");
        QVERIFY2(englisch.contains("PEDIGREE") && englisch.contains("Parents"),
                 qPrintable(englisch.join('|')));
        QVERIFY(!englisch.contains("Eltern"));
        // the program is German as before, and its settings file untouched
        QCOMPARE(app::sprache().languageNumber(), 0);
        QCOMPARE(f.main->action("Stammbaum1")->text(), QStringLiteral("Stammbaum (deutsch)"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), vorher);
        const QStringList deutsch = vorschau("Stammbaum1");
        QVERIFY2(deutsch.contains("STAMMBAUM") && deutsch.contains("Eltern"), qPrintable(deutsch.join('|')));
        for (const Scripted::Shown &s : Scripted::shown())
            QVERIFY2(s.kind != "message", qPrintable(s.text));
    }

    // "Als PDF" of the printed pedigree proposes the cat's name, so that the pedigrees of several
    // cats do not overwrite each other
    void pdfHeisstWieDieKatze()
    {
        const QString name = scalar(*f.db, "SELECT Name FROM catstamm WHERE LaufendeNummer = "
                                           "(SELECT max(LaufendeNummer) FROM catstamm)")
                                 .toString();
        Scripted::dialog([](QDialog &d) {
            auto *v = qobject_cast<report::ui::TVorschau *>(&d);
            if (v)
                v->savePdf(); // the save dialog cancelled
            return int(QDialog::Rejected);
        });
        f.main->runCommand("Stammbaum1");
        QString vorschlag;
        for (const Scripted::Shown &s : Scripted::shown())
            if (s.kind == "save")
                vorschlag = s.proposal;
        QCOMPARE(QFileInfo(vorschlag).fileName(), name + ".pdf");
    }
};

QTEST_MAIN(TstStammbaumDrucken)
#include "tst_stammbaumdrucken.moc"
