#include "classlib/controls/xoroverlay.h"

#include "classlib/controls/control.h"

#include <QEvent>
#include <QPainter>

namespace classlib {

namespace {

const char* const OverlayName = "qxXorOverlay";

QRect ToQRect(const TRect& R)
{
    return QRect(QPoint(R.Left, R.Top), QPoint(R.Right - 1, R.Bottom - 1));
}

} // namespace

TXorOverlay* TXorOverlay::Of(const TControl* Control)
{
    QWidget* w = Control ? Control->Widget() : nullptr;
    if (!w)
        return nullptr;
    QWidget* window = w->window();
    if (auto* o = window->findChild<TXorOverlay*>(QLatin1String(OverlayName), Qt::FindDirectChildrenOnly))
        return o;
    return new TXorOverlay(window);
}

TXorOverlay::TXorOverlay(QWidget* Window) : QWidget(Window)
{
    setObjectName(QLatin1String(OverlayName));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(Window->rect());
    Window->installEventFilter(this);
    hide();
}

bool TXorOverlay::eventFilter(QObject* Watched, QEvent* E)
{
    if (Watched == parentWidget() && E->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void TXorOverlay::Line(const TPoint& From, const TPoint& To, const TRect& Clip, TColor Color)
{
    Toggle({TKind::Line, From, To, Color, Clip});
}

void TXorOverlay::FocusRect(const TRect& R)
{
    Toggle({TKind::Focus, Point(R.Left, R.Top), Point(R.Right, R.Bottom), clNone, TRect{}});
}

void TXorOverlay::Mark(const TRect& R, TColor Color)
{
    Toggle({TKind::Mark, Point(R.Left, R.Top), Point(R.Right, R.Bottom), Color, TRect{}});
}

void TXorOverlay::Clear()
{
    FShapes.clear();
    hide();
}

void TXorOverlay::Toggle(const TShape& Shape)
{
    if (!FShapes.removeOne(Shape))
        FShapes.append(Shape);
    // Children raised since stay below the feedback.
    setGeometry(parentWidget()->rect());
    raise();
    setVisible(!FShapes.isEmpty());
    update();
}

void TXorOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    auto local = [&origin](const TPoint& P) { return QPoint(P.X - origin.x(), P.Y - origin.y()); };
    for (const TShape& s : FShapes) {
        p.save();
        switch (s.Kind) {
        case TKind::Line: {
            if (s.Clip.Width() > 0 && s.Clip.Height() > 0)
                p.setClipRect(ToQRect(s.Clip).translated(-origin));
            // The end point is left out, as a line drawn to it would.
            QPoint a = local(s.A), b = local(s.B);
            const int dx = (b.x() > a.x()) - (b.x() < a.x());
            const int dy = (b.y() > a.y()) - (b.y() < a.y());
            if (a == b)
                break;
            b -= QPoint(dx, dy);
            if (s.Color == clNone) {
                p.setCompositionMode(QPainter::RasterOp_NotDestination);
                p.setPen(QPen(Qt::black, 0));
            } else {
                const TColorRef c = ColorToRGB(s.Color);
                p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
                p.setPen(QPen(QColor(GetRValue(c), GetGValue(c), GetBValue(c)), 0));
            }
            p.drawLine(a, b);
            break;
        }
        case TKind::Focus: {
            p.setCompositionMode(QPainter::RasterOp_NotDestination);
            const QPoint a = local(s.A), b = local(s.B) - QPoint(1, 1);
            if (b.x() < a.x() || b.y() < a.y())
                break;
            // Every other pixel, counted along the edge from the corner.
            QList<QPoint> dots;
            for (int x = a.x(); x <= b.x(); x += 2) {
                dots << QPoint(x, a.y());
                if (b.y() != a.y())
                    dots << QPoint(x, b.y());
            }
            for (int y = a.y() + 2; y < b.y(); y += 2) {
                dots << QPoint(a.x(), y);
                if (b.x() != a.x())
                    dots << QPoint(b.x(), y);
            }
            p.setPen(QPen(Qt::black, 0));
            p.drawPoints(dots.constData(), int(dots.size()));
            break;
        }
        case TKind::Mark: {
            const TColorRef c = ColorToRGB(s.Color);
            p.fillRect(QRect(local(s.A), local(s.B) - QPoint(1, 1)),
                       QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
            break;
        }
        }
        p.restore();
    }
}

} // namespace classlib
