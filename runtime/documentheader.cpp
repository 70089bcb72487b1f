#include "runtime/documentheader.h"

#include "runtime/reporterror.h"

#include "classlib/core/reader.h"
#include "classlib/core/streamformat.h"
#include "classlib/core/writer.h"

#include <cstring>

namespace runtime {

using classlib::TReader;
using classlib::TWriter;

namespace {

const unsigned char SignatureBytes[4] = {'Q', 'X', 0xDE, 0xAD};

// A stored length is trusted only when the bytes it announces are there.
void CheckLength(TReader& Reader, qint32 Length)
{
    if (Length < 0 || Length > Reader.Remaining())
        RaiseReportError(QString::fromLatin1(classlib::SStreamReadError));
}

} // namespace

void InitReportHeader(TQXReportHeader& Header)
{
    Header.Signature = QXSignature;
    Header.Description = QStringLiteral("\r\nTessary document\r\n");
    Header.Version = QXVersion;
    Header.FormatVersion = QXFormatVersion;
    Header.BodySize = 0;
}

void InitPageHeader(TQXPageHeader& Header)
{
    Header.Name = QStringLiteral("<none>");
    Header.Size = 0;
}

void WriteReportHeader(TWriter& Writer, const TQXReportHeader& Header)
{
    Writer.WriteInteger(Header.Signature);
    Writer.WriteString(Header.Description);
    Writer.WriteInteger(Header.Version);
    Writer.WriteInteger(Header.FormatVersion);
    Writer.WriteInteger(Header.BodySize);
    Writer.FlushBuffer();
}

void ReadReportHeader(TReader& Reader, TQXReportHeader& Header)
{
    unsigned char type = 0;
    Reader.Read(&type, 1);
    if (type != static_cast<unsigned char>(classlib::TValueType::vaInt32))
        RaiseReportError(QString::fromLatin1(classlib::SInvalidStreamFormat));
    unsigned char signature[4];
    Reader.Read(signature, sizeof(signature));
    if (std::memcmp(signature, SignatureBytes, sizeof(signature)) != 0)
        RaiseReportError(QString::fromLatin1(classlib::SInvalidStreamFormat));

    TQXReportHeader h;
    h.Signature = QXSignature;
    h.Description = Reader.ReadString();
    h.Version = Reader.ReadInteger();
    h.FormatVersion = Reader.ReadInteger();
    if (h.FormatVersion > QXFormatVersion)
        RaiseReportError(QStringLiteral("Invalid stream version"));
    h.BodySize = Reader.ReadInteger();
    Reader.FlushBuffer();
    CheckLength(Reader, h.BodySize);
    Header = std::move(h);
}

void WritePageHeader(TWriter& Writer, const TQXPageHeader& Header)
{
    Writer.WriteString(Header.Name);
    Writer.WriteInteger(Header.Size);
    Writer.FlushBuffer();
}

void ReadPageHeader(TReader& Reader, TQXPageHeader& Header)
{
    TQXPageHeader h;
    h.Name = Reader.ReadString();
    h.Size = Reader.ReadInteger();
    Reader.FlushBuffer();
    // A negative size announces no bytes: the page is empty.
    if (h.Size > 0) CheckLength(Reader, h.Size);
    Header = std::move(h);
}

} // namespace runtime
