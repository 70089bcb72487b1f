// A control's font and text: ParentFont, the font-changed and text-changed
// hooks, and measuring text outside Paint.

#include "classlib/controls/form.h"
#include "classlib/controls/label.h"
#include "classlib/controls/panel.h"
#include "classlib/core/sysutils.h"
#include "classlib/tests/controls/waituntil.h"

#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

// Counts its hooks and measures in Paint what MeasureCanvas gives outside.
class THookedControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int FontChanges = 0;
    int TextChanges = 0;
    int PaintedWidth = -1;

protected:
    void FontChanged() override
    {
        ++FontChanges;
        TCustomControl::FontChanged();
    }
    void TextChanged() override
    {
        ++TextChanges;
        TCustomControl::TextChanged();
    }
    void Paint() override
    {
        Canvas()->SetFont(Font());
        PaintedWidth = Canvas()->TextWidth(QStringLiteral("Wg measured"));
    }
};

class THookedLabel : public TLabel {
public:
    using TLabel::TLabel;
    int TextChanges = 0;

protected:
    void TextChanged() override
    {
        ++TextChanges;
        TLabel::TextChanged();
    }
};

class THookedForm : public TForm {
public:
    using TForm::TForm;
    int TextChanges = 0;

protected:
    void TextChanged() override { ++TextChanges; }
};

TEST(ParentFont, ChildrenFollowTheParentUntilTheirFontIsSet)
{
    TPanel parent(nullptr);
    parent.Font()->SetName(QStringLiteral("Arial"));
    parent.Font()->SetHeight(-13);
    auto* middle = new TPanel(&parent);
    middle->SetParentFont(true);
    middle->SetParent(&parent);
    auto* child = new THookedControl(&parent);
    child->SetParentFont(true);
    child->SetParent(middle);
    auto* own = new TPanel(&parent);
    own->SetParent(middle);

    EXPECT_EQ(middle->Font()->Height(), -13);
    EXPECT_EQ(child->Font()->Name(), QStringLiteral("Arial"));
    EXPECT_FALSE(own->ParentFont());
    EXPECT_NE(own->Font()->Height(), -13);

    const int before = child->FontChanges;
    parent.Font()->SetHeight(-20);
    EXPECT_EQ(middle->Font()->Height(), -20);
    EXPECT_EQ(child->Font()->Height(), -20);
    EXPECT_GT(child->FontChanges, before);
    EXPECT_NE(own->Font()->Height(), -20);
    EXPECT_TRUE(child->ParentFont());
    EXPECT_FALSE(child->IsFontStored());

    // The middle's own font ends its following and is what the child takes.
    middle->Font()->SetStyle(TFontStyles{fsBold});
    EXPECT_FALSE(middle->ParentFont());
    EXPECT_TRUE(middle->IsFontStored());
    EXPECT_TRUE(child->Font()->Style().Contains(fsBold));
    parent.Font()->SetHeight(-30);
    EXPECT_EQ(middle->Font()->Height(), -20);
    EXPECT_EQ(child->Font()->Height(), -20);

    TFont font;
    font.SetHeight(-9);
    child->SetFont(&font);
    EXPECT_FALSE(child->ParentFont());
    middle->Font()->SetHeight(-40);
    EXPECT_EQ(child->Font()->Height(), -9);

    // Following again takes the parent's font at once.
    child->SetParentFont(true);
    EXPECT_EQ(child->Font()->Height(), -40);
    middle->SetParentFont(true);
    EXPECT_EQ(middle->Font()->Height(), -30);
    EXPECT_EQ(child->Font()->Height(), -30);
}

TEST(ParentFont, MovingToAnotherParentTakesItsFont)
{
    TPanel a(nullptr);
    TPanel b(nullptr);
    a.Font()->SetHeight(-12);
    b.Font()->SetHeight(-18);
    TLabel label(nullptr);
    label.SetParentFont(true);
    label.SetParent(&a);
    EXPECT_EQ(label.Font()->Height(), -12);
    label.SetParent(&b);
    EXPECT_EQ(label.Font()->Height(), -18);
    label.SetParent(nullptr);
}

TEST(ParentFont, AutoSizedLabelGrowsWithItsParentsFont)
{
    TPanel panel(nullptr);
    panel.Font()->SetName(QStringLiteral("Arial"));
    panel.Font()->SetHeight(-11);
    auto* label = new TLabel(&panel);
    label->SetParentFont(true);
    label->SetParent(&panel);
    label->SetCaption(QStringLiteral("Some text"));
    const int width = label->Width();
    const int height = label->Height();
    panel.Font()->SetHeight(-22);
    EXPECT_GT(label->Width(), width);
    EXPECT_GT(label->Height(), height);
}

TEST(TextChanged, CalledOnceForEachChangeOfTheCaption)
{
    THookedControl control(nullptr);
    THookedLabel label(nullptr);
    THookedForm form(nullptr);
    const struct {
        const char* name;
        std::function<void(const QString&)> set;
        std::function<QString()> get;
        const int& count;
    } cases[] = {
        {"custom control", [&](const QString& T) { control.SetCaption(T); }, [&] { return control.Caption(); },
         control.TextChanges},
        {"label", [&](const QString& T) { label.SetCaption(T); }, [&] { return label.Caption(); }, label.TextChanges},
        {"form", [&](const QString& T) { form.SetCaption(T); }, [&] { return form.Caption(); }, form.TextChanges},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = c.count;
        c.set(QStringLiteral("one"));
        EXPECT_EQ(c.get(), QStringLiteral("one"));
        EXPECT_EQ(c.count, before + 1);
        c.set(QStringLiteral("one"));
        EXPECT_EQ(c.count, before + 1);
        c.set(QString());
        EXPECT_EQ(c.count, before + 2);
    }
}

TEST(FontChanged, CalledForEveryChangeOfTheFont)
{
    THookedControl control(nullptr);
    const int before = control.FontChanges;
    control.Font()->SetHeight(-15);
    control.Font()->SetColor(clRed);
    TFont font;
    control.SetFont(&font);
    EXPECT_EQ(control.FontChanges, before + 3);
}

TEST(MeasureCanvas, MeasuresOutsidePaintAsPaintDoes)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* control = new THookedControl(&form);
    control->SetParent(&form);
    control->SetBounds(0, 0, 100, 50);
    control->Font()->SetName(QStringLiteral("Arial"));
    control->Font()->SetHeight(-11);

    // Drawing stays inside Paint.
    EXPECT_THROW(control->Canvas()->TextWidth(QStringLiteral("x")), EInvalidOperation);

    const QString text = QStringLiteral("Wg measured");
    const int small = control->MeasureCanvas().TextWidth(text);
    EXPECT_GT(small, 0);
    EXPECT_GT(control->MeasureCanvas().TextHeight(text), 0);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
    control->Repaint();
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return control->PaintedWidth >= 0; }));
    EXPECT_EQ(control->PaintedWidth, small);

    // The measuring font is the control's, whenever asked.
    control->Font()->SetHeight(-22);
    EXPECT_GT(control->MeasureCanvas().TextWidth(text), small);
    TCanvas& c = control->MeasureCanvas();
    c.Font()->SetHeight(-5);
    EXPECT_EQ(control->MeasureCanvas().Font()->Height(), -22);
}

// Controls share one measuring canvas: each gets its own font, asked for in
// any order, and a freed control leaves it to the others.
TEST(MeasureCanvas, EachControlMeasuresInItsOwnFont)
{
    TForm form(nullptr);
    const QString text = QStringLiteral("Wg measured");
    auto* big = new THookedControl(&form);
    big->Font()->SetHeight(-30);
    auto* small = new THookedControl(&form);
    small->Font()->SetHeight(-10);
    const int bigWidth = big->MeasureCanvas().TextWidth(text);
    const int smallWidth = small->MeasureCanvas().TextWidth(text);
    EXPECT_GT(bigWidth, smallWidth);
    EXPECT_EQ(big->MeasureCanvas().TextWidth(text), bigWidth);
    delete big;
    EXPECT_EQ(small->MeasureCanvas().TextWidth(text), smallWidth);
}

} // namespace
} // namespace classlib
