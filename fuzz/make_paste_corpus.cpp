// Writes the seed corpus of the paste target: make_paste_corpus <corpus
// folder> creates <folder>/paste/*.txt. Each seed is a selector byte (an
// ASCII digit) and clipboard text; most of the text is what a surface's
// own copy puts on the clipboard, the rest is what a copy never makes.

#include "pasteclasses.h"

#include "classlib/system/clipboard.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <initializer_list>

using namespace classlib;
using namespace designer_framework;

namespace {

QString Dir;

void Save(const char* Name, int Selector, const QByteArray& Text)
{
    QFile file(Dir + QLatin1Char('/') + QString::fromLatin1(Name) + QStringLiteral(".txt"));
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(1, char('0' + Selector)) + Text) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

// The clipboard's text after copying the named components of a filled surface.
QByteArray Copied(std::initializer_list<const char*> Names, void (*Prepare)(TControlDesigner&) = nullptr)
{
    TControlDesigner surface(nullptr);
    surface.SetInspector(new fuzz::TPasteDesigner);
    fuzz::FillSurface(surface);
    if (Prepare) Prepare(surface);
    // Capsules come with the event loop, and a component is selected by its capsule.
    QCoreApplication::processEvents();
    for (const char* name : Names) surface.SelectControl(surface.FindComponent(QString::fromLatin1(name)));
    surface.CopySelection();
    return Clipboard().AsText();
}

void Decorate(TControlDesigner& Surface)
{
    auto* thing = static_cast<fuzz::TPasteThing*>(Surface.FindComponent(QStringLiteral("Thing1")));
    thing->Caption = QStringLiteral("A 'quoted'\tcaption \xE4");
    thing->Amount = -70000;
    thing->SetDesignInfo(qint32((40u << 16) | 200u));
    static_cast<fuzz::TPasteShape*>(Surface.FindComponent(QStringLiteral("Shape2")))->SetBuddy(thing);
    static_cast<fuzz::TPasteShape*>(Surface.FindComponent(QStringLiteral("Shape2")))->Shape = 3;
    auto* inner = new fuzz::TPastePanel(&Surface);
    inner->SetName(QStringLiteral("Inner"));
    inner->SetParent(static_cast<TWinControl*>(Surface.FindComponent(QStringLiteral("Panel1"))));
    inner->Caption = QStringLiteral("inner");
    auto* deep = new fuzz::TPasteButton(&Surface);
    deep->SetName(QStringLiteral("Deep"));
    deep->SetParent(inner);
    deep->Default = true;
}

// Panels, each inside the one before.
QByteArray Nested(int Count)
{
    QByteArray text;
    for (int i = 1; i <= Count; ++i) text += "object P" + QByteArray::number(i) + ": TPastePanel\r\n";
    for (int i = 1; i <= Count; ++i) text += "end\r\n";
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_paste_corpus <corpus folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fuzz::RegisterPasteClasses();
    Dir = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("paste"));
    QDir().mkpath(Dir);

    const QByteArray panel = Copied({"Panel1"});
    Save("panel", 0, panel);
    Save("panel-into-panel", 1, panel);
    Save("panel-beside-shape", 2, panel);
    Save("panel-beside-button", 3, panel);
    Save("three", 0, Copied({"Button1", "Shape2", "Panel1"}));
    Save("nested", 0, Copied({"Panel1"}, Decorate));
    Save("thing-and-buddy", 4, Copied({"Thing1", "Shape2"}, Decorate));
    Save("onto-surface", 5, Copied({"Shape2"}));

    // What a copy never makes.
    Save("reference", 0,
         "object B: TPasteThing\r\nend\r\nobject S: TPasteShape\r\n  Buddy = B\r\nend\r\n"
         "object T: TPasteShape\r\n  Buddy = Owner\r\nend\r\nobject U: TPasteShape\r\n  Buddy = Surface.B\r\nend\r\n");
    Save("child-position", 0, "object Shape2: TPasteShape [0]\r\n  Left = 16\r\n  Top = 16\r\nend\r\n");
    Save("inherited", 0, "object A: TPasteShape\r\nend\r\ninherited Shape2: TPasteShape\r\n  Left = 99\r\nend\r\n");
    Save("surface", 0, "object A: TPasteShape\r\nend\r\nobject S: TControlDesigner\r\nend\r\n");
    Save("far-corner", 0,
         "object A: TPasteShape\r\n  Left = 2147483647\r\n  Top = 2147483640\r\n  Width = 2147483647\r\nend\r\n"
         "object B: TPasteShape\r\n  Left = 2147483647\r\n  Top = 2147483640\r\nend\r\n");
    Save("unknown-class-late", 1, panel + "object X: TNoSuchClass\r\nend\r\n");
    Save("garbage", 0, "Not a component at all.");

    // A container that streams its children, with one that does not inside,
    // and a control in that.
    Save("box", 0, Copied({"Box1"}));
    Save("box-into-panel", 1, Copied({"Box1", "Shape2"}));
    // Controls where nothing keeps them.
    Save("control-in-button", 0,
         "object P: TPastePanel\r\n  object B: TPasteButton\r\n    object S: TPasteShape\r\n    end\r\n"
         "  end\r\nend\r\n");
    Save("control-in-shape", 0, "object S: TPasteShape\r\n  object T: TPasteShape\r\n  end\r\nend\r\n");
    Save("control-in-thing", 0, "object T: TPasteThing\r\n  object S: TPasteShape\r\n  end\r\nend\r\n");
    // A class the surface's designer does not keep: alone, inside a box,
    // and after one it keeps.
    Save("foreign", 0, "object F: TPasteForeign\r\n  object S: TPasteShape\r\n  end\r\nend\r\n");
    Save("foreign-in-box", 1,
         "object B: TPasteBox\r\n  object F: TPasteForeign\r\n    object S: TPasteShape\r\n    end\r\n"
         "  end\r\nend\r\n");
    Save("foreign-late", 0, panel + "object F: TPasteForeign\r\nend\r\n");
    // As deep as the surface holds, and one level more.
    Save("deepest", 0, Nested(63));
    Save("too-deep", 0, Nested(64));
    Save("too-deep-into-panel", 1, Nested(63));
    return 0;
}
