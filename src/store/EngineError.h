#pragma once

#include <QString>
#include <QVector>
#include <exception>

namespace tav::store {

// Error codes of the table engine. The three index codes are what the error dialog
// treats as repairable by rebuilding the table's indexes.
namespace code {
constexpr int IndexOutOfDate = 9729; // an index does not match its records
constexpr int RequiredField = 9732;  // a required field is empty at post
constexpr int KeyViolation = 9730;   // a unique index already holds the key
constexpr int NoSuchIndex = 9997;    // the index asked for is declared but missing in the file
constexpr int UnknownIndex = 10060;  // no declaration of the table knows the index: not damage
constexpr int TableNotFound = 10024;
constexpr int FieldNotFound = 10038;
constexpr int TableBusy = 10243; // opened exclusively elsewhere, or in use when exclusive was asked
constexpr int ReadOnly = 10253;
constexpr int NotEditing = 10245; // field written while the table is not in edit or insert state
constexpr int NoCurrentRecord = 8705;
constexpr int Filter = 10051;       // a filter expression that cannot be parsed
constexpr int Sql = 13059;          // a local SQL statement that cannot be run
constexpr int IndexCorrupt = 12034; // the engine found index damage
constexpr int TableCorrupt = 12029;
constexpr int Io = 8450;
constexpr int WrongLayout = 10033; // the stored layout lacks fields the program expects
constexpr int Internal = 8449;
} // namespace code

class EngineError : public std::exception
{
  public:
    enum class Category {
        NotFound,
        Busy,
        Integrity,
        InvalidRequest,
        Syntax,
        IndexDamage,
        Io,
        Layout,
        Internal
    };

    struct Entry {
        int code = 0;
        int nativeCode = 0; // the SQLite result code behind it, 0 when none
        QString message;
    };

    EngineError(Category category, int code, const QString &message, int nativeCode = 0);
    EngineError() : m_category(Category::Internal) {}

    Category category() const { return m_category; }
    int code() const { return m_entries.isEmpty() ? 0 : m_entries.first().code; }
    int nativeCode() const { return m_entries.isEmpty() ? 0 : m_entries.first().nativeCode; }
    QString message() const { return m_entries.isEmpty() ? QString() : m_entries.first().message; }
    const QVector<Entry> &entries() const { return m_entries; }
    // adds a further error below the first (the table's name, the statement, ...)
    EngineError &push(int code, const QString &message, int nativeCode = 0);
    bool isIndexDamage() const;
    // the table file the error is about, where the engine knows it
    const QString &file() const { return m_file; }
    EngineError &setFile(const QString &fileName)
    {
        m_file = fileName;
        return *this;
    }

    const char *what() const noexcept override { return m_what.constData(); }

  private:
    Category m_category;
    QVector<Entry> m_entries;
    QByteArray m_what;
    QString m_file;
};

} // namespace tav::store
