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

// The hints the designer's registration replaced or added: put back as
// they were when the designer is done.
struct TReplacedHint {
    QString Property;
    const TClassInfo* Class;
    QString Previous;  // null: there was none
};

bool ComponentsRegistered = false;
std::vector<TReplacedHint> ReplacedHints;

QString RegisteredHint(const QString& Property, const TClassInfo* Class)
{
    int index = 0;
    const QString key = Class ? Class->Name + '-' + Property : Property;
    if (!designer_framework::PropertyHints().Find(key, index)) return {};
    return static_cast<const designer_framework::TStringObject*>(designer_framework::PropertyHints().Objects(index))
        ->Text;
}

void TakeBackComponents()
{
    for (const TDesignClass& c : DesignClasses()) designer_framework::UnregisterDesignClass(c.Class->Name, *c.Class);
    // Exactly the designer's classes: a same-named runtime class stays.
    for (const TClassInfo* c : DesignElementClasses()) UnregisterClass(*c);
    // Latest first, so a key registered twice ends with what was there first.
    for (auto it = ReplacedHints.rbegin(); it != ReplacedHints.rend(); ++it) {
        if (it->Previous.isNull())
            designer_framework::UnregisterPropertyHint(it->Property, it->Class);
        else
            RegisterPropertyHint(it->Property, it->Class, it->Previous);
    }
    ReplacedHints.clear();
    ComponentsRegistered = false;
}

} // namespace

void RegisterDesignerComponents()
{
    if (ComponentsRegistered) return;
    try {
        // Hints first: a class takes its properties' hints when it is registered.
        for (const THint& h : Hints()) {
            const QString property = QString::fromLatin1(h.Property);
            ReplacedHints.push_back({property, h.Class, RegisteredHint(property, h.Class)});
            RegisterPropertyHint(property, h.Class, QString::fromLatin1(h.Text));
        }
        // One null hint: every shown property takes the registered one. A
        // class whose name another holds in the registry (an application's
        // own runtime classes) raises; a later call tries again from the start.
        const QVariantList byName{QVariant()};
        for (const TDesignClass& c : DesignClasses())
            RegisterDesignClass(QString(), c.Class->Name, *c.Class, c.Shown, c.General, byName, c.Palette);
        // The elements' base classes too, as their ancestors: the preview takes
        // all seven out of the registry and puts them back, and must find what
        // it leaves.
        for (const TClassInfo* c : DesignElementClasses()) RegisterClass(*c);
    } catch (...) {
        TakeBackComponents();
        throw;
    }
    ComponentsRegistered = true;
}

void UnregisterDesignerComponents()
{
    if (ComponentsRegistered) TakeBackComponents();
}

bool DesignerComponentsRegistered()
{
    return ComponentsRegistered;
}

namespace {

bool EditorsRegistered = false;

struct TTypeEditor {
    const TTypeInfo* Type;
    TPropertyEditorClass Editor;
};

std::vector<TTypeEditor> TypeEditors()
{
    return {
        {TypeInfo<runtime::TQXFrame*>(), PropertyEditorClass<TFrameProperty>()},
        {TypeInfo<TQXPaperSize>(), PropertyEditorClass<TPaperSizeProperty>()},
        {TypeInfo<double>(), PropertyEditorClass<TMetrixProperty>()},
        {TypeInfo<TStrings*>(), PropertyEditorClass<TStringListProperty>()},
        {TypeInfo<TPicture*>(), PropertyEditorClass<TPictureProperty>()},
        {TypeInfo<runtime::TQXShadow*>(), PropertyEditorClass<TShadowProperty>()},
        {TypeInfo<TBrush*>(), PropertyEditorClass<TBrushProperty>()},
        {TypeInfo<TPen*>(), PropertyEditorClass<TPenProperty>()},
        {TypeInfo<runtime::TQXBackground*>(), PropertyEditorClass<TBackgroundProperty>()},
    };
}

} // namespace

void RegisterStandardEditors()
{
    if (EditorsRegistered) return;
    EditorsRegistered = true;
    for (const TTypeEditor& e : TypeEditors()) RegisterPropertyEditor(e.Type, nullptr, {}, e.Editor);
    RegisterComponentEditor(TComponent::StaticClass(), ComponentEditorClass<TExtDefaultEditor>());
}

void UnregisterStandardEditors()
{
    if (!EditorsRegistered) return;
    EditorsRegistered = false;
    // Each takes back the latest of its kind: a host's own stays.
    UnregisterComponentEditor(TComponent::StaticClass(), ComponentEditorClass<TExtDefaultEditor>());
    const std::vector<TTypeEditor> editors = TypeEditors();
    for (auto it = editors.rbegin(); it != editors.rend(); ++it)
        UnregisterPropertyEditor(it->Type, nullptr, {}, it->Editor);
}

namespace {
// The editors are there before any window is made.
[[maybe_unused]] const bool StandardEditorsRegistered = (RegisterStandardEditors(), true);
} // namespace

} // namespace designer
