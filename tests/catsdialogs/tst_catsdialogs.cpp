#include "app/DataHome.h"
#include "app/Sprache.h"
#include "cats/ui/KatzeGefunden.h"
#include "cats/ui/Pkalend.h"
#include "cats/ui/Psuchdlg.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"
#include "widgets/Dialogs.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace tav::cats;
using namespace tav::cats::ui;
using namespace tav::widgets;
using tav::store::Database;

namespace {

int runCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(TAV_CLI), args);
    p.waitForFinished(120000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

struct Katze {
    int nr;
    QString name;
    QString geschlecht;
    int status;
};

QSet<int> nummern(const QVector<KatzeTreffer> &treffer)
{
    QSet<int> s;
    for (const KatzeTreffer &t : treffer)
        s.insert(t.LaufendeNummer);
    return s;
}

// the grid's cell of a row in the column titled `titel`
QString zelle(QTableView *grid, int row, const QString &titel)
{
    QAbstractItemModel *m = grid->model();
    for (int c = 0; c < m->columnCount(); ++c) {
        if (m->headerData(c, Qt::Horizontal).toString() == titel)
            return m->index(row, c).data().toString();
    }
    return QStringLiteral("<no column %1>").arg(titel);
}

int spalte(QTableView *grid, const QString &titel)
{
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
        if (grid->model()->headerData(c, Qt::Horizontal).toString() == titel)
            return c;
    }
    return -1;
}

QStringList shownTexts()
{
    QStringList out;
    for (const auto &s : Scripted::shown())
        out << s.text;
    return out;
}

} // namespace

class TstCatsDialogs : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;
    std::unique_ptr<Database> m_db;
    QVector<Katze> m_katzen; // every cat of the register, read past the search

    QSet<int> katzenMit(const std::function<bool(const Katze &)> &pred) const
    {
        QSet<int> s;
        for (const Katze &k : m_katzen) {
            if (pred(k))
                s.insert(k.nr);
        }
        return s;
    }
    QSet<int> namensAnfang(const QString &prefix) const
    {
        return katzenMit([&](const Katze &k) { return k.name.startsWith(prefix, Qt::CaseInsensitive); });
    }
    // a name prefix shared by several cats but not by all
    QString mehrdeutigerAnfang() const
    {
        QHash<QString, int> count;
        for (const Katze &k : m_katzen)
            ++count[k.name.left(3).toLower()];
        QString best;
        for (auto it = count.cbegin(); it != count.cend(); ++it) {
            if (it.value() > count.value(best) && it.value() < m_katzen.size())
                best = it.key();
        }
        return best;
    }

    void suchen(TSuchenDlg &d, QLineEdit *feld, const QString &text)
    {
        feld->setFocus();
        QTest::keyClicks(feld, text);
        QTest::mouseClick(d.BSuchen, Qt::LeftButton);
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QCOMPARE(runCli({"--home", m_home.path(), "init"}), 0);
        QCOMPARE(runCli({"--home", m_home.path(), "demo"}), 0);
        m_db = std::make_unique<Database>(tav::app::dataDirOf(m_home.path()));
        tav::store::setDefaultDatabase(m_db.get());
        QVERIFY(tav::app::sprache().open(m_db.get()));
        tav::app::sprache().setLanguageNumber(0);

        // a cat with both kinds of quote in its name
        tav::store::Table t(m_db.get(), QStringLiteral("CATSTAMM.DB"));
        t.open();
        t.append();
        t.setValue("Name", QStringLiteral("O'Malley \"Tiger\" vom Deich"));
        t.setValue("Geschlecht", QStringLiteral("1"));
        t.post();
        t.append();
        t.setValue("Name", QStringLiteral("Nala vom Sonnenhang"));
        t.setValue("Geschlecht", QStringLiteral("2"));
        t.post();

        tav::store::Query q(
            m_db.get(), QStringLiteral("SELECT LaufendeNummer, Name, Geschlecht, Status FROM catstamm.db"));
        q.open();
        for (; !q.eof(); q.next())
            m_katzen.append(
                {q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt()});
        QVERIFY(m_katzen.size() > 10);
        QVERIFY(
            !katzenMit([](const Katze &k) { return k.geschlecht == "1" || k.geschlecht == "3"; }).isEmpty());
        QVERIFY(
            !katzenMit([](const Katze &k) { return k.geschlecht == "2" || k.geschlecht == "4"; }).isEmpty());
        Scripted::enable(true);
    }
    void init()
    {
        Scripted::reset();
        tav::app::sprache().setLanguageNumber(0);
    }
    void cleanupTestCase()
    {
        Scripted::enable(false);
        tav::app::sprache().close();
        tav::store::setDefaultDatabase(nullptr);
    }

    void namePrefixListsTheCatsInTheGrid()
    {
        const QString prefix = mehrdeutigerAnfang();
        const QSet<int> erwartet = namensAnfang(prefix);
        QVERIFY2(erwartet.size() > 1, qPrintable(prefix));

        TSuchenDlg d;
        d.show();
        QVERIFY(!d.ergebnisSichtbar());
        QVERIFY(d.width() >= TSuchenDlg::KompaktBreite && d.height() >= TSuchenDlg::KompaktHoehe);
        suchen(d, d.EName, prefix.toUpper());
        QCOMPARE(nummern(d.treffer()), erwartet);
        QVERIFY(d.gefunden);
        QCOMPARE(d.LAnzahl->text(), QString::number(erwartet.size()));
        QVERIFY(d.ergebnisSichtbar());
        QVERIFY(d.width() >= TSuchenDlg::ErgebnisBreite && d.height() >= TSuchenDlg::ErgebnisHoehe);
        QCOMPARE(d.DBGrid1->model()->rowCount(), erwartet.size());
        // every column shows, or the dialog reaches the screen's right edge
        QApplication::processEvents();
        const QRect bild = d.screen()->availableGeometry();
        QVERIFY2(
            d.DBGrid1->horizontalScrollBar()->maximum() == 0 || d.frameGeometry().right() >= bild.right() - 2,
            qPrintable(QStringLiteral("%1 wide at %2 of %3").arg(d.width()).arg(d.x()).arg(bild.width())));
        // without a status criterion there is no status column
        QCOMPARE(spalte(d.DBGrid1, "Status"), -1);
        QCOMPARE(spalte(d.DBGrid1, "Hof"), 1);
        QVERIFY(shownTexts().isEmpty());

        // a second "Suchen" only closes the grid
        QTest::mouseClick(d.BSuchen, Qt::LeftButton);
        QVERIFY(!d.ergebnisSichtbar());
        QCOMPARE(d.treffer().size(), erwartet.size());
        QCOMPARE(d.LAnzahl->text(), QString::number(erwartet.size()));
        QVERIFY(d.width() < TSuchenDlg::ErgebnisBreite);
    }

    void gridOpensLeftOfTheCriteriaAndReturns()
    {
        TSuchenDlg d;
        d.show();
        const QPoint o = d.screen()->availableGeometry().topLeft();
        QCOMPARE(d.pos() - o, QPoint(343, 243));
        suchen(d, d.EName, mehrdeutigerAnfang());
        QVERIFY(d.ergebnisSichtbar());
        QCOMPARE(d.pos() - o, QPoint(343 - 150, 243));
        QCOMPARE(d.leftPos, 343);
        QTest::mouseClick(d.BSuchen, Qt::LeftButton);
        QCOMPARE(d.pos() - o, QPoint(343, 243));

        // near the left edge the grid opens at the edge
        d.move(o + QPoint(120, 1));
        QTest::mouseClick(d.BSuchen, Qt::LeftButton);
        QVERIFY(d.ergebnisSichtbar());
        QCOMPARE(d.pos() - o, QPoint(1, 1));
        QCOMPARE(d.leftPos, 120);
        QTest::mouseClick(d.BOK, Qt::LeftButton);
        QVERIFY(!d.ergebnisSichtbar());
        QVERIFY(d.width() < TSuchenDlg::ErgebnisBreite);
    }

    void gridShowsTheCalculatedColumns()
    {
        TSuchenDlg d;
        d.show();
        suchen(d, d.EStatus->lineEdit(), "e"); // "eigene Katze" and any other status starting so
        QVERIFY(d.treffer().size() > 1);
        QVERIFY(spalte(d.DBGrid1, "Status") > 0);
        const tav::cats::EigeneDaten eigen = eigeneDatenLesen(*tav::store::defaultDatabase());
        bool eigeneGesehen = false;
        for (int r = 0; r < d.treffer().size(); ++r) {
            const KatzeTreffer &t = d.treffer()[r];
            QCOMPARE(zelle(d.DBGrid1, r, "Name"), t.Name);
            QCOMPARE(zelle(d.DBGrid1, r, "Status"), t.StatusAnzeige);
            QVERIFY(t.StatusAnzeige.startsWith("e", Qt::CaseInsensitive));
            const QString sex = zelle(d.DBGrid1, r, "Geschl.");
            QCOMPARE(sex, QStringList({"", "m", "w", "m/k", "w/k"}).value(t.Geschlecht.toInt(), ""));
            QCOMPARE(zelle(d.DBGrid1, r, "GebDat."), t.GebDatum.toString("dd.MM.yyyy"));
            if (t.Status == 1) {
                eigeneGesehen = true;
                QCOMPARE(zelle(d.DBGrid1, r, "Besitzer"), eigen.name + ", " + eigen.vorname);
            }
            if (t.Mutter > 0)
                QVERIFY(!zelle(d.DBGrid1, r, "Mutter").isEmpty());
        }
        QVERIFY(eigeneGesehen);
    }

    void statusPrefixIsTakenAsTyped()
    {
        TSuchenDlg d;
        d.show();
        QVERIFY(d.EStatus->count() >= 7);
        // "Fremdkatze" and "Fremddeckkater": the entry must not be completed to the first of them
        QApplication::setActiveWindow(&d);
        d.EStatus->setFocus();
        QTest::keyClicks(d.EStatus, "fremd");
        QCOMPARE(d.EStatus->currentText(), QString("fremd"));
        QTest::mouseClick(d.BSuchen, Qt::LeftButton);
        QCOMPARE(nummern(d.treffer()),
                 katzenMit([](const Katze &k) { return k.status == 2 || k.status == 6; }));
    }

    void nameWithQuotesIsFoundAndOneHitFillsTheCriteria()
    {
        const QString name = QStringLiteral("O'Malley \"Tiger\" vom Deich");
        const QSet<int> erwartet = namensAnfang(name);
        QCOMPARE(erwartet.size(), 1);
        KatzeTreffer gewaehlt;
        QString nameFeld;
        bool kompakt = false;
        Scripted::dialog([&](QDialog &dlg) {
            auto &d = static_cast<TSuchenDlg &>(dlg);
            d.show();
            QTest::keyClicks(d.EName, "o'malley \"ti");
            QTest::keyClick(d.EName, Qt::Key_Return); // "Suchen" is the default button
            nameFeld = d.EName->text();
            kompakt = !d.ergebnisSichtbar() && d.width() < TSuchenDlg::ErgebnisBreite;
            QTest::mouseClick(d.BOK, Qt::LeftButton);
            return d.result();
        });
        const int nr = runCatSearch(nullptr, 0, {}, {}, &gewaehlt);
        QCOMPARE(nr, *erwartet.begin());
        QCOMPARE(gewaehlt.Name, name);
        QCOMPARE(nameFeld, name);
        QVERIFY(kompakt);
        QVERIFY(shownTexts().size() == 1); // only the dialog itself
    }

    // "%" and "_" typed into the dialog are wildcards of the search "entry%", quotes are letters
    void typedWildcardsKeepTheirMeaning_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("muster"); // what the names must match, as a regular expression
        QTest::newRow("percent in front") << "%sonnen"
                                          << "sonnen";
        QTest::newRow("percent inside") << "n%vom s"
                                        << "^n.*vom s";
        QTest::newRow("underscore") << "_ala"
                                    << "^.ala";
        QTest::newRow("two underscores") << "o__alley"
                                         << "^o..alley";
        QTest::newRow("quotes with a wildcard") << "%\"tiger\""
                                                << "\"tiger\"";
        QTest::newRow("lone quote") << "%'"
                                    << "'";
    }
    void typedWildcardsKeepTheirMeaning()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, muster);
        const QRegularExpression re(muster, QRegularExpression::CaseInsensitiveOption);
        const QSet<int> erwartet = katzenMit([&](const Katze &k) { return re.match(k.name).hasMatch(); });
        QVERIFY(!erwartet.isEmpty());
        TSuchenDlg d;
        d.show();
        suchen(d, d.EName, eingabe);
        QCOMPARE(nummern(d.treffer()), erwartet);
        QVERIFY(shownTexts().isEmpty());
        if (erwartet.size() == 1) // one hit fills the criteria with it
            QCOMPARE(d.EName->text(), d.treffer().first().Name);
    }

    void sexRestrictionFollowsTheCallersButton_data()
    {
        QTest::addColumn<int>("caller");
        QTest::addColumn<int>("fokus");
        QTest::addColumn<QString>("geschlechter");
        QTest::addColumn<bool>("ohneEigene");
        QTest::newRow("main window") << 0 << int(Fokus::Andere) << "1234" << false;
        QTest::newRow("inbreeding, father") << 1 << int(Fokus::VaterSuchen) << "13" << false;
        QTest::newRow("inbreeding, mother") << 1 << int(Fokus::MutterSuchen) << "24" << false;
        QTest::newRow("books, stud") << 2 << int(Fokus::DeckkaterSuchen) << "13" << false;
        QTest::newRow("books, queen") << 2 << int(Fokus::GedeckteKatzeSuchen) << "24" << false;
        QTest::newRow("books, father button does not count")
            << 2 << int(Fokus::VaterSuchen) << "1234" << false;
        QTest::newRow("parents, father") << 3 << int(Fokus::VaterSuchen) << "13" << true;
        QTest::newRow("parents, mother") << 3 << int(Fokus::MutterSuchen) << "24" << true;
        QTest::newRow("parents, other focus") << 3 << int(Fokus::Andere) << "1234" << false;
    }
    void sexRestrictionFollowsTheCallersButton()
    {
        QFETCH(int, caller);
        QFETCH(int, fokus);
        QFETCH(QString, geschlechter);
        QFETCH(bool, ohneEigene);
        // the current cat of the cat window: one of each sex would do, take the first cat
        const Katze &eigene = m_katzen.first();
        Aufrufer a;
        a.fokus = Fokus(fokus);
        a.eigenerName = eigene.name;
        a.eigeneNummer = eigene.nr;
        QSet<int> gefunden;
        Scripted::dialog([&](QDialog &dlg) {
            auto &d = static_cast<TSuchenDlg &>(dlg);
            d.show();
            QTest::mouseClick(d.BSuchen, Qt::LeftButton); // all criteria empty
            gefunden = nummern(d.treffer());
            QTest::mouseClick(d.BOK, Qt::LeftButton);
            return d.result();
        });
        const int nr = runCatSearch(nullptr, caller, a);
        const QSet<int> erwartet = katzenMit([&](const Katze &k) {
            return !k.geschlecht.isEmpty() && geschlechter.contains(k.geschlecht) &&
                   !(ohneEigene && k.name == eigene.name);
        });
        if (geschlechter == "1234")
            QVERIFY(gefunden.size() >= erwartet.size()); // unrestricted: also cats without a sex
        else
            QCOMPARE(gefunden, erwartet);
        QVERIFY(gefunden.contains(nr));
        QCOMPARE(gefunden.contains(eigene.nr),
                 !ohneEigene && !eigene.geschlecht.isEmpty() && geschlechter.contains(eigene.geschlecht));
    }

    void breedWithoutMatchFindsNoCat()
    {
        const QString prefix = mehrdeutigerAnfang();
        TSuchenDlg d;
        d.show();
        d.EName->setFocus();
        QTest::keyClicks(d.EName, prefix);
        suchen(d, d.ERasse, "Keine solche Rasse");
        QVERIFY(d.treffer().isEmpty());
        QVERIFY(!d.gefunden);
        QCOMPARE(d.LAnzahl->text(), QString("0"));
        QVERIFY(!d.ergebnisSichtbar());
        QCOMPARE(shownTexts(), QStringList{tav::app::messageText(50)});
        QCOMPARE(Scripted::shown().first().icon, MsgIcon::Warning);
        QCOMPARE(d.Query1LaufendeNummer(), 0);
        // the criteria stay for another try
        QCOMPARE(d.EName->text(), prefix);
        QCOMPARE(d.ERasse->text(), QString("Keine solche Rasse"));
    }

    void breederWithoutAddressDoesNotSearch()
    {
        TSuchenDlg d;
        d.show();
        suchen(d, d.EName, mehrdeutigerAnfang());
        QVERIFY(d.ergebnisSichtbar());
        QTest::mouseClick(d.BSuchen, Qt::LeftButton); // back to the criteria
        Scripted::reset();
        suchen(d, d.EZuechter, "Niemand Bekanntes");
        QCOMPARE(shownTexts(), QStringList{tav::app::messageText(50)});
        // the earlier result is gone: OK must not return a cat of it
        QVERIFY(d.treffer().isEmpty());
        QCOMPARE(d.Query1LaufendeNummer(), 0);
    }

    void invalidDateShowsMessageAndKeepsTheInput()
    {
        const QString prefix = mehrdeutigerAnfang();
        TSuchenDlg d;
        d.show();
        QApplication::setActiveWindow(&d);
        QTest::keyClicks(d.EName, prefix);
        QTest::keyClicks(d.EFarbe, "blau");
        suchen(d, d.EDatum, "31.02.2020");
        QCOMPARE(shownTexts(), QStringList{"'31.02.2020': " + tav::app::messageText(902)});
        QCOMPARE(Scripted::shown().first().icon, MsgIcon::Error);
        QVERIFY(d.treffer().isEmpty());
        QVERIFY(!d.ergebnisSichtbar());
        QCOMPARE(d.EName->text(), prefix);
        QCOMPARE(d.EFarbe->text(), QString("blau"));
        QCOMPARE(d.EDatum->text(), QString("31.02.2020"));
        QVERIFY(d.EDatum->hasFocus());

        // corrected, the same criteria search
        Scripted::reset();
        d.EDatum->clear();
        QTest::mouseClick(d.BSuchen, Qt::LeftButton);
        QVERIFY(!shownTexts().contains("'31.02.2020': " + tav::app::messageText(902)));
    }

    void doubleClickChoosesTheRowAndOkReturnsIt()
    {
        const QString prefix = mehrdeutigerAnfang();
        int zweite = 0;
        QString nameFeld;
        bool gridWeg = false;
        Scripted::dialog([&](QDialog &dlg) {
            auto &d = static_cast<TSuchenDlg &>(dlg);
            d.show();
            QTest::keyClicks(d.EName, prefix);
            QTest::mouseClick(d.BSuchen, Qt::LeftButton);
            if (d.treffer().size() < 2)
                return int(QDialog::Rejected);
            zweite = d.treffer()[1].LaufendeNummer;
            const QRect r = d.DBGrid1->visualRect(d.DBGrid1->model()->index(1, 0));
            // a real double click: the first press picks the row the double click then takes
            QTest::mouseClick(d.DBGrid1->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(d.DBGrid1->viewport(), Qt::LeftButton, {}, r.center());
            gridWeg = !d.ergebnisSichtbar();
            nameFeld = d.EName->text();
            QTest::mouseClick(d.BOK, Qt::LeftButton);
            return d.result();
        });
        const int nr = runCatSearch(nullptr, 0);
        QVERIFY(zweite > 0);
        QCOMPARE(nr, zweite);
        QVERIFY(gridWeg);
        const auto it =
            std::find_if(m_katzen.begin(), m_katzen.end(), [&](const Katze &k) { return k.nr == nr; });
        QCOMPARE(nameFeld, it->name);
    }

    void enterInTheGridChoosesTheRow()
    {
        TSuchenDlg d;
        d.show();
        suchen(d, d.EName, mehrdeutigerAnfang());
        QVERIFY(d.treffer().size() > 2);
        d.DBGrid1->setFocus();
        QTest::keyClick(d.DBGrid1, Qt::Key_Down);
        QTest::keyClick(d.DBGrid1, Qt::Key_Down);
        QTest::keyClick(d.DBGrid1, Qt::Key_Return);
        QVERIFY(!d.ergebnisSichtbar());
        QCOMPARE(d.Query1LaufendeNummer(), d.treffer()[2].LaufendeNummer);
        QCOMPARE(d.EName->text(), d.treffer()[2].Name);
    }

    void cancelReturnsNoCat()
    {
        bool hatteTreffer = false;
        Scripted::dialog([&](QDialog &dlg) {
            auto &d = static_cast<TSuchenDlg &>(dlg);
            d.show();
            QTest::keyClicks(d.EName, mehrdeutigerAnfang());
            QTest::mouseClick(d.BSuchen, Qt::LeftButton);
            hatteTreffer = d.Query1LaufendeNummer() > 0;
            QTest::mouseClick(d.BAbbruch, Qt::LeftButton);
            return d.result();
        });
        QCOMPARE(runCatSearch(nullptr, 0), 0);
        QVERIFY(hatteTreffer);
        // OK without any search chooses nothing either
        Scripted::dialog([&](QDialog &dlg) {
            dlg.show();
            QTest::mouseClick(static_cast<TSuchenDlg &>(dlg).BOK, Qt::LeftButton);
            return dlg.result();
        });
        QCOMPARE(runCatSearch(nullptr, 0), 0);
    }

    void dialogStartsEmptyEachTime()
    {
        TSuchenDlg d;
        d.show();
        suchen(d, d.EName, mehrdeutigerAnfang());
        QVERIFY(d.gefunden);
        d.reject();
        QVERIFY(!d.ergebnisSichtbar());
        d.show();
        QVERIFY(d.EName->text().isEmpty());
        QVERIFY(!d.gefunden);
        QCOMPARE(d.LAnzahl->text(), QString(" "));
        QCOMPARE(d.Query1LaufendeNummer(), 0);
    }

    void columnTitleSortsTheResult()
    {
        TSuchenDlg d;
        d.show();
        QTest::mouseClick(d.BSuchen, Qt::LeftButton); // every cat
        QVERIFY(d.treffer().size() == m_katzen.size());
        const QSet<int> vorher = nummern(d.treffer());
        const int geb = spalte(d.DBGrid1, "GebDat.");
        QVERIFY(geb >= 0);
        QTest::mouseClick(d.DBGrid1->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(d.DBGrid1->horizontalHeader()->sectionViewportPosition(geb) + 5, 5));
        QCOMPARE(nummern(d.treffer()), vorher);
        QDate letzte;
        for (int r = 0; r < d.treffer().size(); ++r) {
            const QDate g = QDate::fromString(zelle(d.DBGrid1, r, "GebDat."), "dd.MM.yyyy");
            if (g.isValid()) {
                QVERIFY2(!letzte.isValid() || letzte <= g, qPrintable(QString::number(r)));
                letzte = g;
            }
        }
        QVERIFY(d.ergebnisSichtbar());
        // a column that does not sort leaves the order
        const QVector<KatzeTreffer> nachGeb = d.treffer();
        const int mutter = spalte(d.DBGrid1, "Mutter");
        QTest::mouseClick(d.DBGrid1->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(d.DBGrid1->horizontalHeader()->sectionViewportPosition(mutter) + 5, 5));
        for (int r = 0; r < nachGeb.size(); ++r)
            QCOMPARE(d.treffer()[r].LaufendeNummer, nachGeb[r].LaufendeNummer);
    }

    void ancestorEntrySearchesTheTypedNameAtOnce()
    {
        const QString prefix = mehrdeutigerAnfang();
        Aufrufer a;
        a.ahnenEingabe = true;
        a.vmZeiger = QLatin1Char('M');
        QSet<int> gefunden;
        QString nameFeld;
        Scripted::dialog([&](QDialog &dlg) {
            auto &d = static_cast<TSuchenDlg &>(dlg);
            d.show();
            gefunden = nummern(d.treffer());
            nameFeld = d.EName->text();
            return int(QDialog::Rejected);
        });
        runCatSearch(nullptr, 0, a, prefix + "%");
        QCOMPARE(nameFeld, prefix + "%");
        QCOMPARE(gefunden, namensAnfang(prefix) & katzenMit([](const Katze &k) {
                               return k.geschlecht == "2" || k.geschlecht == "4";
                           }));
        // nothing found during an ancestor entry: no message
        Scripted::reset();
        Scripted::dialog([&](QDialog &dlg) {
            dlg.show();
            return int(QDialog::Rejected);
        });
        runCatSearch(nullptr, 0, a, "Zzzz keine solche Katze");
        QCOMPARE(Scripted::shown().size(), 1);
    }

    void calendarButtonWritesTheDate()
    {
        TSuchenDlg d;
        d.show();
        d.EDatum->setText("03.05.2021");
        Scripted::dialog([&](QDialog &dlg) {
            auto &k = static_cast<TKalenderDlg &>(dlg);
            dlg.show();
            if (k.date() != QDate(2021, 5, 3))
                return int(QDialog::Rejected);
            QTest::mouseClick(k.BMonatVor, Qt::LeftButton);
            QTest::mouseClick(k.BOK, Qt::LeftButton);
            return dlg.result();
        });
        QTest::mouseClick(d.BKalender, Qt::LeftButton);
        QCOMPARE(d.EDatum->text(), QString("03.06.2021"));
    }

    void calendarReturnsTheClickedDate()
    {
        QString etikett;
        Scripted::dialog([&](QDialog &dlg) {
            auto &k = static_cast<TKalenderDlg &>(dlg);
            dlg.show();
            auto *view = k.Calendar1->findChild<QTableView *>();
            if (!view)
                return int(QDialog::Rejected);
            // the cell of the 17th of the shown month
            for (int r = 0; r < view->model()->rowCount(); ++r) {
                for (int c = 0; c < view->model()->columnCount(); ++c) {
                    const QModelIndex i = view->model()->index(r, c);
                    if (i.data().toString() == "17" && r > 1) {
                        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(i).center());
                        etikett = k.LDatum->text();
                        QTest::mouseClick(k.BOK, Qt::LeftButton);
                        return dlg.result();
                    }
                }
            }
            return int(QDialog::Rejected);
        });
        const std::optional<QDate> d = runCalendar(nullptr, QDate(2020, 12, 31));
        QVERIFY(d);
        QCOMPARE(*d, QDate(2020, 12, 17));
        QCOMPARE(etikett, QString("Datum  :  17.12.2020"));
    }

    void calendarStepsAndLabel_data()
    {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QDate>("erwartet");
        QTest::addColumn<QString>("etikett");
        QTest::newRow("month back over the year")
            << 0 << QDate(2021, 1, 15) << "BMonatZurueck" << QDate(2020, 12, 15) << "Datum  :  15.12.2020";
        QTest::newRow("31 January to February")
            << 0 << QDate(2021, 1, 31) << "BMonatVor" << QDate(2021, 2, 28) << "Datum  :  28.02.2021";
        QTest::newRow("29 February a year on")
            << 1 << QDate(2024, 2, 29) << "BJahrVor" << QDate(2025, 2, 28) << "Date  :  28.02.2025";
        QTest::newRow("year back, Dutch label follows")
            << 2 << QDate(2022, 7, 4) << "BJahrZurueck" << QDate(2021, 7, 4) << "Datum  :  04.07.2021";
    }
    void calendarStepsAndLabel()
    {
        QFETCH(int, sprache);
        QFETCH(QDate, start);
        QFETCH(QString, knopf);
        QFETCH(QDate, erwartet);
        QFETCH(QString, etikett);
        tav::app::sprache().setLanguageNumber(sprache);
        TKalenderDlg k;
        k.setDate(start);
        k.show();
        QCOMPARE(k.Calendar1->firstDayOfWeek(), Qt::Monday);
        QPushButton *b = knopf == "BMonatZurueck" ? k.BMonatZurueck
                         : knopf == "BMonatVor"   ? k.BMonatVor
                         : knopf == "BJahrVor"    ? k.BJahrVor
                                                  : k.BJahrZurueck;
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(k.date(), erwartet);
        QCOMPARE(k.LDatum->text(), etikett);
        QCOMPARE(k.Calendar1->monthShown(), erwartet.month());
        QCOMPARE(k.Calendar1->yearShown(), erwartet.year());
    }

    void foundCatDialog_data()
    {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<bool>("stammbaum");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("neu");
        QTest::addColumn<QString>("andere");
        QTest::newRow("German") << 0 << false << " Katze gefunden"
                                << "Katze mit gleichem Namen gefunden !"
                                << "Neuaufnehmen"
                                << "&Abbrechen";
        QTest::newRow("German, pedigree") << 0 << true << " Katze gefunden"
                                          << "Katze mit gleichem Namen gefunden !"
                                          << "Neuaufnehmen"
                                          << "Tier laden";
        QTest::newRow("English") << 1 << false << " Cat found"
                                 << "Cat with the same name found !"
                                 << "Add new"
                                 << "&Cancel";
        QTest::newRow("English, pedigree") << 1 << true << " Cat found"
                                           << "Cat with the same name found !"
                                           << "Add new"
                                           << "Load Animal";
    }
    void foundCatDialog()
    {
        QFETCH(int, sprache);
        QFETCH(bool, stammbaum);
        QFETCH(QString, titel);
        QFETCH(QString, meldung);
        QFETCH(QString, neu);
        QFETCH(QString, andere);
        tav::app::sprache().setLanguageNumber(sprache);
        QStringList gesehen;
        auto klick = [&](bool neuaufnehmen) {
            Scripted::dialog([&, neuaufnehmen](QDialog &dlg) {
                auto &f = static_cast<TFormKatzegefunden &>(dlg);
                dlg.show();
                gesehen = {f.windowTitle(), f.LMeldung->text(), f.BNeuaufnehmen->text(),
                           f.BAbbrechen->text()};
                if (!f.BNeuaufnehmen->isDefault())
                    return -1;
                QTest::mouseClick(neuaufnehmen ? f.BNeuaufnehmen : f.BAbbrechen, Qt::LeftButton);
                return dlg.result();
            });
        };
        klick(true);
        QVERIFY(neuaufnehmenTrotzGleichemNamen(nullptr, stammbaum));
        QCOMPARE(gesehen, (QStringList{titel, meldung, neu, andere}));
        klick(false);
        QVERIFY(!neuaufnehmenTrotzGleichemNamen(nullptr, stammbaum));
        // Return takes the default button
        Scripted::dialog([](QDialog &dlg) {
            dlg.show();
            QTest::keyClick(&dlg, Qt::Key_Return);
            return dlg.result();
        });
        QVERIFY(neuaufnehmenTrotzGleichemNamen(nullptr, stammbaum));
    }

    void searchDialogInEnglish()
    {
        tav::app::sprache().setLanguageNumber(1);
        TSuchenDlg d;
        d.show();
        QCOMPARE(d.windowTitle(), QString("Search"));
        QCOMPARE(d.BSuchen->text(), QString("&Search"));
        QCOMPARE(d.LZbNr->text(), QString("Ear tag no."));
        suchen(d, d.EName, mehrdeutigerAnfang());
        QVERIFY(spalte(d.DBGrid1, "Colour") >= 0);
        QVERIFY(spalte(d.DBGrid1, "Sex") >= 0);
        for (int r = 0; r < d.treffer().size(); ++r) {
            const QString g = d.treffer()[r].Geschlecht;
            if (g == "2" || g == "4")
                QVERIFY(zelle(d.DBGrid1, r, "Sex").startsWith("f"));
        }
    }
};

QTEST_MAIN(TstCatsDialogs)
#include "tst_catsdialogs.moc"
