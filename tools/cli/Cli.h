// Cli: what the commands of tavrenno-cli share: their arguments, the register, outputs.
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cats/CatRules.h"

// The arguments after a command: options with a value (--cats N), switches (--json) and the rest.
struct Angaben {
    QHash<QString, QString> werte;
    QSet<QString> schalter;
    QStringList rest;
    bool hilfe = false; // --help or -h
    QString fehler;     // empty when every argument was understood

    bool hat(const QString &name) const { return werte.contains(name) || schalter.contains(name); }
    QString wert(const QString &name, const QString &vorgabe = QString()) const
    {
        return werte.value(name, vorgabe);
    }
};
// An option is known by its name; its value is the next argument unless that is missing or is
// itself an option ("--..."), which gives "--cats braucht einen Wert".
Angaben leseAngaben(const QStringList &args, const QStringList &mitWert, const QStringList &schalter = {});

using tav::cats::istKater;
using tav::cats::istKatze;

// EigeneDaten.cpp: own-data, the breeder's own address record
QStringList eigeneDatenOptionen();
int eigeneDaten(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err);
// Import.cpp
int importPedigree(const QString &home, const QString &pfad, QTextStream &out, QTextStream &err);
// Inzucht.cpp
int coi(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err);

namespace tav::store {
class Database;
}
namespace tav::breeding {
class PedigreeSource;
class StorePedigree;
class InzuchtBerechnung;
struct InzuchtTextArt;
} // namespace tav::breeding

// The cat (or 0) and the parents of --cat/--cat-name or --sire/--sire-name with --dam/--dam-name.
struct Tiere {
    qint32 tier = 0, vater = 0, mutter = 0;
};
// Checks the cat options and --generations (3..255, default 5): 0, or 2 with the usage `aufruf`.
int pruefeTierAngaben(const Angaben &a, const QString &aufruf, int &generationen, QTextStream &err);
// Finds the cats in the register; false with the reason on `err`.
bool findeTiere(tav::store::Database &db, const tav::breeding::StorePedigree &stamm, const Angaben &a,
                Tiere &t, QTextStream &err);
// One cat of --N or --NAME (sex 0 any, 1 tom, 2 queen); false with the reason on `err`.
bool findeKatze(tav::store::Database &db, const tav::breeding::PedigreeSource &stamm, const Angaben &a,
                const QString &zahlOpt, const QString &nameOpt, int geschlecht, const QString &rolle,
                qint32 &ziel, QTextStream &err);
// Why a calculation failed, in lines for the terminal.
QString berechnungsFehler(const tav::breeding::InzuchtBerechnung &e, const tav::breeding::InzuchtTextArt &art,
                          bool mitDetails);

namespace tav::app {
class tsysteminfo;
}
// the settings file, else the defaults
void einstellungenLesen(tav::app::tsysteminfo &s);

// RegisterTraits.cpp: register-traits, the trait statistics of the register as a CSV file
QStringList registerTraitsOptionen();
int registerTraits(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err);

// Deckplan.cpp: plan-matings, the candidate toms for a queen
QStringList deckplanOptionen();
QStringList deckplanSchalter();
int planMatings(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err);

// HtmlPedigree.cpp: html-pedigree, the HTML pedigree page with the saved settings of its window
int htmlPedigree(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err);

// Online.cpp: export-csv FILE, the cats as a CSV file; upload [--dry-run DIR], the online upload
int exportCsv(const QString &home, const QString &datei, QTextStream &out, QTextStream &err);
int upload(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err);
// Stores the FTP password read from the first line of standard input (never from an argument, so
// it stands on no command line).
int ftpPasswort(QTextStream &out, QTextStream &err);

// Print.cpp: writes a whole output file or leaves the old one as it was; false with the reason on
// `err`.
bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt, QTextStream &err);
// Print.cpp: print <name>; the options every print-out takes are read by main with these.
QStringList druckOptionenMitWert();
QStringList druckSchalter();
QString druckAufruf();
int drucke(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err);

// Sicherung.cpp: backup DIR and restore DIR [--yes], on the program's backup and restore
int sichern(const QString &home, const QString &ziel, QTextStream &out, QTextStream &err);
int zurueckspielen(const QString &home, const QString &sicherung, bool ja, QTextStream &out,
                   QTextStream &err);

// Pruefung.cpp: check [--json] [--months M], the integrity check of the register (1 with findings);
// importHinweise prints the findings that involve the cats of an import (negative numbers) and
// gives their count
QStringList pruefOptionen();
int registerCheck(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err);
namespace tav::maintenance {
struct PruefKatze;
}
int importHinweise(tav::store::Database &db, const QVector<tav::maintenance::PruefKatze> &neu,
                   QTextStream &out);
