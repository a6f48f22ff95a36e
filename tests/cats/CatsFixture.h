#pragma once

#include "store/Database.h"
#include "store/Table.h"

#include <QTemporaryDir>
#include <QVariantMap>
#include <memory>

// A data directory holding the tables the cat rules read, created from the program's own
// declarations, and a helper that appends records through the store.
class CatsFixture
{
  public:
    CatsFixture()
    {
        m_db = std::make_unique<tav::store::Database>(m_dir.path());
        for (const char *t : {"CATSTAMM.DB", "RASSE.DB", "FARBE.DB", "FARBEGEN.DB", "ADR_DAT.DB", "STATUS.DB",
                              "TITELBEZ.DB", "TITELHUND.DB", "EIGEN.DB"})
            m_db->createTable(QString::fromLatin1(t));
    }

    tav::store::Database &db() { return *m_db; }

    // Appends a record and returns its record number (the table's first field when it counts).
    int add(const QString &table, const QVariantMap &values)
    {
        tav::store::Table t(m_db.get(), table);
        t.open();
        t.append();
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            t.setValue(it.key(), it.value());
        t.post();
        const QString first = t.fieldNames().value(0);
        return t.value(first).toInt();
    }

    int cat(const QString &name, const QString &sex, const QVariantMap &more = {})
    {
        QVariantMap v = more;
        v.insert(QStringLiteral("Name"), name);
        v.insert(QStringLiteral("Geschlecht"), sex);
        return add(QStringLiteral("CATSTAMM.DB"), v);
    }

  private:
    QTemporaryDir m_dir;
    std::unique_ptr<tav::store::Database> m_db;
};
