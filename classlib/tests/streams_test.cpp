#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

#include <utility>

using namespace classlib;

namespace {

using classlib::test::ErrorOf;

QByteArray ReadAll(TStream& S)
{
    QByteArray b(S.Remaining(), Qt::Uninitialized);
    S.ReadBuffer(b.data(), b.size());
    return b;
}

// Claims more bytes than it delivers.
class TShortStream : public TStream {
public:
    qint64 Read(void* Buffer, qint64 Count) override
    {
        const qint64 n = std::min<qint64>(Count, 3);
        memset(Buffer, 'x', size_t(n));
        return n;
    }
    qint64 Write(const void*, qint64) override { return 0; }
    qint64 Seek(qint64, TSeekOrigin) override { return 0; }
    qint64 Size() override { return 10; }
};

} // namespace

TEST(MemoryStream, GrowsSeeksAndReads)
{
    TMemoryStream s;
    s.WriteBuffer("hello", 5);
    EXPECT_EQ(s.Size(), 5);
    EXPECT_EQ(s.Position(), 5);

    // Writing after a gap fills the gap with zeros.
    EXPECT_EQ(s.Seek(3, soEnd), 8);
    s.WriteBuffer("!", 1);
    EXPECT_EQ(s.Bytes(), QByteArray("hello\0\0\0!", 9));

    s.SetPosition(1);
    char buf[4];
    s.ReadBuffer(buf, 4);
    EXPECT_EQ(QByteArray(buf, 4), "ello");
    EXPECT_EQ(s.Seek(-2, soCurrent), 3);
    EXPECT_EQ(s.Remaining(), 6);
    EXPECT_EQ(s.Read(buf, 4), 4);
    EXPECT_EQ(s.Read(buf, 4), 2);  // short at the end
    EXPECT_EQ(s.Read(buf, 4), 0);

    s.SetSize(2);
    EXPECT_EQ(s.Position(), 2);
    EXPECT_EQ(s.Bytes(), "he");
    s.Clear();
    EXPECT_EQ(s.Size(), 0);
}

TEST(MemoryStream, ErrorsAreExact)
{
    TMemoryStream s;
    s.WriteBuffer("abc", 3);
    s.SetPosition(1);
    char buf[8];
    EXPECT_EQ(ErrorOf<EReadError>([&] { s.ReadBuffer(buf, 3); }), "Stream read error");
    EXPECT_EQ(ErrorOf<EStreamError>([&] { s.Seek(-1, soBeginning); }), "Stream seek error");
    EXPECT_EQ(ErrorOf<EStreamError>([&] { s.Seek(std::numeric_limits<qint64>::max(), soEnd); }),
              "Stream seek error");
    EXPECT_EQ(ErrorOf<EOutOfMemory>([&] { s.SetSize(MaxMemoryStreamSize + 1); }), "Out of memory");
    s.SetPosition(MaxMemoryStreamSize);
    EXPECT_EQ(ErrorOf<EOutOfMemory>([&] { s.WriteBuffer("x", 1); }), "Out of memory");
    EXPECT_EQ(s.Bytes(), "abc");  // nothing lost by the failures
}

TEST(MemoryStream, BytesStreamSharesWithoutWritingThrough)
{
    const QByteArray source("abcdef");
    TBytesStream s(source);
    EXPECT_EQ(std::as_const(s).Memory(), source.constData());
    EXPECT_EQ(ReadAll(s), "abcdef");
    s.SetPosition(0);
    s.WriteBuffer("X", 1);
    EXPECT_EQ(s.Bytes(), "Xbcdef");
    EXPECT_EQ(source, "abcdef");
}

TEST(MemoryStream, CopyFromAndLoad)
{
    TMemoryStream src;
    src.WriteBuffer("0123456789", 10);
    TMemoryStream dst;
    EXPECT_EQ(dst.CopyFrom(src, 0), 10);  // 0: all of it, from the start
    EXPECT_EQ(dst.Bytes(), "0123456789");
    src.SetPosition(4);
    EXPECT_EQ(dst.CopyFrom(src, 3), 3);
    EXPECT_EQ(dst.Bytes(), "0123456789456");
    EXPECT_EQ(ErrorOf<EReadError>([&] { dst.CopyFrom(src, 10); }), "Stream read error");

    // A failed load keeps what was there.
    TMemoryStream m;
    m.WriteBuffer("old", 3);
    TShortStream shortStream;
    EXPECT_THROW(m.LoadFromStream(shortStream), EReadError);
    EXPECT_EQ(m.Bytes(), "old");
    m.LoadFromStream(src);
    EXPECT_EQ(m.Bytes(), "0123456789");
    EXPECT_EQ(m.Position(), 0);
}

TEST(FileStream, CreateOpenWriteRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = dir.filePath("data.bin");
    {
        TFileStream f(name, fmCreate);
        f.WriteBuffer("hello world", 11);
        EXPECT_EQ(f.Size(), 11);
    }
    {
        // Opening for writing must not truncate.
        TFileStream f(name, fmOpenWrite | fmShareDenyNone);
        EXPECT_EQ(f.Size(), 11);
        f.SetPosition(6);
        f.WriteBuffer("WORLD", 5);
        char c;
        EXPECT_EQ(f.Read(&c, 1), 0);  // write-only
    }
    {
        TFileStream f(name, fmOpenReadWrite);
        EXPECT_EQ(ReadAll(f), "hello WORLD");
        f.SetSize(5);
        EXPECT_EQ(f.Position(), 5);
        EXPECT_EQ(f.Size(), 5);
    }
    TFileStream f(name, fmOpenRead);
    EXPECT_EQ(ReadAll(f), "hello");
    EXPECT_EQ(ErrorOf<EWriteError>([&] { f.WriteBuffer("x", 1); }), "Stream write error");
    EXPECT_EQ(ErrorOf<EStreamError>([&] { f.Seek(-6, soEnd); }), "Stream seek error");
}

TEST(FileStream, OpenErrors)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath("missing.bin");
    const QString noDir = dir.filePath("no/such/dir.bin");
    EXPECT_EQ(ErrorOf<EFOpenError>([&] { TFileStream f(missing, fmOpenRead); }),
              "Cannot open file " + missing);
    EXPECT_EQ(ErrorOf<EFOpenError>([&] { TFileStream f(missing, fmOpenWrite); }),
              "Cannot open file " + missing);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(ErrorOf<EFOpenError>([&] { TFileStream f(dir.path(), fmOpenRead); }),
              "Cannot open file " + dir.path());
    EXPECT_EQ(ErrorOf<EFCreateError>([&] { TFileStream f(noDir, fmCreate); }),
              "Cannot create file " + noDir);
}

TEST(FileStream, MemoryStreamFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = dir.filePath("m.bin");
    TMemoryStream m;
    m.WriteBuffer("abc\0def", 7);
    m.SaveToFile(name);
    TMemoryStream back;
    back.LoadFromFile(name);
    EXPECT_EQ(back.Bytes(), QByteArray("abc\0def", 7));

    const QString noDir = dir.filePath("no/m.bin");
    EXPECT_EQ(ErrorOf<EFCreateError>([&] { m.SaveToFile(noDir); }), "Cannot create file " + noDir);
    EXPECT_THROW(back.LoadFromFile(dir.filePath("missing")), EFOpenError);
    EXPECT_EQ(back.Size(), 7);
}
