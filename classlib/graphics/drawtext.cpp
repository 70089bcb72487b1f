#include "classlib/graphics/drawtext.h"

#include "classlib/graphics/canvas.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <vector>

namespace classlib {

namespace {

// Logical coordinates of the layout, computed wide and kept inside int.
int Coord(qint64 V)
{
    return int(std::clamp<qint64>(V, -(qint64(1) << 30), qint64(1) << 30));
}

struct TLine {
    QString Text;
    std::vector<int> Underlined;  // indexes into Text
};

class TTextFormatter {
public:
    TTextFormatter(TDeviceContext& DC, unsigned Format) : FDC(DC), FFormat(Format)
    {
        if (Format & DT_EXPANDTABS)
            FTabWidth = std::max(1, Coord(8 * qint64(DC.GetTextMetrics().AveCharWidth)));
    }

    // Width in logical units, tabs expanded when asked.
    int Width(const QString& S) const
    {
        if (!(FFormat & DT_EXPANDTABS) || !S.contains(QLatin1Char('\t')))
            return FDC.GetTextExtent(S).cx;
        qint64 x = 0;
        const QStringList parts = S.split(QLatin1Char('\t'));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            x = Coord(x + FDC.GetTextExtent(parts[i]).cx);
            if (i + 1 < parts.size())
                x = Coord((qint64(x) / FTabWidth + 1) * FTabWidth);
        }
        return int(x);
    }

    // Paragraph -> lines that fit MaxWidth, breaking at spaces. The words
    // that fit are found by searching, so long paragraphs are measured a few
    // times per line rather than once per word.
    void Break(const TLine& Para, int MaxWidth, std::vector<TLine>& Out) const
    {
        const QString& t = Para.Text;
        const qsizetype n = t.size();
        auto isSpace = [&](qsizetype i) { return t[i] == QLatin1Char(' '); };
        // Words as [begin, end); a paragraph's leading spaces belong to its first word.
        std::vector<std::pair<qsizetype, qsizetype>> words;
        for (qsizetype i = 0; i < n;) {
            const qsizetype b = i;
            if (words.empty())
                while (i < n && isSpace(i))
                    ++i;
            while (i < n && !isSpace(i))
                ++i;
            words.emplace_back(b, i);
            while (i < n && isSpace(i))
                ++i;
        }
        if (words.empty()) {
            Out.push_back(Para);
            return;
        }
        size_t w = 0;
        while (w < words.size()) {
            const qsizetype begin = words[w].first;
            auto fits = [&](size_t k) { return Width(t.mid(begin, words[k].second - begin)) <= MaxWidth; };
            // Gallop to a word that no longer fits, then bisect: the probes
            // stay within about twice the line's length.
            size_t lo = w, hi = words.size() - 1, step = 1;
            while (lo < hi) {
                const size_t probe = std::min(hi, lo + step);
                if (!fits(probe)) {
                    hi = probe - 1;
                    break;
                }
                lo = probe;
                step *= 2;
            }
            while (lo < hi) {
                const size_t mid = lo + (hi - lo + 1) / 2;
                if (fits(mid))
                    lo = mid;
                else
                    hi = mid - 1;
            }
            const qsizetype end = words[lo].second;
            TLine line{t.mid(begin, end - begin), {}};
            for (int u : Para.Underlined)
                if (u >= begin && u < end)
                    line.Underlined.push_back(int(u - begin));
            Out.push_back(std::move(line));
            w = lo + 1;
        }
    }

private:
    TDeviceContext& FDC;
    unsigned FFormat;
    int FTabWidth = 1;
};

// Removes prefix ampersands, remembering which characters they mark.
TLine StripPrefixes(const QString& S)
{
    TLine out;
    out.Text.reserve(S.size());
    for (qsizetype i = 0; i < S.size(); ++i) {
        if (S[i] == QLatin1Char('&')) {
            if (i + 1 >= S.size())
                break;
            ++i;
            if (S[i] != QLatin1Char('&'))
                out.Underlined.push_back(int(out.Text.size()));
        }
        out.Text += S[i];
    }
    return out;
}

std::vector<TLine> SplitParagraphs(const QString& Text, bool SingleLine)
{
    std::vector<TLine> paras;
    // Most texts are one line: shared, not copied character by character.
    if (!Text.contains(QLatin1Char('\r')) && !Text.contains(QLatin1Char('\n'))) {
        paras.push_back({Text, {}});
        return paras;
    }
    QString cur;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (SingleLine)
                continue;
            if (c == QLatin1Char('\r') && i + 1 < Text.size() && Text[i + 1] == QLatin1Char('\n'))
                ++i;
            paras.push_back({cur, {}});
            cur.clear();
            continue;
        }
        cur += c;
    }
    if (!cur.isEmpty() || paras.empty())
        paras.push_back({cur, {}});
    return paras;
}

} // namespace

int DrawText(TDeviceContext& DC, const QString& Text, TRect& Rect, unsigned Format)
{
    if (Text.isEmpty()) {
        if (Format & DT_CALCRECT) {
            Rect.Right = Rect.Left;
            Rect.Bottom = Rect.Top;
        }
        return 0;
    }
    const bool single = Format & DT_SINGLELINE;
    TTextFormatter fmt(DC, Format);
    const int maxWidth = Coord(std::abs(qint64(Rect.Right) - Rect.Left));

    std::vector<TLine> lines = SplitParagraphs(Text, single);
    if (!(Format & DT_NOPREFIX))
        for (TLine& para : lines)
            para = StripPrefixes(para.Text);
    if ((Format & DT_WORDBREAK) && !single) {
        std::vector<TLine> broken;
        for (const TLine& para : lines)
            fmt.Break(para, maxWidth, broken);
        lines = std::move(broken);
    }

    const TTextMetric tm = DC.GetTextMetrics();
    const qint64 lineHeight = tm.Height + ((Format & DT_EXTERNALLEADING) ? tm.ExternalLeading : 0);
    const int dx = DC.ScaleX() < 0 ? -1 : 1;  // logical steps rightwards on the device
    const int dy = DC.ScaleY() < 0 ? -1 : 1;  // and downwards
    const int total = Coord(lineHeight * qint64(lines.size()));

    QVarLengthArray<int, 8> widths;
    widths.reserve(qsizetype(lines.size()));
    int widest = 0;
    for (const TLine& l : lines) {
        widths.push_back(fmt.Width(l.Text));
        widest = std::max(widest, widths.back());
    }

    int offset = 0;
    if (single && (Format & (DT_VCENTER | DT_BOTTOM))) {
        const qint64 space = std::abs(qint64(Rect.Bottom) - Rect.Top) - total;
        offset = Coord((Format & DT_BOTTOM) ? space : space / 2);
    }

    if (Format & DT_CALCRECT) {
        Rect.Right = Coord(Rect.Left + qint64(dx) * widest);
        Rect.Bottom = Coord(Rect.Top + qint64(dy) * total);
        return total;
    }

    const unsigned oldAlign = DC.SetTextAlign(TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const unsigned options = (Format & DT_NOCLIP) ? 0u : unsigned(ETO_CLIPPED);
    const int onePixel = int(std::clamp(std::nearbyint(1.0 / std::fabs(DC.ScaleY())), 1.0, 1e6));
    for (size_t i = 0; i < lines.size(); ++i) {
        const TLine& l = lines[i];
        const int w = widths[i];
        int x = Rect.Left;
        if (Format & DT_RIGHT)
            x = Coord(Rect.Right - qint64(dx) * w);
        else if (Format & DT_CENTER)
            x = Coord(Rect.Left + qint64(dx) * ((qint64(maxWidth) - w) / 2));
        const int y = Coord(Rect.Top + dy * (offset + qint64(i) * lineHeight));
        if ((Format & DT_EXPANDTABS) && l.Text.contains(QLatin1Char('\t'))) {
            const QStringList parts = l.Text.split(QLatin1Char('\t'));
            QString done;
            for (qsizetype k = 0; k < parts.size(); ++k) {
                DC.ExtTextOut(Coord(x + qint64(dx) * fmt.Width(done)), y, options, &Rect, parts[k]);
                done += parts[k] + QLatin1Char('\t');
            }
        } else {
            DC.ExtTextOut(x, y, options, &Rect, l.Text);
        }
        for (int u : l.Underlined) {
            const int cx = Coord(x + qint64(dx) * fmt.Width(l.Text.left(u)));
            const int cw = fmt.Width(l.Text.mid(u, 1));
            const int uy = Coord(y + qint64(dy) * (qint64(tm.Ascent) + onePixel));
            const TLogBrush ink{BS_SOLID, DC.State().TextColor, 0};
            DC.FillRect(TRect{cx, uy, Coord(cx + qint64(dx) * cw), Coord(uy + qint64(dy) * onePixel)}, ink);
        }
    }
    DC.SetTextAlign(oldAlign);
    return offset + total;
}

int DrawText(TCanvas& Canvas, const QString& Text, TRect& Rect, unsigned Format)
{
    Canvas.RequiredState(TCanvas::csFontValid | TCanvas::csBrushValid);
    return DrawText(Canvas.DC(), Text, Rect, Format);
}

} // namespace classlib
