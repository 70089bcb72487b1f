// A form's showing, closing with a failing handler, window state with its
// normal bounds, position and size constraints.

#include "classlib/controls/application.h"
#include "classlib/controls/button.h"
#include "classlib/controls/form.h"
#include "classlib/core/sysutils.h"
#include "classlib/tests/controls/waituntil.h"

#include "handlers.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

TEST(FormShow, OnShowComesOnceEachTimeTheHiddenWindowIsShown)
{
    TForm form(nullptr);
    form.SetBounds(10, 10, 200, 100);
    // Hidden until shown.
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Showing());
    int shows = 0;
    bool visibleInHandler = false;
    bool windowInHandler = true;
    Bind(form.OnShow, [&](TObject*) {
        ++shows;
        visibleInHandler = form.Visible();
        windowInHandler = form.Widget()->isVisible();
    });
    form.Show();
    form.Show();  // shown already
    EXPECT_EQ(shows, 1);
    // Visible for its handler; the window opens right after.
    EXPECT_TRUE(visibleInHandler);
    EXPECT_FALSE(windowInHandler);
    EXPECT_TRUE(form.Showing());
    form.Close();
    EXPECT_FALSE(form.Visible());
    TModalScript script;
    script.Answer(mrOk);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(shows, 2);
}

TEST(FormShow, AFailingOnShowLeavesNoModalWindowBehind)
{
    TForm form(nullptr);
    Bind(form.OnShow, [](TObject*) { throw Exception(QStringLiteral("No printer")); });
    TModalScript script;
    EXPECT_THROW(form.ShowModal(), Exception);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Widget()->isVisible());
    EXPECT_FALSE(form.Widget()->isModal());
    EXPECT_EQ(script.Requests().size(), 0u);
}

TEST(FormClose, AFailingCloseQueryKeepsTheWindowOpenAndIsShown)
{
    TForm form(nullptr);
    form.SetBounds(10, 10, 200, 100);
    bool fail = true;
    Bind(form.OnCloseQuery, [&](TObject*, bool&) {
        if (fail)
            throw Exception(QStringLiteral("Settings not written"));
    });
    form.Show();
    TModalScript script;
    script.Answer(mrOk);
    // The close box.
    EXPECT_FALSE(form.Widget()->close());
    EXPECT_TRUE(form.Widget()->isVisible());
    ASSERT_EQ(script.Requests().size(), 1u);
    EXPECT_EQ(script.Requests()[0].Text, QStringLiteral("Settings not written."));
    fail = false;
    EXPECT_TRUE(form.Widget()->close());
    EXPECT_FALSE(form.Widget()->isVisible());
}

TEST(FormClose, AFailingCloseQueryKeepsAModalFormRunning)
{
    TForm form(nullptr);
    form.SetBounds(10, 10, 200, 100);
    auto* ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetModalResult(mrOk);
    int queries = 0;
    Bind(form.OnCloseQuery, [&](TObject*, bool&) {
        if (++queries == 1)
            throw Exception(QStringLiteral("Disk full"));
    });
    TModalScript script;
    script.Then([&](TModalRequest&) {
        QTest::mouseClick(ok->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        // Refused by the failure: still running, nothing decided.
        EXPECT_EQ(form.ModalResult(), mrNone);
        QTest::mouseClick(ok->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        return mrNone;
    });
    script.Answer(mrOk);  // the error box
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(queries, 2);
    ASSERT_EQ(script.Requests().size(), 2u);
    EXPECT_EQ(script.Requests()[1].Text, QStringLiteral("Disk full."));
}

TEST(FormClose, AModalFormWhoseOnCloseAnswersFreeIsFreedAfterItsRun)
{
    auto* form = new TForm(nullptr);
    auto* ok = new TButton(form);
    ok->SetParent(form);
    ok->SetModalResult(mrOk);
    Bind(form->OnClose, [](TObject*, TCloseAction& Action) { Action = caFree; });
    const QPointer<QWidget> window(form->Widget());
    TModalScript script;
    script.Then([&](TModalRequest&) {
        QTest::mouseClick(ok->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        return mrNone;
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_TRUE(window);  // the caller still reads it
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return !window; }));
}

TEST(FormState, MaximisedOrMinimisedTheFormKeepsItsNormalBounds)
{
    const TRect normal = Bounds(30, 40, 300, 200);
    for (TWindowState state : {wsMaximized, wsMinimized}) {
        SCOPED_TRACE(int(state));
        TForm form(nullptr);
        form.SetBounds(normal.Left, normal.Top, normal.Width(), normal.Height());
        form.Show();
        QCoreApplication::processEvents();
        EXPECT_EQ(form.NormalBounds(), normal);
        form.SetWindowState(state);
        QCoreApplication::processEvents();
        EXPECT_EQ(form.WindowState(), state);
        EXPECT_EQ(form.NormalBounds(), normal);
        // Bounds set meanwhile are the ones the window comes back to.
        form.SetBounds(50, 60, 320, 220);
        EXPECT_EQ(form.WindowState(), state);
        EXPECT_EQ(form.NormalBounds(), Bounds(50, 60, 320, 220));
        form.SetWindowState(wsNormal);
        QCoreApplication::processEvents();
        EXPECT_EQ(form.WindowState(), wsNormal);
        EXPECT_EQ(form.Width(), 320);
        EXPECT_EQ(form.Height(), 220);
        EXPECT_EQ(form.NormalBounds(), Bounds(50, 60, 320, 220));
    }
}

TEST(FormState, AStateSetBeforeShowingKeepsTheBoundsSetBefore)
{
    // As stored settings are applied: the bounds, then the state.
    TForm form(nullptr);
    form.SetBounds(20, 30, 250, 150);
    form.SetWindowState(wsMaximized);
    form.Show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.WindowState(), wsMaximized);
    EXPECT_EQ(form.NormalBounds(), Bounds(20, 30, 250, 150));
}

TEST(FormPosition, TheFormIsPlacedAsPositionAsks)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect area = screen->availableGeometry();
    struct TCase {
        const char* Name;
        TPosition Position;
        TPoint At;
    };
    const TCase cases[] = {
        {"designed", poDesigned, {25, 35}},
        {"screen centre", poScreenCenter, {area.x() + (area.width() - 200) / 2, area.y() + (area.height() - 100) / 2}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TForm form(nullptr);
        form.SetBounds(25, 35, 200, 100);
        form.SetPosition(c.Position);
        form.Show();
        EXPECT_EQ(form.Left(), c.At.X);
        EXPECT_EQ(form.Top(), c.At.Y);
        EXPECT_EQ(form.Widget()->pos(), QPoint(c.At.X, c.At.Y));
        EXPECT_EQ(form.Width(), 200);
    }
}

TEST(FormConstraints, HoldForCodeAndForTheWindow)
{
    struct TCase {
        const char* Name;
        int MinW, MinH, MaxW, MaxH;
        int AskW, AskH;
        int GotW, GotH;
    };
    const TCase cases[] = {
        {"no limits", 0, 0, 0, 0, 500, 30, 500, 30},
        {"minimum", 200, 100, 0, 0, 50, 40, 200, 100},
        {"maximum", 0, 0, 300, 150, 500, 400, 300, 150},
        {"within", 100, 50, 300, 150, 250, 80, 250, 80},
        // A maximum below the minimum counts as the minimum.
        {"crossed", 200, 100, 150, 50, 500, 20, 200, 100},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TForm form(nullptr);
        form.Constraints()->SetMinWidth(c.MinW);
        form.Constraints()->SetMinHeight(c.MinH);
        form.Constraints()->SetMaxWidth(c.MaxW);
        form.Constraints()->SetMaxHeight(c.MaxH);
        form.SetBounds(0, 0, c.AskW, c.AskH);
        EXPECT_EQ(form.Width(), c.GotW);
        EXPECT_EQ(form.Height(), c.GotH);
        form.Show();
        EXPECT_EQ(form.Widget()->minimumSize(), QSize(c.MinW, c.MinH));
        if (c.MaxW > 0) {
            EXPECT_EQ(form.Widget()->maximumWidth(), std::max(c.MaxW, c.MinW));
        }
    }
}

TEST(FormConstraints, ANewLimitBringsTheFormWithinIt)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    form.Show();
    form.Constraints()->SetMaxWidth(250);
    EXPECT_EQ(form.Width(), 250);
    form.Constraints()->SetMinHeight(350);
    EXPECT_EQ(form.Height(), 350);
    // Negative limits are none.
    form.Constraints()->SetMaxWidth(-5);
    EXPECT_EQ(form.Constraints()->MaxWidth(), 0);
    form.SetWidth(600);
    EXPECT_EQ(form.Width(), 600);
}

} // namespace
} // namespace classlib
