// Optionen: the currency conversion on the general page: factor, confirmation, progress and the
// last conversion.
#include "Optionen.h"

#include "OptionenTeile.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "app/Waehrungsumrechnung.h"
#include "cats/ui/Pkalend.h"
#include "store/EngineError.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QProgressBar>
#include <QRegularExpressionValidator>

namespace tav::app::ui {

using namespace tav::widgets;

using namespace optionen;

namespace {
constexpr int MeldungKeinFaktor = 88;
constexpr int MeldungFertig = 89;
constexpr int MeldungKeinDatum = 114;

QFrame *panel(QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setFrameShape(QFrame::StyledPanel);
    f->hide();
    return f;
}
} // namespace

QWidget *TFOptionen::baueWaehrung(QWidget *page)
{
    auto *box = tagged(new QGroupBox(QStringLiteral("Währungsumrechnung"), page), 5686);
    auto *grid = new QGridLayout(box);
    EditFaktor = new QLineEdit(QStringLiteral("1,95583"), box);
    EditFaktor->setObjectName(QStringLiteral("EditFaktor"));
    // digits and the comma only
    EditFaktor->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), EditFaktor));
    EditFaktor->setMaximumWidth(100);
    ButtonUmrechnungStart = button(box, 5688, QStringLiteral("Start"));
    ButtonLetzteUmrechnung = button(box, 5689, QStringLiteral("letzte Umrechnung"));
    grid->addWidget(label(box, 5687, QStringLiteral("Faktor")), 0, 0);
    grid->addWidget(EditFaktor, 0, 1);
    grid->addWidget(ButtonUmrechnungStart, 0, 2);
    grid->addWidget(ButtonLetzteUmrechnung, 0, 3);
    grid->setColumnStretch(4, 1);

    PanelBestaetigung = panel(box);
    auto *bl = new QGridLayout(PanelBestaetigung);
    LabelPanelFaktor = new QLabel(PanelBestaetigung);
    LabelPanelFaktor->setProperty("dataText", true);
    EditUmrechnungBis = new QLineEdit(PanelBestaetigung);
    EditUmrechnungBis->setObjectName(QStringLiteral("EditUmrechnungBis"));
    EditUmrechnungBis->setMaximumWidth(100);
    ButtonKalender = new QPushButton(QStringLiteral("…"), PanelBestaetigung);
    ButtonPanelAbbruch = button(PanelBestaetigung, 5694, QStringLiteral("Abbruch"));
    ButtonPanelStart = button(PanelBestaetigung, 5695, QStringLiteral("Start"));
    bl->addWidget(label(PanelBestaetigung, 5690, QStringLiteral("Währungsumrechnung ")), 0, 0);
    bl->addWidget(label(PanelBestaetigung, 5691, QStringLiteral("mit dem Faktor")), 0, 1);
    bl->addWidget(LabelPanelFaktor, 0, 2);
    bl->addWidget(label(PanelBestaetigung, 5692, QStringLiteral("wirklich durchführen?")), 1, 0, 1, 3);
    bl->addWidget(label(PanelBestaetigung, 5693, QStringLiteral("Umrechnung bis")), 2, 0);
    bl->addWidget(EditUmrechnungBis, 2, 1);
    bl->addWidget(ButtonKalender, 2, 2, Qt::AlignLeft);
    bl->addWidget(ButtonPanelAbbruch, 3, 1);
    bl->addWidget(ButtonPanelStart, 3, 2);

    PanelWarten = panel(box);
    auto *wl = new QHBoxLayout(PanelWarten);
    ProgressBar = new QProgressBar(PanelWarten);
    ButtonWartenAbbruch = button(PanelWarten, 5694, QStringLiteral("Abbruch"));
    wl->addWidget(label(PanelWarten, 5696, QStringLiteral("Bitte warten...")));
    wl->addWidget(ProgressBar, 1);
    wl->addWidget(ButtonWartenAbbruch);

    PanelErgebnis = panel(box);
    auto *el = new QVBoxLayout(PanelErgebnis);
    LabelErgebnis = new QLabel(PanelErgebnis);
    LabelErgebnis->setProperty("dataText", true);
    ButtonErgebnisZurueck = button(PanelErgebnis, 5701, QStringLiteral("Zurück"));
    el->addWidget(LabelErgebnis);
    el->addWidget(ButtonErgebnisZurueck, 0, Qt::AlignLeft);

    grid->addWidget(PanelBestaetigung, 1, 0, 1, 5);
    grid->addWidget(PanelWarten, 2, 0, 1, 5);
    grid->addWidget(PanelErgebnis, 3, 0, 1, 5);

    connect(ButtonUmrechnungStart, &QPushButton::clicked, this, &TFOptionen::umrechnungStarten);
    connect(ButtonPanelStart, &QPushButton::clicked, this, &TFOptionen::umrechnungAusfuehren);
    connect(ButtonPanelAbbruch, &QPushButton::clicked, PanelBestaetigung, &QWidget::hide);
    connect(ButtonWartenAbbruch, &QPushButton::clicked, this, [this] { m_abbrechen = true; });
    connect(ButtonLetzteUmrechnung, &QPushButton::clicked, this, &TFOptionen::letzteUmrechnung);
    connect(ButtonErgebnisZurueck, &QPushButton::clicked, PanelErgebnis, &QWidget::hide);
    connect(ButtonKalender, &QPushButton::clicked, this, [this] {
        cats::ui::TKalenderDlg dlg(this);
        const QDate d = parseSettingsDate(EditUmrechnungBis->text());
        dlg.setDate(d.isValid() ? d : QDate::currentDate());
        if (execDialog(dlg) == QDialog::Accepted)
            EditUmrechnungBis->setText(settingsDateText(dlg.date()));
    });
    return box;
}

void TFOptionen::umrechnungStarten()
{
    if (!faktorLesen(EditFaktor->text())) {
        showMessage(MeldungKeinFaktor, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    LabelPanelFaktor->setText(EditFaktor->text());
    PanelErgebnis->hide();
    PanelBestaetigung->show();
}

void TFOptionen::umrechnungAusfuehren()
{
    const auto f = faktorLesen(EditFaktor->text());
    const QDate bis = parseSettingsDate(EditUmrechnungBis->text());
    if (!f) {
        showMessage(MeldungKeinFaktor, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    if (!bis.isValid()) {
        showMessage(MeldungKeinDatum, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    m_abbrechen = false;
    PanelWarten->show();
    UmrechnungsErgebnis ergebnis = UmrechnungsErgebnis::Abgebrochen;
    try {
        ergebnis = waehrungUmrechnen(*m_db, *f, bis, [this](int, int pos, int max) {
            ProgressBar->setMaximum(std::max(max, 1));
            ProgressBar->setValue(pos);
            QApplication::processEvents();
            return !m_abbrechen;
        });
    } catch (const store::EngineError &e) {
        PanelWarten->hide();
        TDBError::HandleException(e, e.file());
        return;
    }
    PanelWarten->hide();
    if (ergebnis == UmrechnungsErgebnis::Ueberlauf)
        showMessage(MeldungUmrechnungUeberlauf, MsgIcon::Error, MsgButtons::Ok);
    if (ergebnis != UmrechnungsErgebnis::Fertig)
        return;
    // the keys are written only once every amount is converted
    if (tsysteminfo *s = tsysteminfo::instance())
        umrechnungVermerken(*s, s->datei(), *f, QDate::currentDate(), bis);
    PanelBestaetigung->hide();
    showMessage(MeldungFertig, MsgIcon::Information, MsgButtons::Ok);
}

void TFOptionen::letzteUmrechnung()
{
    const tsysteminfo *s = tsysteminfo::instance();
    auto t = [](int tag) { return captionText(tag); };
    if (s && s->Umrechnungam.isValid())
        LabelErgebnis->setText(
            QStringLiteral("%1\n%2 %3\n%4 %5")
                .arg(t(5697), t(5698),
                     QString::number(s->faktoram, 'g', 10).replace(QLatin1Char('.'), QLatin1Char(',')),
                     t(5699), settingsDateText(s->Umrechnungam)));
    else
        LabelErgebnis->setText(t(5700));
    PanelBestaetigung->hide();
    PanelErgebnis->show();
}

} // namespace tav::app::ui
