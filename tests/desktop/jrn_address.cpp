#include "Desktop.h"
#include "OfficeJourney.h"

#include "cats/ui/Pcatstam.h"
#include "store/Table.h"

#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

using namespace desktop;
using tav::cats::ui::TCatStamm;

// The address book as a breeder meets it: from the breeder block of the cat shown, a new address
// with its status picked from the user's statuses, saved and put on the cat as its breeder. The
// address table and the cat hold it, also after a restart.
class JrnAddress : public QObject
{
    Q_OBJECT

    static QWidget *book() { return User::child(QStringLiteral("adressenverwaltung")); }
    static QWidget *catWindow() { return TCatStamm::instance(); }
    static QWidget *inBook(const QString &name)
    {
        QWidget *b = book();
        return b ? b->findChild<QWidget *>(name) : nullptr;
    }
    static QWidget *inCat(const QString &name)
    {
        QWidget *c = catWindow();
        return c && c->isVisible() ? c->findChild<QWidget *>(name) : nullptr;
    }
    static int currentCat()
    {
        auto *c = TCatStamm::instance();
        return c && c->DBCatStamm()->hasRecord() ? c->DBCatStamm()->intValue(QStringLiteral("LaufendeNummer"))
                                                 : 0;
    }

    static void checkTables(User &u, int cat, const QString &when)
    {
        Register r(u.home());
        const QStringList found =
            r.rows("SELECT LaufendeNr, Vorname, Ort, Status FROM adr_dat.db WHERE Name = 'Lindqvist'",
                   {QStringLiteral("LaufendeNr"), QStringLiteral("Vorname"), QStringLiteral("Ort"),
                    QStringLiteral("Status")});
        if (found.size() != 1 || !found.first().endsWith(QStringLiteral("|Sofia|Uppsala|Züchter")))
            u.failed(when + QStringLiteral(": the address book holds ") + found.join(QStringLiteral(", ")));
        const int address = found.value(0).section(QLatin1Char('|'), 0, 0).toInt();
        const int breeder =
            r.value(QStringLiteral("SELECT \"Züchter\" AS v FROM catstamm.db WHERE LaufendeNummer = %1")
                        .arg(cat))
                .toInt();
        if (address <= 0 || breeder != address)
            u.failed(when +
                     QStringLiteral(": the cat's breeder is %1, the address %2").arg(breeder).arg(address));
    }

  private Q_SLOTS:
    void breederOfTheCat()
    {
        User user(QStringLiteral("address"));
        const QString failed = runJourney(user, QStringLiteral("breeder-of-the-cat"), [](User &u) {
            u.makeDemoHome();
            u.startProgram();
            u.require([] { return currentCat() > 0 && inCat(QStringLiteral("AdrNeuZuechter")); },
                      QStringLiteral("the cat record window shows a cat"));
            const int cat = u.look(currentCat);

            u.click([] { return inCat(QStringLiteral("AdrNeuZuechter")); },
                    QStringLiteral("the breeder's Adressen"));
            u.require([] { return book() != nullptr; }, QStringLiteral("the address book opens"));
            u.require(
                [] {
                    auto *frame = qobject_cast<QMdiSubWindow *>(book()->parentWidget());
                    return frame && frame->windowTitle() == QStringLiteral("Adressenverwaltung");
                },
                QStringLiteral("the address book's title reads Adressenverwaltung"));
            u.press(book, {QStringLiteral("Hinzufügen")});
            u.require([] { return inBook(QStringLiteral("DBName"))->hasFocus(); },
                      QStringLiteral("the name field has the focus"));
            u.type(QStringLiteral("Lindqvist"));
            u.click([] { return inBook(QStringLiteral("DBVorname")); }, QStringLiteral("the first name"));
            u.type(QStringLiteral("Sofia"));
            u.click([] { return inBook(QStringLiteral("DBStrasse")); }, QStringLiteral("the street"));
            u.type(QStringLiteral("Gamla vagen 3"));
            u.click([] { return inBook(QStringLiteral("DBOrt")); }, QStringLiteral("the town"));
            u.type(QStringLiteral("Uppsala"));
            // the status choice offers the statuses of the address book, nothing else
            u.require(
                [] {
                    QStringList texts;
                    for (auto *b : inBook(QStringLiteral("DBStatus"))->findChildren<QRadioButton *>())
                        texts << b->text();
                    return texts == QStringList{QStringLiteral("Züchter"), QStringLiteral("Käufer"),
                                                QStringLiteral("Interessent"), QStringLiteral("Tierarzt")};
                },
                QStringLiteral("the status choice lists the address statuses"));
            u.click(
                [] {
                    for (auto *b : inBook(QStringLiteral("DBStatus"))->findChildren<QRadioButton *>())
                        if (b->text() == QStringLiteral("Züchter"))
                            return static_cast<QWidget *>(b);
                    return static_cast<QWidget *>(nullptr);
                },
                QStringLiteral("the status Züchter"));
            u.press(book, {QStringLiteral("Speichern")});
            u.require([] { return !inBook(QStringLiteral("BitBtnSpeichern"))->isEnabled(); },
                      QStringLiteral("the address is stored"));
            u.screenshot(QStringLiteral("address-book"));

            u.press(book, {QStringLiteral("Zur Katze")});
            u.require([] { return book() == nullptr; }, QStringLiteral("the address book closes"));
            u.require(
                [] {
                    auto *memo = qobject_cast<QPlainTextEdit *>(inCat(QStringLiteral("AdresseZuechter")));
                    return memo && memo->toPlainText().contains(QStringLiteral("Lindqvist"));
                },
                QStringLiteral("the cat shows its new breeder"));
            u.press(catWindow, {QStringLiteral("Speichern")});
            u.require([] { return !TCatStamm::instance()->DBCatStamm()->isEditing(); },
                      QStringLiteral("the cat is stored"));
            checkTables(u, cat, QStringLiteral("after saving"));

            u.quitProgram();
            u.startProgram();
            checkTables(u, cat, QStringLiteral("after a restart"));
            u.require([cat] { return currentCat() == cat; },
                      QStringLiteral("the program shows the same cat"));
            u.require(
                [] {
                    auto *memo = qobject_cast<QPlainTextEdit *>(inCat(QStringLiteral("AdresseZuechter")));
                    return memo && memo->toPlainText().contains(QStringLiteral("Lindqvist"));
                },
                QStringLiteral("the breeder shows after a restart"));
            u.screenshot(QStringLiteral("after-restart"));
            u.quitProgram();
        });
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
};

QTEST_MAIN(JrnAddress)
#include "jrn_address.moc"
