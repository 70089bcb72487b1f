#include "classlib/core/classbuilder.h"

namespace classlib {

TClassBuilderBase::TClassBuilderBase(const char* Name, const TClassInfo* Parent,
                                     TClassInfo::TFactory Factory)
    : FInfo(new TClassInfo)
{
    FInfo->Name = QString::fromLatin1(Name);
    FInfo->Parent = Parent;
    FInfo->Factory = Factory;
}

TPropInfo& TClassBuilderBase::NewProp(const char* Name, const TTypeInfo* Type)
{
    auto p = std::make_unique<TPropInfo>();
    p->Name = QString::fromLatin1(Name);
    p->PropType = Type;
    p->Owner = FInfo;
    FInfo->OwnProps.push_back(std::move(p));
    return *FInfo->OwnProps.back();
}

TClassBuilderBase& TClassBuilderBase::Restate(const QString& Name)
{
    const TPropInfo* inherited = FInfo->Parent ? FInfo->Parent->FindProp(Name) : nullptr;
    if (!inherited) qFatal("Restate: no inherited property %s", qPrintable(Name));
    auto p = std::make_unique<TPropInfo>(*inherited);
    p->Owner = FInfo;
    FInfo->OwnProps.push_back(std::move(p));
    return *this;
}

TPropInfo& TClassBuilderBase::Last()
{
    Q_ASSERT(!FInfo->OwnProps.empty());
    return *FInfo->OwnProps.back();
}

TClassBuilderBase& TClassBuilderBase::Default(qint64 Value)
{
    Last().HasDefault = true;
    Last().Default = Value;
    return *this;
}

TClassBuilderBase& TClassBuilderBase::NoDefault()
{
    Last().HasDefault = false;
    return *this;
}

TClassBuilderBase& TClassBuilderBase::Stored(bool Value)
{
    if (Value)
        Last().IsStoredFn = nullptr;
    else
        Last().IsStoredFn = [](const TObject&) { return false; };
    return *this;
}

TClassBuilderBase& TClassBuilderBase::Type(const TTypeInfo* TypeInfo)
{
    Last().PropType = TypeInfo;
    return *this;
}

void TClassBuilderBase::AddMethod(const char* Name, const void* Signature,
                                  std::shared_ptr<const void> Invoker)
{
    auto m = std::make_unique<TMethodInfo>();
    m->Name = QString::fromLatin1(Name);
    m->Signature = Signature;
    m->Invoker = std::move(Invoker);
    m->Owner = FInfo;
    FInfo->Methods.push_back(std::move(m));
}

void TClassBuilderBase::AddField(TFieldInfo Field)
{
    FInfo->Fields.push_back(std::move(Field));
}

const TClassInfo& TClassBuilderBase::Build()
{
    // Class tables live as long as the program.
    return *FInfo;
}

} // namespace classlib
