// The general bilingual show entry form (TReportMelde).
#include "ReportMeldeTeile.h"

namespace tav::printouts::melde {

report::ReportJob reportAllgemein(const Meldung &m, const FormularTexte &t, int sprache)
{
    Blatt b(6300, QStringLiteral("Anmeldeformular"));
    const double w = b.breite, halb = (w - 2) / 2, rechts = halb + 2;
    b.text(0, 0, w, 8, QStringLiteral("Anmeldeformular Katzenausstellung  /  Entry Form Cat Show"),
           textFont(15, true, Tinte), Qt::AlignHCenter);

    double y = 11;
    b.feld(0, y, 40, QStringLiteral("Datum / Date"), m.datum);
    b.feld(42, y, 90, QStringLiteral("Ausstellungsort / Show venue"), m.ort);
    b.marke(136, y + 1, m.samstag, QStringLiteral("Samstag / Saturday"), 54);
    b.marke(136, y + 1 + MarkeHoehe, m.sonntag, QStringLiteral("Sonntag / Sunday"), 54);

    y = 23;
    b.kopf(y, QStringLiteral("Aussteller / Exhibitor"));
    y += 6;
    b.feld(0, y, halb, QStringLiteral("Name, Vorname / Name, first name"), m.aussteller);
    b.feld(rechts, y, halb, QStringLiteral("Telefon / Phone"), m.telefon);
    y += FeldHoehe + 1;
    b.feld(0, y, halb, QStringLiteral("Straße / Street"), m.strasse);
    b.feld(rechts, y, halb, QStringLiteral("PLZ, Ort / Postcode, town"), m.plzOrt());
    y += FeldHoehe + 1;
    b.feld(0, y, halb, QStringLiteral("Land / Country"), m.land);
    b.feld(rechts, y, halb, QStringLiteral("Mitglied bei / Member of"), m.mitgliedBei);

    y += FeldHoehe + 3;
    b.kopf(y, QStringLiteral("Katze / Cat"));
    y += 6;
    b.feld(0, y, 130, QStringLiteral("Name der Katze / Name of cat"), m.name);
    b.feld(132, y, w - 132, QStringLiteral("Chip-Nr. / Microchip no."), m.chipNr);
    y += FeldHoehe + 1;
    b.feld(0, y, 70, QStringLiteral("Rasse / Breed"), m.rasse);
    b.feld(72, y, 40, QStringLiteral("Geb.-Datum / Date of birth"), m.gebDatum);
    b.feld(114, y, w - 114, QStringLiteral("Zuchtbuch-Nr. / Registration no."), m.zuchtbuchNr);
    y += FeldHoehe + 1;
    b.feld(0, y, 70, QStringLiteral("Farbe / Colour"), m.farbe);
    b.feld(72, y, 40, QStringLiteral("Geschlecht / Sex"), m.geschlecht);
    b.feld(114, y, w - 114, QStringLiteral("Augenfarbe / Eye colour"), m.augenfarbe);
    y += FeldHoehe + 1;
    b.feld(0, y, w, QStringLiteral("Züchter / Breeder"), m.zuechter);
    y += FeldHoehe + 1;
    b.feld(0, y, 130, QStringLiteral("Vater / Sire"), m.vater);
    b.feld(132, y, w - 132, QStringLiteral("Farbe / Colour"), m.vaterFarbe);
    y += FeldHoehe + 1;
    b.feld(0, y, 130, QStringLiteral("Mutter / Dam"), m.mutter);
    b.feld(132, y, w - 132, QStringLiteral("Farbe / Colour"), m.mutterFarbe);

    y += FeldHoehe + 3;
    b.kopf(y, QStringLiteral("Meldung / Entry"));
    y += 6;
    const double v = (w - 6) / 4;
    b.feld(0, y, v, QStringLiteral("Anzahl Tiere / Number of cats"), m.anzahl);
    b.feld(v + 2, y, v, QStringLiteral("Einzelkäfige / Single cages"), m.einzelKaefige);
    b.feld(2 * (v + 2), y, v, QStringLiteral("Doppelkäfige / Double cages"), m.doppelKaefige);
    b.feld(3 * (v + 2), y, v, QStringLiteral("Doppelkäfig 1 Katze / 1 cat"), m.doppelKaefigEineKatze);
    y += FeldHoehe + 1;
    b.feld(0, y, 150, QStringLiteral("Plazierungswunsch, Doppelkäfig mit / Placement wish, double cage with"),
           m.plazierung);
    b.text(154, y, w - 154, 3, QStringLiteral("Verkäuflich / For sale"),
           textFont(6, false, QColor(90, 90, 90)));
    b.marke(154, y + 3.5, m.verkaeuflich, QStringLiteral("ja / yes"), 18);
    b.marke(173, y + 3.5, !m.verkaeuflich, QStringLiteral("nein / no"), w - 173);

    y += FeldHoehe + 3;
    b.kopf(y, QStringLiteral("Gemeldete Klasse / Class entered"));
    y += 6;
    const QVector<MeldeKlasse> &klassen = meldeKlassen();
    const int proSpalte = (int(klassen.size()) + 2) / 3;
    const double spalte = w / 3;
    for (int i = 0; i < klassen.size(); ++i)
        b.marke((i / proSpalte) * spalte, y + (i % proSpalte) * MarkeHoehe, m.klassen.value(i),
                klassen[i].box, spalte - 1);
    y += proSpalte * MarkeHoehe + 2;

    b.kopf(y, QStringLiteral("Steward und Zahlung / Steward and payment"));
    y += 6;
    b.marke(0, y, m.steward, QStringLiteral("Steward"), spalte);
    b.marke(spalte, y, m.zahlungEinlass, QStringLiteral("Zahlung Meldegebühren am Einlass / at the entrance"),
            2 * spalte);
    y += MarkeHoehe;
    b.marke(0, y, m.einzug, QStringLiteral("Einzugsermächtigung / Direct debit"), spalte);
    b.marke(spalte, y, m.ueberweisung, QStringLiteral("Gebühr wird überwiesen / Transfer"), spalte);
    b.marke(2 * spalte, y, m.gutschein, QStringLiteral("Bezahlung mit Gutschein / Voucher"), spalte);

    y += MarkeHoehe + 4;
    b.absatz(0, y, w, 12, zweisprachig(t, QStringLiteral("melde.erklaerung"), sprache));
    y += 16;
    b.feld(0, y, 40, QStringLiteral("Datum / Date"), m.ausgestellt);
    b.feld(42, y, 70, QStringLiteral("Verein / Club"), m.verein);
    b.unterschrift(118, y, QStringLiteral("Unterschrift / Signature"));
    return b.job();
}

} // namespace tav::printouts::melde
