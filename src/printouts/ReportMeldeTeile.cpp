#include "ReportMeldeTeile.h"

namespace tav::printouts::melde {

using namespace tav::report;

namespace {
const QColor Grau(90, 90, 90);
constexpr double BandHoehe = 262; // leaves room for a larger top margin of the settings
} // namespace

Blatt::Blatt(int tag, const QString &titel)
{
    report.tag = tag;
    report.title = titel;
    addFooter(report, false);
    Band &b = report.add(Band::Kind::Title, BandHoehe, QStringLiteral("form"));
    el = &b.elements;
    breite = report.page.width() - report.page.left - report.page.right;
}

void Blatt::text(double x, double y, double w, double h, const QString &t, const Font &f, Qt::Alignment a)
{
    Element e = label(QRectF(x, y, w, h), t, f);
    e.align = a;
    e.elide = true;
    *el << e;
}

void Blatt::feld(double x, double y, double w, const QString &caption, const QString &wert)
{
    text(x, y, w, 3, caption, textFont(6, false, Grau));
    *el << frame(QRectF(x, y + 3, w, 6), 0.2);
    text(x + 1, y + 3.9, w - 2, 4.4, wert, textFont(9, false, Tinte));
}

void Blatt::marke(double x, double y, bool an, const QString &t, double w)
{
    *el << frame(QRectF(x, y + 0.4, 3.2, 3.2), 0.25);
    if (an) {
        *el << line({x + 0.5, y + 0.9}, {x + 2.7, y + 3.1}, 0.35)
            << line({x + 0.5, y + 3.1}, {x + 2.7, y + 0.9}, 0.35);
    }
    text(x + 4.5, y, w - 4.5, 4, t, textFont(7.5, false, Tinte));
}

void Blatt::kopf(double y, const QString &t)
{
    text(0, y, breite, 4.5, t, textFont(9, true, Tinte));
    *el << line({0, y + 4.6}, {breite, y + 4.6}, 0.3);
}

void Blatt::absatz(double x, double y, double w, double h, const QStringList &zeilen, double punkte)
{
    *el << memo(QRectF(x, y, w, h), zeilen, textFont(punkte, false, Tinte));
}

void Blatt::unterschrift(double x, double y, const QString &caption)
{
    *el << line({x, y + 9}, {breite, y + 9}, 0.25);
    text(x, y + 9.5, breite - x, 3, caption, textFont(6, false, Grau));
}

ReportJob Blatt::job()
{
    return ReportJob(std::move(report));
}

QStringList zweisprachig(const FormularTexte &t, const QString &key, int sprache)
{
    QStringList z = t.zeilen(key, sprachKuerzel(sprache));
    if (sprache != 1)
        z += t.zeilen(key, QStringLiteral("en"));
    return z;
}

} // namespace tav::printouts::melde

namespace tav::printouts {

report::ReportJob reportMeldeformular(Meldeform form, const Meldung &m, const FormularTexte &texte,
                                      int sprache)
{
    switch (form) {
    case Meldeform::FIFE: return melde::reportFIFE(m, texte, sprache);
    case Meldeform::DRU: return melde::reportDRU(m, texte, sprache);
    case Meldeform::CFA: return melde::reportCFA(m, texte, sprache);
    case Meldeform::Allgemein: break;
    }
    return melde::reportAllgemein(m, texte, sprache);
}

} // namespace tav::printouts
