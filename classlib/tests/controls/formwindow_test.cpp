// A form's window: activation, closing, modal showing, the border and
// stay-on-top styles, size limits, the active control, the screen's list
// and the application's forms.

#include "waituntil.h"
#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/screen.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

QStringList Log;

// A form whose handlers log, with a close answer and a size limit the test sets.
class TWindowForm : public TForm {
    QX_CLASS(TWindowForm, TForm)
public:
    explicit TWindowForm(TComponent* AOwner) : TForm(AOwner)
    {
        SetBounds(10, 10, 240, 160);
        Edit = new TPanel(this);
        Edit->SetBounds(8, 8, 60, 20);
        Edit->SetParent(this);
        Edit->Widget()->setFocusPolicy(Qt::StrongFocus);
        Other = new TPanel(this);
        Other->SetBounds(8, 40, 60, 20);
        Other->SetParent(this);
        Other->Widget()->setFocusPolicy(Qt::StrongFocus);
        OnActivate = Bind(u"FormActivate");
        OnDeactivate = Bind(u"FormDeactivate");
        OnCloseQuery = Bind(u"FormCloseQuery");
        OnClose = Bind(u"FormClose");
        OnResize = Bind(u"FormResize");
        InitForm();
    }
    ~TWindowForm() override { DoDestroy(); }

    void FormActivate(TObject*) { Log << QStringLiteral("activate"); }
    void FormDeactivate(TObject*) { Log << QStringLiteral("deactivate"); }
    void FormCloseQuery(TObject*, bool& CanClose)
    {
        Log << QStringLiteral("query");
        CanClose = CanCloseAnswer;
    }
    void FormClose(TObject*, TCloseAction& Action)
    {
        Log << QStringLiteral("close");
        Action = CloseAction;
    }
    void FormResize(TObject*)
    {
        if (Pitch > 0)
            Log << QStringLiteral("resize %1").arg(Height());
    }
    TMethod Bind(const char16_t* Name) { return TMethod{StaticClass().FindMethod(Name), this}; }

    bool CanCloseAnswer = true;
    TCloseAction CloseAction = caHide;
    TPoint MinTrack{0, 0};
    int Pitch = 0;
    int Remainder = 0;
    TPanel* Edit = nullptr;
    TPanel* Other = nullptr;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_GETMINMAXINFO)
            reinterpret_cast<TMinMaxInfo*>(Message.LParam)->ptMinTrackSize = MinTrack;
        if (Message.Msg == WM_SIZING && Pitch > 0) {
            // Whole rows of Pitch pixels plus Remainder, as a grid window keeps them.
            auto& r = *reinterpret_cast<TRect*>(Message.LParam);
            const unsigned edge = unsigned(Message.WParam);
            Log << QStringLiteral("sizing %1").arg(edge);
            if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
                r.Top = r.Top + (r.Bottom - r.Top) % Pitch - Remainder;
            else if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT)
                r.Bottom = r.Bottom - (r.Bottom - r.Top) % Pitch + Remainder;
        }
        TForm::Dispatch(Message);
    }
};

} // namespace

const TClassInfo& TWindowForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TWindowForm>("TWindowForm")
        .Method("FormActivate", &TWindowForm::FormActivate)
        .Method("FormDeactivate", &TWindowForm::FormDeactivate)
        .Method("FormCloseQuery", &TWindowForm::FormCloseQuery)
        .Method("FormClose", &TWindowForm::FormClose)
        .Method("FormResize", &TWindowForm::FormResize)
        .Build();
    return info;
}

namespace {

class FormWindow : public ::testing::Test {
protected:
    void SetUp() override { Log.clear(); }
};

void ShowActive(TForm& Form)
{
    Form.Show();
    Form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.Widget()));
}

TEST_F(FormWindow, ActivationAndDeactivationReachTheirHandlers)
{
    TWindowForm a(nullptr), b(nullptr);
    ShowActive(a);
    EXPECT_EQ(Log, QStringList{QStringLiteral("activate")});
    ShowActive(b);
    // a hears that it lost the activation; b that it has it.
    EXPECT_EQ(Log.count(QStringLiteral("deactivate")), 1);
    EXPECT_EQ(Log.count(QStringLiteral("activate")), 2);
}

TEST_F(FormWindow, CloseAsksThenActsOnTheHandlersAction)
{
    struct TCase {
        const char* Name;
        bool CanClose;
        TCloseAction Action;
        QStringList Log;
        bool Visible;
    };
    const TCase cases[] = {
        {"hide", true, caHide, {"query", "close"}, false},
        {"refused", false, caHide, {"query"}, true},
        {"none", true, caNone, {"query", "close"}, true},
        {"minimise", true, caMinimize, {"query", "close"}, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Log.clear();
        TWindowForm form(nullptr);
        form.CanCloseAnswer = c.CanClose;
        form.CloseAction = c.Action;
        form.Show();
        form.Close();
        EXPECT_EQ(Log, c.Log);
        EXPECT_EQ(form.Widget()->isVisible(), c.Visible);
        EXPECT_EQ(form.Visible(), c.Visible);
        EXPECT_EQ(form.WindowState() == wsMinimized, c.Action == caMinimize);
    }
}

TEST_F(FormWindow, TheCloseBoxTakesTheSamePathAndAHiddenFormComesBack)
{
    TWindowForm form(nullptr);
    form.Show();
    form.CanCloseAnswer = false;
    EXPECT_FALSE(form.Widget()->close());  // what the window system's close box does
    EXPECT_TRUE(form.Widget()->isVisible());
    form.CanCloseAnswer = true;
    EXPECT_TRUE(form.Widget()->close());
    EXPECT_FALSE(form.Widget()->isVisible());
    EXPECT_EQ(Log, (QStringList{"query", "query", "close"}));
    form.Show();
    EXPECT_TRUE(form.Widget()->isVisible());
}

TEST_F(FormWindow, CaFreeFreesTheFormOnceTheEventLoopIsBack)
{
    auto* form = new TWindowForm(nullptr);
    const QPointer<QWidget> widget(form->Widget());
    form->CloseAction = caFree;
    form->Show();
    form->Close();
    ASSERT_TRUE(widget);  // still there while its own handler could run
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return !widget; }));
}

// Logs each time the window is shown whether it asked not to be activated
// (the offscreen platform activates every window it shows).
struct TShowSpy : QObject {
    explicit TShowSpy(QWidget* W) { W->installEventFilter(this); }
    bool eventFilter(QObject* O, QEvent* E) override
    {
        if (E->type() == QEvent::Show)
            Shows << static_cast<QWidget*>(O)->testAttribute(Qt::WA_ShowWithoutActivating);
        return false;
    }
    QList<bool> Shows;
};

TEST_F(FormWindow, ToolWindowAndStayOnTopStylesReachTheWindow)
{
    TWindowForm form(nullptr);
    form.SetBorderStyle(bsSizeToolWin);
    EXPECT_EQ(form.Widget()->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    form.SetBorderIcons({biSystemMenu, biMinimize});
    form.Show();
    TShowSpy spy(form.Widget());

    // Changing the style shows the window again, asking not to be activated.
    form.SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(form.Widget()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form.Widget()->isVisible());
    EXPECT_EQ(spy.Shows, (QList<bool>{true}));
    EXPECT_FALSE(form.Widget()->testAttribute(Qt::WA_ShowWithoutActivating));
    // The same style again changes nothing.
    form.SetFormStyle(fsStayOnTop);
    EXPECT_EQ(spy.Shows.size(), 1);

    form.SetFormStyle(fsNormal);
    EXPECT_FALSE(form.Widget()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form.Widget()->isVisible());

    form.SetBorderStyle(bsSizeable);
    EXPECT_EQ(form.Widget()->windowFlags() & Qt::WindowType_Mask, Qt::Window);
    EXPECT_TRUE(form.Widget()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.Widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(FormWindow, MinimumTrackingSizeHoldsForTheUserAndForCode)
{
    TWindowForm form(nullptr);
    form.MinTrack = TPoint{185, 120};
    form.Show();
    // Asked again on activation: the handler's answer may have changed.
    ShowActive(form);
    EXPECT_EQ(form.Widget()->minimumSize(), QSize(185, 120));
    form.SetBounds(10, 10, 100, 90);
    EXPECT_EQ(form.Width(), 185);
    EXPECT_EQ(form.Height(), 120);
    // The window system keeps a user's drag within the limit.
    form.Widget()->resize(150, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Width(), 185);
    EXPECT_EQ(form.Height(), 300);

    // A border the user cannot size keeps the size code gives it.
    form.SetBorderStyle(bsToolWindow);
    form.SetBounds(10, 10, 200, 150);
    EXPECT_EQ(form.Widget()->minimumSize(), QSize(200, 150));
    EXPECT_EQ(form.Widget()->maximumSize(), QSize(200, 150));
}

TEST_F(FormWindow, TheUsersDragOfAnEdgeIsToldAndTakesTheHandlersRectangle)
{
    struct TCase {
        const char* Name;
        QMargins Drag;  // how far each edge moves outwards
        unsigned Edge;
        int Height;
    };
    // Starts sized 240 x 160; rows of 17 plus 5. Positions are not compared:
    // the offscreen platform places frames loosely.
    const TCase cases[] = {
        {"bottom", {0, 0, 0, 40}, WMSZ_BOTTOM, 192},
        {"top", {0, 40, 0, 0}, WMSZ_TOP, 192},
        {"bottom right", {0, 0, 60, 50}, WMSZ_BOTTOMRIGHT, 209},
        {"top left", {10, 40, 0, 0}, WMSZ_TOPLEFT, 192},
        {"right", {0, 0, 60, 0}, WMSZ_RIGHT, 160},
        {"left", {10, 0, 0, 0}, WMSZ_LEFT, 160},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TWindowForm form(nullptr);
        form.Pitch = 17;
        form.Remainder = 5;
        form.Show();
        form.SetBounds(10, 100, 240, 160);
        const QRect start = form.Widget()->geometry();
        Log.clear();
        const QRect dragged = start.marginsAdded(c.Drag);
        form.Widget()->setGeometry(dragged);  // what the window system does
        EXPECT_TRUE(classlib::testing::WaitUntil([&] { return Log.contains(QStringLiteral("sizing %1").arg(c.Edge)); }));
        QCoreApplication::processEvents();
        // Heard as it came, then once more with the handler's size when that differs.
        QStringList resizes{QStringLiteral("resize %1").arg(dragged.height())};
        if (c.Height != dragged.height())
            resizes << QStringLiteral("resize %1").arg(c.Height);
        EXPECT_EQ(Log.filter(QStringLiteral("resize")), resizes);
        EXPECT_EQ(form.Widget()->height(), c.Height);
        EXPECT_EQ(form.Height(), c.Height);
        EXPECT_EQ(form.Width(), start.width() + c.Drag.left() + c.Drag.right());
    }
    // Code that sizes the window is no drag: nobody is told.
    TWindowForm form(nullptr);
    form.Pitch = 17;
    form.Show();
    Log.clear();
    form.SetBounds(10, 100, 240, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(Log.filter(QStringLiteral("siz")), QStringList{"resize 200"});
}

TEST_F(FormWindow, WindowStateFollowsTheWindowAndRestores)
{
    TWindowForm form(nullptr);
    form.Show();
    form.SetWindowState(wsMinimized);
    EXPECT_EQ(form.WindowState(), wsMinimized);
    form.SetWindowState(wsNormal);
    EXPECT_EQ(form.WindowState(), wsNormal);
}

TEST_F(FormWindow, ActiveControlFollowsTheFocusAndTakesItOnActivation)
{
    TWindowForm form(nullptr);
    form.SetActiveControl(form.Other);  // not shown yet: only remembered
    EXPECT_EQ(form.ActiveControl(), form.Other);
    ShowActive(form);
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return form.Other->Focused(); }));

    QTest::mouseClick(form.Edit->Widget(), Qt::LeftButton);
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return form.Edit->Focused(); }));
    EXPECT_EQ(form.ActiveControl(), form.Edit);

    form.SetActiveControl(form.Other);
    EXPECT_TRUE(form.Other->Focused());

    TPanel stranger(nullptr);
    EXPECT_THROW(form.SetActiveControl(&stranger), EInvalidOperation);
    EXPECT_THROW(form.SetActiveControl(&form), EInvalidOperation);

    delete form.Other;
    form.Other = nullptr;
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(FormWindow, ShowBringsTheWindowForwardAndActivatesIt)
{
    TWindowForm a(nullptr), b(nullptr);
    b.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(b.Widget()));
    // Shown already, behind the other: Show brings it back to the user.
    a.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(a.Widget()));
    b.Show();
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return Screen()->ActiveForm() == &b; }));
    EXPECT_TRUE(b.Active());
    EXPECT_FALSE(a.Active());
}

TEST_F(FormWindow, AnInactiveFormsActiveControlWaitsForTheActivation)
{
    TWindowForm tool(nullptr), main(nullptr);
    tool.Show();
    main.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.Widget()));
    main.SetActiveControl(main.Edit);
    ASSERT_TRUE(main.Edit->Focused());
    // What a tool window does for another window's selection.
    tool.SetActiveControl(tool.Other);
    QCoreApplication::processEvents();
    EXPECT_EQ(Screen()->ActiveForm(), &main);
    EXPECT_TRUE(main.Edit->Focused());
    EXPECT_FALSE(tool.Other->Focused());
    EXPECT_EQ(tool.ActiveControl(), tool.Other);
    // The user comes to the tool window: the control has the keys.
    tool.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tool.Widget()));
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return tool.Other->Focused(); }));
}

TEST_F(FormWindow, AShownFormGivesTheKeysToItsFirstControlInTabOrder)
{
    TWindowForm form(nullptr);
    // A disabled control is passed over.
    form.Edit->SetEnabled(false);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return form.Other->Focused(); }));
    EXPECT_EQ(form.ActiveControl(), form.Other);
}

TEST_F(FormWindow, TheScreenListsFormsInTheOrderTheyWereMade)
{
    const int before = Screen()->FormCount();
    auto* a = new TWindowForm(nullptr);
    auto* b = new TWindowForm(nullptr);
    ASSERT_EQ(Screen()->FormCount(), before + 2);
    EXPECT_EQ(Screen()->Forms(before), a);
    EXPECT_EQ(Screen()->Forms(before + 1), b);
    ShowActive(*b);
    EXPECT_EQ(Screen()->ActiveForm(), b);
    delete a;
    ASSERT_EQ(Screen()->FormCount(), before + 1);
    EXPECT_EQ(Screen()->Forms(before), b);
    delete b;
    EXPECT_EQ(Screen()->FormCount(), before);
}

TEST_F(FormWindow, TheApplicationMakesOwnsAndFreesItsForms)
{
    TWindowForm* first = nullptr;
    TWindowForm* second = nullptr;
    Application()->CreateForm(first);
    Application()->CreateForm(second);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Owner(), Application());
    EXPECT_EQ(Application()->MainForm(), first);
    delete first;
    EXPECT_EQ(Application()->MainForm(), nullptr);
    const QPointer<QWidget> widget(second->Widget());
    Application()->DestroyComponents();
    EXPECT_FALSE(widget);
}

} // namespace
} // namespace classlib
