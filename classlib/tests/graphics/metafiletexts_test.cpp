#include "classlib/graphics/metafiletexts.h"

#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace {

TEST(MetafileTexts, TextsInPlayingOrderAndNothingElse)
{
    TMetafile mf;
    mf.SetMMWidth(10000);
    mf.SetMMHeight(5000);
    {
        TMetafileCanvas c(mf);
        c.DC().SetMapMode(MM_HIMETRIC);
        c.TextOut(100, -100, QStringLiteral("First"));
        c.Rectangle(0, 0, 5000, -2500);
        c.TextOut(100, -3000, QStringLiteral("Zweite \u00E4"));
        // Outside the frame: a text record all the same.
        c.TextOut(20000, -100, QStringLiteral("Beyond"));
    }
    EXPECT_EQ(MetafileTexts(mf), (QStringList{"First", QStringLiteral("Zweite \u00E4"), "Beyond"}));
}

TEST(MetafileTexts, EmptyMetafileHasNone)
{
    EXPECT_TRUE(MetafileTexts(TMetafile()).isEmpty());
}

} // namespace
