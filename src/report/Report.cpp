#include "Report.h"

namespace tav::report {

Band &Report::add(Band::Kind kind, double height, const QString &name)
{
    Band b;
    b.kind = kind;
    b.height = height;
    b.name = name;
    bands.push_back(std::move(b));
    return bands.back();
}

Band *Report::band(const QString &name)
{
    for (Band &b : bands)
        if (b.name == name)
            return &b;
    return nullptr;
}

void Report::enable(const QString &name, bool on)
{
    if (Band *b = band(name))
        b->enabled = on;
}

void Report::translate(const std::function<QString(int)> &caption, const std::function<QString(int)> &hint)
{
    // a tag missing from the catalogue keeps the text it has
    for (Band &b : bands)
        for (Element &e : b.elements) {
            if (e.tag && caption)
                if (const QString t = caption(e.tag); !t.isEmpty())
                    e.text = t;
            if (e.pieces.isEmpty())
                continue;
            QString all;
            for (TextPiece &p : e.pieces) {
                if (p.tag && caption)
                    if (const QString t = caption(p.tag); !t.isEmpty())
                        p.text = t;
                all += p.text;
            }
            e.text = all;
        }
    if (tag && hint)
        if (const QString t = hint(tag); !t.isEmpty())
            title = t;
}

Element label(const QRectF &mm, const QString &text, const Font &font, int tag)
{
    Element e;
    e.kind = Element::Kind::Label;
    e.rect = mm;
    e.text = text;
    e.font = font;
    e.tag = tag;
    return e;
}

Element label(const QRectF &mm, const QVector<TextPiece> &pieces, const Font &font)
{
    QString all;
    for (const TextPiece &p : pieces)
        all += p.text;
    Element e = label(mm, all, font);
    e.pieces = pieces;
    return e;
}

Element field(const QRectF &mm, const QString &name, const Font &font)
{
    Element e;
    e.kind = Element::Kind::Field;
    e.rect = mm;
    e.field = name;
    e.font = font;
    return e;
}

Element memo(const QRectF &mm, const QStringList &lines, const Font &font)
{
    QVector<MemoLine> l;
    for (const QString &t : lines)
        l.append({t, font, 0});
    return memo(mm, l);
}

Element memo(const QRectF &mm, const QVector<MemoLine> &lines)
{
    Element e;
    e.kind = Element::Kind::Memo;
    e.rect = mm;
    e.lines = lines;
    return e;
}

Element image(const QRectF &mm, const QImage &picture)
{
    Element e;
    e.kind = Element::Kind::Image;
    e.rect = mm;
    e.image = picture;
    return e;
}

Element line(const QPointF &from, const QPointF &to, double penWidth)
{
    Element e;
    e.kind = Element::Kind::Line;
    e.rect = QRectF(from, to);
    e.penWidth = penWidth;
    return e;
}

Element frame(const QRectF &mm, double penWidth)
{
    Element e;
    e.kind = Element::Kind::Frame;
    e.rect = mm;
    e.penWidth = penWidth;
    return e;
}

Element shape(const QRectF &mm, const QColor &fill)
{
    Element e;
    e.kind = Element::Kind::Shape;
    e.rect = mm;
    e.fill = fill;
    return e;
}

Element date(const QRectF &mm, const Font &font)
{
    Element e = label(mm, QString(), font);
    e.kind = Element::Kind::Date;
    return e;
}

Element pageNumber(const QRectF &mm, const QString &before, const Font &font)
{
    Element e = label(mm, before, font);
    e.kind = Element::Kind::PageNumber;
    return e;
}

} // namespace tav::report
