#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace classlib {
namespace {

// A non-visual component the form's stream holds.
class TNote : public TComponent {
    QX_CLASS(TNote, TComponent)
public:
    using TComponent::TComponent;
    QString Text;
};

QStringList Log;

class TNoteForm : public TForm {
    QX_CLASS(TNoteForm, TForm)
public:
    // Read = false: written by the test, not read from a stream.
    explicit TNoteForm(TComponent* AOwner, bool Read = true) : TForm(AOwner)
    {
        Panel = new TPanel(this);
        Panel->SetName(QStringLiteral("Panel"));
        Panel->SetParent(this);
        if (Read) InitForm();
    }
    ~TNoteForm() override { DoDestroy(); }

    void FormCreate(TObject*) { Log << QStringLiteral("create ") + (Note ? Note->Text : QStringLiteral("-")); }
    void FormDestroy(TObject*) { Log << QStringLiteral("destroy ") + (Note ? Note->Text : QStringLiteral("-")); }
    TMethod Method(const char16_t* Name) { return TMethod{StaticClass().FindMethod(Name), this}; }

    TNote* Note = nullptr;
    TPanel* Panel = nullptr;
};

} // namespace

const TClassInfo& TNote::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TNote>("TNote").Prop("Text", &TNote::Text).Build();
    return info;
}

const TClassInfo& TNoteForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TNoteForm>("TNoteForm")
        .Field("Note", &TNoteForm::Note)
        .Method("FormCreate", &TNoteForm::FormCreate)
        .Method("FormDestroy", &TNoteForm::FormDestroy)
        .Build();
    return info;
}

namespace {

QByteArray StoredForm()
{
    TNoteForm form(nullptr, false);
    form.SetName(QStringLiteral("NoteForm"));
    form.SetCaption(QStringLiteral("Notes"));
    form.SetBounds(20, 30, 300, 200);
    form.OnCreate = form.Method(u"FormCreate");
    form.OnDestroy = form.Method(u"FormDestroy");
    auto* note = new TNote(&form);
    note->SetName(QStringLiteral("Note"));
    note->Text = QStringLiteral("hello");
    TMemoryStream stream;
    WriteComponentToStream(stream, &form);
    return stream.Bytes();
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { Log.clear(); }
    void TearDown() override { UnregisterFormResource(TNoteForm::StaticClass()); }
};

TEST_F(FormTest, ReadsItsStreamThenFiresOnCreate)
{
    const QByteArray stream = StoredForm();
    // The panel is built by the form's code, never stored.
    EXPECT_FALSE(stream.contains("Panel"));
    RegisterFormResource(TNoteForm::StaticClass(), stream);
    Log.clear();
    {
        TNoteForm form(nullptr);
        EXPECT_EQ(Log, QStringList{QStringLiteral("create hello")});
        EXPECT_EQ(form.Caption(), QStringLiteral("Notes"));
        EXPECT_EQ(form.Widget()->windowTitle(), QStringLiteral("Notes"));
        EXPECT_EQ(form.BoundsRect(), Bounds(20, 30, 300, 200));
        ASSERT_NE(form.Note, nullptr);
        EXPECT_EQ(form.Note->Owner(), &form);
        EXPECT_EQ(form.Panel->Parent(), &form);
        form.Show();
        EXPECT_TRUE(form.Widget()->isVisible());
        EXPECT_EQ(form.Widget()->pos(), QPoint(20, 30));
        form.Close();
        EXPECT_FALSE(form.Widget()->isVisible());
    }
    // Once, while the note still exists.
    EXPECT_EQ(Log, (QStringList{QStringLiteral("create hello"), QStringLiteral("destroy hello")}));
}

TEST_F(FormTest, WithoutAStreamOnlyTheCodeBuildsIt)
{
    TNoteForm form(nullptr);
    EXPECT_EQ(form.Note, nullptr);
    EXPECT_TRUE(form.Caption().isEmpty());
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(FormTest, ABadStreamFailsTheConstruction)
{
    const QByteArray stream = StoredForm();
    struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {
        {"no signature", QByteArray("XXXX") + stream.mid(4)},
        {"cut short", stream.left(stream.size() / 2)},
    };
    for (const auto& c : cases) {
        RegisterFormResource(TNoteForm::StaticClass(), c.Bytes);
        Log.clear();
        EXPECT_THROW(TNoteForm(nullptr), EReadError) << c.Name;
        EXPECT_TRUE(Log.isEmpty()) << c.Name;
    }
}

} // namespace
} // namespace classlib
