#include "designer/elements/qxcontrol.h"

#include "designer/elements/designpaint.h"
#include "designer/document/designstate.h"

#include "runtime/fills.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/graphic.h"
#include "classlib/graphics/picture.h"

namespace designer {

using namespace classlib;
using runtime::TQXBackground;
using runtime::TQXFrame;
using runtime::TQXShadow;

const TClassInfo& TQXControl::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXControl>("TQXControl")
        .Prop("Align", &TControl::Align, &TControl::SetAlign).Default(alNone)
        .Prop("MMLeft", &TQXControl::MMLeft, &TQXControl::SetMMLeft).Stored(false)
        .Prop("MMTop", &TQXControl::MMTop, &TQXControl::SetMMTop).Stored(false)
        .Prop("MMWidth", &TQXControl::MMWidth, &TQXControl::SetMMWidth).Stored(false)
        .Prop("MMHeight", &TQXControl::MMHeight, &TQXControl::SetMMHeight).Stored(false)
        .Prop("QXLeft", &TQXControl::QXLeft, &TQXControl::SetQXLeft)
        .Prop("QXTop", &TQXControl::QXTop, &TQXControl::SetQXTop)
        .Prop("QXWidth", &TQXControl::QXWidth, &TQXControl::SetQXWidth)
        .Prop("QXHeight", &TQXControl::QXHeight, &TQXControl::SetQXHeight)
        .Prop("Frame", &TQXControl::Frame, &TQXControl::SetFrame)
        .Prop("Shadow", &TQXControl::Shadow, &TQXControl::SetShadow)
        // The stored box is in hundredths of a millimetre; pixels follow it.
        .Prop("Left", &TControl::Left, &TControl::SetLeft).Stored(false)
        .Prop("Top", &TControl::Top, &TControl::SetTop).Stored(false)
        .Prop("Width", &TControl::Width, &TControl::SetWidth).Stored(false)
        .Prop("Height", &TControl::Height, &TControl::SetHeight).Stored(false)
        .Prop("QXParent", &TQXControl::QXParent, &TQXControl::SetQXParent)
        .Prop("PrintOrder", &TQXControl::PrintOrder, &TQXControl::SetPrintOrder).Default(0)
        .Prop("Background", &TQXControl::Background, &TQXControl::SetBackground)
        .Prop("Static", &TQXControl::Static, &TQXControl::SetStatic)
        .Build();
    return info;
}

TQXControl::TQXControl(TComponent* AOwner)
    : TCustomControl(AOwner), FFrame(new TQXFrame), FShadow(new TQXShadow),
      FBackground(new TQXBackground)
{
    SetColor(FBackground->Color1);  // also stops following the parent's colour
    FQXWidth = 2000;
    FQXHeight = 2000;
    TScaleLock lock;
    UpdateBounds();
}

TQXControl::~TQXControl()
{
    delete FBackground;
    delete FShadow;
    delete FFrame;
}

void TQXControl::SetFrame(const TQXFrame* Value)
{
    FFrame->Assign(Value);
    InvalidateTree(this);
    UpdateContent();
}

void TQXControl::SetShadow(const TQXShadow* Value)
{
    FShadow->Assign(Value);
    InvalidateTree(this);
    UpdateContent();
}

void TQXControl::SetBackground(const TQXBackground* Value)
{
    FBackground->Assign(Value);
    SetColor(FBackground->Color1);
    UpdateBounds();
    InvalidateTree(this);
    UpdateContent();
}

void TQXControl::SetQXLeft(int Value)
{
    SetUnits(Value, FQXTop, FQXWidth, FQXHeight);
    if (!IsLoading()) UpdateBounds();
}

void TQXControl::SetQXTop(int Value)
{
    SetUnits(FQXLeft, Value, FQXWidth, FQXHeight);
    if (!IsLoading()) UpdateBounds();
}

void TQXControl::SetQXWidth(int Value)
{
    SetUnits(FQXLeft, FQXTop, Value, FQXHeight);
    if (!IsLoading()) UpdateBounds();
}

void TQXControl::SetQXHeight(int Value)
{
    SetUnits(FQXLeft, FQXTop, FQXWidth, Value);
    if (!IsLoading()) UpdateBounds();
}

void TQXControl::SetUnits(int Left, int Top, int Width, int Height)
{
    FQXLeft = Left;
    FQXTop = Top;
    FQXWidth = Width;
    FQXHeight = Height;
}

double TQXControl::GetMM(int Index) const
{
    switch (Index) {
    case 1: return FQXLeft * 0.01;
    case 2: return FQXTop * 0.01;
    case 3: return FQXWidth * 0.01;
    case 4: return FQXHeight * 0.01;
    default: return 0;
    }
}

void TQXControl::SetMM(int Index, double Value)
{
    const int v = Round(Value * 100);
    if ((Index == 3 || Index == 4) && v < 0)
        throw EInvalidOp(Format("%f is not a valid positive value", {Value}));
    int* field = nullptr;
    switch (Index) {
    case 1: field = &FQXLeft; break;
    case 2: field = &FQXTop; break;
    case 3: field = &FQXWidth; break;
    case 4: field = &FQXHeight; break;
    default: return;
    }
    if (*field == v) return;
    *field = v;
    UpdateBounds();
}

TQXContainer* TQXControl::QXParent() const
{
    return dynamic_cast<TQXContainer*>(Parent());
}

void TQXControl::UpdateBounds()
{
    SetBounds(ToPixels(FQXLeft), ToPixels(FQXTop), ToPixels(FQXWidth), ToPixels(FQXHeight));
    FBackground->PixWidth = ToPixels(FBackground->PicWidth);
    FBackground->PixHeight = ToPixels(FBackground->PicHeight);
}

void TQXControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    // The class library takes a negative size as 0; so does the stored box.
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (!IsLoading() && ScaleUnlocked()) {
        if (ALeft != Left()) FQXLeft = ToUnits(ALeft);
        if (ATop != Top()) FQXTop = ToUnits(ATop);
        if (AWidth != Width()) FQXWidth = ToUnits(AWidth);
        if (AHeight != Height()) FQXHeight = ToUnits(AHeight);
    }
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TQXControl::SetOuterBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const qint64 f = ToPixels(FFrame->Width());
    const runtime::TQXFrameSides sides = FFrame->Shape();
    qint64 width = AWidth, height = AHeight;
    if (sides.Contains(runtime::fsLeft)) width += f;
    if (sides.Contains(runtime::fsRight)) width += f;
    if (sides.Contains(runtime::fsTop)) height += f;
    if (sides.Contains(runtime::fsBottom)) height += f;
    if (FShadow->Shape() != runtime::ssNone) {
        const qint64 s = ToPixels(FShadow->Width());
        width += s;
        height += s;
    }
    const int w = std::max(SatInt(width), 0);
    const int h = std::max(SatInt(height), 0);
    // Under the scale lock (a zoom, a read) text is measured anew but the
    // document never changes.
    if (!IsLoading() && ScaleUnlocked()) {
        if (ALeft != Left()) FQXLeft = ToUnits(ALeft);
        if (ATop != Top()) FQXTop = ToUnits(ATop);
        if (w != Width()) FQXWidth = ToUnits(w);
        if (h != Height()) FQXHeight = ToUnits(h);
    }
    SetBounds(ALeft, ATop, w, h);
}

TRect TQXControl::GetContentRectUnits() const
{
    return ContentRect(FQXWidth, FQXHeight, *FShadow, *FFrame);
}

TRect TQXControl::ClientRect() const
{
    const TRect r = GetContentRectUnits();
    return TRect{ToPixels(r.Left), ToPixels(r.Top), ToPixels(r.Right), ToPixels(r.Bottom)};
}

void TQXControl::SetName(const QString& Value)
{
    if (Value.trimmed().isEmpty())
        throw EComponentError(Format("'%s' is not a valid component name", {Value}));
    if (ShowCaptions) Invalidate();
    TCustomControl::SetName(Value);
}

void TQXControl::Loaded()
{
    TCustomControl::Loaded();
    SetColor(FBackground->Color1);
    // What was read stays exactly as stored: opening a page, at any zoom,
    // never changes the document.
    TScaleLock lock;
    UpdateBounds();
}

void TQXControl::ReadState(TReader& Reader)
{
    FReadParentFont.reset();
    FFontRead = false;
    TCustomControl::ReadState(Reader);
    // Reading a font clears ParentFont only when a value differs; a stored
    // ParentFont may come before the font. Other programs store a font and
    // no ParentFont: theirs is the element's own.
    const bool parentFont = FReadParentFont ? *FReadParentFont : ParentFont() && !FFontRead;
    if (ParentFont() != parentFont) SetParentFont(parentFont);
}

void TQXControl::SetStoredParentFont(bool Value)
{
    FReadParentFont = Value;
    SetParentFont(Value);
}

TFont* TQXControl::StreamFont() const
{
    if (ComponentState().Contains(csReading)) FFontRead = true;
    return Font();
}

TRect TQXControl::PictureRect(const TRect& C) const
{
    return designer::PictureRect(C, Width(), Height(), *FBackground, *FShadow, TPoint{C.Left, C.Top});
}

void TQXControl::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect c = ClientRect();
    PaintShadowBars(canvas, TRect{0, 0, Width(), Height()}, *FShadow);
    PaintFrameBars(canvas, c, *FFrame);
    canvas.DC().IntersectClipRect(c);

    const TQXBackground& bg = *FBackground;
    const TGraphic* picture = bg.Picture()->Graphic();
    const bool hasPicture = picture && !picture->Empty();
    if (bg.IsSolidColor()) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(bg.Color1);
        canvas.FillRect(c);
    } else if (bg.IsGradient()) {
        if (hasPicture) canvas.StretchDraw(c, picture);
    } else if (bg.IsPicture()) {
        if (hasPicture) canvas.StretchDraw(PictureRect(c), picture);
    } else if (bg.IsTexture()) {
        PaintTexture(canvas, c, canvas.ClipRect(), bg);
    } else if (bg.IsSemiTransparent()) {
        runtime::FillSemiTransparent(canvas, c);
    }

    PaintContent();

    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetStyle(psDot);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(OutlineColor);
    canvas.Rectangle(0, 0, Width(), Height());
    if (ShowCaptions) PaintName();
}

void TQXControl::PaintName()
{
    DrawNameCaption(*Canvas(), ClientRect(), Name());
}

void TQXControl::Resize()
{
    InvalidateTree(this);
    TCustomControl::Resize();
}

void TQXControl::Moved()
{
    InvalidateTree(this);
    TCustomControl::Moved();
}

// ---------------------------------------------------------------------------
// TQXContainer

const TClassInfo& TQXContainer::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXContainer>("TQXContainer")
        .Prop("Font", &TQXContainer::StreamFont, &TControl::SetFont).StoredIf(&TControl::IsFontStored)
        .Prop("ParentFont", &TControl::ParentFont, &TQXContainer::SetStoredParentFont).Default(true)
        .Build();
    return info;
}

TQXContainer::TQXContainer(TComponent* AOwner) : TQXControl(AOwner)
{
    TControlStyle style = ControlStyle();
    style += csAcceptsControls;
    SetControlStyle(style);
    SetParentFont(true);
}

void TQXContainer::UpdateContent()
{
    Realign();
}

void TQXContainer::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* c = dynamic_cast<TQXControl*>(Controls(i)); c && c->Owner() == Owner()) Proc(c);
}

void TQXContainer::AlignControls(TControl* AControl, TRect&)
{
    AlignChildrenUnits(this, GetContentRectUnits(), AControl);
}

// ---------------------------------------------------------------------------

void InvalidateTree(TControl* Control)
{
    if (!Control || !Control->Widget()) return;
    Control->Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(Control))
        for (int i = 0; i < w->ControlCount(); ++i) InvalidateTree(w->Controls(i));
}

} // namespace designer
