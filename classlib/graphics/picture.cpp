#include "classlib/graphics/picture.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/filer.h"
#include "classlib/core/streams.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/jpegimage.h"
#include "classlib/graphics/metafile.h"

#include <QFileInfo>

namespace classlib {

void RegisterGraphicClasses()
{
    RegisterClasses({&TBitmap::StaticClass(), &TJPEGImage::StaticClass(), &TMetafile::StaticClass()});
}

std::unique_ptr<TGraphic> CreateGraphic(const QString& ClassName)
{
    RegisterGraphicClasses();
    const TClassInfo* cls = GetClass(ClassName);
    if (!cls || !cls->InheritsFrom(&TGraphic::StaticClass()) || !cls->Factory)
        throw EInvalidGraphic(Format("Unknown graphic class %s", {ClassName}));
    return std::unique_ptr<TGraphic>(static_cast<TGraphic*>(cls->Create(nullptr)));
}

const TClassInfo& TPicture::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPicture>("TPicture").Build();
    return info;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange) OnChange(this);
}

void TPicture::SetOwned(std::unique_ptr<TGraphic> Graphic)
{
    FGraphic = std::move(Graphic);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* Value)
{
    if (!Value) {
        SetOwned(nullptr);
        return;
    }
    if (Value == FGraphic.get()) return;
    std::unique_ptr<TGraphic> copy = CreateGraphic(Value->ClassName());
    copy->Assign(Value);
    SetOwned(std::move(copy));
}

TBitmap& TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(FGraphic.get())) SetOwned(std::make_unique<TBitmap>());
    return static_cast<TBitmap&>(*FGraphic);
}

TMetafile& TPicture::Metafile()
{
    if (!dynamic_cast<TMetafile*>(FGraphic.get())) SetOwned(std::make_unique<TMetafile>());
    return static_cast<TMetafile&>(*FGraphic);
}

int TPicture::Width() const { return FGraphic ? FGraphic->Width() : 0; }
int TPicture::Height() const { return FGraphic ? FGraphic->Height() : 0; }

void TPicture::Assign(const TPersistent* Source)
{
    if (!Source) {
        SetGraphic(nullptr);
    } else if (auto* picture = dynamic_cast<const TPicture*>(Source)) {
        if (picture != this) SetGraphic(picture->FGraphic.get());
    } else if (auto* graphic = dynamic_cast<const TGraphic*>(Source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(Source);
    }
}

void TPicture::LoadFromFile(const QString& FileName)
{
    const QString ext = QFileInfo(FileName).suffix();
    const QString lower = ext.toLower();
    std::unique_ptr<TGraphic> graphic;
    if (lower == QLatin1String("bmp"))
        graphic = std::make_unique<TBitmap>();
    else if (lower == QLatin1String("jpg") || lower == QLatin1String("jpeg"))
        graphic = std::make_unique<TJPEGImage>();
    else if (lower == QLatin1String("emf"))
        graphic = std::make_unique<TMetafile>();
    else
        throw EInvalidGraphic(Format("Unknown picture file extension (.%s)", {ext}));
    graphic->LoadFromFile(FileName);
    SetOwned(std::move(graphic));
}

QString GraphicFilter()
{
    return QStringLiteral("All (*.bmp;*.jpg;*.jpeg;*.emf)|*.bmp;*.jpg;*.jpeg;*.emf|Bitmaps (*.bmp)|*.bmp|"
                          "JPEG Image File (*.jpg;*.jpeg)|*.jpg;*.jpeg|Enhanced Metafiles (*.emf)|*.emf");
}

void TPicture::SaveToFile(const QString& FileName) const
{
    if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::DefineProperties(TFiler& Filer)
{
    Filer.DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream& s) { ReadData(s); },
        [this](TStream& s) { WriteData(s); }, FGraphic != nullptr);
}

void TPicture::ReadData(TStream& Stream)
{
    quint8 length = 0;
    Stream.ReadBuffer(&length, 1);
    QByteArray name(length, '\0');
    Stream.ReadBuffer(name.data(), length);
    // Class names are identifiers: plain ASCII.
    std::unique_ptr<TGraphic> graphic = CreateGraphic(QString::fromLatin1(name));
    graphic->ReadData(Stream);
    SetOwned(std::move(graphic));
}

void TPicture::WriteData(TStream& Stream) const
{
    if (!FGraphic) return;
    const QByteArray name = FGraphic->ClassName().toLatin1();
    const quint8 length = quint8(std::min<qsizetype>(name.size(), 255));
    Stream.WriteBuffer(&length, 1);
    Stream.WriteBuffer(name.constData(), length);
    FGraphic->WriteData(Stream);
}

} // namespace classlib
