#include "demo/forminifile.h"

#include "demo/formstream.h"
#include "demo/inidata.h"
#include "demo/textbutton.h"
#include "demo/toolglyphs.h"

#include "runtime/preview.h"
#include "runtime/report.h"

#include "classlib/controls/dialogs.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/system/printers.h"

#include <QDir>

using namespace classlib;
using namespace runtime;

namespace demo {

namespace {

constexpr int ToolBarHeight = 24;
constexpr int ToolButtonWidth = 23;
constexpr int ToolButtonHeight = 22;
constexpr int SeparatorWidth = 8;
constexpr double ZoomStep = 0.5;

QString InputFile(const char* Name)
{
    // Named in full so that a message about it says where it was looked for.
    return QDir::current().absoluteFilePath(QString::fromLatin1(Name));
}

} // namespace

void RegisterFormINIFile()
{
    RegisterFormResource(QStringLiteral("TFormINIFile"), FormINIFileStream());
}

const TClassInfo& TFormINIFile::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TFormINIFile>("TFormINIFile")
        .Field("ReportINIFile", &TFormINIFile::ReportINIFile)
        .Method("FormCreate", &TFormINIFile::FormCreate)
        .Method("FormDestroy", &TFormINIFile::FormDestroy)
        .Method("ButtonPreviewClick", &TFormINIFile::ButtonPreviewClick)
        .Method("ToolButtonPrintClick", &TFormINIFile::ToolButtonPrintClick)
        .Method("ToolButtonFirstClick", &TFormINIFile::ToolButtonFirstClick)
        .Method("ToolButtonPrevClick", &TFormINIFile::ToolButtonPrevClick)
        .Method("ToolButtonNextClick", &TFormINIFile::ToolButtonNextClick)
        .Method("ToolButtonLastClick", &TFormINIFile::ToolButtonLastClick)
        .Method("ToolButtonZoomInClick", &TFormINIFile::ToolButtonZoomInClick)
        .Method("ToolButtonZoomOutClick", &TFormINIFile::ToolButtonZoomOutClick)
        .Method("ReportINIFileBeforeReport", &TFormINIFile::ReportINIFileBeforeReport)
        .Method("ReportINIFileReportPageBandCountriesAskData",
                &TFormINIFile::ReportINIFileReportPageBandCountriesAskData)
        .Method("ReportINIFileReportPageLabelCountriesGetText",
                &TFormINIFile::ReportINIFileReportPageLabelCountriesGetText)
        .Method("ReportINIFileReportPageBandNamesAskData",
                &TFormINIFile::ReportINIFileReportPageBandNamesAskData)
        .Method("ReportINIFileReportPageLabelNamesGetText",
                &TFormINIFile::ReportINIFileReportPageLabelNamesGetText)
        .Build();
    return info;
}

TFormINIFile::TFormINIFile(TComponent* AOwner) : TForm(AOwner)
{
    CreateControls();
    InitForm();
    Preview->SetReport(ReportINIFile);
}

TFormINIFile::~TFormINIFile()
{
    DoDestroy();
}

TSpeedButton* TFormINIFile::AddToolButton(int& X, const char* Name, const QString& Hint, int Image,
                                          const char16_t* Handler)
{
    auto* b = new TSpeedButton(this);
    b->SetName(QString::fromLatin1(Name));
    b->SetParent(ToolBarPreview);
    b->SetBounds(X, 1, ToolButtonWidth, ToolButtonHeight);
    TBitmap glyph;
    glyph.SetImage(ToolGlyph(Image));
    b->SetGlyph(&glyph);
    b->Widget()->setToolTip(Hint);
    b->OnClick = TMethod{StaticClass().FindMethod(Handler), this};
    X += ToolButtonWidth;
    return b;
}

void TFormINIFile::CreateControls()
{
    PanelPreview = new TPanel(this);
    PanelPreview->SetName(QStringLiteral("PanelPreview"));
    PanelPreview->SetBevelOuter(bvNone);
    PanelPreview->SetParent(this);

    ToolBarPreview = new TPanel(this);
    ToolBarPreview->SetName(QStringLiteral("ToolBarPreview"));
    ToolBarPreview->SetBevelOuter(bvNone);
    ToolBarPreview->SetParent(PanelPreview);

    int x = 0;
    ToolButtonPrint = AddToolButton(x, "ToolButtonPrint", QStringLiteral("Print"), 0,
                                    u"ToolButtonPrintClick");
    x += SeparatorWidth;
    ToolButtonFirst = AddToolButton(x, "ToolButtonFirst", QStringLiteral("First"), 1,
                                    u"ToolButtonFirstClick");
    ToolButtonPrev = AddToolButton(x, "ToolButtonPrev", QStringLiteral("Previous"), 2,
                                   u"ToolButtonPrevClick");
    ToolButtonNext = AddToolButton(x, "ToolButtonNext", QStringLiteral("Next"), 3,
                                   u"ToolButtonNextClick");
    ToolButtonLast = AddToolButton(x, "ToolButtonLast", QStringLiteral("Last"), 4,
                                   u"ToolButtonLastClick");
    x += SeparatorWidth;
    ToolButtonZoomIn = AddToolButton(x, "ToolButtonZoomIn", QStringLiteral("Zoom In"), 5,
                                     u"ToolButtonZoomInClick");
    ToolButtonZoomOut = AddToolButton(x, "ToolButtonZoomOut", QStringLiteral("Zoom Out"), 6,
                                      u"ToolButtonZoomOutClick");
    x += SeparatorWidth;
    ButtonPreview = new TTextButton(this);
    ButtonPreview->SetName(QStringLiteral("ButtonPreview"));
    ButtonPreview->SetParent(ToolBarPreview);
    ButtonPreview->SetBounds(x, 1, 83, 22);
    ButtonPreview->SetCaption(QStringLiteral("Make preview"));
    ButtonPreview->Widget()->setToolTip(QStringLiteral("Make preview"));
    ButtonPreview->OnClick = TMethod{StaticClass().FindMethod(u"ButtonPreviewClick"), this};

    Preview = new TQXPreview(this);
    Preview->SetName(QStringLiteral("Preview"));
    Preview->SetParent(PanelPreview);
    Preview->SetZoom(1.0);
    Preview->SetColumns(1);
    Preview->SetRows(1);
    Preview->SetShowPageHint(true);
    Preview->SetPreviewStyle(psZoom);
    Preview->SetBorderStyle(bsSingle);
    Resize();
}

void TFormINIFile::Resize()
{
    TForm::Resize();
    if (!Preview)
        return;
    PanelPreview->SetBounds(0, 0, ClientWidth(), ClientHeight());
    const int w = PanelPreview->ClientWidth();
    const int h = PanelPreview->ClientHeight();
    ToolBarPreview->SetBounds(0, 0, w, ToolBarHeight);
    Preview->SetBounds(0, ToolBarHeight, w, std::max(h - ToolBarHeight, 0));
}

void TFormINIFile::FormCreate(TObject*)
{
    FCountries = std::make_unique<TStringList>();
    FProducers = std::make_unique<TStringList>();
    FNames = std::make_unique<TStringList>();
}

void TFormINIFile::FormDestroy(TObject*)
{
    FNames.reset();
    FProducers.reset();
    FCountries.reset();
}

void TFormINIFile::ButtonPreviewClick(TObject*)
{
    if (ReportINIFile)
        ReportINIFile->Prepare();
}

void TFormINIFile::ToolButtonPrintClick(TObject*)
{
    if (!ReportINIFile)
        return;
    // With no printer installed the pages can still go into a PDF file: the
    // print dialog asks for it, once there are pages to print.
    TPrinter* printer = Printer();
    if (ReportINIFile->PageCount() > 0 && printer->Printers().Count() == 0 && printer->OutputFileName().isEmpty()) {
        TPrintDialog dialog(nullptr);
        if (!dialog.Execute())
            return;
    }
    ReportINIFile->Print();
}

void TFormINIFile::ToolButtonFirstClick(TObject*)
{
    Preview->FirstLine();
}

void TFormINIFile::ToolButtonPrevClick(TObject*)
{
    Preview->PrevPage();
}

void TFormINIFile::ToolButtonNextClick(TObject*)
{
    Preview->NextPage();
}

void TFormINIFile::ToolButtonLastClick(TObject*)
{
    Preview->LastLine();
}

void TFormINIFile::ToolButtonZoomInClick(TObject*)
{
    Preview->SetZoom(Preview->Zoom() + ZoomStep);
}

void TFormINIFile::ToolButtonZoomOutClick(TObject*)
{
    // A zoom of 0 or below would leave no page to see.
    if (Preview->Zoom() - ZoomStep >= ZoomStep)
        Preview->SetZoom(Preview->Zoom() - ZoomStep);
}

void TFormINIFile::ReportINIFileBeforeReport(TObject*)
{
    FCountryIndex = -1;
    FNamesIndex = -1;
    FNames->Clear();
    FCountries->Clear();
    FProducers->Clear();
    LoadValues(InputFile("countries.ini"), 2, *FCountries);
    LoadValues(InputFile("producers.ini"), 4, *FProducers);
}

void TFormINIFile::ReportINIFileReportPageBandCountriesAskData(TObject*, bool& NeedData)
{
    NeedData = FCountryIndex + 1 < FCountries->Count();
    if (!NeedData)
        return;
    ++FCountryIndex;
    ProducersOf(*FProducers, FCountryIndex, *FNames);
    FNamesIndex = -1;
}

void TFormINIFile::ReportINIFileReportPageLabelCountriesGetText(TObject*, QString& Text)
{
    if (FCountryIndex >= 0 && FCountryIndex < FCountries->Count())
        Text = (*FCountries)[FCountryIndex];
}

void TFormINIFile::ReportINIFileReportPageBandNamesAskData(TObject*, bool& NeedData)
{
    NeedData = FNamesIndex + 1 < FNames->Count();
    if (NeedData)
        ++FNamesIndex;
}

void TFormINIFile::ReportINIFileReportPageLabelNamesGetText(TObject*, QString& Text)
{
    if (FNamesIndex >= 0 && FNamesIndex < FNames->Count())
        Text = (*FNames)[FNamesIndex];
}

} // namespace demo
