// The CFA show entry form (TReportMeldeCFA).
#include "ReportMeldeTeile.h"

namespace tav::printouts::melde {

report::ReportJob reportCFA(const Meldung &m, const FormularTexte &t, int sprache)
{
    Blatt b(6341, QStringLiteral("Anmeldeformular CFA"));
    const double w = b.breite, halb = (w - 2) / 2, rechts = halb + 2;
    b.text(0, 0, w, 7, QStringLiteral("THE CAT FANCIERS' ASSOCIATION, INC."), textFont(14, true, Tinte),
           Qt::AlignHCenter);
    b.text(0, 6.5, w, 5, QStringLiteral("Meldeformular  /  Show Entry Form"), textFont(11, false, Tinte),
           Qt::AlignHCenter);
    double y = 11.5;
    for (const QString &z : t.zeilen(QStringLiteral("cfa.buero"), sprachKuerzel(sprache))) {
        b.text(0, y, w, 3.5, z, textFont(6.5, false, Tinte), Qt::AlignHCenter);
        y += 3.6;
    }

    y = 18.5;
    b.feld(0, y, 80, QStringLiteral("Verein / Club"), m.verein);
    b.feld(82, y, 64, QStringLiteral("Ausstellungsort / Show place"), m.ort);
    b.feld(148, y, w - 148, QStringLiteral("Datum / Date"), m.datum);

    y += FeldHoehe + 3;
    b.kopf(y, QStringLiteral("Katze / Cat"));
    y += 6;
    // the boxes of the form hold 35 and 40 characters
    b.feld(0, y, 130, QStringLiteral("Name der Katze, ohne Titel / Cat's name, no titles"),
           m.nameOhneTitel.left(35));
    b.feld(132, y, w - 132, QStringLiteral("CFA Reg.no."), m.zuchtbuchNr);
    y += FeldHoehe + 1;
    b.feld(0, y, 36, QStringLiteral("Geb.-Datum / Birth date"), m.cfaGebDatum);
    b.feld(38, y, 40, QStringLiteral("Geschlecht / Sex"), m.geschlecht);
    b.feld(80, y, 50, QStringLiteral("Augenfarbe / Eye color"), m.augenfarbe);
    b.feld(132, y, w - 132, QStringLiteral("Farbklassen no / Color class no."), m.farbklasse);
    y += FeldHoehe + 1;
    b.feld(0, y, 70, QStringLiteral("Rasse / Breed"), m.rasse);
    b.feld(72, y, w - 72, QStringLiteral("Farbe / Color description"), m.farbe);
    y += FeldHoehe + 1;
    b.feld(0, y, halb, QStringLiteral("Vater / Sire"), m.vater.left(40));
    b.feld(rechts, y, halb, QStringLiteral("Mutter / Dam"), m.mutter.left(40));
    y += FeldHoehe + 1;
    b.feld(0, y, w, QStringLiteral("Züchter / Breeder"), m.zuechter);

    const auto adresse = [&](double y0, const QString &kopf, const QString &name, const QString &telefon,
                             const QString *fax, const QString &strasse, const QString &plz,
                             const QString &ort, const QString &land) {
        b.kopf(y0, kopf);
        y0 += 6;
        b.feld(0, y0, halb, QStringLiteral("Name"), name);
        b.feld(rechts, y0, 45, QStringLiteral("Telefon / Phone"), telefon);
        if (fax)
            b.feld(rechts + 47, y0, w - rechts - 47, QStringLiteral("Fax"), *fax);
        y0 += FeldHoehe + 1;
        b.feld(0, y0, 70, QStringLiteral("Straße / Street"), strasse);
        b.feld(72, y0, 22, QStringLiteral("PLZ / Zip"), plz);
        b.feld(96, y0, 50, QStringLiteral("Ort / City"), ort);
        b.feld(148, y0, w - 148, QStringLiteral("Land / Country"), land);
        return y0 + FeldHoehe + 3;
    };
    y = adresse(y + FeldHoehe + 3, QStringLiteral("Aussteller / Owner"), m.aussteller, m.telefon, &m.telefax,
                m.strasse, m.plz, m.ort2, m.land);
    y = adresse(y, QStringLiteral("Vertreter / Agent"), m.vertreter, m.vertreterTelefon, nullptr,
                m.vertreterStrasse, m.vertreterPlz, m.vertreterOrt, m.vertreterLand);

    b.kopf(y, QStringLiteral("Klasse / Class"));
    y += 6;
    const double spalte = w / 4;
    int n = 0, meisteZeilen = 0;
    for (int g = 0; g < cfaKlassen().size(); ++g) {
        const CfaKlassenGruppe &gruppe = cfaKlassen()[g];
        b.text(g * spalte, y, spalte, 4, gruppe.kopf, textFont(7.5, true, Tinte));
        for (int i = 0; i < gruppe.klassen.size(); ++i, ++n)
            b.marke(g * spalte, y + 4.5 + i * MarkeHoehe, m.cfa.value(n), gruppe.klassen[i], spalte - 1);
        meisteZeilen = std::max(meisteZeilen, int(gruppe.klassen.size()));
    }
    b.text(3 * spalte, y, spalte, 4, QStringLiteral("Region"), textFont(7.5, true, Tinte));
    const QStringList &regionen = cfaRegionen();
    for (int i = 0; i < regionen.size(); ++i)
        b.marke(3 * spalte, y + 4.5 + i * MarkeHoehe, m.region == i + 1, regionen[i], spalte);
    y += 4.5 + std::max(meisteZeilen, int(regionen.size())) * MarkeHoehe + 2;

    const double d = w / 3;
    const auto jaNein = [&](double x, double y0, const QString &caption, bool an) {
        b.text(x, y0, d, 3.5, caption, textFont(7.5, true, Tinte));
        b.marke(x, y0 + 4, an, QStringLiteral("ja / yes"), 25);
        b.marke(x + 27, y0 + 4, !an, QStringLiteral("nein / no"), 25);
    };
    jaNein(0, y, QStringLiteral("Extrakäfig / Extra cage"), m.extrakaefig);
    jaNein(d, y, QStringLiteral("Verkäuflich / For sale"), m.verkaeuflich);
    jaNein(2 * d, y, QStringLiteral("Pflegeplatz / Grooming space"), m.pflegeplatz);
    y += 10;
    b.feld(0, y, 130, QStringLiteral("Käfig neben / Bench with"), m.kaefigNeben);
    b.feld(132, y, w - 132, QStringLiteral("Idnr."), m.idnr);
    y += FeldHoehe + 1;
    b.marke(0, y, m.vereinsmitglied,
            QStringLiteral("Ich bin Vereinsmitglied beim / I am a member of:  ") + m.verein, w);

    y += MarkeHoehe + 2;
    QStringList texte = t.zeilen(QStringLiteral("cfa.preis"), sprachKuerzel(sprache));
    texte += zweisprachig(t, QStringLiteral("cfa.erklaerung"), sprache);
    b.absatz(0, y, w, 16, texte, 6.5);
    y += 22;
    b.feld(0, y, 40, QStringLiteral("Datum / Date"), m.ausgestellt);
    b.unterschrift(50, y, QStringLiteral("Unterschrift / Signature of owner or agent"));
    return b.job();
}

} // namespace tav::printouts::melde
