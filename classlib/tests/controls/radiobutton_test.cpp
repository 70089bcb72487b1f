// Radio buttons: one checked among the buttons of a parent, from the
// mouse, Space or code; OnClick only when a button becomes checked.

#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/radiobutton.h"

#include "handlers.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace classlib {
namespace {

using testing::Bind;

TEST(RadioButton, OneCheckedPerParentAndOnClickWhenChecked)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 120);
    auto* group = new TPanel(&form);
    group->SetParent(&form);
    group->SetBounds(0, 0, 150, 120);
    TRadioButton* r[3];
    for (int i = 0; i < 3; ++i) {
        r[i] = new TRadioButton(&form);
        r[i]->SetParent(group);
        r[i]->SetBounds(4, 4 + 24 * i, 100, 17);
    }
    // In another parent: untouched by the group's choices.
    auto* other = new TRadioButton(&form);
    other->SetParent(&form);
    other->SetBounds(160, 4, 100, 17);
    other->SetChecked(true);
    form.Show();
    form.Widget()->activateWindow();
    (void)QTest::qWaitForWindowActive(form.Widget());
    std::vector<int> clicks;
    for (int i = 0; i < 3; ++i) Bind(r[i]->OnClick, [&clicks, i](TObject*) { clicks.push_back(i); });
    auto checked = [&] { return std::vector<bool>{r[0]->Checked(), r[1]->Checked(), r[2]->Checked()}; };

    QTest::mouseClick(r[1]->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(r[1]->Focused());
    // Clicking the checked one again changes nothing and tells nobody.
    QTest::mouseClick(r[1]->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    r[2]->SetChecked(true);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, true}));
    r[0]->SetFocus();
    QTest::keyClick(r[0]->Widget(), Qt::Key_Space);
    EXPECT_EQ(checked(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(clicks, (std::vector<int>{1, 2, 0}));
    // Code may leave none checked, quietly.
    r[0]->SetChecked(false);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(clicks.size(), 3u);
    EXPECT_TRUE(other->Checked());
}

TEST(RadioButton, OneOfItsParentIsCheckedAndEveryCheckFiresOnClick)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 120);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 40, 300, 40);
    TRadioButton* radios[3];
    for (int i = 0; i < 3; ++i) {
        radios[i] = new TRadioButton(&form);
        radios[i]->SetParent(&form);
        radios[i]->SetBounds(4 + 80 * i, 4, 70, 17);
    }
    // Another parent: another group.
    auto* other = new TRadioButton(&form);
    other->SetParent(panel);
    other->SetChecked(true);
    form.Show();
    form.Widget()->activateWindow();
    (void)QTest::qWaitForWindowActive(form.Widget());
    std::vector<int> seen;
    for (int i = 0; i < 3; ++i) Bind(radios[i]->OnClick, [&seen, i](TObject*) { seen.push_back(i); });
    auto checked = [&radios] {
        std::vector<bool> v;
        for (TRadioButton* r : radios) v.push_back(r->Checked());
        return v;
    };

    QTest::mouseClick(radios[1]->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false}));
    QTest::mouseClick(radios[1]->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false}));
    radios[2]->SetFocus();
    QTest::keyClick(radios[2]->Widget(), Qt::Key_Space);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, true}));
    radios[0]->SetChecked(true);
    EXPECT_EQ(checked(), (std::vector<bool>{true, false, false}));
    radios[0]->SetChecked(false);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(other->Checked());
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0}));
}

} // namespace
} // namespace classlib
