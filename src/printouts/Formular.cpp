#include "Formular.h"

#include <QHash>

namespace tav::printouts {

using namespace tav::report;

void Formular::text(const QRectF &r, const QString &t, const Font &f, int tag, Qt::Alignment a)
{
    Element e = label(r, t, f, tag);
    e.align = a;
    m_b.elements << e;
}

void Formular::wert(const QRectF &r, const QString &t, double groesse, Qt::Alignment a)
{
    Element e = label(r, t, textFont(groesse));
    e.align = a;
    e.elide = true;
    m_b.elements << e;
}

void Formular::kasten(const QRectF &r, int tag, const QString &beschriftung, const QString &inhalt)
{
    rahmen(r);
    text(QRectF(r.left() + 1, r.top() + 0.3, r.width() - 2, 3.2), beschriftung, textFont(6.5), tag,
         Qt::AlignLeft | Qt::AlignTop);
    wert(QRectF(r.left() + 1.5, r.top() + 3.2, r.width() - 3, r.height() - 3.4), inhalt);
}

void Formular::rahmen(const QRectF &r, double stift)
{
    m_b.elements << frame(r, stift);
}

void Formular::linie(double x1, double y1, double x2, double y2, double stift)
{
    m_b.elements << line({x1, y1}, {x2, y2}, stift);
}

void Formular::flaeche(const QRectF &r, const QColor &farbe)
{
    m_b.elements << shape(r, farbe);
}

void Formular::unterschrift(const QRectF &r, int tag, const QString &beschriftung)
{
    linie(r.left(), r.top(), r.right(), r.top(), 0.3);
    text(QRectF(r.left(), r.top() + 0.5, r.width(), r.height() - 0.5), beschriftung, textFont(7), tag,
         Qt::AlignLeft | Qt::AlignTop);
}

void Formular::absatz(const QRectF &r, const QString &t, const Font &f)
{
    m_b.elements << memo(r, QStringList{t}, f);
}

void Formular::kaestchen(const QRectF &r, int anzahl, const QString &t)
{
    const double breite = r.width() / anzahl;
    for (int i = 1; i < anzahl; ++i)
        linie(r.left() + i * breite, r.bottom() - r.height() / 3, r.left() + i * breite, r.bottom(), 0.1);
    const QString k = kaestchenText(t);
    if (k.size() > anzahl) {
        wert(QRectF(r.left() + 0.5, r.top(), r.width() - 1, r.height()), t, 7.5);
        return;
    }
    for (int i = 0; i < k.size(); ++i)
        text(QRectF(r.left() + i * breite, r.top(), breite, r.height()), k.mid(i, 1), textFont(9), 0,
             Qt::AlignCenter);
}

QString kaestchenText(const QString &name)
{
    static const QHash<QChar, QString> zwei = {
        {QChar(0xe4), QStringLiteral("ae")}, {QChar(0xf6), QStringLiteral("oe")},
        {QChar(0xfc), QStringLiteral("ue")}, {QChar(0xc4), QStringLiteral("Ae")},
        {QChar(0xd6), QStringLiteral("Oe")}, {QChar(0xdc), QStringLiteral("Ue")},
        {QChar(0xdf), QStringLiteral("ss")}};
    QString out;
    for (const QChar c : name)
        out += zwei.value(c, QString(c));
    return out;
}

} // namespace tav::printouts
