#include "ReportHtml.h"
#include "TextMeasure.h"

#include <QBuffer>
#include <QLineF>
#include <QtMath>

namespace tav::report {

namespace {

QString mm(double v)
{
    return QString::number(v, 'f', 2) + QStringLiteral("mm");
}

QString colour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QString box(const QRectF &r)
{
    return QStringLiteral("left:%1;top:%2;width:%3;height:%4")
        .arg(mm(r.left()), mm(r.top()), mm(r.width()), mm(r.height()));
}

QString opHtml(const DrawOp &op, double pageWidth)
{
    switch (op.kind) {
    case DrawOp::Kind::Text: {
        // right-aligned text grows to the left when the browser's font is wider
        const bool kurz = !op.fullText.isEmpty();
        QString style = op.align & Qt::AlignRight && !kurz ? QStringLiteral("right:%1;top:%2;height:%3")
                                                                 .arg(mm(pageWidth - op.rect.right()),
                                                                      mm(op.rect.top()), mm(op.rect.height()))
                                                           : box(op.rect);
        style += QStringLiteral(";font-size:%1pt").arg(op.font.size);
        if (op.font.bold)
            style += QStringLiteral(";font-weight:bold");
        if (op.font.italic)
            style += QStringLiteral(";font-style:italic");
        if (op.font.colour != QColor(Qt::black))
            style += QStringLiteral(";color:") + colour(op.font.colour);
        if (op.align & Qt::AlignRight)
            style += QStringLiteral(";text-align:right");
        else if (op.align & Qt::AlignHCenter)
            style += QStringLiteral(";text-align:center");
        // a text shortened for the paper stays whole here; the browser cuts it at its box
        if (kurz) {
            style += QStringLiteral(";overflow:hidden;text-overflow:ellipsis");
            return QStringLiteral("<div style=\"%1\">%2</div>").arg(style, op.fullText.toHtmlEscaped());
        }
        return QStringLiteral("<div style=\"%1\">%2</div>").arg(style, op.text.toHtmlEscaped());
    }
    case DrawOp::Kind::Line: {
        const QLineF l(op.rect.topLeft(), op.rect.bottomRight());
        return QStringLiteral("<div class=\"line\" style=\"left:%1;top:%2;width:%3;border-top:%4 solid "
                              "#000;transform:rotate(%5deg)\"></div>")
            .arg(mm(l.x1()), mm(l.y1()), mm(l.length()), mm(op.penWidth))
            .arg(-l.angle(), 0, 'f', 2);
    }
    case DrawOp::Kind::Rect: {
        QString style = box(op.rect);
        if (op.penWidth > 0)
            style += QStringLiteral(";border:%1 solid #000").arg(mm(op.penWidth));
        if (op.fill.alpha())
            style += QStringLiteral(";background:") + colour(op.fill);
        return QStringLiteral("<div class=\"shape\" style=\"%1\"></div>").arg(style);
    }
    case DrawOp::Kind::Image: {
        if (op.image.isNull())
            return QString();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        op.image.save(&buffer, "PNG");
        return QStringLiteral("<img style=\"%1\" alt=\"\" src=\"data:image/png;base64,%2\">")
            .arg(box(op.rect), QString::fromLatin1(png.toBase64()));
    }
    }
    return QString();
}

} // namespace

QByteArray html(const Pages &pages)
{
    QString out =
        QStringLiteral(
            "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
            "<style>\n"
            "body { background: #d0d0d0; margin: 0; }\n"
            ".page { position: relative; margin: 5mm auto; background: #fff; overflow: hidden;"
            " font-family: \"%2\", sans-serif; }\n"
            ".page div, .page img { position: absolute; box-sizing: border-box; }\n"
            ".page div { white-space: pre; line-height: 1.15; }\n"
            ".page .line { height: 0; transform-origin: 0 0; }\n"
            "@media print { body { background: #fff; } .page { margin: 0; page-break-after: always; } }\n"
            "</style>\n</head>\n<body>\n")
            .arg(pages.title.toHtmlEscaped(), reportFontFamily());
    for (const Page &page : pages.pages) {
        const bool landscape = page.landscape;
        out += QStringLiteral("<div class=\"page\" style=\"width:%1;height:%2\">\n")
                   .arg(mm(landscape ? 297 : 210), mm(landscape ? 210 : 297));
        for (const DrawOp &op : page.ops)
            if (const QString h = opHtml(op, landscape ? 297 : 210); !h.isEmpty())
                out += h + QLatin1Char('\n');
        out += QStringLiteral("</div>\n");
    }
    out += QStringLiteral("</body>\n</html>\n");
    return out.toUtf8();
}

WriteResult writeHtml(const Pages &pages, const QString &path)
{
    return writeFile(html(pages), path);
}

} // namespace tav::report
