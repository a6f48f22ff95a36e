// Systemi: the program settings (tsysteminfo over Tavrenno.ini).
#include "Systemi.h"

#include "SettingsCheck.h"
#include "Sprache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <climits>
#include <memory>

namespace tav::app {

namespace {

std::unique_ptr<tsysteminfo> g_instance;
std::function<QRect()> g_workArea;

const QString Auswahlfenster = QStringLiteral("Auswahlfenster");
const QString Stammdaten = QStringLiteral("Stammdaten");
const QString Wurfbuch = QStringLiteral("Wurfbuch");
const QString Stammbaum = QStringLiteral("Stammbaum");
const QString Druck = QStringLiteral("Druck");
const QString System = QStringLiteral("System");
const QString Warnung = QStringLiteral("Warnung");
const QString Drucken = QStringLiteral("Drucken");
const QString Adressen = QStringLiteral("Adressen");
const QString Verpaarung = QStringLiteral("Verpaarung");
const QString Inzucht = QStringLiteral("Inzucht");
const QString Statistiken = QStringLiteral("Statistiken");
const QString LASTCATS = QStringLiteral("LASTCATS");

template <std::size_t N> std::array<int, N> tokens(const QString &order, const QStringList &words)
{
    // positions stay full integers: in a string longer than 255 characters a late word must not
    // overtake an early one
    std::array<qsizetype, N> pos{};
    for (std::size_t t = 0; t < N; ++t) {
        const qsizetype p = order.indexOf(words[int(t)], 0, Qt::CaseSensitive);
        pos[t] = p < 0 ? LLONG_MAX : p + 1;
    }
    std::array<int, N> out{};
    for (std::size_t slot = 0; slot < N; ++slot) {
        std::size_t best = N;
        for (std::size_t t = 0; t < N; ++t)
            if (pos[t] != LLONG_MAX && (best == N || pos[t] < pos[best]))
                best = t;
        if (best == N)
            break;
        out[slot] = int(best) + 1;
        pos[best] = LLONG_MAX;
    }
    return out;
}

QString orderOrDefault(const IniFile &ini, const QString &section, const QString &key)
{
    const QString v = ini.readString(section, key);
    return v.isEmpty() ? QStringLiteral("Titel,Farbe") : v;
}

} // namespace

QString configDir()
{
    const QString own = qEnvironmentVariable("TAVRENNO_CONFIG");
    if (!own.isEmpty())
        return own;
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty())
        return QDir(xdg).filePath(QStringLiteral("tavrenno"));
    return QDir(QDir::homePath()).filePath(QStringLiteral(".config/tavrenno"));
}

QString settingsPath()
{
    return QDir(configDir()).filePath(QStringLiteral("Tavrenno.ini"));
}

SettingsFileStatus ensureSettingsFile(const QString &path, const QRect &workArea)
{
    if (QFileInfo::exists(path)) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? SettingsFileStatus::Present : SettingsFileStatus::Unreadable;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return SettingsFileStatus::Failed;
    tsysteminfo defaults;
    QRect area = workArea;
    if (area.isEmpty())
        tsysteminfo::GetFormMaxRect(area);
    defaults.read(IniFile(), area);
    return IniFile::write(path, defaults.entries()) ? SettingsFileStatus::Created
                                                    : SettingsFileStatus::Failed;
}

const QStringList &stammbaumWoerter()
{
    static const QStringList w = {
        "Titel",        "Farbe",    "Augenfarbe", "Zuchtbuchnr1", "Zuchtbuchnr2", "Zuchtbuchnr3",
        "Geburtsdatum", "Züchter",  "Besitzer",   "Farbcode",     "Rasse",        "Rassecode",
        "Showerfolge",  "RF-Code",  "Blutgruppe", "Tests",        "Chipnummer",   "Gestorben",
        "IK - AVK",     "Merkmale", "Täto-Nr.",   "Fellart"};
    return w;
}

const QStringList &verpaarungWoerter()
{
    static const QStringList w = {
        "Titel",        "Farbe",    "Augenfarbe", "Zuchtbuchnr1", "Zuchtbuchnr2", "Zuchtbuchnr3",
        "Geburtsdatum", "Züchter",  "Besitzer",   "Farbcode",     "Rasse",        "Rassecode",
        "Showerfolge",  "RF-Code",  "Blutgruppe", "Tests",        "Chipnummer",   "Gestorben",
        "Gekauft",      "Verkauft", "Merkmale",   "Täto-Nr.",     "Fellart"};
    return w;
}

StammbaumArray stammbaumTokens(const QString &order)
{
    return tokens<22>(order, stammbaumWoerter());
}

VerpaarungArray verpaarungTokens(const QString &order)
{
    return tokens<23>(order, verpaarungWoerter());
}

QString defaultAufloesung(const QRect &workArea)
{
    const int w = workArea.width(), h = workArea.height();
    if (w > 1024 && h > 768)
        return QStringLiteral("1152x864");
    if (w > 800 && h > 600)
        return QStringLiteral("1024x768");
    return QStringLiteral("800x600");
}

WindowPlacement aufloesungPlacement(const QString &aufloesung, const QRect &workArea)
{
    WindowPlacement p;
    if (aufloesung == QStringLiteral("Maximized")) {
        p.maximized = true;
        p.move = p.resize = true;
        p.pos = workArea.topLeft();
        p.size = workArea.size();
        return p;
    }
    // digits up to the first "x" are the width, up to the next "x" the height
    qint64 dim[2] = {0, 0};
    int part = 0;
    for (const QChar c : aufloesung) {
        if (c == QLatin1Char('x')) {
            if (++part > 1)
                break;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            dim[part] = std::min<qint64>(dim[part] * 10 + (c.unicode() - '0'), INT_MAX);
        }
    }
    int width = int(dim[0]), height = int(dim[1]);
    // the work area need not start at the screen's corner (a task bar at the top or left)
    bool cut = false;
    if (width >= workArea.width()) {
        width = workArea.width();
        cut = true;
    }
    if (height >= workArea.height()) {
        height = workArea.height();
        cut = true;
    }
    if (cut) {
        p.move = true;
        p.pos = workArea.topLeft();
    } else if (width > 0 && height > 0) {
        p.move = true;
        p.pos = QPoint(workArea.left() + (workArea.width() - width) / 2,
                       workArea.top() + (workArea.height() - height) / 2);
    }
    if (width > 0 && height > 0) {
        p.resize = true;
        p.size = QSize(width, height);
    }
    return p;
}

QStringList updatePrograms(const QString &tvrupdPath)
{
    const IniFile ini(tvrupdPath);
    const QString version = ini.readString(QStringLiteral("Version"), QStringLiteral("Nummer")).left(5);
    QStringList out;
    if (version.isEmpty() || version == QStringLiteral("7.0"))
        return out;
    for (const char *key : {"Update1", "Update2", "Update3"}) {
        const QString cmd = ini.readString(QStringLiteral("Programme"), QString::fromLatin1(key));
        if (!cmd.isEmpty())
            out << cmd;
    }
    return out;
}

QDate parseSettingsDate(const QString &text)
{
    const QString t = text.trimmed();
    for (const char *fmt : {"dd.MM.yyyy", "d.M.yyyy", "yyyy-MM-dd"}) {
        const QDate d = QDate::fromString(t, QString::fromLatin1(fmt));
        if (d.isValid())
            return d;
    }
    return QDate();
}

QString settingsDateText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QStringLiteral("0");
}

tsysteminfo::tsysteminfo(QObject *parent) : QObject(parent)
{
    StammbaumSortierungAnzeige();
    StammbaumSortierungDrucken();
    VerpaarungSortierungAnzeige();
}

bool tsysteminfo::load(const QString &path, const QRect &workArea)
{
    g_instance = std::make_unique<tsysteminfo>();
    g_instance->m_path = path;
    IniFile ini;
    const bool ok = ini.load(path);
    QRect area = workArea;
    if (area.isEmpty())
        GetFormMaxRect(area);
    g_instance->read(ini, area);
    return ok;
}

tsysteminfo *tsysteminfo::instance()
{
    return g_instance.get();
}

void tsysteminfo::read(const IniFile &ini, const QRect &workArea)
{
    const tsysteminfo d; // the defaults
    auto b = [&](const QString &s, const char *k, bool def) {
        return ini.readBool(s, QString::fromUtf8(k), def);
    };
    auto i = [&](const QString &s, const char *k, int def) {
        return ini.readInteger(s, QString::fromUtf8(k), def);
    };
    auto t = [&](const QString &s, const char *k, const QString &def) {
        return ini.readString(s, QString::fromUtf8(k), def);
    };

    Anzeigen = b(Auswahlfenster, "Anzeigen", d.Anzeigen);
    index = t(Auswahlfenster, "Sortierung", d.index);
    Status = t(Auswahlfenster, "Status", d.Status);

    indexStammdaten = t(Stammdaten, "Sortierung", d.indexStammdaten);
    RasseStandardeinstellung = i(Stammdaten, "Rasse", d.RasseStandardeinstellung);
    FarbeStandardeinstellung = t(Stammdaten, "Farbe", d.FarbeStandardeinstellung);
    HaarartStandardeinstellung = i(Stammdaten, "Haarart", d.HaarartStandardeinstellung);
    ZusatzBeiZwinger = b(Stammdaten, "ZusatzBeiZwinger", d.ZusatzBeiZwinger);
    SuchebeiNeuaufnahme = b(Stammdaten, "SuchebeiNeuaufnahme", d.SuchebeiNeuaufnahme);
    BildAnpassen = b(Stammdaten, "BildAnpassen", d.BildAnpassen);
    alleTitel = b(Stammdaten, "Titel", d.alleTitel);
    TageTraechtigkeit = i(Stammdaten, "BerechnungGebtermin", d.TageTraechtigkeit);

    TageNaechsteRolligkeit = i(Wurfbuch, "BerechnungRolligkeit", d.TageNaechsteRolligkeit);
    // a byte: out-of-range values are held at its limits instead of wrapping round
    TageNRplusMinus = std::clamp(i(Wurfbuch, "BerechnungPlusMinus", d.TageNRplusMinus), 0, 255);
    TagebisAbgabetermin = i(Wurfbuch, "BerechnungAbgabetermin", d.TagebisAbgabetermin);

    stammbaumMitName = b(Stammbaum, "MitName", d.stammbaumMitName);
    stammbaumAnzeige = orderOrDefault(ini, Stammbaum, QStringLiteral("Anzeige"));
    stammbaumDrucken = orderOrDefault(ini, Stammbaum, QStringLiteral("Druck"));
    StammbaumGeneration = i(Stammbaum, "Generation", d.StammbaumGeneration);
    stammbaumBesitzer = b(Stammbaum, "Besitzer", d.stammbaumBesitzer);
    StammbaumlangBild = b(Stammbaum, "LangBild", d.StammbaumlangBild);
    StammbaumBild = b(Stammbaum, "Bild", d.StammbaumBild);
    StammbaumGenBild = b(Stammbaum, "GenBild", d.StammbaumGenBild);
    Stammbaumlogo = t(Stammbaum, "Logo", d.Stammbaumlogo);
    StammbaumLogoBildhorizontal = i(Stammbaum, "LogoBildHorizontal", d.StammbaumLogoBildhorizontal);
    StammbaumLogoBildvertikal = i(Stammbaum, "LogoBildVertikal", d.StammbaumLogoBildvertikal);
    StammbaumHintergrundbild = t(Stammbaum, "Hintergrundbild", d.StammbaumHintergrundbild);
    StammbaumLinkerRand = i(Stammbaum, "linkerRand", d.StammbaumLinkerRand);
    StammbaumRechterRand = i(Stammbaum, "rechterRand", d.StammbaumRechterRand);
    StammbaumUntererRand = i(Stammbaum, "untererRand", d.StammbaumUntererRand);
    StammbaumObererRand = i(Stammbaum, "obererRand", d.StammbaumObererRand);
    StammbaumBildhorizontal = i(Stammbaum, "BildHorizontal", d.StammbaumBildhorizontal);
    StammbaumBildvertikal = i(Stammbaum, "BildVertikal", d.StammbaumBildvertikal);
    StammbaumGenBildhorizontal = i(Stammbaum, "GenBildHorizontal", d.StammbaumGenBildhorizontal);
    StammbaumGenBildvertikal = i(Stammbaum, "GenBildVertikal", d.StammbaumGenBildvertikal);

    Druckoben = ini.readFloat(Druck, QStringLiteral("ObereRand"), d.Druckoben);
    Drucklinks = ini.readFloat(Druck, QStringLiteral("LinkerRand"), d.Drucklinks);

    speichern = b(System, "Speichern", d.speichern);
    hilfe = b(System, "Hilfe", d.hilfe);
    Fenstergroesse = b(System, "Fenster", d.Fenstergroesse);
    Aufloesung = t(System, "Aufloesung", defaultAufloesung(workArea));
    Sprache = t(System, "Sprache", d.Sprache);
    SpracheGeaendert = Sprache != QStringLiteral("Deutsch");
    MerkmalvorTop = b(System, "MerkmalVorTop", d.MerkmalvorTop);
    faktoram = ini.readFloat(System, QStringLiteral("WaehrungsumrechnungFaktor"), d.faktoram);
    Umrechnungam = parseSettingsDate(t(System, "WaehrungsumrechnungAm", QString()));
    Textverarbeitung = t(System, "Textverarbeitung", d.Textverarbeitung);

    WarnungVerfallsdatum = b(Warnung, "Verfallsdatum", d.WarnungVerfallsdatum);
    WarnungTermine = b(Warnung, "Termine", d.WarnungTermine);
    WarnungImpfung = b(Warnung, "Impfung", d.WarnungImpfung);
    WarnungWurmkur = b(Warnung, "Wurmkur", d.WarnungWurmkur);

    TitelRot = b(Drucken, "TitelRot", d.TitelRot);
    StbDoppelteFarbig = b(Drucken, "StbDoppelteFarbig", d.StbDoppelteFarbig);
    Schriftart = t(Drucken, "Schriftart", d.Schriftart);
    Schriftgroesse = i(Drucken, "Schriftgroese", d.Schriftgroesse);
    BildAufloesung = i(Drucken, "Bildauflösung", d.BildAufloesung);

    SuchebeiNeuaufnahmeAdresse = b(Adressen, "SuchebeiNeuaufnahme", d.SuchebeiNeuaufnahmeAdresse);

    verpaarungAnzeige = orderOrDefault(ini, Verpaarung, QStringLiteral("Anzeige"));

    Inzuchtgenerationen = i(Inzucht, "Generationen", d.Inzuchtgenerationen);
    InzuchtStdgenerationen = i(Inzucht, "StbGenerationen", d.InzuchtStdgenerationen);
    InzuchtBerechnungAuto = b(Inzucht, "BerechnungAuto", d.InzuchtBerechnungAuto);
    InzuchtFenster = i(Inzucht, "Fenster", d.InzuchtFenster);
    InzuchtmitVorfahren = b(Inzucht, "mitVorfahren", d.InzuchtmitVorfahren);

    StatistikGenerationen = i(Statistiken, "MaxAnzGenerationen", d.StatistikGenerationen);

    for (int n = 0; n < 5; ++n)
        LastCats[n] = ini.readString(LASTCATS, QStringLiteral("Cat%1").arg(n + 1), d.LastCats[n]);

    ungueltig = pruefeEinstellungen(*this);
    StammbaumSortierungAnzeige();
    StammbaumSortierungDrucken();
    VerpaarungSortierungAnzeige();
}

QList<IniFile::Entry> tsysteminfo::entries() const
{
    QList<IniFile::Entry> e;
    auto b = [&](const QString &s, const char *k, bool v) {
        e.append({s, QString::fromUtf8(k), IniFile::boolText(v)});
    };
    auto i = [&](const QString &s, const char *k, int v) {
        e.append({s, QString::fromUtf8(k), QString::number(v)});
    };
    auto t = [&](const QString &s, const char *k, const QString &v) {
        e.append({s, QString::fromUtf8(k), v});
    };
    auto f = [&](const QString &s, const char *k, double v) {
        e.append({s, QString::fromUtf8(k), QString::number(v, 'g', 15)});
    };

    b(Auswahlfenster, "Anzeigen", Anzeigen);
    t(Auswahlfenster, "Sortierung", index);
    t(Auswahlfenster, "Status", Status);
    t(Stammdaten, "Sortierung", indexStammdaten);
    i(Stammdaten, "Rasse", RasseStandardeinstellung);
    t(Stammdaten, "Farbe", FarbeStandardeinstellung);
    i(Stammdaten, "Haarart", HaarartStandardeinstellung);
    b(Stammdaten, "ZusatzBeiZwinger", ZusatzBeiZwinger);
    b(Stammdaten, "SuchebeiNeuaufnahme", SuchebeiNeuaufnahme);
    b(Stammdaten, "BildAnpassen", BildAnpassen);
    b(Stammdaten, "Titel", alleTitel);
    i(Stammdaten, "BerechnungGebtermin", TageTraechtigkeit);
    i(Wurfbuch, "BerechnungRolligkeit", TageNaechsteRolligkeit);
    i(Wurfbuch, "BerechnungPlusMinus", TageNRplusMinus);
    i(Wurfbuch, "BerechnungAbgabetermin", TagebisAbgabetermin);
    b(Stammbaum, "MitName", stammbaumMitName);
    t(Stammbaum, "Anzeige", stammbaumAnzeige);
    t(Stammbaum, "Druck", stammbaumDrucken);
    i(Stammbaum, "Generation", StammbaumGeneration);
    b(Stammbaum, "Besitzer", stammbaumBesitzer);
    b(Stammbaum, "LangBild", StammbaumlangBild);
    b(Stammbaum, "Bild", StammbaumBild);
    b(Stammbaum, "GenBild", StammbaumGenBild);
    t(Stammbaum, "Logo", Stammbaumlogo);
    i(Stammbaum, "LogoBildHorizontal", StammbaumLogoBildhorizontal);
    i(Stammbaum, "LogoBildVertikal", StammbaumLogoBildvertikal);
    t(Stammbaum, "Hintergrundbild", StammbaumHintergrundbild);
    i(Stammbaum, "linkerRand", StammbaumLinkerRand);
    i(Stammbaum, "rechterRand", StammbaumRechterRand);
    i(Stammbaum, "untererRand", StammbaumUntererRand);
    i(Stammbaum, "obererRand", StammbaumObererRand);
    i(Stammbaum, "BildHorizontal", StammbaumBildhorizontal);
    i(Stammbaum, "BildVertikal", StammbaumBildvertikal);
    i(Stammbaum, "GenBildHorizontal", StammbaumGenBildhorizontal);
    i(Stammbaum, "GenBildVertikal", StammbaumGenBildvertikal);
    f(Druck, "ObereRand", Druckoben);
    f(Druck, "LinkerRand", Drucklinks);
    b(System, "Speichern", speichern);
    b(System, "Hilfe", hilfe);
    b(System, "Fenster", Fenstergroesse);
    t(System, "Aufloesung", Aufloesung);
    t(System, "Sprache", Sprache);
    b(System, "MerkmalVorTop", MerkmalvorTop);
    f(System, "WaehrungsumrechnungFaktor", faktoram);
    t(System, "WaehrungsumrechnungAm", settingsDateText(Umrechnungam));
    t(System, "Textverarbeitung", Textverarbeitung);
    b(Warnung, "Verfallsdatum", WarnungVerfallsdatum);
    b(Warnung, "Termine", WarnungTermine);
    b(Warnung, "Impfung", WarnungImpfung);
    b(Warnung, "Wurmkur", WarnungWurmkur);
    b(Drucken, "TitelRot", TitelRot);
    b(Drucken, "StbDoppelteFarbig", StbDoppelteFarbig);
    t(Drucken, "Schriftart", Schriftart);
    i(Drucken, "Schriftgroese", Schriftgroesse);
    i(Drucken, "Bildauflösung", BildAufloesung);
    b(Adressen, "SuchebeiNeuaufnahme", SuchebeiNeuaufnahmeAdresse);
    t(Verpaarung, "Anzeige", verpaarungAnzeige);
    i(Inzucht, "Generationen", Inzuchtgenerationen);
    i(Inzucht, "StbGenerationen", InzuchtStdgenerationen);
    b(Inzucht, "BerechnungAuto", InzuchtBerechnungAuto);
    i(Inzucht, "Fenster", InzuchtFenster);
    b(Inzucht, "mitVorfahren", InzuchtmitVorfahren);
    i(Statistiken, "MaxAnzGenerationen", StatistikGenerationen);
    for (int n = 0; n < 5; ++n)
        e.append({LASTCATS, QStringLiteral("Cat%1").arg(n + 1), LastCats[n]});
    return e;
}

void tsysteminfo::StammbaumSortierungAnzeige()
{
    stammbaumAnzeigeArray = stammbaumTokens(stammbaumAnzeige);
}

void tsysteminfo::StammbaumSortierungDrucken()
{
    StammbaumDruckenArray = stammbaumTokens(stammbaumDrucken);
}

void tsysteminfo::VerpaarungSortierungAnzeige()
{
    verpaarungAnzeigeArray = verpaarungTokens(verpaarungAnzeige);
}

bool tsysteminfo::GetFormMaxRect(QRect &rect)
{
    rect = g_workArea ? g_workArea() : QRect();
    if (rect.isEmpty()) {
        rect = QRect(0, 0, 0, 0);
        return false;
    }
    return true;
}

void tsysteminfo::setWorkAreaProvider(std::function<QRect()> provider)
{
    g_workArea = std::move(provider);
}

bool tsysteminfo::AufloesungSpeichern(const QSize &mainWindowSize)
{
    const QString value =
        QStringLiteral("Angepasst %1x%2").arg(mainWindowSize.width()).arg(mainWindowSize.height());
    if (!IniFile::write(datei(), System, QStringLiteral("Aufloesung"), value))
        return false;
    Aufloesung = value;
    return true;
}

bool tsysteminfo::SchriftSpeichern(const QString &name, int groesse)
{
    if (!IniFile::write(datei(), {{Drucken, QStringLiteral("Schriftart"), name},
                                  {Drucken, QStringLiteral("Schriftgroese"), QString::number(groesse)}}))
        return false;
    Schriftart = name;
    Schriftgroesse = groesse;
    return true;
}

void tsysteminfo::loadUpdate(const QString &tvrupdPath)
{
    for (const QString &cmd : updatePrograms(tvrupdPath)) {
        QStringList args = QProcess::splitCommand(cmd);
        if (args.isEmpty())
            continue;
        const QString program = args.takeFirst();
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(program, args);
        // a program that cannot be started is skipped
        if (!p.waitForStarted())
            continue;
        p.waitForFinished(-1);
    }
}

void tsysteminfo::setzen()
{
    StammbaumSortierungAnzeige();
    StammbaumSortierungDrucken();
    VerpaarungSortierungAnzeige();
    Inzuchtgenerationen = std::max(Inzuchtgenerationen, 3);
    InzuchtStdgenerationen = std::max(InzuchtStdgenerationen, 3);
    const bool languageChanged = SpracheGeaendert;
    if (languageChanged)
        tav::app::sprache().setLanguageNumber(languageNumber(Sprache));
    for (const Hook &h : m_hooks)
        h(*this, languageChanged);
    Q_EMIT applied(languageChanged);
}

} // namespace tav::app
