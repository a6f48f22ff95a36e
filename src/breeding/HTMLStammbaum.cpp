// HTMLStammbaum: the HTML pedigree page, block by block.
#include "HTMLStammbaum.h"

#include "HTMLSyntax.h"
#include "PedigreeSource.h"
#include "app/Ausgabeziel.h"
#include "app/Global.h"
#include "app/Sprache.h"

#include <QDir>
#include <QFileInfo>

namespace tav::breeding {

using app::htmlText;

namespace {
// a field that cannot be used ends the writing with message 74
struct Unbrauchbar {
};

int zahlFeld(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        throw Unbrauchbar{};
    return n;
}

QString seitenfarbe(const QString &name, const QStringList &benutzerfarbe)
{
    const std::optional<int> wert = htmlFarbwert(name, benutzerfarbe);
    if (!wert)
        throw Unbrauchbar{};
    return app::htmlFarbe(*wert);
}

QString bildBeschreibung(const QSize &groesse, const QString &pfad)
{
    return QStringLiteral("%1|%2|%3")
        .arg(groesse.height())
        .arg(groesse.width())
        .arg(QFileInfo(pfad).fileName());
}

// every register value in the ancestors' cells is escaped by the global data module already
QString datenZelle(const QString &text, const QString &face, const QString &groesse, const QString &farbe)
{
    return QStringLiteral("<TD><font face=\"%1\" size=%2 color=\"%3\">%4</FONT></TD>")
        .arg(face, groesse, farbe, htmlText(text));
}
} // namespace

QStringList htmlBenutzerfarbe(const app::Sprache &katalog)
{
    return {katalog.captionFor(1459, QStringLiteral("englisch")),
            katalog.captionFor(1459, QStringLiteral("deutsch"))};
}

std::function<QString(int)> htmlCaptions(const app::Sprache &katalog, int languageNumber)
{
    const int offset = app::languageOffset(languageNumber);
    return [&katalog, offset](int tag) {
        const auto r = katalog.record(tag + offset);
        return r ? r->FeldName : QString();
    };
}

std::function<HTMLAhn(qint32, int)> htmlAhnen(app::TDatenGlobal &global, const HTMLSeite &seite,
                                              const QStringList &benutzerfarbe, int languageNumber,
                                              bool englischeNamen)
{
    global.HTMLAnzahlGenerationen = seite.generationen;
    global.HTMLFarbeGenerationen = htmlFarbwert(seite.schriftStb.farbe, benutzerfarbe).value_or(0);
    const bool bilder = seite.bildGen;
    return [&global, languageNumber, englischeNamen, bilder](qint32 nummer, int generation) {
        const app::KatzenTexte t = global.KatzendatenHTML(nummer, generation, languageNumber, englischeNamen);
        HTMLAhn a;
        a.gefunden = !t.daten.isEmpty();
        a.text = t.daten.join(QString());
        if (bilder)
            a.bild = t.bild;
        return a;
    };
}

QVector<QVector<qint32>> htmlAhnenArrays(const PedigreeSource &stamm, qint32 vater, qint32 mutter, int n)
{
    QVector<QVector<qint32>> g(n + 1);
    g[1] = {0, vater, mutter};
    for (int k = 2; k <= n; ++k) {
        g[k] = QVector<qint32>((1 << k) + 1, 0);
        for (int j = 1; j <= (1 << (k - 1)); ++j) {
            const qint32 nr = g[k - 1][j];
            if (nr <= 0)
                continue;
            if (const auto katze = stamm.katze(nr)) {
                g[k][2 * j - 1] = katze->vater;
                g[k][2 * j] = katze->mutter;
            }
        }
    }
    return g;
}

QStringList htmlUeberschriften(int n, const std::function<QString(int)> &caption)
{
    static const int tags[] = {413, 1273, 1274, 1484};
    QStringList u;
    for (int g = 1; g <= n; ++g)
        u << (g <= 4 ? caption(tags[g - 1]) : QStringLiteral("%1. ").arg(g) + caption(1483));
    return u;
}

QStringList htmlKopfZeilen(const HTMLSeite &seite, const QSize &bildGroesse, const QString &schriftFarbe)
{
    const QString face = htmlText(seite.schriftKatze.face);
    const QString groesse = htmlSchriftgroesse(seite.schriftKatze.groesse);
    const int l1 = int(seite.spalte1.size()), l2 = int(seite.spalte2.size());
    const bool mitBild = !seite.bild.isEmpty() && (seite.bildPos == 0 || seite.bildPos == 2);
    const QString bild = htmlText(seite.bild);
    const QString bildZelle =
        QStringLiteral("<TD rowspan=\"%1\"> <a href=\"%2\">  <img src=\"%2\" alt=\"%2 not "
                       "found\" width=\"%3\" height=\"%4\"  ></TD>")
            .arg(qMax(l1, 1))
            .arg(bild)
            .arg(bildGroesse.width())
            .arg(bildGroesse.height());
    auto daten = [&](const QStringList &spalte, int r) {
        return r <= spalte.size() ? datenZelle(spalte[r - 1], face, groesse, schriftFarbe) : QString();
    };
    const QString leer = QStringLiteral("<TD></TD>");
    QStringList zeilen;
    for (int r = 1; r <= qMax(qMax(l1, l2), 1); ++r) {
        if (mitBild && seite.bildPos == 0)
            zeilen << (r == 1 ? bildZelle : QString()) + daten(seite.spalte1, r);
        else if (mitBild)
            zeilen << daten(seite.spalte1, r) + (r == 1 ? bildZelle : QString());
        else
            zeilen << (r <= l1 ? daten(seite.spalte1, r) : leer) + (r <= l2 ? daten(seite.spalte2, r) : leer);
    }
    return zeilen;
}

namespace {

void schreibeSeite(THTMLController &w, const HTMLSeite &s, const HTMLQuellen &q, int deckung)
{
    const QStringList &bf = q.benutzerfarbe;
    const QString r = seitenfarbe(s.rahmenfarbe, bf);
    const int breite = zahlFeld(s.breite);
    const int n = s.generationen;
    if (n < 3 || n > 12)
        throw Unbrauchbar{};
    const bool zentriert = s.position != 1;

    // the head picture lies in the page's folder
    QSize kopfBild;
    const bool kopfBildDa = s.bildPos != 3 && !s.bild.isEmpty();
    if (kopfBildDa) {
        kopfBild = QSize(zahlFeld(s.bildWeite), zahlFeld(s.bildHoehe));
        const QString pfad = QFileInfo(s.pfad).absoluteDir().filePath(s.bild);
        if (QFileInfo(pfad).isFile() && q.bildGroesse) {
            const QSize g = q.bildGroesse(pfad);
            if (g.isValid())
                kopfBild = bildEinpassen(g, kopfBild);
        }
    }

    // 2 head, 3 body
    w.SetHTMLHeader(QStringLiteral("Stammbaum für ") + s.name, s.position, breite,
                    QStringLiteral("Quillmark"));
    if (s.hintergrundart == 0)
        w.SetHTMLSyntax(QStringLiteral("<body link=\"#0000FF\" vlink=\"#800080\"  bgcolor=\"%1\">")
                            .arg(seitenfarbe(s.hintergrundfarbe, bf)));
    else if (s.hintergrundart == 1)
        w.SetHTMLSyntax(QStringLiteral("<body link=\"#0000FF\" vlink=\"#800080\"  background=\"%1\">")
                            .arg(htmlText(s.hintergrundbild)));
    if (zentriert) {
        w.SetHTMLSyntax(QStringLiteral("<div id=\"container1\" >"));
        w.SetHTMLSyntax(QStringLiteral("<div id=\"container2\" >"));
    } else {
        w.SetHTMLSyntax(QStringLiteral("<div id=\"container\" >"));
    }
    w.SetHTMLSyntax(
        s.autoHoehe
            ? QStringLiteral("<div id=\"d1\" style=\"z-index:2;\">")
            : QStringLiteral("<div id=\"d1\" style=\"z-index:2;height:%1;\">").arg(htmlText(s.hoehe)));

    // 4 name line
    const QString rahmen3 =
        QStringLiteral("style=\"border-color:%1;border-width:3px;border-style:solid;\"").arg(r);
    const QString rahmen1 =
        QStringLiteral("style=\"border-color:%1;border-width:1px;border-style:solid;\"").arg(r);
    w.SetHTMLSyntax(QStringLiteral("<table %1 width=\"100%\" >").arg(rahmen3));
    w.SetHTMLSyntax(QStringLiteral(" <tr>"));
    w.SetHTMLSyntax(QStringLiteral(" <th width=\"100%\" %1>").arg(rahmen1));
    w.SetHTMLSyntax(QStringLiteral(" <table %1 width=\"100%\">").arg(rahmen1));
    w.SetHTMLSyntax(QStringLiteral(" <tr><th width=\"100%\" %1>").arg(rahmen1));
    const QString nameFarbe =
        s.titelKatze && s.titelRot ? QStringLiteral("#FF0000") : seitenfarbe(s.schriftName.farbe, bf);
    w.SetHTMLSyntax(
        QStringLiteral("  <B><FONT FACE=\"%1\" SIZE=%2><font color=\"%3\">%4</font></FONT></B><BR>")
            .arg(htmlText(s.schriftName.face), htmlSchriftgroesse(s.schriftName.groesse), nameFarbe,
                 htmlText(s.nameZeile.section(QLatin1Char('\n'), 0, 0))));
    w.SetHTMLSyntax(QStringLiteral("</th> </tr> </table> "));
    w.SetHTMLSyntax(QStringLiteral(" </br> "));

    // 5 picture on top
    const QString bild = htmlText(s.bild);
    if (kopfBildDa && s.bildPos == 1) {
        w.SetHTMLSyntax(QStringLiteral("<a style=\"\" href=\"%1\">  <img src=\"%1\" alt=\"%1 not found\" "
                                       "width=\"%2\" height=\"%3\" style=\"border:none;\"></a>")
                            .arg(bild)
                            .arg(kopfBild.width())
                            .arg(kopfBild.height()));
        w.SetHTMLSyntax(QStringLiteral(" <BR> "));
    }

    // 6 head data
    w.SetHTMLSyntax(
        QStringLiteral(" <table border=\"0\" cellpadding=\"0\" cellspacing=\"3\" width=\"100%\">"));
    w.SetHTMLSyntax(QStringLiteral(" <COL width=50%><COL width=50%>"));
    QStringList kopf = htmlKopfZeilen(s, kopfBild, seitenfarbe(s.schriftKatze.farbe, bf));
    w.SetHTMLKopfDaten(kopf);
    w.SetHTMLSyntax(QStringLiteral(" </table> "));

    // 7 rule, 8 pedigree
    w.SetHTMLHorizontalLine(r, QString());
    const QString stbFarbe = seitenfarbe(s.schriftStb.farbe, bf);
    const QStringList ueberschriften = htmlUeberschriften(n, q.caption);
    w.SetHTMLTableStart(QString(), r, 3, 1, 1);
    w.SetHTMLTabellenKopf(n, ueberschriften, s.schriftStb.face, s.schriftStb.groesse, stbFarbe, r);

    const QVector<QVector<qint32>> g = htmlAhnenArrays(*q.stamm, s.vater, s.mutter, n);
    const QString unbekannt =
        QStringLiteral("<font color=\"%1\">%2")
            .arg(stbFarbe, q.englisch ? QStringLiteral("unknown") : QStringLiteral("unbekannt"));
    const QSize genBox(s.bildGenWeite, s.bildGenHoehe);
    std::function<void(int, int)> besuche = [&](int gen, int j) {
        const qint32 nr = g[gen][j];
        const HTMLAhn a = nr > 0 ? q.ahn(nr, gen) : HTMLAhn();
        QString beschreibung;
        if (a.gefunden && gen <= 2 && !a.bild.isEmpty() && QFileInfo(a.bild).isFile()) {
            const QSize groesse = q.bildGroesse ? q.bildGroesse(a.bild) : QSize();
            beschreibung = bildBeschreibung(bildEinpassen(groesse, genBox), a.bild);
        }
        w.HTMLRows << (a.gefunden ? a.text : unbekannt);
        w.HTMLBild << beschreibung;
        if (gen < n) {
            besuche(gen + 1, 2 * j - 1);
            besuche(gen + 1, 2 * j);
        }
    };
    besuche(1, 1);
    besuche(1, 2);
    w.SetHTMLCatTable(w.HTMLRows, w.HTMLBild, s.schriftStb.face, s.schriftStb.groesse, r);
    w.SetHTMLTabellenKopf(n, ueberschriften, s.schriftStb.face, s.schriftStb.groesse, stbFarbe, r);
    w.SetHTMLTableEnd();

    // 9, 10 layer
    w.SetHTMLSyntax(QStringLiteral("</table>"));
    w.SetHTMLSyntax(QStringLiteral("</div>"));
    w.SetHTMLSyntax(QStringLiteral("<div id=\"d2\" style=\"z-index:1;"));
    if (s.stbArt == 0)
        w.SetHTMLSyntax(QStringLiteral(" background-color:%1;").arg(seitenfarbe(s.stbFarbe, bf)));
    else if (s.stbArt == 1)
        w.SetHTMLSyntax(QStringLiteral(" background-image:url(%1);").arg(htmlText(s.stbBild)));
    if (deckung > 99)
        w.SetHTMLSyntax(QStringLiteral("\">"));
    else
        w.SetHTMLSyntax(QStringLiteral("-moz-opacity:0.%1; opacity:0.%1; filter:alpha(opacity=%2);\">")
                            .arg(deckung, 2, 10, QLatin1Char('0'))
                            .arg(deckung));
    w.SetHTMLSyntax(QStringLiteral("</div>"));

    // 11 footer, 12, 13 script
    w.SetHTMLSyntax(QStringLiteral("<div id=\"d3\" >"));
    w.SetHTMLSyntax(QStringLiteral("<table border=\"0\" width=\"100%\">"));
    w.SetHTMLSyntax(QStringLiteral(
        " <th font size=\"2\" > Created by <a href=\"https://www.tavrenno.org\">ZENTROVA</a></th>"));
    w.SetHTMLSyntax(QStringLiteral("</table>"));
    w.SetHTMLSyntax(QStringLiteral("</div>"));
    w.SetHTMLSyntax(QStringLiteral("</div>"));
    if (zentriert)
        w.SetHTMLSyntax(QStringLiteral("</div>"));
    for (const char *zeile :
         {"<script language=\"JavaScript\">", "<!--",
          "document.getElementById('d2').style.height = document.getElementById('d1').offsetHeight;",
          "document.getElementById('d3').style.top = document.getElementById('d1').offsetHeight+10;", "//-->",
          "</script> ", "</body>"})
        w.SetHTMLSyntax(QString::fromLatin1(zeile));
}

} // namespace

HTMLErgebnis schreibeHTMLStammbaum(const HTMLSeite &seite, const HTMLQuellen &quellen)
{
    HTMLErgebnis e;
    int deckung = 0;
    try {
        deckung = 100 - qBound(0, zahlFeld(seite.transparenz), 100);
    } catch (const Unbrauchbar &) {
        e.meldungen << 74;
        return e;
    }
    const QFileInfo pfad(seite.pfad);
    if (!seite.pfad.contains(QLatin1Char('/')) || !pfad.absoluteDir().exists()) {
        e.meldungen << 77;
        return e;
    }
    if (const app::Ausgabeziel ziel = app::ausgabezielPruefen(seite.pfad); !ziel.erlaubt()) {
        e.meldungen << ziel.meldung;
        e.pfad = ziel.pfad;
        return e;
    }
    THTMLController w(seite.pfad);
    if (w.fError)
        e.meldungen << 74;
    try {
        schreibeSeite(w, seite, quellen, deckung);
    } catch (const Unbrauchbar &) {
        e.meldungen << 74;
        return e; // the writer leaves the old file as it was
    }
    const bool fertig = w.Free();
    if (!fertig || w.fError) {
        e.code = w.fError;
        e.meldungen << 75;
        return e;
    }
    e.ok = true;
    return e;
}

} // namespace tav::breeding
