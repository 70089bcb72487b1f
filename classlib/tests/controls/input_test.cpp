// Mouse and keyboard input as window messages, driven through real widgets
// with QTest: client coordinates and flags, virtual keys, key preview, focus.

#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/core/sysutils.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

QString ShiftText(TShiftState S)
{
    QStringList parts;
    static const char* names[] = {"Shift", "Alt", "Ctrl", "Left", "Right", "Middle", "Double"};
    for (int i = 0; i <= int(ssDouble); ++i)
        if (S.Contains(TShiftStateItem(i)))
            parts << QLatin1String(names[i]);
    return parts.join(QLatin1Char('+'));
}

bool IsModifierKey(unsigned Key)
{
    return Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU;
}

// Logs what reaches its handlers (keys other than the modifiers), and the
// input messages of Dispatch.
class TProbe : public TCustomPanel {
public:
    explicit TProbe(TComponent* AOwner) : TCustomPanel(AOwner) { SetBevelOuter(bvNone); }
    QList<TMessage> Messages;
    QStringList Log;
    bool SwallowKeys = false;

    void Dispatch(TMessage& M) override
    {
        if (M.Msg != WM_PAINT)
            Messages.append(M);
        TCustomPanel::Dispatch(M);
    }
    QList<unsigned> MessageNumbers() const
    {
        QList<unsigned> r;
        for (const TMessage& m : Messages)
            r << m.Msg;
        return r;
    }

protected:
    void MouseDown(TMouseButton B, TShiftState S, int X, int Y) override
    {
        Log << QStringLiteral("down %1 %2 %3,%4").arg(int(B)).arg(ShiftText(S)).arg(X).arg(Y);
    }
    void MouseUp(TMouseButton B, TShiftState S, int X, int Y) override
    {
        Log << QStringLiteral("up %1 %2 %3,%4").arg(int(B)).arg(ShiftText(S)).arg(X).arg(Y);
    }
    void MouseMove(TShiftState S, int X, int Y) override
    {
        Log << QStringLiteral("move %1 %2,%3").arg(ShiftText(S)).arg(X).arg(Y);
    }
    void KeyDown(unsigned& Key, TShiftState S) override
    {
        if (IsModifierKey(Key))
            return;
        Log << QStringLiteral("key %1 %2").arg(Key, 0, 16).arg(ShiftText(S));
        if (SwallowKeys)
            Key = 0;
    }
    void KeyUp(unsigned& Key, TShiftState S) override
    {
        if (IsModifierKey(Key))
            return;
        Log << QStringLiteral("keyup %1 %2").arg(Key, 0, 16).arg(ShiftText(S));
    }
    void KeyPress(QChar& Key) override { Log << QStringLiteral("char %1").arg(Key); }
};

class TPreviewForm : public TForm {
public:
    explicit TPreviewForm(TComponent* AOwner) : TForm(AOwner) {}
    QStringList Log;
    bool SwallowKeys = false;

protected:
    void KeyDown(unsigned& Key, TShiftState S) override
    {
        Log << QStringLiteral("form key %1 %2").arg(Key, 0, 16).arg(ShiftText(S));
        if (SwallowKeys)
            Key = 0;
    }
    void KeyPress(QChar& Key) override
    {
        Log << QStringLiteral("form char %1").arg(Key);
        if (SwallowKeys)
            Key = QChar();
    }
};

TEST(Messages, PointsPackIntoSignedWords)
{
    const struct {
        int X, Y;
    } cases[] = {{0, 0}, {12, 7}, {-1, -1}, {-300, 200}, {32767, -32768}};
    for (const auto& c : cases) {
        const qintptr l = MakeLParam(c.X, c.Y);
        EXPECT_EQ(LParamX(l), c.X);
        EXPECT_EQ(LParamY(l), c.Y);
        EXPECT_EQ(l & ~qintptr(0xFFFFFFFF), l < 0 ? ~qintptr(0xFFFFFFFF) : 0);
    }
    EXPECT_EQ(MakeLParam(3, 2), 0x00020003);
    TShiftState fromKeys = KeysToShiftState(MK_LBUTTON | MK_SHIFT | MK_CONTROL);
    fromKeys -= ssAlt;  // read from the keyboard, whatever earlier tests left there
    EXPECT_EQ(fromKeys, (TShiftState{ssLeft, ssShift, ssCtrl}));
    EXPECT_EQ(ShiftStateToKeys(TShiftState{ssRight, ssMiddle, ssDouble}), MK_RBUTTON | MK_MBUTTON);
}

TEST(Messages, MouseEventsArriveAsMessagesInClientCoordinates)
{
    TProbe probe(nullptr);
    probe.SetBounds(0, 0, 60, 40);
    probe.SetBorderStyle(bsSingle);  // 2 pixels: the widget's (12, 7) is the client's (10, 5)
    QWidget* w = probe.Widget();
    const QPoint at(12, 7);
    const struct {
        const char* Name;
        Qt::MouseButton Button;
        Qt::KeyboardModifiers Mods;
        unsigned Down;
        unsigned Keys;  // while pressed
        const char* Logged;
    } cases[] = {
        {"left", Qt::LeftButton, Qt::NoModifier, WM_LBUTTONDOWN, MK_LBUTTON, "down 0 Left 10,5"},
        {"right with Shift", Qt::RightButton, Qt::ShiftModifier, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT,
         "down 1 Shift+Right 10,5"},
        {"middle with Ctrl", Qt::MiddleButton, Qt::ControlModifier, WM_MBUTTONDOWN, MK_MBUTTON | MK_CONTROL,
         "down 2 Ctrl+Middle 10,5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        probe.Messages.clear();
        probe.Log.clear();
        QTest::mousePress(w, c.Button, c.Mods, at);
        QTest::mouseMove(w, at + QPoint(3, -9));
        QTest::mouseRelease(w, c.Button, c.Mods, at + QPoint(3, -9));
        QTest::mousePress(w, c.Button, c.Mods, at);
        QTest::mouseRelease(w, c.Button, c.Mods, at);
        QTest::mouseDClick(w, c.Button, c.Mods, at);
        QTest::mouseRelease(w, c.Button, c.Mods, at);
        EXPECT_EQ(probe.MessageNumbers(), (QList<unsigned>{c.Down, WM_MOUSEMOVE, c.Down + 1, c.Down, c.Down + 1,
                                                           c.Down + 2, c.Down + 1}));
        ASSERT_EQ(probe.Messages.size(), 7);
        EXPECT_EQ(probe.Messages[0].WParam, c.Keys);
        EXPECT_EQ(probe.Messages[0].LParam, MakeLParam(10, 5));
        EXPECT_EQ(probe.Messages[1].LParam, MakeLParam(13, -4));  // outside, above: negative
        EXPECT_EQ(probe.Messages[2].WParam, c.Keys & ~(MK_LBUTTON | MK_RBUTTON | MK_MBUTTON));
        EXPECT_EQ(probe.Log.value(0), QLatin1String(c.Logged));
        EXPECT_TRUE(probe.Log.contains(QString::fromLatin1(c.Logged).replace(QLatin1String(" 10,5"),
                                                                              QLatin1String("+Double 10,5"))))
            << probe.Log.join(QLatin1Char('|')).toStdString();
    }
}

TEST(Messages, TheDesignHitTestIsAnsweredZero)
{
    TProbe probe(nullptr);
    EXPECT_EQ(probe.Perform(CM_DESIGNHITTEST, MK_LBUTTON, MakeLParam(1, 1)), 0);
}

TEST(Messages, KeysCarryVirtualKeyCodesAndTheShiftState)
{
    TProbe probe(nullptr);
    probe.SetBounds(0, 0, 20, 20);
    QWidget* w = probe.Widget();
    // Letters and digits as characters, so that the event has their text.
    const struct {
        int Key;
        Qt::KeyboardModifiers Mods;
        QStringList Logged;
    } cases[] = {
        {Qt::Key_Left, Qt::NoModifier, {"key 25 ", "keyup 25 "}},
        {Qt::Key_Right, Qt::ShiftModifier, {"key 27 Shift", "keyup 27 Shift"}},
        {Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier, {"key 26 Shift+Ctrl", "keyup 26 Shift+Ctrl"}},
        {Qt::Key_Down, Qt::NoModifier, {"key 28 ", "keyup 28 "}},
        {Qt::Key_Escape, Qt::NoModifier, {"key 1b ", "char \x1b", "keyup 1b "}},
        {Qt::Key_Delete, Qt::NoModifier, {"key 2e ", "keyup 2e "}},
        {Qt::Key_Tab, Qt::NoModifier, {"key 9 ", "char \t", "keyup 9 "}},
        {'a', Qt::NoModifier, {"key 41 ", "char a", "keyup 41 "}},
        {'A', Qt::ShiftModifier, {"key 41 Shift", "char A", "keyup 41 Shift"}},
        {'5', Qt::NoModifier, {"key 35 ", "char 5", "keyup 35 "}},
        {Qt::Key_F2, Qt::NoModifier, {"key 71 ", "keyup 71 "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Key));
        probe.Log.clear();
        if (c.Key < 0x80)
            QTest::keyClick(w, char(c.Key), c.Mods);
        else
            QTest::keyClick(w, Qt::Key(c.Key), c.Mods);
        EXPECT_EQ(probe.Log, c.Logged);
    }
    // Alt makes them system keys; the handlers see the same.
    probe.Messages.clear();
    probe.Log.clear();
    QTest::keyClick(w, 'x', Qt::AltModifier);
    QList<unsigned> ofX;
    // Window messages only: an accelerator offered to the window's
    // controls (CM_DIALOGCHAR) is no key message of its own.
    for (const TMessage& m : probe.Messages)
        if ((m.WParam == 'X' || m.WParam == 'x') && m.Msg < WM_USER)
            ofX << m.Msg;
    EXPECT_EQ(ofX, (QList<unsigned>{WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP}));
    EXPECT_EQ(probe.Log.value(0), QStringLiteral("key 58 Alt"));
}

TEST(Messages, AKeyPreviewFormHearsKeysFirstAndMayStopThem)
{
    TPreviewForm form(nullptr);
    auto* probe = new TProbe(&form);
    probe->SetParent(&form);
    QWidget* w = probe->Widget();

    QTest::keyClick(w, Qt::Key_Left);
    EXPECT_TRUE(form.Log.isEmpty());  // no preview yet

    form.SetKeyPreview(true);
    probe->Log.clear();
    QTest::keyClick(w, 'b');
    EXPECT_EQ(form.Log, (QStringList{"form key 42 ", "form char b"}));
    EXPECT_EQ(probe->Log, (QStringList{"key 42 ", "char b", "keyup 42 "}));

    form.SwallowKeys = true;
    form.Log.clear();
    probe->Log.clear();
    QTest::keyPress(w, 'c');
    EXPECT_EQ(form.Log, (QStringList{"form key 43 ", "form char c"}));
    EXPECT_TRUE(probe->Log.isEmpty());
}

TEST(Focus, OnlyAShownEnabledControlTakesTheFocusAndLosingItIsTold)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* a = new TProbe(&form);
    a->SetParent(&form);
    a->SetBounds(0, 0, 50, 50);
    auto* b = new TProbe(&form);
    b->SetParent(&form);
    b->SetBounds(60, 0, 50, 50);

    EXPECT_FALSE(a->CanFocus());  // the form is not shown
    EXPECT_THROW(a->SetFocus(), EInvalidOperation);

    form.Show();
    form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    b->SetEnabled(false);
    EXPECT_TRUE(a->CanFocus());
    EXPECT_FALSE(b->CanFocus());
    EXPECT_THROW(b->SetFocus(), EInvalidOperation);
    b->SetEnabled(true);

    a->SetFocus();
    EXPECT_TRUE(a->Focused());
    a->Messages.clear();
    b->SetFocus();
    EXPECT_TRUE(b->Focused());
    EXPECT_FALSE(a->Focused());
    EXPECT_TRUE(a->MessageNumbers().contains(WM_KILLFOCUS));
    EXPECT_TRUE(b->MessageNumbers().contains(WM_SETFOCUS));

    // Keys go to the focused control.
    b->Log.clear();
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Right);
    EXPECT_EQ(b->Log.value(0), QStringLiteral("key 27 "));
}

TEST(Focus, AClickedFormHasTheKeysAndHearsWhenAnotherWindowTakesThem)
{
    class TFocusLog : public TForm {
    public:
        using TForm::TForm;
        QList<unsigned> Seen;
        void Dispatch(TMessage& M) override
        {
            if (M.Msg == WM_SETFOCUS || M.Msg == WM_KILLFOCUS)
                Seen << M.Msg;
            TForm::Dispatch(M);
        }
    };
    TFocusLog form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* child = new TProbe(&form);
    child->SetParent(&form);
    child->SetBounds(10, 10, 50, 50);
    form.Show();
    form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));

    QTest::mouseClick(form.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 50));
    EXPECT_TRUE(form.Focused());
    QTest::mouseClick(child->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(form.Focused());  // a click does not focus a control
    EXPECT_EQ(form.Seen, QList<unsigned>{WM_SETFOCUS});

    TForm other(nullptr);
    other.SetBounds(300, 0, 100, 100);
    other.Show();
    other.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(other.Widget()));
    EXPECT_EQ(form.Seen, (QList<unsigned>{WM_SETFOCUS, WM_KILLFOCUS}));
}

} // namespace
} // namespace classlib
