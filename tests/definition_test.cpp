// The pictures the window definitions name, as the finished windows show them.

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/shell/windowset.h"
#include "controls/stretchedpicture.h"
#include "pages/services.h"
#include "program/startup.h"
#include "tests/doubles.h"
#include "tests/fakedrive.h"
#include "tests/fakewave.h"

namespace pocketrix {
namespace {

struct AllWindows {
    test::RecordedErrors errors;
    test::SettableClock clock{2026, 12, 7, 22, 28, 5};
    LocaleValues locale;
    test::FakeDrive drive{1 << 30, 1LL << 32};
    Services services{clock, locale, nullptr, &drive};
    test::FakeWavePlayer sound;
    DeferredStart deferred{errors};
    WindowSet windows{errors};
    AllWindows() { createWindows(windows, errors, deferred, services, sound); }
};

TEST(DefinitionPictures, EveryPictureIsInPlace)
{
    AllWindows program;

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

bool imagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// Qt's image plugins would take a few milliseconds to load and are never needed: every
// picture of the program is a bitmap read as one, the help reader's included.
TEST(DefinitionPictures, StartUpLoadsNoImagePlugin)
{
    if (imagePluginLoaded())
        GTEST_SKIP() << "an earlier test in this process loaded them";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("frontend")));
    const QDir help(QStringLiteral(POCKETRIX_SOURCE_DIR "/frontend"));
    for (const QString& name : help.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(help.filePath(name), folder.filePath(QStringLiteral("frontend/") + name)));
    const test::InFolder here(folder.path());
    AllWindows program;
    program.windows.show(program.windows.window(WindowSet::mainform));
    program.deferred.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.deferred.started(); }));
    EXPECT_TRUE(program.errors.messages().isEmpty()) << program.errors.messages().join(' ').toStdString();
    EXPECT_FALSE(imagePluginLoaded());
}

// The map keeps its stored picture and is drawn stretched over the whole control.
TEST(DefinitionPictures, TheWorldMapIsDrawnStretched)
{
    AllWindows program;
    auto* map = program.windows.window(WindowSet::mainform)->findChild<StretchedPicture*>("Image1");
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->image().size(), QSize(480, 180));
    EXPECT_EQ(map->image().format(), QImage::Format_Indexed8) << "kept at a byte a pixel";
    const QImage drawn = map->grab().toImage();
    ASSERT_EQ(drawn.size(), QSize(373, 105));
    const QImage expected =
        map->image().scaled(373, 105, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(drawn.format());
    EXPECT_EQ(drawn, expected);
}

// The world clock's labels size themselves to their text once their page shows.
TEST(DefinitionPictures, TheCityTimesFitTheirTextWhenThePageShows)
{
    AllWindows program;
    auto* main = program.windows.window(WindowSet::mainform);
    auto* pages = main->findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    main->show();
    pages->setCurrentWidget(main->findChild<QWidget*>("TabSheet4"));
    EXPECT_EQ(main->findChild<QLabel*>("Label9")->text().toStdString(), "22:28");
    for (const char* name :
         {"Label9", "Label6", "Label16", "Label10", "Label12", "Label20", "Label13", "Label22", "Label17", "Label24"}) {
        SCOPED_TRACE(name);
        auto* label = main->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->size(), label->sizeHint());
    }
}

} // namespace
} // namespace pocketrix
