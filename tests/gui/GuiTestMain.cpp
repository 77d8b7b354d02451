// Test programs of the window program run with an application object and no display.

#include "gui/widgets/Accessibility.h"
#include "gui/widgets/WindowStyle.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    zelmora::gui::useWindowStyle(application); // the program's own look, focus frames included
    zelmora::gui::installAccessibility();
    return RUN_ALL_TESTS();
}
