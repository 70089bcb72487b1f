// The main() of test programs that draw or show widgets: they need a
// QApplication; CTest runs them on the offscreen platform.

#include "classlib/core/sysutils.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Texts the tests expect carry a point whatever the machine's locale;
    // tests of the separator set their own.
    classlib::DecimalSeparator = u'.';
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
