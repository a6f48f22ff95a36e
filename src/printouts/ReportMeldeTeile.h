// ReportMeldeTeile: the pieces every show entry form is drawn from: framed fields with their
// caption, marks, section heads and text blocks, on one page-high band.
#pragma once

#include "ReportMelde.h"

namespace tav::printouts::melde {

using report::Element;
using report::Font;

using report::textFont;

// the ink of the forms' texts
const QColor Tinte(30, 30, 30);

struct Blatt {
    report::Report report;
    QVector<Element> *el = nullptr;
    double breite = 190;

    explicit Blatt(int tag, const QString &titel);

    void text(double x, double y, double w, double h, const QString &t, const Font &f,
              Qt::Alignment a = Qt::AlignLeft);
    // a caption over a framed value
    void feld(double x, double y, double w, const QString &caption, const QString &wert);
    // a box, crossed when `an`, with its text at the right
    void marke(double x, double y, bool an, const QString &t, double w = 60);
    // a bold head with a line under it
    void kopf(double y, const QString &t);
    // lines that wrap in their width; the height they take is the caller's estimate
    void absatz(double x, double y, double w, double h, const QStringList &zeilen, double punkte = 7.5);
    // the signature line from `x` to the right edge, its caption under it
    void unterschrift(double x, double y, const QString &caption);

    report::ReportJob job();
};

constexpr double FeldHoehe = 9.5; // caption and framed value
constexpr double MarkeHoehe = 4.6;

// the registry's lines in the user's language, then in English unless that is the same
QStringList zweisprachig(const FormularTexte &t, const QString &key, int sprache);

report::ReportJob reportAllgemein(const Meldung &m, const FormularTexte &t, int sprache);
report::ReportJob reportFIFE(const Meldung &m, const FormularTexte &t, int sprache);
report::ReportJob reportDRU(const Meldung &m, const FormularTexte &t, int sprache);
report::ReportJob reportCFA(const Meldung &m, const FormularTexte &t, int sprache);

} // namespace tav::printouts::melde
