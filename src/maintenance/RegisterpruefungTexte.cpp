// RegisterpruefungTexte: what the register check says about its findings, as text and JSON, and
// the note an import leaves for it.
#include "Registerpruefung.h"

#include "app/Sprache.h"
#include "cats/CatSearch.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace tav::maintenance {

namespace {

constexpr int TagZeile = 7731;
const QString VermerkDatei = QStringLiteral("Importvermerk.txt");

QString datumText(const QDate &d)
{
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

QString katzenListe(const QVector<qint32> &nummern, const QHash<qint32, const PruefKatze *> &katzen,
                    const app::Sprache &katalog, const QString &trenner = QStringLiteral(", "))
{
    QStringList teile;
    for (const qint32 nr : nummern)
        teile << katzeText(katzen, nr, katalog);
    return teile.join(trenner);
}

} // namespace

QHash<qint32, const PruefKatze *> nachNummer(const QVector<PruefKatze> &katzen)
{
    QHash<qint32, const PruefKatze *> h;
    h.reserve(katzen.size());
    for (const PruefKatze &k : katzen)
        h.insert(k.nummer, &k);
    return h;
}

QString befundName(Befund art, const app::Sprache &katalog)
{
    return katalog.caption(TagBefundName + int(art));
}

QString katzeText(const QHash<qint32, const PruefKatze *> &katzen, qint32 nummer, const app::Sprache &katalog)
{
    const PruefKatze *k = katzen.value(nummer);
    if (!k)
        return QString::number(nummer);
    if (k->zeile > 0)
        return QStringLiteral("%1 (%2 %3)").arg(k->name, katalog.caption(TagZeile)).arg(k->zeile);
    return QStringLiteral("%1 (%2)").arg(k->name).arg(k->nummer);
}

QString erklaerung(const Fund &f, const QHash<qint32, const PruefKatze *> &katzen, const PruefOptionen &o,
                   const app::Sprache &katalog)
{
    const QString rolle = katalog.caption(f.vater ? TagVater : TagMutter);
    const qint32 erste = f.katzen.value(0);
    const PruefKatze *k = katzen.value(erste);
    const PruefKatze *p = katzen.value(f.katzen.value(1));
    switch (f.art) {
    case Befund::Schleife: {
        // the loop's cats come first, each a parent of the one before; the walk ends where it began
        QVector<qint32> weg;
        for (const qint32 nr : f.katzen) {
            weg.append(nr);
            const PruefKatze *c = katzen.value(nr);
            if (c && (c->vater == erste || c->mutter == erste))
                break;
        }
        weg.append(erste);
        return katalog.message(meldung::Schleife)
            .arg(katzenListe(weg, katzen, katalog, QStringLiteral(" → ")));
    }
    case Befund::VaterWeiblich:
    case Befund::MutterMaennlich:
        return katalog
            .message(f.art == Befund::VaterWeiblich ? meldung::VaterWeiblich : meldung::MutterMaennlich)
            .arg(katzeText(katzen, erste, katalog),
                 cats::geschlAnzeige(k ? k->geschlecht : QString(), katalog.languageNumber()),
                 katzenListe(f.katzen.mid(1), katzen, katalog));
    case Befund::ElterNachKind:
    case Befund::ElterZuJung:
    case Befund::NachTod: {
        if (!k || !p)
            break;
        // one arg() call each, so that a "%1" in a cat's name stays as it is
        const bool tod = f.art == Befund::NachTod;
        const QString a = katzeText(katzen, erste, katalog), b = datumText(k->geboren),
                      c = katzeText(katzen, p->nummer, katalog),
                      d = datumText(tod ? p->gestorben : p->geboren);
        if (f.art == Befund::ElterZuJung)
            return katalog.message(meldung::ElterZuJung)
                .arg(a, b, rolle, c, d, QString::number(f.wert), QString::number(o.mindestMonate));
        if (tod && f.vater)
            return katalog.message(meldung::NachTodVater)
                .arg(a, b, rolle, c, d, QString::number(o.tageTraechtigkeit));
        return katalog.message(tod ? meldung::NachTod : meldung::ElterNachKind).arg(a, b, rolle, c, d);
    }
    case Befund::ElterFehlt:
        return katalog.message(meldung::ElterFehlt)
            .arg(katzeText(katzen, erste, katalog), rolle, QString::number(f.wert));
    case Befund::Duplikat:
        return katalog.message(meldung::Duplikat)
            .arg(k ? datumText(k->geboren) : QString(), katzenListe(f.katzen, katzen, katalog));
    }
    return QString();
}

QByteArray alsJson(const PruefErgebnis &e, const QVector<PruefKatze> &katzen, const PruefOptionen &o,
                   const app::Sprache &katalog)
{
    static const char *const arten[BefundArten] = {"loop",
                                                   "sire-female",
                                                   "dam-male",
                                                   "parent-not-older",
                                                   "parent-too-young",
                                                   "born-after-death",
                                                   "missing-parent",
                                                   "duplicate"};
    const auto nummern = nachNummer(katzen);
    QJsonArray funde;
    for (const Fund &f : e.funde) {
        QJsonArray beteiligt;
        for (const qint32 nr : f.katzen) {
            QJsonObject c{{QStringLiteral("number"), nr}};
            if (const PruefKatze *k = nummern.value(nr)) {
                c.insert(QStringLiteral("name"), k->name);
                if (k->zeile > 0)
                    c.insert(QStringLiteral("line"), k->zeile);
            }
            beteiligt.append(c);
        }
        QJsonObject j{{QStringLiteral("kind"), QString::fromLatin1(arten[int(f.art)])},
                      {QStringLiteral("cats"), beteiligt},
                      {QStringLiteral("explanation"), erklaerung(f, nummern, o, katalog)}};
        if (f.art == Befund::ElterFehlt)
            j.insert(QStringLiteral("missing"), f.wert);
        funde.append(j);
    }
    QJsonObject wurzel{{QStringLiteral("cats"), int(katzen.size())},
                       {QStringLiteral("minimumMonths"), o.mindestMonate},
                       {QStringLiteral("findings"), funde}};
    if (e.abgebrochen)
        wurzel.insert(QStringLiteral("cancelled"), true);
    return QJsonDocument(wurzel).toJson(QJsonDocument::Indented);
}

void importVermerken(const QString &datenOrdner, int anzahl)
{
    const int bisher = importVermerk(datenOrdner);
    QSaveFile f(QDir(datenOrdner).filePath(VermerkDatei));
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QByteArray::number(bisher + anzahl) + '\n');
        f.commit();
    }
}

int importVermerk(const QString &datenOrdner)
{
    QFile f(QDir(datenOrdner).filePath(VermerkDatei));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return std::max(0, f.readLine().trimmed().toInt());
}

void importVermerkLoeschen(const QString &datenOrdner)
{
    QFile::remove(QDir(datenOrdner).filePath(VermerkDatei));
}

} // namespace tav::maintenance
