// Registerpruefung: the integrity check of the cat register.
#include "Registerpruefung.h"

#include "app/IniFile.h"
#include "app/Systemi.h"
#include "cats/CatNames.h"
#include "cats/CatRules.h"
#include "store/Database.h"
#include "store/KeyCodec.h"
#include "store/Query.h"

#include <QSet>
#include <algorithm>

namespace tav::maintenance {

namespace {

const QString Abschnitt = QStringLiteral("Registerpruefung");
const QString MonateSchluessel = QStringLiteral("Monate");
constexpr int MonateHoechstens = 120;

// the progress callback is asked this often, so that a cancel is seen quickly and cheaply
constexpr int Schritt = 4096;

int volleMonate(const QDate &von, const QDate &bis)
{
    int m = (bis.year() - von.year()) * 12 + bis.month() - von.month();
    if (bis.day() < von.day())
        --m;
    return m;
}

class Pruefung
{
  public:
    Pruefung(const QVector<PruefKatze> &k, const PruefOptionen &o, const PruefFortschritt &f)
        : katzen(k), opt(o), fortschritt(f), n(int(k.size()))
    {
    }

    PruefErgebnis laufen()
    {
        index.reserve(n);
        for (int i = 0; i < n; ++i)
            index.insert(katzen[i].nummer, i);
        vaterIdx.fill(-1, n);
        mutterIdx.fill(-1, n);
        if (!verbindungen() || !schleifen() || !duplikate())
            e.abgebrochen = true;
        std::stable_sort(e.funde.begin(), e.funde.end(), [](const Fund &a, const Fund &b) {
            if (a.art != b.art)
                return a.art < b.art;
            return a.katzen.value(0) < b.katzen.value(0);
        });
        return e;
    }

  private:
    bool weiter(int i, int phase)
    {
        return !fortschritt || i % Schritt != 0 || fortschritt(phase * n + i, 3 * n);
    }

    // links: missing parents, sexes, dates
    bool verbindungen()
    {
        QHash<int, QVector<qint32>> alsVater, alsMutter; // wrongly sexed parent -> its kittens
        for (int i = 0; i < n; ++i) {
            if (!weiter(i, 0))
                return false;
            const PruefKatze &k = katzen[i];
            for (const bool istVater : {true, false}) {
                const qint32 nr = istVater ? k.vater : k.mutter;
                if (nr == 0)
                    continue;
                const int j = index.value(nr, -1);
                if (j < 0) {
                    e.funde.append({Befund::ElterFehlt, {k.nummer}, nr, istVater});
                    continue;
                }
                (istVater ? vaterIdx : mutterIdx)[i] = j;
                if (j == i)
                    continue; // its own parent: the loop says it all
                const PruefKatze &p = katzen[j];
                if (istVater && cats::istKatze(p.geschlecht))
                    alsVater[j].append(k.nummer);
                if (!istVater && cats::istKater(p.geschlecht))
                    alsMutter[j].append(k.nummer);
                datum(k, p, istVater);
            }
        }
        for (const bool istVater : {true, false}) {
            const auto &falsch = istVater ? alsVater : alsMutter;
            for (auto it = falsch.cbegin(); it != falsch.cend(); ++it) {
                QVector<qint32> beteiligt{katzen[it.key()].nummer};
                beteiligt += it.value();
                e.funde.append(
                    {istVater ? Befund::VaterWeiblich : Befund::MutterMaennlich, beteiligt, 0, istVater});
            }
        }
        return true;
    }

    void datum(const PruefKatze &k, const PruefKatze &p, bool istVater)
    {
        if (!k.geboren.isValid())
            return;
        if (p.geboren.isValid()) {
            if (p.geboren >= k.geboren)
                e.funde.append({Befund::ElterNachKind, {k.nummer, p.nummer}, 0, istVater});
            else if (const std::optional<int> m = elterZuJung(p.geboren, k.geboren, opt.mindestMonate))
                e.funde.append({Befund::ElterZuJung, {k.nummer, p.nummer}, *m, istVater});
        }
        // a sire may die between the mating and the birth
        if (p.gestorben.isValid() &&
            k.geboren > (istVater ? p.gestorben.addDays(opt.tageTraechtigkeit) : p.gestorben))
            e.funde.append({Befund::NachTod, {k.nummer, p.nummer}, 0, istVater});
    }

    // Tarjan's strongly connected components over the links to parents, without recursion: a
    // component of more than one cat, or a cat that is its own parent, is one loop.
    bool schleifen()
    {
        QVector<int> nr(n, -1), tief(n, 0), stapel;
        QVector<char> aufStapel(n, 0);
        struct Rahmen {
            int v, kante;
        };
        QVector<Rahmen> weg;
        int zaehler = 0;
        for (int s = 0; s < n; ++s) {
            if (!weiter(s, 1))
                return false;
            if (nr[s] >= 0)
                continue;
            weg.append({s, 0});
            nr[s] = tief[s] = zaehler++;
            stapel.append(s);
            aufStapel[s] = 1;
            while (!weg.isEmpty()) {
                Rahmen &r = weg.last();
                const int v = r.v;
                if (r.kante < 2) {
                    const int w = r.kante++ == 0 ? vaterIdx[v] : mutterIdx[v];
                    if (w < 0)
                        continue;
                    if (nr[w] < 0) {
                        nr[w] = tief[w] = zaehler++;
                        stapel.append(w);
                        aufStapel[w] = 1;
                        weg.append({w, 0});
                    } else if (aufStapel[w]) {
                        tief[v] = std::min(tief[v], nr[w]);
                    }
                    continue;
                }
                weg.removeLast();
                if (!weg.isEmpty())
                    tief[weg.last().v] = std::min(tief[weg.last().v], tief[v]);
                if (tief[v] != nr[v])
                    continue;
                QVector<int> teil;
                int w;
                do {
                    w = stapel.takeLast();
                    aufStapel[w] = 0;
                    teil.append(w);
                } while (w != v);
                if (teil.size() > 1 || vaterIdx[v] == v || mutterIdx[v] == v)
                    e.funde.append({Befund::Schleife, schleifenWeg(teil), 0, true});
            }
        }
        return true;
    }

    // The cats of a component, those of one loop through it first (each a parent of the one
    // before it, starting at the lowest number), then the others.
    QVector<qint32> schleifenWeg(const QVector<int> &teil) const
    {
        QHash<int, int> stelle; // index of the cat -> position on the walk
        const QSet<int> drin(teil.cbegin(), teil.cend());
        const int start = *std::min_element(
            teil.cbegin(), teil.cend(), [this](int a, int b) { return katzen[a].nummer < katzen[b].nummer; });
        QVector<int> gang;
        for (int v = start; !stelle.contains(v);) {
            stelle.insert(v, int(gang.size()));
            gang.append(v);
            const int vater = vaterIdx[v];
            v = drin.contains(vater) ? vater : mutterIdx[v];
        }
        QVector<qint32> ergebnis;
        const int v = vaterIdx[gang.last()];
        const int anfang = stelle.value(drin.contains(v) ? v : mutterIdx[gang.last()]);
        for (int i = anfang; i < gang.size(); ++i)
            ergebnis.append(katzen[gang[i]].nummer);
        QVector<qint32> rest;
        for (const int i : teil)
            if (!stelle.contains(i) || stelle.value(i) < anfang)
                rest.append(katzen[i].nummer);
        std::sort(rest.begin(), rest.end());
        return ergebnis + rest;
    }

    // names compared as the case-blind index compares them (umlauts, ß and case as the store's
    // collation treats them); a cat without birth date is never a duplicate
    bool duplikate()
    {
        QHash<QByteArray, QVector<qint32>> gruppen;
        for (int i = 0; i < n; ++i) {
            if (!weiter(i, 2))
                return false;
            const PruefKatze &k = katzen[i];
            const QString name = cats::normalizedName(k.name);
            if (!k.geboren.isValid() || name.isEmpty())
                continue;
            QByteArray schluessel;
            store::keycodec::appendField(schluessel, store::FieldType::Date, k.geboren, false);
            store::keycodec::appendField(schluessel, store::FieldType::String, name, true);
            gruppen[schluessel].append(k.nummer);
        }
        for (auto it = gruppen.begin(); it != gruppen.end(); ++it) {
            if (it->size() < 2)
                continue;
            std::sort(it->begin(), it->end());
            e.funde.append({Befund::Duplikat, *it, 0, true});
        }
        return true;
    }

    const QVector<PruefKatze> &katzen;
    const PruefOptionen &opt;
    const PruefFortschritt &fortschritt;
    const int n;
    QHash<qint32, int> index;
    QVector<int> vaterIdx, mutterIdx;
    PruefErgebnis e;
};

} // namespace

PruefErgebnis registerPruefen(const QVector<PruefKatze> &katzen, const PruefOptionen &optionen,
                              const PruefFortschritt &fortschritt)
{
    return Pruefung(katzen, optionen, fortschritt).laufen();
}

QVector<PruefKatze> registerLesen(store::Database &db)
{
    store::Query q(&db,
                   QStringLiteral("SELECT LaufendeNummer, Name, Zwinger, Geschlecht, GebDatum, Toddatum, "
                                  "Vater, Mutter FROM \"catstamm.db\""));
    QVector<PruefKatze> alle;
    for (q.open(); !q.eof(); q.next()) {
        PruefKatze k;
        k.nummer = q.value(0).toInt();
        k.name = q.value(1).toString();
        k.zwinger = q.value(2).toString();
        k.geschlecht = q.value(3).toString();
        k.geboren = q.value(4).toDate();
        k.gestorben = q.value(5).toDate();
        k.vater = q.value(6).toInt();
        k.mutter = q.value(7).toInt();
        alle.append(std::move(k));
    }
    return alle;
}

PruefOptionen pruefOptionenLesen()
{
    const QString pfad =
        app::tsysteminfo::instance() ? app::tsysteminfo::instance()->datei() : app::settingsPath();
    app::IniFile ini(pfad);
    app::tsysteminfo s;
    s.read(ini);
    PruefOptionen o;
    o.tageTraechtigkeit = s.TageTraechtigkeit;
    o.mindestMonate =
        std::clamp(ini.readInteger(Abschnitt, MonateSchluessel, o.mindestMonate), 1, MonateHoechstens);
    return o;
}

std::optional<int> elterZuJung(const QDate &elter, const QDate &kind, int mindestMonate)
{
    if (!elter.isValid() || !kind.isValid() || elter >= kind)
        return std::nullopt;
    const int m = volleMonate(elter, kind);
    return m < mindestMonate ? std::optional<int>(m) : std::nullopt;
}

bool pruefMonateSchreiben(int monate)
{
    const QString pfad =
        app::tsysteminfo::instance() ? app::tsysteminfo::instance()->datei() : app::settingsPath();
    return app::IniFile::write(pfad, Abschnitt, MonateSchluessel, std::clamp(monate, 1, MonateHoechstens));
}

} // namespace tav::maintenance
