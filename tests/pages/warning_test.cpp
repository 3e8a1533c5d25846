#include <memory>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/shell/windowset.h"
#include "controls/piegauge.h"
#include "pages/warning.h"
#include "tests/doubles/doubles.h"

namespace pocketrix {
namespace {

TEST(WarningWindow, DefinitionAndOk)
{
    test::RecordedErrors errors;
    WindowSet windows{errors};
    QWidget* form = windows.add(WindowSet::Form4, std::make_unique<TForm4>(windows, errors));
    EXPECT_EQ(form->windowTitle(), "Warning!");
    EXPECT_EQ(form->size(), QSize(164, 186));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(form->findChild<QLabel*>("Label1")->text(), "Hard disk space is low!");
    auto* gauge = form->findChild<PieGauge*>("Gauge1");
    EXPECT_EQ(gauge->geometry(), QRect(20, 32, 125, 113));
    EXPECT_EQ(gauge->foreColor(), QColor(0, 0, 128));
    EXPECT_EQ(gauge->backColor(), QColor(255, 255, 0));
    EXPECT_EQ(gauge->palette().color(QPalette::Window), QColor(255, 255, 255)) << "white around the disc";

    windows.show(form);
    ASSERT_TRUE(form->isVisible());
    form->close();
    EXPECT_FALSE(form->isVisible()) << "the close box hides it";
    windows.show(form);
    QTest::mouseClick(form->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace pocketrix
