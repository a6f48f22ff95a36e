#include "ReportAdressen.h"
#include "KatzenDruckTeile.h"

using namespace tav::report;

namespace tav::printouts {

namespace {
enum Tag {
    TagListe = 6840,
    TagName = 6841,
    TagStrasse = 6842,
    TagTelefon = 6843,
    TagOrt = 6844,
    TagZwinger = 6845,
    TagGeburtstag = 6846,
    TagLand = 6847,
    TagStatus = 6848,
    TagFax = 6849,
    TagEmail = 6850,
    TagHomepage = 6851,
    TagStrasseSatz = 6852,
    TagPlz = 6853,
    TagTelefax = 6854,
    TagBemerkung = 6855,
    TagAdresse = 6856,
    TagHofname = 6808,
    TagHandy = 6809,
    TagRasse = 6812,
};

constexpr double Hoch = 190, Quer = 277;

QString text(const office::AdressTreffer &a, const char *feld)
{
    const QVariant v = a.felder.value(QLatin1String(feld));
    return v.typeId() == QMetaType::QDate ? datum(v.toDate()) : v.toString();
}
} // namespace

ReportJob reportAdresse(const office::AdressTreffer &a)
{
    Report r;
    r.tag = TagAdresse;
    r.title = QStringLiteral("Adresse");
    Band &kopf = r.add(Band::Kind::Title, 14, QStringLiteral("title"));
    kopf.elements << label(QRectF(0, 0, Hoch, 10), a.anzeige, textFont(16, true));
    const QVector<Angabe> angaben = {
        {TagStrasseSatz, "Strasse", text(a, "Strasse")},
        {TagPlz, "PLZ", text(a, "Plz")},
        {TagOrt, "Ort", text(a, "Ort")},
        {TagLand, "Land", text(a, "Land")},
        {TagTelefon, "Telefon", text(a, "Telefon")},
        {TagTelefax, "Telefax", text(a, "Telefax")},
        {TagHandy, "Handy", text(a, "Handy")},
        {TagEmail, "E-Mail", text(a, "email")},
        {TagHomepage, "Homepage", text(a, "Homepage")},
        {TagGeburtstag, "Geburtstag", text(a, "Geburtstag")},
        {TagStatus, "Status", text(a, "Status")},
        {TagHofname, "Hofname", text(a, "Zwinger")},
        {TagRasse, "Rasse", text(a, "Rasse1")},
    };
    Band &daten = r.add(Band::Kind::Child, 7.0 * angaben.size(), QStringLiteral("data"));
    angabenZeilen(daten, angaben, 0, 40, Hoch, 7, textFont(11), textFont(11, true));
    Band &bemerkung = r.add(Band::Kind::Child, 8, QStringLiteral("remark"));
    bemerkung.elements << label(QRectF(0, 2, 40, 6), QStringLiteral("Bemerkung:"), textFont(11), TagBemerkung)
                       << memo(QRectF(40, 2, Hoch - 40, 6), text(a, "Bemerkung").split(QLatin1Char('\n')),
                               textFont(11));
    addFooter(r, false);
    return ReportJob(std::move(r));
}

std::shared_ptr<ListRows> adressListeZeilen(const QVector<office::AdressTreffer> &treffer)
{
    auto rows = std::make_shared<ListRows>(QStringList{"Anzeige", "Strasse", "Telefon", "PlzOrt", "Zwinger",
                                                       "Geburtstag", "Status", "Land", "Telefax", "email",
                                                       "Homepage"});
    for (const office::AdressTreffer &a : treffer) {
        const QString plzOrt = (text(a, "Plz") + QLatin1Char(' ') + text(a, "Ort")).trimmed();
        rows->append({a.anzeige, text(a, "Strasse"), text(a, "Telefon"), plzOrt, text(a, "Zwinger"),
                      text(a, "Geburtstag"), text(a, "Status"), text(a, "Land"), text(a, "Telefax"),
                      text(a, "email"), text(a, "Homepage")});
    }
    return rows;
}

ReportJob reportAdressenListe(std::shared_ptr<const RowSource> zeilen)
{
    Report r;
    r.page.landscape = true;
    r.tag = TagListe;
    r.title = QStringLiteral("Druck Adressenliste");
    titelBand(r, {{TagListe, QStringLiteral(" Adressenliste vom ")}}, Quer);
    const QVector<Spalte> spalten = {
        {0, 0, 60, "Anzeige", "Name", TagName},
        {0, 60, 55, "Strasse", "Straße", TagStrasse},
        {0, 115, 40, "Telefon", "Telefon", TagTelefon},
        {0, 155, 55, "PlzOrt", "Ort", TagOrt},
        {0, 210, 45, "Zwinger", "Zwinger", TagZwinger},
        {0, 255, 22, "Geburtstag", "Geburtstag", TagGeburtstag},
        {1, 0, 60, "Status", "Status", TagStatus},
        {1, 60, 55, "Land", "Land", TagLand},
        {1, 115, 40, "Telefax", "Fax", TagFax},
        {1, 155, 55, "email", "E-Mail", TagEmail},
        {1, 210, 67, "Homepage", "Homepage", TagHomepage},
    };
    spaltenBaender(r, spalten, Quer, 4.5, 8);
    addFooter(r, true, TagSeite);
    return ReportJob(std::move(r), std::move(zeilen));
}

} // namespace tav::printouts
