#include "designer-framework/dragline.h"

#include <algorithm>

namespace designer_framework {

using namespace classlib;

TPoint TLine::From() const
{
    return Kind == Horizontal ? Point(Start + 1, Pos) : Point(Pos, Start);
}

TPoint TLine::To() const
{
    return Kind == Horizontal ? Point(Stop, Pos) : Point(Pos, Stop + 1);
}

void AddRectLines(TLines& Lines, const TRect& R)
{
    Lines.append({TLine::Horizontal, R.Top, R.Left, R.Right});
    Lines.append({TLine::Horizontal, R.Bottom, R.Left, R.Right});
    Lines.append({TLine::Vertical, R.Left, R.Top, R.Bottom});
    Lines.append({TLine::Vertical, R.Right, R.Top, R.Bottom});
}

void MergeLines(TLines& Lines)
{
    for (qsizetype i = Lines.size() - 1; i >= 0; --i) {
        for (qsizetype j = Lines.size() - 1; j > i; --j) {
            TLine& a = Lines[i];
            const TLine& b = Lines[j];
            if (a.Kind != b.Kind || a.Pos != b.Pos || b.Stop < a.Start || a.Stop < b.Start) continue;
            a.Start = std::min(a.Start, b.Start);
            a.Stop = std::max(a.Stop, b.Stop);
            Lines.removeAt(j);
        }
    }
}

} // namespace designer_framework
