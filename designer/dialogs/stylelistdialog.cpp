#include "designer/dialogs/stylelistdialog.h"

#include "designer/controls/colorselector.h"
#include "designer/controls/drawcombobox.h"

#include "classlib/controls/imagelist.h"
#include "classlib/controls/label.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/brush.h"

namespace designer {

using namespace classlib;

namespace {

constexpr char SClear[] = "Clear";

} // namespace

const TClassInfo& TStyleListDialog::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStyleListDialog>("TStyleListDialog")
        .Method("cmbStyleChange", &TStyleListDialog::cmbStyleChange)
        .Method("cmbStyleDrawItem", &TStyleListDialog::cmbStyleDrawItem)
        .Build();
    return info;
}

TStyleListDialog::TStyleListDialog(TComponent* AOwner) : TAttributeDialog(AOwner) {}

void TStyleListDialog::AddStyleList(int L, int T, int W, const QStringList& Items,
                                    const std::function<void(TCanvas& Canvas, int Index)>& Picture)
{
    AddLabel("lblStyle", QStringLiteral("Style:"), L, T - 16);
    cmbStyle = Place(new TDrawComboBox(this), "cmbStyle", this, L, T, W, 22);
    cmbStyle->SetMargin(20);
    for (const QString& item : Items) cmbStyle->Items()->Add(item);
    cmbStyle->OnChange = Handler(u"cmbStyleChange");
    cmbStyle->OnDrawItem = Handler(u"cmbStyleDrawItem");
    imlCombo = new TImageList(this);
    imlCombo->SetName(QStringLiteral("imlCombo"));
    imlCombo->SetWidth(PictureWidth);
    imlCombo->SetHeight(PictureHeight);
    for (int i = 0; i < int(Items.size()); ++i) {
        TBitmap picture;
        picture.SetSize(PictureWidth, PictureHeight);
        // What the picture leaves shows the item's own background.
        TCanvas& canvas = picture.Canvas();
        canvas.Brush()->SetColor(clFuchsia);
        canvas.FillRect(TRect{0, 0, PictureWidth, PictureHeight});
        canvas.Brush()->SetStyle(bsSolid);
        Picture(canvas, i);
        imlCombo->AddMasked(&picture, clFuchsia);
    }
}

void TStyleListDialog::cmbStyleChange(TObject*)
{
    const int i = cmbStyle->ItemIndex();
    const bool draws = i < 0 || cmbStyle->Items()->Get(i) != QLatin1String(SClear);
    lblColor->SetEnabled(draws);
    clrColor->SetEnabled(draws);
}

void TStyleListDialog::cmbStyleDrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState)
{
    imlCombo->Draw(*cmbStyle->Canvas(), Rect.Left + 2, Rect.Top, Index);
}

} // namespace designer
