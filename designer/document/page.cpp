#include "designer/document/page.h"

#include "designer/document/designinstances.h"
#include "designer/elements/designpaint.h"
#include "designer/document/designstate.h"
#include "designer/document/pagedesigner.h"
#include "designer/manager/printorderform.h"
#include "designer/elements/qxcontrol.h"

#include "classlib/controls/application.h"
#include "classlib/controls/dialogs.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/reader.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/font.h"

#include <memory>

namespace designer {

using namespace classlib;
using runtime::TQXBackground;
using runtime::TQXFrame;
using runtime::TQXShadow;

namespace {

constexpr unsigned VK_DELETE_KEY = 46;

} // namespace

// ---------------------------------------------------------------------------
// TQXPageBase

const TClassInfo& TQXPageBase::StaticClass()
{
    static const TClassInfo& info = [] () -> const TClassInfo& {
        // The surface's form properties are shown but never stored: a page
        // stream carries the page, not its window.
        TClassBuilder<TQXPageBase> b("TQXPageBase");
        for (const TPropInfo* p : inherited::StaticClass().Props()) b.Restate(p->Name).Stored(false);
        return b.Prop("Frame", &TQXPageBase::FFrame, &TQXPageBase::SetFrame)
            .Prop("Shadow", &TQXPageBase::FShadow, &TQXPageBase::SetShadow)
            .Prop("Font", &TControl::Font, &TControl::SetFont)
            .Prop("Background", &TQXPageBase::FBackground, &TQXPageBase::SetBackground)
            .Prop("Static", &TQXPageBase::FStatic)
            .Build();
    }();
    return info;
}

TQXPageBase::TQXPageBase(TComponent* AOwner)
    : TControlDesigner(AOwner), FFrame(new TQXFrame), FShadow(new TQXShadow),
      FBackground(new TQXBackground)
{
    SetScaled(false);
    SetBorderStyle(bsNone);
}

TQXPageBase::~TQXPageBase()
{
    // The elements go while the page still has its attributes.
    DoDestroy();
    Destroying();
    while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    delete FBackground;
    delete FShadow;
    delete FFrame;
    FBackground = nullptr;
    FShadow = nullptr;
    FFrame = nullptr;
}

void TQXPageBase::SetFrame(const TQXFrame* Value)
{
    FFrame->Assign(Value);
    InvalidateAll(this);
    Realign();
}

void TQXPageBase::SetShadow(const TQXShadow* Value)
{
    FShadow->Assign(Value);
    InvalidateAll(this);
    Realign();
}

void TQXPageBase::SetBackground(const TQXBackground* Value)
{
    FBackground->Assign(Value);
    SetColor(FBackground->Color1);
    UpdateSize();
    InvalidateAll(this);
}

void TQXPageBase::SetPageSize(int Width, int Height)
{
    FPageWidth = Width;
    FPageHeight = Height;
}

void TQXPageBase::UpdateSize()
{
    SetBounds(Left(), Top(), ToPixels(FPageWidth), ToPixels(FPageHeight));
    FBackground->PixWidth = ToPixels(FBackground->PicWidth);
    FBackground->PixHeight = ToPixels(FBackground->PicHeight);
}

void TQXPageBase::RescaleAll()
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* element = dynamic_cast<TQXControl*>(Components(i))) element->UpdateBounds();
    UpdateSize();
}

TRect TQXPageBase::GetContentRectUnits() const
{
    // The attributes do not exist yet while the surface is being made.
    if (!FShadow || !FFrame) return TRect{0, 0, FPageWidth, FPageHeight};
    return ContentRect(FPageWidth, FPageHeight, *FShadow, *FFrame);
}

TRect TQXPageBase::ClientRect() const
{
    const TRect u = GetContentRectUnits();
    return TRect{ToPixels(u.Left), ToPixels(u.Top), ToPixels(u.Right), ToPixels(u.Bottom)};
}

TRect TQXPageBase::GetPictureRect() const
{
    return PictureRect(ClientRect(), Width(), Height(), *FBackground, *FShadow, TPoint{0, 0});
}

void TQXPageBase::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root)
{
    for (int i = 0; i < ControlCount(); ++i) {
        auto* element = dynamic_cast<TQXControl*>(Controls(i));
        if (element && element->Owner() == Root) Proc(element);
    }
}

void TQXPageBase::Loaded()
{
    inherited::Loaded();
    // The reader fills the background directly, without its setter.
    SetColor(FBackground->Color1);
    UpdateSize();
}

void TQXPageBase::AlignControls(TControl* AControl, TRect&)
{
    AlignChildrenUnits(this, GetContentRectUnits(), AControl);
}

void TQXPageBase::ColorChanged()
{
    inherited::ColorChanged();
    InvalidateAll(this);
}

// ---------------------------------------------------------------------------
// TQXPage

const TClassInfo& TQXPage::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXPage>("TQXPage")
        .Method("FormKeyDown", &TQXPage::FormKeyDown)
        .Method("FormDblClick", &TQXPage::FormDblClick)
        .Build();
    return info;
}

TQXPage::TQXPage(TComponent* AOwner) : TQXPageBase(AOwner)
{
    // Elements are placed freely, and no dot grid is drawn.
    SetGridX(1);
    SetGridY(1);
    SetColor(clWhite);
    TFont* font = Font();
    font->SetName(QStringLiteral("Arial"));
    font->SetHeight(-11);
    font->SetCharset(TFontCharset(204));
    font->SetColor(clWindowText);
    font->SetStyle({});
    OnKeyDown = TKeyEvent{TMethod{StaticClass().FindMethod(QStringLiteral("FormKeyDown")), this}};
    OnDblClick = TNotifyEvent{TMethod{StaticClass().FindMethod(QStringLiteral("FormDblClick")), this}};
}

void TQXPage::SetName(const QString& Value)
{
    const QString name = Value.trimmed();
    if (name.isEmpty()) throw EComponentError(Format("'%s' is not a valid component name", {Value}));
    // The class library's checks come first, so the document never carries
    // a name that the window then refuses.
    if (name != Name()) {
        if (!IsValidIdent(name)) throw EComponentError(Format("'%s' is not a valid component name", {name}));
        if (TComponent* other = Owner() ? Owner()->FindComponent(name) : nullptr; other && other != this)
            throw EComponentError(Format("A component named %s already exists", {name}));
    }
    if (!IsLoading() && OnRename) OnRename(name);
    inherited::SetName(name);
}

QString TQXPage::MakeUniqueName(const QString& WantedName, const QString& BaseName)
{
    if (!WantedName.isEmpty() && !FindComponent(WantedName)) return WantedName;
    qint64& taken = FNameHints[BaseName.toUpper()];
    QString name;
    qint64 n = taken;
    do {
        ++n;
        name = (BaseName + QString::number(n)).mid(3);
    } while (FindComponent(name));
    // The name may yet go unused: its number counts as free.
    taken = n - 1;
    return name;
}

void TQXPage::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove) FNameHints.clear();
    TQXPageBase::Notification(AComponent, Operation);
}

void TQXPage::ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName)
{
    if (!CurName.isEmpty()) FNameHints.clear();
    TQXPageBase::ValidateRename(AComponent, CurName, NewName);
}

void TQXPage::DeleteSelected()
{
    if (SelectionCount() == 0) return;
    if (ConfirmDelete
        && MessageDlg(QStringLiteral("Are you sure you want to delete selected item(s)?"), mtConfirmation,
                      TMsgDlgButtons{mbYes, mbNo}) != mrYes)
        Abort();
    DeleteSelection();
}

void TQXPage::AlignSelectedToGrid()
{
    for (int i = 0; i < SelectionCount(); ++i)
        if (auto* element = dynamic_cast<TQXControl*>(GetSelectedComponent(i))) AlignToGrid(element);
}

TWinControl* TQXPage::PrintOrderContainer()
{
    if (SelectionCount() == 0) return this;
    TComponent* first = GetSelectedComponent(0);
    if (auto* container = dynamic_cast<TQXContainer*>(first)) return container;
    // The page itself may be what is selected.
    auto* element = dynamic_cast<TQXControl*>(first);
    if (element && element->Parent()) return element->Parent();
    return this;
}

void TQXPage::EditPrintOrder()
{
    const auto editor = std::make_unique<TfrmPrintOrder>(Application());
    editor->LoadControls(PrintOrderContainer());
    if (editor->ShowModal() == mrOk && PageDesigner) PageDesigner->Modified();
}

void TQXPage::ReadPage(TReader& Reader)
{
    ClearSelection();
    // The inspector lets go of the old elements' rows before they go.
    SelectionToInspector();
    while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    try {
        Reader.ReadRootComponent(this);
    } catch (...) {
        CreateCapsules();
        UpdateSelection();
        throw;
    }
    CreateCapsules();
    UpdateSelection();
    SelectionToInspector();
}

void TQXPage::FormKeyDown(TObject*, unsigned& Key, TShiftState)
{
    if (Key == VK_DELETE_KEY) DeleteSelected();
}

void TQXPage::FormDblClick(TObject*)
{
    ShowInspector();
}

// ---------------------------------------------------------------------------

void InvalidateAll(TWinControl* Surface)
{
    if (!Surface || !Surface->Widget()) return;
    Surface->Invalidate();
    for (int i = 0; i < Surface->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(Surface->Controls(i))) InvalidateTree(child);
}

} // namespace designer
