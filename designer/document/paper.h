#pragma once

// The paper window: a sheet the size of the paper, with the page window
// laid on it inside the margins. Its settings are the document's paper
// settings while the designer runs; the inspector edits them here.

#include "designer/document/papersize.h"

#include "designer-framework/controldesigner.h"

#include "classlib/system/printerorientation.h"

namespace designer {

class TQXPage;
class TReportDescriptor;

// A page's printable width and height: the paper less its margins, in
// hundredths of a millimetre.
struct TPrintableSize {
    int Width = 0;
    int Height = 0;
};
TPrintableSize PrintableSize(const TReportDescriptor& Document);

class TQXPaperBase : public designer_framework::TControlDesigner {
    QX_CLASS(TQXPaperBase, designer_framework::TControlDesigner)
public:
    explicit TQXPaperBase(classlib::TComponent* AOwner);
    ~TQXPaperBase() override;

    TQXPage* Page() const { return FPage; }
    // Lays Page on the paper (nil: none) and relays out.
    void SetPage(TQXPage* Page);

    // Called after every relayout with a page.
    classlib::TNotifyEvent OnChange;

    // Hundredths of a millimetre.
    int LeftMargin() const { return FLeftMargin; }
    int TopMargin() const { return FTopMargin; }
    int RightMargin() const { return FRightMargin; }
    int BottomMargin() const { return FBottomMargin; }
    int PaperWidth() const { return FPaperWidth; }
    int PaperHeight() const { return FPaperHeight; }
    TQXPaperSize PaperSize() const { return FPaperSize; }
    void SetPaperSize(TQXPaperSize Value);
    classlib::TPrinterOrientation Orientation() const { return FOrientation; }
    void SetOrientation(classlib::TPrinterOrientation Value);
    TPrintableSize PrintableSize() const;
    // The margins in pixels at the current scale: left, top, right, bottom.
    int MarginPixels(int Side) const { return FMarginPixels[Side]; }

    // Millimetres, index 1..6: the four margins, the width, the height.
    // "Invalid page layout" for values that leave no printable area,
    // "%f is not a valid positive value" for a negative width or height.
    double GetMM(int Index) const;
    void SetMM(int Index, double Value);

    // The document's paper settings into the window, without the setters'
    // checks; "Invalid page layout" for a document whose settings leave no
    // printable area, and then nothing changes.
    void LoadFromDocument(const TReportDescriptor& Document);
    void SaveToDocument(TReportDescriptor& Document) const;

    // Paper pixels, margin pixels, the page's area and size.
    void Relayout();

    void Loaded() override;

private:
    int& Field(int Index);
    qint64 FieldValue(int Index) const;

    TQXPage* FPage = nullptr;
    int FLeftMargin = 1000;
    int FTopMargin = 1000;
    int FRightMargin = 1000;
    int FBottomMargin = 1000;
    int FPaperWidth = 21000;
    int FPaperHeight = 29700;
    TQXPaperSize FPaperSize = TQXPaperSize::A4;
    classlib::TPrinterOrientation FOrientation = classlib::poPortrait;
    int FMarginPixels[4] = {};
};

class TQXPaper : public TQXPaperBase {
    QX_CLASS(TQXPaper, TQXPaperBase)
public:
    explicit TQXPaper(classlib::TComponent* AOwner);

    void FormCreate(classlib::TObject* Sender);
    void FormDblClick(classlib::TObject* Sender);
};

// Whether the margins leave a printable area of at least 0.01 mm each way
// on a paper of that size.
bool IsValidLayout(qint64 Width, qint64 Height, qint64 Left, qint64 Top, qint64 Right, qint64 Bottom);

} // namespace designer
