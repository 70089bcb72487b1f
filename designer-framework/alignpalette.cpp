#include "designer-framework/alignpalette.h"

#include "designer-framework/alignglyphs.h"
#include "designer-framework/controldesigner.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/imagelist.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/toolbar.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/font.h"

#include <span>

namespace designer_framework {

using namespace classlib;

namespace {

constexpr quint8 NoButton = 255;

struct TButtonEntry {
    TToolButton* TfrmAlign::*Field;
    const char* Name;
    const char* Hint;
    int Code;
};

// In the order the buttons stand on their bars; the fifth wraps.
const TButtonEntry AlignButtons[] = {
    {&TfrmAlign::ToolButton1, "ToolButton1", "Align left edges", 0},
    {&TfrmAlign::ToolButton2, "ToolButton2", "Align horizontal centers", 1},
    {&TfrmAlign::ToolButton3, "ToolButton3", "Align horizontally in window", 2},
    {&TfrmAlign::ToolButton4, "ToolButton4", "Space eually, horizontally", 3},
    {&TfrmAlign::ToolButton5, "ToolButton5", "Align right edges", 4},
    {&TfrmAlign::ToolButton6, "ToolButton6", "Align tops", 5},
    {&TfrmAlign::ToolButton7, "ToolButton7", "Align vertical centers", 6},
    {&TfrmAlign::ToolButton8, "ToolButton8", "Align vertically in window", 7},
    {&TfrmAlign::ToolButton13, "ToolButton13", "Space eually, vertically", 8},
    {&TfrmAlign::ToolButton14, "ToolButton14", "Align bottoms", 9},
};

const TButtonEntry SizeButtons[] = {
    {&TfrmAlign::ToolButton9, "ToolButton9", "Shrink to smallest, horizontally", 10},
    {&TfrmAlign::ToolButton10, "ToolButton10", "Grow to largest, horizontally", 11},
    {&TfrmAlign::ToolButton11, "ToolButton11", "Size equally", 12},
    {&TfrmAlign::ToolButton15, "ToolButton15", "Grow to largest, vertically", 14},
    {&TfrmAlign::ToolButton12, "ToolButton12", "Shrink to smallest, vertically", 13},
};

} // namespace

const TClassInfo& TfrmAlign::StaticClass()
{
    static const TClassInfo& info = [] () -> const TClassInfo& {
        TClassBuilder<TfrmAlign> builder("TfrmAlign");
        builder.Field("tbrAlign", &TfrmAlign::tbrAlign)
            .Field("tbrSize", &TfrmAlign::tbrSize)
            .Field("imlAlign", &TfrmAlign::imlAlign)
            .Field("imlHot", &TfrmAlign::imlHot)
            .Field("ppmInsp", &TfrmAlign::ppmInsp)
            .Field("pmiStayOnTop", &TfrmAlign::pmiStayOnTop)
            .Field("pmiHide", &TfrmAlign::pmiHide);
        for (std::span<const TButtonEntry> list : {std::span<const TButtonEntry>(AlignButtons), std::span<const TButtonEntry>(SizeButtons)})
            for (const TButtonEntry& entry : list) builder.Field(entry.Name, entry.Field);
        return builder.Method("btnClick", &TfrmAlign::btnClick)
            .Method("FormActivate", &TfrmAlign::FormActivate)
            .Method("pmiStayOnTopClick", &TfrmAlign::pmiStayOnTopClick)
            .Method("pmiHideClick", &TfrmAlign::pmiHideClick)
            .Build();
    }();
    return info;
}

TfrmAlign::TfrmAlign(TComponent* AOwner) : TAlignSizeForm(AOwner)
{
    SetName(QStringLiteral("frmAlign"));
    SetCaption(QStringLiteral("Align/Size"));
    SetBorderStyle(bsToolWindow);
    SetBorderIcons({biSystemMenu});
    SetFormStyle(fsStayOnTop);
    SetScaled(false);
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetHeight(-11);
    SetBounds(Left(), Top(), 160, 104);
    OnActivate = Handler(u"FormActivate");
    CreateComponents();
    InitForm();
}

TfrmAlign::~TfrmAlign()
{
    DoDestroy();
}

TMethod TfrmAlign::Handler(const char16_t* Name)
{
    return TMethod{StaticClass().FindMethod(Name), this};
}

void TfrmAlign::CreateComponents()
{
    auto makeList = [this](const QString& Name, bool Hot) {
        auto* list = new TImageList(this);
        list->SetName(Name);
        list->SetWidth(AlignGlyphSize);
        list->SetHeight(AlignGlyphSize);
        list->AddMasked(AlignGlyphs(Hot).get(), clFuchsia);
        return list;
    };
    imlAlign = makeList(QStringLiteral("imlAlign"), false);
    imlHot = makeList(QStringLiteral("imlHot"), true);

    auto makeBar = [this](const QString& Name) {
        auto* bar = new TToolBar(this);
        bar->SetName(Name);
        bar->SetParent(this);
        bar->SetButtonWidth(32);
        bar->SetButtonHeight(32);
        bar->SetEdgeBorders({});
        bar->SetImages(imlAlign);
        bar->SetHotImages(imlHot);
        bar->SetShowHint(true);
        return bar;
    };
    tbrAlign = makeBar(QStringLiteral("tbrAlign"));
    tbrAlign->SetAlign(alTop);
    tbrAlign->SetAutoSize(true);
    tbrSize = makeBar(QStringLiteral("tbrSize"));
    tbrSize->SetAlign(alBottom);
    tbrSize->SetHeight(36);

    const TMethod click = Handler(u"btnClick");
    auto makeButtons = [&](TToolBar* Bar, std::span<const TButtonEntry> Entries) {
        for (const TButtonEntry& entry : Entries) {
            auto* button = new TToolButton(this);
            button->SetName(QString::fromLatin1(entry.Name));
            button->SetHint(QString::fromLatin1(entry.Hint));
            button->SetImageIndex(entry.Code);
            button->OnClick = click;
            button->SetToolBar(Bar);
            this->*entry.Field = button;
        }
    };
    makeButtons(tbrAlign, AlignButtons);
    makeButtons(tbrSize, SizeButtons);
    ToolButton5->SetWrap(true);

    ppmInsp = new TPopupMenu(this);
    ppmInsp->SetName(QStringLiteral("ppmInsp"));
    auto makeItem = [this](const QString& Name, const QString& Caption, const char16_t* OnClick) {
        auto* item = new TMenuItem(this);
        item->SetName(Name);
        item->SetCaption(Caption);
        item->OnClick = Handler(OnClick);
        ppmInsp->Add(item);
        return item;
    };
    pmiStayOnTop = makeItem(QStringLiteral("pmiStayOnTop"), QStringLiteral("&Stay on top"), u"pmiStayOnTopClick");
    pmiStayOnTop->SetChecked(true);
    pmiHide = makeItem(QStringLiteral("pmiHide"), QStringLiteral("Hide"), u"pmiHideClick");
    SetPopupMenu(ppmInsp);
}

quint8 TfrmAlign::ButtonCode(const TControl* Button) const
{
    const auto* button = dynamic_cast<const TToolButton*>(Button);
    if (!button || !button->ToolBar()) return NoButton;
    if (button->ToolBar() != tbrAlign && button->ToolBar() != tbrSize) return NoButton;
    const int code = button->ImageIndex();
    return code >= 0 && code < AlignGlyphCount ? quint8(code) : NoButton;
}

bool TfrmAlign::GetStayOnTop() const
{
    return pmiStayOnTop->Checked();
}

void TfrmAlign::SetStayOnTop(bool Value)
{
    if (Value != GetStayOnTop()) pmiStayOnTop->Click();
}

void TfrmAlign::btnClick(TObject* Sender)
{
    if (!Surface()) return;
    Surface()->AlignSize(ButtonCode(dynamic_cast<TControl*>(Sender)));
}

void TfrmAlign::FormActivate(TObject*)
{
    SetWindowState(wsNormal);
}

void TfrmAlign::pmiStayOnTopClick(TObject*)
{
    pmiStayOnTop->SetChecked(!pmiStayOnTop->Checked());
    ShowToolWindow(this, pmiStayOnTop->Checked());
}

// Hidden, not closed: the close query has no say in it.
void TfrmAlign::pmiHideClick(TObject*)
{
    Hide();
}

} // namespace designer_framework
