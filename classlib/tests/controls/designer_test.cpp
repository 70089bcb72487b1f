// A form in design state hands its controls' messages, its components'
// insertions, removals and renames and its grid painting to its designer.

#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/scrollbar.h"
#include "classlib/core/sysutils.h"

#include <QImage>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace classlib {
namespace {

class TLogDesigner : public TDesigner {
public:
    QStringList Log;
    QList<TComponent*> Notified;
    // Message numbers to take.
    QList<unsigned> Takes;

    bool IsDesignMsg(TControl* Sender, TMessage& Message) override
    {
        if (Message.Msg != WM_PAINT)
            Log << QStringLiteral("msg %1 %2").arg(Sender->Name()).arg(Message.Msg, 0, 16);
        return Takes.contains(Message.Msg);
    }
    void Modified() override { Log << QStringLiteral("modified"); }
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        // The component is still being made or already half gone: only
        // its identity counts here.
        Log << QLatin1String(Operation == opInsert ? "insert" : "remove");
        Notified << AComponent;
    }
    void PaintGrid() override
    {
        Log << QStringLiteral("grid");
        // The form's canvas is live while the grid paints.
        Form()->Canvas()->Pixels(0, 0);
    }
    void ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName) override
    {
        Log << QStringLiteral("rename %1 %2 %3").arg(AComponent ? AComponent->ClassName() : "nil", CurName, NewName);
    }
};

class TClickPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    QStringList Log;

protected:
    void MouseDown(TMouseButton, TShiftState, int X, int Y) override
    {
        Log << QStringLiteral("down %1,%2").arg(X).arg(Y);
    }
    void KeyDown(unsigned& Key, TShiftState) override { Log << QStringLiteral("key %1").arg(Key, 0, 16); }
};

struct TDesignedForm {
    TForm Form{nullptr};
    TLogDesigner Designer;
    TClickPanel* Child;
    TDesignedForm()
    {
        Form.SetBounds(0, 0, 200, 100);
        Child = new TClickPanel(&Form);
        Child->SetName(QStringLiteral("Child"));
        Child->SetParent(&Form);
        Child->SetBounds(10, 10, 50, 40);
        Designer.SetForm(&Form);
        Form.SetDesigner(&Designer);
        Form.SetDesigning(true);
    }
};

TEST(Designer, TakenMessagesNeverReachTheControl)
{
    const struct {
        const char* Name;
        QList<unsigned> Takes;
        QStringList ChildSees;
    } cases[] = {
        {"nothing taken", {}, {"down 5,6", "key 25"}},
        {"keys taken", {WM_KEYDOWN, WM_KEYUP}, {"down 5,6"}},
        {"all taken", {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN, WM_KEYUP}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TDesignedForm f;
        f.Designer.Takes = c.Takes;
        QTest::mouseClick(f.Child->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
        QTest::keyClick(f.Child->Widget(), Qt::Key_Left);
        EXPECT_EQ(f.Child->Log, c.ChildSees);
        EXPECT_EQ(f.Designer.Log, (QStringList{"msg Child 201", "msg Child 202", "msg Child 100", "msg Child 101"}));
    }
}

TEST(Designer, OnlyControlsInDesignStateAreFiltered)
{
    TDesignedForm f;
    f.Form.SetDesigning(false);
    f.Designer.Takes = {WM_LBUTTONDOWN};
    QTest::mouseClick(f.Child->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_TRUE(f.Designer.Log.isEmpty());
    EXPECT_EQ(f.Child->Log, QStringList{"down 5,6"});
}

TEST(Designer, ControlsOverQtsOwnWidgetsAreFilteredToo)
{
    TDesignedForm f;
    auto* bar = new TScrollBar(&f.Form);
    bar->SetName(QStringLiteral("Bar"));
    bar->SetParent(&f.Form);
    f.Designer.Log.clear();
    f.Designer.Takes = {WM_LBUTTONDOWN, WM_LBUTTONUP};
    QTest::mouseClick(bar->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 5));
    EXPECT_EQ(f.Designer.Log, (QStringList{"msg Bar 201", "msg Bar 202"}));
    EXPECT_EQ(bar->Position(), 0);  // the bar never saw the click

    // Out of design state the bar is Qt's again.
    f.Designer.Log.clear();
    f.Form.SetDesigning(false);
    QTest::mouseClick(bar->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(bar->Width() - 30, 5));
    EXPECT_TRUE(f.Designer.Log.isEmpty());
    EXPECT_GT(bar->Position(), 0);
}

TEST(Designer, ADisabledControlIsStillDesigned)
{
    TDesignedForm f;
    f.Child->SetEnabled(false);
    f.Designer.Takes = {WM_LBUTTONDOWN, WM_LBUTTONUP};
    QTest::mouseClick(f.Child->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(f.Designer.Log, (QStringList{"msg Child 201", "msg Child 202"}));

    f.Form.SetDesigning(false);
    f.Designer.Log.clear();
    QTest::mouseClick(f.Child->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_TRUE(f.Designer.Log.isEmpty());
    EXPECT_TRUE(f.Child->Log.isEmpty());
}

TEST(Designer, PaintsAreFilteredAndTheGridDrawnInDesignState)
{
    TDesignedForm f;
    f.Designer.Takes = {WM_PAINT};
    f.Form.Widget()->grab();
    EXPECT_TRUE(f.Designer.Log.isEmpty());  // the form's own paint was taken

    f.Designer.Takes.clear();
    f.Form.Widget()->grab();
    EXPECT_EQ(f.Designer.Log, QStringList{"grid"});

    f.Designer.Log.clear();
    f.Form.SetDesigning(false);
    f.Form.Widget()->grab();
    EXPECT_TRUE(f.Designer.Log.isEmpty());
}

TEST(Designer, InsertionsRemovalsAndRenamesReachTheDesigner)
{
    TDesignedForm f;
    f.Designer.Log.clear();
    auto* added = new TCustomPanel(&f.Form);
    added->SetName(QStringLiteral("Panel1"));
    added->SetName(QStringLiteral("Panel2"));
    delete added;
    EXPECT_EQ(f.Designer.Log, (QStringList{"insert", "rename TCustomPanel  Panel1",
                                           "rename TCustomPanel Panel1 Panel2", "remove"}));
    EXPECT_EQ(f.Designer.Notified, (QList<TComponent*>{added, added}));

    // A clashing name is refused before the designer hears of it.
    (new TCustomPanel(&f.Form))->SetName(QStringLiteral("Taken"));
    f.Designer.Log.clear();
    EXPECT_THROW(f.Child->SetName(QStringLiteral("TAKEN")), EComponentError);
    EXPECT_TRUE(f.Designer.Log.isEmpty());
}

TEST(Designer, FormAndDesignerForgetEachOtherWhicheverGoesFirst)
{
    {
        auto form = std::make_unique<TForm>(nullptr);
        auto designer = std::make_unique<TLogDesigner>();
        designer->SetForm(form.get());
        form->SetDesigner(designer.get());
        designer.reset();
        EXPECT_EQ(form->Designer(), nullptr);
        new TCustomPanel(form.get());  // nothing to tell
    }
    {
        auto form = std::make_unique<TForm>(nullptr);
        TLogDesigner designer;
        designer.SetForm(form.get());
        form->SetDesigner(&designer);
        form.reset();
        EXPECT_EQ(designer.Form(), nullptr);
    }
    {
        // A replaced designer, and a designer moved to another form, forget
        // the form they no longer design (ASan: nothing dangles).
        auto first = std::make_unique<TLogDesigner>();
        TLogDesigner second;
        auto form = std::make_unique<TForm>(nullptr);
        auto other = std::make_unique<TForm>(nullptr);
        form->SetDesigner(first.get());
        EXPECT_EQ(first->Form(), form.get());
        form->SetDesigner(&second);
        EXPECT_EQ(first->Form(), nullptr);
        other->SetDesigner(&second);
        EXPECT_EQ(form->Designer(), nullptr);
        EXPECT_EQ(second.Form(), other.get());
        form.reset();
        first.reset();
        EXPECT_EQ(other->Designer(), &second);
        other.reset();
        EXPECT_EQ(second.Form(), nullptr);
    }
}

} // namespace
} // namespace classlib
