// StammbaumFlaeche: the drawing area of the pedigree window: the brackets between the boxes.
#pragma once

#include <QWidget>

namespace tav::breeding::ui {

class StammbaumFlaeche : public QWidget
{
    Q_OBJECT
  public:
    explicit StammbaumFlaeche(QWidget *parent = nullptr);

  Q_SIGNALS:
    // a mouse button went down on the area itself, not on a box
    void leerGedrueckt();

  protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
};

} // namespace tav::breeding::ui
