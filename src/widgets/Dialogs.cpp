#include "Dialogs.h"

#include "app/Ausgabeziel.h"
#include "app/Sprache.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QQueue>
#include <cstdio>

namespace tav::widgets {

using namespace tav::app;

namespace {
struct Script {
    bool on = false;
    bool echo = false;
    QQueue<Answer> answers;
    QQueue<QString> files;
    QQueue<std::function<int(QDialog &)>> dialogs;
    QList<Scripted::Shown> shown;
};

Script &script()
{
    static Script s;
    return s;
}

QMessageBox::Icon boxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Information: break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons boxButtons(MsgButtons b)
{
    switch (b) {
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

// the answer that leaves everything as it was
Answer harmless(MsgButtons b)
{
    switch (b) {
    case MsgButtons::OkCancel: return QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Cancel;
    case MsgButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

// Errors shown as dialogs also go to standard error, so that a start without a screen (or without
// anyone before it) still says why it failed.
void echo(const QString &text, MsgIcon icon)
{
    const Script &s = script();
    if (s.on ? !s.echo : icon != MsgIcon::Error)
        return;
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

QString scriptedFile(const QString &kind, const QString &caption, const QString &proposal)
{
    Script &s = script();
    const QString path = s.files.isEmpty() ? QString() : s.files.dequeue();
    s.shown.append({kind, caption, MsgIcon::Information, MsgButtons::Ok, QMessageBox::NoButton, proposal});
    return path;
}
} // namespace

Answer showMessage(int number, MsgIcon icon, MsgButtons buttons, const QString &before, const QString &after)
{
    return showText(before + messageText(number) + after, icon, buttons);
}

Answer showText(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title)
{
    echo(text, icon);
    Script &s = script();
    if (s.on) {
        Answer a = s.answers.isEmpty() ? harmless(buttons) : s.answers.dequeue();
        s.shown.append({QStringLiteral("message"), text, icon, buttons, a, QString()});
        return a;
    }
    QMessageBox box(boxIcon(icon), title.isEmpty() ? QStringLiteral("Tavrenno") : title, text,
                    boxButtons(buttons), QApplication::activeWindow());
    return Answer(box.exec());
}

QString openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (script().on)
        return scriptedFile(QStringLiteral("open"), caption, dir);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    const QString path = script().on ? scriptedFile(QStringLiteral("save"), caption, dir)
                                     : QFileDialog::getSaveFileName(parent, caption, dir, filter);
    // an output never lands on the register: refused as if the dialog had been cancelled
    if (const Ausgabeziel ziel = ausgabezielPruefen(path); !ziel.erlaubt()) {
        showMessage(ziel.meldung, MsgIcon::Error, MsgButtons::Ok, QString(), QLatin1Char(' ') + ziel.pfad);
        return QString();
    }
    return path;
}

QString existingDirectory(QWidget *parent, const QString &caption, const QString &dir)
{
    if (script().on)
        return scriptedFile(QStringLiteral("directory"), caption, dir);
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

int execDialog(QDialog &dialog, const QString &errorText)
{
    if (!errorText.isEmpty())
        echo(errorText, MsgIcon::Error);
    Script &s = script();
    if (s.on) {
        s.shown.append({QStringLiteral("dialog"), dialog.windowTitle(), MsgIcon::Information, MsgButtons::Ok,
                        QMessageBox::NoButton, QString()});
        if (s.dialogs.isEmpty())
            return QDialog::Rejected;
        const auto handler = s.dialogs.dequeue();
        return handler(dialog);
    }
    return dialog.exec();
}

void Scripted::enable(bool on)
{
    script().on = on;
}

void Scripted::setEcho(bool on)
{
    script().echo = on;
}

bool Scripted::enabled()
{
    return script().on;
}

void Scripted::answer(Answer a)
{
    script().answers.enqueue(a);
}

void Scripted::file(const QString &path)
{
    script().files.enqueue(path);
}

void Scripted::dialog(std::function<int(QDialog &)> handler)
{
    script().dialogs.enqueue(std::move(handler));
}

const QList<Scripted::Shown> &Scripted::shown()
{
    return script().shown;
}

void Scripted::reset()
{
    Script &s = script();
    s.answers.clear();
    s.files.clear();
    s.dialogs.clear();
    s.shown.clear();
}

int Scripted::pendingAnswers()
{
    return int(script().answers.size() + script().dialogs.size() + script().files.size());
}

} // namespace tav::widgets
