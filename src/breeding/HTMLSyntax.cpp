// HTMLSyntax: the writer of the HTML pedigree page and its colour, size and picture rules.
#include "HTMLSyntax.h"

#include "app/Global.h"

#include <QIODevice>
#include <QSaveFile>
#include <cerrno>
#include <cmath>

namespace tav::breeding {

using app::htmlText;

namespace {
constexpr int rgb(int r, int g, int b)
{
    return r | (g << 8) | (b << 16);
}

QString zahl(int n)
{
    return QString::number(n);
}

QString rahmen(const QString &farbe, int breite)
{
    return QStringLiteral("style=\"border-color:%1;border-width:%2px;border-style:solid;\"")
        .arg(farbe)
        .arg(breite);
}

QByteArray einByte(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x100)
            out.append(char(c));
        else
            out.append("&#" + QByteArray::number(uint(c)) + ';');
    }
    return out;
}

int rund(double x)
{
    return int(std::nearbyint(x)); // the default rounding mode sends halves to the even neighbour
}

int nachgestellteNullen(int r)
{
    int t = 0;
    while (r && !(r & 1)) {
        r >>= 1;
        ++t;
    }
    return t;
}
} // namespace

const QList<HTMLFarbname> &htmlFarbnamen()
{
    static const QList<HTMLFarbname> namen = {
        {"black", "Schwarz", rgb(0, 0, 0)},
        {"maroon", "Dunkelrot", rgb(0x80, 0, 0)},
        {"green", "Grün", rgb(0, 0x80, 0)},
        {"olive", "Olivgrün", rgb(0x80, 0x80, 0)},
        {"navy", "Marineblau", rgb(0, 0, 0x80)},
        {"purple", "Purpur", rgb(0x80, 0, 0x80)},
        {"teal", "Blaugrün", rgb(0, 0x80, 0x80)},
        {"gray", "Grau", rgb(0x80, 0x80, 0x80)},
        {"silver", "Silber", rgb(0xC0, 0xC0, 0xC0)},
        {"red", "Rot", rgb(0xFF, 0, 0)},
        {"lime", "Gelbgrün", rgb(0, 0xFF, 0)},
        {"yellow", "Gelb", rgb(0xFF, 0xFF, 0)},
        {"blue", "Blau", rgb(0, 0, 0xFF)},
        {"fuchsia", "Violett", rgb(0xFF, 0, 0xFF)},
        {"aqua", "Aquamarin", rgb(0, 0xFF, 0xFF)},
        {"white", "Weiß", rgb(0xFF, 0xFF, 0xFF)},
        {"skyblue", "Himmelblau", rgb(0xA6, 0xCA, 0xF0)},
        {"moneygreen", "Minzgrün", rgb(0xC0, 0xDC, 0xC0)},
        {"medgray", "Mittelgrau", rgb(0xA0, 0xA0, 0xA4)},
        {"ltgray", "Hellgrau", rgb(0xC0, 0xC0, 0xC0)},
        {"dkgray", "Dunkelgrau", rgb(0x80, 0x80, 0x80)},
        {"cream", "Creme", rgb(0xFF, 0xFB, 0xF0)},
    };
    return namen;
}

std::optional<int> htmlFarbwert(const QString &name, const QStringList &benutzerfarbe)
{
    for (const HTMLFarbname &f : htmlFarbnamen()) {
        if (name == QLatin1String(f.englisch) || name == QString::fromUtf8(f.deutsch))
            return f.wert;
    }
    for (const QString &b : benutzerfarbe) {
        if (b.isEmpty() || !name.contains(b))
            continue;
        bool ok = false;
        const int wert = name.mid(b.size()).trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
        return wert & 0xffffff;
    }
    return rgb(0xFF, 0xFF, 0xFF);
}

QString htmlFarbnameVon(int wert)
{
    for (const HTMLFarbname &f : htmlFarbnamen()) {
        if (f.wert == wert)
            return QLatin1String(f.englisch);
    }
    return QString();
}

QString htmlSchriftgroesse(int punkte)
{
    const int groesse = punkte <= 9    ? 1
                        : punkte <= 11 ? 2
                        : punkte <= 13 ? 3
                        : punkte <= 17 ? 4
                        : punkte <= 23 ? 5
                        : punkte <= 35 ? 6
                                       : 7;
    return QStringLiteral("\"%1\"").arg(groesse);
}

QSize bildEinpassen(const QSize &bild, const QSize &box)
{
    if (bild.width() <= 0 || bild.height() <= 0)
        return box;
    double s = double(box.width()) / bild.width();
    int h = rund(bild.height() * s);
    if (h > box.height()) {
        s = double(box.height()) / bild.height();
        return QSize(rund(bild.width() * s), rund(bild.height() * s));
    }
    return QSize(rund(bild.width() * s), h);
}

THTMLController::THTMLController(QIODevice *ziel) : m_ziel(ziel)
{
    SetHTMLSyntax(QStringLiteral("<HTML>"));
}

THTMLController::THTMLController(const QString &pfad) : m_datei(std::make_unique<QSaveFile>(pfad))
{
    errno = 0;
    if (!m_datei->open(QIODevice::WriteOnly)) {
        fehler(errno ? errno : int(m_datei->error()));
        return;
    }
    m_ziel = m_datei.get();
    SetHTMLSyntax(QStringLiteral("<HTML>"));
}

THTMLController::~THTMLController()
{
    if (m_datei && !m_frei)
        m_datei->cancelWriting();
}

void THTMLController::fehler(int code)
{
    if (!fError)
        fError = code ? code : EIO;
}

void THTMLController::SetHTMLSyntax(const QString &line)
{
    if (fError || line.isEmpty() || !m_ziel)
        return;
    errno = 0;
    const QByteArray zeile = einByte(line) + '\n';
    if (m_ziel->write(zeile) != zeile.size())
        fehler(errno);
}

void THTMLController::SetHTMLHeader(const QString &title, int position, int weite, const QString &metaName)
{
    const QString w = zahl(weite - 30);
    QStringList z = {
        QStringLiteral(" <head>"),
        QStringLiteral("  <meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"),
        QStringLiteral("  <meta name=\"GENERATOR\" content=\"%1\">").arg(htmlText(metaName)),
        QStringLiteral("  <title>%1</title>").arg(htmlText(title)),
        QStringLiteral("  <style type=\"text/css\">"),
        QStringLiteral("  <!-- ")};
    if (position == 1) {
        z << QStringLiteral("  #container {") << QStringLiteral("  margin: left;")
          << QStringLiteral("  width: %1;").arg(w) << QStringLiteral("  }");
    } else {
        z << QStringLiteral("#container1 {") << QStringLiteral(" text-align:center;")
          << QStringLiteral(" margin: auto;") << QStringLiteral(" width: 100%;") << QStringLiteral(" }")
          << QStringLiteral(" #container2 {") << QStringLiteral(" text-align:left;")
          << QStringLiteral(" margin: auto;") << QStringLiteral(" width: %1;").arg(w) << QStringLiteral(" }");
    }
    z << QStringLiteral("  #d1, #d2{") << QStringLiteral("  float:left;")
      << QStringLiteral("  overflow:auto;") << QStringLiteral("  position:absolute;")
      << QStringLiteral("  top:10;") << QStringLiteral("  width:%1;").arg(w) << QStringLiteral("  }")
      << QStringLiteral("  #d3{") << QStringLiteral("  position:absolute;")
      << QStringLiteral("  width:%1;").arg(w) << QStringLiteral("  }") << QStringLiteral("-->")
      << QStringLiteral("</style>") << QStringLiteral(" </head>");
    for (const QString &zeile : z)
        SetHTMLSyntax(zeile);
}

void THTMLController::SetHTMLKopfDaten(QStringList &rows)
{
    for (const QString &row : rows) {
        SetHTMLSyntax(QStringLiteral("<tr> "));
        SetHTMLSyntax(row);
        SetHTMLSyntax(QStringLiteral("</tr> "));
    }
    rows.clear();
}

void THTMLController::SetHTMLTableStart(const QString &pageWidth, const QString &borderColor, int border,
                                        int cellpadding, int cellspacing)
{
    if (TIP)
        return;
    SetHTMLSyntax(QStringLiteral("  <table  ") + rahmen(borderColor, border));
    SetHTMLSyntax(QStringLiteral("         cellpadding=\"%1\"").arg(cellpadding));
    SetHTMLSyntax(QStringLiteral("         cellspacing=\"%1\"").arg(cellspacing));
    SetHTMLSyntax(QStringLiteral("         width=\"%1\">")
                      .arg(pageWidth.isEmpty() ? QStringLiteral("100%") : pageWidth));
    TIP = true;
    HTMLColumns = 0;
}

void THTMLController::SetHTMLTabellenKopf(int gen, const QStringList &ueberschriften, const QString &sa,
                                          int sg, const QString &schriftColor, const QString &borderColor)
{
    SetHTMLSyntax(QStringLiteral("   <tr>"));
    for (int g = 1; g <= gen; ++g) {
        SetHTMLSyntax(QStringLiteral("    <td ") + rahmen(borderColor, 1) + QLatin1Char('>'));
        SetHTMLSyntax(QStringLiteral("<font face=\"%1\" size=%2color=\"%3\">%4</font>")
                          .arg(htmlText(sa), htmlSchriftgroesse(sg), schriftColor,
                               htmlText(ueberschriften.value(g - 1))));
        SetHTMLSyntax(QStringLiteral("    </td>"));
    }
    SetHTMLSyntax(QStringLiteral("  </tr>"));
}

void THTMLController::SetHTMLCatTable(QStringList &rows, QStringList &bild, const QString &sa, int sg,
                                      const QString &borderColor)
{
    int g = 0;
    while ((2 << g) <= rows.size())
        ++g;
    HTMLColumns = g;
    if (g == 0 || rows.size() != (2 << g) - 2 || bild.size() != rows.size()) {
        fehler(1000);
        return;
    }
    int i = 0;
    for (int seite = 0; seite < 2 && !fError; ++seite) {
        for (int r = 0; r < (1 << (g - 1)) && !fError; ++r) {
            const int zellen = r == 0 ? g : 1 + nachgestellteNullen(r);
            QStringList zeile = rows.mid(i, zellen);
            QStringList bilder = bild.mid(i, zellen);
            i += zellen;
            SetHTMLTableRow(zeile, bilder, sa, sg, borderColor);
        }
    }
    rows.clear();
    bild.clear();
}

void THTMLController::SetHTMLTableRow(QStringList &rows, QStringList &bild, const QString &sa, int sg,
                                      const QString &borderColor)
{
    if (!TIP || rows.isEmpty())
        return;
    const int breite = HTMLColumns > 0 ? 100 / HTMLColumns : 100;
    SetHTMLSyntax(QStringLiteral("   <tr>"));
    int spanne = 1 << (rows.size() - 1);
    for (int k = 0; k < rows.size(); ++k, spanne /= 2) {
        SetHTMLSyntax(QStringLiteral("    <td ") + rahmen(borderColor, 1));
        SetHTMLSyntax(QStringLiteral("     valign=\"middle\" rowspan=\"%1\" width=\"%2%\" height=\"0\">")
                          .arg(spanne)
                          .arg(breite));
        SetHTMLSyntax(QStringLiteral("     <font face=\"%1\" size=%2>%3</font>")
                          .arg(htmlText(sa), htmlSchriftgroesse(sg), rows[k]));
        BildAusgeben(bild.value(k));
        SetHTMLSyntax(QStringLiteral("    </td>"));
    }
    SetHTMLSyntax(QStringLiteral("   </tr>"));
    rows.clear();
    bild.clear();
}

void THTMLController::BildAusgeben(const QString &bild)
{
    const QStringList teile = bild.split(QLatin1Char('|'));
    if (bild.isEmpty() || teile.size() < 3)
        return;
    const QString datei = htmlText(teile.mid(2).join(QLatin1Char('|')));
    SetHTMLSyntax(QStringLiteral("<BR><a href=\"%1\"> <img src=\"%1\" alt=\"%1 not found\" width=\"%2\" "
                                 "height=\"%3\"   align=\"right\"></a><BR>")
                      .arg(datei, teile[1], teile[0]));
}

void THTMLController::SetHTMLTableEnd()
{
    if (!TIP)
        return;
    SetHTMLSyntax(QStringLiteral("  </table>"));
    TIP = false;
}

void THTMLController::SetHTMLHorizontalLine(const QString &color, const QString &pageWidth)
{
    SetHTMLSyntax(QStringLiteral(" <HR Align=\"Left\" Size=2 width=\"%1\"Color=\"%2\">")
                      .arg(pageWidth.isEmpty() ? QStringLiteral("100%") : pageWidth, color));
}

bool THTMLController::Free()
{
    HTMLRows.clear();
    HTMLBild.clear();
    SetHTMLSyntax(QStringLiteral("</HTML>"));
    m_frei = true;
    if (!m_datei)
        return !fError;
    if (fError) {
        m_datei->cancelWriting();
        return false;
    }
    errno = 0;
    // commit() does not notice a failing last flush (a full disk): flushed and checked first
    if (!m_datei->flush() || !m_datei->commit()) {
        fehler(errno ? errno : int(m_datei->error()));
        m_datei->cancelWriting();
        return false;
    }
    return true;
}

} // namespace tav::breeding
