#include "designer/dialogs/colorschemeform.h"

#include "designer/controls/colorselector.h"
#include "designer/controls/itemselector.h"

#include "classlib/controls/button.h"
#include "classlib/controls/groupbox.h"
#include "classlib/controls/label.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/controls/panel.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/edges.h"

namespace designer {

using namespace classlib;

const TClassInfo& TfrmColorScheme::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TfrmColorScheme>("TfrmColorScheme")
        .Method("ItemSelector1DrawItem", &TfrmColorScheme::ItemSelector1DrawItem)
        .Build();
    return info;
}

TfrmColorScheme::TfrmColorScheme(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption(QStringLiteral("Color Scheme"));
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 378, 245);

    auto place = [](TControl* Control, const char* Name, TWinControl* Parent, int L, int T, int W, int H) {
        Control->SetName(QString::fromLatin1(Name));
        Control->SetParent(Parent);
        Control->SetBounds(L, T, W, H);
    };
    auto button = [&](const char* Name, const char* Caption, int Top) {
        auto* b = new TButton(this);
        place(b, Name, this, 299, Top, 75, 25);
        b->SetCaption(QString::fromLatin1(Caption));
        return b;
    };

    pclMain = new TPageControl(this);
    place(pclMain, "pclMain", this, 4, 4, 290, 237);
    tshStandard = new TTabSheet(this);
    tshStandard->SetName(QStringLiteral("tshStandard"));
    tshStandard->SetPageControl(pclMain);
    tshStandard->SetCaption(QStringLiteral("Standard"));
    tshCustom = new TTabSheet(this);
    tshCustom->SetName(QStringLiteral("tshCustom"));
    tshCustom->SetPageControl(pclMain);
    tshCustom->SetCaption(QStringLiteral("Custom"));
    pclMain->SetActivePage(tshStandard);

    lblStandard = new TLabel(this);
    place(lblStandard, "lblStandard", tshStandard, 4, 0, 100, 13);
    lblStandard->SetCaption(QStringLiteral("Color Schemes:"));
    ItemSelector1 = new TItemSelector(this);
    ItemSelector1->SetName(QStringLiteral("ItemSelector1"));
    ItemSelector1->SetShowCaptions(false);
    ItemSelector1->SetFullScroll(false);
    ItemSelector1->SetMargin(4);
    ItemSelector1->SetValue(2, 60);
    ItemSelector1->SetValue(3, 60);
    ItemSelector1->SetItemCount(12);
    ItemSelector1->OnDrawItem = TMethod{StaticClass().FindMethod(u"ItemSelector1DrawItem"), this};
    place(ItemSelector1, "ItemSelector1", tshStandard, 0, 14, 282, 198);

    grbColors = new TGroupBox(this);
    place(grbColors, "grbColors", tshCustom, 4, 0, 273, 205);
    grbColors->SetCaption(QStringLiteral("Scheme Colors"));
    static const char* const captions[] = {"Background", "Text", "Frame", "Shadow", "Band", "Inverted Band"};
    for (int i = 0; i < 6; ++i) {
        const int top = 22 + 30 * i;
        ColorLabels[i] = new TLabel(this);
        place(ColorLabels[i], "", grbColors, 12, top + 4, 90, 13);
        ColorLabels[i]->SetCaption(QString::fromLatin1(captions[i]));
        ColorSelectors[i] = new TColorSelector(this);
        place(ColorSelectors[i], QStringLiteral("ColorSelector%1").arg(i + 1).toLatin1().constData(), grbColors,
              112, top, 101, 22);
        ColorSelectors[i]->SetRGB(clWhite);
        ColorSelectors[i]->SetOptions({csoScheme, csoHistory});
    }

    btnAll = button("btnAll", "Apply to All", 24);
    btnAll->SetDefault(true);
    btnApply = button("btnApply", "Apply", 56);
    btnCancel = button("btnCancel", "Cancel", 88);
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);

    pnlSample = new TPanel(this);
    place(pnlSample, "pnlSample", this, 300, 144, 73, 97);
    pnlSample->SetBevelOuter(bvNone);
    pnlSample->SetBorderStyle(bsSingle);
    pnlSample->SetCtl3D(false);
    pnlSample->SetCaption(QString());

    SetActiveControl(ItemSelector1);
    InitForm();
}

TfrmColorScheme::~TfrmColorScheme()
{
    DoDestroy();
}

void TfrmColorScheme::ItemSelector1DrawItem(TObject*, int, TCanvas* Canvas, TRect r, bool Selected)
{
    // The tiles carry no colours: the dialog holds no schemes yet. The
    // slot leaves all of its drawing to us.
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(r);
    if (Selected)
        DrawEdge(Canvas->DC(), r, EDGE_RAISED, BF_RECT);
    else
        DrawEdge(Canvas->DC(), r, BDR_SUNKENOUTER, BF_RECT);
}

} // namespace designer
