// Owner-drawn combo boxes: where the text of an item starts, the owner's
// picture in the margin, and the item height following a larger font.

#include "designer/controls/drawcombobox.h"

#include "classlib/controls/form.h"
#include "classlib/graphics/font.h"
#include "classlib/tests/controls/handlers.h"

#include <QImage>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace designer::tests {
namespace {

using namespace classlib;

struct TComboHost {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TDrawComboBox* Combo = new TDrawComboBox(Form.get());

    TComboHost()
    {
        Form->SetBounds(0, 0, 300, 200);
        Combo->SetParent(Form.get());
        Combo->SetBounds(8, 24, 125, 22);
        Combo->Items()->Add(QStringLiteral("Solid"));
        Combo->Items()->Add(QStringLiteral("Clear"));
        Combo->SetItemIndex(0);
        Form->Show();
    }

    // The leftmost column of the box's item area with a dark grey pixel (text).
    int FirstDarkColumn() const
    {
        const QImage img = Combo->Widget()->grab().toImage();
        const int border = (Combo->Width() - Combo->ClientWidth()) / 2;
        for (int x = border + 1; x < img.width() - 20; ++x)
            for (int y = border + 2; y < img.height() - border - 2; ++y)
                if (const QRgb p = img.pixel(x, y); qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100) return x;
        return -1;
    }
};

TEST(DrawComboBox, IsOwnerDrawnWithASixPixelMargin)
{
    TDrawComboBox c(nullptr);
    EXPECT_EQ(c.Style(), csOwnerDrawFixed);
    EXPECT_EQ(c.Margin(), 6);
}

TEST(DrawComboBox, TextStartsAtTheMarginAndTheOwnerDrawsBeforeIt)
{
    TComboHost h;
    // The item rectangle starts one pixel inside the border.
    const int border = (h.Combo->Width() - h.Combo->ClientWidth()) / 2;
    const int plain = h.FirstDarkColumn();
    EXPECT_GE(plain, border + 1 + 6);
    EXPECT_LE(plain, border + 1 + 6 + 3);

    h.Combo->SetMargin(20);
    std::vector<int> drawn;
    classlib::testing::Bind(h.Combo->OnDrawItem, [&](TWinControl* C, int Index, TRect R, TOwnerDrawState) {
        drawn.push_back(Index);
        TCanvas& c = *static_cast<TDrawComboBox*>(C)->Canvas();
        c.Brush()->SetColor(clRed);
        c.FillRect(Rect(R.Left + 2, R.Top + 2, R.Left + 18, R.Bottom - 2));
    });
    const QImage img = h.Combo->Widget()->grab().toImage();
    EXPECT_EQ(img.pixel(border + 1 + 10, h.Combo->Height() / 2), qRgb(255, 0, 0));
    EXPECT_EQ(drawn, std::vector<int>{0});
    EXPECT_GE(h.FirstDarkColumn(), border + 1 + 20);
}

TEST(DrawComboBox, APickFiresClickThenChangeAndOpeningFiresDropDown)
{
    TComboHost h;
    QStringList log;
    classlib::testing::Bind(h.Combo->OnClick, [&](TObject*) { log << QStringLiteral("click"); });
    classlib::testing::Bind(h.Combo->OnChange, [&](TObject*) { log << QStringLiteral("change"); });
    classlib::testing::Bind(h.Combo->OnDropDown, [&](TObject*) { log << QStringLiteral("dropdown"); });
    h.Combo->SetItemIndex(1);  // from code: nothing
    EXPECT_TRUE(log.isEmpty());
    h.Combo->SetDroppedDown(true);
    EXPECT_EQ(log, QStringList{QStringLiteral("dropdown")});
    h.Combo->SetDroppedDown(false);
    h.Combo->SetFocus();
    QTest::keyClick(h.Combo->Widget(), Qt::Key_Up);
    EXPECT_EQ(h.Combo->ItemIndex(), 0);
    EXPECT_EQ(log, (QStringList{QStringLiteral("dropdown"), QStringLiteral("click"), QStringLiteral("change")}));
}

TEST(DrawComboBox, ALargerFontRaisesTheItemHeightAndASmallerOneKeepsIt)
{
    TComboHost h;
    const int start = h.Combo->ItemHeight();
    h.Combo->Font()->SetSize(28);
    const int big = h.Combo->MeasureCanvas().TextHeight(QStringLiteral("Wg")) + 2;
    ASSERT_GT(big, start);
    EXPECT_EQ(h.Combo->ItemHeight(), big);
    h.Combo->Font()->SetSize(6);
    EXPECT_EQ(h.Combo->ItemHeight(), big);
}

} // namespace
} // namespace designer::tests
