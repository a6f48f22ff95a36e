#include "Verpaarungen.h"

#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"

#include <QLocale>
#include <algorithm>

namespace tav::breeding {

using namespace store::namen;

bool istKater(const QString &geschlecht)
{
    return geschlecht == QLatin1String("1") || geschlecht == QLatin1String("3");
}

QVector<NachwuchsZeile> leseNachwuchs(store::Database &db, qint32 katze, bool kater)
{
    // the cat's own parent field, and the partner's
    const QString eigen = kater ? QStringLiteral("Vater") : QStringLiteral("Mutter");
    const QString anderer = kater ? QStringLiteral("Mutter") : QStringLiteral("Vater");
    store::Query q(&db, QStringLiteral("SELECT b.LaufendeNummer AS pnr, b.Name AS pname, b.Geschlecht AS pg,"
                                       " a.LaufendeNummer AS knr, a.Name AS kname, a.Geschlecht AS kg,"
                                       " a.GebDatum AS geb"
                                       " FROM catstamm.db a, catstamm.db b"
                                       " WHERE a.%1 = :katze AND a.%2 = b.LaufendeNummer"
                                       " ORDER BY b.Name COLLATE DE, b.LaufendeNummer, a.GebDatum DESC,"
                                       " a.Name COLLATE DE, a.LaufendeNummer")
                            .arg(eigen, anderer));
    q.bindValue(QStringLiteral(":katze"), katze);
    q.open();
    QVector<NachwuchsZeile> zeilen;
    for (; !q.eof(); q.next()) {
        NachwuchsZeile z;
        z.partner = q.value(0).toInt();
        z.partnerName = q.value(1).toString();
        z.partnerGeschlecht = q.value(2).toString();
        z.kitten = q.value(3).toInt();
        z.kittenName = q.value(4).toString();
        z.kittenGeschlecht = q.value(5).toString();
        z.gebDatum = q.value(6).toDate();
        zeilen.append(z);
    }
    return zeilen;
}

QString adresseAnzeige(const QString &vorname, const QString &name)
{
    return vorname.isEmpty() ? name : vorname + QLatin1Char(' ') + name;
}

namespace {

// the first row of a statement with one bound number, or an empty row
QVariantList ersteZeile(store::Database &db, const QString &sql, qint32 nummer)
{
    store::Query q(&db, sql);
    q.addBindValue(nummer);
    q.open();
    QVariantList zeile;
    if (!q.eof())
        for (int i = 0; i < q.columns().size(); ++i)
            zeile << q.value(i);
    return zeile;
}

QString adresse(store::Database &db, qint32 nummer)
{
    if (nummer <= 0 || !db.tableExists(adr_dat::Datei))
        return QString();
    const QVariantList a =
        ersteZeile(db, QStringLiteral("SELECT Vorname, Name FROM adr_dat.db WHERE LaufendeNr = ?"), nummer);
    return a.isEmpty() ? QString() : adresseAnzeige(a[0].toString(), a[1].toString());
}

} // namespace

JungtierDaten leseJungtier(store::Database &db, qint32 nummer)
{
    JungtierDaten j;
    const QVariantList k = ersteZeile(db,
                                      QStringLiteral("SELECT Rasse, FellFarbe, Besitzer, Züchter, Toddatum,"
                                                     " Bemerkung FROM catstamm.db WHERE LaufendeNummer = ?"),
                                      nummer);
    if (k.isEmpty())
        return j;
    if (k[0].toInt() > 0 && db.tableExists(rasse::Datei))
        j.rasse = ersteZeile(db, QStringLiteral("SELECT RName FROM rasse.db WHERE RCode = ?"), k[0].toInt())
                      .value(0)
                      .toString();
    j.farbe = k[1].toString();
    j.besitzer = adresse(db, k[2].toInt());
    j.zuechter = adresse(db, k[3].toInt());
    j.gestorben = k[4].toDate();
    j.bemerkung = k[5].toString();
    if (db.tableExists(verkauft::Datei)) {
        const QVariantList v = ersteZeile(db,
                                          QStringLiteral("SELECT Verkauftam, Gekauftam FROM verkauft.db"
                                                         " WHERE Katze = ? ORDER BY LaufendeNummer"),
                                          nummer);
        j.verkauft = v.value(0).toDate();
        j.gekauft = v.value(1).toDate();
    }
    return j;
}

QString WurfStatistik::durchschnitt(const QLocale &locale) const
{
    if (wuerfe == 0)
        return QStringLiteral("0");
    return locale.toString(double(junge) / wuerfe, 'f', 1);
}

void WurfStatistik::zaehleWurf(int groesse)
{
    ++wuerfe;
    kleinste = wuerfe == 1 ? groesse : std::min(kleinste, groesse);
    groesste = std::max(groesste, groesse);
}

namespace {

void zaehleJunges(WurfStatistik &s, const QString &geschlecht)
{
    ++s.junge;
    if (istKater(geschlecht))
        ++s.maennlich;
    else
        ++s.weiblich;
}

} // namespace

Verpaarungen baueVerpaarungen(const QVector<NachwuchsZeile> &zeilen)
{
    Verpaarungen v;
    v.zeilen = zeilen;
    for (int i = 0; i < zeilen.size(); ++i) {
        const NachwuchsZeile &z = zeilen[i];
        if (v.partner.isEmpty() || v.partner.last().nummer != z.partner)
            v.partner.append({z.partner, z.partnerName, istKater(z.partnerGeschlecht), {}, {}});
        Partner &p = v.partner.last();
        // an unrecorded date is a date of its own: the dateless kittens of a partner are one litter
        if (p.wuerfe.isEmpty() || p.wuerfe.last().datum != z.gebDatum)
            p.wuerfe.append({z.gebDatum, {}, {}});
        Wurf &w = p.wuerfe.last();
        w.zeilen.append(i);
        zaehleJunges(w.statistik, z.kittenGeschlecht);
        zaehleJunges(p.statistik, z.kittenGeschlecht);
        zaehleJunges(v.statistik, z.kittenGeschlecht);
    }
    for (Partner &p : v.partner)
        for (Wurf &w : p.wuerfe) {
            w.statistik.zaehleWurf(w.statistik.junge);
            p.statistik.zaehleWurf(w.statistik.junge);
            v.statistik.zaehleWurf(w.statistik.junge);
        }
    return v;
}

QStringList Verpaarungen::partnerZeilen(const QString &einWurf, const QString &mehrereWuerfe) const
{
    QStringList zeilen;
    for (const Partner &p : partner) {
        const int n = int(p.wuerfe.size());
        zeilen << QStringLiteral("  %1  %2  %3")
                      .arg(QString::number(n), n == 1 ? einWurf : mehrereWuerfe, p.name);
    }
    return zeilen;
}

} // namespace tav::breeding
