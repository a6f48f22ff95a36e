#include "FortschrittAbbrechen.h"

#include "app/Sprache.h"
#include "widgets/Translator.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tav::online::ui {

namespace {
constexpr int kUploadFoto = 7400;
constexpr int kVon = 9692;
} // namespace

TFormFortschrittAbbrechen::TFormFortschrittAbbrechen(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormFortschrittAbbrechen"));
    setProperty("tag", kUploadFoto);
    setWindowModality(Qt::ApplicationModal);
    auto *titel = new QLabel(QStringLiteral("Upload Foto"), this);
    titel->setProperty("tag", kUploadFoto);
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    LabelNummer = new QLabel(QStringLiteral("0"), this);
    LabelNummer->setObjectName(QStringLiteral("LabelNummer"));
    LabelVon = new QLabel(tav::app::captionText(kVon), this);
    LabelVon->setObjectName(QStringLiteral("LabelVon"));
    LabelAbbruch = new QLabel(this);
    LabelAbbruch->setObjectName(QStringLiteral("LabelAbbruch"));
    Gauge = new QProgressBar(this);
    Gauge->setTextVisible(false);
    BitBtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    BitBtnAbbruch->setObjectName(QStringLiteral("BitBtnAbbruch"));
    BitBtnAbbruch->setProperty("tag", 571);

    auto *zeile = new QHBoxLayout;
    zeile->addWidget(titel);
    zeile->addStretch();
    zeile->addWidget(LabelNummer);
    zeile->addWidget(LabelVon);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(zeile);
    layout->addWidget(LabelAbbruch);
    layout->addWidget(Gauge);
    layout->addWidget(BitBtnAbbruch, 0, Qt::AlignHCenter);
    connect(BitBtnAbbruch, &QPushButton::clicked, this, &TFormFortschrittAbbrechen::abbrechen);
    tav::widgets::translateOnCreate(this);
    resize(320, 130);
}

void TFormFortschrittAbbrechen::start(int dateien)
{
    Terminated = false;
    LabelAbbruch->clear();
    LabelNummer->setText(QStringLiteral("0"));
    LabelVon->setText(tav::app::captionText(kVon) + QLatin1Char(' ') + QString::number(dateien));
    Gauge->setRange(0, qMax(1, dateien));
    Gauge->setValue(0);
}

void TFormFortschrittAbbrechen::stepBy(int datei)
{
    LabelNummer->setText(QString::number(datei));
    Gauge->setValue(qBound(Gauge->minimum(), datei, Gauge->maximum()));
}

void TFormFortschrittAbbrechen::stop()
{
    hide();
}

void TFormFortschrittAbbrechen::abbrechen()
{
    LabelAbbruch->setText(Abbruch);
    Terminated = true;
}

void TFormFortschrittAbbrechen::reject()
{
    abbrechen();
}

void TFormFortschrittAbbrechen::closeEvent(QCloseEvent *e)
{
    abbrechen();
    e->ignore();
}

tav::online::TFtpAction bilderHochladen(const tav::online::TFtpConfig &cfg, const QStringList &pfade,
                                        const QString &datenOrdner, QWidget *parent, QStringList *abgelehnt)
{
    tav::online::TFtpUpload upload(datenOrdner);
    upload.LoadConfig(cfg);
    for (const QString &p : pfade)
        upload.AddFileToListe(p);
    TFormFortschrittAbbrechen form(parent);
    form.Abbruch = tav::app::messageText(216);
    const int gesamt = upload.datei_anzahl();
    form.start(gesamt);
    form.show();
    if (!upload.StartUpload()) {
        form.stop();
        return upload.IState();
    }
    QEventLoop warten;
    QTimer abfrage;
    abfrage.setInterval(25);
    QObject::connect(&abfrage, &QTimer::timeout, &warten, [&] {
        if (upload.isSuspended())
            warten.quit();
        else if (form.Terminated)
            upload.Terminate();
        else if (upload.IFileCnt() < gesamt)
            form.stepBy(upload.IFileCnt());
    });
    abfrage.start();
    warten.exec();
    form.stop();
    if (abgelehnt)
        *abgelehnt = upload.IAbgelehnt();
    return upload.IState();
}

} // namespace tav::online::ui
