// The events of controls and forms are published: a stored form binds them
// by name to its own published methods, and a person's clicks and keys
// then reach those methods.

#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/streams.h"
#include "classlib/core/textform.h"
#include "classlib/core/writer.h"

#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

QStringList Log;

QString NameOf(TObject* Sender)
{
    auto* c = dynamic_cast<TComponent*>(Sender);
    return c ? c->Name() : QStringLiteral("?");
}

class TBoundForm : public TForm {
    QX_CLASS(TBoundForm, TForm)
public:
    explicit TBoundForm(TComponent* AOwner) : TForm(AOwner) { InitForm(); }
    ~TBoundForm() override { DoDestroy(); }

    void ButtonClick(TObject* Sender) { Log << QStringLiteral("click ") + NameOf(Sender); }
    void PanelMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y)
    {
        Log << QStringLiteral("down %1 %2 %3,%4").arg(NameOf(Sender)).arg(int(Button)).arg(X).arg(Y);
    }
    void AnyResize(TObject* Sender) { Log << QStringLiteral("resize ") + NameOf(Sender); }
    void FormKeyDown(TObject* Sender, unsigned& Key, TShiftState)
    {
        Log << QStringLiteral("key %1 %2").arg(NameOf(Sender)).arg(Key);
        Key = 0;
    }
    void FormActivate(TObject* Sender) { Log << QStringLiteral("activate ") + NameOf(Sender); }
};

} // namespace

const TClassInfo& TBoundForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBoundForm>("TBoundForm")
        .Method("ButtonClick", &TBoundForm::ButtonClick)
        .Method("PanelMouseDown", &TBoundForm::PanelMouseDown)
        .Method("AnyResize", &TBoundForm::AnyResize)
        .Method("FormKeyDown", &TBoundForm::FormKeyDown)
        .Method("FormActivate", &TBoundForm::FormActivate)
        .Build();
    return info;
}

namespace {

QByteArray Binary(const char* Text)
{
    TBytesStream in{QByteArray(Text)};
    TMemoryStream out;
    ObjectTextToBinary(in, out);
    return out.Bytes();
}

class PublishedEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        Log.clear();
        RegisterClasses({&TSpeedButton::StaticClass(), &TPanel::StaticClass()});
        RegisterFormResource(TBoundForm::StaticClass(), Binary(R"(object BoundForm: TBoundForm
  Left = 20
  Top = 20
  Width = 200
  Height = 120
  KeyPreview = True
  OnActivate = FormActivate
  OnKeyDown = FormKeyDown
  OnResize = AnyResize
  object Button: TSpeedButton
    Left = 4
    Top = 4
    Width = 40
    Height = 20
    OnClick = ButtonClick
  end
  object Panel: TPanel
    Left = 4
    Top = 40
    Width = 80
    Height = 40
    OnMouseDown = PanelMouseDown
    OnResize = AnyResize
  end
end
)"));
    }
    void TearDown() override { UnregisterFormResource(TBoundForm::StaticClass()); }
};

TEST_F(PublishedEvents, AStoredFormBindsControlAndFormEventsByName)
{
    TBoundForm form(nullptr);
    auto* button = dynamic_cast<TSpeedButton*>(form.FindComponent(QStringLiteral("Button")));
    auto* panel = dynamic_cast<TPanel*>(form.FindComponent(QStringLiteral("Panel")));
    ASSERT_TRUE(button && panel);
    EXPECT_EQ(button->OnClick.Data, &form);
    EXPECT_EQ(TBoundForm::StaticClass().MethodName(button->OnClick.Code), QStringLiteral("ButtonClick"));
    Log.clear();

    form.Show();
    form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(panel->Widget(), Qt::RightButton, {}, QPoint(7, 9));
    QTest::mouseRelease(panel->Widget(), Qt::RightButton, {}, QPoint(7, 9));
    QTest::keyClick(form.Widget(), Qt::Key_Escape);
    panel->SetWidth(90);
    form.SetWidth(260);
    EXPECT_EQ(Log, (QStringList{
                       "activate BoundForm",
                       "click Button",
                       QStringLiteral("down Panel %1 7,9").arg(int(mbRight)),
                       QStringLiteral("key BoundForm %1").arg(VK_ESCAPE),
                       "resize Panel",
                       "resize BoundForm",
                   }));
}

TEST_F(PublishedEvents, EventsAreWrittenByTheirHandlersNamesAndOnlyWhenBound)
{
    TBoundForm form(nullptr);
    auto* panel = dynamic_cast<TPanel*>(form.FindComponent(QStringLiteral("Panel")));
    ASSERT_TRUE(panel);
    TMemoryStream stream;
    WriteComponentToStream(stream, panel);
    const QByteArray bytes = stream.Bytes();
    EXPECT_TRUE(bytes.contains("OnMouseDown"));
    EXPECT_TRUE(bytes.contains("PanelMouseDown"));
    EXPECT_FALSE(bytes.contains("OnClick"));  // not bound: not written
}

} // namespace
} // namespace classlib
