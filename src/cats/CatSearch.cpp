#include "CatSearch.h"

#include "Referenzlisten.h"
#include "TextMatch.h"
#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Query.h"

#include <QRegularExpression>

using namespace tav::store::namen;

namespace tav::cats {

bool SuchKriterien::leer() const
{
    for (const QString *t :
         {&name, &zwinger, &rufname, &rasse, &farbe, &zuechter, &besitzer, &zbNr, &status, &gebDatum}) {
        if (!t->trimmed().isEmpty())
            return false;
    }
    return true;
}

Geschlechter geschlechtsFilter(const Aufrufer &a)
{
    switch (a.formular) {
    case Formular::Hauptfenster:
        if (a.ahnenEingabe && a.vmZeiger == QLatin1Char('M'))
            return Geschlechter::Weiblich;
        if (a.ahnenEingabe && a.vmZeiger == QLatin1Char('V'))
            return Geschlechter::Maennlich;
        return Geschlechter::Alle;
    case Formular::Inzuchtgrad:
    case Formular::Eltern:
        if (a.fokus == Fokus::VaterSuchen)
            return Geschlechter::Maennlich;
        if (a.fokus == Fokus::MutterSuchen)
            return Geschlechter::Weiblich;
        return Geschlechter::Alle;
    case Formular::Buecher:
        if (a.fokus == Fokus::DeckkaterSuchen)
            return Geschlechter::Maennlich;
        if (a.fokus == Fokus::GedeckteKatzeSuchen)
            return Geschlechter::Weiblich;
        return Geschlechter::Alle;
    }
    return Geschlechter::Alle;
}

bool eigeneKatzeAusschliessen(const Aufrufer &a)
{
    return a.formular == Formular::Eltern && geschlechtsFilter(a) != Geschlechter::Alle;
}

QVector<Spalte> ergebnisSpalten(bool mitStatus, bool edition)
{
    QVector<Spalte> s = {
        {QStringLiteral("Name"), QStringLiteral("Name")},
        {edition ? QStringLiteral("Hof") : QStringLiteral("Zwinger"), QStringLiteral("Zwinger")},
        {QStringLiteral("Farbe"), QStringLiteral("FellFarbe")},
        {QStringLiteral("GebDat."), QStringLiteral("GebDatum")},
        {QStringLiteral("Geschl."), QStringLiteral("GeschlAnzeige")},
        {QStringLiteral("Mutter"), QStringLiteral("MutterAnzeige")},
        {QStringLiteral("Vater"), QStringLiteral("VaterAnzeige")},
        {edition ? QStringLiteral("Ohrmarkennummer") : QStringLiteral("Zuchtbuchnr."),
         QStringLiteral("Zuchtbuchnummer1")},
        {QStringLiteral("Züchter"), QStringLiteral("ZuechterAnzeige")},
        {QStringLiteral("Besitzer"), QStringLiteral("BesitzerAnzeige")},
        {QStringLiteral("Rasse"), QStringLiteral("Rasse1")},
        {QStringLiteral("Rufname"), QStringLiteral("Rufname")},
    };
    if (mitStatus)
        s.append({QStringLiteral("Status"), QStringLiteral("StatusAnzeige")});
    return s;
}

std::optional<Sortierung> sortierungFuerSpalte(const QString &feld)
{
    static const QVector<QPair<QString, Sortierung>> map = {
        {QStringLiteral("Name"), Sortierung::Name},
        {QStringLiteral("Zwinger"), Sortierung::ZwingerName},
        {QStringLiteral("Rufname"), Sortierung::Rufname},
        {QStringLiteral("GeschlAnzeige"), Sortierung::Geschlecht},
        {QStringLiteral("FellFarbe"), Sortierung::Farbe},
        {QStringLiteral("GebDatum"), Sortierung::GebDatum},
        {QStringLiteral("Rasse1"), Sortierung::Rasse},
    };
    for (const auto &[f, s] : map) {
        if (f == feld)
            return s;
    }
    return std::nullopt;
}

QString geschlAnzeige(const QString &geschlecht, int sprache)
{
    const bool de = sprache == 0;
    if (geschlecht == QLatin1String("1"))
        return QStringLiteral("m");
    if (geschlecht == QLatin1String("2"))
        return de ? QStringLiteral("w") : QStringLiteral("f");
    if (geschlecht == QLatin1String("3"))
        return QStringLiteral("m/k");
    if (geschlecht == QLatin1String("4"))
        return de ? QStringLiteral("w/k") : QStringLiteral("f/k");
    return QString();
}

QString nameVorname(const QString &name, const QString &vorname)
{
    if (vorname.isEmpty())
        return name;
    if (name.isEmpty())
        return vorname;
    return name + QStringLiteral(", ") + vorname;
}

EigeneDaten eigeneDatenLesen(tav::store::Database &db)
{
    if (!db.tableExists(eigen::Datei))
        return {};
    store::Query q(&db, QStringLiteral("SELECT Name, Vorname FROM \"EIGEN.DB\" LIMIT 1"));
    q.open();
    if (q.eof())
        return {};
    return {q.value(0).toString(), q.value(1).toString()};
}

std::optional<QDate> datumLesen(const QString &text)
{
    const QString t = text.trimmed();
    static const QRegularExpression deutsch(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    QDate d;
    if (const auto m = deutsch.match(t); m.hasMatch()) {
        int jahr = m.captured(3).toInt();
        if (m.captured(3).size() == 2) {
            // two digits: the most recent year with these digits that is not in the future
            const int heute = QDate::currentDate().year();
            jahr += heute / 100 * 100;
            if (jahr > heute)
                jahr -= 100;
        }
        d = QDate(jahr, m.captured(2).toInt(), m.captured(1).toInt());
    } else if (const auto m = iso.match(t); m.hasMatch()) {
        d = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    }
    if (!d.isValid())
        return std::nullopt;
    return d;
}

QString datumText(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

namespace {

const QString &trefferSpalten()
{
    static const QString s = QStringLiteral(
        "SELECT c.LaufendeNummer, c.Name, c.Zwinger, c.Rufname, c.Geschlecht, c.GebDatum, c.Rasse, "
        "c.FellFarbe, c.Vater, c.Mutter, c.\"Züchter\" AS Zuechter, c.Besitzer, c.Status, "
        "c.Zuchtbuchnummer1, r.RName AS Rasse1, v.Name AS VaterAnzeige, m.Name AS MutterAnzeige, "
        "s.Status AS StatusAnzeige, b.Name AS BesitzerName, b.Vorname AS BesitzerVorname, "
        "z.Name AS ZuechterName, z.Vorname AS Zuechtervorname\n"
        "FROM \"CATSTAMM.DB\" c\n"
        "LEFT JOIN \"RASSE.DB\" r ON r.RCode = c.Rasse\n"
        "LEFT JOIN \"CATSTAMM.DB\" v ON v.LaufendeNummer = c.Vater\n"
        "LEFT JOIN \"CATSTAMM.DB\" m ON m.LaufendeNummer = c.Mutter\n"
        "LEFT JOIN \"STATUS.DB\" s ON s.Nummer = c.Status\n"
        "LEFT JOIN \"ADR_DAT.DB\" b ON b.LaufendeNr = c.Besitzer\n"
        "LEFT JOIN \"ADR_DAT.DB\" z ON z.LaufendeNr = c.\"Züchter\"\n");
    return s;
}

// addresses whose Name, or "Name, Vorname" as the result grid shows it, starts with the entry
QString adressBedingung(const QString &param)
{
    return QStringLiteral("(Name GLOB %1 OR (Name || :trenner || Vorname) GLOB %1)").arg(param);
}

QString orderBy(Sortierung s)
{
    const QString zn = QStringLiteral("c.Zwinger COLLATE DE, c.Name COLLATE DE");
    QString o;
    switch (s) {
    case Sortierung::ZwingerName: o = zn; break;
    case Sortierung::Name: o = QStringLiteral("c.Name COLLATE DE"); break;
    case Sortierung::Rufname: o = QStringLiteral("c.Rufname COLLATE DE"); break;
    case Sortierung::Geschlecht: o = QStringLiteral("c.Geschlecht, ") + zn; break;
    case Sortierung::Farbe: o = QStringLiteral("c.FellFarbe COLLATE DE, ") + zn; break;
    case Sortierung::GebDatum: o = QStringLiteral("c.GebDatum, ") + zn; break;
    case Sortierung::Rasse: o = QStringLiteral("c.Rasse, ") + zn; break;
    }
    return QStringLiteral("ORDER BY ") + o + QStringLiteral(", c.LaufendeNummer");
}

bool gefuellt(const QString &t)
{
    return !t.trimmed().isEmpty();
}

} // namespace

SuchAbfrage suchAbfrage(const SuchKriterien &k, const Aufrufer &a, Sortierung s,
                        const QList<int> &gezeigteStatus)
{
    SuchAbfrage q;
    QStringList bed;
    auto praefix = [&](const QString &feld, const QString &param, const QString &eingabe) {
        if (!gefuellt(eingabe))
            return;
        bed << QStringLiteral("c.%1 GLOB %2").arg(feld, param);
        q.werte.append({param, likePrefixNoCase(eingabe.trimmed())});
    };
    auto adresse = [&](const QString &feld, const QString &param, const QString &eingabe) {
        if (!gefuellt(eingabe))
            return;
        bed << QStringLiteral("c.%1 IN (SELECT LaufendeNr FROM \"ADR_DAT.DB\" WHERE %2)")
                   .arg(feld, adressBedingung(param));
        q.werte.append({param, globPrefixNoCase(eingabe.trimmed())});
    };

    praefix(QStringLiteral("Name"), QStringLiteral(":name"), k.name);
    praefix(QStringLiteral("Zwinger"), QStringLiteral(":zwinger"), k.zwinger);
    praefix(QStringLiteral("Rufname"), QStringLiteral(":rufname"), k.rufname);
    if (gefuellt(k.rasse)) {
        // a breed text that names no breed matches no cat
        bed << QStringLiteral("c.Rasse IN (SELECT RCode FROM \"RASSE.DB\" WHERE RName GLOB :rasse)");
        q.werte.append({QStringLiteral(":rasse"), globPrefixNoCase(k.rasse.trimmed())});
    }
    praefix(QStringLiteral("FellFarbe"), QStringLiteral(":farbe"), k.farbe);
    adresse(QStringLiteral("\"Züchter\""), QStringLiteral(":zuechter"), k.zuechter);
    adresse(QStringLiteral("Besitzer"), QStringLiteral(":besitzer"), k.besitzer);
    praefix(QStringLiteral("Zuchtbuchnummer1"), QStringLiteral(":zbnr"), k.zbNr);
    if (gefuellt(k.status)) {
        QString status =
            QStringLiteral("c.Status IN (SELECT Nummer FROM \"STATUS.DB\" WHERE Status GLOB :status)");
        q.werte.append({QStringLiteral(":status"), globPrefixNoCase(k.status.trimmed())});
        QStringList gezeigt;
        for (int i = 0; i < gezeigteStatus.size(); ++i) {
            gezeigt << QStringLiteral(":gezeigt%1").arg(i);
            q.werte.append({gezeigt.last(), gezeigteStatus[i]});
        }
        if (!gezeigt.isEmpty())
            status =
                QStringLiteral("(%1 OR c.Status IN (%2))").arg(status, gezeigt.join(QStringLiteral(", ")));
        bed << status;
    }
    if (gefuellt(k.gebDatum)) {
        bed << QStringLiteral("c.GebDatum = :geb");
        const std::optional<QDate> d = datumLesen(k.gebDatum);
        q.werte.append({QStringLiteral(":geb"), d ? QVariant(d->toString(Qt::ISODate)) : QVariant()});
    }
    if (gefuellt(k.zuechter) || gefuellt(k.besitzer))
        q.werte.append({QStringLiteral(":trenner"), QStringLiteral(", ")});

    switch (geschlechtsFilter(a)) {
    case Geschlechter::Maennlich: bed << QStringLiteral("(c.Geschlecht = '1' OR c.Geschlecht = '3')"); break;
    case Geschlechter::Weiblich: bed << QStringLiteral("(c.Geschlecht = '2' OR c.Geschlecht = '4')"); break;
    case Geschlechter::Alle: break;
    }
    if (eigeneKatzeAusschliessen(a)) {
        bed << QStringLiteral("c.Name IS NOT :eigenerName");
        q.werte.append({QStringLiteral(":eigenerName"), a.eigenerName});
        if (a.eigeneNummer > 0) {
            bed << QStringLiteral("c.LaufendeNummer <> :eigeneNummer");
            q.werte.append({QStringLiteral(":eigeneNummer"), a.eigeneNummer});
        }
    }

    q.sql = trefferSpalten();
    if (!bed.isEmpty())
        q.sql += QStringLiteral("WHERE ") + bed.join(QStringLiteral("\n AND ")) + QLatin1Char('\n');
    q.sql += orderBy(s);
    return q;
}

namespace {

bool adresseVorhanden(store::Database &db, const QString &eingabe)
{
    store::Query q(&db, QStringLiteral("SELECT 1 FROM \"ADR_DAT.DB\" WHERE ") +
                            adressBedingung(QStringLiteral(":p")) + QStringLiteral(" LIMIT 1"));
    q.bindValue(QStringLiteral(":p"), globPrefixNoCase(eingabe.trimmed()));
    q.bindValue(QStringLiteral(":trenner"), QStringLiteral(", "));
    q.open();
    return !q.eof();
}

} // namespace

SuchErgebnis katzenSuchen(tav::store::Database &db, const SuchKriterien &k, const Aufrufer &a, Sortierung s,
                          const EigeneDaten &eigen)
{
    SuchErgebnis e;
    if (gefuellt(k.gebDatum) && !datumLesen(k.gebDatum)) {
        e.status = SuchStatus::UngueltigesDatum;
        return e;
    }
    for (const QString *adr : {&k.zuechter, &k.besitzer}) {
        if (gefuellt(*adr) && !adresseVorhanden(db, *adr)) {
            e.status = SuchStatus::KeineAdresse;
            e.meldung = MeldungKeineKatze;
            return e;
        }
    }

    // a status the program shows in its own language is found by that name, too
    QList<int> gezeigteStatus;
    if (gefuellt(k.status)) {
        store::Query st(&db, QStringLiteral("SELECT Nummer, Status FROM \"STATUS.DB\""));
        st.open();
        for (; !st.eof(); st.next()) {
            const int nr = st.value(0).toInt();
            if (statusAnzeige(nr, st.value(1).toString()).startsWith(k.status.trimmed(), Qt::CaseInsensitive))
                gezeigteStatus << nr;
        }
    }
    const SuchAbfrage abfrage = suchAbfrage(k, a, s, gezeigteStatus);
    store::Query q(&db, abfrage.sql);
    for (const auto &[name, wert] : abfrage.werte)
        q.bindValue(name, wert);
    q.open();
    for (; !q.eof(); q.next()) {
        KatzeTreffer t;
        t.LaufendeNummer = q.value(0).toInt();
        t.Name = q.value(1).toString();
        t.Zwinger = q.value(2).toString();
        t.Rufname = q.value(3).toString();
        t.Geschlecht = q.value(4).toString();
        t.GebDatum = q.value(5).toDate();
        t.Rasse = q.value(6).toInt();
        t.FellFarbe = q.value(7).toString();
        t.Vater = q.value(8).toInt();
        t.Mutter = q.value(9).toInt();
        t.Zuechter = q.value(10).toInt();
        t.Besitzer = q.value(11).toInt();
        t.Status = q.value(12).toInt();
        t.Zuchtbuchnummer1 = q.value(13).toString();
        t.Rasse1 = q.value(14).toString();
        t.VaterAnzeige = q.value(15).toString();
        t.MutterAnzeige = q.value(16).toString();
        t.StatusAnzeige = statusAnzeige(t.Status, q.value(17).toString());
        t.BesitzerName = q.value(18).toString();
        t.BesitzerVorname = q.value(19).toString();
        t.ZuechterName = q.value(20).toString();
        t.Zuechtervorname = q.value(21).toString();

        t.Anzeige = t.Name + QStringLiteral(" / ") + t.Rufname;
        t.GeschlAnzeige = geschlAnzeige(t.Geschlecht);
        t.BesitzerAnzeige = t.Status == 1 ? nameVorname(eigen.name, eigen.vorname)
                                          : nameVorname(t.BesitzerName, t.BesitzerVorname);
        t.ZuechterAnzeige = nameVorname(t.ZuechterName, t.Zuechtervorname);
        e.treffer.append(t);
    }
    if (e.treffer.isEmpty()) {
        e.status = SuchStatus::NichtsGefunden;
        e.meldung = a.ahnenEingabe ? 0 : MeldungKeineKatze;
    } else {
        e.status = SuchStatus::Gefunden;
    }
    return e;
}

SuchKriterien kriterienAusTreffer(const KatzeTreffer &t)
{
    SuchKriterien k;
    k.name = t.Name;
    k.zwinger = t.Zwinger;
    k.rufname = t.Rufname;
    k.rasse = t.Rasse1;
    k.farbe = t.FellFarbe;
    k.zuechter = t.ZuechterAnzeige;
    // The owner column of an own cat shows the breeder's own name, which is no address.
    k.besitzer = nameVorname(t.BesitzerName, t.BesitzerVorname);
    k.zbNr = t.Zuchtbuchnummer1;
    k.status = t.StatusAnzeige;
    k.gebDatum = datumText(t.GebDatum);
    return k;
}

} // namespace tav::cats
