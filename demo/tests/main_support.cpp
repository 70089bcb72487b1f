// The form needs a QApplication; CTest runs the tests on the offscreen platform.

#include "demo/forminifile.h"

#include "runtime/reportclasses.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    runtime::RegisterReportClasses();
    demo::RegisterFormINIFile();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
