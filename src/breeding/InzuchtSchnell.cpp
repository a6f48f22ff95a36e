// InzuchtSchnell: the fast inbreeding path over path counts.
#include "InzuchtSchnell.h"

#include "InzuchtFormat.h"
#include "Linienpaare.h"
#include "Speicherbudget.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace tav::breeding {

namespace {

QVector<Pfadzaehlung::Ebene> zaehleSeite(const Ahnengraph &g, int start, int maxSchritte, bool &ueberlauf)
{
    QVector<Pfadzaehlung::Ebene> ebenen;
    QVector<Anzahl> summe(g.anzahl(), 0);
    // a count that wraps to 0 must not list its ancestor twice: a level would then double each step
    QVector<bool> drin(g.anzahl(), false);
    QVector<int> beruehrt;
    Pfadzaehlung::Ebene aktuell{{start, 1}};
    for (int k = 0; k <= maxSchritte && !aktuell.isEmpty(); ++k) {
        pruefeSpeicher(qint64(aktuell.size()) * qint64(sizeof(aktuell.front())));
        ebenen.append(aktuell);
        // the counts are useless once one overflows; deeper levels only cost memory
        if (k == maxSchritte || ueberlauf)
            break;
        beruehrt.clear();
        for (const auto &[i, n] : aktuell) {
            const Ahne &a = g.ahne(i);
            for (int e : {a.vater, a.mutter}) {
                if (e < 0)
                    continue;
                if (!drin[e]) {
                    drin[e] = true;
                    beruehrt.append(e);
                }
                if (!addiere(summe[e], n))
                    ueberlauf = true;
            }
        }
        Pfadzaehlung::Ebene naechste;
        naechste.reserve(beruehrt.size());
        for (int e : beruehrt) {
            naechste.append({e, summe[e]});
            summe[e] = 0;
            drin[e] = false;
        }
        aktuell = naechste;
    }
    return ebenen;
}

} // namespace

Pfadzaehlung zaehlePfade(const Ahnengraph &graph, int generationen)
{
    Pfadzaehlung p;
    const int maxSchritte = generationen - 2;
    p.vater = zaehleSeite(graph, graph.vater(), maxSchritte, p.ueberlauf);
    p.mutter = zaehleSeite(graph, graph.mutter(), maxSchritte, p.ueberlauf);
    p.vorkommen = QVector<Anzahl>(graph.anzahl(), 0);
    QVector<Anzahl> vaterSeite(graph.anzahl(), 0), mutterSeite(graph.anzahl(), 0);
    for (const auto &ebene : p.vater)
        for (const auto &[i, n] : ebene)
            if (!addiere(vaterSeite[i], n))
                p.ueberlauf = true;
    for (const auto &ebene : p.mutter)
        for (const auto &[i, n] : ebene)
            if (!addiere(mutterSeite[i], n))
                p.ueberlauf = true;
    for (int i = 0; i < graph.anzahl(); ++i) {
        if (!addiere(p.vorkommen[i], vaterSeite[i]) || !addiere(p.vorkommen[i], mutterSeite[i]) ||
            !addiere(p.gesamt, p.vorkommen[i]))
            p.ueberlauf = true;
        if (vaterSeite[i] && mutterSeite[i]) {
            const Anzahl grenze = ~Anzahl(0) / mutterSeite[i];
            if (vaterSeite[i] > grenze || !addiere(p.paararbeit, vaterSeite[i] * mutterSeite[i]))
                p.paararbeit = ~Anzahl(0);
        }
    }
    return p;
}

namespace {

class Schnellweg
{
  public:
    Schnellweg(const SchnellAuftrag &a, InzuchtRoh &r) : m_a(a), m_g(*a.graph), m_p(*a.pfade), m_roh(r) {}
    SchnellStatus rechne();

  private:
    // steps a line from `ahne` in generation g may still climb, capped where the cap changes nothing
    int rest(int ahne, int g) const { return std::min(m_a.generationen - g, m_g.ahne(ahne).tiefe + 1); }
    void infoUndKomplett();
    void klonReihe();
    void klonBesuch(int ahne, int g);
    // composition of the ancestor as the tree would store it for generation g: its index in
    // m_anteile, -1 without a breed code
    int zusammensetzung(int ahne, int g);
    QString zusammensetzungText(int ahne, int g);
    void positionen();
    bool koeffizient();

    const SchnellAuftrag &m_a;
    const Ahnengraph &m_g;
    const Pfadzaehlung &m_p;
    InzuchtRoh &m_roh;
    struct Anteil {
        RasseAnteile werte;
        bool ende; // stored as "ende": the whole of its breed
    };
    QHash<quint64, int> m_prozent;
    std::vector<Anteil> m_anteile;
    QSet<quint64> m_besucht;
    QVector<bool> m_klonGesehen;
    int m_klonOffen = 0;
};

quint64 schluessel(int ahne, int rest)
{
    return (quint64(quint32(ahne)) << 16) | quint64(quint16(rest));
}

SchnellStatus Schnellweg::rechne()
{
    if (m_p.ueberlauf || m_g.anzahl() >= (1 << 24))
        return SchnellStatus::Ueberlauf;
    m_roh.einzeln = false;
    if (m_a.fortschritt && !m_a.fortschritt(0, quint64(m_g.anzahl())))
        return SchnellStatus::Abbruch;
    m_roh.vorkommen = m_p.vorkommen;
    m_roh.vorhanden = m_p.gesamt;
    infoUndKomplett();
    if (m_a.voll)
        klonReihe();
    if (m_a.voll && m_a.phase)
        m_a.phase(132);
    if (!koeffizient())
        return SchnellStatus::Abbruch;
    positionen();
    return SchnellStatus::Ok;
}

void Schnellweg::infoUndKomplett()
{
    QHash<quint64, int> pos;
    auto melde = [&](int g, int ahne, InfoArt art, Anzahl n) {
        const quint64 k = (quint64(g) << 40) | (quint64(ahne) << 8) | quint64(art);
        auto it = pos.find(k);
        if (it == pos.end())
            pos.insert(k, int(m_roh.info.size())), m_roh.info.append({g, ahne, art, n});
        else
            m_roh.info[*it].anzahl += n;
    };
    for (const auto *seite : {&m_p.vater, &m_p.mutter}) {
        for (int k = 0; k < seite->size(); ++k) {
            const int g = k + 2;
            for (const auto &[i, n] : seite->at(k)) {
                const Ahne &a = m_g.ahne(i);
                if (a.stop) {
                    melde(g, i, InfoArt::Foundation, n);
                    continue;
                }
                if (g >= m_a.generationen)
                    continue;
                if (a.vater < 0) {
                    m_roh.komplett = false;
                    melde(g, i, InfoArt::VaterFehlt, n);
                }
                if (a.mutter < 0) {
                    m_roh.komplett = false;
                    melde(g, i, InfoArt::MutterFehlt, n);
                }
            }
        }
    }
}

// trait-1 ancestors in order of first occurrence in the tree (depth first, sire first)
void Schnellweg::klonReihe()
{
    m_klonGesehen = QVector<bool>(m_g.anzahl(), false);
    for (int i = 0; i < m_g.anzahl(); ++i)
        if (m_g.ahne(i).klon && m_roh.vorkommen[i] > 0)
            ++m_klonOffen;
    if (m_klonOffen == 0)
        return;
    klonBesuch(m_g.vater(), 2);
    klonBesuch(m_g.mutter(), 2);
}

void Schnellweg::klonBesuch(int ahne, int g)
{
    if (ahne < 0 || m_klonOffen == 0)
        return;
    // a subtree seen once holds nothing new the second time
    if (m_besucht.contains(schluessel(ahne, rest(ahne, g))))
        return;
    m_besucht.insert(schluessel(ahne, rest(ahne, g)));
    const Ahne &a = m_g.ahne(ahne);
    if (a.klon && !m_klonGesehen[ahne]) {
        m_klonGesehen[ahne] = true;
        m_roh.klonReihe.append(ahne);
        --m_klonOffen;
    }
    if (a.stop || g >= m_a.generationen)
        return;
    klonBesuch(a.vater, g + 1);
    klonBesuch(a.mutter, g + 1);
}

int Schnellweg::zusammensetzung(int ahne, int g)
{
    const quint64 k = schluessel(ahne, rest(ahne, g));
    auto it = m_prozent.constFind(k);
    if (it != m_prozent.constEnd())
        return *it;
    const Ahne &a = m_g.ahne(ahne);
    int nr = -1;
    if (a.rasse != 0) {
        Anteil p;
        if (g >= m_a.generationen || a.stop || a.vater < 0 || a.mutter < 0 || m_g.ahne(a.vater).rasse == 0 ||
            m_g.ahne(a.mutter).rasse == 0) {
            p = {ganzeRasse(a.rasse), true};
        } else {
            const int v = zusammensetzung(a.vater, g + 1);
            const int m = zusammensetzung(a.mutter, g + 1);
            p = {mischeAnteile(m_anteile[size_t(v)].werte, m_anteile[size_t(m)].werte), false};
        }
        nr = int(m_anteile.size());
        m_anteile.push_back(p);
    }
    m_prozent.insert(k, nr);
    return nr;
}

QString Schnellweg::zusammensetzungText(int ahne, int g)
{
    const int nr = zusammensetzung(ahne, g);
    if (nr < 0)
        return QString();
    const Anteil &p = m_anteile[size_t(nr)];
    return p.ende ? ende() : p.werte.speicherText(m_a.dezimal);
}

void Schnellweg::positionen()
{
    const int sv = m_g.vater(), sm = m_g.mutter();
    if (m_g.tierRasse() != 0) {
        if (m_g.ahne(sv).rasse == 0 || m_g.ahne(sm).rasse == 0)
            m_roh.tierProzent = ende();
        else {
            // both first: each may add to m_anteile
            const int v = zusammensetzung(sv, 2), m = zusammensetzung(sm, 2);
            m_roh.tierProzent = mischeAnteile(m_anteile[size_t(v)].werte, m_anteile[size_t(m)].werte)
                                    .speicherText(m_a.dezimal);
        }
    }
    for (int k = 0; k < 4; ++k) {
        m_roh.namen[k] = QStringList(2 << k, QString());
        m_roh.rassen[k] = QVector<InzuchtRoh::RassePosition>(2 << k);
    }
    struct Eintrag {
        int ahne; // -1 for the root
        int pos;
    };
    auto kinder = [&](const Eintrag &e, int g, int(&aus)[2]) {
        if (e.ahne < 0) {
            aus[0] = sv, aus[1] = sm;
            return;
        }
        const Ahne &a = m_g.ahne(e.ahne);
        const bool folgen = !a.stop && g < m_a.generationen;
        aus[0] = folgen ? a.vater : -1;
        aus[1] = folgen ? a.mutter : -1;
    };
    for (int teil = 0; teil < 2; ++teil) {
        if (teil == 1 && m_roh.tierProzent == ende())
            break;
        QVector<Eintrag> ebene{{-1, 0}};
        for (int k = 0; k < 4; ++k) {
            const int g = k + 1; // generation of the nodes in `ebene`
            QVector<Eintrag> naechste;
            for (const Eintrag &e : ebene) {
                int eltern[2];
                kinder(e, g, eltern);
                for (int j = 0; j < 2; ++j) {
                    if (eltern[j] < 0)
                        continue;
                    const int pos = 2 * e.pos + j;
                    if (teil == 0) {
                        m_roh.namen[k][pos] = m_g.ahne(eltern[j]).name;
                        naechste.append({eltern[j], pos});
                    } else {
                        const QString p = zusammensetzungText(eltern[j], g + 1);
                        m_roh.rassen[k][pos] = {true, p, m_g.ahne(eltern[j]).rasse};
                        if (p != ende())
                            naechste.append({eltern[j], pos});
                    }
                }
            }
            ebene = naechste;
        }
    }
}

bool Schnellweg::koeffizient()
{
    LinienpaarAuftrag a;
    a.graph = &m_g;
    a.budget = m_a.generationen - 2;
    a.paareSammeln = m_a.paareSammeln;
    a.fortschritt = m_a.fortschritt;
    PaarAuswahl auswahl(m_a.zeilenGrenze, [this](int ahne) { return m_g.ahne(ahne).nummer; });
    if (a.paareSammeln)
        a.paarAusgabe = [&auswahl](PaarSumme &&p) { auswahl.add(std::move(p)); };
    LinienpaarErgebnis e;
    if (!rechneLinienpaare(a, e))
        return false;
    m_roh.summe = e.summe;
    auswahl.abschliessen(m_roh.paare, m_roh.paareWeitere, m_roh.paareWeitereAnzahl);
    return true;
}

} // namespace

SchnellStatus berechneSchnell(const SchnellAuftrag &auftrag, InzuchtRoh &roh)
{
    Schnellweg weg(auftrag, roh);
    return weg.rechne();
}

} // namespace tav::breeding
