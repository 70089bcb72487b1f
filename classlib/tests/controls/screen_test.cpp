// The screen: which form is the active one, told at each change, and the
// windowed control at a screen point.

#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/screen.h"

#include "handlers.h"

#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

void Activate(TForm& Form)
{
    Form.Show();
    Form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.Widget()));
}

TEST(ScreenActiveForm, EachChangeOfTheActiveFormIsTold)
{
    TForm a(nullptr);
    TForm b(nullptr);
    a.SetBounds(10, 10, 100, 80);
    b.SetBounds(200, 10, 100, 80);
    QList<TForm*> told;
    Bind(Screen()->OnActiveFormChange, [&](TObject*) { told << Screen()->ActiveForm(); });
    Activate(a);
    Activate(b);
    Activate(a);
    Screen()->OnActiveFormChange = TNotifyEvent();
    ASSERT_FALSE(told.isEmpty());
    told.removeAll(nullptr);  // a moment with none active is allowed
    EXPECT_EQ(told, (QList<TForm*>{&a, &b, &a}));
    EXPECT_EQ(Screen()->ActiveForm(), &a);
}

TEST(ScreenFindVCLWindow, GivesTheWindowedControlAtAScreenPoint)
{
    TForm form(nullptr);
    form.SetBounds(60, 50, 200, 150);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(20, 20, 80, 60);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
    const auto at = [&](TControl* C, int X, int Y) {
        const TPoint p = C->ClientToScreen(TPoint{X, Y});
        return FindVCLWindow(p);
    };
    EXPECT_EQ(at(panel, 5, 5), panel);
    EXPECT_EQ(at(&form, 150, 120), &form);
    EXPECT_EQ(FindVCLWindow(TPoint{-500, -500}), nullptr);
}

} // namespace
} // namespace classlib
