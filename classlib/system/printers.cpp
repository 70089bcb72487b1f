#include "classlib/system/printers.h"

#include "classlib/core/streams.h"
#include "classlib/core/stringlist.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/painterdc.h"
#include "classlib/system/cupsspool.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cmath>

namespace classlib {

struct TPrinter::TJob {
    QString SpoolFile;
    QString PrinterName;  // empty when printing to a file
    bool ToFile = false;
    std::unique_ptr<QPrinter> Device;
    QPainter Painter;
    std::unique_ptr<TPainterDC> DC;
};

namespace {

TDeviceCaps CapsOf(const QPageLayout& Layout, int Resolution, bool Monochrome)
{
    TDeviceCaps c;
    c.Technology = DT_RASPRINTER;
    const QRect paint = Layout.paintRectPixels(Resolution);
    const QRect full = Layout.fullRectPixels(Resolution);
    const QRectF mm = Layout.paintRect(QPageLayout::Millimeter);
    c.HorzRes = paint.width();
    c.VertRes = paint.height();
    c.HorzSizeMM = int(std::nearbyint(mm.width()));
    c.VertSizeMM = int(std::nearbyint(mm.height()));
    c.LogPixelsX = c.LogPixelsY = Resolution;
    c.BitsPixel = Monochrome ? 1 : 24;
    c.NumColors = Monochrome ? 2 : -1;
    c.PhysicalWidth = full.width();
    c.PhysicalHeight = full.height();
    c.PhysicalOffsetX = paint.left();
    c.PhysicalOffsetY = paint.top();
    return c;
}

void RemoveSpool(const QString& File)
{
    if (!File.isEmpty())
        QFile::remove(File);
}

// The spool is the engine's scratch; the output file is written by the
// save that checks every step and keeps an older file on failure.
void SaveSpoolAs(const QString& Spool, const QString& FileName)
{
    TMemoryStream bytes;
    bytes.LoadFromFile(Spool);
    bytes.SaveToFile(FileName);
}

} // namespace

TPrinter::TPrinter() = default;

TPrinter::~TPrinter()
{
    if (FJob) {
        const QString spool = FJob->SpoolFile;
        CloseJob();
        RemoveSpool(spool);
    }
}

void TPrinter::CheckPrinting(bool Value) const
{
    if (Printing() == Value)
        return;
    if (Value)
        throw EPrinter(QStringLiteral("Printer is not currently printing"));
    throw EPrinter(QStringLiteral("Printing in progress"));
}

// --- printers and setup ------------------------------------------------------

void TPrinter::LoadPrinters() const
{
    if (FPrinters)
        return;
    FPrinters = std::make_unique<TStringList>();
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        FPrinters->Add(name);
    const QString def = QPrinterInfo::defaultPrinterName();
    FDefaultIndex = def.isEmpty() ? -1 : FPrinters->IndexOf(def);
}

const TStrings& TPrinter::Printers() const
{
    LoadPrinters();
    return *FPrinters;
}

int TPrinter::PrinterIndex() const
{
    LoadPrinters();
    return FPrinterIndex >= 0 ? FPrinterIndex : FDefaultIndex;
}

void TPrinter::SetPrinterIndex(int Value)
{
    CheckPrinting(false);
    LoadPrinters();
    if (Value < -1 || Value >= FPrinters->Count())
        throw EPrinter(QStringLiteral("Printer index out of range"));
    FPrinterIndex = Value;
    FSetupLoaded = false;
}

QString TPrinter::SelectedName() const
{
    const int i = PrinterIndex();
    return i >= 0 ? FPrinters->Get(i) : QString();
}

void TPrinter::LoadSetup() const
{
    if (FSetupLoaded)
        return;
    const QString name = SelectedName();
    if (!name.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        const QPrinter probe(info, QPrinter::HighResolution);
        FLayout = probe.pageLayout();
        FResolution = probe.resolution();
        const QList<QPrinter::ColorMode> modes = info.supportedColorModes();
        FMonochrome = !modes.isEmpty() && !modes.contains(QPrinter::Color);
    } else {
        // Only a PDF file can be written: it has no unprintable edge.
        const QPrinter probe(QPrinter::HighResolution);
        FLayout = probe.pageLayout();
        FLayout.setMargins(QMarginsF());
        FResolution = probe.resolution();
        FMonochrome = false;
    }
    if (FResolution <= 0)
        FResolution = 300;
    FSetupLoaded = true;
}

QPageLayout TPrinter::Layout() const
{
    LoadSetup();
    QPageLayout l = FLayout;
    l.setOrientation(FOrientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return l;
}

void TPrinter::SetOutputFileName(const QString& Value)
{
    CheckPrinting(false);
    FOutputFileName = Value;
}

void TPrinter::SetCopies(int Value)
{
    CheckPrinting(false);
    if (Value < 1)
        throw EPrinter(QStringLiteral("Invalid number of copies: %1").arg(Value));
    FCopies = Value;
}

void TPrinter::SetOrientation(TPrinterOrientation Value)
{
    CheckPrinting(false);
    FOrientation = Value;
}

bool TPrinter::Monochrome() const
{
    LoadSetup();
    return FMonochrome;
}

void TPrinter::SetMonochrome(bool Value)
{
    CheckPrinting(false);
    LoadSetup();
    FMonochrome = Value;
}

// --- metrics -----------------------------------------------------------------

TDeviceCaps TPrinter::DeviceCaps() const
{
    if (FJob) {
        TDeviceCaps c = CapsOf(FJob->Device->pageLayout(), FJob->Device->resolution(), FMonochrome);
        // What the painter really covers, should Qt round differently.
        c.HorzRes = FJob->Device->width();
        c.VertRes = FJob->Device->height();
        return c;
    }
    LoadSetup();
    return CapsOf(Layout(), FResolution, FMonochrome);
}

int TPrinter::PageWidth() const
{
    return DeviceCaps().HorzRes;
}

int TPrinter::PageHeight() const
{
    return DeviceCaps().VertRes;
}

TCanvas* TPrinter::Canvas() const
{
    CheckPrinting(true);
    return FCanvas.get();
}

// --- the job -----------------------------------------------------------------

void TPrinter::BeginDoc()
{
    CheckPrinting(false);
    const QString printer = SelectedName();
    if (FOutputFileName.isEmpty() && printer.isEmpty())
        throw EPrinter(QStringLiteral("There is no default printer currently selected"));
    const QPageLayout layout = Layout();

    auto job = std::make_unique<TJob>();
    job->ToFile = !FOutputFileName.isEmpty();
    if (!job->ToFile)
        job->PrinterName = printer;
    {
        // Beside the output file, so that a folder that cannot take it fails
        // before the first page.
        QTemporaryFile spool(job->ToFile ? FOutputFileName + QStringLiteral(".XXXXXX")
                                         : QDir::tempPath() + QStringLiteral("/qxprint-XXXXXX.pdf"));
        spool.setAutoRemove(false);
        if (!spool.open()) {
            if (job->ToFile)
                throw EPrinter(QStringLiteral("Cannot create the output file \"%1\": %2")
                                   .arg(FOutputFileName, spool.errorString()));
            throw EPrinter(QStringLiteral("Cannot create a spool file for printing: %1").arg(spool.errorString()));
        }
        job->SpoolFile = spool.fileName();
    }

    auto fail = [&](const QString& Why) {
        job->DC.reset();
        if (job->Painter.isActive())
            job->Painter.end();
        job->Device.reset();
        RemoveSpool(job->SpoolFile);
        throw EPrinter(Why);
    };

    job->Device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& dev = *job->Device;
    dev.setOutputFormat(QPrinter::PdfFormat);
    dev.setOutputFileName(job->SpoolFile);
    dev.setResolution(FResolution);
    dev.setFullPage(false);
    if (!dev.setPageLayout(layout))
        fail(QStringLiteral("The printer does not accept its page layout"));
    dev.setColorMode(FMonochrome ? QPrinter::GrayScale : QPrinter::Color);
    dev.setDocName(FTitle);
    if (!job->Painter.begin(&dev))
        fail(job->ToFile ? QStringLiteral("Cannot write the output file \"%1\"").arg(FOutputFileName)
                         : QStringLiteral("Cannot start printing on \"%1\"").arg(printer));

    job->DC = std::make_unique<TPainterDC>(&job->Painter);
    FJob = std::move(job);
    FJob->DC->SetDeviceCaps(DeviceCaps());
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>();
    // Font sizes in points stay points on paper.
    TFont* font = FCanvas->Font();
    const int size = font->Size();
    font->SetPixelsPerInch(FJob->Device->resolution());
    font->SetSize(size);
    FCanvas->SetHandle(FJob->DC.get());
    FAborted = false;
    FPageNumber = 1;
}

void TPrinter::CloseJob()
{
    if (FCanvas)
        FCanvas->SetHandle(nullptr);
    FJob->DC.reset();
    if (FJob->Painter.isActive())
        FJob->Painter.end();
    FJob.reset();
    FPageNumber = 0;
}

void TPrinter::NewPage()
{
    CheckPrinting(true);
    if (!FJob->Device->newPage()) {
        Abort();
        throw EPrinter(QStringLiteral("Cannot start a new page; the print job was aborted"));
    }
    ++FPageNumber;
    FCanvas->Refresh();
}

void TPrinter::Abort()
{
    CheckPrinting(true);
    const QString spool = FJob->SpoolFile;
    CloseJob();
    RemoveSpool(spool);
    FAborted = true;
}

void TPrinter::EndDoc()
{
    CheckPrinting(true);
    const QString spool = FJob->SpoolFile;
    const bool toFile = FJob->ToFile;
    const QString printer = FJob->PrinterName;
    FCanvas->SetHandle(nullptr);
    FJob->DC.reset();
    bool ok = FJob->Painter.end();
    ok = ok && FJob->Device->printerState() != QPrinter::Error;
    const QString media = FJob->Device->pageLayout().pageSize().key();
    CloseJob();

    if (!ok) {
        RemoveSpool(spool);
        throw EPrinter(QStringLiteral("Printing failed: the document could not be written"));
    }
    try {
        if (toFile)
            SaveSpoolAs(spool, FOutputFileName);
        else
            SubmitToCups(printer, spool, FTitle, FCopies, media);
    } catch (...) {
        RemoveSpool(spool);
        throw;
    }
    RemoveSpool(spool);
}

// --- the process's printer ---------------------------------------------------

namespace {

struct TGlobalPrinter {
    TPrinter* Printer = nullptr;
    ~TGlobalPrinter() { delete Printer; }
};

TGlobalPrinter& Global()
{
    static TGlobalPrinter g;
    return g;
}

} // namespace

TPrinter* Printer()
{
    TGlobalPrinter& g = Global();
    if (!g.Printer)
        g.Printer = new TPrinter;
    return g.Printer;
}

TPrinter* SetPrinter(TPrinter* NewPrinter)
{
    TGlobalPrinter& g = Global();
    TPrinter* old = g.Printer;
    g.Printer = NewPrinter;
    return old;
}

} // namespace classlib
