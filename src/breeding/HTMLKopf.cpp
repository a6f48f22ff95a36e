// HTMLKopf: the head data fields of the HTML pedigree page and their arrangement.
#include "HTMLKopf.h"

#include "app/Global.h"
#include "cats/Stammdaten.h"
#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QDate>
#include <algorithm>

namespace tav::breeding {

using namespace store::namen;

namespace {
constexpr int Label[HTMLKopfFelder + 1] = {0,   758, 1427, 761, 757,  1428, 762, 1433, 766,
                                           765, 837, 835,  836, 1432, 1435, 944, 1436, 1437};

QVariantList zeile(store::Database &db, const QString &sql, const QVariant &wert)
{
    store::Query q(&db, sql);
    q.addBindValue(wert);
    q.open();
    QVariantList out;
    if (!q.eof()) {
        for (int i = 0; i < q.columns().size(); ++i)
            out << q.value(i);
    }
    return out;
}

QString ersteZeile(const QString &block)
{
    return block.section(QLatin1Char('\n'), 0, 0).trimmed();
}
} // namespace

HTMLKopfDaten htmlKopfDatenLesen(store::Database &db, qint32 katze, bool englischeNamen,
                                 const std::function<QString(qint32)> &titel)
{
    HTMLKopfDaten d;
    const QVariantList k = zeile(
        db,
        QStringLiteral("SELECT Name, Zuchtbuchnummer1, GebDatum, FellFarbe, Rasse, Geschlecht, Augenfarbe,"
                       " Zwinger, Besitzer, Züchter, Tests, ChipNr, Blutgruppe, TaetoNr, Fellart, Status"
                       " FROM catstamm.db WHERE LaufendeNummer = ?"),
        katze);
    if (k.isEmpty())
        return d;
    auto text = [&k](int i) { return k[i].toString(); };
    d.name = text(0);
    if (!text(5).isEmpty() && titel)
        d.titel = titel(katze);
    d.wert[1] = text(1);
    d.wert[2] = app::datumText(k[2].toDate());
    d.wert[3] = text(3);
    if (k[4].toInt() > 0) {
        const QVariantList r =
            zeile(db, QStringLiteral("SELECT RName, RNameEng FROM rasse.db WHERE RCode = ?"), k[4]);
        if (!r.isEmpty())
            d.wert[4] = englischeNamen && !r[1].toString().isEmpty() ? r[1].toString() : r[0].toString();
    }
    d.wert[5] = text(5);
    d.wert[6] = text(6);
    if (englischeNamen && !d.wert[6].isEmpty()) {
        const QVariantList a =
            zeile(db, QStringLiteral("SELECT AugenfarbeEng FROM augen.db WHERE Augenfarbe = ?"), d.wert[6]);
        if (!a.isEmpty() && !a[0].toString().isEmpty())
            d.wert[6] = a[0].toString();
    }
    d.wert[7] = text(7);
    store::Table adressen(&db, adr_dat::Datei);
    adressen.setReadOnly(true);
    adressen.open();
    d.wert[8] = ersteZeile(k[15].toInt() == 1 ? cats::eigeneAdresseText(db)
                                              : cats::adressText(adressen, k[8].toInt()));
    d.wert[9] = ersteZeile(cats::adressText(adressen, k[9].toInt()));
    d.wert[10] = text(10);
    d.wert[11] = text(11);
    d.wert[12] = text(12);
    const QVariantList b = zeile(
        db, QStringLiteral("SELECT Bewertung FROM bewert.db WHERE Katze = ? ORDER BY LaufendeNr"), katze);
    if (!b.isEmpty())
        d.wert[14] = b[0].toString()
                         .replace(QLatin1Char('\r'), QLatin1Char(' '))
                         .replace(QLatin1Char('\n'), QLatin1Char(' '));
    store::Query m(
        &db, QStringLiteral("SELECT m.Kuerzel FROM katzemerkmal.db k, merkmale.db m"
                            " WHERE k.Katze = ? AND k.Merkmal = m.LaufendeNummer ORDER BY k.LaufendeNummer"));
    m.addBindValue(katze);
    QStringList kuerzel;
    for (m.open(); !m.eof(); m.next())
        kuerzel << m.value(0).toString();
    d.wert[15] = kuerzel.join(QStringLiteral(" / "));
    if (k[14].toInt() > 0) {
        const QVariantList f =
            zeile(db, QStringLiteral("SELECT Bezeichnung FROM fellart.db WHERE LaufendeNummer = ?"), k[14]);
        if (!f.isEmpty())
            d.wert[16] = f[0].toString();
    }
    d.wert[17] = text(13);
    return d;
}

QString htmlNameZeile(const HTMLKopfDaten &d)
{
    return d.titel.isEmpty() ? d.name : d.titel + QLatin1Char(' ') + d.name;
}

HTMLFelderSortierung htmlNormalisieren(HTMLFelder &felder, int oben)
{
    std::array<int, HTMLKopfFelder> reihe;
    for (int i = 0; i < HTMLKopfFelder; ++i)
        reihe[size_t(i)] = i + 1;
    std::stable_sort(reihe.begin(), reihe.end(),
                     [&felder](int a, int b) { return felder[a].pos < felder[b].pos; });
    HTMLFelderSortierung s{};
    std::array<int, 4> frei = {0, 1, 1, 1};
    for (const int feld : reihe) {
        HTMLFeldPos &f = felder[feld];
        if (f.spalte < 1 || f.spalte > 3)
            f.spalte = 3;
        const int k = frei[f.spalte]++;
        s[k][f.spalte] = feld;
        f.pos = oben + k * 22;
    }
    return s;
}

QStringList htmlKopfSpalte(int spalte, const HTMLFelderSortierung &sortierung, const HTMLFelder &felder,
                           const HTMLKopfDaten &d, const std::function<QString(int)> &caption)
{
    auto label = [&caption](int tag) { return caption(tag) + QLatin1Char(' '); };
    QStringList zeilen;
    for (int k = 1; k <= HTMLKopfFelder; ++k) {
        const int feld = sortierung[k][spalte];
        if (feld <= 0)
            continue;
        const HTMLFeldPos &f = felder[feld];
        const bool mitBez = f.mitBez == 0;
        if (feld == 13) {
            if (!d.inzucht.isEmpty() || !d.ahnenverlust.isEmpty() || f.weglassen == 1)
                zeilen << (mitBez ? label(1432) : QString()) + d.inzucht + QStringLiteral(" / ") +
                              (mitBez ? label(1439) : QString()) + d.ahnenverlust;
            continue;
        }
        QString wert = d.wert[size_t(feld)];
        if (feld == 5) {
            const QString g = wert;
            wert = g == QLatin1String("1")   ? caption(1429)
                   : g == QLatin1String("2") ? caption(1430)
                   : g == QLatin1String("3") ? caption(1431) + QLatin1Char(' ') + caption(1429)
                   : g == QLatin1String("4") ? caption(1431) + QLatin1Char(' ') + caption(1430)
                                             : QString();
        }
        if (!wert.isEmpty() || f.weglassen == 1 || feld == 1)
            zeilen << (mitBez ? label(Label[feld]) : QString()) + wert;
    }
    return zeilen;
}

HTMLSeitenSprache htmlSeitenSprache(const QString &listenText, int programmSprache)
{
    const QString t = listenText.trimmed().toLower();
    const bool deutsch = t == QLatin1String("deutsch") || t == QLatin1String("german");
    const bool englisch = t == QLatin1String("englisch") || t == QLatin1String("english");
    // breed and eye colour take their English names exactly when the page is English
    if (deutsch)
        return {0, false};
    if (englisch)
        return {1, true};
    return {programmSprache, programmSprache == 1};
}

QString htmlPfadBereinigen(const QString &pfad)
{
    const qsizetype schnitt = pfad.lastIndexOf(QLatin1Char('/')) + 1;
    QString ordner = pfad.left(schnitt), name = pfad.mid(schnitt);
    for (const QChar c : QStringLiteral("\\*?\"<>|")) {
        ordner.remove(c);
        name.remove(c);
    }
    name.remove(QLatin1Char(':'));
    return ordner + name;
}

QString htmlStandardPfad(const QString &htmlPfad, const QString &home, const QString &name)
{
    QString ordner = htmlPfad.trimmed();
    if (ordner == QLatin1String("LEER") || ordner.isEmpty())
        ordner = home + QStringLiteral("/Bmp/");
    if (!ordner.endsWith(QLatin1Char('/')))
        ordner += QLatin1Char('/');
    QString datei = name;
    datei.remove(QLatin1Char('/'));
    return htmlPfadBereinigen(ordner + datei + QStringLiteral(".htm"));
}

} // namespace tav::breeding
