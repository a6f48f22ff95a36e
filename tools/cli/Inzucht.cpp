// coi: inbreeding of a cat or a planned mating.
#include "Cli.h"

#include "app/DataHome.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "store/Database.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"

#include <QDate>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace tav::store::namen;

using namespace tav;
using store::Database;
using store::Query;

namespace {

const QString Katzen = catstamm::Datei;

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

int pruefeTierAngaben(const Angaben &a, const QString &aufruf, int &generationen, QTextStream &err)
{
    const QHash<QString, QString> &opt = a.werte;
    const bool katzeGegeben = opt.contains("--cat") || opt.contains("--cat-name");
    const bool vaterGegeben = opt.contains("--sire") || opt.contains("--sire-name");
    const bool mutterGegeben = opt.contains("--dam") || opt.contains("--dam-name");
    if ((opt.contains("--cat") && opt.contains("--cat-name")) ||
        (opt.contains("--sire") && opt.contains("--sire-name")) ||
        (opt.contains("--dam") && opt.contains("--dam-name")) ||
        katzeGegeben == (vaterGegeben || mutterGegeben) ||
        (!katzeGegeben && !(vaterGegeben && mutterGegeben))) {
        err << "Aufruf: " << aufruf << "\n";
        return 2;
    }
    // the default of the inbreeding setting Generationen
    generationen = 5;
    if (opt.contains("--generations")) {
        bool ok = false;
        generationen = opt.value("--generations").toInt(&ok);
        if (!ok || generationen < 3 || generationen > 255) {
            err << "--generations: eine Zahl von 3 bis 255\n";
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
    return 0;
}

bool findeKatze(Database &db, const breeding::PedigreeSource &stamm, const Angaben &a, const QString &zahlOpt,
                const QString &nameOpt, int geschlecht, const QString &rolle, qint32 &ziel, QTextStream &err)
{
    const QHash<QString, QString> &opt = a.werte;
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
}

bool findeTiere(Database &db, const breeding::StorePedigree &stamm, const Angaben &a, Tiere &t,
                QTextStream &err)
{
    const QHash<QString, QString> &opt = a.werte;
    t.tier = t.vater = t.mutter = 0;
    if (opt.contains("--cat") || opt.contains("--cat-name")) {
        if (!findeKatze(db, stamm, a, "--cat", "--cat-name", 0, QStringLiteral("Katze"), t.tier, err))
            return false;
        const auto k = stamm.katze(t.tier);
        t.vater = k->vater;
        t.mutter = k->mutter;
        return true;
    }
    return findeKatze(db, stamm, a, "--sire", "--sire-name", 1, QStringLiteral("Vater"), t.vater, err) &&
           findeKatze(db, stamm, a, "--dam", "--dam-name", 2, QStringLiteral("Mutter"), t.mutter, err);
}

QString berechnungsFehler(const breeding::InzuchtBerechnung &e, const breeding::InzuchtTextArt &art,
                          bool mitDetails)
{
    QString text = breeding::fehlerText(e.fehler(), art);
    if (text.isEmpty())
        text = QStringLiteral("Die Berechnung ist fehlgeschlagen.");
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (e.fehler().meldung == 126)
        text += QStringLiteral("\nWeniger Generationen angeben") +
                (mitDetails ? QStringLiteral(" oder ohne --details rechnen") : QString()) + QLatin1Char('.');
    return text;
}

int coi(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err)
{
    const QHash<QString, QString> &opt = a.werte;
    const bool json = a.hat(QStringLiteral("--json")), details = a.hat(QStringLiteral("--details"));
    int generationen = 5;
    if (const int rc = pruefeTierAngaben(
            a,
            QStringLiteral("coi (--cat N | --cat-name NAME | --sire N --dam M | --sire-name A --dam-name B)"
                           " [--generations G] [--details [--max-lines N]] [--json]"),
            generationen, err))
        return rc;

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

    Database db(app::dataDirOf(home));
    if (!db.tableExists(Katzen)) {
        err << "Kein Katzenregister in " << db.dataDir() << "\n";
        return 1;
    }
    breeding::StorePedigree stamm(db);
    Tiere t;
    if (!findeTiere(db, stamm, a, t, err))
        return 1;
    const qint32 tier = t.tier, vater = t.vater, mutter = t.mutter;

    QHash<int, QString> meldungen;
    if (db.tableExists(sprmel::Datei)) {
        Query q(&db, QStringLiteral("SELECT Nummer, Meldung FROM \"sprmel.db\" WHERE Nummer < 10000"));
        for (q.open(); !q.eof(); q.next())
            meldungen.insert(q.value(0).toInt(), q.value(1).toString());
    }
    breeding::InzuchtBerechnung e(stamm);
    breeding::InzuchtTextArt art;
    art.meldung = [&](int nr) { return meldungen.value(nr, QStringLiteral("Meldung %1").arg(nr)); };
    // the pair list keeps every line's step counts apart, which costs much more at depth
    e.einstellungen.inzuchtMitVorfahren = details;
    e.einstellungen.zeilenGrenze = zeilenGrenze;
    if (!e.Berechne(tier, vater, mutter, generationen, true)) {
        err << berechnungsFehler(e, art, details) << "\n";
        return 1;
    }
    const breeding::InzuchtErgebnis &r = *e.ergebnis();
    const breeding::InzuchtTexte tx = breeding::inzuchtTexte(r, art);

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
        o.insert("generations", r.generationen);
        o.insert("coefficient", r.koeffizient);
        o.insert("text", tx.Inzuchtkoeffizient);
        o.insert("shortText", tx.Inzuchtkoeffizientkurz);
        o.insert("possible", zahlWert(r.AnzahlMoeglicherVorf.text()));
        o.insert("present", zahlWert(breeding::anzahlText(r.AnzahlVorhandenerVorf)));
        o.insert("distinct", zahlWert(breeding::anzahlText(r.verschiedeneVorfahren)));
        o.insert("duplicates", zahlWert(breeding::anzahlText(r.zaehlerdoppelt)));
        o.insert("ancestorLoss", r.ahnenverlust);
        o.insert("complete", r.komplett);
        o.insert("inbreedingLines", QJsonArray::fromStringList(tx.Inzucht));
        o.insert("info", QJsonArray::fromStringList(tx.Info));
        out << QJsonDocument(o).toJson(QJsonDocument::Indented);
        return 0;
    }
    if (tier)
        out << "Katze: " << name(tier) << " (Nr. " << tier << ")\n";
    else
        out << "Geplante Verpaarung\n";
    out << "Vater: " << name(vater) << " (Nr. " << vater << ")\n";
    out << "Mutter: " << name(mutter) << " (Nr. " << mutter << ")\n";
    out << "Generationen: " << r.generationen << "\n";
    out << "Inzuchtkoeffizient:" << tx.Inzuchtkoeffizient << "\n";
    out << "Inzuchtkoeffizient kurz: " << tx.Inzuchtkoeffizientkurz << "\n";
    out << "Ahnenverlustkoeffizient: " << tx.Ahnenverlustkoeffizient << "\n";
    out << tx.Stammbaumkomplett << "\n";
    auto liste = [&](const char *titel, const QStringList &zeilen) {
        if (zeilen.isEmpty())
            return;
        out << "\n" << titel << "\n";
        for (const QString &z : zeilen)
            out << (z.isEmpty() ? QString() : QStringLiteral("  ") + z) << "\n";
    };
    liste("Inzucht:", tx.Inzucht);
    liste("Ahnenverlust:", tx.Ahnenverlust);
    liste("Info:", tx.Info);
    liste("Klon:", tx.Clon);
    return 0;
}
