// The pictures the window definitions name, as the finished windows show them.

#include <QAbstractButton>
#include <QLabel>
#include <gtest/gtest.h>

#include "app/shell/windowset.h"
#include "tests/doubles/programundertest.h"

namespace pocketrix {
namespace {

TEST(DefinitionPictures, EveryPictureIsInPlace)
{
    const test::ProgramUnderTest program;

    for (const WindowSet::Slot slot : {WindowSet::mainform, WindowSet::sharabout, WindowSet::Helpful}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(program.windows.window(slot)->windowIcon().pixmap(16, 16).size(), QSize(16, 16));
    }
    struct Picture {
        WindowSet::Slot window;
        const char* label;
        QSize size;
    } pictures[] = {{WindowSet::mainform, "Image2", {385, 25}}, {WindowSet::Form2, "Image1", {50, 50}}};
    for (const Picture& p : pictures) {
        SCOPED_TRACE(p.label);
        auto* label = program.windows.window(p.window)->findChild<QLabel*>(p.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pixmap().size(), p.size);
    }

    // Glyphs: the bottom-left pixel's colour is the background, where the button's face shows.
    struct Glyph {
        const char* button;
        int size;
    } glyphs[] = {{"SpeedButton2", 32},  {"SpeedButton3", 32}, {"SpeedButton7", 32},  {"SpeedButton4", 32},
                  {"SpeedButton6", 32},  {"SpeedButton8", 32}, {"SpeedButton10", 10}, {"SpeedButton11", 10},
                  {"SpeedButton12", 10}, {"SpeedButton13", 10}};
    QWidget* main = program.windows.window(WindowSet::mainform);
    for (const Glyph& g : glyphs) {
        SCOPED_TRACE(g.button);
        auto* button = main->findChild<QAbstractButton*>(g.button);
        ASSERT_NE(button, nullptr);
        const QImage face = button->icon().pixmap(g.size, g.size).toImage();
        ASSERT_EQ(face.size(), QSize(g.size, g.size));
        EXPECT_EQ(qAlpha(face.pixel(0, g.size - 1)), 0);
        int drawn = 0;
        for (int y = 0; y < g.size; ++y)
            for (int x = 0; x < g.size; ++x)
                drawn += qAlpha(face.pixel(x, y)) == 255 ? 1 : 0;
        EXPECT_GT(drawn, 0) << "the glyph itself shows";
    }
    EXPECT_TRUE(program.errors.messages().isEmpty()) << program.errors.messages().join(' ').toStdString();
}

} // namespace
} // namespace pocketrix
