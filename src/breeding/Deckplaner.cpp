// Deckplaner: the candidate toms for a queen and the kittens' figures of each pair.
#include "Deckplaner.h"

#include "PedigreeSource.h"
#include "cats/CatRules.h"
#include "store/Database.h"
#include "store/Query.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tav::breeding {

void Deckplaner::Seite::leeren()
{
    for (int i : std::as_const(ahnen)) {
        wert[size_t(i)] = Wert();
    }
    ahnen.clear();
    stufen.clear();
    knoten = 0;
    ueberlauf = false;
}

void Deckplaner::aufbauen(const QVector<PlanKatze> &katzen, const QHash<qint32, QString> &merkmalNamen,
                          const QHash<qint32, QString> &rassen, const QHash<int, QString> &status)
{
    m_katzen = katzen;
    m_merkmalNamen = merkmalNamen;
    m_rassen = rassen;
    m_status = status;
    m_position.clear();
    for (int i = 0; i < m_katzen.size(); ++i)
        m_position.insert(m_katzen[i].nummer, i);
    const int n = int(m_katzen.size());
    // the parents the engine follows: in the register, and not above a foundation cat
    const auto elter = [&](int i, bool vater) -> int {
        if (m_katzen[i].merkmale.contains(MerkmalFoundation))
            return -1;
        return m_position.value(vater ? m_katzen[i].vater : m_katzen[i].mutter, -1);
    };
    // Kahn's order; the cats of a cycle and everything below one stay out, as the engine refuses them
    QVector<int> offen(n, 0);
    QVector<QVector<int>> kinder(n);
    for (int i = 0; i < n; ++i)
        for (bool v : {true, false})
            if (const int e = elter(i, v); e >= 0) {
                ++offen[i];
                kinder[e].append(i);
            }
    QVector<int> reihe;
    reihe.reserve(n);
    for (int i = 0; i < n; ++i)
        if (offen[i] == 0)
            reihe.append(i);
    for (int k = 0; k < reihe.size(); ++k)
        for (int c : std::as_const(kinder[reihe[k]]))
            if (--offen[c] == 0)
                reihe.append(c);
    const int m = int(reihe.size());
    m_ordnung.fill(-1, n);
    m_katze.resize(m);
    m_vater.fill(-1, m);
    m_mutter.fill(-1, m);
    m_tiefe.fill(0, m);
    m_rasse.resize(m);
    for (int j = 0; j < m; ++j) {
        const int i = reihe[j];
        m_ordnung[i] = j;
        m_katze[j] = i;
        m_rasse[j] = m_katzen[i].rasse;
        for (bool v : {true, false}) {
            const int e = elter(i, v);
            if (e < 0)
                continue;
            (v ? m_vater : m_mutter)[j] = m_ordnung[e];
            m_tiefe[j] = std::max(m_tiefe[j], m_tiefe[m_ordnung[e]] + 1);
        }
    }
    for (Seite *s : {&m_k, &m_t}) {
        s->wert.assign(size_t(m), Wert());
        s->ahnen.clear();
        s->knoten = 0;
    }
    m_beitrag.assign(size_t(m), 0.0);
    m_eltern.resize(size_t(m));
    for (int j = 0; j < m; ++j)
        m_eltern[size_t(j)] = {m_vater[j], m_mutter[j]};
    m_korrektur.assign(size_t(m), -1);
    m_ingezuechtet.assign(size_t(m), -1);
    m_paare.clear();
    m_platz.assign(size_t(m), -1);
    m_koenigin = -1;
    m_anteilNr.clear();
    m_anteilAb.clear();
    m_anteile.clear();
    m_g = 0;
}

// Lines of each length k <= G - 2 from the cat to its ancestors, level by level; a cat reached
// several times in one level is carried on once with the sum of its lines.
void Deckplaner::seite(int start, Seite &s)
{
    s.leeren();
    const int grenze = m_g - 2;
    m_ebene.assign(1, {start, Anzahl(1), 1.0});
    for (int k = 0; k <= grenze && !m_ebene.empty(); ++k) {
        const double gewicht = std::ldexp(1.0, -k);
        Anzahl ebene = 0;
        for (const Stufe &e : m_ebene) {
            Wert &w = s.wert[size_t(e.katze)];
            if (w.vorkommen == 0)
                s.ahnen.append(e.katze);
            const double linien = e.linien * gewicht;
            s.stufen.push_back({e.katze, k, linien});
            w.l += linien;
            if (k < grenze)
                w.lKurz += linien;
            s.ueberlauf = !addiere(w.vorkommen, e.anzahl) || !addiere(ebene, e.anzahl) || s.ueberlauf;
        }
        s.ueberlauf = !addiere(s.knoten, ebene) || s.ueberlauf;
        if (k == grenze)
            break;
        m_naechste.clear();
        for (const Stufe &x : m_ebene)
            for (int e : m_eltern[size_t(x.katze)]) {
                if (e < 0)
                    continue;
                int &platz = m_platz[size_t(e)];
                if (platz < 0) {
                    platz = int(m_naechste.size());
                    m_naechste.push_back({e, x.anzahl, x.linien});
                } else {
                    Stufe &n = m_naechste[size_t(platz)];
                    s.ueberlauf = !addiere(n.anzahl, x.anzahl) || s.ueberlauf;
                    n.linien += x.linien;
                }
            }
        for (const Stufe &n : m_naechste)
            m_platz[size_t(n.katze)] = -1;
        std::swap(m_ebene, m_naechste);
    }
}

// The engine's composition of a node: its own breed at the limit, above a foundation cat or a
// parent without breed, else the mixture of its parents'. It depends on the generation only where
// the limit cuts, so it is kept per cat and remaining depth.
int Deckplaner::anteil(int i, int g)
{
    if (m_rasse[i] == 0)
        return -1;
    const int rest = std::clamp(m_g - g, 0, m_tiefe[i]);
    int &gemerkt = m_anteilNr[size_t(m_anteilAb[size_t(i)] + rest)];
    if (gemerkt != -2)
        return gemerkt;
    const int v = m_vater[i], m = m_mutter[i];
    RasseAnteile a;
    if (rest == 0 || v < 0 || m < 0 || m_rasse[v] == 0 || m_rasse[m] == 0) {
        a = ganzeRasse(m_rasse[i]);
    } else {
        const int av = anteil(v, g + 1), am = anteil(m, g + 1);
        a = mischeAnteile(m_anteile[size_t(av)], m_anteile[size_t(am)]);
    }
    const QByteArray inhalt(reinterpret_cast<const char *>(a.r_array.data()), sizeof a.r_array);
    const QByteArray werte(reinterpret_cast<const char *>(a.p_array.data()), sizeof a.p_array);
    const auto gleich = m_gleicheAnteile.constFind(inhalt + werte);
    int nr = 0;
    if (gleich != m_gleicheAnteile.constEnd()) {
        nr = *gleich;
    } else {
        nr = int(m_anteile.size());
        m_anteile.push_back(a);
        m_gleicheAnteile.insert(inhalt + werte, nr);
    }
    m_anteilNr[size_t(m_anteilAb[size_t(i)] + rest)] = nr;
    return nr;
}

// Sum of (1/2)^(|p|+|q|) over the pairs of lines p from x (at most a steps) and q from y (at most
// b) to one ancestor that share no step. The younger of two different cats (later in parent
// order) is on no line of the other, so its first step is shared by none.
double Deckplaner::paare(int x, int y, int a, int b)
{
    if (x < 0 || y < 0 || a < 0 || b < 0)
        return 0.0;
    if (x < y) {
        std::swap(x, y);
        std::swap(a, b);
    }
    a = std::min(a, m_tiefe[x]);
    b = std::min(b, m_tiefe[y]);
    if (x != y && a == 0)
        return 0.0;
    if (x == y && (a == 0 || b == 0))
        return 1.0;
    const quint64 schluessel = (quint64(x) << 40) | (quint64(y) << 16) | (quint64(a) << 8) | quint64(b);
    if (const auto it = m_paare.constFind(schluessel); it != m_paare.constEnd())
        return *it;
    const int v = m_vater[x], m = m_mutter[x];
    // the same cat: both lines empty, or they leave it through its two different parent slots
    const double g = x == y ? 1.0 + 0.25 * (paare(v, m, a - 1, b - 1) + paare(m, v, a - 1, b - 1))
                            : 0.5 * (paare(v, y, a - 1, b) + paare(m, y, a - 1, b));
    m_paare.insert(schluessel, g);
    return g;
}

// The pairs counted once too often: lines that share the step from a shared ancestor C to its
// parent P and go on from P through P's two parent slots, with the steps left after P.
double Deckplaner::nachgezaehlt(const QVector<int> &gemeinsam)
{
    const int grenze = m_g - 2;
    const auto ingezuechtet = [this, grenze](int e) {
        signed char &f = m_ingezuechtet[size_t(e)];
        if (f < 0)
            f = paare(m_vater[e], m_mutter[e], grenze - 2, grenze - 2) > 0.0 ? 1 : 0;
        return f == 1;
    };
    QVector<int> faelle;
    for (int c : gemeinsam)
        if (m_t.wert[size_t(c)].lKurz > 0.0 && m_k.wert[size_t(c)].lKurz > 0.0)
            for (int e : {m_vater[c], m_mutter[c]})
                if (e >= 0 && m_vater[e] >= 0 && m_mutter[e] >= 0 && ingezuechtet(e)) {
                    m_korrektur[size_t(c)] = 0;
                    faelle.append(c);
                    break;
                }
    if (faelle.isEmpty())
        return 0.0;
    // the queen's and the tom's levels of those ancestors
    QHash<int, QVector<QPair<int, double>>> stufenK, stufenT;
    for (const auto &e : m_k.stufen)
        if (m_korrektur[size_t(e.katze)] == 0)
            stufenK[e.katze].append({e.k, e.linien});
    for (const auto &e : m_t.stufen)
        if (m_korrektur[size_t(e.katze)] == 0)
            stufenT[e.katze].append({e.k, e.linien});
    double summe = 0.0;
    for (int c : std::as_const(faelle)) {
        m_korrektur[size_t(c)] = -1;
        for (int e : {m_vater[c], m_mutter[c]}) {
            if (e < 0 || m_vater[e] < 0 || m_mutter[e] < 0 || !ingezuechtet(e))
                continue;
            for (const auto &[k1, w1] : std::as_const(stufenT[c]))
                for (const auto &[k2, w2] : std::as_const(stufenK[c])) {
                    const int a = grenze - k1 - 1, b = grenze - k2 - 1;
                    if (a < 1 || b < 1)
                        continue;
                    const double mehr = paare(m_vater[e], m_mutter[e], a - 1, b - 1) +
                                        paare(m_mutter[e], m_vater[e], a - 1, b - 1);
                    summe += w1 * w2 * 0.0625 * mehr;
                }
        }
    }
    return summe;
}

bool Deckplaner::waehleKatze(qint32 katze, int generationen, QChar dezimal)
{
    fehler = 0;
    m_koenigin = -1;
    const int i = m_position.value(katze, -1);
    if (i < 0)
        return fehler = 83, false;
    if (!cats::istKatze(m_katzen[i].geschlecht))
        return fehler = 7600, false;
    if (m_ordnung[i] < 0)
        return fehler = 9403, false;
    const int g = std::clamp(generationen, 3, 255);
    if (g != m_g || dezimal != m_dezimal) {
        // a cat's composition depends on the depth left only down to its own depth
        m_anteilAb.resize(m_tiefe.size());
        int ab = 0;
        for (int j = 0; j < m_tiefe.size(); ++j) {
            m_anteilAb[size_t(j)] = ab;
            ab += std::min(m_tiefe[j], g) + 1;
        }
        m_anteilNr.assign(size_t(ab), -2);
        m_anteile.clear();
        m_gleicheAnteile.clear();
        m_prozentText.clear();
        m_paare.clear();
        std::fill(m_ingezuechtet.begin(), m_ingezuechtet.end(), -1);
    }
    m_g = g;
    m_dezimal = dezimal;
    m_koenigin = m_ordnung[i];
    m_rassenText.clear();
    m_heute = QDate::currentDate();
    seite(m_koenigin, m_k);
    return true;
}

DeckZeile Deckplaner::kopf(int i) const
{
    const PlanKatze &k = m_katzen[i];
    DeckZeile z;
    z.kater = k.nummer;
    z.name = k.name;
    z.rasse = k.rasse;
    z.status = k.status;
    z.geburt = k.geburt;
    z.alter = volleJahre(k.geburt, k.tod.isValid() ? k.tod : m_heute);
    for (qint32 m : k.merkmale)
        z.merkmale << m_merkmalNamen.value(m);
    return z;
}

DeckZeile Deckplaner::zeile(qint32 kater)
{
    const int p = m_position.value(kater, -1);
    if (p < 0 || m_koenigin < 0)
        return {};
    DeckZeile z = kopf(p);
    const int t = m_ordnung[p];
    if (t < 0) {
        z.fehler = 9403;
        return z;
    }
    seite(t, m_t);
    if (m_t.ueberlauf || m_k.ueberlauf) {
        z.fehler = 7603;
        return z;
    }
    // every pair of lines to a shared ancestor, less those whose last steps share a child
    QVector<int> gemeinsam;
    for (int x : std::as_const(m_t.ahnen))
        if (const Wert &k = m_k.wert[size_t(x)]; k.vorkommen > 0) {
            gemeinsam.append(x);
            m_beitrag[size_t(x)] = 0.5 * m_t.wert[size_t(x)].l * k.l;
        }
    for (int x : std::as_const(gemeinsam)) {
        const double kurz = 0.125 * m_t.wert[size_t(x)].lKurz * m_k.wert[size_t(x)].lKurz;
        if (kurz == 0.0)
            continue;
        // a step is a cat and one of its parent slots: a cat that is both parents of X has two
        for (int e : m_eltern[size_t(x)])
            if (e >= 0)
                m_beitrag[size_t(e)] -= kurz;
    }
    double summe = 0.0;
    const double mehr = nachgezaehlt(gemeinsam);
    summe -= 0.5 * mehr;
    z.teileGenau = mehr == 0.0;
    QVector<GemeinsamerVorfahr> teile;
    for (int x : std::as_const(gemeinsam)) {
        const double b = m_beitrag[size_t(x)];
        m_beitrag[size_t(x)] = 0.0;
        summe += b;
        if (b > 0.0)
            teile.append({m_katzen[m_katze[x]].nummer, m_katzen[m_katze[x]].name, b});
    }
    std::sort(teile.begin(), teile.end(), [](const GemeinsamerVorfahr &a, const GemeinsamerVorfahr &b) {
        return a.beitrag != b.beitrag ? a.beitrag > b.beitrag : a.nummer < b.nummer;
    });
    z.anzahlGemeinsame = int(gemeinsam.size());
    if (teile.size() > gemeinsameGrenze)
        teile.resize(std::max(gemeinsameGrenze, 0));
    z.gemeinsame = teile;
    z.koeffizient = summe;
    z.beitrag = summe > 0.0;
    const Anzahl vorhanden = m_t.knoten + m_k.knoten;
    const Anzahl verschieden = Anzahl(m_t.ahnen.size() + m_k.ahnen.size() - gemeinsam.size());
    z.ahnenverlust = 100.0 / double(vorhanden) * double(vorhanden - verschieden);
    // a planned offspring has the dam's breed
    const qint32 tierRasse = m_rasse[m_koenigin];
    // -1: no breed, -2: "ende"
    const int vaterAnteil = tierRasse == 0 ? -1 : m_rasse[t] == 0 ? -2 : anteil(t, 2);
    auto it = m_rassenText.find(vaterAnteil);
    if (it == m_rassenText.end()) {
        // the stored text reads back to the same values, so they are shown as they are
        RasseAnteile a;
        if (vaterAnteil == -2)
            a = ganzeRasse(tierRasse);
        else if (vaterAnteil >= 0)
            a = mischeAnteile(m_anteile[size_t(vaterAnteil)], m_anteile[size_t(anteil(m_koenigin, 2))]);
        const auto kurzname = [this](qint32 r) {
            return m_rassen.contains(r) ? std::optional(m_rassen.value(r)) : std::nullopt;
        };
        it = m_rassenText.insert(vaterAnteil, anzeigeForm(a, kurzname, [this](float p) {
                                     auto t = m_prozentText.find(p);
                                     if (t == m_prozentText.end())
                                         t = m_prozentText.insert(p, prozentKurz(double(p), m_dezimal));
                                     return *t;
                                 }));
    }
    z.rassen = *it;
    return z;
}

bool Deckplaner::rechne(const QVector<qint32> &kater, QVector<DeckZeile> &zeilen,
                        const Fortschritt &fortschritt)
{
    zeilen.clear();
    zeilen.reserve(kater.size());
    for (int i = 0; i < kater.size(); ++i) {
        if (fortschritt && i % 256 == 0 && !fortschritt(quint64(i), quint64(kater.size())))
            return false;
        zeilen.append(zeile(kater[i]));
    }
    return !fortschritt || fortschritt(quint64(kater.size()), quint64(kater.size()));
}

} // namespace tav::breeding
