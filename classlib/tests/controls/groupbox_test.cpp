// Group boxes: aligned children keep inside the frame and below the caption.

#include "classlib/controls/groupbox.h"

#include <gtest/gtest.h>

namespace classlib {
namespace {

TEST(GroupBox, AlignedChildrenKeepInsideTheFrameAndBelowTheCaption)
{
    TGroupBox box(nullptr);
    box.SetBounds(0, 0, 120, 90);
    auto* fill = new TGroupBox(&box);
    fill->SetParent(&box);
    fill->SetAlign(alClient);
    const int line = box.MeasureCanvas().TextHeight(QStringLiteral("0")) / 2;
    EXPECT_EQ(fill->BoundsRect(), Rect(2, 2 * line + 1, 118, 88));
    // Too small for its frame: an empty area, not a negative one.
    box.SetBounds(0, 0, 3, 3);
    EXPECT_EQ(fill->Width(), 0);
    EXPECT_EQ(fill->Height(), 0);
}

} // namespace
} // namespace classlib
