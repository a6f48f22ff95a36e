#include "Cli.h"
#include "Register.h"

#include "app/DataHome.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"
#include "store/Transaction.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <stdexcept>

using namespace tav::store::namen;

using tav::store::Database;
using tav::store::Table;

namespace {
// the address book: statuses, contact details of the breeders and a few buyers and guests; the
// groups and salutations are the user's words, so they come in the language of the settings
void demoAdressen(Database &db)
{
    tav::app::tsysteminfo s;
    einstellungenLesen(s);
    tav::app::Sprache katalog;
    katalog.open(&db);
    katalog.setLanguageNumber(tav::app::languageNumber(s.Sprache));
    const std::pair<const char *, int> woerter[] = {
        {"Züchter", 9971}, {"Käufer", 9972}, {"Interessent", 9973}, {"Tierarzt", 9974},
        {"Frau", 6802},    {"Herr", 6803},   {"Familie", 6804},     {"Firma", 6805}};
    QHash<QString, QString> wort;
    for (const auto &[deutsch, tag] : woerter) {
        const QString w = katalog.caption(tag);
        wort.insert(QString::fromUtf8(deutsch), w.isEmpty() ? QString::fromUtf8(deutsch) : w);
    }
    katalog.close();
    const auto inSprache = [&wort](const char *deutsch) { return wort.value(QString::fromUtf8(deutsch)); };

    db.ensureTable(statusadressen::Datei);
    tav::store::Transaction txn(db, {statusadressen::Datei, adr_dat::Datei});
    Table status(&db, statusadressen::Datei);
    status.open();
    for (const char *s : {"Züchter", "Käufer", "Interessent", "Tierarzt"}) {
        status.append();
        status.setValue(statusadressen::Status, inSprache(s));
        status.post();
    }
    Table adr(&db, adr_dat::Datei);
    adr.setIndexName(adr_dat::idx::AdrName);
    adr.open();
    const struct {
        const char *name, *vorname, *anrede, *strasse, *plz, *ort, *land, *telefon, *email, *status;
    } daten[] = {
        {"Berger", "Anna", "Frau", "Lindenallee 12", "22301", "Hamburg", "Deutschland", "040-5512345",
         "anna.berger@example.org", "Züchter"},
        {"Janssen", "Pieter", "Herr", "Molenweg 4", "3511", "Utrecht", "Niederlande", "030-2314455",
         "pieter@vandemolen.example.nl", "Züchter"},
        {"Hofmann", "Karin", "Frau", "Aarbergergasse 9", "3011", "Bern", "Schweiz", "031-3117788", "",
         "Züchter"},
        {"Weber", "Lukas", "Herr", "Domstraße 3", "50668", "Köln", "Deutschland", "0221-442211",
         "lukas.weber@example.de", "Käufer"},
        {"Schulz", "Marie", "Frau", "Elbufer 27", "01097", "Dresden", "Deutschland", "0351-808080",
         "marie@vom-elbufer.example.de", "Züchter"},
        {"Ärger", "Ümit", "Herr", "Kaiserstraße 1", "52062", "Aachen", "Deutschland", "0241-12345", "",
         "Interessent"},
        {"de Vries", "Jan", "Familie", "Grachtstraat 88", "1017", "Amsterdam", "Niederlande", "020-6252525",
         "jan.devries@example.nl", "Käufer"},
        {"Yilmaz", "Deniz", "Frau", "Am Markt 5", "28195", "Bremen", "Deutschland", "0421-998877",
         "deniz.yilmaz@example.de", "Interessent"},
        {"Tierarztpraxis Sonnenhof", "", "Firma", "Sonnenweg 2", "22303", "Hamburg", "Deutschland",
         "040-6677889", "praxis@sonnenhof.example.de", "Tierarzt"},
    };
    for (const auto &d : daten) {
        const QString name = QString::fromUtf8(d.name), vorname = QString::fromUtf8(d.vorname);
        if (adr.findKey({name, vorname}))
            adr.edit();
        else
            adr.append();
        adr.setValue(adr_dat::Name, name);
        adr.setValue(adr_dat::Vorname, vorname);
        adr.setValue(adr_dat::Anrede, inSprache(d.anrede));
        adr.setValue(adr_dat::Strasse, QString::fromUtf8(d.strasse));
        adr.setValue(adr_dat::Plz, QString::fromUtf8(d.plz));
        adr.setValue(adr_dat::Ort, QString::fromUtf8(d.ort));
        adr.setValue(adr_dat::Land, QString::fromUtf8(d.land));
        adr.setValue(adr_dat::Telefon, QString::fromUtf8(d.telefon));
        adr.setValue(adr_dat::email, QString::fromUtf8(d.email));
        adr.setValue(adr_dat::Status, inSprache(d.status));
        adr.post();
    }
    txn.commit();
}
} // namespace

namespace {

int breedCode(Database &db, const QString &kurz)
{
    Table t(&db, rasse::Datei);
    t.open();
    return t.locate(rasse::RKurzname, kurz) ? t.value(rasse::RCode).toInt() : 0;
}

// A cat's portrait, drawn so the demo needs no picture files of its own.
QString drawPicture(const QString &dir, int nr, const QColor &fur, const QColor &eyes)
{
    QImage img(360, 270, QImage::Format_RGB32);
    img.fill(QColor(230, 236, 242));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 212, 222));
    p.drawRect(0, 200, 360, 70);
    p.setBrush(fur);
    p.drawEllipse(QRectF(110, 130, 150, 120)); // body
    p.drawEllipse(QRectF(130, 50, 110, 100));  // head
    QPainterPath ears;
    ears.moveTo(138, 80);
    ears.lineTo(150, 30);
    ears.lineTo(175, 62);
    ears.moveTo(232, 80);
    ears.lineTo(220, 30);
    ears.lineTo(195, 62);
    p.drawPath(ears);
    QPainterPath tail;
    tail.moveTo(250, 220);
    tail.cubicTo(320, 230, 330, 150, 300, 120);
    p.setPen(QPen(fur, 14, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(eyes);
    p.drawEllipse(QRectF(155, 88, 18, 14));
    p.drawEllipse(QRectF(197, 88, 18, 14));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(162, 89, 5, 12));
    p.drawEllipse(QRectF(204, 89, 5, 12));
    p.setBrush(QColor(220, 140, 150));
    p.drawEllipse(QRectF(180, 108, 10, 7));
    p.end();
    const QString path = QDir(dir).filePath(QStringLiteral("katze%1.jpg").arg(nr));
    img.save(path, "JPG", 85);
    return path;
}

struct Colour {
    const char *name;
    QColor fur;
};

} // namespace

void writeDemo(const QString &home)
{
    Database db(tav::app::dataDirOf(home));
    QRandomGenerator rng(20261209);
    const QString picDir = QDir(home).filePath("Bilder");
    if (!QDir().mkpath(picDir))
        throw std::runtime_error(QStringLiteral("%1 kann nicht angelegt werden").arg(picDir).toStdString());
    // the demo register is one change: all of it or, after a crash, none of it
    db.ensureTable(statusadressen::Datei);
    tav::store::Transaction alles(db,
                                  {eigen::Datei, catstamm::Datei, adr_dat::Datei, katzemerkmal::Datei,
                                   "TITELHUND.DB", impfung::Datei, bilder::Datei, wurfbuch::Datei,
                                   "DECKBUCH.DB", merkmale::Datei, topkatze::Datei, statusadressen::Datei});

    {
        Table eigen(&db, eigen::Datei);
        eigen.open();
        eigen.append();
        eigen.setValue(eigen::Name, "Berger");
        eigen.setValue(eigen::Vorname, "Anna");
        eigen.setValue(eigen::Zwinger, "vom Lindenhof");
        eigen.setValue(eigen::Strasse, "Lindenallee 12");
        eigen.setValue(eigen::Plz, "22301");
        eigen.setValue(eigen::Ort, "Hamburg");
        eigen.setValue(eigen::land, "Deutschland");
        eigen.setValue(eigen::EMail, "anna.berger@example.org");
        eigen.post();
    }

    RegisterWriter w(db);
    w.begin();
    const int me = w.addAddress("Berger", "Anna", "vom Lindenhof", "Hamburg", "Deutschland");
    const int adr[] = {me, w.addAddress("Janssen", "Pieter", "van de Molen", "Utrecht", "Niederlande"),
                       w.addAddress("Hofmann", "Karin", "of Silver Moon", "Bern", "Schweiz"),
                       w.addAddress("Weber", "Lukas", "", "Köln", "Deutschland"),
                       w.addAddress("Schulz", "Marie", "vom Elbufer", "Dresden", "Deutschland")};
    const QString catteries[] = {"vom Lindenhof", "van de Molen", "of Silver Moon", "", "vom Elbufer"};
    const int bri = breedCode(db, "BRI");
    const int per = breedCode(db, "PER");
    const Colour colours[] = {
        {"blau", QColor(120, 130, 150)},       {"lilac", QColor(190, 175, 180)},
        {"creme", QColor(235, 210, 170)},      {"schwarz", QColor(40, 40, 45)},
        {"blau-creme", QColor(160, 150, 150)}, {"schwarz-silber-tabby-blotched", QColor(150, 150, 150)},
        {"rot", QColor(210, 120, 60)}};

    struct Made {
        int nr;
        bool male;
        int gen;
    };
    QVector<Made> all;
    auto makeCat = [&](int gen, bool male, int vater, int mutter, QDate born, int breeder, int breed) {
        RegisterWriter::Cat c;
        const int owner = breeder;
        c.zwinger = catteries[breeder];
        c.name = catName(rng) + (c.zwinger.isEmpty() ? QString() : QLatin1Char(' ') + c.zwinger);
        c.rufname = c.name.section(' ', 0, 0);
        c.sex = male ? "1" : "2";
        if (gen >= 5 && rng.bounded(6) == 0)
            c.sex = male ? "3" : "4";
        c.born = born;
        if (gen <= 2 && rng.bounded(2))
            c.died = born.addYears(13 + rng.bounded(5));
        c.rasse = breed;
        const Colour &col = colours[rng.bounded(7)];
        c.farbe = QString::fromUtf8(col.name);
        c.augen = QStringLiteral("kupfer");
        c.vater = vater;
        c.mutter = mutter;
        c.zuechter = adr[breeder];
        c.besitzer = adr[gen >= 6 && rng.bounded(3) == 0 ? 3 : breeder];
        c.status = breeder == 0 && gen >= 4 ? 1 : 2;
        if (gen <= 4 && rng.bounded(3) == 0)
            c.titelGer1 = QString::number(1 + rng.bounded(3));
        c.zuchtbuch = QStringLiteral("DE-%1-%2").arg(born.year()).arg(1000 + all.size());
        if (gen >= 5)
            c.chip = QStringLiteral("276098100%1").arg(100000 + all.size());
        const int nr = w.addCat(c);
        Q_UNUSED(owner);
        all.append({nr, male, gen});
        if (gen >= 4 && rng.bounded(3) == 0)
            w.addPicture(nr, drawPicture(picDir, nr, col.fur, QColor(200, 120, 30)),
                         QStringLiteral("Portrait"));
        return nr;
    };

    // founders: two lines of British Shorthair and a Persian outcross
    QVector<int> males, females;
    for (int i = 0; i < 8; ++i) {
        const bool male = i % 2 == 0;
        const int nr =
            makeCat(1, male, 0, 0, QDate(2008 + i / 4, 3 + i, 10 + i), 1 + i % 3, i == 7 ? per : bri);
        (male ? males : females) << nr;
        if (i == 0)
            w.addTrait(nr, 2); // the Foundation mark stops the pedigree here
    }
    // six bred generations; one popular sire per generation keeps the lines close
    for (int gen = 2; gen <= 7; ++gen) {
        QVector<int> nextMales, nextFemales;
        const int popular = males[rng.bounded(int(males.size()))];
        const int litters = gen == 7 ? 3 : 4;
        for (int l = 0; l < litters; ++l) {
            const int queen = females[(l + gen) % females.size()];
            const int tom = l < 2 ? popular : males[rng.bounded(int(males.size()))];
            const QDate mated(2008 + 2 * gen, 1 + 2 * l, 5 + gen);
            const QDate born = mated.addDays(65);
            const int breeder = gen >= 4 ? 0 : (l % 2 ? 4 : 0);
            const int size = 2 + rng.bounded(2);
            for (int k = 0; k < size; ++k) {
                const bool male = k % 2 == 0;
                const int nr = makeCat(gen, male, tom, queen, born, breeder, bri);
                (male ? nextMales : nextFemales) << nr;
                if (gen >= 5)
                    w.addVaccination(nr, born.addDays(70), "RCP + Leukose", born.addDays(70 + 365));
            }
            w.addLitter(queen, tom, mated, born, size, QString(QChar('A' + (gen - 2) * 4 + l)));
            w.addMating(tom, queen, mated, born);
        }
        // keep a few of the older generation in the breeding pool: back-crosses make inbreeding
        for (int i = 0; i < 2 && i < males.size(); ++i)
            nextMales << males[i];
        for (int i = 0; i < 2 && i < females.size(); ++i)
            nextFemales << females[i];
        males = nextMales;
        females = nextFemales;
    }
    // trait marks and free titles on a few cats
    for (int i = 0; i < all.size(); i += 9)
        w.addTitle(all[i].nr, 1 + (i / 9) % 3);
    w.addTrait(all[all.size() - 2].nr, 1);
    w.commit();

    // a few traits of the breeder's own, with their list colours (red in the low byte)
    const struct {
        const char *name, *kuerzel;
        int farbe;
    } traits[] = {{"HCM-Schall o.B.", "HCM", 0xC8F0C8},
                  {"PKD negativ", "PKD", 0xFFDCC8},
                  {"Zuchtkater", "ZK", 0xA0FFFF}};
    Table merkmale(&db, merkmale::Datei);
    merkmale.open();
    QVector<int> traitNrs;
    for (const auto &t : traits) {
        merkmale.append();
        merkmale.setValue(merkmale::Bezeichnung, QString::fromUtf8(t.name));
        merkmale.setValue(merkmale::Kuerzel, QString::fromUtf8(t.kuerzel));
        merkmale.setValue(merkmale::farbe, t.farbe);
        merkmale.post();
        traitNrs << merkmale.value(merkmale::LaufendeNummer).toInt();
    }
    w.begin();
    for (const Made &m : all) {
        if (m.gen >= 4 && rng.bounded(3) == 0)
            w.addTrait(m.nr, traitNrs[rng.bounded(2)]);
        else if (m.male && m.gen >= 3 && rng.bounded(4) == 0)
            w.addTrait(m.nr, traitNrs[2]);
    }
    w.commit();
    // two top cats with their colours
    Table top(&db, topkatze::Datei);
    top.open();
    const int topColours[] = {0xD0D0FF, 0xFFC8FF};
    for (int i = 0; i < 2 && !top.eof(); ++i, top.next()) {
        top.edit();
        top.setValue(topkatze::Katze, all[3 + 10 * i].nr);
        top.setValue(topkatze::Farbe, topColours[i]);
        top.post();
    }
    demoAdressen(db);
    alles.commit();
}
