// InzuchtBaumweg: the inbreeding calculation over the tree of occurrences.
#include "InzuchtBaumweg.h"

#include "InzuchtFormat.h"
#include "Speicherbudget.h"

#include <QHash>
#include <new>

namespace tav::breeding {

using BaumInzucht::Satz;

namespace {

class Baumweg
{
  public:
    Baumweg(const BaumAuftrag &a, BaumInzucht::TBinaerbaum &b, InzuchtRoh &r)
        : m_a(a), m_g(*a.graph), m_baum(b), m_roh(r)
    {
    }

    BaumStatus rechne();

  private:
    bool seite(int elter, quint8 geschl);
    bool elternSchritt(int ahne, quint8 geschl);
    bool weiter(quint64 pos, quint64 max)
    {
        if (m_a.voll && m_a.fortschritt && !m_a.fortschritt(pos, max))
            m_abbruch = true;
        return !m_abbruch;
    }
    void analyse();
    void paare();
    void positionen();

    const BaumAuftrag &m_a;
    const Ahnengraph &m_g;
    BaumInzucht::TBinaerbaum &m_baum;
    InzuchtRoh &m_roh;
    bool m_abbruch = false;
    bool m_keinSpeicher = false;
    quint64 m_knoten = 0;
    QVector<bool> m_klonGesehen;
};

BaumStatus Baumweg::rechne()
{
    const int n = m_g.anzahl();
    m_roh.vorkommen = QVector<Anzahl>(n, 0);
    m_klonGesehen = QVector<bool>(n, false);
    m_roh.einzeln = true;

    try {
        if (!m_baum.Anlegen(0))
            return BaumStatus::KeinSpeicher;
    } catch (const std::bad_alloc &) {
        return BaumStatus::KeinSpeicher;
    }
    Satz *wurzel = m_baum.Zeigeranfang;
    wurzel->Satznummer = m_a.tier;
    wurzel->Rasse = m_g.tierRasse();
    wurzel->SatzNrVater = m_a.vaterNr;
    wurzel->SatzNrMutter = m_a.mutterNr;

    const bool ok = seite(m_g.vater(), 1) && !m_abbruch && seite(m_g.mutter(), 2);
    if (m_keinSpeicher)
        return BaumStatus::KeinSpeicher;
    if (!ok || m_abbruch)
        return BaumStatus::Abbruch;
    weiter(m_a.moeglich, m_a.moeglich);

    if (m_a.voll && m_a.phase)
        m_a.phase(132);
    analyse();
    if (m_abbruch)
        return BaumStatus::Abbruch;
    positionen();
    return BaumStatus::Ok;
}

bool Baumweg::seite(int elter, quint8 geschl)
{
    if (elter >= 0)
        return elternSchritt(elter, geschl);
    const Satz *kind = m_baum.ZeigerAktuell;
    m_roh.komplett = false;
    m_roh.infoEinzeln.append(
        {kind->Generation, kind->ahne, geschl == 1 ? InfoArt::VaterFehlt : InfoArt::MutterFehlt, 1});
    return true;
}

bool Baumweg::elternSchritt(int ahne, quint8 geschl)
{
    try {
        if ((++m_knoten & 4095) == 0)
            pruefeSpeicher();
        if (!m_baum.Anlegen(geschl)) {
            m_keinSpeicher = true;
            return false;
        }
    } catch (const std::bad_alloc &) {
        m_keinSpeicher = true;
        return false;
    }
    Satz *k = m_baum.ZeigerAktuell;
    const Ahne &a = m_g.ahne(ahne);
    k->Satznummer = a.nummer;
    k->Rasse = a.rasse;
    k->SatzNrVater = a.vaterNr;
    k->SatzNrMutter = a.mutterNr;
    k->ahne = ahne;

    ++m_roh.vorkommen[ahne];
    if (a.klon && !m_klonGesehen[ahne]) {
        m_klonGesehen[ahne] = true;
        m_roh.klonReihe.append(ahne);
    }
    ++m_roh.vorhanden;
    if (!weiter(quint64(m_roh.vorhanden), m_a.moeglich))
        return false;

    if (a.stop) {
        m_roh.infoEinzeln.append({k->Generation, ahne, InfoArt::Foundation, 1});
        m_baum.ZeigerAktuell = k->Vorgaenger;
        return true;
    }
    if (k->Generation < m_a.generationen) {
        bool ok = seite(a.vater, 1);
        if (ok && !m_abbruch)
            ok = seite(a.mutter, 2);
        if (!ok || m_abbruch)
            return false;
    }
    m_baum.ZeigerAktuell = k->Vorgaenger;
    return true;
}

void postorder(Satz *start, QVector<Satz *> &aus)
{
    if (!start)
        return;
    QVector<Satz *> stapel{start};
    Satz *zuletzt = nullptr;
    while (!stapel.isEmpty()) {
        Satz *n = stapel.last();
        const bool kinderFertig = (!n->Links && !n->Rechts) || (n->Rechts && zuletzt == n->Rechts) ||
                                  (!n->Rechts && zuletzt == n->Links);
        if (kinderFertig) {
            aus.append(n);
            zuletzt = n;
            stapel.removeLast();
        } else if (n->Links && zuletzt != n->Links) {
            stapel.append(n->Links);
        } else {
            stapel.append(n->Rechts);
        }
    }
}

void zusammensetzung(Satz *n, const Ahnengraph &g, QChar dezimal)
{
    if (n->Rasse == 0)
        return;
    const Satz *v = n->Links;
    const Satz *m = n->Rechts;
    if (!v || !m || v->Rasse == 0 || m->Rasse == 0) {
        n->Prozent = ende();
        return;
    }
    n->Prozent = mischeProzent(v->Prozent, v->Rasse, m->Prozent, m->Rasse, dezimal);
}

void Baumweg::analyse()
{
    Satz *wurzel = m_baum.Zeigeranfang;
    QVector<Satz *> ordnung;
    ordnung.reserve(m_baum.zaehler);
    postorder(wurzel->Links, ordnung);
    const int vaterSeite = int(ordnung.size());
    postorder(wurzel->Rechts, ordnung);

    quint64 pos = 0;
    for (Satz *n : ordnung) {
        n->kontrolle = true;
        zusammensetzung(n, m_g, m_a.dezimal);
        if (!weiter(++pos, quint64(m_roh.vorhanden)))
            return;
    }
    wurzel->kontrolle = true;
    zusammensetzung(wurzel, m_g, m_a.dezimal);
    m_roh.tierProzent = wurzel->Prozent;

    // pairs: sire-side occurrences in post-order, each against the dam side in post-order
    QVector<QVector<Satz *>> mutterSeite(m_g.anzahl());
    for (int i = vaterSeite; i < ordnung.size(); ++i)
        mutterSeite[ordnung[i]->ahne].append(ordnung[i]);
    QVector<int> marke(m_g.anzahl(), 0);
    QVector<quint8> ausgang(m_g.anzahl(), 0);
    QHash<quint64, int> aggregat; // (ahne, s, d) -> index in paare
    int stempel = 0;
    for (int i = 0; i < vaterSeite; ++i) {
        Satz *x = ordnung[i];
        const QVector<Satz *> &partner = mutterSeite[x->ahne];
        if (partner.isEmpty())
            continue;
        ++stempel;
        for (Satz *n = x; n->Generation > 2; n = n->Vorgaenger) {
            const Satz *p = n->Vorgaenger;
            marke[p->ahne] = stempel;
            ausgang[p->ahne] = p->Links == n ? 1 : 2;
        }
        for (Satz *y : partner) {
            bool zaehlt = true;
            for (Satz *n = y; n->Generation > 2 && zaehlt; n = n->Vorgaenger) {
                const Satz *p = n->Vorgaenger;
                if (marke[p->ahne] == stempel && ausgang[p->ahne] == (p->Links == n ? 1 : 2))
                    zaehlt = false;
            }
            if (!zaehlt)
                continue;
            const int s = x->Generation - 2;
            const int d = y->Generation - 2;
            m_roh.summe.addiere(GrosseZahl::term(s + d + 1));
            if (m_roh.einzelPaare.size() < m_a.zeilenGrenze)
                m_roh.einzelPaare.append({x->ahne, s, d});
            else
                ++m_roh.einzelPaareWeitere;
            const quint64 schluessel = (quint64(x->ahne) << 16) | (quint64(s) << 8) | quint64(d);
            auto a = aggregat.find(schluessel);
            if (a == aggregat.end()) {
                a = aggregat.insert(schluessel, int(m_roh.paare.size()));
                m_roh.paare.append(PaarSumme{x->ahne, s, d, GrosseZahl()});
            }
            m_roh.paare[*a].anzahl.addiere(GrosseZahl::von(1));
        }
    }
}

// Visits the nodes of generations 2 to 5 level by level with their position in the generation
// (sire even, dam odd); `besuche` says whether to go on above the node.
template <typename Besuch> void ersteGenerationen(const Satz *wurzel, Besuch besuche)
{
    struct Eintrag {
        const Satz *n;
        int pos; // 0-based position within its generation
    };
    QVector<Eintrag> ebene{{wurzel, 0}};
    for (int k = 0; k < 4; ++k) {
        QVector<Eintrag> naechste;
        for (const Eintrag &e : ebene) {
            const Satz *kinder[2] = {e.n->Links, e.n->Rechts};
            for (int j = 0; j < 2; ++j) {
                if (kinder[j] && besuche(k, 2 * e.pos + j, *kinder[j]))
                    naechste.append({kinder[j], 2 * e.pos + j});
            }
        }
        ebene = naechste;
    }
}

// names and breed compositions by pedigree position
void Baumweg::positionen()
{
    for (int k = 0; k < 4; ++k) {
        m_roh.namen[k] = QStringList(2 << k, QString());
        m_roh.rassen[k] = QVector<InzuchtRoh::RassePosition>(2 << k);
    }
    const Satz *wurzel = m_baum.Zeigeranfang;
    ersteGenerationen(wurzel, [&](int k, int pos, const Satz &n) {
        m_roh.namen[k][pos] = m_g.ahne(n.ahne).name;
        return true;
    });
    if (wurzel->Prozent == ende())
        return;
    ersteGenerationen(wurzel, [&](int k, int pos, const Satz &n) {
        m_roh.rassen[k][pos] = {true, n.Prozent, n.Rasse};
        return n.Prozent != ende();
    });
}

} // namespace

BaumStatus berechneUeberBaum(const BaumAuftrag &auftrag, BaumInzucht::TBinaerbaum &baum, InzuchtRoh &roh)
{
    Baumweg weg(auftrag, baum, roh);
    return weg.rechne();
}

} // namespace tav::breeding
