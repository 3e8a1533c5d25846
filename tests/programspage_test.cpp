#include <gtest/gtest.h>

#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/shell/windowset.h"
#include "pages/jotter.h"
#include "pages/jottercolours.h"
#include "pages/mainform.h"
#include "platform/programstart.h"
#include "tests/doubles.h"

namespace pocketrix {
namespace {

class RecordingStarter final : public ProgramStarter {
public:
    QStringList started;
    bool start(const std::string& fileName) override
    {
        started << QString::fromStdString(fileName);
        return false;
    }
};

struct ProgramsFixture : ::testing::Test {
    test::SettableClock clock{2026, 12, 7, 22, 28, 5};
    LocaleValues locale;
    RecordingStarter starter;
    Services services;
    WindowSet windows;
    Tmainform* main = nullptr;
    test::RecordedErrors errors;
    QStringList information;
    ErrorPresenter previousInformation;

    void SetUp() override
    {
        services.clock = &clock;
        services.locale = &locale;
        services.programs = &starter;
        previousInformation = setInformationPresenter([this](const QString& text) { information << text; });
        windows.add(WindowSet::mainform, std::make_unique<Tmainform>(services, windows));
        main = windows.get<Tmainform>(WindowSet::mainform);
        windows.start();
    }
    void TearDown() override { setInformationPresenter(previousInformation); }

    void press(const char* name) { QTest::mouseClick(main->findChild<QToolButton*>(name), Qt::LeftButton); }
    QList<TForm5*> jotters() const { return main->findChildren<TForm5*>(QString(), Qt::FindDirectChildrenOnly); }
};

TEST(JotterColours, CycleThroughTheTableAndWrapAtThirteen)
{
    const Rgb expected[] = {{0, 128, 0},   {128, 0, 128},   {0, 128, 128}, {255, 0, 0},     {255, 255, 0}, {0, 0, 255},
                            {255, 0, 255}, {192, 192, 192}, {0, 0, 0},     {255, 255, 255}, {128, 0, 0},   {0, 0, 128}};
    int count = 0;
    for (int press = 1; press <= 12; ++press) {
        const JotterColouring next = nextJotterColouring(count);
        EXPECT_EQ(next.count, press);
        ASSERT_TRUE(next.colour.has_value());
        EXPECT_EQ(*next.colour, expected[press - 1]);
        count = next.count;
    }
    const JotterColouring thirteenth = nextJotterColouring(count);
    EXPECT_EQ(thirteenth.count, 1);
    EXPECT_FALSE(thirteenth.colour.has_value());
    EXPECT_EQ(*nextJotterColouring(thirteenth.count).colour, expected[1]);
}

TEST_F(ProgramsFixture, EveryPressOpensANewJotterAtTheSamePlace)
{
    const QColor expected[] = {{0, 128, 0}, {128, 0, 128}, {0, 128, 128},   {255, 0, 0},  {255, 255, 0},
                               {0, 0, 255}, {255, 0, 255}, {192, 192, 192}, {0, 0, 0},    {255, 255, 255},
                               {128, 0, 0}, {0, 0, 128},   {0, 128, 0},     {128, 0, 128}};
    for (int press = 0; press < 14; ++press)
        this->press("SpeedButton8");
    const auto opened = jotters();
    ASSERT_EQ(opened.size(), 14);
    for (int i = 0; i < opened.size(); ++i) {
        SCOPED_TRACE(i + 1);
        TForm5* jotter = opened[i];
        EXPECT_TRUE(jotter->isVisible());
        EXPECT_EQ(jotter->windowTitle(), "Jotter");
        EXPECT_EQ(jotter->pos(), QPoint(274, 212));
        EXPECT_EQ(jotter->size(), QSize(201, 189));
        EXPECT_EQ(jotter->palette().color(QPalette::Window), expected[i]);
        EXPECT_TRUE(jotter->memo()->toPlainText().isEmpty());
    }
    EXPECT_TRUE(test::waitFor([&] { return windows.activeWindow() == opened.last(); }));
}

TEST_F(ProgramsFixture, AClosedJotterIsHiddenForGood)
{
    press("SpeedButton8");
    TForm5* jotter = jotters().value(0);
    ASSERT_NE(jotter, nullptr);
    jotter->memo()->setPlainText("scratch");
    jotter->close();
    EXPECT_FALSE(jotter->isVisible());
    press("SpeedButton8");
    EXPECT_EQ(jotters().size(), 2);
    EXPECT_FALSE(jotter->isVisible());
}

TEST_F(ProgramsFixture, LaunchersPassTheBareNames)
{
    press("SpeedButton2");
    press("SpeedButton6");
    EXPECT_EQ(starter.started, (QStringList{"lookabt.exe", "cogitron.exe"}));
    EXPECT_TRUE(errors.messages().isEmpty()) << "a missing program shows nothing";
    EXPECT_TRUE(information.isEmpty());
}

TEST_F(ProgramsFixture, OutsideApplicationsSaySo)
{
    press("SpeedButton3");
    press("SpeedButton4");
    press("SpeedButton7");
    ASSERT_EQ(information.size(), 3);
    EXPECT_TRUE(information[0].startsWith("Dialfolio"));
    EXPECT_TRUE(information[1].startsWith("Swapulator"));
    EXPECT_TRUE(information[2].startsWith("Sumbright"));
    for (const QString& text : information)
        EXPECT_TRUE(text.contains("not part of Pocketrix"));
}

TEST(ProgramSearch, NeverLooksInTheCurrentDirectory)
{
    struct Case {
        const char* what;
        const char* own;
        const char* path;
        std::vector<std::string> directories;
    } cases[] = {
        {"own directory first, then the path",
         "/opt/pocketrix/bin",
         "/usr/local/bin:/usr/bin",
         {"/opt/pocketrix/bin", "/usr/local/bin", "/usr/bin"}},
        {"empty entries mean the current directory", "/opt/p", ":/usr/bin::", {"/opt/p", "/usr/bin"}},
        {"so do relative entries", "/opt/p", ".:bin:/usr/bin", {"/opt/p", "/usr/bin"}},
        {"no path at all", "/opt/p", "", {"/opt/p"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(programSearchDirectories(c.own, c.path), c.directories);
    }
}

TEST(ProgramSearch, StartsAProgramFromThePathButNotOneInTheCurrentDirectory)
{
    QTemporaryDir onPath;
    QTemporaryDir current;
    ASSERT_TRUE(onPath.isValid() && current.isValid());
    const QString marker = onPath.filePath("ran");
    auto plant = [&](const QString& directory, const QString& name, const QString& touched) {
        QFile script(directory + "/" + name);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\ntouch '" + touched + "'\n").toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    };
    plant(onPath.path(), "cogitron.exe", marker);
    plant(current.path(), "lookabt.exe", current.filePath("planted-ran"));

    const QString previous = QDir::currentPath();
    QDir::setCurrent(current.path());
    test::ScopedEnv path("PATH", (".:" + onPath.path() + ":/usr/bin:/bin").toUtf8().constData());
    SystemProgramStarter starter;
    EXPECT_FALSE(starter.start("lookabt.exe"));
    EXPECT_TRUE(starter.start("cogitron.exe"));
    EXPECT_TRUE(test::waitFor([&] { return QFile::exists(marker); }, 5000));
    EXPECT_FALSE(QFile::exists(current.filePath("planted-ran")));
    EXPECT_FALSE(starter.start("missing.exe"));
    QDir::setCurrent(previous);
}

} // namespace
} // namespace pocketrix
