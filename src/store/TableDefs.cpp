#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/TableDef.h"
#include "store/TableDefsParts.h"

#include <QHash>

namespace tav::store {

QStringList IndexDef::fieldList() const
{
    QStringList result;
    const QStringList parts = fields.split(QLatin1Char(';'));
    for (const QString &part : parts) {
        const QString name = part.trimmed();
        if (!name.isEmpty())
            result.append(name);
    }
    return result;
}

const FieldDef *TableDef::field(const QString &name) const
{
    for (const FieldDef &f : fields) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

const IndexDef *TableDef::index(const QString &name) const
{
    if (name.trimmed().isEmpty())
        return primaryIndex();
    for (const IndexDef &idx : indexes) {
        if (!idx.primary && idx.name.compare(name, Qt::CaseInsensitive) == 0)
            return &idx;
    }
    return nullptr;
}

const IndexDef *TableDef::indexForFields(const QString &fieldNames) const
{
    const QStringList wanted = IndexDef{QString(), fieldNames}.fieldList();
    if (wanted.isEmpty())
        return nullptr;
    for (const IndexDef &idx : indexes) {
        const QStringList have = idx.fieldList();
        if (have.size() != wanted.size())
            continue;
        bool same = true;
        for (qsizetype i = 0; i < have.size() && same; ++i)
            same = have.at(i).compare(wanted.at(i), Qt::CaseInsensitive) == 0;
        if (same)
            return &idx;
    }
    return nullptr;
}

const IndexDef *TableDef::primaryIndex() const
{
    for (const IndexDef &idx : indexes) {
        if (idx.primary)
            return &idx;
    }
    return nullptr;
}

const QVector<TableDef> &allTableDefs()
{
    static const QVector<TableDef> defs = [] {
        QVector<TableDef> all = registerTables();
        all += referenceTables();
        all += officeTables();
        all += workTables();
        return all;
    }();
    return defs;
}

const TableDef *findTableDef(const QString &fileName)
{
    static const QHash<QString, qsizetype> byName = [] {
        QHash<QString, qsizetype> map;
        const QVector<TableDef> &defs = allTableDefs();
        for (qsizetype i = 0; i < defs.size(); ++i)
            map.insert(defs.at(i).fileName.toLower(), i);
        return map;
    }();

    QString key = fileName.trimmed().toLower();
    auto it = byName.constFind(key);
    // The program also names tables without their extension ("TopKatze", "Laeufigkeit").
    if (it == byName.constEnd() && !key.isEmpty() && !key.contains(QLatin1Char('.')))
        it = byName.constFind(key + QLatin1String(".db"));
    if (it == byName.constEnd())
        return nullptr;
    return &allTableDefs().at(it.value());
}

const QVector<TableUpgrade> &allTableUpgrades()
{
    // One per table, run against layouts written by older versions of the program.
    static const QVector<TableUpgrade> upgrades = {
        {catstamm::Datei, catstamm::zzlDatum,
         QStringLiteral(
             R"(ALTER TABLE "catstamm.db" ADD zzlDatum DATE, ADD Groesse CHAR(10), ADD Gewicht CHAR(10))")},
        {wurfbuch::Datei, wurfbuch::Wurfstaerke,
         QStringLiteral(
             R"(ALTER TABLE "wurfbuch.db" ADD Wurfstaerke CHAR(5), ADD Totgeboren CHAR(5), ADD Verendet CHAR(5), )"
             R"(ADD Ammenaufzucht CHAR(5), ADD Endabnahme CHAR(5), ADD Verfassung BLOB(240,1), ADD Besichtam  DATE,  )"
             R"(ADD Besichtvon CHAR(40), ADD Abnahmeam DATE, ADD Abnahmevon CHAR(40),  ADD Decktermin2 DATE, )"
             R"(ADD Wurfbez CHAR(10), ADD Kennzeichen BOOLEAN,  ADD Verblieben CHAR(5), ADD Eingeschlaefert CHAR(5))")},
        {deckbuch::Datei, deckbuch::Wurftag, QStringLiteral(R"(ALTER TABLE "deckbuch.db" ADD Wurftag DATE)")},
        {katzemerkmal::Datei, katzemerkmal::Kennzeichen,
         QStringLiteral(R"(ALTER TABLE "KatzeMerkmal.db" ADD Kennzeichen BOOLEAN)")},
        {rasse::Datei, rasse::Haarart,
         QStringLiteral(
             R"(ALTER TABLE "rasse.db" ADD Haarart CHAR(1), ADD Haarlos CHAR(1), ADD Faltohr CHAR(1))")},
        {merkmale::Datei, merkmale::Kuerzel,
         QStringLiteral(R"(ALTER TABLE "Merkmale.db" ADD Kuerzel CHAR(10))")},
    };
    return upgrades;
}

} // namespace tav::store
