#include "runtime/tests/designerpage.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"

using namespace classlib;

namespace runtime::tests {

const TClassInfo& TDsgElement::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDsgElement>("TDsgElement")
        .Prop("QXLeft", &TDsgElement::QXLeft)
        .Prop("QXTop", &TDsgElement::QXTop)
        .Prop("QXWidth", &TDsgElement::QXWidth)
        .Prop("QXHeight", &TDsgElement::QXHeight)
        .Prop("MMLeft", &TDsgElement::MMLeft)
        .Prop("QXParent", &TDsgElement::QXParent)
        .Prop("Align", &TDsgElement::Align)
        .Prop("PrintOrder", &TDsgElement::PrintOrder)
        .Prop("Locked", &TDsgElement::Locked)
        .Build();
    return info;
}

void TDsgElement::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root)
{
    for (int i = 0; i < Root->ComponentCount(); ++i)
        if (auto* e = dynamic_cast<TDsgElement*>(Root->Components(i)); e && e->Window == this) Proc(e);
}

const TClassInfo& TDsgBand::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDsgBand>("TQXBand")
        .Prop("PageBreak", &TDsgBand::PageBreak)
        .Prop("Hint", &TDsgBand::Hint)
        .Prop("InvertRows", &TDsgBand::InvertRows)
        .Build();
    return info;
}

const TClassInfo& TDsgPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDsgPanel>("TQXPanel")
        .Prop("Columns", &TDsgPanel::Columns)
        .Build();
    return info;
}

TDsgLabel::TDsgLabel(TComponent* AOwner) : TDsgElement(AOwner), QXFont(new TFont) {}

TDsgLabel::~TDsgLabel()
{
    delete QXFont;
}

const TClassInfo& TDsgLabel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDsgLabel>("TQXLabel")
        .Prop("Caption", &TDsgLabel::Caption)
        .Prop("Transparent", &TDsgLabel::Transparent)
        .Prop("TextAngle", &TDsgLabel::TextAngle)
        .Prop("QXFont", &TDsgLabel::QXFont)
        .Build();
    return info;
}

const TClassInfo& TDsgGuide::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDsgGuide>("TQXGuide").Build();
    return info;
}

const TClassInfo& TDsgPaper::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDsgPaper>("TQXPaper")
        .Prop("QXLeftMargin", &TDsgPaper::QXLeftMargin)
        .Prop("GridSize", &TDsgPaper::GridSize)
        .Build();
    return info;
}

void TDsgPaper::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* e = dynamic_cast<TDsgElement*>(Components(i)); e && !e->Window) Proc(e);
}

QByteArray WriteDesignerPage(TDsgPaper& Paper)
{
    TMemoryStream stream;
    WriteComponentToStream(stream, &Paper);
    return QByteArray(static_cast<const char*>(stream.Memory()), int(stream.Size()));
}

} // namespace runtime::tests
