// Push buttons, driven with the mouse and keys as a person would: clicks,
// Space, Enter and Escape in a modal dialog.

#include "classlib/controls/button.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/form.h"
#include "classlib/controls/memo.h"

#include "handlers.h"

#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

// An OK / Cancel dialog with an edit and a memo, built as a form's code does.
struct TDialog {
    TForm Form{nullptr};
    TEdit* Edit = new TEdit(&Form);
    TMemo* Memo = new TMemo(&Form);
    TButton* Ok = new TButton(&Form);
    TButton* Cancel = new TButton(&Form);

    TDialog()
    {
        Form.SetBounds(0, 0, 260, 160);
        Form.SetCaption(QStringLiteral("Dialog"));
        for (TControl* c : {static_cast<TControl*>(Edit), static_cast<TControl*>(Memo),
                            static_cast<TControl*>(Ok), static_cast<TControl*>(Cancel)})
            c->SetParent(&Form);
        Edit->SetBounds(8, 8, 120, 21);
        Memo->SetBounds(8, 36, 120, 60);
        Ok->SetBounds(90, 120, 75, 25);
        Ok->SetCaption(QStringLiteral("OK"));
        Ok->SetDefault(true);
        Ok->SetModalResult(mrOk);
        Cancel->SetBounds(170, 120, 75, 25);
        Cancel->SetCaption(QStringLiteral("Cancel"));
        Cancel->SetCancel(true);
        Cancel->SetModalResult(mrCancel);
    }

    // Runs the dialog modally; Drive acts on it while it is shown.
    TModalResult Run(const std::function<void()>& Drive)
    {
        TModalScript script;
        script.Then([&](TModalRequest&) {
            Form.Widget()->activateWindow();
            (void)QTest::qWaitForWindowActive(Form.Widget());
            Drive();
            return mrNone;
        });
        return Form.ShowModal();
    }
};

TEST(Button, AClickRunsOnClickAndEndsTheModalFormWithItsResult)
{
    TDialog d;
    int clicks = 0;
    Bind(d.Ok->OnClick, [&](TObject*) { ++clicks; });
    EXPECT_EQ(d.Run([&] { QTest::mouseClick(d.Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10)); }), mrOk);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(d.Run([&] { QTest::mouseClick(d.Cancel->Widget(), Qt::LeftButton, {}, QPoint(10, 10)); }), mrCancel);
    EXPECT_EQ(clicks, 1);
}

TEST(Button, EnterAndEscapeReachTheDefaultAndCancelButtonsUnlessTheFocusKeepsThem)
{
    struct TCase {
        const char* Name;
        bool InMemo;
        Qt::Key Key;
        TModalResult Result;
        const char* MemoText;
    };
    const TCase cases[] = {
        {"enter in an edit", false, Qt::Key_Return, mrOk, ""},
        {"escape in an edit", false, Qt::Key_Escape, mrCancel, ""},
        // The memo keeps Enter for a new line; Escape still cancels.
        {"escape in a memo", true, Qt::Key_Escape, mrCancel, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TDialog d;
        const TModalResult result = d.Run([&] {
            TWinControl* focus = c.InMemo ? static_cast<TWinControl*>(d.Memo) : d.Edit;
            focus->SetFocus();
            QTest::keyClick(focus->Widget(), c.Key);
        });
        EXPECT_EQ(result, c.Result);
    }

    TDialog d;
    EXPECT_EQ(d.Run([&] {
        d.Memo->SetFocus();
        QTest::keyClicks(d.Memo->Widget(), QStringLiteral("a"));
        QTest::keyClick(d.Memo->Widget(), Qt::Key_Return);
        QTest::keyClicks(d.Memo->Widget(), QStringLiteral("b"));
        EXPECT_EQ(d.Form.ModalResult(), mrNone);  // still open
        QTest::keyClick(d.Memo->Widget(), Qt::Key_Escape);
    }),
              mrCancel);
    EXPECT_EQ(d.Memo->Lines()->Count(), 2);
}

TEST(Button, AFocusedButtonAnswersEnterAndSpaceItselfAndDisabledOnesNothing)
{
    TDialog d;
    // Enter on the focused Cancel button is a cancel, though OK is the default.
    EXPECT_EQ(d.Run([&] {
        d.Cancel->SetFocus();
        QTest::keyClick(d.Cancel->Widget(), Qt::Key_Return);
    }),
              mrCancel);
    EXPECT_EQ(d.Run([&] {
        d.Ok->SetFocus();
        QTest::keyClick(d.Ok->Widget(), Qt::Key_Space);
    }),
              mrOk);
    // A disabled default button never answers; the run ends another way.
    d.Ok->SetEnabled(false);
    EXPECT_EQ(d.Run([&] {
        d.Edit->SetFocus();
        QTest::keyClick(d.Edit->Widget(), Qt::Key_Return);
        EXPECT_EQ(d.Form.ModalResult(), mrNone);
        d.Form.Close();
    }),
              mrCancel);
}

TEST(Button, EscapeInAnOpenPopUpMenuClosesTheMenuNotTheDialog)
{
    TDialog d;
    EXPECT_EQ(d.Run([&] {
        QMenu menu(d.Form.Widget());
        menu.addAction(QStringLiteral("Inspect"));
        menu.popup(d.Form.Widget()->mapToGlobal(QPoint(20, 20)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
        QTest::keyClick(&menu, Qt::Key_Escape);
        EXPECT_FALSE(menu.isVisible());
        EXPECT_EQ(d.Form.ModalResult(), mrNone);
        QTest::mouseClick(d.Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    }),
              mrOk);
}

TEST(Button, ABareResultlessButtonLeavesTheFormOpen)
{
    TDialog d;
    d.Ok->SetModalResult(mrNone);
    int clicks = 0;
    Bind(d.Ok->OnClick, [&](TObject*) { ++clicks; });
    EXPECT_EQ(d.Run([&] {
        QTest::mouseClick(d.Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_EQ(d.Form.ModalResult(), mrNone);
        QTest::keyClick(d.Ok->Widget(), Qt::Key_Escape);
    }),
              mrCancel);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace classlib
