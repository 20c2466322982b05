#pragma once

#include <QObject>
#include <exception>
#include <utility>

namespace platform {

// Counts the event handlers on the stack. Windows unloaded while any handler
// runs are destroyed only when the outermost one has returned, so that code
// still running in a closed window (a wait that pumped events) never touches
// freed memory.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

int HandlerDepth();

// Destroys the object now if no handler is running, else after the outermost
// handler has returned.
void DestroyWhenIdle(QObject* object);

// Destroys what waits for the handlers to return; the event loop does this by
// itself, tests call it to finish an unload.
void DestroyPendingNow();

void ReportUnexpected(const std::exception& e);
void ReportUnexpected();

// Runs one event handler: no exception escapes it, each is shown in the
// "Error" box instead.
template <class F>
void RunHandler(F&& handler) noexcept
{
    HandlerScope scope;
    try {
        std::forward<F>(handler)();
    } catch (const std::exception& e) {
        ReportUnexpected(e);
    } catch (...) {
        ReportUnexpected();
    }
}

// Connects a control's event to a handler method of its window.
template <class Sender, class Signal, class Form, class Method>
void Bind(Sender* sender, Signal signal, Form* form, Method method)
{
    QObject::connect(sender, signal, form, [form, method] { RunHandler([&] { (form->*method)(); }); });
}

}  // namespace platform
