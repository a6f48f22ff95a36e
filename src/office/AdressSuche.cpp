#include "AdressSuche.h"

#include "app/Weblinks.h"
#include "cats/TextMatch.h"
#include "store/Namen_office.h"
#include "store/Query.h"

using namespace tav::store::namen;

using tav::cats::globLiteral;
using tav::cats::globPrefixNoCase;

namespace tav::office {

namespace {
bool gefuellt(const QString &t)
{
    return !t.trimmed().isEmpty();
}

QString adressSpalten()
{
    return QStringLiteral(
        "SELECT a.LaufendeNr, a.Name, a.Vorname, a.Anrede, a.Zwinger, a.Strasse, a.Plz, a.Ort, a.Land, "
        "a.Telefon, a.Telefax, a.Handy, a.email, a.Homepage, a.Geburtstag, a.Rasse, a.Status, "
        "a.Bemerkung, CASE WHEN ifnull(a.Vorname, '') = '' THEN a.Name "
        "ELSE a.Name || ', ' || a.Vorname END AS Anzeige, r.RName AS Rasse1\n"
        "FROM \"ADR_DAT.DB\" a LEFT JOIN \"RASSE.DB\" r ON r.RCode = a.Rasse\n");
}

QVector<AdressTreffer> treffer(tav::store::Database &db, const AdressAbfrage &a)
{
    tav::store::Query q(&db, a.sql);
    for (const auto &[param, wert] : a.werte)
        q.bindValue(param, wert);
    q.open();
    QVector<AdressTreffer> out;
    const QStringList spalten = q.columns();
    for (; !q.eof(); q.next()) {
        AdressTreffer t;
        for (int i = 0; i < spalten.size(); ++i)
            t.felder.insert(spalten[i], q.value(i));
        t.nummer = t.felder.value(adr_dat::LaufendeNr).toInt();
        t.anzeige = t.felder.value(QStringLiteral("Anzeige")).toString();
        t.email = t.felder.value(adr_dat::email).toString().trimmed();
        out << t;
    }
    return out;
}
} // namespace

bool AdressKriterien::leer() const
{
    for (const QString *t : {&name, &zwinger, &vorname, &telefon, &ort, &plz, &rasse, &land, &status})
        if (gefuellt(*t))
            return false;
    return true;
}

QVector<int> rassenMitPraefix(tav::store::Database &db, const QString &text)
{
    QVector<int> codes;
    tav::store::Query q(&db, QStringLiteral("SELECT RCode FROM \"RASSE.DB\" WHERE RName GLOB :p "
                                            "ORDER BY RName COLLATE DE, RCode"));
    q.bindValue(QStringLiteral(":p"), globLiteral(text.trimmed()) + QLatin1Char('*'));
    q.open();
    for (; !q.eof(); q.next())
        codes << q.value(0).toInt();
    return codes;
}

AdressAbfrage adressAbfrage(const AdressKriterien &k, const QVector<int> &rassen)
{
    AdressAbfrage q;
    QStringList bed;
    auto praefix = [&](const QString &feld, const QString &eingabe, bool ohneFall) {
        if (!gefuellt(eingabe))
            return;
        const QString param = QLatin1Char(':') + feld.toLower();
        bed << QStringLiteral("a.%1 GLOB %2").arg(feld, param);
        const QString t = eingabe.trimmed();
        q.werte.append({param, ohneFall ? globPrefixNoCase(t) : globLiteral(t) + QLatin1Char('*')});
    };
    praefix(QStringLiteral("Name"), k.name, true);
    praefix(QStringLiteral("Zwinger"), k.zwinger, true);
    praefix(QStringLiteral("Vorname"), k.vorname, true);
    praefix(QStringLiteral("Telefon"), k.telefon, false);
    praefix(QStringLiteral("Ort"), k.ort, true);
    praefix(QStringLiteral("Plz"), k.plz, false);
    if (gefuellt(k.rasse)) {
        QStringList oder;
        for (int i = 0; i < rassen.size(); ++i) {
            const QString param = QStringLiteral(":rasse%1").arg(i);
            oder << QStringLiteral("a.Rasse = ") + param;
            q.werte.append({param, rassen[i]});
        }
        // a breed text that names no breed matches no address
        bed << (oder.isEmpty() ? QStringLiteral("0 = 1")
                               : QLatin1Char('(') + oder.join(QLatin1String(" OR ")) + QLatin1Char(')'));
    }
    praefix(QStringLiteral("Land"), k.land, true);
    praefix(QStringLiteral("Status"), k.status, false);

    q.sql = adressSpalten();
    if (!bed.isEmpty())
        q.sql += QStringLiteral("WHERE ") + bed.join(QLatin1String(" AND ")) + QLatin1Char('\n');
    q.sql += QStringLiteral("ORDER BY a.Name COLLATE DE, a.Vorname COLLATE DE, a.LaufendeNr");
    return q;
}

AdressAbfrage adressAbfrage(tav::store::Database &db, const AdressKriterien &k)
{
    return adressAbfrage(k, gefuellt(k.rasse) ? rassenMitPraefix(db, k.rasse) : QVector<int>());
}

QVector<AdressTreffer> adressenSuchen(tav::store::Database &db, const AdressKriterien &k)
{
    return treffer(db, adressAbfrage(db, k));
}

std::optional<AdressTreffer> adresseLesen(tav::store::Database &db, int nummer)
{
    const QVector<AdressTreffer> t =
        treffer(db, {adressSpalten() + QStringLiteral("WHERE a.LaufendeNr = :nr"),
                     {{QStringLiteral(":nr"), nummer}}});
    if (t.isEmpty())
        return std::nullopt;
    return t.first();
}

GruppenMail gruppenMail(const QVector<AdressTreffer> &gewaehlt, const QString &gruss,
                        const QString &eigenerVorname, const QString &eigenerName)
{
    GruppenMail m;
    QStringList an;
    for (const AdressTreffer &t : gewaehlt) {
        if (t.email.isEmpty())
            m.ohneEmail << t.anzeige;
        else
            an << t.email;
    }
    const QString body =
        QLatin1Char('\n') + gruss + QStringLiteral(" \n") + eigenerVorname + QLatin1Char(' ') + eigenerName;
    m.link = app::mailLink(an, QStringLiteral(" "), body, QLatin1Char(';'));
    return m;
}

int suchDialogLinks(int links, int bildschirmLinks)
{
    return links - bildschirmLinks < 151 ? bildschirmLinks + 3 : links - 150;
}

} // namespace tav::office
