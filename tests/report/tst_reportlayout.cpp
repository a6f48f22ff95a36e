// The layout of reports into pages, asserted on the drawing operations.
#include "report/ReportHtml.h"
#include "report/ReportJob.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tav::report;

namespace {

Font font10;

// title, column header, one detail line per row, summary and a footer with the page number
Report listReport()
{
    Report r;
    r.add(Band::Kind::Title, 20).elements << label(QRectF(0, 0, 100, 8), QStringLiteral("Liste"), {}, 7001);
    Band &header = r.add(Band::Kind::ColumnHeader, 8);
    header.elements << label(QRectF(0, 0, 60, 6), QStringLiteral("Name"), {}, 7002);
    r.add(Band::Kind::Detail, 5).elements << field(QRectF(0, 0, 60, 5), QStringLiteral("Name"))
                                          << field(QRectF(60, 0, 30, 5), QStringLiteral("Geboren"));
    r.add(Band::Kind::Summary, 10).elements << label(QRectF(0, 0, 60, 6), QStringLiteral("Ende"));
    addFooter(r, true, 7003);
    return r;
}

std::shared_ptr<ListRows> rows(int n)
{
    auto l = std::make_shared<ListRows>(QStringList{QStringLiteral("Name"), QStringLiteral("Geboren")});
    for (int i = 0; i < n; ++i)
        l->append({QStringLiteral("Katze %1").arg(i), QDate(2020, 1, 1).addDays(i)});
    return l;
}

QVector<DrawOp> opsOf(const Page &p, Band::Kind kind)
{
    QVector<DrawOp> out;
    for (const DrawOp &op : p.ops)
        if (op.band == kind)
            out << op;
    return out;
}

} // namespace

class TstReportLayout : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void detailRowsBreakIntoPagesWithHeaderAndFooter()
    {
        const Report r = listReport();
        const FixedMeasure m;
        const Pages pages = layout(r, rows(200).get(), m, QDate(2026, 12, 9));
        QVERIFY(pages.pages.size() > 3);
        const double footerTop = 297 - r.page.bottom - 6;
        QStringList names;
        for (int p = 0; p < pages.pages.size(); ++p) {
            const Page &page = pages.pages[p];
            // the header stands above every page's first row
            const auto header = opsOf(page, Band::Kind::ColumnHeader);
            const auto detail = opsOf(page, Band::Kind::Detail);
            QCOMPARE(header.size(), 1);
            QVERIFY(!detail.isEmpty() || p == pages.pages.size() - 1);
            for (const DrawOp &op : detail) {
                QVERIFY(op.rect.top() >= header.first().rect.bottom());
                QVERIFY2(op.rect.bottom() <= footerTop + 1e-6, qPrintable(op.text));
                if (op.rect.left() == r.page.left)
                    names << op.text;
            }
            QVERIFY(page.texts().contains(QStringLiteral("Seite %1").arg(p + 1)));
            QVERIFY(page.texts().contains(QStringLiteral("printed by ") + productWebAddress()));
            for (const DrawOp &op : opsOf(page, Band::Kind::PageFooter))
                QVERIFY(op.rect.top() >= footerTop - 1e-6);
        }
        // every row once, in order, dates in the report's format
        QCOMPARE(names.size(), 200);
        QCOMPARE(names.first(), QStringLiteral("Katze 0"));
        QCOMPARE(names.last(), QStringLiteral("Katze 199"));
        QVERIFY(pages.pages.first().texts().contains(QStringLiteral("01.01.2020")));
        QCOMPARE(opsOf(pages.pages.first(), Band::Kind::Title).size(), 1);
        QCOMPARE(opsOf(pages.pages[1], Band::Kind::Title).size(), 0);
        QCOMPARE(opsOf(pages.pages.last(), Band::Kind::Summary).size(), 1);
    }

    // a filled and framed memo line keeps its box with its text, also where the memo splits
    void boxedMemoLinesSplitWithTheirBoxes()
    {
        Report r;
        QVector<MemoLine> lines;
        for (int i = 0; i < 120; ++i) {
            MemoLine l{QStringLiteral("Zeile %1").arg(i), font10, double(i % 3) * 5};
            if (i % 2 == 0) {
                l.fill = QColor(166, 202, 240);
                l.frame = 0.2;
            }
            lines << l;
        }
        r.add(Band::Kind::Child, 5).elements << memo(QRectF(0, 0, 100, 5), lines);
        const Pages pages = layout(r, nullptr, FixedMeasure());
        QCOMPARE(pages.pages.size(), 2);
        int boxes = 0;
        for (const Page &page : pages.pages)
            for (int i = 0; i < page.ops.size(); ++i)
                if (page.ops[i].kind == DrawOp::Kind::Rect) {
                    ++boxes;
                    QVERIFY(i + 1 < page.ops.size());
                    QCOMPARE(page.ops[i + 1].rect, page.ops[i].rect);
                    QCOMPARE(page.ops[i].fill, QColor(166, 202, 240));
                    QCOMPARE(page.ops[i + 1].text.mid(6).toInt() % 2, 0); // the even lines are boxed
                }
        QCOMPARE(boxes, 60);
    }

    void memoLongerThanAPageSplits()
    {
        Report r;
        r.add(Band::Kind::Title, 10).elements << label(QRectF(0, 0, 100, 8), QStringLiteral("Kopf"));
        QStringList lines;
        for (int i = 0; i < 150; ++i)
            lines << QStringLiteral("Zeile %1").arg(i);
        // one long line wraps into several
        lines << QString(QStringLiteral("wort ")).repeated(60).trimmed();
        r.add(Band::Kind::Child, 12).elements << label(QRectF(0, 0, 100, 6), QStringLiteral("Memo"))
                                              << memo(QRectF(0, 7, 100, 5), lines, font10);
        r.add(Band::Kind::Summary, 6).elements << label(QRectF(0, 0, 50, 6), QStringLiteral("danach"));
        addFooter(r, true);
        const Pages pages = layout(r, nullptr, FixedMeasure());
        QCOMPARE(pages.pages.size(), 3);
        const double limit = 297 - r.page.bottom - 6;
        QStringList seen;
        double lastBottom = 0;
        int lastPage = 0;
        for (int p = 0; p < pages.pages.size(); ++p)
            for (const DrawOp &op : opsOf(pages.pages[p], Band::Kind::Child)) {
                QVERIFY(op.rect.bottom() <= limit + 1e-6);
                // lines follow each other without overlap within a page
                if (p == lastPage)
                    QVERIFY(op.rect.top() >= lastBottom - 1e-6);
                lastBottom = op.rect.bottom();
                lastPage = p;
                seen << op.text;
            }
        QCOMPARE(seen.mid(1, 150), lines.mid(0, 150));
        const QStringList wrapped = seen.mid(151);
        QVERIFY(wrapped.size() > 1);
        QCOMPARE(wrapped.join(QLatin1Char(' ')), lines.last());
        // the continuation starts at the top margin of the next page
        QCOMPARE(pages.pages[1].ops.first().rect.top(), r.page.top);
        QVERIFY(pages.pages.last().texts().contains(QStringLiteral("danach")));
    }

    void bandThatDoesNotFitStartsTheNextPage()
    {
        Report r;
        for (int i = 0; i < 3; ++i)
            r.add(Band::Kind::Child, 120).elements << label(QRectF(0, 0, 50, 5), QString::number(i));
        const Pages pages = layout(r, nullptr, FixedMeasure());
        QCOMPARE(pages.pages.size(), 2);
        QCOMPARE(pages.pages[1].texts(), QStringList{QStringLiteral("2")});
        // switched off, a band takes no room
        r.bands[2].enabled = false;
        QCOMPARE(layout(r, nullptr, FixedMeasure()).pages.size(), 1);

        // a column header with room for itself but not for a row goes over with the row
        Report list = listReport();
        list.bands[0].height = 262;
        const Pages pages2 = layout(list, rows(1).get(), FixedMeasure());
        QCOMPARE(pages2.pages.size(), 2);
        QCOMPARE(opsOf(pages2.pages[0], Band::Kind::ColumnHeader).size(), 0);
        QCOMPARE(opsOf(pages2.pages[1], Band::Kind::ColumnHeader).size(), 1);
    }

    void captionsAndMarginsFollowTheJobSettings()
    {
        ReportJob job(listReport(), rows(3));
        const QHash<int, QString> de = {{7001, "Liste"}, {7002, "Name"}, {7003, "Seite"}};
        const QHash<int, QString> en = {{7001, "List"}, {7002, "Name"}, {7003, "Page"}, {7000, "Cat list"}};
        job.parts().first().report.tag = 7000;
        JobSettings s;
        s.left = 25;
        s.top = 15;
        s.caption = [&](int tag) { return en.value(tag); };
        s.hint = [&](int tag) { return en.value(tag); };
        job.prepare(s);
        Pages pages = job.layout(FixedMeasure());
        QCOMPARE(pages.title, QStringLiteral("Cat list"));
        QVERIFY(pages.pages[0].texts().contains(QStringLiteral("List")));
        QVERIFY(pages.pages[0].texts().contains(QStringLiteral("Page 1")));
        double left = 1000, top = 1000;
        for (const DrawOp &op : pages.pages[0].ops) {
            left = std::min(left, op.rect.left());
            top = std::min(top, op.rect.top());
        }
        QCOMPARE(left, 25.0);
        QCOMPARE(top, 15.0);
        // again in German: the captions come back, a tag missing from the catalogue keeps its text
        s.caption = [&](int tag) { return de.value(tag); };
        s.left = 10;
        job.prepare(s);
        pages = job.layout(FixedMeasure());
        QVERIFY(pages.pages[0].texts().contains(QStringLiteral("Liste")));
        QVERIFY(pages.pages[0].texts().contains(QStringLiteral("Seite 1")));
        QCOMPARE(pages.pages[0].ops.first().rect.left(), 10.0);
        // margins off the paper or over most of it are held to it
        s.left = -5;
        s.top = 400;
        job.prepare(s);
        QCOMPARE(job.parts().first().report.page.left, 0.0);
        QCOMPARE(job.parts().first().report.page.top, 99.0);
    }

    void compositeJobNumbersEachReport()
    {
        ReportJob job(listReport(), rows(100));
        Report second = listReport();
        second.page.landscape = true;
        job.add(second, rows(1));
        const Pages pages = job.layout(FixedMeasure());
        QVERIFY(pages.pages.size() >= 3);
        QVERIFY(!pages.pages.first().landscape);
        QVERIFY(pages.pages.last().landscape);
        QVERIFY(pages.pages.last().texts().contains(QStringLiteral("Seite 1")));
        QVERIFY(pages.pages.last().texts().contains(QStringLiteral("Katze 0")));
    }

    void labelsComposedOfCaptionsAndImagesKeepingProportions()
    {
        Report r;
        QImage wide(200, 100, QImage::Format_RGB32);
        r.add(Band::Kind::Title, 30).elements
            << label(QRectF(0, 0, 100, 6), QVector<TextPiece>{{7010, "Inzucht von :"}, {0, " Mira"}})
            << image(QRectF(0, 10, 40, 40), wide);
        r.translate([](int tag) { return tag == 7010 ? QStringLiteral("Inbreeding of :") : QString(); }, {});
        const Page page = layout(r, nullptr, FixedMeasure()).pages.first();
        QCOMPARE(page.texts(), QStringList{QStringLiteral("Inbreeding of : Mira")});
        const DrawOp &img = page.ops.last();
        QCOMPARE(img.kind, DrawOp::Kind::Image);
        QCOMPARE(img.rect.size(), QSizeF(40, 20));
        QCOMPARE(img.rect.top(), r.page.top + 20);
    }

    // a shortened label ends in "…" and fits its box, the HTML page keeps the whole text; a
    // background lies under every page inside the margins; a report's own margins survive the job
    void shorteningBackgroundAndOwnMargins()
    {
        const QString lang = QStringLiteral("GIC Anastasia Čestmíra vom Lindenhof zu Hamburg");
        Report r;
        r.ownMargins = true;
        r.page.left = 3;
        r.page.top = 4;
        r.background = QImage(100, 50, QImage::Format_RGB32);
        Element kurz = label(QRectF(0, 0, 30, 5), lang);
        kurz.elide = true;
        Element passt = label(QRectF(0, 6, 200, 5), lang);
        passt.elide = true;
        r.add(Band::Kind::Title, 200).elements << kurz << passt;
        ReportJob job(r);
        JobSettings s;
        s.left = 25;
        s.top = 15;
        job.prepare(s);
        const Pages pages = job.layout(FixedMeasure());
        const QVector<DrawOp> &ops = pages.pages.first().ops;
        QCOMPARE(ops.first().kind, DrawOp::Kind::Image);
        const QRectF innen(3, 4, 210 - 3 - 10, 297 - 4 - 10);
        QCOMPARE(ops.first().rect.width(), 210 - 3 - 10.0);
        QVERIFY(innen.contains(ops.first().rect));
        const DrawOp &a = ops[1], &b = ops[2];
        QCOMPARE(a.rect.left(), 3.0);
        QVERIFY(a.text.endsWith(QStringLiteral("…")));
        QVERIFY(lang.startsWith(a.text.chopped(1)));
        QVERIFY(FixedMeasure().width(a.text, a.font) <= 30);
        QVERIFY(FixedMeasure().width(a.text + QStringLiteral("x"), a.font) > 30);
        QCOMPARE(a.fullText, lang);
        QCOMPARE(b.text, lang);
        QVERIFY(b.fullText.isEmpty());
        const QString page = QString::fromUtf8(html(pages));
        QVERIFY(page.contains(QStringLiteral(">") + lang + QStringLiteral("</div>")));
        QVERIFY(!page.contains(QStringLiteral("…")));
    }

    // rows of a table in the order of its index and filter, the cursor left where it stood
    void tableAndQueryRows()
    {
        using namespace tav::store;
        using namespace tav::store::def;
        QTemporaryDir dir;
        Database db(dir.path());
        db.createTable(TableDef{"Katze.db",
                                {autoInc("Nr"), string("Name", 30), integer("Anzahl")},
                                {primary("Nr"), index("NameIdx", "Name")}});
        Table t(&db, "katze.db");
        t.open();
        for (const char *n : {"Zora", "Anton", "Mia", "Ömer"}) {
            t.append();
            t.setValue("Name", QString::fromUtf8(n));
            t.setValue("Anzahl", int(qstrlen(n)));
            t.post();
        }
        t.setIndexName("NameIdx");
        t.setFilter("Anzahl > 3");
        t.setFiltered(true);
        t.first();
        t.next();
        const QVariant standing = t.value("Name");
        const TableRows rows(t, {"Name", "Anzahl"});
        QCOMPARE(t.value("Name"), standing);
        QCOMPARE(rows.rowCount(), 3);
        QCOMPARE(rows.value(0, "name").toString(), QStringLiteral("Anton"));
        QCOMPARE(rows.value(2, "Name").toString(), QStringLiteral("Zora"));
        QCOMPARE(rows.value(1, "Name").toString(), QStringLiteral("Ömer"));
        QCOMPARE(rows.value(1, "Anzahl").toInt(), 5); // bytes of the name
        QVERIFY(!rows.value(0, "Farbe").isValid());
        QVERIFY(!rows.value(3, "Name").isValid());
        Query q(&db, "SELECT Name FROM \"katze.db\" ORDER BY Nr DESC");
        q.open();
        const QueryRows fromQuery(q);
        QCOMPARE(fromQuery.rowCount(), 4);
        QCOMPARE(fromQuery.value(0, "Name").toString(), QStringLiteral("Ömer"));
    }

    void wrapBreaksAtBlanksAndInsideLongWords()
    {
        const FixedMeasure m; // 10 pt: 1.764 mm a letter
        QCOMPARE(wrap(QStringLiteral("ab cd ef"), 9, font10, m), (QStringList{"ab cd", "ef"}));
        QCOMPARE(wrap(QStringLiteral("abcdefghij"), 9, font10, m), (QStringList{"abcde", "fghij"}));
        QCOMPARE(wrap(QString(), 9, font10, m), QStringList{QString()});
    }
};

QTEST_GUILESS_MAIN(TstReportLayout)
#include "tst_reportlayout.moc"
