#pragma once

// A picture: holds one graphic of any class (bitmap, JPEG picture,
// metafile) and stores it as its "Data" property.

#include "classlib/graphics/graphic.h"

#include <memory>

namespace classlib {

class TBitmap;
class TMetafile;

class TPicture : public TPersistent {
    QX_CLASS(TPicture, TPersistent)
public:
    TPicture();
    ~TPicture() override;

    // Null when the picture is empty.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Takes a copy of Value (null empties the picture).
    void SetGraphic(const TGraphic* Value);
    // The graphic as a bitmap or metafile: an empty one of that class
    // replaces a graphic of another class.
    TBitmap& Bitmap();
    TMetafile& Metafile();

    int Width() const;
    int Height() const;

    // From a picture (a copy of its graphic), a graphic, or null (empty).
    void Assign(const TPersistent* Source) override;

    // By extension: .bmp, .jpg/.jpeg, .emf; EInvalidGraphic "Unknown
    // picture file extension (.%s)" otherwise.
    void LoadFromFile(const QString& FileName);
    void SaveToFile(const QString& FileName) const;

    // "Data": the graphic's class name as a short string, then the
    // graphic's own data. Written only when a graphic is assigned.
    void DefineProperties(TFiler& Filer) override;
    void ReadData(TStream& Stream);
    void WriteData(TStream& Stream) const;

    TGraphic::TChangeHandler OnChange;

private:
    void SetOwned(std::unique_ptr<TGraphic> Graphic);
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
};

// A new graphic of a registered class; EInvalidGraphic "Unknown graphic
// class %s" when the name names none.
std::unique_ptr<TGraphic> CreateGraphic(const QString& ClassName);

// Registers TBitmap, TJPEGImage and TMetafile with the class registry.
void RegisterGraphicClasses();

// The open-dialog filter of every format LoadFromFile reads, "All" first.
QString GraphicFilter();

} // namespace classlib
