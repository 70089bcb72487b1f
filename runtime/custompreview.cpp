#include "runtime/custompreview.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/bitmap.h"

#include <QCursor>

#include <algorithm>

namespace runtime {

using namespace classlib;

namespace {

const char* const SPreviewPages = "Pages %d - %d";
constexpr unsigned WM_PREVIEW_UPDATE_SCROLLBARS = WM_USER + 1;

// The page buttons' glyphs, 8 x 8: two stacked black triangles on a
// background that the button leaves transparent (the bottom-left pixel).
void LoadGlyph(TBitmap& Bitmap, const QString& Name)
{
    const bool up = Name == QLatin1String("BMP_PRIVEW_PGUP");
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(qRgb(0xC0, 0xC0, 0xC0));
    // Triangle rows from the tip: widths 1, 3, 5 centred on column 3.
    for (int t = 0; t < 2; ++t)
        for (int i = 0; i < 3; ++i) {
            const int row = up ? 1 + 4 * t + i : 4 * t + 2 - i;
            for (int x = 3 - i; x <= 3 + i; ++x)
                img.setPixel(x, row, qRgb(0, 0, 0));
        }
    Bitmap.SetImage(img);
    Bitmap.SetPixelFormat(pf4bit);
}

int PixelOffset(const TScrollBar* Bar)
{
    if (Bar->Max() < Bar->PageSize())
        return 0;
    return -std::min(Bar->Position(), Bar->Max() - Bar->PageSize() + 1);
}

} // namespace

// ---------------------------------------------------------------------------
// TPreviewLeaf

const TClassInfo& TPreviewLeaf::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPreviewLeaf>("TPreviewLeaf").Build();
    return info;
}

TPreviewLeaf::TPreviewLeaf(TCustomPreview* AOwner) : TCustomControl(AOwner), FPreview(AOwner)
{
    SetControlStyle({csClickEvents, csDoubleClicks, csOpaque, csNoDesignVisible});
    SetVisible(false);
}

void TPreviewLeaf::SetPageIndex(int Index)
{
    const bool updating = FPreview->UpdateCount() > 0;
    if (Index != FPageIndex) {
        FPageIndex = Index;
        if (!updating)
            Invalidate();
    }
    if (!updating)
        SetVisible(FPageIndex >= 0 && FPageIndex < FPreview->PageCount());
}

void TPreviewLeaf::Paint()
{
    TCanvas& c = *Canvas();
    const int w = Width(), h = Height(), b = PreviewBorder;
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetColor(clBlack);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clWhite);
    c.Rectangle(0, 0, w - b, h - b);
    c.Brush()->SetColor(clBlack);
    c.FillRect(Rect(w - b, b, w, h));
    c.FillRect(Rect(b, h - b, w, h));
    c.Brush()->SetColor(FPreview->BackColor());
    c.FillRect(Rect(w - b, 0, w, b));
    c.FillRect(Rect(0, h - b, b, h));
    // A paint that comes while the page count is changing (the layout is
    // suspended) must not ask for a page that no longer exists.
    if (FPageIndex >= 0 && FPageIndex < FPreview->PageCount())
        FPreview->PaintPage(this);
}

// ---------------------------------------------------------------------------
// TPreviewDesktop

const TClassInfo& TPreviewDesktop::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPreviewDesktop>("TPreviewDesktop").Build();
    return info;
}

TPreviewDesktop::TPreviewDesktop(TComponent* AOwner) : TCustomPanel(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csAcceptsControls});
}

// ---------------------------------------------------------------------------
// TCustomPreview

const TClassInfo& TCustomPreview::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomPreview>("TCustomPreview")
        .Method("PageUpClick", &TCustomPreview::PageUpClick)
        .Method("PageDownClick", &TCustomPreview::PageDownClick)
        .Build();
    return info;
}

TCustomPreview::TCustomPreview(TComponent* AOwner) : TCustomPanel(AOwner)
{
    SetControlStyle({csClickEvents, csDoubleClicks, csOpaque});
    SetBorderStyle(bsSingle);
    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
    SetFullRepaint(false);
    CreateChildren();
    ResetScroll();
    if (IsDesigning())
        for (TComponent* c : {static_cast<TComponent*>(FHorzBar), static_cast<TComponent*>(FVertBar),
                              static_cast<TComponent*>(FPageUp), static_cast<TComponent*>(FPageDown),
                              static_cast<TComponent*>(FScrollHint)})
            c->SetDesigning(false);
    FPageCursor = Cursor();
    SetHeight(140);
}

TCustomPreview::~TCustomPreview()
{
    Destroying();
    SetLeafCount(0);
}

void TCustomPreview::CreateChildren()
{
    FDesktop = new TPreviewDesktop(this);
    FDesktop->SetBevelInner(bvNone);
    FDesktop->SetBevelOuter(bvNone);
    FDesktop->SetFullRepaint(false);
    FDesktop->SetColor(clAppWorkSpace);
    FDesktop->SetParent(this);

    FOrigin = new TPanel(this);
    FOrigin->SetBevelInner(bvNone);
    FOrigin->SetBevelOuter(bvNone);
    FOrigin->SetParentColor(true);
    FOrigin->SetParent(FDesktop);

    auto makeBar = [this](TScrollBarKind Kind, void (TCustomPreview::*Handler)(TScrollCode, int&)) {
        auto* bar = new TScrollBar(this);
        bar->SetKind(Kind);
        bar->SetParent(this);
        bar->OnScroll = [this, Handler](TObject*, TScrollCode Code, int& Pos) { (this->*Handler)(Code, Pos); };
        bar->SetEnabled(false);
        return bar;
    };
    FHorzBar = makeBar(sbHorizontal, &TCustomPreview::HScroll);
    FVertBar = makeBar(sbVertical, &TCustomPreview::VScroll);

    auto makeButton = [this](const char* Glyph, const char16_t* Handler) {
        auto* button = new TSpeedButton(this);
        LoadGlyph(*button->Glyph(), QString::fromLatin1(Glyph));
        button->OnClick = TMethod{TCustomPreview::StaticClass().FindMethod(Handler), this};
        button->SetParent(this);
        return button;
    };
    FPageUp = makeButton("BMP_PRIVEW_PGUP", u"PageUpClick");
    FPageDown = makeButton("BMP_PRIVEW_PGDN", u"PageDownClick");

    FScrollHint = new TStaticText(this);
    FScrollHint->SetColor(clInfoBk);
    FScrollHint->Font()->SetColor(clInfoText);
    FScrollHint->SetStaticBorderStyle(sbsSingle);
    FScrollHint->SetAutoSize(true);
    FScrollHint->SetVisible(false);
    FScrollHint->SetParent(this);
}

void TCustomPreview::PlaceChildren()
{
    const int w = GetSystemMetrics(SM_CXVSCROLL);
    const int h = GetSystemMetrics(SM_CYHSCROLL);
    const int cw = ClientWidth(), ch = ClientHeight();
    FDesktop->SetBounds(0, 0, cw - w, ch - h);
    FHorzBar->SetBounds(0, ch - h, cw - w, h);
    FVertBar->SetBounds(cw - w, 0, w, ch - 3 * h);
    FPageUp->SetBounds(cw - w + 1, ch - 3 * h, w - 1, h);
    FPageDown->SetBounds(cw - w + 1, ch - 2 * h, w - 1, h);
}

void TCustomPreview::Resize()
{
    TCustomPanel::Resize();
    if (!FDesktop)
        return;  // during construction
    PlaceChildren();
    Rebuild();
}

void TCustomPreview::Loaded()
{
    TCustomPanel::Loaded();
    if (IsDesigning())
        Resize();
}

void TCustomPreview::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_PREVIEW_UPDATE_SCROLLBARS)
        UpdateScrollBars();
    else
        TCustomPanel::WndProc(Message);
}

void TCustomPreview::SetZoom(double Value)
{
    if (Value == FZoom)
        return;
    FZoom = Value;
    ResetScroll();
    Rebuild();
}

void TCustomPreview::SetColumns(int Value)
{
    if (Value == FColumns)
        return;
    FColumns = Value;
    ResetScroll();
    Rebuild();
}

void TCustomPreview::SetRows(int Value)
{
    if (Value == FRows)
        return;
    FRows = Value;
    ResetScroll();
    Rebuild();
}

void TCustomPreview::SetPageWidth(int Value)
{
    if (Value == FPageWidth)
        return;
    FPageWidth = Value;
    ResetScroll();
    Rebuild();
}

void TCustomPreview::SetPageHeight(int Value)
{
    if (Value == FPageHeight)
        return;
    FPageHeight = Value;
    ResetScroll();
    Rebuild();
}

void TCustomPreview::SetPreviewStyle(TPreviewStyle Value)
{
    if (Value == FPreviewStyle)
        return;
    FPreviewStyle = Value;
    Rebuild();
}

void TCustomPreview::SetPageCount(int Value)
{
    if (Value == FPageCount)
        return;
    FPageCount = Value;
    Rebuild();
    SetTopLine(0);
}

void TCustomPreview::SetPageCursor(TCursor Value)
{
    FPageCursor = Value;
    for (TPreviewLeaf* leaf : FLeaves)
        leaf->SetCursor(Value);
}

TColor TCustomPreview::BackColor() const
{
    return FDesktop->Color();
}

void TCustomPreview::SetBackColor(TColor Value)
{
    FDesktop->SetColor(Value);
    InvalidatePages();  // the sheet corners show it
}

void TCustomPreview::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Rebuild();
}

int TCustomPreview::MaxTopLine() const
{
    return std::max(FLayout.LineCount - FLayout.Rows, 0);
}

void TCustomPreview::NextPage()
{
    int line = FTopLine + FLayout.Rows;
    if (FLayout.LineCount - FLayout.Rows < line)
        line = MaxTopLine();
    SetTopLine(line);
    UpdateScrollBars();
}

void TCustomPreview::PrevPage()
{
    SetTopLine(std::max(FTopLine - FLayout.Rows, 0));
    UpdateScrollBars();
}

void TCustomPreview::FirstLine()
{
    SetTopLine(0);
    UpdateScrollBars();
}

void TCustomPreview::LastLine()
{
    SetTopLine(MaxTopLine());
    UpdateScrollBars();
}

void TCustomPreview::SetCurrentPage(int Page)
{
    if (FLayout.Columns > 0)
        SetTopLine(Page / FLayout.Columns);
}

void TCustomPreview::InvalidatePages()
{
    for (TPreviewLeaf* leaf : FLeaves)
        leaf->Invalidate();
}

void TCustomPreview::PaintPage(TPreviewLeaf* Leaf)
{
    if (OnDrawPage)
        OnDrawPage(this, Leaf->Canvas(), Leaf->PageIndex() + 1, Leaf->ClientRect());
}

bool TCustomPreview::IsRowScroll() const
{
    return IsPreviewRowScroll(FLayout, FDesktop->ClientHeight());
}

void TCustomPreview::CalcLayout()
{
    TPreviewLayoutInput in;
    in.Style = FPreviewStyle;
    in.ClientWidth = FDesktop->ClientWidth();
    in.ClientHeight = FDesktop->ClientHeight();
    in.PageWidth = FPageWidth;
    in.PageHeight = FPageHeight;
    in.Columns = FColumns;
    in.Rows = FRows;
    in.Zoom = FZoom;
    in.PageCount = FPageCount;
    FLayout = CalcPreviewLayout(in);
    if (FLayout.ZoomRaised)
        FZoom = FLayout.Zoom;  // without a further layout
}

void TCustomPreview::Rebuild()
{
    if (IsLoading() || IsDestroying() || FUpdateCount > 0)
        return;
    const int first = CurrentPage();
    CalcLayout();
    UpdateScrollBars();

    const int dw = FDesktop->ClientWidth(), dh = FDesktop->ClientHeight();
    const int dx = std::max((dw - FLayout.GridWidth) / 2, PreviewGap);
    const int dy = std::max((dh - FLayout.GridHeight) / 2, PreviewGap);
    FOrigin->SetBounds(PixelOffset(FHorzBar), IsRowScroll() ? 0 : PixelOffset(FVertBar), 1, 1);

    SetLeafCount(FLayout.Rows * FLayout.Columns);
    const int x0 = dx + FOrigin->Left();
    int x = x0;
    int y = dy + FOrigin->Top();
    for (int i = 0; i < FLeaves.size(); ++i) {
        FLeaves[i]->SetBounds(x, y, FLayout.LeafWidth + PreviewBorder, FLayout.LeafHeight + PreviewBorder);
        if ((i + 1) % FLayout.Columns == 0) {
            x = x0;
            y += FLayout.LeafHeight + PreviewBorder + PreviewGap;
        } else {
            x += FLayout.LeafWidth + PreviewBorder + PreviewGap;
        }
    }
    SetTopLine(first / FLayout.Columns);
    PostMessage(this, WM_PREVIEW_UPDATE_SCROLLBARS);
}

void TCustomPreview::ResetScroll()
{
    if (IsLoading())
        return;
    FHorzBar->SetPosition(0);
    FVertBar->SetPosition(0);
    FOrigin->SetBounds(0, 0, 1, 1);
}

void TCustomPreview::SetLeafCount(int Count)
{
    while (FLeaves.size() > Count)
        delete FLeaves.takeLast();
    while (FLeaves.size() < Count) {
        auto* leaf = new TPreviewLeaf(this);
        leaf->SetCursor(FPageCursor);
        FLeaves.append(leaf);
        leaf->SetParent(FDesktop);
    }
}

void TCustomPreview::SetTopLine(int Line)
{
    Line = std::max(std::min(Line, FLayout.LineCount - FLayout.Rows), 0);
    for (int i = 0; i < FLeaves.size(); ++i)
        FLeaves[i]->SetPageIndex(i + Line * FLayout.Columns);
    FTopLine = Line;
    if (OnPageChanged)
        OnPageChanged(this);
}

void TCustomPreview::UpdateScrollBars()
{
    const int dw = FDesktop->ClientWidth(), dh = FDesktop->ClientHeight();
    if (IsRowScroll()) {
        FVertBar->SetLargeChange(FLayout.Rows);
        FVertBar->SetSmallChange(1);
        // The thumb reaches Max - PageSize + 1: with a page of Rows lines the
        // maximum must be MaxTopLine + Rows - 1 to reach the last top line.
        SetScrollParams(FVertBar, FLayout.Rows, MaxTopLine() + FLayout.Rows - 1, FTopLine);
    } else {
        FVertBar->SetLargeChange(dh);
        FVertBar->SetSmallChange(dh / 10);
        SetScrollParams(FVertBar, dh, 2 * PreviewGap + FLayout.GridHeight, FVertBar->Position());
    }
    FPageUp->SetEnabled(FTopLine > 0);
    FPageDown->SetEnabled(FTopLine + FLayout.Rows < FLayout.LineCount);
    FHorzBar->SetLargeChange(dw);
    FHorzBar->SetSmallChange(dw / 10);
    SetScrollParams(FHorzBar, dw, 2 * PreviewGap + FLayout.GridWidth, FHorzBar->Position());
}

void TCustomPreview::SetScrollParams(TScrollBar* Bar, int PageSize, int MaxValue, int Position)
{
    Bar->SetTag(PageSize);
    Bar->SetParams(Position, 0, MaxValue);
    Bar->SetPageSize(PageSize, true);
}

void TCustomPreview::VScroll(TScrollCode Code, int& ScrollPos)
{
    if (Code == scTrack) {
        if (IsRowScroll())
            ShowScrollHint(ScrollPos);
    } else if (Code == scEndScroll) {
        FScrollHint->Hide();
        if (IsRowScroll()) {
            ScrollPos = std::min(ScrollPos, MaxTopLine());
            SetTopLine(ScrollPos);
        } else {
            ScrollPos = std::min(ScrollPos, FVertBar->Max() - FVertBar->PageSize() + 1);
            FDesktop->ScrollBy(0, -FOrigin->Top() - ScrollPos);
        }
    }
}

void TCustomPreview::HScroll(TScrollCode Code, int& ScrollPos)
{
    if (Code != scEndScroll)
        return;
    ScrollPos = std::min(ScrollPos, FHorzBar->Max() - FHorzBar->PageSize() + 1);
    FDesktop->ScrollBy(-FOrigin->Left() - ScrollPos, 0);
}

void TCustomPreview::ShowScrollHint(int Line)
{
    if (IsDesigning() || !FShowPageHint)
        return;
    const QPoint global = QCursor::pos();
    const TPoint mouse = ScreenToClient(Point(global.x(), global.y()));
    FScrollHint->SetCaption(GetScrollHintText(Line));
    const int top = FVertBar->Top();
    const int bottom = top + FVertBar->Height() - FScrollHint->Height();
    FScrollHint->SetBounds(FVertBar->Left() - FScrollHint->Width() - 5,
                           std::max(std::min(mouse.Y, bottom), top), FScrollHint->Width(),
                           FScrollHint->Height());
    FScrollHint->Show();
    FScrollHint->BringToFront();
}

QString TCustomPreview::GetScrollHintText(int Line)
{
    Line = std::min(Line, MaxTopLine());
    const int from = Line * FLayout.Columns + 1;
    const int to = std::min(from + FLayout.Columns * FLayout.Rows - 1, FPageCount);
    QString text = Format(QString::fromLatin1(SPreviewPages), {from, to});
    if (OnGetScrollHint)
        OnGetScrollHint(this, from, to, text);
    return text;
}

} // namespace runtime
