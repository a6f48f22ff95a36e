#include "Zwingerregister.h"

#include "app/Sprache.h"
#include "cats/TextMatch.h"
#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Query.h"
#include "store/Table.h"
#include "store/Transaction.h"

using namespace tav::store;

namespace tav::office {

namespace {
constexpr int TagZwinger = 6902, TagRasse = 6903, TagZuechter = 6904, TagVerein = 6603, TagStrasse = 6604,
              TagPlz = 6605, TagOrt = 6606, TagLand = 6607, TagTelefon = 6608, TagTelefax = 6609,
              TagEmail = 6611, TagHomepage = 6612, TagHandy = 6905, TagZuchtfarbe = 6906, TagMail = 6908;

Bueroliste registerListe(bool privat)
{
    using Art = BueroFeld::Art;
    Bueroliste b;
    b.fenster = privat ? QStringLiteral("formzwingerregisterprivat") : QStringLiteral("formzwingerregister");
    b.objektName =
        privat ? QStringLiteral("FormZwingerregisterPrivat") : QStringLiteral("FormZwingerregister");
    b.tag = privat ? 6901 : 6900;
    b.tabelle = zwingerTabellen(privat).zwinger;
    b.index = QStringLiteral("ZwingerRasse");
    b.felder = {{QStringLiteral("Zwinger"), TagZwinger},
                {QStringLiteral("Rasse"), TagRasse, Art::Text, true},
                {QStringLiteral("Züchter"), TagZuechter},
                {QStringLiteral("Strasse"), TagStrasse},
                {QStringLiteral("PLZ"), TagPlz},
                {QStringLiteral("Ort"), TagOrt, Art::Text, true},
                {QStringLiteral("Land"), TagLand, Art::Text, true},
                {QStringLiteral("Verein"), TagVerein},
                {QStringLiteral("Telefon"), TagTelefon},
                {QStringLiteral("Telefax"), TagTelefax, Art::Text, true},
                {QStringLiteral("EMail"), TagEmail},
                {QStringLiteral("Handy"), TagHandy, Art::Text, true},
                {QStringLiteral("Homepage"), TagHomepage},
                {QStringLiteral("Zuchtfarbe"), TagZuchtfarbe}};
    b.fokusFeld = QStringLiteral("Zwinger");
    b.spalten = {{QStringLiteral("Zwinger"), TagZwinger},  {QStringLiteral("Rasse"), TagRasse},
                 {QStringLiteral("Züchter"), TagZuechter}, {QStringLiteral("PLZ"), TagPlz},
                 {QStringLiteral("Ort"), TagOrt},          {QStringLiteral("Land"), TagLand},
                 {QStringLiteral("Verein"), TagVerein}};
    // the catalogue gives each language its criteria after the box's tag
    b.sortTag = privat ? 6917 : 6910;
    b.sortierung = {
        {privat ? QStringLiteral("Hof") : QStringLiteral("Zwinger"), QStringLiteral("ZwingerRasse")},
        {QStringLiteral("Rasse"), QStringLiteral("IDXRasse")},
        {QStringLiteral("Züchter"), QStringLiteral("IDXZüchter")},
        {QStringLiteral("Verein"), QStringLiteral("VereinZwinger")},
        {QStringLiteral("Ort"), QStringLiteral("OrtZwinger")},
        {QStringLiteral("PLZ"), QStringLiteral("PLZZwinger")}};
    b.homepageFeld = QStringLiteral("Homepage");
    b.emailFeld = QStringLiteral("EMail");
    b.mailTag = TagMail;
    b.hilfe = privat ? 25 : 20;
    return b;
}
} // namespace

ZwingerTabellen zwingerTabellen(bool privat)
{
    if (privat)
        return {zwingregprivat::Datei, zwinginfprivat::Datei};
    return {zwingreg::Datei, zwinginf::Datei};
}

const Bueroliste &zwingerregisterListe(bool privat)
{
    static const Bueroliste allgemein = registerListe(false), eigen = registerListe(true);
    return privat ? eigen : allgemein;
}

bool dateneingabe(const QStringList &argumente)
{
    return argumente.contains(QStringLiteral("Dateneingabe"));
}

QStringList privatesRegisterAnlegen(Database &db)
{
    QStringList angelegt;
    const ZwingerTabellen t = zwingerTabellen(true);
    for (const QString &name : {t.eintraege, t.zwinger}) {
        if (db.ensureTable(name))
            angelegt << name;
    }
    return angelegt;
}

ZwingerArten zwingerArten(Database &db, const ZwingerTabellen &t, qint64 zwinger)
{
    ZwingerArten a;
    Query q(&db, QStringLiteral("SELECT KatzeArt, MAX(Bild IS NOT NULL AND length(Bild) > 0) FROM \"%1\" "
                                "WHERE Zwinger = ? GROUP BY KatzeArt")
                     .arg(t.eintraege));
    q.addBindValue(zwinger);
    q.open();
    for (; !q.eof(); q.next()) {
        const int art = q.value(0).toInt();
        if (art < 1 || art > 3)
            continue;
        a.vorhanden[art - 1] = true;
        a.bild[art - 1] = q.value(1).toInt() > 0;
    }
    return a;
}

const QStringList &zwinSuchSpalten()
{
    static const QStringList s = {QStringLiteral("LaufendeNummer"),
                                  QStringLiteral("Zwinger"),
                                  QStringLiteral("Züchter"),
                                  QStringLiteral("PLZ"),
                                  QStringLiteral("Ort"),
                                  QStringLiteral("Land"),
                                  QStringLiteral("Rasse"),
                                  QStringLiteral("Verein"),
                                  QStringLiteral("Strasse"),
                                  QStringLiteral("Zuchtfarbe")};
    return s;
}

ZwinAbfrage zwinSuchAbfrage(const ZwinSuche &s, const ZwingerTabellen &t)
{
    ZwinAbfrage a;
    QStringList spalten;
    for (const QString &c : zwinSuchSpalten())
        spalten << QStringLiteral("z.") + c;
    a.sql = QStringLiteral("SELECT %1 FROM \"%2\" z").arg(spalten.join(QLatin1Char(',')), t.zwinger);
    QStringList bedingungen;
    const std::pair<const QString *, const char *> kriterien[] = {{&s.zuechter, "Züchter"},
                                                                  {&s.zwinger, "Zwinger"},
                                                                  {&s.plz, "PLZ"},
                                                                  {&s.ort, "Ort"},
                                                                  {&s.rasse, "Rasse"}};
    for (const auto &[text, feld] : kriterien) {
        if (text->trimmed().isEmpty())
            continue;
        bedingungen << QStringLiteral("z.%1 GLOB ?").arg(QString::fromUtf8(feld));
        // the typed text as it stands: a prefix, upper and lower case as typed
        a.werte << cats::globLiteral(*text) + QLatin1Char('*');
    }
    if (s.art >= 1 && s.art <= 3) {
        bedingungen << QStringLiteral("EXISTS (SELECT 1 FROM \"%1\" i WHERE i.Zwinger = z.LaufendeNummer "
                                      "AND i.KatzeArt = ?)")
                           .arg(t.eintraege);
        a.werte << s.art;
    }
    if (!bedingungen.isEmpty())
        a.sql += QStringLiteral(" WHERE ") + bedingungen.join(QStringLiteral(" AND "));
    a.sql += QStringLiteral(" ORDER BY z.Zwinger COLLATE DE, z.LaufendeNummer");
    return a;
}

Zuechtername zuechterTeilen(const QString &zuechter)
{
    const qsizetype komma = zuechter.indexOf(QLatin1Char(','));
    Zuechtername n;
    if (komma < 0) {
        n.name = zuechter.trimmed();
        return n;
    }
    n.name = zuechter.left(komma).trimmed();
    n.vorname = zuechter.mid(komma + 1).trimmed();
    if (n.name.isEmpty())
        std::swap(n.name, n.vorname);
    return n;
}

bool adresseVorhanden(Database &db, const Zuechtername &n)
{
    Query q(&db, QStringLiteral(
                     "SELECT COUNT(*) FROM \"ADR_DAT.DB\" WHERE Name = ? AND COALESCE(Vorname, '') = ?"));
    q.addBindValue(n.name);
    q.addBindValue(n.vorname);
    q.open();
    return !q.eof() && q.value(0).toInt() > 0;
}

qint64 inAdressenUebernehmen(Database &db, const ZwingerAdresse &a)
{
    const Zuechtername n = zuechterTeilen(a.zuechter);
    QVariant rasse;
    if (!a.rasse.trimmed().isEmpty()) {
        Query q(&db, QStringLiteral("SELECT RCode FROM \"RASSE.DB\" WHERE RName = ? ORDER BY RCode"));
        q.addBindValue(a.rasse.trimmed());
        q.open();
        if (!q.eof())
            rasse = q.value(0);
    }
    // the address group is the user's word: the program's language gives it
    const QString zuechter = app::captionText(9971);
    Transaction txn(db, QStringList{adr_dat::Datei});
    Table adressen(&db, adr_dat::Datei);
    adressen.open();
    adressen.append();
    const std::pair<const char *, QString> werte[] = {
        {"Name", n.name},
        {"Vorname", n.vorname},
        {"Strasse", a.strasse},
        {"Plz", a.plz},
        {"Ort", a.ort},
        {"Land", a.land},
        {"Telefon", a.telefon},
        {"Telefax", a.telefax},
        {"email", a.email},
        {"Homepage", a.homepage},
        {"Handy", a.handy},
        {"Zwinger", a.zwinger},
        {"Status", zuechter.isEmpty() ? QStringLiteral("Züchter") : zuechter}};
    for (const auto &[feld, wert] : werte)
        adressen.setValue(QString::fromUtf8(feld), wert);
    adressen.setValue(adr_dat::Rasse, rasse);
    adressen.post();
    const qint64 nr = adressen.value(adr_dat::LaufendeNr).toLongLong();
    txn.commit();
    return nr;
}

} // namespace tav::office
