// Two libraries may each bring a form class of one name (a designer's and a
// package's preview window): neither may read the other's stream or take
// the other's registration.

#include "classlib/controls/form.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace first {
class TfrmPreview : public classlib::TForm {
    QX_CLASS(TfrmPreview, classlib::TForm)
public:
    explicit TfrmPreview(classlib::TComponent* AOwner, bool Read = true) : TForm(AOwner)
    {
        if (Read) InitForm();
    }
    ~TfrmPreview() override { DoDestroy(); }
};
} // namespace first

namespace second {
class TfrmPreview : public classlib::TForm {
    QX_CLASS(TfrmPreview, classlib::TForm)
public:
    explicit TfrmPreview(classlib::TComponent* AOwner, bool Read = true) : TForm(AOwner)
    {
        if (Read) InitForm();
    }
    ~TfrmPreview() override { DoDestroy(); }
};
} // namespace second

const classlib::TClassInfo& first::TfrmPreview::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TfrmPreview>("TfrmPreview").Build();
    return info;
}

const classlib::TClassInfo& second::TfrmPreview::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TfrmPreview>("TfrmPreview").Build();
    return info;
}

namespace classlib {
namespace {

template <class Form>
QByteArray Stored(const QString& Caption, int Width)
{
    Form form(nullptr, false);
    form.SetName(QStringLiteral("frmPreview"));
    form.SetCaption(Caption);
    form.SetBounds(0, 0, Width, 200);
    TMemoryStream stream;
    WriteComponentToStream(stream, &form);
    return stream.Bytes();
}

bool HasResource(const TClassInfo& Class)
{
    const std::vector<const TClassInfo*> all = FormResourceClasses();
    return std::find(all.begin(), all.end(), &Class) != all.end();
}

class SameNamedForms : public ::testing::Test {
protected:
    void TearDown() override
    {
        UnregisterFormResource(first::TfrmPreview::StaticClass());
        UnregisterFormResource(second::TfrmPreview::StaticClass());
        UnregisterClass(first::TfrmPreview::StaticClass());
        UnregisterClass(second::TfrmPreview::StaticClass());
    }
};

TEST_F(SameNamedForms, EachReadsItsOwnStream)
{
    RegisterFormResource(first::TfrmPreview::StaticClass(), Stored<first::TfrmPreview>("Designer", 355));
    {
        // The other class has no stream: its form is built by code alone.
        second::TfrmPreview other(nullptr);
        EXPECT_TRUE(other.Caption().isEmpty());
    }
    RegisterFormResource(second::TfrmPreview::StaticClass(), Stored<second::TfrmPreview>("Package", 351));
    first::TfrmPreview one(nullptr);
    second::TfrmPreview two(nullptr);
    EXPECT_EQ(one.Caption(), QStringLiteral("Designer"));
    EXPECT_EQ(one.Width(), 355);
    EXPECT_EQ(two.Caption(), QStringLiteral("Package"));
    EXPECT_EQ(two.Width(), 351);
}

TEST_F(SameNamedForms, TakingOneStreamBackLeavesTheOther)
{
    RegisterFormResource(first::TfrmPreview::StaticClass(), Stored<first::TfrmPreview>("Designer", 355));
    RegisterFormResource(second::TfrmPreview::StaticClass(), Stored<second::TfrmPreview>("Package", 351));
    UnregisterFormResource(first::TfrmPreview::StaticClass());
    EXPECT_FALSE(HasResource(first::TfrmPreview::StaticClass()));
    EXPECT_TRUE(HasResource(second::TfrmPreview::StaticClass()));
    EXPECT_TRUE(first::TfrmPreview(nullptr).Caption().isEmpty());
    EXPECT_EQ(second::TfrmPreview(nullptr).Caption(), QStringLiteral("Package"));
    // An empty stream is no stream: nothing is left listed for the class.
    RegisterFormResource(second::TfrmPreview::StaticClass(), {});
    EXPECT_FALSE(HasResource(second::TfrmPreview::StaticClass()));
}

TEST_F(SameNamedForms, TheClassRegistryNeverHandsOneOutForTheOther)
{
    const TClassInfo& one = first::TfrmPreview::StaticClass();
    const TClassInfo& two = second::TfrmPreview::StaticClass();
    RegisterClass(one);
    try {
        RegisterClass(two);
        FAIL() << "a namesake was registered";
    } catch (const EFilerError& e) {
        EXPECT_STREQ(e.what(), "A class named TfrmPreview already exists");
    }
    EXPECT_EQ(GetClass(QStringLiteral("tfrmpreview")), &one);
    // The namesake's unregistration leaves the registered class alone.
    UnregisterClass(two);
    EXPECT_EQ(GetClass(QStringLiteral("TfrmPreview")), &one);
    UnregisterClass(one);
    EXPECT_EQ(GetClass(QStringLiteral("TfrmPreview")), nullptr);
    RegisterClass(two);
    EXPECT_EQ(GetClass(QStringLiteral("TfrmPreview")), &two);
    const std::vector<const TClassInfo*> all = RegisteredClassList();
    EXPECT_EQ(std::count(all.begin(), all.end(), &two), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), &one), 0);
}

} // namespace
} // namespace classlib
