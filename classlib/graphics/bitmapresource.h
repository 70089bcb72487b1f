#pragma once

// The program's bitmaps by name, as a module's resources: registered at
// start-up, looked up by name without regard to case.

#include <QImage>
#include <QString>

namespace classlib {

class TBitmap;

// A later registration of the same name replaces the earlier one.
void RegisterBitmapResource(const QString& Name, const QImage& Image);
// Fills Bitmap; false, leaving it as it was, when no bitmap has that name.
bool LoadBitmapResource(TBitmap& Bitmap, const QString& Name);

} // namespace classlib
