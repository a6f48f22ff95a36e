// import-pedigree and coi: pedigrees from a semicolon file, inbreeding of a cat or a planned mating.
//
// The pedigree file: UTF-8 (a leading byte-order mark is skipped), first line
// "Name;Geschlecht;Vater;Mutter;GebDatum;Rasse". Fields are split at every ';' and trimmed; quotes
// are part of the text. Blank lines are skipped. A parent is the name of a cat further up in the
// file or in the register; it must be of the parent's sex (sire 1 or 3, dam 2 or 4), and among the
// cats of that sex the name must pick out exactly one, else the line is refused: a sire of the wrong
// sex is nearly always a mix-up of names and would distort every later calculation. Every line is
// checked before anything is written; one bad line and nothing is imported.
#include "app/DataHome.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QDate>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTextStream>

using namespace tav;
using store::Database;
using store::Query;

namespace {

const QString Katzen = QStringLiteral("CATSTAMM.DB");

bool istKater(const QString &g)
{
    return g == QLatin1String("1") || g == QLatin1String("3");
}

bool istKatze(const QString &g)
{
    return g == QLatin1String("2") || g == QLatin1String("4");
}

// ---------------------------------------------------------------- import-pedigree

struct Kandidat {
    qint32 nummer = 0; // in the register, or 0
    int zeile = 0;     // line of the file, or 0
    QString geschlecht;

    QString text() const
    {
        return nummer ? QStringLiteral("Nr. %1").arg(nummer) : QStringLiteral("Zeile %1").arg(zeile);
    }
};

struct NeueKatze {
    int zeile = 0;
    QString name;
    QString geschlecht;
    QDate geboren;
    qint32 rasse = 0;
    // a parent is either a cat of the register (nummer) or one of the new cats (index), or absent
    qint32 vaterNr = 0, mutterNr = 0;
    int vaterNeu = -1, mutterNeu = -1;
};

std::optional<QDate> leseDatum(const QString &s)
{
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    static const QRegularExpression deutsch(QStringLiteral("^(\\d{2})\\.(\\d{2})\\.(\\d{4})$"));
    if (s.isEmpty())
        return QDate();
    QDate d;
    if (const auto m = iso.match(s); m.hasMatch())
        d = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    else if (const auto m = deutsch.match(s); m.hasMatch())
        d = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

} // namespace

int importPedigree(const QString &home, const QString &pfad, QTextStream &out, QTextStream &err)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        err << "Datei kann nicht gelesen werden: " << pfad << "\n";
        return 1;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString inhalt = utf8.decode(datei.readAll());
    if (utf8.hasError()) {
        err << "Die Datei ist nicht in UTF-8 geschrieben: " << pfad << "\nNichts importiert.\n";
        return 1;
    }
    QStringList zeilen = inhalt.split(QLatin1Char('\n'));
    for (QString &z : zeilen)
        if (z.endsWith(QLatin1Char('\r')))
            z.chop(1);

    Database db(app::dataDirOf(home));
    if (!db.tableExists(Katzen)) {
        err << "Kein Katzenregister in " << db.dataDir() << " (zuerst: init)\n";
        return 1;
    }

    const QStringList kopf = {QStringLiteral("Name"),     QStringLiteral("Geschlecht"),
                              QStringLiteral("Vater"),    QStringLiteral("Mutter"),
                              QStringLiteral("GebDatum"), QStringLiteral("Rasse")};
    QStringList fehler;
    auto fehlerIn = [&](int zeile, const QString &text) {
        fehler << QStringLiteral("Zeile %1: %2").arg(zeile).arg(text);
    };
    QStringList kopfZeile = zeilen.value(0).split(QLatin1Char(';'));
    for (QString &f : kopfZeile)
        f = f.trimmed();
    if (kopfZeile != kopf) {
        fehlerIn(1, QStringLiteral("Kopfzeile muss „%1“ lauten").arg(kopf.join(QLatin1Char(';'))));
        err << fehler.first() << "\nNichts importiert.\n";
        return 1;
    }

    QHash<QString, QVector<Kandidat>> namen;
    {
        Query q(&db, QStringLiteral("SELECT LaufendeNummer, Name, Geschlecht FROM \"catstamm.db\""));
        for (q.open(); !q.eof(); q.next())
            namen[q.value(1).toString()].append(Kandidat{q.value(0).toInt(), 0, q.value(2).toString()});
    }
    QSet<qint32> rassen;
    if (db.tableExists(QStringLiteral("RASSE.DB"))) {
        Query q(&db, QStringLiteral("SELECT RCode FROM \"rasse.db\""));
        for (q.open(); !q.eof(); q.next())
            rassen.insert(q.value(0).toInt());
    }
    const int nameLaenge = store::findTableDef(Katzen)->field(QStringLiteral("Name"))->size;

    QVector<NeueKatze> neu;
    QHash<int, int> neuNachZeile; // line -> index in neu
    for (int i = 1; i < zeilen.size(); ++i) {
        const int nr = i + 1;
        if (zeilen[i].trimmed().isEmpty())
            continue;
        QStringList f = zeilen[i].split(QLatin1Char(';'));
        if (f.size() != kopf.size()) {
            fehlerIn(nr, QStringLiteral("%1 Spalten statt %2").arg(f.size()).arg(kopf.size()));
            continue;
        }
        for (QString &s : f)
            s = s.trimmed();
        NeueKatze k;
        k.zeile = nr;
        k.name = f[0];
        k.geschlecht = f[1];
        bool gut = true;
        if (k.name.isEmpty()) {
            fehlerIn(nr, QStringLiteral("Name fehlt"));
            gut = false;
        } else if (k.name.size() > nameLaenge) {
            fehlerIn(nr, QStringLiteral("Name länger als %1 Zeichen").arg(nameLaenge));
            gut = false;
        }
        if (!istKater(k.geschlecht) && !istKatze(k.geschlecht)) {
            fehlerIn(nr, QStringLiteral("Geschlecht „%1“ ist nicht 1, 2, 3 oder 4").arg(k.geschlecht));
            gut = false;
        }
        if (const auto d = leseDatum(f[4]))
            k.geboren = *d;
        else {
            fehlerIn(
                nr,
                QStringLiteral("Geburtsdatum „%1“ ist kein Datum (JJJJ-MM-TT oder TT.MM.JJJJ)").arg(f[4]));
            gut = false;
        }
        if (!f[5].isEmpty()) {
            bool ok = false;
            k.rasse = f[5].toInt(&ok);
            if (!ok || !rassen.contains(k.rasse)) {
                fehlerIn(nr, QStringLiteral("Rasse „%1“ ist nicht in der Rassentabelle").arg(f[5]));
                gut = false;
            }
        }
        // a parent must name exactly one cat of the right sex above this line or in the register
        auto elter = [&](const QString &name, bool vater, qint32 &nummer, int &index) {
            if (name.isEmpty())
                return true;
            const QString rolle = vater ? QStringLiteral("Vater") : QStringLiteral("Mutter");
            const QVector<Kandidat> alle = namen.value(name);
            QVector<Kandidat> passend;
            for (const Kandidat &c : alle)
                if (vater ? istKater(c.geschlecht) : istKatze(c.geschlecht))
                    passend << c;
            if (alle.isEmpty()) {
                fehlerIn(nr,
                         QStringLiteral("%1 „%2“ steht weder weiter oben in der Datei noch im Katzenregister")
                             .arg(rolle, name));
                return false;
            }
            if (passend.isEmpty()) {
                fehlerIn(nr, QStringLiteral("%1 „%2“ ist %3")
                                 .arg(rolle, name,
                                      vater ? QStringLiteral("kein Kater") : QStringLiteral("keine Katze")));
                return false;
            }
            if (passend.size() > 1) {
                QStringList wer;
                for (const Kandidat &c : passend)
                    wer << c.text();
                fehlerIn(nr,
                         QStringLiteral("%1 „%2“ ist nicht eindeutig (%3)").arg(rolle, name, wer.join(", ")));
                return false;
            }
            nummer = passend.first().nummer;
            index = passend.first().nummer ? -1 : neuNachZeile.value(passend.first().zeile, -1);
            return true;
        };
        gut = elter(f[2], true, k.vaterNr, k.vaterNeu) && gut;
        gut = elter(f[3], false, k.mutterNr, k.mutterNeu) && gut;
        if (!k.name.isEmpty())
            namen[k.name].append(Kandidat{0, nr, k.geschlecht});
        if (gut) {
            neuNachZeile.insert(nr, int(neu.size()));
            neu << k;
        }
    }
    if (!fehler.isEmpty()) {
        for (const QString &f : fehler)
            err << f << "\n";
        err << "Nichts importiert.\n";
        return 1;
    }

    store::Table t(&db, Katzen);
    t.open();
    QVector<qint32> nummern(neu.size(), 0);
    db.beginTransaction(Katzen);
    try {
        for (int i = 0; i < neu.size(); ++i) {
            const NeueKatze &k = neu[i];
            const qint32 vater = k.vaterNeu >= 0 ? nummern[k.vaterNeu] : k.vaterNr;
            const qint32 mutter = k.mutterNeu >= 0 ? nummern[k.mutterNeu] : k.mutterNr;
            t.append();
            t.setValue(QStringLiteral("Name"), k.name);
            t.setValue(QStringLiteral("Geschlecht"), k.geschlecht);
            t.setValue(QStringLiteral("GebDatum"), k.geboren);
            t.setValue(QStringLiteral("Rasse"), k.rasse ? QVariant(k.rasse) : QVariant());
            t.setValue(QStringLiteral("Vater"), vater ? QVariant(vater) : QVariant());
            t.setValue(QStringLiteral("Mutter"), mutter ? QVariant(mutter) : QVariant());
            t.post();
            nummern[i] = t.value(QStringLiteral("LaufendeNummer")).toInt();
        }
        db.commit(Katzen);
    } catch (...) {
        if (t.isEditing())
            t.cancel();
        db.rollback(Katzen);
        throw;
    }
    out << neu.size() << " Katzen importiert\n";
    return 0;
}

// ---------------------------------------------------------------- coi

namespace {

struct Gefunden {
    qint32 nummer = 0;
    QString fehler;
};

QString beschreibe(Query &q)
{
    const QDate geb = q.value(3).toDate();
    return QStringLiteral("  Nr. %1: %2 (Geschlecht %3%4)")
        .arg(q.value(0).toInt())
        .arg(q.value(1).toString(), q.value(2).toString(),
             geb.isValid() ? QStringLiteral(", geboren ") + geb.toString(QStringLiteral("dd.MM.yyyy"))
                           : QString());
}

// sex: 0 any, 1 male, 2 female
Gefunden katzeNachName(Database &db, const QString &name, int geschlecht, const QString &rolle)
{
    Query q(&db, QStringLiteral("SELECT LaufendeNummer, Name, Geschlecht, GebDatum FROM \"catstamm.db\" "
                                "WHERE Name = ? ORDER BY LaufendeNummer"));
    q.addBindValue(name);
    QVector<qint32> passend;
    QStringList alle;
    for (q.open(); !q.eof(); q.next()) {
        const QString g = q.value(2).toString();
        if (geschlecht == 0 || (geschlecht == 1 ? istKater(g) : istKatze(g)))
            passend << q.value(0).toInt();
        alle << beschreibe(q);
    }
    if (passend.size() == 1)
        return {passend.first(), QString()};
    if (passend.size() > 1)
        return {0, QStringLiteral("%1 „%2“ ist nicht eindeutig; in Frage kommen:\n%3")
                       .arg(rolle, name, alle.join(QLatin1Char('\n')))};
    if (!alle.isEmpty())
        return {0, QStringLiteral("%1 „%2“ ist %3:\n%4")
                       .arg(rolle, name,
                            geschlecht == 1 ? QStringLiteral("kein Kater") : QStringLiteral("keine Katze"),
                            alle.join(QLatin1Char('\n')))};
    QString muster = name;
    muster.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    Query aehnlich(&db,
                   QStringLiteral("SELECT LaufendeNummer, Name, Geschlecht, GebDatum FROM \"catstamm.db\" "
                                  "WHERE Name LIKE ? ESCAPE '\\' ORDER BY Name LIMIT 20"));
    aehnlich.addBindValue(QLatin1Char('%') + muster + QLatin1Char('%'));
    QStringList vorschlaege;
    for (aehnlich.open(); !aehnlich.eof(); aehnlich.next())
        vorschlaege << beschreibe(aehnlich);
    return {0,
            QStringLiteral("%1 „%2“ ist nicht im Katzenregister%3")
                .arg(rolle, name,
                     vorschlaege.isEmpty() ? QStringLiteral(".")
                                           : QStringLiteral("; ähnliche Namen:\n") + vorschlaege.join('\n'))};
}

QJsonValue zahlWert(const QString &dezimal)
{
    // exact up to 2^53; larger counts keep every digit as text
    bool ok = false;
    const qulonglong n = dezimal.toULongLong(&ok);
    if (ok && n <= (1ull << 53))
        return QJsonValue(double(n));
    return QJsonValue(dezimal);
}

} // namespace

int coi(const QString &home, const QStringList &args, QTextStream &out, QTextStream &err)
{
    QHash<QString, QString> opt;
    bool json = false, details = false;
    const QStringList mitWert = {"--cat",       "--cat-name", "--sire",        "--dam",
                                 "--sire-name", "--dam-name", "--generations", "--max-lines"};
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--json")) {
            json = true;
        } else if (args[i] == QLatin1String("--details")) {
            details = true;
        } else if (mitWert.contains(args[i]) && i + 1 < args.size() && !opt.contains(args[i])) {
            opt.insert(args[i], args[i + 1]);
            ++i;
        } else {
            err << "Unbekannte oder doppelte Angabe: " << args[i] << "\n";
            return 2;
        }
    }
    const bool katzeGegeben = opt.contains("--cat") || opt.contains("--cat-name");
    const bool vaterGegeben = opt.contains("--sire") || opt.contains("--sire-name");
    const bool mutterGegeben = opt.contains("--dam") || opt.contains("--dam-name");
    if ((opt.contains("--cat") && opt.contains("--cat-name")) ||
        (opt.contains("--sire") && opt.contains("--sire-name")) ||
        (opt.contains("--dam") && opt.contains("--dam-name")) ||
        katzeGegeben == (vaterGegeben || mutterGegeben) ||
        (!katzeGegeben && !(vaterGegeben && mutterGegeben))) {
        err << "Aufruf: coi (--cat N | --cat-name NAME | --sire N --dam M | --sire-name A --dam-name B)"
               " [--generations G] [--details [--max-lines N]] [--json]\n";
        return 2;
    }
    // the default of the inbreeding setting Generationen
    int generationen = 5;
    if (opt.contains("--generations")) {
        bool ok = false;
        generationen = opt.value("--generations").toInt(&ok);
        if (!ok || generationen < 3 || generationen > 255) {
            err << "--generations: eine Zahl von 3 bis 255\n";
            return 2;
        }
    }

    // each list of --details ends after this many lines with a line that counts the rest
    int zeilenGrenze = breeding::InzuchtBerechnung::Einstellungen().zeilenGrenze;
    if (opt.contains("--max-lines")) {
        bool ok = false;
        zeilenGrenze = opt.value("--max-lines").toInt(&ok);
        if (!ok || zeilenGrenze < 0) {
            err << "--max-lines: eine Zahl ab 0\n";
            return 2;
        }
    }
    for (const char *zahl : {"--cat", "--sire", "--dam"}) {
        bool ok = false;
        if (opt.contains(zahl) && (opt.value(zahl).toInt(&ok), !ok)) {
            err << zahl << ": „" << opt.value(zahl) << "“ ist keine Zahl\n";
            return 2;
        }
    }

    Database db(app::dataDirOf(home));
    if (!db.tableExists(Katzen)) {
        err << "Kein Katzenregister in " << db.dataDir() << "\n";
        return 1;
    }
    breeding::StorePedigree stamm(db);

    auto nummer = [&](const QString &zahlOpt, const QString &nameOpt, int geschlecht, const QString &rolle,
                      qint32 &ziel) -> bool {
        if (opt.contains(nameOpt)) {
            const Gefunden g = katzeNachName(db, opt.value(nameOpt), geschlecht, rolle);
            if (!g.nummer) {
                err << g.fehler << "\n";
                return false;
            }
            ziel = g.nummer;
            return true;
        }
        bool ok = false;
        ziel = opt.value(zahlOpt).toInt(&ok);
        const auto k = ok ? stamm.katze(ziel) : std::nullopt;
        if (!k) {
            err << rolle << " Nr. " << opt.value(zahlOpt) << " ist nicht im Katzenregister\n";
            return false;
        }
        if (geschlecht && !(geschlecht == 1 ? istKater(k->geschlecht) : istKatze(k->geschlecht))) {
            err << rolle << " Nr. " << ziel << " (" << k->name << ") ist "
                << (geschlecht == 1 ? "kein Kater" : "keine Katze") << "\n";
            return false;
        }
        return true;
    };

    qint32 tier = 0, vater = 0, mutter = 0;
    if (katzeGegeben) {
        if (!nummer("--cat", "--cat-name", 0, QStringLiteral("Katze"), tier))
            return 1;
        const auto k = stamm.katze(tier);
        vater = k->vater;
        mutter = k->mutter;
    } else if (!nummer("--sire", "--sire-name", 1, QStringLiteral("Vater"), vater) ||
               !nummer("--dam", "--dam-name", 2, QStringLiteral("Mutter"), mutter)) {
        return 1;
    }

    QHash<int, QString> meldungen;
    if (db.tableExists(QStringLiteral("SPRMEL.DB"))) {
        Query q(&db, QStringLiteral("SELECT Nummer, Meldung FROM \"sprmel.db\" WHERE Nummer < 10000"));
        for (q.open(); !q.eof(); q.next())
            meldungen.insert(q.value(0).toInt(), q.value(1).toString());
    }
    breeding::InzuchtBerechnung e(
        stamm, [&](int nr) { return meldungen.value(nr, QStringLiteral("Meldung %1").arg(nr)); });
    // the pair list keeps every line's step counts apart, which costs much more at depth
    e.einstellungen.inzuchtMitVorfahren = details;
    e.einstellungen.zeilenGrenze = zeilenGrenze;
    if (!e.Berechne(tier, vater, mutter, generationen, true)) {
        QString text =
            e.fehlerText.isEmpty() ? QStringLiteral("Die Berechnung ist fehlgeschlagen.") : e.fehlerText;
        err << text.replace(QLatin1Char('\r'), QLatin1Char('\n')) << "\n";
        if (e.fehlerMeldung == 126)
            err << "Weniger Generationen angeben" << (details ? " oder ohne --details rechnen" : "") << ".\n";
        return 1;
    }

    auto name = [&](qint32 nr) {
        const auto k = stamm.katze(nr);
        return k ? k->name : QString();
    };
    if (json) {
        QJsonObject o;
        if (tier)
            o.insert("cat", tier);
        o.insert("sire", vater);
        o.insert("dam", mutter);
        o.insert("generations", e.generationen);
        o.insert("coefficient", e.koeffizient);
        o.insert("text", e.Inzuchtkoeffizient);
        o.insert("shortText", e.Inzuchtkoeffizientkurz);
        o.insert("possible", zahlWert(e.AnzahlMoeglicherVorf.text()));
        o.insert("present", zahlWert(breeding::anzahlText(e.AnzahlVorhandenerVorf)));
        o.insert("distinct", zahlWert(breeding::anzahlText(e.verschiedeneVorfahren)));
        o.insert("duplicates", zahlWert(breeding::anzahlText(e.zaehlerdoppelt)));
        o.insert("ancestorLoss", e.ahnenverlust);
        o.insert("complete", e.komplett);
        o.insert("inbreedingLines", QJsonArray::fromStringList(e.Inzucht));
        o.insert("info", QJsonArray::fromStringList(e.Info));
        out << QJsonDocument(o).toJson(QJsonDocument::Indented);
        return 0;
    }
    if (tier)
        out << "Katze: " << name(tier) << " (Nr. " << tier << ")\n";
    else
        out << "Geplante Verpaarung\n";
    out << "Vater: " << name(vater) << " (Nr. " << vater << ")\n";
    out << "Mutter: " << name(mutter) << " (Nr. " << mutter << ")\n";
    out << "Generationen: " << e.generationen << "\n";
    out << "Inzuchtkoeffizient:" << e.Inzuchtkoeffizient << "\n";
    out << "Inzuchtkoeffizient kurz: " << e.Inzuchtkoeffizientkurz << "\n";
    out << "Ahnenverlustkoeffizient: " << e.Ahnenverlustkoeffizient << "\n";
    out << e.Stammbaumkomplett << "\n";
    auto liste = [&](const char *titel, const QStringList &zeilen) {
        if (zeilen.isEmpty())
            return;
        out << "\n" << titel << "\n";
        for (const QString &z : zeilen)
            out << (z.isEmpty() ? QString() : QStringLiteral("  ") + z) << "\n";
    };
    liste("Inzucht:", e.Inzucht);
    liste("Ahnenverlust:", e.Ahnenverlust);
    liste("Info:", e.Info);
    liste("Klon:", e.Clon);
    return 0;
}
