#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/sysutils.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace typinfo_test {

QX_ENUM(TShade, shLight, shMedium, shDark)
using TShades = TSet<TShade>;
QX_INTEGER_TYPE(TTint, qint32)

class TSubObject : public TPersistent {
    QX_CLASS(TSubObject, TPersistent)
public:
    int FWidth = 1;
    void Assign(const TPersistent* Source) override
    {
        if (auto* s = dynamic_cast<const TSubObject*>(Source)) {
            FWidth = s->FWidth;
            return;
        }
        TPersistent::Assign(Source);
    }
};

class TBase : public TComponent {
    QX_CLASS(TBase, TComponent)
public:
    using TComponent::TComponent;
    int FLeft = 0;
    TShade FShade = shLight;
    TEvent<TObject*, int> OnCount;
};

class TDerived : public TBase {
    QX_CLASS(TDerived, TBase)
public:
    explicit TDerived(TComponent* AOwner) : TBase(AOwner), FSub(new TSubObject) {}
    ~TDerived() override { delete FSub; }

    TShades FShades;
    TTint FTint{};
    double FRatio = 0;
    long double FBig = 0;
    QString FCaption;
    bool FVisible = true;
    TSubObject* FSub;
    TBase* FPartner = nullptr;

    int Width() const { return FWidthValue; }
    void SetWidth(int Value) { FWidthValue = Value * 2; }
    TSubObject* Sub() const { return FSub; }
    void SetSub(TSubObject* Value) { FSub->Assign(Value); }

    void CountTo(TObject*, int N) { Counted += N; }
    void Click(TObject*) { ++Clicks; }
    int Counted = 0;
    int Clicks = 0;

    TBase* Other = nullptr;

private:
    int FWidthValue = 0;
};

const TClassInfo& TSubObject::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TSubObject>("TSubObject")
        .Prop("Width", &TSubObject::FWidth)
        .Build();
    return info;
}

const TClassInfo& TBase::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBase>("TBase")
        .Prop("Left", &TBase::FLeft)
        .Prop("Shade", &TBase::FShade).Default(shMedium)
        .Prop("OnCount", &TBase::OnCount)
        .Build();
    return info;
}

const TClassInfo& TDerived::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDerived>("TDerived")
        .Prop("Shades", &TDerived::FShades)
        .Prop("Tint", &TDerived::FTint)
        .Prop("Ratio", &TDerived::FRatio)
        .Prop("Big", &TDerived::FBig)
        .Prop("Caption", &TDerived::FCaption)
        .Prop("Visible", &TDerived::FVisible)
        .Prop("Width", &TDerived::Width, &TDerived::SetWidth)
        .Prop("Sub", &TDerived::Sub, &TDerived::SetSub)
        .Prop("Partner", &TDerived::FPartner)
        .Method("CountTo", &TDerived::CountTo)
        .Method("Click", &TDerived::Click)
        .Field("Other", &TDerived::Other)
        .Build();
    return info;
}

QStringList Names(const TClassInfo& c)
{
    QStringList names;
    for (const TPropInfo* p : c.Props()) names << p->Name;
    return names;
}

TEST(TypInfo, PropertiesListAncestorsFirstInDeclarationOrder)
{
    EXPECT_EQ(Names(TDerived::StaticClass()),
              QStringList({"Name", "Tag", "Left", "Shade", "OnCount", "Shades", "Tint", "Ratio",
                           "Big", "Caption", "Visible", "Width", "Sub", "Partner"}));
    EXPECT_EQ(TDerived::StaticClass().FindProp(u"sHADe"), TBase::StaticClass().FindProp(u"Shade"));
    EXPECT_EQ(TDerived::StaticClass().FindProp(u"Missing"), nullptr);
}

TEST(TypInfo, TypeIdentitiesAreDistinct)
{
    struct Row {
        const char* prop;
        TTypeKind kind;
        QString typeName;
    };
    const Row rows[] = {
        {"Left", TTypeKind::tkInteger, "Integer"},
        {"Tint", TTypeKind::tkInteger, "TTint"},
        {"Shade", TTypeKind::tkEnumeration, "TShade"},
        {"Visible", TTypeKind::tkEnumeration, "Boolean"},
        {"Shades", TTypeKind::tkSet, "set of TShade"},
        {"Ratio", TTypeKind::tkFloat, "Double"},
        {"Big", TTypeKind::tkFloat, "Extended"},
        {"Caption", TTypeKind::tkLString, "string"},
        {"Name", TTypeKind::tkString, "TComponentName"},
        {"OnCount", TTypeKind::tkMethod, "TMethod"},
    };
    for (const Row& r : rows) {
        const TPropInfo* p = TDerived::StaticClass().FindProp(QString::fromLatin1(r.prop));
        ASSERT_NE(p, nullptr) << r.prop;
        EXPECT_EQ(p->Kind(), r.kind) << r.prop;
        EXPECT_EQ(p->PropType->Name, r.typeName) << r.prop;
    }
    EXPECT_NE(TypeInfo<TTint>(), TypeInfo<int>());
    EXPECT_EQ(TDerived::StaticClass().FindProp(u"Sub")->PropType->ClassType(), &TSubObject::StaticClass());
}

TEST(TypInfo, EnumerationNamesAndDefaults)
{
    const TTypeInfo* t = TypeInfo<TShade>();
    EXPECT_EQ(t->EnumNames, QStringList({"shLight", "shMedium", "shDark"}));
    EXPECT_EQ(t->GetEnumValue("SHDARK"), 2);
    EXPECT_EQ(t->GetEnumValue("shNone"), -1);
    EXPECT_EQ(t->GetEnumName(1), "shMedium");
    EXPECT_EQ(t->GetEnumName(3), "");
    EXPECT_EQ(TypeInfo<bool>()->EnumNames, QStringList({"False", "True"}));

    const TPropInfo* shade = TBase::StaticClass().FindProp(u"Shade");
    EXPECT_TRUE(shade->HasDefault);
    EXPECT_EQ(shade->Default, shMedium);
    EXPECT_FALSE(TBase::StaticClass().FindProp(u"Left")->HasDefault);
    EXPECT_FALSE(TComponent::StaticClass().FindProp(u"Name")->IsStored(TComponent(nullptr)));
}

TEST(TypInfo, AccessorsConvertThroughTheGenericInterface)
{
    TDerived d(nullptr);
    const TClassInfo& c = TDerived::StaticClass();
    c.FindProp(u"Width")->SetOrd(d, 21);
    EXPECT_EQ(d.Width(), 42);
    c.FindProp(u"Shades")->SetOrd(d, TShades{shLight, shDark}.Mask());
    EXPECT_TRUE(d.FShades.Contains(shDark));
    EXPECT_FALSE(d.FShades.Contains(shMedium));
    c.FindProp(u"Visible")->SetOrd(d, 0);
    EXPECT_FALSE(d.FVisible);
    c.FindProp(u"Big")->SetFloat(d, 2.5L);
    EXPECT_EQ(d.FBig, 2.5L);
    c.FindProp(u"Caption")->SetStr(d, "Hello");
    EXPECT_EQ(c.FindProp(u"Caption")->GetStr(d), "Hello");

    // A sub-object is copied into, never replaced.
    TSubObject other;
    other.FWidth = 7;
    TSubObject* before = d.FSub;
    c.FindProp(u"Sub")->SetObj(d, &other);
    EXPECT_EQ(d.FSub, before);
    EXPECT_EQ(d.FSub->FWidth, 7);

    // A reference refuses an object of the wrong class.
    TComponent plain(nullptr);
    c.FindProp(u"Partner")->SetObj(d, &plain);
    EXPECT_EQ(d.FPartner, nullptr);
    TBase partner(nullptr);
    c.FindProp(u"Partner")->SetObj(d, &partner);
    EXPECT_EQ(d.FPartner, &partner);
}

TEST(TypInfo, PublishedMethodsBindEventsOfTheSameSignature)
{
    TDerived d(nullptr);
    const TClassInfo& c = TDerived::StaticClass();
    const TMethodInfo* m = c.FindMethod(u"countto");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(c.MethodName(m), "CountTo");
    EXPECT_EQ(m->Signature, (TEvent<TObject*, int>::Signature()));
    EXPECT_NE(c.FindMethod(u"Click")->Signature, m->Signature);

    c.FindProp(u"OnCount")->SetMethod(d, TMethod{m, &d});
    d.OnCount(&d, 5);
    d.OnCount(&d, 6);
    EXPECT_EQ(d.Counted, 11);

    // A method of another parameter list is never called with these arguments.
    d.OnCount = TMethod{c.FindMethod(u"Click"), &d};
    d.OnCount(&d, 1);
    EXPECT_EQ(d.Clicks, 0);
    EXPECT_EQ(d.Counted, 11);
}

TEST(TypInfo, SignaturesTellReferenceKindsApart)
{
    EXPECT_NE((SignatureOf<TObject*, QString&>()), (SignatureOf<TObject*, const QString&>()));
    EXPECT_NE((SignatureOf<TObject*, QString&>()), (SignatureOf<TObject*, QString>()));
    EXPECT_EQ((SignatureOf<TObject*, int>()), (TEvent<TObject*, int>::Signature()));
}

TEST(TypInfo, PublishedFieldsFollowOwnedComponents)
{
    TDerived owner(nullptr);
    auto* b = new TBase(&owner);
    b->SetName("Other");
    EXPECT_EQ(owner.Other, b);
    b->SetName("Renamed");
    EXPECT_EQ(owner.Other, nullptr);
    b->SetName("other");
    EXPECT_EQ(owner.Other, b);
    delete b;
    EXPECT_EQ(owner.Other, nullptr);
    EXPECT_EQ(TDerived::StaticClass().FindFieldClass(u"TBase"), &TBase::StaticClass());
}

TEST(TypInfo, CreateBuildsInstancesOfTheRightClassAndOwner)
{
    TComponent owner(nullptr);
    TObject* o = TDerived::StaticClass().Create(&owner);
    auto* d = dynamic_cast<TDerived*>(o);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Owner(), &owner);
    EXPECT_EQ(d->ClassName(), "TDerived");
    EXPECT_TRUE(d->InheritsFrom(&TComponent::StaticClass()));
    EXPECT_TRUE(TDerived::StaticClass().IsComponent());
    EXPECT_FALSE(TSubObject::StaticClass().IsComponent());
}

TEST(ClassRegistry, RegisterFindAndConflicts)
{
    RegisterClasses({&TBase::StaticClass(), &TDerived::StaticClass()});
    RegisterClass(TBase::StaticClass());  // again: harmless
    EXPECT_EQ(GetClass("tbase"), &TBase::StaticClass());
    EXPECT_EQ(&FindClass("TDERIVED"), &TDerived::StaticClass());

    static const TClassInfo& impostor = [] {
        auto* c = new TClassInfo;
        c->Name = "TBase";
        return std::cref(*c);
    }();
    try {
        RegisterClass(impostor);
        FAIL();
    } catch (const EFilerError& e) {
        EXPECT_EQ(e.Message, "A class named TBase already exists");
    }

    UnregisterClasses({&TBase::StaticClass(), &TDerived::StaticClass()});
    EXPECT_EQ(GetClass("TBase"), nullptr);
    try {
        FindClass("TBase");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message, "Class TBase not found");
    }
}

} // namespace typinfo_test
