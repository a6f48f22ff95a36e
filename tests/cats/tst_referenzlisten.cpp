// The reference lists' declarations against the tables and menus, the count of records that use a
// row, and the status names kept under the numbers of their positions.
#include "CatsFixture.h"
#include "app/MenuDefs.h"
#include "cats/Referenzlisten.h"
#include "store/TableDef.h"

#include <QtTest>

using namespace tav::cats;
using tav::store::FieldType;

class TstReferenzlisten : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void declarationFitsItsTableAndMenu_data()
    {
        QTest::addColumn<QString>("fenster");
        for (const Referenzliste &l : referenzlisten())
            QTest::newRow(qPrintable(l.fenster)) << l.fenster;
    }
    void declarationFitsItsTableAndMenu()
    {
        QFETCH(QString, fenster);
        const Referenzliste *l = referenzliste(fenster);
        QVERIFY(l);
        const tav::store::TableDef *t = tav::store::findTableDef(l->tabelle);
        QVERIFY(t);
        QVERIFY2(t->index(l->index), qPrintable(l->index));
        const tav::store::FieldDef *nr = t->field(l->nummernFeld);
        QVERIFY(nr && nr->type == FieldType::AutoInc);
        for (const ReferenzFeld &f : l->felder) {
            const tav::store::FieldDef *d = t->field(f.name);
            QVERIFY2(d, qPrintable(f.name));
            QVERIFY2(f.laenge <= d->size, qPrintable(f.name)); // an edit never takes more than is stored
            QVERIFY(f.tag > 0);
            QCOMPARE(f.art == ReferenzFeld::Art::Auswahl, !f.werte.isEmpty());
        }
        for (const Verwendung &v : l->verwendetIn) {
            const tav::store::TableDef *u = tav::store::findTableDef(v.tabelle);
            QVERIFY(u && u->field(v.feld));
        }
        // opened from the System menu, with a help page
        const auto &items = tav::app::menuItems();
        const bool imMenue = std::any_of(items.begin(), items.end(), [&](const tav::app::MenuItemDef &i) {
            return i.window && fenster == QLatin1String(i.window) && QLatin1String(i.command) == "window";
        });
        QVERIFY(imMenue);
        QVERIFY(l->hilfe > 0);
        // only the two traits the inbreeding calculation relies on are fixed
        QCOMPARE(l->geschuetzt, (fenster == "formmerkmale" ? QVector<int>{1, 2} : QVector<int>{}));
        QCOMPARE(istGeschuetzt(*l, 2), fenster == "formmerkmale");
        QVERIFY(!istGeschuetzt(*l, 3));
    }

    void rowsInUseAreCounted()
    {
        CatsFixture f;
        f.db().createTable(QStringLiteral("KATZEMERKMAL.DB"));
        const int rasse = f.add("RASSE.DB", {{"RName", "Kartäuser \"Blau\" d'Or"}});
        const int andere = f.add("RASSE.DB", {{"RName", "Perser"}});
        f.cat("Anna", "2", {{"Rasse", rasse}});
        f.cat("Bert", "1", {{"Rasse", rasse}});
        f.cat("Cleo", "2", {{"Rasse", andere}});
        f.add("KATZEMERKMAL.DB", {{"Katze", 1}, {"Merkmal", 5}});
        QCOMPARE(verwendungen(f.db(), *referenzliste("rassen"), rasse), 2);
        QCOMPARE(verwendungen(f.db(), *referenzliste("rassen"), 99), 0);
        QCOMPARE(verwendungen(f.db(), *referenzliste("formmerkmale"), 5), 1);
        // colours are stored as text with the cat: nothing refers to the row
        QCOMPARE(verwendungen(f.db(), *referenzliste("farbeform"), rasse), 0);
    }

    void statusNamesKeepTheirNumbers()
    {
        CatsFixture f;
        statusSpeichern(f.db(), {"Eigene", "Neu", "Verkauft"});
        QCOMPARE(statusLaden(f.db()), (QStringList{"Eigene", "Neu", "Verkauft"}));
        // a fourth is appended under number 4
        statusSpeichern(f.db(), {"Eigene", "Neu", "Verkauft", "Verstorben"});
        tav::store::Table t(&f.db(), "STATUS.DB");
        t.open();
        QVERIFY(t.findKey({4}));
        QCOMPARE(t.text("Status"), QString("Verstorben"));
        // an emptied last name deletes its record; an emptied one in between keeps its place
        statusSpeichern(f.db(), {"Eigene", "", "Verkauft", " "});
        QCOMPARE(statusLaden(f.db()), (QStringList{"Eigene", "", "Verkauft"}));
        t.refresh();
        QVERIFY(!t.findKey({4}));
        QVERIFY(t.findKey({3}));
        QCOMPARE(t.text("Status"), QString("Verkauft"));
        // added again after a delete, a status gets its position's number, not the next free one
        statusSpeichern(f.db(), {"Eigene", "Neu", "Verkauft", "Abgegeben"});
        t.refresh();
        QVERIFY(t.findKey({4}));
        QCOMPARE(t.text("Status"), QString("Abgegeben"));
        QCOMPARE(t.recordCount(), 4);
        // more than nine names are not kept
        statusSpeichern(f.db(), QStringList(12, "x"));
        QCOMPARE(statusLaden(f.db()).size(), MaxStatus);
    }
};

QTEST_GUILESS_MAIN(TstReferenzlisten)
#include "tst_referenzlisten.moc"
