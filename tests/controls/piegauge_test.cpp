#include <cmath>
#include <numbers>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "controls/piegauge.h"

namespace pocketrix {
namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST(PieGauge, ClampsToTheRange)
{
    PieGauge gauge;
    struct Case {
        int set, stored;
    } cases[] = {{150, 100}, {-5, 0}, {100, 100}, {0, 0}, {42, 42}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        gauge.setProgress(c.set);
        EXPECT_EQ(gauge.progress(), c.stored);
    }
}

TEST(PieGauge, RedrawsAtOnceOnlyWhenTheShownPercentChanges)
{
    QWidget parent;
    parent.resize(120, 100);
    auto* gauge = new PieGauge(&parent);
    gauge->setGeometry(10, 10, 73, 65);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QApplication::processEvents();

    PaintCounter counter;
    gauge->installEventFilter(&counter);
    gauge->setProgress(30);
    EXPECT_EQ(counter.paints, 1) << "drawn within the call";
    gauge->setProgress(30);
    gauge->setProgress(130);
    gauge->setProgress(100);
    EXPECT_EQ(counter.paints, 2) << "130 clamps to 100, which then is no change";
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 2);

    // A finer range: 10 and 19 of 1000 both show as 1 %.
    gauge->setMaxValue(1000);
    gauge->setProgress(10);
    QApplication::processEvents();
    counter.paints = 0;
    gauge->setProgress(19);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    EXPECT_EQ(gauge->progress(), 19);
    gauge->setProgress(20);
    EXPECT_EQ(counter.paints, 1);
}

TEST(PieGauge, HiddenGaugeKeepsTheValueForItsNextPaint)
{
    PieGauge gauge;
    gauge.resize(73, 65);
    PaintCounter counter;
    gauge.installEventFilter(&counter);
    gauge.setProgress(60);
    EXPECT_EQ(counter.paints, 0);
    EXPECT_EQ(gauge.shownPercent(), 60);
}

const QColor kNavy(0, 0, 128);
const QColor kYellow(255, 255, 0);
const QColor kFace(192, 192, 192);

// The pixels of a gauge as the screen receives them, on a parent of a known colour.
QImage rendered(int width, int height, int progress)
{
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, kFace);
    parent.setPalette(palette);
    auto* gauge = new PieGauge(&parent);
    gauge->setGeometry(0, 0, width, height);
    gauge->setProgress(progress);
    return gauge->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

struct PixelCounts {
    int wrongRing = 0, wrongInSlice = 0, wrongOutside = 0, navyInside = 0;
};

// Sorts the interior pixels by their parameter angle on the ellipse: those clearly
// inside the slice (which runs clockwise from 12 o'clock over percent x 3.6 degrees)
// must be navy, those clearly outside yellow.
PixelCounts countPixels(const QImage& image, int percent)
{
    PixelCounts counts;
    const int w = image.width();
    const int h = image.height();
    const double cx = w / 2.0;
    const double cy = h / 2.0;
    const double rx = (w - 2) / 2.0 - 2.5;
    const double ry = (h - 2) / 2.0 - 2.5;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
                counts.wrongRing += pixel != QColor(Qt::black);
                continue;
            }
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (cy - (y + 0.5)) / ry;
            if (dx * dx + dy * dy >= 1.0)
                continue;
            counts.navyInside += pixel == kNavy;
            // Degrees clockwise from 12 o'clock, 0 to 360.
            double clockwise = 90.0 - std::atan2(dy, dx) * 180.0 / std::numbers::pi;
            if (clockwise < 0.0)
                clockwise += 360.0;
            const double edge = percent * 3.6;
            // Within 2 pixels of either ray the edge's rasterisation decides.
            const double margin = 3.0 + 2.0 / std::hypot(dx * rx, dy * ry) * 180.0 / std::numbers::pi;
            if (clockwise < edge - margin && clockwise > margin)
                counts.wrongInSlice += pixel != kNavy;
            else if (clockwise > edge + margin && clockwise < 360.0 - margin)
                counts.wrongOutside += pixel != kYellow;
        }
    }
    return counts;
}

TEST(PieGauge, PaintsFrameDiscAndSlice)
{
    struct Case {
        int width, height, percent;
    } cases[] = {
        {73, 65, 0},   {73, 65, 25},   {73, 65, 50},   {73, 65, 75},   {73, 65, 100},   {73, 65, 12},
        {125, 113, 0}, {125, 113, 25}, {125, 113, 50}, {125, 113, 88}, {125, 113, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " at " + std::to_string(c.percent));
        const QImage image = rendered(c.width, c.height, c.percent);
        ASSERT_EQ(image.size(), QSize(c.width, c.height));
        const PixelCounts counts = countPixels(image, c.percent);
        EXPECT_EQ(counts.wrongRing, 0);
        EXPECT_EQ(counts.wrongInSlice, 0);
        EXPECT_EQ(counts.wrongOutside, 0);
        if (c.percent == 0) {
            EXPECT_EQ(counts.navyInside, 0);
        }
        // Inside the frame, the corners show the colour of the control beneath.
        EXPECT_EQ(image.pixelColor(1, 1), kFace);
        EXPECT_EQ(image.pixelColor(c.width - 2, c.height - 2), kFace);
        // The disc's outline is navy at its top and bottom, whatever the slice.
        EXPECT_EQ(image.pixelColor(c.width / 2, 1), kNavy);
        EXPECT_EQ(image.pixelColor(c.width / 2, c.height - 2), kNavy);
    }
}

TEST(PieGauge, TakesNoFocus)
{
    PieGauge gauge;
    EXPECT_EQ(gauge.focusPolicy(), Qt::NoFocus);
}

TEST(PieGauge, ScreenReadersHearThePercentageShown)
{
    PieGauge gauge;
    EXPECT_EQ(gauge.accessibleName(), "0% used");
    struct Step {
        int min, max, progress;
        const char* name;
    } steps[] = {{0, 100, 75, "75% used"},
                 {0, 100, 100, "100% used"},
                 {0, 200, 100, "50% used"},
                 {0, 300, 100, "33% used"},
                 {50, 300, 100, "20% used"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        gauge.setMaxValue(step.max);
        gauge.setMinValue(step.min);
        gauge.setProgress(step.progress);
        EXPECT_EQ(gauge.accessibleName(), step.name);
    }
}

} // namespace
} // namespace pocketrix
