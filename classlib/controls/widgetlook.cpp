#include "classlib/controls/widgetlook.h"

#include "classlib/controls/control.h"
#include "classlib/graphics/fontmapping.h"

#include <QPalette>
#include <QWidget>

#include <cmath>

namespace classlib {

namespace {

QColor ToQColor(TColor Color)
{
    const TColorRef rgb = ColorToRGB(Color);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

} // namespace

void ApplyWidgetLook(const TControl& Control, QWidget& Widget)
{
    const TFont& f = *Control.Font();
    // Screen pixels: a negative height is the character height, which is
    // what Qt's pixel size means; a positive cell height is a little larger.
    const TLogFont log = f.LogFont();
    const double em = ResolveEmPixels(log, double(f.Height()), ScreenPixelsPerInch, ScreenPixelsPerInch);
    QFont font(MapFaceName(f.Name()));
    font.setPixelSize(std::max(1, int(std::lround(em))));
    const TFontStyles style = f.Style();
    font.setBold(style.Contains(fsBold));
    font.setItalic(style.Contains(fsItalic));
    font.setUnderline(style.Contains(fsUnderline));
    font.setStrikeOut(style.Contains(fsStrikeOut));
    Widget.setFont(font);

    QPalette pal = Widget.palette();
    const QColor text = ToQColor(f.Color());
    const QColor back = ToQColor(Control.Color());
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(g, QPalette::Text, text);
        pal.setColor(g, QPalette::WindowText, text);
        pal.setColor(g, QPalette::Base, back);
        pal.setColor(g, QPalette::Window, back);
    }
    // A disabled control greys its text but keeps its own colour behind it:
    // a dialog that paints a disabled edit in the button face shows that.
    pal.setColor(QPalette::Disabled, QPalette::Base, back);
    pal.setColor(QPalette::Disabled, QPalette::Window, back);
    Widget.setPalette(pal);
}

} // namespace classlib
