// InzuchtBerechnung: the inbreeding analysis of a cat or mating and its result texts.
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

QString ausgelasseneZeilenText(quint64 anzahl, const InzuchtBerechnung::Meldungstext &meldung)
{
    return (meldung ? meldung(9402) : QString()) + QLatin1Char(' ') + QString::number(anzahl);
}

InzuchtBerechnung::InzuchtBerechnung(const PedigreeSource &quelle, Meldungstext meldung)
    : m_quelle(quelle), m_meldung(std::move(meldung))
{
}

QString InzuchtBerechnung::text(const char *deutsch, const char *englisch) const
{
    return QString::fromUtf8(einstellungen.sprache == 0 ? deutsch : englisch);
}

void InzuchtBerechnung::zuruecksetzen()
{
    m_baum.freigeben();
    m_baumBenutzt = false;
    Inzuchtkoeffizient.clear();
    Inzuchtkoeffizientkurz.clear();
    Ahnenverlustkoeffizient.clear();
    Stammbaumkomplett.clear();
    Inzucht.clear();
    Ahnenverlust.clear();
    Info.clear();
    Clon.clear();
    RTier.clear();
    for (QStringList *l : {&g1, &g2, &g3, &g4, &r1, &r2, &r3, &r4})
        l->clear();
    AnzahlTopKatzen = {};
    Vorfahrenliste.clear();
    koeffizient = ahnenverlust = 0.0;
    AnzahlMoeglicherVorf = GrosseZahl();
    AnzahlVorhandenerVorf = zaehlerdoppelt = verschiedeneVorfahren = 0;
    komplett = true;
    paare.clear();
    fehlerMeldung = 0;
    fehlerText.clear();
    zyklus.clear();
    zyklusText.clear();
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
        zuruecksetzen();
        fehlerMeldung = 126;
        fehlerText = meldung(126) + QLatin1Char('\r') + meldung(127);
        return false;
    }
}

bool InzuchtBerechnung::berechne(qint32 Tier, qint32 Vater, qint32 Mutter, int Generationen, bool Inzucht)
{
    generationen = std::clamp(Generationen, 3, 255);
    const bool voll = Inzucht;

    switch (m_graph.laden(m_quelle, Tier, Vater, Mutter)) {
    case Ahnengraph::Status::ElternFehlen:
        fehlerMeldung = 83;
        fehlerText = meldung(83);
        return false;
    case Ahnengraph::Status::Zyklus: {
        zyklus = m_graph.zyklus();
        QStringList katzen;
        for (qint32 nr : zyklus) {
            const auto k = m_quelle.katze(nr);
            katzen << (k ? k->name + QStringLiteral(" (") + QString::number(nr) + QLatin1Char(')')
                         : QString::number(nr));
        }
        zyklusText = katzen.join(QStringLiteral(" - "));
        fehlerText = text("Fehler im Katzenregister: Katze ist ihr eigener Vorfahr: ",
                          "Error in the cat register: a cat is its own ancestor: ") +
                     zyklusText;
        return false;
    }
    case Ahnengraph::Status::Ok: break;
    }

    // 2 + 4 + ... + 2^(G-1) = 2^G - 2, exact for every G up to 255
    for (int k = 1; k < generationen; ++k)
        AnzahlMoeglicherVorf.addiere(GrosseZahl::zweiHoch(k));
    m_moeglich = AnzahlMoeglicherVorf.alsDouble();

    const Pfadzaehlung pfade = zaehlePfade(m_graph, generationen);
    if (pfade.ueberlauf) {
        fehlerText =
            text("Zu viele Vorfahren für die Berechnung!", "Too many ancestors for the calculation!");
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
        a.generationen = generationen;
        a.voll = voll;
        a.dezimal = einstellungen.dezimal;
        a.fortschritt = fortschritt;
        a.phase = phase;
        a.moeglich = saettige(AnzahlMoeglicherVorf);
        a.zeilenGrenze = einstellungen.zeilenGrenze;
        const BaumStatus st = berechneUeberBaum(a, m_baum, roh);
        if (st != BaumStatus::Ok) {
            zuruecksetzen();
            if (st == BaumStatus::KeinSpeicher) {
                fehlerMeldung = 126;
                fehlerText = meldung(126) + QLatin1Char('\r') + meldung(127);
            }
            return false;
        }
        m_baumBenutzt = true;
    } else {
        SchnellAuftrag a;
        a.graph = &m_graph;
        a.pfade = &pfade;
        a.generationen = generationen;
        a.voll = voll;
        a.paareSammeln = voll && einstellungen.inzuchtMitVorfahren;
        a.zeilenGrenze = einstellungen.zeilenGrenze;
        a.dezimal = einstellungen.dezimal;
        a.fortschritt = voll ? fortschritt : Fortschritt();
        a.phase = voll ? phase : Phase();
        const SchnellStatus st = berechneSchnell(a, roh);
        if (st != SchnellStatus::Ok) {
            zuruecksetzen();
            if (st == SchnellStatus::Ueberlauf)
                fehlerText =
                    text("Zu viele Vorfahren für die Berechnung!", "Too many ancestors for the calculation!");
            return false;
        }
    }
    auswerten(roh, voll);
    return true;
}

QString InzuchtBerechnung::infoZeile(const InfoEintrag &e) const
{
    const int nr = e.art == InfoArt::VaterFehlt ? 40 : e.art == InfoArt::MutterFehlt ? 41 : 107;
    return QString::number(e.generation) + QLatin1Char(' ') + meldung(39) + m_graph.ahne(e.ahne).name +
           QLatin1Char(' ') + meldung(nr);
}

QString InzuchtBerechnung::prozentVonMoeglich(Anzahl n, int p, int d) const
{
    return festkomma(double(n) * (100.0 / m_moeglich), p, d, einstellungen.dezimal);
}

QString InzuchtBerechnung::topKatzeAnzahl(int slot) const
{
    if (slot < 1 || slot > 5)
        return QString();
    if (m_moeglich == 0.0)
        return QStringLiteral(" 0 %");
    return prozentVonMoeglich(AnzahlTopKatzen[slot - 1].anzahl, 6, 2) + QStringLiteral(" %");
}

void InzuchtBerechnung::auswerten(const InzuchtRoh &roh, bool voll)
{
    const QChar dez = einstellungen.dezimal;
    const bool listen = voll && einstellungen.inzuchtMitVorfahren;
    const bool zusammen = einstellungen.listenZusammenfassen || !roh.einzeln;

    // ancestor loss
    AnzahlVorhandenerVorf = roh.vorhanden;
    komplett = roh.komplett;
    verschiedeneVorfahren = 0;
    for (Anzahl n : roh.vorkommen)
        if (n > 0)
            ++verschiedeneVorfahren;
    zaehlerdoppelt = AnzahlVorhandenerVorf - verschiedeneVorfahren;
    ahnenverlust = 100.0 / double(AnzahlVorhandenerVorf) * double(zaehlerdoppelt);
    Stammbaumkomplett = meldung(komplett ? 42 : 43);
    Ahnenverlustkoeffizient = ahnenverlustText(ahnenverlust, dez);
    Ahnenverlust << QString() << meldung(44) + QLatin1Char(' ') + AnzahlMoeglicherVorf.text()
                 << meldung(93) + QLatin1Char(' ') + anzahlText(AnzahlVorhandenerVorf)
                 << meldung(45) + QLatin1Char(' ') + anzahlText(verschiedeneVorfahren) << QString()
                 << meldung(46) + QLatin1Char(' ') + anzahlText(zaehlerdoppelt)
                 << meldung(47) + QLatin1Char(' ') + festkomma(ahnenverlust, 3, 2, dez);

    // coefficient
    const int grenze = std::max(einstellungen.zeilenGrenze, 0);
    quint64 paareWeitere = roh.paareWeitere;
    GrosseZahl paareWeitereAnzahl = roh.paareWeitereAnzahl;
    if (listen) {
        PaarAuswahl auswahl(grenze, [this](int ahne) { return m_graph.ahne(ahne).nummer; });
        for (const PaarSumme &p : roh.paare)
            auswahl.add(p);
        auswahl.abschliessen(paare, paareWeitere, paareWeitereAnzahl);
    }
    koeffizient = roh.summe.alsAnteil();
    if (roh.summe.istNull()) {
        Inzucht << meldung(48);
        Inzuchtkoeffizient = Inzuchtkoeffizientkurz = QStringLiteral(" 0%");
    } else {
        Inzuchtkoeffizient = QLatin1Char(' ') + festkomma(koeffizient, 4, 5, dez) + QStringLiteral(" = ") +
                             festkomma(koeffizient * 100.0, 4, 2, dez) + QLatin1Char('%');
        Inzuchtkoeffizientkurz = koeffizientKurzText(koeffizient, true, dez);
        if (listen && !zusammen) {
            Inzucht = roh.inzuchtZeilen;
            if (roh.inzuchtZeilenWeitere > 0)
                Inzucht << ausgelasseneZeilenText(roh.inzuchtZeilenWeitere, m_meldung);
        } else if (listen) {
            GrosseZahl gesamt = paareWeitereAnzahl;
            for (const PaarSumme &p : paare) {
                double term = 0.5;
                for (int j = 0; j < p.s + p.d; ++j)
                    term *= 0.5;
                Inzucht << m_graph.ahne(p.ahne).name + QStringLiteral(" : ") + QString::number(p.s) +
                               QStringLiteral(" : ") + QString::number(p.d) + QStringLiteral(" = ") +
                               festkomma(term, 3, 5, dez) + QStringLiteral(" (") + p.anzahl.text() +
                               QStringLiteral("x)");
                gesamt.addiere(p.anzahl);
            }
            Inzucht << text("Liste zusammengefasst: %1 Paare in %2 Zeilen",
                            "List condensed: %1 pairs in %2 lines")
                           .arg(gesamt.text())
                           .arg(quint64(paare.size()) + paareWeitere);
            if (paareWeitere > 0)
                Inzucht << ausgelasseneZeilenText(paareWeitere, m_meldung);
        }
    }

    // missing parents and stops
    if (listen) {
        if (!zusammen) {
            for (qsizetype i = 0; i < roh.infoEinzeln.size() && i < grenze; ++i)
                Info << infoZeile(roh.infoEinzeln[i]);
            if (roh.infoEinzeln.size() > grenze)
                Info << ausgelasseneZeilenText(quint64(roh.infoEinzeln.size() - grenze), m_meldung);
        } else {
            QVector<InfoEintrag> info = roh.info;
            if (roh.einzeln) {
                QHash<quint64, int> pos;
                for (const InfoEintrag &e : roh.infoEinzeln) {
                    const quint64 k = (quint64(e.generation) << 40) | (quint64(e.ahne) << 8) | quint64(e.art);
                    auto it = pos.find(k);
                    if (it == pos.end())
                        pos.insert(k, int(info.size())), info.append(e);
                    else
                        info[*it].anzahl += e.anzahl;
                }
            }
            std::sort(info.begin(), info.end(), [this](const InfoEintrag &a, const InfoEintrag &b) {
                if (a.generation != b.generation)
                    return a.generation < b.generation;
                const qint32 na = m_graph.ahne(a.ahne).nummer, nb = m_graph.ahne(b.ahne).nummer;
                if (na != nb)
                    return na < nb;
                return int(a.art) < int(b.art);
            });
            Anzahl gesamt = 0;
            for (qsizetype i = 0; i < info.size(); ++i) {
                const InfoEintrag &e = info[i];
                if (i < grenze)
                    Info << infoZeile(e) + QStringLiteral(" (") + anzahlText(e.anzahl) + QStringLiteral("x)");
                gesamt += e.anzahl;
            }
            if (!info.isEmpty())
                Info << text("Liste zusammengefasst: %1 Einträge in %2 Zeilen",
                             "List condensed: %1 entries in %2 lines")
                            .arg(anzahlText(gesamt))
                            .arg(info.size());
            if (info.size() > grenze)
                Info << ausgelasseneZeilenText(quint64(info.size() - grenze), m_meldung);
        }
    }

    // clones: one entry per name, in order of first occurrence
    if (voll) {
        QVector<QPair<QString, Anzahl>> klone;
        QHash<QString, qsizetype> nachName;
        for (int i : roh.klonReihe) {
            const QString &name = m_graph.ahne(i).name;
            const auto it = nachName.constFind(name);
            if (it == nachName.constEnd()) {
                nachName.insert(name, klone.size());
                klone.append({name, roh.vorkommen[i]});
            } else {
                klone[*it].second += roh.vorkommen[i];
            }
        }
        for (qsizetype i = 0; i < klone.size() && i < grenze; ++i)
            Clon << (m_moeglich == 0.0 ? QStringLiteral("0 %")
                                       : prozentVonMoeglich(klone[i].second, 4, 2) + QStringLiteral(" %/") +
                                             klone[i].first);
        if (klone.size() > grenze)
            Clon << ausgelasseneZeilenText(quint64(klone.size() - grenze), m_meldung);
    }
    if (Clon.isEmpty())
        Clon << QStringLiteral("0 %");

    // top cats and the ancestor list
    if (voll) {
        const auto plaetze = m_quelle.topKatzen();
        for (int i = 0; i < 5; ++i) {
            AnzahlTopKatzen[i].katze = plaetze[i].katze;
            const int idx = plaetze[i].katze ? m_graph.index(plaetze[i].katze) : -1;
            AnzahlTopKatzen[i].anzahl = idx >= 0 ? roh.vorkommen[idx] : 0;
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
                Vorfahrenliste.append(z);
            }
            std::sort(Vorfahrenliste.begin(), Vorfahrenliste.end(),
                      [](const VorfahrenZeile &a, const VorfahrenZeile &b) { return a.Nummer < b.Nummer; });
        }
    }

    // names and breed compositions by position
    const RasseKurzname kurz = [this](qint32 r) { return m_quelle.rasseKurzname(r); };
    RTier = anzeigeForm(roh.tierProzent, m_graph.tierRasse(), kurz, dez);
    QStringList *namen[4] = {&g1, &g2, &g3, &g4};
    QStringList *rassen[4] = {&r1, &r2, &r3, &r4};
    for (int k = 0; k < 4; ++k) {
        *namen[k] = roh.namen[k];
        QStringList r;
        for (const auto &p : roh.rassen[k])
            r << (p.belegt ? anzeigeForm(p.prozent, p.rasse, kurz, dez) : QString());
        *rassen[k] = r;
    }
}

} // namespace tav::breeding
