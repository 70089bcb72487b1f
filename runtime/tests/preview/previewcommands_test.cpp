// What the preview windows share: zoom steps, preset items and the status
// panels' texts.

#include "runtime/previewcommands.h"

#include "classlib/controls/menus.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

using namespace classlib;

TEST(PreviewCommands, ZoomInStepsOnlyBelowTheLimit)
{
    const struct {
        const char* Case;
        double Zoom, Expected;
    } rows[] = {
        {"actual size", 1.0, 1.5},
        {"just below", 327.5, 491.25},
        {"at the limit", 328, 328},
        {"beyond it", 437.9, 437.9},
    };
    for (const auto& row : rows) EXPECT_DOUBLE_EQ(ZoomedIn(row.Zoom), row.Expected) << row.Case;
}

TEST(PreviewCommands, StatusTexts)
{
    EXPECT_EQ(ZoomStatusText(1.0), QStringLiteral("100%"));
    EXPECT_EQ(ZoomStatusText(2.0 / 3), QStringLiteral("67%"));
    EXPECT_EQ(ZoomStatusText(2.25), QStringLiteral("225%"));
    // Halves go to the even neighbour.
    EXPECT_EQ(ZoomStatusText(0.125), QStringLiteral("12%"));
    EXPECT_EQ(ZoomStatusText(0.625), QStringLiteral("62%"));
    EXPECT_EQ(PageStatusText(0, 0), QStringLiteral("0 of 0"));
    EXPECT_EQ(PageStatusText(0, 2), QStringLiteral("1 of 2"));
    EXPECT_EQ(PageStatusText(1, 2), QStringLiteral("2 of 2"));
}

TEST(PreviewCommands, PresetItemsCheckAndGiveTheirZoom)
{
    TComponent owner(nullptr);
    auto* menu = new TPopupMenu(&owner);
    auto* other = new TMenuItem(&owner);
    TZoomPresetItems items = {};
    AddZoomPresetItems(&owner, menu->Root(), items, QStringLiteral("pmiZoom"), TMethod{});

    QStringList names, captions;
    for (TMenuItem* item : items) {
        EXPECT_TRUE(item->RadioItem());
        names << item->Name();
        captions << item->Caption();
    }
    EXPECT_EQ(names, (QStringList{"pmiZoom200", "pmiZoom150", "pmiZoom100", "pmiZoom75", "pmiZoom50"}));
    EXPECT_EQ(captions, (QStringList{"200%", "150%", "100%", "75%", "50%"}));
    EXPECT_TRUE(items[2]->Checked());

    const auto checked = [&] {
        QStringList list;
        for (TMenuItem* item : items)
            if (item->Checked()) list << item->Caption();
        return list;
    };
    CheckZoomPresets(items, 0.75);
    EXPECT_EQ(checked(), QStringList{"75%"});
    CheckZoomPresets(items, 2.25);
    EXPECT_TRUE(checked().isEmpty());

    EXPECT_EQ(ZoomPresetOf(items[0], items), 2.0);
    EXPECT_EQ(ZoomPresetOf(items[4], items), 0.5);
    EXPECT_EQ(ZoomPresetOf(other, items), std::nullopt);
    EXPECT_EQ(ZoomPresetOf(nullptr, items), std::nullopt);
}

} // namespace
} // namespace runtime
