#include "ReportJob.h"

#include "app/Sprache.h"
#include "app/Systemi.h"

#include <algorithm>

namespace tav::report {

namespace {
constexpr double FooterHeight = 6;
}

JobSettings catalogueJobSettings(const tav::app::Sprache &catalogue, double left, double top)
{
    JobSettings s;
    s.left = left;
    s.top = top;
    s.caption = [&catalogue](int tag) { return catalogue.caption(tag); };
    s.hint = [&catalogue](int tag) {
        const auto r = catalogue.record(tag + catalogue.offset());
        return r ? r->FeldHilfe : QString();
    };
    return s;
}

JobSettings programJobSettings()
{
    JobSettings s = catalogueJobSettings(tav::app::sprache());
    if (const auto *settings = tav::app::tsysteminfo::instance()) {
        s.left = settings->Drucklinks;
        s.top = settings->Druckoben;
    }
    return s;
}

JobSettings programJobSettings(int languageNumber)
{
    JobSettings s = programJobSettings();
    const int offset = tav::app::languageOffset(languageNumber);
    const tav::app::Sprache &catalogue = tav::app::sprache();
    s.caption = [&catalogue, offset](int tag) {
        const auto r = catalogue.record(tag + offset);
        return r ? r->FeldName : QString();
    };
    s.hint = [&catalogue, offset](int tag) {
        const auto r = catalogue.record(tag + offset);
        return r ? r->FeldHilfe : QString();
    };
    return s;
}

QString productWebAddress()
{
    return QStringLiteral("www.tavrenno.org");
}

Band &addFooter(Report &report, bool withPageNumber, int pageTag)
{
    Band &b = report.add(Band::Kind::PageFooter, FooterHeight, QStringLiteral("footer"));
    const double width = report.page.width() - report.page.left - report.page.right;
    Font small;
    small.size = 8;
    b.elements << line({0, 0.5}, {width, 0.5}, 0.2);
    b.elements << label(QRectF(0, 1.5, width * 0.7, 4), QStringLiteral("printed by ") + productWebAddress(),
                        small);
    if (withPageNumber) {
        Element page = pageNumber(QRectF(width * 0.7, 1.5, width * 0.3, 4), QStringLiteral("Seite "), small);
        page.tag = pageTag;
        page.align = Qt::AlignRight;
        b.elements << page;
    }
    return b;
}

ReportJob::ReportJob(Report report, std::shared_ptr<const RowSource> rows)
{
    add(std::move(report), std::move(rows));
}

void ReportJob::add(Report report, std::shared_ptr<const RowSource> rows)
{
    m_parts.append({std::move(report), std::move(rows)});
}

void ReportJob::prepare(const JobSettings &settings)
{
    for (Part &p : m_parts) {
        p.report.translate(settings.caption, settings.hint);
        if (p.report.ownMargins)
            continue;
        // a margin from a hand-edited settings file never puts text off the paper or leaves no room
        p.report.page.left = std::clamp(settings.left, 0.0, p.report.page.width() / 3);
        p.report.page.top = std::clamp(settings.top, 0.0, p.report.page.height() / 3);
    }
}

QString ReportJob::title() const
{
    return m_parts.isEmpty() ? QString() : m_parts.first().report.title;
}

Pages ReportJob::layout(const TextMeasure &measure, const QDate &today) const
{
    Pages all;
    all.title = title();
    if (!m_parts.isEmpty())
        all.fileName = m_parts.first().report.fileName;
    for (const Part &p : m_parts) {
        Pages one = report::layout(p.report, p.rows.get(), measure, today);
        if (all.pages.isEmpty())
            all.setup = one.setup;
        all.pages += one.pages;
    }
    return all;
}

} // namespace tav::report
