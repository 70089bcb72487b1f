#pragma once

// The printer object: one print job at a time on the default (or a chosen)
// printer through CUPS, or into a PDF file. A job is spooled to a temporary
// PDF; EndDoc hands it to CUPS or renames it over the output file, Abort
// throws it away, so an aborted or failed job never prints half a document
// and never replaces an older output file.
//
// Needs the application object (QGuiApplication): printer names and paper
// come from Qt's print support.

#include "classlib/core/sysutils.h"
#include "classlib/graphics/devicecontext.h"
#include "classlib/system/printerorientation.h"

#include <QPageLayout>
#include <QString>

#include <memory>

class QPainter;
class QPrinter;

namespace classlib {

class TCanvas;
class TPainterDC;
class TStringList;
class TStrings;

class EPrinter : public Exception { public: using Exception::Exception; };

class TPrinter : public TObject {
public:
    TPrinter();
    // A job still open is aborted.
    ~TPrinter() override;

    // Names of the installed printers, read when first asked for.
    const TStrings& Printers() const;
    // The selected printer; the default printer's index while none is
    // chosen, -1 when there is no printer at all.
    int PrinterIndex() const;
    // -1 selects the default printer. EPrinter "Printer index out of range"
    // for any other index outside Printers; paper, margins, resolution and
    // colour mode follow the printer.
    void SetPrinterIndex(int Value);

    // Non-empty: the job goes into this PDF file instead of a printer.
    QString OutputFileName() const { return FOutputFileName; }
    void SetOutputFileName(const QString& Value);

    // The job's name in the spooler, the PDF's title.
    QString Title() const { return FTitle; }
    void SetTitle(const QString& Value) { FTitle = Value; }
    // At least 1; a PDF file holds one copy.
    int Copies() const { return FCopies; }
    void SetCopies(int Value);
    TPrinterOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TPrinterOrientation Value);
    // A monochrome device reports NUMCOLORS 2 and prints in grey.
    bool Monochrome() const;
    void SetMonochrome(bool Value);

    // Changing the printer, output, copies, orientation or colour mode
    // while printing raises EPrinter "Printing in progress".
    // BeginDoc: EPrinter "Printing in progress" when a job is open, "There
    // is no default printer currently selected" without printer and output
    // file, and a message naming the cause when the output cannot be
    // opened; then nothing is left open.
    void BeginDoc();
    // Finishes the job. A failure to hand it on raises EPrinter; the job is
    // closed either way.
    void EndDoc();
    void NewPage();
    // Ends the job without output.
    void Abort();
    // EndDoc, NewPage, Abort and Canvas outside a job: EPrinter "Printer is
    // not currently printing".

    bool Aborted() const { return FAborted; }  // the last job was aborted
    bool Printing() const { return FJob != nullptr; }
    int PageNumber() const { return FPageNumber; }  // 1-based, 0 outside a job

    // The printable area in device pixels.
    int PageWidth() const;
    int PageHeight() const;
    // What the printer's device context reports.
    TDeviceCaps DeviceCaps() const;
    // Valid between BeginDoc and EndDoc.
    TCanvas* Canvas() const;

private:
    struct TJob;
    void CheckPrinting(bool Value) const;
    void LoadPrinters() const;
    void LoadSetup() const;  // paper and colour of the selected printer
    QString SelectedName() const;
    QPageLayout Layout() const;  // the selected paper in the chosen orientation
    void CloseJob();  // ends the painter and forgets the job; keeps files

    mutable std::unique_ptr<TStringList> FPrinters;
    mutable int FDefaultIndex = -1;
    int FPrinterIndex = -1;
    mutable bool FSetupLoaded = false;
    mutable QPageLayout FLayout;
    mutable int FResolution = 0;
    mutable bool FMonochrome = false;
    QString FOutputFileName;
    QString FTitle;
    int FCopies = 1;
    TPrinterOrientation FOrientation = poPortrait;
    bool FAborted = false;
    int FPageNumber = 0;
    std::unique_ptr<TJob> FJob;
    std::unique_ptr<TCanvas> FCanvas;  // kept between jobs, like its font
};

// The process's printer, created on first use.
TPrinter* Printer();
// Installs NewPrinter (owned from now on; null: a fresh one on next use)
// and returns the previous printer, which the caller then owns.
TPrinter* SetPrinter(TPrinter* NewPrinter);

} // namespace classlib
