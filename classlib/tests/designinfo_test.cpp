// A component's design information travels as "Left" and "Top" only when
// it is set, so streams of components without it keep their bytes.

#include "streamclasses.h"

#include "classlib/core/component.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace streamtest;

namespace designinfo_test {

TEST(DesignInfo, StoredAsLeftAndTopOnlyWhenSet)
{
    const struct {
        quint32 info;
        QByteArray props;
    } rows[] = {
        {0, ""},
        {0x0014000A, P("Left", Int(10)) + P("Top", Int(20))},
        {0x00000005, P("Left", Int(5))},
        {0x00070000, P("Top", Int(7))},
        {0xFFFF8000, P("Left", Int(0x8000)) + P("Top", Int(0xFFFF))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.info);
        TComponent c(nullptr);
        c.SetDesignInfo(qint32(row.info));
        const QByteArray bytes = WriteRoot(&c);
        EXPECT_EQ(HexOf(bytes), HexOf(Stream("TComponent", "", row.props)));
        TComponent back(nullptr);
        back.SetDesignInfo(0x00630063);
        EXPECT_EQ(ReadRoot(bytes, &back), "");
        // What the stream does not carry stays as it was.
        const quint32 expected = row.info | (row.info & 0xFFFF ? 0 : 0x63) | (row.info >> 16 ? 0 : 0x00630000);
        EXPECT_EQ(quint32(back.DesignInfo()), expected);
    }
}

TEST(DesignInfo, NotStoredByClassesWithAPositionOfTheirOwn)
{
    RegisterStreamClasses();
    TStmElement e(nullptr);
    e.Left = 40;
    e.SetDesignInfo(0x00030002);
    const QByteArray bytes = WriteRoot(&e);
    TStmElement back(nullptr);
    EXPECT_EQ(ReadRoot(bytes, &back), "");
    EXPECT_EQ(back.Left, 40);
    EXPECT_EQ(back.DesignInfo(), 0);
    EXPECT_FALSE(bytes.contains("Top"));
}

TEST(DesignInfo, ValuesOfAnotherKindAreHandledErrors)
{
    const QByteArray bytes =
        Stream("TComponent", "", P("Left", Hex("06 01 61")) + P("Top", Hex("01 02 01 00")) + P("Tag", Int(3)));
    TComponent strict(nullptr);
    EXPECT_EQ(ReadRoot(bytes, &strict), "Invalid property value");
    TComponent lenient(nullptr);
    QStringList errors;
    EXPECT_EQ(ReadRoot(bytes, &lenient, true, &errors), "");
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(lenient.DesignInfo(), 0);
    EXPECT_EQ(lenient.Tag(), 3);
}

} // namespace designinfo_test
