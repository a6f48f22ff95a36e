#include "Desktop.h"
#include "OfficeJourney.h"

#include "widgets/DBGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QtTest>

using namespace desktop;
using tav::widgets::DBGrid;

// The bookkeeping as a breeder meets it in a new register: a bank account made in the editor and
// saved with its button, the delivered categories and rates, a category added in the grid with
// the Insert key and given its VAT rate there, an income and an expense booked. The postings
// table holds them with exact amounts, also after a restart.
class JrnBookkeeping : public QObject
{
    Q_OBJECT

    static QWidget *book() { return User::child(QStringLiteral("formbuchfuehrung")); }
    template <class W = QWidget> static W *in(const QString &name)
    {
        QWidget *b = book();
        return b ? b->findChild<W *>(name) : nullptr;
    }

    // the books as the files hold them: the postings of the account, the balance, the category
    static void checkTables(User &u, const QString &when)
    {
        Register r(u.home());
        const auto postings =
            r.rows("SELECT b.Kategorie, b.Betrag FROM buchung.db b, konten.db k WHERE b.Kontoname = "
                   "k.LaufendeNummer AND k.Name = 'Girokonto' ORDER BY b.BuchungsNr",
                   {QStringLiteral("Kategorie"), QStringLiteral("Betrag")});
        const QStringList expected = {QStringLiteral("Kittenverkauf|4500000"),
                                      QStringLiteral("Fotograf|-899000")};
        if (postings != expected)
            u.failed(when + QStringLiteral(": the postings are ") + postings.join(QStringLiteral(", ")));
        if (r.units("SELECT Kontostand AS v FROM konten.db WHERE Name = 'Girokonto'") != 6101000)
            u.failed(when + QStringLiteral(": the balance is not 610,10"));
        if (r.value("SELECT m.Prozent AS v FROM konten.db k, mehrwert.db m WHERE k.Name = 'Fotograf' AND "
                    "k.Mwst = m.LaufendeNummer AND k.EinAus = 'Ausgabe' AND k.Kontoart = 0")
                .toInt() != 19)
            u.failed(when + QStringLiteral(": the category Fotograf has not 19 % VAT"));
        if (r.value("SELECT m.Prozent AS v FROM konten.db k, mehrwert.db m WHERE k.Name = 'Kittenverkauf' "
                    "AND k.Mwst = m.LaufendeNummer AND k.EinAus = 'Einnahme'")
                .toInt() != 19)
            u.failed(when + QStringLiteral(": the delivered category Kittenverkauf lacks its rate"));
    }

    // a posting typed in the single view: amount, category picked from the list, description
    static void post(User &u, const QString &amount, const QString &category, const QString &text)
    {
        u.press(book, {QStringLiteral("Buchung neu")});
        u.click([] { return in(QStringLiteral("Betrag")); }, QStringLiteral("the amount"));
        u.type(amount);
        u.click([] { return in(QStringLiteral("Kategorie")); }, QStringLiteral("the category"));
        u.require([] { return QApplication::activePopupWidget() != nullptr; },
                  QStringLiteral("the list opens"));
        u.type(category);
        u.key(QStringLiteral("Return"));
        u.require(
            [category] { return in<QComboBox>(QStringLiteral("Kategorie"))->currentText() == category; },
            QStringLiteral("the category ") + category + QStringLiteral(" is chosen"));
        u.click([] { return in(QStringLiteral("Beschreibung")); }, QStringLiteral("the description"));
        u.type(text);
        u.press(book, {QStringLiteral("Speichern")});
        u.require([amount] { return !in(QStringLiteral("Betrag"))->isEnabled(); },
                  QStringLiteral("the posting is stored"));
    }

  private Q_SLOTS:
    void incomeAndExpense()
    {
        User user(QStringLiteral("bookkeeping"));
        const QString failed = runJourney(user, QStringLiteral("income-and-expense"), [](User &u) {
            u.makeDemoHome();
            u.startProgram();
            u.menu({QStringLiteral("Büro"), QStringLiteral("Buchführung")});
            u.require([] { return book() != nullptr; }, QStringLiteral("the bookkeeping opens"));

            // no account yet: the window asks for the kind
            u.press(book, {QStringLiteral("Bankkonto")});
            u.require([] { return in(QStringLiteral("DBName")) && in(QStringLiteral("DBName"))->hasFocus(); },
                      QStringLiteral("the account's name has the focus"));
            u.type(QStringLiteral("Girokonto"));
            u.click([] { return in(QStringLiteral("DBEroeffnungssaldo")); },
                    QStringLiteral("the opening balance"));
            u.type(QStringLiteral("250,00"));
            u.press(book, {QStringLiteral("Speichern")});
            u.require([] { return !in(QStringLiteral("KontoSpeichern"))->isEnabled(); },
                      QStringLiteral("the account is stored"));

            // the delivered categories; one more added with Insert, its rate picked in the grid
            clickTab(
                u, [] { return in<QTabWidget>(QStringLiteral("KontenTabs")); },
                QStringLiteral("Kategorie / MwSt-Tabelle"));
            const auto grid = [] { return in<DBGrid>(QStringLiteral("KategorienGrid")); };
            u.require([grid] { return grid() && grid()->model()->rowCount() >= 12; },
                      QStringLiteral("the delivered categories show"));
            u.screenshot(QStringLiteral("categories"));
            clickCell(u, grid, 0, 0, QStringLiteral("the first category"));
            u.key(QStringLiteral("Insert"));
            u.require([grid] { return grid()->currentIndex().row() == grid()->model()->rowCount() - 1; },
                      QStringLiteral("a new row is current"));
            u.type(QStringLiteral("Fotograf"));
            // Tab takes the name and goes on to the rate, which offers the rates of the table
            u.key(QStringLiteral("Tab"));
            const auto rates = [] {
                return qobject_cast<QComboBox *>(QApplication::focusWidget()) != nullptr;
            };
            if (!u.waitFor(rates, 1500)) {
                const int row = u.look([grid] { return grid()->currentIndex().row(); });
                clickCell(u, grid, row, 1, QStringLiteral("the VAT rate of the new category"), 2);
            }
            u.require(rates, QStringLiteral("the rates are offered"));
            u.type(QStringLiteral("19"));
            u.key(QStringLiteral("Return"));
            u.press(book, {QStringLiteral("Speichern")});
            u.require([grid] { return !grid()->tableModel()->dataSource()->isEditing(); },
                      QStringLiteral("the category is stored"));
            u.screenshot(QStringLiteral("category-added"));

            // page "Buchen": the account by double-click, then an income and an expense
            clickTab(
                u, [] { return in<QTabWidget>(QStringLiteral("PageControl1")); }, QStringLiteral("Buchen"));
            const auto chooser = [] { return in<DBGrid>(QStringLiteral("KontenWahl")); };
            clickCell(u, chooser, 0, 0, QStringLiteral("the account Girokonto"), 2);
            u.require(
                [] { return in<QLabel>(QStringLiteral("KontoName"))->text() == QStringLiteral("Girokonto"); },
                QStringLiteral("the account is chosen"));
            post(u, QStringLiteral("450,00"), QStringLiteral("Kittenverkauf"),
                 QStringLiteral("Kitten Amira"));
            u.require(
                [] { return in<QLabel>(QStringLiteral("Kontostand"))->text() == QStringLiteral("700,00"); },
                QStringLiteral("the income raises the balance to 700,00"));
            u.screenshot(QStringLiteral("income-booked"));
            post(u, QStringLiteral("89,90"), QStringLiteral("Fotograf"), QStringLiteral("Wurffotos"));
            u.require(
                [] { return in<QLabel>(QStringLiteral("Kontostand"))->text() == QStringLiteral("610,10"); },
                QStringLiteral("the expense lowers the balance to 610,10"));
            checkTables(u, QStringLiteral("after booking"));

            u.quitProgram();
            u.startProgram();
            checkTables(u, QStringLiteral("after a restart"));
            u.menu({QStringLiteral("Büro"), QStringLiteral("Buchführung")});
            u.require([] { return book() != nullptr; }, QStringLiteral("the bookkeeping opens again"));
            clickCell(u, chooser, 0, 0, QStringLiteral("the account Girokonto"), 2);
            u.require(
                [] { return in<QLabel>(QStringLiteral("Kontostand"))->text() == QStringLiteral("610,10"); },
                QStringLiteral("the balance is 610,10 after a restart"));
            u.screenshot(QStringLiteral("after-restart"));
            u.quitProgram();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(JrnBookkeeping)
#include "jrn_bookkeeping.moc"
