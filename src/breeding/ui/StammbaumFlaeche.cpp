// StammbaumFlaeche: the drawing area of the pedigree window: the brackets between the boxes.
#include "StammbaumFlaeche.h"

#include "breeding/Stammbaum8.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace tav::breeding::ui {

using namespace stammbaum8;

StammbaumFlaeche::StammbaumFlaeche(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Flaeche"));
    setFixedSize(flaeche());
}

void StammbaumFlaeche::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    const QRect sichtbar = e->rect();
    for (int g = 0; g < Generationen; ++g) {
        for (int i = 1; i <= anzahl(g); ++i) {
            const Klammer k = klammer(g, i);
            const QRect r = QRect(k.senkrecht.p1(), k.unten.p2()).normalized().adjusted(-1, -1, 1, 1);
            if (!r.intersects(sichtbar))
                continue;
            p.drawLine(k.senkrecht);
            p.drawLine(k.oben);
            p.drawLine(k.unten);
        }
    }
}

void StammbaumFlaeche::mousePressEvent(QMouseEvent *e)
{
    Q_EMIT leerGedrueckt();
    QWidget::mousePressEvent(e);
}

} // namespace tav::breeding::ui
