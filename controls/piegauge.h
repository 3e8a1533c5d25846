#pragma once

#include <cstdint>

#include <QColor>
#include <QImage>
#include <QWidget>

namespace pocketrix {

// A percentage drawn as a navy slice of a yellow disc, growing clockwise from 12
// o'clock. It is drawn on its parent's surface, takes no focus and has no handler;
// only Progress changes at run time. Color, inside the frame around the disc, is the
// palette's window colour, which the gauge takes from the control it sits in.
class PieGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Progress READ progress WRITE setProgress)
    Q_PROPERTY(int MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(bool SingleBorder READ singleBorder WRITE setSingleBorder)
public:
    explicit PieGauge(QWidget* parent = nullptr);

    std::int32_t progress() const { return m_progress; }
    // Clamps to the range; redraws at once, within the call, only when the shown
    // percentage changes.
    void setProgress(std::int32_t value);
    int shownPercent() const;

    // The range, colours and border are fixed by the window definitions.
    std::int32_t minValue() const { return m_minValue; }
    void setMinValue(std::int32_t value);
    std::int32_t maxValue() const { return m_maxValue; }
    void setMaxValue(std::int32_t value);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& color);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    bool singleBorder() const { return m_singleBorder; }
    void setSingleBorder(bool single);

    // The finished picture of the whole control, as a paint copies it to the screen, at
    // the control's device pixel ratio.
    QImage compose() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Screen readers announce the gauge as "75% used".
    void nameByPercent();

    std::int32_t m_progress = 0;
    std::int32_t m_minValue = 0;
    std::int32_t m_maxValue = 100;
    QColor m_foreColor{0, 0, 128};
    QColor m_backColor{255, 255, 0};
    bool m_singleBorder = true;
};

} // namespace pocketrix
