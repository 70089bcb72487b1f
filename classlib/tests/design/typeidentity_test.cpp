// Named types are identities of their own with the representation of
// their base, so that they stream and bind as before.

#include "propertytarget.h"

#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace classlib::test;

namespace {

TEST(TypeIdentity, NamedTypesAreDistinctWithTheirBasesKindAndRange)
{
    const struct {
        const char* Case;
        const TTypeInfo* Type;
        const TTypeInfo* Base;
        const char* Name;
        TTypeKind Kind;
    } cases[] = {
        {"notify event", TypeInfo<TNotifyEvent>(), TypeInfo<TEvent<TObject*>>(), "TNotifyEvent", TTypeKind::tkMethod},
        {"event of the same parameters", TypeInfo<TPeDoneEvent>(), TypeInfo<TNotifyEvent>(), "TPeDoneEvent",
         TTypeKind::tkMethod},
        {"key event", TypeInfo<TKeyEvent>(), TypeInfo<TEvent<TObject*, unsigned&, TShiftState>>(), "TKeyEvent",
         TTypeKind::tkMethod},
        {"caption", TypeInfo<TCaption>(), TypeInfo<QString>(), "TCaption", TTypeKind::tkLString},
        {"component name", TypeInfo<TComponentName>(), ShortStringType(), "TComponentName", TTypeKind::tkString},
        {"tab order", TypeInfo<TTabOrder>(), TypeInfo<qint16>(), "TTabOrder", TTypeKind::tkInteger},
    };
    for (const auto& c : cases) {
        EXPECT_NE(c.Type, c.Base) << c.Case;
        EXPECT_EQ(c.Type->Name, QString::fromLatin1(c.Name)) << c.Case;
        EXPECT_EQ(c.Type->Kind, c.Kind) << c.Case;
        EXPECT_EQ(c.Type->Kind, c.Base->Kind) << c.Case;
        EXPECT_EQ(c.Type->Signature, c.Base->Signature) << c.Case;
    }
    EXPECT_EQ(TypeInfo<TTabOrder>()->MinValue, -1);
    EXPECT_EQ(TypeInfo<TTabOrder>()->MaxValue, 32767);
    EXPECT_EQ(TypeInfo<TComponentName>()->MaxLength, 255);
    EXPECT_EQ(TComponent::StaticClass().FindProp(u"Name")->PropType, TypeInfo<TComponentName>());
}

// A method of the event's parameter list is bound by its name from a
// stream, whatever the event type is called.
TEST(TypeIdentity, NamedEventsBindHandlersByName)
{
    TPeTarget source(nullptr);
    source.SetName("Form1");
    const TMethodInfo* handler = TPeTarget::StaticClass().FindMethod(u"Target1Click");
    ASSERT_NE(handler, nullptr);
    source.FOnDone = TMethod{handler, &source};
    source.FOnClick = TMethod{handler, &source};
    TMemoryStream stream;
    WriteComponentToStream(stream, &source);
    stream.SetPosition(0);

    TPeTarget read(nullptr);
    ReadComponentFromStream(stream, &read);
    ASSERT_TRUE(read.FOnDone.Assigned());
    EXPECT_EQ(read.FOnDone.Code, handler);
    EXPECT_EQ(read.FOnDone.Data, &read);
    EXPECT_EQ(read.FOnClick.Code, handler);
}

} // namespace
