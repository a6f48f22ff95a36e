// The two descendant windows on the demo register: cards of the direct offspring, the print-out,
// the double click into the cat record window, and the tree that reads a branch when it opens.
#define TAV_WITH_CATSTAMM
#include "../common/Controls.h"
#include "../common/ProgramFixture.h"
#include "breeding/ui/ListeNachkommen.h"
#include "breeding/ui/Nachkommen.h"
#include "report/ui/Vorschau.h"
#include "shell/Main.h"
#include "store/Table.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace tav::breeding::ui;
using tav::cats::ui::TCatStamm;
using tav::widgets::Scripted;

class TstNachkommenfenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    qint32 vater = 0, mutter = 0, kindA = 0, kindB = 0, enkel = 0;
    QString kuerzel;

    qint32 katze(const QString &name, const char *geschlecht, qint32 v, qint32 m, const QDate &geb)
    {
        tav::store::Table t(f.db.get(), "CATSTAMM.DB");
        t.open();
        t.append();
        t.setValue("Name", name);
        t.setValue("Geschlecht", geschlecht);
        t.setValue("Vater", v ? QVariant(v) : QVariant());
        t.setValue("Mutter", m ? QVariant(m) : QVariant());
        t.setValue("GebDatum", geb);
        t.post();
        return t.value("LaufendeNummer").toInt();
    }
    void zeige(qint32 nr)
    {
        QVERIFY(TCatStamm::instance()->zeigeKatze(nr));
        QCOMPARE(TCatStamm::instance()->aktuelleKatze(), nr);
    }
    QStringList labelTexte(QWidget *w)
    {
        QStringList t;
        for (QLabel *l : w->findChildren<QLabel *>())
            t << l->text();
        return t;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(f.start(QSize(1280, 900), true).isEmpty());
        vater = katze("Vaterkater", "1", 0, 0, QDate(2019, 1, 1));
        mutter = katze("Mutterkatze", "2", 0, 0, QDate(2019, 2, 1));
        kindA = katze("Kind A", "2", vater, mutter, QDate(2024, 1, 1));
        kindB = katze("Kind B", "3", vater, mutter, QDate(2023, 1, 1));
        enkel = katze("Enkel", "1", 0, kindA, QDate(2025, 1, 1));
        tav::store::Table merkmale(f.db.get(), "MERKMALE.DB");
        merkmale.open();
        tav::store::Table links(f.db.get(), "KATZEMERKMAL.DB");
        links.open();
        QStringList codes;
        for (merkmale.last(); !merkmale.bof() && codes.size() < 2; merkmale.prior()) {
            links.append();
            links.setValue("Katze", kindA);
            links.setValue("Merkmal", merkmale.value("LaufendeNummer"));
            links.post();
            codes << merkmale.text("Kuerzel");
        }
        QCOMPARE(codes.size(), 2);
        kuerzel = codes.join('/');
        QVERIFY(f.openCatStamm().isEmpty());
        registerNachkommen();
        f.main->updateCommandStates();
    }
    void cleanupTestCase() { f.stop(); }

    void kartenDerDirektenNachkommen()
    {
        zeige(vater);
        QAction *menu = f.main->action("DatenderNachkommen1");
        QVERIFY(menu && menu->isEnabled() && f.main->action("ListederNachkommen2")->isEnabled());
        menu->trigger();
        TFormNachkommen *w = TFormNachkommen::instance();
        QVERIFY(w);
        QCOMPARE(w->parentWidget()->windowTitle(), QStringLiteral("Nachkommen"));
        // by birth date: the younger kitten last
        QCOMPARE(w->karten().size(), 2);
        const QStringList b = labelTexte(w->karten()[0]), a = labelTexte(w->karten()[1]);
        QVERIFY2(b.contains("Kind B") && b.contains("m/k") && b.contains("Mutterkatze"),
                 qPrintable(b.join('|')));
        QVERIFY2(a.contains("Kind A") && a.contains(kuerzel) && a.contains("01.01.2024"),
                 qPrintable(a.join('|')));
        // a tom's cards name the dam
        QVERIFY(a.contains("Mutter:") && !a.contains("Vater:"));
        QVERIFY(w->karten()[0]->height() == TFormNachkommen::KartenHoehe);
        w->grab().save("/tmp/nachkommen_karten.png");

        // the print-out from the preview, saved as PDF
        QTemporaryDir aus;
        const QString pdf = aus.filePath("nachkommen.pdf");
        Scripted::dialog([&](QDialog &d) {
            auto *v = qobject_cast<tav::report::ui::TVorschau *>(&d);
            if (!v)
                return int(QDialog::Rejected);
            Scripted::file(pdf);
            control<QToolButton>(v, "BPdf")->click();
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(w->BitBtnDrucken, Qt::LeftButton);
        QVERIFY(QFileInfo(pdf).size() > 0);
        if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
            QProcess p;
            p.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
            QVERIFY(p.waitForFinished());
            const QString text = QString::fromUtf8(p.readAllStandardOutput());
            for (const char *t : {"Nachkommen von : Vaterkater", "Kind A", "Kind B", "Mutterkatze"})
                QVERIFY2(text.contains(QString::fromUtf8(t)),
                         qPrintable(QString::fromUtf8(t) + " missing in " + text));
        }
    }

    void doppelklickZeigtDasKaetzchen()
    {
        TFormNachkommen *w = TFormNachkommen::instance();
        QVERIFY(w);
        QFrame *karte = w->karten()[1];
        w->ScrollBox->ensureWidgetVisible(karte);
        QTest::mouseDClick(karte, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(TCatStamm::instance()->aktuelleKatze(), kindA);
        QCOMPARE(f.main->currentListCat(), kindA);
        QTRY_VERIFY(!TFormNachkommen::instance());
    }

    void baumLiestZweigeBeimOeffnen()
    {
        zeige(vater);
        f.main->action("ListederNachkommen2")->trigger();
        TFormListeNachkommen *w = TFormListeNachkommen::instance();
        QVERIFY(w);
        QTreeWidget *t = w->TreeView1;
        QCOMPARE(t->topLevelItemCount(), 1);
        QTreeWidgetItem *wurzel = t->topLevelItem(0);
        QCOMPARE(wurzel->text(0), QStringLiteral("Vaterkater {%1}").arg(vater));
        QCOMPARE(wurzel->data(0, TFormListeNachkommen::BildRolle).toInt(),
                 int(TFormListeNachkommen::BildMaennlich));
        QCOMPARE(t->currentItem(), wurzel);
        QCOMPARE(wurzel->childCount(), 2);
        QTreeWidgetItem *a = wurzel->child(1);
        QCOMPARE(a->text(0), QStringLiteral("Kind A {%1}").arg(kindA));
        QCOMPARE(a->childCount(), 1);
        QCOMPARE(a->child(0)->text(0), QStringLiteral("neu"));
        QCOMPARE(w->lesungen(), 1);

        // a queen's branch holds her kitten, whose own branch has none
        a->setExpanded(true);
        QCOMPARE(w->lesungen(), 2);
        QCOMPARE(a->childCount(), 1);
        QTreeWidgetItem *e = a->child(0);
        QCOMPARE(e->text(0), QStringLiteral("Enkel {%1}").arg(enkel));
        QCOMPARE(t->currentItem(), a);
        QVERIFY2(w->Memo1->toPlainText().contains("Mutter: Mutterkatze") &&
                     w->Memo1->toPlainText().contains("Vater: Vaterkater"),
                 qPrintable(w->Memo1->toPlainText()));
        e->setExpanded(true);
        QCOMPARE(e->child(0)->text(0), QStringLiteral("Keine Nachkommen vorhanden"));
        QCOMPARE(e->child(0)->data(0, TFormListeNachkommen::BildRolle).toInt(),
                 int(TFormListeNachkommen::BildLeer));
        // closing and opening again reads nothing
        const int gelesen = w->lesungen();
        a->setExpanded(false);
        a->setExpanded(true);
        QCOMPARE(w->lesungen(), gelesen);
        QCOMPARE(a->child(0), e);
        // a node without a number clears the data
        t->setCurrentItem(e->child(0));
        QVERIFY(w->Memo1->toPlainText().isEmpty());
        t->setCurrentItem(e);
        QVERIFY(w->Memo1->toPlainText().contains("Enkel"));
        w->parentWidget()->grab().save("/tmp/nachkommen_baum.png");
        QTest::mouseClick(w->BitBtnZurueck, Qt::LeftButton);
        QTRY_VERIFY(!TFormListeNachkommen::instance());
    }

    void katzeOhneNachkommen()
    {
        zeige(enkel);
        f.main->action("ListederNachkommen2")->trigger();
        TFormListeNachkommen *baum = TFormListeNachkommen::instance();
        QVERIFY(baum);
        QCOMPARE(baum->TreeView1->topLevelItemCount(), 2);
        QCOMPARE(baum->TreeView1->topLevelItem(1)->text(0), QStringLiteral("Keine Nachkommen vorhanden"));
        baum->BitBtnZurueck->click();
        f.main->action("DatenderNachkommen1")->trigger();
        QVERIFY(TFormNachkommen::instance());
        QVERIFY(TFormNachkommen::instance()->karten().isEmpty());
        TFormNachkommen::instance()->BitBtnZurueck->click();
        QTRY_VERIFY(!TFormNachkommen::instance());
    }

    void screenshots()
    {
        // pictures for the documentation only where asked for, never into the sources by themselves
        QTemporaryDir temp;
        const QString out = qEnvironmentVariable("TAV_SCREENSHOTS", temp.path());
        const qint32 demoKater = scalar(*f.db,
                                        "SELECT Vater FROM catstamm WHERE Vater > 0 AND LaufendeNummer < ? "
                                        "GROUP BY Vater ORDER BY count(*) DESC LIMIT 1",
                                        {vater})
                                     .toInt();
        zeige(demoKater);
        f.main->action("DatenderNachkommen1")->trigger();
        QWidget *karten = TFormNachkommen::instance()->parentWidget();
        karten->resize(1000, 560);
        QVERIFY(karten->grab().save(out + "/offspring-window.png"));
        TFormNachkommen::instance()->BitBtnZurueck->click();
        f.main->action("ListederNachkommen2")->trigger();
        TFormListeNachkommen *baum = TFormListeNachkommen::instance();
        QTreeWidgetItem *wurzel = baum->TreeView1->topLevelItem(0);
        for (int i = 0; i < wurzel->childCount(); i += 2)
            wurzel->child(i)->setExpanded(true);
        baum->TreeView1->setCurrentItem(wurzel->child(0));
        baum->parentWidget()->resize(900, 560);
        QVERIFY(baum->parentWidget()->grab().save(out + "/descendants-window.png"));
        baum->BitBtnZurueck->click();
    }
};

QTEST_MAIN(TstNachkommenfenster)
#include "tst_nachkommenfenster.moc"
