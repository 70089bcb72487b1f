#include "classlib/core/classbuilder.h"
#include "classlib/core/component.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"
#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace encodedproperty_test {

// A string stored as UTF-8: any encoding of the class's own will do.
class TEncodedNote : public TComponent {
    QX_CLASS(TEncodedNote, TComponent)
public:
    using TComponent::TComponent;
    QString Text;
    int After = 0;
    QStringList Log;

    QByteArray StoredText() const
    {
        if (Text.contains(QLatin1Char('!'))) throw EConvertError("no exclamations");
        return Text.toUtf8();
    }
    void SetStoredText(const QByteArray& Value)
    {
        Log << QStringLiteral("bytes");
        Text = QString::fromUtf8(Value);
    }
    void SetText(const QString& Value)
    {
        Log << QStringLiteral("text");
        Text = Value;
    }
};

const TClassInfo& TEncodedNote::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TEncodedNote>("TEncodedNote")
        .Prop("Text", &TEncodedNote::Text, &TEncodedNote::SetText)
        .Encoded(&TEncodedNote::StoredText, &TEncodedNote::SetStoredText)
        .Prop("After", &TEncodedNote::After)
        .Build();
    return info;
}

QByteArray Write(TEncodedNote& Note)
{
    TMemoryStream stream;
    WriteComponentToStream(stream, &Note);
    return stream.Bytes();
}

QByteArray Record(const QByteArray& Properties)
{
    return QByteArray("TPF0\x0cTEncodedNote\x01N", 19) + Properties + QByteArray("\x05" "After\x02\x07\x00\x00", 10);
}

TEST(EncodedProperty, WrittenAsTheBytesTheClassGives)
{
    const struct { const char* Name; QString Text; QByteArray Value; } cases[] = {
        {"short", QString::fromUtf8("Ж€"), QByteArray("\x06\x05\xd0\x96\xe2\x82\xac")},
        {"255 bytes", QString(85, QChar(0x20AC)), QByteArray("\x06\xff") + QString(85, QChar(0x20AC)).toUtf8()},
        {"256 bytes", QString(128, QChar(0x0416)),
         QByteArray("\x0c\x00\x01\x00\x00", 5) + QString(128, QChar(0x0416)).toUtf8()},
        {"empty is not written", QString(), QByteArray()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TEncodedNote note(nullptr);
        note.SetName(QStringLiteral("N"));
        note.Text = c.Text;
        note.After = 7;
        const QByteArray props = c.Value.isEmpty() ? QByteArray() : QByteArray("\x04Text") + c.Value;
        const QByteArray bytes = Write(note);
        EXPECT_EQ(bytes, Record(props));

        TEncodedNote back(nullptr);
        TBytesStream stream(bytes);
        ReadComponentFromStream(stream, &back);
        EXPECT_EQ(back.Text, c.Text);
        EXPECT_EQ(back.After, 7);
        EXPECT_EQ(back.Log, c.Value.isEmpty() ? QStringList() : QStringList({"bytes"}));
    }
}

TEST(EncodedProperty, ValueOfAnotherKindIsSkipped)
{
    const QByteArray bytes = Record(QByteArray("\x04Text\x02\x05", 7));
    TEncodedNote note(nullptr);
    TBytesStream stream(bytes);
    TReader reader(stream);
    QStringList errors;
    reader.OnError = [&](TReader&, const QString& Message, bool& Handled) {
        errors << Message;
        Handled = true;
    };
    reader.ReadRootComponent(&note);
    EXPECT_EQ(errors, QStringList({"Invalid property value"}));
    EXPECT_TRUE(note.Text.isEmpty());
    EXPECT_EQ(note.After, 7);  // the next property is read
}

TEST(EncodedProperty, EncodingErrorStopsTheWrite)
{
    TEncodedNote note(nullptr);
    note.Text = QStringLiteral("hey!");
    EXPECT_EQ(test::ErrorOf<EConvertError>([&] { Write(note); }), "no exclamations");
}

} // namespace encodedproperty_test
