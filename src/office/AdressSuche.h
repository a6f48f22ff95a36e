// AdressSuche: the address search of the address book, its result rows and the group e-mail
// composed from them.
#pragma once

#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QVector>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::office {

// The nine criteria of the search dialog, as typed; blank criteria are not used.
struct AdressKriterien {
    QString name, zwinger, vorname; // prefixes regardless of case
    QString telefon;                // prefix, case as typed
    QString ort;                    // prefix regardless of case
    QString plz;                    // prefix, case as typed
    QString rasse;                  // addresses of the breeds whose name starts with it (case as typed)
    QString land;                   // prefix regardless of case
    QString status;                 // prefix, case as typed

    bool leer() const;
};

struct AdressAbfrage {
    QString sql;
    QVector<QPair<QString, QVariant>> werte; // every criterion, bound by name
};

// The codes of the breeds whose name starts with `text` (case as typed), in name order.
QVector<int> rassenMitPraefix(tav::store::Database &db, const QString &text);

// The search statement: the address fields plus `Anzeige` ("Name, Vorname") and `Rasse1` (breed
// name), one condition per filled criterion in the dialog's order, ordered by name and first name.
// `rassen` are the codes rassenMitPraefix found for the breed criterion; none matches no address.
AdressAbfrage adressAbfrage(const AdressKriterien &k, const QVector<int> &rassen);
AdressAbfrage adressAbfrage(tav::store::Database &db, const AdressKriterien &k);

// The search dialog's size without and with its result grid, and where it moves when the grid
// widens it: 150 pixels to the left, but 3 pixels from the screen's left edge when it is closer.
inline constexpr QSize SuchDialogSchmal{384, 350}, SuchDialogBreit{720, 350};
int suchDialogLinks(int links, int bildschirmLinks);

// One row of a search result.
struct AdressTreffer {
    int nummer = 0;
    QString anzeige, email;
    QVariantMap felder; // every column by name
};
QVector<AdressTreffer> adressenSuchen(tav::store::Database &db, const AdressKriterien &k);
// the address of that number with the same columns; nothing when there is none
std::optional<AdressTreffer> adresseLesen(tav::store::Database &db, int nummer);

// The group e-mail to the chosen rows: a mail link with their addresses joined by ";", an empty
// subject and a body closing with the greeting and the breeder's own name. Rows without an e-mail
// address are skipped and named in `ohneEmail` (their Anzeige).
struct GruppenMail {
    QUrl link; // invalid when no chosen row has an address
    QStringList ohneEmail;
};
GruppenMail gruppenMail(const QVector<AdressTreffer> &gewaehlt, const QString &gruss,
                        const QString &eigenerVorname, const QString &eigenerName);

} // namespace tav::office
