#pragma once

// Image lists: pictures of one size, drawn by index (tool buttons, menus).
// The pictures come from bitmaps that the program draws itself; they are
// not stored with the list. A mask, or a mask colour, makes pixels
// transparent.

#include "classlib/core/component.h"
#include "classlib/graphics/color.h"

#include <QImage>

#include <functional>
#include <vector>

namespace classlib {

class TBitmap;
class TCanvas;
class TCustomImageList;

// Tells a client that the pictures of an image list changed. A link
// registered with a list leaves it when either goes.
class TChangeLink {
public:
    TChangeLink() = default;
    ~TChangeLink();
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    TCustomImageList* Sender() const { return FSender; }
    std::function<void(TObject* Sender)> OnChange;

private:
    friend class TCustomImageList;
    TCustomImageList* FSender = nullptr;
};

class TCustomImageList : public TComponent {
    QX_CLASS(TCustomImageList, TComponent)
public:
    explicit TCustomImageList(TComponent* AOwner);
    ~TCustomImageList() override;

    // Pixels of every picture, at least 1. A new size empties the list.
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value);

    int Count() const { return int(FImages.size()); }

    // Adds the bitmap cut into pictures of Width pixels, left to right (a
    // bitmap narrower than Width gives one picture); parts beyond Height
    // are cut off, missing parts are transparent. Where Mask (same layout)
    // is white, the picture is transparent. The index of the first added
    // picture; -1 for an empty bitmap.
    int Add(const TBitmap* Image, const TBitmap* Mask = nullptr);
    // As Add, with the pixels of MaskColor transparent.
    int AddMasked(const TBitmap* Image, TColor MaskColor);
    void Delete(int Index);
    void Clear();

    // Draws picture Index with its top-left corner at (X, Y); a disabled
    // picture is embossed: its shape in the highlight colour one pixel down
    // and right, under its shape in the shadow colour. An index out of
    // range draws nothing.
    void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;
    // The picture, transparent where masked; null out of range.
    QImage Picture(int Index) const;

    void RegisterChanges(TChangeLink* Link);
    void UnRegisterChanges(TChangeLink* Link);

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    int AddImage(const TBitmap* Image, const std::function<bool(int X, int Y, QRgb Pixel)>& Transparent);

    int FWidth = 16;
    int FHeight = 16;
    std::vector<QImage> FImages;  // ARGB32, FWidth x FHeight
    std::vector<TChangeLink*> FLinks;
};

class TImageList : public TCustomImageList {
    QX_CLASS(TImageList, TCustomImageList)
public:
    using TCustomImageList::TCustomImageList;
};

} // namespace classlib
