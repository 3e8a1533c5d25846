#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>

class QWindow;

namespace pocketrix {

// The program's windows, created once at start-up in a fixed order and kept until the
// end, with the Show and Hide every window uses. It also decides when a window's
// activation handler runs: when the window becomes the program's active window coming
// from another window of the program, or at its first showing; never when the user
// merely comes back from another application.
class WindowSet : public QObject {
    Q_OBJECT
public:
    enum Slot { mainform, Form2, Form3, Form4, Form5, sharabout, Helpful, SlotCount };

    WindowSet();
    ~WindowSet() override;

    // Takes ownership of the window of a slot; slots are filled in table order. The
    // window's close box then hides it, except for the main window, whose close ends
    // the program.
    void add(Slot slot, std::unique_ptr<QWidget> window);
    QWidget* window(Slot slot) const { return m_windows[slot].get(); }
    // The window of a slot as its class, or null when the slot holds another kind.
    template <class T> T* get(Slot slot) const { return qobject_cast<T*>(window(slot)); }

    // A window that takes part in the activation rule without a slot (Jotters).
    void track(QWidget* window);
    // The handler to run when window becomes the program's active window.
    void setActivationHandler(QWidget* window, std::function<void()> handler);

    // Shows a hidden window and makes it the active window; a visible one is left alone,
    // not even raised.
    void show(QWidget* window);
    // Hides a visible window; when it was the active window, the main window becomes
    // active instead.
    void hide(QWidget* window);

    // The program's window that was active last, or null before the first activation.
    QWidget* activeWindow() const { return m_active; }

    // Messages to show by the error rule once the main window is on screen.
    void reportAfterStart(const QString& message);
    // Start-up work that need not hold up the main window: it runs once the main window
    // is on screen, after the pending messages, or at once when that is already so.
    void whenStarted(std::function<void()> work);
    // Shows the main window, then shows the pending messages and runs the deferred work.
    void start();
    bool started() const { return m_started; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tracked {
        QPointer<QWidget> window;
        std::function<void()> onActivate;
    };
    void focusWindowChanged(QWindow* window);
    // The entry of a window, tracking it first when it is not yet.
    Tracked& entry(QWidget* window);

    std::array<std::unique_ptr<QWidget>, SlotCount> m_windows;
    std::vector<Tracked> m_tracked;
    QPointer<QWidget> m_active;
    QStringList m_pendingMessages;
    std::vector<std::function<void()>> m_deferredWork;
    bool m_started = false;
};

} // namespace pocketrix
