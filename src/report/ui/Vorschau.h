// Vorschau: the print preview every print-out opens, from which it is printed or saved.
#pragma once

#include "report/ReportJob.h"

#include <QDialog>

class QLabel;
class QToolButton;
class QScrollArea;

namespace tav::report::ui {

class PageView;

// Modal, maximised, zoomed to the whole page. Print goes through the printer dialog; PDF and
// HTML through the save dialog. A file that cannot be written is said and nothing is changed.
class TVorschau : public QDialog
{
    Q_OBJECT
  public:
    TVorschau(const Pages &pages, QWidget *parent = nullptr);

    int pageCount() const { return int(m_pages.pages.size()); }
    const Pages &pages() const { return m_pages; }
    int currentPage() const { return m_page; } // from 0
    void showPage(int page);
    double zoom() const; // device pixels a millimetre
    void setZoom(double dotsPerMm);
    void fitWholePage();

    // false after saying why (nothing is said when the dialog was cancelled)
    bool savePdf();
    bool saveHtml();
    bool print();

  protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

  private:
    QToolButton *BDrucken, *BPdf, *BHtml, *BZurueck, *BVor, *BGanzeSeite, *BGroesser, *BKleiner, *BSchliessen;
    QLabel *LabelSeite;

    bool save(const char *suffix, int filterTag, bool pdf);
    void zeigeStand();

    Pages m_pages;
    int m_page = 0;
    PageView *m_view;
    QScrollArea *m_scroll;
    bool m_ganzeSeite = true; // the zoom follows the window's size
};

// The printer chosen in the printer set-up, with which the preview's print starts (empty: the
// system's default).
void setProgrammDrucker(const QString &name);
QString programmDrucker();

// Prepares the job with the program's language and margins, shows its preview and returns when
// the preview is closed.
void zeigeVorschau(ReportJob job, QWidget *parent);
// The same with settings of the caller's (a print in a language of its own).
void zeigeVorschau(ReportJob job, const JobSettings &settings, QWidget *parent);
// Prepares the job like zeigeVorschau and sends it through the printer dialog without a preview;
// false when nothing was printed.
bool druckeOhneVorschau(ReportJob job, QWidget *parent);

} // namespace tav::report::ui
