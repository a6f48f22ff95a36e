// DbEngine: the database error dialog (TDBError) with its index repair.
#pragma once

#include <QDialog>
#include <stdexcept>

class QFrame;
class QLabel;
class QPushButton;

namespace tav::store {
class Database;
class EngineError;
} // namespace tav::store

namespace tav::widgets {

// A database error of the framework that carries no error stack (only its text).
class DatabaseError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// The one dialog that shows every storage error: the table, the engine's error stack and, for
// index damage on the central tables, a repair that rebuilds the table's indexes. Its words are
// German in every language.
class TDBError : public QDialog
{
    Q_OBJECT
  public:
    explicit TDBError(QWidget *parent = nullptr);
    ~TDBError() override;

    static TDBError &instance();
    // Engine errors get the engine form, DatabaseError the framework form, anything else the
    // standard error box. `Datei` is the table's file or table name.
    static void HandleException(const std::exception &e, const QString &Datei);
    // The same from where no dialog may open (a view asking for data while it paints): the error
    // is shown once control is back in the event loop.
    static void HandleExceptionLater(const std::exception &e, const QString &Datei);

    // Fill the dialog without showing it.
    void prepareEngineError(const tav::store::EngineError &e, const QString &Datei);
    void prepareFrameworkError(const QString &message, const QString &Datei);
    void SizeErrorDialog(int MaxStringSize, int Errors);

    QString Dateiname;
    int ErrorNr = 0;
    QLabel *Error[4];
    QLabel *LDateiname;
    QLabel *Nativecode;
    QFrame *Panel1;
    QFrame *Panel2;
    QPushButton *NatBtn;
    QPushButton *RepBtn;
    QPushButton *DoneBtn;

    bool isRepairable() const;
    // The database the repair disconnects and works on (default: the program's connection).
    void setDatabase(tav::store::Database *db) { m_db = db; }

    // Set by a repair: the program must end and be started again.
    static bool indexrekonstruktion();
    static void resetIndexrekonstruktion();

  public Q_SLOTS:
    void NatBtnClick();
    void RepBtnClick();

  Q_SIGNALS:
    // before a repair closes every table: windows forget their table set-up
    void tablesReleased();
    // after a repair: the main window closes and asks for a restart
    void restartRequested();

  private:
    void prepare(const QString &caption, const QString &Datei);
    void place(int lines);
    QString fileLine() const;

    tav::store::Database *m_db = nullptr;
    int m_buttonsTop = 0;
};

} // namespace tav::widgets
