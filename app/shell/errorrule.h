#pragma once

#include <exception>
#include <functional>
#include <stdexcept>
#include <utility>

#include <QObject>
#include <QString>

class QWidget;

namespace pocketrix {

// Shows one error message (already followed by its full stop). The default is a
// message box captioned "Pocketrix" with the stop icon and an OK button, shown without
// waiting: it blocks no window and no timer of the program, and a message that is
// already on screen opens no second box.
using ErrorPresenter = std::function<void(const QString& message)>;

// Replaces the presenter; returns the one in force before.
ErrorPresenter setErrorPresenter(ErrorPresenter presenter);

// The error rule: the message followed by ".", shown by the presenter. A silent abort
// shows nothing.
void reportError(const std::exception& error);
void reportError(const QString& message);

// Tells the user something that is no error: a message box captioned "Pocketrix" with
// the information icon, shown like the error boxes. Replaceable like the error presenter.
ErrorPresenter setInformationPresenter(ErrorPresenter presenter);
void inform(const QString& message);

// The window a new box is placed over: the program's window the message belongs to.
void setBoxAnchor(std::function<QWidget*()> anchor);
// A window no box may cover while it is shown (the ringing window with its "STOP"); it
// comes to the front above older boxes when it is shown.
void keepClearOfBoxes(QWidget* window);

// Closes every message box still on screen; the window set does so at the end of the run.
void closeMessageBoxes();

// Runs one handler under the error rule: an error abandons the rest of the handler and
// is shown; nothing escapes into Qt's event delivery. False when the handler raised,
// silent aborts included.
template <class Handler> bool runGuarded(Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& error) {
        reportError(error);
    } catch (...) {
        reportError(std::runtime_error("Unknown error"));
    }
    return false;
}

// Binds a named handler, (window->*handler)(sender), to a signal of a control, under
// the error rule. The handler takes the sending control as its only argument; onError,
// when given, runs after a call of it that raised.
template <class Sender, class Signal, class Window, class Base>
QMetaObject::Connection bindHandler(Sender* sender, Signal signal, Window* window, void (Base::*handler)(QObject*),
                                    std::function<void()> onError = {})
{
    return QObject::connect(sender, signal, window, [window, handler, sender, onError = std::move(onError)] {
        if (!runGuarded([&] { (window->*handler)(sender); }) && onError)
            onError();
    });
}

} // namespace pocketrix
