// Colour selectors picked from as a person would: the popup opened with a
// click or Alt+Down, swatches clicked, walked with the keys or reached by
// a drag, the colour dialog and the extension entries answered; the shared
// history, and the swatch as painted.

#include "designer/controls/colorselector.h"

#include "classlib/controls/dialogs.h"
#include "classlib/controls/form.h"
#include "classlib/core/stringlist.h"
#include "classlib/tests/controls/handlers.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace designer::tests {
namespace {

using namespace classlib;
using classlib::testing::Bind;

struct TSelectorFixture : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TColorSelector* Sel = new TColorSelector(Form.get());
    QStringList Log;

    TSelectorFixture()
    {
        HistoryColors().clear();
        Form->SetBounds(40, 40, 300, 200);
        Sel->SetParent(Form.get());
        Sel->SetBounds(10, 10, 137, 22);
        Bind(Sel->OnChange, [this](TObject*) { Log << QStringLiteral("change %1").arg(int(Sel->RGB()), 6, 16, QLatin1Char('0')); });
        Form->Show();
        Form->Widget()->activateWindow();
        (void)QTest::qWaitForWindowActive(Form->Widget());
    }
    ~TSelectorFixture() override { HistoryColors().clear(); }

    void Open() { QTest::mouseClick(Sel->Widget(), Qt::LeftButton, {}, QPoint(20, 10)); }
    // The popup's buttons in order: swatches, then the text buttons.
    QList<TColorSelectorButton*> Buttons() const
    {
        QList<TColorSelectorButton*> list;
        if (TColorSelectorPopup* p = Sel->Popup())
            for (int i = 0; i < p->ControlCount(); ++i)
                if (auto* b = dynamic_cast<TColorSelectorButton*>(p->Controls(i))) list << b;
        return list;
    }
    int Swatches() const
    {
        int n = 0;
        for (auto* b : Buttons()) n += b->IsSwatch();
        return n;
    }
    void ClickButton(TColorSelectorButton* B) { QTest::mouseClick(B->Widget(), Qt::LeftButton, {}, QPoint(4, 4)); }
    // Waits for the posted closing.
    bool Closes() const
    {
        return QTest::qWaitFor([this] { return !Sel->DroppedDown(); }, 1000);
    }
};

TEST_F(TSelectorFixture, StartsWhiteWithBothGroups)
{
    EXPECT_EQ(Sel->RGB(), clWhite);
    EXPECT_EQ(Sel->Options(), (TColorSelectorOptions{csoScheme, csoHistory}));
    EXPECT_EQ(Sel->Extensions()->Count(), 0);
    EXPECT_EQ(TColorSelector(nullptr).Width(), 145);
    ASSERT_EQ(SchemeColors().size(), 8u);
    EXPECT_EQ(SchemeColors()[1].Name, QStringLiteral("Gray 25%"));
    EXPECT_EQ(SchemeColors()[5].Color, clRed);
}

TEST_F(TSelectorFixture, APickedColourJoinsTheHistoryOfEverySelector)
{
    Sel->Extensions()->Add(QStringLiteral("Semitransparent"));
    Open();
    ASSERT_TRUE(Sel->DroppedDown());
    auto buttons = Buttons();
    ASSERT_EQ(buttons.size(), 10);  // one row of 8, "More colors...", the extension
    EXPECT_EQ(buttons[8]->Text(), QStringLiteral("More colors..."));
    EXPECT_EQ(buttons[9]->Text(), QStringLiteral("Semitransparent"));
    EXPECT_EQ(buttons[0]->Hint(), QStringLiteral("Black"));
    EXPECT_EQ(buttons[7]->BoundsRect(), Bounds(5 + 7 * 16, 5, 16, 16));
    EXPECT_EQ(buttons[8]->Top(), 5 + 16 + 8);
    EXPECT_EQ(Sel->Popup()->ClientHeight(), buttons[9]->Top() + buttons[9]->Height() + 5);
    // Below the selector, at its left.
    const QPoint at = Sel->Widget()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(Sel->Popup()->Left(), at.x());
    EXPECT_EQ(Sel->Popup()->Top(), at.y() + Sel->Height());

    ClickButton(buttons[3]);  // blue
    EXPECT_EQ(Sel->RGB(), clBlue);
    EXPECT_EQ(Log, QStringList{QStringLiteral("change ff0000")});
    EXPECT_TRUE(Closes());
    ASSERT_EQ(HistoryColors().size(), 1u);

    auto* other = new TColorSelector(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 60, 137, 22);
    QTest::mouseClick(other->Widget(), Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(other->DroppedDown());
    int swatches = 0;
    for (int i = 0; i < other->Popup()->ControlCount(); ++i)
        if (auto* b = dynamic_cast<TColorSelectorButton*>(other->Popup()->Controls(i)); b && b->IsSwatch()) {
            ++swatches;
            if (swatches == 9) {
                EXPECT_EQ(b->Top(), 5 + 16 + 8);  // a second group of one
            }
        }
    EXPECT_EQ(swatches, 9);
}

TEST_F(TSelectorFixture, ChoosingTheCurrentColourChangesNothingButCloses)
{
    Open();
    ClickButton(Buttons()[7]);  // white, as already selected
    EXPECT_TRUE(Log.isEmpty());
    EXPECT_TRUE(HistoryColors().empty());
    EXPECT_TRUE(Closes());
}

TEST_F(TSelectorFixture, AVetoKeepsThePopupAndTheColour)
{
    Bind(Sel->OnColorClick, [](TObject*, TColor, bool& Apply) { Apply = false; });
    Open();
    ClickButton(Buttons()[0]);
    QTest::qWait(20);
    EXPECT_TRUE(Sel->DroppedDown());
    EXPECT_EQ(Sel->RGB(), clWhite);
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(TSelectorFixture, AltArrowsOpenAndCloseAndTheKeysWalkThePopup)
{
    Sel->SetFocus();
    QTest::keyClick(Sel->Widget(), Qt::Key_Down);
    EXPECT_FALSE(Sel->DroppedDown());
    QTest::keyClick(Sel->Widget(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(Sel->DroppedDown());
    QTest::keyClick(Sel->Widget(), Qt::Key_Up, Qt::AltModifier);
    EXPECT_FALSE(Sel->DroppedDown());

    QTest::keyClick(Sel->Widget(), Qt::Key_Down, Qt::AltModifier);
    const auto buttons = Buttons();
    QTest::keyClick(Sel->Widget(), Qt::Key_Right);  // nothing selected: the first
    EXPECT_EQ(Sel->Popup()->Selected(), buttons[0]);
    QTest::keyClick(Sel->Widget(), Qt::Key_Left);   // round to "More colors..."
    EXPECT_EQ(Sel->Popup()->Selected(), buttons.last());
    QTest::keyClick(Sel->Widget(), Qt::Key_Down);
    QTest::keyClick(Sel->Widget(), Qt::Key_Right);
    QTest::keyClick(Sel->Widget(), Qt::Key_Right);
    EXPECT_EQ(Sel->Popup()->Selected(), buttons[2]);
    QTest::keyClick(Sel->Widget(), Qt::Key_Return);
    EXPECT_EQ(Sel->RGB(), MakeColor(0x808080));
    EXPECT_TRUE(Closes());
    QTest::keyClick(Sel->Widget(), Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(Sel->Widget(), Qt::Key_Escape);
    EXPECT_FALSE(Sel->DroppedDown());
    EXPECT_TRUE(Form->Visible());  // Escape went to the popup, not the form
}

TEST_F(TSelectorFixture, ADragFromTheControlPicksWhereItIsReleased)
{
    QWidget* w = Sel->Widget();
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(Sel->Width() - 5, 10));
    ASSERT_TRUE(Sel->DroppedDown());
    TColorSelectorButton* green = Buttons()[4];
    const QPoint target = green->Widget()->mapToGlobal(QPoint(8, 8));
    QTest::mouseMove(w, w->mapFromGlobal(target));
    QWidget* popup = Sel->Popup()->Widget();
    QTest::mouseRelease(popup, Qt::LeftButton, {}, popup->mapFromGlobal(target));
    EXPECT_EQ(Sel->RGB(), clGreen);
    EXPECT_TRUE(Closes());
}

TEST_F(TSelectorFixture, NearTheScreenBottomThePopupOpensAbove)
{
    const QRect screen = Sel->Widget()->screen()->geometry();
    Form->SetBounds(40, screen.bottom() - 60, 300, 50);
    Sel->SetBounds(10, 10, 137, 22);
    Open();
    ASSERT_TRUE(Sel->DroppedDown());
    const QPoint at = Sel->Widget()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(Sel->Popup()->Top(), at.y() - Sel->Popup()->Height());
}

TEST_F(TSelectorFixture, MoreColorsRunsTheColourDialogWithTheSchemeAsCustomColours)
{
    TModalScript script;
    script.ChooseColor(MakeColor(0x123456)).Answer(mrCancel);
    Open();
    ClickButton(Buttons()[8]);
    EXPECT_EQ(Sel->RGB(), MakeColor(0x123456));
    EXPECT_TRUE(Closes());
    ASSERT_EQ(script.Requests().size(), 1u);
    const QStringList& custom = script.Requests()[0].CustomColors;
    ASSERT_EQ(custom.size(), 8);
    EXPECT_EQ(custom[0], QStringLiteral("ColorA=0"));
    EXPECT_EQ(custom[3], QStringLiteral("ColorD=FF0000"));
    EXPECT_EQ(script.Requests()[0].Color, clWhite);

    Open();
    ClickButton(Buttons().last());  // cancelled: the popup comes back
    EXPECT_TRUE(Sel->DroppedDown());
    EXPECT_TRUE(Sel->Popup()->Visible());
    EXPECT_EQ(Log.size(), 1);
}

TEST_F(TSelectorFixture, AnExtensionDecidesWhetherThePopupCloses)
{
    Sel->Extensions()->Add(QStringLiteral("Semitransparent"));
    bool close = false;
    Bind(Sel->OnExtItemClick, [&](TObject*, int Index, bool& Close) {
        EXPECT_FALSE(Sel->Popup()->Visible());
        Sel->SetText(Sel->Extensions()->Get(Index));
        Close = close;
    });
    Open();
    ClickButton(Buttons().last());
    EXPECT_TRUE(Sel->Popup()->Visible());
    close = true;
    ClickButton(Buttons().last());
    EXPECT_TRUE(Closes());
    EXPECT_EQ(Sel->Text(), QStringLiteral("Semitransparent"));
    EXPECT_EQ(Sel->RGB(), clWhite);
}

TEST_F(TSelectorFixture, TextTakesTheSwatchsPlaceAndOutlivesAChoice)
{
    Sel->SetRGB(clRed);
    QImage img = Sel->Widget()->grab().toImage();
    const int b = (img.width() - Sel->ClientWidth()) / 2;  // the border
    EXPECT_EQ(img.pixel(b + 30, b + 9), qRgb(255, 0, 0));
    Sel->SetText(QStringLiteral("Semitransparent"));
    img = Sel->Widget()->grab().toImage();
    int red = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) red += img.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_EQ(red, 0);
    Open();
    ClickButton(Buttons()[0]);
    EXPECT_EQ(Sel->RGB(), clBlack);
    EXPECT_EQ(Sel->Text(), QStringLiteral("Semitransparent"));
}

TEST_F(TSelectorFixture, TheFocusRectangleShowsWhileFocusedAndClosed)
{
    const auto dotted = [this] {
        const QImage img = Sel->Widget()->grab().toImage();
        const int b = (img.width() - Sel->ClientWidth()) / 2;
        int dark = 0;
        for (int x = b + 1; x < b + 40; ++x) dark += qGray(img.pixel(x, b + 1)) < 128;
        return dark;
    };
    Sel->SetFocus();
    EXPECT_GT(dotted(), 10);
    QTest::keyClick(Sel->Widget(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(dotted(), 0);
    QTest::keyClick(Sel->Widget(), Qt::Key_Escape);
    EXPECT_GT(dotted(), 10);
    auto* other = new TColorSelector(Form.get());
    other->SetParent(Form.get());
    other->SetFocus();
    EXPECT_EQ(dotted(), 0);
}

TEST_F(TSelectorFixture, LosingTheFocusClosesThePopup)
{
    auto* other = new TColorSelector(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 60, 137, 22);
    Open();
    ASSERT_TRUE(Sel->DroppedDown());
    other->SetFocus();
    EXPECT_FALSE(Sel->DroppedDown());

    // A handler that takes the focus away inside the swatch's own click:
    // the popup goes only after the click has returned.
    Bind(Sel->OnColorClick, [other](TObject*, TColor, bool&) { other->SetFocus(); });
    Open();
    ASSERT_TRUE(Sel->DroppedDown());
    ClickButton(Buttons()[0]);
    EXPECT_EQ(Sel->RGB(), clBlack);
    EXPECT_TRUE(Closes());
}

} // namespace
} // namespace designer::tests
