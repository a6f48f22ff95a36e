#include "ChildWindow.h"

#include "DataSource.h"
#include "Dialogs.h"
#include "Fenstergroesse.h"
#include "Help.h"
#include "Translator.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QScopedValueRollback>

namespace tav::widgets {

using namespace tav::app;

namespace {
ChildWindow::ActivationCheck &activationCheck()
{
    static ChildWindow::ActivationCheck check;
    return check;
}

QList<QPointer<ChildWindow>> &registry()
{
    static QList<QPointer<ChildWindow>> list;
    return list;
}
} // namespace

ChildWindow::ChildWindow(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    registry().append(this);
}

ChildWindow::~ChildWindow()
{
    // the window's tables close after this: their signals must not reach half-destroyed controls
    const QList<DataSource *> sources = findChildren<DataSource *>();
    for (DataSource *s : sources)
        s->detach();
    registry().removeAll(QPointer<ChildWindow>(this));
    registry().removeAll(QPointer<ChildWindow>());
}

void ChildWindow::finishCreate()
{
    translateOnCreate(this);
}

bool ChildWindow::showHelp()
{
    return widgets::showHelp(m_helpContext, this);
}

void ChildWindow::setActivationCheck(ActivationCheck check)
{
    activationCheck() = std::move(check);
}

bool ChildWindow::runActivationCheck()
{
    if (m_inCheck)
        return true;
    bool free = true;
    {
        const QScopedValueRollback<bool> pruefend(m_inCheck, true);
        if (m_checkOnActivation && activationCheck())
            free = activationCheck()(objectName()) == 0;
    }
    if (free)
        activated();
    return free;
}

void ChildWindow::fitTo(const QSize &client)
{
    if (m_fit == Fit::None)
        return;
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!sub || sub->isMaximized() || sub->isMinimized())
        return;
    fitFrame(sub, client, m_fit == Fit::Both, true);
}

ChildWindow *ChildWindow::find(const QString &name)
{
    for (const QPointer<ChildWindow> &w : registry()) {
        if (w && w->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return w;
    }
    return nullptr;
}

QList<ChildWindow *> ChildWindow::openWindows()
{
    QList<ChildWindow *> out;
    for (const QPointer<ChildWindow> &w : registry()) {
        if (w)
            out << w;
    }
    return out;
}

void ChildWindow::watchFrame()
{
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (frame == m_frame)
        return;
    if (m_frame) {
        disconnect(m_frame, nullptr, this, nullptr);
        m_frame->removeEventFilter(this);
    }
    m_frame = frame;
    if (frame) {
        frame->installEventFilter(this);
        // closing the frame closes (and so frees) the window with it
        frame->setAttribute(Qt::WA_DeleteOnClose);
        // Activated means: this window became the frame's active child. Every child of the main
        // window also hears the main window's own activation (WindowActivate), which says nothing
        // about which child the user turned to.
        connect(frame, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates before, Qt::WindowStates now) {
                    if (!(before & Qt::WindowActive) && (now & Qt::WindowActive))
                        runActivationCheck();
                });
    }
}

bool ChildWindow::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::ParentChange:
    case QEvent::Show: watchFrame(); break;
    case QEvent::WindowActivate:
        if (!m_frame)
            runActivationCheck();
        break;
    default: break;
    }
    return QWidget::event(e);
}

bool ChildWindow::handleKey(QKeyEvent *e)
{
    if (e->modifiers() != Qt::NoModifier)
        return false;
    if (e->key() == Qt::Key_F1 && m_helpContext > 0) {
        showHelp();
        return true;
    }
    if (e->key() == Qt::Key_Escape && closesOnEscape()) {
        if (m_frame)
            m_frame->close();
        else
            close();
        return true;
    }
    return false;
}

void ChildWindow::keyPressEvent(QKeyEvent *e)
{
    if (!handleKey(e))
        QWidget::keyPressEvent(e);
}

bool ChildWindow::eventFilter(QObject *watched, QEvent *e)
{
    // the frame itself may hold the focus (after a click on its edge or title): its keys are the
    // window's too, as are those the window's controls left alone
    if (watched == m_frame && e->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent *>(e)))
        return true;
    return QWidget::eventFilter(watched, e);
}

void ChildWindow::closeEvent(QCloseEvent *e)
{
    QWidget::closeEvent(e);
    if (e->isAccepted())
        Q_EMIT closed();
}

} // namespace tav::widgets
