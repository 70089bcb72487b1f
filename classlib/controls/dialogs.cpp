#include "classlib/controls/dialogs.h"

#include "classlib/controls/application.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/graphics/font.h"
#include "classlib/system/printers.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include <algorithm>

namespace classlib {

TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons)
{
    static const char* const captions[] = {"Warning", "Error", "Information", "Confirm"};
    TModalRequest request;
    request.Kind = TModalKind::Message;
    request.Caption = DlgType < mtCustom ? QString::fromLatin1(captions[DlgType]) : Application()->Title();
    request.Text = Msg;
    request.DlgType = DlgType;
    request.Buttons = Buttons;
    return RunModal(request);
}

const TClassInfo& TColorDialog::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TColorDialog>("TColorDialog")
        .Prop("Color", &TColorDialog::Color, &TColorDialog::SetColor).Default(clBlack)
        .Prop("CustomColors", &TColorDialog::CustomColors, &TColorDialog::SetCustomColors)
        .Prop("Options", &TColorDialog::Options, &TColorDialog::SetOptions).Default(0)
        .Build();
    return info;
}

TColorDialog::TColorDialog(TComponent* AOwner) : TComponent(AOwner), FCustomColors(new TStringList) {}

TColorDialog::~TColorDialog()
{
    delete FCustomColors;
}

void TColorDialog::SetCustomColors(const TStrings* Value)
{
    FCustomColors->Assign(Value);
}

bool TColorDialog::Execute()
{
    TModalRequest request;
    request.Kind = TModalKind::Color;
    request.Color = FColor;
    for (int i = 0; i < FCustomColors->Count(); ++i)
        request.CustomColors << FCustomColors->Get(i);
    if (RunModal(request) != mrOk)
        return false;
    FColor = request.Color;
    return true;
}

const TClassInfo& TFontDialog::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TFontDialog>("TFontDialog")
        .Prop("Font", &TFontDialog::FFont, &TFontDialog::SetFont)
        .Build();
    return info;
}

TFontDialog::TFontDialog(TComponent* AOwner) : TComponent(AOwner), FFont(new TFont) {}

TFontDialog::~TFontDialog()
{
    delete FFont;
}

void TFontDialog::SetFont(const TFont* Value)
{
    FFont->Assign(Value);
}

bool TFontDialog::Execute()
{
    // The dialog edits a copy, so a cancel leaves the font untouched.
    TFont edited;
    edited.Assign(FFont);
    TModalRequest request;
    request.Kind = TModalKind::Font;
    request.Font = &edited;
    if (RunModal(request) != mrOk)
        return false;
    FFont->Assign(&edited);
    return true;
}

const TClassInfo& TPrintDialog::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPrintDialog>("TPrintDialog")
        .Prop("FromPage", &TPrintDialog::FromPage, &TPrintDialog::SetFromPage).Default(0)
        .Prop("ToPage", &TPrintDialog::ToPage, &TPrintDialog::SetToPage).Default(0)
        .Prop("MinPage", &TPrintDialog::MinPage, &TPrintDialog::SetMinPage).Default(0)
        .Prop("MaxPage", &TPrintDialog::MaxPage, &TPrintDialog::SetMaxPage).Default(0)
        .Prop("Options", &TPrintDialog::Options, &TPrintDialog::SetOptions)
        .Prop("PrintRange", &TPrintDialog::PrintRange, &TPrintDialog::SetPrintRange).Default(prAllPages)
        .Build();
    return info;
}

namespace {

// Where a PDF goes when nobody named a file yet: the documents folder, as
// desktop print dialogs propose it.
QString ProposedPrintFile()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("print.pdf"));
}

} // namespace

bool TPrintDialog::Execute()
{
    TPrinter* printer = Printer();
    TModalRequest request;
    request.Kind = TModalKind::Print;
    request.Caption = QStringLiteral("Print");
    const TStrings& names = printer->Printers();
    for (int i = 0; i < names.Count(); ++i) request.Printers << names.Get(i);
    request.PrinterIndex = printer->PrinterIndex();
    // Without a printer a file is the only place the pages can go.
    if (request.Printers.isEmpty()) request.Text = QStringLiteral("No printer is installed.");
    request.PrintToFile = request.Printers.isEmpty() || !printer->OutputFileName().isEmpty();
    request.FileName = printer->OutputFileName().isEmpty() ? ProposedPrintFile() : printer->OutputFileName();
    request.FromPage = FFromPage;
    request.ToPage = FToPage;
    request.MinPage = FMinPage;
    request.MaxPage = FMaxPage;
    request.PageNums = FOptions.Contains(poPageNums);
    request.PageRange = request.PageNums && FPrintRange == prPageNums;
    if (RunModal(request) != mrOk) return false;
    const bool validPrinter = request.PrinterIndex >= 0 && request.PrinterIndex < request.Printers.size();
    if (request.PrintToFile || !validPrinter) {
        QString file = request.FileName.trimmed();
        // Confirmed without a place to print to is no confirmation.
        if (file.isEmpty()) return false;
        if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".pdf");
        printer->SetOutputFileName(file);
    } else {
        printer->SetOutputFileName(QString());
        if (request.PrinterIndex != printer->PrinterIndex()) printer->SetPrinterIndex(request.PrinterIndex);
    }
    if (request.PageRange && request.PageNums) {
        // Whoever answered, the range stays one the caller can print.
        const int high = std::max(FMinPage, FMaxPage);
        FFromPage = std::clamp(request.FromPage, FMinPage, high);
        FToPage = std::clamp(request.ToPage, FFromPage, high);
        FPrintRange = prPageNums;
    } else {
        FPrintRange = prAllPages;
    }
    return true;
}

} // namespace classlib
