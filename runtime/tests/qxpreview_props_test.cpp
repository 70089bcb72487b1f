// The preview's published properties: their order, and a form holding a
// preview (with a pop-up menu of the same form and handlers of the form)
// that writes, reads and writes again to the same bytes.

#include "runtime/preview.h"

#include "classlib/controls/form.h"
#include "classlib/controls/menus.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace classlib;
using namespace runtime;

namespace {

// A form whose stream holds its controls too.
class TPreviewForm : public TForm {
    QX_CLASS(TPreviewForm, TForm)
public:
    using TForm::TForm;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override
    {
        for (int i = 0; i < ControlCount(); ++i) Proc(Controls(i));
        TForm::GetChildren(Proc, Root);
    }
    TMethod Method(const char16_t* Name) { return TMethod{StaticClass().FindMethod(Name), this}; }

    void PreviewClick(TObject*) {}
    void PreviewDragDrop(TObject*, TObject*, int, int) {}
    void PreviewDragOver(TObject*, TObject*, int, int, TDragState, bool&) {}
    void PreviewEndDrag(TObject*, TObject*, int, int) {}
    void PreviewMouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
    void CloseClick(TObject*) {}

    TQXPreview* Preview1 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* mmiClose = nullptr;
};

} // namespace

const TClassInfo& TPreviewForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPreviewForm>("TPreviewForm")
        .Field("Preview1", &TPreviewForm::Preview1)
        .Field("PopupMenu1", &TPreviewForm::PopupMenu1)
        .Field("mmiClose", &TPreviewForm::mmiClose)
        .Method("PreviewClick", &TPreviewForm::PreviewClick)
        .Method("PreviewDragDrop", &TPreviewForm::PreviewDragDrop)
        .Method("PreviewDragOver", &TPreviewForm::PreviewDragOver)
        .Method("PreviewEndDrag", &TPreviewForm::PreviewEndDrag)
        .Method("PreviewMouseDown", &TPreviewForm::PreviewMouseDown)
        .Method("CloseClick", &TPreviewForm::CloseClick)
        .Build();
    return info;
}

namespace {

TEST(QXPreviewProperties, InheritedOnesFollowItsOwnInTheirOrder)
{
    const QStringList expected = {
        "Report", "BackColor", "Zoom", "Columns", "Rows", "ShowPageHint", "PageCursor",
        "PreviewStyle", "OnGetScrollHint",
        "Align", "BorderStyle", "DragCursor", "DragMode", "Enabled", "Color", "Ctl3D",
        "ParentColor", "ParentCtl3D", "ParentShowHint", "PopupMenu", "ShowHint", "Visible",
        "OnPageChanged"};
    // The mouse, drag and resize events are every control's: they keep the
    // place of the control's published events, after its bounds.
    const QStringList controlEvents = {
        "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown",
        "OnMouseMove", "OnMouseUp", "OnResize"};
    QStringList names;
    for (const TPropInfo* p : TQXPreview::StaticClass().Props()) names << p->Name;
    const qsizetype own = names.indexOf(QStringLiteral("Report"));
    ASSERT_GE(own, 0);
    EXPECT_EQ(names.mid(own), expected);
    QStringList before = names.mid(0, own);
    before.removeIf([&](const QString& n) { return !controlEvents.contains(n); });
    EXPECT_EQ(before, controlEvents);
    EXPECT_LT(names.indexOf(QStringLiteral("Height")), names.indexOf(QStringLiteral("OnClick")));
}

QByteArray Write(TComponent* Root)
{
    TMemoryStream stream;
    WriteComponentToStream(stream, Root);
    return stream.Bytes();
}

QByteArray StoredForm()
{
    TPreviewForm form(nullptr);
    form.SetName(QStringLiteral("PreviewForm"));
    form.SetBounds(0, 0, 400, 300);
    auto* preview = new TQXPreview(&form);
    preview->SetName(QStringLiteral("Preview1"));
    preview->SetParent(&form);
    auto* menu = new TPopupMenu(&form);
    menu->SetName(QStringLiteral("PopupMenu1"));
    auto* item = new TMenuItem(&form);
    item->SetName(QStringLiteral("mmiClose"));
    item->SetCaption(QStringLiteral("&Close"));
    item->SetChecked(true);
    item->OnClick = form.Method(u"CloseClick");
    menu->Add(item);

    preview->SetAlign(alClient);
    preview->SetDragCursor(crHandPoint);
    preview->SetDragMode(dmAutomatic);
    preview->SetCtl3D(false);
    preview->SetHint(QStringLiteral("not published"));
    preview->SetShowHint(true);
    preview->SetPopupMenu(menu);
    preview->OnClick = form.Method(u"PreviewClick");
    preview->OnDragDrop = form.Method(u"PreviewDragDrop");
    preview->OnDragOver = form.Method(u"PreviewDragOver");
    preview->OnEndDrag = form.Method(u"PreviewEndDrag");
    preview->OnMouseDown = form.Method(u"PreviewMouseDown");
    return Write(&form);
}

TEST(QXPreviewProperties, AFormWithAPreviewAndItsMenuRoundTrips)
{
    const QByteArray stored = StoredForm();
    for (const char* name : {"Align", "DragCursor", "DragMode", "Ctl3D", "ParentCtl3D",
                             "ParentShowHint", "ShowHint", "PopupMenu1", "PreviewDragOver",
                             "PreviewEndDrag", "mmiClose", "CloseClick"})
        EXPECT_TRUE(stored.contains(name)) << name;
    EXPECT_FALSE(stored.contains("not published"));

    TPreviewForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    TBytesStream in(stored);
    ReadComponentFromStream(in, &form);
    EXPECT_EQ(Write(&form), stored);

    ASSERT_NE(form.Preview1, nullptr);
    ASSERT_NE(form.PopupMenu1, nullptr);
    TQXPreview& preview = *form.Preview1;
    EXPECT_EQ(preview.PopupMenu(), form.PopupMenu1);
    ASSERT_EQ(form.PopupMenu1->Count(), 1);
    EXPECT_EQ(form.PopupMenu1->Items(0), form.mmiClose);
    EXPECT_EQ(preview.OnDragOver.Code, TPreviewForm::StaticClass().FindMethod(u"PreviewDragOver"));
    EXPECT_EQ(preview.DragMode(), dmAutomatic);
    EXPECT_FALSE(preview.Ctl3D());
    EXPECT_TRUE(preview.ShowHint());
    // Read as the form's child, the preview with alClient fills it.
    EXPECT_EQ(preview.Parent(), &form);
    EXPECT_EQ(preview.BoundsRect(), form.ClientRect());
    form.SetBounds(0, 0, 500, 350);
    EXPECT_EQ(preview.BoundsRect(), Rect(0, 0, 500, 350));

    delete form.PopupMenu1;
    EXPECT_EQ(preview.PopupMenu(), nullptr);
    EXPECT_EQ(form.mmiClose, nullptr);
}

} // namespace
