#include "classlib/controls/misc.h"

#include "classlib/controls/form.h"
#include "classlib/core/stringlist.h"
#include "classlib/system/registry.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace classlib {

namespace {

// Stored bounds moved and shrunk to lie on the screen; as they are
// without one. Taken apart, since any of them may be an extreme.
TRect OnScreen(int Left, int Top, int Width, int Height)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return Bounds(Left, Top, Width, Height);
    const QRect area = screen->availableVirtualGeometry();
    const int width = std::clamp(Width, MinWindowSize, std::max(area.width(), MinWindowSize));
    const int height = std::clamp(Height, MinWindowSize, std::max(area.height(), MinWindowSize));
    // Within the area wherever it fits; at its top left where it does not.
    const int left = std::max(std::min(Left, area.x() + area.width() - width), area.x());
    const int top = std::max(std::min(Top, area.y() + area.height() - height), area.y());
    return Bounds(left, top, width, height);
}

TWindowState StoredWindowState(int Value)
{
    switch (Value) {
    case 1: return wsMinimized;
    case 2: return wsMaximized;
    default: return wsNormal;
    }
}

} // namespace

void SaveWindowPos(TForm* Form, TRegistry* Registry)
{
    // What the user sees: a window never shown is no visible one.
    Registry->WriteBool("Visible", Form->Showing());
    Registry->WriteInteger("Window State", int(Form->WindowState()));
    TRect r;
    if (!Form->GetNormalBounds(r)) {
        Form->SetWindowState(wsNormal);
        r = Form->BoundsRect();
    }
    Registry->WriteInteger("Left", r.Left);
    Registry->WriteInteger("Top", r.Top);
    Registry->WriteInteger("Width", r.Width());
    Registry->WriteInteger("Height", r.Height());
}

void LoadWindowPos(TForm* Form, TRegistry* Registry, bool IgnoreVisible)
{
    static const char* const names[] = {"Left", "Top", "Width", "Height"};
    int bounds[] = {Form->Left(), Form->Top(), Form->Width(), Form->Height()};
    int read = 0;
    try {
        for (; read < 4; ++read)
            bounds[read] = Registry->ReadInteger(names[read]);
    } catch (const ERegistryException&) {
    }
    // Nothing read, nothing moved: a window placed by the program stays.
    if (read > 0) {
        const TRect r = OnScreen(bounds[0], bounds[1], bounds[2], bounds[3]);
        Form->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    }
    if (read < 4)
        return;
    try {
        Form->SetWindowState(StoredWindowState(Registry->ReadInteger("Window State")));
        // A form's window opens through Show, not through Visible alone.
        if (!IgnoreVisible && Registry->ReadBool("Visible"))
            Form->Show();
        else if (!IgnoreVisible)
            Form->Hide();
    } catch (const ERegistryException&) {
    }
}

QString GetFieldValue(const QString& Text, const QString& Name)
{
    TStringList lines;
    lines.SetText(Text);
    return lines.Values(Name);
}

void SetFieldValue(QString& Text, const QString& Name, const QString& Value)
{
    TStringList lines;
    lines.SetText(Text);
    lines.SetValues(Name, Value);
    Text = lines.Text();
}

void RaiseAbort()
{
    Abort();
}

} // namespace classlib
