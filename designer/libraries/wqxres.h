#pragma once

// The designer's calls into its resource library (qxres): the textures the
// background dialog offers. Each binds the library, reads one resource and
// unloads it again, also on failure.

#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/jpegimage.h"

#include <QString>

#include <memory>

namespace designer {

inline constexpr const char* QXResLibraryName = "qxres.dll";

// The thumbnail strip (bitmap 7000): texture i at rows 64 i to 64 i + 63.
std::unique_ptr<classlib::TBitmap> LoadQXBitmap();
// The texture names (string 6000), one per line, at most 4095 characters.
// EDLLException "Resource Access Failed" when the library has none.
QString LoadQXString();
// Texture Index's picture (raw data 8000 + Index).
std::unique_ptr<classlib::TJPEGImage> LoadQXJPEG(int Index);

} // namespace designer
