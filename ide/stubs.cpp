#include "ide/stubs.h"

#include "runtime/band.h"
#include "runtime/label.h"
#include "runtime/paintbox.h"
#include "runtime/panel.h"
#include "runtime/paper.h"
#include "runtime/shape.h"

#include "classlib/core/classbuilder.h"

using namespace classlib;
using namespace runtime;

namespace ide {

namespace {

// The events of the base, published again by a stub class.
template <class C>
TClassBuilder<C>& Publish(TClassBuilder<C>& Builder, std::initializer_list<const char*> Events)
{
    for (const char* event : Events) {
        const QLatin1String name(event);
        if (name == QLatin1String("BeforePrint"))
            Builder.Prop(event, static_cast<TQXBeforePrint C::*>(&TQXBase_::BeforePrint));
        else if (name == QLatin1String("AfterPrint"))
            Builder.Prop(event, static_cast<TQXAfterPrint C::*>(&TQXBase_::AfterPrint));
        else if (name == QLatin1String("AskData"))
            Builder.Prop(event, static_cast<TQXAskData C::*>(&TQXBase_::AskData));
        else if (name == QLatin1String("GetText"))
            Builder.Prop(event, static_cast<TQXGetText C::*>(&TQXBase_::GetText));
        else if (name == QLatin1String("OwnerDraw"))
            Builder.Prop(event, static_cast<TQXOwnerDraw C::*>(&TQXBase_::OwnerDraw));
    }
    return Builder;
}

template <class C>
const TClassInfo& StubClass(const char* Name, std::initializer_list<const char*> Events)
{
    TClassBuilder<C> builder(Name);
    return Publish(builder, Events).Build();
}

template <class S>
std::unique_ptr<TQXBase_> MakeStub()
{
    return std::make_unique<S>();
}

} // namespace

const TClassInfo& TQXBase_::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXBase_>("TQXBase_").Prop("Name", &TQXBase_::Name).Build();
    return info;
}

const TClassInfo& TQXPaper_::StaticClass()
{
    static const TClassInfo& info = StubClass<TQXPaper_>("TQXPaper_", {"BeforePrint", "AfterPrint"});
    return info;
}

const TClassInfo& TQXPanel_::StaticClass()
{
    static const TClassInfo& info = StubClass<TQXPanel_>("TQXPanel_", {"BeforePrint", "AfterPrint"});
    return info;
}

const TClassInfo& TQXBand_::StaticClass()
{
    static const TClassInfo& info = StubClass<TQXBand_>("TQXBand_", {"BeforePrint", "AfterPrint", "AskData"});
    return info;
}

const TClassInfo& TQXLabel_::StaticClass()
{
    static const TClassInfo& info = StubClass<TQXLabel_>("TQXLabel_", {"BeforePrint", "AfterPrint", "GetText"});
    return info;
}

const TClassInfo& TQXShape_::StaticClass()
{
    static const TClassInfo& info = StubClass<TQXShape_>("TQXShape_", {"BeforePrint", "AfterPrint"});
    return info;
}

const TClassInfo& TQXPaintBox_::StaticClass()
{
    static const TClassInfo& info =
        StubClass<TQXPaintBox_>("TQXPaintBox_", {"BeforePrint", "AfterPrint", "OwnerDraw"});
    return info;
}

std::unique_ptr<TQXBase_> ControlToStub(TQXControl* Control)
{
    // Exactly the class: a descendant of an element class is not that
    // element, and may have events the stub would not show.
    static const std::pair<const TClassInfo* (*)(), std::unique_ptr<TQXBase_> (*)()> table[] = {
        {[] { return &TQXPaper::StaticClass(); }, &MakeStub<TQXPaper_>},
        {[] { return &TQXPanel::StaticClass(); }, &MakeStub<TQXPanel_>},
        {[] { return &TQXBand::StaticClass(); }, &MakeStub<TQXBand_>},
        {[] { return &TQXLabel::StaticClass(); }, &MakeStub<TQXLabel_>},
        {[] { return &TQXShape::StaticClass(); }, &MakeStub<TQXShape_>},
        {[] { return &TQXPaintBox::StaticClass(); }, &MakeStub<TQXPaintBox_>},
    };
    std::unique_ptr<TQXBase_> stub;
    for (const auto& [cls, make] : table)
        if (Control && Control->ClassType() == cls()) stub = make();
    if (!stub) stub = std::make_unique<TQXBase_>();
    if (Control) {
        stub->SetName(Control->Name());
        stub->BeforePrint = Control->BeforePrint;
        stub->AfterPrint = Control->AfterPrint;
        stub->AskData = Control->AskData;
        stub->GetText = Control->GetText;
        stub->OwnerDraw = Control->OwnerDraw;
    }
    return stub;
}

std::unique_ptr<TQXPaper_> PaperToStub(TQXPaper* Paper, TQXReport* Report)
{
    std::unique_ptr<TQXBase_> base = ControlToStub(Paper);
    std::unique_ptr<TQXPaper_> page(dynamic_cast<TQXPaper_*>(base.get()));
    if (!page) {
        // A page of a class of its own still heads the tree.
        page = std::make_unique<TQXPaper_>();
        page->SetName(base->Name());
    } else {
        base.release();
    }
    page->SetReport(Report);
    if (!Paper) return page;
    for (int i = 0; i < Paper->ComponentCount(); ++i) {
        TComponent* component = Paper->Components(i);
        std::unique_ptr<TQXBase_> child = ControlToStub(dynamic_cast<TQXControl*>(component));
        if (!dynamic_cast<TQXControl*>(component)) child->SetName(component->Name());
        child->SetReport(Report);
        child->SetParent(page.get());
        page->Add(std::move(child));
    }
    return page;
}

} // namespace ide
