#include "ReportLayout.h"

#include <algorithm>

namespace tav::report {

QStringList Page::texts() const
{
    QStringList t;
    for (const DrawOp &op : ops)
        if (op.kind == DrawOp::Kind::Text)
            t << op.text;
    return t;
}

QStringList wrap(const QString &text, double width, const Font &font, const TextMeasure &measure)
{
    QStringList out;
    QString current;
    auto fits = [&](const QString &t) { return measure.width(t, font) <= width + 1e-9; };
    const QStringList words = text.split(QLatin1Char(' '));
    for (int i = 0; i < words.size(); ++i) {
        QString word = words[i];
        const QString joined = i == 0 ? word : current + QLatin1Char(' ') + word;
        if (fits(joined)) {
            current = joined;
            continue;
        }
        if (i > 0)
            out << current;
        // a word wider than the line goes letter by letter, at least one letter a line
        while (!fits(word)) {
            int n = 1;
            while (n < word.size() && fits(word.left(n + 1)))
                ++n;
            out << word.left(n);
            word = word.mid(n);
        }
        current = word;
    }
    out << current;
    return out;
}

QString elided(const QString &text, double width, const Font &font, const TextMeasure &measure)
{
    if (measure.width(text, font) <= width + 1e-9)
        return text;
    const QString dots = QStringLiteral("…");
    qsizetype lo = 0, hi = text.size(); // the longest fitting beginning lies in [lo, hi)
    while (lo + 1 < hi) {
        const qsizetype mid = (lo + hi) / 2;
        if (measure.width(text.left(mid).trimmed() + dots, font) <= width + 1e-9)
            lo = mid;
        else
            hi = mid;
    }
    return text.left(lo).trimmed() + dots;
}

namespace {

struct Piece {
    DrawOp op;
    bool memoLine = false;
};

struct Resolved {
    QVector<Piece> pieces; // relative to the band's top, sorted by top
    double height = 0;
};

QString valueText(const QVariant &v, const QString &dateFormat)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(dateFormat);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date().toString(dateFormat);
    return v.toString();
}

class Layouter
{
  public:
    Layouter(const Report &r, const RowSource *rows, const TextMeasure &m, const QDate &today)
        : m_report(r), m_rows(rows), m_measure(m), m_today(today)
    {
        for (const Band &b : r.bands)
            if (b.enabled && b.kind == Band::Kind::PageFooter)
                m_footerHeight += b.height;
        m_top = r.page.top;
        m_limit = r.page.height() - r.page.bottom - m_footerHeight;
    }

    Pages run()
    {
        Pages out;
        out.setup = m_report.page;
        out.title = m_report.title;
        out.fileName = m_report.fileName;
        newPage();
        for (std::size_t i = 0; i < m_report.bands.size(); ++i) {
            const Band &b = m_report.bands[i];
            if (!b.enabled || b.kind == Band::Kind::PageFooter)
                continue;
            switch (b.kind) {
            case Band::Kind::ColumnHeader: {
                // a header stays with the first row under it
                const Resolved header = resolve(b, -1);
                const Band *next = nextShown(i);
                const double first = next && next->kind == Band::Kind::Detail && m_rows && m_rows->rowCount()
                                         ? resolve(*next, 0).height
                                         : 0;
                if (m_y > m_pageStart + 1e-9 && m_y + header.height + first > m_limit + 1e-9)
                    newPage();
                place(header);
                m_header = &b;
                break;
            }
            case Band::Kind::Detail:
                for (int row = 0; m_rows && row < m_rows->rowCount(); ++row)
                    place(resolve(b, row));
                m_header = nullptr;
                break;
            default: m_header = nullptr; place(resolve(b, -1));
            }
        }
        // footers last: every page's number is known by now
        for (int p = 0; p < m_pages.size(); ++p) {
            double y = m_report.page.height() - m_report.page.bottom - m_footerHeight;
            for (const Band &b : m_report.bands) {
                if (!b.enabled || b.kind != Band::Kind::PageFooter)
                    continue;
                for (const Piece &piece : resolve(b, -1, p + 1).pieces)
                    m_pages[p].ops << moved(piece.op, y);
                y += b.height;
            }
        }
        out.pages = m_pages;
        return out;
    }

  private:
    const Band *nextShown(std::size_t i) const
    {
        for (++i; i < m_report.bands.size(); ++i)
            if (m_report.bands[i].enabled && m_report.bands[i].kind != Band::Kind::PageFooter)
                return &m_report.bands[i];
        return nullptr;
    }

    DrawOp moved(DrawOp op, double dy) const
    {
        op.rect.translate(m_report.page.left, dy);
        return op;
    }

    void newPage()
    {
        m_pages.append(Page());
        m_pages.last().landscape = m_report.page.landscape;
        if (!m_report.background.isNull()) {
            const PageSetup &p = m_report.page;
            const QRectF area(p.left, p.top, p.width() - p.left - p.right, p.height() - p.top - p.bottom);
            const QSizeF s = QSizeF(m_report.background.size()).scaled(area.size(), Qt::KeepAspectRatio);
            DrawOp bild;
            bild.kind = DrawOp::Kind::Image;
            bild.image = m_report.background;
            bild.rect = QRectF(area.center() - QPointF(s.width() / 2, s.height() / 2), s);
            m_pages.last().ops << bild;
        }
        m_y = m_pageStart = m_top;
        if (m_header)
            place(resolve(*m_header, -1));
        m_pageStart = m_y;
    }

    Resolved resolve(const Band &b, int row, int pageNo = 0) const
    {
        Resolved r;
        r.height = b.height;
        for (const Element &e : b.elements) {
            DrawOp op;
            op.band = b.kind;
            op.rect = e.rect;
            op.font = e.font;
            op.align = e.align;
            op.penWidth = e.penWidth;
            switch (e.kind) {
            case Element::Kind::Label: op.text = e.text; break;
            case Element::Kind::Field:
                op.text = m_rows && row >= 0 ? valueText(m_rows->value(row, e.field), m_report.dateFormat)
                                             : QString();
                break;
            case Element::Kind::Date: op.text = m_today.toString(m_report.dateFormat); break;
            case Element::Kind::PageNumber:
                op.text = e.text.trimmed().isEmpty()
                              ? QString::number(pageNo)
                              : e.text.trimmed() + QLatin1Char(' ') + QString::number(pageNo);
                break;
            case Element::Kind::Line: op.kind = DrawOp::Kind::Line; break;
            case Element::Kind::Frame: op.kind = DrawOp::Kind::Rect; break;
            case Element::Kind::Shape:
                op.kind = DrawOp::Kind::Rect;
                // a shape naming a field takes its fill from the row (a colour per row)
                op.fill = !e.field.isEmpty() && m_rows && row >= 0
                              ? m_rows->value(row, e.field).value<QColor>()
                              : e.fill;
                op.penWidth = 0;
                break;
            case Element::Kind::Image: {
                op.kind = DrawOp::Kind::Image;
                op.image = e.image;
                if (!e.image.isNull()) {
                    QSizeF s = QSizeF(e.image.size()).scaled(e.rect.size(), Qt::KeepAspectRatio);
                    op.rect = QRectF(e.rect.topLeft() + QPointF((e.rect.width() - s.width()) / 2,
                                                                (e.rect.height() - s.height()) / 2),
                                     s);
                }
                break;
            }
            case Element::Kind::Memo: {
                double y = e.rect.top();
                for (const MemoLine &l : e.lines) {
                    const double h = m_measure.lineHeight(l.font);
                    const double w = e.rect.width() - l.indent;
                    for (const QString &t : wrap(l.text, w, l.font, m_measure)) {
                        if (l.fill.alpha() > 0 || l.frame > 0) {
                            DrawOp box;
                            box.kind = DrawOp::Kind::Rect;
                            box.band = op.band;
                            box.fill = l.fill;
                            box.penWidth = l.frame;
                            box.rect = QRectF(e.rect.left() + l.indent, y, w, h);
                            r.pieces.append({box, true});
                        }
                        DrawOp lo = op;
                        lo.font = l.font;
                        lo.text = t;
                        lo.rect = QRectF(e.rect.left() + l.indent, y, w, h);
                        r.pieces.append({lo, true});
                        y += h;
                    }
                }
                r.height = std::max(r.height, std::max(y, e.rect.bottom()));
                continue;
            }
            }
            if (e.elide && op.kind == DrawOp::Kind::Text) {
                const QString kurz = elided(op.text, e.rect.width(), e.font, m_measure);
                if (kurz != op.text) {
                    op.fullText = op.text;
                    op.text = kurz;
                }
            }
            r.pieces.append({op, false});
        }
        std::stable_sort(r.pieces.begin(), r.pieces.end(),
                         [](const Piece &a, const Piece &b) { return a.op.rect.top() < b.op.rect.top(); });
        return r;
    }

    void place(const Resolved &r)
    {
        if (m_y + r.height <= m_limit + 1e-9) {
            put(r.pieces, m_y);
            m_y += r.height;
            return;
        }
        const auto firstMemo =
            std::find_if(r.pieces.cbegin(), r.pieces.cend(), [](const Piece &p) { return p.memoLine; });
        if (firstMemo == r.pieces.cend()) {
            if (m_y > m_pageStart + 1e-9)
                newPage();
            put(r.pieces, m_y);
            m_y += r.height;
            return;
        }
        // a memo splits, but its first line stays with what stands above it in its band
        if (m_y > m_pageStart + 1e-9 && m_y + firstMemo->op.rect.bottom() > m_limit + 1e-9)
            newPage();
        double shift = 0, base = m_y;
        for (const Piece &p : r.pieces) {
            const double y = base + p.op.rect.top() - shift;
            if (p.memoLine && y + p.op.rect.height() > m_limit + 1e-9 && y > m_pageStart + 1e-9) {
                newPage();
                shift = p.op.rect.top();
                base = m_y;
            }
            m_pages.last().ops << moved(p.op, base - shift);
        }
        m_y = base + r.height - shift;
    }

    void put(const QVector<Piece> &pieces, double base)
    {
        for (const Piece &p : pieces)
            m_pages.last().ops << moved(p.op, base);
    }

    const Report &m_report;
    const RowSource *m_rows;
    const TextMeasure &m_measure;
    QDate m_today;
    QVector<Page> m_pages;
    const Band *m_header = nullptr;
    double m_footerHeight = 0, m_top = 0, m_limit = 0, m_y = 0;
    double m_pageStart = 0; // below the column header repeated on the page
};

} // namespace

Pages layout(const Report &report, const RowSource *rows, const TextMeasure &measure, const QDate &today)
{
    return Layouter(report, rows, measure, today).run();
}

} // namespace tav::report
