#include "app/shell/windowset.h"

#include <algorithm>

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
    track(window.get());
    m_windows[slot] = std::move(window);
}

WindowSet::Tracked& WindowSet::entry(QWidget* window)
{
    const auto found = std::ranges::find_if(m_tracked, [window](const Tracked& t) { return t.window == window; });
    if (found != m_tracked.end())
        return *found;
    window->installEventFilter(this);
    return m_tracked.emplace_back(Tracked{window, {}});
}

void WindowSet::track(QWidget* window) { entry(window); }

void WindowSet::setActivationHandler(QWidget* window, std::function<void()> handler)
{
    entry(window).onActivate = std::move(handler);
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
    const auto tracked = std::ranges::find_if(m_tracked, [focus](const Tracked& candidate) {
        return candidate.window != nullptr && candidate.window->windowHandle() == focus;
    });
    if (tracked == m_tracked.end() || m_active == tracked->window)
        return;
    m_active = tracked->window;
    // A copy: the handler may track further windows.
    if (const std::function<void()> onActivate = tracked->onActivate)
        runGuarded(onActivate);
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
