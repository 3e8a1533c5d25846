#include "app/shell/windowset.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include "app/shell/errorrule.h"

namespace pocketrix {

WindowSet::WindowSet()
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &WindowSet::focusWindowChanged);
    setBoxAnchor([this]() -> QWidget* {
        return m_active != nullptr && m_active->isVisible() ? m_active.data() : window(mainform);
    });
}

WindowSet::~WindowSet()
{
    // Windows go in reverse order of creation; the main window, and the Jotters it owns, last.
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it)
        it->reset();
    closeMessageBoxes();
    setBoxAnchor(nullptr);
}

void WindowSet::add(Slot slot, std::unique_ptr<QWidget> window)
{
    QWidget* added = window.get();
    m_windows[slot] = std::move(window);
    track(added);
}

void WindowSet::track(QWidget* window)
{
    if (find(window) != nullptr)
        return;
    m_tracked.push_back({window, {}});
    window->installEventFilter(this);
}

void WindowSet::setActivationHandler(QWidget* window, std::function<void()> handler)
{
    track(window);
    find(window)->onActivate = std::move(handler);
}

WindowSet::Tracked* WindowSet::find(QWidget* window)
{
    for (auto& tracked : m_tracked)
        if (tracked.window == window)
            return &tracked;
    return nullptr;
}

void WindowSet::show(QWidget* window)
{
    if (window == nullptr || window->isVisible())
        return;
    window->show();
    window->activateWindow();
}

void WindowSet::hide(QWidget* window)
{
    if (window == nullptr || !window->isVisible())
        return;
    const bool wasActive = m_active == window || window->isActiveWindow();
    window->hide();
    QWidget* main = m_windows[mainform].get();
    if (wasActive && main != nullptr && main != window && main->isVisible())
        main->activateWindow();
}

bool WindowSet::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched != m_windows[mainform].get()) {
        // A secondary window's close box only hides it.
        event->ignore();
        hide(static_cast<QWidget*>(watched));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void WindowSet::focusWindowChanged(QWindow* focus)
{
    if (focus == nullptr)
        return; // another application took the focus, or none of ours has it yet
    for (auto& tracked : m_tracked) {
        QWidget* window = tracked.window;
        if (window == nullptr || window->windowHandle() != focus)
            continue;
        if (m_active == window)
            return;
        m_active = window;
        // A copy: the handler may track further windows.
        const std::function<void()> onActivate = tracked.onActivate;
        if (onActivate)
            runGuarded(onActivate);
        return;
    }
}

void WindowSet::reportAfterStart(const QString& message)
{
    if (m_started)
        reportError(message);
    else
        m_pendingMessages.append(message);
}

void WindowSet::whenStarted(std::function<void()> work)
{
    if (m_started)
        runGuarded(work);
    else
        m_deferredWork.push_back(std::move(work));
}

void WindowSet::start()
{
    show(m_windows[mainform].get());
    QTimer::singleShot(0, this, [this] {
        // From here on, messages are shown as they come, deferred work included.
        m_started = true;
        for (const QString& message : std::exchange(m_pendingMessages, {}))
            reportError(message);
        for (const std::function<void()>& work : std::exchange(m_deferredWork, {}))
            runGuarded(work);
    });
}

} // namespace pocketrix
