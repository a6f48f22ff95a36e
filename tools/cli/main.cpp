// tavrenno-cli: sets up data directories and works on them without the windows.
#include "Cli.h"
#include "Register.h"

#include "app/Ausgabeziel.h"
#include "app/DataHome.h"
#include "app/EngineErrorText.h"
#include "app/ProgramHome.h"
#include "app/RegisterLock.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/Speicherbudget.h"
#include "maintenance/Datensicherung.h"
#include "online/OnlineKonfig.h"
#include "store/CommitLog.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>
#include <new>
#include <stdexcept>

using namespace tav::store::namen;

namespace {

int falscherAufruf(QTextStream &err, const QString &fehler);

// What a command works with: the home folder, its arguments and the two streams.
using Handler = int (*)(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err);

// How a command stands to the register's lock (DIR/Daten/tavrenno.lock), the one the program holds
// while it runs.
enum class Sperre {
    Keine,  // reads only and runs beside the program
    Nimmt,  // writes: takes the lock of the data folder when there is one
    LegtAn, // writes: makes the data folder first, then takes its lock
};

// One command: its name, usage, arguments, lock and work. Built by naming what differs from a
// command that reads, takes no argument and has its usage on a line of its own.
struct Befehl {
    QString name;
    QString aufruf; // its usage
    Handler ausfuehren = nullptr;
    bool eigeneZeile = true; // else the usage follows the previous command's on its line
    QStringList mitWert, schalter;
    int dateien = 0; // arguments that are no option
    QString fehlt;   // what the refusal says when that argument is missing
    Sperre sperre = Sperre::Keine;
    QString nurLesendMit; // the switch under which a writing command only reads
    // the files (or the folder) it writes to besides --pdf, --html, --out and --csv
    QStringList (*ausgaben)(const Angaben &a) = nullptr;
    QString nachFehler; // the line that closes each of its failures

    Befehl(const char *n, const QString &a, Handler h)
        : name(QString::fromLatin1(n)), aufruf(a), ausfuehren(h)
    {
    }
    Befehl gleicheZeile() const
    {
        return with([](Befehl &b) { b.eigeneZeile = false; });
    }
    Befehl optionen(const QStringList &w, const QStringList &s = {}) const
    {
        return with([&](Befehl &b) {
            b.mitWert = w;
            b.schalter = s;
        });
    }
    Befehl argument(const char *wennFehlt) const
    {
        return with([&](Befehl &b) {
            b.dateien = 1;
            b.fehlt = QString::fromUtf8(wennFehlt);
        });
    }
    Befehl sperrt(Sperre s, const char *ausserMit = "") const
    {
        return with([&](Befehl &b) {
            b.sperre = s;
            b.nurLesendMit = QString::fromLatin1(ausserMit);
        });
    }
    Befehl schreibtNach(QStringList (*f)(const Angaben &)) const
    {
        return with([&](Befehl &b) { b.ausgaben = f; });
    }
    Befehl schliesstFehlerMit(const char *zeile) const
    {
        return with([&](Befehl &b) { b.nachFehler = QString::fromUtf8(zeile); });
    }

  private:
    template <class F> Befehl with(F f) const
    {
        Befehl b = *this;
        f(b);
        return b;
    }
};

int initBefehl(const QString &home, const Angaben &, QTextStream &out, QTextStream &)
{
    tav::app::initDataDirectory(home);
    out << "Datenverzeichnis angelegt: " << tav::app::dataDirOf(home) << "\n";
    return 0;
}

void registerAnlegen(const QString &home)
{
    if (!tav::store::Database(tav::app::dataDirOf(home)).tableExists(catstamm::Datei))
        tav::app::initDataDirectory(home);
}

int demoBefehl(const QString &home, const Angaben &, QTextStream &out, QTextStream &)
{
    registerAnlegen(home);
    writeDemo(home);
    out << "Demodaten geschrieben: " << tav::app::dataDirOf(home) << "\n";
    return 0;
}

int generateBefehl(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err)
{
    GenerateOptions o;
    bool ok1, ok2, ok3, ok4;
    o.cats = a.wert("--cats", "1000").toInt(&ok1);
    o.generations = a.wert("--generations", "10").toInt(&ok2);
    o.seed = a.wert("--seed", "1").toUInt(&ok3);
    o.breeders = a.wert("--breeders", "0").toInt(&ok4);
    if (!ok1 || !ok2 || !ok3 || !ok4 || o.cats < 1 || o.generations < 1 || o.breeders < 0)
        return falscherAufruf(err, QStringLiteral("generate: N und G ab 1, B ab 0, S eine Zahl ab 0"));
    registerAnlegen(home);
    writeSynthetic(home, o, a.hat("--verbose"));
    out << o.cats << " Katzen in " << o.generations << " Generationen geschrieben\n";
    return 0;
}

QStringList csvDatei(const Angaben &a)
{
    return {a.rest.value(0)};
}

QStringList uploadOrdner(const Angaben &a)
{
    return {a.hat(QStringLiteral("--dry-run")) ? a.wert(QStringLiteral("--dry-run"))
                                               : tav::online::uploadOrdner(tav::app::configDir())};
}

const QList<Befehl> &befehle()
{
    const char *const datei = "braucht eine DATEI", *const ordner = "braucht einen ORDNER";
    static const QList<Befehl> b = {
        Befehl("init", "init", initBefehl).sperrt(Sperre::LegtAn),
        Befehl("demo", "demo", demoBefehl).gleicheZeile().sperrt(Sperre::LegtAn),
        Befehl("generate", "generate --cats N --generations G --seed S [--breeders B] [--verbose]",
               generateBefehl)
            .gleicheZeile()
            .optionen({"--cats", "--generations", "--seed", "--breeders"}, {"--verbose"})
            .sperrt(Sperre::LegtAn),
        Befehl("import-pedigree", "import-pedigree DATEI",
               [](const QString &home, const Angaben &a, QTextStream &out, QTextStream &err) {
                   return importPedigree(home, a.rest.first(), out, err);
               })
            .argument(datei)
            .sperrt(Sperre::Nimmt)
            .schliesstFehlerMit("Nichts importiert."),
        Befehl("own-data",
               "own-data --name NAME --first-name VORNAME [--street ..] [--postcode ..] [--town ..]"
               " [--cattery ..] [--email ..] [--customer-number NR]",
               eigeneDaten)
            .optionen(eigeneDatenOptionen())
            .sperrt(Sperre::Nimmt),
        Befehl("coi",
               "coi (--cat N | --cat-name NAME | --sire N --dam M | --sire-name A --dam-name B)"
               " [--generations G] [--details [--max-lines N]] [--json]",
               coi)
            .optionen({"--cat", "--cat-name", "--sire", "--dam", "--sire-name", "--dam-name", "--generations",
                       "--max-lines"},
                      {"--details", "--json"}),
        Befehl("html-pedigree", "html-pedigree (--cat N | --cat-name NAME) [--generations G] --out DATEI",
               htmlPedigree)
            .optionen({"--cat", "--cat-name", "--generations", "--out"}),
        Befehl("register-traits",
               "register-traits [--query AUSDRUCK] [--sex 1,2,3,4] [--age-from N] [--age-to N] [--months]"
               " [--colour FARBE] [--generations G] --csv DATEI",
               registerTraits)
            .optionen(registerTraitsOptionen(), {"--months"}),
        Befehl(
            "plan-matings",
            "plan-matings (--dam N | --dam-name NAME) [--generations G] [--breed RCODE] [--status N]"
            " [--own] [--with-dead] [--age-from N] [--age-to N] [--avoid MERKMAL,...] [--csv DATEI | --json]",
            planMatings)
            .optionen(deckplanOptionen(), deckplanSchalter()),
        Befehl("export-csv", "export-csv DATEI",
               [](const QString &home, const Angaben &a, QTextStream &out, QTextStream &err) {
                   return exportCsv(home, a.rest.first(), out, err);
               })
            .argument(datei)
            .schreibtNach(csvDatei),
        // upload writes only the picture log, and that only when it sends
        Befehl("upload", "upload [--dry-run ORDNER]", upload)
            .gleicheZeile()
            .optionen({"--dry-run"})
            .sperrt(Sperre::Nimmt, "--dry-run")
            .schreibtNach(uploadOrdner),
        Befehl("ftp-password", "ftp-password",
               [](const QString &, const Angaben &, QTextStream &out, QTextStream &err) {
                   return ftpPasswort(out, err);
               })
            .gleicheZeile(),
        Befehl("check", "check [--months M] [--json]", registerCheck).optionen(pruefOptionen(), {"--json"}),
        Befehl("print", druckAufruf(), drucke)
            .optionen(druckOptionenMitWert(), druckSchalter())
            .argument("braucht den Namen einer Druckausgabe"),
        Befehl("backup", "backup ORDNER",
               [](const QString &home, const Angaben &a, QTextStream &out, QTextStream &err) {
                   return sichern(home, a.rest.first(), out, err);
               })
            .argument(ordner)
            .sperrt(Sperre::Nimmt),
        Befehl("restore", "restore ORDNER [--yes]",
               [](const QString &home, const Angaben &a, QTextStream &out, QTextStream &err) {
                   return zurueckspielen(home, a.rest.first(), a.hat("--yes"), out, err);
               })
            .gleicheZeile()
            .optionen({}, {"--yes"})
            .argument(ordner)
            .sperrt(Sperre::Nimmt),
    };
    return b;
}

QString aufruf()
{
    QString text = QStringLiteral("Aufruf: tavrenno-cli --home DIR ");
    for (const Befehl &b : befehle()) {
        if (&b != &befehle().first())
            text += b.eigeneZeile ? QStringLiteral("\n       | ") : QStringLiteral(" | ");
        text += b.aufruf;
    }
    return text + QStringLiteral("\n       tavrenno-cli --help\n");
}

int hilfe(QTextStream &out)
{
    out << aufruf()
        << "\n"
           "DIR hält die Tabellen im Unterordner Daten; ohne --home gilt $TAVRENNO_HOME.\n"
           "--take-over-lock übernimmt eine leere, unlesbare oder auf einem anderen Rechner\n"
           "geschriebene Sperrdatei DIR/Daten/tavrenno.lock.\n"
           "\n"
           "Befehle:\n"
           "  init             legt DIR/Daten mit allen Tabellen, den Katalogen und Referenzlisten an;\n"
           "                   ein Verzeichnis mit einer Katzentabelle bleibt unverändert\n"
           "  demo             schreibt ein Demoregister (etwa 70 Katzen über 7 Generationen)\n"
           "  generate         schreibt ein künstliches Register: N Katzen (Vorgabe 1000) über G\n"
           "                   Generationen (Vorgabe 10) aus der Saat S (Vorgabe 1); B Zuchttiere je\n"
           "                   Generation (Vorgabe 0: jede Katze und die beliebten Kater)\n"
           "  import-pedigree  übernimmt die Katzen einer Stammbaumdatei (unten)\n"
           "  own-data         setzt die eigenen Daten des Züchters (Name und Vorname sind Pflicht; die\n"
           "                   Kunden-Nr. hat 1 bis 15 Zeichen aus A-Z, a-z, 0-9, _ und -); was nicht\n"
           "                   angegeben ist, bleibt; bei einem Fehler wird nichts geschrieben\n"
           "  coi              Inzucht- und Ahnenverlustkoeffizient einer Katze oder einer geplanten\n"
           "                   Verpaarung über G Generationen (3 bis 255, Vorgabe 5); --details mit\n"
           "                   den Zeilen je Vorfahr (höchstens N je Liste, --max-lines, Vorgabe 1000),\n"
           "                   --json als JSON\n"
           "  html-pedigree    schreibt den Stammbaum einer Katze als HTML-Seite über G Generationen\n"
           "                   (3 bis 12, Vorgabe: die gespeicherte Zahl) mit den gespeicherten\n"
           "                   Einstellungen des Fensters HTML-Stammbaum (HTMLMirravel.ini)\n"
           "  register-traits  schreibt die Katzen des Registers mit Merkmalen, Alter, Eltern, IK und AVK\n"
           "                   als CSV-Datei; --query ist ein Ausdruck aus Merkmal='Name', and, or, not\n"
           "                   und Klammern (ohne: alle Katzen), --sex die Geschlechtscodes, --age-from\n"
           "                   und --age-to das Alter lebender Katzen in Jahren (--months: Monaten),\n"
           "                   G die Generationen für IK und AVK (Vorgabe: die Einstellung)\n"
           "  plan-matings     die Kater, die für die Katze (Mutter) in Frage kommen, mit Inzucht- und\n"
           "                   Ahnenverlustkoeffizient der Kitten über G Generationen (Vorgabe 5), den\n"
           "                   wichtigsten gemeinsamen Vorfahren mit ihrem Anteil, der Rassenzusammen-\n"
           "                   setzung der Kitten und den Merkmalen des Katers, nach IK geordnet; nur\n"
           "                   lebende Kater (--with-dead: alle), --breed eine Rasse, --status ein\n"
           "                   Status, --own nur eigene Kater (Status 1), --age-from/--age-to das Alter\n"
           "                   in Jahren, --avoid Merkmale, die der Kater nicht tragen darf\n"
           "  export-csv       schreibt die Katzen als CSV-Datei (UTF-8, Semikolon, Kopfzeile)\n"
           "  upload           lädt die Daten wie das Fenster Online - Datenbank hoch (alles angehakt);\n"
           "                   Adresse und Zugang stehen im Abschnitt [Online] der Einstellungen;\n"
           "                   die Dateien liegen im Ordner Online neben den Einstellungen (nur für\n"
           "                   den Benutzer lesbar); --dry-run schreibt sie nur in ORDNER und sendet\n"
           "                   nichts\n"
           "  ftp-password     liest das FTP-Kennwort aus der ersten Zeile der Standardeingabe und\n"
           "                   legt es nur für den Benutzer lesbar neben den Einstellungen ab\n"
           "  check            prüft das Register: Schleifen in den Elternangaben, Väter mit weiblichem\n"
           "                   und Mütter mit männlichem Geschlecht, Eltern, die nach oder weniger als M\n"
           "                   Monate (Vorgabe: die Einstellung, sonst 7) vor dem Jungtier geboren sind,\n"
           "                   Jungtiere nach dem Tod eines Elters, fehlende Eltern, mögliche Duplikate\n"
           "                   (gleicher Name und Geburtsdatum); --json als JSON. Rückgabewert 1 bei "
           "Befunden\n"
           "  print            schreibt eine Druckausgabe als PDF-Datei (--pdf) oder HTML-Seite (--html)\n"
           "                   mit den Beschriftungen in der Sprache von --lang (Vorgabe: die Sprache\n"
           "                   der Einstellungen, sonst Deutsch) und den Rändern der Einstellungen;\n"
           "    inbreeding     Inzucht einer Katze oder geplanten Verpaarung wie im Inzuchtfenster;\n"
           "    mating-plan    die Liste von plan-matings wie im Fenster Deckplaner\n"
           "                   --with-pairs mit der Liste der Katzen mit Inzucht, --with-ancestors mit der\n"
           "                   Vorfahrenliste, --with-clones mit Top Katzen und Klonanalyse\n"
           "  backup           kopiert die Tabellen in ORDNER; eine Datei, die dort schon liegt, bleibt\n"
           "                   und wird gemeldet\n"
           "  restore          spielt die Sicherung in ORDNER zurück (--yes: ohne Rückfrage); die\n"
           "                   bisherigen Daten bleiben in DIR/Datensik. Misslingt etwas, bleiben die\n"
           "                   bisherigen Daten unverändert\n"
           "\n"
           "Die Stammbaumdatei: Text in UTF-8, Felder durch \";\" getrennt, die erste Zeile lautet\n"
           "  Name;Geschlecht;Vater;Mutter;GebDatum;Rasse\n"
           "  Name        Name der Katze, höchstens 70 Zeichen (Pflicht)\n"
           "  Geschlecht  1 Kater, 2 Katze, 3 kastrierter Kater, 4 kastrierte Katze (Pflicht)\n"
           "  Vater       Name eines Katers (1 oder 3) weiter oben in der Datei oder im Register, oder leer\n"
           "  Mutter      Name einer Katze (2 oder 4) weiter oben in der Datei oder im Register, oder leer\n"
           "  GebDatum    Geburtsdatum JJJJ-MM-TT oder TT.MM.JJJJ, oder leer\n"
           "  Rasse       Nummer, Kurzname oder Name der Rassentabelle (z. B. 39, PER oder Perser),\n"
           "              oder leer\n"
           "Jede Zeile wird vorher geprüft; ist eine fehlerhaft, wird nichts importiert. Neue Katzen\n"
           "erhalten wie im Katzenfenster den Status 2, den Zwinger, der sich aus dem Namen ergibt, und\n"
           "den Züchter mit diesem Zwinger in seiner Adresse. Vorher nennt import-pedigree, was die\n"
           "Registerprüfung (check) an den neuen Katzen fände; das hält den Import nicht auf.\n"
           "\n"
           "init, demo, generate, import-pedigree, own-data, backup und restore arbeiten nicht, solange das "
           "Programm oder "
           "ein\n"
           "anderer schreibender Befehl das Register benutzt (Sperre DIR/Daten/tavrenno.lock); coi,\n"
           "html-pedigree, register-traits, plan-matings, print, export-csv, check und upload --dry-run\n"
           "gehen nebenher.\n"
           "\n"
           "Ausgabedateien (export-csv DATEI, --pdf, --html, --out, --csv, der Ordner von upload) liegen "
           "nie\n"
           "im Datenordner und sind nie eine Tabellen-, Journal- oder Sperrdatei; eine Datei wird erst\n"
           "ersetzt, wenn sie ganz geschrieben ist.\n"
           "\n"
           "Rückgabewert: 0 erledigt, 1 Fehler bei der Arbeit, 2 falscher Aufruf.\n";
    return 0;
}

int falscherAufruf(QTextStream &err, const QString &fehler)
{
    if (!fehler.isEmpty())
        err << fehler << "\n";
    err << aufruf();
    return 2;
}

// The files (and the upload's folder) a command writes its outputs to.
QStringList ausgaben(const Befehl &befehl, const Angaben &a)
{
    QStringList pfade = befehl.ausgaben ? befehl.ausgaben(a) : QStringList();
    for (const char *option : {"--pdf", "--html", "--out", "--csv"})
        if (a.werte.contains(QLatin1String(option)))
            pfade << a.wert(QLatin1String(option));
    return pfade;
}

// False, with the refusal on `err`, when an output would land on the register.
bool ausgabenErlaubt(const QString &home, const QStringList &pfade, QTextStream &err)
{
    const QString daten = tav::app::dataDirOf(home);
    for (const QString &pfad : pfade) {
        const tav::app::Ausgabeziel z = tav::app::ausgabezielPruefen(pfad, daten);
        if (z.erlaubt())
            continue;
        QString text;
        tav::store::Database db(daten);
        if (db.tableExists(sprmel::Datei)) {
            tav::app::Sprache katalog;
            katalog.open(&db);
            text = katalog.message(z.meldung);
        }
        if (text.isEmpty())
            text = z.meldung == tav::app::MeldungAusgabeRegisterdatei
                       ? QStringLiteral("Die Datei gehört zu einem Register und wird nicht überschrieben:")
                       : QStringLiteral("Ausgaben gehören nicht in den Datenordner; nichts geschrieben:");
        err << text << " " << z.pfad << "\n";
        return false;
    }
    return true;
}

bool istHilfe(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

} // namespace

int main(int argc, char *argv[])
{
    // pictures are drawn without a screen
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const QStringList args = app.arguments().mid(1);
    // --home may stand before or after the command
    QString home = qEnvironmentVariable("TAVRENNO_HOME");
    QString fehler;
    QStringList rest;
    bool uebernehmen = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--take-over-lock"))
            uebernehmen = true;
        else if (args[i] != QLatin1String("--home"))
            rest << args[i];
        else if (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1String("--")))
            home = args[++i];
        else if (fehler.isEmpty())
            fehler = QStringLiteral("--home braucht einen Wert");
    }
    const QString command = rest.isEmpty() ? QString() : rest.takeFirst();
    const Befehl *befehl = nullptr;
    for (const Befehl &b : befehle())
        if (b.name == command)
            befehl = &b;
    if (istHilfe(command) || (!befehl && std::any_of(rest.cbegin(), rest.cend(), istHilfe)))
        return hilfe(out);
    if (!befehl)
        return falscherAufruf(err,
                              command.isEmpty() ? fehler : QStringLiteral("Unbekannter Befehl: ") + command);
    const Angaben a = leseAngaben(rest, befehl->mitWert, befehl->schalter);
    if (a.hilfe)
        return hilfe(out);
    if (fehler.isEmpty())
        fehler = a.fehler;
    if (fehler.isEmpty() && a.rest.size() > befehl->dateien)
        fehler = QStringLiteral("Unbekannte Angabe: ") + a.rest.value(befehl->dateien);
    if (fehler.isEmpty() && a.rest.size() < befehl->dateien)
        fehler = command + QLatin1Char(' ') + befehl->fehlt;
    if (fehler.isEmpty() && home.isEmpty())
        fehler = QStringLiteral("Kein Datenverzeichnis: --home DIR oder $TAVRENNO_HOME angeben");
    if (!fehler.isEmpty())
        return falscherAufruf(err, fehler);
    // the writers below check again against the program home's data folder
    tav::app::setProgramHome(home);
    tav::breeding::leseSpeicherGrenze(tav::app::settingsPath());
    if (!ausgabenErlaubt(home, ausgaben(*befehl, a), err))
        return 1;
    // a failure's last line, when the command has one
    const auto gescheitert = [&] {
        if (!befehl->nachFehler.isEmpty())
            err << befehl->nachFehler << "\n";
        return 1;
    };
    if (tav::app::dataDirUnreadable(tav::app::dataDirOf(home))) {
        err << tav::app::unreadableDataDirText(tav::app::dataDirOf(home)).section(QLatin1Char('\r'), 0, 0)
            << "\n";
        return gescheitert();
    }
    // what an interrupted restore left is put right before anything reads the register
    tav::maintenance::ruecksicherungWiederherstellen(tav::app::dataDirOf(home));
    // and what a crash left of a change: undone, and said so
    for (const auto &c : tav::store::recoverInterrupted(tav::app::dataDirOf(home)))
        err << "Eine unterbrochene Änderung wurde beim Start zurückgenommen: " << tav::store::describe(c)
            << "\n";
    // a writing command takes the register's lock, the one the program holds while it runs; a
    // command that creates the data folder makes it first
    std::unique_ptr<tav::app::RegisterLock> sperre;
    const bool liest =
        befehl->sperre == Sperre::Keine || (!befehl->nurLesendMit.isEmpty() && a.hat(befehl->nurLesendMit));
    if (!liest) {
        const QString daten = tav::app::dataDirOf(home);
        // a folder that cannot be made is refused by the lock, in the catalogue's words
        const bool legtAn = befehl->sperre == Sperre::LegtAn;
        const bool made = legtAn && QDir().mkpath(daten);
        if (QFileInfo::exists(daten) || (legtAn && !made)) {
            sperre = std::make_unique<tav::app::RegisterLock>(daten);
            auto r = sperre->tryLock();
            if (uebernehmen && tav::app::RegisterLock::mayTakeOver(r))
                r = sperre->takeOver();
            if (r != tav::app::RegisterLock::Result::Locked) {
                if (r != tav::app::RegisterLock::Result::CannotCreate)
                    err << sperre->holderText().replace(QLatin1Char('\r'), QLatin1Char('\n')) << "\n";
                err << sperre->refusal(r).replace(QLatin1Char('\r'), QLatin1Char('\n')) << "\n";
                if (tav::app::RegisterLock::mayTakeOver(r))
                    err << "Arbeitet sonst niemand mit diesem Register, mit --take-over-lock erneut "
                           "aufrufen.\n";
                return gescheitert();
            }
        }
    }
    try {
        return befehl->ausfuehren(home, a, out, err);
    } catch (const tav::store::EngineError &e) {
        // in the words of the program's error dialog
        for (const QString &line : tav::app::errorText(e, e.file()))
            err << line << "\n";
        return gescheitert();
    } catch (const std::bad_alloc &) {
        err << "Zu wenig Arbeitsspeicher für " << command << ".\n";
        return gescheitert();
    } catch (const std::exception &e) {
        err << QString::fromUtf8(e.what()) << "\n";
        return gescheitert();
    }
}
