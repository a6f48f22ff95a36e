// HTMLINI: reading and writing HTMLMirravel.ini.
#include "HTMLINI.h"

#include "app/IniFile.h"
#include "app/Systemi.h"

namespace tav::breeding {

using app::IniFile;

namespace {
const QString Html = QStringLiteral("HTML");
const QString Kopf = QStringLiteral("HTMLKopf");

QString feldKey(int i, const char *was)
{
    return QStringLiteral("feld%1%2").arg(i).arg(QLatin1String(was));
}

void schriftLesen(const IniFile &ini, const char *name, HTMLSchrift &s)
{
    const QString n = QLatin1String(name);
    s.face = ini.readString(Html, n + QStringLiteral("Font"), s.face);
    s.groesse = qBound(1, ini.readInteger(Html, n + QStringLiteral("Size"), s.groesse), 255);
    s.farbe = ini.readString(Html, n + QStringLiteral("Color"), s.farbe);
}

void schriftSchreiben(QList<IniFile::Entry> &e, const char *name, const HTMLSchrift &s)
{
    const QString n = QLatin1String(name);
    e << IniFile::Entry{Html, n + QStringLiteral("Font"), s.face}
      << IniFile::Entry{Html, n + QStringLiteral("Size"), QString::number(s.groesse)}
      << IniFile::Entry{Html, n + QStringLiteral("Color"), s.farbe};
}
} // namespace

QString htmlIniPfad()
{
    return app::configDir() + QStringLiteral("/HTMLMirravel.ini");
}

HTMLFelder htmlFelderVorgabe()
{
    HTMLFelder f{};
    for (int i = 1; i <= HTMLKopfFelder; ++i) {
        f[i].spalte = i <= 7 || i == 13 || i == 15 ? 1 : 2;
        f[i].pos = i;
    }
    return f;
}

void THTMLINI::lesen(const QString &pfad, bool englisch)
{
    IniFile ini;
    ini.load(pfad);
    Seitenbreite = ini.readInteger(Html, QStringLiteral("Seitenbreite"), 1024);
    autoHoehe = ini.readBool(Html, QStringLiteral("Autohoehe"), true);
    Seitenhoehe = ini.readInteger(Html, QStringLiteral("Seitenhoehe"), 600);
    Position = ini.readInteger(Html, QStringLiteral("Position"), 0) == 1 ? 1 : 0;
    Rahmenfarbe = ini.readString(Html, QStringLiteral("Rahmenfarbe"), QStringLiteral("black"));
    Hintergrundart = ini.readInteger(Html, QStringLiteral("Hintergrundart"), 0);
    Hintergrundfarbe = ini.readString(Html, QStringLiteral("Hintergrundfarbe"), QStringLiteral("white"));
    HintergrundBild = ini.readString(Html, QStringLiteral("HintergrundBild"));
    StbArt = ini.readInteger(Html, QStringLiteral("StbArt"), 0);
    StbFarbe = ini.readString(Html, QStringLiteral("Stbfarbe"), QStringLiteral("white"));
    StbBild = ini.readString(Html, QStringLiteral("StbBild"));
    StbTransparenz = ini.readString(Html, QStringLiteral("StbTransparenz"), QStringLiteral("0"));
    AnzGenerationen = qBound(3, ini.readInteger(Html, QStringLiteral("AnzahlGenerationen"), 4), 12);
    SchriftName = {QStringLiteral("Arial"), 20, QStringLiteral("black")};
    SchriftKatze = SchriftStb = HTMLSchrift();
    schriftLesen(ini, "SchriftName", SchriftName);
    schriftLesen(ini, "SchriftKatze", SchriftKatze);
    schriftLesen(ini, "SchriftStb", SchriftStb);
    Sprache = ini.readString(Html, QStringLiteral("Sprache"),
                             englisch ? QStringLiteral("english") : QStringLiteral("deutsch"));
    BildWeite = ini.readInteger(Html, QStringLiteral("BildWeite"), 400);
    BildHoehe = ini.readInteger(Html, QStringLiteral("BildHoehe"), 400);
    BildPos = ini.readInteger(Html, QStringLiteral("BildPos"), 4);
    if (BildPos < 0 || BildPos > 3)
        BildPos = ini.readBool(Html, QStringLiteral("Bild"), false) ? 1 : 3;
    BildGen = ini.readBool(Html, QStringLiteral("BildGen"), false);
    BildGenWeite = ini.readInteger(Html, QStringLiteral("BildGenWeite"), 100);
    BildGenHoehe = ini.readInteger(Html, QStringLiteral("BildGenHoehe"), 100);
    HTMLPfad = ini.readString(Html, QStringLiteral("HTMLPfad"), QStringLiteral("LEER"));
    spalte_pos = htmlFelderVorgabe();
    for (int i = 1; i <= HTMLKopfFelder; ++i) {
        HTMLFeldPos &f = spalte_pos[i];
        const int spalte = ini.readInteger(Kopf, feldKey(i, "Spalte"), f.spalte);
        f.spalte = spalte >= 1 && spalte <= 3 ? spalte : f.spalte;
        f.pos = ini.readInteger(Kopf, feldKey(i, "Pos"), f.pos);
        f.mitBez = ini.readInteger(Kopf, feldKey(i, "mitBez"), 0) == 1 ? 1 : 0;
        f.weglassen = ini.readInteger(Kopf, feldKey(i, "weglassen"), 1) == 0 ? 0 : 1;
    }
}

bool THTMLINI::schreiben(const QString &pfad) const
{
    const auto zahl = [](int n) { return QString::number(n); };
    QList<IniFile::Entry> e = {
        {Html, QStringLiteral("Seitenbreite"), zahl(Seitenbreite)},
        {Html, QStringLiteral("Autohoehe"), IniFile::boolText(autoHoehe)},
        {Html, QStringLiteral("Seitenhoehe"), zahl(Seitenhoehe)},
        {Html, QStringLiteral("Position"), zahl(Position)},
        {Html, QStringLiteral("Rahmenfarbe"), Rahmenfarbe},
        {Html, QStringLiteral("Hintergrundart"), zahl(Hintergrundart)},
        {Html, QStringLiteral("Hintergrundfarbe"), Hintergrundfarbe},
        {Html, QStringLiteral("HintergrundBild"), HintergrundBild},
        {Html, QStringLiteral("StbArt"), zahl(StbArt)},
        {Html, QStringLiteral("Stbfarbe"), StbFarbe},
        {Html, QStringLiteral("StbBild"), StbBild},
        {Html, QStringLiteral("StbTransparenz"), StbTransparenz},
        {Html, QStringLiteral("AnzahlGenerationen"), zahl(AnzGenerationen)},
        {Html, QStringLiteral("Sprache"), Sprache},
        {Html, QStringLiteral("BildWeite"), zahl(BildWeite)},
        {Html, QStringLiteral("BildHoehe"), zahl(BildHoehe)},
        {Html, QStringLiteral("BildPos"), zahl(BildPos)},
        {Html, QStringLiteral("BildGen"), IniFile::boolText(BildGen)},
        {Html, QStringLiteral("BildGenWeite"), zahl(BildGenWeite)},
        {Html, QStringLiteral("BildGenHoehe"), zahl(BildGenHoehe)},
        {Html, QStringLiteral("HTMLPfad"), HTMLPfad},
    };
    schriftSchreiben(e, "SchriftName", SchriftName);
    schriftSchreiben(e, "SchriftKatze", SchriftKatze);
    schriftSchreiben(e, "SchriftStb", SchriftStb);
    for (int i = 1; i <= HTMLKopfFelder; ++i) {
        const HTMLFeldPos &f = spalte_pos[i];
        if (f.spalte < 1 || f.spalte > 3)
            continue;
        e << IniFile::Entry{Kopf, feldKey(i, "Spalte"), zahl(f.spalte)}
          << IniFile::Entry{Kopf, feldKey(i, "Pos"), zahl(f.pos)}
          << IniFile::Entry{Kopf, feldKey(i, "mitBez"), zahl(f.mitBez)}
          << IniFile::Entry{Kopf, feldKey(i, "weglassen"), zahl(f.weglassen)};
    }
    return IniFile::write(pfad, e);
}

HTMLSeite THTMLINI::seite() const
{
    HTMLSeite s;
    s.breite = QString::number(Seitenbreite);
    s.autoHoehe = autoHoehe;
    s.hoehe = QString::number(Seitenhoehe);
    s.position = Position;
    s.rahmenfarbe = Rahmenfarbe;
    s.hintergrundart = Hintergrundart;
    s.hintergrundfarbe = Hintergrundfarbe;
    s.hintergrundbild = HintergrundBild;
    s.stbArt = StbArt;
    s.stbFarbe = StbFarbe;
    s.stbBild = StbBild;
    s.transparenz = StbTransparenz;
    s.generationen = AnzGenerationen;
    s.schriftName = SchriftName;
    s.schriftKatze = SchriftKatze;
    s.schriftStb = SchriftStb;
    s.bildPos = BildPos;
    s.bildWeite = QString::number(BildWeite);
    s.bildHoehe = QString::number(BildHoehe);
    s.bildGen = BildGen;
    s.bildGenWeite = BildGenWeite;
    s.bildGenHoehe = BildGenHoehe;
    return s;
}

} // namespace tav::breeding
