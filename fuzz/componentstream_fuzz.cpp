// Arbitrary bytes as a component stream read into a page-like root: once
// with the reader's own error handling, once with handlers that skip what
// they do not know, as the document readers do. Class-library exceptions
// are the expected outcome of bad input; anything else is a finding.

#include "fuzz/fuzzclasses.h"

#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

void ReadInto(const QByteArray& Bytes, bool Lenient)
{
    try {
        classlib::TBytesStream stream(Bytes);
        fuzz::TFuzzPaper paper(nullptr);
        classlib::TReader reader(stream, 8192);
        if (Lenient) {
            reader.OnError = [](classlib::TReader&, const QString&, bool& Handled) { Handled = true; };
            reader.OnFindMethod = [](classlib::TReader&, const QString&,
                                     const classlib::TMethodInfo*&, bool& Error) { Error = false; };
        }
        reader.ReadRootComponent(&paper);
    } catch (const classlib::Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const bool registered = (fuzz::RegisterFuzzClasses(), true);
    (void)registered;
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    ReadInto(bytes, false);
    ReadInto(bytes, true);
    return 0;
}
