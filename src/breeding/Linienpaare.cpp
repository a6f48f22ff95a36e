// Linienpaare: the forward pass over line pairs behind the fast path's coefficient.
#include "Linienpaare.h"
#include "Speicherbudget.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace tav::breeding {

namespace {

// A state's mass is a sum of count * 2^(E - i - j) over line pairs that took i and j steps. E is
// chosen per calculation just large enough that every halving stays exact, so the narrowest
// integer that holds 2^E does; the result is the same sum as with the wide type.
inline quint64 halbiert(quint64 z, int n)
{
    return z >> n;
}
inline Anzahl halbiert(Anzahl z, int n)
{
    return z >> n;
}
inline GrosseZahl halbiert(const GrosseZahl &z, int n)
{
    return z.rechtsGeschoben(n);
}
inline void dazu(quint64 &z, quint64 s)
{
    z += s;
}
inline void dazu(Anzahl &z, Anzahl s)
{
    z += s;
}
inline void dazu(GrosseZahl &z, const GrosseZahl &s)
{
    z.addiere(s);
}
inline GrosseZahl gross(quint64 z)
{
    return GrosseZahl::von(z);
}
inline GrosseZahl gross(Anzahl z)
{
    return GrosseZahl::von(z);
}
inline GrosseZahl gross(const GrosseZahl &z)
{
    return z;
}
template <class M> M einsMal2Hoch(int e);
template <> quint64 einsMal2Hoch<quint64>(int e)
{
    return quint64(1) << e;
}
template <> Anzahl einsMal2Hoch<Anzahl>(int e)
{
    return Anzahl(1) << e;
}
template <> GrosseZahl einsMal2Hoch<GrosseZahl>(int e)
{
    return GrosseZahl::zweiHoch(e);
}

constexpr int TierBits = 24;

// (x, a, y, b): x with a steps left, y with b steps left
inline quint64 packe(int x, int a, int y, int b)
{
    return (quint64(x) << 40) | (quint64(y) << 16) | (quint64(a) << 8) | quint64(b);
}

inline quint64 streue(quint64 k)
{
    k ^= k >> 31;
    k *= 0x9E3779B97F4A7C15ull;
    return k ^ (k >> 29);
}

template <class M> class Lauf
{
  public:
    Lauf(const LinienpaarAuftrag &a, LinienpaarErgebnis &e, int einheit)
        : m_a(a), m_e(e), m_einheit(einheit), m_budget(a.budget), m_paare(a.paareSammeln)
    {
        const Ahnengraph &g = *a.graph;
        const int n = g.anzahl();
        m_vater.resize(n);
        m_mutter.resize(n);
        m_hoehe.resize(n);
        // Animals are renumbered by their longest chain of ancestors, which keeps parents before
        // offspring: the two lines of a pair then climb more in step, and fewer distinct states
        // arise than in the order the pedigree was collected in (a tenth to a fifth fewer).
        m_alt.resize(size_t(n));
        m_neu.resize(size_t(n));
        for (int i = 0; i < n; ++i)
            m_alt[size_t(i)] = i;
        std::stable_sort(m_alt.begin(), m_alt.end(),
                         [&](int p, int q) { return g.ahne(p).tiefe < g.ahne(q).tiefe; });
        for (int i = 0; i < n; ++i)
            m_neu[size_t(m_alt[size_t(i)])] = i;
        for (int i = 0; i < n; ++i) {
            const Ahne &x = g.ahne(m_alt[size_t(i)]);
            m_vater[i] = x.vater < 0 ? -1 : m_neu[size_t(x.vater)];
            m_mutter[i] = x.mutter < 0 ? -1 : m_neu[size_t(x.mutter)];
            m_hoehe[i] = x.tiefe;
        }
        m_eimer.resize(n);
        m_verdichten.assign(n, std::max(a.verdichtenAb, 2u));
        if (a.kuerzen) {
            baueAbstand();
            baueNaehe();
            m_treffen.resize(size_t(2 * n));
        }
    }

    bool rechne()
    {
        const Ahnengraph &g = *m_a.graph;
        lege(m_neu[size_t(g.vater())], m_budget, m_neu[size_t(g.mutter())], m_budget,
             einsMal2Hoch<M>(m_einheit));
        M summe{};
        // parents come before offspring, so a state is only ever filed under an animal that
        // comes before the one being expanded
        for (int hoch = int(m_eimer.size()) - 1; hoch >= 0; --hoch) {
            if (m_eimer[hoch].empty())
                continue;
            std::vector<Eintrag> liste;
            liste.swap(m_eimer[hoch]);
            m_offen -= liste.size();
            vereinige(liste, m_tabelle);
            for (const Eintrag &z : liste) {
                if (z.schluessel == Leer)
                    continue;
                if ((++m_e.zustaende & 4095) == 0) {
                    pruefeSpeicher();
                    if (m_a.fortschritt && !m_a.fortschritt(m_e.zustaende, m_e.zustaende + m_offen))
                        return false;
                }
                erweitere(z, summe);
            }
        }
        m_e.summe = gross(summe).linksGeschoben(GrosseZahl::Einheit - m_einheit);
        return true;
    }

  private:
    struct Eintrag {
        quint64 schluessel;
        M masse;
    };
    static constexpr quint64 Leer = ~quint64(0);

    void lege(int x, int a, int y, int b, const M &masse)
    {
        if (x < 0 || y < 0 || (!m_abstand.empty() && (m_abstand[x] > a || m_abstand[y] > b)))
            return;
        if (!m_paare) {
            a = std::min(a, m_hoehe[x]);
            b = std::min(b, m_hoehe[y]);
            if (x < y || (x == y && a < b))
                std::swap(x, y), std::swap(a, b);
        }
        const int h = std::max(x, y);
        std::vector<Eintrag> &eimer = m_eimer[h];
        eimer.push_back({packe(x, a, y, b), masse});
        // the same state arrives many times before its animal is expanded
        if (eimer.size() >= m_verdichten[h]) {
            vereinige(eimer, m_tabelle);
            const size_t vorher = eimer.size();
            eimer.erase(std::remove_if(eimer.begin(), eimer.end(),
                                       [](const Eintrag &z) { return z.schluessel == Leer; }),
                        eimer.end());
            m_offen -= vorher - eimer.size();
            m_verdichten[h] = std::max(m_a.verdichtenAb, quint32(2 * eimer.size()));
        }
        ++m_offen;
    }

    // equal states of one animal are added up before it is expanded
    static void vereinige(std::vector<Eintrag> &liste, std::vector<int> &tabelle)
    {
        if (liste.size() < 2)
            return;
        size_t groesse = 4;
        while (groesse < 2 * liste.size())
            groesse *= 2;
        tabelle.assign(groesse, -1);
        const size_t maske = groesse - 1;
        for (size_t i = 0; i < liste.size(); ++i) {
            size_t p = streue(liste[i].schluessel) & maske;
            while (true) {
                const int t = tabelle[p];
                if (t < 0) {
                    tabelle[p] = int(i);
                    break;
                }
                if (liste[t].schluessel == liste[i].schluessel) {
                    dazu(liste[t].masse, liste[i].masse);
                    liste[i].schluessel = Leer;
                    break;
                }
                p = (p + 1) & maske;
            }
        }
    }

    // Only animals that both the sire's and the dam's lines reach within the budget can be
    // where two lines meet. A line farther than its budget from all of them is dropped, and a
    // budget that covers the longest climb to any of them limits nothing.
    void baueAbstand()
    {
        const int n = int(m_vater.size());
        constexpr int weit = 1 << 20;
        auto schritte = [&](int start) {
            std::vector<int> d(n, weit);
            d[start] = 0;
            for (int i = n - 1; i >= 0; --i)
                if (d[i] < m_budget)
                    for (int e : {m_vater[i], m_mutter[i]})
                        if (e >= 0)
                            d[e] = std::min(d[e], d[i] + 1);
            return d;
        };
        const std::vector<int> vonVater = schritte(m_neu[size_t(m_a.graph->vater())]);
        const std::vector<int> vonMutter = schritte(m_neu[size_t(m_a.graph->mutter())]);
        m_abstand.assign(n, weit);
        for (int i = 0; i < n; ++i) {
            int hoehe = -1;
            if (vonVater[i] <= m_budget && vonMutter[i] <= m_budget)
                m_abstand[i] = hoehe = 0;
            for (int e : {m_vater[i], m_mutter[i]})
                if (e >= 0) {
                    m_abstand[i] = std::min(m_abstand[i], m_abstand[e] + 1);
                    if (m_abstand[e] < weit)
                        hoehe = std::max(hoehe, m_hoehe[e] + 1);
                }
            m_hoehe[i] = std::max(hoehe, 0);
        }
    }

    // every ancestor within NaheSchritte steps, with the fewest steps to it, by index; more steps
    // drop few more states and cost more than they save
    static constexpr int NaheSchritte = 4;
    void baueNaehe()
    {
        const int n = int(m_vater.size());
        m_naheStart.assign(n + 1, 0);
        std::vector<int> stempel(n, -1), schicht, naechste;
        for (int u = 0; u < n; ++u) {
            const size_t anfang = m_nahe.size();
            schicht.assign(1, u);
            stempel[u] = u;
            for (int d = 0; !schicht.empty(); ++d) {
                naechste.clear();
                for (int w : schicht) {
                    m_nahe.push_back({w, d});
                    if (d == NaheSchritte)
                        continue;
                    for (int e : {m_vater[w], m_mutter[w]})
                        if (e >= 0 && stempel[e] != u) {
                            stempel[e] = u;
                            naechste.push_back(e);
                        }
                }
                schicht.swap(naechste);
            }
            std::sort(m_nahe.begin() + anfang, m_nahe.end(),
                      [](const Nah &p, const Nah &q) { return p.ahne < q.ahne; });
            m_naheStart[u + 1] = int(m_nahe.size());
        }
    }

    // false when no animal lies within a steps of x and within b steps of y. The states of one
    // bucket share their later animal, and the same pair comes back with many step counts: the
    // answer for every a, b up to NaheSchritte is worked out once per pair and bucket.
    bool treffenMoeglich(int x, int a, int y, int b)
    {
        if (a > NaheSchritte || b > NaheSchritte)
            return true;
        const bool xSpaeter = x >= y;
        const int andere = xSpaeter ? y : x;
        const int h = xSpaeter ? x : y;
        Treffen &t = m_treffen[size_t(2 * andere + (xSpaeter ? 0 : 1))];
        if (t.eimer != h) {
            t.eimer = h;
            t.tafel = treffTafel(x, y);
        }
        return t.tafel >> (a * (NaheSchritte + 1) + b) & 1u;
    }

    // bit a * (NaheSchritte + 1) + b: some animal within a steps of x and b steps of y
    quint32 treffTafel(int x, int y) const
    {
        constexpr int N = NaheSchritte + 1;
        constexpr quint32 zeile = (1u << N) - 1;
        quint32 tafel = 0;
        const Nah *p = m_nahe.data() + m_naheStart[x], *pe = m_nahe.data() + m_naheStart[x + 1];
        const Nah *q = m_nahe.data() + m_naheStart[y], *qe = m_nahe.data() + m_naheStart[y + 1];
        while (p != pe && q != qe) {
            if (p->ahne < q->ahne) {
                ++p;
            } else if (q->ahne < p->ahne) {
                ++q;
            } else {
                tafel |= 1u << (p->schritte * N + q->schritte);
                ++p, ++q;
            }
        }
        // met within a and b steps: so within any more
        quint32 vorige = 0, aus = 0;
        for (int a = 0; a < N; ++a) {
            quint32 r = (tafel >> (a * N)) & zeile;
            for (int s = 1; s < N; s *= 2)
                r |= (r << s) & zeile;
            vorige |= r;
            aus |= vorige << (a * N);
        }
        return aus;
    }

    void erweitere(const Eintrag &z, M &summe)
    {
        const int x = int(z.schluessel >> 40);
        const int y = int((z.schluessel >> 16) & ((1u << TierBits) - 1));
        const int a = int((z.schluessel >> 8) & 0xff);
        const int b = int(z.schluessel & 0xff);
        if (x != y && m_a.kuerzen && !treffenMoeglich(x, a, y, b))
            return;
        if (x == y) {
            dazu(summe, halbiert(z.masse, 1));
            if (m_paare)
                sammle(m_alt[size_t(x)], m_budget - a, m_budget - b, z.masse);
            const int v = m_vater[x], m = m_mutter[x];
            if (a >= 1 && b >= 1 && v >= 0 && m >= 0) {
                const M viertel = halbiert(z.masse, 2);
                lege(v, a - 1, m, b - 1, viertel);
                lege(m, a - 1, v, b - 1, viertel);
            }
        } else if (x > y) {
            if (a >= 1) {
                const M halb = halbiert(z.masse, 1);
                lege(m_vater[x], a - 1, y, b, halb);
                lege(m_mutter[x], a - 1, y, b, halb);
            }
        } else if (b >= 1) {
            const M halb = halbiert(z.masse, 1);
            lege(x, a, m_vater[y], b - 1, halb);
            lege(x, a, m_mutter[y], b - 1, halb);
        }
    }

    void sammle(int ahne, int s, int d, const M &masse)
    {
        // a state of one animal is expanded once, with all of its mass: its sum is complete
        if (m_a.paarAusgabe) {
            m_a.paarAusgabe(PaarSumme{ahne, s, d, gross(halbiert(masse, m_einheit - s - d))});
            return;
        }
        const quint64 k = (quint64(ahne) << 16) | (quint64(s) << 8) | quint64(d);
        auto p = m_paarIndex.find(k);
        if (p == m_paarIndex.end()) {
            p = m_paarIndex.insert(k, int(m_e.paare.size()));
            m_e.paare.append(PaarSumme{ahne, s, d, GrosseZahl()});
        }
        m_e.paare[*p].anzahl.addiere(gross(halbiert(masse, m_einheit - s - d)));
    }

    const LinienpaarAuftrag &m_a;
    LinienpaarErgebnis &m_e;
    const int m_einheit;
    const int m_budget;
    const bool m_paare;
    std::vector<int> m_vater, m_mutter;        // by our numbering
    std::vector<int> m_alt, m_neu;             // our number -> the graph's, and back
    std::vector<int> m_hoehe;                  // steps past which a budget limits nothing
    std::vector<int> m_abstand;                // fewest steps to an animal where lines can meet
    std::vector<std::vector<Eintrag>> m_eimer; // pending states by the later animal of the pair
    std::vector<quint32> m_verdichten;         // bucket size at which equal states are added up
    std::vector<int> m_tabelle;
    quint64 m_offen = 0;
    QHash<quint64, int> m_paarIndex;
    struct Nah {
        int ahne;
        int schritte;
    };
    std::vector<Nah> m_nahe;
    std::vector<int> m_naheStart;
    struct Treffen {
        int eimer = -1; // bucket the table was worked out in
        quint32 tafel = 0;
    };
    std::vector<Treffen> m_treffen; // by the earlier animal of the pair and which side is later
};

} // namespace

bool rechneLinienpaare(const LinienpaarAuftrag &auftrag, LinienpaarErgebnis &ergebnis)
{
    ergebnis = LinienpaarErgebnis();
    const Ahnengraph &g = *auftrag.graph;
    if (g.vater() < 0 || g.mutter() < 0)
        return true;
    Q_ASSERT(g.anzahl() < (1 << TierBits) && auftrag.budget < 256);
    // no line climbs further than its start's longest chain of ancestors
    const int einheit = std::min(auftrag.budget, g.ahne(g.vater()).tiefe) +
                        std::min(auftrag.budget, g.ahne(g.mutter()).tiefe) + 1;
    if (einheit <= 63 && auftrag.breite <= 64)
        return Lauf<quint64>(auftrag, ergebnis, einheit).rechne();
    if (einheit <= 127 && auftrag.breite <= 128)
        return Lauf<Anzahl>(auftrag, ergebnis, einheit).rechne();
    return Lauf<GrosseZahl>(auftrag, ergebnis, GrosseZahl::Einheit).rechne();
}

} // namespace tav::breeding
