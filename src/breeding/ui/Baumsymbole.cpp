#include "Baumsymbole.h"

#include <QPainter>
#include <QPixmap>

namespace tav::breeding::ui {

QIcon baumsymbol(Baumsymbol s)
{
    QPixmap p(14, 14);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(Qt::NoPen);
    switch (s) {
    case Baumsymbol::Wurf:
        // a nest: a basket with three kittens in it
        m.setBrush(QColor(150, 105, 60));
        m.drawRoundedRect(QRectF(1, 7, 12, 6), 2, 2);
        m.setBrush(QColor(235, 200, 120));
        for (int x : {2, 5, 8})
            m.drawEllipse(QRectF(x, 4, 4, 4));
        break;
    case Baumsymbol::Leer:
        m.setBrush(QColor(160, 160, 160));
        m.drawEllipse(2, 2, 10, 10);
        break;
    default:
        m.setBrush(s == Baumsymbol::Maennlich ? QColor(40, 90, 200) : QColor(210, 60, 110));
        m.drawEllipse(2, 2, 10, 10);
        break;
    }
    return QIcon(p);
}

} // namespace tav::breeding::ui
