#include "StammbaumDaten.h"
#include "ReportStammbaum.h"
#include "StammbaumGeometrie.h"

#include "app/Global.h"
#include "app/Systemi.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

using namespace tav::store::namen;

using tav::store::Table;

namespace tav::printouts {

namespace {

constexpr double MmProPixel = 25.4 / 96.0; // the picture sizes of the settings are screen pixels

QSizeF mm(int horizontal, int vertikal)
{
    return QSizeF(std::max(0, horizontal) * MmProPixel, std::max(0, vertikal) * MmProPixel);
}

// A picture no finer than the print resolution asks for (dots a millimetre), so a camera's
// picture does not swell the file.
QImage bild(const QString &pfad, const QSizeF &groesse, int aufloesung)
{
    if (pfad.isEmpty() || !QFileInfo(pfad).isFile())
        return QImage();
    QImageReader leser(pfad);
    leser.setAutoTransform(true);
    QImage img = leser.read();
    if (img.isNull())
        return img;
    const QSize hoechstens((groesse * std::clamp(aufloesung, 4, 40)).toSize());
    if (img.width() > hoechstens.width() || img.height() > hoechstens.height())
        img = img.scaled(hoechstens, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return img;
}

QColor gespeicherteFarbe(int wert)
{
    // the tables store red in the low byte
    return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF);
}

QVector<QColor> farbListe(store::Database &db)
{
    QVector<QColor> liste;
    if (!db.tableExists(stbfarbe::Datei))
        return vorgabeFarben();
    try {
        Table t(&db, stbfarbe::Datei);
        t.setReadOnly(true);
        t.open();
        for (t.first(); !t.eof(); t.next())
            liste << gespeicherteFarbe(t.intValue(stbfarbe::farbe));
    } catch (const store::EngineError &) {
        liste.clear();
    }
    // an empty list would leave repeated ancestors unmarked though the setting asks for it
    return liste.isEmpty() ? vorgabeFarben() : liste;
}

struct Leser {
    store::Database &db;

    // the first record whose key is `wert`, its fields read through `lesen`
    template <typename F> bool zeile(const QString &tabelle, int wert, F lesen)
    {
        if (wert <= 0 || !db.tableExists(tabelle))
            return false;
        try {
            Table t(&db, tabelle);
            t.setReadOnly(true);
            t.open();
            if (!t.findKey({wert}))
                return false;
            lesen(t);
            return true;
        } catch (const store::EngineError &) {
            return false;
        }
    }
};

QString vollerName(const Table &t)
{
    const QString vorname = t.text(QStringLiteral("Vorname"));
    const QString name = t.text(QStringLiteral("Name"));
    return vorname.isEmpty() ? name : vorname + QLatin1Char(' ') + name;
}

} // namespace

double stammbaumRand(int zehntelMm, double seite)
{
    return std::clamp(zehntelMm / 10.0, 5.0, seite / 3);
}

StammbaumDruck stammbaumDruck(store::Database &db, app::TDatenGlobal &global, const app::tsysteminfo &s,
                              qint32 katze, int sprache, const std::function<QString(int)> &meldung,
                              int generationen)
{
    StammbaumDruck d;
    const bool en = sprache == 1;
    d.generationen = std::clamp(generationen ? generationen : s.StammbaumGeneration, 3, 6);
    d.titelRot = s.TitelRot;
    d.links = stammbaumRand(s.StammbaumLinkerRand, 297);
    d.rechts = stammbaumRand(s.StammbaumRechterRand, 297);
    d.oben = stammbaumRand(s.StammbaumObererRand, 210);
    d.unten = stammbaumRand(s.StammbaumUntererRand, 210);
    d.logoMm = mm(s.StammbaumLogoBildhorizontal, s.StammbaumLogoBildvertikal);
    d.bildMm = mm(s.StammbaumBildhorizontal, s.StammbaumBildvertikal);
    d.genBildMm = mm(s.StammbaumGenBildhorizontal, s.StammbaumGenBildvertikal);
    d.logo = bild(s.Stammbaumlogo, d.logoMm, s.BildAufloesung);
    d.hintergrund = bild(s.StammbaumHintergrundbild, QSizeF(297, 210), std::min(s.BildAufloesung, 8));

    const auto tier = [&](qint32 nr, bool mitBild, const QSizeF &groesse) {
        StammbaumDruck::Tier t;
        const app::KatzenTexte texte = global.KatzendatenDruck(nr, sprache);
        if (texte.daten.isEmpty())
            return t;
        t.nummer = nr;
        t.namenszeile = texte.daten.first();
        t.titel = texte.titelVorhanden;
        t.zeilen = texte.daten.mid(1);
        if (mitBild)
            t.bild = bild(texte.bild, groesse, s.BildAufloesung);
        return t;
    };

    breeding::StorePedigree stamm(db, breeding::StorePedigree::Laden::Einzeln);
    d.katze = tier(katze, s.StammbaumBild, d.bildMm);
    {
        store::Table t(&db, catstamm::Datei);
        t.setReadOnly(true);
        t.open();
        if (t.findKey({katze}))
            d.name = t.value(catstamm::Name).toString().trimmed();
    }
    d.bild = d.katze.bild;
    d.ahnen.resize(anzahlBoxen(d.generationen) + 1);
    d.ahnen[0] = d.katze;
    QVector<qint32> nummern(d.ahnen.size());
    nummern[0] = d.katze.nummer;
    for (int n = 1; n < d.ahnen.size(); ++n) {
        const qint32 kind = nummern[(n - 1) / 2];
        const auto k = kind ? stamm.katze(kind) : std::nullopt;
        const qint32 nr = k ? (n % 2 ? k->vater : k->mutter) : 0;
        if (nr && stamm.katze(nr)) {
            d.ahnen[n] = tier(nr, s.StammbaumGenBild && generationDerBox(n) <= 2, d.genBildMm);
            nummern[n] = d.ahnen[n].nummer;
        }
    }
    nummern[0] = 0; // the cat's own column is never coloured
    if (s.StbDoppelteFarbig)
        d.farben = doppelteFarben(nummern, farbListe(db));

    // the cat's data, the breeder's own record
    Leser l{db};
    int besitzer = 0, status = 0, zuechter = 0;
    l.zeile(catstamm::Datei, d.katze.nummer, [&](const Table &t) {
        using A = StammbaumDruck::Angabe;
        QString rasse;
        l.zeile(rasse::Datei, t.intValue(catstamm::Rasse), [&](const Table &r) {
            const QString englisch = r.text(rasse::RNameEng);
            rasse = en && !englisch.isEmpty() ? englisch : r.text(rasse::RName);
        });
        const int geschlecht = t.text(catstamm::Geschlecht).toInt();
        const char *woerter[] = {"männlich", "weiblich", "Kastrat männlich", "Kastrat weiblich"};
        const QDate geboren = t.value(catstamm::GebDatum).toDate();
        const QVector<A> alle = {
            {TagRasse, QStringLiteral("Rasse"), rasse},
            {TagFarbe, QStringLiteral("Farbe"), t.text(catstamm::FellFarbe)},
            {TagAugen, QStringLiteral("Augenfarbe"), t.text(catstamm::Augenfarbe)},
            {TagGeschlecht, QStringLiteral("Geschlecht"),
             geschlecht >= 1 && geschlecht <= 4 ? QString::fromUtf8(woerter[geschlecht - 1]) : QString(),
             geschlecht >= 1 && geschlecht <= 4 ? TagMaennlich + geschlecht - 1 : 0},
            {TagGeboren, QStringLiteral("Geburtsdatum"),
             geboren.isValid() ? app::datumText(geboren) : QString()},
            {TagZuchtbuch, QStringLiteral("Zuchtbuch-Nr."), t.text(catstamm::Zuchtbuchnummer1)},
            {TagChip, QStringLiteral("Chip-Nr."), t.text(catstamm::ChipNr)},
        };
        for (const A &a : alle)
            if (!a.wert.isEmpty())
                d.angaben << a;
        besitzer = t.intValue(catstamm::Besitzer);
        status = t.intValue(catstamm::Status);
        zuechter = t.intValue(catstamm::Zuechter);
    });
    QString zuechterName;
    l.zeile(adr_dat::Datei, zuechter, [&](const Table &t) {
        zuechterName = vollerName(t);
        if (const QString z = t.text(adr_dat::Zwinger); !z.isEmpty())
            zuechterName += QStringLiteral(", ") + z;
    });
    if (!zuechterName.isEmpty())
        d.angaben << StammbaumDruck::Angabe{TagZuechter, QStringLiteral("Züchter"), zuechterName};

    QString eigenerName;
    if (db.tableExists(eigen::Datei)) {
        try {
            Table t(&db, eigen::Datei);
            t.setReadOnly(true);
            t.open();
            t.first();
            if (!t.eof()) {
                d.zwinger = t.text(eigen::Zwinger);
                eigenerName = vollerName(t);
                const QString ort = (t.text(eigen::Plz) + QLatin1Char(' ') + t.text(eigen::Ort)).trimmed();
                for (const QString &z :
                     {eigenerName, t.text(eigen::Strasse), ort, t.text(eigen::Telefon), t.text(eigen::EMail)})
                    if (!z.isEmpty())
                        d.zuechter << z;
            }
        } catch (const store::EngineError &) {
            // the head goes without the breeder's address
        }
    }
    if (s.stammbaumBesitzer) {
        QString name;
        if (status == 1)
            name = eigenerName;
        else
            l.zeile(adr_dat::Datei, besitzer, [&](const Table &t) {
                name = vollerName(t);
                if (const QString ort = t.text(adr_dat::Ort); !ort.isEmpty())
                    name += QStringLiteral(", ") + ort;
            });
        if (!name.isEmpty())
            d.angaben << StammbaumDruck::Angabe{TagBesitzer, QStringLiteral("Besitzer"), name};
    }

    if (d.katze.nummer) {
        breeding::InzuchtBerechnung e(stamm);
        e.einstellungen.inzuchtMitVorfahren = false;
        e.einstellungen.dezimal = en ? QLatin1Char('.') : QLatin1Char(',');
        const qint32 vater = d.ahnen[1].nummer, mutter = d.ahnen[2].nummer;
        if (e.Berechne(d.katze.nummer, vater, mutter, d.generationen, false)) {
            const breeding::InzuchtErgebnis &r = *e.ergebnis();
            d.inzucht =
                breeding::koeffizientKurzText(r.koeffizient, r.beitrag, e.einstellungen.dezimal).trimmed();
            d.ahnenverlust = breeding::ahnenverlustText(r.ahnenverlust, e.einstellungen.dezimal).trimmed();
        }
    }
    return d;
}

} // namespace tav::printouts
