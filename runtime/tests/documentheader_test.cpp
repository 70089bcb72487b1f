#include "runtime/documentheader.h"
#include "runtime/reporterror.h"
#include "runtime/tests/documentbytes.h"

#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

QByteArray Bytes(std::initializer_list<int> Values)
{
    QByteArray b;
    for (int v : Values)
        b.append(char(v));
    return b;
}

TEST(ReportHeader, DefaultHeaderBytes)
{
    TQXReportHeader header;
    InitReportHeader(header);
    header.BodySize = 300;
    const QByteArray expected = Bytes({0x04, 'Q', 'X', 0xDE, 0xAD, 0x06, 20, '\r', '\n'}) +
                                QByteArray("Tessary document") +
                                Bytes({'\r', '\n', 0x02, 0x78, 0x02, 0x78, 0x03, 0x2C, 0x01});
    EXPECT_EQ(HeaderBytes(header).toHex(' '), expected.toHex(' '));
}

TEST(ReportHeader, BodySizeTakesItsSmallestForm)
{
    const struct {
        const char* Name;
        qint32 BodySize;
        QByteArray Tail;
    } cases[] = {
        {"zero", 0, Bytes({0x02, 0x00})},
        {"one byte", 127, Bytes({0x02, 0x7F})},
        {"two bytes", 200, Bytes({0x03, 0xC8, 0x00})},
        {"four bytes", 40000, Bytes({0x04, 0x40, 0x9C, 0x00, 0x00})},
    };
    for (const auto& c : cases) {
        TQXReportHeader header;
        InitReportHeader(header);
        header.BodySize = c.BodySize;
        EXPECT_TRUE(HeaderBytes(header).endsWith(c.Tail)) << c.Name;
    }
}

// The header is read, checked and the stream left at the body's first byte;
// a refused header leaves the caller's record as it was.
TEST(ReportHeader, ReadChecks)
{
    const QByteArray body = "BODYBYTES";
    const struct {
        const char* Name;
        std::function<void(TQXReportHeader&)> Change;
        std::function<void(QByteArray&)> Damage;
        const char* Error;
    } cases[] = {
        {"defaults", nullptr, nullptr, ""},
        {"older format", [](TQXReportHeader& h) { h.FormatVersion = 119; }, nullptr, ""},
        {"newer program, same format", [](TQXReportHeader& h) { h.Version = 999; }, nullptr, ""},
        {"long description", [](TQXReportHeader& h) { h.Description = QString(300, 'd'); }, nullptr, ""},
        {"empty body", [](TQXReportHeader& h) { h.BodySize = 0; }, nullptr, ""},
        {"newer format", [](TQXReportHeader& h) { h.FormatVersion = 121; }, nullptr,
         "Invalid stream version"},
        {"signature as a short integer", nullptr, [](QByteArray& b) { b[0] = 0x03; },
         "Invalid stream format"},
        {"signature byte wrong", nullptr, [](QByteArray& b) { b[4] = char(0xAE); },
         "Invalid stream format"},
        {"component stream instead", nullptr, [](QByteArray& b) { b.replace(0, 4, "TPF0"); },
         "Invalid stream format"},
        {"negative body size", [](TQXReportHeader& h) { h.BodySize = -1; }, nullptr,
         "Stream read error"},
        {"body size beyond the end", [](TQXReportHeader& h) { h.BodySize = 10; }, nullptr,
         "Stream read error"},
        {"huge body size", [](TQXReportHeader& h) { h.BodySize = 0x7FFFFFFF; }, nullptr,
         "Stream read error"},
    };
    for (const auto& c : cases) {
        TQXReportHeader written;
        InitReportHeader(written);
        written.BodySize = body.size();
        if (c.Change)
            c.Change(written);
        QByteArray document = HeaderBytes(written);
        const qint64 headerSize = document.size();
        document += body;
        if (c.Damage)
            c.Damage(document);

        TBytesStream stream(document);
        TQXReportHeader read;
        read.Description = QStringLiteral("untouched");
        const QString error = ErrorOf([&] {
            TReader reader(stream, 8192);
            ReadReportHeader(reader, read);
            EXPECT_EQ(stream.Position(), headerSize) << c.Name;
        });
        EXPECT_EQ(error, QString::fromLatin1(c.Error)) << c.Name;
        if (error.isEmpty()) {
            EXPECT_EQ(read.Signature, QXSignature) << c.Name;
            EXPECT_EQ(read.Description, written.Description) << c.Name;
            EXPECT_EQ(read.Version, written.Version) << c.Name;
            EXPECT_EQ(read.FormatVersion, written.FormatVersion) << c.Name;
            EXPECT_EQ(read.BodySize, written.BodySize) << c.Name;
        } else {
            EXPECT_EQ(read.Description, QStringLiteral("untouched")) << c.Name;
        }
    }
}

TEST(ReportHeader, RuntimeErrorsAreReportErrors)
{
    TQXReportHeader header;
    InitReportHeader(header);
    header.FormatVersion = 121;
    TBytesStream stream(HeaderBytes(header));
    TReader reader(stream, 8192);
    EXPECT_THROW(ReadReportHeader(reader, header), EQXError);
}

TEST(PageHeader, RoundTripAndLengthChecks)
{
    const struct {
        const char* Name;
        QString PageName;
        qint32 Size;
        int Following;  // bytes behind the header
        const char* Error;
    } cases[] = {
        {"default name", QStringLiteral("<none>"), 0, 0, ""},
        {"exact", QStringLiteral("Page1"), 5, 5, ""},
        {"more follows", QStringLiteral("Page1"), 5, 9, ""},
        {"long name", QString(256, 'n'), 1, 1, ""},
        {"size beyond the end", QStringLiteral("Page1"), 6, 5, "Stream read error"},
        // Announces no bytes: an empty page, refused only when it is used.
        {"negative size", QStringLiteral("Page1"), -5, 5, ""},
        {"most negative size", QStringLiteral("Page1"), INT_MIN, 0, ""},
    };
    for (const auto& c : cases) {
        TMemoryStream stream;
        TQXPageHeader written;
        InitPageHeader(written);
        written.Name = c.PageName;
        written.Size = c.Size;
        {
            TWriter writer(stream, 8192);
            WritePageHeader(writer, written);
            const QByteArray tail(c.Following, 'x');
            writer.Write(tail.constData(), tail.size());
        }
        const qint64 headerSize = stream.Size() - c.Following;
        stream.SetPosition(0);
        TQXPageHeader read;
        const QString error = ErrorOf([&] {
            TReader reader(stream, 8192);
            ReadPageHeader(reader, read);
            EXPECT_EQ(stream.Position(), headerSize) << c.Name;
        });
        EXPECT_EQ(error, QString::fromLatin1(c.Error)) << c.Name;
        if (error.isEmpty()) {
            EXPECT_EQ(read.Name, c.PageName) << c.Name;
            EXPECT_EQ(read.Size, c.Size) << c.Name;
        }
    }
}

} // namespace
