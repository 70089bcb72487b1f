#include "designer/tests/elements/elementtest.h"

#include "designer/elements/elementclasses.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"

#include <QPixmap>
#include <QWidget>

using namespace classlib;

namespace designer::tests {

TZoomGuard::TZoomGuard(double AZoom)
    : FScale(Scale), FZoom(Zoom), FShowCaptions(ShowCaptions), FNameFont(NameFont)
{
    Zoom = AZoom;
    Scale = ScreenPixelsPerInch * AZoom / 2540.0;
}

TZoomGuard::~TZoomGuard()
{
    Scale = FScale;
    Zoom = FZoom;
    ShowCaptions = FShowCaptions;
    NameFont = FNameFont;
}

const TClassInfo& TTestPage::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTestPage>("TQXPaper").Build();
    return info;
}

TTestPage::TTestPage(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 800, 600);
}

void TTestPage::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* c = dynamic_cast<TQXControl*>(Controls(i)); c && c->Owner() == this) Proc(c);
}

void TTestPage::AlignControls(TControl* AControl, TRect&)
{
    AlignChildrenUnits(this, ContentUnits, AControl);
}

QByteArray TTestPage::Write()
{
    TMemoryStream stream;
    WriteComponentToStream(stream, this);
    return QByteArray(static_cast<const char*>(stream.Memory()), int(stream.Size()));
}

void TTestPage::Read(const QByteArray& Bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(Bytes.constData(), Bytes.size());
    stream.SetPosition(0);
    TReader reader(stream);
    reader.ClassResolver = DesignClass;
    reader.ReadRootComponent(this);
}

QImage Grab(TControl& Control)
{
    return Control.Widget()->grab().toImage();
}

unsigned RGBAt(const QImage& Image, int X, int Y)
{
    return Image.pixel(X, Y) & 0xFFFFFF;
}

} // namespace designer::tests
