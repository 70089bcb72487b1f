#include "designer/wqxres.h"

#include "classlib/system/dll.h"
#include "classlib/system/moduleresources.h"
#include "designer/dllbind.h"
#include "designer/resourceids.h"

#include <functional>
#include <limits>

using namespace classlib;

namespace designer {

namespace {

constexpr int StringBufferSize = 4096;

// Runs Proc with qxres bound, unloading it afterwards whatever happens.
void WithQXRes(const std::function<void(TDLLHandle)>& Proc)
{
    TDLLHandle handle = LoadQXLibrary(QString::fromLatin1(QXResLibraryName));
    try {
        Proc(handle);
    } catch (...) {
        UnloadDLL(handle);
        throw;
    }
    UnloadDLL(handle);
}

} // namespace

std::unique_ptr<TBitmap> LoadQXBitmap()
{
    auto bitmap = std::make_unique<TBitmap>();
    WithQXRes([&](TDLLHandle h) { LoadModuleBitmap(*bitmap, h, QXTextureBitmapId); });
    return bitmap;
}

QString LoadQXString()
{
    QString text;
    WithQXRes([&](TDLLHandle h) {
        char16_t buffer[StringBufferSize];
        const int count = LoadModuleString(h, QXTextureNamesId, buffer, StringBufferSize);
        if (count == 0)
            throw EDLLException(QStringLiteral("Resource Access Failed"));
        text = QString::fromUtf16(buffer, count);
    });
    return text;
}

std::unique_ptr<TJPEGImage> LoadQXJPEG(int Index)
{
    if (Index > std::numeric_limits<int>::max() - QXTextureJPEGBase)
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(qint64(QXTextureJPEGBase) + Index));
    auto image = std::make_unique<TJPEGImage>();
    WithQXRes([&](TDLLHandle h) {
        TResourceStream stream(h, QXTextureJPEGBase + Index);
        image->LoadFromStream(stream);
    });
    return image;
}

} // namespace designer
