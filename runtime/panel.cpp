#include "runtime/panel.h"

#include "classlib/core/classbuilder.h"

namespace runtime {

using namespace classlib;

const TClassInfo& TQXPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXPanel>("TQXPanel")
        .Prop("Columns", &TQXPanel::FColumns)
        .Build();
    return info;
}

TQXPanel::TQXPanel(TComponent* AOwner) : TQXContainer(AOwner) {}

void TQXPanel::AssignTo(TPersistent* Dest) const
{
    TQXContainer::AssignTo(Dest);
    if (auto* d = As<TQXPanel>(Dest)) d->FColumns = FColumns;
}

TRect TQXPanel::GetColumnRect(const TRect& R) const
{
    const qint64 n = ColumnCount();
    TRect column;
    column.Left = R.Left;
    column.Top = R.Top;
    column.Right = int(R.Left + (qint64(R.Right) - R.Left) / n);
    column.Bottom = int(R.Top + n * (qint64(R.Bottom) - R.Top));
    return column;
}

void TQXPanel::AlignControls(TRect& R)
{
    const qint64 n = ColumnCount();
    if (n == 1) {
        TQXContainer::AlignControls(R);
        return;
    }
    TRect tall = GetColumnRect(R);
    TQXContainer::AlignControls(tall);

    std::vector<TQXControl*> rows;
    for (int i = 0; i < ControlCount(); ++i) {
        TQXControl* c = GetControl(i);
        if (c->Printable() && c->Align() == alTop) rows.push_back(c);
    }
    SortControls(rows, CompareTop);

    const TRect c = GetContentRect();
    const qint64 columnHeight = qint64(c.Top) - c.Bottom;
    const qint64 columnTop = -qint64(c.Top);
    const qint64 columnBottom = columnTop + columnHeight;
    const qint64 columnWidth = (qint64(R.Right) - R.Left) / n;
    qint64 x = c.Left;
    size_t next = 0;
    for (qint64 column = 0; column < n && next < rows.size(); ++column) {
        qint64 y = columnTop;
        while (next < rows.size() && y + rows[next]->QXHeight() <= columnBottom) {
            rows[next]->SetQXLeft(int(x));
            rows[next]->SetQXTop(int(y));
            y += rows[next]->QXHeight();
            ++next;
        }
        x += columnWidth;
    }
    // Rows beyond the last column stay below the content, clipped away.
}

bool TQXPanel::CanFit(TQXControl& Control)
{
    const qint64 n = ColumnCount();
    if (n < 2) return TQXContainer::CanFit(Control);
    const TRect c = GetContentRect();
    const qint64 columnHeight = qint64(c.Top) - c.Bottom;
    qint64 t = -qint64(c.Top);
    qint64 stack = t;
    for (int i = 0; i < ControlCount(); ++i) {
        const TQXControl* child = GetControl(i);
        if (child->Printable() && child->Align() == alTop) stack += child->QXHeight();
    }
    for (qint64 column = 0; column < n; ++column) {
        const qint64 room = t + columnHeight - stack;
        if (room > 0 && room >= Control.QXHeight()) return true;
        t += columnHeight;
        stack = std::max(stack, t);
    }
    return false;
}

} // namespace runtime
