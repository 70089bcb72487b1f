// Every component stream of the fuzz corpora survives the trip through the
// text form byte for byte: the component streams themselves, and in the
// documents the body behind the header and each page inside "PageData".

#include "streamclasses.h"

#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/textform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <string>
#include <vector>

using namespace classlib;
using namespace streamtest;

namespace textformcorpus_test {

struct TSample {
    std::string Where;
    QByteArray Bytes;
};

QByteArray FileBytes(const QString& Path)
{
    QFile f(Path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << Path.toStdString();
    return f.readAll();
}

QStringList Files(const char* Folder)
{
    const QDir dir(QStringLiteral(QX_FUZZ_CORPUS) + QLatin1Char('/') + QLatin1String(Folder));
    QStringList files;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) files << dir.filePath(name);
    return files;
}

// The bytes of the root's "PageData" block, or nothing.
QByteArray PageData(const QByteArray& Body)
{
    TBytesStream stream(Body);
    TReader reader(stream);
    reader.ReadSignature();
    int flags, pos;
    reader.ReadPrefix(flags, pos);
    reader.ReadStr();
    reader.ReadStr();
    while (!reader.EndOfList()) {
        const QString name = reader.ReadStr();
        if (name != QLatin1String("PageData") || reader.NextValue() != TValueType::vaBinary) {
            reader.SkipValue();
            continue;
        }
        reader.ReadValue();
        qint32 size = 0;
        reader.Read(&size, 4);
        QByteArray data(size, Qt::Uninitialized);
        reader.Read(data.data(), size);
        return data;
    }
    return {};
}

// Documents: the header (signature, description, two versions, body size),
// the body, and the pages of the body's "PageData" (a name and a size each).
void AddDocument(const QString& Path, std::vector<TSample>& Samples)
{
    const QByteArray document = FileBytes(Path);
    TBytesStream stream(document);
    qint32 bodySize = 0;
    {
        TReader reader(stream);
        reader.ReadInteger();
        reader.ReadString();
        reader.ReadInteger();
        reader.ReadInteger();
        bodySize = reader.ReadInteger();
    }
    const QByteArray body = document.mid(stream.Position(), bodySize);
    if (!body.startsWith("TPF0")) return;  // a document of an older format
    Samples.push_back({Path.toStdString() + " body", body});
    const QByteArray pages = PageData(body);
    TBytesStream pageStream(pages);
    TReader reader(pageStream);
    for (int i = 0; reader.Remaining() > 0; ++i) {
        reader.ReadString();
        const qint32 size = reader.ReadInteger();
        QByteArray page(qMax(size, 0), Qt::Uninitialized);
        reader.Read(page.data(), page.size());
        if (!page.isEmpty()) Samples.push_back({Path.toStdString() + " page " + std::to_string(i), page});
    }
}

TEST(TextFormCorpus, EveryStreamRoundTrips)
{
    std::vector<TSample> samples;
    for (const QString& f : Files("componentstream")) samples.push_back({f.toStdString(), FileBytes(f)});
    for (const char* folder : {"document", "report"})
        for (const QString& f : Files(folder)) AddDocument(f, samples);

    int pages = 0;
    for (const TSample& s : samples) {
        SCOPED_TRACE(s.Where);
        TBytesStream binary(s.Bytes);
        TMemoryStream text;
        ObjectBinaryToText(binary, text);
        text.SetPosition(0);
        TMemoryStream back;
        ObjectTextToBinary(text, back);
        EXPECT_EQ(HexOf(back.Bytes()), HexOf(s.Bytes.left(binary.Position())));
        if (s.Where.find(" page ") != std::string::npos) ++pages;
    }
    EXPECT_GE(samples.size(), 20u);
    EXPECT_GE(pages, 5);
}

} // namespace textformcorpus_test
