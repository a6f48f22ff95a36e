// InzuchtSpeicherung: saved inbreeding calculations (Inzuchtgrad.db and its three detail tables)
// and the small input rules of the inbreeding window.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tav::store {
class Database;
}

namespace tav::breeding {

// The generation edit when it is left: no number or below 3 gives 3, above 255 gives 255.
int generationenEingabe(const QString &text);

// A clone line "12,50 %/Name" as percent text and name; a line without "/" is all percent.
struct KlonZeile {
    QString prozent;
    QString name;
};
KlonZeile klonZeile(const QString &line);
// The percent of a clone cell ("12,50 %") as a number; the decimal comma is read as well.
double klonProzent(const QString &cell);

// What a planned mating is saved under unless the user types another name.
QString speicherNameVorschlag(const QString &vater, const QString &mutter);

struct GespeicherteBerechnung {
    qint64 schluessel = 0; // LaufendeNummer, once saved
    int art = 0;           // 0 a cat, 1 a planned mating
    QString name;
    qint32 nummer = 0;
    QString vater;
    qint32 vaterNr = 0;
    QString mutter;
    qint32 mutterNr = 0;
    int generation = 0;
    QStringList inzucht;
    QString prozent;
    QStringList ahnenverlust;
    QString stammbaumkomplett;
    QStringList info;

    struct TopKatze {
        int slot = 0;
        QString name;
        QString anzahl;
    };
    // saved only when the window shows the live top cats; a load gives the saved rows, if any
    QVector<TopKatze> topKatzen;
    bool mitTopKatzen = false;

    struct Klon {
        double prozent = 0.0;
        QString name;
    };
    QVector<Klon> klone;

    struct Vorfahr {
        qint32 katze = 0;
        QString name;
        qint32 anzahl = 0;
        std::optional<qint32> farbe;
    };
    QVector<Vorfahr> vorfahren;
};

struct GespeicherterEintrag {
    qint64 schluessel = 0;
    QString name;
    int generation = 0;
};

// The declared size of a saved calculation's name: a typed name stops there rather than being cut
// on the way in, where it could no longer be found.
constexpr int SpeicherNameLaenge = 1000;

// Creates whichever of the four tables is missing.
void speichertabellenAnlegen(store::Database &db);
// The calculation saved under this name and generation count, if any.
std::optional<qint64> findeBerechnung(store::Database &db, const QString &name, int generation);
// Saves all rows or none. With `ersetzen` the calculation of that key is overwritten: its ancestor
// and clone rows go, its top-cat rows only when new ones are saved. Returns the key.
qint64 berechnungSpeichern(store::Database &db, const GespeicherteBerechnung &b,
                           std::optional<qint64> ersetzen = std::nullopt);
// The saved calculations by name and generation count.
QVector<GespeicherterEintrag> gespeicherteBerechnungen(store::Database &db);
std::optional<GespeicherteBerechnung> berechnungLaden(store::Database &db, qint64 schluessel);

} // namespace tav::breeding
