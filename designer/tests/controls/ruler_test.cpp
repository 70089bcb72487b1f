// Rulers: the scale's marks at several steps, the bands as painted, and
// the marker driven with the mouse the way a person drags along a ruler.

#include "designer/controls/ruler.h"

#include "classlib/controls/form.h"
#include "classlib/controls/messages.h"
#include "classlib/controls/statictext.h"
#include "classlib/tests/controls/handlers.h"
#include "classlib/tests/errorof.h"

#include <QImage>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace designer::tests {
namespace {

using namespace classlib;
using classlib::test::ErrorOf;

// A form with a ruler at (20, 30) whose events are logged as "show 50".
struct TRulerHost {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TQXRuler* Ruler = new TQXRuler(Form.get());
    QStringList Events;

    explicit TRulerHost(TQXRulerOrientation Orientation = roHorizontal)
    {
        Form->SetBounds(0, 0, 400, 400);
        Ruler->SetParent(Form.get());
        Ruler->SetOrientation(Orientation);
        if (Orientation == roHorizontal)
            Ruler->SetBounds(20, 30, 300, 20);
        else
            Ruler->SetBounds(20, 30, 20, 300);
        Ruler->SetValue(1, 10);   // ScaleStart
        Ruler->SetValue(2, 290);  // ScaleEnd
        Ruler->SetValue(4, 50);   // WindowStart
        Ruler->SetValue(5, 250);  // WindowEnd
        classlib::testing::Bind(Ruler->OnShowMarker, [this](TObject*, int P) { Events << QStringLiteral("show %1").arg(P); });
        classlib::testing::Bind(Ruler->OnHideMarker, [this](TObject*, int P) { Events << QStringLiteral("hide %1").arg(P); });
        Form->Show();
    }
    ~TRulerHost() { SetCaptureControl(nullptr); }

    QWidget* W() const { return Ruler->Widget(); }
    // Along the ruler at P, across it in the middle.
    QPoint At(int P) const
    {
        return Ruler->Orientation() == roHorizontal ? QPoint(P, 10) : QPoint(10, P);
    }
    void Press(int P, Qt::MouseButton B = Qt::LeftButton) { QTest::mousePress(W(), B, {}, At(P)); }
    void Move(int P) { QTest::mouseMove(W(), At(P)); }
    void Release(int P, Qt::MouseButton B = Qt::LeftButton) { QTest::mouseRelease(W(), B, {}, At(P)); }
    QString Tip() const { return Ruler->Tip() ? Ruler->Tip()->Caption() : QStringLiteral("<no tip>"); }
};

TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// ---------------------------------------------------------------------------
// Values

TEST(Ruler, StartsAsAHorizontalRulerOfDefaultExtents)
{
    TQXRuler r(nullptr);
    EXPECT_EQ(r.Orientation(), roHorizontal);
    EXPECT_EQ(r.Width(), 200);
    EXPECT_EQ(r.Height(), 20);
    EXPECT_EQ(r.ScaleStart(), 0);
    EXPECT_EQ(r.ScaleEnd(), 200);
    EXPECT_EQ(r.ScaleMin(), 0);
    EXPECT_EQ(r.WindowStart(), 0);
    EXPECT_EQ(r.WindowEnd(), 100);
    EXPECT_EQ(r.Step(), 20.0);
    EXPECT_TRUE(r.ShowTip());
    EXPECT_FALSE(r.Marking());
}

TEST(Ruler, IndexedValuesStoreByIndexAndOtherIndexesDoNothing)
{
    TQXRuler r(nullptr);
    for (int i = 1; i <= 5; ++i) r.SetValue(i, 100 + i);
    EXPECT_EQ(r.ScaleStart(), 101);
    EXPECT_EQ(r.ScaleEnd(), 102);
    EXPECT_EQ(r.ScaleMin(), 103);
    EXPECT_EQ(r.WindowStart(), 104);
    EXPECT_EQ(r.WindowEnd(), 105);
    r.SetValue(0, 7);
    r.SetValue(6, 7);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(r.GetValue(i), 100 + i);
    EXPECT_EQ(r.GetValue(6), 0);
}

TEST(Ruler, AStepThatIsNotAFinitePositiveNumberIsRefusedAndTheOldOneStays)
{
    TQXRuler r(nullptr);
    r.SetStep(6.5);
    const struct {
        const char* Name;
        double Step;
    } cases[] = {
        {"zero", 0.0},
        {"negative", -20.0},
        {"negative zero", -0.0},
        {"not a number", std::numeric_limits<double>::quiet_NaN()},
        {"infinite", std::numeric_limits<double>::infinity()},
        {"minus infinite", -std::numeric_limits<double>::infinity()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf<EInvalidOp>([&] { r.SetStep(c.Step); }), QStringLiteral("Invalid property value"))
            << c.Name;
        EXPECT_EQ(r.Step(), 6.5) << c.Name;
    }
}

TEST(Ruler, BandsRunAcrossTheMiddleAndNeverStartBeforeScaleMin)
{
    TQXRuler r(nullptr);
    r.SetBounds(0, 0, 300, 21);
    r.SetValue(1, 10);
    r.SetValue(2, 290);
    r.SetValue(4, 50);
    r.SetValue(5, 250);
    EXPECT_EQ(r.GetScaleRect(), Rect(10, 4, 290, 16));
    EXPECT_EQ(r.GetWindowRect(), Rect(50, 4, 250, 16));
    r.SetValue(3, 70);
    EXPECT_EQ(r.GetScaleRect(), Rect(70, 4, 290, 16));
    EXPECT_EQ(r.GetWindowRect(), Rect(70, 4, 250, 16));
    r.SetOrientation(roVertical);
    r.SetBounds(0, 0, 25, 300);
    EXPECT_EQ(r.GetScaleRect(), Rect(6, 70, 18, 290));
    EXPECT_EQ(r.GetWindowRect(), Rect(6, 70, 18, 250));
}

// ---------------------------------------------------------------------------
// The scale

QString MarksText(const std::vector<TRulerMark>& Marks)
{
    QStringList parts;
    for (const TRulerMark& m : Marks)
        parts << (m.Number >= 0 ? QStringLiteral("%1:%2").arg(m.Position).arg(m.Number)
                                : QString::number(m.Position));
    return parts.join(' ');
}

TEST(RulerMarks, NumbersAndTicksFollowTheStep)
{
    const struct {
        const char* Name;
        double Step;
        int WindowStart;
        double Low, High;
        const char* Marks;  // position:number, or the position of a tick
    } cases[] = {
        {"step 20: a number every 40 pixels, a tick between", 20, 10, 0, 175, "10:0 30 50:1 70 90:2 110 130:3 150 170:4"},
        {"step 6: every second number, ticks every 6", 6, 0, -1, 60, "0:0 6 12 18 24:2 30 36 42 48:4 54"},
        {"step 3: every fourth number, ticks every 6", 3, 0, -1, 60, "0:0 6 12 18 24:4 30 36 42 48:8 54"},
        {"ScaleMin past the start: skipped marks still count", 20, 10, 50, 135, "70 90:2 110 130:3"},
        {"a mark at Low is skipped, one at High too", 20, 0, 0, 80, "20 40:1 60"},
        {"fractional steps round to the nearest pixel", 7.5, 0, -1, 40, "0:0 8 15 22 30:2 38"},
        {"a step beyond the scale: the start only", 1e300, 5, 0, 500, "5:0"},
        {"nothing between Low and High", 20, 0, 50, 50, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MarksText(RulerMarks(c.Step, c.WindowStart, c.Low, c.High)), QString::fromLatin1(c.Marks))
            << c.Name;
}

TEST(RulerMarks, TinyStepsEndAndLeaveNoMarksCloserThanFivePixels)
{
    // However small the step, the marks are few and at least 5 pixels apart.
    for (double step : {1e-3, 1e-5, 1e-6, 1e-12, 1e-300, 4.9e-324}) {
        const auto marks = RulerMarks(step, 0, -1, 1000);
        EXPECT_LE(marks.size(), 201u) << step;
        for (size_t i = 1; i < marks.size(); ++i)
            EXPECT_GE(marks[i].Position - marks[i - 1].Position, 5) << step;
    }
    // Scales far from the window start are reached without counting up to them.
    const auto far = RulerMarks(20, -2000000000, 0, 100);
    EXPECT_EQ(MarksText(far), QStringLiteral("20 40:50000001 60 80:50000002"));
}

TEST(Ruler, PaintsTheBandsWithTicksOnlyInsideTheWindowBand)
{
    TRulerHost h;
    h.Ruler->Font()->SetHeight(-4);  // numbers clear of the tick probes
    const QImage img = h.W()->grab().toImage();
    ASSERT_EQ(img.width(), 300);
    const TColorRef face = ColorToRGB(clBtnFace), dark = ColorToRGB(clAppWorkSpace),
                    white = ColorToRGB(clWindow), ink = RGB(0, 0, 0);
    // Across the middle: control colour, scale band, window band.
    EXPECT_EQ(Px(img, 5, 10), face);
    EXPECT_EQ(Px(img, 30, 10), dark);
    EXPECT_EQ(Px(img, 60, 10), white);
    EXPECT_EQ(Px(img, 270, 10), dark);
    EXPECT_EQ(Px(img, 295, 10), face);
    EXPECT_EQ(Px(img, 60, 2), face);
    EXPECT_EQ(Px(img, 60, 17), face);
    // Base line 16: a 5 mm tick reaches from 11, a centimetre tick from 14.
    EXPECT_EQ(Px(img, 70, 11), ink);
    EXPECT_EQ(Px(img, 70, 15), ink);
    EXPECT_EQ(Px(img, 70, 16), face);
    EXPECT_EQ(Px(img, 90, 14), ink);
    EXPECT_EQ(Px(img, 90, 13), white);
    // Past the window band the scale goes on under the dark band, unseen.
    EXPECT_EQ(Px(img, 270, 15), dark);
}

// ---------------------------------------------------------------------------
// The marker

TEST(RulerMarker, APressBeforeTheWindowStartsTheMarkerAtItWithATipOfZero)
{
    TRulerHost h;
    h.Press(10);
    ASSERT_TRUE(h.Ruler->Marking());
    EXPECT_EQ(h.Ruler->MarkerPosition(), 50);
    EXPECT_EQ(h.Ruler->MarkerLine()->BoundsRect(), Rect(50, 1, 51, 19));
    EXPECT_EQ(h.Ruler->MouseCapture(), true);
    EXPECT_EQ(h.Tip(), QStringLiteral("0.00"));
    EXPECT_EQ(h.Events, QStringList{"show 50"});
    // Below the ruler, a tip's height right of the mouse, in the form.
    TStaticText* tip = h.Ruler->Tip();
    EXPECT_EQ(tip->Parent(), h.Form.get());
    EXPECT_EQ(tip->Top(), 30 + 20 + 3);
    EXPECT_EQ(tip->Left(), 20 + 10 + tip->Height());
    EXPECT_TRUE(tip->Visible());
    EXPECT_EQ(tip->Color(), clInfoBk);
    EXPECT_EQ(tip->Font()->Color(), clInfoText);
    EXPECT_EQ(tip->StaticBorderStyle(), sbsSingle);
}

TEST(RulerMarker, FollowsTheMouseWithinTheWindowAndEndsOnRelease)
{
    TRulerHost h;
    h.Press(100);
    EXPECT_EQ(h.Tip(), QStringLiteral("12.50"));  // 50 pixels of 5 mm per 20
    h.Move(150);
    EXPECT_EQ(h.Tip(), QStringLiteral("25.00"));
    EXPECT_EQ(h.Ruler->MarkerLine()->Left(), 150);
    h.Move(151);
    EXPECT_EQ(h.Tip(), QStringLiteral("25.25"));
    // Beyond the window: held at its end; the same clamped place fires nothing.
    h.Move(280);
    h.Move(299);
    EXPECT_EQ(h.Ruler->MarkerPosition(), 250);
    EXPECT_EQ(h.Tip(), QStringLiteral("50.00"));
    h.Release(299);
    EXPECT_FALSE(h.Ruler->Marking());
    EXPECT_EQ(h.Ruler->MarkerLine(), nullptr);
    EXPECT_EQ(h.Ruler->Tip(), nullptr);
    EXPECT_FALSE(h.Ruler->MouseCapture());
    EXPECT_EQ(h.Events, (QStringList{"show 100", "hide 100", "show 150", "hide 150", "show 151", "hide 151",
                                     "show 250", "hide 250"}));
    // Moves after the release do nothing.
    h.Move(120);
    EXPECT_EQ(h.Events.size(), 8);
}

TEST(RulerMarker, ARightPressWhileMarkingEndsItAndStartsNothing)
{
    TRulerHost h;
    h.Press(100);
    h.Press(120, Qt::RightButton);
    EXPECT_FALSE(h.Ruler->Marking());
    EXPECT_EQ(h.Ruler->Tip(), nullptr);
    EXPECT_EQ(h.Events, (QStringList{"show 100", "hide 100"}));
    h.Release(120, Qt::RightButton);
    h.Release(120);
    EXPECT_EQ(h.Events.size(), 2);
    // A right press while idle starts nothing either.
    h.Press(130, Qt::RightButton);
    h.Release(130, Qt::RightButton);
    EXPECT_FALSE(h.Ruler->Marking());
    EXPECT_EQ(h.Events.size(), 2);
}

TEST(RulerMarker, TheSystemsCancelModeEndsTheMarker)
{
    TRulerHost h;
    h.Press(100);
    h.Ruler->Perform(WM_CANCELMODE);
    EXPECT_FALSE(h.Ruler->Marking());
    EXPECT_EQ(h.Ruler->Tip(), nullptr);
    EXPECT_FALSE(h.Ruler->MouseCapture());
    EXPECT_EQ(h.Events, (QStringList{"show 100", "hide 100"}));
}

TEST(RulerMarker, CannotStandBeforeScaleMin)
{
    TRulerHost h;
    h.Ruler->SetValue(3, 80);
    h.Press(60);
    EXPECT_EQ(h.Ruler->MarkerPosition(), 80);
    EXPECT_EQ(h.Tip(), QStringLiteral("7.50"));
    h.Release(60);
}

TEST(RulerMarker, WithoutShowTipOrWithoutAParentThereIsNoTip)
{
    TRulerHost h;
    h.Ruler->SetShowTip(false);
    h.Press(100);
    EXPECT_TRUE(h.Ruler->Marking());
    EXPECT_EQ(h.Ruler->Tip(), nullptr);
    h.Release(100);

    // A ruler on no window: the marker works, no tip is made.
    TQXRuler lone(nullptr);
    QStringList events;
    classlib::testing::Bind(lone.OnShowMarker, [&events](TObject*, int P) { events << QStringLiteral("show %1").arg(P); });
    lone.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(30, 5));
    EXPECT_TRUE(lone.Marking());
    EXPECT_EQ(lone.Tip(), nullptr);
    lone.Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(40, 5));
    lone.Perform(WM_LBUTTONUP, 0, MakeLParam(40, 5));
    EXPECT_FALSE(lone.Marking());
    EXPECT_EQ(events, (QStringList{"show 30", "show 40"}));
}

TEST(RulerMarker, ATipFreedWithItsWindowIsForgotten)
{
    TRulerHost h;
    h.Press(100);
    ASSERT_NE(h.Ruler->Tip(), nullptr);
    delete h.Ruler->Tip();  // as the parent frees its children
    EXPECT_EQ(h.Ruler->Tip(), nullptr);
    h.Move(120);
    h.Release(120);
    EXPECT_EQ(h.Events, (QStringList{"show 100", "hide 100", "show 120", "hide 120"}));
    // A window freed while its ruler marks frees both safely.
    h.Press(60);
    h.Form.reset();
}

TEST(RulerMarker, TheTipTurnsBackBeforeTheParentsEdge)
{
    TRulerHost h;
    h.Form->SetBounds(0, 0, 300, 400);
    h.Press(240);
    TStaticText* tip = h.Ruler->Tip();
    ASSERT_NE(tip, nullptr);
    // 20 + 240 + width + height passes the form's 300: left of the mouse.
    EXPECT_EQ(tip->Left(), 20 + 240 - (tip->Width() + 1));
    h.Release(240);
}

TEST(RulerMarker, AVerticalRulerMarksAlongYWithItsTipToTheRight)
{
    TRulerHost h(roVertical);
    h.Press(120);
    ASSERT_TRUE(h.Ruler->Marking());
    EXPECT_EQ(h.Ruler->MarkerLine()->BoundsRect(), Rect(1, 120, 19, 121));
    EXPECT_EQ(h.Tip(), QStringLiteral("17.50"));
    TStaticText* tip = h.Ruler->Tip();
    EXPECT_EQ(tip->Left(), 20 + 20 + 3);
    EXPECT_EQ(tip->Top(), 30 + 120 + tip->Height() + 1);
    h.Move(400);
    EXPECT_EQ(h.Ruler->MarkerPosition(), 250);
    h.Release(400);
    EXPECT_EQ(h.Events, (QStringList{"show 120", "hide 120", "show 250", "hide 250"}));
}

} // namespace
} // namespace designer::tests
