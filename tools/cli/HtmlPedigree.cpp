// html-pedigree: the HTML pedigree page of a cat, written with the saved settings of its window.
#include "Cli.h"

#include "app/DataHome.h"
#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/HTMLINI.h"
#include "breeding/HTMLKopf.h"
#include "breeding/HTMLStammbaum.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "store/Database.h"
#include "store/Namen_register.h"

#include <QFileInfo>
#include <QImageReader>

using namespace tav::store::namen;

using namespace tav;

int htmlPedigree(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err)
{
    const QString aufruf =
        QStringLiteral("html-pedigree (--cat N | --cat-name NAME) [--generations G] --out DATEI");
    if (a.hat(QStringLiteral("--cat")) == a.hat(QStringLiteral("--cat-name")) || a.wert("--out").isEmpty()) {
        err << "Aufruf: tavrenno-cli --home DIR " << aufruf << "\n";
        return 2;
    }
    app::tsysteminfo s;
    einstellungenLesen(s);
    const int programmSprache = app::languageNumber(s.Sprache);
    breeding::THTMLINI ini;
    ini.lesen(breeding::htmlIniPfad(), programmSprache == 1);
    if (a.hat(QStringLiteral("--generations"))) {
        bool ok = false;
        ini.AnzGenerationen = a.wert(QStringLiteral("--generations")).toInt(&ok);
        if (!ok || ini.AnzGenerationen < 3 || ini.AnzGenerationen > 12) {
            err << "--generations: eine Zahl von 3 bis 12\n";
            return 2;
        }
    }

    store::Database db(app::dataDirOf(home));
    if (!db.tableExists(catstamm::Datei)) {
        err << "Kein Katzenregister in " << db.dataDir() << "\n";
        return 1;
    }
    app::Sprache katalog;
    katalog.open(&db);
    katalog.setLanguageNumber(programmSprache);
    breeding::StorePedigree stamm(db, breeding::StorePedigree::Laden::Einzeln);
    Tiere t;
    if (!findeTiere(db, stamm, a, t, err))
        return 1;

    app::TDatenGlobal global(&db);
    global.setEinstellungen(&s);
    bool registerFehler = false;
    global.onFehler = [&err, &registerFehler](const store::EngineError &, const QString &tabelle) {
        err << "Tabelle " << tabelle << " kann nicht gelesen werden\n";
        registerFehler = true;
    };
    global.Dateienoeffnen();
    // a page from a register that cannot be read whole would be wrong without saying so
    if (registerFehler)
        return 1;
    const breeding::HTMLSeitenSprache sprache = breeding::htmlSeitenSprache(ini.Sprache, programmSprache);
    const auto caption = breeding::htmlCaptions(katalog, sprache.sprache);

    breeding::HTMLSeite seite = ini.seite();
    seite.pfad = QFileInfo(a.wert(QStringLiteral("--out"))).absoluteFilePath();
    const auto katze = stamm.katze(t.tier);
    seite.name = katze->name;
    seite.vater = katze->vater;
    seite.mutter = katze->mutter;
    seite.titelRot = s.TitelRot;
    breeding::HTMLKopfDaten kopf = breeding::htmlKopfDatenLesen(
        db, t.tier, sprache.englischeNamen, [&global](qint32 n) { return global.GetTitel(n); });
    // field 13 as the cat record window shows it: the quick pass over its generations
    if (katze->vater > 0 && katze->mutter > 0) {
        breeding::InzuchtBerechnung ik(stamm);
        if (ik.Berechne(t.tier, katze->vater, katze->mutter, s.InzuchtStdgenerationen, false)) {
            const breeding::InzuchtErgebnis &r = *ik.ergebnis();
            kopf.inzucht = breeding::koeffizientKurzText(r.koeffizient, r.beitrag, ik.einstellungen.dezimal);
            kopf.ahnenverlust = breeding::ahnenverlustText(r.ahnenverlust, ik.einstellungen.dezimal);
        } else {
            breeding::InzuchtTextArt art;
            art.meldung = [&katalog](int nr) { return katalog.message(nr); };
            err << berechnungsFehler(ik, art, false) << "\n";
        }
    }
    breeding::HTMLFelder felder = ini.spalte_pos;
    if (seite.bildPos == 0 || seite.bildPos == 2) {
        for (breeding::HTMLFeldPos &f : felder)
            f.spalte = f.spalte == 2 ? 3 : f.spalte;
    }
    const breeding::HTMLFelderSortierung sortierung = breeding::htmlNormalisieren(felder, 5);
    seite.nameZeile = breeding::htmlNameZeile(kopf);
    seite.titelKatze = !kopf.titel.isEmpty();
    seite.spalte1 = breeding::htmlKopfSpalte(1, sortierung, felder, kopf, caption);
    seite.spalte2 = breeding::htmlKopfSpalte(2, sortierung, felder, kopf, caption);
    if (seite.bildPos != 3)
        seite.bild = QFileInfo(global.Katzendaten(3, t.tier, false, 1).bild).fileName();

    breeding::HTMLQuellen q;
    q.stamm = &stamm;
    q.benutzerfarbe = breeding::htmlBenutzerfarbe(katalog);
    q.ahn = breeding::htmlAhnen(global, seite, q.benutzerfarbe, sprache.sprache, sprache.englischeNamen);
    q.bildGroesse = [](const QString &pfad) { return QImageReader(pfad).size(); };
    q.caption = caption;
    q.englisch = sprache.sprache == 1;
    const breeding::HTMLErgebnis e = breeding::schreibeHTMLStammbaum(seite, q);
    if (!e.ok) {
        for (const int m : e.meldungen) {
            const QString text = katalog.message(m);
            err << (text.isEmpty() ? QStringLiteral("Meldung %1").arg(m) : text) << e.zusatz(m) << "\n";
        }
        return 1;
    }
    out << "HTML-Stammbaum geschrieben: " << seite.pfad << "\n";
    return registerFehler ? 1 : 0;
}
