// The show entry windows on a started program: filled from the register, a corrected field goes
// into the print and never into the register; every form previews as one page.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "printouts/ui/Meldeformular.h"
#include "report/ReportPainter.h"
#include "report/ui/Vorschau.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tav;
using printouts::ui::TFormMeldeformular;
using printouts::ui::TFormMeldeformularCFA;
using tav::widgets::Scripted;

class TstMeldeformularFenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    int m_katze = 0;
    QString m_vater;

    // clicks `knopf` and returns the texts of the preview's page, written as a PDF as well
    QStringList vorschau(QPushButton *knopf, const QString &name)
    {
        QStringList texte;
        int seiten = 0;
        Scripted::dialog([&](QDialog &d) {
            auto *v = qobject_cast<report::ui::TVorschau *>(&d);
            if (!v)
                return int(QDialog::Rejected);
            seiten = v->pageCount();
            texte = v->pages().pages.value(0).texts();
            report::writePdf(v->pages(), QDir::temp().filePath("tavrenno-meldeformular-" + name + ".pdf"));
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(knopf, Qt::LeftButton);
        return seiten == 1 ? texte : QStringList{QStringLiteral("%1 pages").arg(seiten)};
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1280, 860), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        m_katze = scalar(*f.db, "SELECT max(LaufendeNummer) FROM catstamm WHERE Vater > 0").toInt();
        m_vater = scalar(*f.db,
                         "SELECT v.Name FROM catstamm k JOIN catstamm v ON v.LaufendeNummer = k.Vater "
                         "WHERE k.LaufendeNummer = ?",
                         {m_katze})
                      .toString();
        QVERIFY(!m_vater.isEmpty());
    }
    void cleanupTestCase() { f.stop(); }
    void init() { Scripted::reset(); }

    void korrekturNurImDruck()
    {
        QStringList allgemein, fife, dru;
        bool gesehen = false;
        Scripted::dialog([&](QDialog &d) {
            auto *w = qobject_cast<TFormMeldeformular *>(&d);
            if (!w)
                return int(QDialog::Rejected);
            gesehen = true;
            w->resize(w->sizeHint());
            w->show();
            QTest::qWait(20);
            w->grab().save(QDir::temp().filePath("tavrenno-meldeformular.png"));
            [&] {
                QVERIFY(w->VaterEdit->text().endsWith(m_vater));
                QCOMPARE(w->AusstellerEdit->text(), QString("Berger, Anna"));
                QVERIFY(w->AusstellerEdit->isReadOnly());
            }();
            w->VaterEdit->selectAll();
            QTest::keyClicks(w->VaterEdit, "Korrigierter Kater");
            QTest::keyClicks(w->AOrt, "Messehalle");
            w->klassen()[3]->setChecked(true);
            allgemein = vorschau(w->BitBtnVorschau, "allgemein");
            fife = vorschau(w->BitBtnVorschauFIFE, "fife");
            dru = vorschau(w->BitBtnVorschauDRU, "dru");
            return int(QDialog::Rejected);
        });
        printouts::ui::meldeformularOeffnen(f.main.get(), *f.db, m_katze);
        QVERIFY(gesehen);
        for (const QStringList *texte : {&allgemein, &fife, &dru}) {
            QVERIFY2(texte->contains("Korrigierter Kater"), qPrintable(texte->join('|')));
            QVERIFY(texte->contains("Messehalle"));
        }
        QVERIFY(allgemein.contains("Gr.Int.Pr. Klasse (CAPE)"));
        QVERIFY(fife.contains("4  Gr.Int.Pr. Klasse (CAPE)"));
        QVERIFY(dru.contains("10 CAPE"));
        // the register keeps the sire's name
        QCOMPARE(scalar(*f.db,
                        "SELECT v.Name FROM catstamm k JOIN catstamm v ON v.LaufendeNummer = k.Vater "
                        "WHERE k.LaufendeNummer = ?",
                        {m_katze})
                     .toString(),
                 m_vater);
    }

    void cfaFormular()
    {
        QStringList texte;
        QString mitglied;
        Scripted::dialog([&](QDialog &d) {
            auto *w = qobject_cast<TFormMeldeformularCFA *>(&d);
            if (!w)
                return int(QDialog::Rejected);
            w->resize(w->sizeHint());
            w->show();
            QTest::qWait(20);
            w->grab().save(QDir::temp().filePath("tavrenno-meldeformular-cfa.png"));
            QTest::keyClicks(w->Verein, "Cat Club Nord");
            mitglied = w->LabelVereinsmitglied->text();
            w->klassen()[7]->setChecked(true);
            texte = vorschau(w->BitBtnVorschau, "cfa");
            return int(QDialog::Rejected);
        });
        printouts::ui::meldeformularCFAOeffnen(f.main.get(), *f.db, m_katze);
        QCOMPARE(mitglied, QString("Cat Club Nord"));
        const QDate geboren =
            scalar(*f.db, "SELECT GebDatum FROM catstamm WHERE LaufendeNummer = ?", {m_katze}).toDate();
        QVERIFY2(texte.contains(geboren.toString("MM/dd/yyyy")), qPrintable(texte.join('|')));
        QVERIFY(texte.contains("Cat Club Nord"));
    }
};

QTEST_MAIN(TstMeldeformularFenster)
#include "tst_meldeformularfenster.moc"
