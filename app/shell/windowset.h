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

class ErrorRule;

// The program's windows, created once at start-up in a fixed order and kept until the
// end, with the Show and Hide every window uses. It also decides when a window's
// activation handler runs, under the error rule: when the window becomes the program's
// active window coming from another window of the program, or at its first showing;
// never when the user merely comes back from another application.
class WindowSet : public QObject {
    Q_OBJECT
public:
    // The given names of the windows, in the order they are created.
    enum Slot {
        mainform,  // Tmainform: the main window with its five pages
        Form2,     // TForm2 (alring3): the ringing window
        Form3,     // TForm3 (remind): the reminder window
        Form4,     // TForm4 (warning): the low-space warning
        Form5,     // TForm5 (jotter): the Jotter made at start-up, never shown
        sharabout, // Tsharabout: the about window
        Helpful,   // THelpful (fronthlp): the help reader
        SlotCount
    };

    explicit WindowSet(ErrorRule& errors);

    // Takes ownership of the window of a slot; slots are filled in table order. The
    // window's close box then hides it, except for the main window, whose close ends
    // the program.
    template <class T> T* add(Slot slot, std::unique_ptr<T> window)
    {
        track(window.get());
        m_windows[slot] = std::move(window);
        return static_cast<T*>(m_windows[slot].get());
    }
    QWidget* window(Slot slot) const { return m_windows[slot].get(); }

    // Makes a window take part in the activation rule, with or without a slot (Jotters);
    // onActivate, when given, runs when it becomes the program's active window.
    void track(QWidget* window, std::function<void()> onActivate = {});

    // Shows a hidden window and makes it the active window; a visible one is left alone,
    // not even raised.
    void show(QWidget* window);
    // Hides a visible window; when it was the active window, the main window becomes
    // active instead.
    void hide(QWidget* window);

    // The program's window that was active last, or null before the first activation.
    QWidget* activeWindow() const { return m_active; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tracked {
        QPointer<QWidget> window;
        std::function<void()> onActivate;
    };
    void focusWindowChanged(QWindow* window);

    ErrorRule& m_errors;
    std::vector<Tracked> m_tracked;
    QPointer<QWidget> m_active;
    // Last, so the windows go first, in reverse order of creation: the main window, and the
    // Jotters it owns, last.
    std::array<std::unique_ptr<QWidget>, SlotCount> m_windows;
};

} // namespace pocketrix
