// The HTML pedigree window on the demo register, opened from the menu: a page written in the
// page's own language, the browser only after a written page, settings kept over closing.
#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "breeding/HTMLINI.h"
#include "breeding/ui/HTMLStammbaumFenster.h"

#include <QAction>
#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::breeding::ui;

class TstHtmlStammbaumFenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    QTemporaryDir m_ziel;
    QList<QUrl> m_geoeffnet;

    TFormHTMLStammbaum *oeffnen()
    {
        QAction *item = f.main->action("HTMLStb");
        if (!item || !item->isEnabled())
            return nullptr;
        item->trigger();
        return TFormHTMLStammbaum::instance();
    }

    bool meldungGezeigt(const QString &nummerText) const
    {
        for (const Scripted::Shown &s : Scripted::shown())
            if (s.kind == QLatin1String("message") && s.text.contains(nummerText))
                return true;
        return false;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(f.start(QSize(1400, 950), true).isEmpty());
        registerHTMLStammbaum();
        f.main->updateCommandStates();
        TFormHTMLStammbaum::oeffner() = [this](const QUrl &url) {
            m_geoeffnet << url;
            return true;
        };
    }
    void cleanupTestCase() { f.stop(); }

    void seiteSchreibenUndEinstellungenBehalten()
    {
        const int katze = scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Name = ?",
                                 {QStringLiteral("Jonora vom Lindenhof")})
                              .toInt();
        f.main->positionListOn(katze);
        TFormHTMLStammbaum *w = oeffnen();
        QVERIFY(w);
        QCOMPARE(w->katze(), katze);
        QVERIFY(w->EditPfad->text().endsWith("/Bmp/Jonora vom Lindenhof.htm"));
        QVERIFY(w->MemoName->toPlainText().endsWith("Jonora vom Lindenhof"));
        QVERIFY(w->MemoSpalte1->toPlainText().startsWith("Ohrmarkennr.: "));

        // a custom font colour from "Laden", another frame colour, six generations, an English page
        const QString pfad = m_ziel.path() + "/jonora.htm";
        w->EditPfad->setText(pfad);
        w->ComboRahmen->setCurrentText("Dunkelrot");
        Scripted::dialog([](QDialog &d) {
            static_cast<QColorDialog &>(d).setCurrentColor(QColor(0x12, 0x34, 0x56));
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(w->SchriftFarbe[2]->parentWidget()->findChildren<QPushButton *>().last(),
                          Qt::LeftButton);
        QCOMPARE(w->SchriftFarbe[2]->currentText(), QString("Benutzerfarbe %1").arg(0x563412));
        w->SpinEdit1->setValue(6);
        w->ComboBoxSprache->setCurrentText("englisch");
        QVERIFY(w->MemoSpalte1->toPlainText().startsWith("Reg. No.: "));
        QCOMPARE(sprache().languageNumber(), 0);

        Scripted::reset();
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QVERIFY(meldungGezeigt(messageText(76)));
        QFile seite(pfad);
        QVERIFY(seite.open(QIODevice::ReadOnly));
        const QByteArray html = seite.readAll();
        for (const char *teil : {"border-color:#800000;", "color=\"#123456\">Parents</font>", "6. generation",
                                 ">unknown</font>", "Reg. No.: "})
            QVERIFY2(html.contains(teil), teil);
        QCOMPARE(sprache().languageNumber(), 0);
        QVERIFY(w->parentWidget()->grab().save(m_ziel.path() + "/fenster.png"));
        if (qEnvironmentVariableIsSet("TAV_SCREENSHOTS"))
            w->parentWidget()->grab().save(qEnvironmentVariable("TAV_SCREENSHOTS") +
                                           "/html-pedigree-window.png");

        // the browser gets the written page, never a failed one
        QTest::mouseClick(w->BitBtn1, Qt::LeftButton);
        QCOMPARE(m_geoeffnet, QList<QUrl>{QUrl::fromLocalFile(pfad)});
        Scripted::reset();
        w->EditPfad->setText(m_ziel.path() + "/fehlt/jonora.htm");
        QTest::mouseClick(w->BitBtn1, Qt::LeftButton);
        QCOMPARE(m_geoeffnet.size(), 1);
        QVERIFY(meldungGezeigt(messageText(77)));
        w->EditPfad->setText(pfad);

        // a picture beside the head leaves one column; the second one's fields stay out afterwards
        w->BildPos->button(0)->click();
        QVERIFY(w->MemoSpalte2->toPlainText().isEmpty());
        w->BildPos->button(1)->click();
        QVERIFY(w->MemoSpalte2->toPlainText().isEmpty());

        QTest::mouseClick(w->BitBtnZuruck, Qt::LeftButton);
        QTRY_VERIFY(!TFormHTMLStammbaum::instance());
        QCOMPARE(tsysteminfo::instance()->Sprache, QString("Deutsch"));

        w = oeffnen();
        QVERIFY(w);
        QCOMPARE(w->ComboRahmen->currentText(), QString("Dunkelrot"));
        QCOMPARE(w->SchriftFarbe[2]->currentText(), QString("Benutzerfarbe %1").arg(0x563412));
        QCOMPARE(w->SpinEdit1->value(), 6);
        QCOMPARE(w->ComboBoxSprache->currentText(), QString("englisch"));
        QCOMPARE(w->BildPos->checkedId(), 1);
        QCOMPARE(w->EditPfad->text(), m_ziel.path() + "/Jonora vom Lindenhof.htm"); // the folder is kept
        QVERIFY(w->MemoSpalte2->toPlainText().isEmpty());
        QCOMPARE(sprache().languageNumber(), 0);
        w->close();
    }
};

QTEST_MAIN(TstHtmlStammbaumFenster)
#include "tst_htmlstammbaumfenster.moc"
