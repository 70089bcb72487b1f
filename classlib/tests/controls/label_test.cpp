// Labels: sizing to their caption, accelerator ampersands, wrapping,
// alignment and what shows behind a transparent one.

#include "classlib/controls/form.h"
#include "classlib/controls/label.h"
#include "classlib/controls/panel.h"
#include "classlib/graphics/bitmap.h"

#include <gtest/gtest.h>

namespace classlib {
namespace {

int TextWidthOf(const TFont* Font, const QString& Text)
{
    TBitmap scratch;
    scratch.SetSize(1, 1);
    scratch.Canvas().SetFont(Font);
    return scratch.Canvas().TextWidth(Text);
}

TEST(Label, AutoSizeTakesTheSizeOfTheCaption)
{
    TLabel label(nullptr);
    label.SetBounds(40, 4, 10, 10);
    const int lineHeight = [&] {
        label.SetCaption(QStringLiteral("x"));
        return label.Height();
    }();
    EXPECT_GT(lineHeight, 8);
    const struct {
        const char* Name;
        const char* Caption;
        bool ShowAccel;
        const char* Measured;
    } cases[] = {
        {"plain", "Caption", true, "Caption"},
        {"ampersand underlines", "&Name", true, "Name"},
        {"double ampersand is one", "A&&B", true, "A&B"},
        {"ampersand shown as is", "&Name", false, "&Name"},
        {"empty keeps a line", "", true, " "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        label.SetShowAccelChar(c.ShowAccel);
        label.SetCaption(QString::fromLatin1(c.Caption));
        EXPECT_EQ(label.Width(), TextWidthOf(label.Font(), QString::fromLatin1(c.Measured)));
        EXPECT_EQ(label.Height(), lineHeight);
        EXPECT_EQ(label.Left(), 40);
    }

    label.SetAutoSize(false);
    label.SetCaption(QStringLiteral("a much longer caption"));
    EXPECT_EQ(label.Height(), lineHeight);
    EXPECT_LT(label.Width(), TextWidthOf(label.Font(), QStringLiteral("a much longer caption")));
}

TEST(Label, RightAlignedKeepsItsRightEdgeAndWrappingKeepsItsWidth)
{
    TLabel label(nullptr);
    label.SetAlignment(taRightJustify);
    label.SetCaption(QStringLiteral("Integer"));
    label.SetLeft(100);
    const int right = label.Left() + label.Width();
    label.SetCaption(QStringLiteral("Unicode String"));
    EXPECT_EQ(label.Left() + label.Width(), right);

    TLabel wrapped(nullptr);
    wrapped.SetCaption(QStringLiteral("x"));
    const int line = wrapped.Height();
    wrapped.SetAutoSize(false);
    wrapped.SetWidth(60);
    wrapped.SetWordWrap(true);
    wrapped.SetAutoSize(true);
    wrapped.SetCaption(QStringLiteral("the value that the property editor rejected"));
    EXPECT_LE(wrapped.Width(), 60);
    EXPECT_GE(wrapped.Height(), 3 * line);
}

TEST(Label, TakesItsParentsColourAndShowsItThroughWhenTransparent)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clRed);
    auto* label = new TLabel(&form);
    label->SetParent(panel);
    label->SetBounds(10, 10, 10, 10);
    label->SetCaption(QStringLiteral("."));
    form.Show();
    EXPECT_EQ(label->Color(), clRed);  // follows the parent

    label->SetColor(clBlue);
    const QPoint probe(label->Left() + label->Width() - 1, label->Top() + 1);
    EXPECT_EQ(panel->Widget()->grab().toImage().pixelColor(probe), QColor(Qt::blue));
    label->SetTransparent(true);
    EXPECT_EQ(panel->Widget()->grab().toImage().pixelColor(probe), QColor(Qt::red));
}

TEST(Label, PublishesItsSettings)
{
    const TClassInfo& info = TLabel::StaticClass();
    for (const char* name : {"Alignment", "AutoSize", "Caption", "ShowAccelChar", "Transparent", "WordWrap"})
        EXPECT_NE(info.FindProp(QString::fromLatin1(name)), nullptr) << name;
}

} // namespace
} // namespace classlib
