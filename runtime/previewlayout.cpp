#include "runtime/previewlayout.h"

#include "classlib/core/sysutils.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace runtime {

namespace {

// How many pages of side Page at zoom Z fit along Client pixels; at least 1.
int PagesThatFit(int Client, double Page, double Z)
{
    const double n = std::trunc((double(Client) - PreviewGap) / (Page * Z + PreviewBorder + PreviewGap));
    return n < 1 ? 1 : int(std::min(n, double(INT_MAX)));
}

int GridSize(int Count, int Leaf)
{
    const qint64 s = qint64(Count) * (qint64(Leaf) + PreviewBorder) + (qint64(Count) - 1) * PreviewGap;
    return int(std::min<qint64>(s, INT_MAX));
}

} // namespace

TPreviewLayout CalcPreviewLayout(const TPreviewLayoutInput& In)
{
    TPreviewLayout L;
    const int dw = std::max(In.ClientWidth, 0);
    const int dh = std::max(In.ClientHeight, 0);
    const double pw = std::max(In.PageWidth, 1);
    const double ph = std::max(In.PageHeight, 1);
    const int c = std::max(In.Columns, 1);
    const int r = std::max(In.Rows, 1);

    const double zmin = std::min(PreviewMinPagePixels / pw, PreviewMinPagePixels / ph);
    const double zmax = PreviewMaxPagePixels / std::max(pw, ph);
    L.MinZoom = zmin;
    L.MaxColumns = PagesThatFit(dw, pw, zmin);
    L.MaxRows = PagesThatFit(dh, ph, zmin);

    if (In.Style == psLayout) {
        L.Columns = std::min(c, L.MaxColumns);
        L.Rows = std::min(r, L.MaxRows);
        const double zw = (double(dw) - (L.Columns + 1.0) * PreviewGap - double(L.Columns) * PreviewBorder) /
                          (pw * L.Columns);
        const double zh = (double(dh) - (L.Rows + 1.0) * PreviewGap - double(L.Rows) * PreviewBorder) /
                          (ph * L.Rows);
        L.Zoom = std::clamp(std::min(zw, zh), zmin, std::max(zmin, zmax));
    } else if (In.Zoom >= zmin) {  // false for NaN as well
        L.Zoom = std::min(In.Zoom, std::max(zmin, zmax));
        L.Columns = std::min(PagesThatFit(dw, pw, L.Zoom), c);
        L.Rows = std::min(PagesThatFit(dh, ph, L.Zoom), r);
    } else {
        L.Zoom = zmin;
        L.ZoomRaised = true;
        L.Columns = std::min(c, L.MaxColumns);
        L.Rows = std::min(r, L.MaxRows);
    }

    L.LeafWidth = classlib::Round(pw * L.Zoom);
    L.LeafHeight = classlib::Round(ph * L.Zoom);
    L.GridWidth = GridSize(L.Columns, L.LeafWidth);
    L.GridHeight = GridSize(L.Rows, L.LeafHeight);
    const int pages = std::max(In.PageCount, 0);
    L.LineCount = pages / L.Columns + (pages % L.Columns ? 1 : 0);
    return L;
}

bool IsPreviewRowScroll(const TPreviewLayout& Layout, int ClientHeight)
{
    return (Layout.Rows > 1 || Layout.Columns > 1) &&
           qint64(ClientHeight) >= 2 * qint64(PreviewGap) + Layout.GridHeight;
}

} // namespace runtime
