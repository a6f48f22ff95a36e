#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace tav::widgets {

enum class MsgIcon { Error, Warning, Information, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
using Answer = QMessageBox::StandardButton;

// Every message box, file dialog and modal dialog of the program goes through these functions, so
// that tests can answer them in advance (see Scripted below).

// The text of message `number` in the current language, with `before` and `after` joined to it.
Answer showMessage(int number, MsgIcon icon, MsgButtons buttons, const QString &before = QString(),
                   const QString &after = QString());
Answer showText(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title = QString());

QString openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
// A path on the register (app::ausgabezielPruefen) is refused with its message and gives "".
QString saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
QString existingDirectory(QWidget *parent, const QString &caption, const QString &dir);

// Shows a dialog modally and returns its result. An error dialog passes its text, which goes to
// standard error as well.
int execDialog(QDialog &dialog, const QString &errorText = QString());

// Test mode: nothing modal is shown. Message boxes take the next queued answer (or, with none
// queued, the answer that changes nothing: No, Cancel or OK); file dialogs the next queued path
// (or none); modal dialogs run the next queued handler (or are rejected). Everything shown is
// recorded. Outside test mode, error messages are also written to standard error.
class Scripted
{
  public:
    struct Shown {
        QString kind; // "message", "open", "save", "directory", "dialog"
        QString text;
        MsgIcon icon = MsgIcon::Information;
        MsgButtons buttons = MsgButtons::Ok;
        Answer answer = QMessageBox::NoButton;
        QString proposal; // a file dialog's proposed folder or file
    };

    static void enable(bool on);
    // in test mode too, errors and every message go to standard error
    static void setEcho(bool on);
    static bool enabled();
    static void answer(Answer a);
    static void file(const QString &path);
    static void dialog(std::function<int(QDialog &)> handler);
    static const QList<Shown> &shown();
    // clears the record and every queued answer
    static void reset();
    static int pendingAnswers();
};

} // namespace tav::widgets
