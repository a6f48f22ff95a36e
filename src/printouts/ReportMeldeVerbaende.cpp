// The registry forms of the FIFE (TReportMeldeFIFE) and of the D.R.U. (TReportMeldeDRU).
#include "ReportMeldeTeile.h"

#include <QRegularExpression>

namespace tav::printouts::melde {

namespace {

// A form line that is only a number ("3", "13 a") is followed by the class's name.
QString klassenZeile(const QString &zeile, const QString &box)
{
    static const QRegularExpression nurNummer(QStringLiteral("^\\d+( [a-z])?$"));
    return nurNummer.match(zeile).hasMatch() ? zeile + QStringLiteral("  ") + box : zeile;
}

void klassenListe(Blatt &b, double y, Verband v, const Meldung &m, int spalten)
{
    const QVector<int> liste = klassenDesFormulars(v);
    const int proSpalte = (int(liste.size()) + spalten - 1) / spalten;
    const double breite = b.breite / spalten;
    for (int i = 0; i < liste.size(); ++i) {
        const MeldeKlasse &k = meldeKlassen()[liste[i]];
        b.marke((i / proSpalte) * breite, y + (i % proSpalte) * MarkeHoehe, m.klassen.value(liste[i]),
                klassenZeile(v == Verband::FIFE ? k.fife : k.dru, k.box), breite - 1);
    }
}

int klassenZeilen(Verband v, int spalten)
{
    return (int(klassenDesFormulars(v).size()) + spalten - 1) / spalten;
}

} // namespace

report::ReportJob reportFIFE(const Meldung &m, const FormularTexte &t, int)
{
    Blatt b(6300, QStringLiteral("Anmeldeformular FIFe"));
    const double w = b.breite, halb = (w - 2) / 2, rechts = halb + 2;
    b.text(0, 0, w, 7, QStringLiteral("FIFe  –  Meldeformular / Entry form / Formulaire d'inscription"),
           textFont(14, true, Tinte), Qt::AlignHCenter);

    double y = 10;
    b.feld(0, y, 90, QStringLiteral("Ausstellungsort / Show place / Lieu"), m.ort);
    b.feld(92, y, 40, QStringLiteral("Datum / Date / Date"), m.datum);
    b.marke(136, y + 1, m.samstag, QStringLiteral("Samstag / Saturday / Samedi"), w - 136);
    b.marke(136, y + 1 + MarkeHoehe, m.sonntag, QStringLiteral("Sonntag / Sunday / Dimanche"), w - 136);
    y += FeldHoehe + 1;
    b.feld(0, y, w, QStringLiteral("Veranstaltender Verein / Organising club / Club organisateur"), m.verein);

    y += FeldHoehe + 3;
    b.kopf(y, QStringLiteral("Katze / Cat / Chat"));
    y += 6;
    b.feld(0, y, 130, QStringLiteral("Name der Katze / Name of cat / Nom du chat"), m.name);
    b.feld(132, y, w - 132, QStringLiteral("EMS-Code"), m.ems);
    y += FeldHoehe + 1;
    b.feld(0, y, 130, QStringLiteral("Rasse und Farbe / Breed and colour / Race et couleur"),
           QStringList{m.rasse, m.farbe}
               .filter(QRegularExpression(QStringLiteral("\\S")))
               .join(QStringLiteral(", ")));
    b.feld(132, y, w - 132, QStringLiteral("Zuchtbuch-Nr. / Reg. no. / No. LO"), m.zuchtbuchNr);
    y += FeldHoehe + 1;
    b.feld(0, y, 45, QStringLiteral("Geb.-Datum / Born / Né le"), m.gebDatum);
    const int g = m.geschlechtCode.trimmed().toInt();
    const double sx = 48, sw = 41;
    b.marke(sx, y + 1, g == 1, QStringLiteral("männlich / male / mâle"), sw);
    b.marke(sx + sw, y + 1, g == 2, QStringLiteral("weiblich / female / femelle"), sw);
    b.marke(sx, y + 1 + MarkeHoehe, g == 3, QStringLiteral("Kastrat / neuter / castré"), sw);
    b.marke(sx + sw, y + 1 + MarkeHoehe, g == 4, QStringLiteral("Kastratin / neuter / castrée"), sw);
    b.feld(132, y, w - 132, QStringLiteral("Chip-Nr. / Microchip / Puce"), m.chipNr);
    y += FeldHoehe + 1;
    b.feld(0, y, w, QStringLiteral("Züchter / Breeder / Éleveur"), m.zuechter);
    for (const auto &[caption, name, ems, farbe, nr] :
         {std::tuple{QStringLiteral("Vater / Sire / Père"), m.vater, m.vaterEms, m.vaterFarbe,
                     m.vaterZuchtbuch},
          std::tuple{QStringLiteral("Mutter / Dam / Mère"), m.mutter, m.mutterEms, m.mutterFarbe,
                     m.mutterZuchtbuch}}) {
        y += FeldHoehe + 1;
        b.feld(0, y, 84, caption, name);
        b.feld(86, y, 24, QStringLiteral("EMS-Code"), ems);
        b.feld(112, y, 40, QStringLiteral("Farbe / Colour / Couleur"), farbe);
        b.feld(154, y, w - 154, QStringLiteral("Zuchtbuch-Nr. / Reg. no."), nr);
    }

    y += FeldHoehe + 3;
    b.kopf(y, QStringLiteral("Aussteller / Exhibitor / Exposant"));
    y += 6;
    b.feld(0, y, halb, QStringLiteral("Name, Vorname / Name, first name / Nom, prénom"), m.aussteller);
    b.feld(rechts, y, halb, QStringLiteral("Land / Country / Pays"), m.land);
    y += FeldHoehe + 1;
    b.feld(0, y, halb, QStringLiteral("PLZ, Ort / Postcode, town / Code postal, ville"), m.plzOrt());
    b.feld(rechts, y, halb, QStringLiteral("Straße / Street / Rue"), m.strasse);
    y += FeldHoehe + 1;
    b.feld(0, y, 60, QStringLiteral("Telefon / Phone / Téléphone"), m.telefon);
    b.feld(62, y, 50, QStringLiteral("Fax"), m.telefax);
    b.feld(114, y, w - 114, QStringLiteral("E-Mail"), m.email);
    y += FeldHoehe + 1;
    b.feld(0, y, 120, QStringLiteral("Verein / Club / Club"), m.mitgliedBei);
    b.feld(122, y, w - 122, QStringLiteral("Mitgliedsnummer / Member no. / No. de membre"),
           m.mitgliedsnummer);

    y += FeldHoehe + 3;
    b.kopf(y, QStringLiteral("Klasse / Class / Classe"));
    y += 6;
    klassenListe(b, y, Verband::FIFE, m, 2);
    y += klassenZeilen(Verband::FIFE, 2) * MarkeHoehe + 2;

    const double d = w / 3;
    b.marke(0, y, !m.doppelKaefige.trimmed().isEmpty() || !m.doppelKaefigEineKatze.trimmed().isEmpty(),
            QStringLiteral("Doppelkäfig / Double cage / Cage double"), d);
    b.marke(d, y, m.steward, QStringLiteral("Steward"), d);
    b.marke(2 * d, y, m.zahlungEinlass, QStringLiteral("Zahlung am Einlass / at the entrance"), d);
    y += MarkeHoehe;
    b.marke(0, y, m.ueberweisung, QStringLiteral("Überweisung / Transfer / Virement"), d);
    b.marke(d, y, m.einzug, QStringLiteral("Einzug / Direct debit"), d);
    b.marke(2 * d, y, m.gutschein, QStringLiteral("Gutschein / Voucher / Bon"), d);

    y += MarkeHoehe + 3;
    QStringList erklaerung = t.zeilen(QStringLiteral("fife.erklaerung"), QStringLiteral("de"));
    erklaerung += t.zeilen(QStringLiteral("fife.erklaerung"), QStringLiteral("en"));
    erklaerung += t.zeilen(QStringLiteral("fife.erklaerung"), QStringLiteral("fr"));
    b.absatz(0, y, w, 18, erklaerung, 6.5);
    y += 20;
    b.feld(0, y, 40, QStringLiteral("Datum / Date / Date"), m.ausgestellt);
    b.unterschrift(50, y, QStringLiteral("Unterschrift / Signature / Signature"));
    return b.job();
}

report::ReportJob reportDRU(const Meldung &m, const FormularTexte &t, int sprache)
{
    Blatt b(6300, QStringLiteral("Anmeldeformular D.R.U."));
    const double w = b.breite, halb = (w - 2) / 2, rechts = halb + 2;
    const auto de = [&](const char *key) { return t.zeilen(QString::fromLatin1(key), QStringLiteral("de")); };

    // the upper part goes back to the exhibitor with the registry's confirmation
    b.el->append(report::frame(QRectF(0, 0, w, 30), 0.3));
    b.text(2, 1, halb, 4, de("dru.bestaetigung").value(0), textFont(7, true, Tinte));
    double y = 6;
    for (const QString &z : {m.aussteller, m.strasse, m.plzOrt(), m.land}) {
        b.text(4, y, halb - 4, 4.5, z, textFont(10, false, Tinte));
        y += 4.6;
    }
    y = 2;
    for (const QString &z : de("dru.buero")) {
        b.text(rechts, y, halb - 2, 3.5, z, textFont(6.5, false, Tinte), Qt::AlignRight);
        y += 3.6;
    }
    b.text(rechts, 22, halb - 2, 3, QStringLiteral("Bestätigt am / Stempel"),
           textFont(6, false, QColor(90, 90, 90)), Qt::AlignRight);

    y = 33;
    b.text(0, y, w, 7, QStringLiteral("I N T E R N A T I O N A L E R   R A S S E K A T Z E N - S A L O N"),
           textFont(12.5, true, Tinte), Qt::AlignHCenter);
    y += 8;
    b.feld(0, y, 130, QStringLiteral("Ausstellungsort"), m.ort);
    b.feld(132, y, w - 132, QStringLiteral("Datum"), m.datum);

    y += FeldHoehe + 3;
    b.kopf(y, QStringLiteral("Katze"));
    y += 6;
    b.feld(0, y, w, QStringLiteral("Name der Katze"), m.name);
    y += FeldHoehe + 1;
    b.feld(0, y, 60, QStringLiteral("Rasse"), m.rasse);
    b.feld(62, y, 68, QStringLiteral("Farbe"), m.farbe);
    b.feld(132, y, 20, QStringLiteral("Farb-Nr."), m.farbklasse);
    b.feld(154, y, w - 154, QStringLiteral("Augenfarbe"), m.augenfarbe);
    y += FeldHoehe + 1;
    b.feld(0, y, 60, QStringLiteral("Zuchtbuch-Nr."), m.zuchtbuchNr);
    b.feld(62, y, 30, QStringLiteral("Geburtsdatum"), m.gebDatum);
    const int g = m.geschlechtCode.trimmed().toInt();
    b.marke(96, y + 1, g == 1, QStringLiteral("männlich"), 45);
    b.marke(141, y + 1, g == 2, QStringLiteral("weiblich"), w - 141);
    b.marke(96, y + 1 + MarkeHoehe, g == 3, QStringLiteral("Kastrat männlich"), 45);
    b.marke(141, y + 1 + MarkeHoehe, g == 4, QStringLiteral("Kastrat weiblich"), w - 141);
    y += FeldHoehe + 1;
    QString zuechter = m.zuechter;
    if (!m.zuechterOrt.isEmpty() && !zuechter.contains(m.zuechterOrt))
        zuechter += QStringLiteral(", ") + m.zuechterOrt;
    b.feld(0, y, w, QStringLiteral("Züchter und Wohnort"), zuechter);
    y += FeldHoehe + 1;
    b.feld(0, y, halb, QStringLiteral("Vater"), m.vater);
    b.feld(rechts, y, halb, QStringLiteral("Mutter"), m.mutter);

    y += FeldHoehe + 3;
    b.kopf(y, QStringLiteral("Aussteller"));
    y += 6;
    b.feld(0, y, halb, QStringLiteral("Name, Vorname"), m.aussteller);
    b.feld(rechts, y, halb, QStringLiteral("Straße"), m.strasse);
    y += FeldHoehe + 1;
    b.feld(0, y, halb, QStringLiteral("PLZ, Wohnort"), m.plzOrt());
    b.feld(rechts, y, halb, QStringLiteral("Verein"), m.mitgliedBei);
    y += FeldHoehe + 1;
    b.feld(rechts, y, halb, QStringLiteral("Mitgliedsnummer (unbedingt angeben)"), m.mitgliedsnummer);
    b.text(0, y + 3, 30, 4, QStringLiteral("Verkäuflich"), textFont(7.5, true, Tinte));
    b.marke(30, y + 3.5, m.verkaeuflich, QStringLiteral("ja"), 20);
    b.marke(52, y + 3.5, !m.verkaeuflich, QStringLiteral("nein"), 20);

    y += FeldHoehe + 3;
    b.kopf(y, QStringLiteral("Klasse"));
    y += 6;
    klassenListe(b, y, Verband::DRU, m, 2);
    y += klassenZeilen(Verband::DRU, 2) * MarkeHoehe + 3;

    b.kopf(y, QStringLiteral("Bankverbindung"));
    y += 6;
    b.feld(0, y, 60, QStringLiteral("Konto-Nr."), m.konto);
    b.feld(62, y, 40, QStringLiteral("BLZ"), m.blz);
    b.feld(104, y, w - 104, QStringLiteral("Bank"), m.bank);
    y += FeldHoehe + 1.5;
    QStringList texte = de("dru.einzug") + de("dru.erklaerung");
    if (sprache != 0)
        texte += zweisprachig(t, QStringLiteral("dru.einzug"), sprache);
    b.absatz(0, y, w, 12, texte, 6.5);
    y += sprache != 0 ? 20 : 14;
    b.feld(0, y, 40, QStringLiteral("Ausgestellt am"), m.ausgestellt);
    b.unterschrift(50, y, QStringLiteral("Unterschrift"));
    return b.job();
}

} // namespace tav::printouts::melde
