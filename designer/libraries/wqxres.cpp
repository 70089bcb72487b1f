#include "designer/libraries/wqxres.h"

#include "classlib/system/dll.h"
#include "classlib/system/moduleresources.h"
#include "designer/libraries/dllbind.h"
#include "designer/libraries/resourceids.h"

#include <limits>

using namespace classlib;

namespace designer {

namespace {

constexpr int StringBufferSize = 4096;

QString QXRes()
{
    return QString::fromLatin1(QXResLibraryName);
}

} // namespace

std::unique_ptr<TBitmap> LoadQXBitmap()
{
    TDLLLoad qxres(LoadQXLibrary(QXRes()));
    auto bitmap = std::make_unique<TBitmap>();
    LoadModuleBitmap(*bitmap, qxres.Handle(), QXTextureBitmapId);
    return bitmap;
}

QString LoadQXString()
{
    TDLLLoad qxres(LoadQXLibrary(QXRes()));
    char16_t buffer[StringBufferSize];
    const int count = LoadModuleString(qxres.Handle(), QXTextureNamesId, buffer, StringBufferSize);
    if (count == 0)
        throw EDLLException(QStringLiteral("Resource Access Failed"));
    return QString::fromUtf16(buffer, count);
}

std::unique_ptr<TJPEGImage> LoadQXJPEG(int Index)
{
    if (Index > std::numeric_limits<int>::max() - QXTextureJPEGBase)
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(qint64(QXTextureJPEGBase) + Index));
    TDLLLoad qxres(LoadQXLibrary(QXRes()));
    auto image = std::make_unique<TJPEGImage>();
    TResourceStream stream(qxres.Handle(), QXTextureJPEGBase + Index);
    image->LoadFromStream(stream);
    return image;
}

} // namespace designer
