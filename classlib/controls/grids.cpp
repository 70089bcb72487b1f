#include "classlib/controls/grids.h"

#include "classlib/controls/application.h"
#include "classlib/core/classbuilder.h"

#include <QScrollBar>

#include <algorithm>

namespace classlib {

namespace {

const QString IndexOutOfRange = QStringLiteral("Grid index out of range");

// Rows a wheel notch scrolls.
constexpr int WheelRows = 3;
// Pixels either side of a column's right grid line that start sizing it.
constexpr int SizingSlop = 2;

} // namespace

// ---------------------------------------------------------------------------
// TCustomGrid

const TClassInfo& TCustomGrid::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomGrid>("TCustomGrid").Build();
    return info;
}

TCustomGrid::TCustomGrid(TComponent* AOwner)
    : TCustomControl(AOwner), FColWidths(5, 64), FScrollBar(new QScrollBar(Qt::Vertical, Widget()))
{
    SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks, csClickEvents});
    SetColor(clWindow);
    SetBorderStyle(bsSingle);
    FScrollBar->setFocusPolicy(Qt::NoFocus);
    FScrollBar->setSingleStep(1);
    FScrollBar->setTracking(false);
    FScrollBar->hide();
    QObject::connect(FScrollBar, &QAbstractSlider::valueChanged, FScrollBar, [this](int Value) {
        if (!FSyncing)
            CallGuarded(this, [&] { SetTopRow(Value); });
    });
    SetBounds(0, 0, 320, 120);
}

TRect TCustomGrid::ClientRect() const
{
    TRect r = TCustomControl::ClientRect();
    if (FScrollShown)
        r.Right = std::max(r.Left, r.Right - GetSystemMetrics(SM_CXVSCROLL));
    return r;
}

void TCustomGrid::SetColCount(int Value)
{
    Value = std::max(Value, 1);
    const int old = ColCount();
    if (Value == old)
        return;
    FColWidths.resize(size_t(Value), FDefaultColWidth);
    FCol = std::min(FCol, Value - 1);
    SizeChanged(old, FRowCount);
    Invalidate();
}

void TCustomGrid::SetRowCount(int Value)
{
    Value = std::max(Value, 1);
    const int old = FRowCount;
    if (Value == old)
        return;
    FRowCount = Value;
    // The rows past the end are gone: the current row moves without asking
    // SelectCell, whose handler may look at what those rows showed.
    FRow = std::min(FRow, Value - 1);
    SizeChanged(ColCount(), old);
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SizeChanged(int, int) {}

void TCustomGrid::SetDefaultColWidth(int Value)
{
    FDefaultColWidth = std::max(Value, 0);
    std::fill(FColWidths.begin(), FColWidths.end(), FDefaultColWidth);
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int Value)
{
    Value = std::max(Value, 1);
    if (Value == FDefaultRowHeight)
        return;
    FDefaultRowHeight = Value;
    UpdateScrollRange();
    Invalidate();
}

int TCustomGrid::ColWidths(int Index) const
{
    CheckIndex(Index, 0);
    return FColWidths[size_t(Index)];
}

void TCustomGrid::SetColWidths(int Index, int Value)
{
    CheckIndex(Index, 0);
    FColWidths[size_t(Index)] = std::max(Value, 0);
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(int Value)
{
    FGridLineWidth = std::max(Value, 0);
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions Value)
{
    FOptions = Value;
    FScrollBar->setTracking(FOptions.Contains(goThumbTracking));
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value)
{
    FScrollBars = Value;
    UpdateScrollRange();
}

void TCustomGrid::SetDefaultDrawing(bool Value)
{
    FDefaultDrawing = Value;
    Invalidate();
}

void TCustomGrid::CheckIndex(int ACol, int ARow) const
{
    if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= FRowCount)
        throw EInvalidGridOperation(IndexOutOfRange);
}

void TCustomGrid::SetCol(int Value)
{
    FocusCell(Value, FRow);
}

void TCustomGrid::SetRow(int Value)
{
    FocusCell(FCol, Value);
}

void TCustomGrid::FocusCell(int ACol, int ARow)
{
    CheckIndex(ACol, ARow);
    if (!SelectCell(ACol, ARow))
        return;
    if (FOptions.Contains(goRowSelect) && ARow != FRow) {
        InvalidateCell(-1, FRow);
        InvalidateCell(-1, ARow);
    } else {
        InvalidateCell(FCol, FRow);
        InvalidateCell(ACol, ARow);
    }
    FCol = ACol;
    FRow = ARow;
    // In view: the top row follows a current row that left the rows shown.
    if (FRow < FTopRow)
        SetTopRow(FRow);
    else if (const int last = FTopRow + VisibleRowCount() - 1; FRow > last)
        SetTopRow(FRow - VisibleRowCount() + 1);
}

bool TCustomGrid::SelectCell(int, int)
{
    return true;
}

void TCustomGrid::TopLeftChanged() {}

int TCustomGrid::RowsThatFit() const
{
    return std::max(1, TCustomControl::ClientRect().Height() / RowPitch());
}

int TCustomGrid::MaxTopRow() const
{
    return std::max(0, FRowCount - RowsThatFit());
}

int TCustomGrid::VisibleRowCount() const
{
    return std::max(1, std::min(RowsThatFit(), FRowCount - FTopRow));
}

int TCustomGrid::VisibleColCount() const
{
    const int w = ClientWidth();
    int n = 0;
    for (int c = 0, x = 0; c < ColCount(); ++c) {
        x += FColWidths[size_t(c)] + VertLineWidth();
        if (x > w)
            break;
        ++n;
    }
    return std::max(n, 1);
}

void TCustomGrid::SetTopRow(int Value)
{
    Value = std::clamp(Value, 0, MaxTopRow());
    if (Value == FTopRow)
        return;
    FTopRow = Value;
    SyncScrollBar();
    Invalidate();
    TopLeftChanged();
}

int TCustomGrid::ColLeft(int ACol) const
{
    int x = 0;
    for (int c = 0; c < ACol; ++c)
        x += FColWidths[size_t(c)] + VertLineWidth();
    return x;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    if (ACol < 0 || ACol >= ColCount() || ARow < FTopRow || ARow >= FRowCount)
        return TRect{};
    const int y = (ARow - FTopRow) * RowPitch();
    const int x = ColLeft(ACol);
    if (y >= ClientHeight() || x >= ClientWidth())
        return TRect{};
    return Bounds(x, y, FColWidths[size_t(ACol)], FDefaultRowHeight);
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    ACol = -1;
    ARow = -1;
    if (X < 0 || Y < 0 || X >= ClientWidth() || Y >= ClientHeight())
        return;
    for (int c = 0, x = 0; c < ColCount(); ++c) {
        x += FColWidths[size_t(c)] + VertLineWidth();
        if (X < x) {
            ACol = c;
            break;
        }
    }
    const int r = FTopRow + Y / RowPitch();
    if (r < FRowCount)
        ARow = r;
}

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    // A whole row for ACol -1; the grid lines around the cell go with it.
    TRect r = CellRect(ACol < 0 ? 0 : ACol, ARow);
    if (r == TRect{} || !Widget())
        return;
    if (ACol < 0)
        r.Right = ClientWidth();
    const int b = BorderWidth();
    Widget()->update(r.Left + b, r.Top + b, r.Width() + VertLineWidth(), r.Height() + HorzLineWidth());
}

void TCustomGrid::UpdateScrollRange()
{
    const bool wanted = (FScrollBars == ssVertical || FScrollBars == ssBoth) && MaxTopRow() > 0;
    if (wanted != FScrollShown) {
        FScrollShown = wanted;
        FScrollBar->setVisible(wanted);
        Invalidate();
    }
    const int top = std::clamp(FTopRow, 0, MaxTopRow());
    if (top != FTopRow) {
        FTopRow = top;
        SyncScrollBar();
        Invalidate();
        TopLeftChanged();
        return;
    }
    SyncScrollBar();
}

void TCustomGrid::SyncScrollBar()
{
    const int b = BorderWidth();
    const int sw = GetSystemMetrics(SM_CXVSCROLL);
    FScrollBar->setGeometry(std::max(b, Width() - b - sw), b, sw, std::max(Height() - 2 * b, 0));
    FSyncing = true;
    FScrollBar->setRange(0, MaxTopRow());
    FScrollBar->setPageStep(RowsThatFit());
    FScrollBar->setValue(FTopRow);
    FSyncing = false;
}

void TCustomGrid::Resize()
{
    UpdateScrollRange();
    TCustomControl::Resize();
}

void TCustomGrid::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);

    const int lineH = HorzLineWidth();
    const int lineV = VertLineWidth();
    const bool focused = Focused();
    TColor lineColor = clSilver;
    if (ColorToRGB(Color()) == ColorToRGB(clSilver))
        lineColor = clGray;

    int y = 0;
    for (int r = FTopRow; r < FRowCount && y < client.Bottom; ++r, y += RowPitch()) {
        int x = 0;
        for (int col = 0; col < ColCount() && x < client.Right; ++col) {
            const TRect cell = Bounds(x, y, FColWidths[size_t(col)], FDefaultRowHeight);
            TGridDrawState state;
            const bool current = r == FRow && (col == FCol || FOptions.Contains(goRowSelect));
            if (current)
                state += gdSelected;
            if (r == FRow && col == FCol && focused)
                state += gdFocused;
            c.SetFont(Font());
            c.Brush()->SetStyle(bsSolid);
            c.Brush()->SetColor(Color());
            if (FDefaultDrawing) {
                // The focused cell shows as selected only where the options say so.
                if (state.Contains(gdSelected) &&
                    (!state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) ||
                     FOptions.Contains(goRowSelect))) {
                    c.Brush()->SetColor(clHighlight);
                    c.Font()->SetColor(clHighlightText);
                }
                c.FillRect(cell);
            }
            DrawCell(col, r, cell, state);
            if (FDefaultDrawing && state.Contains(gdFocused) && !FOptions.Contains(goRowSelect))
                c.DrawFocusRect(cell);
            c.Brush()->SetStyle(bsSolid);
            c.Brush()->SetColor(lineColor);
            if (lineV)
                c.FillRect(Bounds(cell.Right, y, lineV, FDefaultRowHeight + lineH));
            if (lineH)
                c.FillRect(Bounds(x, cell.Bottom, cell.Width() + lineV, lineH));
            x = cell.Right + lineV;
        }
    }
}

int TCustomGrid::SizingColAt(int X) const
{
    if (!FOptions.Contains(goColSizing))
        return -1;
    for (int c = 0, x = 0; c < ColCount(); ++c) {
        x += FColWidths[size_t(c)];
        if (X >= x - SizingSlop && X <= x + VertLineWidth() + SizingSlop)
            return c;
        x += VertLineWidth();
    }
    return -1;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && !IsDesigning()) {
        if (CanFocus() && !Focused())
            SetFocus();
        if (int c = SizingColAt(X); c >= 0) {
            FSizingCol = c;
        } else {
            int col, row;
            MouseToCell(X, Y, col, row);
            if (col >= 0 && row >= 0) {
                FSelecting = true;
                FocusCell(col, row);
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FSizingCol >= 0) {
        SetColWidths(FSizingCol, X - ColLeft(FSizingCol));
    } else if (FSelecting && Shift.Contains(ssLeft)) {
        int col, row;
        MouseToCell(X, Y, col, row);
        if (col >= 0 && row >= 0 && (row != FRow || (col != FCol && !FOptions.Contains(goRowSelect))))
            FocusCell(col, row);
    } else if (!IsDesigning()) {
        // The sizing cursor over a column's edge; the control's own elsewhere.
        const bool over = SizingColAt(X) >= 0;
        if (over != FSizeCursor) {
            FSizeCursor = over;
            if (over)
                Widget()->setCursor(Qt::SplitHCursor);
            else
                SetCursor(Cursor());
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        FSizingCol = -1;
        FSelecting = false;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const bool ctrl = Shift.Contains(ssCtrl);
    int row = FRow;
    int col = FCol;
    switch (Key) {
    case VK_UP: row = FRow - 1; break;
    case VK_DOWN: row = FRow + 1; break;
    case VK_PRIOR: row = FRow - VisibleRowCount(); break;
    case VK_NEXT: row = FRow + VisibleRowCount(); break;
    case VK_HOME:
        if (ctrl)
            row = 0;
        else
            col = 0;
        break;
    case VK_END:
        if (ctrl)
            row = FRowCount - 1;
        else
            col = ColCount() - 1;
        break;
    case VK_LEFT: col = FCol - 1; break;
    case VK_RIGHT: col = FCol + 1; break;
    default: return;
    }
    if (FOptions.Contains(goRowSelect))
        col = FCol;
    row = std::clamp(row, 0, FRowCount - 1);
    col = std::clamp(col, 0, ColCount() - 1);
    if (row != FRow || col != FCol)
        FocusCell(col, row);
    Key = 0;
}

void TCustomGrid::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEWHEEL && !IsDesigning()) {
        const int delta = qint16(quint16((quint64(Message.WParam) >> 16) & 0xFFFF));
        // Whole notches; a fraction still moves one row in its direction.
        int rows = delta / 120 * WheelRows;
        if (rows == 0 && delta)
            rows = delta > 0 ? 1 : -1;
        SetTopRow(FTopRow - rows);
        Message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// TDrawGrid

const TClassInfo& TDrawGrid::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TDrawGrid>("TDrawGrid")
            .Prop("ColCount", &TDrawGrid::ColCount, &TDrawGrid::SetColCount).Default(5)
            .Prop("DefaultColWidth", &TDrawGrid::DefaultColWidth, &TDrawGrid::SetDefaultColWidth).Default(64)
            .Prop("DefaultDrawing", &TDrawGrid::DefaultDrawing, &TDrawGrid::SetDefaultDrawing).Default(1)
            .Prop("DefaultRowHeight", &TDrawGrid::DefaultRowHeight, &TDrawGrid::SetDefaultRowHeight).Default(24)
            .Prop("GridLineWidth", &TDrawGrid::GridLineWidth, &TDrawGrid::SetGridLineWidth).Default(1)
            .Prop("Options", &TDrawGrid::Options, &TDrawGrid::SetOptions)
            .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}.Mask())
            .Prop("RowCount", &TDrawGrid::RowCount, &TDrawGrid::SetRowCount).Default(5)
            .Prop("ScrollBars", &TDrawGrid::ScrollBars, &TDrawGrid::SetScrollBars).Default(ssBoth)
            .Prop("OnDrawCell", &TDrawGrid::OnDrawCell)
            .Prop("OnSelectCell", &TDrawGrid::OnSelectCell)
            .Build();
    return info;
}

TDrawGrid::TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

void TDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(int ACol, int ARow)
{
    bool can = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, can);
    return can;
}

// ---------------------------------------------------------------------------
// TStringGrid

const TClassInfo& TStringGrid::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStringGrid>("TStringGrid").Build();
    return info;
}

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

QString TStringGrid::Cells(int ACol, int ARow) const
{
    const auto it = FCells.find({ACol, ARow});
    return it == FCells.end() ? QString() : it->second;
}

void TStringGrid::SetCells(int ACol, int ARow, const QString& Value)
{
    if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount())
        throw EInvalidGridOperation(IndexOutOfRange);
    if (Value.isEmpty())
        FCells.erase({ACol, ARow});
    else
        FCells[{ACol, ARow}] = Value;
    InvalidateCell(ACol, ARow);
}

void TStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    TDrawGrid::SizeChanged(OldColCount, OldRowCount);
    std::erase_if(FCells, [this](const auto& Cell) {
        return Cell.first.first >= ColCount() || Cell.first.second >= RowCount();
    });
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing())
        Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

} // namespace classlib
