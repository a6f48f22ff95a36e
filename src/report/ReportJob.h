// ReportJob: one print job of one or more reports, with the program's margins and language.
#pragma once

#include "ReportLayout.h"

#include <memory>

namespace tav::app {
class Sprache;
}

namespace tav::report {

// What a job takes from the program before it runs.
struct JobSettings {
    double left = 10;                    // Drucklinks
    double top = 7;                      // Druckoben
    std::function<QString(int)> caption; // caption catalogue: FeldName by tag
    std::function<QString(int)> hint;    // caption catalogue: FeldHilfe by tag
};
// The settings of the running program (its catalogues and Drucklinks/Druckoben).
JobSettings programJobSettings();
// The same with the captions of another language (a print in a language of its own); the
// program's language stays as it is.
JobSettings programJobSettings(int languageNumber);
// The captions of a catalogue opened elsewhere (the command line's), with the given margins.
JobSettings catalogueJobSettings(const tav::app::Sprache &catalogue, double left = 10, double top = 7);

// The product's web address of the footer line.
QString productWebAddress();
// The footer of the report conventions: "printed by " + the web address, on lists with the page
// number after the caption of `pageTag` ("Seite").
Band &addFooter(Report &report, bool withPageNumber, int pageTag = 0);

class ReportJob
{
  public:
    struct Part {
        Report report;
        std::shared_ptr<const RowSource> rows;
    };

    ReportJob() = default;
    explicit ReportJob(Report report, std::shared_ptr<const RowSource> rows = nullptr);
    void add(Report report, std::shared_ptr<const RowSource> rows = nullptr);
    QVector<Part> &parts() { return m_parts; }
    const QVector<Part> &parts() const { return m_parts; }

    // Before each job: captions in the current language, the left and top margins of the settings.
    void prepare(const JobSettings &settings);
    // The first report's title.
    QString title() const;
    // The pages of every report, one after the other; each report numbers its own pages.
    Pages layout(const TextMeasure &measure, const QDate &today = QDate::currentDate()) const;

  private:
    QVector<Part> m_parts;
};

} // namespace tav::report
