// Formular: the parts the registry forms are drawn of: framed boxes with a caption, signature
// lines, rows of letter boxes.
#pragma once

#include "report/Report.h"

namespace tav::printouts {

class Formular
{
  public:
    explicit Formular(report::Band &band) : m_b(band) {}

    // a fixed text (a caption when `tag` is set)
    void text(const QRectF &r, const QString &t, const report::Font &f, int tag = 0,
              Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter);
    // a value from the register or the window; one too wide for its place ends in "…"
    void wert(const QRectF &r, const QString &t, double groesse = 10,
              Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter);
    // a framed box with its caption small in the top left corner and the value below it
    void kasten(const QRectF &r, int tag, const QString &beschriftung, const QString &inhalt);
    void rahmen(const QRectF &r, double stift = 0.3);
    void linie(double x1, double y1, double x2, double y2, double stift = 0.2);
    void flaeche(const QRectF &r, const QColor &farbe);
    // a line to sign on with its caption under it
    void unterschrift(const QRectF &r, int tag, const QString &beschriftung);
    // text that wraps inside the width of `r`
    void absatz(const QRectF &r, const QString &t, const report::Font &f);
    // `anzahl` letter boxes across `r`, one character of `t` in each; a text longer than the boxes
    // is printed whole in a smaller font instead, so nothing is lost
    void kaestchen(const QRectF &r, int anzahl, const QString &t);

  private:
    report::Band &m_b;
};

// A name as the letter boxes of a registry form take it: umlauts as two letters (ä = ae), ß = ss.
QString kaestchenText(const QString &name);

} // namespace tav::printouts
