#include "Referenzlisten.h"

#include "app/Sprache.h"

#include "store/Database.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"
#include "store/Table.h"
#include "store/Transaction.h"

using namespace tav::store;

namespace tav::cats {

namespace {
using A = ReferenzFeld::Art;

ReferenzFeld feld(const char *name, int tag, int laenge = 0, A art = A::Text, QStringList werte = {},
                  bool versteckt = false)
{
    return {QString::fromLatin1(name), tag, laenge, art, werte, versteckt};
}

const QStringList einsZwei = {QStringLiteral("1"), QStringLiteral("2")};
} // namespace

const QVector<Referenzliste> &referenzlisten()
{
    static const QVector<Referenzliste> listen = [] {
        QVector<Referenzliste> l;
        Referenzliste r;

        r = {};
        r.fenster = QStringLiteral("rassen");
        r.objektName = QStringLiteral("Rassen");
        r.tag = 4800;
        r.tabelle = rasse::Datei;
        r.index = QStringLiteral("RasseName");
        r.nummernFeld = QStringLiteral("RCode");
        // the ear and hair-type groups are not part of this edition's layout
        r.felder = {feld("RName", 4820, 30),
                    feld("RKurzname", 4821, 10),
                    feld("RNameEng", 4822, 30),
                    feld("Faltohr", 4830, 0, A::Auswahl, einsZwei, true),
                    feld("Haarart", 4833, 0, A::Auswahl, einsZwei, true),
                    feld("Haarlos", 4836, 0, A::Auswahl, einsZwei)};
        r.zweiSeiten = true;
        r.hilfe = 90;
        r.auffrischen = Auffrischen::Rassen;
        r.verwendetIn = {{catstamm::Datei, QStringLiteral("Rasse")}};
        l << r;

        r = {};
        r.fenster = QStringLiteral("farbeform");
        r.objektName = QStringLiteral("FarbeForm");
        r.tag = 4801;
        r.tabelle = farbe::Datei;
        r.index = QStringLiteral("FarbnameIndex");
        r.nummernFeld = QStringLiteral("LaufendeNummer");
        r.felder = {feld("Farbname", 4823, 60), feld("Farbnummer", 4824, 15),
                    feld("Rasseinfo", 4825, 10, A::Text, {}, true)};
        r.zweiSeiten = true;
        r.einfuegen = true;
        r.hilfe = 100;
        r.auffrischen = Auffrischen::Farben;
        l << r;

        r = {};
        r.fenster = QStringLiteral("augenfarbeform");
        r.objektName = QStringLiteral("AugenfarbeForm");
        r.tag = 4802;
        r.tabelle = augen::Datei;
        r.index = QStringLiteral("Augenfarbeidx");
        r.nummernFeld = QStringLiteral("LaufendeNummer");
        r.felder = {feld("Augenfarbe", 4826, 40), feld("AugenfarbeEng", 4827, 40)};
        r.hilfe = 110;
        r.auffrischen = Auffrischen::Augenfarben;
        l << r;

        r = {};
        r.fenster = QStringLiteral("fellartform");
        r.objektName = QStringLiteral("FellartForm");
        r.tag = 4803;
        r.tabelle = fellart::Datei;
        r.nummernFeld = QStringLiteral("LaufendeNummer");
        r.felder = {feld("Bezeichnung", 4828, 20)};
        r.hilfe = 111;
        r.auffrischen = Auffrischen::Fellarten;
        r.verwendetIn = {{catstamm::Datei, QStringLiteral("Fellart")}};
        l << r;

        r = {};
        r.fenster = QStringLiteral("stbfarbeform");
        r.objektName = QStringLiteral("StbFarbeForm");
        r.tag = 4804;
        r.tabelle = stbfarbe::Datei;
        r.nummernFeld = QStringLiteral("LaufendeNummer");
        r.felder = {feld("farbe", 4829, 0, A::Farbe)};
        r.farbListe = true;
        r.anlegen = true;
        r.hilfe = 18;
        l << r;

        r = {};
        r.fenster = QStringLiteral("titelhundform");
        r.objektName = QStringLiteral("TitelHundForm");
        r.tag = 4805;
        r.tabelle = titelbez::Datei;
        r.index = QStringLiteral("Sortierung");
        r.nummernFeld = QStringLiteral("LaufendeNummer");
        r.felder = {feld("Sortierung", 4841, 0, A::Zahl), feld("Kuerzel", 4840, 14), feld("Titel", 4839, 50)};
        r.zweiSeiten = true;
        r.hilfe = 111;
        r.auffrischen = Auffrischen::Titel;
        r.verwendetIn = {{titelhund::Datei, QStringLiteral("Titel")}};
        l << r;

        r = {};
        r.fenster = QStringLiteral("formkatzennamen");
        r.objektName = QStringLiteral("FormKatzennamen");
        r.tag = 4806;
        r.tabelle = katzname::Datei;
        r.index = QStringLiteral("NameIdx");
        r.nummernFeld = QStringLiteral("Laufendenummer");
        r.felder = {feld("Name", 4842, 50), feld("Info", 4843, 50)};
        r.hilfe = 30;
        r.auffrischen = Auffrischen::Katzenliste;
        l << r;

        r = {};
        r.fenster = QStringLiteral("formmerkmale");
        r.objektName = QStringLiteral("FormMerkmale");
        r.tag = 4807;
        r.tabelle = merkmale::Datei;
        r.nummernFeld = QStringLiteral("LaufendeNummer");
        r.felder = {feld("Bezeichnung", 4828, 30), feld("Kuerzel", 4844, 10),
                    feld("farbe", 4829, 0, A::Farbe)};
        r.geschuetzt = {1, 2}; // the inbreeding calculation gives these two their meaning
        r.zweiSeiten = true;
        r.einfuegen = true;
        r.drucken = true;
        r.hilfe = 102;
        r.verwendetIn = {{katzemerkmal::Datei, QStringLiteral("Merkmal")}};
        l << r;
        return l;
    }();
    return listen;
}

const Referenzliste *referenzliste(const QString &fenster)
{
    for (const Referenzliste &l : referenzlisten()) {
        if (l.fenster.compare(fenster, Qt::CaseInsensitive) == 0)
            return &l;
    }
    return nullptr;
}

bool istGeschuetzt(const Referenzliste &liste, qint64 nummer)
{
    return liste.geschuetzt.contains(int(nummer));
}

int verwendungen(Database &db, const Referenzliste &liste, qint64 nummer)
{
    int n = 0;
    for (const Verwendung &v : liste.verwendetIn) {
        if (!db.tableExists(v.tabelle))
            continue;
        Query q(&db, QStringLiteral("SELECT count(*) FROM \"%1\" WHERE %2 = ?").arg(v.tabelle, v.feld));
        q.addBindValue(nummer);
        q.open();
        if (!q.eof())
            n += q.value(0).toInt();
    }
    return n;
}

QStringList statusLaden(Database &db)
{
    QStringList namen;
    Table t(&db, status::Datei);
    t.open();
    for (t.first(); !t.eof(); t.next()) {
        const int nr = t.intValue(status::Nummer);
        if (nr < 1 || nr > MaxStatus)
            continue;
        while (namen.size() < nr)
            namen << QString();
        namen[nr - 1] = t.text(status::Status);
    }
    return namen;
}

void statusSpeichern(Database &db, QStringList namen)
{
    while (namen.size() > MaxStatus)
        namen.removeLast();
    while (!namen.isEmpty() && namen.last().trimmed().isEmpty())
        namen.removeLast();
    Transaction txn(db, status::Datei);
    Table t(&db, status::Datei);
    t.open();
    for (int nr = 1; nr <= MaxStatus; ++nr) {
        const bool vorhanden = t.findKey({nr});
        const QString name = nr <= namen.size() ? namen.at(nr - 1) : QString();
        if (nr > namen.size()) {
            if (vorhanden)
                t.remove();
        } else if (vorhanden) {
            if (t.text(status::Status) != name) {
                t.edit();
                t.setValue(status::Status, name);
                t.post();
            }
        } else if (!name.isEmpty()) {
            t.append();
            t.setValue(status::Nummer, nr);
            t.setValue(status::Status, name);
            t.post();
        }
    }
    txn.commit();
}

QString statusAnzeige(int nummer, const QString &name)
{
    constexpr int GelieferteStatus = 7, ErsterTag = 9964;
    if (name.isEmpty() || nummer < 1 || nummer > GelieferteStatus)
        return name;
    const app::Sprache &katalog = app::sprache();
    const int tag = ErsterTag + nummer - 1;
    for (const char *sprache : {"deutsch", "englisch", "hollaendisch"}) {
        if (name == katalog.captionFor(tag, QString::fromLatin1(sprache))) {
            const QString gezeigt = katalog.caption(tag);
            return gezeigt.isEmpty() ? name : gezeigt;
        }
    }
    return name;
}

QString statusEingabe(int nummer, const QString &gespeichert, const QString &gezeigt)
{
    return gezeigt == statusAnzeige(nummer, gespeichert) ? gespeichert : gezeigt;
}

} // namespace tav::cats
