// plan-matings and print mating-plan: the candidate toms for a queen with the kittens' figures.
#include "Cli.h"
#include "Druckausgabe.h"

#include "app/CsvZelle.h"
#include "app/DataHome.h"
#include "app/Sprache.h"
#include "breeding/Deckplaner.h"
#include "breeding/StorePedigree.h"
#include "printouts/ReportDeckplan.h"
#include "store/Database.h"
#include "store/Namen_register.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace tav::store::namen;

using namespace tav;
using breeding::DeckSpalte;

namespace {

const QString Aufruf = QStringLiteral(
    "(--dam N | --dam-name NAME) [--generations G] [--breed RCODE] [--status N] [--own] [--with-dead]"
    " [--age-from N] [--age-to N] [--avoid MERKMAL,...]");
const QStringList MitWert = {"--dam",    "--dam-name", "--generations", "--breed",
                             "--status", "--age-from", "--age-to",      "--avoid"};
const QStringList Schalter = {"--own", "--with-dead"};

struct Plan {
    breeding::Deckplaner planer;
    qint32 koenigin = 0;
    QVector<breeding::DeckZeile> zeilen;
};

// 0 with the plan, else the exit code with the reason on `err`
int planen(store::Database &db, const app::Sprache &katalog, const Angaben &a, QChar dezimal, Plan &p,
           QTextStream &err)
{
    if (a.hat("--dam") == a.hat("--dam-name")) {
        err << "Aufruf: plan-matings " << Aufruf << "\n";
        return 2;
    }
    const auto zahl = [&](const char *option, int von, int bis, int &ziel) {
        if (!a.hat(QLatin1String(option)))
            return true;
        bool ok = false;
        ziel = a.wert(QLatin1String(option)).toInt(&ok);
        if (ok && ziel >= von && ziel <= bis)
            return true;
        err << option << ": eine Zahl von " << von << " bis " << bis << "\n";
        return false;
    };
    int generationen = 5;
    breeding::DeckFilter f;
    int rasse = 0;
    if (!zahl("--generations", 3, 255, generationen) || !zahl("--breed", 0, 1 << 30, rasse) ||
        !zahl("--status", 0, 9, f.status) || !zahl("--age-from", 0, 99, f.alterVon) ||
        !zahl("--age-to", 0, 99, f.alterBis) || !zahl("--dam", 1, 1 << 30, p.koenigin))
        return 2;
    f.rasse = rasse;
    f.nurEigene = a.hat("--own");
    f.nurLebende = !a.hat("--with-dead");
    if (!db.tableExists(catstamm::Datei)) {
        err << "Kein Katzenregister in " << db.dataDir() << "\n";
        return 1;
    }
    breeding::StorePedigree stamm(db, breeding::StorePedigree::Laden::Einzeln);
    if (!findeKatze(db, stamm, a, "--dam", "--dam-name", 2, QStringLiteral("Mutter"), p.koenigin, err))
        return 1;
    p.planer.lese(db);
    for (const QString &name : a.wert("--avoid").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qint32 nr = p.planer.merkmalNamen().key(name.trimmed(), 0);
        if (nr == 0) {
            err << "--avoid: kein Merkmal „" << name.trimmed() << "“\n";
            return 2;
        }
        f.meiden.insert(nr);
    }
    if (!p.planer.waehleKatze(p.koenigin, generationen, dezimal)) {
        err << katalog.message(p.planer.fehler) << "\n";
        return 1;
    }
    p.planer.rechne(p.planer.kandidaten(f), p.zeilen, {});
    breeding::sortiere(p.zeilen, DeckSpalte::IK, false);
    return 0;
}

std::optional<report::ReportJob> druck(Kontext &k)
{
    Plan p;
    const QChar dezimal = k.katalog.languageNumber() == 1 ? QLatin1Char('.') : QLatin1Char(',');
    if ((k.rc = planen(k.db, k.katalog, k.a, dezimal, p, k.err)))
        return std::nullopt;
    return printouts::reportDeckplan(printouts::deckplanDruck(p.planer, p.koenigin, p.zeilen,
                                                              [&](int nr) { return k.katalog.message(nr); }));
}

} // namespace

QStringList deckplanOptionen()
{
    return MitWert + QStringList{QStringLiteral("--csv")};
}

QStringList deckplanSchalter()
{
    return Schalter + QStringList{QStringLiteral("--json")};
}

QList<Druckausgabe> deckplanDruckausgaben()
{
    return {{QStringLiteral("mating-plan"), Aufruf, MitWert, Schalter, druck}};
}

int planMatings(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err)
{
    if (a.hat("--csv") && a.hat("--json")) {
        err << "plan-matings: --csv oder --json, nicht beides\n";
        return 2;
    }
    store::Database db(app::dataDirOf(home));
    app::Sprache katalog;
    katalog.open(&db);
    Plan p;
    if (const int rc = planen(db, katalog, a, QLatin1Char(','), p, err))
        return rc;
    const auto meldung = [&](int nr) { return katalog.message(nr); };
    const breeding::PlanKatze *koenigin = p.planer.katze(p.koenigin);
    if (a.hat("--json")) {
        QJsonArray kater;
        for (const breeding::DeckZeile &z : std::as_const(p.zeilen)) {
            QJsonObject o{{"number", z.kater},
                          {"name", z.name},
                          {"breed", p.planer.rasseName(z.rasse)},
                          {"traits", QJsonArray::fromStringList(z.merkmale)},
                          {"kittensBreeds", z.rassen}};
            if (z.alter >= 0)
                o.insert("age", z.alter);
            if (z.fehler) {
                o.insert("error", meldung(z.fehler));
            } else {
                o.insert("coefficient", z.koeffizient);
                o.insert("ancestorLoss", z.ahnenverlust);
                QJsonArray gemeinsame;
                for (const breeding::GemeinsamerVorfahr &g : z.gemeinsame)
                    gemeinsame.append(
                        QJsonObject{{"number", g.nummer}, {"name", g.name}, {"share", g.beitrag}});
                o.insert("sharedAncestors", gemeinsame);
                o.insert("sharedAncestorCount", z.anzahlGemeinsame);
            }
            kater.append(o);
        }
        out << QJsonDocument(QJsonObject{{"dam", p.koenigin},
                                         {"damName", koenigin->name},
                                         {"generations", p.planer.generationen()},
                                         {"toms", kater}})
                   .toJson(QJsonDocument::Indented);
        return 0;
    }
    static const QStringList Kopf = {
        "Kater",   "Rasse", "Alter", "Status", "IK", "AVK", "Gemeinsame Vorfahren", "Rassen der Kitten",
        "Merkmale"};
    static const QVector<DeckSpalte> Spalten = {
        DeckSpalte::Kater, DeckSpalte::Rasse,      DeckSpalte::Alter,  DeckSpalte::Status,  DeckSpalte::IK,
        DeckSpalte::AVK,   DeckSpalte::Gemeinsame, DeckSpalte::Rassen, DeckSpalte::Merkmale};
    if (a.hat("--csv")) {
        QString text;
        QTextStream csv(&text);
        csv << "Nummer;" << Kopf.join(QLatin1Char(';')) << "\n";
        for (const breeding::DeckZeile &z : std::as_const(p.zeilen)) {
            csv << z.kater;
            for (DeckSpalte s : Spalten)
                csv << ';' << app::csvZelle(p.planer.text(z, s, meldung).trimmed());
            csv << "\n";
        }
        csv.flush();
        if (!dateiSchreiben(a.wert("--csv"), text.toUtf8(), err))
            return 1;
        out << p.zeilen.size() << " Kater geschrieben: " << a.wert("--csv") << "\n";
        return 0;
    }
    out << "Mutter: " << koenigin->name << " (Nr. " << p.koenigin
        << "), Generationen: " << p.planer.generationen() << ", Kater: " << p.zeilen.size() << "\n";
    for (const breeding::DeckZeile &z : std::as_const(p.zeilen))
        out << QStringLiteral("%1 %2  %3 (Nr. %4)  %5\n")
                   .arg(p.planer.text(z, DeckSpalte::IK, meldung).trimmed(), 8)
                   .arg(p.planer.text(z, DeckSpalte::AVK, meldung), 8)
                   .arg(z.name)
                   .arg(z.kater)
                   .arg(p.planer.text(z, DeckSpalte::Gemeinsame, meldung));
    return 0;
}
