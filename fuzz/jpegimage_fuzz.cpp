// A JPEG file from untrusted bytes, decoded through libjpeg. Class-library
// exceptions are the expected outcome of bad input; a crash, a hang or a
// sanitizer report is a finding.

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/jpegimage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    try {
        classlib::TJPEGImage jpeg;
        classlib::TBytesStream stream(bytes);
        jpeg.LoadFromStream(stream);
    } catch (const classlib::Exception&) {
    }
    return 0;
}
