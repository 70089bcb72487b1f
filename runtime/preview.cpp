#include "runtime/preview.h"

#include "runtime/report.h"

#include "classlib/controls/menus.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/metafile.h"

namespace runtime {

using namespace classlib;

const TClassInfo& TQXPreview::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXPreview>("TQXPreview")
        .Prop("Report", &TQXPreview::Report, &TQXPreview::SetReport)
        .Prop("BackColor", &TQXPreview::BackColor, &TQXPreview::SetBackColor).Default(clAppWorkSpace)
        .Prop("Zoom", &TQXPreview::Zoom, &TQXPreview::SetZoom)
        .Prop("Columns", &TQXPreview::Columns, &TQXPreview::SetColumns)
        .Prop("Rows", &TQXPreview::Rows, &TQXPreview::SetRows)
        .Prop("ShowPageHint", &TQXPreview::ShowPageHint, &TQXPreview::SetShowPageHint)
        .Prop("PageCursor", &TQXPreview::PageCursor, &TQXPreview::SetPageCursor)
        .Prop("PreviewStyle", &TQXPreview::PreviewStyle, &TQXPreview::SetPreviewStyle)
        .Prop<TGetScrollHintEvent>("OnGetScrollHint", &TQXPreview::OnGetScrollHint)
        .Prop("Align", &TQXPreview::Align, &TQXPreview::SetAlign).Default(alNone)
        .Prop("BorderStyle", &TQXPreview::BorderStyle, &TQXPreview::SetBorderStyle)
        .Prop("DragCursor", &TQXPreview::DragCursor, &TQXPreview::SetDragCursor).Default(crDrag)
        .Prop("DragMode", &TQXPreview::DragMode, &TQXPreview::SetDragMode).Default(dmManual)
        .Prop("Enabled", &TQXPreview::Enabled, &TQXPreview::SetEnabled)
        .Prop("Color", &TQXPreview::Color, &TQXPreview::SetColor)
        .Prop("Ctl3D", &TQXPreview::Ctl3D, &TQXPreview::SetCtl3D).StoredIf(&TQXPreview::IsCtl3DStored)
        .Prop("ParentColor", &TQXPreview::ParentColor, &TQXPreview::SetParentColor)
        .Prop("ParentCtl3D", &TQXPreview::ParentCtl3D, &TQXPreview::SetParentCtl3D).Default(true)
        .Prop("ParentShowHint", &TQXPreview::ParentShowHint, &TQXPreview::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TQXPreview::PopupMenu, &TQXPreview::SetPopupMenu)
        .Prop("ShowHint", &TQXPreview::ShowHint, &TQXPreview::SetShowHint).StoredIf(&TQXPreview::IsShowHintStored)
        .Prop("Visible", &TQXPreview::Visible, &TQXPreview::SetVisible)
        .Prop<TNotifyEvent>("OnClick", &TQXPreview::OnClick)
        .Prop<TNotifyEvent>("OnDblClick", &TQXPreview::OnDblClick)
        .Prop<TDragDropEvent>("OnDragDrop", &TQXPreview::OnDragDrop)
        .Prop<TDragOverEvent>("OnDragOver", &TQXPreview::OnDragOver)
        .Prop<TEndDragEvent>("OnEndDrag", &TQXPreview::OnEndDrag)
        .Prop<TMouseEvent>("OnMouseDown", &TQXPreview::OnMouseDown)
        .Prop<TMouseMoveEvent>("OnMouseMove", &TQXPreview::OnMouseMove)
        .Prop<TMouseEvent>("OnMouseUp", &TQXPreview::OnMouseUp)
        .Prop<TNotifyEvent>("OnResize", &TQXPreview::OnResize)
        .Prop<TNotifyEvent>("OnPageChanged", &TQXPreview::OnPageChanged)
        .Build();
    return info;
}

TQXPreview::TQXPreview(TComponent* AOwner) : TCustomPreview(AOwner), FLink(std::make_unique<TQXLink>())
{
    // Its report is mostly a component of the same form.
    SetHearsOwner(true);
    FLink->OnChange = [this](TQXReport* Report) { ReportChanged(Report); };
}

TQXPreview::~TQXPreview()
{
    if (FReport) {
        FReport->RemoveLink(FLink.get());
        FReport->RemoveFreeNotification(this);
    }
}

void TQXPreview::SetReport(TQXReport* Value)
{
    if (Value == FReport) return;
    if (FReport) {
        FReport->RemoveLink(FLink.get());
        FReport->RemoveFreeNotification(this);
    }
    FReport = Value;
    if (FReport) {
        FReport->FreeNotification(this);
        FReport->AddLink(FLink.get());
    }
    ReportChanged(FReport);
}

void TQXPreview::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomPreview::Notification(AComponent, Operation);
    if (Operation != opRemove || !FReport || AComponent != static_cast<TComponent*>(FReport)) return;
    // Told from the report's own destructor, the report still holds its links
    // and takes ours back; told from the component base's destructor, what
    // made it a report is gone (it no longer casts to one) and so are its
    // links: then we only forget it.
    if (dynamic_cast<TQXReport*>(AComponent)) {
        SetReport(nullptr);
    } else {
        FReport = nullptr;
        ReportChanged(nullptr);
    }
}

void TQXPreview::ReportChanged(TQXReport* Report)
{
    BeginUpdate();
    if (Report && FReport) {
        const int count = FReport->PageCount();
        SetPageCount(count);
        if (count > 0) {
            const TMetafile* page = FReport->GetPage(0);
            SetPageWidth(page->Width());
            SetPageHeight(page->Height());
        }
    } else {
        SetPageCount(0);
    }
    EndUpdate();
    InvalidatePages();
}

void TQXPreview::PaintPage(TPreviewLeaf* Leaf)
{
    if (!FReport || FReport->PageCount() == 0) return;
    const int index = Leaf->PageIndex();
    // A paint during a rebuild may name a page that is already gone.
    if (index < 0 || index >= FReport->PageCount()) return;
    Leaf->Canvas()->StretchDraw(Leaf->ClientRect(), FReport->GetPage(index));
}

void TQXPreview::SetScrollParams(TScrollBar* Bar, int PageSize, int MaxValue, int Position)
{
    if (!FReport || !FReport->IsPrepared()) MaxValue = 0;
    TCustomPreview::SetScrollParams(Bar, PageSize, MaxValue, Position);
}

} // namespace runtime
