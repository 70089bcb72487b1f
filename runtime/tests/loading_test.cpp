#include "runtime/band.h"
#include "runtime/host.h"
#include "runtime/label.h"
#include "runtime/panel.h"
#include "runtime/paper.h"
#include "runtime/reportclasses.h"
#include "runtime/tests/designerpage.h"
#include "runtime/tests/documentbytes.h"
#include "runtime/tests/reportdoc.h"
#include "runtime/tests/elementtree.h"

#include "classlib/core/classregistry.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include <gtest/gtest.h>

#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

// Reads a page as the report does.
std::unique_ptr<TQXPaper> LoadRuntimePage(const QByteArray& Bytes)
{
    TQXHost host(nullptr);
    TMemoryStream stream;
    stream.WriteBuffer(Bytes.constData(), Bytes.size());
    stream.SetPosition(0);
    host.AddPage(QStringLiteral("Page1"), stream);
    auto paper = std::make_unique<TQXPaper>(nullptr);
    host.LoadPage(paper.get(), 0);
    return paper;
}

QStringList ChildNames(const TQXContainer* C)
{
    QStringList names;
    for (int i = 0; i < C->ControlCount(); ++i) names << C->GetControl(i)->GetName();
    return names;
}

TEST(PageLoading, TreeFollowsQXParentInStreamOrder)
{
    TDsgPaper design(nullptr);
    design.SetName(QStringLiteral("Detail"));
    design.QXLeftMargin = 1234;
    auto* b1 = AddDsg<TDsgBand>(design, QStringLiteral("B1"), nullptr);
    b1->QXHeight = 700;
    auto* l1 = AddDsg<TDsgLabel>(design, QStringLiteral("L1"), b1);  // inside B1's window
    auto* x = AddDsg<TDsgPanel>(design, QStringLiteral("X"), nullptr);
    x->Columns = 3;
    l1->QXParent = x;  // names a container written later
    l1->QXLeft = 11;
    l1->QXTop = 22;
    l1->Caption = QStringLiteral("First & last");
    l1->QXFont->SetHeight(-27);
    auto* l2 = AddDsg<TDsgLabel>(design, QStringLiteral("L2"), x);
    l2->QXParent = x;
    auto* l3 = AddDsg<TDsgLabel>(design, QStringLiteral("L3"), nullptr);
    l3->QXParent = b1;
    auto* guide = AddDsg<TDsgGuide>(design, QStringLiteral("G"), nullptr);
    AddDsg<TDsgLabel>(design, QStringLiteral("L4"), guide);  // skipped with its window
    auto* l5 = AddDsg<TDsgLabel>(design, QStringLiteral("L5"), nullptr);
    l5->QXParent = l1;  // not a container
    auto* x2 = AddDsg<TDsgPanel>(design, QStringLiteral("X2"), nullptr);
    x2->QXParent = x2;  // itself
    auto* x3 = AddDsg<TDsgPanel>(design, QStringLiteral("X3"), nullptr);
    auto* x4 = AddDsg<TDsgPanel>(design, QStringLiteral("X4"), nullptr);
    x3->QXParent = x4;
    x4->QXParent = x3;  // a cycle: the second link is refused

    const auto paper = LoadRuntimePage(WriteDesignerPage(design));
    EXPECT_EQ(ChildNames(paper.get()), QStringList({"B1", "X", "L5", "X2", "X4"}));
    auto child = [&](const char* name) { return dynamic_cast<TQXControl*>(paper->FindComponent(QString::fromLatin1(name))); };
    EXPECT_EQ(ChildNames(static_cast<TQXContainer*>(child("X"))), QStringList({"L1", "L2"}));
    EXPECT_EQ(ChildNames(static_cast<TQXContainer*>(child("B1"))), QStringList({"L3"}));
    EXPECT_EQ(ChildNames(static_cast<TQXContainer*>(child("X4"))), QStringList({"X3"}));
    EXPECT_EQ(paper->FindComponent(QStringLiteral("L4")), nullptr);
    EXPECT_EQ(paper->QXLeftMargin(), 1234);

    // The runtime classes with their stored values; designer-only ones skipped.
    auto* band = dynamic_cast<TQXBand*>(child("B1"));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->QXHeight(), 700);
    EXPECT_FALSE(band->Printable());  // a template
    auto* label = dynamic_cast<TQXLabel*>(child("L1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(BoundsText(label), "11,22 0x0");
    EXPECT_EQ(label->Caption(), "First & last");
    EXPECT_EQ(label->QXFont()->Height(), -706);  // -27 px at 96 dpi = 20 pt
    EXPECT_EQ(dynamic_cast<TQXPanel*>(child("X"))->Columns(), 3);
    // Every element is owned by the paper, whatever its nesting.
    EXPECT_EQ(paper->ComponentCount(), 9);
    for (int i = 0; i < paper->ComponentCount(); ++i) {
        auto* e = dynamic_cast<TQXControl*>(paper->Components(i));
        ASSERT_NE(e, nullptr);
        EXPECT_NE(e->ListedIn(), nullptr) << qPrintable(e->Name());
    }
}

TEST(PageLoading, ReadsNeverTouchTheRegistry)
{
    TDsgPaper design(nullptr);
    AddDsg<TDsgLabel>(design, QStringLiteral("L"), nullptr);
    const QByteArray bytes = WriteDesignerPage(design);
    LoadRuntimePage(bytes);
    for (const char* name : {"TQXPanel", "TQXBand", "TQXLabel", "TQXShape", "TQXPaintBox", "TQXContainer", "TQXControl"})
        EXPECT_EQ(GetClass(QString::fromLatin1(name)), nullptr) << name;
    // Registering again works, and ancestors come along.
    RegisterReportClasses();
    EXPECT_EQ(GetClass(QStringLiteral("TQXControl")), &TQXControl::StaticClass());
    EXPECT_EQ(GetClass(QStringLiteral("TQXPaper")), nullptr);
    UnregisterReportClasses();
    EXPECT_EQ(LoadRuntimePage(bytes)->ControlCount(), 1);
}

TEST(PageLoading, ClashWithAnotherClassOfTheSameNameLeavesNothingRegistered)
{
    // The designer's class of the same name holds the name.
    RegisterClass(TDsgLabel::StaticClass());
    try {
        RegisterReportClasses();
        ADD_FAILURE() << "registered over another class";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "A class named TQXLabel already exists");
    }
    EXPECT_EQ(GetClass(QStringLiteral("TQXPanel")), nullptr);
    EXPECT_EQ(GetClass(QStringLiteral("TQXLabel")), &TDsgLabel::StaticClass());
    UnregisterClass(TDsgLabel::StaticClass());
}

TEST(PageLoading, ReadsTheRuntimeClassesWhileTheDesignersAreRegistered)
{
    TDsgPaper design(nullptr);
    AddDsg<TDsgLabel>(design, QStringLiteral("L"), nullptr);
    const QByteArray bytes = WriteDesignerPage(design);
    RegisterClass(TDsgLabel::StaticClass());
    std::unique_ptr<TQXPaper> paper;
    try {
        paper = LoadRuntimePage(bytes);
    } catch (const Exception& e) {
        ADD_FAILURE() << qPrintable(e.Message);
    }
    UnregisterClass(TDsgLabel::StaticClass());
    ASSERT_TRUE(paper);
    ASSERT_EQ(paper->ControlCount(), 1);
    EXPECT_NE(dynamic_cast<TQXLabel*>(paper->GetControl(0)), nullptr);
    EXPECT_EQ(ReportClass(QStringLiteral("tqxlabel")), &TQXLabel::StaticClass());
    EXPECT_EQ(ReportClass(QStringLiteral("TQXPaper")), nullptr);
}

TEST(PageLoading, BandsKeepTheAlignmentTheyStore)
{
    // A free band is written as free and read so.
    for (TAlign align : {alNone, alTop, alBottom, alClient}) {
        SCOPED_TRACE(int(align));
        TStoredPaper page(QStringLiteral("Page1"));
        auto* band = new TQXBand(&page);
        band->SetName(QStringLiteral("B"));
        band->SetAlign(align);
        band->SetQXTop(5000);
        band->SetQXWidth(9000);
        const auto paper = LoadRuntimePage(StreamOf(page));
        auto* read = dynamic_cast<TQXBand*>(paper->FindComponent(QStringLiteral("B")));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->Align(), align);
        EXPECT_EQ(read->QXTop(), 5000);
        EXPECT_EQ(read->QXWidth(), 9000);
    }
}

} // namespace
