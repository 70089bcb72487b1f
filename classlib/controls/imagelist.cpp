#include "classlib/controls/imagelist.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/canvas.h"

#include <algorithm>

namespace classlib {

namespace {

// Pictures are small; this bounds what one Add may allocate.
constexpr int MaxPictureSide = 1024;

} // namespace

TChangeLink::~TChangeLink()
{
    if (FSender)
        FSender->UnRegisterChanges(this);
}

const TClassInfo& TCustomImageList::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomImageList>("TCustomImageList").Build();
    return info;
}

const TClassInfo& TImageList::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TImageList>("TImageList")
        .Prop("Height", &TImageList::Height, &TImageList::SetHeight).Default(16)
        .Prop("Width", &TImageList::Width, &TImageList::SetWidth).Default(16)
        .Prop<TNotifyEvent>("OnChange", &TImageList::OnChange)
        .Build();
    return info;
}

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList()
{
    for (TChangeLink* link : FLinks)
        link->FSender = nullptr;
}

void TCustomImageList::SetWidth(int Value)
{
    Value = std::clamp(Value, 1, MaxPictureSide);
    if (Value == FWidth)
        return;
    FWidth = Value;
    FImages.clear();
    Change();
}

void TCustomImageList::SetHeight(int Value)
{
    Value = std::clamp(Value, 1, MaxPictureSide);
    if (Value == FHeight)
        return;
    FHeight = Value;
    FImages.clear();
    Change();
}

int TCustomImageList::AddImage(const TBitmap* Image,
                               const std::function<bool(int X, int Y, QRgb Pixel)>& Transparent)
{
    if (!Image || Image->Empty())
        return -1;
    const QImage& src = Image->Image();
    const int first = Count();
    const int pictures = std::max(1, src.width() / FWidth);
    for (int n = 0; n < pictures; ++n) {
        QImage picture(FWidth, FHeight, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        for (int y = 0; y < std::min(FHeight, src.height()); ++y)
            for (int x = 0; x < FWidth; ++x) {
                const int sx = n * FWidth + x;
                if (sx >= src.width())
                    break;
                const QRgb p = src.pixel(sx, y);
                if (!Transparent(sx, y, p))
                    picture.setPixel(x, y, p | 0xFF000000u);
            }
        FImages.push_back(picture);
    }
    Change();
    return first;
}

int TCustomImageList::Add(const TBitmap* Image, const TBitmap* Mask)
{
    if (!Mask || Mask->Empty())
        return AddImage(Image, [](int, int, QRgb) { return false; });
    const QImage& mask = Mask->Image();
    return AddImage(Image, [&mask](int X, int Y, QRgb) {
        return X < mask.width() && Y < mask.height() && (mask.pixel(X, Y) & 0xFFFFFFu) == 0xFFFFFFu;
    });
}

int TCustomImageList::AddMasked(const TBitmap* Image, TColor MaskColor)
{
    const TColorRef key = ColorToRGB(MaskColor);
    return AddImage(Image, [key](int, int, QRgb P) { return RGB(qRed(P), qGreen(P), qBlue(P)) == key; });
}

void TCustomImageList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    FImages.erase(FImages.begin() + Index);
    Change();
}

void TCustomImageList::Clear()
{
    if (FImages.empty())
        return;
    FImages.clear();
    Change();
}

QImage TCustomImageList::Picture(int Index) const
{
    return Index >= 0 && Index < Count() ? FImages[size_t(Index)] : QImage();
}

void TCustomImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const
{
    if (Index < 0 || Index >= Count())
        return;
    QImage picture = FImages[size_t(Index)];
    if (!Enabled) {
        auto rgb = [](TColor C) {
            const TColorRef c = ColorToRGB(C);
            return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
        };
        const QRgb light = rgb(clBtnHighlight);
        const QRgb dark = rgb(clBtnShadow);
        QImage embossed(FWidth + 1, FHeight + 1, QImage::Format_ARGB32);
        embossed.fill(Qt::transparent);
        for (const auto& [dx, colour] : {std::pair{1, light}, std::pair{0, dark}})
            for (int y = 0; y < FHeight; ++y)
                for (int x = 0; x < FWidth; ++x)
                    if (qAlpha(picture.pixel(x, y)))
                        embossed.setPixel(x + dx, y + dx, colour);
        picture = embossed;
    }
    Canvas.StretchDrawImage(Rect(X, Y, X + picture.width(), Y + picture.height()), picture);
}

void TCustomImageList::RegisterChanges(TChangeLink* Link)
{
    if (!Link || Link->FSender == this)
        return;
    if (Link->FSender)
        Link->FSender->UnRegisterChanges(Link);
    Link->FSender = this;
    FLinks.push_back(Link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Link)
{
    if (!Link || Link->FSender != this)
        return;
    Link->FSender = nullptr;
    FLinks.erase(std::remove(FLinks.begin(), FLinks.end(), Link), FLinks.end());
}

void TCustomImageList::Change()
{
    // A client may leave the list while it is told.
    const std::vector<TChangeLink*> links = FLinks;
    for (TChangeLink* link : links)
        if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end() && link->OnChange)
            link->OnChange(this);
    if (OnChange)
        OnChange(this);
}

namespace {
const bool ImageListRegistered = (RegisterClass(TImageList::StaticClass()), true);
}

} // namespace classlib
