#include "StatistikStammbaum.h"

#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace tav::breeding {

using namespace store::namen;

StatistikRegister StatistikRegister::lese(store::Database &db, const Fortschritt &fortschritt)
{
    StatistikRegister r;
    quint64 anzahl = 0;
    if (fortschritt) {
        store::Query n(&db, QStringLiteral("SELECT count(*) FROM catstamm.db"));
        n.open();
        anzahl = n.value(0).toULongLong();
    }
    store::Query q(&db,
                   QStringLiteral("SELECT LaufendeNummer, Name, FellFarbe, Vater, Mutter FROM catstamm.db"));
    q.open();
    for (; !q.eof(); q.next()) {
        if (fortschritt && r.katzen.size() % 4096 == 0 && !fortschritt(r.katzen.size(), anzahl)) {
            r.abgebrochen = true;
            return r;
        }
        r.katzen.insert(
            q.value(0).toInt(),
            {q.value(1).toString(), q.value(2).toString(), q.value(3).toInt(), q.value(4).toInt(), {}});
    }
    if (!db.tableExists(katzemerkmal::Datei) || !db.tableExists(merkmale::Datei))
        return r;
    store::Query m(&db,
                   QStringLiteral("SELECT k.Katze, m.Bezeichnung FROM katzemerkmal.db k, merkmale.db m"
                                  " WHERE k.Merkmal = m.LaufendeNummer ORDER BY k.Katze, k.LaufendeNummer"));
    m.open();
    for (; !m.eof(); m.next()) {
        const auto it = r.katzen.find(m.value(0).toInt());
        if (it != r.katzen.end())
            it->merkmale << m.value(1).toString();
    }
    return r;
}

std::optional<QString> merkmalTeil(const StatistikKatze &k, const StatistikOptionen &o)
{
    if (!o.farbe.isEmpty() && o.farbe != k.farbe)
        return std::nullopt;
    QStringList namen;
    for (const QString &m : k.merkmale)
        if (!m.isEmpty() && (o.nurFarbe || o.alleMerkmale || o.merkmale.contains(m)))
            namen << m;
    if (namen.isEmpty())
        return o.nurFarbe ? std::optional<QString>(QStringLiteral(" - ")) : std::nullopt;
    return QStringLiteral(" - ") + namen.join(QStringLiteral(" - ")) + QStringLiteral(" - ");
}

namespace {

qint64 plus(qint64 a, qint64 b)
{
    return a > std::numeric_limits<qint64>::max() - b ? std::numeric_limits<qint64>::max() : a + b;
}

// The order in which the depth-first walk (sire before dam) first meets each ancestor. A cat met
// again no shallower than before adds nobody new, so only a shallower meeting walks on.
QHash<qint32, int> ersteBegegnung(const StatistikRegister &r, qint32 katze, int tiefe)
{
    QHash<qint32, int> reihe, flachste;
    QVector<std::pair<qint32, int>> stapel{{katze, 0}};
    while (!stapel.isEmpty()) {
        const auto [nr, gen] = stapel.takeLast();
        if (gen > 0) {
            const auto f = flachste.constFind(nr);
            if (f != flachste.cend() && *f <= gen)
                continue;
            flachste.insert(nr, gen);
            if (!reihe.contains(nr))
                reihe.insert(nr, int(reihe.size()));
        }
        if (gen >= tiefe)
            continue;
        const StatistikKatze &k = r.katzen[nr];
        for (qint32 eltern : {k.mutter, k.vater}) // the sire is taken from the stack first
            if (eltern && r.katzen.contains(eltern))
                stapel.append({eltern, gen + 1});
    }
    return reihe;
}

} // namespace

StatistikErgebnis statistikStammbaum(const StatistikRegister &r, qint32 katze, const StatistikOptionen &o,
                                     const Fortschritt &fortschritt)
{
    StatistikErgebnis e;
    if (!r.katzen.contains(katze))
        return e;
    const int tiefe = std::max(1, o.generationen);
    QHash<qint32, std::optional<QString>> teile; // per ancestor: its entry's trait part
    QHash<qint32, QMap<int, qint64>> vorkommen;
    QHash<qint32, qint64> ebene{{katze, 1}};
    for (int gen = 1; gen <= tiefe && !ebene.isEmpty(); ++gen) {
        if (fortschritt && !fortschritt(gen - 1, tiefe)) {
            e.abgebrochen = true;
            return e;
        }
        QHash<qint32, qint64> naechste;
        for (auto it = ebene.cbegin(); it != ebene.cend(); ++it) {
            const StatistikKatze &k = r.katzen[it.key()];
            for (qint32 eltern : {k.vater, k.mutter})
                if (eltern && r.katzen.contains(eltern))
                    naechste[eltern] = plus(naechste.value(eltern), it.value());
        }
        for (auto it = naechste.cbegin(); it != naechste.cend(); ++it) {
            e.anzTiere = plus(e.anzTiere, it.value());
            auto t = teile.find(it.key());
            if (t == teile.end())
                t = teile.insert(it.key(), merkmalTeil(r.katzen[it.key()], o));
            if (*t)
                vorkommen[it.key()][gen] = it.value();
        }
        ebene = std::move(naechste);
    }
    if (vorkommen.isEmpty())
        return e;

    // entries grouped by equal keys, in the order the walk meets their first ancestor
    const QHash<qint32, int> reihe = ersteBegegnung(r, katze, tiefe);
    QVector<qint32> ahnen = vorkommen.keys().toVector();
    std::sort(ahnen.begin(), ahnen.end(),
              [&](qint32 a, qint32 b) { return reihe.value(a) < reihe.value(b); });
    QHash<QString, int> nachSchluessel;
    for (qint32 nr : ahnen) {
        const StatistikKatze &k = r.katzen[nr];
        const QString schluessel = k.name + QStringLiteral(", ") + k.farbe;
        auto s = nachSchluessel.find(schluessel);
        if (s == nachSchluessel.end()) {
            s = nachSchluessel.insert(schluessel, int(e.eintraege.size()));
            e.eintraege.append({schluessel, **teile.constFind(nr), {}});
        }
        QMap<int, qint64> &ziel = e.eintraege[*s].generationen;
        const QMap<int, qint64> &von = vorkommen[nr];
        for (auto g = von.cbegin(); g != von.cend(); ++g)
            ziel[g.key()] = plus(ziel.value(g.key()), g.value());
    }
    return e;
}

QStringList statistikText(const StatistikErgebnis &e, const std::function<QString(int)> &meldung)
{
    QStringList zeilen{meldung(129) + QLatin1Char(' ') + QString::number(e.anzTiere) + QLatin1Char(' ') +
                       meldung(130)};
    if (e.eintraege.isEmpty()) {
        zeilen << meldung(125);
        return zeilen;
    }
    for (const StatistikEintrag &s : e.eintraege) {
        QString z = QStringLiteral(" » ") + s.schluessel;
        if (!s.merkmalTeil.isEmpty())
            z += QStringLiteral("    ") + s.merkmalTeil;
        z += QStringLiteral("  ") + meldung(128);
        for (auto g = s.generationen.cbegin(); g != s.generationen.cend(); ++g)
            z += QStringLiteral("%1x%2 , ").arg(g.value()).arg(g.key());
        zeilen << z;
    }
    return zeilen;
}

} // namespace tav::breeding
