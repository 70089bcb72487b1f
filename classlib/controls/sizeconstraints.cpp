#include "classlib/controls/sizeconstraints.h"

#include "classlib/core/classbuilder.h"

#include <algorithm>

namespace classlib {

const TClassInfo& TSizeConstraints::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TSizeConstraints>("TSizeConstraints")
        .Prop("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0)
        .Prop("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0)
        .Prop("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0)
        .Prop("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0)
        .Build();
    return info;
}

void TSizeConstraints::Assign(const TPersistent* Source)
{
    if (auto* s = dynamic_cast<const TSizeConstraints*>(Source)) {
        FMinWidth = s->FMinWidth;
        FMinHeight = s->FMinHeight;
        FMaxWidth = s->FMaxWidth;
        FMaxHeight = s->FMaxHeight;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

int TSizeConstraints::Clamp(int Value, int Min, int Max)
{
    if (Max > 0)
        Value = std::min(Value, std::max(Max, Min));
    return std::max(Value, Min);
}

void TSizeConstraints::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TSizeConstraints::Set(int& Field, int Value)
{
    // A negative limit is no limit.
    Value = std::max(Value, 0);
    if (Value == Field)
        return;
    Field = Value;
    Changed();
}

} // namespace classlib
