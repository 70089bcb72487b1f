// The source unit's handlers, called the way the runtime calls them: by an
// event bound to the method it finds by name on the form's class.

#include "ide/host/hostform.h"
#include "ide/host/sourceunit.h"

#include "runtime/control.h"
#include "runtime/report.h"

#include "classlib/controls/form.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace idehost;

namespace {

TEST(SourceUnit, HandlersDoWhatTheirParameterListsAskAndLogTheirCalls)
{
    TSourceUnit unit("TForm1", TForm::StaticClass());
    unit.Add("LabelText", TypeInfo<runtime::TQXGetText>());
    unit.Add("BandData", TypeInfo<runtime::TQXAskData>());
    unit.Add("Started", TypeInfo<runtime::TQXBeforeReport>());
    TRunForm form(nullptr, unit);
    // Looked up as the runtime binds: by name, without regard to case.
    const runtime::TQXGetText text = TMethod{form.ClassType()->FindMethod(u"labeltext"), &form};
    const runtime::TQXAskData data = TMethod{form.ClassType()->FindMethod(u"BANDDATA"), &form};
    const runtime::TQXBeforeReport started = TMethod{form.ClassType()->FindMethod(u"Started"), &form};
    ASSERT_TRUE(text && data && started);

    QString s = "before";
    text(nullptr, s);
    EXPECT_EQ(s, "LabelText");
    int rows = 0;
    for (bool need = true; need && rows < 10; ++rows) data(nullptr, need);
    EXPECT_EQ(rows, TSourceUnit::DataRows + 1);
    started(nullptr);
    EXPECT_EQ(unit.Calls().size(), 2 + TSourceUnit::DataRows + 1);
    EXPECT_EQ(unit.Calls().last(), "Started");

    unit.ResetRun();
    EXPECT_TRUE(unit.Calls().isEmpty());
    bool need = false;
    data(nullptr, need);
    EXPECT_TRUE(need);
}

TEST(SourceUnit, NamesAreCheckedAndCompatibleMethodsListed)
{
    TSourceUnit unit("TForm1", TForm::StaticClass());
    struct {
        const char* Case;
        QString Name;
        const TTypeInfo* Type;
        QString Error;
    } const cases[] = {
        {"not an identifier", "1st", TypeInfo<runtime::TQXGetText>(), "'1st' is not a valid method name"},
        {"empty", "", TypeInfo<runtime::TQXGetText>(), "'' is not a valid method name"},
        {"no handler for the type", "Draw", TypeInfo<int>(), "No handler can be made for events of type Integer"},
    };
    for (const auto& c : cases) {
        try {
            unit.Add(c.Name, c.Type);
            ADD_FAILURE() << c.Case;
        } catch (const ESourceError& E) {
            EXPECT_EQ(E.Message, c.Error) << c.Case;
        }
    }
    unit.Add("OneText", TypeInfo<runtime::TQXGetText>());
    EXPECT_THROW(unit.Add("ONETEXT", TypeInfo<runtime::TQXGetText>()), ESourceError);
    unit.Add("Other", TypeInfo<runtime::TQXAfterPrint>());
    unit.Add("Notify", TypeInfo<TNotifyEvent>());
    // Same parameter list, another event type: still compatible.
    EXPECT_EQ(unit.CompatibleNames(TypeInfo<runtime::TQXAfterPrint>()), QStringList({"Other", "Notify"}));
    EXPECT_EQ(unit.CompatibleNames(TypeInfo<runtime::TQXGetText>()), QStringList({"OneText"}));
}

TEST(SourceUnit, ADeletedMethodStaysValidForEventsThatStillHoldIt)
{
    TSourceUnit unit("TForm1", TForm::StaticClass());
    const TMethodInfo* code = unit.Add("Gone", TypeInfo<runtime::TQXGetText>());
    unit.Delete("gone");
    EXPECT_FALSE(unit.Exists("Gone"));
    EXPECT_FALSE(unit.IsLive(code));
    EXPECT_EQ(unit.FormClass().FindMethod(u"Gone"), nullptr);
    // Still callable: an element that kept the pointer does not crash.
    const runtime::TQXGetText event = TMethod{code, nullptr};
    QString s;
    event(nullptr, s);
    EXPECT_EQ(s, "Gone");
    // A new method of the same name is another one.
    EXPECT_NE(unit.Add("Gone", TypeInfo<runtime::TQXGetText>()), code);
}

TEST(SourceUnit, RenamesAreFollowedByTheHandlerAndTheClass)
{
    TSourceUnit unit("TForm1", TForm::StaticClass());
    unit.Add("Old", TypeInfo<runtime::TQXGetText>());
    unit.Add("Taken", TypeInfo<runtime::TQXGetText>());
    EXPECT_THROW(unit.Rename("Old", "taken"), ESourceError);
    EXPECT_THROW(unit.Rename("Missing", "New"), ESourceError);
    unit.Rename("Old", "New");
    const runtime::TQXGetText event = TMethod{unit.FormClass().FindMethod(u"New"), nullptr};
    QString s;
    event(nullptr, s);
    EXPECT_EQ(s, "New");
}

TEST(SourceUnit, SavedListsRoundTripAndBadOnesChangeNothing)
{
    TSourceUnit unit("TForm1", TForm::StaticClass());
    unit.Add("A", TypeInfo<runtime::TQXGetText>());
    unit.Add("B", TypeInfo<runtime::TQXAskData>());
    const QStringList saved = unit.SaveList();
    EXPECT_EQ(saved, QStringList({"A=TQXGetText", "B=TQXAskData"}));
    struct {
        const char* Case;
        QStringList Lines;
        QString Error;
    } const bad[] = {
        {"no equals sign", {"A"}, "Invalid method line: A"},
        {"unknown type", {"A=TFoo"}, "Invalid method line: A=TFoo"},
        {"bad name", {"1A=TQXGetText"}, "Invalid method line: 1A=TQXGetText"},
        {"twice", {"A=TQXGetText", "a=TQXAskData"}, "A method named a already exists"},
    };
    for (const auto& c : bad) {
        try {
            unit.LoadList(c.Lines);
            ADD_FAILURE() << c.Case;
        } catch (const ESourceError& E) {
            EXPECT_EQ(E.Message, c.Error) << c.Case;
        }
        EXPECT_EQ(unit.SaveList(), saved) << c.Case;
    }
    TSourceUnit other("TForm1", TForm::StaticClass());
    other.LoadList(saved);
    EXPECT_EQ(other.SaveList(), saved);
}

} // namespace
