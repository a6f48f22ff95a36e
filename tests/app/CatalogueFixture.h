#pragma once

#include "store/Database.h"
#include "store/Table.h"

#include <QString>
#include <QStringList>
#include <tuple>

// A small pair of catalogues written straight into a data directory, keys as stored (tag + offset).
namespace fixture {

struct CaptionRow {
    int key;
    const char *name;
    const char *hint;
};

inline const QList<CaptionRow> &captionRows()
{
    static const QList<CaptionRow> rows = {
        {96, "&Katze", "Katzen anlegen"},
        {97, "&Neuaufnahme", "Neue Katze anlegen"},
        {172, " Rassen", "Rassen verwalten"},
        {500, "Geschlecht", "Geschlecht wählen"},
        {501, "männlich", ""},
        {502, "weiblich", ""},
        {503, "Kastrat", ""},
        {600, "&Name", "Name der Katze"},
        {700, "", "Seiten der Katze"},
        {701, "Stammdaten", ""},
        {702, "Bilder", ""},
        {800, "", "Fenstermodus wählen"},
        {801, "Fenster", ""},
        {802, "Vollbild", ""},
        {900, "", "Testfenster"},
        {1000, "Rasse:", "Rasse der Katze"},
        {1001, "&Speichern", "Katze speichern"},
        {1002, "Verkauft", "Katze ist verkauft"},
        {10096, "&Cat", "Add cats"},
        {10097, "&New cat", "Add a new cat"},
        {10500, "Sex", "Choose the sex"},
        {10501, "male", ""},
        {10502, "female", ""},
        {10503, "neutered", ""},
        {10600, "&Name", "Name of the cat"},
        {10700, "", "Pages of the cat"},
        {10701, "Master data", ""},
        {10702, "Pictures", ""},
        {10800, "", "Choose the window mode"},
        {10801, "Window", ""},
        {10802, "Full screen", ""},
        {10900, "", "Test window"},
        {11000, "Breed:", "Breed of the cat"},
        {11001, "&Save", "Save the cat"},
        {11002, "Sold", "Cat is sold"},
        {20096, "&Kat", "Katten invoeren"},
        {20500, "Geslacht", "Geslacht kiezen"},
        {20501, "mannelijk", ""},
        {20502, "vrouwelijk", ""},
        // the catalogue ends here: a list at the end gets fewer items
    };
    return rows;
}

inline void writeCatalogues(const QString &dataDir)
{
    tav::store::Database db(dataDir);
    db.createTable(QStringLiteral("SPRACHE.DB"));
    db.createTable(QStringLiteral("SPRMEL.DB"));
    tav::store::Table c(&db, QStringLiteral("SPRACHE.DB"));
    c.open();
    for (const CaptionRow &r : captionRows()) {
        c.append();
        c.setValue(QStringLiteral("Nummer"), r.key);
        c.setValue(QStringLiteral("FeldName"), QString::fromUtf8(r.name));
        c.setValue(QStringLiteral("FeldHilfe"), QString::fromUtf8(r.hint));
        c.post();
    }
    tav::store::Table m(&db, QStringLiteral("SPRMEL.DB"));
    m.open();
    const QList<std::pair<int, const char *>> messages = {
        {25, "Die Einstellungsdatei fehlt!"},
        {10025, "The settings file is missing!"},
        {20025, "Het instellingenbestand ontbreekt!"},
        {39, " mit Blank "},
        {10029, "Save?"},
    };
    for (const auto &[nr, text] : messages) {
        m.append();
        m.setValue(QStringLiteral("Nummer"), nr);
        m.setValue(QStringLiteral("Meldung"), QString::fromUtf8(text));
        m.post();
    }
}

} // namespace fixture
