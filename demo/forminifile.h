#pragma once

// The demo's window: a preview of a master-detail report (countries and
// their producers) read from "countries.ini" and "producers.ini" in the
// current directory. The report and its event bindings are stored in the
// form's stream; this code only feeds the rows.

#include "classlib/controls/form.h"

#include <memory>

namespace classlib {
class TPanel;
class TSpeedButton;
class TStringList;
}

namespace runtime {
class TQXPreview;
class TQXReport;
}

namespace demo {

class TTextButton;

class TFormINIFile : public classlib::TForm {
    QX_CLASS(TFormINIFile, classlib::TForm)
public:
    explicit TFormINIFile(classlib::TComponent* AOwner);
    ~TFormINIFile() override;

    classlib::TPanel* PanelPreview = nullptr;
    classlib::TPanel* ToolBarPreview = nullptr;
    classlib::TSpeedButton* ToolButtonPrint = nullptr;
    classlib::TSpeedButton* ToolButtonFirst = nullptr;
    classlib::TSpeedButton* ToolButtonPrev = nullptr;
    classlib::TSpeedButton* ToolButtonNext = nullptr;
    classlib::TSpeedButton* ToolButtonLast = nullptr;
    classlib::TSpeedButton* ToolButtonZoomIn = nullptr;
    classlib::TSpeedButton* ToolButtonZoomOut = nullptr;
    TTextButton* ButtonPreview = nullptr;
    runtime::TQXPreview* Preview = nullptr;
    runtime::TQXReport* ReportINIFile = nullptr;  // from the form's stream

    void FormCreate(classlib::TObject* Sender);
    void FormDestroy(classlib::TObject* Sender);
    void ButtonPreviewClick(classlib::TObject* Sender);
    void ToolButtonPrintClick(classlib::TObject* Sender);
    void ToolButtonFirstClick(classlib::TObject* Sender);
    void ToolButtonPrevClick(classlib::TObject* Sender);
    void ToolButtonNextClick(classlib::TObject* Sender);
    void ToolButtonLastClick(classlib::TObject* Sender);
    void ToolButtonZoomInClick(classlib::TObject* Sender);
    void ToolButtonZoomOutClick(classlib::TObject* Sender);
    void ReportINIFileBeforeReport(classlib::TObject* Sender);
    void ReportINIFileReportPageBandCountriesAskData(classlib::TObject* Sender, bool& NeedData);
    void ReportINIFileReportPageLabelCountriesGetText(classlib::TObject* Sender, QString& Text);
    void ReportINIFileReportPageBandNamesAskData(classlib::TObject* Sender, bool& NeedData);
    void ReportINIFileReportPageLabelNamesGetText(classlib::TObject* Sender, QString& Text);

protected:
    void Resize() override;

private:
    void CreateControls();
    classlib::TSpeedButton* AddToolButton(int& X, const char* Name, const QString& Hint, int Image,
                                          const char16_t* Handler);

    std::unique_ptr<classlib::TStringList> FCountries;
    std::unique_ptr<classlib::TStringList> FProducers;
    std::unique_ptr<classlib::TStringList> FNames;
    // The row being printed; -1 before the first. AskData advances them,
    // GetText only reads, so a row repeated on a new page keeps its text.
    int FCountryIndex = -1;
    int FNamesIndex = -1;
};

// Makes the form's stored stream known to the forms (from the program's
// embedded resources).
void RegisterFormINIFile();

} // namespace demo
