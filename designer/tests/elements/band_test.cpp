#include "designer/elements/band.h"
#include "designer/tests/elements/elementtest.h"

#include "classlib/core/streams.h"
#include "classlib/core/textform.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace designer;
using namespace designer::tests;

namespace {

TEST(Band, NewBandIsAlignedToTheTopAndTenMillimetresHigh)
{
    TZoomGuard guard(1.0);
    TQXBand band(nullptr);
    EXPECT_EQ(band.Align(), alTop);
    // 10 mm is not a whole pixel: the height is the nearest pixel's.
    EXPECT_EQ(band.QXHeight(), 1005);
    EXPECT_EQ(band.Height(), 38);
    EXPECT_EQ(band.QXWidth(), 2000);
    EXPECT_FALSE(band.PageBreak());
    EXPECT_FALSE(band.ColumnBreak());
    EXPECT_FALSE(band.AutoSize());
    EXPECT_FALSE(band.InvertRows());
    EXPECT_EQ(band.Background2()->Color1, clWhite);
    EXPECT_TRUE(band.ParentFont());
}

TEST(Band, BandsStackAtTheTopOfThePage)
{
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* first = page.Add<TQXBand>(QStringLiteral("Band1"));
    auto* second = page.Add<TQXBand>(QStringLiteral("Band2"));
    second->SetQXTop(3000);
    page.Realign();
    EXPECT_EQ(first->QXTop(), 0);
    EXPECT_EQ(second->QXTop(), 1005);
    // Once the pixels stand, realigning stores the exact width.
    EXPECT_EQ(second->QXWidth(), 20000);
    EXPECT_EQ(second->Width(), 756);
}

TEST(Band, SecondBackgroundIsCopied)
{
    TQXBand band(nullptr);
    runtime::TQXBackground bg;
    bg.Color1 = TColor(0x445566);
    bg.Style = runtime::bsGradient;
    band.SetBackground2(&bg);
    EXPECT_EQ(band.Background2()->Color1, TColor(0x445566));
    EXPECT_EQ(band.Background2()->Style, runtime::bsGradient);
    EXPECT_NE(band.Background2(), &bg);
    EXPECT_EQ(band.Background()->Color1, clWhite);  // the first is not touched
}

// A page's bytes from its text form.
QByteArray PageBytes(const char* Text)
{
    TMemoryStream text, binary;
    text.WriteBuffer(Text, qint64(qstrlen(Text)));
    text.SetPosition(0);
    ObjectTextToBinary(text, binary);
    return QByteArray(static_cast<const char*>(binary.Memory()), qsizetype(binary.Size()));
}

TEST(Band, AlignIsStoredWhenItIsNotTheTop)
{
    TZoomGuard guard(1.0);
    const struct {
        TAlign Align;
        bool Stored;
    } cases[] = {{alNone, true}, {alTop, false}, {alBottom, true}, {alClient, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Align));
        TTestPage page;
        page.Add<TQXBand>(QStringLiteral("Band1"))->SetAlign(c.Align);
        const QByteArray bytes = page.Write();
        EXPECT_EQ(bytes.contains("\x05" "Align"), c.Stored);
        TTestPage again;
        again.Read(bytes);
        auto* band = dynamic_cast<TQXBand*>(again.FindComponent(QStringLiteral("Band1")));
        ASSERT_NE(band, nullptr);
        EXPECT_EQ(band->Align(), c.Align);
    }
}

TEST(Band, EarlierFilesReadAsBefore)
{
    // They wrote the top alignment, and nothing for a free band, which thus
    // never survived; without the property a band lies at the top.
    TZoomGuard guard(1.0);
    for (const char* text : {"object Page1: TQXPaper\n  object Band1: TQXBand\n    Align = alTop\n  end\nend\n",
                             "object Page1: TQXPaper\n  object Band1: TQXBand\n    QXTop = 5000\n  end\nend\n"}) {
        SCOPED_TRACE(text);
        TTestPage page;
        page.Read(PageBytes(text));
        auto* band = dynamic_cast<TQXBand*>(page.FindComponent(QStringLiteral("Band1")));
        ASSERT_NE(band, nullptr);
        EXPECT_EQ(band->Align(), alTop);
    }
}

} // namespace
