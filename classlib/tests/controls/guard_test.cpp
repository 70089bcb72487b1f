// No exception crosses the event loop: paint handlers and posted messages
// run guarded; a silent abort shows nothing, other errors reach the display.

#include "classlib/controls/application.h"
#include "classlib/controls/control.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/core/classbuilder.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace classlib {
namespace {

class TThrowingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    enum { None, Abort, Error, StdError } What = None;
    int Painted = 0;
    QList<TMessage> Received;

    // Posted messages; paint and input take their usual way.
    void WndProc(TMessage& M) override
    {
        if (M.Msg < WM_USER)
            return TCustomControl::WndProc(M);
        Received.append(M);
        Throw();
    }

protected:
    void Paint() override
    {
        ++Painted;
        TCustomControl::Paint();
        Throw();
    }

private:
    void Throw()
    {
        switch (What) {
        case Abort: classlib::Abort();
        case Error: throw EConvertError(QStringLiteral("bad value"));
        case StdError: throw std::runtime_error("out of range");
        case None: break;
        }
    }
};

struct TDisplaySpy {
    QStringList Messages;
    QList<TObject*> Senders;
    TDisplaySpy()
    {
        Application()->OnException = [this](TObject* Sender, const Exception& E) {
            Senders.append(Sender);
            Messages.append(E.Message);
        };
    }
    ~TDisplaySpy() { Application()->OnException = nullptr; }
};

TEST(ExceptionGuard, PaintErrorsStopAtTheEventLoop)
{
    struct TCase {
        const char* Name;
        decltype(TThrowingControl::What) What;
        QStringList Shown;
    };
    const TCase cases[] = {
        {"no error", TThrowingControl::None, {}},
        {"silent abort", TThrowingControl::Abort, {}},
        {"class-library error", TThrowingControl::Error, {QStringLiteral("bad value")}},
        {"standard error", TThrowingControl::StdError, {QStringLiteral("out of range")}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TDisplaySpy spy;
        TThrowingControl control(nullptr);
        control.SetBounds(0, 0, 20, 10);
        control.What = c.What;
        const QImage img = control.Widget()->grab().toImage();
        EXPECT_EQ(control.Painted, 1);
        EXPECT_EQ(spy.Messages, c.Shown);
        if (!c.Shown.isEmpty()) {
            EXPECT_EQ(spy.Senders.value(0), &control);
        }
        // The canvas let go of the paint's device context, also after a throw.
        EXPECT_THROW(control.Canvas()->FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
    }
}

TEST(ExceptionGuard, GuardedCallSendsErrorsToTheHookWithTheSender)
{
    TDisplaySpy spy;
    TObject sender;
    CallGuarded(&sender, [] { throw EReadError(QStringLiteral("Stream read error")); });
    CallGuarded(&sender, [] { Abort(); });
    CallGuarded(&sender, [] { throw 42; });
    EXPECT_EQ(spy.Messages, (QStringList{QStringLiteral("Stream read error"), QStringLiteral("Unknown exception")}));
    EXPECT_EQ(spy.Senders.value(0), &sender);
}

class TFailingSink : public TComponent {
    QX_CLASS(TFailingSink, TComponent)
public:
    using TComponent::TComponent;
    void ButtonClick(TObject*) { throw EInvalidOperation(QStringLiteral("no page")); }
};

TEST(ExceptionGuard, MouseHandlersAreGuardedToo)
{
    TDisplaySpy spy;
    TSpeedButton button(nullptr);
    button.SetBounds(0, 0, 16, 16);
    TFailingSink sink(nullptr);
    button.OnClick = TMethod{TFailingSink::StaticClass().FindMethod(u"ButtonClick"), &sink};
    const QPointF p(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, p, p, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, p, p, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button.Widget(), &press);
    QCoreApplication::sendEvent(button.Widget(), &release);
    EXPECT_EQ(spy.Messages, QStringList{QStringLiteral("no page")});
    EXPECT_EQ(spy.Senders.value(0), &button);
}

TEST(PostedMessages, ArriveLaterGuardedAndAreDroppedWithTheControl)
{
    TDisplaySpy spy;
    auto* control = new TThrowingControl(nullptr);
    PostMessage(control, WM_USER + 1, 7, 9);
    EXPECT_TRUE(control->Received.isEmpty());  // queued, not sent
    QCoreApplication::processEvents();
    ASSERT_EQ(control->Received.size(), 1);
    EXPECT_EQ(control->Received[0].Msg, WM_USER + 1);
    EXPECT_EQ(control->Received[0].WParam, 7);
    EXPECT_EQ(control->Received[0].LParam, 9);

    control->What = TThrowingControl::Error;
    PostMessage(control, WM_USER + 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.Messages, QStringList{QStringLiteral("bad value")});

    PostMessage(control, WM_USER + 3);
    delete control;
    QCoreApplication::processEvents();  // must not reach the freed control
    SUCCEED();
}

} // namespace

const TClassInfo& TFailingSink::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TFailingSink>("TFailingSink").Method("ButtonClick", &TFailingSink::ButtonClick).Build();
    return info;
}

} // namespace classlib
