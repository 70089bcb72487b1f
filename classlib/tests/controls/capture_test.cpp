// Emulated mouse capture and cursor clipping on the offscreen platform.

#include "classlib/controls/form.h"
#include "classlib/controls/mouse.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace classlib {
namespace {

class TMouseLog : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    QStringList Log;
    // Runs instead of the handling of a left press; may free the control.
    std::function<void()> OnPress;

    void Dispatch(TMessage& M) override
    {
        if (M.Msg == WM_LBUTTONDOWN && OnPress)
            return OnPress();
        if (M.Msg == WM_CANCELMODE)
            Log << QStringLiteral("cancel");
        else if (M.Msg >= WM_MOUSEMOVE && M.Msg <= WM_MOUSEWHEEL)
            Log << QStringLiteral("%1 %2,%3").arg(M.Msg, 0, 16).arg(LParamX(M.LParam)).arg(LParamY(M.LParam));
        TCustomControl::Dispatch(M);
    }
};

struct TTwoControls {
    TForm Form{nullptr};
    TMouseLog* A;
    TMouseLog* B;
    TTwoControls()
    {
        Form.SetBounds(30, 40, 300, 200);
        A = new TMouseLog(&Form);
        A->SetParent(&Form);
        A->SetBounds(10, 10, 50, 40);
        B = new TMouseLog(&Form);
        B->SetParent(&Form);
        B->SetBounds(100, 20, 50, 40);
        Form.Show();
    }
    ~TTwoControls()
    {
        SetCaptureControl(nullptr);
        ClipCursor(nullptr);
    }
};

TEST(Capture, TheCaptureControlGetsTheMouseOfOtherWidgetsInItsOwnCoordinates)
{
    TTwoControls f;
    QWidget* b = f.B->Widget();

    f.A->SetMouseCapture(true);
    EXPECT_TRUE(f.A->MouseCapture());
    EXPECT_EQ(GetCaptureControl(), f.A);
    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(b, QPoint(20, 30));
    QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    EXPECT_EQ(f.A->Log, (QStringList{"201 95,15", "200 110,40", "202 110,40"}));
    EXPECT_TRUE(f.B->Log.isEmpty());
    EXPECT_EQ(GetCursorPos(), f.B->ClientToScreen(Point(20, 30)));

    // Clipped to A's client area (right and bottom extended by one).
    const TPoint origin = f.A->ClientToScreen(Point(0, 0));
    const TRect clip = Rect(origin.X, origin.Y, origin.X + 51, origin.Y + 41);
    ClipCursor(&clip);
    f.A->Log.clear();
    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(b, QPoint(-95, -40));  // above and left of A
    QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(-95, -40));
    EXPECT_EQ(f.A->Log, (QStringList{"201 50,15", "200 0,0", "202 0,0"}));
    EXPECT_EQ(GetCursorPos(), origin);

    // Released: each widget's mouse is its own again, unclamped.
    f.A->SetMouseCapture(false);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    f.A->Log.clear();
    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(f.A->Log.isEmpty());
    EXPECT_EQ(f.B->Log, (QStringList{"201 5,5", "202 5,5"}));
}

TEST(Capture, TakingItAwayOrDeactivatingCancelsTheMode)
{
    TTwoControls f;
    f.A->SetMouseCapture(true);
    f.A->SetMouseCapture(true);  // again: nothing to cancel
    EXPECT_TRUE(f.A->Log.isEmpty());

    f.B->SetMouseCapture(true);
    EXPECT_EQ(f.A->Log, QStringList{"cancel"});
    EXPECT_EQ(GetCaptureControl(), f.B);
    f.A->SetMouseCapture(false);  // not A's to release
    EXPECT_EQ(GetCaptureControl(), f.B);

    // The application loses activation: the holder is told, and its
    // default handling lets the capture go.
    Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(f.B->Log, QStringList{"cancel"});
    EXPECT_EQ(GetCaptureControl(), nullptr);

    // Released by its holder: nobody is cancelled.
    f.A->Log.clear();
    f.A->SetMouseCapture(true);
    f.A->SetMouseCapture(false);
    EXPECT_TRUE(f.A->Log.isEmpty());
}

TEST(Capture, AFreedCaptureControlLeavesNoCapture)
{
    TTwoControls f;
    f.A->SetMouseCapture(true);
    delete f.A;
    EXPECT_EQ(GetCaptureControl(), nullptr);
    QTest::mouseClick(f.B->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 2));
    EXPECT_EQ(f.B->Log, (QStringList{"201 1,2", "202 1,2"}));
}

TEST(Capture, AControlThatFreesItselfOnTheMouseLeavesNoDanglingCall)
{
    TTwoControls f;
    QWidget* b = f.B->Widget();
    f.A->OnPress = [&f] {
        TMouseLog* a = f.A;
        f.A = nullptr;
        delete a;  // frees this very function: nothing after it
    };
    f.A->SetMouseCapture(true);
    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(f.A, nullptr);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(f.B->Log, QStringList{"202 5,5"});
}

} // namespace
} // namespace classlib
