#include "Wurfdaten.h"

#include "CatRules.h"

#include "store/Filter.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"
#include "store/Transaction.h"

#include <QFileInfo>

namespace tav::cats {

using namespace tav::store;

QDate wurftermin(const QDate &decktermin, int tage)
{
    return decktermin.isValid() ? decktermin.addDays(tage) : QDate();
}

std::optional<int> traechtigkeitsdauer(const QDate &decktermin, const QDate &decktermin2,
                                       const QDate &wurftag)
{
    if (!decktermin.isValid() || !wurftag.isValid())
        return std::nullopt;
    const QDate von = decktermin2.isValid() ? decktermin2 : decktermin;
    return int(von.daysTo(wurftag));
}

std::optional<int> tageSeitVorheriger(const QDate &vorher, const QDate &datum)
{
    if (!vorher.isValid() || !datum.isValid())
        return std::nullopt;
    return int(qAbs(vorher.daysTo(datum)));
}

RolligkeitsPrognose prognoseAbDecktermin(const QDate &decktermin, const PrognoseTage &tage)
{
    RolligkeitsPrognose p;
    if (!decktermin.isValid())
        return p;
    p.decktermin = decktermin;
    p.wurftermin = decktermin.addDays(tage.traechtigkeit);
    p.abgabetermin = p.wurftermin.addDays(tage.bisAbgabe);
    return p;
}

std::optional<RolligkeitsPrognose> prognoseAusText(const QString &decktermin, const PrognoseTage &tage)
{
    if (decktermin.trimmed().isEmpty())
        return RolligkeitsPrognose{};
    const QDate d = parseDateText(decktermin.trimmed()).toDate();
    if (!d.isValid())
        return std::nullopt;
    return prognoseAbDecktermin(d, tage);
}

RolligkeitsPrognose rolligkeitsPrognose(const QVector<QDate> &rolligkeiten, const QDate &heute,
                                        const PrognoseTage &tage)
{
    QVector<QDate> daten;
    for (const QDate &d : rolligkeiten) {
        if (d.isValid())
            daten << d;
    }
    int durchschnitt = tage.naechsteRolligkeit;
    if (daten.size() >= 2) {
        qint64 summe = 0;
        for (int i = 1; i < daten.size(); ++i)
            summe += *tageSeitVorheriger(daten[i - 1], daten[i]);
        durchschnitt = int(summe / (daten.size() - 1));
    }
    const QDate naechste = daten.isEmpty() ? QDate() : daten.last().addDays(durchschnitt);
    RolligkeitsPrognose p = prognoseAbDecktermin(daten.isEmpty() ? heute : naechste, tage);
    p.durchschnitt = durchschnitt;
    p.naechste = naechste;
    return p;
}

GeschwisterAuswahl geschwisterAuswahl(Geschwisterart art, const Abstammung &k)
{
    GeschwisterAuswahl a;
    const QString ohneSich = QStringLiteral("LaufendeNummer <> %1").arg(qMax(k.nr, 0));
    switch (art) {
    case Geschwisterart::Wurf:
        // same mother, same birth date and the same father: a half sibling born the same day is none
        a.gueltig = k.vater > 0 && k.mutter > 0 && k.geb.isValid();
        a.index = QStringLiteral("IDXMutterGebDatum");
        a.schluessel = {k.mutter, k.geb};
        a.filter = QStringLiteral("(%1) and (Vater = %2)").arg(ohneSich).arg(k.vater);
        break;
    case Geschwisterart::Vaeterlich:
        a.gueltig = k.vater > 0;
        a.index = QStringLiteral("IdxVater");
        a.schluessel = {k.vater};
        a.filter = ohneSich;
        break;
    case Geschwisterart::Muetterlich:
        a.gueltig = k.mutter > 0;
        a.index = QStringLiteral("IdxMutter");
        a.schluessel = {k.mutter};
        a.filter = ohneSich;
        break;
    }
    return a;
}

namespace {
void auswahlSetzen(Table &t, const GeschwisterAuswahl &a)
{
    t.setIndexName(a.index);
    t.setFilter(a.filter);
    t.setFiltered(true);
    t.open();
    t.setRange(a.schluessel, a.schluessel);
}
} // namespace

QVector<int> geschwister(Database &db, Geschwisterart art, const Abstammung &katze)
{
    QVector<int> out;
    const GeschwisterAuswahl a = geschwisterAuswahl(art, katze);
    if (!a.gueltig)
        return out;
    Table t(&db, catstamm::Datei);
    t.setReadOnly(true);
    auswahlSetzen(t, a);
    for (t.first(); !t.eof(); t.next())
        out << t.intValue(catstamm::LaufendeNummer);
    return out;
}

int wurfzahlUebernehmen(Database &db, const Abstammung &katze, const QString &wurfzahl,
                        const std::function<void(int)> &vorSchreiben)
{
    const QVector<int> nummern = geschwister(db, Geschwisterart::Wurf, katze);
    Transaction txn(db, catstamm::Datei);
    Table t(&db, catstamm::Datei);
    t.open();
    auto schreiben = [&](int nr) {
        if (!t.findKey({nr}))
            throw EngineError(EngineError::Category::NotFound, code::NoCurrentRecord,
                              QStringLiteral("cat %1 is gone").arg(nr));
        t.edit();
        t.setValue(catstamm::Wurfzahl, wurfzahl);
        t.post();
    };
    if (katze.nr > 0)
        schreiben(katze.nr);
    for (int nr : nummern) {
        if (vorSchreiben)
            vorSchreiben(nr);
        schreiben(nr);
    }
    txn.commit();
    return int(nummern.size());
}

QString anzeigeFuerDruck(const QString &farbe, const QStringList &kuerzel, const QString &bemerkung,
                         const TextBreite &messen, int grenze)
{
    auto zeile = [](QStringList teile) {
        teile.removeAll(QString());
        return teile.join(QStringLiteral(", "));
    };
    QStringList teile{farbe};
    for (const QString &k : kuerzel) {
        QStringList probe = teile;
        probe << k;
        if (messen.breite(zeile(probe)) > grenze)
            break;
        teile = probe;
    }
    QStringList zeilen = bemerkung.split(QLatin1Char('\n'));
    for (QString &z : zeilen)
        z = z.trimmed();
    zeilen.removeAll(QString());
    if (!zeilen.isEmpty()) {
        QStringList probe = teile;
        probe << zeilen.join(QLatin1Char(' '));
        if (messen.breite(zeile(probe)) <= grenze)
            teile = probe;
    }
    return zeile(teile);
}

QStringList merkmalKuerzel(Database &db, int katze)
{
    return merkmaleDerKatze(db, katze).kuerzel;
}

QString bildDerKatze(Database &db, int katze, int feld2)
{
    if (katze <= 0)
        return QString();
    Table t(&db, bilder::Datei);
    t.setReadOnly(true);
    t.setIndexName(bilder::idx::IndexKatzeNr);
    t.open();
    t.setRange({katze}, {katze});
    QStringList pfade;
    for (t.first(); !t.eof(); t.next())
        pfade << t.text(bilder::Bildpfad);
    if (feld2 > 0 && feld2 <= pfade.size() && QFileInfo::exists(pfade[feld2 - 1]))
        return pfade[feld2 - 1];
    for (const QString &p : std::as_const(pfade)) {
        if (!p.isEmpty() && QFileInfo::exists(p))
            return p;
    }
    return QString();
}

namespace {
QString adresse(Table &adr, int nr)
{
    if (nr <= 0 || !adr.findKey({nr}))
        return QString();
    const QString name = adr.text(adr_dat::Name), vorname = adr.text(adr_dat::Vorname);
    return vorname.isEmpty() ? name : name + QStringLiteral(", ") + vorname;
}
} // namespace

ElternDaten elternDatenLesen(Database &db, int nr)
{
    ElternDaten d;
    Table k(&db, catstamm::Datei);
    k.setReadOnly(true);
    k.open();
    if (nr <= 0 || !k.findKey({nr}))
        return d;
    d.name = k.text(catstamm::Name);
    d.geschlecht = k.text(catstamm::Geschlecht);
    d.farbe = k.text(catstamm::FellFarbe);
    d.augen = k.text(catstamm::Augenfarbe);
    const QDate geb = k.value(catstamm::GebDatum).toDate();
    d.gebText = geb.isValid() ? geb.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    for (const char *f : {"Zuchtbuchnummer1", "Zuchtbuchnummer2", "Zuchtbuchnummer3"})
        d.zuchtbuchnummern << k.text(QString::fromLatin1(f));
    d.gencode = k.text(catstamm::Gencode);
    d.blutgruppe = k.text(catstamm::Blutgruppe);
    d.tests = k.text(catstamm::Tests);
    d.chip = k.text(catstamm::ChipNr);
    Table rasse(&db, rasse::Datei);
    rasse.setReadOnly(true);
    rasse.open();
    if (const int r = k.intValue(catstamm::Rasse); r > 0 && rasse.findKey({r})) {
        d.rasse = rasse.text(rasse::RName);
        d.rasseKurz = rasse.text(rasse::RKurzname);
    }
    if (!d.farbe.isEmpty()) {
        Table farbe(&db, farbe::Datei);
        farbe.setReadOnly(true);
        farbe.setIndexName(farbe::idx::FarbnameIndex);
        farbe.open();
        farbe.setRange({d.farbe}, {d.farbe});
        farbe.first();
        if (!farbe.eof())
            d.farbnummer = farbe.text(farbe::Farbnummer);
    }
    Table adr(&db, adr_dat::Datei);
    adr.setReadOnly(true);
    adr.open();
    d.zuechter = adresse(adr, k.intValue(catstamm::Zuechter));
    d.besitzer = adresse(adr, k.intValue(catstamm::Besitzer));
    return d;
}

QStringList elternZeilen(const ElternDaten &d, int sprache)
{
    const bool en = sprache == 1;
    QStringList z;
    auto add = [&z](const QString &s) {
        if (!s.trimmed().isEmpty())
            z << s;
    };
    add(!d.geschlecht.isEmpty() && !d.titel.isEmpty() ? d.titel + QLatin1Char(' ') + d.name : d.name);
    if (!d.rasse.isEmpty() || !d.rasseKurz.isEmpty())
        add(d.rasse + QStringLiteral("     ") + d.rasseKurz);
    add(d.farbnummer.isEmpty() || d.farbe.isEmpty() ? d.farbe
                                                    : d.farbe + QStringLiteral("     ") + d.farbnummer);
    if (!d.rasseKurz.isEmpty() && !d.farbnummer.isEmpty())
        add(d.rasseKurz + QLatin1Char(' ') + d.farbnummer);
    if (!d.gebText.isEmpty() || !d.augen.isEmpty())
        add((en ? QStringLiteral("BORN: ") : QStringLiteral("GEB.: ")) + d.gebText +
            (en ? QStringLiteral("      Eye-Color: ") : QStringLiteral("      Augen: ")) + d.augen);
    for (const QString &n : d.zuchtbuchnummern)
        add(n);
    if (!d.zuechter.isEmpty())
        add((en ? QStringLiteral("Breeder: ") : QStringLiteral("Züchter: ")) + d.zuechter);
    if (!d.besitzer.isEmpty())
        add((en ? QStringLiteral("Owner: ") : QStringLiteral("Besitzer: ")) + d.besitzer);
    add(d.gencode);
    if (!d.blutgruppe.isEmpty())
        add((en ? QStringLiteral("Blood group: ") : QStringLiteral("Blutgruppe: ")) + d.blutgruppe);
    add(d.tests);
    if (!d.chip.isEmpty())
        add((en ? QStringLiteral("Chip-No.: ") : QStringLiteral("Chip-Nr.: ")) + d.chip);
    return z;
}

const QStringList &kieferfehlerTexte()
{
    static const QStringList t = {QStringLiteral("Hasenscharte"), QStringLiteral("Wolfsrachen"),
                                  QStringLiteral("HS mit WR"),    QStringLiteral("Vorbiss"),
                                  QStringLiteral("Rückbiss"),     QStringLiteral("Zangengebiss"),
                                  QStringLiteral("Kreuzbiss")};
    return t;
}

const QStringList &bruchTexte()
{
    static const QStringList t = {
        QStringLiteral("Nabelbruch Verdacht"),   QStringLiteral("Nabelbruch leicht"),
        QStringLiteral("Nabelbruch mittel"),     QStringLiteral("Nabelbruch schwer"),
        QStringLiteral("Leistenbruch Verdacht"), QStringLiteral("Leistenbruch leicht"),
        QStringLiteral("Leistenbruch mittel"),   QStringLiteral("Leistenbruch schwer")};
    return t;
}

const QStringList &hodenTexte()
{
    static const QStringList t = {QStringLiteral("nur ein Hoden im Skrotum"),
                                  QStringLiteral("kein Hoden im Skrotum")};
    return t;
}

QString kieferCode(const QString &text)
{
    const int i = kieferfehlerTexte().indexOf(text);
    return i >= 3 ? QString::number(i - 2) : QString();
}

QString bruchCode(const QString &text)
{
    const int i = bruchTexte().indexOf(text);
    return i < 0 ? QString() : QStringLiteral("%1%2").arg(i < 4 ? 'N' : 'L').arg(i % 4 + 1);
}

QString hodenCode(const QString &text)
{
    const int i = hodenTexte().indexOf(text);
    return i < 0 ? QString() : QString::number(i + 1);
}

} // namespace tav::cats
