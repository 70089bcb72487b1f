#pragma once

// The background dialog: four pages choose how an element's background is
// filled (a plain colour, a gradient, a texture of the resource library, a
// picture from a file), a 72 x 72 sample shows the choice, and OK is only
// enabled once the active page holds a complete choice. Store writes every
// setting, with the picture the chosen style prints, into a background.

#include "runtime/attributes.h"

#include "classlib/controls/form.h"

#include <memory>

namespace classlib {
class TBitmap;
class TButton;
class TCanvas;
class TCheckBox;
class TEdit;
class TGroupBox;
class TLabel;
class TOpenDialog;
class TPageControl;
class TPaintBox;
class TPanel;
class TPicture;
class TRadioButton;
class TScrollBar;
class TStringList;
class TTabSheet;
class TTrackBar;
}

namespace designer {

class TColorSelector;
class TItemSelector;

class TfrmBackground : public classlib::TForm {
    QX_CLASS(TfrmBackground, classlib::TForm)
public:
    // Reads the textures from the resource library; its errors leave.
    explicit TfrmBackground(classlib::TComponent* AOwner);
    ~TfrmBackground() override;

    void LoadFromBackground(const runtime::TQXBackground& Background);
    // Reads the texture picture first: when that fails, Background is
    // left as it was.
    void StoreToBackground(runtime::TQXBackground& Background);

    // The colour at the gradient's start: Color 2, or the balance's grey.
    classlib::TColor SecondColor() const;
    classlib::TPicture* WorkingPicture() const { return FPicture.get(); }
    classlib::TBitmap* SampleBitmap() const { return FSample.get(); }
    // Where the picture box draws the working picture.
    classlib::TRect PictureRect() const;

    classlib::TPageControl* pclMain = nullptr;
    classlib::TTabSheet *tshColor = nullptr, *tshGradient = nullptr, *tshTexture = nullptr,
                        *tshPicture = nullptr;
    classlib::TButton* btnOk = nullptr;
    classlib::TButton* btnCancel = nullptr;
    classlib::TLabel* lblSample = nullptr;
    classlib::TPanel* pnlSample = nullptr;
    classlib::TPaintBox* pbxSample = nullptr;
    classlib::TCheckBox* cbxDefault = nullptr;
    classlib::TOpenDialog* dlgPicture = nullptr;
    // Color page
    classlib::TRadioButton *rbnSolid = nullptr, *rbnTransparent = nullptr, *rbnSemitrans = nullptr;
    classlib::TLabel* lblSolid = nullptr;
    TColorSelector* clrSolid = nullptr;
    // Gradient page
    classlib::TRadioButton *rbnOne = nullptr, *rbnTwo = nullptr;
    classlib::TLabel *lblColor1 = nullptr, *lblColor2 = nullptr, *lblBalance = nullptr, *lblDark = nullptr,
                     *lblLight = nullptr;
    TColorSelector *clrColor1 = nullptr, *clrColor2 = nullptr;
    classlib::TScrollBar* sbrBalance = nullptr;
    classlib::TRadioButton *rbnHorizontal = nullptr, *rbnVertical = nullptr, *rbnDiagUp = nullptr,
                           *rbnDiagDown = nullptr;
    classlib::TTrackBar* tbrDensity = nullptr;
    classlib::TCheckBox* cbxBackward = nullptr;
    // Texture page
    TItemSelector* islTexture = nullptr;
    classlib::TPanel* pnlTexture = nullptr;
    // Picture page
    classlib::TPanel* pnlPicture = nullptr;
    classlib::TPaintBox* pbxPicture = nullptr;
    classlib::TButton* btnPicture = nullptr;
    classlib::TCheckBox *cbxStretch = nullptr, *cbxCenter = nullptr;

    // --- handlers ---
    void UpdateControls(classlib::TObject* Sender);
    void pclMainChange(classlib::TObject* Sender);
    void pbxSamplePaint(classlib::TObject* Sender);
    void pbxPicturePaint(classlib::TObject* Sender);
    void islTextureDrawItem(classlib::TObject* Sender, int Item, classlib::TCanvas* Canvas, classlib::TRect r,
                            bool Selected);
    void islTextureChange(classlib::TObject* Sender);
    void btnPictureClick(classlib::TObject* Sender);

private:
    classlib::TMethod Handler(const char16_t* Name);
    void BuildColorPage();
    void BuildGradientPage();
    void BuildTexturePage();
    void BuildPicturePage();
    bool HasPicture() const;
    runtime::TBgShadingStyle Shading() const;
    // The gradient both the sample and the stored picture show.
    void DrawChosenGradient(classlib::TCanvas& Canvas, const classlib::TRect& Rect) const;
    void DrawSample();

    std::unique_ptr<classlib::TPicture> FPicture;
    std::unique_ptr<classlib::TBitmap> FSample;
    std::unique_ptr<classlib::TBitmap> FSamplePicture;
    std::unique_ptr<classlib::TBitmap> FTextures;
    std::unique_ptr<classlib::TStringList> FTextureNames;
};

} // namespace designer
