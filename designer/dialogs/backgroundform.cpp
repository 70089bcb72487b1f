#include "designer/dialogs/backgroundform.h"

#include "designer/controls/colorselector.h"
#include "designer/controls/itemselector.h"
#include "designer/libraries/wqxres.h"

#include "runtime/fills.h"

#include "classlib/controls/application.h"
#include "classlib/controls/button.h"
#include "classlib/controls/checkbox.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/filedialogs.h"
#include "classlib/controls/groupbox.h"
#include "classlib/controls/label.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/controls/paintbox.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/radiobutton.h"
#include "classlib/controls/scrollbar.h"
#include "classlib/controls/trackbar.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/edges.h"
#include "classlib/graphics/gditypes.h"
#include "classlib/graphics/picture.h"

#include <QImage>
#include <QPainter>

namespace designer {

using namespace classlib;
using namespace runtime;

namespace {

constexpr int SampleSize = 72;
constexpr int TextureCell = 64;

// What shows through a transparent colour: crossing coloured bars on white.
std::unique_ptr<TBitmap> BuiltInSample()
{
    QImage image(SampleSize, SampleSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        const QColor colours[] = {Qt::red, Qt::blue, Qt::green, Qt::yellow};
        for (int i = 0; i < 4; ++i) {
            p.fillRect(6 + 18 * i, 0, 8, SampleSize, colours[i]);
            p.fillRect(0, 6 + 18 * i, SampleSize, 8, colours[3 - i]);
        }
    }
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(image);
    return bitmap;
}

TColor Grey(int B)
{
    return TColor(RGB(B, B, B));
}

// Texture Index's thumbnail: 63 x 63 pixels, as the strip is read.
TRect TextureCellRect(int Index)
{
    return TRect{0, TextureCell * Index, TextureCell - 1, TextureCell * Index + TextureCell - 1};
}

} // namespace

const TClassInfo& TfrmBackground::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TfrmBackground>("TfrmBackground")
        .Method("UpdateControls", &TfrmBackground::UpdateControls)
        .Method("pclMainChange", &TfrmBackground::pclMainChange)
        .Method("pbxSamplePaint", &TfrmBackground::pbxSamplePaint)
        .Method("pbxPicturePaint", &TfrmBackground::pbxPicturePaint)
        .Method("islTextureDrawItem", &TfrmBackground::islTextureDrawItem)
        .Method("islTextureChange", &TfrmBackground::islTextureChange)
        .Method("btnPictureClick", &TfrmBackground::btnPictureClick)
        .Build();
    return info;
}

TMethod TfrmBackground::Handler(const char16_t* Name)
{
    return TMethod{StaticClass().FindMethod(Name), this};
}

namespace {

template <class T>
T* Place(TComponent* Owner, TWinControl* Parent, const char* Name, int L, int T_, int W, int H)
{
    auto* control = new T(Owner);
    control->SetName(QString::fromLatin1(Name));
    control->SetParent(Parent);
    control->SetBounds(L, T_, W, H);
    return control;
}

TLabel* PlaceLabel(TComponent* Owner, TWinControl* Parent, const char* Name, const char* Caption, int L, int T)
{
    auto* label = Place<TLabel>(Owner, Parent, Name, L, T, 13, 13);
    label->SetCaption(QString::fromLatin1(Caption));
    label->SetAutoSize(true);
    return label;
}

template <class T>
T* PlaceCaptioned(TComponent* Owner, TWinControl* Parent, const char* Name, const char* Caption, int L, int T_,
                  int W, int H)
{
    auto* control = Place<T>(Owner, Parent, Name, L, T_, W, H);
    control->SetCaption(QString::fromLatin1(Caption));
    return control;
}

} // namespace

TfrmBackground::TfrmBackground(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption(QStringLiteral("Background"));
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 339, 291);
    FPicture = std::make_unique<TPicture>();
    FSample = std::make_unique<TBitmap>();
    FSample->SetSize(SampleSize, SampleSize);
    FSamplePicture = BuiltInSample();

    pclMain = Place<TPageControl>(this, this, "pclMain", 4, 4, 249, 265);
    auto sheet = [this](const char* Name, const char* Caption) {
        auto* page = new TTabSheet(this);
        page->SetName(QString::fromLatin1(Name));
        page->SetPageControl(pclMain);
        page->SetCaption(QString::fromLatin1(Caption));
        return page;
    };
    tshColor = sheet("tshColor", "Color");
    tshGradient = sheet("tshGradient", "Gradient");
    tshTexture = sheet("tshTexture", "Texture");
    tshPicture = sheet("tshPicture", "Picture");
    pclMain->SetActivePage(tshColor);
    pclMain->OnChange = Handler(u"pclMainChange");

    btnOk = PlaceCaptioned<TButton>(this, this, "btnOk", "OK", 260, 20, 75, 25);
    btnOk->SetDefault(true);
    btnOk->SetModalResult(mrOk);
    btnCancel = PlaceCaptioned<TButton>(this, this, "btnCancel", "Cancel", 260, 52, 75, 25);
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);
    lblSample = PlaceLabel(this, this, "lblSample", "Sample:", 260, 179);
    pnlSample = Place<TPanel>(this, this, "pnlSample", 260, 195, 74, 74);
    pnlSample->SetBevelOuter(bvNone);
    pnlSample->SetBorderStyle(bsSingle);
    pnlSample->SetCtl3D(false);
    pnlSample->SetCaption(QString());
    pbxSample = Place<TPaintBox>(this, pnlSample, "pbxSample", 0, 0, SampleSize, SampleSize);
    pbxSample->OnPaint = Handler(u"pbxSamplePaint");
    cbxDefault = PlaceCaptioned<TCheckBox>(this, this, "cbxDefault", "Default for new objects", 4, 272, 249, 17);
    cbxDefault->SetEnabled(false);
    dlgPicture = new TOpenDialog(this);
    dlgPicture->SetName(QStringLiteral("dlgPicture"));
    dlgPicture->SetTitle(QStringLiteral("Load picture"));
    dlgPicture->SetOptions({ofHideReadOnly, ofShowHelp});

    BuildColorPage();
    BuildGradientPage();
    BuildTexturePage();
    BuildPicturePage();

    dlgPicture->SetFilter(GraphicFilter());
    FTextures = LoadQXBitmap();
    FTextureNames = std::make_unique<TStringList>();
    FTextureNames->SetText(LoadQXString());
    islTexture->SetItemCount(FTextureNames->Count());
    InitForm();
}

TfrmBackground::~TfrmBackground()
{
    DoDestroy();
}

void TfrmBackground::BuildColorPage()
{
    auto* group = PlaceCaptioned<TGroupBox>(this, tshColor, "grbStyle", "Style", 4, 0, 233, 93);
    const TMethod update = Handler(u"UpdateControls");
    rbnSolid = PlaceCaptioned<TRadioButton>(this, group, "rbnSolid", "Solid", 8, 20, 105, 17);
    rbnTransparent = PlaceCaptioned<TRadioButton>(this, group, "rbnTransparent", "Transparent", 8, 44, 105, 17);
    rbnSemitrans = PlaceCaptioned<TRadioButton>(this, group, "rbnSemitrans", "Semitransparent", 8, 68, 105, 17);
    for (TRadioButton* r : {rbnSolid, rbnTransparent, rbnSemitrans}) r->OnClick = update;
    lblSolid = PlaceLabel(this, group, "lblSolid", "Color:", 124, 12);
    clrSolid = Place<TColorSelector>(this, group, "clrSolid", 124, 28, 101, 22);
    clrSolid->SetRGB(clWhite);
    clrSolid->SetOptions({csoScheme, csoHistory});
    clrSolid->OnChange = update;
}

void TfrmBackground::BuildGradientPage()
{
    const TMethod update = Handler(u"UpdateControls");
    auto* colors = PlaceCaptioned<TGroupBox>(this, tshGradient, "grbColors", "Colors", 4, 0, 233, 113);
    rbnOne = PlaceCaptioned<TRadioButton>(this, colors, "rbnOne", "One Color", 8, 20, 105, 17);
    rbnTwo = PlaceCaptioned<TRadioButton>(this, colors, "rbnTwo", "Two Colors", 8, 44, 105, 17);
    lblColor1 = PlaceLabel(this, colors, "lblColor1", "Color 1:", 124, 12);
    clrColor1 = Place<TColorSelector>(this, colors, "clrColor1", 124, 28, 101, 22);
    clrColor1->SetRGB(clWhite);
    lblBalance = PlaceLabel(this, colors, "lblBalance", "Balance:", 124, 56);
    sbrBalance = Place<TScrollBar>(this, colors, "sbrBalance", 123, 73, 101, 18);
    sbrBalance->SetKind(sbHorizontal);
    sbrBalance->SetParams(0, 0, 255);
    sbrBalance->SetLargeChange(16);
    lblDark = PlaceLabel(this, colors, "lblDark", "Dark", 124, 94);
    lblLight = Place<TLabel>(this, colors, "lblLight", 175, 94, 50, 13);
    lblLight->SetAutoSize(false);
    lblLight->SetAlignment(taRightJustify);
    lblLight->SetCaption(QStringLiteral("Light"));
    lblColor2 = PlaceLabel(this, colors, "lblColor2", "Color 2:", 124, 56);
    clrColor2 = Place<TColorSelector>(this, colors, "clrColor2", 124, 73, 101, 22);
    clrColor2->SetRGB(clBlack);

    auto* shading = PlaceCaptioned<TGroupBox>(this, tshGradient, "grbShading", "Shading Styles", 4, 116, 109, 117);
    rbnHorizontal = PlaceCaptioned<TRadioButton>(this, shading, "rbnHorizontal", "Horizontal", 8, 20, 97, 17);
    rbnVertical = PlaceCaptioned<TRadioButton>(this, shading, "rbnVertical", "Vertical", 8, 44, 97, 17);
    rbnDiagUp = PlaceCaptioned<TRadioButton>(this, shading, "rbnDiagUp", "Diagonal up", 8, 68, 97, 17);
    rbnDiagDown = PlaceCaptioned<TRadioButton>(this, shading, "rbnDiagDown", "Diagonal down", 8, 92, 97, 17);

    auto* density = PlaceCaptioned<TGroupBox>(this, tshGradient, "grbDensity", "Density", 120, 116, 117, 69);
    tbrDensity = Place<TTrackBar>(this, density, "tbrDensity", 3, 20, 111, 29);
    tbrDensity->SetParams(1, 1, 16);
    tbrDensity->SetLineSize(1);
    tbrDensity->SetFrequency(1);
    PlaceLabel(this, density, "lblLess", "Less", 8, 50);
    // Under the bar's right end, as "Less" stands under its left end.
    PlaceLabel(this, density, "lblMore", "More", 84, 50)->SetAlignment(taRightJustify);

    auto* direction = PlaceCaptioned<TGroupBox>(this, tshGradient, "grbDirection", "Direction", 120, 188, 117, 45);
    cbxBackward = PlaceCaptioned<TCheckBox>(this, direction, "cbxBackward", "Backward", 8, 20, 97, 17);

    for (TRadioButton* r : {rbnOne, rbnTwo, rbnHorizontal, rbnVertical, rbnDiagUp, rbnDiagDown}) r->OnClick = update;
    cbxBackward->OnClick = update;
    clrColor1->OnChange = update;
    clrColor2->OnChange = update;
    sbrBalance->OnChange = [this](TObject* Sender) { UpdateControls(Sender); };
    tbrDensity->OnChange = update;
}

void TfrmBackground::BuildTexturePage()
{
    PlaceLabel(this, tshTexture, "lblTexture", "Texture:", 4, 0);
    islTexture = new TItemSelector(this);
    islTexture->SetName(QStringLiteral("islTexture"));
    islTexture->SetShowCaptions(false);
    islTexture->SetMargin(4);
    islTexture->SetValue(2, 50);
    islTexture->SetValue(3, 50);
    islTexture->SetParent(tshTexture);
    islTexture->SetBounds(0, 12, 237, 167);
    islTexture->OnDrawItem = Handler(u"islTextureDrawItem");
    islTexture->OnChange = Handler(u"islTextureChange");
    pnlTexture = Place<TPanel>(this, tshTexture, "pnlTexture", 4, 180, 233, 17);
    pnlTexture->SetBevelOuter(bvLowered);
    pnlTexture->SetCaption(QString());
    // Scaling a texture is not offered: the row stays disabled.
    PlaceLabel(this, tshTexture, "lblScale", "Scale:", 4, 210)->SetEnabled(false);
    auto* scale = Place<TEdit>(this, tshTexture, "edtScale", 40, 208, 37, 21);
    scale->SetText(QStringLiteral("100%"));
    scale->SetEnabled(false);
    auto* updown = Place<TScrollBar>(this, tshTexture, "udnScale", 77, 208, 15, 21);
    updown->SetKind(sbVertical);
    updown->SetEnabled(false);
    PlaceCaptioned<TButton>(this, tshTexture, "btnTexture", "Browse...", 162, 208, 75, 25)->SetEnabled(false);
}

void TfrmBackground::BuildPicturePage()
{
    PlaceLabel(this, tshPicture, "lblPicture", "Picture:", 4, 0);
    pnlPicture = Place<TPanel>(this, tshPicture, "pnlPicture", 4, 16, 233, 165);
    pnlPicture->SetBevelOuter(bvNone);
    pnlPicture->SetBorderStyle(bsSingle);
    pnlPicture->SetColor(clAppWorkSpace);
    pnlPicture->SetCaption(QString());
    pbxPicture = new TPaintBox(this);
    pbxPicture->SetName(QStringLiteral("pbxPicture"));
    pbxPicture->SetParent(pnlPicture);
    pbxPicture->SetAlign(alClient);
    pbxPicture->SetColor(clAppWorkSpace);
    pbxPicture->OnPaint = Handler(u"pbxPicturePaint");
    btnPicture = PlaceCaptioned<TButton>(this, tshPicture, "btnPicture", "Browse...", 162, 208, 75, 25);
    btnPicture->OnClick = Handler(u"btnPictureClick");
    cbxStretch = PlaceCaptioned<TCheckBox>(this, tshPicture, "cbxStretch", "Stretch", 4, 188, 97, 17);
    cbxCenter = PlaceCaptioned<TCheckBox>(this, tshPicture, "cbxCenter", "Center", 4, 212, 97, 17);
    cbxStretch->OnClick = Handler(u"UpdateControls");
    cbxCenter->OnClick = Handler(u"UpdateControls");
}

TColor TfrmBackground::SecondColor() const
{
    return rbnTwo->Checked() ? clrColor2->RGB() : Grey(sbrBalance->Position());
}

TBgShadingStyle TfrmBackground::Shading() const
{
    if (rbnHorizontal->Checked()) return bssHorizontal;
    if (rbnVertical->Checked()) return bssVertical;
    if (rbnDiagUp->Checked()) return bssDiagUp;
    return bssDiagDown;
}

bool TfrmBackground::HasPicture() const
{
    return FPicture->Graphic() && !FPicture->Graphic()->Empty();
}

void TfrmBackground::DrawChosenGradient(TCanvas& Canvas, const TRect& Rect) const
{
    DrawGradient(Canvas, Rect, SecondColor(), clrColor1->RGB(), Shading(), cbxBackward->Checked(),
                 tbrDensity->Position());
}

void TfrmBackground::LoadFromBackground(const TQXBackground& Background)
{
    switch (Background.Style) {
    case bsGradient: pclMain->SetActivePage(tshGradient); break;
    case bsTexture: pclMain->SetActivePage(tshTexture); break;
    case bsPicture: pclMain->SetActivePage(tshPicture); break;
    default: pclMain->SetActivePage(tshColor); break;
    }
    auto check = [](std::initializer_list<TRadioButton*> Radios, int Index) {
        int i = 0;
        for (TRadioButton* r : Radios)
            if (i++ == Index) r->SetChecked(true);
    };
    check({rbnSolid, rbnTransparent, rbnSemitrans}, Background.ColorStyle);
    check({rbnOne, rbnTwo}, Background.GradientStyle);
    check({rbnHorizontal, rbnVertical, rbnDiagUp, rbnDiagDown}, Background.ShadingStyle);
    cbxBackward->SetChecked(Background.VariantStyle == bvsBackward);
    cbxStretch->SetChecked(Background.PictureStyle == bpsStretch);
    cbxCenter->SetChecked(Background.PictureStyle == bpsCenter);
    if (Background.GradientStyle == bgsOneColor) {
        int red = 0, green = 0, blue = 0;
        SplitRGB(Background.Color2, red, green, blue);
        sbrBalance->SetPosition(red);
    }
    clrSolid->SetRGB(Background.Color1);
    clrColor1->SetRGB(Background.Color1);
    clrColor2->SetRGB(Background.Color2);
    tbrDensity->SetPosition(Background.Density);
    if (Background.Style == bsPicture) FPicture->Assign(Background.Picture());
    UpdateControls(this);
}

void TfrmBackground::StoreToBackground(TQXBackground& Background)
{
    TTabSheet* page = pclMain->ActivePage();
    // The one step that can fail goes first, so a failure changes nothing.
    std::unique_ptr<TJPEGImage> texture;
    if (page == tshTexture) texture = LoadQXJPEG(islTexture->ItemIndex());

    Background.Style = page == tshGradient ? bsGradient
                       : page == tshTexture ? bsTexture
                       : page == tshPicture ? bsPicture
                                            : bsColor;
    if (rbnSolid->Checked()) Background.ColorStyle = bcsSolid;
    else if (rbnTransparent->Checked()) Background.ColorStyle = bcsTransparent;
    else if (rbnSemitrans->Checked()) Background.ColorStyle = bcsSemitransparent;
    if (rbnOne->Checked()) Background.GradientStyle = bgsOneColor;
    else if (rbnTwo->Checked()) Background.GradientStyle = bgsTwoColors;
    Background.ShadingStyle = Shading();
    Background.VariantStyle = cbxBackward->Checked() ? bvsBackward : bvsForward;
    Background.PictureStyle = cbxStretch->Checked() ? bpsStretch : cbxCenter->Checked() ? bpsCenter : bpsNone;
    Background.Color1 = page == tshColor ? clrSolid->RGB() : clrColor1->RGB();
    Background.Color2 = SecondColor();
    Background.Density = tbrDensity->Position();

    if (page == tshTexture) {
        TPicture picture;
        picture.SetGraphic(texture.get());
        Background.SetPicture(&picture);
    } else if (page == tshGradient) {
        // Elements stretch this picture: it, not the colours, is printed.
        TBitmap bitmap;
        bitmap.SetSize(256, 256);
        DrawChosenGradient(bitmap.Canvas(), TRect{0, 0, 255, 255});
        Background.Picture()->SetGraphic(&bitmap);
    } else if (page == tshPicture) {
        Background.SetPicture(FPicture.get());
    } else {
        Background.Picture()->SetGraphic(nullptr);
    }
}

void TfrmBackground::UpdateControls(TObject*)
{
    TTabSheet* page = pclMain->ActivePage();
    bool complete = false;
    if (page == tshColor) {
        lblSolid->SetVisible(rbnSolid->Checked());
        clrSolid->SetVisible(rbnSolid->Checked());
        complete = rbnSolid->Checked() || rbnTransparent->Checked() || rbnSemitrans->Checked();
    } else if (page == tshGradient) {
        const bool one = rbnOne->Checked(), two = rbnTwo->Checked();
        lblColor1->SetVisible(one || two);
        clrColor1->SetVisible(one || two);
        for (TControl* c : std::initializer_list<TControl*>{lblBalance, sbrBalance, lblDark, lblLight})
            c->SetVisible(one);
        lblColor2->SetVisible(two);
        clrColor2->SetVisible(two);
        complete = (one || two) && (rbnHorizontal->Checked() || rbnVertical->Checked() || rbnDiagUp->Checked() ||
                                    rbnDiagDown->Checked());
    } else if (page == tshTexture) {
        complete = islTexture->ItemIndex() >= 0;
    } else if (page == tshPicture) {
        complete = HasPicture();
        cbxStretch->SetVisible(complete);
        cbxCenter->SetVisible(complete);
    }
    btnOk->SetEnabled(complete);
    pbxSample->Repaint();
}

void TfrmBackground::pclMainChange(TObject*)
{
    TTabSheet* page = pclMain->ActivePage();
    if (page == tshColor) {
        for (TRadioButton* r : {rbnSolid, rbnTransparent, rbnSemitrans}) r->SetChecked(false);
    } else if (page == tshGradient) {
        for (TRadioButton* r : {rbnOne, rbnTwo, rbnHorizontal, rbnVertical, rbnDiagUp, rbnDiagDown})
            r->SetChecked(false);
    } else if (page == tshTexture) {
        islTexture->SetItemIndex(-1);
        pnlTexture->SetCaption(QString());
    }
    UpdateControls(this);
    if (page == tshColor) rbnSolid->SetFocus();
    else if (page == tshGradient) rbnOne->SetFocus();
    else if (page == tshPicture) btnPicture->SetFocus();
}

void TfrmBackground::DrawSample()
{
    TCanvas& c = FSample->Canvas();
    const TRect all{0, 0, FSample->Width(), FSample->Height()};
    TTabSheet* page = pclMain->ActivePage();
    if (page == tshColor) {
        if (rbnSolid->Checked()) {
            c.Brush()->SetStyle(bsSolid);
            c.Brush()->SetColor(clrSolid->RGB());
            c.FillRect(all);
        } else {
            c.StretchDraw(all, FSamplePicture.get());
            if (rbnSemitrans->Checked()) FillSemiTransparent(c, all);
        }
    } else if (page == tshGradient) {
        DrawChosenGradient(c, TRect{0, 0, all.Right - 1, all.Bottom - 1});
    } else if (page == tshTexture) {
        c.CopyRect(all, FTextures->Canvas(), TextureCellRect(islTexture->ItemIndex()));
    } else {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(clBtnFace);
        c.FillRect(all);
        const TGraphic* graphic = FPicture->Graphic();
        if (cbxStretch->Checked())
            c.StretchDraw(all, graphic);
        else if (cbxCenter->Checked())
            c.Draw((SampleSize - FPicture->Width()) / 2, (SampleSize - FPicture->Height()) / 2, graphic);
        else
            c.Draw(0, 0, graphic);
    }
}

void TfrmBackground::pbxSamplePaint(TObject*)
{
    TCanvas& c = *pbxSample->Canvas();
    if (!btnOk->Enabled()) {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(pnlSample->Color());
        c.FillRect(pbxSample->ClientRect());
        return;
    }
    DrawSample();
    c.Draw(0, 0, FSample.get());
}

TRect TfrmBackground::PictureRect() const
{
    const int bw = pbxPicture->ClientWidth(), bh = pbxPicture->ClientHeight();
    int w = FPicture->Width(), h = FPicture->Height();
    if (w <= 0 || h <= 0) return TRect{0, 0, 0, 0};
    // Larger pictures shrink to fit, keeping their proportions; smaller
    // ones are not enlarged.
    if (w > bw || h > bh) {
        if (qint64(bw) * h >= qint64(w) * bh) {
            w = MulDiv(w, bh, h);
            h = bh;
        } else {
            h = MulDiv(h, bw, w);
            w = bw;
        }
    }
    const int left = (bw - w) / 2, top = (bh - h) / 2;
    return TRect{left, top, left + w, top + h};
}

void TfrmBackground::pbxPicturePaint(TObject*)
{
    TCanvas& c = *pbxPicture->Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(pbxPicture->Color());
    c.FillRect(pbxPicture->ClientRect());
    if (FPicture->Width() == 0) return;
    c.StretchDraw(PictureRect(), FPicture->Graphic());
}

void TfrmBackground::islTextureDrawItem(TObject*, int Item, TCanvas* Canvas, TRect r, bool Selected)
{
    Canvas->CopyRect(TRect{0, 0, TextureCell - 1, TextureCell - 1}, FTextures->Canvas(), TextureCellRect(Item));
    if (Selected)
        DrawEdge(Canvas->DC(), r, EDGE_RAISED, BF_RECT);
    else
        DrawEdge(Canvas->DC(), r, BDR_SUNKENOUTER, BF_RECT);
}

void TfrmBackground::islTextureChange(TObject*)
{
    const int i = islTexture->ItemIndex();
    if (i >= 0 && i < FTextureNames->Count()) pnlTexture->SetCaption(FTextureNames->Get(i));
    UpdateControls(this);
}

void TfrmBackground::btnPictureClick(TObject*)
{
    if (!dlgPicture->Execute()) return;
    try {
        // A file that cannot be read leaves the picture as it was.
        FPicture->LoadFromFile(dlgPicture->FileName());
    } catch (const Exception&) {
        Application()->HandleException(this);
    }
    pbxPicture->Repaint();
    UpdateControls(this);
}

} // namespace designer
