// HTMLINI: the settings of the HTML pedigree export (THTMLINI over HTMLMirravel.ini).
#pragma once

#include "HTMLStammbaum.h"

#include <QString>
#include <array>

namespace tav::breeding {

// configDir() + "/HTMLMirravel.ini", beside the program's settings file
QString htmlIniPfad();

constexpr int HTMLKopfFelder = 17;

// Where a head data field stands: column 1 or 2 of the head, or 3 (not shown); its tile's vertical
// position orders it within the column.
struct HTMLFeldPos {
    int spalte = 2;
    int pos = 0;
    int mitBez = 0;    // 0 label and value, 1 the value alone
    int weglassen = 1; // 0 an empty field is left out, 1 it is written without a value
};
using HTMLFelder = std::array<HTMLFeldPos, HTMLKopfFelder + 1>; // [1..17]

HTMLFelder htmlFelderVorgabe();

class THTMLINI
{
  public:
    int Seitenbreite = 1024;
    bool autoHoehe = true;
    int Seitenhoehe = 600;
    int Position = 0; // 0 centred, 1 left
    QString Rahmenfarbe = QStringLiteral("black");
    int Hintergrundart = 0;
    QString Hintergrundfarbe = QStringLiteral("white");
    QString HintergrundBild;
    int StbArt = 0;
    QString StbFarbe = QStringLiteral("white");
    QString StbBild;
    QString StbTransparenz = QStringLiteral("0");
    int AnzGenerationen = 4; // 3..12
    HTMLSchrift SchriftName{QStringLiteral("Arial"), 20, QStringLiteral("black")};
    HTMLSchrift SchriftKatze, SchriftStb;
    QString Sprache; // as the language list shows it
    int BildWeite = 400, BildHoehe = 400;
    int BildPos = 3; // 0 left, 1 top, 2 right, 3 without picture
    bool BildGen = false;
    int BildGenWeite = 100, BildGenHoehe = 100;
    QString HTMLPfad = QStringLiteral("LEER");
    HTMLFelder spalte_pos = htmlFelderVorgabe();

    // A missing file gives the defaults; `englisch`: the program runs in English.
    void lesen(const QString &pfad, bool englisch);
    bool schreiben(const QString &pfad) const;
    // The page as these settings make it (path, cat and head texts are the caller's).
    HTMLSeite seite() const;
};

} // namespace tav::breeding
