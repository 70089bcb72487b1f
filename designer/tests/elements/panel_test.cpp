#include "designer/elements/panel.h"
#include "designer/elements/paintbox.h"
#include "designer/tests/elements/elementtest.h"

#include "classlib/core/streams.h"
#include "classlib/core/textform.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/picture.h"
#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

#include <climits>

using namespace classlib;
using namespace designer;
using namespace designer::tests;
using classlib::test::ErrorOf;

namespace {

TEST(Panel, NewPanelHasOneColumnAndIsTwentyMillimetresHigh)
{
    TZoomGuard guard(1.0);
    TQXPanel panel(nullptr);
    EXPECT_EQ(panel.Columns(), 1);
    EXPECT_EQ(panel.QXHeight(), 2000);
    EXPECT_EQ(panel.MMHeight(), 20);
    EXPECT_FALSE(panel.AutoSize());
    EXPECT_EQ(panel.Align(), alNone);
}

TEST(Panel, ColumnsBelowOneAreRefused)
{
    TQXPanel panel(nullptr);
    panel.SetColumns(4);
    for (int bad : {0, -1, INT_MIN}) {
        EXPECT_EQ(ErrorOf<EInvalidOp>([&] { panel.SetColumns(bad); }), "Invalid property value") << bad;
        EXPECT_EQ(panel.Columns(), 4);
    }
}

TEST(Panel, ColumnsReadFromAStreamGoThroughTheSetter)
{
    const QByteArray text = "object Page: TQXPaper\n"
                            "  object Panel1: TQXPanel\n"
                            "    Columns = 0\n"
                            "  end\n"
                            "end\n";
    TMemoryStream in, out;
    in.WriteBuffer(text.constData(), text.size());
    in.SetPosition(0);
    ObjectTextToBinary(in, out);
    TTestPage page;
    const QString error = ErrorOf([&] {
        page.Read(QByteArray(static_cast<const char*>(out.Memory()), int(out.Size())));
    });
    EXPECT_TRUE(error.contains(QStringLiteral("Invalid property value"))) << qPrintable(error);
    if (auto* panel = dynamic_cast<TQXPanel*>(page.FindComponent(QStringLiteral("Panel1")))) {
        EXPECT_EQ(panel->Columns(), 1);
    }
}

// How many of the rows 10..50 of column X are dark.
int DarkInColumn(const QImage& Image, int X)
{
    int dark = 0;
    for (int y = 10; y < 50; ++y) dark += qGray(Image.pixel(X, y)) < 128;
    return dark;
}

TEST(Panel, ThreeColumnsShowTwoLinesAndHoldTheChildrenInTheFirst)
{
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* panel = page.Add<TQXPanel>(QStringLiteral("Panel1"));
    panel->SetQXWidth(7620);  // 288 pixels, columns of 96
    EXPECT_EQ(panel->Width(), 288);
    auto* child = page.Add<TQXPaintBox>(QStringLiteral("Box1"), panel);
    child->SetAlign(alTop);
    panel->SetColumns(3);
    EXPECT_EQ(panel->ColumnWidthUnits(), 2540);
    EXPECT_EQ(panel->ColumnWidthPixels(), 96);
    EXPECT_EQ(child->QXLeft(), 0);
    EXPECT_EQ(child->QXWidth(), 2540);
    EXPECT_EQ(child->Width(), 96);

    child->SetAlign(alNone);
    child->SetQXTop(5000);  // out of the way
    page.Widget()->show();
    const QImage image = Grab(*panel);
    EXPECT_GT(DarkInColumn(image, 96), 0);
    EXPECT_GT(DarkInColumn(image, 192), 0);
    EXPECT_EQ(DarkInColumn(image, 95), 0);
    EXPECT_EQ(DarkInColumn(image, 97), 0);
    EXPECT_EQ(DarkInColumn(image, 144), 0);
    EXPECT_EQ(DarkInColumn(image, 250), 0);
}

TEST(Panel, ColumnsNarrowerThanAPixelDrawNoLines)
{
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* panel = page.Add<TQXPanel>(QStringLiteral("Panel1"));
    page.Widget()->show();
    for (int columns : {1000, INT_MAX}) {
        panel->SetColumns(columns);
        EXPECT_EQ(panel->ColumnWidthPixels(), 0);
        const QImage image = Grab(*panel);
        for (int x = 2; x < 70; x += 7) EXPECT_EQ(DarkInColumn(image, x), 0) << columns << " at " << x;
    }
}

void SetPicture(runtime::TQXBackground& Background, int Width, int Height)
{
    TBitmap bitmap;
    bitmap.SetSize(Width, Height);
    TPicture picture;
    picture.SetGraphic(&bitmap);
    Background.SetPicture(&picture);
}

TEST(Panel, AutoSizeFitsAnUnstretchedPicture)
{
    using namespace runtime;
    TZoomGuard guard(1.0);
    struct Row {
        const char* Case;
        TBgPictureStyle Style;
        bool AutoSize;
        int Width, Height;
        int QXWidth;
    };
    // A frame of 254 is 10 pixels on each side.
    const Row rows[] = {
        {"centred", bpsCenter, true, 120, 70, 3175},
        {"at the corner", bpsNone, true, 120, 70, 3175},
        {"stretched", bpsStretch, true, 76, 76, 2000},
        {"no auto size", bpsCenter, false, 76, 76, 2000},
    };
    for (const Row& row : rows) {
        TTestPage page;
        auto* panel = page.Add<TQXPanel>(QStringLiteral("Panel1"));
        TQXFrame frame;
        frame.SetShape(TQXFrameSides{fsTop, fsLeft, fsBottom, fsRight});
        frame.SetWidth(254);
        panel->SetFrame(&frame);
        panel->SetAutoSize(row.AutoSize);
        TQXBackground bg;
        bg.Style = bsPicture;
        bg.PictureStyle = row.Style;
        SetPicture(bg, 100, 50);
        panel->SetBackground(&bg);
        EXPECT_EQ(panel->Background()->PixWidth, 100) << row.Case;
        EXPECT_EQ(panel->Width(), row.Width) << row.Case;
        EXPECT_EQ(panel->Height(), row.Height) << row.Case;
        EXPECT_EQ(panel->QXWidth(), row.QXWidth) << row.Case;
    }
}

TEST(Panel, TurningAutoSizeOnFitsThePicture)
{
    using namespace runtime;
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* panel = page.Add<TQXPanel>(QStringLiteral("Panel1"));
    TQXBackground bg;
    bg.Style = bsPicture;
    bg.PictureStyle = bpsCenter;
    SetPicture(bg, 40, 30);
    panel->SetBackground(&bg);
    EXPECT_EQ(panel->Width(), 76);
    panel->SetAutoSize(true);
    EXPECT_EQ(panel->Width(), 40);
    EXPECT_EQ(panel->Height(), 30);
}

} // namespace
