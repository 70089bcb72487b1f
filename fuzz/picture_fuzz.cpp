// A picture's stored "Data" from untrusted bytes: the graphic's class name
// and its data, then the graphic written back and drawn. Class-library
// exceptions are the expected outcome of bad input; a crash, a hang or a
// sanitizer report is a finding.

#include "fuzz/graphicsfuzz.h"

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/picture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    fuzz::EnsureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    try {
        classlib::TPicture picture;
        classlib::TBytesStream stream(bytes);
        picture.ReadData(stream);
        classlib::TMemoryStream out;
        picture.WriteData(out);
        if (picture.Graphic()) fuzz::DrawOnImage(*picture.Graphic());
    } catch (const classlib::Exception&) {
    }
    return 0;
}
