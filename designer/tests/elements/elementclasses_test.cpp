#include "designer/elements/band.h"
#include "designer/elements/elementclasses.h"
#include "designer/elements/label.h"
#include "designer/elements/paintbox.h"
#include "designer/elements/panel.h"
#include "designer/elements/shape.h"
#include "designer/tests/elements/elementtest.h"

#include "runtime/band.h"
#include "runtime/host.h"
#include "runtime/label.h"
#include "runtime/paintbox.h"
#include "runtime/panel.h"
#include "runtime/paper.h"
#include "runtime/shape.h"

#include "classlib/core/classregistry.h"
#include "classlib/core/streams.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/pen.h"

#include <gtest/gtest.h>

#include <memory>

using namespace classlib;
using namespace designer::tests;
namespace dsg = designer;
namespace rt = runtime;

namespace {

TEST(ElementClasses, SevenClassesInPaletteOrder)
{
    QStringList names;
    for (const TClassInfo* c : dsg::DesignElementClasses()) names << c->Name;
    EXPECT_EQ(names, QStringList({"TQXPanel", "TQXBand", "TQXLabel", "TQXShape", "TQXPaintBox",
                                  "TQXControl", "TQXContainer"}));
}

TEST(ElementClasses, ResolverAnswersTheDesignersClassesInAnyCase)
{
    EXPECT_EQ(dsg::DesignClass(QStringLiteral("tqxlabel")), &dsg::TQXLabel::StaticClass());
    EXPECT_EQ(dsg::DesignClass(QStringLiteral("TQXBAND")), &dsg::TQXBand::StaticClass());
    EXPECT_EQ(dsg::DesignClass(QStringLiteral("TQXContainer")), &dsg::TQXContainer::StaticClass());
    // No other class, registered or not: a page stores elements only.
    const TClassInfo* registered = GetClass(QStringLiteral("TQXPaper"));
    if (registered) UnregisterClass(*registered);
    RegisterClass(rt::TQXPaper::StaticClass());
    EXPECT_EQ(dsg::DesignClass(QStringLiteral("TQXPanel")), &dsg::TQXPanel::StaticClass());
    EXPECT_EQ(dsg::DesignClass(QStringLiteral("tqxpaper")), nullptr);
    UnregisterClass(rt::TQXPaper::StaticClass());
    if (registered) RegisterClass(*registered);
    EXPECT_EQ(dsg::DesignClass(QStringLiteral("TNoSuchElement")), nullptr);
}

// A page of every element kind with values away from their defaults.
struct TSamplePage {
    TTestPage Page;
    dsg::TQXBand* Band;
    dsg::TQXPanel* Panel;
    dsg::TQXLabel* Label;
    dsg::TQXShape* Shape;
    dsg::TQXPaintBox* Box;

    TSamplePage()
    {
        dsg::TScaleLock lock;  // exact stored values
        Band = Page.Add<dsg::TQXBand>(QStringLiteral("Band1"));
        Band->SetPageBreak(true);
        Band->SetInvertRows(true);
        rt::TQXBackground second;
        second.Color1 = TColor(0x00FFFF);
        Band->SetBackground2(&second);
        Band->SetQXHeight(3000);
        Panel = Page.Add<dsg::TQXPanel>(QStringLiteral("Panel1"), Band);
        Panel->SetColumns(3);
        Panel->SetAutoSize(true);
        Panel->SetUnits(100, 200, 9000, 2500);
        rt::TQXFrame frame;
        frame.SetShape(rt::TQXFrameSides{rt::fsLeft, rt::fsBottom});
        frame.SetWidth(50);
        frame.SetColor(TColor(0x0000FF));
        Panel->SetFrame(&frame);
        Label = Page.Add<dsg::TQXLabel>(QStringLiteral("Label1"), Panel);
        Label->SetCaption(QStringLiteral("First & last"));
        Label->SetTextAngle(dsg::TQXTextAngle(30));
        Label->SetWordWrap(true);
        Label->SetAutoSize(false);
        Label->SetUnits(11, 22, 1500, 600);
        Shape = Page.Add<dsg::TQXShape>(QStringLiteral("Shape1"));
        Shape->SetShape(rt::skEllipse);
        Shape->Pen()->SetColor(TColor(0x112233));
        Shape->Brush()->SetColor(TColor(0x445566));
        Shape->SetUnits(500, 4000, 1234, 567);
        rt::TQXShadow shadow;
        shadow.SetShape(rt::ssLeftBottom);
        shadow.SetSemiTrans(true);
        Shape->SetShadow(&shadow);
        Box = Page.Add<dsg::TQXPaintBox>(QStringLiteral("Box1"));
        Box->SetPrintOrder(3);
        Box->SetStatic(true);
        Box->SetAlign(alBottom);
        rt::TQXBackground bg;
        bg.ColorStyle = rt::bcsTransparent;
        Box->SetBackground(&bg);
    }
};

std::unique_ptr<rt::TQXPaper> LoadRuntimePage(const QByteArray& Bytes)
{
    rt::TQXHost host(nullptr);
    TMemoryStream stream;
    stream.WriteBuffer(Bytes.constData(), Bytes.size());
    stream.SetPosition(0);
    host.AddPage(QStringLiteral("Page1"), stream);
    auto paper = std::make_unique<rt::TQXPaper>(nullptr);
    // The runtime picks its own classes, whatever the registry holds.
    host.LoadPage(paper.get(), 0);
    return paper;
}

void ExpectSameBase(const dsg::TQXControl* D, const rt::TQXControl* R)
{
    ASSERT_NE(R, nullptr) << qPrintable(D->Name());
    const char* n = qPrintable(D->Name());
    EXPECT_EQ(R->QXLeft(), D->QXLeft()) << n;
    EXPECT_EQ(R->QXTop(), D->QXTop()) << n;
    EXPECT_EQ(R->QXWidth(), D->QXWidth()) << n;
    EXPECT_EQ(R->QXHeight(), D->QXHeight()) << n;
    EXPECT_EQ(R->Align(), D->Align()) << n;
    EXPECT_EQ(R->PrintOrder(), D->PrintOrder()) << n;
    EXPECT_EQ(R->Static(), D->Static()) << n;
    EXPECT_EQ(R->Frame()->Shape(), D->Frame()->Shape()) << n;
    EXPECT_EQ(R->Frame()->Width(), D->Frame()->Width()) << n;
    EXPECT_EQ(R->Frame()->Color(), D->Frame()->Color()) << n;
    EXPECT_EQ(R->Shadow()->Shape(), D->Shadow()->Shape()) << n;
    EXPECT_EQ(R->Shadow()->SemiTrans(), D->Shadow()->SemiTrans()) << n;
    EXPECT_EQ(R->Background()->ColorStyle, D->Background()->ColorStyle) << n;
    const QString parent = D->QXParent() ? D->QXParent()->Name() : QString();
    EXPECT_EQ(R->ListedIn() && R->ListedIn() != R->Owner() ? R->ListedIn()->Name() : QString(), parent) << n;
}

TEST(ElementClasses, TheRuntimeReadsADesignedPage)
{
    TSamplePage sample;
    const auto paper = LoadRuntimePage(sample.Page.Write());
    const auto find = [&](const char* Name) { return paper->FindComponent(QString::fromLatin1(Name)); };

    auto* band = dynamic_cast<rt::TQXBand*>(find("Band1"));
    ExpectSameBase(sample.Band, band);
    EXPECT_TRUE(band->PageBreak());
    EXPECT_TRUE(band->InvertRows());
    EXPECT_FALSE(band->ColumnBreak());
    EXPECT_EQ(band->Background2()->Color1, TColor(0x00FFFF));

    auto* panel = dynamic_cast<rt::TQXPanel*>(find("Panel1"));
    ExpectSameBase(sample.Panel, panel);
    EXPECT_EQ(panel->Columns(), 3);

    auto* label = dynamic_cast<rt::TQXLabel*>(find("Label1"));
    ExpectSameBase(sample.Label, label);
    EXPECT_EQ(label->Caption(), "First & last");
    EXPECT_EQ(label->TextAngle(), 30);
    EXPECT_TRUE(label->WordWrap());
    EXPECT_FALSE(label->AutoSize());
    EXPECT_EQ(label->QXFont()->Name(), sample.Label->Font()->Name());
    EXPECT_EQ(label->QXFont()->Height(), rt::FontHeightToReportUnits(*sample.Label->Font()));

    auto* shape = dynamic_cast<rt::TQXShape*>(find("Shape1"));
    ExpectSameBase(sample.Shape, shape);
    EXPECT_EQ(shape->Shape(), rt::skEllipse);
    EXPECT_EQ(shape->Pen()->Color(), TColor(0x112233));
    EXPECT_EQ(shape->Brush()->Color(), TColor(0x445566));

    ExpectSameBase(sample.Box, dynamic_cast<rt::TQXPaintBox*>(find("Box1")));
    EXPECT_EQ(paper->ComponentCount(), 5);
}

TEST(ElementClasses, TheDesignerReadsItsPageBack)
{
    TSamplePage sample;
    sample.Panel->SetParentFont(false);
    sample.Panel->Font()->SetHeight(-19);
    const QByteArray bytes = sample.Page.Write();

    TZoomGuard guard(1.0);
    TTestPage page;
    {
        dsg::TScaleLock lock;  // read values stay exact
        page.Read(bytes);
    }
    const auto find = [&](const char* Name) { return page.FindComponent(QString::fromLatin1(Name)); };
    auto* band = dynamic_cast<dsg::TQXBand*>(find("Band1"));
    auto* panel = dynamic_cast<dsg::TQXPanel*>(find("Panel1"));
    auto* label = dynamic_cast<dsg::TQXLabel*>(find("Label1"));
    ASSERT_NE(band, nullptr);
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(band->Parent(), &page);
    EXPECT_EQ(panel->Parent(), band);
    EXPECT_EQ(label->Parent(), panel);
    EXPECT_TRUE(band->PageBreak());
    EXPECT_EQ(panel->Columns(), 3);
    EXPECT_TRUE(panel->AutoSize());  // the designer's own
    EXPECT_FALSE(panel->ParentFont());
    EXPECT_EQ(panel->Font()->Height(), -19);
    // The label's stored font did not end its taking the panel's.
    EXPECT_TRUE(label->ParentFont());
    EXPECT_EQ(label->Font()->Height(), -19);
    EXPECT_EQ(label->Caption(), "First & last");
    EXPECT_EQ(int(label->TextAngle()), 30);
    EXPECT_EQ(label->QXLeft(), 11);
    EXPECT_EQ(dynamic_cast<dsg::TQXShape*>(find("Shape1"))->Shape(), rt::skEllipse);
    EXPECT_EQ(dynamic_cast<dsg::TQXPaintBox*>(find("Box1"))->PrintOrder(), 3);
    EXPECT_EQ(page.ComponentCount(), 5);
}

TEST(ElementClasses, ReadingAPageKeepsTheStoredValuesAtAnyZoom)
{
    TZoomGuard guard(3.0);
    TTestPage source;
    auto* box = source.Add<dsg::TQXPaintBox>(QStringLiteral("Box1"));
    box->SetUnits(0, 0, 1000, 2000);
    const QByteArray bytes = source.Write();
    TTestPage page;
    page.Read(bytes);
    auto* read = dynamic_cast<dsg::TQXPaintBox*>(page.FindComponent(QStringLiteral("Box1")));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Width(), designer::ToPixels(1000));
    EXPECT_EQ(read->QXWidth(), 1000);
    EXPECT_EQ(read->QXHeight(), 2000);
}

} // namespace
