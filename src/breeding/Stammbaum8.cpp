// Stammbaum8: the eight-generation pedigree window's rules: box positions and the ancestors in them.
#include "Stammbaum8.h"

#include "PedigreeSource.h"
#include "store/Database.h"
#include "store/Namen_register.h"
#include "store/Query.h"

#include <QFileInfo>
#include <QSet>

namespace tav::breeding {

using namespace store::namen;

namespace stammbaum8 {

namespace {
constexpr int Spalten[Generationen] = {72, 155, 255, 365, 469, 585, 894, 1204};
constexpr int KlammerAbstand = 8; // the bracket's vertical line stands this far left of the parents

int boxHoehe(int g)
{
    return g == Generationen ? 13 : 15;
}
int bildGroesse(int g)
{
    return g == BildGenerationen ? 80 : 90;
}
} // namespace

int spalte(int g)
{
    return Spalten[g - 1];
}

int mitte(int g, int i)
{
    if (g == 0)
        return Oben + Hoehe / 2;
    return Oben + (2 * i - 1) * Hoehe / (1 << (g + 1));
}

QRect box(int g, int i)
{
    const int h = boxHoehe(g);
    return QRect(spalte(g), mitte(g, i) - h / 2, BoxBreite, h);
}

// The frames fill the gaps the brackets and the neighbouring columns leave: below the box and right
// of its parents' bracket in generations 1 and 2, left of the box in 3 to 5.
QRect bildRahmen(int g, int i)
{
    if (g < 1 || g > BildGenerationen)
        return QRect();
    const int s = bildGroesse(g);
    const int y = mitte(g, i);
    if (g == 1)
        return QRect(spalte(2) + 2, y + 12, s, s);
    if (g == 2)
        return QRect(spalte(2), y + 12, s, s);
    // a little above the middle: the heading of the column to the left stands right below
    return QRect(spalte(g) - KlammerAbstand - 4 - s, y - s / 2 - 4, s, s);
}

QRect wurzelText()
{
    return QRect(4, mitte(0, 1) - 120, 259, 240);
}

QRect wurzelBild()
{
    return QRect(4, wurzelText().top() - 100, 95, 95);
}

QSize flaeche()
{
    return QSize(spalte(Generationen) + BoxBreite + 8, Oben + Hoehe + 8);
}

Klammer klammer(int g, int i)
{
    const int x = spalte(g + 1) - KlammerAbstand;
    const int y1 = mitte(g + 1, 2 * i - 1);
    const int y2 = mitte(g + 1, 2 * i);
    return Klammer{QLine(x, y1, x, y2), QLine(x, y1, spalte(g + 1), y1), QLine(x, y2, spalte(g + 1), y2)};
}

std::array<Ueberschrift, 14> ueberschriften()
{
    std::array<Ueberschrift, 14> out;
    for (int g = 1; g <= 7; ++g) {
        for (int seite = 0; seite < 2; ++seite) {
            // above the first box of the half
            const QRect b = box(g, seite * anzahl(g) / 2 + 1);
            out[(g - 1) * 2 + seite] = Ueberschrift{g, seite == 0, QRect(b.left(), b.top() - 15, 200, 14)};
        }
    }
    return out;
}

} // namespace stammbaum8

QString stammbaumBoxText(const QString &titel, const QString &name, qint32 nummer)
{
    return QLatin1Char(' ') + titel + QLatin1Char(' ') + name + QLatin1Char('{') + QString::number(nummer) +
           QLatin1Char('}');
}

std::optional<qint32> nummerAusBoxText(const QString &text)
{
    const qsizetype schluss = text.lastIndexOf(QLatin1Char('}'));
    if (schluss < 0)
        return std::nullopt;
    const qsizetype auf = text.lastIndexOf(QLatin1Char('{'), schluss);
    if (auf < 0)
        return std::nullopt;
    bool ok = false;
    const qint32 nr = text.mid(auf + 1, schluss - auf - 1).toInt(&ok);
    if (!ok || nr <= 0)
        return std::nullopt;
    return nr;
}

QString Stammbaum8::text(int g, int i) const
{
    const Ahn &a = ahn(g, i);
    return a.nummer == 0 ? QString() : stammbaumBoxText(a.titel, a.name, a.nummer);
}

QVector<qint32> Stammbaum8::katzen() const
{
    QVector<qint32> out;
    QSet<qint32> gesehen;
    for (const Ahn &a : ahnen) {
        if (a.nummer && !gesehen.contains(a.nummer)) {
            gesehen.insert(a.nummer);
            out.append(a.nummer);
        }
    }
    return out;
}

void Stammbaum8::setzeTitel(const QHash<qint32, QString> &titel)
{
    for (Ahn &a : ahnen)
        a.titel = a.nummer ? titel.value(a.nummer) : QString();
}

Stammbaum8 leseStammbaum8(const PedigreeSource &quelle, qint32 wurzel)
{
    using namespace stammbaum8;
    Stammbaum8 s;
    s.wurzel = wurzel;
    const std::optional<KatzeDaten> k = quelle.katze(wurzel);
    if (!k)
        return s;
    std::array<qint32, Boxen + 2> vater{}, mutter{};
    s.ahnen[1].nummer = wurzel;
    s.ahnen[1].name = k->name;
    vater[1] = k->vater;
    mutter[1] = k->mutter;
    // a cat that occurs several times is read once
    QHash<qint32, int> gelesen;
    gelesen.insert(wurzel, 1);
    for (int index = 2; index <= Boxen + 1; ++index) {
        const int kind = index / 2;
        const qint32 nr = (index % 2 == 0) ? vater[kind] : mutter[kind];
        if (nr <= 0)
            continue;
        Stammbaum8::Ahn &a = s.ahnen[index];
        if (const auto it = gelesen.constFind(nr); it != gelesen.constEnd()) {
            a = s.ahnen[*it];
            if (index <= Boxen / 2) {
                vater[index] = vater[*it];
                mutter[index] = mutter[*it];
            }
            continue;
        }
        const std::optional<KatzeDaten> d = quelle.katze(nr);
        if (!d)
            continue;
        a.nummer = nr;
        a.name = d->name;
        gelesen.insert(nr, index);
        if (index <= Boxen / 2) {
            vater[index] = d->vater;
            mutter[index] = d->mutter;
        }
    }
    return s;
}

QHash<qint32, QString> stammbaumBilder(store::Database &db, const QVector<qint32> &katzen)
{
    QHash<qint32, QString> out;
    if (katzen.isEmpty() || !db.tableExists(bilder::Datei))
        return out;
    QString fragen;
    for (int n = 0; n < katzen.size(); ++n)
        fragen += n ? QStringLiteral(",?") : QStringLiteral("?");
    store::Query q(&db, QStringLiteral("SELECT b.KatzeNr, b.Bildpfad, k.Feld2 FROM \"bilder.db\" b "
                                       "JOIN \"catstamm.db\" k ON k.LaufendeNummer = b.KatzeNr "
                                       "WHERE b.KatzeNr IN (%1) ORDER BY b.KatzeNr, b.LaufendeNr")
                            .arg(fragen));
    for (qint32 k : katzen)
        q.addBindValue(k);
    qint32 katze = 0;
    int position = 0;
    for (q.open(); !q.eof(); q.next()) {
        const qint32 nr = q.value(0).toInt();
        if (nr != katze) {
            katze = nr;
            position = 0;
        }
        ++position;
        const QString pfad = q.value(1).toString();
        if (pfad.isEmpty() || !QFileInfo(pfad).isFile())
            continue;
        if (!out.contains(nr) || position == q.value(2).toInt())
            out.insert(nr, pfad);
    }
    return out;
}

} // namespace tav::breeding
