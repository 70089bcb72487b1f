// Cut, copy and paste of elements through the main window's keys: every
// element travels once, and what the page could not store is refused with
// a message, leaving the page as it was.

#include "designer/document/designinstances.h"
#include "designer/document/document.h"
#include "designer/document/page.h"
#include "designer/elements/band.h"
#include "designer/elements/label.h"
#include "designer/elements/paintbox.h"
#include "designer/elements/panel.h"
#include "designer/elements/shape.h"
#include "designer/mainwindow/mainwindow.h"
#include "designer/mainwindow/qxactivate.h"
#include "designer/tests/mainwindow/rundesigner.h"

#include "classlib/controls/button.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/panel.h"
#include "classlib/core/classregistry.h"
#include "classlib/system/clipboard.h"
#include "classlib/tests/tempconfig.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace designer::tests {
namespace {

using namespace classlib;

void Key(TfrmMain& Main, Qt::Key K)
{
    QTest::keyClick(Main.Widget(), K, Qt::ControlModifier);
    Settle();
}

// The page's elements by name, in the order the page owns them.
QStringList Elements()
{
    QStringList names;
    for (int i = 0; i < PageWindow->ComponentCount(); ++i)
        if (dynamic_cast<TQXControl*>(PageWindow->Components(i))) names << PageWindow->Components(i)->Name();
    return names;
}

// The classes of a control's tree, each child indented below its parent.
QString TreeOf(const TControl* Control, int Indent = 0)
{
    QString tree = QString(Indent, QLatin1Char(' ')) + Control->ClassName() + QLatin1Char('\n');
    if (const auto* parent = dynamic_cast<const TWinControl*>(Control))
        for (int i = 0; i < parent->ControlCount(); ++i) tree += TreeOf(parent->Controls(i), Indent + 2);
    return tree;
}

// The trees of the elements that lie on the page, in window order.
QStringList PageTrees()
{
    QStringList trees;
    for (int i = 0; i < PageWindow->ControlCount(); ++i)
        if (dynamic_cast<TQXControl*>(PageWindow->Controls(i))) trees << TreeOf(PageWindow->Controls(i));
    return trees;
}

int ObjectsOnTheClipboard()
{
    int count = 0;
    for (const QByteArray& line : Clipboard().AsText().split('\n'))
        if (line.trimmed().startsWith("object ")) ++count;
    return count;
}

template <class T>
T* Make(const char* Name, TWinControl* Parent)
{
    auto* element = new T(PageWindow);
    element->SetName(QString::fromLatin1(Name));
    element->SetParent(Parent);
    return element;
}

// Two bands as a report lays them out: a panel with two labels and a
// shape in the first, a label and a paint box in the second. Ten elements.
QList<TComponent*> SampleBands()
{
    auto* first = Make<TQXBand>("Head", PageWindow);
    auto* panel = Make<TQXPanel>("Columns", first);
    Make<TQXLabel>("Name", panel)->SetCaption(QStringLiteral("Name"));
    Make<TQXLabel>("City", panel)->SetCaption(QStringLiteral("City"));
    Make<TQXShape>("Rule", first);
    auto* second = Make<TQXBand>("Body", PageWindow);
    auto* group = Make<TQXBand>("Group", second);
    Make<TQXLabel>("Value", group)->SetCaption(QStringLiteral("Value"));
    Make<TQXPaintBox>("Chart", second);
    Make<TQXLabel>("Total", second)->SetCaption(QStringLiteral("Total"));
    return {first, second};
}

// Bands B1 .. BCount, each inside the one before.
QByteArray NestedBands(int Count)
{
    QByteArray text;
    for (int i = 1; i <= Count; ++i) text += "object B" + QByteArray::number(i) + ": TQXBand\r\n";
    for (int i = 1; i <= Count; ++i) text += "end\r\n";
    return text;
}

bool SavesTo(TfrmMain& Main, TModalScript& Script, const QString& Path)
{
    const int requests = int(Script.Requests().size());
    Script.ChooseFile(Path);
    Main.mmiSaveAsClick(nullptr);
    Settle();
    for (int i = requests; i < int(Script.Requests().size()); ++i)
        if (Script.Requests().at(i).Kind == TModalKind::Message) {
            ADD_FAILURE() << "saving said " << Script.Requests().at(i).Text.toStdString();
            return false;
        }
    return QFile::exists(Path);
}

TEST(MainClipboard, CopyOrCutAndPasteKeepEveryElementOnceAndThePageSaves)
{
    struct TCase {
        const char* Name;
        Qt::Key Key;
        int After;  // elements after the paste, of the ten
    };
    const std::vector<TCase> cases = {{"copy and paste", Qt::Key_C, 20}, {"cut and paste", Qt::Key_X, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir dir;
        RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
            ASSERT_TRUE(Elements().isEmpty());
            const QList<TComponent*> bands = SampleBands();
            ASSERT_EQ(Elements().size(), 10);
            const QStringList trees = PageTrees();
            PageWindow->SelectOnly(bands[0]);
            PageWindow->SelectControl(bands[1]);
            Key(Main, c.Key);
            EXPECT_EQ(ObjectsOnTheClipboard(), 10) << Clipboard().AsText().constData();
            PageWindow->UnselectAll();
            Key(Main, Qt::Key_V);
            const QStringList after = Elements();
            EXPECT_EQ(after.size(), c.After) << after.join(' ').toStdString();
            // A label two levels down is there once for each paste.
            EXPECT_EQ(after.count(QStringLiteral("Value")), 1);
            if (c.Key == Qt::Key_C) {
                EXPECT_TRUE(after.contains(QStringLiteral("Label1")));
            }
            // Each band comes back as the tree it was.
            EXPECT_EQ(PageTrees(), c.Key == Qt::Key_C ? trees + trees : trees);
            EXPECT_TRUE(SavesTo(Main, Script, dir.filePath(QStringLiteral("pasted.qxf"))));
        });
    }
}

// Registered for the life of the value.
struct TRegistered {
    explicit TRegistered(std::initializer_list<const TClassInfo*> AClasses) : Classes(AClasses)
    {
        for (const TClassInfo* c : Classes) RegisterClass(*c);
    }
    ~TRegistered()
    {
        for (const TClassInfo* c : Classes) UnregisterClass(*c);
    }
    std::vector<const TClassInfo*> Classes;
};

struct TRefusedCase {
    const char* Name;
    QByteArray Text;
    const char* Selected;  // nil: nothing
    const char* Message;
};

TEST(MainClipboard, PasteThatThePageCouldNotStoreIsRefusedAndChangesNothing)
{
    const std::vector<TRefusedCase> cases = {
        {"bands nested deeper than a page stream holds", NestedBands(64), nullptr,
         "Component B64 is nested too deeply to be pasted here"},
        {"bands as deep as a page holds, into a band", NestedBands(63), "Band1",
         "Component B63 is nested too deeply to be pasted here"},
        {"a label in a label", "object L: TQXLabel\r\n  object M: TQXLabel\r\n  end\r\nend\r\n", nullptr,
         "Class TQXLabel cannot be pasted into TQXLabel"},
        {"a band in a shape", "object S: TQXShape\r\n  object B: TQXBand\r\n  end\r\nend\r\n", nullptr,
         "Class TQXBand cannot be pasted into TQXShape"},
        {"a label in a paint box, in a band",
         "object B: TQXBand\r\n  object P: TQXPaintBox\r\n    object L: TQXLabel\r\n    end\r\n  end\r\nend\r\n",
         nullptr, "Class TQXLabel cannot be pasted into TQXPaintBox"},
        // What another program (or the surface's test program) copies: the
        // page stores its elements and nothing else.
        {"a class-library control", "object B: TBevel\r\nend\r\n", nullptr,
         "Class TBevel cannot be pasted into TQXPage"},
        {"a class-library control into a band", "object B: TBevel\r\nend\r\n", "Band1",
         "Class TBevel cannot be pasted into TQXBand"},
        {"a class-library panel holding a label",
         "object P: TPanel\r\n  object L: TQXLabel\r\n  end\r\nend\r\n", nullptr,
         "Class TPanel cannot be pasted into TQXPage"},
        {"a class-library panel holding a label, in a band",
         "object B: TQXBand\r\n  object P: TPanel\r\n    object L: TQXLabel\r\n    end\r\n  end\r\nend\r\n",
         nullptr, "Class TPanel cannot be pasted into TQXBand"},
        {"a button in a panel element", "object P: TQXPanel\r\n  object B: TButton\r\n  end\r\nend\r\n", nullptr,
         "Class TButton cannot be pasted into TQXPanel"},
        {"a button after a label", "object L: TQXLabel\r\nend\r\nobject B: TButton\r\nend\r\n", nullptr,
         "Class TButton cannot be pasted into TQXPage"},
        {"a non-visual component", "object I: TImageList\r\nend\r\n", nullptr,
         "Class TImageList cannot be pasted into TQXPage"},
        {"a label in a menu", "object M: TMainMenu\r\n  object L: TQXLabel\r\n  end\r\nend\r\n", nullptr,
         "Class TMainMenu cannot be pasted into TQXPage"},
        {"a label in a menu item",
         "object M: TPopupMenu\r\n  object I: TMenuItem\r\n    object L: TQXLabel\r\n    end\r\n  end\r\nend\r\n",
         nullptr, "Class TPopupMenu cannot be pasted into TQXPage"},
    };
    // As they are where the surface's test program runs.
    const TRegistered foreign({&TPanel::StaticClass(), &TButton::StaticClass()});
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        Make<TQXBand>("Band1", PageWindow);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Name);
            PageWindow->UnselectAll();
            if (c.Selected) PageWindow->SelectOnly(PageWindow->FindComponent(QString::fromLatin1(c.Selected)));
            const QStringList before = Elements();
            const int components = PageWindow->ComponentCount();
            const int requests = int(Script.Requests().size());
            Clipboard().SetAsText(c.Text);
            Script.Answer(mrOk);
            Key(Main, Qt::Key_V);
            ASSERT_EQ(int(Script.Requests().size()), requests + 1);
            EXPECT_EQ(Script.Requests().back().Kind, TModalKind::Message);
            // Shown as the application shows every error, with a full stop.
            EXPECT_EQ(Script.Requests().back().Text.toStdString(), c.Message + std::string("."));
            EXPECT_EQ(Elements(), before);
            EXPECT_EQ(PageWindow->ComponentCount(), components);
        }
    });
}

TEST(MainClipboard, BandsAsDeepAsThePageHoldsPasteAndSave)
{
    QTemporaryDir dir;
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        const int before = int(Elements().size());
        Clipboard().SetAsText(NestedBands(63));
        Key(Main, Qt::Key_V);
        EXPECT_EQ(int(Elements().size()), before + 63);
        EXPECT_TRUE(SavesTo(Main, Script, dir.filePath(QStringLiteral("deep.qxf"))));
    });
}

} // namespace
} // namespace designer::tests
