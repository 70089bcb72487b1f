#pragma once

// Resource identifiers in the resource library (qxres): the texture
// thumbnails, their names, and the first texture picture.

namespace designer {

// A vertical strip of 64 x 64 pixel thumbnails, texture i at rows 64 i onwards.
inline constexpr int QXTextureBitmapId = 7000;
// One texture name per line.
inline constexpr int QXTextureNamesId = 6000;
// Texture i's JPEG picture is raw data QXTextureJPEGBase + i.
inline constexpr int QXTextureJPEGBase = 8000;

} // namespace designer
