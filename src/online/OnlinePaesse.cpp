// The passes of an upload and the CSV export: one table read row by row into one file.
#include "OnlineDateien.h"

#include "app/CsvZelle.h"
#include "store/EngineError.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

using namespace tav::store::namen;

namespace tav::online {

using store::Table;

namespace {

enum class Art { Zahl, Text, Memo, Datum, Wahr, Leer };
struct Spalte {
    const char *feld;
    Art art;
};

constexpr Spalte L{"", Art::Leer};

struct PassDef {
    store::SchemaName tabelle;
    const char *filterFeld; // rows with this field > 0 only ("": every row)
    QVector<Spalte> spalten;
};

const PassDef &passDef(int pass)
{
    using A = Art;
    static const QHash<int, PassDef> defs = {
        {PassAdressen,
         {adr_dat::Datei, "", {{"LaufendeNr", A::Zahl},  {"Name", A::Text},        {"Vorname", A::Text},
                               {"Strasse", A::Text},     {"Plz", A::Text},         {"Ort", A::Text},
                               {"Land", A::Text},        {"Telefon", A::Text},     {"Telefax", A::Text},
                               {"Handy", A::Text},       {"email", A::Text},       {"Homepage", A::Text},
                               {"Zwinger", A::Text},     {"Geburtstag", A::Datum}, {"Bemerkung", A::Memo},
                               {"Anrede", A::Text},      {"Status", A::Text},      {"Rasse", A::Zahl},
                               {"Abonnent", A::Wahr},    {"Eintritt", A::Datum},   {"Austritt", A::Datum},
                               {"Gekuendigt", A::Datum}, {"MitgliedsNr", A::Text}, {"ZwingerNr", A::Text}}}},
        {PassRassen,
         {rasse::Datei,
          "",
          {{"RCode", A::Zahl}, {"RName", A::Text}, {"RKurzname", A::Text}, {"RNameEng", A::Text}}}},
        {PassFarben,
         {farbe::Datei,
          "",
          {{"LaufendeNummer", A::Zahl},
           {"Farbnummer", A::Text},
           {"Farbname", A::Text},
           {"Rasseinfo", A::Text}}}},
        {PassMerkmale,
         {merkmale::Datei,
          "",
          {{"LaufendeNummer", A::Zahl}, {"Bezeichnung", A::Text}, {"farbe", A::Text}, {"Kuerzel", A::Text}}}},
        {PassKatzenMerkmale,
         {katzemerkmal::Datei,
          "Katze",
          {{"LaufendeNummer", A::Zahl}, {"Katze", A::Zahl}, {"Merkmal", A::Zahl}}}},
        {PassWuerfe,
         {wurfbuch::Datei,
          "",
          {{"LaufendeNummer", A::Zahl}, {"Katze", A::Zahl},         {"BeginnRollig", A::Datum},
           {"Decktermin", A::Datum},    {"Wurftag", A::Datum},      {"Kater", A::Zahl},
           {"Bemerkung", A::Memo},      {"Wurfstaerke", A::Text},   {"Totgeboren", A::Text},
           {"Verendet", A::Text},       {"Ammenaufzucht", A::Text}, {"Endabnahme", A::Text},
           {"Verfassung", A::Memo},     {"Besichtam", A::Datum},    {"Besichtvon", A::Text},
           {"Abnahmeam", A::Datum},     {"Abnahmevon", A::Text},    {"Decktermin2", A::Datum},
           {"Wurfbez", A::Text},        {"Kennzeichen", A::Wahr},   {"Verblieben", A::Text},
           {"Eingeschlaefert", A::Text}}}},
        {PassDeckungen,
         {deckbuch::Datei,
          "",
          {{"LaufendeNummer", A::Zahl},
           {"Katze", A::Zahl},
           L,
           {"Decktermin", A::Datum},
           {"Wurftag", A::Datum},
           {"Kater", A::Zahl},
           {"Bemerkung", A::Memo},
           L,
           L,
           L,
           L,
           L,
           {"Erfolge", A::Text},
           L,
           L,
           L,
           L,
           L,
           L,
           L,
           L,
           L}}},
    };
    return *defs.find(pass);
}

QString wert(Table &t, const Spalte &s)
{
    const QString feld = QString::fromUtf8(s.feld);
    switch (s.art) {
    case Art::Leer: return QString();
    case Art::Datum: return feldDatum(t.value(feld));
    case Art::Wahr: return feldWahr(t.value(feld));
    default: return t.text(feld);
    }
}

QStringList bildZeile(Table &t)
{
    const QString name = QFileInfo(t.text(bilder::Bildpfad)).fileName();
    QString memo = t.text(bilder::BildMemo1);
    if (memo.isEmpty())
        memo = t.text(bilder::BildMemo2);
    return {t.text(QStringLiteral("LaufendeNr")), t.text(bilder::KatzeNr), name, name, QString(), memo};
}

// Writes one file from one table: `zeile` gives the fields of the current row (none: skip it).
PassErgebnis schreiben(store::Database &db, const QString &tabelle, const QString &index,
                       const QString &datei, bool anhaengen, bool csv, const QStringList &kopf,
                       const std::function<QStringList(Table &)> &zeile, const Fortschritt &f)
{
    PassErgebnis r;
    // written beside the file and renamed over it at the end: a failure leaves the old file whole
    QSaveFile out(datei);
    QByteArray bisher;
    if (anhaengen && QFileInfo::exists(datei)) {
        QFile alt(datei);
        if (!alt.open(QIODevice::ReadOnly)) {
            r.status = PassErgebnis::NichtGeoeffnet;
            r.fehler = alt.errorString();
            return r;
        }
        bisher = alt.readAll();
    }
    // the upload files hold addresses: readable by the user only, set before the first byte
    if (!out.open(QIODevice::WriteOnly) ||
        (!csv && !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))) {
        out.cancelWriting();
        r.status = PassErgebnis::NichtGeoeffnet;
        r.fehler = out.errorString();
        return r;
    }
    auto zeileText = [csv](const QStringList &felder) {
        QString s;
        for (int i = 0; i < felder.size(); ++i) {
            if (csv) {
                if (i)
                    s += QLatin1Char(';');
                s += app::csvZelle(felder[i]);
            } else {
                s += upFeld(felder[i]) + QLatin1Char(';');
            }
        }
        return (s + QStringLiteral("\r\n")).toUtf8();
    };
    bool ok = out.write(bisher) == bisher.size();
    if (csv)
        ok = ok && out.write("\xEF\xBB\xBF") == 3 && out.write(zeileText(kopf)) >= 0;
    try {
        Table t;
        t.setDatabase(&db);
        t.setTableName(tabelle);
        t.setReadOnly(true);
        t.setIndexName(index);
        t.open();
        const int anzahl = t.recordCount();
        int pos = 0;
        for (t.first(); ok && !t.eof(); t.next()) {
            if (f)
                f(++pos, anzahl);
            const QStringList felder = zeile(t);
            if (!felder.isEmpty()) {
                const QByteArray b = zeileText(felder);
                ok = out.write(b) == b.size();
            }
        }
    } catch (const store::EngineError &e) {
        ok = false;
        r.fehler = QString::fromUtf8(e.what());
    }
    // commit() does not notice a failing last flush (a full disk): flushed and checked first
    errno = 0;
    ok = ok && out.flush();
    if (!ok || out.error() != QFileDevice::NoError) {
        r.status = PassErgebnis::Fehler;
        if (r.fehler.isEmpty())
            r.fehler = errno ? QString::fromLocal8Bit(std::strerror(errno)) : out.errorString();
        out.cancelWriting();
        return r;
    }
    if (!out.commit()) {
        r.status = PassErgebnis::Fehler;
        r.fehler = out.errorString();
    }
    return r;
}

} // namespace

PassErgebnis passSchreiben(store::Database &db, int pass, const QString &datei, const Katzenquelle &quelle,
                           const Auswahl &a, const QString &katzenIndex, const Fortschritt &f)
{
    if (pass == PassKatzen) {
        QStringList bilder;
        PassErgebnis r = schreiben(
            db, catstamm::Datei, katzenIndex, datei, false, false, {},
            [&](Table &t) {
                if (a.bilder) {
                    const BildWahl b = quelle.bild(t);
                    if (!b.pfad.isEmpty())
                        bilder << b.pfad;
                }
                return quelle.katzenZeile(t, a);
            },
            f);
        r.bilder = bilder;
        return r;
    }
    if (pass == PassBilder)
        return schreiben(
            db, bilder::Datei, QString(), datei, false, false, {},
            [](Table &t) {
                if (t.intValue(bilder::KatzeNr) <= 0 || t.text(bilder::Bildpfad).isEmpty())
                    return QStringList();
                return bildZeile(t);
            },
            f);
    const PassDef &d = passDef(pass);
    const QString filter = QString::fromUtf8(d.filterFeld);
    return schreiben(
        db, d.tabelle, QString(), datei, pass == PassDeckungen, false, {},
        [&d, &filter](Table &t) {
            QStringList felder;
            if (!filter.isEmpty() && t.intValue(filter) <= 0)
                return felder;
            for (const Spalte &s : d.spalten)
                felder << wert(t, s);
            return felder;
        },
        f);
}

PassErgebnis csvExport(store::Database &db, const QString &datei, const Auswahl &a,
                       const QString &katzenIndex, int sprache, const Fortschritt &f)
{
    const Katzenquelle quelle(db, Modus::Csv, sprache);
    return schreiben(
        db, catstamm::Datei, katzenIndex, datei, false, true, Katzenquelle::csvKopf(),
        [&](Table &t) { return quelle.katzenZeile(t, a); }, f);
}

} // namespace tav::online
