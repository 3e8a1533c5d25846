#include "app/shell/errorrule.h"

#include <vector>

#include <QGuiApplication>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QVariant>

#include "app/core/boxplacement.h"
#include "app/core/errors.h"

namespace pocketrix {

namespace {

QHash<QString, QPointer<QMessageBox>> openBoxes; // the boxes on screen, by their text
std::function<QWidget*()> boxAnchor;
std::vector<QPointer<QWidget>> keptClear;

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

// Over the window the message belongs to, clear of the other boxes and of the windows
// that must stay readable.
void placeOnScreen(QMessageBox* box)
{
    QWidget* anchor = boxAnchor ? boxAnchor() : nullptr;
    QScreen* screen = anchor != nullptr ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect anchorFrame = anchor != nullptr ? anchor->frameGeometry() : screen->availableGeometry();
    const QMargins frame = windowFrame(anchor);
    std::vector<ScreenRect> taken;
    for (const QPointer<QMessageBox>& other : openBoxes)
        if (other != nullptr && other != box && other->isVisible())
            taken.push_back(toScreenRect(boxRect(other)));
    for (const QPointer<QWidget>& window : keptClear)
        if (window != nullptr && window->isVisible())
            taken.push_back(toScreenRect(keptClearRect(window, frame)));
    const QSize size = box->isVisible() ? boxRect(box).size() : box->sizeHint().grownBy(frame);
    const ScreenRect place = placeBox(toScreenRect(screen->availableGeometry()), toScreenRect(anchorFrame), taken,
                                      size.width(), size.height());
    box->setProperty("pocketrixBoxFrame", QRect(place.x, place.y, place.width, place.height));
    box->move(place.x, place.y);
}

// A window kept clear that comes up over boxes moves them out of its way.
class ClearOnShow final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            const QRect covered =
                keptClearRect(static_cast<QWidget*>(watched), windowFrame(boxAnchor ? boxAnchor() : nullptr));
            for (const QPointer<QMessageBox>& box : openBoxes)
                if (box != nullptr && box->isVisible() && boxRect(box).intersects(covered))
                    placeOnScreen(box);
        }
        return false;
    }
};

// The box waits for nobody: the failing handler is abandoned already, and a box that
// waited would hold up the timer that raised it and every window of the program with
// it (the alarm among them). A message raised again while its box is up brings that
// box to the front.
void showBox(QMessageBox::Icon icon, const QString& message)
{
    QPointer<QMessageBox>& slot = openBoxes[message];
    // An answered box is deleted a little later; it is no longer up meanwhile.
    if (slot != nullptr && slot->isVisible()) {
        slot->raise();
        return;
    }
    auto* box = new QMessageBox(icon, QStringLiteral("Pocketrix"), message, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    slot = box;
    placeOnScreen(box);
    box->show();
}

ErrorPresenter presenter = [](const QString& message) { showBox(QMessageBox::Critical, message); };
ErrorPresenter informationPresenter = [](const QString& message) { showBox(QMessageBox::Information, message); };

} // namespace

ErrorPresenter setErrorPresenter(ErrorPresenter replacement)
{
    return std::exchange(presenter, std::move(replacement));
}

ErrorPresenter setInformationPresenter(ErrorPresenter replacement)
{
    return std::exchange(informationPresenter, std::move(replacement));
}

void inform(const QString& message)
{
    if (informationPresenter)
        informationPresenter(message);
}

void reportError(const QString& message)
{
    if (presenter)
        presenter(message + QLatin1Char('.'));
}

void reportError(const std::exception& error)
{
    if (dynamic_cast<const SilentAbort*>(&error) != nullptr)
        return;
    reportError(QString::fromStdString(error.what()));
}

void setBoxAnchor(std::function<QWidget*()> anchor) { boxAnchor = std::move(anchor); }

void keepClearOfBoxes(QWidget* window)
{
    std::erase_if(keptClear, [](const QPointer<QWidget>& gone) { return gone == nullptr; });
    keptClear.emplace_back(window);
    window->installEventFilter(new ClearOnShow(window));
}

void closeMessageBoxes()
{
    for (const QPointer<QMessageBox>& box : std::exchange(openBoxes, {}))
        delete box.data();
}

} // namespace pocketrix
