// A document from untrusted bytes: the header, the body into a host and
// every page into a paper, the way the report component reads a file.
// Class-library exceptions are the expected outcome of bad input; anything
// else escaping, a crash or a sanitizer report is a finding.

#include "fuzz/fuzzclasses.h"

#include "runtime/documentheader.h"
#include "runtime/host.h"

#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

void ReadDocument(const QByteArray& Bytes)
{
    classlib::TBytesStream stream(Bytes);
    runtime::TQXReportHeader header;
    {
        classlib::TReader reader(stream, 8192);
        runtime::ReadReportHeader(reader, header);
    }
    QByteArray body(header.BodySize, Qt::Uninitialized);
    stream.ReadBuffer(body.data(), body.size());

    runtime::TQXHost host(nullptr);
    {
        classlib::TBytesStream bodyStream(body);
        classlib::TReader reader(bodyStream, 8192);
        host.LoadFromReader(reader);
    }
    for (int i = 0; i < host.GetPageCount(); ++i) {
        try {
            fuzz::TFuzzPaper paper(nullptr);
            host.LoadPage(&paper, i);
        } catch (const classlib::Exception&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const bool registered = (fuzz::RegisterFuzzClasses(), true);
    (void)registered;
    try {
        ReadDocument(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    } catch (const classlib::Exception&) {
    }
    return 0;
}
