#include "designer/editors/registration.h"

#include "designer/dialogs/attributeproperties.h"
#include "designer/dialogs/backgroundproperty.h"
#include "designer/elements/band.h"
#include "designer/elements/elementclasses.h"
#include "designer/editors/extdefaulteditor.h"
#include "designer/elements/label.h"
#include "designer/editors/metrixproperty.h"
#include "designer/document/page.h"
#include "designer/elements/paintbox.h"
#include "designer/elements/panel.h"
#include "designer/document/paper.h"
#include "designer/document/papersize.h"
#include "designer/editors/papersizeproperty.h"
#include "designer/elements/shape.h"

#include "designer-framework/designregistry.h"

#include "runtime/attributes.h"

#include "classlib/core/classregistry.h"
#include "classlib/core/registrationgroup.h"
#include "classlib/design/registrationgroup.h"
#include "classlib/core/component.h"
#include "classlib/design/componenteditor.h"
#include "classlib/design/pictureproperty.h"
#include "classlib/design/stringlistproperty.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/pen.h"

#include "runtime/attributes.h"

#include <QStringList>
#include <QVariantList>

namespace designer {

using namespace classlib;
using designer_framework::RegisterDesignClass;
using designer_framework::RegisterPropertyHint;

namespace {

struct THint {
    const char* Property;
    const TClassInfo* Class;  // nil: every class
    const char* Text;
};

// The status-panel hints; the class-specific ones win over the general
// ones, so they need the classes, which is why they are made on first use.
std::vector<THint> Hints()
{
    return {
        {"Name", nullptr, "Uniquely identifies component within the page"},
        {"MMWidth", nullptr, "Horizontal size in millimeters"},
        {"MMHeight", nullptr, "Vertical size in millimeters"},
        {"MMLeft", nullptr, "Horizontal position within the container in millimeters"},
        {"MMTop", nullptr, "Vertical position within the container in millimeters"},
        {"Frame", nullptr, "Frame attributes"},
        {"Shadow", nullptr, "Shadow attributes"},
        {"Align", nullptr, "Alignment within the container"},
        {"Font", nullptr, "Default font attributes for child components"},
        {"Columns", nullptr, "Number of vertical columns"},
        {"Orientation", nullptr, "Print job orientation (common for all the report pages)"},
        {"PaperSize", nullptr, "Standard paper format (common for all the report pages)"},
        {"MMLeftMargin", nullptr,
         "Left nonprintable area width in millimeters (common for all the report pages)"},
        {"MMRightMargin", nullptr,
         "Right nonprintable area width in millimeters (common for all the report pages)"},
        {"MMTopMargin", nullptr,
         "Top nonprintable area height in millimeters (common for all the report pages)"},
        {"MMBottomMargin", nullptr,
         "Bottom nonprintable area height in millimeters (common for all the report pages)"},
        {"ParentFont", nullptr, "Use font attributes of the parent container"},
        {"PageBreak", nullptr, "Force printing on the new page"},
        {"ColumnBreak", nullptr, "Force printing on the new column"},
        {"Caption", nullptr, "Text to draw (single line)"},
        {"Lines", nullptr, "Text to draw (multiple lines)"},
        {"Alignment", nullptr, "Horizontal text placement"},
        {"WordWrap", nullptr, "Wrap text when line is too long"},
        {"TextAngle", nullptr, "Font rotation angle in degrees"},
        {"Shape", nullptr, "Geometric shape that should be drawn"},
        {"Brush", nullptr, "Fill attributes"},
        {"Pen", nullptr, "Outline attributes"},
        {"Static", nullptr, "Disables interactive behaviour in run-time"},
        {"Name", &TQXPage::StaticClass(), "Uniquely identifies page within the report"},
        {"MMWidth", &TQXPaper::StaticClass(), "Horizontal size in millimeters (common for all the report pages)"},
        {"MMHeight", &TQXPaper::StaticClass(), "Vertical size in millimeters (common for all the report pages)"},
        {"Font", &TQXLabel::StaticClass(), "Font attributes"},
        {"AutoSize", &TQXBand::StaticClass(), "Automatic height adjustment according to contents"},
        {"InvertRows", &TQXBand::StaticClass(), "Interchange row Backgrounds"},
        {"Autosize", &TQXPanel::StaticClass(), "Automatic size adjustment according to Background"},
    };
}

struct TDesignClass {
    const TClassInfo* Class;
    bool Palette;
    QStringList Shown;    // the "All properties" page; nothing else is shown
    QStringList General;  // the "General" page, in this order
};

std::vector<TDesignClass> DesignClasses()
{
    return {
        {&TQXPaper::StaticClass(), false,
         {"MMWidth", "MMHeight", "MMLeftMargin", "MMTopMargin", "MMRightMargin", "MMBottomMargin", "Orientation",
          "PaperSize", "Static"},
         {"Orientation", "PaperSize", "MMWidth", "MMHeight", "MMLeftMargin", "MMTopMargin", "MMRightMargin",
          "MMBottomMargin"}},
        {&TQXPage::StaticClass(), false, {"Name", "Frame", "Font", "Shadow", "Background", "Static"}, {"Name"}},
        {&TQXPanel::StaticClass(), true,
         {"Name", "MMLeft", "MMTop", "MMWidth", "MMHeight", "Frame", "Align", "Columns", "Font", "ParentFont",
          "Shadow", "Background", "Autosize", "Static"},
         {"Name", "Align", "Columns"}},
        {&TQXBand::StaticClass(), true,
         {"Name", "MMHeight", "Frame", "PageBreak", "ColumnBreak", "Font", "ParentFont", "Shadow", "AutoSize",
          "InvertRows", "Background", "Background2", "Static"},
         {"Name", "PageBreak", "ColumnBreak"}},
        {&TQXLabel::StaticClass(), true,
         {"Name", "Alignment", "AutoSize", "WordWrap", "Caption", "Font", "MMLeft", "MMTop", "MMWidth", "MMHeight",
          "Frame", "Align", "ParentFont", "Lines", "TextAngle", "Shadow", "Background", "Static"},
         {"Name", "Caption", "Lines", "Alignment", "AutoSize", "WordWrap", "Font", "TextAngle"}},
        {&TQXShape::StaticClass(), true,
         {"Name", "MMLeft", "MMTop", "MMWidth", "MMHeight", "Frame", "Align", "Shape", "Shadow", "Brush", "Pen",
          "Static"},
         {"Name", "Shape", "Align", "Brush", "Pen"}},
        {&TQXPaintBox::StaticClass(), true,
         {"Name", "MMLeft", "MMTop", "MMWidth", "MMHeight", "Frame", "Align", "Shadow", "Static"},
         {"Name", "Align"}},
    };
}

} // namespace

namespace {

// Static initialisers do not run again when the library is loaded anew, so
// the flags are reset by the unregistration, not by a load.
bool ComponentsDone = false;
bool EditorsDone = false;
TRegistrationGroup ComponentsGroup = NoRegistrationGroup;
TRegistrationGroup EditorsGroup = NoRegistrationGroup;

} // namespace

void RegisterDesignerComponents()
{
    bool& done = ComponentsDone;
    if (done) return;
    if (ComponentsGroup == NoRegistrationGroup) ComponentsGroup = NewRegistrationGroup();
    TRegistrationGroupScope group(ComponentsGroup);
    // Hints first: a class takes its properties' hints when it is registered.
    for (const THint& h : Hints())
        RegisterPropertyHint(QString::fromLatin1(h.Property), h.Class, QString::fromLatin1(h.Text));
    // One null hint: every shown property takes the registered one. A class
    // whose name another holds in the registry (an application's own
    // runtime classes) raises; a later call tries again from the start.
    const QVariantList byName{QVariant()};
    for (const TDesignClass& c : DesignClasses())
        RegisterDesignClass(QString(), c.Class->Name, *c.Class, c.Shown, c.General, byName, c.Palette);
    // The elements' base classes too, as their ancestors: the preview takes
    // all seven out of the registry and puts them back, and must find what
    // it leaves.
    for (const TClassInfo* c : DesignElementClasses()) RegisterClass(*c);
    done = true;
}

void UnregisterDesignerComponents()
{
    UnregisterGroup(ComponentsGroup);
    ComponentsDone = false;
}

void RegisterStandardEditors()
{
    bool& done = EditorsDone;
    if (done) return;
    done = true;
    if (EditorsGroup == NoRegistrationGroup) EditorsGroup = NewRegistrationGroup();
    TRegistrationGroupScope group(EditorsGroup);
    RegisterPropertyEditor(TypeInfo<runtime::TQXFrame*>(), nullptr, {}, PropertyEditorClass<TFrameProperty>());
    RegisterPropertyEditor(TypeInfo<TQXPaperSize>(), nullptr, {}, PropertyEditorClass<TPaperSizeProperty>());
    RegisterPropertyEditor(TypeInfo<double>(), nullptr, {}, PropertyEditorClass<TMetrixProperty>());
    RegisterPropertyEditor(TypeInfo<TStrings*>(), nullptr, {}, PropertyEditorClass<TStringListProperty>());
    RegisterPropertyEditor(TypeInfo<TPicture*>(), nullptr, {}, PropertyEditorClass<TPictureProperty>());
    RegisterPropertyEditor(TypeInfo<runtime::TQXShadow*>(), nullptr, {}, PropertyEditorClass<TShadowProperty>());
    RegisterPropertyEditor(TypeInfo<TBrush*>(), nullptr, {}, PropertyEditorClass<TBrushProperty>());
    RegisterPropertyEditor(TypeInfo<TPen*>(), nullptr, {}, PropertyEditorClass<TPenProperty>());
    RegisterPropertyEditor(TypeInfo<runtime::TQXBackground*>(), nullptr, {}, PropertyEditorClass<TBackgroundProperty>());
    RegisterComponentEditor(TComponent::StaticClass(), ComponentEditorClass<TExtDefaultEditor>());
}

void UnregisterStandardEditors()
{
    UnregisterGroup(EditorsGroup);
    EditorsDone = false;
}

namespace {
// The editors are there before any window is made.
[[maybe_unused]] const bool StandardEditorsRegistered = (RegisterStandardEditors(), true);
} // namespace

} // namespace designer
