#include "designer/controls/marker.h"

#include "classlib/controls/form.h"
#include "classlib/tests/controls/handlers.h"

#include <gtest/gtest.h>

#include <memory>

namespace designer::tests {
namespace {

using namespace classlib;

TEST(Marker, IsAFiveByFiveMarkThatTellsOnlyOfMoves)
{
    auto form = std::make_unique<TForm>(nullptr);
    auto* marker = new TQXMarker(form.get());
    marker->SetParent(form.get());
    EXPECT_EQ(marker->Width(), 5);
    EXPECT_EQ(marker->Height(), 5);
    int moves = 0;
    classlib::testing::Bind(marker->OnMove, [&](TObject* Sender) {
        EXPECT_EQ(Sender, marker);
        ++moves;
    });
    struct {
        int Left, Top, Width, Height;
        int Moves;
    } const steps[] = {
        {10, 0, 5, 5, 1},   // left changes
        {10, 7, 5, 5, 2},   // top changes
        {10, 7, 9, 9, 2},   // only the size: no move
        {10, 7, 9, 9, 2},   // nothing
        {3, 4, 5, 5, 3},    // both at once: one notification
    };
    for (const auto& s : steps) {
        marker->SetBounds(s.Left, s.Top, s.Width, s.Height);
        EXPECT_EQ(moves, s.Moves) << s.Left << "," << s.Top << " " << s.Width;
    }
}

} // namespace
} // namespace designer::tests
