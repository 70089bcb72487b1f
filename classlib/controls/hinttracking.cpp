#include "classlib/controls/application.h"
#include "classlib/controls/control.h"
#include "classlib/controls/hints.h"
#include "classlib/controls/mouse.h"

#include <QEvent>
#include <QStatusTipEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace classlib::detail {

namespace {

// The hint of the nearest control at or above Widget that has one.
QString HintAbove(const QWidget* Widget)
{
    TControl* c = nullptr;
    for (const QWidget* w = Widget; w && !c; w = w->isWindow() ? nullptr : w->parentWidget())
        c = ControlOfWidget(w);
    for (; c; c = c->Parent())
        if (!c->Hint().isEmpty())
            return c->Hint();
    return QString();
}

class THintTracker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Watched, QEvent* E) override
    {
        const QEvent::Type type = E->type();
        // A menu item under the mouse or the keys: its long hint.
        if (type == QEvent::StatusTip) {
            const QString tip = static_cast<QStatusTipEvent*>(E)->tip();
            CallGuarded(Application(), [&] { Application()->SetHint(tip); });
            return false;
        }
        if ((type != QEvent::Enter && type != QEvent::Leave) || !Watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(Watched);
        // Every entering or leaving makes an earlier leaving stale.
        const unsigned turn = ++FTurn;
        if (type == QEvent::Enter) {
            Tell(HintAbove(w));
        } else if (!w->isWindow()) {
            // Left for its parent, which hears nothing of it, or for another
            // control, whose entering follows at once: decided once the
            // event loop is back.
            const QPointer<QWidget> parent(w->parentWidget());
            QTimer::singleShot(0, this, [this, turn, parent] {
                if (turn == FTurn)
                    Tell(HintAbove(parent));
            });
        } else {
            Tell(QString());
        }
        return false;
    }

private:
    static void Tell(const QString& Hint)
    {
        CallGuarded(Application(), [&] { Application()->SetHint(GetLongHint(Hint)); });
    }

    unsigned FTurn = 0;
};

} // namespace

void InstallHintTracking()
{
    static THintTracker* tracker = nullptr;
    if (tracker || !qGuiApp)
        return;
    tracker = new THintTracker(qGuiApp);
    qGuiApp->installEventFilter(tracker);
}

} // namespace classlib::detail
