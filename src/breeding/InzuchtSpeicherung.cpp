// InzuchtSpeicherung: saved inbreeding calculations and the inbreeding window's input rules.
#include "InzuchtSpeicherung.h"

#include "store/Database.h"
#include "store/Table.h"
#include "store/Transaction.h"

namespace tav::breeding {

namespace {
const QString Haupt = QStringLiteral("Inzuchtgrad.db");
const QString Vorf = QStringLiteral("InzuchtgradVorf.db");
const QString Clone = QStringLiteral("InzuchtSpeicherClone.db");
const QString Top = QStringLiteral("InzuchtgradSpeicherungTopKatzen.db");

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
    t.setIndexName(QStringLiteral("NameGen"));
    t.open();
    if (!t.findKey({name, generation}))
        return std::nullopt;
    return t.value(QStringLiteral("LaufendeNummer")).toLongLong();
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
        const auto setze = [&haupt](const char *feld, const QVariant &v) {
            haupt.setValue(QString::fromLatin1(feld), v);
        };
        setze("Art", b.art);
        setze("Name", b.name);
        setze("Nummer", b.nummer);
        setze("Vater", b.vater);
        setze("VaterNr", b.vaterNr);
        setze("Mutter", b.mutter);
        setze("MutterNr", b.mutterNr);
        setze("Generation", b.generation);
        setze("Inzucht", zeilen(b.inzucht));
        setze("Prozent", b.prozent);
        setze("Ahnenverlust", zeilen(b.ahnenverlust));
        setze("Stammbaumkomplett", b.stammbaumkomplett);
        setze("Info", zeilen(b.info));
        haupt.post();
        schluessel = haupt.value(QStringLiteral("LaufendeNummer")).toLongLong();
    }

    store::Table top(&db, Top), clone(&db, Clone), vorf(&db, Vorf);
    top.setIndexName(QStringLiteral("Katze"));
    clone.setIndexName(QStringLiteral("Katze"));
    vorf.setIndexName(QStringLiteral("Nummer"));
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
            top.setValue(QStringLiteral("Katze"), schluessel);
            top.setValue(QStringLiteral("Nummern"), t.slot);
            top.setValue(QStringLiteral("Name"), t.name);
            top.setValue(QStringLiteral("Anzahl"), t.anzahl);
            top.post();
        }
    }
    for (const auto &k : b.klone) {
        clone.append();
        clone.setValue(QStringLiteral("Katze"), schluessel);
        clone.setValue(QStringLiteral("Prozent"), k.prozent);
        clone.setValue(QStringLiteral("Name"), k.name);
        clone.post();
    }
    vorf.open();
    if (ersetzen)
        entferneDetails(vorf, schluessel);
    for (const auto &v : b.vorfahren) {
        vorf.append();
        vorf.setValue(QStringLiteral("Nummer"), schluessel);
        vorf.setValue(QStringLiteral("Katze"), v.katze);
        vorf.setValue(QStringLiteral("Name"), v.name);
        vorf.setValue(QStringLiteral("Anzahl"), v.anzahl);
        if (v.farbe)
            vorf.setValue(QStringLiteral("Farbe"), *v.farbe);
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
    t.setIndexName(QStringLiteral("NameGen"));
    t.open();
    for (t.first(); !t.eof(); t.next()) {
        liste.append({t.value(QStringLiteral("LaufendeNummer")).toLongLong(), t.text(QStringLiteral("Name")),
                      t.intValue(QStringLiteral("Generation"))});
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
    b.art = t.intValue(QStringLiteral("Art"));
    b.name = t.text(QStringLiteral("Name"));
    b.nummer = t.intValue(QStringLiteral("Nummer"));
    b.vater = t.text(QStringLiteral("Vater"));
    b.vaterNr = t.intValue(QStringLiteral("VaterNr"));
    b.mutter = t.text(QStringLiteral("Mutter"));
    b.mutterNr = t.intValue(QStringLiteral("MutterNr"));
    b.generation = t.intValue(QStringLiteral("Generation"));
    b.inzucht = zeilen(t.text(QStringLiteral("Inzucht")));
    b.prozent = t.text(QStringLiteral("Prozent"));
    b.ahnenverlust = zeilen(t.text(QStringLiteral("Ahnenverlust")));
    b.stammbaumkomplett = t.text(QStringLiteral("Stammbaumkomplett"));
    b.info = zeilen(t.text(QStringLiteral("Info")));

    const auto details = [&db, schluessel](const QString &name, const QString &index, auto &&zeile) {
        store::Table d(&db, name);
        d.setReadOnly(true);
        d.setIndexName(index);
        d.open();
        d.setRange({schluessel}, {schluessel});
        for (d.first(); !d.eof(); d.next())
            zeile(d);
    };
    details(Top, QStringLiteral("Katze"), [&b](store::Table &d) {
        b.topKatzen.append({d.intValue(QStringLiteral("Nummern")), d.text(QStringLiteral("Name")),
                            d.text(QStringLiteral("Anzahl"))});
    });
    b.mitTopKatzen = !b.topKatzen.isEmpty();
    details(Clone, QStringLiteral("Katze"), [&b](store::Table &d) {
        b.klone.append({d.value(QStringLiteral("Prozent")).toDouble(), d.text(QStringLiteral("Name"))});
    });
    details(Vorf, QStringLiteral("Nummer"), [&b](store::Table &d) {
        const QVariant farbe = d.value(QStringLiteral("Farbe"));
        b.vorfahren.append({d.intValue(QStringLiteral("Katze")), d.text(QStringLiteral("Name")),
                            d.intValue(QStringLiteral("Anzahl")),
                            farbe.isNull() ? std::nullopt : std::optional<qint32>(farbe.toInt())});
    });
    return b;
}

} // namespace tav::breeding
