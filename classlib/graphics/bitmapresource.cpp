#include "classlib/graphics/bitmapresource.h"

#include "classlib/graphics/bitmap.h"

#include <QHash>

namespace classlib {

namespace {

QHash<QString, QImage>& Bitmaps()
{
    static QHash<QString, QImage> bitmaps;
    return bitmaps;
}

} // namespace

void RegisterBitmapResource(const QString& Name, const QImage& Image)
{
    Bitmaps().insert(Name.toUpper(), Image);
}

bool LoadBitmapResource(TBitmap& Bitmap, const QString& Name)
{
    const auto it = Bitmaps().constFind(Name.toUpper());
    if (it == Bitmaps().constEnd())
        return false;
    Bitmap.SetImage(*it);
    return true;
}

} // namespace classlib
