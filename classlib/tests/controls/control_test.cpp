#include "classlib/controls/control.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/controls/statictext.h"
#include "classlib/core/classbuilder.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>

#include <gtest/gtest.h>

namespace classlib {
namespace {

TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

class TSizedControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int Resizes = 0;

protected:
    void Resize() override
    {
        ++Resizes;
        TCustomControl::Resize();
    }
};

TEST(Control, ChildrenSitInTheParentsClientAreaInsideItsBorder)
{
    TPanel parent(nullptr);
    parent.SetBounds(0, 0, 100, 60);
    parent.SetBevelOuter(bvNone);
    TSizedControl child(nullptr);
    child.SetParent(&parent);
    child.SetBounds(5, 6, 20, 10);
    EXPECT_EQ(child.Resizes, 1);
    child.SetBounds(7, 8, 20, 10);  // a move is no resize
    EXPECT_EQ(child.Resizes, 1);
    EXPECT_EQ(child.Widget()->geometry(), QRect(7, 8, 20, 10));

    parent.SetBorderStyle(bsSingle);
    EXPECT_EQ(parent.ClientRect(), Rect(0, 0, 96, 56));
    EXPECT_EQ(child.BoundsRect(), Bounds(7, 8, 20, 10));
    EXPECT_EQ(child.Widget()->geometry(), QRect(9, 10, 20, 10));

    parent.ScrollBy(-3, 4);
    EXPECT_EQ(child.BoundsRect(), Bounds(4, 12, 20, 10));

    // Moved or resized behind the control's back (a layout, the user).
    child.Widget()->setGeometry(22, 32, 30, 15);
    parent.Widget()->grab();  // delivers the pending events
    EXPECT_EQ(child.BoundsRect(), Bounds(20, 30, 30, 15));
    EXPECT_EQ(child.Resizes, 2);

    child.SetBounds(0, 0, -5, -1);
    EXPECT_EQ(child.Width(), 0);
    EXPECT_EQ(child.Height(), 0);
}

TEST(Control, ParentColourFollowsTheParentUntilAColourIsSet)
{
    TPanel parent(nullptr);
    TPanel child(nullptr);
    child.SetParent(&parent);
    child.SetParentColor(true);
    parent.SetColor(clAppWorkSpace);
    EXPECT_EQ(child.Color(), clAppWorkSpace);
    child.SetColor(clRed);
    EXPECT_FALSE(child.ParentColor());
    parent.SetColor(clLime);
    EXPECT_EQ(child.Color(), clRed);
}

TEST(Control, FreeingAParentFreesItsChildren)
{
    auto* parent = new TPanel(nullptr);
    auto* child = new TPanel(nullptr);
    child->SetParent(parent);
    auto* grandchild = new TPanel(child);  // owned by the child, parented to the parent
    grandchild->SetParent(parent);
    EXPECT_EQ(parent->ControlCount(), 2);
    delete grandchild;
    EXPECT_EQ(parent->ControlCount(), 1);
    delete parent;  // frees child; sanitizers catch a double free
    SUCCEED();
}

TEST(Control, OnlyParentedControlsShowAndSomeNotWhileDesigned)
{
    TPanel parent(nullptr);  // first: it outlives its children
    TPanel lone(nullptr);
    EXPECT_TRUE(lone.Visible());
    EXPECT_TRUE(lone.Widget()->isHidden());  // no window of its own

    TPanel designed(nullptr);
    designed.SetDesigning(true);
    designed.SetControlStyle(designed.ControlStyle() + TControlStyle{csNoDesignVisible});
    designed.SetParent(&parent);
    EXPECT_TRUE(designed.Visible());
    EXPECT_TRUE(designed.Widget()->isHidden());
    lone.SetParent(&parent);
    EXPECT_FALSE(lone.Widget()->isHidden());
    lone.Hide();
    EXPECT_TRUE(lone.Widget()->isHidden());
}

TEST(Control, PanelPaintsItsColourAndBorder)
{
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 40, 30);
    panel.SetBevelOuter(bvNone);
    panel.SetColor(clTeal);
    panel.SetBorderStyle(bsSingle);
    const QImage img = panel.Widget()->grab().toImage();
    EXPECT_EQ(Px(img, 20, 15), ColorToRGB(clTeal));
    EXPECT_EQ(Px(img, 2, 2), ColorToRGB(clTeal));  // the client area starts inside the border
    EXPECT_EQ(Px(img, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Px(img, 39, 29), ColorToRGB(clBtnHighlight));
}

void SendClick(QWidget* W, int X, int Y)
{
    const QPointF p(X, Y);
    QMouseEvent press(QEvent::MouseButtonPress, p, W->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, p, W->mapToGlobal(p), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(W, &press);
    QCoreApplication::sendEvent(W, &release);
}

// An 8 x 8 glyph: a black 4 x 4 square at (2, 2) on an olive ground.
TBitmap* Glyph()
{
    static TBitmap bmp;
    if (bmp.Empty()) {
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(qRgb(128, 128, 0));
        for (int y = 2; y < 6; ++y)
            for (int x = 2; x < 6; ++x)
                img.setPixel(x, y, qRgb(0, 0, 0));
        bmp.SetImage(img);
    }
    return &bmp;
}

// Holds the published handler a button's OnClick is bound to, as a form would.
class TClickSink : public TComponent {
    QX_CLASS(TClickSink, TComponent)
public:
    using TComponent::TComponent;
    void ButtonClick(TObject* Sender) { Senders.append(Sender); }
    TNotifyEvent Handler() { return TMethod{StaticClass().FindMethod(u"ButtonClick"), this}; }
    QList<TObject*> Senders;
};

// Logs what its owner tells it.
class THearingControl : public TCustomControl {
public:
    explicit THearingControl(TComponent* AOwner, bool Hears) : TCustomControl(AOwner) { SetHearsOwner(Hears); }
    QStringList Log;
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TCustomControl::Notification(AComponent, Operation);
        Log << QString(Operation == opInsert ? "insert %1" : "remove %1").arg(AComponent->Name());
    }
};

TEST(Control, ControlsHearTheirOwnerOnlyWhenTheyAsk)
{
    TComponent owner(nullptr);
    auto* deaf = new THearingControl(&owner, false);
    auto* hearing = new THearingControl(&owner, true);
    auto* sibling = new TCustomControl(nullptr);
    sibling->SetName("Sibling");
    owner.InsertComponent(sibling);
    delete sibling;
    EXPECT_TRUE(deaf->Log.isEmpty());
    EXPECT_EQ(hearing->Log, QStringList({"insert Sibling", "remove Sibling"}));
}

TEST(Control, FreedChildrenLeaveTheirParentAndTakeTheirWidgets)
{
    auto* parent = new TPanel(nullptr);
    parent->SetBounds(0, 0, 200, 200);
    QList<TControl*> children;
    QList<QPointer<QWidget>> widgets;  // tracked across the frees
    for (int i = 0; i < 40; ++i) {
        auto* c = new TCustomControl(parent);
        c->SetName(QString("C%1").arg(i));
        c->SetParent(parent);
        children << c;
        widgets << c->Widget();
    }
    // One from the middle, one from each end, as a user deletes them.
    for (TControl* victim : {children[20], children[0], children[39]}) delete victim;
    EXPECT_EQ(parent->ControlCount(), 37);
    EXPECT_EQ(parent->ComponentCount(), 37);
    EXPECT_EQ(parent->Widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 37);
    EXPECT_EQ(parent->Controls(0)->Name(), "C1");
    EXPECT_EQ(parent->Controls(36)->Name(), "C38");
    EXPECT_EQ(parent->Controls(19)->Name(), "C21");
    delete parent;
    for (const QPointer<QWidget>& w : widgets) EXPECT_TRUE(w.isNull());
}

TEST(SpeedButton, ClicksOnlyWhileEnabled)
{
    TSpeedButton button(nullptr);
    button.SetBounds(0, 0, 16, 16);
    TClickSink sink(nullptr);
    button.OnClick = sink.Handler();
    SendClick(button.Widget(), 5, 5);
    EXPECT_EQ(sink.Senders, QList<TObject*>{&button});
    SendClick(button.Widget(), 50, 50);  // released outside
    EXPECT_EQ(sink.Senders.size(), 1);
    button.SetEnabled(false);
    SendClick(button.Widget(), 5, 5);
    button.Click();
    EXPECT_EQ(sink.Senders.size(), 1);
}

TEST(SpeedButton, GlyphKeepsItsBackgroundTransparentAndGreysWhenDisabled)
{
    TSpeedButton button(nullptr);
    button.SetBounds(0, 0, 16, 16);
    button.SetGlyph(Glyph());
    QImage img = button.Widget()->grab().toImage();
    // The glyph is centred: its (0, 0) at (4, 4).
    EXPECT_EQ(Px(img, 7, 7), RGB(0, 0, 0));
    EXPECT_EQ(Px(img, 5, 5), ColorToRGB(clBtnFace));  // olive is transparent
    button.SetEnabled(false);
    img = button.Widget()->grab().toImage();
    EXPECT_EQ(Px(img, 7, 7), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Px(img, 10, 10), ColorToRGB(clBtnHighlight));  // the embossed copy
}

TEST(StaticText, AutoSizeFollowsTheCaption)
{
    TStaticText text(nullptr);
    text.SetStaticBorderStyle(sbsSingle);
    text.SetCaption(QStringLiteral("Pages 1 - 2"));
    const int w = text.Width();
    text.SetCaption(QStringLiteral("Pages 10 - 20"));
    EXPECT_GT(text.Width(), w);
    EXPECT_GT(text.Height(), 2);
    text.SetAutoSize(false);
    const int fixed = text.Width();
    text.SetCaption(QStringLiteral("P"));
    EXPECT_EQ(text.Width(), fixed);
}

} // namespace

const TClassInfo& TClickSink::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TClickSink>("TClickSink").Method("ButtonClick", &TClickSink::ButtonClick).Build();
    return info;
}

} // namespace classlib
