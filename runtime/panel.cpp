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
    column.Right = SatInt(R.Left + (qint64(R.Right) - R.Left) / n);
    // n times a span of 33 bits fits in 64 bits.
    column.Bottom = SatInt(R.Top + n * (qint64(R.Bottom) - R.Top));
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
        const size_t first = next;
        while (next < rows.size() && y + rows[next]->QXHeight() <= columnBottom) {
            rows[next]->SetQXLeft(SatInt(x));
            rows[next]->SetQXTop(SatInt(y));
            y += rows[next]->QXHeight();
            ++next;
        }
        // A row that an empty column cannot hold fits in none of the others.
        if (next == first) break;
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
    const qint64 top = -qint64(c.Top);
    qint64 stack = top;
    for (int i = 0; i < ControlCount(); ++i) {
        const TQXControl* child = GetControl(i);
        if (child->Printable() && child->Align() == alTop) stack += child->QXHeight();
    }
    const qint64 height = Control.QXHeight();
    // The columns before the one where the stack ends are full, and every
    // column after it is empty: only two answers are to be computed, however
    // many columns there are.
    const qint64 k = columnHeight > 0 && stack > top ? (stack - top) / columnHeight : 0;
    if (k >= n) return false;
    const qint64 room = top + k * columnHeight + columnHeight - stack;
    if (room > 0 && room >= height) return true;
    return k + 1 < n && columnHeight > 0 && columnHeight >= height;
}

} // namespace runtime
