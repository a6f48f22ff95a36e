// InzuchtFortschritt: the progress dialog of a full inbreeding analysis.
#include "InzuchtFortschritt.h"

#include "app/Sprache.h"
#include "breeding/InzuchtBerechnung.h"
#include "shell/Shell.h"
#include "widgets/Translator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tav::breeding::ui {

TFormInzuchtFortschritt::TFormInzuchtFortschritt(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormInzuchtFortschritt"));
    setWindowTitle(QStringLiteral("Bitte warten!"));
    setProperty("tag", 948);
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Inzuchtgradberechnung läuft!"), this);
    title->setProperty("tag", 949);
    LabelFortschritt = new QLabel(QStringLiteral("- Erstelle Stammbaum"), this);
    LabelFortschritt->setObjectName(QStringLiteral("LabelFortschritt"));
    LabelFortschritt->setProperty("tag", 950);
    Gauge = new QProgressBar(this);
    Gauge->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: navy; }"));
    Gauge->setTextVisible(false);
    BitBtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    BitBtnAbbruch->setObjectName(QStringLiteral("BitBtnAbbruch"));
    BitBtnAbbruch->setProperty("tag", 571);
    layout->addWidget(title);
    layout->addWidget(LabelFortschritt);
    layout->addWidget(Gauge);
    layout->addWidget(BitBtnAbbruch, 0, Qt::AlignHCenter);
    connect(BitBtnAbbruch, &QPushButton::clicked, this, [this] { abbruch = true; });
    tav::widgets::translateOnCreate(this);
    resize(320, 140);
    m_clock.start();
}

Fortschritt TFormInzuchtFortschritt::callback()
{
    return [this](quint64 position, quint64 maximum) {
        // the gauge shows thousandths; painting more often than every 30 ms only costs time
        if (m_clock.elapsed() - m_lastPaint >= 30 || position >= maximum) {
            m_lastPaint = m_clock.elapsed();
            Gauge->setMaximum(1000);
            Gauge->setValue(maximum ? int(position * 1000 / maximum) : 0);
            QApplication::processEvents();
        }
        return !abbruch;
    };
}

bool berechneMitFortschritt(InzuchtBerechnung &engine, qint32 tier, qint32 vater, qint32 mutter,
                            int generationen, bool inzucht, QWidget *parent)
{
    auto *main = tav::shell::Shell::current();
    if (main && main->inzuchtBerechne())
        return false; // one calculation at a time
    struct Running {
        tav::shell::Shell *main;
        explicit Running(tav::shell::Shell *m) : main(m)
        {
            if (main)
                main->setInzuchtBerechne(true);
        }
        ~Running()
        {
            if (main)
                main->setInzuchtBerechne(false);
        }
    } running(main);
    if (!inzucht) {
        engine.fortschritt = {};
        return engine.Berechne(tier, vater, mutter, generationen, false);
    }
    TFormInzuchtFortschritt dialog(parent);
    dialog.show();
    QApplication::processEvents();
    engine.fortschritt = dialog.callback();
    engine.phase = [&dialog](int meldung) {
        dialog.LabelFortschritt->setText(tav::app::messageText(meldung));
        QApplication::processEvents();
    };
    const bool ok = engine.Berechne(tier, vater, mutter, generationen, true);
    engine.fortschritt = {};
    engine.phase = {};
    dialog.hide();
    return ok && !dialog.abbruch;
}

} // namespace tav::breeding::ui
