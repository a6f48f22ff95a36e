// HTMLStammbaum: the pedigree of a cat as one HTML page: its ancestors, the layout of the pedigree
// table and the page block by block, written through THTMLController.
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace tav::app {
class Sprache;
class TDatenGlobal;
} // namespace tav::app

namespace tav::breeding {

class PedigreeSource;

struct HTMLSchrift {
    QString face = QStringLiteral("Arial");
    int groesse = 10;
    QString farbe = QStringLiteral("black"); // a colour name
};

// What the page is written from: the design window's fields as they stand (number fields as
// their text, so that an empty one fails the writing) and the cat.
struct HTMLSeite {
    QString pfad;
    QString breite = QStringLiteral("1024");
    bool autoHoehe = true;
    QString hoehe;
    int position = 0; // 0 centred, 1 left
    QString rahmenfarbe = QStringLiteral("black");
    int hintergrundart = 0; // 0 colour, 1 picture, else none
    QString hintergrundfarbe = QStringLiteral("white");
    QString hintergrundbild;
    int stbArt = 0;
    QString stbFarbe = QStringLiteral("white");
    QString stbBild;
    QString transparenz = QStringLiteral("0");
    int generationen = 4;
    HTMLSchrift schriftName{QStringLiteral("Arial"), 20, QStringLiteral("black")};
    HTMLSchrift schriftKatze, schriftStb;
    QString name; // the cat's name, for the title
    QString nameZeile;
    QStringList spalte1, spalte2;
    bool titelKatze = false;
    bool titelRot = true;
    int bildPos = 3; // 0 left, 1 top, 2 right, 3 without picture
    QString bild;    // bare file name in the page's folder
    QString bildWeite = QStringLiteral("400"), bildHoehe = QStringLiteral("400");
    bool bildGen = false;
    int bildGenWeite = 100, bildGenHoehe = 100;
    qint32 vater = 0, mutter = 0;
};

// An ancestor's cell: its text (HTML) and picture path; not found when the register lacks it.
struct HTMLAhn {
    bool gefunden = false;
    QString text;
    QString bild;
};

// Where the page takes what is not in HTMLSeite from.
struct HTMLQuellen {
    const PedigreeSource *stamm = nullptr;                     // parents by number
    std::function<HTMLAhn(qint32 nummer, int generation)> ahn; // generation 1 = parents
    std::function<QSize(const QString &pfad)> bildGroesse;     // invalid when unreadable
    std::function<QString(int tag)> caption;                   // in the page's language
    bool englisch = false;                                     // the page's language is English
    QStringList benutzerfarbe;                                 // htmlBenutzerfarbe
};

// The custom-colour caption in English and German, as colour names hold it.
QStringList htmlBenutzerfarbe(const app::Sprache &katalog);
// Captions of the page's language, whatever language the program shows.
std::function<QString(int)> htmlCaptions(const app::Sprache &katalog, int languageNumber);

// The cells of the ancestors from the global data module's texts (typ 5) in `languageNumber`.
std::function<HTMLAhn(qint32, int)> htmlAhnen(app::TDatenGlobal &global, const HTMLSeite &seite,
                                              const QStringList &benutzerfarbe, int languageNumber,
                                              bool englischeNamen);

// The ancestor arrays: [k][j] for generation k = 1..n, position j = 1..2^k (index 0 unused).
QVector<QVector<qint32>> htmlAhnenArrays(const PedigreeSource &stamm, qint32 vater, qint32 mutter, int n);

// The headings of generations 1..n.
QStringList htmlUeberschriften(int n, const std::function<QString(int)> &caption);

// The rows of the head data table (block 6), each its cells as one line.
QStringList htmlKopfZeilen(const HTMLSeite &seite, const QSize &bildGroesse, const QString &schriftFarbe);

struct HTMLErgebnis {
    bool ok = false;
    QList<int> meldungen; // 74, 75 (followed by the code), 77, or a refusal of app::ausgabezielPruefen
    int code = 0;
    QString pfad; // the refused path, shown after the refusal
    // what follows message `m` when it is shown
    QString zusatz(int m) const
    {
        return m == 75 ? QString::number(code) : pfad.isEmpty() ? QString() : QLatin1Char(' ') + pfad;
    }
};

// Writes the page to seite.pfad (replaced only when the whole page was written).
HTMLErgebnis schreibeHTMLStammbaum(const HTMLSeite &seite, const HTMLQuellen &quellen);

} // namespace tav::breeding
