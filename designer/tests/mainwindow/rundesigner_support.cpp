#include "designer/tests/mainwindow/rundesigner.h"

#include "designer/mainwindow/qxactivate.h"

#include "classlib/tests/tempconfig.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace designer::tests {

using namespace classlib;

void Settle()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void RunDesigner(const std::function<void(TfrmMain&, TModalScript&)>& Body)
{
    // Settings are read at start and written at close: never the user's.
    classlib::test::TTempConfig config;
    TModalScript script;
    script.Then([&](TModalRequest& Request) {
        auto* main = dynamic_cast<TfrmMain*>(Request.Form);
        EXPECT_NE(main, nullptr);
        if (!main) return mrCancel;
        Settle();
        Body(*main, script);
        return mrOk;
    });
    QXActivate(nullptr, 0, 0);
    EXPECT_EQ(script.Unexpected(), 0);
}

} // namespace designer::tests
