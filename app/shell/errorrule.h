#pragma once

#include <exception>
#include <functional>
#include <utility>
#include <vector>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "app/core/errors.h"

class QMessageBox;
class QWidget;

namespace pocketrix {

// Shows one message, already followed by its full stop.
using Presenter = std::function<void(const QString& message)>;

// The error rule of one run and the message boxes it shows. By default an error is shown
// in a box captioned "Pocketrix" with the stop icon and an OK button, and a message that is
// no error with the information icon. A box waits for nobody: it blocks no window and no
// timer, and a message that is already on screen opens no second box. A tool or a test
// gives presenters of its own instead.
class ErrorRule : public QObject {
public:
    explicit ErrorRule(Presenter errors = {}, Presenter information = {});
    // Closes the boxes still on screen: the end of the run.
    ~ErrorRule() override;

    // Shows the message followed by ".".
    void report(const QString& message);
    void inform(const QString& message);

    // The window a new box is placed over: the program's window the message belongs to.
    void setBoxAnchor(std::function<QWidget*()> anchor) { m_anchor = std::move(anchor); }
    // A window no box may cover while it is shown (the ringing window with its "STOP"),
    // wherever it is shown or moved to; it comes to the front above older boxes when shown.
    void keepClear(QWidget* window);

    // Runs one handler under the rule: an error abandons the rest of the handler and is
    // shown, a silent abort is not; nothing escapes into Qt's event delivery. False when
    // the handler raised, silent aborts included.
    template <class Handler> bool runGuarded(Handler&& handler) noexcept
    {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const SilentAbort&) {
        } catch (const std::exception& error) {
            report(QString::fromStdString(error.what()));
        } catch (...) {
            report(QStringLiteral("Unknown error"));
        }
        return false;
    }

    // Binds a named handler, (window->*handler)(sender), to a signal of a control, under
    // the rule. The handler takes the sending control as its only argument; onError, when
    // given, runs after a call of it that raised.
    template <class Sender, class Signal, class Window, class Base>
    QMetaObject::Connection bindHandler(Sender* sender, Signal signal, Window* window, void (Base::*handler)(QObject*),
                                        std::function<void()> onError = {})
    {
        return QObject::connect(sender, signal, window, [this, window, handler, sender, onError = std::move(onError)] {
            if (!runGuarded([&] { (window->*handler)(sender); }) && onError)
                onError();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showBox(bool error, const QString& message);
    void place(QMessageBox* box);

    Presenter m_errors;
    Presenter m_information;
    QHash<QString, QPointer<QMessageBox>> m_openBoxes; // by their text
    std::function<QWidget*()> m_anchor;
    std::vector<QPointer<QWidget>> m_keptClear;
};

// Messages found while the windows are made, and start-up work that need not hold up the
// main window: both wait until the main window is on screen, the messages first.
class DeferredStart : public QObject {
public:
    explicit DeferredStart(ErrorRule& errors) : m_errors(errors) {}

    void reportAfterStart(const QString& message);
    // Runs at once when the main window is on screen already.
    void whenStarted(std::function<void()> work);
    // The main window has just been shown: what waits runs at the next turn of the event loop.
    void start();
    bool started() const { return m_started; }

private:
    ErrorRule& m_errors;
    QStringList m_pendingMessages;
    std::vector<std::function<void()>> m_deferredWork;
    bool m_started = false;
};

} // namespace pocketrix
