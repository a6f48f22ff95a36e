// Splascr: the splash screen shown while the program starts.
#include "Splascr.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace tav::shell {

TIntro::TIntro(const QString &home, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Intro"));
    setWindowTitle(QStringLiteral("Tavrenno Intro"));
    auto *layout = new QVBoxLayout(this);
    m_picture = new QLabel(this);
    m_picture->setAlignment(Qt::AlignCenter);
    const QString bmp = QDir(home).filePath(QStringLiteral("Tavrenno.bmp"));
    if (QFileInfo::exists(bmp))
        m_picture->setPixmap(QPixmap(bmp));
    m_title = new QLabel(QStringLiteral("Tavrenno"), this);
    QFont f = m_title->font();
    f.setPointSize(28);
    f.setBold(true);
    m_title->setFont(f);
    m_title->setAlignment(Qt::AlignCenter);
    m_version = new QLabel(this);
    m_gauge = new QProgressBar(this);
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    layout->addWidget(m_picture);
    layout->addWidget(m_title);
    layout->addWidget(m_version);
    layout->addWidget(m_gauge);
    resize(420, 240);
    if (const QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TIntro::setGauge(int percent)
{
    m_gauge->setValue(percent);
    // paint at once: the start-up does its work on this thread
    m_gauge->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int TIntro::gauge() const
{
    return m_gauge->value();
}

} // namespace tav::shell
