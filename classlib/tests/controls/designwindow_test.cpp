#include "classlib/design/designwindow.h"
#include "classlib/design/formdesigner.h"
#include "classlib/design/selectionlist.h"
#include "classlib/tests/errorof.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace classlib {
namespace {

// Logs what it hears; closes itself on the first deletion it hears.
class TLoggingWindow : public TDesignWindow {
public:
    TLoggingWindow(QString AName, QStringList& ALog) : TDesignWindow(nullptr), FName(std::move(AName)), FLog(ALog) {}

    bool FreeOnDelete = false;

    void ComponentDeleted(TPersistent*) override
    {
        FLog << FName + " deleted";
        if (FreeOnDelete) delete this;
    }
    void FormClosed(TForm*) override { FLog << FName + " closed"; }
    void FormModified() override { FLog << FName + " modified"; }
    void SelectionChanged(TDesignerSelectionList* List) override
    {
        FLog << FName + " selection " + QString::number(List->Count());
    }

private:
    QString FName;
    QStringList& FLog;
};

TEST(DesignWindowTest, NotificationsReachTheOpenWindowsOfTheirDesigner)
{
    QStringList log;
    auto a = std::make_unique<TLoggingWindow>("a", log);
    auto b = std::make_unique<TLoggingWindow>("b", log);
    auto* designerA = reinterpret_cast<TFormDesigner*>(0x10);
    a->SetDesigner(designerA);

    NotifyDesignWindowsFormModified(designerA);
    TDesignerSelectionList selection;
    NotifyDesignWindowsSelectionChanged(designerA, &selection);
    NotifyDesignWindowsFormClosed(nullptr);
    EXPECT_EQ(log, QStringList({"a modified", "a selection 0", "a closed", "b closed"}));

    log.clear();
    b.reset();
    NotifyDesignWindowsFormClosed(nullptr);
    EXPECT_EQ(log, QStringList({"a closed"}));
}

TEST(DesignWindowTest, AWindowThatClosesWhileItHearsIsNotCalledAgain)
{
    QStringList log;
    auto* first = new TLoggingWindow("first", log);
    first->FreeOnDelete = true;
    auto second = std::make_unique<TLoggingWindow>("second", log);
    NotifyDesignWindowsComponentDeleted(nullptr);
    NotifyDesignWindowsComponentDeleted(nullptr);
    EXPECT_EQ(log, QStringList({"first deleted", "second deleted", "second deleted"}));
}

TEST(DesignerSelectionListTest, HoldsEachObjectOnceInOrder)
{
    TPersistent a, b;
    TDesignerSelectionList list;
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&b), 1);
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Remove(&a), 0);
    EXPECT_EQ(list.Items(0), &b);
    EXPECT_EQ(list.Remove(&a), -1);
    EXPECT_EQ(test::ErrorOf<EListError>([&] { list.Items(1); }), "List index out of bounds (1)");
}

} // namespace
} // namespace classlib
