#include "runtime/band.h"
#include "runtime/label.h"
#include "runtime/paintbox.h"
#include "runtime/panel.h"
#include "runtime/paper.h"
#include "runtime/shape.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace runtime;

namespace {

QStringList PropNames(const TClassInfo& Class)
{
    QStringList names;
    for (const TPropInfo* p : Class.Props()) names << p->Name;
    return names;
}

TEST(ElementClasses, StoredPropertyOrder)
{
    const QStringList component = {"Name", "Tag"};
    const QStringList element = component + QStringList{
        "QXLeft", "QXTop", "QXWidth", "QXHeight", "Frame", "Shadow", "QXParent", "Align",
        "PrintOrder", "Background", "Static", "BeforePrint", "AfterPrint", "AskData", "GetText",
        "OwnerDraw"};
    struct {
        const TClassInfo& Class;
        QStringList Expected;
    } const cases[] = {
        {TQXControl::StaticClass(), element},
        {TQXContainer::StaticClass(), element},
        {TQXPaper::StaticClass(), element + QStringList{"QXLeftMargin", "QXTopMargin", "QXRightMargin",
                                                        "QXBottomMargin", "Orientation"}},
        {TQXPanel::StaticClass(), element + QStringList{"Columns"}},
        {TQXBand::StaticClass(), element + QStringList{"PageBreak", "ColumnBreak", "AutoSize", "InvertRows",
                                                       "Background2"}},
        {TQXLabel::StaticClass(), element + QStringList{"Caption", "Alignment", "AutoSize", "WordWrap",
                                                        "TextAngle", "QXFont"}},
        {TQXShape::StaticClass(), element + QStringList{"Shape", "Brush", "Pen"}},
        {TQXPaintBox::StaticClass(), element},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Class.Name.toStdString());
        EXPECT_EQ(PropNames(c.Class), c.Expected);
        // None of the element's own properties declares a default.
        for (const TPropInfo* p : c.Class.Props()) {
            if (p->Name != QLatin1String("Tag")) {
                EXPECT_FALSE(p->HasDefault) << p->Name.toStdString();
            }
        }
    }
}

TEST(ElementClasses, Defaults)
{
    TQXPanel panel(nullptr);
    EXPECT_EQ(panel.Columns(), 1);
    TQXBand band(nullptr);
    EXPECT_EQ(band.Align(), alTop);
    EXPECT_FALSE(band.Printable());
    EXPECT_FALSE(band.IsClone());
    std::unique_ptr<TQXBand> clone(TQXBand::CreateClone(nullptr));
    EXPECT_TRUE(clone->Printable());
    EXPECT_TRUE(clone->IsClone());
    EXPECT_EQ(clone->Align(), alTop);
    TQXControl element(nullptr);
    EXPECT_TRUE(element.Printable());
    EXPECT_EQ(element.Frame()->Width(), 80);
    EXPECT_EQ(element.Shadow()->Width(), 200);
}

} // namespace
