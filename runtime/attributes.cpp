#include "runtime/attributes.h"

#include "classlib/core/classbuilder.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/picture.h"

namespace runtime {

using namespace classlib;

const TClassInfo& TQXAttribute::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXAttribute>("TQXAttribute")
        .Prop("Width", &TQXAttribute::FWidth)
        .Prop("Color", &TQXAttribute::FColor)
        .Build();
    return info;
}

const TClassInfo& TQXFrame::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXFrame>("TQXFrame")
        .Prop("Shape", &TQXFrame::FShape)
        .Build();
    return info;
}

const TClassInfo& TQXShadow::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXShadow>("TQXShadow")
        .Prop("Shape", &TQXShadow::FShape)
        .Prop("SemiTrans", &TQXShadow::FSemiTrans)
        .Build();
    return info;
}

const TClassInfo& TQXBackground::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXBackground>("TQXBackground")
        .Prop("Style", &TQXBackground::Style)
        .Prop("ColorStyle", &TQXBackground::ColorStyle)
        .Prop("GradientStyle", &TQXBackground::GradientStyle)
        .Prop("ShadingStyle", &TQXBackground::ShadingStyle)
        .Prop("VariantStyle", &TQXBackground::VariantStyle)
        .Prop("PictureStyle", &TQXBackground::PictureStyle)
        .Prop("Color1", &TQXBackground::Color1)
        .Prop("Color2", &TQXBackground::Color2)
        .Prop("Picture", &TQXBackground::Picture, &TQXBackground::SetPicture)
        .Prop("Density", &TQXBackground::Density)
        .Prop("PicWidth", &TQXBackground::PicWidth)
        .Prop("PicHeight", &TQXBackground::PicHeight)
        .Build();
    return info;
}

void TQXAttribute::Assign(const TPersistent* Source)
{
    if (auto* a = As<TQXAttribute>(Source)) {
        FWidth = a->FWidth;
        FColor = a->FColor;
        return;
    }
    TPersistent::Assign(Source);
}

void TQXFrame::Assign(const TPersistent* Source)
{
    TQXAttribute::Assign(Source);
    if (auto* f = As<TQXFrame>(Source)) FShape = f->FShape;
}

void TQXShadow::Assign(const TPersistent* Source)
{
    TQXAttribute::Assign(Source);
    if (auto* s = As<TQXShadow>(Source)) {
        FShape = s->FShape;
        FSemiTrans = s->FSemiTrans;
    }
}

TQXBackground::TQXBackground() = default;

TQXBackground::~TQXBackground() = default;

void TQXBackground::SetPicture(const TPicture* Value)
{
    if (Value == &FPicture) return;
    if (Value && Value->Graphic() && !Value->Graphic()->Empty()) {
        PicHeight = Round(Value->Height() * 2540.0 / ScreenPixelsPerInch);
        PicWidth = Round(Value->Width() * 2540.0 / ScreenPixelsPerInch);
    }
    if (Value)
        FPicture.Assign(Value);
    else
        FPicture.SetGraphic(nullptr);
}

void TQXBackground::Assign(const TPersistent* Source)
{
    auto* b = As<TQXBackground>(Source);
    if (!b) {
        TPersistent::Assign(Source);
        return;
    }
    // Assigning to itself would empty the picture before copying it.
    if (b == this) return;
    Style = b->Style;
    ColorStyle = b->ColorStyle;
    GradientStyle = b->GradientStyle;
    ShadingStyle = b->ShadingStyle;
    VariantStyle = b->VariantStyle;
    PictureStyle = b->PictureStyle;
    Color1 = b->Color1;
    Color2 = b->Color2;
    Density = b->Density;
    FPicture.Assign(&b->FPicture);
    PicWidth = b->PicWidth;
    PicHeight = b->PicHeight;
}

bool TQXBackground::IsTransparent() const
{
    const bool metafile = dynamic_cast<const TMetafile*>(FPicture.Graphic()) != nullptr;
    return (Style == bsPicture && (PictureStyle != bpsStretch || metafile)) ||
           (Style == bsColor && (ColorStyle == bcsTransparent || ColorStyle == bcsSemitransparent));
}

void SplitRGB(TColor Color, int& Red, int& Green, int& Blue)
{
    const quint32 c = quint32(Color);
    Red = int(c & 0xFF);
    Green = int((c >> 8) & 0xFF);
    Blue = int((c >> 16) & 0xFF);
}

} // namespace runtime
