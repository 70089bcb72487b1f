#pragma once

// Grids: columns of cells in rows of one height, scrolled vertically a whole
// row at a time (the first column always shows; there is no horizontal
// scrolling and no fixed rows or columns). TDrawGrid leaves the cells'
// content to OnDrawCell; TStringGrid keeps a text per cell.

#include "classlib/controls/control.h"
#include "classlib/controls/scrollstyle.h"
#include "classlib/core/sysutils.h"

#include <map>
#include <utility>
#include <vector>

class QScrollBar;

namespace classlib {

QX_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
        goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs,
        goRowSelect, goAlwaysShowEditor, goThumbTracking)
using TGridOptions = TSet<TGridOption>;
QX_ENUM(TGridDrawStateItem, gdSelected, gdFocused, gdFixed)
using TGridDrawState = TSet<TGridDrawStateItem>;

using TDrawCellEvent = TEvent<TObject* /*Sender*/, int /*ACol*/, int /*ARow*/, TRect /*Rect*/,
                              TGridDrawState /*State*/>;
using TSelectCellEvent = TEvent<TObject* /*Sender*/, int /*ACol*/, int /*ARow*/, bool& /*CanSelect*/>;

// "Grid index out of range": a column or row that the grid does not have.
class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

class TCustomGrid : public TCustomControl {
    QX_CLASS(TCustomGrid, TCustomControl)
public:
    explicit TCustomGrid(TComponent* AOwner);

    // At least one column and one row; fewer rows keep Row among them.
    int ColCount() const { return int(FColWidths.size()); }
    void SetColCount(int Value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int Value);

    // Setting the default width gives every column that width.
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    int ColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);

    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value);
    // Only the vertical part is honoured: grids do not scroll sideways.
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    // Fills each cell (highlighted when selected) before DrawCell.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);

    // The current cell. Moving it asks SelectCell first, then scrolls it
    // into view.
    int Col() const { return FCol; }
    void SetCol(int Value);
    int Row() const { return FRow; }
    void SetRow(int Value);

    // The first row shown; kept between 0 and the last top row that still
    // fills the grid. A change calls TopLeftChanged.
    int TopRow() const { return FTopRow; }
    void SetTopRow(int Value);
    int LeftCol() const { return 0; }
    // Rows shown whole from TopRow on (at least one).
    int VisibleRowCount() const;
    int VisibleColCount() const;

    // The cell's rectangle in client coordinates, without its grid lines;
    // the empty rectangle for a cell that is not shown.
    TRect CellRect(int ACol, int ARow) const;
    // The cell at a client point; -1 for a coordinate outside every cell.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

    TRect ClientRect() const override;

protected:
    // Draws one cell on Canvas(); the brush and font are set (highlight
    // colours for a selected cell while DefaultDrawing).
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
    // Whether the cell may become the current one.
    virtual bool SelectCell(int ACol, int ARow);
    // After TopRow changed.
    virtual void TopLeftChanged();
    // After ColCount or RowCount changed.
    virtual void SizeChanged(int OldColCount, int OldRowCount);

    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;

    // Repaints a cell, or row ARow for ACol -1.
    void InvalidateCell(int ACol, int ARow);

private:
    int RowPitch() const { return FDefaultRowHeight + HorzLineWidth(); }
    int HorzLineWidth() const { return FOptions.Contains(goHorzLine) ? FGridLineWidth : 0; }
    int VertLineWidth() const { return FOptions.Contains(goVertLine) ? FGridLineWidth : 0; }
    int ColLeft(int ACol) const;
    int RowsThatFit() const;
    int MaxTopRow() const;
    // The column whose right grid line is at X (for sizing), or -1.
    int SizingColAt(int X) const;
    void FocusCell(int ACol, int ARow);
    void CheckIndex(int ACol, int ARow) const;
    // Scroll bar and TopRow after a change of size, rows or heights.
    void UpdateScrollRange();
    void SyncScrollBar();

    std::vector<int> FColWidths;
    int FRowCount = 5;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    int FGridLineWidth = 1;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TScrollStyle FScrollBars = ssBoth;
    bool FDefaultDrawing = true;
    int FCol = 0;
    int FRow = 0;
    int FTopRow = 0;
    QScrollBar* FScrollBar;
    bool FScrollShown = false;
    bool FSyncing = false;
    int FSizingCol = -1;
    bool FSizeCursor = false;
    bool FSelecting = false;
};

class TDrawGrid : public TCustomGrid {
    QX_CLASS(TDrawGrid, TCustomGrid)
public:
    explicit TDrawGrid(TComponent* AOwner);

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
};

class TStringGrid : public TDrawGrid {
    QX_CLASS(TStringGrid, TDrawGrid)
public:
    explicit TStringGrid(TComponent* AOwner);

    // Cells outside the grid read empty; writing one raises
    // EInvalidGridOperation. Cells that fall off when the grid shrinks go.
    QString Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const QString& Value);

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;

private:

    std::map<std::pair<int, int>, QString> FCells;
};

} // namespace classlib
