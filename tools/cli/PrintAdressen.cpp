// print address, address-list: the address book's print-outs over the same search as its dialog.
#include "Druckausgabe.h"

#include "app/Sprache.h"
#include "printouts/ReportAdressen.h"
#include "store/Database.h"
#include "store/Namen_office.h"

using namespace tav::store::namen;

using namespace tav;

namespace {

bool ohneAdressen(Kontext &k)
{
    k.rc = 1;
    if (k.db.tableExists(adr_dat::Datei))
        return false;
    k.err << "Keine Adressen in " << k.db.dataDir() << "\n";
    return true;
}

std::optional<report::ReportJob> adresse(Kontext &k)
{
    bool ok = false;
    const int nr = k.a.wert(QStringLiteral("--number")).toInt(&ok);
    if (!ok || nr <= 0) {
        k.rc = 2;
        k.err << "print address braucht --number N\n";
        return std::nullopt;
    }
    if (ohneAdressen(k))
        return std::nullopt;
    const std::optional<office::AdressTreffer> a = office::adresseLesen(k.db, nr);
    if (!a) {
        k.err << "Keine Adresse mit der Nummer " << nr << "\n";
        return std::nullopt;
    }
    return printouts::reportAdresse(*a);
}

std::optional<report::ReportJob> adressliste(Kontext &k)
{
    if (ohneAdressen(k))
        return std::nullopt;
    office::AdressKriterien s;
    const struct {
        const char *option;
        QString office::AdressKriterien::*feld;
    } kriterien[] = {
        {"--name", &office::AdressKriterien::name},          {"--cattery", &office::AdressKriterien::zwinger},
        {"--first-name", &office::AdressKriterien::vorname}, {"--phone", &office::AdressKriterien::telefon},
        {"--place", &office::AdressKriterien::ort},          {"--postcode", &office::AdressKriterien::plz},
        {"--breed", &office::AdressKriterien::rasse},        {"--country", &office::AdressKriterien::land},
        {"--status", &office::AdressKriterien::status}};
    for (const auto &c : kriterien)
        s.*c.feld = k.a.wert(QLatin1String(c.option));
    const QVector<office::AdressTreffer> treffer = office::adressenSuchen(k.db, s);
    if (treffer.isEmpty()) {
        const QString text = k.katalog.message(49);
        k.err << (text.isEmpty() ? QStringLiteral("Keine passende Adresse gefunden!") : text) << "\n";
        return std::nullopt;
    }
    return printouts::reportAdressenListe(printouts::adressListeZeilen(treffer));
}

} // namespace

QList<Druckausgabe> adressDruckausgaben()
{
    return {
        {QStringLiteral("address"), QStringLiteral("--number N"), {"--number"}, {}, adresse},
        {QStringLiteral("address-list"),
         QStringLiteral("[--name A] [--first-name V] [--cattery H] [--phone T] [--place O] [--postcode P]"
                        " [--breed R] [--country L] [--status S]"),
         {"--name", "--first-name", "--cattery", "--phone", "--place", "--postcode", "--breed", "--country",
          "--status"},
         {},
         adressliste},
    };
}
