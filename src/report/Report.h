// Report: a print-out as page set-up and bands of elements, sized in millimetres.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <deque>
#include <functional>

namespace tav::report {

struct Font {
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    QColor colour = Qt::black;
    bool operator==(const Font &) const = default;
};

// The font a print-out writes a text in.
inline Font textFont(double points, bool bold = false, const QColor &colour = Qt::black, bool italic = false)
{
    Font f;
    f.size = points;
    f.bold = bold;
    f.italic = italic;
    f.colour = colour;
    return f;
}
// A bool would pass for a colour (QColor takes an RGB number): italic comes after the colour.
Font textFont(double points, bool bold, bool italic) = delete;

struct PageSetup {
    bool landscape = false;
    double left = 10, top = 7, right = 10, bottom = 10; // mm
    // A4
    double width() const { return landscape ? 297.0 : 210.0; }
    double height() const { return landscape ? 210.0 : 297.0; }
};

// One line of a memo; a line may carry its own font and indent.
struct MemoLine {
    QString text;
    Font font;
    double indent = 0;             // mm
    QColor fill = Qt::transparent; // behind each of its rows
    double frame = 0;              // pen width of an outline around each row (mm), 0 for none
};

// A piece of a label's text: a caption of the catalogue (tag) or text set from code (tag 0).
struct TextPiece {
    int tag = 0;
    QString text; // the caption's text until the report is translated
};

struct Element {
    enum class Kind {
        Label,      // fixed text, translated by tag
        Field,      // the value of a field of the current row
        Memo,       // lines that grow their band and split across pages
        Image,      // proportions kept inside its rectangle
        Line,       // from the top left to the bottom right of its rectangle
        Frame,      // an outlined rectangle
        Shape,      // a filled rectangle
        Date,       // today, in the report's date format
        PageNumber, // the text followed by the page number
    };
    Kind kind = Kind::Label;
    QRectF rect; // mm, relative to the band; a memo's height is its least height
    QString text;
    int tag = 0;               // caption catalogue number of a label's text (0: the text stays)
    QVector<TextPiece> pieces; // a label composed of captions and code's text, when not empty
    QString field;             // Field: the row's field; Shape: a field holding its fill colour
    QVector<MemoLine> lines;
    QImage image;
    Font font;
    Qt::Alignment align = Qt::AlignLeft;
    QColor fill = Qt::transparent;
    double penWidth = 0.2; // mm
    bool elide = false;    // Label, Field: a text wider than its rectangle ends in "…"
};

struct Band {
    enum class Kind {
        Title,        // once, at the start
        Child,        // once where it stands, when switched on
        ColumnHeader, // above the detail rows, on each page that has some
        Detail,       // once per row of the row source
        Summary,      // once, after the detail rows
        PageFooter,   // at the foot of every page
    };
    Kind kind = Kind::Child;
    QString name;      // to switch a band on or off by name
    double height = 0; // mm; memos may make it taller
    bool enabled = true;
    QVector<Element> elements;
};

class Report
{
  public:
    PageSetup page;
    int tag = 0;      // the catalogue entry whose hint is the document title
    QString title;    // document title when there is no tag
    QString fileName; // what a saved copy is called (without suffix); empty: the title
    QString dateFormat = QStringLiteral("dd.MM.yyyy");
    // in printing order; column header and footer repeat. A deque, so the reference `add` hands
    // out stays valid while further bands are added.
    std::deque<Band> bands;
    QImage background;       // under everything on every page, fitted into the margins
    bool ownMargins = false; // the margins set here stay; the job's Drucklinks/Druckoben do not apply

    Band &add(Band::Kind kind, double height, const QString &name = QString());
    Band *band(const QString &name);
    void enable(const QString &name, bool on);

    // Labels with a tag take their caption; the report's own tag gives the title.
    void translate(const std::function<QString(int)> &caption, const std::function<QString(int)> &hint);
};

// Element builders
Element label(const QRectF &mm, const QString &text, const Font &font = {}, int tag = 0);
Element label(const QRectF &mm, const QVector<TextPiece> &pieces, const Font &font = {});
Element field(const QRectF &mm, const QString &name, const Font &font = {});
Element memo(const QRectF &mm, const QStringList &lines, const Font &font = {});
Element memo(const QRectF &mm, const QVector<MemoLine> &lines);
Element image(const QRectF &mm, const QImage &picture);
Element line(const QPointF &from, const QPointF &to, double penWidth = 0.2);
Element frame(const QRectF &mm, double penWidth = 0.2);
Element shape(const QRectF &mm, const QColor &fill);
Element date(const QRectF &mm, const Font &font = {});
Element pageNumber(const QRectF &mm, const QString &before, const Font &font = {});

} // namespace tav::report
