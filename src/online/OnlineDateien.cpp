#include "OnlineDateien.h"

#include "BilderLog.h"
#include "app/Anwenderdaten.h"
#include "app/CsvZelle.h"
#include "app/Global.h"
#include "cats/CatSearch.h"
#include "cats/Titel.h"
#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QFileInfo>

using namespace tav::store::namen;

namespace tav::online {

using store::Database;
using store::Query;
using store::Table;

Auswahl Auswahl::alles()
{
    return {true, true, true, true, true, true, true, true, true, true};
}

BildWahl bildWaehlen(const QStringList &pfade, int feld2,
                     const std::function<bool(const QString &)> &geeignet)
{
    int wahl = -1;
    if (!pfade.isEmpty() && geeignet(pfade.first()))
        wahl = 0;
    for (int i = 0; i < pfade.size(); ++i) {
        if (feld2 <= 0) {
            if (wahl >= 0)
                break;
        } else if (i + 1 == feld2) {
            if (geeignet(pfade[i]))
                wahl = i;
            break;
        }
        if (wahl < 0 && geeignet(pfade[i]))
            wahl = i;
    }
    if (wahl < 0)
        return {};
    return {pfade[wahl], QFileInfo(pfade[wahl]).fileName()};
}

bool bildGeeignet(Database &db, const QString &pfad, Modus m)
{
    const QFileInfo fi(pfad);
    if (pfad.isEmpty() || !fi.isFile())
        return false;
    if (m != Modus::Upload)
        return true;
    if (fi.suffix().compare(QLatin1String("jpg"), Qt::CaseInsensitive) != 0 || fi.size() > 1000000)
        return false;
    return !bildBereitsGesendet(db, bildDateiLesen(pfad));
}

namespace {

// Every row of a two-column statement as number → texts in row order; nothing when a table is missing.
QHash<int, QStringList> gruppiert(Database &db, const QStringList &tabellen, const QString &sql)
{
    QHash<int, QStringList> out;
    for (const QString &t : tabellen)
        if (!db.tableExists(t))
            return out;
    Query q(&db, sql);
    for (q.open(); !q.eof(); q.next())
        out[q.value(0).toInt()] << q.value(1).toString();
    return out;
}

// the first text of each number
QHash<int, QString> nachNummer(Database &db, const QStringList &tabellen, const QString &sql)
{
    QHash<int, QString> out;
    const QHash<int, QStringList> alle = gruppiert(db, tabellen, sql);
    for (auto it = alle.cbegin(); it != alle.cend(); ++it)
        out.insert(it.key(), it->first());
    return out;
}

} // namespace

QString feldDatum(const QVariant &v)
{
    const QDate d = v.toDate();
    // the zero date of the old tables stands for "none"
    return d.isValid() && d != QDate(1899, 12, 30) ? app::datumText(d) : QString();
}

QString feldWahr(const QVariant &v)
{
    if (v.isNull())
        return QString();
    const QString s = v.toString();
    if (s.isEmpty())
        return QString();
    const bool wahr =
        v.typeId() == QMetaType::Bool
            ? v.toBool()
            : (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
               s.compare(QLatin1String("wahr"), Qt::CaseInsensitive) == 0 || s == QLatin1String("1"));
    return wahr ? QStringLiteral("1") : QStringLiteral("0");
}

Katzenquelle::Katzenquelle(Database &db, Modus m, int sprache) : m_db(db), m_modus(m), m_sprache(sprache)
{
    m_rassen = nachNummer(db, {rasse::Datei}, QStringLiteral("SELECT RCode, RName FROM \"RASSE.DB\""));
    m_adressen = nachNummer(db, {adr_dat::Datei},
                            QStringLiteral("SELECT LaufendeNr, CASE WHEN ifnull(Vorname, '') = '' THEN Name "
                                           "ELSE Vorname || ' ' || Name END FROM \"ADR_DAT.DB\""));
    m_namen =
        nachNummer(db, {catstamm::Datei}, QStringLiteral("SELECT LaufendeNummer, Name FROM \"CATSTAMM.DB\""));
    m_bewertungen =
        nachNummer(db, {bewert::Datei},
                   QStringLiteral("SELECT Katze, Bewertung FROM \"BEWERT.DB\" ORDER BY LaufendeNr"));
    const auto merkmale = gruppiert(
        db, {katzemerkmal::Datei, merkmale::Datei},
        QStringLiteral("SELECT k.Katze, m.Kuerzel FROM \"KatzeMerkmal.db\" k JOIN \"Merkmale.db\" m "
                       "ON m.LaufendeNummer = k.Merkmal ORDER BY k.Katze, k.LaufendeNummer"));
    for (auto it = merkmale.cbegin(); it != merkmale.cend(); ++it) {
        QStringList kuerzel;
        for (const QString &k : *it)
            if (!k.isEmpty() && k != QLatin1String("Stb"))
                kuerzel << k;
        m_merkmale.insert(it.key(), kuerzel.join(QStringLiteral(" / ")));
    }
    const auto titel = gruppiert(db, {titelhund::Datei, titelbez::Datei},
                                 QStringLiteral("SELECT h.Hund, b.Kuerzel FROM \"TITELHUND.DB\" h LEFT JOIN "
                                                "\"TITELBEZ.DB\" b ON b.LaufendeNummer = h.Titel "
                                                "ORDER BY h.Hund, h.Titel, h.LaufendeNummer"));
    for (auto it = titel.cbegin(); it != titel.cend(); ++it)
        m_titel.insert(it.key(), cats::titelText(*it));
    m_bilder = gruppiert(db, {bilder::Datei},
                         QStringLiteral("SELECT KatzeNr, Bildpfad FROM \"Bilder.db\" WHERE KatzeNr > 0 "
                                        "AND ifnull(Bildpfad, '') <> '' ORDER BY KatzeNr, LaufendeNr"));
    if (db.tableExists(eigen::Datei)) {
        const app::EigeneDaten e = app::eigeneDatenLesen(db);
        m_eigenerName = e.Vorname + QLatin1Char(' ') + e.Name;
    }
}

QString Katzenquelle::geschlechtAnz(Table &k) const
{
    return cats::geschlAnzeige(k.text(catstamm::Geschlecht), m_sprache);
}

QString Katzenquelle::rasseAnz(Table &k) const
{
    return m_rassen.value(k.intValue(catstamm::Rasse));
}

QString Katzenquelle::zuechterAnz(Table &k) const
{
    return m_adressen.value(k.intValue(catstamm::Zuechter));
}

QString Katzenquelle::besitzerAnz(Table &k) const
{
    if (k.intValue(catstamm::Status) == 1)
        return m_eigenerName;
    return m_adressen.value(k.intValue(catstamm::Besitzer));
}

QString Katzenquelle::titelAnz(Table &k) const
{
    return m_titel.value(k.intValue(catstamm::LaufendeNummer));
}

QString Katzenquelle::merkmaleAnz(Table &k) const
{
    return m_merkmale.value(k.intValue(catstamm::LaufendeNummer));
}

QString Katzenquelle::bewertAnz(Table &k) const
{
    QString b = m_bewertungen.value(k.intValue(catstamm::LaufendeNummer));
    b.remove(QLatin1Char('\r'));
    b.remove(QLatin1Char('\n'));
    return b.trimmed();
}

BildWahl Katzenquelle::bild(Table &k) const
{
    return bildWaehlen(m_bilder.value(k.intValue(catstamm::LaufendeNummer)), k.intValue(catstamm::Feld2),
                       [this](const QString &p) { return bildGeeignet(m_db, p, m_modus); });
}

QStringList Katzenquelle::csvKopf()
{
    return {"Name",
            "Zwinger",
            "Geschlecht",
            "GebDatum",
            "Rufname",
            "Rasse",
            "Farbe",
            "Augenfarbe",
            "Zuchtbuchnummer1",
            "Zuchtbuchnummer2",
            "Zuchtbuchnummer3",
            "Vater",
            "Mutter",
            "Züchter",
            "Besitzer",
            "Titel",
            "ChipNr",
            "Merkmale",
            "Blutgruppe",
            "Toddatum",
            "Wurfzahl",
            "",
            "",
            "",
            "GenoTyp",
            "Gencode",
            "Agouti",
            "Verduennung",
            "Tests",
            "Bemerkung",
            "Bild"};
}

QStringList Katzenquelle::katzenZeile(Table &k, const Auswahl &a) const
{
    const bool up = m_modus == Modus::Upload;
    auto t = [&k](const char *feld) { return k.text(QString::fromUtf8(feld)); };
    QStringList z;
    if (up)
        z << t("LaufendeNummer");
    z << t("Name") << t("Zwinger") << (up ? t("Geschlecht") : geschlechtAnz(k))
      << feldDatum(k.value(catstamm::GebDatum)) << t("Rufname") << rasseAnz(k) << t("FellFarbe")
      << t("Augenfarbe") << t("Zuchtbuchnummer1") << t("Zuchtbuchnummer2") << t("Zuchtbuchnummer3");
    if (up)
        z << t("Vater") << t("Mutter");
    else
        z << katzenName(k.intValue(catstamm::Vater)) << katzenName(k.intValue(catstamm::Mutter));
    z << (a.zuechterBesitzer ? zuechterAnz(k) : QString())
      << (a.zuechterBesitzer ? besitzerAnz(k) : QString()) << titelAnz(k) << t("ChipNr")
      << (a.merkmale ? merkmaleAnz(k) : QString()) << t("Blutgruppe")
      << feldDatum(k.value(catstamm::Toddatum)) << t("Wurfzahl") << QString() << QString() << QString()
      << t("GenoTyp") << t("Gencode") << feldWahr(k.value(catstamm::Agouti))
      << feldWahr(k.value(catstamm::Verduennung));
    if (up)
        z << t("IDCode");
    z << t("Tests") << (a.bemerkungen ? t("Bemerkung") : QString())
      << (a.bilder && up ? bild(k).name : QString());
    if (up)
        z << t("Züchter") << t("Besitzer") << t("Rasse") << bewertAnz(k);
    return z;
}

QString upFeld(const QString &wert)
{
    QString s = wert;
    s.replace(QLatin1String("\r\n"), QLatin1String(" "));
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    s = app::csvText(s);
    if (!s.contains(QLatin1Char(';')) && !s.contains(QLatin1Char('"')))
        return s;
    return QLatin1Char('"') + s.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString passDatei(int pass, const QString &konto)
{
    static const char *const prefix[] = {"", "ID", "ad", "ra", "fa", "me", "mk", "zb", "zb", "bd"};
    return QString::fromLatin1(prefix[pass]) + konto + QStringLiteral(".csv");
}

bool passAktiv(int pass, const Auswahl &a)
{
    switch (pass) {
    case PassKatzen: return a.tierdaten;
    case PassAdressen: return a.adressdaten;
    case PassRassen: return a.rassen;
    case PassFarben: return a.farben;
    case PassMerkmale: return a.merkmaleDb;
    case PassKatzenMerkmale: return a.tierdaten && a.merkmale;
    case PassWuerfe:
    case PassDeckungen: return a.tierdaten && a.zuchtbuch;
    case PassBilder: return a.bilder;
    }
    return false;
}

} // namespace tav::online
