// Dragging one control onto another inside the process: through the mouse
// (DragMode dmAutomatic) and from code (BeginDrag, DragTo, EndDrag).

#include "classlib/controls/control.h"
#include "classlib/controls/form.h"
#include "classlib/core/classbuilder.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>

#include <gtest/gtest.h>

namespace classlib {
namespace {

class TDragForm : public TForm {
    QX_CLASS(TDragForm, TForm)
public:
    explicit TDragForm(TComponent* AOwner) : TForm(AOwner)
    {
        SetBounds(0, 0, 300, 200);
        Source = new TCustomControl(this);
        Source->SetBounds(10, 10, 50, 50);
        Source->SetParent(this);
        Target = new TCustomControl(this);
        Target->SetBounds(100, 10, 80, 80);
        Target->SetParent(this);
        Source->OnEndDrag = Bind(u"SourceEndDrag");
        Target->OnDragOver = Bind(u"TargetDragOver");
        Target->OnDragDrop = Bind(u"TargetDragDrop");
        Show();
        QApplication::processEvents();
    }

    QString Name(TObject* O) const
    {
        return O == Source ? QStringLiteral("source") : O == Target ? QStringLiteral("target")
                                                                    : QStringLiteral("nil");
    }
    void TargetDragOver(TObject* Sender, TObject* Src, int X, int Y, TDragState State, bool& Accept)
    {
        static const char* states[] = {"enter", "leave", "move"};
        Log << QStringLiteral("over %1 %2 from %3 at %4,%5")
                   .arg(Name(Sender), QLatin1String(states[State]), Name(Src)).arg(X).arg(Y);
        Accept = Accepts;
    }
    void TargetDragDrop(TObject* Sender, TObject* Src, int X, int Y)
    {
        Log << QStringLiteral("drop on %1 from %2 at %3,%4").arg(Name(Sender), Name(Src)).arg(X).arg(Y);
    }
    void SourceEndDrag(TObject* Sender, TObject* Tgt, int X, int Y)
    {
        Log << QStringLiteral("end %1 on %2 at %3,%4").arg(Name(Sender), Name(Tgt)).arg(X).arg(Y);
    }

    TPoint Global(TControl* C, int X, int Y) const
    {
        const QPoint p = C->Widget()->mapToGlobal(QPoint(X, Y));
        return Point(p.x(), p.y());
    }

    TCustomControl* Source;
    TCustomControl* Target;
    QStringList Log;
    bool Accepts = true;

private:
    TMethod Bind(const char16_t* Name) { return TMethod{StaticClass().FindMethod(Name), this}; }
};

} // namespace

const TClassInfo& TDragForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDragForm>("TDragForm")
        .Method("TargetDragOver", &TDragForm::TargetDragOver)
        .Method("TargetDragDrop", &TDragForm::TargetDragDrop)
        .Method("SourceEndDrag", &TDragForm::SourceEndDrag)
        .Build();
    return info;
}

namespace {

void SendMouse(TControl* To, QEvent::Type Type, const TPoint& Screen, Qt::MouseButton Button)
{
    const QPoint global(Screen.X, Screen.Y);
    const QPointF local = To->Widget()->mapFromGlobal(global);
    const Qt::MouseButtons buttons = Type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Button);
    QMouseEvent e(Type, local, QPointF(global), Type == QEvent::MouseMove ? Qt::NoButton : Button,
                  buttons, Qt::NoModifier);
    QApplication::sendEvent(To->Widget(), &e);
}

TEST(Drag, AnAutomaticDragDropsOnTheControlThatAccepts)
{
    struct {
        const char* Name;
        bool Accepts;
        QStringList Log;
    } cases[] = {
        {"accepted", true,
         {"over target enter from source at 5,6", "over target move from source at 7,8",
          "over target leave from source at 7,8", "drop on target from source at 7,8",
          "end source on target at 7,8"}},
        {"refused", false,
         {"over target enter from source at 5,6", "over target move from source at 7,8",
          "over target leave from source at 7,8", "end source on nil at 0,0"}},
    };
    for (const auto& c : cases) {
        TDragForm form(nullptr);
        form.Accepts = c.Accepts;
        form.Source->SetDragMode(dmAutomatic);
        SendMouse(form.Source, QEvent::MouseButtonPress, form.Global(form.Source, 5, 5), Qt::LeftButton);
        EXPECT_TRUE(form.Source->Dragging()) << c.Name;
        EXPECT_TRUE(form.Log.isEmpty()) << c.Name;  // over the source, which has no OnDragOver
        // The source's widget has the mouse while the button is down.
        SendMouse(form.Source, QEvent::MouseMove, form.Global(form.Target, 5, 6), Qt::LeftButton);
        SendMouse(form.Source, QEvent::MouseButtonRelease, form.Global(form.Target, 7, 8), Qt::LeftButton);
        EXPECT_FALSE(form.Source->Dragging()) << c.Name;
        EXPECT_EQ(form.Log, c.Log) << c.Name;
    }
}

TEST(Drag, BeginDragWaitsForTheThresholdAndEndDragCanCancel)
{
    TDragForm form(nullptr);
    EXPECT_EQ(TControl::FindDragTarget(form.Global(form.Target, 1, 1)), form.Target);
    form.Source->BeginDrag(false, 5);
    ASSERT_TRUE(form.Source->Dragging());
    const QPoint start = QCursor::pos();
    form.Source->DragTo(Point(start.x() + 2, start.y() + 2));  // within the threshold
    EXPECT_TRUE(form.Log.isEmpty());
    form.Source->DragTo(form.Global(form.Target, 10, 10));
    form.Source->DragTo(form.Global(form.Source, 1, 1));  // back out of the target
    form.Source->DragTo(form.Global(form.Target, 20, 20));
    form.Source->EndDrag(false);
    EXPECT_EQ(form.Log, (QStringList{"over target enter from source at 10,10",
                                     "over target leave from source at -89,1",
                                     "over target enter from source at 20,20",
                                     "over target leave from source at 20,20",
                                     "end source on nil at 0,0"}));
    // A disabled control takes no drag.
    form.Target->SetEnabled(false);
    EXPECT_EQ(TControl::FindDragTarget(form.Global(form.Target, 1, 1)), nullptr);
}

} // namespace
} // namespace classlib
