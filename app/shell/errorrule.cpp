#include "app/shell/errorrule.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QVariant>

#include "app/core/boxplacement.h"

namespace pocketrix {

namespace {

ScreenRect toScreenRect(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

// Where a box lies: its frame once the window manager has framed it, until then the
// place it was given.
QRect boxRect(const QWidget* box)
{
    if (box->frameGeometry() != box->geometry())
        return box->frameGeometry();
    if (const QVariant given = box->property("pocketrixBoxFrame"); given.isValid())
        return given.toRect();
    return box->geometry();
}

// Where a window kept clear lies. Its position may be that of its frame or of its inside,
// and the window manager's word on it may come late, so both readings are counted.
QRect keptClearRect(const QWidget* window, const QMargins& frame)
{
    const QMargins either(frame.left(), frame.top(), frame.right() + frame.left(), frame.bottom() + frame.top());
    return window->frameGeometry().united(window->geometry().marginsAdded(either));
}

QMargins windowFrame(const QWidget* window)
{
    if (window == nullptr)
        return {};
    const QRect inside = window->geometry();
    const QRect outside = window->frameGeometry();
    return {inside.left() - outside.left(), inside.top() - outside.top(), outside.right() - inside.right(),
            outside.bottom() - inside.bottom()};
}

} // namespace

ErrorRule::ErrorRule(Presenter errors, Presenter information)
    : m_errors(errors ? std::move(errors) : [this](const QString& message) { showBox(true, message); }),
      m_information(information ? std::move(information) : [this](const QString& message) { showBox(false, message); })
{
}

ErrorRule::~ErrorRule()
{
    for (const QPointer<QMessageBox>& box : std::exchange(m_openBoxes, {}))
        delete box.data();
}

void ErrorRule::report(const QString& message) { m_errors(message + QLatin1Char('.')); }

void ErrorRule::inform(const QString& message) { m_information(message); }

// Over the window the message belongs to, clear of the other boxes and of the windows
// that must stay readable.
void ErrorRule::place(QMessageBox* box)
{
    QWidget* anchor = m_anchor ? m_anchor() : nullptr;
    QScreen* screen = anchor != nullptr ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect anchorFrame = anchor != nullptr ? anchor->frameGeometry() : screen->availableGeometry();
    const QMargins frame = windowFrame(anchor);
    std::vector<ScreenRect> taken;
    for (const QPointer<QMessageBox>& other : m_openBoxes)
        if (other != nullptr && other != box && other->isVisible())
            taken.push_back(toScreenRect(boxRect(other)));
    for (const QPointer<QWidget>& window : m_keptClear)
        if (window != nullptr && window->isVisible())
            taken.push_back(toScreenRect(keptClearRect(window, frame)));
    const QSize size = box->isVisible() ? boxRect(box).size() : box->sizeHint().grownBy(frame);
    const ScreenRect place = placeBox(toScreenRect(screen->availableGeometry()), toScreenRect(anchorFrame), taken,
                                      size.width(), size.height());
    box->setProperty("pocketrixBoxFrame", QRect(place.x, place.y, place.width, place.height));
    box->move(place.x, place.y);
}

// A window kept clear that comes up over boxes moves them out of its way, and so it does
// where the window manager puts it afterwards: on a busy desktop that comes well after
// the show.
bool ErrorRule::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = static_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || ((type == QEvent::Move || type == QEvent::Resize) && window->isVisible())) {
        const QRect covered = keptClearRect(window, windowFrame(m_anchor ? m_anchor() : nullptr));
        for (const QPointer<QMessageBox>& box : m_openBoxes)
            if (box != nullptr && box->isVisible() && boxRect(box).intersects(covered))
                place(box);
    }
    return false;
}

// The box waits for nobody: the failing handler is abandoned already, and a box that
// waited would hold up the timer that raised it and every window of the program with
// it (the alarm among them). A message raised again while its box is up brings that
// box to the front.
void ErrorRule::showBox(bool error, const QString& message)
{
    QPointer<QMessageBox>& slot = m_openBoxes[message];
    // An answered box is deleted a little later; it is no longer up meanwhile.
    if (slot != nullptr && slot->isVisible()) {
        slot->raise();
        return;
    }
    auto* box = new QMessageBox(error ? QMessageBox::Critical : QMessageBox::Information, QStringLiteral("Pocketrix"),
                                message, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    slot = box;
    place(box);
    box->show();
}

void ErrorRule::keepClear(QWidget* window)
{
    std::erase_if(m_keptClear, [](const QPointer<QWidget>& gone) { return gone == nullptr; });
    m_keptClear.emplace_back(window);
    window->installEventFilter(this);
}

void DeferredStart::reportAfterStart(const QString& message)
{
    if (m_started)
        m_errors.report(message);
    else
        m_pendingMessages.append(message);
}

void DeferredStart::whenStarted(std::function<void()> work)
{
    if (m_started)
        m_errors.runGuarded(work);
    else
        m_deferredWork.push_back(std::move(work));
}

void DeferredStart::start()
{
    QTimer::singleShot(0, this, [this] {
        // From here on, messages are shown as they come, deferred work included.
        m_started = true;
        for (const QString& message : std::exchange(m_pendingMessages, {}))
            m_errors.report(message);
        for (const std::function<void()>& work : std::exchange(m_deferredWork, {}))
            m_errors.runGuarded(work);
    });
}

} // namespace pocketrix
