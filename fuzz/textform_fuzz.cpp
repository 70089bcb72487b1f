// Arbitrary bytes as the text form of one object. Text that converts must
// come back as the same bytes through binary -> text -> binary; a
// difference aborts. Class-library exceptions are the expected outcome of
// bad text; anything else is a finding.

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/textform.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray text(reinterpret_cast<const char*>(Data), qsizetype(Size));
    QByteArray binary;
    try {
        classlib::TBytesStream in(text);
        classlib::TMemoryStream out;
        classlib::ObjectTextToBinary(in, out);
        binary = out.Bytes();
    } catch (const classlib::Exception&) {
        return 0;
    }
    // What the text gave must convert both ways without a complaint.
    classlib::TBytesStream in(binary);
    classlib::TMemoryStream again;
    classlib::ObjectBinaryToText(in, again);
    if (in.Position() != in.Size()) std::abort();
    again.SetPosition(0);
    classlib::TMemoryStream back;
    classlib::ObjectTextToBinary(again, back);
    if (back.Bytes() != binary) {
        std::fprintf(stderr, "text form round trip changed the bytes\n");
        std::abort();
    }
    return 0;
}
