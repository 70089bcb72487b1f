// Screen coordinates, z-order, widgets hosted by another control, cursors.

#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"

#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <limits>

namespace classlib {
namespace {

struct TPlacedForm {
    TForm Form{nullptr};
    TPanel* Box;
    TCustomControl* Inner;
    TPlacedForm()
    {
        Form.SetBounds(50, 60, 300, 200);
        Box = new TPanel(&Form);
        Box->SetParent(&Form);
        Box->SetBounds(20, 30, 100, 80);
        Box->SetBorderStyle(bsSingle);  // client area 2 pixels in
        Inner = new TCustomControl(&Form);
        Inner->SetParent(Box);
        Inner->SetBounds(5, 6, 20, 10);
        Form.Show();
    }
};

TEST(Placement, ClientAndScreenPointsConvertBothWays)
{
    TPlacedForm f;
    const TPoint formOrigin = f.Form.ClientToScreen(Point(0, 0));
    const struct {
        TControl* Control;
        TPoint Offset;  // of its client origin from the form's
    } cases[] = {
        {&f.Form, Point(0, 0)},
        {f.Box, Point(22, 32)},
        {f.Inner, Point(27, 38)},
    };
    for (const auto& c : cases) {
        const TPoint screen = c.Control->ClientToScreen(Point(3, -4));
        EXPECT_EQ(screen, Point(formOrigin.X + c.Offset.X + 3, formOrigin.Y + c.Offset.Y - 4));
        EXPECT_EQ(c.Control->ScreenToClient(screen), Point(3, -4));
    }
}

TEST(Placement, FrontAndBackReorderTheParentsChildren)
{
    TForm form(nullptr);
    TControl* c[3];
    for (auto& x : c) {
        x = new TCustomControl(&form);
        x->SetParent(&form);
    }
    auto order = [&form] {
        QList<TControl*> r;
        for (int i = 0; i < form.ControlCount(); ++i)
            r << form.Controls(i);
        return r;
    };
    c[0]->BringToFront();
    EXPECT_EQ(order(), (QList<TControl*>{c[1], c[2], c[0]}));
    c[2]->SendToBack();
    EXPECT_EQ(order(), (QList<TControl*>{c[2], c[1], c[0]}));
    // The widgets stack the same way.
    const QObjectList kids = form.Widget()->children();
    EXPECT_EQ(kids.indexOf(c[2]->Widget()), 0);
    EXPECT_EQ(kids.indexOf(c[0]->Widget()), 2);
}

TEST(Placement, AHostedWidgetKeepsItsParentAndReturnsWhenTheHostGoes)
{
    TPlacedForm f;
    auto* handle = new TCustomControl(&f.Form);
    handle->SetParent(&f.Form);
    handle->SetBounds(1, 2, 5, 5);

    handle->SetWidgetHost(f.Box);
    EXPECT_EQ(handle->Parent(), &f.Form);
    EXPECT_EQ(f.Box->ControlCount(), 1);  // Inner only
    EXPECT_EQ(handle->Widget()->parentWidget(), f.Box->Widget());
    // Bounds are in the host's client area, inside its border.
    EXPECT_EQ(handle->Widget()->geometry(), QRect(3, 4, 5, 5));
    EXPECT_TRUE(handle->Widget()->isVisible());
    handle->SetBounds(10, 10, 5, 5);
    EXPECT_EQ(handle->Widget()->geometry(), QRect(12, 12, 5, 5));

    handle->SetWidgetHost(nullptr);
    EXPECT_EQ(handle->Widget()->parentWidget(), f.Form.Widget());
    EXPECT_EQ(handle->Widget()->geometry(), QRect(10, 10, 5, 5));

    handle->SetWidgetHost(f.Inner);
    delete f.Inner;
    ASSERT_NE(handle->Widget(), nullptr);  // not freed with the host's widget
    EXPECT_EQ(handle->WidgetHost(), nullptr);
    EXPECT_EQ(handle->Widget()->parentWidget(), f.Form.Widget());
}

TEST(Placement, SizeCursorsShowAsQtsSizeShapes)
{
    TCustomControl c(nullptr);
    const struct {
        TCursor Cursor;
        Qt::CursorShape Shape;
    } cases[] = {
        {crSizeNWSE, Qt::SizeFDiagCursor},
        {crSizeNESW, Qt::SizeBDiagCursor},
        {crSizeNS, Qt::SizeVerCursor},
        {crSizeWE, Qt::SizeHorCursor},
        {crCross, Qt::CrossCursor},
    };
    for (const auto& k : cases) {
        c.SetCursor(k.Cursor);
        EXPECT_EQ(c.Widget()->cursor().shape(), k.Shape) << int(k.Cursor);
    }
}

TEST(Placement, AnUnhandledWheelGoesOnToTheWidgetsBelow)
{
    class TWheelControl : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        bool Handle = false;
        TMessage Last;
        void Dispatch(TMessage& M) override
        {
            if (M.Msg == WM_MOUSEWHEEL) {
                Last = M;
                M.Result = Handle;
            }
            TCustomControl::Dispatch(M);
        }
    };
    TWheelControl c(nullptr);
    for (bool handle : {false, true}) {
        c.Handle = handle;
        QWheelEvent e(QPointF(3, 4), QPointF(103, 204), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(c.Widget(), &e);
        EXPECT_EQ(e.isAccepted(), handle);
        EXPECT_EQ(qint16(quint64(c.Last.WParam) >> 16), -120);
        EXPECT_EQ(c.Last.WParam & 0xFFFF, MK_CONTROL);
        EXPECT_EQ(c.Last.LParam, MakeLParam(103, 204));
    }
}

} // namespace
} // namespace classlib

namespace classlib {
namespace {

TEST(Placement, BoundsBeyondWhatAWidgetHoldsAreClampedWithoutOverflow)
{
    TPlacedForm f;
    const int max = std::numeric_limits<int>::max();
    const int min = std::numeric_limits<int>::min();
    const int far = QWIDGETSIZE_MAX;
    // Inside a panel with a 2-pixel border, on a shown form: the widget
    // takes what Qt holds and the control follows its widget.
    const struct {
        const char* Name;
        int Left, Top, Width, Height;
        int WantLeft, WantTop, WantWidth, WantHeight;
    } cases[] = {
        {"far corner", max, max, 20, 10, far - 2, far - 2, 20, 10},
        {"far size", max - 1, 0, max, max, far - 2, 0, far, far},
        {"near corner", min, min, 5, 5, -far - 2, -far - 2, 5, 5},
        {"ordinary", 7, 8, 9, 10, 7, 8, 9, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        f.Inner->SetBounds(c.Left, c.Top, c.Width, c.Height);
        EXPECT_EQ(f.Inner->Left(), c.WantLeft);
        EXPECT_EQ(f.Inner->Top(), c.WantTop);
        EXPECT_EQ(f.Inner->Width(), c.WantWidth);
        EXPECT_EQ(f.Inner->Height(), c.WantHeight);
    }
    // A control whose widget is not shown keeps its own bounds.
    TCustomControl hidden(nullptr);
    hidden.SetParent(f.Box);
    hidden.Hide();
    hidden.SetBounds(max, min, max, 3);
    EXPECT_EQ(hidden.Left(), max);
    EXPECT_EQ(hidden.Top(), min);
    EXPECT_EQ(hidden.Width(), max);
}

} // namespace
} // namespace classlib
