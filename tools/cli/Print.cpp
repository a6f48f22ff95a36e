// print: the program's print-outs written as a PDF file or an HTML page, without the windows.
#include "Cli.h"
#include "Druckausgabe.h"

#include "app/DataHome.h"
#include "app/Geld.h"
#include "app/Global.h"
#include "app/IniFile.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StatistikStammbaum.h"
#include "breeding/StorePedigree.h"
#include "office/Buchfuehrung.h"
#include "printouts/ReportGewinnVerlust.h"
#include "printouts/ReportInzucht.h"
#include "printouts/ReportMelde.h"
#include "printouts/ReportMerkmale.h"
#include "printouts/ReportNachkommen.h"
#include "printouts/ReportStammbaum.h"
#include "printouts/ReportStatistikStammbaum.h"
#include "printouts/ReportVerpaarung.h"
#include "printouts/ReportWurfbuch.h"
#include "printouts/ReportWurfmeldung.h"
#include "printouts/StammbaumDaten.h"
#include "report/ReportHtml.h"
#include "report/ReportJob.h"
#include "report/ReportPainter.h"
#include "store/Database.h"
#include "store/Namen_register.h"
#include "store/Query.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

using namespace tav::store::namen;

using namespace tav;

namespace {

const QStringList Gemeinsam = {QStringLiteral("--pdf"), QStringLiteral("--html"), QStringLiteral("--lang")};

std::optional<report::ReportJob> inzucht(Kontext &k)
{
    int generationen = 5;
    k.rc = pruefeTierAngaben(k.a, druckAufruf(), generationen, k.err);
    if (k.rc)
        return std::nullopt;
    if (ohneRegister(k))
        return std::nullopt;
    breeding::StorePedigree stamm(k.db);
    Tiere t;
    if (!findeTiere(k.db, stamm, k.a, t, k.err))
        return std::nullopt;
    breeding::InzuchtBerechnung e(stamm);
    breeding::InzuchtTextArt art;
    art.sprache = k.katalog.languageNumber();
    art.meldung = [&](int nr) {
        const QString text = k.katalog.message(nr);
        return text.isEmpty() ? QStringLiteral("Meldung %1").arg(nr) : text;
    };
    e.einstellungen.inzuchtMitVorfahren = true;
    if (!e.Berechne(t.tier, t.vater, t.mutter, generationen, true)) {
        k.err << berechnungsFehler(e, art, false) << "\n";
        return std::nullopt;
    }
    const auto name = [&](qint32 nr) {
        const auto c = stamm.katze(nr);
        return c ? c->name : QString();
    };
    printouts::InzuchtDruck d = printouts::inzuchtDruck(*e.ergebnis(), art, t.tier ? name(t.tier) : QString(),
                                                        t.vater, t.mutter, name);
    d.mitInzuchtliste = k.a.hat(QStringLiteral("--with-pairs"));
    d.mitVorfahrenliste = k.a.hat(QStringLiteral("--with-ancestors"));
    d.mitKlonliste = k.a.hat(QStringLiteral("--with-clones"));
    return printouts::reportInzucht(d);
}

std::optional<report::ReportJob> stammbaum(Kontext &k)
{
    k.rc = 2;
    if (k.a.hat(QStringLiteral("--cat")) == k.a.hat(QStringLiteral("--cat-name"))) {
        k.err << "print pedigree braucht --cat N oder --cat-name NAME\n";
        return std::nullopt;
    }
    int generationen = 0;
    if (k.a.hat(QStringLiteral("--generations"))) {
        bool ok = false;
        generationen = k.a.wert(QStringLiteral("--generations")).toInt(&ok);
        if (!ok || generationen < 3 || generationen > 6) {
            k.err << "--generations: 3 bis 6\n";
            return std::nullopt;
        }
    }
    if (ohneRegister(k))
        return std::nullopt;
    breeding::StorePedigree stamm(k.db);
    Tiere t;
    if (!findeTiere(k.db, stamm, k.a, t, k.err))
        return std::nullopt;
    app::TDatenGlobal global(&k.db);
    global.setEinstellungen(&k.einstellungen);
    global.onFehler = [&](const store::EngineError &, const QString &tabelle) {
        k.err << "Tabelle " << tabelle << " kann nicht gelesen werden\n";
    };
    global.Dateienoeffnen();
    const auto meldung = [&](int nr) {
        const QString text = k.katalog.message(nr);
        return text.isEmpty() ? QStringLiteral("Meldung %1").arg(nr) : text;
    };
    return printouts::reportStammbaum(printouts::stammbaumDruck(k.db, global, k.einstellungen, t.tier,
                                                                k.katalog.languageNumber(), meldung,
                                                                generationen),
                                      report::FontMeasure());
}

std::optional<report::ReportJob> nachkommen(Kontext &k)
{
    int generationen = 0;
    k.rc = pruefeTierAngaben(k.a, druckAufruf(), generationen, k.err);
    if (k.rc)
        return std::nullopt;
    if (ohneRegister(k))
        return std::nullopt;
    Tiere t;
    {
        breeding::StorePedigree stamm(k.db, breeding::StorePedigree::Laden::Einzeln);
        if (!findeTiere(k.db, stamm, k.a, t, k.err))
            return std::nullopt;
    }
    try {
        // an index can be added only while no cursor holds the table
        breeding::nachkommenIndexePruefen(k.db);
        breeding::NachkommenLeser leser(k.db, k.katalog.languageNumber());
        const std::optional<breeding::Elterntier> katze = leser.katze(t.tier);
        if (!katze)
            return std::nullopt;
        return printouts::reportNachkommenListe(*katze, leser.nachkommen(*katze));
    } catch (const std::exception &e) {
        k.err << e.what() << "\n";
        return std::nullopt;
    }
}

std::optional<report::ReportJob> verpaarungen(Kontext &k)
{
    if (ohneRegister(k))
        return std::nullopt;
    breeding::StorePedigree stamm(k.db, breeding::StorePedigree::Laden::Einzeln);
    const qint32 nr = eineKatze(k, stamm);
    if (!nr)
        return std::nullopt;
    const auto katze = stamm.katze(nr);
    const bool kater = breeding::istKater(katze->geschlecht);
    const breeding::Verpaarungen v = breeding::baueVerpaarungen(breeding::leseNachwuchs(k.db, nr, kater));
    app::TDatenGlobal global(&k.db);
    app::tsysteminfo einstellungen;
    global.setEinstellungen(&einstellungen);
    global.Dateienoeffnen();
    const auto text = [&](qint32 n) { return global.KatzendatenVerp(n).daten.join(QStringLiteral("  ")); };
    const auto wort = [&](int tag, const char *vorgabe) {
        const QString t = k.katalog.caption(tag);
        return t.isEmpty() ? QString::fromUtf8(vorgabe) : t;
    };
    const QStringList partner = v.partnerZeilen(wort(8019, "Wurf mit"), wort(8020, "Würfe mit"));
    const QLocale locale(k.katalog.languageNumber() == 1   ? QLocale::English
                         : k.katalog.languageNumber() == 2 ? QLocale::Dutch
                                                           : QLocale::German);
    return printouts::reportVerpaarung(
        printouts::verpaarungDruck(v, {}, nr, kater, katze->name, text, partner, locale));
}

std::optional<report::ReportJob> merkmalStatistik(Kontext &k)
{
    k.rc = 2;
    breeding::StatistikOptionen o;
    if (k.a.hat(QStringLiteral("--generations"))) {
        bool ok = false;
        o.generationen = k.a.wert(QStringLiteral("--generations")).toInt(&ok);
        if (!ok || o.generationen < 1) {
            k.err << "--generations: eine Zahl ab 1\n";
            return std::nullopt;
        }
    }
    if (ohneRegister(k))
        return std::nullopt;
    Angaben ohneGenerationen = k.a;
    ohneGenerationen.werte.remove(QStringLiteral("--generations"));
    Kontext katzeK{ohneGenerationen, k.db, k.katalog, k.einstellungen, k.err};
    breeding::StorePedigree stamm(k.db, breeding::StorePedigree::Laden::Einzeln);
    const qint32 nr = eineKatze(katzeK, stamm);
    k.rc = katzeK.rc;
    if (!nr)
        return std::nullopt;
    o.farbe = k.a.wert(QStringLiteral("--colour"));
    o.nurFarbe = k.a.hat(QStringLiteral("--colour-only"));
    if (k.a.hat(QStringLiteral("--traits"))) {
        o.alleMerkmale = false;
        o.merkmale = k.a.wert(QStringLiteral("--traits")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    }
    const breeding::StatistikRegister r = breeding::StatistikRegister::lese(k.db);
    const breeding::StatistikKatze &katze = r.katzen[nr];
    printouts::StatistikDruck d;
    d.katze = katze.name;
    d.farbe = katze.farbe;
    for (const QString &m : katze.merkmale)
        d.merkmale += QStringLiteral("- ") + m + QStringLiteral(" -");
    d.generationen = o.generationen;
    d.gesuchteFarbe = o.farbe;
    d.suche = o.nurFarbe       ? printouts::StatistikDruck::Suche::NurFarbe
              : o.alleMerkmale ? printouts::StatistikDruck::Suche::AlleMerkmale
                               : printouts::StatistikDruck::Suche::Ausgewaehlte;
    d.gesuchteMerkmale = o.merkmale;
    d.text = breeding::statistikText(breeding::statistikStammbaum(r, nr, o),
                                     [&](int n) { return k.katalog.message(n); });
    return printouts::reportStatistikStammbaum(d);
}

std::optional<report::ReportJob> merkmale(Kontext &k)
{
    return printouts::reportMerkmale(printouts::merkmaleLesen(k.db));
}

// the show entry forms; the show's date, place and club are typed as the window's are
std::optional<report::ReportJob> meldeformular(Kontext &k, bool cfa)
{
    auto form = printouts::Meldeform::CFA;
    if (!cfa) {
        const QStringList formen = {QStringLiteral("general"), QStringLiteral("fife"), QStringLiteral("dru")};
        const int i = int(formen.indexOf(k.a.wert(QStringLiteral("--form"), formen.first())));
        if (i < 0) {
            k.rc = 2;
            k.err << "--form: general, fife oder dru\n";
            return std::nullopt;
        }
        form = printouts::Meldeform(i);
    }
    if (ohneRegister(k))
        return std::nullopt;
    breeding::StorePedigree stamm(k.db, breeding::StorePedigree::Laden::Einzeln);
    const qint32 nr = eineKatze(k, stamm);
    if (!nr)
        return std::nullopt;
    // a form without its declaration would not be accepted
    printouts::FormularTexte texte;
    if (!texte.lesen(printouts::formularTextePfad())) {
        k.err << "Die Formulartexte fehlen: " << printouts::formularTextePfad() << "\n";
        return std::nullopt;
    }
    const int sprache = k.katalog.languageNumber();
    printouts::Meldung m =
        printouts::meldungLesen(k.db, nr, sprache, [&](int tag) { return k.katalog.caption(tag); });
    m.datum = k.a.wert(QStringLiteral("--show-date"));
    m.ort = k.a.wert(QStringLiteral("--show-place"));
    m.verein = k.a.wert(QStringLiteral("--club"));
    return printouts::reportMeldeformular(form, m, texte, sprache);
}

// The queen of --cat/--cat-name and her litter (--litter-date, else her latest); none after saying
// why: a tom gets message 195, a queen without the litter asked for message 165.
std::optional<std::pair<qint32, printouts::Wurf>> katzeUndWurf(Kontext &k, bool ohneWurfErlaubt)
{
    if (ohneRegister(k))
        return std::nullopt;
    QDate datum;
    if (k.a.hat(QStringLiteral("--litter-date"))) {
        datum = QDate::fromString(k.a.wert(QStringLiteral("--litter-date")), Qt::ISODate);
        if (!datum.isValid()) {
            k.err << "--litter-date: ein Datum JJJJ-MM-TT\n";
            k.rc = 2;
            return std::nullopt;
        }
    }
    Angaben ohneWurf = k.a;
    ohneWurf.werte.remove(QStringLiteral("--litter-date"));
    ohneWurf.werte.remove(QStringLiteral("--form"));
    Kontext katzeK{ohneWurf, k.db, k.katalog, k.einstellungen, k.err};
    breeding::StorePedigree stamm(k.db, breeding::StorePedigree::Laden::Einzeln);
    const qint32 nr = eineKatze(katzeK, stamm);
    k.rc = katzeK.rc;
    if (!nr)
        return std::nullopt;
    if (istKater(stamm.katze(nr)->geschlecht)) {
        k.err << k.katalog.message(195) << "\n";
        return std::nullopt;
    }
    const std::optional<printouts::Wurf> wurf = printouts::wurfLesen(k.db, nr, 0, datum);
    if ((!wurf && !ohneWurfErlaubt) || (wurf && datum.isValid() && wurf->wurftag != datum)) {
        k.err << k.katalog.message(165) << "\n";
        return std::nullopt;
    }
    return std::make_pair(nr, wurf.value_or(printouts::Wurf{}));
}

std::optional<report::ReportJob> wurfmeldung(Kontext &k)
{
    const QStringList formen = {QStringLiteral("general"), QStringLiteral("dekzv"), QStringLiteral("dru")};
    const qsizetype form = formen.indexOf(k.a.wert(QStringLiteral("--form"), formen[0]));
    if (form < 0) {
        k.err << "--form: general, dekzv oder dru\n";
        k.rc = 2;
        return std::nullopt;
    }
    const auto kw = katzeUndWurf(k, true);
    if (!kw)
        return std::nullopt;
    const auto text = [&](int tag) { return k.katalog.caption(tag); };
    const printouts::Wurfmeldung m = printouts::wurfmeldungLesen(
        k.db, kw->first, kw->second.nr ? std::optional(kw->second) : std::nullopt, text);
    const auto f = printouts::Wurfformular(form);
    if (const QStringList fehlt = printouts::nichtGedruckt(f, m); !fehlt.isEmpty())
        k.err << k.katalog.message(m.nichtAufgenommen.isEmpty() ? printouts::MeldungFuenfUndFuenf
                                                                : printouts::MeldungNurZehn)
              << " " << fehlt.join(QStringLiteral(", ")) << "\n";
    return printouts::reportWurfmeldung(f, m, printouts::formtexteLesen(k.katalog.languageNumber()));
}

std::optional<report::ReportJob> wurfdaten(Kontext &k)
{
    const auto kw = katzeUndWurf(k, false);
    if (!kw)
        return std::nullopt;
    return printouts::reportWurfdaten(printouts::wurfdatenblattLesen(
        k.db, kw->first, kw->second, [&](int tag) { return k.katalog.caption(tag); },
        printouts::druckzeilenBreite()));
}

std::optional<report::ReportJob> wurfbuch(Kontext &k)
{
    const auto kw = katzeUndWurf(k, false);
    if (!kw)
        return std::nullopt;
    return printouts::reportWurfbuch(
        printouts::wurfbuchLesen(k.db, kw->first, kw->second, k.einstellungen.TageTraechtigkeit));
}

// the income statement of the days --from to --to (JJJJ-MM-TT), over every account
std::optional<report::ReportJob> gewinnVerlust(Kontext &k)
{
    k.rc = 2;
    const QDate von = QDate::fromString(k.a.wert(QStringLiteral("--from")), Qt::ISODate);
    const QDate bis = QDate::fromString(k.a.wert(QStringLiteral("--to")), Qt::ISODate);
    if (!von.isValid() || !bis.isValid() || bis < von) {
        k.err << "print income-statement braucht --from JJJJ-MM-TT --to JJJJ-MM-TT (nicht vor --from)\n";
        return std::nullopt;
    }
    k.rc = 1;
    try {
        office::Buchfuehrung::tabellenAnlegen(k.db);
        return printouts::reportGewinnUndVerlust(
            printouts::gewinnVerlustLesen(k.db, {von, bis}, app::sprachLocale(k.katalog.languageNumber())));
    } catch (const std::exception &e) {
        k.err << e.what() << "\n";
        return std::nullopt;
    }
}

const QList<Druckausgabe> &druckausgaben()
{
    static const QList<Druckausgabe> d = {
        {QStringLiteral("inbreeding"),
         QStringLiteral("(--cat N | --cat-name NAME | --sire N --dam M | --sire-name A --dam-name B)"
                        " [--generations G] [--with-pairs] [--with-ancestors] [--with-clones]"),
         {"--cat", "--cat-name", "--sire", "--dam", "--sire-name", "--dam-name", "--generations"},
         {"--with-pairs", "--with-ancestors", "--with-clones"},
         inzucht},
        {QStringLiteral("pedigree"),
         QStringLiteral("(--cat N | --cat-name NAME) [--generations 3..6]"),
         {"--cat", "--cat-name", "--generations"},
         {},
         stammbaum},
        {QStringLiteral("traits"), QString(), {}, {}, merkmale},
        {QStringLiteral("income-statement"),
         QStringLiteral("--from JJJJ-MM-TT --to JJJJ-MM-TT"),
         {"--from", "--to"},
         {},
         gewinnVerlust},
        {QStringLiteral("descendants"),
         QStringLiteral("(--cat N | --cat-name NAME)"),
         {"--cat", "--cat-name"},
         {},
         nachkommen},
        {QStringLiteral("matings"),
         QStringLiteral("(--cat N | --cat-name NAME)"),
         {"--cat", "--cat-name"},
         {},
         verpaarungen},
        {QStringLiteral("pedigree-traits"),
         QStringLiteral("(--cat N | --cat-name NAME) [--generations G] [--colour FARBE] [--colour-only]"
                        " [--traits A,B]"),
         {"--cat", "--cat-name", "--generations", "--colour", "--traits"},
         {"--colour-only"},
         merkmalStatistik},
        {QStringLiteral("show-entry"),
         QStringLiteral(
             "(--cat N | --cat-name NAME) [--form general|fife|dru] [--show-date D] [--show-place ORT]"
             " [--club VEREIN]"),
         {"--cat", "--cat-name", "--form", "--show-date", "--show-place", "--club"},
         {},
         [](Kontext &k) { return meldeformular(k, false); }},
        {QStringLiteral("show-entry-cfa"),
         QStringLiteral("(--cat N | --cat-name NAME) [--show-date D] [--show-place ORT] [--club VEREIN]"),
         {"--cat", "--cat-name", "--show-date", "--show-place", "--club"},
         {},
         [](Kontext &k) { return meldeformular(k, true); }},
        {QStringLiteral("litter-registration"),
         QStringLiteral("(--cat N | --cat-name NAME) [--litter-date JJJJ-MM-TT] [--form general|dekzv|dru]"),
         {"--cat", "--cat-name", "--litter-date", "--form"},
         {},
         wurfmeldung},
        {QStringLiteral("litter-data"),
         QStringLiteral("(--cat N | --cat-name NAME) [--litter-date JJJJ-MM-TT]"),
         {"--cat", "--cat-name", "--litter-date"},
         {},
         wurfdaten},
        {QStringLiteral("litter-book"),
         QStringLiteral("(--cat N | --cat-name NAME) [--litter-date JJJJ-MM-TT]"),
         {"--cat", "--cat-name", "--litter-date"},
         {},
         wurfbuch},
    };
    static const QList<Druckausgabe> alle = d + katzenDruckausgaben() + registerTraitsDruckausgaben() +
                                            deckplanDruckausgaben() + adressDruckausgaben();
    return alle;
}

QString meldung(const app::Sprache &katalog, int nummer)
{
    const QString text = katalog.message(nummer);
    return text.isEmpty() ? QStringLiteral("Die Datei kann nicht geschrieben werden:") : text;
}

} // namespace

bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt, QTextStream &err)
{
    const report::WriteResult r = report::writeFile(inhalt, pfad);
    if (r.ok())
        return true;
    err << meldung(app::Sprache(), r.message) << " " << pfad;
    if (!r.detail.isEmpty() && r.detail != QDir::toNativeSeparators(pfad))
        err << " (" << r.detail << ")";
    err << "\n";
    return false;
}

void einstellungenLesen(app::tsysteminfo &s)
{
    if (QFileInfo::exists(app::settingsPath())) {
        app::IniFile ini;
        if (ini.load(app::settingsPath()))
            s.read(ini, QRect(0, 0, 1024, 768));
    }
}

// a print-out of a cat needs the register; from here on a failure is one of the work (exit code 1)
bool ohneRegister(Kontext &k)
{
    k.rc = 1;
    if (k.db.tableExists(catstamm::Datei))
        return false;
    k.err << "Kein Katzenregister in " << k.db.dataDir() << "\n";
    return true;
}

// --cat N or --cat-name NAME: the cat's number, 0 with the reason on `err`
qint32 eineKatze(Kontext &k, const breeding::StorePedigree &stamm)
{
    int generationen = 5;
    if (k.a.hat(QStringLiteral("--sire")) || k.a.hat(QStringLiteral("--sire-name")) ||
        (k.rc = pruefeTierAngaben(k.a, druckAufruf(), generationen, k.err)))
        return k.rc = 2, 0;
    k.rc = 1;
    Tiere t;
    return findeTiere(k.db, stamm, k.a, t, k.err) ? t.tier : 0;
}

QStringList druckOptionenMitWert()
{
    QStringList alle = Gemeinsam;
    for (const Druckausgabe &d : druckausgaben())
        alle += d.mitWert;
    alle.removeDuplicates();
    return alle;
}

QStringList druckSchalter()
{
    QStringList alle;
    for (const Druckausgabe &d : druckausgaben())
        alle += d.schalter;
    alle.removeDuplicates();
    return alle;
}

QString druckAufruf()
{
    QStringList zeilen;
    for (const Druckausgabe &d : druckausgaben())
        zeilen << QStringLiteral("print ") + d.name +
                      (d.aufruf.isEmpty() ? QString() : QLatin1Char(' ') + d.aufruf) +
                      QStringLiteral(" (--pdf DATEI | --html DATEI) [--lang de|en|nl]");
    return zeilen.join(QStringLiteral("\n       | "));
}

int drucke(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err)
{
    const QString name = a.rest.value(0);
    const Druckausgabe *d = nullptr;
    for (const Druckausgabe &x : druckausgaben())
        if (x.name == name)
            d = &x;
    QStringList namen;
    for (const Druckausgabe &x : druckausgaben())
        namen << x.name;
    if (!d) {
        err << "Unbekannte Druckausgabe: " << name << " (bekannt: " << namen.join(QStringLiteral(", "))
            << ")\n";
        return 2;
    }
    for (auto it = a.werte.cbegin(); it != a.werte.cend(); ++it)
        if (!Gemeinsam.contains(it.key()) && !d->mitWert.contains(it.key())) {
            err << "print " << name << " kennt " << it.key() << " nicht\n";
            return 2;
        }
    for (const QString &s : a.schalter)
        if (!d->schalter.contains(s)) {
            err << "print " << name << " kennt " << s << " nicht\n";
            return 2;
        }
    if (!a.hat(QStringLiteral("--pdf")) && !a.hat(QStringLiteral("--html"))) {
        err << "print " << name << " braucht --pdf DATEI oder --html DATEI\n";
        return 2;
    }
    app::tsysteminfo s;
    einstellungenLesen(s);
    const double links = s.Drucklinks, oben = s.Druckoben;
    int sprache = app::languageNumber(s.Sprache);
    if (a.hat(QStringLiteral("--lang"))) {
        const QStringList sprachen = {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("nl")};
        sprache = int(sprachen.indexOf(a.wert(QStringLiteral("--lang"))));
        if (sprache < 0) {
            err << "--lang: de, en oder nl\n";
            return 2;
        }
    }

    store::Database db(app::dataDirOf(home));
    app::Sprache katalog;
    // without catalogues the print-out keeps its German captions
    katalog.open(&db);
    katalog.setLanguageNumber(sprache);
    Kontext k{a, db, katalog, s, err};
    std::optional<report::ReportJob> job = d->bauen(k);
    if (!job)
        return k.rc;
    job->prepare(report::catalogueJobSettings(katalog, links, oben));
    const report::Pages seiten = job->layout(report::FontMeasure());
    const auto schreibe = [&](const char *option, auto schreiber, const char *art) {
        if (!a.hat(QLatin1String(option)))
            return true;
        const QString pfad = a.wert(QLatin1String(option));
        const report::WriteResult r = schreiber(seiten, pfad);
        if (!r.ok()) {
            err << meldung(katalog, r.message) << " " << r.detail << "\n";
            return false;
        }
        out << art << " geschrieben: " << pfad << " (" << seiten.pages.size() << " Seiten)\n";
        return true;
    };
    const bool pdf = schreibe("--pdf", report::writePdf, "PDF");
    const bool htmlOk = pdf && schreibe("--html", report::writeHtml, "HTML-Seite");
    return pdf && htmlOk ? 0 : 1;
}
