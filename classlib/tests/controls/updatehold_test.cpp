// Repaints held while many controls change, and what the window shows after
// controls that paint every pixel of their own move about.

#include "classlib/controls/control.h"
#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/updatehold.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace classlib {
namespace {

// Fills itself, as a shape or a picture does, and counts its paints.
class TCountingControl : public TControl {
public:
    explicit TCountingControl(TComponent* AOwner) : TControl(AOwner)
    {
        SetControlStyle({csOpaque});
        SetColor(clWhite);
    }
    int Painted = 0;

protected:
    void Paint() override
    {
        ++Painted;
        TControl::Paint();
    }
};

class UpdateHold : public ::testing::Test {
protected:
    UpdateHold()
    {
        Form.SetBounds(100, 100, 200, 120);
        Form.SetColor(clRed);
        for (int i = 0; i < 4; ++i) {
            auto* c = new TCountingControl(&Form);
            c->SetBounds(10 + 40 * i, 10, 20, 20);
            c->SetParent(&Form);
            Controls.append(c);
        }
        Form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Form.Widget()));
        Settle();
    }

    // Lets the window paint what is pending; the paint counts start again.
    void Settle()
    {
        QCoreApplication::processEvents();
        for (TCountingControl* c : Controls) c->Painted = 0;
    }

    QList<int> Paints() const
    {
        QList<int> paints;
        for (const TCountingControl* c : Controls) paints.append(c->Painted);
        return paints;
    }

    // What the window shows: its backing store, not a fresh rendering.
    QImage Shown() const
    {
        return QGuiApplication::primaryScreen()->grabWindow(Form.Widget()->winId()).toImage();
    }

    TForm Form{nullptr};
    QList<TCountingControl*> Controls;
};

TEST_F(UpdateHold, ControlsInvalidatedDuringAHoldRepaintOnceWhenTheLastEnds)
{
    struct TCase {
        const char* Name;
        int Holds;
        QList<int> Invalidated;
        // Between the invalidated ones, the held area takes the others along.
        QList<int> Painted;
    };
    const TCase cases[] = {
        {"no hold", 0, {0, 2}, {1, 0, 1, 0}},
        {"one hold", 1, {0, 2}, {1, 1, 1, 0}},
        {"nested holds", 2, {1, 2}, {0, 1, 1, 0}},
        {"twice the same control", 1, {3, 3}, {0, 0, 0, 1}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        {
            std::unique_ptr<TUpdateHold> outer = c.Holds > 0 ? std::make_unique<TUpdateHold>() : nullptr;
            {
                std::unique_ptr<TUpdateHold> inner = c.Holds > 1 ? std::make_unique<TUpdateHold>() : nullptr;
                EXPECT_EQ(TUpdateHold::Active(), c.Holds > 0);
                for (int i : c.Invalidated) Controls[i]->Invalidate();
            }
            QCoreApplication::processEvents();
            if (c.Holds > 0) {
                EXPECT_EQ(Paints(), QList<int>({0, 0, 0, 0}));
            }
        }
        EXPECT_FALSE(TUpdateHold::Active());
        QCoreApplication::processEvents();
        EXPECT_EQ(Paints(), c.Painted);
        Settle();
    }
}

TEST_F(UpdateHold, AParentThatGoesDuringAHoldIsForgotten)
{
    auto* box = new TPanel(nullptr);
    box->SetBounds(10, 40, 50, 50);
    box->SetParent(&Form);
    auto* inner = new TCountingControl(box);
    inner->SetBounds(5, 5, 10, 10);
    inner->SetParent(box);
    box->Show();
    Settle();
    {
        const TUpdateHold hold;
        inner->Invalidate();
        Controls[3]->Invalidate();
        delete box;
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(Paints(), QList<int>({0, 0, 0, 1}));
}

TEST_F(UpdateHold, AWindowRepaintsAtOnceAndAHiddenControlNotAtAll)
{
    TForm window(nullptr);
    EXPECT_FALSE(TUpdateHold::Hold(Form.Widget()));
    const TUpdateHold hold;
    EXPECT_FALSE(TUpdateHold::Hold(window.Widget()));
    Controls[0]->Hide();
    EXPECT_TRUE(TUpdateHold::Hold(Controls[0]->Widget()));
    EXPECT_TRUE(TUpdateHold::Hold(Controls[1]->Widget()));
}

// A control that fills its bounds leaves no trace where it stood; the
// parent paints under it, so a move shows both places right at once.
TEST_F(UpdateHold, MovedControlsLeaveTheParentsColourBehind)
{
    const QImage before = Shown();
    ASSERT_FALSE(before.isNull());
    EXPECT_EQ(before.pixelColor(15, 15), QColor(Qt::white));
    {
        const TUpdateHold hold;
        for (TCountingControl* c : Controls) {
            c->SetBounds(c->Left() + 8, c->Top() + 50, c->Width(), c->Height());
            c->Invalidate();
        }
    }
    QCoreApplication::processEvents();
    const QImage after = Shown();
    for (const TCountingControl* c : Controls) {
        SCOPED_TRACE(c->Left());
        EXPECT_EQ(after.pixelColor(c->Left() - 8 + 1, 15), QColor(Qt::red));
        EXPECT_EQ(after.pixelColor(c->Left() + 1, 65), QColor(Qt::white));
        EXPECT_EQ(after.pixelColor(c->Left() + 18, 78), QColor(Qt::white));
        EXPECT_EQ(c->Painted, 1);
    }
}

} // namespace
} // namespace classlib
