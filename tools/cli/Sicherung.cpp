// Sicherung: backup and restore of the register from the command line.
#include "Cli.h"

#include "app/DataHome.h"
#include "maintenance/Datensicherung.h"

#include <QDir>
#include <QFileInfo>

using namespace tav::maintenance;

namespace {

bool frage(const QString &text, bool ja, QTextStream &out)
{
    out << text << (ja ? " ja\n" : " (j/n) ");
    out.flush();
    if (ja)
        return true;
    QTextStream in(stdin);
    const QString antwort = in.readLine().trimmed().toLower();
    return antwort == QLatin1String("j") || antwort == QLatin1String("ja") || antwort == QLatin1String("y");
}

} // namespace

int sichern(const QString &home, const QString &ziel, QTextStream &out, QTextStream &err)
{
    if (!QDir().mkpath(ziel)) {
        err << "Das Verzeichnis konnte nicht angelegt werden: " << ziel << "\n";
        return 1;
    }
    const SicherungsErgebnis e = datenSichern(tav::app::dataDirOf(home), ziel, nullptr);
    for (int i = 0; i < e.nichtKopiert.size(); ++i) {
        const QString grund = kopierGrund(e.gruende.value(i));
        err << "Fehler beim Kopieren der Datei: " << e.nichtKopiert[i]
            << (grund.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(grund)) << "\n";
    }
    for (const QString &name : e.beschaedigt)
        err << "Die Kopie ist beschädigt: " << name << "\n";
    for (const QString &name : e.ordner)
        err << "Statt einer Tabelle steht hier ein Ordner: " << name << "\n";
    if (e.belegt)
        err << "Eine Änderung ist noch im Gange; bitte später erneut versuchen.\n";
    out << e.kopiert << " Dateien nach " << QDir::toNativeSeparators(ziel) << " kopiert\n";
    if (e.vollstaendig)
        return 0;
    err << "Die Sicherung ist unvollständig und lässt sich nicht zurückspielen.\n";
    return 1;
}

int zurueckspielen(const QString &home, const QString &sicherung, bool ja, QTextStream &out, QTextStream &err)
{
    Ruecksicherung r;
    r.datenordner = tav::app::dataDirOf(home);
    r.sicherung = sicherung;
    r.bestaetigen = [&] { return frage(QStringLiteral("Wirklich zurückspielen?"), ja, out); };
    r.aelterBestaetigen = [&] {
        return frage(QStringLiteral("Tierdatenbank ist älter als aktuelle Datei! Wirklich ersetzen?"), ja,
                     out);
    };
    const RueckErgebnis e = datenZurueckspielen(r);
    const Ruecksicherungsordner o(r.datenordner);
    switch (e.status) {
    case RueckStatus::Erfolg:
        out << "Zurückgespielt. Die bisherigen Daten liegen in " << QDir::toNativeSeparators(o.sicherheit)
            << "\n";
        return 0;
    case RueckStatus::KeineSicherung: err << "Dies ist kein Tavrenno Sicherungsverzeichnis!\n"; break;
    case RueckStatus::Unvollstaendig:
        err << "Die Sicherung ist unvollständig; es fehlen: " << e.dateien.join(", ") << "\n";
        break;
    case RueckStatus::UnzulaessigerOrdner: err << "Aus dem Datenordner wird nicht zurückgespielt.\n"; break;
    case RueckStatus::Verneint: err << "Nichts zurückgespielt.\n"; break;
    case RueckStatus::SicherheitNichtBeschreibbar:
        err << "Der Sicherheitsordner kann nicht beschrieben werden: "
            << QDir::toNativeSeparators(o.sicherheit) << "\n";
        break;
    case RueckStatus::KopierFehler:
        err << "Fehler beim Kopieren der Datei: " << e.dateien.join(", ") << "\n";
        break;
    case RueckStatus::Beschaedigt:
        err << "Die Sicherung ist beschädigt: " << e.dateien.join(", ") << "\n";
        break;
    case RueckStatus::TauschFehler: err << "Das Zurückspielen ist fehlgeschlagen.\n"; break;
    case RueckStatus::ImWeg:
        err << "Übrig gebliebene Einträge stehen im Weg; bitte entfernen: " << e.dateien.join(", ") << "\n";
        break;
    case RueckStatus::Belegt:
    case RueckStatus::UngesicherteAenderungen:
    case RueckStatus::Abgebrochen: err << "Das Register ist belegt.\n"; break;
    }
    if (e.status != RueckStatus::Verneint)
        err << "Die Daten sind unverändert.\n";
    return 1;
}
