#include "runtime/control.h"

#include "runtime/container.h"
#include "runtime/fills.h"
#include "runtime/paper.h"
#include "runtime/report.h"

#include "classlib/core/classbuilder.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/graphic.h"
#include "classlib/graphics/picture.h"

namespace runtime {

using namespace classlib;

const TClassInfo& TQXControl::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXControl>("TQXControl")
        .Prop("QXLeft", &TQXControl::FQXLeft)
        .Prop("QXTop", &TQXControl::FQXTop)
        .Prop("QXWidth", &TQXControl::FQXWidth)
        .Prop("QXHeight", &TQXControl::FQXHeight)
        .Prop("Frame", &TQXControl::FFrame)
        .Prop("Shadow", &TQXControl::FShadow)
        .Prop("QXParent", &TQXControl::FQXParent, &TQXControl::SetQXParent)
        .Prop("Align", &TQXControl::FAlign)
        .Prop("PrintOrder", &TQXControl::FPrintOrder)
        .Prop("Background", &TQXControl::FBackground)
        .Prop("Static", &TQXControl::FStatic)
        .Prop("BeforePrint", &TQXControl::BeforePrint)
        .Prop("AfterPrint", &TQXControl::AfterPrint)
        .Prop("AskData", &TQXControl::AskData)
        .Prop("GetText", &TQXControl::GetText)
        .Prop("OwnerDraw", &TQXControl::OwnerDraw)
        .Build();
    return info;
}

TQXControl::TQXControl(TComponent* AOwner)
    // A page holds hundreds of elements and every row clone joins and leaves
    // it; elements need no word of their siblings (a class that overrides
    // Notification hears again).
    : TComponent(AOwner, false)
{
}

TQXControl::~TQXControl()
{
    // A handler must not find a freed element as the report's current one,
    // and no child list may keep pointing here.
    // An owner already being destroyed is no longer a paper to ask.
    if (TQXReport* report = Owner() && Owner()->IsDestroying() ? nullptr : GetReport();
        report && report->CurrentControl() == this)
        report->SetCurrentControl(nullptr);
    if (FListedIn) FListedIn->Unlist(this);
}

void TQXControl::SetQXParent(TQXContainer* Value)
{
    // The container refuses this element when it is the container itself
    // or holds it; the field then stays as it was.
    if (Value) Value->AddControl(this);
}

void TQXControl::Loaded()
{
    TComponent::Loaded();
    if (!FListedIn) {
        // A parent reference that was refused leaves nothing behind.
        FQXParent = nullptr;
        SetQXParent(As<TQXContainer>(Owner()));
    }
    FElementName = Name();
}

QString TQXControl::GetName() const
{
    return FElementName;
}

TRect TQXControl::GetClientRect() const
{
    return TRect{0, 0, FQXWidth, SatNeg(FQXHeight)};
}

TRect TQXControl::GetContentRect() const
{
    TRect r = GetClientRect();
    const int s = FShadow->Width();
    switch (FShadow->Shape()) {
    case ssLeftTop: r.Top = SatSub(r.Top, s); r.Left = SatAdd(r.Left, s); break;
    case ssRightTop: r.Top = SatSub(r.Top, s); r.Right = SatSub(r.Right, s); break;
    case ssLeftBottom: r.Bottom = SatAdd(r.Bottom, s); r.Left = SatAdd(r.Left, s); break;
    case ssRightBottom: r.Bottom = SatAdd(r.Bottom, s); r.Right = SatSub(r.Right, s); break;
    case ssNone: break;
    }
    const int f = FFrame->Width();
    const TQXFrameSides sides = FFrame->Shape();
    if (sides.Contains(fsLeft)) r.Left = SatAdd(r.Left, f);
    if (sides.Contains(fsTop)) r.Top = SatSub(r.Top, f);
    if (sides.Contains(fsRight)) r.Right = SatSub(r.Right, f);
    if (sides.Contains(fsBottom)) r.Bottom = SatAdd(r.Bottom, f);
    return r;
}

TRect TQXControl::GetPictureRect() const
{
    const TRect c = GetContentRect();
    const int pw = FBackground->PicWidth;
    const int ph = FBackground->PicHeight;
    if (FBackground->IsStretched()) return c;
    if (FBackground->IsCentered()) {
        // Integer division truncates towards zero, as the stored layout expects.
        const int x = SatInt((qint64(c.Left) + c.Right - pw) / 2);
        const int y = SatInt((qint64(c.Bottom) + c.Top + ph) / 2);
        return TRect{x, y, SatAdd(x, pw), SatSub(y, ph)};
    }
    return TRect{c.Left, c.Top, SatAdd(c.Left, pw), SatSub(c.Top, ph)};
}

void TQXControl::SetBounds(int Left, int Top, int Width, int Height)
{
    FQXLeft = Left;
    FQXTop = Top;
    FQXWidth = Width;
    FQXHeight = Height;
}

void TQXControl::SetOuterBounds(int Left, int Top, int Width, int Height)
{
    const qint64 f = FFrame->Width();
    const TQXFrameSides sides = FFrame->Shape();
    qint64 width = Width, height = Height;
    if (sides.Contains(fsLeft)) width += f;
    if (sides.Contains(fsRight)) width += f;
    if (sides.Contains(fsTop)) height += f;
    if (sides.Contains(fsBottom)) height += f;
    if (FShadow->Shape() != ssNone) {
        width += FShadow->Width();
        height += FShadow->Width();
    }
    SetBounds(Left, Top, SatInt(width), SatInt(height));
}

TQXReport* TQXControl::GetReport() const
{
    // Elements always belong to a paper; anything else runs without report.
    const auto* paper = As<TQXPaper>(Owner());
    return paper ? paper->GetReport() : nullptr;
}

void TQXControl::AssignTo(TPersistent* Dest) const
{
    auto* d = As<TQXControl>(Dest);
    if (!d) {
        TComponent::AssignTo(Dest);
        return;
    }
    d->FFrame->Assign(FFrame);
    d->FShadow->Assign(FShadow);
    d->FBackground->Assign(FBackground);
    d->FQXLeft = FQXLeft;
    d->FQXTop = FQXTop;
    d->FQXWidth = FQXWidth;
    d->FQXHeight = FQXHeight;
    d->FAlign = FAlign;
    // The field only: the copy is in no child list until a container takes it.
    d->FQXParent = FQXParent;
    d->FElementName = GetName();
    d->FPrintOrder = FPrintOrder;
    d->FStatic = FStatic;
    d->BeforePrint = BeforePrint;
    d->AfterPrint = AfterPrint;
    d->AskData = AskData;
    d->GetText = GetText;
    d->OwnerDraw = OwnerDraw;
}

TQXReport* TQXControl::EventSender()
{
    TQXReport* report = GetReport();
    if (report) {
        report->CheckCancelRequest();
        report->SetCurrentControl(this);
    }
    return report;
}

void TQXControl::FireBeforePrint(bool& NeedPrint)
{
    if (FStatic || !BeforePrint) return;
    BeforePrint(EventSender(), NeedPrint);
}

void TQXControl::FireAfterPrint()
{
    if (FStatic || !AfterPrint) return;
    AfterPrint(EventSender());
}

void TQXControl::FireAskData(bool& NeedData)
{
    if (FStatic || !AskData) return;
    AskData(EventSender(), NeedData);
}

void TQXControl::FireGetText(QString& Text)
{
    if (FStatic || !GetText) return;
    GetText(EventSender(), Text);
}

void TQXControl::FireOwnerDraw(TCanvas& Canvas, const TRect& Rect)
{
    if (FStatic || !OwnerDraw) return;
    OwnerDraw(EventSender(), &Canvas, Rect);
}

bool TQXControl::DoBeforePrint()
{
    bool needPrint = true;
    FireBeforePrint(needPrint);
    if (!needPrint) FPrintable = false;
    return needPrint;
}

void TQXControl::DoAfterPrint()
{
    FireAfterPrint();
}

void TQXControl::Process(TCanvas&) {}

void TQXControl::Reset() {}

void TQXControl::Paint(TCanvas&) {}

namespace {

void SolidColors(TCanvas& Canvas, TColor Color)
{
    Canvas.Brush()->SetColor(Color);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Pen()->SetColor(Color);
    Canvas.Pen()->SetStyle(psSolid);
}

} // namespace

void TQXControl::PaintShadow(TCanvas& Canvas)
{
    const TRect c = GetClientRect();
    const int w = c.Right;
    const int b = c.Bottom;
    const int s = FShadow->Width();
    const int ws = SatSub(w, s), bs = SatAdd(b, s), ns = SatNeg(s);
    TRect first, second;
    switch (FShadow->Shape()) {
    case ssLeftTop:
        first = {0, 0, ws, ns};
        second = {0, ns, s, bs};
        break;
    case ssRightTop:
        first = {s, 0, w, ns};
        second = {ws, ns, w, bs};
        break;
    case ssLeftBottom:
        first = {0, bs, ws, b};
        second = {0, ns, s, bs};
        break;
    case ssRightBottom:
        first = {s, bs, w, b};
        second = {ws, ns, w, bs};
        break;
    case ssNone:
        return;
    }
    SolidColors(Canvas, FShadow->Color());
    for (const TRect& bar : {first, second}) {
        if (FShadow->SemiTrans())
            FillSemiTransparent(Canvas, bar);
        else
            FillArea(Canvas, bar);
    }
}

void TQXControl::PaintFrame(TCanvas& Canvas)
{
    const TRect c = GetContentRect();
    const int f = FFrame->Width();
    const TQXFrameSides sides = FFrame->Shape();
    const int a = sides.Contains(fsTop) ? f : 0;
    const int z = sides.Contains(fsBottom) ? f : 0;
    SolidColors(Canvas, FFrame->Color());
    const int top = SatAdd(c.Top, a), bottom = SatSub(c.Bottom, z);
    if (sides.Contains(fsLeft)) FillArea(Canvas, {SatSub(c.Left, f), top, c.Left, bottom});
    if (sides.Contains(fsRight)) FillArea(Canvas, {c.Right, top, SatAdd(c.Right, f), bottom});
    if (sides.Contains(fsTop)) FillArea(Canvas, {c.Left, SatAdd(c.Top, f), c.Right, c.Top});
    if (sides.Contains(fsBottom)) FillArea(Canvas, {c.Left, c.Bottom, c.Right, SatSub(c.Bottom, f)});
}

void TQXControl::PaintAll(TCanvas& Canvas)
{
    if (FShadow->Shape() != ssNone) PaintShadow(Canvas);
    if (!FFrame->Shape().Empty()) PaintFrame(Canvas);
    const TRect r = GetContentRect();
    Canvas.DC().IntersectClipRect(r);
    const TQXBackground& bg = *FBackground;
    const TGraphic* picture = bg.Picture() ? bg.Picture()->Graphic() : nullptr;
    if (bg.IsSolidColor()) {
        SolidColors(Canvas, bg.Color1);
        FillArea(Canvas, r);
    } else if (bg.IsGradient()) {
        if (picture) Canvas.StretchDraw(r, picture);
    } else if (bg.IsPicture()) {
        if (picture) Canvas.StretchDraw(GetPictureRect(), picture);
    } else if (bg.IsTexture()) {
        DrawTexture(Canvas, r, bg);
    } else if (bg.IsSemiTransparent()) {
        FillSemiTransparent(Canvas, r);
    }
    Paint(Canvas);
}

} // namespace runtime
