#include "ReportWurfmeldung.h"

#include "Formular.h"

using namespace tav::report;

namespace tav::printouts {

namespace {

// captions of the catalogue
enum Tag {
    TagRasse = 1406,
    TagFarbe = 1405,
    TagGeburtsdatum = 1404,
    TagBesitzer = 1410,
    TagAugenfarbe = 1408,
    TagName = 2318,
    TagChip = 3124,
    TagDatum = 3181,
    TagGeschl = 4231,
    TagVater = 716,
    TagMutter = 717,
    TagUnd = 1391,
    TagFarbnr = 4872,
    TagTitel = 6220, // the report and window title
    TagJungtiereMW,
    TagMitgliedsnummer,
    TagZwingername,
    TagTitelName,
    TagZuchtbNr,
    TagZwingerNr,
    TagStrasse,
    TagPlzOrt,
    TagLebendeJungtiere,
    TagFellfarbeZeichnung = 6230,
    TagZuchtbuchnr,
    TagVergibtVerein,
    TagUnterschriftZuechter,
    TagUnterschrift,
    TagDecknachweis,
    TagWurfmeldungGross,
    TagFuerZwinger,
    TagDieKatze,
    TagZuchtbuchNr2,
    TagGebAm = 6240,
    TagRasseUndFarbe,
    TagBesitzerIn,
    TagMitglNr,
    TagWohnort,
    TagTelNr,
    TagFaxNr,
    TagWurdeAm,
    TagVonDemKater,
    TagGedeckt,
    TagUnterschriftDeckkater = 6250,
    TagWurfdatumGross,
    TagVorUndZwingername,
    TagFarbeGenau,
    TagNichtBeschriften,
    TagUnterschriftKatzenbesitzer,
    TagNr,
    TagNameDerKatze,
    TagGeboren,
    TagNameAnschrift,
    TagMitgliedsNr = 6260,
    TagNameDesKaters,
    TagDatumDerDeckung,
    TagOrtDatum,
    TagUnterschriftKater,
    TagGeburtsmeldung,
    TagHatGeboren,
    TagFarbeGenauNr,
    TagSpalteNicht,
    TagWichtig,
    TagUnterschriftKatze = 6270,
};

constexpr double W = 190;

Report formularReport(double hoehe, Band *&band)
{
    Report r;
    r.tag = TagTitel;
    r.title = QStringLiteral("Wurfmeldung und Antrag auf Ahnentafel");
    band = &r.add(Band::Kind::Title, hoehe, QStringLiteral("title"));
    return r;
}

ReportJob fertig(Report r)
{
    addFooter(r, false);
    return ReportJob(std::move(r));
}

QString anschrift(const Elternteil &e)
{
    QStringList teile;
    for (const QString &t : {e.besitzer.besitzer, e.besitzer.strasse, e.besitzer.ort})
        if (!t.isEmpty())
            teile << t;
    return teile.join(QStringLiteral(", "));
}

QString rasseUndFarbe(const Elternteil &e)
{
    return QStringList{e.rasse, e.farbe}.join(QLatin1Char(' ')).trimmed();
}

ReportJob allgemein(const Wurfmeldung &m, const Formtexte &texte)
{
    Band *b = nullptr;
    Report r = formularReport(262, b);
    Formular f(*b);
    f.text(QRectF(0, 0, W, 9), r.title, textFont(16, true), TagTitel, Qt::AlignCenter);
    f.kasten(QRectF(0, 12, 35, 11), TagGeburtsdatum, QStringLiteral("Geburtsdatum"), m.gebDatum);
    f.kasten(QRectF(35, 12, 30, 11), TagJungtiereMW, QStringLiteral("Jungtiere m./w."), m.jungtiere);
    f.kasten(QRectF(65, 12, 40, 11), TagMitgliedsnummer, QStringLiteral("Mitgliedsnummer"),
             m.mitgliedsnummer);
    f.kasten(QRectF(105, 12, 85, 11), TagZwingername, QStringLiteral("Zwingername (vor- oder nachgestellt)"),
             m.zwinger);

    const struct Zeile {
        int tag;
        const char *text;
        QString Elternteil::*feld;
        QString Besitzerzeilen::*besitzer;
    } zeilen[] = {
        {TagTitelName, "Titel / Name / Zwingername", &Elternteil::name, nullptr},
        {TagRasse, "Rasse", &Elternteil::rasse, nullptr},
        {TagFarbe, "Farbe ", &Elternteil::farbe, nullptr},
        {TagZuchtbNr, "Zuchtb.-Nr.", &Elternteil::zuchtbNr, nullptr},
        {TagZwingerNr, "Zwinger-Nr.", &Elternteil::zwingerNr, nullptr},
        {TagChip, "Chip-Nr.", &Elternteil::chipNr, nullptr},
        {TagBesitzer, "Besitzer", nullptr, &Besitzerzeilen::besitzer},
        {TagStrasse, "Straße", nullptr, &Besitzerzeilen::strasse},
        {TagPlzOrt, "PLZ / Ort", nullptr, &Besitzerzeilen::ort},
    };
    const double zeile = 8;
    for (int s = 0; s < 2; ++s) {
        const Elternteil &e = s == 0 ? m.vater : m.mutter;
        const double x = s * 97, y = 27, breite = 93;
        f.flaeche(QRectF(x, y, breite, 6.5), QColor(225, 225, 225));
        f.rahmen(QRectF(x, y, breite, 6.5));
        f.text(QRectF(x + 2, y, breite - 4, 6.5), s == 0 ? QStringLiteral("Vater") : QStringLiteral("Mutter"),
               textFont(11, true), s == 0 ? TagVater : TagMutter);
        for (int i = 0; i < 9; ++i) {
            const QRectF z(x, y + 6.5 + i * zeile, breite, zeile);
            f.rahmen(z);
            f.linie(x + 33, z.top(), x + 33, z.bottom());
            f.text(QRectF(x + 1, z.top(), 32, zeile), QString::fromUtf8(zeilen[i].text), textFont(7),
                   zeilen[i].tag);
            f.wert(QRectF(x + 34.5, z.top(), breite - 36, zeile),
                   zeilen[i].feld ? e.*zeilen[i].feld : e.besitzer.*zeilen[i].besitzer, 9.5);
        }
    }

    double y = 110;
    f.text(QRectF(0, y, W, 7), QStringLiteral("Angaben zu den lebenden Jungtieren"), textFont(12, true),
           TagLebendeJungtiere);
    y += 8;
    const double spalten[] = {0, 8, 56, 74, 104, 126, 166, 190};
    const struct {
        int tag;
        const char *text;
    } titel[] = {{TagName, "Name"},
                 {TagGeschl, "Geschl."},
                 {TagRasse, "Rasse"},
                 {TagAugenfarbe, "Augenfarbe"},
                 {TagFellfarbeZeichnung, "Fellfarbe und Zeichnung"},
                 {TagZuchtbuchnr, "Zuchtbuchnr."}};
    f.flaeche(QRectF(0, y, W, 9), QColor(225, 225, 225));
    for (int c = 0; c < 6; ++c)
        f.text(QRectF(spalten[c + 1] + 1, y, spalten[c + 2] - spalten[c + 1] - 2, 6),
               QString::fromUtf8(titel[c].text), textFont(7.5, true), titel[c].tag);
    f.text(QRectF(spalten[6] + 1, y + 5, spalten[7] - spalten[6] - 2, 4),
           QStringLiteral("(vergibt d. Verein)"), textFont(6), TagVergibtVerein);
    const double reihe = 8;
    for (int i = 0; i <= MaxJungtiere; ++i)
        f.linie(0, y + 9 + i * reihe, W, y + 9 + i * reihe, 0.2);
    for (double x : spalten)
        f.linie(x, y, x, y + 9 + MaxJungtiere * reihe, 0.2);
    f.rahmen(QRectF(0, y, W, 9 + MaxJungtiere * reihe));
    for (int i = 0; i < MaxJungtiere; ++i) {
        const double z = y + 9 + i * reihe;
        f.text(QRectF(0.5, z, 7, reihe), QStringLiteral("%1.)").arg(i + 1), textFont(8));
        if (i >= m.kitten.size())
            continue;
        const Jungtier &k = m.kitten[i];
        const QString werte[] = {k.name, k.geschlecht, k.rasse, k.augenfarbe, k.fellfarbe};
        for (int c = 0; c < 5; ++c)
            f.wert(QRectF(spalten[c + 1] + 1, z, spalten[c + 2] - spalten[c + 1] - 2, reihe), werte[c], 9);
    }

    y += 9 + MaxJungtiere * reihe + 6;
    f.absatz(QRectF(0, y, W, 5), texte.value(QStringLiteral("Bestaetigung")), textFont(9));
    y += 26;
    f.unterschrift(QRectF(0, y, 88, 8), TagUnterschriftZuechter,
                   QStringLiteral("Datum / Unterschrift des Züchters"));
    f.unterschrift(QRectF(100, y, 90, 8), TagUnterschrift, QStringLiteral("Unterschrift"));
    y += 20;
    f.unterschrift(QRectF(100, y, 90, 8), TagUnterschrift, QStringLiteral("Unterschrift"));
    return fertig(std::move(r));
}

// the parents' block of the two registry forms: rows of boxes
struct Kasten {
    double breite;
    int tag;
    const char *text;
    QString inhalt;
};
double kastenZeilen(Formular &f, double y, const QVector<QVector<Kasten>> &zeilen, double hoehe = 10)
{
    for (const auto &z : zeilen) {
        double x = 0;
        for (const Kasten &k : z) {
            f.kasten(QRectF(x, y, k.breite, hoehe), k.tag, QString::fromUtf8(k.text), k.inhalt);
            x += k.breite;
        }
        y += hoehe;
    }
    return y;
}

// the ten kitten rows of a registry form: five males, five females, a sex box for each five
double kittenTabelle(Formular &f, double y, const Wurfmeldung &m, bool mitNummer, int titelTag2,
                     const char *titel2, int titelTag3, const char *titel3)
{
    const FuenfUndFuenf ff = fuenfUndFuenf(m.kitten);
    const double sp[] = {0, 22, 28, 112, 158, 190};
    const double kopf = 8, reihe = 7.5;
    f.flaeche(QRectF(0, y, W, kopf), QColor(225, 225, 225));
    f.text(QRectF(sp[2] + 1, y, sp[3] - sp[2] - 2, kopf), QStringLiteral("Vor- und Zwingername"),
           textFont(8, true), TagVorUndZwingername);
    f.text(QRectF(sp[3] + 1, y, sp[4] - sp[3] - 2, kopf), QString::fromUtf8(titel2), textFont(8, true),
           titelTag2);
    f.text(QRectF(sp[4] + 0.5, y, sp[5] - sp[4] - 1, kopf), QString::fromUtf8(titel3), textFont(5.5),
           titelTag3, Qt::AlignCenter);
    const double unten = y + kopf + 2 * ZeilenJeGeschlecht * reihe;
    for (int i = 0; i <= 2 * ZeilenJeGeschlecht; ++i)
        f.linie(i % ZeilenJeGeschlecht ? sp[1] : 0, y + kopf + i * reihe, W, y + kopf + i * reihe,
                i % ZeilenJeGeschlecht ? 0.2 : 0.4);
    for (double x : sp)
        f.linie(x, y, x, unten, 0.2);
    f.rahmen(QRectF(0, y, W, unten - y), 0.4);
    f.flaeche(QRectF(sp[4] + 0.3, y + kopf + 0.3, sp[5] - sp[4] - 0.6, unten - y - kopf - 0.6),
              QColor(240, 240, 240));
    for (int g = 0; g < 2; ++g) {
        const double oben = y + kopf + g * ZeilenJeGeschlecht * reihe;
        f.text(QRectF(1, oben + 8, sp[1] - 2, 6), g == 0 ? QStringLiteral("1,0") : QStringLiteral("0,1"),
               textFont(11, true), 0, Qt::AlignCenter);
        f.text(QRectF(1, oben + 15, sp[1] - 2, 6),
               g == 0 ? QStringLiteral("männlich") : QStringLiteral("weiblich"), textFont(7.5),
               g == 0 ? TagWortMaennlich : TagWortWeiblich, Qt::AlignCenter);
        const QVector<Jungtier> &liste = g == 0 ? ff.kater : ff.katzen;
        for (int i = 0; i < ZeilenJeGeschlecht; ++i) {
            const double z = oben + i * reihe;
            f.text(QRectF(sp[1], z, sp[2] - sp[1], reihe), QString::number(i + 1), textFont(8), 0,
                   Qt::AlignCenter);
            if (i >= liste.size())
                continue;
            // the 1. DEKZV counts the name's places in boxes; the D.R.U. form has a plain column
            if (mitNummer)
                f.wert(QRectF(sp[2] + 1, z, sp[3] - sp[2] - 2, reihe), liste[i].name, 9);
            else
                f.kaestchen(QRectF(sp[2], z, sp[3] - sp[2], reihe), 26, liste[i].name);
            const QString farbe = mitNummer && !liste[i].farbnummer.isEmpty()
                                      ? liste[i].fellfarbe + QStringLiteral(" / ") + liste[i].farbnummer
                                      : liste[i].fellfarbe;
            f.wert(QRectF(sp[3] + 1, z, sp[4] - sp[3] - 2, reihe), farbe, 8.5);
        }
    }
    return unten;
}

ReportJob dekzv(const Wurfmeldung &m, const Formtexte &texte)
{
    Band *b = nullptr;
    Report r = formularReport(266, b);
    Formular f(*b);
    f.text(QRectF(0, 0, W, 4.5), texte.value(QStringLiteral("DekzvGeschaeftsstelle")), textFont(7.5), 0,
           Qt::AlignCenter);
    f.linie(0, 5, W, 5, 0.4);
    f.text(QRectF(0, 7, 52, 8), QStringLiteral("DECKNACHWEIS"), textFont(14, true), TagDecknachweis);
    f.text(QRectF(52, 7, 9, 8), QStringLiteral("und"), textFont(10), TagUnd, Qt::AlignCenter);
    f.text(QRectF(61, 7, 50, 8), QStringLiteral("WURFMELDUNG"), textFont(14, true), TagWurfmeldungGross);
    f.kasten(QRectF(112, 6, 78, 10), TagFuerZwinger, QStringLiteral("für den Zwinger"), m.zwinger);
    const Elternteil &q = m.mutter, &k = m.vater;
    double y = kastenZeilen(
        f, 19,
        {{{130, TagDieKatze, "Die Katze", q.name}, {60, TagZuchtbuchNr2, "Zuchtbuch-Nr.", q.zuchtbNr}},
         {{35, TagGebAm, "geb. am", q.gebDatum},
          {105, TagRasseUndFarbe, "Rasse und Farbe", rasseUndFarbe(q)},
          {50, TagChip, "CHIP-Nr.", q.chipNr}},
         {{130, TagBesitzerIn, "BesitzerIn", q.besitzer.besitzer},
          {60, TagMitglNr, "Mitgl.-Nr.", m.mitgliedsnummer}},
         {{90, TagStrasse, "Straße", q.besitzer.strasse}, {100, TagWohnort, "Wohnort", q.besitzer.ort}},
         {{95, TagTelNr, "Tel. Nr.", q.besitzer.telefon}, {95, TagFaxNr, "Fax Nr.", q.besitzer.fax}}});
    y += 2;
    f.text(QRectF(0, y, 20, 10), QStringLiteral("wurde am"), textFont(10), TagWurdeAm);
    f.kasten(QRectF(20, y, 32, 10), 0, QString(), m.deckdatum);
    f.text(QRectF(54, y, 28, 10), QStringLiteral("von dem Kater"), textFont(10), TagVonDemKater);
    f.kasten(QRectF(82, y, 90, 10), 0, QString(), k.name);
    f.text(QRectF(174, y, 16, 10), QStringLiteral("gedeckt"), textFont(10), TagGedeckt);
    y = kastenZeilen(f, y + 12,
                     {{{60, TagZuchtbuchNr2, "Zuchtbuch-Nr.", k.zuchtbNr},
                       {35, TagGebAm, "geb. am", k.gebDatum},
                       {95, TagRasseUndFarbe, "Rasse und Farbe", rasseUndFarbe(k)}},
                      {{50, TagChip, "CHIP-Nr.", k.chipNr},
                       {95, TagBesitzerIn, "BesitzerIn", k.besitzer.besitzer},
                       {45, TagMitglNr, "Mitgl.-Nr.", k.mitglNr}},
                      {{70, TagStrasse, "Straße", k.besitzer.strasse},
                       {75, TagWohnort, "Wohnort", k.besitzer.ort},
                       {45, TagTelNr, "Tel. Nr.", k.besitzer.telefon}}});
    y += 12;
    f.unterschrift(QRectF(0, y, 55, 6), TagDatum, QStringLiteral("Datum"));
    f.unterschrift(QRectF(70, y, 120, 6), TagUnterschriftDeckkater,
                   QStringLiteral("Unterschrift DeckkaterbesitzerIn"));
    y += 8;
    f.text(QRectF(0, y, 35, 10), QStringLiteral("WURFDATUM"), textFont(12, true), TagWurfdatumGross);
    f.kasten(QRectF(35, y, 40, 10), 0, QString(), m.gebDatum);
    y = kittenTabelle(f, y + 12, m, false, TagFarbeGenau, "Farbe (genau)", TagNichtBeschriften,
                      "Dieses Feld nicht beschriften!");
    y += 12;
    f.unterschrift(QRectF(0, y, 55, 6), TagDatum, QStringLiteral("Datum"));
    f.unterschrift(QRectF(70, y, 120, 6), TagUnterschriftKatzenbesitzer,
                   QStringLiteral("Unterschrift KatzenbesitzerIn"));
    y += 7;
    QVector<MemoLine> noten;
    for (const char *t : {"DekzvEinsendung", "DekzvZuchtrichtlinien", "DekzvZahlung", "DekzvRufname"})
        noten.append({texte.value(QString::fromLatin1(t)), textFont(7)});
    b->elements << memo(QRectF(0, y, W, 5), noten);
    return fertig(std::move(r));
}

ReportJob dru(const Wurfmeldung &m, const Formtexte &texte)
{
    Band *b = nullptr;
    Report r = formularReport(262, b);
    Formular f(*b);
    f.text(QRectF(0, 0, W, 7), texte.value(QStringLiteral("DruName")), textFont(14, true), 0,
           Qt::AlignCenter);
    f.text(QRectF(0, 7, W, 4), texte.value(QStringLiteral("DruGegruendet")), textFont(8), 0, Qt::AlignCenter);
    f.text(QRectF(0, 11, W, 4), texte.value(QStringLiteral("DruGeschaeftsstelle")), textFont(7.5), 0,
           Qt::AlignCenter);
    f.linie(0, 16, W, 16, 0.5);
    f.text(QRectF(0, 18, 104, 10), texte.value(QStringLiteral("DruDecknachweis")), textFont(9.5, true));
    f.kasten(QRectF(104, 18, 56, 10), 0, QString(), m.zwinger);
    f.kasten(QRectF(160, 18, 30, 10), TagNr, QStringLiteral("NR."), m.mutter.zwingerNr);
    const Elternteil &q = m.mutter, &k = m.vater;
    double y = kastenZeilen(f, 31,
                            {{{130, TagNameDerKatze, "Name der Katze", q.name},
                              {60, TagZuchtbuchNr2, "Zuchtbuch-Nr.", q.zuchtbNr}},
                             {{60, TagRasse, "Rasse", q.rasse},
                              {75, TagFarbe, "Farbe", q.farbe},
                              {25, TagFarbnr, "Nr.", q.farbnummer},
                              {30, TagGeboren, "geboren", q.gebDatum}},
                             {{150, TagNameAnschrift, "Name und Anschrift des Eigentümers", anschrift(q)},
                              {40, TagMitgliedsNr, "Mitglieds-Nr.", m.mitgliedsnummer}}});
    y = kastenZeilen(f, y + 3,
                     {{{130, TagNameDesKaters, "Name des Katers", k.name},
                       {60, TagZuchtbuchNr2, "Zuchtbuch-Nr.", k.zuchtbNr}},
                      {{60, TagRasse, "Rasse", k.rasse},
                       {75, TagFarbe, "Farbe", k.farbe},
                       {25, TagFarbnr, "Nr.", k.farbnummer},
                       {30, TagGeboren, "geboren", k.gebDatum}},
                      {{150, TagNameAnschrift, "Name und Anschrift des Eigentümers", anschrift(k)},
                       {40, TagMitgliedsNr, "Mitglieds-Nr.", k.mitglNr}},
                      {{60, TagDatumDerDeckung, "Datum der Deckung", m.deckdatum}}});
    y += 12;
    f.unterschrift(QRectF(0, y, 60, 6), TagOrtDatum, QStringLiteral("Ort/Datum"));
    f.unterschrift(QRectF(75, y, 115, 6), TagUnterschriftKater,
                   QStringLiteral("Eigentümer des Katers / Unterschrift"));
    y += 8;
    f.linie(0, y, W, y, 0.5);
    f.text(QRectF(0, y + 1, W, 8), QStringLiteral("GEBURTSMELDUNG - ANTRAG AUF AHNENTAFELN"),
           textFont(12, true), TagGeburtsmeldung, Qt::AlignCenter);
    y += 10;
    f.text(QRectF(0, y, 50, 10), QStringLiteral("Die Katze hat geboren am"), textFont(10), TagHatGeboren);
    f.kasten(QRectF(50, y, 40, 10), 0, QString(), m.gebDatum);
    y = kittenTabelle(f, y + 12, m, true, TagFarbeGenauNr, "Farbe (genau)/Nr.", TagSpalteNicht,
                      "Diese Spalte nicht beschreiben!");
    y += 3;
    f.text(QRectF(0, y, 22, 5), QStringLiteral("WICHTIG!"), textFont(9, true), TagWichtig);
    f.absatz(QRectF(22, y, W - 22, 5), texte.value(QStringLiteral("DruWichtig")), textFont(8));
    y += 20;
    f.unterschrift(QRectF(0, y, 60, 6), TagOrtDatum, QStringLiteral("Ort/Datum"));
    f.unterschrift(QRectF(75, y, 115, 6), TagUnterschriftKatze,
                   QStringLiteral("Eigentümer der Katze / Unterschrift"));
    return fertig(std::move(r));
}

} // namespace

ReportJob reportWurfmeldung(Wurfformular f, const Wurfmeldung &m, const Formtexte &texte)
{
    switch (f) {
    case Wurfformular::Dekzv: return dekzv(m, texte);
    case Wurfformular::Dru: return dru(m, texte);
    case Wurfformular::Allgemein: break;
    }
    return allgemein(m, texte);
}

QStringList nichtGedruckt(Wurfformular f, const Wurfmeldung &m)
{
    QStringList namen = m.nichtAufgenommen;
    if (f != Wurfformular::Allgemein)
        namen = fuenfUndFuenf(m.kitten).ohneZeile + namen;
    return namen;
}

} // namespace tav::printouts
