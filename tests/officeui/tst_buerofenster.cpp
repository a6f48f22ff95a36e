// The clubs, show dates and pharmacy windows on the demo register, opened from the menu: records
// added through their fields, the show window opening on the coming show, the sort box's order.
#include "../common/Bedienung.h"
#include "cats/ui/Pkalend.h"
#include "office/ui/BueroFenster.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/Translator.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;
using namespace tav::office::ui;
using tav::store::Table;

// takes the links the windows hand to the desktop
class LinkCatcher : public QObject
{
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public Q_SLOTS:
    void open(const QUrl &u) { urls << u; }
};

class TstBuerofenster : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    LinkCatcher links;

    template <class W> W *oeffnen(const char *item, const char *fenster)
    {
        return menueOeffnen<W>(f, item, fenster);
    }
    static void schliessen(QWidget *w, const char *fenster)
    {
        klick(w, "Zurueck");
        QTRY_VERIFY(!ChildWindow::find(fenster));
    }
    static QStringList gridSpalte(TBueroliste *w, int spalte)
    {
        QStringList out;
        auto *m = w->grid()->tableModel();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, spalte).data().toString();
        return out;
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1280, 860), true);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        registerBuero();
        f.main->updateCommandStates();
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(scheme, &links, "open");
    }
    void cleanupTestCase()
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
        f.stop();
    }
    void init()
    {
        Scripted::reset();
        links.urls.clear();
    }
    void cleanup()
    {
        for (ChildWindow *w : ChildWindow::openWindows())
            delete w->parentWidget();
    }

    void clubIsAddedAndItsLinksGoToTheDesktop()
    {
        auto *w = oeffnen<TFormVereine>("Vereine1", "formvereine");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Vereine"));
        klick(w, "Hinzufuegen");
        QCOMPARE(w->table()->state(), Table::State::Insert);
        QCOMPARE(w->focusWidget(), w->findChild<QWidget *>("DBVerein"));
        QCOMPARE(w->homepageLabel()->text(), QString(" "));
        tippen(w, "Verein", "Katzenfreunde Rhein & Ruhr");
        tippen(w, "Ort", "Essen");
        tippen(w, "EMail", "vorstand@katzenfreunde.de");
        tippen(w, "Homepage", "www.katzenfreunde.de");
        QVERIFY(w->homepageLabel()->text().contains("www.katzenfreunde.de"));
        QVERIFY(w->dataSource()->save());
        grabFrame(w, "clubs-window.png");
        w->homepageOeffnen();
        klick(w, "EmailSchreiben");
        QCOMPARE(links.urls, QList<QUrl>({QUrl("http://www.katzenfreunde.de"),
                                          QUrl("mailto:vorstand@katzenfreunde.de")}));
        schliessen(w, "formvereine");
        QCOMPARE(scalar(*f.db, "SELECT Ort FROM vereine WHERE Verein = ?", {"Katzenfreunde Rhein & Ruhr"})
                     .toString(),
                 QString("Essen"));
    }

    void showDatesOpenOnTheComingShowAndSortByPlace()
    {
        const QDate heute = QDate::currentDate();
        auto *w = oeffnen<TFormAusstellungstermine>("Ausstellungstermine1", "formausstellungstermine");
        QVERIFY(w);
        const QString datum = germanDateText(heute.addDays(40));
        klick(w, "Hinzufuegen");
        QCOMPARE(w->focusWidget(), w->findChild<QWidget *>("DBDatum"));
        tippen(w, "Datum", germanDateText(heute.addDays(-40)));
        tippen(w, "Ort", "Zwolle");
        klick(w, "Hinzufuegen");
        // the coming show's first day from the calendar
        Scripted::dialog([&](QDialog &d) {
            static_cast<tav::cats::ui::TKalenderDlg &>(d).setDate(heute.addDays(40));
            return int(QDialog::Accepted);
        });
        klick(w, "KalenderDatum");
        QCOMPARE(w->table()->value("Datum").toDate(), heute.addDays(40));
        tippen(w, "Ort", "Aachen");
        tippen(w, "Verein", "Rassekatzenclub");
        schliessen(w, "formausstellungstermine");

        // the missing place index is made when the place order is chosen
        f.db->dropIndex("AUSSTELT.DB", "OrtDatum");
        w = oeffnen<TFormAusstellungstermine>("Ausstellungstermine1", "formausstellungstermine");
        QCOMPARE(w->table()->text("Ort"), QString("Aachen"));
        QCOMPARE(w->findChild<DBDateEdit *>("DBDatum")->text(), datum);
        QCOMPARE(w->sortBox()->currentText(), QString("Datum"));
        grabFrame(w, "show-dates-window.png");
        w->findChild<QTabWidget *>("PageControl1")->setCurrentIndex(1);
        grabFrame(w, "show-dates-table.png");
        QCOMPARE(gridSpalte(w, 3).mid(0, 2), QStringList({"Zwolle", "Aachen"}));
        Scripted::reset();
        w->sortBox()->setCurrentIndex(2);
        Q_EMIT w->sortBox()->activated(2);
        QCOMPARE(w->table()->indexName(), QString("OrtDatum"));
        QCOMPARE(gridSpalte(w, 3).mid(0, 2), QStringList({"Aachen", "Zwolle"}));
        QVERIFY2(Scripted::shown().isEmpty(), qPrintable(Scripted::shown().value(0).text));
        schliessen(w, "formausstellungstermine");
        QVERIFY(f.db->indexNames("AUSSTELT.DB").contains("OrtDatum"));
    }

    void medicineIsAddedAndTheSortBoxOrdersIt()
    {
        auto *w = oeffnen<TFormApotheke>("Apotheke1", "formapotheke");
        QVERIFY(w);
        for (const auto &[gruppe, medikament] :
             {std::pair{"Augen", "Zylotrop"}, std::pair{"Haut", "Acarex"}}) {
            klick(w, "Hinzufuegen");
            QCOMPARE(w->focusWidget(), w->findChild<QWidget *>("DBMedikament"));
            tippen(w, "Medikament", medikament);
            tippen(w, "Bereich", gruppe);
            QVERIFY(w->dataSource()->save());
        }
        tippen(w, "Verfallsdatum", "31.12.2027");
        QVERIFY(w->dataSource()->save());
        grabFrame(w, "pharmacy-window.png");
        QCOMPARE(gridSpalte(w, 2), QStringList({"Zylotrop", "Acarex"}));
        Q_EMIT w->sortBox()->activated(1);
        QCOMPARE(gridSpalte(w, 2), QStringList({"Acarex", "Zylotrop"}));
        // each language names the criteria in its own words
        const auto kriterien = [w] {
            QStringList t;
            for (int i = 0; i < w->sortBox()->count(); ++i)
                t << w->sortBox()->itemText(i);
            return t;
        };
        translateWindow(w, 10000, sprache());
        QCOMPARE(kriterien(), QStringList({"group", "medicine", "best-before date"}));
        translateWindow(w, 20000, sprache());
        QCOMPARE(kriterien(), QStringList({"Groep", "Medicijn", "Vervaldatum"}));
        translateWindow(w, 0, sprache());
        QCOMPARE(kriterien(), QStringList({"Gruppe", "Medikament", "Verfallsdatum"}));
        schliessen(w, "formapotheke");
        QCOMPARE(scalar(*f.db, "SELECT Verfallsdatum FROM apotheke WHERE Medikament = 'Acarex'").toDate(),
                 QDate(2027, 12, 31));
    }
};

QTEST_MAIN(TstBuerofenster)
#include "tst_buerofenster.moc"
