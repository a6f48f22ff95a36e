// InzuchtSpeicherung: saved inbreeding calculations and the inbreeding window's input rules.
#include "InzuchtSpeicherung.h"

#include "store/Database.h"
#include "store/Namen_work.h"
#include "store/Table.h"
#include "store/Transaction.h"

namespace tav::breeding {

namespace {
using namespace store::namen;

const QString Haupt = inzuchtgrad::Datei;
const QString Vorf = inzuchtgradvorf::Datei;
const QString Clone = inzuchtspeicherclone::Datei;
const QString Top = inzuchtgradspeicherungtopkatzen::Datei;

QString zeilen(const QStringList &l)
{
    return l.join(QLatin1Char('\n'));
}

QStringList zeilen(const QString &s)
{
    return s.isEmpty() ? QStringList() : s.split(QLatin1Char('\n'));
}

// removes the detail rows of one calculation; the table's index starts with the link field
void entferneDetails(store::Table &t, qint64 schluessel)
{
    t.setRange({schluessel}, {schluessel});
    t.first();
    while (!t.eof() && t.hasRecord())
        t.remove();
    t.cancelRange();
}
} // namespace

int generationenEingabe(const QString &text)
{
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    if (!ok || n < 3)
        return 3;
    return n > 255 ? 255 : int(n);
}

KlonZeile klonZeile(const QString &line)
{
    const qsizetype pos = line.indexOf(QLatin1Char('/'));
    if (pos < 0)
        return {line, QString()};
    return {line.left(pos), line.mid(pos + 1)};
}

double klonProzent(const QString &cell)
{
    QString s = cell.trimmed();
    if (s.endsWith(QLatin1Char('%')))
        s.chop(1);
    return s.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

QString speicherNameVorschlag(const QString &vater, const QString &mutter)
{
    return vater + QLatin1Char('_') + mutter;
}

void speichertabellenAnlegen(store::Database &db)
{
    for (const QString &name : {Haupt, Vorf, Clone, Top}) {
        if (!db.tableExists(name))
            db.createTable(name);
    }
}

std::optional<qint64> findeBerechnung(store::Database &db, const QString &name, int generation)
{
    if (!db.tableExists(Haupt))
        return std::nullopt;
    store::Table t(&db, Haupt);
    t.setReadOnly(true);
    t.setIndexName(inzuchtgrad::idx::NameGen);
    t.open();
    if (!t.findKey({name, generation}))
        return std::nullopt;
    return t.value(inzuchtgrad::LaufendeNummer).toLongLong();
}

qint64 berechnungSpeichern(store::Database &db, const GespeicherteBerechnung &b,
                           std::optional<qint64> ersetzen)
{
    speichertabellenAnlegen(db);
    store::Table haupt(&db, Haupt);
    haupt.open();
    store::Transaction txn(db, {Haupt, Vorf, Clone, Top});
    qint64 schluessel = 0;
    {
        if (ersetzen) {
            if (!haupt.findKey({*ersetzen}))
                throw store::EngineError(store::EngineError::Category::NotFound, store::code::NoCurrentRecord,
                                         QStringLiteral("Inzuchtgrad.db: %1").arg(*ersetzen));
            haupt.edit();
        } else {
            haupt.append();
        }
        const auto setze = [&haupt](const QString &feld, const QVariant &v) { haupt.setValue(feld, v); };
        setze(inzuchtgrad::Art, b.art);
        setze(inzuchtgrad::Name, b.name);
        setze(inzuchtgrad::Nummer, b.nummer);
        setze(inzuchtgrad::Vater, b.vater);
        setze(inzuchtgrad::VaterNr, b.vaterNr);
        setze(inzuchtgrad::Mutter, b.mutter);
        setze(inzuchtgrad::MutterNr, b.mutterNr);
        setze(inzuchtgrad::Generation, b.generation);
        setze(inzuchtgrad::Inzucht, zeilen(b.inzucht));
        setze(inzuchtgrad::Prozent, b.prozent);
        setze(inzuchtgrad::Ahnenverlust, zeilen(b.ahnenverlust));
        setze(inzuchtgrad::Stammbaumkomplett, b.stammbaumkomplett);
        setze(inzuchtgrad::Info, zeilen(b.info));
        haupt.post();
        schluessel = haupt.value(inzuchtgrad::LaufendeNummer).toLongLong();
    }

    store::Table top(&db, Top), clone(&db, Clone), vorf(&db, Vorf);
    top.setIndexName(inzuchtgradspeicherungtopkatzen::idx::Katze);
    clone.setIndexName(inzuchtspeicherclone::idx::Katze);
    vorf.setIndexName(inzuchtgradvorf::idx::Nummer);
    top.open();
    clone.open();
    if (ersetzen) {
        if (b.mitTopKatzen)
            entferneDetails(top, schluessel);
        entferneDetails(clone, schluessel);
    }
    if (b.mitTopKatzen) {
        for (const auto &t : b.topKatzen) {
            top.append();
            top.setValue(inzuchtgradspeicherungtopkatzen::Katze, schluessel);
            top.setValue(inzuchtgradspeicherungtopkatzen::Nummern, t.slot);
            top.setValue(inzuchtgradspeicherungtopkatzen::Name, t.name);
            top.setValue(inzuchtgradspeicherungtopkatzen::Anzahl, t.anzahl);
            top.post();
        }
    }
    for (const auto &k : b.klone) {
        clone.append();
        clone.setValue(inzuchtspeicherclone::Katze, schluessel);
        clone.setValue(inzuchtspeicherclone::Prozent, k.prozent);
        clone.setValue(inzuchtspeicherclone::Name, k.name);
        clone.post();
    }
    vorf.open();
    if (ersetzen)
        entferneDetails(vorf, schluessel);
    for (const auto &v : b.vorfahren) {
        vorf.append();
        vorf.setValue(inzuchtgradvorf::Nummer, schluessel);
        vorf.setValue(inzuchtgradvorf::Katze, v.katze);
        vorf.setValue(inzuchtgradvorf::Name, v.name);
        vorf.setValue(inzuchtgradvorf::Anzahl, v.anzahl);
        if (v.farbe)
            vorf.setValue(inzuchtgradvorf::Farbe, *v.farbe);
        vorf.post();
    }
    txn.commit();
    return schluessel;
}

QVector<GespeicherterEintrag> gespeicherteBerechnungen(store::Database &db)
{
    QVector<GespeicherterEintrag> liste;
    if (!db.tableExists(Haupt))
        return liste;
    store::Table t(&db, Haupt);
    t.setReadOnly(true);
    t.setIndexName(inzuchtgrad::idx::NameGen);
    t.open();
    for (t.first(); !t.eof(); t.next()) {
        liste.append({t.value(inzuchtgrad::LaufendeNummer).toLongLong(), t.text(inzuchtgrad::Name),
                      t.intValue(inzuchtgrad::Generation)});
    }
    return liste;
}

std::optional<GespeicherteBerechnung> berechnungLaden(store::Database &db, qint64 schluessel)
{
    speichertabellenAnlegen(db);
    store::Table t(&db, Haupt);
    t.setReadOnly(true);
    t.open();
    if (!t.findKey({schluessel}))
        return std::nullopt;
    GespeicherteBerechnung b;
    b.schluessel = schluessel;
    b.art = t.intValue(inzuchtgrad::Art);
    b.name = t.text(inzuchtgrad::Name);
    b.nummer = t.intValue(inzuchtgrad::Nummer);
    b.vater = t.text(inzuchtgrad::Vater);
    b.vaterNr = t.intValue(inzuchtgrad::VaterNr);
    b.mutter = t.text(inzuchtgrad::Mutter);
    b.mutterNr = t.intValue(inzuchtgrad::MutterNr);
    b.generation = t.intValue(inzuchtgrad::Generation);
    b.inzucht = zeilen(t.text(inzuchtgrad::Inzucht));
    b.prozent = t.text(inzuchtgrad::Prozent);
    b.ahnenverlust = zeilen(t.text(inzuchtgrad::Ahnenverlust));
    b.stammbaumkomplett = t.text(inzuchtgrad::Stammbaumkomplett);
    b.info = zeilen(t.text(inzuchtgrad::Info));

    const auto details = [&db, schluessel](const QString &name, const QString &index, auto &&zeile) {
        store::Table d(&db, name);
        d.setReadOnly(true);
        d.setIndexName(index);
        d.open();
        d.setRange({schluessel}, {schluessel});
        for (d.first(); !d.eof(); d.next())
            zeile(d);
    };
    details(Top, inzuchtgradspeicherungtopkatzen::idx::Katze, [&b](store::Table &d) {
        b.topKatzen.append({d.intValue(inzuchtgradspeicherungtopkatzen::Nummern),
                            d.text(inzuchtgradspeicherungtopkatzen::Name),
                            d.text(inzuchtgradspeicherungtopkatzen::Anzahl)});
    });
    b.mitTopKatzen = !b.topKatzen.isEmpty();
    details(Clone, inzuchtspeicherclone::idx::Katze, [&b](store::Table &d) {
        b.klone.append(
            {d.value(inzuchtspeicherclone::Prozent).toDouble(), d.text(inzuchtspeicherclone::Name)});
    });
    details(Vorf, inzuchtgradvorf::idx::Nummer, [&b](store::Table &d) {
        const QVariant farbe = d.value(inzuchtgradvorf::Farbe);
        b.vorfahren.append({d.intValue(inzuchtgradvorf::Katze), d.text(inzuchtgradvorf::Name),
                            d.intValue(inzuchtgradvorf::Anzahl),
                            farbe.isNull() ? std::nullopt : std::optional<qint32>(farbe.toInt())});
    });
    return b;
}

} // namespace tav::breeding
