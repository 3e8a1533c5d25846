#include "app/shell/windowset.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QWindow>

#include "app/shell/errorrule.h"

namespace pocketrix {

WindowSet::WindowSet(ErrorRule& errors) : m_errors(errors)
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &WindowSet::focusWindowChanged);
}

void WindowSet::track(QWidget* window, std::function<void()> onActivate)
{
    auto found = std::ranges::find_if(m_tracked, [window](const Tracked& t) { return t.window == window; });
    if (found == m_tracked.end()) {
        window->installEventFilter(this);
        found = m_tracked.insert(found, Tracked{window, {}});
    }
    if (onActivate)
        found->onActivate = std::move(onActivate);
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
        m_errors.runGuarded(onActivate);
}

} // namespace pocketrix
