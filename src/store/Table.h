#pragma once

#include "Database.h"
#include "EngineError.h"
#include "TableDef.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

namespace tav::store {

class Statement;

// Thrown by a before-hook to stop the operation quietly (the table stays as it was).
class AbortOperation : public std::exception
{
  public:
    const char *what() const noexcept override { return "operation aborted"; }
};

// A cursor over one table: the records in the order of the current index, narrowed by a key
// range, a master link and a filter; one current record that can be edited and posted.
class Table : public QObject
{
    Q_OBJECT
  public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum class PostErrorAction { Fail, Abort };

    struct Bookmark {
        qint64 rowid = 0;
        bool isValid() const { return rowid != 0; }
    };

    explicit Table(Database *db = defaultDatabase(), const QString &tableName = QString(),
                   QObject *parent = nullptr);
    ~Table() override;

    // set-up
    void setDatabase(Database *db);
    Database *database() const { return m_db; }
    void setTableName(const QString &name);
    QString tableName() const { return m_tableName; }
    QString fileName() const; // as found on disk once open
    void setReadOnly(bool on);
    bool isReadOnly() const { return m_readOnly; }
    void setExclusive(bool on);
    bool isExclusive() const { return m_exclusive; }
    // Opening fails with code::WrongLayout when the file lacks declared fields (default on).
    void setCheckLayout(bool on) { m_checkLayout = on; }
    void setIndexName(const QString &name); // "" = primary index
    QString indexName() const { return m_indexName; }
    void setIndexFieldNames(const QString &fields);
    QString indexFieldNames() const;
    // Shows only the records whose first index fields equal the master's `masterFields`.
    void setMaster(Table *master, const QString &masterFields);
    void clearMaster() { setMaster(nullptr, QString()); }
    Table *master() const { return m_master; }
    // Posts the pending input of every table that follows this one (theirs first), or gives it up
    // where nothing was typed, while this table still stands on the record it belongs to. Throws
    // AbortOperation when one keeps its input (its post was refused or failed). Every move of
    // this table does this first.
    void settleDetails();
    void setFilter(const QString &expression);
    QString filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool isFiltered() const { return m_filtered; }

    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    const TableDef &layout() const;

    // navigation
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty();
    int recordCount();
    int recNo(); // 1-based position, 0 without a current record
    // `ahead`: how many records after the target the caller is going to read; records near the
    // fetched ones are read by key from the nearer edge, and only as many as needed
    bool moveTo(int recNo, int ahead = -1);
    // Moves by `distance` records (negative: backwards); returns how many were moved.
    int moveBy(int distance);
    void refresh();
    Bookmark bookmark() const;
    // The cursor's place with its known position, to come back to without counting again
    // (a grid that reads rows around the visible ones puts the cursor back with it).
    struct Position {
        qint64 rowid = 0;
        QVariant key;
        int recNo = 0;
        bool bof = true, eof = true;
    };
    Position position() const;
    // Quiet: no hooks, no signals. A record that is gone leaves the cursor on the next one.
    void restorePosition(const Position &p);
    bool bookmarkValid(const Bookmark &b);
    void gotoBookmark(const Bookmark &b);
    bool findKey(const QVariantList &key);
    bool findNearest(const QVariantList &key);
    bool locate(const QString &field, const QVariant &value); // first record in index order
    void setRange(const QVariantList &start, const QVariantList &end);
    void cancelRange();
    bool hasRecord() const { return m_pos >= 0 && m_pos < m_rows.size(); }

    // editing
    void append();
    void insert();
    void edit();
    void post();
    void cancel();
    void remove();
    bool isModified() const { return m_modified; }

    // fields
    int fieldCount() const;
    QStringList fieldNames() const; // stored fields, then calculated and lookup fields
    bool hasField(const QString &name) const;
    const FieldDef *fieldDef(const QString &name) const;
    QVariant value(const QString &name) const;
    QString text(const QString &name) const;
    int intValue(const QString &name) const { return value(name).toInt(); }
    void setValue(const QString &name, const QVariant &value);
    // Currency fields exactly, in 1/10000 units without floating point; nullopt when blank.
    std::optional<qint64> currencyUnits(const QString &name) const;
    void setCurrencyUnits(const QString &name, std::optional<qint64> units);
    qint64 recordNumber() const; // the engine's number of the current record

    // calculated and lookup fields
    void addCalcField(const QString &name, FieldType type = FieldType::String, int size = 0);
    void addLookupField(const QString &name, const QString &keyField, const QString &lookupTable,
                        const QString &lookupKeyField, const QString &resultField);
    void setCalcValue(const QString &name, const QVariant &value);
    std::function<void(Table &)> onCalcFields;

    // hooks; a before-hook may throw AbortOperation
    std::function<void(Table &)> beforePost, beforeDelete, beforeScroll, beforeEdit, beforeInsert,
        onNewRecord;
    std::function<PostErrorAction(Table &, const EngineError &)> onPostError;

    // For tests: runs before every read of records and may throw, standing in for a failing engine.
    static void setReadProbe(std::function<void(const Table &)> probe);

  Q_SIGNALS:
    void afterOpen();
    void afterClose();
    void afterScroll();
    void afterPost();
    void afterCancel();
    void afterDelete();
    void afterInsert();
    void stateChanged();
    void fieldChanged(const QString &name);

  private:
    struct Row {
        qint64 rowid = 0;
        QVariant key; // rowid or key bytes of the current index
        QVector<QVariant> values;
        QVector<QVariant> extra;
        bool extraDone = false;
        QHash<int, qint64> units; // currency fields as stored, exact; absent when blank
    };
    struct Extra {
        QString name;
        FieldType type;
        int size;
        bool lookup;
        QString keyField; // our field holding the key
        QString lookupTable, lookupKey, result;
    };
    enum class Dir { Forward, Backward };

    void requireOpen() const;
    void requireBrowse();
    void checkBrowseMode();
    // before the current record changes: the details' input first, then our own
    void leaveRecord();
    // the details follow the new record, then afterScroll is emitted
    void emitAfterScroll();
    // lets go of the file, the statements and the record window: the end of close()
    void release();
    void selectIndex();
    QString orderBy(Dir d) const;
    QString conditions(QVariantList &params) const;
    Statement &statement(const QString &sql);
    QVector<Row> fetch(Dir d, const QVariant *from, bool inclusive, int limit, int offset = 0);
    Row readRow(Statement &st) const;
    void positionAt(const QVariant &key, bool inclusive);
    void setWindow(QVector<Row> rows, int pos, bool atStart, bool atEnd);
    // adds fetched records after the last / before the first of the window, which keeps at most
    // MaxWindow records by letting go of the far end
    void appendToWindow(QVector<Row> rows, bool atEnd);
    void prependToWindow(QVector<Row> rows, bool atStart);
    bool extendWindowTo(int target, int ahead);
    void scrolled();
    void beginScroll();
    QVariant keyOf(const QVector<QVariant> &values, qint64 rowid) const;
    QVariant boundFor(const QVariantList &values, bool upper) const;
    void masterChanged();
    void computeExtra(Row &row) const;
    int fieldIndex(const QString &name) const;
    int extraIndex(const QString &name) const;
    void setState(State s);
    void invalidateCount() { m_count = -1; }
    QVariant lookupValue(const Extra &e, const QVariant &key) const;
    void writeRecord();
    // runs `f` with hooks and signals of scrolling held back, also when it throws
    template <class F> void inScroll(F &&f)
    {
        const bool was = m_inScroll;
        m_inScroll = true;
        const auto back = qScopeGuard([&] { m_inScroll = was; });
        f();
    }

    QPointer<Database> m_db;
    QString m_tableName;
    bool m_readOnly = false;
    bool m_exclusive = false;
    bool m_checkLayout = true;
    QString m_indexName;
    QString m_indexFields; // when chosen by field list
    QPointer<Table> m_master;
    QString m_masterFields;
    QList<QPointer<Table>> m_details;
    QMetaObject::Connection m_masterConn[2];
    QString m_filterText;
    bool m_filtered = false;
    QString m_filterSql;
    QVariantList m_filterParams;
    std::optional<QVariantList> m_rangeStart, m_rangeEnd;

    TableFile *m_file = nullptr;
    State m_state = State::Inactive;
    IndexDef m_index;
    bool m_rowidOrder = true;
    QString m_keyExpr;
    QString m_selectList; // "rowid, key, fields..."
    QVector<int> m_indexPos;
    QHash<QString, Statement *> m_statements;

    QVector<Row> m_rows;
    int m_pos = -1;
    bool m_atStart = true, m_atEnd = true;
    bool m_bof = true, m_eof = true;
    int m_count = -1;
    int m_recNo = 0; // 0 = unknown

    Row m_edit;
    bool m_modified = false;
    QVector<Extra> m_extras;
    mutable QHash<QString, int> m_fieldIndex; // names as asked for -> field position (-1: none)
    mutable QHash<QString, TableFile *> m_lookupFiles;
    bool m_inScroll = false;
};

// Reads records of a table without it looking like scrolling to the windows that show it: while
// it lives the before-scroll hook is off and the table's signals are blocked; when it ends, the
// cursor is back on the record it stood on, also after a read that failed half-way.
class QuietCursor
{
  public:
    explicit QuietCursor(Table &table);
    ~QuietCursor();
    QuietCursor(const QuietCursor &) = delete;
    QuietCursor &operator=(const QuietCursor &) = delete;

    // Puts the cursor back now, where a failure to do so can still be reported.
    void restore();

  private:
    Table &m_table;
    Table::Position m_before;
    std::function<void(Table &)> m_hook;
    QSignalBlocker m_quiet;
    bool m_restored = false;
};

} // namespace tav::store
