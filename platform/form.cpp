#include "platform/form.h"

#include "platform/colors.h"
#include "platform/handler.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace platform {

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setPalette(ProgramPalette());
}

Form::~Form() { *unloaded_ = true; }

void Form::Show()
{
    if (IsUnloaded())
        return;
    const bool center = !shownBefore_ && startCentered_;
    shownBefore_ = true;
    if (center)
        MoveToScreenCenter();
    show();
    // The frame is known only once the window is on the screen.
    if (center)
        MoveToScreenCenter();
    raise();
    activateWindow();
}

void Form::MoveToScreenCenter()
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Form::ShowModal()
{
    if (IsUnloaded())
        return;
    setWindowModality(Qt::ApplicationModal);
    StayAbove(QApplication::activeWindow());
    QEventLoop loop;
    connect(this, &Form::Unloaded, &loop, &QEventLoop::quit);
    Show();
    // The flag, not the window: the window may be closed by the time the
    // loop returns.
    const auto unloaded = UnloadedFlag();
    if (!*unloaded)
        loop.exec(QEventLoop::DialogExec);
}

void Form::StayAbove(QWidget* owner)
{
    if (!owner || owner == this || !owner->windowHandle())
        return;
    // A desktop keeps a window above another only when it is that window's
    // child: Wayland through the toplevel's parent, X through its transient
    // hint. Without it a click on the blocked window raises that window over
    // this one, and the program looks hung. The native window must exist
    // before it is shown, for the compositor learns the parent only then.
    winId();
    windowHandle()->setTransientParent(owner->windowHandle());
}

void Form::Unload()
{
    if (IsUnloaded())
        return;
    *unloaded_ = true;
    hide();
    emit Unloaded();
    DestroyWhenIdle(this);
}

void Form::closeEvent(QCloseEvent* event)
{
    // Closing is always the window's own decision: the close box runs the
    // same steps as the window's own way out, which unloads it.
    event->ignore();
    if (!IsUnloaded())
        RunHandler([this] { Form_CloseBox(); });
}

}  // namespace platform
