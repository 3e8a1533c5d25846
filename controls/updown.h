#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace pocketrix {

// A pair of arrow buttons that step a position by 1 within a range, without wrapping,
// and write each new position into a buddy edit box as integer text. The Up and Down
// keys step it while the buddy has the focus. A held arrow repeats at one fixed rate.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    void setBuddy(QLineEdit* buddy);
    void setRange(int minimum, int maximum);
    int position() const { return m_position; }
    // Moves the position without writing the buddy; kept within the range.
    void setPosition(int position);
    // One step up (+1) or down (-1); at an end of the range nothing happens.
    void step(int delta);
    // What screen readers call the two arrows.
    void setAccessibleNames(const QString& up, const QString& down);
    // Ends the repeat of a held arrow or key, for the owner whose buddy refused a step: the
    // held arrow comes up, and only a fresh press of it or of the key steps again.
    void stopRepeating();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
    QPointer<QLineEdit> m_buddy;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
    bool m_keyHeldPastStop = false;
    bool m_arrowHeldPastStop = false;
};

} // namespace pocketrix
