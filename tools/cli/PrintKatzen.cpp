// print data-sheet, cat-list, show-results, mating-book, mating-certificate: the cat print-outs
// of the print dispatcher, each checked as the dispatcher checks its cat.
#include "Druckausgabe.h"

#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/StorePedigree.h"
#include "cats/CatSearch.h"
#include "printouts/ReportKatzen.h"
#include "store/Database.h"
#include "store/Namen_register.h"
#include "store/Table.h"

#include <QImageReader>

using namespace tav;

namespace {

QString meldungText(const Kontext &k, int nr)
{
    const QString text = k.katalog.message(nr);
    return text.isEmpty() ? QStringLiteral("Meldung %1").arg(nr) : text;
}

// The cat of --cat/--cat-name, checked for print job `job`: 0 with the reason or the job's
// message on `err`.
qint32 katzeFuer(Kontext &k, int job)
{
    if (ohneRegister(k))
        return 0;
    breeding::StorePedigree stamm(k.db, breeding::StorePedigree::Laden::Einzeln);
    const qint32 nr = eineKatze(k, stamm);
    if (!nr)
        return 0;
    const printouts::Druckentscheid e = printouts::druckEntscheid(job, printouts::katzenLage(k.db, nr, true));
    if (e.meldung) {
        k.err << meldungText(k, e.meldung) << "\n";
        return 0;
    }
    return nr;
}

// The global data module and the cat reader over the register.
struct Leser {
    app::TDatenGlobal global;
    printouts::KatzenLeser katzen;
    explicit Leser(Kontext &k)
        : global(&k.db), katzen(k.db, global, [&k](int tag) { return k.katalog.caption(tag); })
    {
        global.setEinstellungen(&k.einstellungen);
        global.onFehler = [&k](const store::EngineError &, const QString &tabelle) {
            k.err << "Tabelle " << tabelle << " kann nicht gelesen werden\n";
        };
        global.Dateienoeffnen();
    }
};

std::optional<report::ReportJob> datenblatt(Kontext &k)
{
    const qint32 nr = katzeFuer(k, 1);
    if (!nr)
        return std::nullopt;
    Leser l(k);
    const std::optional<printouts::KatzeDruck> katze = l.katzen.katze(nr);
    QImage bild;
    if (k.einstellungen.StammbaumBild && !katze->bild.isEmpty()) {
        QImageReader r(katze->bild);
        r.setAutoTransform(true);
        bild = r.read();
    }
    return printouts::reportStammdaten(
        *katze, printouts::geschlechtWort(katze->geschlecht, [&](int tag) { return k.katalog.caption(tag); }),
        bild);
}

std::optional<report::ReportJob> katzenliste(Kontext &k)
{
    if (ohneRegister(k))
        return std::nullopt;
    cats::SuchKriterien s;
    const struct {
        const char *option;
        QString cats::SuchKriterien::*feld;
    } kriterien[] = {
        {"--name", &cats::SuchKriterien::name},        {"--cattery", &cats::SuchKriterien::zwinger},
        {"--breed", &cats::SuchKriterien::rasse},      {"--colour", &cats::SuchKriterien::farbe},
        {"--breeder", &cats::SuchKriterien::zuechter}, {"--owner", &cats::SuchKriterien::besitzer},
        {"--reg-no", &cats::SuchKriterien::zbNr},      {"--status", &cats::SuchKriterien::status},
        {"--born", &cats::SuchKriterien::gebDatum}};
    for (const auto &c : kriterien)
        s.*c.feld = k.a.wert(QLatin1String(c.option));
    const cats::SuchErgebnis e = cats::katzenSuchen(k.db, s, cats::Aufrufer{}, cats::Sortierung::ZwingerName,
                                                    cats::eigeneDatenLesen(k.db));
    if (e.status == cats::SuchStatus::UngueltigesDatum) {
        k.rc = 2;
        k.err << "--born: kein Datum\n";
        return std::nullopt;
    }
    if (e.treffer.isEmpty()) {
        k.err << meldungText(k, cats::MeldungKeineKatze) << "\n";
        return std::nullopt;
    }
    const QString status = s.status.trimmed().isEmpty() ? QString() : e.treffer.first().StatusAnzeige;
    return printouts::reportKatzenListe(printouts::katzenListeZeilen(k.db, e.treffer), status);
}

std::optional<report::ReportJob> ergebnisse(Kontext &k)
{
    const QStringList arten = {QStringLiteral("trad"), QStringLiteral("tica"), QStringLiteral("cfa")};
    const int art = int(arten.indexOf(k.a.wert(QStringLiteral("--kind"))));
    if (art < 0) {
        k.rc = 2;
        k.err << "print show-results braucht --kind trad|tica|cfa\n";
        return std::nullopt;
    }
    const int jobs[] = {7, 8, 11};
    const qint32 nr = katzeFuer(k, jobs[art]);
    if (!nr)
        return std::nullopt;
    Leser l(k);
    return printouts::reportErgebnisse(printouts::Richten(art), l.katzen.katze(nr)->name,
                                       printouts::ergebnisZeilen(k.db, printouts::Richten(art), nr));
}

std::optional<report::ReportJob> deckbuch(Kontext &k)
{
    const qint32 nr = katzeFuer(k, 15);
    if (!nr)
        return std::nullopt;
    Leser l(k);
    return printouts::reportDeckbuch(l.katzen.katze(nr)->name,
                                     printouts::deckbuchZeilen(k.db, nr, k.einstellungen.TageTraechtigkeit));
}

std::optional<report::ReportJob> deckschein(Kontext &k)
{
    std::optional<QDate> am;
    if (k.a.hat(QStringLiteral("--mating-date")) &&
        !(am = cats::datumLesen(k.a.wert(QStringLiteral("--mating-date"))))) {
        k.rc = 2;
        k.err << "--mating-date: kein Datum\n";
        return std::nullopt;
    }
    const qint32 nr = katzeFuer(k, 16);
    if (!nr)
        return std::nullopt;
    int zeile = 0;
    if (am) {
        store::Table t(&k.db, store::deckbuch::Datei);
        t.setReadOnly(true);
        t.setIndexName(store::deckbuch::idx::KaterDecktermin);
        t.open();
        t.setRange({nr}, {nr});
        for (t.first(); !t.eof() && !zeile; t.next())
            if (t.value(store::deckbuch::Decktermin).toDate() == *am)
                zeile = t.intValue(store::deckbuch::LaufendeNummer);
        if (!zeile) {
            k.err << "Keine Deckung am " << am->toString(QStringLiteral("dd.MM.yyyy")) << " im Deckbuch\n";
            return std::nullopt;
        }
    }
    Leser l(k);
    std::optional<printouts::DeckscheinDaten> d = printouts::deckscheinDaten(k.db, l.katzen, nr, zeile);
    if (!d)
        return std::nullopt;
    if (const std::optional<QString> text = printouts::deckscheinText(k.db.dataDir()))
        d->freitext = *text;
    else
        k.err << meldungText(k, 6101) << " " << k.db.dataDir() << "/deckschein.txt\n";
    return printouts::reportDeckschein(*d);
}

} // namespace

QList<Druckausgabe> katzenDruckausgaben()
{
    const QString katze = QStringLiteral("(--cat N | --cat-name NAME)");
    const QStringList katzeOptionen = {"--cat", "--cat-name"};
    return {
        {QStringLiteral("data-sheet"), katze, katzeOptionen, {}, datenblatt},
        {QStringLiteral("cat-list"),
         QStringLiteral(
             "[--name A] [--cattery Z] [--breed R] [--colour F] [--breeder B] [--owner B] [--reg-no N]"
             " [--status S] [--born DATUM]"),
         {"--name", "--cattery", "--breed", "--colour", "--breeder", "--owner", "--reg-no", "--status",
          "--born"},
         {},
         katzenliste},
        {QStringLiteral("show-results"),
         katze + QStringLiteral(" --kind trad|tica|cfa"),
         katzeOptionen + QStringList{"--kind"},
         {},
         ergebnisse},
        {QStringLiteral("mating-book"), katze, katzeOptionen, {}, deckbuch},
        {QStringLiteral("mating-certificate"),
         katze + QStringLiteral(" [--mating-date DATUM]"),
         katzeOptionen + QStringList{"--mating-date"},
         {},
         deckschein},
    };
}
