// Forms shown as borderless child windows inside a scroll box: a press on
// the form or any of its controls activates that form, they scroll with the
// box, and they outlive it.

#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/scrollbox.h"
#include "classlib/tests/controls/handlers.h"

#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

QStringList Log;

class TSurfaceForm : public TForm {
public:
    TSurfaceForm(TComponent* AOwner, const QString& Tag) : TForm(AOwner), FTag(Tag)
    {
        SetBorderStyle(bsNone);
        Element = new TPanel(this);
        Element->SetParent(this);
        Element->SetBounds(20, 20, 30, 30);
        testing::Bind(OnActivate, [this](TObject*) { Log << FTag + QStringLiteral(" OnActivate"); });
        testing::Bind(Element->OnMouseDown, [this](TObject*, TMouseButton, TShiftState, int, int) {
            Log << FTag + QStringLiteral(" element down");
        });
    }

    TPanel* Element;

protected:
    void Activate() override { Log << FTag + QStringLiteral(" Activate"); }

private:
    QString FTag;
};

class ChildFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Log.clear();
        Main = new TForm(nullptr);
        Main->SetBounds(0, 0, 500, 400);
        Box = new TScrollBox(Main);
        Box->SetParent(Main);
        Box->SetAlign(alClient);
        Paper = new TSurfaceForm(nullptr, QStringLiteral("paper"));
        Page = new TSurfaceForm(nullptr, QStringLiteral("page"));
        // Placed before and after showing.
        Paper->SetBounds(10, 10, 300, 300);
        for (TSurfaceForm* f : {Paper, Page}) {
            f->SetParentWidget(Box->Widget());
            f->Show();
        }
        Page->SetBounds(40, 40, 200, 200);
        Main->Show();
    }
    void TearDown() override
    {
        delete Page;
        delete Paper;
        delete Main;
    }

    TForm* Main = nullptr;
    TScrollBox* Box = nullptr;
    TSurfaceForm* Paper = nullptr;
    TSurfaceForm* Page = nullptr;
};

TEST_F(ChildFormTest, PressActivatesTheFormUnderTheMouse)
{
    EXPECT_FALSE(Page->Widget()->isWindow());
    EXPECT_TRUE(Page->Showing());
    // A borderless form keeps no fixed window size once it is a child, and
    // lies in the box's client area, inside its 2-pixel border.
    EXPECT_EQ(Page->Widget()->geometry(), QRect(42, 42, 200, 200));
    EXPECT_EQ(Paper->Widget()->geometry(), QRect(12, 12, 300, 300));
    EXPECT_EQ(Page->Width(), 200);
    EXPECT_EQ(Paper->Left(), 10);
    Page->SetBounds(40, 40, 250, 220);
    EXPECT_EQ(Page->Widget()->size(), QSize(250, 220));
    Page->SetBounds(40, 40, 200, 200);
    const struct {
        const char* name;
        QWidget* target;
        QPoint at;
        Qt::MouseButton button;
        QStringList log;
    } cases[] = {
        {"page", Page->Widget(), {150, 150}, Qt::LeftButton, {"page Activate", "page OnActivate"}},
        {"paper", Paper->Widget(), {5, 5}, Qt::LeftButton, {"paper Activate", "paper OnActivate"}},
        // Before the element hears its press.
        {"page's element", Page->Element->Widget(), {5, 5}, Qt::LeftButton,
         {"page Activate", "page OnActivate", "page element down"}},
        {"right button", Paper->Widget(), {290, 290}, Qt::RightButton, {"paper Activate", "paper OnActivate"}},
        {"page again", Page->Widget(), {150, 150}, Qt::LeftButton, {"page Activate", "page OnActivate"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Log.clear();
        QTest::mouseClick(c.target, c.button, Qt::NoModifier, c.at);
        EXPECT_EQ(Log, c.log);
    }
}

TEST_F(ChildFormTest, TopLevelFormIsNotActivatedByAPress)
{
    Log.clear();
    TSurfaceForm top(nullptr, QStringLiteral("top"));
    EXPECT_EQ(top.Perform(WM_MOUSEACTIVATE), qintptr(MA_ACTIVATE));
    EXPECT_TRUE(Log.isEmpty());
    EXPECT_EQ(Page->Perform(WM_MOUSEACTIVATE), qintptr(MA_ACTIVATE));
    EXPECT_EQ(Log, QStringList({"page Activate", "page OnActivate"}));
}

TEST_F(ChildFormTest, FormsScrollWithTheBoxAndCountInItsRange)
{
    Page->SetBounds(40, 600, 200, 200);
    EXPECT_EQ(Box->VertScrollBar()->Range(), 800);
    Box->VertScrollBar()->SetPosition(300);
    EXPECT_EQ(Page->Top(), 300);
    EXPECT_EQ(Paper->Top(), -290);
    Box->ScrollInView(Paper);
    EXPECT_EQ(Paper->Top(), 10 - Box->VertScrollBar()->Position());
    EXPECT_GE(Paper->Top(), 0);
}

TEST_F(ChildFormTest, FormsOutliveTheBox)
{
    delete Main;
    Main = nullptr;
    ASSERT_NE(Page->Widget(), nullptr);
    EXPECT_FALSE(Page->Widget()->isVisible());
    Page->SetCaption(QStringLiteral("still here"));
    EXPECT_EQ(Page->Element->Parent(), Page);
}

} // namespace
} // namespace classlib
