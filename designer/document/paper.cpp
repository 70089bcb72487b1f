#include "designer/document/paper.h"

#include "designer/document/designinstances.h"
#include "designer/document/designstate.h"
#include "designer/document/document.h"
#include "designer/document/page.h"
#include "designer/document/paperdimensions.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"

#include <cmath>

namespace designer {

using namespace classlib;

namespace {

[[noreturn]] void InvalidLayout()
{
    throw EInvalidOp(QStringLiteral("Invalid page layout"));
}

} // namespace

bool IsValidLayout(qint64 Width, qint64 Height, qint64 Left, qint64 Top, qint64 Right, qint64 Bottom)
{
    return Width > 0 && Height > 0 && Width - Left - Right >= 1 && Height - Top - Bottom >= 1;
}

// ---------------------------------------------------------------------------
// TQXPaperBase

const TClassInfo& TQXPaperBase::StaticClass()
{
    static const TClassInfo& info = [] () -> const TClassInfo& {
        // The surface's form properties are shown but never stored.
        TClassBuilder<TQXPaperBase> b("TQXPaperBase");
        for (const TPropInfo* p : inherited::StaticClass().Props()) b.Restate(p->Name).Stored(false);
        using P = TQXPaperBase;
        return b.Prop("MMLeftMargin", 1, &P::GetMM, &P::SetMM)
            .Prop("MMTopMargin", 2, &P::GetMM, &P::SetMM)
            .Prop("MMRightMargin", 3, &P::GetMM, &P::SetMM)
            .Prop("MMBottomMargin", 4, &P::GetMM, &P::SetMM)
            .Prop("MMWidth", 5, &P::GetMM, &P::SetMM)
            .Prop("MMHeight", 6, &P::GetMM, &P::SetMM)
            .Prop("Orientation", &P::Orientation, &P::SetOrientation)
            .Prop("PaperSize", &P::PaperSize, &P::SetPaperSize)
            .Build();
    }();
    return info;
}

TQXPaperBase::TQXPaperBase(TComponent* AOwner) : TControlDesigner(AOwner)
{
    SetScaled(false);
    SetBorderStyle(bsNone);
    SetColor(clWhite);
}

TQXPaperBase::~TQXPaperBase() = default;

void TQXPaperBase::SetPage(TQXPage* Page)
{
    if (Page == FPage) return;
    FPage = Page;
    Relayout();
}

int& TQXPaperBase::Field(int Index)
{
    switch (Index) {
    case 1: return FLeftMargin;
    case 2: return FTopMargin;
    case 3: return FRightMargin;
    case 4: return FBottomMargin;
    case 5: return FPaperWidth;
    default: return FPaperHeight;
    }
}

double TQXPaperBase::GetMM(int Index) const
{
    if (Index < 1 || Index > 6) return 0;
    return const_cast<TQXPaperBase*>(this)->Field(Index) * 0.01;
}

void TQXPaperBase::SetMM(int Index, double Value)
{
    if (Index < 1 || Index > 6) return;
    const double rounded = std::nearbyint(Value * 100);
    if (Index >= 5 && rounded < 0) throw EInvalidOp(Format("%f is not a valid positive value", {Value}));
    // A value no field can hold leaves no layout either.
    if (!(std::fabs(rounded) <= 2147483647.0)) InvalidLayout();
    const qint64 v = qint64(rounded);
    if (!IsLoading()) {
        qint64 width = FPaperWidth, height = FPaperHeight, left = FLeftMargin, top = FTopMargin,
               right = FRightMargin, bottom = FBottomMargin;
        qint64* target[] = {&left, &top, &right, &bottom, &width, &height};
        *target[Index - 1] = v;
        if (!IsValidLayout(width, height, left, top, right, bottom)) InvalidLayout();
    }
    int& field = Field(Index);
    if (v == field) return;
    field = int(v);
    if (Index >= 5) FPaperSize = TQXPaperSize::Custom;
    Relayout();
}

void TQXPaperBase::SetOrientation(TPrinterOrientation Value)
{
    if (Value == FOrientation) return;
    FOrientation = Value;
    if (IsLoading()) return;
    std::swap(FPaperWidth, FPaperHeight);
    Relayout();
}

void TQXPaperBase::SetPaperSize(TQXPaperSize Value)
{
    if (Value == FPaperSize) return;
    FPaperSize = Value;
    if (IsLoading()) return;
    // Default and Custom have no dimensions: the size stays as it is.
    const std::optional<TQXPaperDimensions> size = PaperDimensions(Value);
    if (!size) return;
    if (FOrientation == poPortrait) {
        FPaperWidth = size->Width;
        FPaperHeight = size->Height;
    } else {
        FPaperWidth = size->Height;
        FPaperHeight = size->Width;
    }
    Relayout();
}

TPrintableSize TQXPaperBase::PrintableSize() const
{
    return {SatInt(qint64(FPaperWidth) - FLeftMargin - FRightMargin),
            SatInt(qint64(FPaperHeight) - FTopMargin - FBottomMargin)};
}

TPrintableSize PrintableSize(const TReportDescriptor& Document)
{
    return {SatInt(qint64(Document.QXWidth()) - Document.QXLeftMargin() - Document.QXRightMargin()),
            SatInt(qint64(Document.QXHeight()) - Document.QXTopMargin() - Document.QXBottomMargin())};
}

void TQXPaperBase::LoadFromDocument(const TReportDescriptor& Document)
{
    FLeftMargin = Document.QXLeftMargin();
    FTopMargin = Document.QXTopMargin();
    FRightMargin = Document.QXRightMargin();
    FBottomMargin = Document.QXBottomMargin();
    FPaperWidth = Document.QXWidth();
    FPaperHeight = Document.QXHeight();
    FPaperSize = TQXPaperSize(quint8(Document.PaperSize()));
    FOrientation = Document.Orientation();
    Relayout();
}

void TQXPaperBase::SaveToDocument(TReportDescriptor& Document) const
{
    Document.SetQXLeftMargin(FLeftMargin);
    Document.SetQXTopMargin(FTopMargin);
    Document.SetQXRightMargin(FRightMargin);
    Document.SetQXBottomMargin(FBottomMargin);
    Document.SetQXWidth(FPaperWidth);
    Document.SetQXHeight(FPaperHeight);
    Document.SetPaperSize(int(FPaperSize));
    Document.SetOrientation(FOrientation);
}

void TQXPaperBase::Relayout()
{
    SetBounds(Left(), Top(), ToPixels(FPaperWidth), ToPixels(FPaperHeight));
    FMarginPixels[0] = ToPixels(FLeftMargin);
    FMarginPixels[1] = ToPixels(FTopMargin);
    FMarginPixels[2] = ToPixels(FRightMargin);
    FMarginPixels[3] = ToPixels(FBottomMargin);
    if (!FPage) return;
    const TPrintableSize size = PrintableSize();
    FPage->SetPageSize(size.Width, size.Height);
    FPage->RescaleAll();
    Invalidate();
    if (OnChange) OnChange(this);
}

void TQXPaperBase::Loaded()
{
    inherited::Loaded();
}

// ---------------------------------------------------------------------------
// TQXPaper

const TClassInfo& TQXPaper::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXPaper>("TQXPaper")
        .Method("FormCreate", &TQXPaper::FormCreate)
        .Method("FormDblClick", &TQXPaper::FormDblClick)
        .Build();
    return info;
}

TQXPaper::TQXPaper(TComponent* AOwner) : TQXPaperBase(AOwner)
{
    OnDblClick = TNotifyEvent{TMethod{StaticClass().FindMethod(QStringLiteral("FormDblClick")), this}};
    FormCreate(this);
}

void TQXPaper::FormCreate(TObject*)
{
    SetName(QStringLiteral("Paper"));
}

void TQXPaper::FormDblClick(TObject*)
{
    ShowInspector();
}

} // namespace designer
