#pragma once

// A library's resources: bitmaps (BMP files), strings and raw data, each
// found by its kind and number. The library exports one C function,
// QXModuleResources, that returns its table; the data stays in the
// library, which stays mapped once loaded.

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/system/dll.h"

#include <QByteArray>

extern "C" {

enum TQXResourceKind { rkBitmap = 2, rkString = 6, rkRawData = 10 };

struct TQXResource {
    int Kind;
    int Id;
    const unsigned char* Data;  // a string's data is UTF-8
    unsigned long Size;
};

struct TQXResourceTable {
    int Count;
    const TQXResource* Items;
};
}

namespace classlib {

class TBitmap;

class EResNotFound : public Exception { public: using Exception::Exception; };

inline constexpr const char* ModuleResourcesEntry = "QXModuleResources";
using TModuleResourcesProc = const TQXResourceTable* (*)();

// A copy of the resource's bytes. EResNotFound "Resource %s not found"
// with the number when Module has no such resource (or no table).
QByteArray FindModuleResource(TDLLHandle Module, TQXResourceKind Kind, int Id);

// The bitmap resource Id of Module into Bitmap. EResNotFound when missing;
// a resource that is no bitmap raises the bitmap reader's error.
void LoadModuleBitmap(TBitmap& Bitmap, TDLLHandle Module, int Id);

// Copies at most BufferMax - 1 characters of the string resource Id into
// Buffer and ends them with a zero; the number copied. 0, with Buffer
// holding an empty string, when Module has no such string.
int LoadModuleString(TDLLHandle Module, int Id, char16_t* Buffer, int BufferMax);

// A read-only stream over a raw-data resource. EResNotFound when missing.
class TResourceStream : public TCustomMemoryStream {
public:
    TResourceStream(TDLLHandle Module, int Id, TQXResourceKind Kind = rkRawData);

    // Refused: EStreamError "Can't write to a read-only resource stream".
    qint64 Write(const void* Buffer, qint64 Count) override;
};

} // namespace classlib
