#pragma once

// The multi-page preview: equally sized pages side by side in a grid of
// rows and columns, scaled by a zoom, on a work-space coloured desktop with
// scroll bars, two page buttons and a hint naming the pages a scroll
// position shows. It knows nothing of reports: it is told the page count
// and size, and PaintPage (or OnDrawPage) draws each page.

#include "runtime/previewlayout.h"

#include "classlib/controls/control.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/scrollbar.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/controls/statictext.h"

#include <QList>

#include <functional>

namespace runtime {

using classlib::TCanvas;
using classlib::TColor;
using classlib::TComponent;
using classlib::TCursor;
using classlib::TObject;
using classlib::TRect;

class TCustomPreview;

QX_EVENT(TGetScrollHintEvent, TObject* /*Sender*/, int /*FromPage*/, int /*ToPage*/,
         QString& /*Text*/)
using TDrawPageEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int PageNumber,
                                          const TRect& Rect)>;

// One page slot of the grid: the sheet with its shadow, and the page.
class TPreviewLeaf : public classlib::TCustomControl {
    QX_CLASS(TPreviewLeaf, classlib::TCustomControl)
public:
    explicit TPreviewLeaf(TCustomPreview* AOwner);

    TCustomPreview* Preview() const { return FPreview; }
    // -1: none.
    int PageIndex() const { return FPageIndex; }
    void SetPageIndex(int Index);

protected:
    void Paint() override;

private:
    TCustomPreview* FPreview;
    int FPageIndex = -1;
};

// The scrolling area that holds the leaves.
class TPreviewDesktop : public classlib::TCustomPanel {
    QX_CLASS(TPreviewDesktop, classlib::TCustomPanel)
public:
    explicit TPreviewDesktop(TComponent* AOwner);
};

class TCustomPreview : public classlib::TCustomPanel {
    QX_CLASS(TCustomPreview, classlib::TCustomPanel)
public:
    explicit TCustomPreview(TComponent* AOwner);
    ~TCustomPreview() override;

    double Zoom() const { return FZoom; }
    void SetZoom(double Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    int Rows() const { return FRows; }
    void SetRows(int Value);
    TPreviewStyle PreviewStyle() const { return FPreviewStyle; }
    void SetPreviewStyle(TPreviewStyle Value);
    bool ShowPageHint() const { return FShowPageHint; }
    void SetShowPageHint(bool Value) { FShowPageHint = Value; }
    TCursor PageCursor() const { return FPageCursor; }
    void SetPageCursor(TCursor Value);
    TColor BackColor() const;
    void SetBackColor(TColor Value);

    // Pixels at zoom 1.
    int PageWidth() const { return FPageWidth; }
    void SetPageWidth(int Value);
    int PageHeight() const { return FPageHeight; }
    void SetPageHeight(int Value);
    int PageCount() const { return FPageCount; }
    void SetPageCount(int Value);

    // Layout waits until the matching EndUpdate.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    void NextPage();
    void PrevPage();
    void FirstLine();
    void LastLine();
    int MaxTopLine() const;
    int TopLine() const { return FTopLine; }
    // The 0-based index of the first shown page.
    int CurrentPage() const { return FTopLine * FLayout.Columns; }
    void SetCurrentPage(int Page);

    void InvalidatePages();
    void UpdateScrollBars();
    // The text the hint shows for a top line (see OnGetScrollHint).
    QString GetScrollHintText(int Line);

    // What the last layout decided.
    const TPreviewLayout& Layout() const { return FLayout; }
    int LineCount() const { return FLayout.LineCount; }
    bool IsRowScroll() const;
    int LeafCount() const { return int(FLeaves.size()); }
    TPreviewLeaf* Leaves(int Index) const { return FLeaves.at(Index); }
    TPreviewDesktop* Desktop() const { return FDesktop; }
    classlib::TScrollBar* HorzScrollBar() const { return FHorzBar; }
    classlib::TScrollBar* VertScrollBar() const { return FVertBar; }
    classlib::TSpeedButton* PageUpButton() const { return FPageUp; }
    classlib::TSpeedButton* PageDownButton() const { return FPageDown; }
    classlib::TStaticText* ScrollHint() const { return FScrollHint; }
    classlib::TPanel* OriginMarker() const { return FOrigin; }

    // Called by the base PaintPage; not published.
    TDrawPageEvent OnDrawPage;
    TGetScrollHintEvent OnGetScrollHint;
    // Fired by every change of the top line, also when nothing changed.
    classlib::TNotifyEvent OnPageChanged;

    void Loaded() override;
    void WndProc(classlib::TMessage& Message) override;

protected:
    friend class TPreviewLeaf;

    // Draws the leaf's page on the leaf's canvas.
    virtual void PaintPage(TPreviewLeaf* Leaf);
    // The bar enables itself only while MaxValue exceeds PageSize.
    virtual void SetScrollParams(classlib::TScrollBar* Bar, int PageSize, int MaxValue, int Position);
    void Resize() override;

private:
    void CreateChildren();
    void PlaceChildren();
    void CalcLayout();
    void Rebuild();
    void ResetScroll();
    void SetLeafCount(int Count);
    void SetTopLine(int Line);
    void ShowScrollHint(int Line);
    void VScroll(classlib::TScrollCode Code, int& ScrollPos);
    void HScroll(classlib::TScrollCode Code, int& ScrollPos);

    TPreviewDesktop* FDesktop = nullptr;
    classlib::TScrollBar* FHorzBar = nullptr;
    classlib::TScrollBar* FVertBar = nullptr;
    classlib::TSpeedButton* FPageUp = nullptr;
    classlib::TSpeedButton* FPageDown = nullptr;
    classlib::TStaticText* FScrollHint = nullptr;
    classlib::TPanel* FOrigin = nullptr;
    QList<TPreviewLeaf*> FLeaves;
    TPreviewLayout FLayout;
    TPreviewStyle FPreviewStyle = psLayout;
    int FTopLine = -1;
    int FPageWidth = 210;
    int FPageHeight = 270;
    int FPageCount = 0;
    double FZoom = 1.0;
    int FColumns = 1;
    int FRows = 1;
    bool FShowPageHint = true;
    TCursor FPageCursor = classlib::crDefault;
    int FUpdateCount = 0;
};

} // namespace runtime
