#include "controls/updown.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

#include "app/core/timetext.h"

namespace pocketrix {

UpDown::UpDown(QWidget* parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    // A click steps on release; a press held past the delay steps with every repeat at
    // one fixed rate, and its release steps once more.
    for (QToolButton* arrow : {m_up, m_down}) {
        const int delta = arrow == m_up ? 1 : -1;
        arrow->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        arrow->setAutoRepeatDelay(400);
        arrow->setAutoRepeatInterval(100);
        connect(arrow, &QToolButton::clicked, this, [this, delta] { step(delta); });
        arrow->installEventFilter(this);
    }
    setAccessibleNames(QStringLiteral("Up"), QStringLiteral("Down"));
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

void UpDown::stopRepeating()
{
    m_keyHeldPastStop = true;
    for (QToolButton* arrow : {m_up, m_down})
        if (arrow->isDown()) {
            arrow->setDown(false);
            m_arrowHeldPastStop = true;
        }
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // An arrow stopped while held sits out the rest of that press: moving over it does not
    // bring it down again, and its release is no click.
    if (m_arrowHeldPastStop && (watched == m_up || watched == m_down)) {
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease)
            return true;
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_arrowHeldPastStop = false;
    }
    // The type first: while the buddy is being destroyed it is no longer a line edit, and
    // only key presses matter here.
    if (type == QEvent::KeyPress && watched == m_buddy) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            // The keyboard's own repeat of a held key is ignored once stopped.
            if (!press->isAutoRepeat())
                m_keyHeldPastStop = false;
            if (!m_keyHeldPastStop)
                step(key == Qt::Key_Up ? 1 : -1);
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
