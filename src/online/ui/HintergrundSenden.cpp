#include "HintergrundSenden.h"

#include "online/OnlineUpload.h"

#include <QEventLoop>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <thread>

namespace tav::online::ui {

bool dateiImHintergrundSenden(const QString &url, const QString &datei, const Zeitlimits &zeit,
                              QString *fehler, QProgressBar *gauge, QPushButton *abbruch, bool *abgebrochen)
{
    std::atomic<bool> abbrechen{false}, fertig{false};
    std::atomic<qint64> gesendet{0}, gesamt{0};
    bool ok = false;
    QString grund;
    std::thread arbeiter([&] {
        ok = dateiSenden(url, datei, &grund, zeit, [&](qint64 s, qint64 g) {
            gesendet = s;
            gesamt = g;
            return abbrechen.load();
        });
        fertig = true;
    });
    QEventLoop warten;
    const QMetaObject::Connection klick = QObject::connect(abbruch, &QPushButton::clicked, &warten, [&] {
        abbrechen = true;
        abbruch->setEnabled(false);
    });
    gauge->setValue(0);
    gauge->setVisible(true);
    abbruch->setEnabled(true);
    abbruch->setVisible(true);
    QTimer abfrage;
    abfrage.setInterval(25);
    QObject::connect(&abfrage, &QTimer::timeout, &warten, [&] {
        if (fertig)
            warten.quit();
        gauge->setMaximum(int(qMax<qint64>(1, gesamt / 1024)));
        gauge->setValue(int(gesendet / 1024));
    });
    abfrage.start();
    warten.exec();
    arbeiter.join();
    QObject::disconnect(klick);
    abbruch->setVisible(false);
    gauge->setVisible(false);
    if (abgebrochen)
        *abgebrochen = abbrechen;
    if (fehler)
        *fehler = grund;
    return ok;
}

} // namespace tav::online::ui
