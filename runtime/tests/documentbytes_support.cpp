#include "runtime/tests/documentbytes.h"

#include "runtime/host.h"

#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

using namespace classlib;

namespace runtime::tests {

QByteArray StreamOf(TComponent& Root)
{
    TMemoryStream stream;
    {
        TWriter writer(stream, 8192);
        writer.WriteRootComponent(&Root);
    }
    return stream.Bytes();
}

QByteArray HeaderBytes(const TQXReportHeader& Header)
{
    TMemoryStream stream;
    TWriter writer(stream, 8192);
    WriteReportHeader(writer, Header);
    // The header flushed itself: its bytes are in the stream already.
    return stream.Bytes();
}

QByteArray DocumentOf(const TQXReportHeader& Header, const QByteArray& Body)
{
    TQXReportHeader header = Header;
    header.BodySize = qint32(Body.size());
    return HeaderBytes(header) + Body;
}

QByteArray DocumentOf(TComponent& Host)
{
    TQXReportHeader header;
    InitReportHeader(header);
    return DocumentOf(header, StreamOf(Host));
}

void ReadDocument(const QByteArray& Document, TQXHost& Host)
{
    TBytesStream stream(Document);
    TQXReportHeader header;
    {
        TReader reader(stream, 8192);
        ReadReportHeader(reader, header);
    }
    QByteArray body(header.BodySize, Qt::Uninitialized);
    stream.ReadBuffer(body.data(), body.size());
    ReadBody(body, Host);
}

void ReadBody(const QByteArray& Body, TQXHost& Host)
{
    TBytesStream stream(Body);
    TReader reader(stream, 8192);
    Host.LoadFromReader(reader);
}

QString ErrorOf(const std::function<void()>& Action)
{
    try {
        Action();
    } catch (const Exception& E) {
        return E.Message.isEmpty() ? QStringLiteral("<empty message>") : E.Message;
    }
    return {};
}

} // namespace runtime::tests
