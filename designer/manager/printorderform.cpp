#include "designer/manager/printorderform.h"

#include "designer/elements/qxcontrol.h"

#include "runtime/container.h"

#include "classlib/controls/button.h"
#include "classlib/controls/groupbox.h"
#include "classlib/controls/label.h"
#include "classlib/controls/listbox.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/listsort.h"
#include "classlib/graphics/bitmap.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <vector>

namespace designer {

using namespace classlib;

namespace {

bool Aligned(const TQXControl* Element)
{
    return Element->Align() != alNone;
}

// The run's rule: by PrintOrder when both are unaligned and one has a
// PrintOrder, else by top.
int ComparePrintOrder(const TQXControl* A, const TQXControl* B)
{
    if (!Aligned(A) && !Aligned(B) && (A->PrintOrder() != 0 || B->PrintOrder() != 0))
        return runtime::CompareInt(A->PrintOrder(), B->PrintOrder());
    return runtime::CompareInt(A->QXTop(), B->QXTop());
}

// A small arrowhead pointing up (Up) or down, on a transparent ground (the
// bottom-left pixel's colour).
std::unique_ptr<TBitmap> ArrowGlyph(bool Up)
{
    constexpr int Size = 11;
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(QColor(0xFF, 0x00, 0xFF));
    {
        QPainter p(&image);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const QPolygon head = Up ? QPolygon({QPoint(5, 2), QPoint(10, 8), QPoint(0, 8)})
                                 : QPolygon({QPoint(0, 2), QPoint(10, 2), QPoint(5, 8)});
        p.drawPolygon(head);
    }
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(image);
    return bitmap;
}

} // namespace

const TClassInfo& TfrmPrintOrder::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TfrmPrintOrder>("TfrmPrintOrder")
        .Method("FormCreate", &TfrmPrintOrder::FormCreate)
        .Method("FormShow", &TfrmPrintOrder::FormShow)
        .Method("btnUpClick", &TfrmPrintOrder::btnUpClick)
        .Method("btnDownClick", &TfrmPrintOrder::btnDownClick)
        .Method("btnOkClick", &TfrmPrintOrder::btnOkClick)
        .Method("lbxControlsDrawItem", &TfrmPrintOrder::lbxControlsDrawItem)
        .Method("lbxControlsDragOver", &TfrmPrintOrder::lbxControlsDragOver)
        .Method("lbxControlsDragDrop", &TfrmPrintOrder::lbxControlsDragDrop)
        .Build();
    return info;
}

TMethod TfrmPrintOrder::Handler(const char16_t* Name)
{
    return TMethod{StaticClass().FindMethod(Name), this};
}

TfrmPrintOrder::TfrmPrintOrder(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption(QStringLiteral("Print Order"));
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 214, 242);

    auto place = [this](TControl* Control, const char* Name, TWinControl* Parent, int L, int T, int W, int H) {
        Control->SetName(QString::fromLatin1(Name));
        Control->SetParent(Parent);
        Control->SetBounds(L, T, W, H);
    };
    grbList = new TGroupBox(this);
    place(grbList, "grbList", this, 8, 4, 198, 196);
    lblTop = new TLabel(this);
    place(lblTop, "lblTop", grbList, 8, 16, 180, 13);
    lblTop->SetCaption(QStringLiteral("Controls listed in print order:"));
    lbxControls = new TListBox(this);
    place(lbxControls, "lbxControls", grbList, 8, 34, 150, 152);
    lbxControls->SetStyle(lbOwnerDrawFixed);
    lbxControls->SetDragMode(dmAutomatic);
    lbxControls->OnDrawItem = Handler(u"lbxControlsDrawItem");
    lbxControls->OnDragOver = Handler(u"lbxControlsDragOver");
    lbxControls->OnDragDrop = Handler(u"lbxControlsDragDrop");
    btnUp = new TSpeedButton(this);
    place(btnUp, "btnUp", grbList, 164, 34, 25, 25);
    btnUp->SetGlyph(ArrowGlyph(true).get());
    btnUp->OnClick = Handler(u"btnUpClick");
    btnDown = new TSpeedButton(this);
    place(btnDown, "btnDown", grbList, 164, 63, 25, 25);
    btnDown->SetGlyph(ArrowGlyph(false).get());
    btnDown->OnClick = Handler(u"btnDownClick");
    btnOk = new TButton(this);
    place(btnOk, "btnOk", this, 50, 208, 75, 25);
    btnOk->SetCaption(QStringLiteral("OK"));
    btnOk->SetDefault(true);
    btnOk->OnClick = Handler(u"btnOkClick");
    btnCancel = new TButton(this);
    place(btnCancel, "btnCancel", this, 131, 208, 75, 25);
    btnCancel->SetCaption(QStringLiteral("Cancel"));
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);
    SetActiveControl(lbxControls);

    OnCreate = Handler(u"FormCreate");
    OnShow = Handler(u"FormShow");
    InitForm();
}

TfrmPrintOrder::~TfrmPrintOrder()
{
    DoDestroy();
}

void TfrmPrintOrder::FormCreate(TObject*)
{
    // One text line per item, whatever the font.
    TCanvas& canvas = lbxControls->MeasureCanvas();
    canvas.SetFont(lbxControls->Font());
    lbxControls->SetItemHeight(canvas.TextHeight(QStringLiteral("Wg")));
}

void TfrmPrintOrder::FormShow(TObject*)
{
    if (lbxControls->Count() > 0) lbxControls->SetItemIndex(0);
}

void TfrmPrintOrder::LoadControls(TWinControl* Container)
{
    std::vector<TQXControl*> elements;
    for (int i = 0; Container && i < Container->ControlCount(); ++i)
        if (auto* element = dynamic_cast<TQXControl*>(Container->Controls(i)); element && !element->Name().isEmpty())
            elements.push_back(element);
    // The run's own sort: ties come out as the run takes them.
    SortList(elements, ComparePrintOrder);
    TStrings* items = lbxControls->Items();
    items->BeginUpdate();
    items->Clear();
    for (TQXControl* element : elements) items->AddObject(element->Name(), element);
    items->EndUpdate();
}

TQXControl* TfrmPrintOrder::Element(int Index) const
{
    if (Index < 0 || Index >= lbxControls->Count()) return nullptr;
    return static_cast<TQXControl*>(lbxControls->Items()->Objects(Index));
}

bool TfrmPrintOrder::IsAligned(int Index) const
{
    const TQXControl* element = Element(Index);
    return element && Aligned(element);
}

void TfrmPrintOrder::MoveItem(int From, int To)
{
    const int count = lbxControls->Count();
    if (count < 2 || From == To || From < 0 || To < 0 || From >= count || To >= count) return;
    if (IsAligned(From) || IsAligned(To)) return;
    lbxControls->Items()->Exchange(From, To);
    lbxControls->SetItemIndex(To);
}

void TfrmPrintOrder::btnUpClick(TObject*)
{
    const int i = lbxControls->ItemIndex();
    MoveItem(i, i - 1);
}

void TfrmPrintOrder::btnDownClick(TObject*)
{
    const int i = lbxControls->ItemIndex();
    MoveItem(i, i + 1);
}

void TfrmPrintOrder::btnOkClick(TObject*)
{
    for (int i = 0; i < lbxControls->Count(); ++i) Element(i)->SetPrintOrder(i + 1);
    SetModalResult(mrOk);
}

void TfrmPrintOrder::lbxControlsDrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState)
{
    TCanvas& canvas = *lbxControls->Canvas();
    canvas.FillRect(Rect);
    if (IsAligned(Index)) canvas.Font()->SetColor(clGrayText);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(Rect.Left + 2, Rect.Top, lbxControls->Items()->Get(Index));
}

void TfrmPrintOrder::lbxControlsDragOver(TObject*, TObject* Source, int X, int Y, TDragState, bool& Accept)
{
    const int i = Source == lbxControls ? lbxControls->ItemAtPos(TPoint{X, Y}, true) : -1;
    Accept = i >= 0 && !IsAligned(i);
}

void TfrmPrintOrder::lbxControlsDragDrop(TObject*, TObject* Source, int X, int Y)
{
    if (Source != lbxControls) return;
    const int i = lbxControls->ItemAtPos(TPoint{X, Y}, true);
    if (i >= 0) MoveItem(lbxControls->ItemIndex(), i);
}

} // namespace designer
