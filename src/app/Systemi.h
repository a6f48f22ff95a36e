// Systemi: the program settings (tsysteminfo over Tavrenno.ini).
#pragma once

#include "IniFile.h"

#include <QDate>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <vector>

namespace tav::app {

// $TAVRENNO_CONFIG, else $XDG_CONFIG_HOME/tavrenno, else ~/.config/tavrenno.
QString configDir();
// configDir() + "/Tavrenno.ini"
QString settingsPath();

enum class SettingsFileStatus { Present, Created, Failed, Unreadable };
// Creates Tavrenno.ini with the defaults when it is missing (first start). Failed: the file is
// missing and cannot be created (message 25); Unreadable: it is there but cannot be read (message
// 9401). The window layer then ends the program.
SettingsFileStatus ensureSettingsFile(const QString &path = settingsPath(), const QRect &workArea = QRect());

// Token arrays of the order strings: the token numbers in the order of their words' first
// appearance, then zeros. A word found inside a longer word counts ("Rassecode" holds "Rasse").
using StammbaumArray = std::array<int, 22>;
using VerpaarungArray = std::array<int, 23>;
StammbaumArray stammbaumTokens(const QString &order);
VerpaarungArray verpaarungTokens(const QString &order);
// The words of the tokens 1..22 (pedigree orders) and 1..23 (matings order).
const QStringList &stammbaumWoerter();
const QStringList &verpaarungWoerter();

// Where the main window goes for an `Aufloesung` value and a work area.
struct WindowPlacement {
    bool maximized = false;
    bool move = false; // to `pos`
    QPoint pos;
    bool resize = false; // to `size`
    QSize size;
};
WindowPlacement aufloesungPlacement(const QString &aufloesung, const QRect &workArea);
// "800x600", "1024x768" or "1152x864" by the size of the work area.
QString defaultAufloesung(const QRect &workArea);

// The update hook of start-up: the program command lines of TVRUPD.ini to run, in order
// (Programme/Update1..3), when Version/Nummer (first 5 characters) is set and not "7.0".
QStringList updatePrograms(const QString &tvrupdPath);

// A setting whose value could not be used and was replaced by its default (SettingsCheck.h).
struct UngueltigeEinstellung {
    QString abschnitt, schluessel, wert, standard;
};

// All settings of Tavrenno.ini, read once at start-up and applied by setzen().
class tsysteminfo : public QObject
{
    Q_OBJECT
  public:
    explicit tsysteminfo(QObject *parent = nullptr);

    // Creates the one global instance (replacing an earlier one) and reads every key.
    // False when the file exists but cannot be read; the fields then hold the defaults.
    static bool load(const QString &path = settingsPath(), const QRect &workArea = QRect());
    static tsysteminfo *instance();

    // Reads every key; a missing key or a bad number gives the default.
    void read(const IniFile &ini, const QRect &workArea = QRect());
    // Every key of the file with the value of its field (for the writers of several keys).
    QList<IniFile::Entry> entries() const;
    QString path() const { return m_path; }
    // the file the settings are written to: the one read, else settingsPath()
    QString datei() const { return m_path.isEmpty() ? settingsPath() : m_path; }

    void StammbaumSortierungAnzeige();
    void StammbaumSortierungDrucken();
    void VerpaarungSortierungAnzeige();

    // The screen's work area, from the provider the window layer installs. False and an empty
    // rectangle when there is none.
    static bool GetFormMaxRect(QRect &rect);
    static void setWorkAreaProvider(std::function<QRect()> provider);
    // Writes "Angepasst " + width + "x" + height to System/Aufloesung.
    bool AufloesungSpeichern(const QSize &mainWindowSize);
    // Writes the printer font to Drucken/Schriftart and Schriftgroese and takes it; false (the
    // settings unchanged) when the file cannot be written.
    bool SchriftSpeichern(const QString &name, int groesse);
    // Runs the programs of the update marker file one after the other, each to its end.
    static void loadUpdate(const QString &tvrupdPath = configDir() + QStringLiteral("/TVRUPD.ini"));

    // Applies the settings: builds the token arrays, raises the inbreeding generations to 3,
    // sets the catalogue language when SpracheGeaendert is set, then calls every hook and emits
    // applied(). The windows do their part of the settings in those hooks.
    void setzen();
    using Hook = std::function<void(tsysteminfo &, bool languageChanged)>;
    void addHook(Hook hook) { m_hooks.push_back(std::move(hook)); }

    // Auswahlfenster
    bool Anzeigen = true;
    QString index = QStringLiteral("Nameidx");
    QString Status = QStringLiteral("alle");
    // Stammdaten
    QString indexStammdaten = QStringLiteral("Nameidx");
    int RasseStandardeinstellung = 0;
    QString FarbeStandardeinstellung;
    int HaarartStandardeinstellung = 0;
    bool ZusatzBeiZwinger = false;
    bool SuchebeiNeuaufnahme = true;
    bool BildAnpassen = true;
    bool alleTitel = true;
    int TageTraechtigkeit = 65;
    // Wurfbuch
    int TageNaechsteRolligkeit = 165;
    int TageNRplusMinus = 14; // 0..255
    int TagebisAbgabetermin = 60;
    // Stammbaum
    bool stammbaumMitName = false;
    QString stammbaumAnzeige = QStringLiteral("Titel,Farbe");
    QString stammbaumDrucken = QStringLiteral("Titel,Farbe");
    int StammbaumGeneration = 4;
    bool stammbaumBesitzer = true;
    bool StammbaumlangBild = true;
    bool StammbaumBild = true;
    bool StammbaumGenBild = true;
    QString Stammbaumlogo;
    int StammbaumLogoBildhorizontal = 250;
    int StammbaumLogoBildvertikal = 250;
    QString StammbaumHintergrundbild;
    int StammbaumLinkerRand = 10;
    int StammbaumRechterRand = 125;
    int StammbaumUntererRand = 40;
    int StammbaumObererRand = 0;
    int StammbaumBildhorizontal = 250;
    int StammbaumBildvertikal = 250;
    int StammbaumGenBildhorizontal = 200;
    int StammbaumGenBildvertikal = 200;
    // Druck
    double Druckoben = 7;
    double Drucklinks = 10;
    // System
    bool speichern = true;
    bool hilfe = true;
    bool Fenstergroesse = true;
    QString Aufloesung = QStringLiteral("800x600");
    QString Sprache = QStringLiteral("Deutsch");
    bool SpracheGeaendert = false;
    bool MerkmalvorTop = true;
    double faktoram = 0;
    QDate Umrechnungam; // null: never converted
    QString Textverarbeitung = QStringLiteral("Write.exe");
    // Warnung
    bool WarnungVerfallsdatum = true;
    bool WarnungTermine = true;
    bool WarnungImpfung = true;
    bool WarnungWurmkur = true;
    // Drucken
    bool TitelRot = true;
    bool StbDoppelteFarbig = true;
    QString Schriftart = QStringLiteral("Arial");
    int Schriftgroesse = 18;
    int BildAufloesung = 18;
    // Adressen
    bool SuchebeiNeuaufnahmeAdresse = true;
    // Verpaarung
    QString verpaarungAnzeige = QStringLiteral("Titel,Farbe");
    // Inzucht
    int Inzuchtgenerationen = 5;
    int InzuchtStdgenerationen = 5;
    bool InzuchtBerechnungAuto = true;
    int InzuchtFenster = 0;
    bool InzuchtmitVorfahren = true;
    // Statistiken
    int StatistikGenerationen = 100;
    // LASTCATS Cat1..Cat5
    std::array<QString, 5> LastCats{QStringLiteral("{}"), QStringLiteral("{}"), QStringLiteral("{}"),
                                    QStringLiteral("{}"), QStringLiteral("{}")};

    // set by read(): the settings that fell back to their default, for one message at start
    QVector<UngueltigeEinstellung> ungueltig;

    // built by setzen() and the three Sortierung operations
    StammbaumArray stammbaumAnzeigeArray{};
    StammbaumArray StammbaumDruckenArray{};
    VerpaarungArray verpaarungAnzeigeArray{};

  Q_SIGNALS:
    void applied(bool languageChanged);

  private:
    QString m_path;
    std::vector<Hook> m_hooks;
};

// Dates of the settings file: "dd.MM.yyyy" (also ISO); invalid text gives a null date.
QDate parseSettingsDate(const QString &text);
QString settingsDateText(const QDate &date);

} // namespace tav::app
