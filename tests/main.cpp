#include <cstdlib>

#include <QApplication>
#include <gtest/gtest.h>

#include "app/shell/definition.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    pocketrix::installLook();
    return RUN_ALL_TESTS();
}
