// A bitmap file from untrusted bytes. Class-library exceptions are the
// expected outcome of bad input; a crash or a sanitizer report is a finding.

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/bitmap.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    try {
        classlib::TBitmap bitmap;
        classlib::TBytesStream stream(bytes);
        bitmap.LoadFromStream(stream);
        classlib::TMemoryStream out;
        bitmap.WriteData(out);
    } catch (const classlib::Exception&) {
    }
    return 0;
}
