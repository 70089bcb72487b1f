// Tool bars: the align palette's two bars (rows, wrapping, sizes), and
// buttons driven with the mouse (clicks, pressing, hot pictures, hints).

#include "classlib/controls/form.h"
#include "classlib/controls/imagelist.h"
#include "classlib/controls/toolbar.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/bitmap.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace classlib {
namespace {

class TPaletteForm : public TForm {
    QX_CLASS(TPaletteForm, TForm)
public:
    using TForm::TForm;
    void btnClick(TObject* Sender) { Clicked << static_cast<TToolButton*>(Sender)->ImageIndex(); }
    QList<int> Clicked;
};

} // namespace

const TClassInfo& TPaletteForm::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TPaletteForm>("TPaletteForm").Method("btnClick", &TPaletteForm::btnClick).Build();
    return info;
}

namespace {

TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// Count pictures of 24 x 24 in one colour on a fuchsia ground (masked).
void FillList(TImageList& List, int Count, QRgb Colour)
{
    List.SetWidth(24);
    List.SetHeight(24);
    QImage img(24 * Count, 24, QImage::Format_RGB32);
    img.fill(0xFFFF00FFu);
    for (int i = 0; i < Count; ++i)
        for (int y = 4; y < 20; ++y)
            for (int x = 4; x < 20; ++x)
                img.setPixel(i * 24 + x, y, Colour);
    TBitmap bmp;
    bmp.SetImage(img);
    List.AddMasked(&bmp, clFuchsia);
}

// The align/size palette: a 160 x 104 client with an auto-sized bar of ten
// buttons in two rows at the top and a bar of five at the bottom.
struct TPalette {
    TPaletteForm Form{nullptr};
    TImageList* Normal = new TImageList(&Form);
    TImageList* Hot = new TImageList(&Form);
    TToolBar* Align = new TToolBar(&Form);
    TToolBar* Size = new TToolBar(&Form);

    TPalette()
    {
        FillList(*Normal, 15, 0xFFFF0000u);
        FillList(*Hot, 15, 0xFF00FF00u);
        Form.SetBounds(0, 0, 160, 104);
        for (TToolBar* bar : {Align, Size}) {
            bar->SetParent(&Form);
            bar->SetButtonWidth(32);
            bar->SetButtonHeight(32);
            bar->SetEdgeBorders({});
            bar->SetImages(Normal);
            bar->SetHotImages(Hot);
            bar->SetShowHint(true);
        }
        Align->SetAlign(alTop);
        Align->SetAutoSize(true);
        Size->SetHeight(36);
        Size->SetAlign(alBottom);
        for (int code = 0; code < 15; ++code) {
            auto* b = new TToolButton(&Form);
            b->SetImageIndex(code);
            b->SetHint(QStringLiteral("Command %1").arg(code));
            b->OnClick = TMethod{TPaletteForm::StaticClass().FindMethod(u"btnClick"), &Form};
            b->SetToolBar(code < 10 ? Align : Size);
            b->SetWrap(code == 4);
        }
        Form.Show();
    }
    TToolButton* Button(int Code) const
    {
        return Code < 10 ? Align->Buttons(Code) : Size->Buttons(Code - 10);
    }
    QImage Face(int Code) const { return Button(Code)->Widget()->grab().toImage(); }
};

TEST(ToolBar, ThePalettesBarsStandInRowsAndSizeThemselves)
{
    TPalette p;
    EXPECT_EQ(p.Align->RowCount(), 2);
    EXPECT_EQ(p.Align->BoundsRect(), Rect(0, 0, 160, 64));
    EXPECT_EQ(p.Size->BoundsRect(), Rect(0, 68, 160, 104));
    for (int code = 0; code < 15; ++code) {
        const int col = code < 10 ? code % 5 : code - 10;
        const int row = code < 10 ? code / 5 : 0;
        EXPECT_EQ(p.Button(code)->BoundsRect(), Rect(col * 32, row * 32, col * 32 + 32, row * 32 + 32)) << code;
        EXPECT_EQ(p.Button(code)->Index(), code < 10 ? code : code - 10);
    }
}

TEST(ToolBar, ButtonsWrapAtTheEdgeAfterAWrapButtonOrNotAtAll)
{
    struct {
        const char* Name;
        int Width;
        bool Wrapable;
        bool WrapFifth;
        int Rows;
        int SixthLeft, SixthTop;
    } cases[] = {
        {"the fifth wraps", 160, true, true, 2, 0, 32},
        {"the edge wraps", 160, true, false, 2, 0, 32},
        {"narrower: three a row, and the fifth", 100, true, true, 4, 0, 64},
        {"not wrapable: one row past the edge", 100, false, false, 1, 160, 0},
        {"not wrapable, but a wrap button", 100, false, true, 2, 0, 32},
        {"narrower than a button: one a row", 20, true, false, 10, 0, 160},
    };
    for (const auto& c : cases) {
        TPalette p;
        p.Button(4)->SetWrap(c.WrapFifth);
        p.Align->SetWrapable(c.Wrapable);
        p.Form.SetBounds(0, 0, c.Width, 104);
        EXPECT_EQ(p.Align->RowCount(), c.Rows) << c.Name;
        EXPECT_EQ(p.Align->Height(), c.Rows * 32) << c.Name;  // auto size
        EXPECT_EQ(p.Button(5)->Left(), c.SixthLeft) << c.Name;
        EXPECT_EQ(p.Button(5)->Top(), c.SixthTop) << c.Name;
    }
}

TEST(ToolBar, EdgesIndentAndHiddenButtonsMoveTheOthers)
{
    TPalette p;
    p.Form.SetBounds(0, 0, 200, 104);
    p.Align->SetEdgeBorders({ebLeft, ebTop, ebBottom});
    p.Align->SetIndent(3);
    EXPECT_EQ(p.Button(0)->BoundsRect(), Rect(5, 2, 37, 34));
    EXPECT_EQ(p.Align->Height(), 2 + 2 * 32 + 2);
    EXPECT_EQ(p.Button(3)->Left(), 5 + 3 * 32);

    p.Align->SetEdgeBorders({});
    p.Align->SetIndent(0);
    p.Button(1)->SetVisible(false);
    EXPECT_EQ(p.Button(2)->Left(), 32);
    p.Button(1)->SetVisible(true);
    EXPECT_EQ(p.Button(2)->Left(), 64);

    // A freed button leaves the bar; a button moved elsewhere too.
    delete p.Button(0);
    EXPECT_EQ(p.Align->ButtonCount(), 9);
    EXPECT_EQ(p.Align->Buttons(0)->Left(), 0);
    TToolButton* moved = p.Align->Buttons(0);
    moved->SetParent(&p.Form);
    EXPECT_EQ(moved->ToolBar(), nullptr);
    EXPECT_EQ(moved->Index(), -1);
    EXPECT_EQ(p.Align->ButtonCount(), 8);
}

TEST(ToolBar, AClickOnAButtonCallsItsHandlerWithTheButton)
{
    struct {
        const char* Name;
        int Code;
        bool Disabled;
        QList<int> Clicked;
    } cases[] = {
        {"align left edges", 0, false, {0}},
        {"grow to largest, vertically", 14, false, {14}},
        {"a disabled button", 7, true, {}},
    };
    for (const auto& c : cases) {
        TPalette p;
        p.Button(c.Code)->SetEnabled(!c.Disabled);
        QTest::mouseClick(p.Button(c.Code)->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
        EXPECT_EQ(p.Form.Clicked, c.Clicked) << c.Name;
    }
    TPalette p;
    // A person's double click: a click, then a press that is also a double
    // click, and a release.
    QWidget* w = p.Button(3)->Widget();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
    EXPECT_EQ(p.Form.Clicked, (QList<int>{3, 3}));  // a quick second click is a click too
}

TEST(ToolBar, APressedButtonSinksWhileTheMouseStaysAndClicksOnlyThere)
{
    TPalette p;
    QWidget* w = p.Button(2)->Widget();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(16, 16));
    EXPECT_TRUE(p.Button(2)->Pressed());
    // Sunken: the image one pixel down and right, a dark top-left edge.
    const QImage down = p.Face(2);
    EXPECT_EQ(Px(down, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Px(down, 24, 24), RGB(255, 0, 0));
    QTest::mouseMove(w, QPoint(50, 16));
    EXPECT_FALSE(p.Button(2)->Pressed());
    QTest::mouseMove(w, QPoint(16, 16));
    EXPECT_TRUE(p.Button(2)->Pressed());
    QTest::mouseMove(w, QPoint(50, 16));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(50, 16));
    EXPECT_FALSE(p.Button(2)->Pressed());
    EXPECT_TRUE(p.Form.Clicked.isEmpty());
}

TEST(ToolBar, TheButtonUnderTheMouseShowsItsHotPicture)
{
    struct {
        const char* Name;
        bool Flat;
        bool HotList;
        bool Enabled;
        TColorRef Centre;
        TColorRef Corner;  // the frame
    } cases[] = {
        {"hot picture", false, true, true, RGB(0, 255, 0), ColorToRGB(cl3DLight)},
        {"no hot list: the normal picture", false, false, true, RGB(255, 0, 0), ColorToRGB(cl3DLight)},
        {"flat: a raised frame appears", true, true, true, RGB(0, 255, 0), ColorToRGB(clBtnHighlight)},
        {"disabled: embossed, not hot", false, true, false, ColorToRGB(clBtnShadow), ColorToRGB(cl3DLight)},
    };
    for (const auto& c : cases) {
        TPalette p;
        p.Align->SetFlat(c.Flat);
        if (!c.HotList)
            p.Align->SetHotImages(nullptr);
        p.Button(1)->SetEnabled(c.Enabled);
        const QImage before = p.Face(1);
        EXPECT_EQ(Px(before, 16, 16), c.Enabled ? RGB(255, 0, 0) : ColorToRGB(clBtnShadow)) << c.Name;
        if (c.Flat) {
            EXPECT_EQ(Px(before, 0, 0), ColorToRGB(clBtnFace)) << c.Name;  // no frame yet
        }
        QTest::mouseMove(p.Button(1)->Widget(), QPoint(16, 16));
        EXPECT_EQ(p.Button(1)->Hot(), c.Enabled) << c.Name;
        const QImage hot = p.Face(1);
        EXPECT_EQ(Px(hot, 16, 16), c.Centre) << c.Name;
        EXPECT_EQ(Px(hot, 0, 0), c.Corner) << c.Name;
        QTest::mouseMove(p.Button(6)->Widget(), QPoint(16, 16));  // one hot button at a time
        EXPECT_FALSE(p.Button(1)->Hot()) << c.Name;
        EXPECT_EQ(Px(p.Face(1), 16, 16), Px(before, 16, 16)) << c.Name;
    }
}

TEST(ToolBar, HintsShowWhenTheBarShowsThem)
{
    TPalette p;
    EXPECT_EQ(p.Button(13)->Widget()->toolTip(), QStringLiteral("Command 13"));
    p.Size->SetShowHint(false);
    EXPECT_EQ(p.Button(13)->Widget()->toolTip(), QString());
}

TEST(ToolBar, FreedImageListsAndBarsLeaveNothingBehind)
{
    TPalette p;
    delete p.Hot;
    EXPECT_EQ(p.Align->HotImages(), nullptr);
    EXPECT_EQ(p.Size->HotImages(), nullptr);
    EXPECT_EQ(p.Align->Images(), p.Normal);
    // One list for both faces: freeing it clears both.
    p.Align->SetHotImages(p.Normal);
    p.Align->SetImages(nullptr);
    p.Align->SetImages(p.Normal);
    delete p.Normal;
    EXPECT_EQ(p.Align->Images(), nullptr);
    EXPECT_EQ(p.Align->HotImages(), nullptr);
    p.Face(0);  // paints without pictures

    TToolButton* survivor = p.Size->Buttons(0);
    survivor->SetParent(&p.Form);
    delete p.Size;
    EXPECT_EQ(survivor->ToolBar(), nullptr);
    EXPECT_EQ(p.Form.ComponentCount(), 1 + 10 + 1);  // the align bar, its buttons, the survivor
}

TEST(ToolBar, ButtonsAndBarsPublishTheirSettingsAndEvents)
{
    for (const char* name : {"ImageIndex", "Wrap", "OnClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
        EXPECT_NE(TToolButton::StaticClass().FindProp(QString::fromLatin1(name)), nullptr) << name;
    for (const char* name : {"AutoSize", "ButtonHeight", "ButtonWidth", "EdgeBorders", "Flat", "HotImages",
                             "Images", "Indent", "Wrapable", "OnClick", "OnResize"})
        EXPECT_NE(TToolBar::StaticClass().FindProp(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(TToolButton::StaticClass().FindProp(u"ImageIndex")->Default, -1);
    EXPECT_EQ(TToolBar::StaticClass().FindProp(u"EdgeBorders")->Default, TEdgeBorders{ebTop}.Mask());
}

} // namespace
} // namespace classlib
