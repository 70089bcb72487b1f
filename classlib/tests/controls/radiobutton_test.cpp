// Radio buttons of one parent: a click or Space checks one and unchecks
// its siblings; a checked one stays checked when clicked again.

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
