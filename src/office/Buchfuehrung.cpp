#include "Buchfuehrung.h"

#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Query.h"
#include "store/Table.h"
#include "store/Transaction.h"

#include <QHash>
#include <stdexcept>

using namespace tav::store;

namespace tav::office {

namespace {

const QString Konten = konten::Datei;
const QString Buchungen = buchung::Datei;
const QString Nummer = QStringLiteral("LaufendeNummer");
const QString Stand = QStringLiteral("Kontostand");
const QString Eroeffnung = QStringLiteral("Eroeffnungssaldo");
const QString Betrag = QStringLiteral("Betrag");
const QString Gegen = QStringLiteral("Gegenbuchung");

Geld units(const std::optional<qint64> &u)
{
    return Geld::ausEinheiten(u.value_or(0));
}

// a cursor on one record of a table, found by its number in the primary index
struct Satz {
    Table t;
    Satz(Database &db, const QString &tabelle, int nummer) : t(&db, tabelle)
    {
        t.open();
        if (nummer <= 0 || !t.findKey({nummer}))
            throw std::invalid_argument(
                QStringLiteral("%1: Satz %2 fehlt").arg(tabelle).arg(nummer).toStdString());
    }
};

void standAendern(Table &konto, Geld um)
{
    const Geld neu = units(konto.currencyUnits(Stand)) + um;
    konto.edit();
    konto.setCurrencyUnits(Stand, neu.einheiten());
    konto.post();
}

int buchungSchreiben(Table &b, int konto, const QDate &datum, const QString &kategorie, Geld betrag,
                     const QString &beschreibung, int gegen)
{
    b.append();
    b.setValue(buchung::Kontoname, konto);
    b.setValue(buchung::Buchungsdatum, datum);
    b.setValue(buchung::Kategorie, kategorie);
    b.setCurrencyUnits(Betrag, betrag.einheiten());
    b.setValue(buchung::Beschreibung, beschreibung);
    b.setValue(Gegen, gegen);
    b.post();
    return b.intValue(buchung::BuchungsNr);
}

Konto kontoAus(Table &t)
{
    Konto k;
    k.nummer = t.intValue(Nummer);
    k.art = Kontoart(t.intValue(konten::Kontoart));
    k.name = t.text(konten::Name);
    k.zum = t.value(konten::Zum).toDate();
    k.eroeffnung = units(t.currencyUnits(Eroeffnung));
    k.kontostand = units(t.currencyUnits(Stand));
    k.einAus = t.text(konten::EinAus);
    return k;
}

QVector<Konto> kontenMit(Database &db, const QString &filter, const QString &index)
{
    QVector<Konto> out;
    Table t(&db, Konten);
    t.setReadOnly(true);
    t.setIndexName(index);
    t.setFilter(filter);
    t.setFiltered(true);
    t.open();
    for (t.first(); !t.eof(); t.next())
        out << kontoAus(t);
    return out;
}

Buchung buchungAus(const Query &q)
{
    Buchung b;
    b.nummer = q.value(buchung::BuchungsNr).toInt();
    b.konto = q.value(buchung::Kontoname).toInt();
    b.datum = q.value(buchung::Buchungsdatum).toDate();
    b.kategorie = q.value(buchung::Kategorie).toString();
    b.kontoName = q.value(QStringLiteral("KontoBez")).toString();
    b.betrag = units(q.units(Betrag));
    return b;
}

Geld summe(Query &q)
{
    q.open();
    const Geld s = units(q.units(QStringLiteral("Summe")));
    q.close();
    return s;
}

} // namespace

std::optional<Zeitraum> monatsZeitraum(int vonMonat, int bisMonat, int jahr)
{
    if (vonMonat < 1 || vonMonat > 12 || bisMonat < 1 || bisMonat > 12 || jahr < 1 || jahr > 9999 ||
        bisMonat < vonMonat)
        return std::nullopt;
    const QDate von(jahr, vonMonat, 1);
    const QDate bis(jahr, bisMonat, QDate(jahr, bisMonat, 1).daysInMonth());
    return Zeitraum{von, bis};
}

Buchfuehrung::Buchfuehrung(Database &db) : m_db(db)
{
    tabellenAnlegen(db);
}

Buchfuehrung::~Buchfuehrung() = default;

void Buchfuehrung::tabellenAnlegen(Database &db)
{
    for (const QString &t : QStringList{Konten, Buchungen, mehrwert::Datei, kontoart::Datei})
        db.ensureTable(t);
}

void Buchfuehrung::schritt(const char *name) const
{
    if (testHook)
        testHook(name);
}

namespace {
struct Vorgabe {
    int tag;
    const char *name; // German
    bool einnahme;
    int prozent;
};
// a breeder's usual income and expenses; the tags give their names in each language
constexpr Vorgabe Vorgaben[] = {
    {7072, "Kittenverkauf", true, 19},     {7073, "Deckgeld erhalten", true, 19},
    {7074, "Sonstige Einnahmen", true, 0}, {7075, "Futter", false, 7},
    {7076, "Katzenstreu", false, 19},      {7077, "Tierarzt", false, 19},
    {7078, "Ausstellungen", false, 19},    {7079, "Vereinsbeiträge", false, 0},
    {7080, "Stammbaumgebühren", false, 0}, {7081, "Deckgeld bezahlt", false, 19},
    {7082, "Zubehör", false, 19},          {7083, "Sonstige Ausgaben", false, 0},
};
constexpr int Saetze[] = {19, 7, 0};
constexpr std::pair<int, const char *> Kontoarten[] = {{7047, "Bankkonto"}, {7048, "Bargeld / Kasse"}};
} // namespace

bool buecherEinrichten(Database &db, const std::function<QString(int)> &text)
{
    Buchfuehrung::tabellenAnlegen(db);
    const QString kontoart = kontoart::Datei, mehrwert = mehrwert::Datei;
    auto name = [&](int tag, const char *deutsch) {
        const QString t = text ? text(tag).trimmed() : QString();
        return t.isEmpty() ? QString::fromUtf8(deutsch) : t;
    };
    Transaction txn(db, {kontoart, Konten, mehrwert});
    Table arten(&db, kontoart);
    arten.open();
    if (!arten.isEmpty())
        return false;
    for (const auto &[tag, deutsch] : Kontoarten) {
        arten.append();
        arten.setValue(kontoart::Kontoart, name(tag, deutsch));
        arten.post();
    }
    Table saetze(&db, mehrwert);
    saetze.open();
    QHash<int, int> satzNr; // percent -> record
    if (saetze.isEmpty()) {
        for (int p : Saetze) {
            saetze.append();
            saetze.setValue(mehrwert::Prozent, p);
            saetze.post();
            satzNr.insert(p, saetze.intValue(Nummer));
        }
    } else {
        for (saetze.first(); !saetze.eof(); saetze.next())
            if (!satzNr.contains(saetze.intValue(mehrwert::Prozent)))
                satzNr.insert(saetze.intValue(mehrwert::Prozent), saetze.intValue(Nummer));
    }
    Table k(&db, Konten);
    k.setFilter(QStringLiteral("Kontoart=0"));
    k.setFiltered(true);
    k.open();
    if (k.isEmpty()) {
        for (const Vorgabe &v : Vorgaben) {
            k.append();
            k.setValue(konten::Kontoart, int(Kontoart::Kategorie));
            k.setValue(konten::Name, name(v.tag, v.name));
            k.setValue(konten::EinAus, v.einnahme ? EinAusEinnahme : EinAusAusgabe);
            k.setCurrencyUnits(Eroeffnung, 0);
            if (satzNr.contains(v.prozent))
                k.setValue(konten::Mwst, satzNr.value(v.prozent));
            k.post();
        }
    }
    txn.commit();
    return true;
}

void kontoVorDemSpeichern(Database &db, Table &konten)
{
    if (!konten.currencyUnits(Eroeffnung))
        konten.setCurrencyUnits(Eroeffnung, 0);
    const Geld eroeffnung = units(konten.currencyUnits(Eroeffnung));
    if (konten.state() == Table::State::Insert) {
        konten.setCurrencyUnits(Stand, eroeffnung.einheiten());
        return;
    }
    Table alt(&db, Konten);
    alt.setReadOnly(true);
    alt.open();
    if (!alt.findKey({konten.value(Nummer)}))
        return;
    const Geld vorher = units(alt.currencyUnits(Eroeffnung));
    if (vorher != eroeffnung)
        konten.setCurrencyUnits(Stand, (units(alt.currencyUnits(Stand)) + eroeffnung - vorher).einheiten());
}

int Buchfuehrung::kontoAnlegen(Kontoart art, const QString &name, Geld eroeffnung, const QDate &zum)
{
    if (art == Kontoart::Kategorie)
        throw std::invalid_argument("Kontoart");
    Transaction txn(m_db, Konten);
    Table t(&m_db, Konten);
    t.open();
    t.append();
    t.setValue(konten::Kontoart, int(art));
    t.setValue(konten::Name, name);
    t.setCurrencyUnits(Eroeffnung, eroeffnung.einheiten());
    t.setValue(konten::Zum, zum);
    kontoVorDemSpeichern(m_db, t);
    t.post();
    txn.commit();
    return t.intValue(Nummer);
}

int Buchfuehrung::kategorieAnlegen(const QString &name, const QString &einAus, int mwst)
{
    Transaction txn(m_db, Konten);
    Table t(&m_db, Konten);
    t.open();
    t.append();
    t.setValue(konten::Kontoart, int(Kontoart::Kategorie));
    t.setValue(konten::Name, name);
    t.setValue(konten::EinAus, einAus);
    if (mwst)
        t.setValue(konten::Mwst, mwst);
    kontoVorDemSpeichern(m_db, t);
    t.post();
    txn.commit();
    return t.intValue(Nummer);
}

int Buchfuehrung::buchen(const Eingabe &e)
{
    if (!e.datum.isValid())
        throw std::invalid_argument("Buchungsdatum");
    Transaction txn(m_db, {Konten, Buchungen});
    Satz eigen(m_db, Konten, e.konto);
    if (eigen.t.intValue(konten::Kontoart) <= 0)
        throw std::invalid_argument("Konto");
    Satz kat(m_db, Konten, e.kategorie);
    const bool umbuchung = kat.t.intValue(konten::Kontoart) > 0;
    if (umbuchung && e.kategorie == e.konto)
        throw std::invalid_argument("Umbuchung auf dasselbe Konto");
    const Geld betrag = !umbuchung && kat.t.text(konten::EinAus) == EinAusAusgabe ? -e.betrag : e.betrag;

    // as the books are kept: the balance first, then the posting, both in this transaction
    standAendern(eigen.t, betrag);
    schritt("kontostand");
    Table b(&m_db, Buchungen);
    b.open();
    const int nr = buchungSchreiben(b, e.konto, e.datum, kat.t.text(konten::Name), betrag, e.beschreibung, 0);
    if (umbuchung) {
        schritt("buchung");
        const int gegen = buchungSchreiben(b, e.kategorie, e.datum, eigen.t.text(konten::Name), -betrag,
                                           e.beschreibung, nr);
        standAendern(kat.t, -betrag);
        schritt("gegenbuchung");
        if (!b.findKey({nr}))
            throw std::invalid_argument("Buchung");
        b.edit();
        b.setValue(Gegen, gegen);
        b.post();
    }
    txn.commit();
    return nr;
}

void Buchfuehrung::loeschen(int buchungsNr)
{
    Transaction txn(m_db, {Konten, Buchungen});
    Satz b(m_db, Buchungen, buchungsNr);
    const int gegen = b.t.intValue(Gegen);
    if (gegen > 0) {
        Table g(&m_db, Buchungen);
        g.open();
        // the counter-posting names its own account by number; a lost one leaves nothing to undo
        if (g.findKey({gegen})) {
            Satz anderes(m_db, Konten, g.intValue(buchung::Kontoname));
            standAendern(anderes.t, -units(g.currencyUnits(Betrag)));
            schritt("gegenkonto");
            g.remove();
        }
    }
    Satz eigen(m_db, Konten, b.t.intValue(buchung::Kontoname));
    standAendern(eigen.t, -units(b.t.currencyUnits(Betrag)));
    schritt("kontostand");
    b.t.remove();
    txn.commit();
}

QVector<Konto> konten(Database &db)
{
    return kontenMit(db, QStringLiteral("Kontoart<>0"), QString());
}

QVector<Konto> kategorien(Database &db)
{
    return kontenMit(db, QStringLiteral("Kontoart=0"), QStringLiteral("Nameidx"));
}

std::optional<Konto> konto(Database &db, int nummer)
{
    Table t(&db, Konten);
    t.setReadOnly(true);
    t.open();
    if (!t.findKey({nummer}))
        return std::nullopt;
    return kontoAus(t);
}

QVector<Buchung> buchungen(Database &db, int konto)
{
    Query q(&db, QStringLiteral("SELECT b.BuchungsNr, b.Kontoname, b.Buchungsdatum, b.Kategorie, b.Betrag,"
                                " b.Gegenbuchung, k.Name AS KontoBez FROM buchung.db b, konten.db k"
                                " WHERE b.Kontoname = :Konto AND k.LaufendeNummer = b.Kontoname"
                                " ORDER BY b.Buchungsdatum, b.BuchungsNr"));
    q.bindValue(QStringLiteral(":Konto"), konto);
    q.open();
    QVector<Buchung> out;
    for (; !q.eof(); q.next()) {
        Buchung b = buchungAus(q);
        b.gegenbuchung = q.value(buchung::Gegenbuchung).toInt();
        out << b;
    }
    return out;
}

Statistik kategorieStatistik(Database &db, const QString &name, const Zeitraum &z)
{
    const QString von = QStringLiteral(" FROM buchung.db b, konten.db k WHERE b.Kategorie = :Name"
                                       " AND b.Buchungsdatum >= :Datum1 AND b.Buchungsdatum <= :Datum2"
                                       " AND b.Kontoname = k.LaufendeNummer");
    auto binden = [&](Query &q) {
        q.bindValue(QStringLiteral(":Name"), name);
        q.bindValue(QStringLiteral(":Datum1"), z.von);
        q.bindValue(QStringLiteral(":Datum2"), z.bis);
    };
    Statistik s;
    Query q(&db, QStringLiteral("SELECT b.BuchungsNr, b.Buchungsdatum, b.Betrag, k.Name AS KontoBez,"
                                " b.Kontoname, b.Kategorie") +
                     von + QStringLiteral(" ORDER BY b.Buchungsdatum, k.Name"));
    binden(q);
    q.open();
    for (; !q.eof(); q.next())
        s.posten << buchungAus(q);
    Query sum(&db, QStringLiteral("SELECT SUM(b.Betrag) AS Summe") + von);
    binden(sum);
    s.gesamt = summe(sum);
    return s;
}

GewinnVerlust gewinnVerlust(Database &db, const Zeitraum &z, std::optional<int> konto)
{
    GewinnVerlust g;
    g.zeitraum = z;
    // a posting counts once even when two categories share its name
    auto bedingung = [&](const QString &einAus) {
        return QStringLiteral(" FROM buchung.db B, konten.db A WHERE B.Kontoname = A.LaufendeNummer"
                              " AND B.Buchungsdatum >= :Datum1 AND B.Buchungsdatum <= :Datum2"
                              " AND EXISTS (SELECT 1 FROM konten.db K WHERE K.Name = B.Kategorie"
                              " AND K.Kontoart = 0 AND K.EinAus = '%1')%2")
            .arg(einAus, konto ? QStringLiteral(" AND B.Kontoname = :Konto") : QString());
    };
    auto binden = [&](Query &q) {
        q.bindValue(QStringLiteral(":Datum1"), z.von);
        q.bindValue(QStringLiteral(":Datum2"), z.bis);
        if (konto)
            q.bindValue(QStringLiteral(":Konto"), *konto);
    };
    for (const QString &einAus : {EinAusEinnahme, EinAusAusgabe}) {
        Query q(&db,
                QStringLiteral("SELECT B.BuchungsNr, B.Kontoname, B.Kategorie, B.Buchungsdatum, B.Betrag,"
                               " A.Name AS KontoBez") +
                    bedingung(einAus) + QStringLiteral(" ORDER BY B.Buchungsdatum, B.BuchungsNr"));
        binden(q);
        q.open();
        QVector<Buchung> &liste = einAus == EinAusEinnahme ? g.einnahmen : g.ausgaben;
        for (; !q.eof(); q.next())
            liste << buchungAus(q);
        Query sum(&db, QStringLiteral("SELECT SUM(B.Betrag) AS Summe") + bedingung(einAus));
        binden(sum);
        if (einAus == EinAusEinnahme)
            g.einnahmenGesamt = summe(sum);
        else
            g.ausgabenGesamt = -summe(sum);
    }
    return g;
}

Geld kontostandSumme(Database &db)
{
    Query q(&db, QStringLiteral("SELECT SUM(Kontostand) AS Summe FROM konten.db WHERE Kontoart <> 0"));
    return summe(q);
}

} // namespace tav::office
