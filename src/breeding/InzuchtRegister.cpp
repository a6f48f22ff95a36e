// InzuchtRegister: inbreeding of parent pairs of the whole register in ancestor order.
#include "InzuchtRegister.h"

#include "InzuchtSchnell.h"
#include "Linienpaare.h"
#include "store/Namen_register.h"
#include "store/Query.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tav::breeding {

using namespace store::namen;

void InzuchtRegister::aufbauen(const QVector<KatzeDaten> &katzen, const QSet<qint32> &stop)
{
    QHash<qint32, int> roh; // register position
    for (int i = 0; i < katzen.size(); ++i)
        roh.insert(katzen[i].nummer, i);
    const auto elter = [&](int i, bool vater) -> int {
        if (stop.contains(katzen[i].nummer))
            return -1;
        return roh.value(vater ? katzen[i].vater : katzen[i].mutter, -1);
    };
    // Kahn's order; the cats of a cycle and everything below one stay out
    QVector<int> offen(katzen.size(), 0);
    QVector<QVector<int>> kinder(katzen.size());
    for (int i = 0; i < katzen.size(); ++i)
        for (bool v : {true, false})
            if (const int e = elter(i, v); e >= 0) {
                ++offen[i];
                kinder[e].append(i);
            }
    QVector<int> reihe;
    reihe.reserve(katzen.size());
    for (int i = 0; i < katzen.size(); ++i)
        if (offen[i] == 0)
            reihe.append(i);
    for (int k = 0; k < reihe.size(); ++k)
        for (int c : kinder[reihe[k]])
            if (--offen[c] == 0)
                reihe.append(c);

    const int n = int(reihe.size());
    m_index.clear();
    m_nummer.resize(n);
    m_vater.fill(-1, n);
    m_mutter.fill(-1, n);
    m_tiefe.fill(0, n);
    m_knoten.fill(1, n);
    m_ueberlauf.fill(false, n);
    const double unbekannt = std::numeric_limits<double>::quiet_NaN();
    m_f.fill(unbekannt, n);
    m_w.fill(unbekannt, n);
    for (int j = 0; j < n; ++j) {
        const int i = reihe[j];
        m_nummer[j] = katzen[i].nummer;
        m_index.insert(katzen[i].nummer, j);
        for (bool v : {true, false}) {
            const int e = elter(i, v);
            if (e < 0)
                continue;
            const int ej = m_index.value(katzen[e].nummer);
            (v ? m_vater : m_mutter)[j] = ej;
            m_tiefe[j] = std::max(m_tiefe[j], m_tiefe[ej] + 1);
            m_ueberlauf[j] = m_ueberlauf[j] || m_ueberlauf[ej] || !addiere(m_knoten[j], m_knoten[ej]);
        }
    }
    m_ls.fill(0.0, n);
    m_ld.fill(0.0, n);
    m_marke.fill(0, n);
    m_runde = 0;
    m_abstand.fill(0, n);
    m_imGraph.fill(-1, n);
    m_verschieden.fill(0, n);
    m_kind.clear();
    for (int j = 0; j < n; ++j)
        if (m_vater[j] >= 0 && m_mutter[j] >= 0)
            m_kind.insert((quint64(quint32(m_vater[j])) << 32) | quint32(m_mutter[j]), j);
}

void InzuchtRegister::lese(store::Database &db)
{
    QVector<KatzeDaten> katzen;
    QSet<qint32> stop;
    store::Query q(&db, QStringLiteral("SELECT LaufendeNummer, Vater, Mutter FROM catstamm.db"));
    q.open();
    for (; !q.eof(); q.next()) {
        KatzeDaten k;
        k.nummer = q.value(0).toInt();
        k.vater = q.value(1).toInt();
        k.mutter = q.value(2).toInt();
        katzen.append(k);
    }
    if (db.tableExists(katzemerkmal::Datei)) {
        store::Query m(&db, QStringLiteral("SELECT Katze FROM katzemerkmal.db WHERE Merkmal = ?"));
        m.addBindValue(MerkmalFoundation);
        m.open();
        for (; !m.eof(); m.next())
            stop.insert(m.value(0).toInt());
    }
    aufbauen(katzen, stop);
}

std::optional<InzuchtRegister::Ergebnis> InzuchtRegister::paar(qint32 vater, qint32 mutter, int generationen)
{
    const int s = m_index.value(vater, -1), d = m_index.value(mutter, -1);
    if (s < 0 || d < 0)
        return std::nullopt;
    // the sire stands in generation 2, so a chain of G - 2 parents above it is the last one kept
    if (std::max(m_tiefe[s], m_tiefe[d]) > std::clamp(generationen, 3, 255) - 2)
        return std::nullopt;
    Anzahl vorhanden = m_knoten[s];
    if (m_ueberlauf[s] || m_ueberlauf[d] || !addiere(vorhanden, m_knoten[d]))
        return std::nullopt;

    // a pair with offspring in the register has that cat's F, worked out once in ancestor order
    double f = 0.0;
    int verschieden = 0;
    if (const int kind = m_kind.value((quint64(quint32(s)) << 32) | quint32(d), -1); kind >= 0) {
        vorbereiten(kind);
        f = m_f[kind];
        verschieden = m_verschieden[kind];
    } else {
        vorbereiten(s);
        vorbereiten(d);
        f = 0.5 * beziehung(s, d);
        verschieden = int(m_liste.size());
    }
    Ergebnis r;
    r.beitrag = f > 0.0;
    r.koeffizient = f;
    const Anzahl doppelt = vorhanden - Anzahl(verschieden);
    r.ahnenverlust = 100.0 / double(vorhanden) * double(doppelt);
    return r;
}

void InzuchtRegister::neueRunde()
{
    if (++m_runde == 0) {
        m_marke.fill(0);
        m_runde = 1;
    }
}

void InzuchtRegister::sammle(int s, int d)
{
    neueRunde();
    m_liste.clear();
    const auto nimm = [&](int i) {
        if (i < 0 || m_marke[i] == m_runde)
            return;
        m_marke[i] = m_runde;
        m_ls[i] = m_ld[i] = 0.0;
        m_liste.append(i);
    };
    nimm(s);
    nimm(d);
    for (int k = 0; k < m_liste.size(); ++k) {
        nimm(m_vater[m_liste[k]]);
        nimm(m_mutter[m_liste[k]]);
    }
    // offspring before parents: every line into a cat has arrived before it passes them on
    std::sort(m_liste.begin(), m_liste.end(), std::greater<int>());
}

void InzuchtRegister::vorbereiten(int katze)
{
    // the cats above whose F is not known yet; one that is known has all of its ancestors known
    if (!std::isnan(m_w[katze]))
        return;
    m_offen.clear();
    m_offen.append(katze);
    m_w[katze] = 0.0; // marks it collected until its turn
    for (int k = 0; k < m_offen.size(); ++k)
        for (int e : {m_vater[m_offen[k]], m_mutter[m_offen[k]]})
            if (e >= 0 && std::isnan(m_w[e])) {
                m_w[e] = 0.0;
                m_offen.append(e);
            }
    std::sort(m_offen.begin(), m_offen.end()); // parents first
    for (int i : std::as_const(m_offen)) {
        const int v = m_vater[i], m = m_mutter[i];
        double w = 1.0;
        for (int e : {v, m})
            if (e >= 0)
                w -= 0.25 * (1.0 + m_f[e]);
        m_w[i] = w;
        m_f[i] = 0.0;
        if (v >= 0 && m >= 0) {
            m_f[i] = 0.5 * beziehung(v, m);
            m_verschieden[i] = int(m_liste.size());
        }
    }
    m_offen.clear();
}

double InzuchtRegister::beziehung(int s, int d)
{
    sammle(s, d);
    m_ls[s] = 1.0;
    m_ld[d] = 1.0;
    double summe = 0.0;
    for (int i : std::as_const(m_liste)) {
        const double ls = m_ls[i], ld = m_ld[i];
        summe += ls * ld * m_w[i];
        for (int e : {m_vater[i], m_mutter[i]})
            if (e >= 0) {
                m_ls[e] += 0.5 * ls;
                m_ld[e] += 0.5 * ld;
            }
    }
    return summe;
}

std::optional<InzuchtRegister::Ergebnis> InzuchtRegister::imSchnitt(qint32 vater, qint32 mutter,
                                                                    int generationen)
{
    const int s = m_index.value(vater, -1), d = m_index.value(mutter, -1);
    if (s < 0 || d < 0)
        return std::nullopt;
    const int g = std::clamp(generationen, 3, 255);
    // the ancestors within G - 2 steps of sire or dam, found by their fewest steps: the parents
    // of one that far are not followed, as in the engine's tree
    const int grenze = g - 2;
    neueRunde();
    m_liste.clear();
    const auto nimm = [&](int i, int abstand) {
        if (i < 0 || m_marke[i] == m_runde)
            return;
        m_marke[i] = m_runde;
        m_abstand[i] = abstand;
        m_liste.append(i);
    };
    nimm(s, 0);
    nimm(d, 0);
    for (int k = 0; k < m_liste.size(); ++k) {
        const int i = m_liste[k];
        if (m_abstand[i] < grenze) {
            nimm(m_vater[i], m_abstand[i] + 1);
            nimm(m_mutter[i], m_abstand[i] + 1);
        }
    }
    if (m_liste.size() >= (1 << 24))
        return std::nullopt;
    std::sort(m_liste.begin(), m_liste.end()); // parents first
    m_graph.beginnen();
    for (int i : std::as_const(m_liste)) {
        const bool folgen = m_abstand[i] < grenze;
        const int v = folgen && m_vater[i] >= 0 ? m_imGraph[m_vater[i]] : -1;
        const int m = folgen && m_mutter[i] >= 0 ? m_imGraph[m_mutter[i]] : -1;
        m_imGraph[i] = m_graph.hinzufuegen(m_nummer[i], v, m);
    }
    m_graph.setzePaar(m_imGraph[s], m_imGraph[d]);

    const Pfadzaehlung pfade = zaehlePfade(m_graph, g);
    if (pfade.ueberlauf)
        return std::nullopt;
    LinienpaarAuftrag auftrag;
    auftrag.graph = &m_graph;
    auftrag.budget = grenze;
    LinienpaarErgebnis linien;
    rechneLinienpaare(auftrag, linien);

    Ergebnis r;
    r.beitrag = !linien.summe.istNull();
    r.koeffizient = linien.summe.alsAnteil();
    Anzahl verschieden = 0;
    for (Anzahl n : pfade.vorkommen)
        verschieden += n > 0;
    const Anzahl doppelt = pfade.gesamt - verschieden;
    r.ahnenverlust = 100.0 / double(pfade.gesamt) * double(doppelt);
    return r;
}

} // namespace tav::breeding
