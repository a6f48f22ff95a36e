// Splascr: the splash screen shown while the program starts.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace tav::shell {

// The splash window shown while the program starts, with its gauge.
class TIntro : public QWidget
{
    Q_OBJECT
  public:
    explicit TIntro(const QString &home, QWidget *parent = nullptr);
    void setGauge(int percent);
    int gauge() const;

  private:
    QLabel *m_title;
    QLabel *m_version;
    QLabel *m_picture;
    QProgressBar *m_gauge;
};

} // namespace tav::shell
