#include "controls/updown.h"

#include <algorithm>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

#include "app/core/timetext.h"
#include "app/shell/errorrule.h"

namespace pocketrix {

namespace {

// Holding an arrow repeats at one fixed rate: the step never grows.
constexpr int kRepeatDelay = 400;
constexpr int kRepeatInterval = 100;

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kRepeatDelay);
    button->setAutoRepeatInterval(kRepeatInterval);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), m_up(arrowButton(this, Qt::UpArrow)), m_down(arrowButton(this, Qt::DownArrow))
{
    connect(m_up, &QToolButton::clicked, this, [this] { arrowStep(m_up, 1); });
    connect(m_down, &QToolButton::clicked, this, [this] { arrowStep(m_down, -1); });
    m_up->setAccessibleName(QStringLiteral("Up"));
    m_down->setAccessibleName(QStringLiteral("Down"));
}

void UpDown::setAccessibleNames(const QString& up, const QString& down)
{
    m_up->setAccessibleName(up);
    m_down->setAccessibleName(down);
}

void UpDown::setBuddy(QLineEdit* buddy)
{
    if (m_buddy != nullptr)
        m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy != nullptr)
        m_buddy->installEventFilter(this);
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = std::min(minimum, maximum);
    m_maximum = std::max(minimum, maximum);
    m_position = std::clamp(m_position, m_minimum, m_maximum);
}

void UpDown::setPosition(int position) { m_position = std::clamp(position, m_minimum, m_maximum); }

void UpDown::step(int delta)
{
    const int next = std::clamp(m_position + delta, m_minimum, m_maximum);
    if (next == m_position)
        return;
    m_position = next;
    if (m_buddy != nullptr)
        m_buddy->setText(QString::fromStdString(integerText(m_position)));
}

// Steps run the buddy's change handler, which may raise; the error rule shows it.
bool UpDown::guardedStep(int delta)
{
    const std::uint64_t before = errorsRaised();
    runGuarded([this, delta] { step(delta); });
    return errorsRaised() == before;
}

void UpDown::arrowStep(QToolButton* arrow, int delta)
{
    if (guardedStep(delta) || !arrow->isDown())
        return;
    // A held arrow stops at the first step that raises, as if the mouse had been released
    // off it: no further repeat, and no closing click when the button really comes up.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), arrow->mapToGlobal(QPointF(-1, -1)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(arrow, &release);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: while the buddy is being destroyed it is no longer a line edit, and
    // only key presses matter here.
    if (event->type() == QEvent::KeyPress && watched == m_buddy) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            // The keyboard's own repeat of a held key is ignored after a step that raised.
            if (!press->isAutoRepeat())
                m_keyHeldPastError = false;
            if (!m_keyHeldPastError)
                m_keyHeldPastError = !guardedStep(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}

} // namespace pocketrix
