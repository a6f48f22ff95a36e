#include "Pkalend.h"

#include "app/Sprache.h"
#include "cats/CatSearch.h"
#include "store/Table.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/Help.h"
#include "widgets/Translator.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tav::cats::ui {

using namespace tav::widgets;

namespace {
constexpr int HilfeKontext = 9240;
constexpr int TagDatumPraefix = 2346;

QPushButton *schrittKnopf(const QString &text, int tag, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setProperty("tag", tag);
    b->setAutoDefault(false);
    b->setFixedWidth(32);
    return b;
}
} // namespace

TKalenderDlg::TKalenderDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KalenderDlg"));
    setProperty("tag", 2340);
    setWindowTitle(QStringLiteral("Kalender"));

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setNavigationBarVisible(false);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setSelectedDate(QDate::currentDate());
    static const QLocale::Language sprachen[] = {QLocale::German, QLocale::English, QLocale::Dutch};
    Calendar1->setLocale(QLocale(sprachen[std::clamp(tav::app::sprache().languageNumber(), 0, 2)]));
    // after the locale, which brings its own first day
    Calendar1->setFirstDayOfWeek(Qt::Monday);

    LMonat = new QLabel(QStringLiteral("&Monat"), this);
    LMonat->setProperty("tag", 2341);
    LJahr = new QLabel(QStringLiteral("&Jahr"), this);
    LJahr->setProperty("tag", 2342);
    BMonatZurueck = schrittKnopf(QStringLiteral("<"), 2347, this);
    BMonatVor = schrittKnopf(QStringLiteral(">"), 2348, this);
    BJahrZurueck = schrittKnopf(QStringLiteral("<<"), 2349, this);
    BJahrVor = schrittKnopf(QStringLiteral(">>"), 2350, this);
    LMonat->setBuddy(BMonatVor);
    LJahr->setBuddy(BJahrVor);
    // the calendar's own navigation bar is replaced by the steps, so the page is named here
    LMonatJahr = new QLabel(this);
    LMonatJahr->setProperty("dataText", true);
    LMonatJahr->setAlignment(Qt::AlignCenter);
    LMonatJahr->setMinimumWidth(
        LMonatJahr->fontMetrics().horizontalAdvance(QStringLiteral("September 0000")));
    LDatum = new QLabel(this);
    LDatum->setProperty("dataText", true);
    LDatum->setObjectName(QStringLiteral("LDatum"));

    BOK = new QPushButton(QStringLiteral("&OK"), this);
    BOK->setProperty("tag", 2343);
    BOK->setDefault(true);
    BHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    BHilfe->setProperty("tag", 2344);
    BHilfe->setAutoDefault(false);
    BAbbruch = new QPushButton(QStringLiteral("&Abbruch"), this);
    BAbbruch->setProperty("tag", 2345);
    BAbbruch->setAutoDefault(false);

    auto *schritte = new QHBoxLayout;
    schritte->addWidget(BMonatZurueck);
    schritte->addWidget(LMonat);
    schritte->addWidget(BMonatVor);
    schritte->addStretch();
    schritte->addWidget(LMonatJahr);
    schritte->addStretch();
    schritte->addWidget(BJahrZurueck);
    schritte->addWidget(LJahr);
    schritte->addWidget(BJahrVor);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BOK);
    knoepfe->addWidget(BHilfe);
    knoepfe->addWidget(BAbbruch);
    auto *v = new QVBoxLayout(this);
    v->addLayout(schritte);
    v->addWidget(Calendar1);
    v->addWidget(LDatum);
    v->addLayout(knoepfe);

    connect(Calendar1, &QCalendarWidget::selectionChanged, this, &TKalenderDlg::datumAnzeigen);
    // a click on a day of the neighbouring month turns the page; keep it on the chosen date
    connect(Calendar1, &QCalendarWidget::clicked, this, [this](const QDate &d) { setDate(d); });
    connect(Calendar1, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(Calendar1, &QCalendarWidget::currentPageChanged, this, &TKalenderDlg::datumAnzeigen);
    connect(BMonatZurueck, &QPushButton::clicked, this, [this] { monatSchritt(-1); });
    connect(BMonatVor, &QPushButton::clicked, this, [this] { monatSchritt(1); });
    connect(BJahrZurueck, &QPushButton::clicked, this, [this] { monatSchritt(-12); });
    connect(BJahrVor, &QPushButton::clicked, this, [this] { monatSchritt(12); });
    connect(BOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(BHilfe, &QPushButton::clicked, this, [this] { showHelp(HilfeKontext, this); });
    setHelpKey(this, HilfeKontext);

    translateOnCreate(this);
    setDate(Calendar1->selectedDate());
}

QDate TKalenderDlg::date() const
{
    return Calendar1->selectedDate();
}

void TKalenderDlg::setDate(const QDate &d)
{
    const QDate ziel = d.isValid() ? d : QDate::currentDate();
    Calendar1->setSelectedDate(ziel);
    Calendar1->setCurrentPage(ziel.year(), ziel.month());
    datumAnzeigen();
}

void TKalenderDlg::showEvent(QShowEvent *e)
{
    datumAnzeigen();
    QDialog::showEvent(e);
}

void TKalenderDlg::datumAnzeigen()
{
    QString praefix = tav::app::captionText(TagDatumPraefix);
    if (praefix.isEmpty())
        praefix = QStringLiteral("Datum  :  ");
    LDatum->setText(praefix + datumText(date()));
    LMonatJahr->setText(Calendar1->locale().standaloneMonthName(Calendar1->monthShown()) + QLatin1Char(' ') +
                        QString::number(Calendar1->yearShown()));
}

void TKalenderDlg::monatSchritt(int monate)
{
    // addMonths keeps the day where it can and takes the month's last day otherwise (31 Jan -> 28 Feb)
    setDate(date().addMonths(monate));
}

std::optional<QDate> runCalendar(QWidget *parent, const QDate &start)
{
    TKalenderDlg dlg(parent);
    dlg.setDate(start);
    if (execDialog(dlg) != QDialog::Accepted)
        return std::nullopt;
    return dlg.date();
}

QWidget *mitKalender(QWidget *feld, tav::widgets::DataSource *source, const QString &field, QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(feld, 1);
    auto *b = new QToolButton(w);
    b->setText(QStringLiteral("..."));
    b->setObjectName(QStringLiteral("Kalender") + field);
    QObject::connect(b, &QToolButton::clicked, w, [source, field, w] {
        tav::store::Table *t = source->table();
        const QDate start = t && (t->hasRecord() || t->isEditing()) ? t->value(field).toDate() : QDate();
        if (const auto d = runCalendar(w->window(), start.isValid() ? start : QDate::currentDate()))
            source->setFieldValue(field, *d);
    });
    l->addWidget(b);
    return w;
}

} // namespace tav::cats::ui
