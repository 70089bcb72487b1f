#include "runtime/host.h"
#include "runtime/tests/documentbytes.h"
#include "runtime/tests/testpaper.h"

#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

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

// The stored value behind a property name, replaced.
QByteArray Patched(QByteArray Body, const QByteArray& Name, const QByteArray& OldValue,
                   const QByteArray& NewValue)
{
    const QByteArray key = char(Name.size()) + Name + OldValue;
    const qsizetype at = Body.indexOf(key);
    EXPECT_GE(at, 0) << Name.constData();
    return Body.replace(at + 1 + Name.size(), OldValue.size(), NewValue);
}

class HostTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestPaperClasses(); }
};

TEST_F(HostTest, IndexOfPageIgnoresCase)
{
    TQXHost host(nullptr);
    TMemoryStream empty;
    host.AddPage(QStringLiteral("Title"), empty);
    host.AddPage(QStringLiteral("Detail"), empty);
    host.AddPage(QStringLiteral("DETAIL"), empty);
    const struct {
        const char* Name;
        int Index;
    } cases[] = {{"Title", 0}, {"title", 0}, {"dEtAiL", 1}, {"DETAIL", 1}, {"Summary", -1}, {"", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(host.IndexOfPage(QString::fromLatin1(c.Name)), c.Index) << c.Name;
}

TEST_F(HostTest, PagesAreRemovedAndRenamedWithTheirBytes)
{
    TQXHost host(nullptr);
    for (const char* name : {"Title", "Detail", "Summary"}) {
        TBytesStream bytes{QByteArray(name)};
        host.AddPage(QString::fromLatin1(name), bytes);
    }
    host.SetPageOrder(QStringLiteral("p  -1Title"));
    host.RemovePage(1);
    ASSERT_EQ(host.GetPageCount(), 2);
    EXPECT_EQ(host.GetPageName(1), "Summary");
    EXPECT_EQ(host.GetPageStream(1)->Bytes(), QByteArray("Summary"));
    host.SetPageName(0, QStringLiteral("Cover"));
    EXPECT_EQ(host.IndexOfPage(QStringLiteral("cover")), 0);
    EXPECT_EQ(host.GetPageStream(0)->Bytes(), QByteArray("Title"));
    // The order is the caller's to keep.
    EXPECT_EQ(host.PageOrder(), "p  -1Title");
    EXPECT_THROW(host.RemovePage(2), EStringListError);
    EXPECT_THROW(host.SetPageName(-1, QStringLiteral("X")), EStringListError);
    EXPECT_EQ(host.GetPageCount(), 2);
}

TEST_F(HostTest, NoPagesStoreCountZeroAndEmptyBlock)
{
    TQXHost host(nullptr);
    const QByteArray body = StreamOf(host);
    EXPECT_TRUE(body.contains(QByteArray("\x09PageCount") + Bytes({0x02, 0x00})));
    EXPECT_TRUE(body.contains(QByteArray("\x08PageData") + Bytes({0x0A, 0, 0, 0, 0})));
}

TEST_F(HostTest, PropertiesAreStoredInOrder)
{
    TQXHost host(nullptr);
    FillSampleHost(host);
    host.SetQXTopMargin(0);
    const QByteArray body = StreamOf(host);
    // Numbers are stored even when 0; PageData comes last.
    EXPECT_TRUE(body.contains(QByteArray("\x0bQXTopMargin") + Bytes({0x02, 0x00})));
    const char* order[] = {"QXLeftMargin", "QXTopMargin", "QXRightMargin", "QXBottomMargin",
                           "QXWidth", "QXHeight", "Orientation", "PaperSize", "PageCount",
                           "PageOrder", "PageData"};
    qsizetype last = -1;
    for (const char* name : order) {
        const qsizetype at = body.indexOf(name);
        EXPECT_GT(at, last) << name;
        last = at;
    }
}

TEST_F(HostTest, ClearKeepsPaperSettings)
{
    TQXHost host(nullptr);
    FillSampleHost(host);
    host.Clear();
    EXPECT_EQ(host.GetPageCount(), 0);
    EXPECT_TRUE(host.PageOrder().isEmpty());
    EXPECT_EQ(host.QXWidth(), 21000);
    EXPECT_EQ(host.Orientation(), poLandscape);
    EXPECT_EQ(host.PaperSize(), 9);
}

// Damaged counts and sizes are refused before anything is allocated for
// them, and the host keeps nothing of the failed read. A negative count
// promises no pages and a negative size announces an empty page.
TEST_F(HostTest, DamagedPageDataClearsTheHost)
{
    TQXHost source(nullptr);
    FillSampleHost(source);
    const QByteArray body = StreamOf(source);
    const QByteArray count = QByteArray("PageCount");
    const QByteArray titleSize = Bytes({0x06, 5}) + "Title";
    const qint32 pageSize = qint32(source.GetPageStream(0)->Size());
    ASSERT_GT(pageSize, 255);
    const QByteArray sizeBytes = Bytes({0x03, pageSize & 0xFF, pageSize >> 8});

    // The Title page stored with a negative size and without its bytes.
    QByteArray negativeTitle = body;
    {
        const qsizetype at = negativeTitle.indexOf(titleSize + sizeBytes);
        ASSERT_GE(at, 0);
        negativeTitle.replace(at, titleSize.size() + sizeBytes.size() + pageSize,
                              titleSize + Bytes({0x03, 0xFF, 0xFF}));
        // The block's length shrinks by the bytes left out.
        const QByteArray block = QByteArray("\x08PageData\x0A");
        const qsizetype len = negativeTitle.indexOf(block) + block.size();
        const qint32 old = qFromLittleEndian<qint32>(negativeTitle.constData() + len);
        qToLittleEndian<qint32>(old - pageSize, negativeTitle.data() + len);
    }

    const struct {
        const char* Name;
        QByteArray Body;
        const char* Error;
        QStringList Pages;  // the pages read when there is no error
    } cases[] = {
        {"count one more", Patched(body, count, Bytes({2, 2}), Bytes({2, 3})), "Stream read error", {}},
        {"count huge", Patched(body, count, Bytes({2, 2}), Bytes({4, 0xFF, 0xFF, 0xFF, 0x7F})),
         "Stream read error", {}},
        {"page size beyond the block",
         Patched(body, titleSize.mid(2), sizeBytes, Bytes({0x04, 0xF0, 0xFF, 0xFF, 0x7F})), "Stream read error", {}},
        {"count one fewer", Patched(body, count, Bytes({2, 2}), Bytes({2, 1})), "", {"Title"}},
        {"count negative", Patched(body, count, Bytes({2, 2}), Bytes({2, 0xFF})), "", {}},
        {"count most negative", Patched(body, count, Bytes({2, 2}), Bytes({4, 0, 0, 0, 0x80})), "", {}},
        {"page size negative", negativeTitle, "", {"Title", "Detail"}},
    };
    for (const auto& c : cases) {
        TQXHost host(nullptr);
        FillSampleHost(host);
        const QString error = ErrorOf([&] { ReadBody(c.Body, host); });
        EXPECT_EQ(error, QString::fromLatin1(c.Error)) << c.Name;
        if (!error.isEmpty()) {
            EXPECT_EQ(host.GetPageCount(), 0) << c.Name;
            EXPECT_TRUE(host.PageOrder().isEmpty()) << c.Name;
            continue;
        }
        QStringList pages;
        for (int i = 0; i < host.GetPageCount(); ++i) pages << host.GetPageName(i);
        EXPECT_EQ(pages, c.Pages) << c.Name;
        EXPECT_FALSE(host.PageOrder().isEmpty()) << c.Name;
    }
    // The page of negative size is empty; the one after it is whole.
    TQXHost host(nullptr);
    ReadBody(negativeTitle, host);
    EXPECT_EQ(host.GetPageStream(0)->Size(), 0);
    EXPECT_EQ(host.GetPageStream(1)->Bytes(), source.GetPageStream(1)->Bytes());
    TTestPaper paper(nullptr);
    EXPECT_EQ(ErrorOf([&] { host.LoadPage(&paper, 0); }), QStringLiteral("Stream read error"));
}

TEST_F(HostTest, CountWithoutPageDataFails)
{
    TQXHost source(nullptr);
    QByteArray body = StreamOf(source);
    body = Patched(body, "PageCount", Bytes({2, 0}), Bytes({2, 1}));
    // Drop the PageData entry: name, type 10 and a zero length.
    const QByteArray entry = QByteArray("\x08PageData") + Bytes({0x0A, 0, 0, 0, 0});
    body.remove(body.indexOf(entry), entry.size());
    TQXHost host(nullptr);
    EXPECT_EQ(ErrorOf([&] { ReadBody(body, host); }), QStringLiteral("Stream read error"));
}

TEST_F(HostTest, LoadingReplacesThePages)
{
    TQXHost source(nullptr);
    FillSampleHost(source);
    const QByteArray body = StreamOf(source);
    TQXHost host(nullptr);
    ReadBody(body, host);
    ReadBody(body, host);
    ASSERT_EQ(host.GetPageCount(), 2);
    EXPECT_EQ(host.GetPageName(1), QStringLiteral("Detail"));
}

TEST_F(HostTest, EmptyPageFailsWhenLoaded)
{
    TQXHost source(nullptr);
    TMemoryStream empty;
    source.AddPage(QStringLiteral("Empty"), empty);
    const QByteArray body = StreamOf(source);
    EXPECT_TRUE(body.contains(QByteArray("\x06\x05") + "Empty" + Bytes({0x02, 0x00})));

    TQXHost host(nullptr);
    ReadBody(body, host);
    ASSERT_EQ(host.GetPageCount(), 1);
    EXPECT_EQ(host.GetPageStream(0)->Size(), 0);
    TTestPaper paper(nullptr);
    EXPECT_EQ(ErrorOf([&] { host.LoadPage(&paper, 0); }), QStringLiteral("Stream read error"));
}

TEST_F(HostTest, LoadPageRereadsFromTheStart)
{
    TQXHost host(nullptr);
    FillSampleHost(host);
    for (int round = 0; round < 2; ++round) {
        TTestPaper paper(nullptr);
        host.LoadPage(&paper, 1);
        EXPECT_EQ(paper.Title, QStringLiteral("Detail")) << round;
        EXPECT_EQ(paper.ComponentCount(), 4) << round;
    }
}

// Page data is read in place from a stream in memory and copied from any
// other; both give the same pages, and a page outlives the bytes it came from.
TEST_F(HostTest, PagesReadInPlaceOrFromAFileAreTheSame)
{
    TQXHost source(nullptr);
    FillSampleHost(source);
    const QByteArray body = StreamOf(source);

    TQXHost fromMemory(nullptr);
    {
        QByteArray bytes = body;
        ReadBody(bytes, fromMemory);
        bytes.fill('x');
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("body.bin"));
    TBytesStream(body).SaveToFile(file);
    TQXHost fromFile(nullptr);
    {
        TFileStream stream(file, fmOpenRead);
        TReader reader(stream, 64);
        fromFile.LoadFromReader(reader);
    }
    ASSERT_EQ(fromMemory.GetPageCount(), 2);
    ASSERT_EQ(fromFile.GetPageCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(fromMemory.GetPageName(i), source.GetPageName(i));
        EXPECT_EQ(fromMemory.GetPageStream(i)->Bytes(), source.GetPageStream(i)->Bytes()) << i;
        EXPECT_EQ(fromFile.GetPageStream(i)->Bytes(), source.GetPageStream(i)->Bytes()) << i;
    }
}

TEST_F(HostTest, TakeFromMovesTheWholeDocument)
{
    TQXHost source(nullptr);
    FillSampleHost(source);
    source.SetName(QStringLiteral("Sales"));
    const QByteArray body = StreamOf(source);
    const TMemoryStream* detail = source.GetPageStream(1);

    TQXHost host(nullptr);
    TMemoryStream empty;
    host.AddPage(QStringLiteral("Old"), empty);
    host.TakeFrom(source);
    EXPECT_EQ(StreamOf(host), body);
    EXPECT_EQ(host.GetPageStream(1), detail);
    EXPECT_EQ(source.GetPageCount(), 0);
    // Taking from itself changes nothing.
    host.TakeFrom(host);
    EXPECT_EQ(StreamOf(host), body);

    // A name the owner refuses is not taken, as a read leaves it; the rest is.
    TComponent owner(nullptr);
    TComponent sales(&owner);
    sales.SetName(QStringLiteral("Sales"));
    TQXHost owned(&owner);
    owned.SetName(QStringLiteral("Mine"));
    owned.TakeFrom(host);
    EXPECT_EQ(owned.Name(), QStringLiteral("Mine"));
    EXPECT_EQ(owned.GetPageCount(), 2);
    EXPECT_EQ(owned.PageOrder(), source.PageOrder());
}

} // namespace
