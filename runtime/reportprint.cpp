// Printing the output pages: each page played record by record onto the
// printer, with coloured text forced to black where the device has only
// one or two colours.

#include "runtime/report.h"

#include "classlib/graphics/canvas.h"
#include "classlib/graphics/color.h"
#include "classlib/graphics/gdiconsts.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafileplayer.h"
#include "classlib/system/printers.h"

namespace runtime {

using namespace classlib;

void TQXReport::Print()
{
    bool any = false;
    for (int n = 1; n <= PageCount() && !any; ++n) any = InPrintRange(n);
    // Without a page to print no job is started (an empty one would still
    // come out of the printer or replace the output file).
    if (!any) return;

    TPrinter* printer = Printer();
    printer->SetTitle(FTitle);
    printer->BeginDoc();
    try {
        int printed = 0;
        for (int n = 1; n <= PageCount(); ++n) {
            if (!InPrintRange(n)) continue;
            if (printed > 0) printer->NewPage();
            DrawPage(*printer->Canvas(), TRect{0, 0, printer->PageWidth(), printer->PageHeight()},
                     GetPage(n - 1));
            ++printed;
        }
    } catch (...) {
        // Half a job is thrown away, never left open.
        if (printer->Printing()) printer->Abort();
        throw;
    }
    printer->EndDoc();
}

void TQXReport::DrawPage(TCanvas& Canvas, const TRect& Rect, TMetafile* Page)
{
    if (!Page) return;
    // The player takes an inclusive rectangle.
    TRect r = Rect;
    r.Right -= 1;
    r.Bottom -= 1;
    TDeviceContext& dc = Canvas.DC();
    const int colours = dc.GetDeviceCaps(NUMCOLORS);
    const bool mono = colours == 1 || colours == 2;
    EnumEnhMetaFile(dc, *Page, r, [&](TEnhMetaPlayer& Player, const emf::TEmfRecord& Record) {
        Player.PlayRecord(Record);
        if (mono && Record.Type() == emf::EMR_SETTEXTCOLOR) Player.DC().SetTextColor(ColorToRGB(clBlack));
        return true;
    });
}

} // namespace runtime
