#include "KatzenDruck.h"
#include "KatzenDruckTeile.h"

#include "app/Global.h"
#include "cats/CatRules.h"
#include "cats/Stammdaten.h"
#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"

#include <QFileInfo>

using namespace tav::store::namen;

using tav::store::Table;

namespace tav::printouts {

namespace {

enum Tag {
    TagMaennlich = 9071, // 9071..9074: the sex words of codes "1".."4"
    TagKatzendaten = 6105,
    TagMitStatus = 6106,
};

bool hatZeile(store::Database &db, const QString &tabelle, const QString &index, int nr)
{
    bool da = false;
    zeilenLesen(db, tabelle, index, nr, [&](const Table &) { return !(da = true); });
    return da;
}

Anschrift anschriftDerZeile(const Table &t)
{
    return {t.text(QStringLiteral("Name")),    t.text(QStringLiteral("Vorname")),
            t.text(QStringLiteral("Strasse")), t.text(QStringLiteral("Plz")),
            t.text(QStringLiteral("Ort")),     t.text(QStringLiteral("Telefon"))};
}

QString ersteZeile(const QString &text)
{
    return text.section(QLatin1Char('\n'), 0, 0);
}

} // namespace

QString geschlechtWort(const QString &geschlecht, const Beschriftung &caption)
{
    static const char *deutsch[] = {"männlich", "weiblich", "Kastrat männlich", "Kastrat weiblich"};
    const int code = geschlecht.trimmed().toInt();
    if (geschlecht.trimmed().size() != 1 || code < 1 || code > 4)
        return QString();
    const QString wort = caption ? caption(TagMaennlich + code - 1) : QString();
    return wort.isEmpty() ? QString::fromUtf8(deutsch[code - 1]) : wort;
}

QString nameZeile(const QString &titel, const QString &name, const QString &geschlecht)
{
    if (geschlecht.isEmpty() || titel.isEmpty())
        return name;
    return titel + QLatin1Char(' ') + name;
}

QString elternZeile(const QString &titel, const QString &name, const QString &geschlecht,
                    const QString &farbe)
{
    const QString zeile = nameZeile(titel, name, geschlecht);
    return farbe.isEmpty() ? zeile : zeile + QStringLiteral(", ") + farbe;
}

QString anschriftBlock(const Anschrift &a)
{
    QString text = a.vorname.isEmpty() ? a.name : a.vorname + QLatin1Char(' ') + a.name;
    if (!a.strasse.isEmpty())
        text += QLatin1Char('\r') + a.strasse;
    if (!a.plz.isEmpty() || !a.ort.isEmpty())
        text += QStringLiteral(", ") + a.plz + QLatin1Char(' ') + a.ort;
    if (!a.telefon.isEmpty())
        text += QStringLiteral("\rTel.: ") + a.telefon;
    return text;
}

QString titelMitBewertung(const QString &titel, const QString &bewertung)
{
    if (bewertung.isEmpty())
        return titel;
    return titel.isEmpty() ? bewertung : titel + QStringLiteral(" / ") + bewertung;
}

QVector<report::TextPiece> katzenListenTitel(const QString &status)
{
    QVector<report::TextPiece> titel = {{TagKatzendaten, QStringLiteral("Katzendaten")}};
    if (!status.isEmpty())
        titel << report::TextPiece{TagMitStatus, QStringLiteral("  mit Status: ")}
              << report::TextPiece{0, status};
    return titel;
}

// --- reading a cat --------------------------------------------------------------------

KatzenLeser::KatzenLeser(store::Database &db, app::TDatenGlobal &global, Beschriftung caption)
    : m_db(db), m_global(global), m_caption(std::move(caption))
{
}

std::optional<KatzeDruck> KatzenLeser::katze(int nr)
{
    if (nr <= 0)
        return std::nullopt;
    Table t(&m_db, catstamm::Datei);
    t.setReadOnly(true);
    t.open();
    if (!t.findKey({nr}))
        return std::nullopt;
    KatzeDruck k;
    k.nr = nr;
    const auto text = [&](const char *feld) { return t.text(QString::fromLatin1(feld)); };
    k.name = text("Name");
    k.geschlecht = text("Geschlecht");
    k.titel = m_global.GetTitel(nr);
    k.zuchtbuch = text("Zuchtbuchnummer1");
    k.taeto = text("TaetoNr");
    k.chip = text("ChipNr");
    k.fellFarbe = text("FellFarbe");
    k.augenfarbe = text("Augenfarbe");
    k.blutgruppe = text("Blutgruppe");
    k.tests = text("Tests");
    k.gencode = text("Gencode");
    k.gewicht = text("Gewicht");
    k.groesse = text("Groesse");
    k.geb = t.value(catstamm::GebDatum).toDate();
    k.zuchtsperre = t.value(catstamm::zzlDatum).toDate();
    zeilenLesen(m_db, rasse::Datei, "", t.intValue(catstamm::Rasse), [&](const Table &r) {
        k.rasse = r.text(rasse::RName);
        return false;
    });
    const auto elternteil = [&](int eltern) {
        QString zeile;
        if (eltern > 0 && t.findKey({eltern}))
            zeile =
                elternZeile(m_global.GetTitel(eltern), text("Name"), text("Geschlecht"), text("FellFarbe"));
        return zeile;
    };
    const int vater = t.intValue(catstamm::Vater), mutter = t.intValue(catstamm::Mutter);
    const int zuechter = t.intValue(catstamm::Zuechter), besitzer = t.intValue(catstamm::Besitzer);
    const int status = t.intValue(catstamm::Status), druckBild = t.intValue(catstamm::Feld2);
    k.vater = elternteil(vater);
    k.mutter = elternteil(mutter);

    if (m_db.tableExists(adr_dat::Datei)) {
        Table adressen(&m_db, adr_dat::Datei);
        adressen.setReadOnly(true);
        adressen.open();
        k.zuechter = ersteZeile(cats::adressText(adressen, zuechter));
        if (status != 1) {
            k.besitzerZeile = ersteZeile(cats::adressText(adressen, besitzer));
            if (besitzer > 0 && adressen.findKey({besitzer}))
                k.besitzer = anschriftDerZeile(adressen);
        }
    }
    if (status == 1 && m_db.tableExists(eigen::Datei)) {
        k.besitzerZeile = ersteZeile(cats::eigeneAdresseText(m_db));
        Table eigen(&m_db, eigen::Datei);
        eigen.setReadOnly(true);
        eigen.open();
        eigen.first();
        if (!eigen.eof())
            k.besitzer = anschriftDerZeile(eigen);
    }

    QStringList merkmale;
    QVector<int> nummern;
    zeilenLesen(m_db, katzemerkmal::Datei, katzemerkmal::idx::Katze, nr, [&](const Table &m) {
        nummern << m.intValue(katzemerkmal::Merkmal);
        return true;
    });
    for (int m : nummern)
        zeilenLesen(m_db, merkmale::Datei, "", m, [&](const Table &z) {
            merkmale << z.text(merkmale::Bezeichnung);
            return false;
        });
    k.merkmale = merkmale.join(QStringLiteral(" / "));
    zeilenLesen(m_db, bewert::Datei, bewert::idx::KatzeIDX, nr, [&](const Table &b) {
        k.bewertung = b.text(bewert::Bewertung).trimmed();
        return false;
    });
    // the picture chosen for print, else the first that exists
    int position = 0;
    zeilenLesen(m_db, bilder::Datei, bilder::idx::IndexKatzeNr, nr, [&](const Table &b) {
        const QString pfad = b.text(bilder::Bildpfad);
        if (++position == druckBild || k.bild.isEmpty())
            k.bild = QFileInfo(pfad).isFile() ? pfad : k.bild;
        return true;
    });
    return k;
}

// --- the dispatcher's rules ------------------------------------------------------------

KatzenLage katzenLage(store::Database &db, int nr, bool bild)
{
    KatzenLage l;
    l.bild = bild;
    if (nr <= 0 || !db.tableExists(catstamm::Datei))
        return l;
    zeilenLesen(db, catstamm::Datei, "", nr, [&](const Table &t) {
        l.geschlecht = t.text(catstamm::Geschlecht);
        return false;
    });
    l.wurf = hatZeile(db, wurfbuch::Datei, wurfbuch::idx::KatzeIdx, nr);
    l.deckbuch = hatZeile(db, deckbuch::Datei, deckbuch::idx::KaterDecktermin, nr);
    l.trad = hatZeile(db, kausstel::Datei, kausstel::idx::KatzeDatum, nr);
    l.tica = hatZeile(db, cfatica::Datei, cfatica::idx::Katze, nr);
    l.cfa = hatZeile(db, cfa::Datei, cfa::idx::Katze, nr);
    return l;
}

Druckentscheid druckEntscheid(int job, const KatzenLage &l)
{
    constexpr int NurWeiblich = 195, KeinWurf = 165, NurKater = 219, KeinDeckbuch = 220, KeineErgebnisse = 73;
    const bool kater = cats::istKater(l.geschlecht), katze = cats::istKatze(l.geschlecht);
    const auto wenn = [](bool gut, Druckart art, int meldung) {
        return gut ? Druckentscheid{art, 0} : Druckentscheid{Druckart::Nichts, meldung};
    };
    switch (job) {
    case 1: return {Druckart::Stammdaten, 0};
    case 2: return {l.bild ? Druckart::Bild : Druckart::Nichts, 0};
    case 3:
    case 6: return wenn(!kater, Druckart::Formular, NurWeiblich);
    case 4:
    case 10: return {Druckart::Formular, 0};
    case 7: return wenn(l.trad, Druckart::TradRichten, KeineErgebnisse);
    case 8: return wenn(l.tica, Druckart::TICARichten, KeineErgebnisse);
    case 9: return {Druckart::Katzenliste, 0};
    case 11: return wenn(l.cfa, Druckart::CFARichten, KeineErgebnisse);
    case 13:
        return kater ? Druckentscheid{Druckart::Nichts, NurWeiblich}
                     : wenn(l.wurf, Druckart::Formular, KeinWurf);
    case 15:
    case 16:
        if (katze)
            return {Druckart::Nichts, NurKater};
        return wenn(l.deckbuch, job == 15 ? Druckart::Deckbuch : Druckart::Deckschein, KeinDeckbuch);
    default: return {};
    }
}

} // namespace tav::printouts
