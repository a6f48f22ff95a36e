// HTMLSyntax: the HTML pedigree page's writer (THTMLController) and its small rules: colour names,
// font sizes, picture fitting.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QIODevice;
class QSaveFile;

namespace tav::breeding {

// The 22 colour names the page knows, English and German, in the order of the colour lists.
struct HTMLFarbname {
    const char *englisch;
    const char *deutsch;
    int wert; // stored form: low byte red
};
const QList<HTMLFarbname> &htmlFarbnamen();

// A colour name as stored value (low byte red). Names match exactly, English or German. A name that
// holds one of `benutzerfarbe` (the custom-colour caption, English first, then German) is that
// caption, a blank and the value in decimal; without a readable number there it gives nothing.
// Every other name is white.
std::optional<int> htmlFarbwert(const QString &name, const QStringList &benutzerfarbe);
// The English name of a stored value when it is one of the table's colours, else empty.
QString htmlFarbnameVon(int wert);

// The HTML size of a font size in points, quotes included ("1" .. "7").
QString htmlSchriftgroesse(int punkte);

// The picture's size fitted into the box, proportions kept; halves round to the even neighbour.
QSize bildEinpassen(const QSize &bild, const QSize &box);

// The writer of the page: one line per piece of text, nothing for an empty piece. The page is
// single-byte: every character beyond Latin-1 leaves as a numeric character reference. The first
// failure is kept in fError (the platform's error number, 1000 inside the pedigree body) and stops
// all further writing.
class THTMLController
{
  public:
    // Writes to a device that is open for writing.
    explicit THTMLController(QIODevice *ziel);
    // Writes the file at `pfad`; the file is replaced only when the whole page was written.
    explicit THTMLController(const QString &pfad);
    ~THTMLController();
    THTMLController(const THTMLController &) = delete;
    THTMLController &operator=(const THTMLController &) = delete;

    int fError = 0;
    bool TIP = false; // a table is open
    int HTMLColumns = 0;
    QStringList HTMLRows, HTMLBild;

    void SetHTMLSyntax(const QString &line);
    void SetHTMLHeader(const QString &title, int position, int weite, const QString &metaName);
    void SetHTMLKopfDaten(QStringList &rows);
    void SetHTMLTableStart(const QString &pageWidth, const QString &borderColor, int border, int cellpadding,
                           int cellspacing);
    void SetHTMLTabellenKopf(int gen, const QStringList &ueberschriften, const QString &sa, int sg,
                             const QString &schriftColor, const QString &borderColor);
    void SetHTMLCatTable(QStringList &rows, QStringList &bild, const QString &sa, int sg,
                         const QString &borderColor);
    void SetHTMLTableRow(QStringList &rows, QStringList &bild, const QString &sa, int sg,
                         const QString &borderColor);
    void BildAusgeben(const QString &bild);
    void SetHTMLTableEnd();
    void SetHTMLHorizontalLine(const QString &color, const QString &pageWidth);
    // Writes "</HTML>" and ends the file; true when the page is complete.
    bool Free();

  private:
    void fehler(int code);

    QIODevice *m_ziel = nullptr;
    std::unique_ptr<QSaveFile> m_datei;
    bool m_frei = false;
};

} // namespace tav::breeding
