#include "Wurfmeldung.h"

#include "app/DataHome.h"
#include "cats/CatRules.h"
#include "cats/Titel.h"
#include "cats/Wurfdaten.h"
#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <memory>

using namespace tav::store::namen;

namespace tav::printouts {

using store::Table;

QString titelUndName(const QString &geschlecht, const RegisterTitel &t, const QString &name)
{
    const QString g = geschlecht.trimmed();
    QString titel;
    if (!g.isEmpty()) {
        const bool kastrat = g == QLatin1String("3") || g == QLatin1String("4");
        const QString wcf = cats::registerTitelText(cats::Register::WCF, kastrat ? t.ger2 : t.ger1);
        const QString tica = cats::registerTitelText(cats::Register::TICA, kastrat ? t.usa2 : t.usa1);
        titel = !wcf.isEmpty() && !tica.isEmpty() ? wcf + QLatin1Char('/') + tica : wcf + tica;
    }
    return titel.isEmpty() ? name : titel + QLatin1Char(' ') + name;
}

Besitzerzeilen besitzerzeilen(const QString &name, const QString &vorname, const QString &strasse,
                              const QString &plz, const QString &ort, const QString &telefon,
                              const QString &fax)
{
    Besitzerzeilen b;
    b.besitzer = vorname.isEmpty() ? name : name + QStringLiteral(", ") + vorname;
    b.strasse = strasse;
    b.ort = plz.isEmpty() ? ort : plz + QLatin1Char(' ') + ort;
    b.telefon = telefon;
    b.fax = fax;
    return b;
}

Anzahl anzahlTeilen(const QString &text)
{
    Anzahl a;
    if (text.isEmpty())
        return a;
    const qsizetype strich = text.indexOf(QLatin1Char('/'));
    if (strich < 0) {
        a.m = text;
    } else if (strich == 0) {
        a.w = text.mid(1);
    } else {
        a.m = text.left(strich);
        a.w = text.mid(strich + 1);
    }
    return a;
}

FuenfUndFuenf fuenfUndFuenf(const QVector<Jungtier> &kitten)
{
    FuenfUndFuenf f;
    for (const Jungtier &k : kitten) {
        QVector<Jungtier> &zeilen = k.maennlich ? f.kater : f.katzen;
        if (zeilen.size() < ZeilenJeGeschlecht)
            zeilen.append(k);
        else
            f.ohneZeile << k.name;
    }
    return f;
}

std::optional<Jungtier> jungtierDerZeile(const QStringList &zellen, const QString &maennlich)
{
    if (std::all_of(zellen.cbegin(), zellen.cend(), [](const QString &z) { return z.trimmed().isEmpty(); }))
        return std::nullopt;
    Jungtier k;
    k.name = zellen.value(0).trimmed();
    k.geschlecht = zellen.value(1).trimmed();
    k.maennlich =
        k.geschlecht.compare(maennlich, Qt::CaseInsensitive) == 0 || k.geschlecht == QLatin1String("1,0");
    k.rasse = zellen.value(2).trimmed();
    k.augenfarbe = zellen.value(3).trimmed();
    k.fellfarbe = zellen.value(4).trimmed();
    return k;
}

QString jungtierZahlen(const QVector<Jungtier> &kitten)
{
    const auto m =
        std::count_if(kitten.cbegin(), kitten.cend(), [](const Jungtier &k) { return k.maennlich; });
    return QStringLiteral("%1/%2").arg(m).arg(kitten.size() - m);
}

std::unique_ptr<Table> lesend(store::Database &db, const QString &name, const QString &index)
{
    auto t = std::make_unique<Table>(&db, name);
    t->setReadOnly(true);
    if (!index.isEmpty())
        t->setIndexName(index);
    t->open();
    return t;
}

QString kurzesDatum(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

namespace {

// the first row of a one-row table of the breeder's own data; none when missing or empty
std::unique_ptr<Table> ersteZeile(store::Database &db, const QString &name)
{
    if (!db.tableExists(name))
        return nullptr;
    auto t = lesend(db, name);
    if (t->isEmpty())
        return nullptr;
    t->first();
    return t;
}

// the owner of a cat: the breeder for the breeder's own cats (Status 1), else its ADR_DAT.DB record
Besitzerzeilen besitzerLesen(store::Database &db, int status, int besitzer)
{
    if (status == 1) {
        if (auto e = ersteZeile(db, eigen::Datei))
            return besitzerzeilen(e->text(eigen::Name), e->text(eigen::Vorname), e->text(eigen::Strasse),
                                  e->text(eigen::Plz), e->text(eigen::Ort), e->text(eigen::Telefon),
                                  e->text(eigen::Telefax));
        return {};
    }
    const auto adr = lesend(db, adr_dat::Datei);
    if (besitzer <= 0 || !adr->findKey({besitzer}))
        return {};
    return besitzerzeilen(adr->text(adr_dat::Name), adr->text(adr_dat::Vorname), adr->text(adr_dat::Strasse),
                          adr->text(adr_dat::Plz), adr->text(adr_dat::Ort), adr->text(adr_dat::Telefon),
                          adr->text(adr_dat::Telefax));
}

Elternteil elternteilLesen(store::Database &db, Table &katzen, int nr)
{
    Elternteil e;
    if (nr <= 0 || !katzen.findKey({nr}))
        return e;
    const cats::ElternDaten d = cats::elternDatenLesen(db, nr);
    const RegisterTitel t{katzen.text(catstamm::TitelGer1), katzen.text(catstamm::TitelUSA1),
                          katzen.text(catstamm::TitelGer2), katzen.text(catstamm::TitelUSA2)};
    e.name = titelUndName(d.geschlecht, t, d.name);
    e.rasse = d.rasse;
    e.farbe = d.farbe;
    e.zuchtbNr = d.zuchtbuchnummern.value(0);
    e.gebDatum = d.gebText;
    e.chipNr = d.chip;
    e.besitzer = besitzerLesen(db, katzen.intValue(catstamm::Status), katzen.intValue(catstamm::Besitzer));
    return e;
}

Wurf wurfDerZeile(const Table &t)
{
    Wurf w;
    w.nr = t.intValue(wurfbuch::LaufendeNummer);
    w.katze = t.intValue(wurfbuch::Katze);
    w.kater = t.intValue(wurfbuch::Kater);
    const auto datum = [&](const char *f) { return t.value(QString::fromLatin1(f)).toDate(); };
    const auto text = [&](const char *f) { return t.text(QString::fromLatin1(f)); };
    w.beginnRollig = datum("BeginnRollig");
    w.decktermin = datum("Decktermin");
    w.decktermin2 = datum("Decktermin2");
    w.wurftag = datum("Wurftag");
    w.besichtam = datum("Besichtam");
    w.abnahmeam = datum("Abnahmeam");
    w.wurfbez = text("Wurfbez");
    w.wurfstaerke = text("Wurfstaerke");
    w.totgeboren = text("Totgeboren");
    w.verendet = text("Verendet");
    w.ammenaufzucht = text("Ammenaufzucht");
    w.eingeschlaefert = text("Eingeschlaefert");
    w.verblieben = text("Verblieben");
    w.endabnahme = text("Endabnahme");
    w.verfassung = text("Verfassung");
    w.besichtvon = text("Besichtvon");
    w.abnahmevon = text("Abnahmevon");
    w.bemerkung = text("Bemerkung");
    return w;
}

} // namespace

std::optional<Wurf> wurfLesen(store::Database &db, int katze, int wurf, const QDate &wurftag)
{
    if (katze <= 0 || !db.tableExists(wurfbuch::Datei))
        return std::nullopt;
    const auto t = lesend(db, wurfbuch::Datei, wurfbuch::idx::KatzeIdx);
    t->setRange({katze}, {katze});
    std::optional<Wurf> gefunden;
    for (t->first(); !t->eof(); t->next()) {
        gefunden = wurfDerZeile(*t);
        if (gefunden->nr == wurf || (wurftag.isValid() && gefunden->wurftag == wurftag))
            break;
    }
    return gefunden;
}

QString farbnummer(store::Database &db, const QString &farbname)
{
    if (farbname.isEmpty())
        return QString();
    const auto farbe = lesend(db, farbe::Datei, farbe::idx::FarbnameIndex);
    farbe->setRange({farbname}, {farbname});
    farbe->first();
    return farbe->eof() ? QString() : farbe->text(farbe::Farbnummer);
}

Formtexte formtexteLesen(int sprache, const QString &datei)
{
    QFile f(datei.isEmpty() ? QDir(app::deliveredDataDir()).filePath(QStringLiteral("forms/Wurfmeldung.tsv"))
                            : datei);
    Formtexte texte;
    if (!f.open(QIODevice::ReadOnly))
        return texte;
    const QStringList zeilen = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        const QString z = zeilen[i].trimmed();
        if (z.isEmpty() || z.startsWith(QLatin1Char('#')))
            continue;
        const QStringList teile = zeilen[i].split(QLatin1Char('\t'));
        const QString text = teile.value(1 + std::clamp(sprache, 0, 2)).trimmed();
        texte.insert(teile.value(0).trimmed(), text.isEmpty() ? teile.value(1).trimmed() : text);
    }
    return texte;
}

void farbnummernErgaenzen(store::Database &db, Wurfmeldung &m)
{
    m.vater.farbnummer = farbnummer(db, m.vater.farbe);
    m.mutter.farbnummer = farbnummer(db, m.mutter.farbe);
    for (Jungtier &k : m.kitten)
        k.farbnummer = farbnummer(db, k.fellfarbe);
}

Wurfmeldung wurfmeldungLesen(store::Database &db, int katze, const std::optional<Wurf> &wurf,
                             const Beschriftung &text)
{
    Wurfmeldung m;
    const auto katzen = lesend(db, catstamm::Datei);
    m.mutter = elternteilLesen(db, *katzen, katze);
    if (auto z = ersteZeile(db, zusatz::Datei))
        m.mitgliedsnummer = z->text(zusatz::Mitgliedsnummer);
    if (auto e = ersteZeile(db, eigen::Datei))
        m.zwinger = e->text(eigen::Zwinger);
    if (!wurf)
        return m;
    m.vater = elternteilLesen(db, *katzen, wurf->kater);
    m.deckdatum = kurzesDatum(wurf->decktermin);
    m.gebDatum = kurzesDatum(wurf->wurftag);
    if (wurf->wurftag.isValid()) {
        const auto liste = lesend(db, catstamm::Datei, catstamm::idx::IDXMutterGebDatum);
        Table &kitten = *liste;
        kitten.setRange({katze, wurf->wurftag}, {katze, wurf->wurftag});
        const auto rassen = lesend(db, rasse::Datei);
        for (kitten.first(); !kitten.eof(); kitten.next()) {
            if (m.kitten.size() == MaxJungtiere) {
                m.nichtAufgenommen << kitten.text(catstamm::Name);
                continue;
            }
            Jungtier k;
            k.name = kitten.text(catstamm::Name);
            k.maennlich = cats::istKater(kitten.text(catstamm::Geschlecht));
            k.geschlecht = text(k.maennlich ? TagWortMaennlich : TagWortWeiblich);
            const int rasse = kitten.intValue(catstamm::Rasse);
            if (rasse > 0 && rassen->findKey({rasse}))
                k.rasse = rassen->text(rasse::RName);
            k.augenfarbe = kitten.text(catstamm::Augenfarbe);
            k.fellfarbe = kitten.text(catstamm::FellFarbe);
            m.kitten.append(k);
        }
    }
    m.jungtiere = jungtierZahlen(m.kitten);
    farbnummernErgaenzen(db, m);
    return m;
}

} // namespace tav::printouts
