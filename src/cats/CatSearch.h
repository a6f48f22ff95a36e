#pragma once

#include <QChar>
#include <QDate>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::cats {

// The ten criteria of the cat search dialog, as typed. Empty (or blank) criteria are not used.
struct SuchKriterien {
    QString name;     // Name, prefix
    QString zwinger;  // Zwinger, prefix
    QString rufname;  // Rufname, prefix
    QString rasse;    // breeds whose RName starts with it
    QString farbe;    // FellFarbe, prefix
    QString zuechter; // Züchter: addresses whose Name (or "Name, Vorname") starts with it
    QString besitzer; // Besitzer: the same
    QString zbNr;     // Zuchtbuchnummer1, prefix
    QString status;   // statuses whose text, stored or shown (statusAnzeige), starts with it
    QString gebDatum; // GebDatum, equal; "31.12.2020", "31.12.20" or "2020-12-31"

    bool leer() const;
};

// Who shows the dialog (the dialog's public `formular`) and which of the caller's buttons holds
// the focus when the search runs.
enum class Formular : quint8 { Hauptfenster = 0, Inzuchtgrad = 1, Buecher = 2, Eltern = 3 };
enum class Fokus { Andere, VaterSuchen, MutterSuchen, DeckkaterSuchen, GedeckteKatzeSuchen };
enum class Geschlechter { Alle, Maennlich, Weiblich };

struct Aufrufer {
    Formular formular = Formular::Hauptfenster;
    Fokus fokus = Fokus::Andere;
    bool ahnenEingabe = false; // an ancestor is being entered from the cat window's pedigree page
    QChar vmZeiger;            // then 'V' (father wanted) or 'M' (mother wanted)
    QString eigenerName;       // Eltern: the text of the cat window's name field
    int eigeneNummer = 0;      // Eltern: the current cat (0 for a new one)
};

Geschlechter geschlechtsFilter(const Aufrufer &a);
// whether the current cat is kept out of the result (the parent search of the cat window)
bool eigeneKatzeAusschliessen(const Aufrufer &a);

enum class Sortierung { ZwingerName, Name, Rufname, Geschlecht, Farbe, GebDatum, Rasse };

struct Spalte {
    QString titel;
    QString feld;
};
// The result grid's columns; the status column only when a status criterion was given. The
// edition captions the cattery column "Hof" and the stud-book column "Ohrmarkennummer".
QVector<Spalte> ergebnisSpalten(bool mitStatus, bool edition = true);
// the order a click on the column title of `feld` asks for; nothing for columns that do not sort
std::optional<Sortierung> sortierungFuerSpalte(const QString &feld);

struct KatzeTreffer {
    int LaufendeNummer = 0;
    QString Name, Zwinger, Rufname, Geschlecht;
    QDate GebDatum;
    int Rasse = 0;
    QString FellFarbe;
    int Vater = 0, Mutter = 0, Zuechter = 0, Besitzer = 0, Status = 0;
    QString Zuchtbuchnummer1;
    // look-ups
    QString Rasse1, VaterAnzeige, MutterAnzeige, StatusAnzeige;
    QString BesitzerName, BesitzerVorname, ZuechterName, Zuechtervorname;
    // calculated
    QString Anzeige, GeschlAnzeige, BesitzerAnzeige, ZuechterAnzeige;
};

// "m", "w", "m/k", "w/k" for sex "1" to "4" ("f" for females in English); empty otherwise
QString geschlAnzeige(const QString &geschlecht, int sprache = 0);
// "Name, Vorname", the name alone without a first name
QString nameVorname(const QString &name, const QString &vorname);

enum class SuchStatus {
    Gefunden,
    NichtsGefunden,  // no cat matches
    KeineAdresse,    // a breeder or owner criterion matches no address: not searched
    UngueltigesDatum // the birth date is not a date: not searched, the criteria stay
};

struct SuchErgebnis {
    SuchStatus status = SuchStatus::NichtsGefunden;
    int meldung = 0; // the message to show (50), 0 for none
    QVector<KatzeTreffer> treffer;
};

constexpr int MeldungKeineKatze = 50;

// The breeder's own name for the owner column of own cats (Status 1).
struct EigeneDaten {
    QString name;
    QString vorname;
};
// the row of EIGEN.DB; empty when the table is missing or empty
EigeneDaten eigeneDatenLesen(tav::store::Database &db);

// A typed date, or nothing when the text is not a valid date.
std::optional<QDate> datumLesen(const QString &text);
// the form the calendar and the write-back use
QString datumText(const QDate &d);

struct SuchAbfrage {
    QString sql;
    QVector<QPair<QString, QVariant>> werte; // every criterion, bound by name
};
// The local SQL statement of a search. The caller has checked the date (datumLesen).
// `gezeigteStatus`: the statuses whose shown name (statusAnzeige) starts with the status criterion.
SuchAbfrage suchAbfrage(const SuchKriterien &k, const Aufrufer &a, Sortierung s,
                        const QList<int> &gezeigteStatus = {});

// The search: checks the date and the address criteria, runs the query and computes the
// calculated columns.
SuchErgebnis katzenSuchen(tav::store::Database &db, const SuchKriterien &k, const Aufrufer &a,
                          Sortierung s = Sortierung::ZwingerName, const EigeneDaten &eigen = {});

// What a chosen row writes back into the criteria fields (one hit, double click), so that a
// further search with them finds the cat again.
SuchKriterien kriterienAusTreffer(const KatzeTreffer &t);

} // namespace tav::cats
