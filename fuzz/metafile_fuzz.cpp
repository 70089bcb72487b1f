// An enhanced metafile from untrusted bytes: checked when loaded, then
// played onto an image. Class-library exceptions are the expected outcome
// of bad input; a crash, a hang or a sanitizer report is a finding.

#include "fuzz/graphicsfuzz.h"

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/metafile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    fuzz::EnsureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    try {
        classlib::TMetafile metafile;
        classlib::TBytesStream stream(bytes);
        metafile.LoadFromStream(stream);
        fuzz::DrawOnImage(metafile);
    } catch (const classlib::Exception&) {
    }
    return 0;
}
