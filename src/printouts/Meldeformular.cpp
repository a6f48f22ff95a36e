#include "Meldeformular.h"

#include "KatzenDruck.h"
#include "app/DataHome.h"
#include "app/Global.h"
#include "cats/Stammdaten.h"
#include "cats/Titel.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace tav::store::namen;

using tav::store::Table;

namespace tav::printouts {

const QVector<MeldeKlasse> &meldeKlassen()
{
    static const QVector<MeldeKlasse> k = {
        {QStringLiteral("SUC"), QStringLiteral("1 SUPREME CHAMPION"), QStringLiteral("1 SUC")},
        {QStringLiteral("SUP"), QStringLiteral("2 SUPREME PREMIOR"), QStringLiteral("8 SUP")},
        {QStringLiteral("Gr.Int.Ch. Klasse (CACE)"), QStringLiteral("3"), QStringLiteral("3 CACE")},
        {QStringLiteral("Gr.Int.Pr. Klasse (CAPE)"), QStringLiteral("4"), QStringLiteral("10 CAPE")},
        {QStringLiteral("Int. Ch. Klasse (CAGCIB)"), QStringLiteral("5"), QStringLiteral("4 CAGCI")},
        {QStringLiteral("Int. Pr. Klasse (CAGPIB)"), QStringLiteral("6"), QStringLiteral("11 CAGPI")},
        {QStringLiteral("Champion Klasse (CACIB)"), QStringLiteral("7"), QStringLiteral("5 CACIB")},
        {QStringLiteral("Premioren Klasse (CAPIB)"), QStringLiteral("8"), QStringLiteral("12 CAPIB")},
        {QStringLiteral("Offene Klasse (CAC)"), QStringLiteral("9"), QStringLiteral("6 CAC")},
        {QStringLiteral("Kastraten Klasse (CAP)"), QStringLiteral("10"), QStringLiteral("13 CAP")},
        {QStringLiteral("Jugendklasse (6-10 Mon.)"), QStringLiteral("11"), QString()},
        {QStringLiteral("Kittenklasse (3-6 Mon.)"), QStringLiteral("12"), QStringLiteral("7 3-9 Monate")},
        {QStringLiteral("Novizenklasse (ab 10 Mon.)"), QStringLiteral("13 a"),
         QStringLiteral("Novizen Klasse")},
        {QStringLiteral("Kontrollklasse"), QStringLiteral("13 b"), QString()},
        {QStringLiteral("Bestimmungsklasse"), QStringLiteral("13 c"), QString()},
        {QStringLiteral("Hauskatzen"), QStringLiteral("14"), QStringLiteral("Hauskatzen")},
        {QString::fromUtf8("Außer Konkurrenz"), QStringLiteral("15"), QString::fromUtf8("Außer Konkurrenz")},
        {QStringLiteral("Wurfklasse (ab 3 Tiere)"), QStringLiteral("16"), QString()},
        {QStringLiteral("Veteranenklasse (ab 7. J )"), QStringLiteral("17"), QString()},
        {QStringLiteral("nicht anerk. Rassen/Farben"), QStringLiteral("18"), QString()},
        {QStringLiteral("Euro.Ch. Klasse (CAGCE)"), QString(), QStringLiteral("2 CAGCE")},
        {QStringLiteral("Euro.Pr. Klasse (CAGPE)"), QString(), QStringLiteral("9 CAGPE")},
        {QStringLiteral("Babyklasse (Einzeljungtier)"), QString(), QString()},
        {QStringLiteral("Gr.Euro.Ch. Klasse (CACM)"), QString(), QString()},
        {QStringLiteral("Gr.Euro.Pr. Klasse (CAPM)"), QString(), QString()},
        {QStringLiteral("Weltchampion"), QString(), QString()},
        {QStringLiteral("Weltpremior"), QString(), QString()},
    };
    return k;
}

namespace {
// the leading number of a form line; lines without one ("Novizen Klasse") follow the numbered ones
int zeilenNummer(const QString &zeile)
{
    bool ok = false;
    const int n = zeile.section(QLatin1Char(' '), 0, 0).toInt(&ok);
    return ok ? n : 1000;
}
} // namespace

QVector<int> klassenDesFormulars(Verband v)
{
    const QVector<MeldeKlasse> &k = meldeKlassen();
    QVector<int> liste;
    for (int i = 0; i < k.size(); ++i)
        if (v == Verband::Allgemein || !(v == Verband::FIFE ? k[i].fife : k[i].dru).isEmpty())
            liste << i;
    if (v != Verband::Allgemein)
        std::stable_sort(liste.begin(), liste.end(), [&](int a, int b) {
            const auto zeile = [&](int i) { return v == Verband::FIFE ? k[i].fife : k[i].dru; };
            return zeilenNummer(zeile(a)) < zeilenNummer(zeile(b));
        });
    return liste;
}

const QVector<CfaKlassenGruppe> &cfaKlassen()
{
    static const QVector<CfaKlassenGruppe> g = {
        {6347,
         QStringLiteral("Non Championship"),
         {QStringLiteral("Kitten"), QStringLiteral("Provisional breed"),
          QStringLiteral("Miscellaneous breed"), QStringLiteral("Household pet"),
          QStringLiteral("Exhibition only"), QStringLiteral("AOV")}},
        {6348,
         QStringLiteral("Championship"),
         {QStringLiteral("Open"), QStringLiteral("Champion"), QStringLiteral("Grand Champion"),
          QStringLiteral("Novice")}},
        {6349,
         QStringLiteral("Premiership"),
         {QStringLiteral("Open"), QStringLiteral("Premior"), QStringLiteral("Grand Premior"),
          QStringLiteral("Novice")}},
    };
    return g;
}

int cfaKlassenAnzahl()
{
    int n = 0;
    for (const CfaKlassenGruppe &g : cfaKlassen())
        n += int(g.klassen.size());
    return n;
}

const QStringList &cfaRegionen()
{
    static const QStringList r = {QStringLiteral("1 North Atlantic"), QStringLiteral("2 North West"),
                                  QStringLiteral("3 Golf Shore"),     QStringLiteral("4 Great Lakes"),
                                  QStringLiteral("5 South West"),     QStringLiteral("6 Mid West"),
                                  QStringLiteral("7 Southern"),       QStringLiteral("8 Japan"),
                                  QStringLiteral("9 International")};
    return r;
}

QString mitTitel(const QString &titel, const QString &name)
{
    return titel.trimmed().isEmpty() ? name : titel.trimmed() + QLatin1Char(' ') + name;
}

QString cfaDatum(const QDate &d)
{
    // fixed pattern, never the locale's
    return d.isValid() ? QStringLiteral("%1/%2/%3")
                             .arg(d.month(), 2, 10, QLatin1Char('0'))
                             .arg(d.day(), 2, 10, QLatin1Char('0'))
                             .arg(d.year(), 4, 10, QLatin1Char('0'))
                       : QString();
}

QString farbklasse(store::Database &db, const QString &fellFarbe)
{
    if (fellFarbe.isEmpty() || !db.tableExists(farbe::Datei))
        return QString();
    Table t(&db, farbe::Datei);
    t.setReadOnly(true);
    t.setIndexName(farbe::idx::FarbnameIndex);
    t.open();
    // the index may hold "Blau" and "blau" side by side; the colour must be the very same text
    if (!t.findKey({fellFarbe}))
        return QString();
    for (; !t.eof(); t.next()) {
        const QString name = t.text(farbe::Farbname);
        if (name == fellFarbe)
            return t.text(farbe::Farbnummer);
        if (name.compare(fellFarbe, Qt::CaseInsensitive) != 0)
            break;
    }
    return QString();
}

namespace {

struct Katze {
    bool da = false;
    QString name, farbe, zuchtbuch, ems, geschlecht;
    int rasse = 0, vater = 0, mutter = 0, zuechter = 0;
    QString titel;
};

// the first row of a table of one record
template <typename F> void ersteZeile(store::Database &db, const QString &tabelle, F lesen)
{
    if (!db.tableExists(tabelle))
        return;
    Table t(&db, tabelle);
    t.setReadOnly(true);
    t.open();
    t.first();
    if (!t.eof())
        lesen(t);
}

} // namespace

Meldung meldungLesen(store::Database &db, int katze, int sprache, const std::function<QString(int)> &caption,
                     const QDate &heute)
{
    Meldung m;
    m.ausgestellt = app::datumText(heute);
    ersteZeile(db, eigen::Datei, [&](const Table &t) {
        m.aussteller = t.text(eigen::Name);
        if (const QString v = t.text(eigen::Vorname); !v.isEmpty())
            m.aussteller += QStringLiteral(", ") + v;
        m.telefon = t.text(eigen::Telefon);
        m.telefax = t.text(eigen::Telefax);
        m.email = t.text(eigen::EMail);
        m.strasse = t.text(eigen::Strasse);
        m.plz = t.text(eigen::Plz);
        m.ort2 = t.text(eigen::Ort);
        m.land = t.text(eigen::land);
    });
    ersteZeile(db, zusatz::Datei, [&](const Table &t) {
        m.mitgliedBei = t.text(zusatz::Verein);
        m.mitgliedsnummer = t.text(zusatz::Mitgliedsnummer);
    });
    if (katze <= 0 || !db.tableExists(catstamm::Datei))
        return m;

    Table cats(&db, catstamm::Datei);
    cats.setReadOnly(true);
    cats.open();
    const auto lese = [&](int nr) {
        Katze k;
        if (nr <= 0 || !cats.findKey({nr}))
            return k;
        k.da = true;
        k.name = cats.text(catstamm::Name);
        k.farbe = cats.text(catstamm::FellFarbe);
        k.zuchtbuch = cats.text(catstamm::Zuchtbuchnummer1);
        k.geschlecht = cats.text(catstamm::Geschlecht);
        k.rasse = cats.intValue(catstamm::Rasse);
        k.vater = cats.intValue(catstamm::Vater);
        k.mutter = cats.intValue(catstamm::Mutter);
        k.zuechter = cats.intValue(catstamm::Zuechter);
        return k;
    };
    const Katze k = lese(katze);
    if (!k.da)
        return m;
    m.gebDatum = app::datumText(cats.value(catstamm::GebDatum).toDate());
    m.cfaGebDatum = cfaDatum(cats.value(catstamm::GebDatum).toDate());
    m.chipNr = cats.text(catstamm::ChipNr);
    m.augenfarbe = cats.text(catstamm::Augenfarbe);
    const Katze v = lese(k.vater), mu = lese(k.mutter);

    const QHash<int, QString> titel = cats::titelTexte(db, {katze, k.vater, k.mutter});
    // a cat without sex code gets no title in front of its name
    m.name = k.geschlecht.isEmpty() ? k.name : mitTitel(titel.value(katze), k.name);
    m.nameOhneTitel = k.name;
    m.geschlechtCode = k.geschlecht;
    m.geschlecht = geschlechtWort(k.geschlecht, caption);
    m.zuchtbuchNr = k.zuchtbuch;
    m.farbe = k.farbe;
    m.farbklasse = farbklasse(db, k.farbe);
    if (v.da) {
        m.vater = mitTitel(titel.value(k.vater), v.name);
        m.vaterFarbe = v.farbe;
        m.vaterZuchtbuch = v.zuchtbuch;
    }
    if (mu.da) {
        m.mutter = mitTitel(titel.value(k.mutter), mu.name);
        m.mutterFarbe = mu.farbe;
        m.mutterZuchtbuch = mu.zuchtbuch;
    }

    // breed names and the EMS codes (breed code and colour number)
    QHash<int, QString> kurz;
    if (db.tableExists(rasse::Datei)) {
        Table r(&db, rasse::Datei);
        r.setReadOnly(true);
        r.open();
        for (int nr : {k.rasse, v.rasse, mu.rasse})
            if (nr > 0 && r.findKey({nr}))
                kurz[nr] = r.text(rasse::RKurzname);
        if (k.rasse > 0 && r.findKey({k.rasse})) {
            const QString englisch = r.text(rasse::RNameEng);
            m.rasse = sprache == 1 && !englisch.isEmpty() ? englisch : r.text(rasse::RName);
        }
    }
    const auto ems = [&](const Katze &c, const QString &nummer) {
        const QString code = kurz.value(c.rasse);
        return code.isEmpty() ? QString() : (code + QLatin1Char(' ') + nummer).trimmed();
    };
    m.ems = ems(k, m.farbklasse);
    if (v.da)
        m.vaterEms = ems(v, farbklasse(db, v.farbe));
    if (mu.da)
        m.mutterEms = ems(mu, farbklasse(db, mu.farbe));

    if (k.zuechter > 0 && db.tableExists(adr_dat::Datei)) {
        Table adressen(&db, adr_dat::Datei);
        adressen.setReadOnly(true);
        adressen.open();
        m.zuechter = cats::adressText(adressen, k.zuechter).section(QLatin1Char('\n'), 0, 0);
        if (adressen.findKey({k.zuechter}))
            m.zuechterOrt = adressen.text(adr_dat::Ort);
    }
    return m;
}

bool FormularTexte::lesen(const QString &pfad)
{
    m_texte.clear();
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    bool kopf = true;
    while (!in.atEnd()) {
        const QString zeile = in.readLine();
        if (zeile.startsWith(QLatin1Char('#')) || zeile.trimmed().isEmpty())
            continue;
        if (kopf) {
            kopf = false;
            continue;
        }
        QStringList spalten = zeile.split(QLatin1Char('\t'));
        const QString key = spalten.takeFirst();
        while (spalten.size() < 4)
            spalten << QString();
        m_texte[key] << spalten;
    }
    return true;
}

QStringList FormularTexte::zeilen(const QString &key, const QString &lang) const
{
    static const QStringList sprachen = {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("nl"),
                                         QStringLiteral("fr")};
    const int i = std::max(0, int(sprachen.indexOf(lang)));
    QStringList z;
    for (const QStringList &row : m_texte.value(key))
        z << (row[i].isEmpty() && i >= 2 ? row[1] : row[i]);
    return z;
}

QString formularTextePfad()
{
    return QDir(app::deliveredDataDir()).filePath(QStringLiteral("forms/Meldeformulare.tsv"));
}

QString sprachKuerzel(int sprache)
{
    return sprache == 1 ? QStringLiteral("en") : sprache == 2 ? QStringLiteral("nl") : QStringLiteral("de");
}

} // namespace tav::printouts
