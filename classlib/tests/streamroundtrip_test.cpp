#include "streamclasses.h"

#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace streamtest;

namespace streamroundtrip_test {

// A page using every kind of property, nesting, references and events.
void Fill(TStmPage& Page)
{
    Page.SetName("Page1");
    Page.Margin = -40000;
    auto* a = new TStmElement(&Page);
    a->SetName("A");
    a->Left = 70000;
    a->Small = -300;
    a->Byte = 200;
    a->Big = 0x80000000u;
    a->Huge = -(qint64(1) << 50);
    a->Shade = shLight;
    a->Edges = {edRight, edLeft};
    a->Visible = false;
    a->Ratio = 0.1;
    a->Ext = 1.0L / 3;
    a->Caption = QString(300, QChar(0xE4));
    a->Short = QString::fromUtf8("caf\u00E9 \u20AC");
    a->Letter = 'q';
    a->Tint = TStmTint(255);
    a->Frame->Width = 3;
    a->Frame->Pen->Color = TStmTint(0x123456);
    a->Notes = QStringList{"one", QString(256, QLatin1Char('n'))};
    a->Data = QByteArray(10000, '\x5A');
    a->OnClick = TMethod{TStmPage::StaticClass().FindMethod(u"ElementClick"), &Page};
    auto* b = new TStmElement(&Page);
    b->SetName("B");
    b->ParentElement = a;
    auto* c = new TStmElement(&Page);
    c->SetName("C");
    c->ParentElement = b;
    a->SetPeer(c);  // forward
    c->SetPeer(a);
    b->SetPeer(nullptr);
    for (int i = 0; i < 3; ++i) {
        auto* line = static_cast<TStmLine*>(b->Lines->Add());
        line->Pos = i * 1000;
        line->Caption = QString::number(i);
        line->Link = i == 1 ? c : nullptr;
    }
}

QByteArray Write(TComponent* Root, int BufSize)
{
    TMemoryStream stream;
    {
        TWriter writer(stream, BufSize);
        writer.WriteRootComponent(Root);
    }
    return stream.Bytes();
}

void Read(const QByteArray& Bytes, TComponent* Root, int BufSize)
{
    TBytesStream stream(Bytes);
    TReader reader(stream, BufSize);
    reader.ReadRootComponent(Root);
    EXPECT_EQ(reader.Remaining(), 0);
}

TEST(StreamRoundTrip, WriteReadWriteGivesTheSameBytes)
{
    for (int bufSize : {8192, 16, 7}) {
        TStmPage original(nullptr);
        Fill(original);
        const QByteArray first = Write(&original, bufSize);

        TStmPage copy(nullptr);
        Read(first, &copy, bufSize);
        EXPECT_EQ(HexOf(Write(&copy, bufSize)), HexOf(first)) << bufSize;

        ASSERT_EQ(copy.ComponentCount(), 3);
        auto* a = static_cast<TStmElement*>(copy.FindComponent("A"));
        auto* b = static_cast<TStmElement*>(copy.FindComponent("B"));
        auto* c = static_cast<TStmElement*>(copy.FindComponent("C"));
        EXPECT_EQ(copy.Margin, -40000);
        EXPECT_EQ(a->Huge, -(qint64(1) << 50));
        EXPECT_EQ(a->Big, 0x80000000u);
        EXPECT_EQ(a->Ratio, 0.1);
        EXPECT_EQ(a->Ext, 1.0L / 3);
        EXPECT_EQ(a->Caption, QString(300, QChar(0xE4)));
        EXPECT_EQ(a->Short, QString::fromUtf8("caf\u00E9 \u20AC"));
        EXPECT_EQ(a->Notes.size(), 2);
        EXPECT_EQ(a->Data, QByteArray(10000, '\x5A'));
        EXPECT_EQ(a->Peer, c);
        EXPECT_EQ(c->Peer, a);
        EXPECT_EQ(c->ParentElement, b);
        EXPECT_EQ(b->ParentElement, a);
        ASSERT_EQ(b->Lines->Count(), 3);
        EXPECT_EQ(b->Lines->Line(1)->Link, c);
        EXPECT_EQ(b->Lines->Line(2)->Caption, "2");
        a->OnClick(a);
        EXPECT_EQ(copy.Clicks.size(), 1);
    }
}

TEST(StreamRoundTrip, ConsecutiveRootsInOneStream)
{
    // Each reader gives back what it buffered beyond its root, so the next
    // one starts at the right byte.
    TStmPage first(nullptr);
    Fill(first);
    TStmElement second(nullptr);
    second.SetName("Second");
    second.Left = 5;
    TMemoryStream stream;
    WriteComponentToStream(stream, &first);
    WriteComponentToStream(stream, &second);
    stream.SetPosition(0);

    TStmPage page(nullptr);
    ReadComponentFromStream(stream, &page);
    TStmElement element(nullptr);
    ReadComponentFromStream(stream, &element);
    EXPECT_EQ(element.Name(), "Second");
    EXPECT_EQ(element.Left, 5);
    EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(StreamRoundTrip, ReadComponentOutsideARootRead)
{
    TStmElement source(nullptr);
    source.SetName("Solo");
    source.SetPeer(&source);
    TMemoryStream stream;
    {
        TWriter writer(stream);
        writer.WriteComponent(&source);  // a record without the signature
    }
    stream.SetPosition(0);
    TStmElement target(nullptr);
    TReader reader(stream);
    reader.ReadComponent(&target);
    EXPECT_EQ(target.Name(), "Solo");
    EXPECT_EQ(target.Peer, &target);
}

} // namespace streamroundtrip_test
