// Ahnengraph: the ancestor graph of a cat or pair, read once for the fast inbreeding path.
#include "Ahnengraph.h"

#include <QQueue>
#include <algorithm>

namespace tav::breeding {

namespace {

struct Roh {
    KatzeDaten daten;
    QVector<KatzeMerkmalDaten> merkmale;
    bool stop = false;
    qint32 entdecktVon = 0; // the child through which the cat was first reached
};

} // namespace

Ahnengraph::Status Ahnengraph::laden(const PedigreeSource &quelle, qint32 tier, qint32 vater, qint32 mutter)
{
    m_ahnen.clear();
    m_index.clear();
    m_zyklus.clear();
    m_vater = m_mutter = -1;

    const std::optional<KatzeDaten> v = quelle.katze(vater);
    const std::optional<KatzeDaten> m = quelle.katze(mutter);
    if (!v || !m)
        return Status::ElternFehlen;
    // a planned offspring (or a cat missing from the register) takes the dam's breed
    const std::optional<KatzeDaten> t = tier != 0 ? quelle.katze(tier) : std::nullopt;
    m_tierRasse = t ? t->rasse : m->rasse;

    QHash<qint32, Roh> roh;
    QVector<qint32> reihe; // discovery order, keeps the result independent of hashing
    QQueue<qint32> offen;
    auto aufnehmen = [&](const KatzeDaten &k, qint32 kind) {
        if (roh.contains(k.nummer))
            return;
        Roh r;
        r.daten = k;
        r.merkmale = quelle.merkmale(k.nummer);
        for (const auto &mm : r.merkmale)
            if (mm.merkmal == MerkmalFoundation)
                r.stop = true;
        r.entdecktVon = kind;
        roh.insert(k.nummer, r);
        reihe.append(k.nummer);
        offen.enqueue(k.nummer);
    };
    aufnehmen(*v, tier);
    aufnehmen(*m, tier);
    while (!offen.isEmpty()) {
        const Roh &r = roh[offen.dequeue()];
        if (r.stop)
            continue;
        const qint32 nr = r.daten.nummer;
        for (qint32 elter : {r.daten.vater, r.daten.mutter}) {
            if (elter == 0 || roh.contains(elter))
                continue;
            if (const auto k = quelle.katze(elter))
                aufnehmen(*k, nr);
        }
    }

    if (tier != 0 && roh.contains(tier)) {
        // the examined cat is its own ancestor: report the chain down to its parent
        qint32 nr = tier;
        m_zyklus.append(nr);
        while (roh.contains(nr) && roh[nr].entdecktVon != tier && m_zyklus.size() <= roh.size()) {
            nr = roh[nr].entdecktVon;
            m_zyklus.append(nr);
        }
        std::reverse(m_zyklus.begin(), m_zyklus.end());
        return Status::Zyklus;
    }

    // depth-first, parents first; a grey parent closes a cycle
    QHash<qint32, int> farbe; // 0 white, 1 grey, 2 black
    QVector<qint32> ordnung;
    ordnung.reserve(reihe.size());
    struct Rahmen {
        qint32 nr;
        int schritt;
    };
    QVector<Rahmen> stapel;
    auto elternVon = [&](const Roh &r, int schritt) -> qint32 {
        if (r.stop)
            return 0;
        const qint32 e = schritt == 0 ? r.daten.vater : r.daten.mutter;
        return roh.contains(e) ? e : 0;
    };
    for (qint32 start : reihe) {
        if (farbe.value(start) != 0)
            continue;
        stapel.append({start, 0});
        farbe[start] = 1;
        while (!stapel.isEmpty()) {
            Rahmen &f = stapel.last();
            if (f.schritt == 2) {
                farbe[f.nr] = 2;
                ordnung.append(f.nr);
                stapel.removeLast();
                continue;
            }
            const qint32 e = elternVon(roh[f.nr], f.schritt++);
            if (e == 0)
                continue;
            const int fe = farbe.value(e);
            if (fe == 1) {
                int i = int(stapel.size()) - 1;
                while (i >= 0 && stapel[i].nr != e)
                    --i;
                for (int j = std::max(i, 0); j < stapel.size(); ++j)
                    m_zyklus.append(stapel[j].nr);
                return Status::Zyklus;
            }
            if (fe == 0) {
                farbe[e] = 1;
                stapel.append({e, 0});
            }
        }
    }

    m_ahnen.reserve(ordnung.size());
    for (int i = 0; i < ordnung.size(); ++i)
        m_index.insert(ordnung[i], i);
    for (qint32 nr : ordnung) {
        const Roh &r = roh[nr];
        Ahne a;
        a.nummer = nr;
        a.name = r.daten.name;
        a.rasse = r.daten.rasse;
        a.vaterNr = r.daten.vater;
        a.mutterNr = r.daten.mutter;
        a.stop = r.stop;
        a.hatMerkmal = !r.merkmale.isEmpty();
        if (a.hatMerkmal)
            a.merkmalFarbe = r.merkmale.first().farbe;
        for (const auto &mm : r.merkmale)
            if (mm.merkmal == MerkmalKlon)
                a.klon = true;
        if (!r.stop) {
            a.vater = m_index.value(r.daten.vater, -1);
            a.mutter = m_index.value(r.daten.mutter, -1);
        }
        a.tiefe = 0;
        if (a.vater >= 0)
            a.tiefe = m_ahnen[a.vater].tiefe + 1;
        if (a.mutter >= 0)
            a.tiefe = std::max(a.tiefe, m_ahnen[a.mutter].tiefe + 1);
        m_ahnen.append(a);
    }
    m_vater = m_index.value(vater);
    m_mutter = m_index.value(mutter);
    return Status::Ok;
}

void Ahnengraph::beginnen()
{
    m_ahnen.clear();
    m_index.clear();
    m_zyklus.clear();
    m_vater = m_mutter = -1;
    m_tierRasse = 0;
}

int Ahnengraph::hinzufuegen(qint32 nummer, int vater, int mutter)
{
    Ahne a;
    a.nummer = nummer;
    a.vater = vater;
    a.mutter = mutter;
    a.vaterNr = vater >= 0 ? m_ahnen[vater].nummer : 0;
    a.mutterNr = mutter >= 0 ? m_ahnen[mutter].nummer : 0;
    if (vater >= 0)
        a.tiefe = m_ahnen[vater].tiefe + 1;
    if (mutter >= 0)
        a.tiefe = std::max(a.tiefe, m_ahnen[mutter].tiefe + 1);
    const int i = int(m_ahnen.size());
    m_index.insert(nummer, i);
    m_ahnen.append(a);
    return i;
}

void Ahnengraph::setzePaar(int vater, int mutter)
{
    m_vater = vater;
    m_mutter = mutter;
}

} // namespace tav::breeding
