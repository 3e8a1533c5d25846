#pragma once
// The shell layer: what every window of the program shares. The error rule and the
// handler binding that applies it, the window set with its Show and Hide, and the
// finishing of a window built from its definition. Uses Qt Widgets and core/.

#include <exception>
#include <functional>
#include <utility>

#include <QObject>
#include <QString>

namespace pocketrix {

// Shows one error message (already followed by its full stop). The default is a
// message box captioned "Pocketrix" with the stop icon and an OK button.
using ErrorPresenter = std::function<void(const QString& message)>;

// Replaces the presenter; returns the one in force before.
ErrorPresenter setErrorPresenter(ErrorPresenter presenter);

// The error rule: the message followed by ".", shown by the presenter. A silent abort
// shows nothing.
void reportError(const std::exception& error);
void reportError(const QString& message);

// Tells the user something that is no error: a message box captioned "Pocketrix" with
// the information icon. Replaceable like the error presenter.
ErrorPresenter setInformationPresenter(ErrorPresenter presenter);
void inform(const QString& message);

// Runs one handler under the error rule: an error abandons the rest of the handler and
// is shown; nothing escapes into Qt's event delivery.
template <class Handler> void runGuarded(Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        reportError(error);
    } catch (...) {
        reportError(QStringLiteral("Unknown error"));
    }
}

// Binds a named handler, (window->*handler)(sender), to a signal of a control, under
// the error rule. The handler takes the sending control as its only argument.
template <class Sender, class Signal, class Window, class Base>
QMetaObject::Connection bindHandler(Sender* sender, Signal signal, Window* window, void (Base::*handler)(QObject*))
{
    return QObject::connect(sender, signal, window,
                            [window, handler, sender] { runGuarded([&] { (window->*handler)(sender); }); });
}

} // namespace pocketrix
