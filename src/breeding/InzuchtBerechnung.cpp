// InzuchtBerechnung: the inbreeding analysis of a cat or mating.
#include "InzuchtBerechnung.h"

#include "InzuchtBaumweg.h"
#include "InzuchtFormat.h"
#include "InzuchtSchnell.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace tav::breeding {

namespace {

struct LaufMarke {
    bool &flag;
    explicit LaufMarke(bool &f) : flag(f) { flag = true; }
    ~LaufMarke() { flag = false; }
};

quint64 saettige(const GrosseZahl &z)
{
    return z.bitLaenge() > 64 ? std::numeric_limits<quint64>::max() : z.niedrig();
}

} // namespace

void PaarAuswahl::add(PaarSumme p)
{
    const auto spaeter = [this](const PaarSumme &a, const PaarSumme &b) { return vor(a, b); };
    if (m_heap.size() < m_grenze) {
        m_heap.append(std::move(p));
        std::push_heap(m_heap.begin(), m_heap.end(), spaeter);
        return;
    }
    if (m_grenze > 0 && vor(p, m_heap.front())) {
        std::pop_heap(m_heap.begin(), m_heap.end(), spaeter);
        std::swap(m_heap.last(), p);
        std::push_heap(m_heap.begin(), m_heap.end(), spaeter);
    }
    ++m_weitere;
    m_weitereAnzahl.addiere(p.anzahl);
}

void PaarAuswahl::abschliessen(QVector<PaarSumme> &paare, quint64 &weitere, GrosseZahl &weitereAnzahl)
{
    std::sort_heap(m_heap.begin(), m_heap.end(),
                   [this](const PaarSumme &a, const PaarSumme &b) { return vor(a, b); });
    paare = std::move(m_heap);
    m_heap.clear();
    weitere += m_weitere;
    weitereAnzahl.addiere(m_weitereAnzahl);
}

InzuchtBerechnung::InzuchtBerechnung(const PedigreeSource &quelle) : m_quelle(quelle)
{
}

void InzuchtBerechnung::zuruecksetzen()
{
    m_baum.freigeben();
    m_baumBenutzt = false;
    m_ergebnis.reset();
    m_fehler = InzuchtFehler();
}

void InzuchtBerechnung::fehlschlag(InzuchtFehler::Art art, int meldung)
{
    zuruecksetzen();
    m_fehler.art = art;
    m_fehler.meldung = meldung;
}

bool InzuchtBerechnung::Berechne(qint32 Tier, qint32 Vater, qint32 Mutter, int Generationen, bool Inzucht)
{
    if (m_laeuft)
        return false; // a progress callback let another request in
    LaufMarke marke(m_laeuft);
    zuruecksetzen();
    // a pedigree too large for memory is a message, wherever in the analysis it runs out
    try {
        return berechne(Tier, Vater, Mutter, Generationen, Inzucht);
    } catch (const std::bad_alloc &) {
        fehlschlag(InzuchtFehler::Art::KeinSpeicher, 126);
        return false;
    }
}

bool InzuchtBerechnung::berechne(qint32 Tier, qint32 Vater, qint32 Mutter, int Generationen, bool Inzucht)
{
    InzuchtErgebnis e;
    e.generationen = std::clamp(Generationen, 3, 255);
    const bool voll = Inzucht;

    switch (m_graph.laden(m_quelle, Tier, Vater, Mutter)) {
    case Ahnengraph::Status::ElternFehlen: fehlschlag(InzuchtFehler::Art::ElternFehlen, 83); return false;
    case Ahnengraph::Status::Zyklus:
        fehlschlag(InzuchtFehler::Art::Zyklus);
        m_fehler.zyklus = m_graph.zyklus();
        for (qint32 nr : m_fehler.zyklus) {
            const auto k = m_quelle.katze(nr);
            m_fehler.zyklusNamen.append(k ? std::optional<QString>(k->name) : std::nullopt);
        }
        return false;
    case Ahnengraph::Status::Ok: break;
    }

    // 2 + 4 + ... + 2^(G-1) = 2^G - 2, exact for every G up to 255
    for (int k = 1; k < e.generationen; ++k)
        e.AnzahlMoeglicherVorf.addiere(GrosseZahl::zweiHoch(k));

    const Pfadzaehlung pfade = zaehlePfade(m_graph, e.generationen);
    if (pfade.ueberlauf) {
        fehlschlag(InzuchtFehler::Art::ZuVieleVorfahren);
        return false;
    }
    bool baum = false;
    switch (einstellungen.weg) {
    case Rechenweg::Baum: baum = true; break;
    case Rechenweg::Schnell: baum = false; break;
    case Rechenweg::Automatisch:
        baum = pfade.gesamt + 1 <= einstellungen.baumGrenze && pfade.paararbeit <= einstellungen.paarGrenze;
        break;
    }

    InzuchtRoh roh;
    if (voll && phase)
        phase(134);
    if (baum) {
        BaumAuftrag a;
        a.graph = &m_graph;
        a.tier = Tier;
        a.vaterNr = Vater;
        a.mutterNr = Mutter;
        a.generationen = e.generationen;
        a.voll = voll;
        a.dezimal = einstellungen.dezimal;
        a.fortschritt = fortschritt;
        a.phase = phase;
        a.moeglich = saettige(e.AnzahlMoeglicherVorf);
        a.zeilenGrenze = einstellungen.zeilenGrenze;
        const BaumStatus st = berechneUeberBaum(a, m_baum, roh);
        if (st != BaumStatus::Ok) {
            if (st == BaumStatus::KeinSpeicher)
                fehlschlag(InzuchtFehler::Art::KeinSpeicher, 126);
            else
                fehlschlag(InzuchtFehler::Art::Abbruch);
            return false;
        }
        m_baumBenutzt = true;
    } else {
        SchnellAuftrag a;
        a.graph = &m_graph;
        a.pfade = &pfade;
        a.generationen = e.generationen;
        a.voll = voll;
        a.paareSammeln = voll && einstellungen.inzuchtMitVorfahren;
        a.zeilenGrenze = einstellungen.zeilenGrenze;
        a.dezimal = einstellungen.dezimal;
        a.fortschritt = voll ? fortschritt : Fortschritt();
        a.phase = voll ? phase : Phase();
        const SchnellStatus st = berechneSchnell(a, roh);
        if (st != SchnellStatus::Ok) {
            fehlschlag(st == SchnellStatus::Ueberlauf ? InzuchtFehler::Art::ZuVieleVorfahren
                                                      : InzuchtFehler::Art::Abbruch);
            return false;
        }
    }
    auswerten(roh, voll, e);
    m_ergebnis = std::move(e);
    return true;
}

void InzuchtBerechnung::auswerten(const InzuchtRoh &roh, bool voll, InzuchtErgebnis &e) const
{
    // ancestor loss
    e.AnzahlVorhandenerVorf = roh.vorhanden;
    e.komplett = roh.komplett;
    for (Anzahl n : roh.vorkommen)
        if (n > 0)
            ++e.verschiedeneVorfahren;
    e.zaehlerdoppelt = e.AnzahlVorhandenerVorf - e.verschiedeneVorfahren;
    e.ahnenverlust = 100.0 / double(e.AnzahlVorhandenerVorf) * double(e.zaehlerdoppelt);

    e.koeffizient = roh.summe.alsAnteil();
    e.beitrag = !roh.summe.istNull();
    e.listen = voll && einstellungen.inzuchtMitVorfahren;
    e.einzeln = !einstellungen.listenZusammenfassen && roh.einzeln;
    if (e.listen)
        listen(roh, e);

    // clones: one entry per name, in order of first occurrence
    if (voll) {
        e.klonListe = true;
        QHash<QString, qsizetype> nachName;
        for (int i : roh.klonReihe) {
            const QString &name = m_graph.ahne(i).name;
            const auto it = nachName.constFind(name);
            if (it == nachName.constEnd()) {
                nachName.insert(name, e.klone.size());
                e.klone.append({name, roh.vorkommen[i]});
            } else {
                e.klone[*it].anzahl += roh.vorkommen[i];
            }
        }
        const qsizetype grenze = std::max(einstellungen.zeilenGrenze, 0);
        if (e.klone.size() > grenze) {
            e.kloneWeitere = quint64(e.klone.size() - grenze);
            e.klone.resize(grenze);
        }
    }

    // top cats and the ancestor list
    if (voll) {
        const auto plaetze = m_quelle.topKatzen();
        for (int i = 0; i < 5; ++i) {
            e.AnzahlTopKatzen[i].katze = plaetze[i].katze;
            const int idx = plaetze[i].katze ? m_graph.index(plaetze[i].katze) : -1;
            e.AnzahlTopKatzen[i].anzahl = idx >= 0 ? roh.vorkommen[idx] : 0;
        }
        if (einstellungen.inzuchtMitVorfahren) {
            for (int i = 0; i < m_graph.anzahl(); ++i) {
                if (roh.vorkommen[i] == 0)
                    continue;
                const Ahne &a = m_graph.ahne(i);
                VorfahrenZeile z{a.nummer, a.name, roh.vorkommen[i], std::nullopt};
                std::optional<qint32> top;
                for (const auto &s : plaetze)
                    if (s.katze == a.nummer) {
                        top = s.farbe;
                        break;
                    }
                if (einstellungen.merkmalVorTop) {
                    if (top)
                        z.Farbe = top;
                    if (a.hatMerkmal)
                        z.Farbe = a.merkmalFarbe;
                } else {
                    if (a.hatMerkmal)
                        z.Farbe = a.merkmalFarbe;
                    if (top)
                        z.Farbe = top;
                }
                e.Vorfahrenliste.append(z);
            }
            std::sort(e.Vorfahrenliste.begin(), e.Vorfahrenliste.end(),
                      [](const VorfahrenZeile &a, const VorfahrenZeile &b) { return a.Nummer < b.Nummer; });
        }
    }
    rassen(roh, e);
}

// the pair and info lines, cut at the line limit
void InzuchtBerechnung::listen(const InzuchtRoh &roh, InzuchtErgebnis &e) const
{
    const int grenze = std::max(einstellungen.zeilenGrenze, 0);
    const auto paar = [this](int ahne, int s, int d, GrosseZahl anzahl) {
        const Ahne &a = m_graph.ahne(ahne);
        return InzuchtErgebnis::Paar{a.nummer, a.name, s, d, std::move(anzahl)};
    };
    const auto info = [this](const InfoEintrag &i) {
        return InzuchtErgebnis::Info{i.generation, m_graph.ahne(i.ahne).name, i.art, i.anzahl};
    };
    QVector<PaarSumme> gewaehlt;
    e.paareWeitere = roh.paareWeitere;
    e.paareWeitereAnzahl = roh.paareWeitereAnzahl;
    PaarAuswahl auswahl(grenze, [this](int ahne) { return m_graph.ahne(ahne).nummer; });
    for (const PaarSumme &p : roh.paare)
        auswahl.add(p);
    auswahl.abschliessen(gewaehlt, e.paareWeitere, e.paareWeitereAnzahl);
    e.paare.reserve(gewaehlt.size());
    for (const PaarSumme &p : gewaehlt)
        e.paare.append(paar(p.ahne, p.s, p.d, p.anzahl));
    if (e.einzeln && e.beitrag) {
        e.einzelPaare.reserve(roh.einzelPaare.size());
        for (const InzuchtRoh::EinzelPaar &p : roh.einzelPaare)
            e.einzelPaare.append(paar(p.ahne, p.s, p.d, GrosseZahl::von(1)));
        e.einzelPaareWeitere = roh.einzelPaareWeitere;
    }

    if (e.einzeln) {
        for (qsizetype i = 0; i < roh.infoEinzeln.size() && i < grenze; ++i)
            e.info.append(info(roh.infoEinzeln[i]));
        if (roh.infoEinzeln.size() > grenze)
            e.infoWeitere = quint64(roh.infoEinzeln.size() - grenze);
        return;
    }
    QVector<InfoEintrag> alle = roh.info;
    if (roh.einzeln) {
        QHash<quint64, int> pos;
        for (const InfoEintrag &i : roh.infoEinzeln) {
            const quint64 k = (quint64(i.generation) << 40) | (quint64(i.ahne) << 8) | quint64(i.art);
            auto it = pos.find(k);
            if (it == pos.end())
                pos.insert(k, int(alle.size())), alle.append(i);
            else
                alle[*it].anzahl += i.anzahl;
        }
    }
    std::sort(alle.begin(), alle.end(), [this](const InfoEintrag &a, const InfoEintrag &b) {
        if (a.generation != b.generation)
            return a.generation < b.generation;
        const qint32 na = m_graph.ahne(a.ahne).nummer, nb = m_graph.ahne(b.ahne).nummer;
        if (na != nb)
            return na < nb;
        return int(a.art) < int(b.art);
    });
    for (qsizetype i = 0; i < alle.size(); ++i) {
        if (i < grenze)
            e.info.append(info(alle[i]));
        e.infoGesamt += alle[i].anzahl;
    }
    if (alle.size() > grenze)
        e.infoWeitere = quint64(alle.size() - grenze);
}

// names and breed compositions by position, with the short names of the breeds in them
void InzuchtBerechnung::rassen(const InzuchtRoh &roh, InzuchtErgebnis &e) const
{
    const QChar dez = einstellungen.dezimal;
    const auto kurzname = [&](const RasseAnteile &a) {
        for (qint32 r : a.r_array) {
            if (r == 0 || e.rasseKurznamen.contains(r))
                continue;
            if (const std::optional<QString> name = m_quelle.rasseKurzname(r))
                e.rasseKurznamen.insert(r, *name);
        }
    };
    e.tierRasse.belegeRasseProzent(roh.tierProzent, m_graph.tierRasse(), 1, dez);
    kurzname(e.tierRasse);
    for (int k = 0; k < 4; ++k) {
        e.namen[k] = roh.namen[k];
        for (const auto &p : roh.rassen[k]) {
            InzuchtErgebnis::Rasse r;
            r.belegt = p.belegt;
            if (p.belegt) {
                r.anteile.belegeRasseProzent(p.prozent, p.rasse, 1, dez);
                kurzname(r.anteile);
            }
            e.rassen[k].append(r);
        }
    }
}

} // namespace tav::breeding
