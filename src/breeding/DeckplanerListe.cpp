// Deckplaner: reading the register for the planner, the candidate toms of a filter, the texts and
// the order of the rows.
#include "Deckplaner.h"

#include "cats/Referenzlisten.h"
#include "store/Database.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"

#include <algorithm>

namespace tav::breeding {

using namespace store::namen;

int volleJahre(const QDate &geburt, const QDate &heute)
{
    if (!geburt.isValid() || !heute.isValid())
        return -1;
    int jahre = heute.year() - geburt.year();
    if (heute.month() < geburt.month() || (heute.month() == geburt.month() && heute.day() < geburt.day()))
        --jahre;
    return jahre;
}

void Deckplaner::lese(store::Database &db)
{
    QVector<PlanKatze> katzen;
    QHash<qint32, int> position;
    store::Query q(&db, QStringLiteral("SELECT LaufendeNummer, Name, Geschlecht, GebDatum, Toddatum, Rasse, "
                                       "Vater, Mutter, Status FROM catstamm.db"));
    for (q.open(); !q.eof(); q.next()) {
        PlanKatze k;
        k.nummer = q.value(0).toInt();
        k.name = q.value(1).toString();
        k.geschlecht = q.value(2).toString();
        k.geburt = q.value(3).toDate();
        k.tod = q.value(4).toDate();
        k.rasse = q.value(5).toInt();
        k.vater = q.value(6).toInt();
        k.mutter = q.value(7).toInt();
        k.status = q.value(8).toInt();
        position.insert(k.nummer, int(katzen.size()));
        katzen.append(k);
    }
    const auto tabelle = [&](const QString &name, const char *sql, auto &&zeile) {
        if (!db.tableExists(name))
            return;
        store::Query t(&db, QLatin1String(sql));
        for (t.open(); !t.eof(); t.next())
            zeile(t);
    };
    tabelle(katzemerkmal::Datei, "SELECT Katze, Merkmal FROM katzemerkmal.db ORDER BY Katze, LaufendeNummer",
            [&](store::Query &t) {
                if (const int i = position.value(t.value(0).toInt(), -1); i >= 0)
                    katzen[i].merkmale.append(t.value(1).toInt());
            });
    QHash<qint32, QString> merkmale, rassen;
    QHash<int, QString> status;
    tabelle(merkmale::Datei, "SELECT LaufendeNummer, Bezeichnung FROM merkmale.db",
            [&](store::Query &t) { merkmale.insert(t.value(0).toInt(), t.value(1).toString()); });
    tabelle(rasse::Datei, "SELECT RCode, RKurzname FROM rasse.db",
            [&](store::Query &t) { rassen.insert(t.value(0).toInt(), t.value(1).toString()); });
    // a status as the program shows it, in its language
    tabelle(status::Datei, "SELECT Nummer, Status FROM status.db", [&](store::Query &t) {
        const int nr = t.value(0).toInt();
        status.insert(nr, cats::statusAnzeige(nr, t.value(1).toString()));
    });
    aufbauen(katzen, merkmale, rassen, status);
}

const PlanKatze *Deckplaner::katze(qint32 nummer) const
{
    const int i = m_position.value(nummer, -1);
    return i >= 0 ? &m_katzen[i] : nullptr;
}

QVector<qint32> Deckplaner::kandidaten(const DeckFilter &f) const
{
    QVector<int> passend;
    for (int i = 0; i < m_katzen.size(); ++i) {
        const PlanKatze &k = m_katzen[i];
        if (k.geschlecht != QLatin1String("1") || (f.rasse != 0 && k.rasse != f.rasse) ||
            (f.status != 0 && k.status != f.status) || (f.nurEigene && k.status != 1) ||
            (f.nurLebende && k.tod.isValid()))
            continue;
        if (f.alterVon >= 0 || f.alterBis >= 0) {
            const int jahre = volleJahre(k.geburt, f.heute);
            if (jahre < 0 || (f.alterVon >= 0 && jahre < f.alterVon) ||
                (f.alterBis >= 0 && jahre > f.alterBis))
                continue;
        }
        if (std::any_of(k.merkmale.cbegin(), k.merkmale.cend(),
                        [&](qint32 m) { return f.meiden.contains(m); }))
            continue;
        passend.append(i);
    }
    std::sort(passend.begin(), passend.end(), [this](int a, int b) {
        const int c = QString::compare(m_katzen[a].name, m_katzen[b].name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : m_katzen[a].nummer < m_katzen[b].nummer;
    });
    QVector<qint32> nummern;
    nummern.reserve(passend.size());
    for (int i : std::as_const(passend))
        nummern.append(m_katzen[i].nummer);
    return nummern;
}

QString Deckplaner::text(const DeckZeile &z, DeckSpalte spalte,
                         const std::function<QString(int)> &meldung) const
{
    switch (spalte) {
    case DeckSpalte::Kater: return z.name;
    case DeckSpalte::Rasse: return m_rassen.value(z.rasse);
    case DeckSpalte::Alter: return z.alter >= 0 ? QString::number(z.alter) : QString();
    case DeckSpalte::Status: return m_status.value(z.status);
    case DeckSpalte::IK:
        return z.fehler ? (meldung ? meldung(z.fehler) : QString())
                        : koeffizientKurzText(z.koeffizient, z.beitrag, m_dezimal);
    case DeckSpalte::AVK: return z.fehler ? QString() : ahnenverlustText(z.ahnenverlust, m_dezimal);
    case DeckSpalte::Gemeinsame: return gemeinsameText(z, m_dezimal);
    case DeckSpalte::Rassen: return z.rassen;
    case DeckSpalte::Merkmale: return z.merkmale.join(QStringLiteral(", "));
    }
    return {};
}

QString gemeinsameText(const DeckZeile &z, QChar dezimal)
{
    QStringList teile;
    for (const GemeinsamerVorfahr &g : z.gemeinsame)
        teile << g.name + QLatin1Char(' ') + festkomma(g.beitrag * 100.0, 4, 2, dezimal) + QLatin1Char('%');
    return teile.join(QStringLiteral("; "));
}

void sortiere(QVector<DeckZeile> &zeilen, DeckSpalte spalte, bool absteigend)
{
    // <0, 0, >0 by the column alone
    const auto vergleich = [spalte](const DeckZeile &a, const DeckZeile &b) -> int {
        const auto zahl = [](auto x, auto y) { return x < y ? -1 : x > y ? 1 : 0; };
        switch (spalte) {
        case DeckSpalte::Kater: return 0;
        case DeckSpalte::Rasse: return zahl(a.rasse, b.rasse);
        case DeckSpalte::Alter: return zahl(a.alter, b.alter);
        case DeckSpalte::Status: return zahl(a.status, b.status);
        case DeckSpalte::IK: return zahl(a.koeffizient, b.koeffizient);
        case DeckSpalte::AVK: return zahl(a.ahnenverlust, b.ahnenverlust);
        case DeckSpalte::Gemeinsame:
            return zahl(a.gemeinsame.isEmpty() ? 0.0 : a.gemeinsame.first().beitrag,
                        b.gemeinsame.isEmpty() ? 0.0 : b.gemeinsame.first().beitrag);
        case DeckSpalte::Rassen: return QString::compare(a.rassen, b.rassen, Qt::CaseInsensitive);
        case DeckSpalte::Merkmale:
            return QString::compare(a.merkmale.join(QLatin1Char(',')), b.merkmale.join(QLatin1Char(',')),
                                    Qt::CaseInsensitive);
        }
        return 0;
    };
    const bool zahlenSpalte =
        spalte == DeckSpalte::IK || spalte == DeckSpalte::AVK || spalte == DeckSpalte::Gemeinsame;
    std::stable_sort(zeilen.begin(), zeilen.end(), [&](const DeckZeile &a, const DeckZeile &b) {
        // a tom without figures has nothing to compare in the figure columns
        if (zahlenSpalte && (a.fehler != 0) != (b.fehler != 0))
            return b.fehler != 0;
        const bool leerA = spalte == DeckSpalte::Alter && a.alter < 0,
                   leerB = spalte == DeckSpalte::Alter && b.alter < 0;
        if (leerA != leerB)
            return leerB;
        if (const int c = vergleich(a, b); c != 0)
            return absteigend ? c > 0 : c < 0;
        const int n = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        if (n != 0)
            return absteigend && spalte == DeckSpalte::Kater ? n > 0 : n < 0;
        return a.kater < b.kater;
    });
}

} // namespace tav::breeding
