// Writes the settings target's seed corpus through the registry itself:
//   make_settings_corpus <corpus folder>
// creates <folder>/settings/*.ini: the designer's whole layout, a file
// with every kind of awkward text, and damaged copies of both.

#include "classlib/system/registry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace classlib;

namespace {

const QString Root = QStringLiteral("\\Software\\Vorn\\Tessary\\1.12\\");

void WindowPos(TRegistry& Reg, int Left, int Top, int Width, int Height, int State)
{
    Reg.WriteBool("Visible", true);
    Reg.WriteInteger("Window State", State);
    Reg.WriteInteger("Left", Left);
    Reg.WriteInteger("Top", Top);
    Reg.WriteInteger("Width", Width);
    Reg.WriteInteger("Height", Height);
}

void Open(TRegistry& Reg, const char* Key)
{
    if (!Reg.OpenKey(Root + QString::fromLatin1(Key), true))
        throw ERegistryException(QStringLiteral("cannot open ") + QString::fromLatin1(Key));
}

void DesignerLayout(TRegistry& Reg)
{
    Open(Reg, "Main");
    WindowPos(Reg, 40, 30, 760, 540, 2);
    Reg.WriteString("band0", "width=400\r\nheight=26\r\ncontrol=tbrStandard\r\n");
    Reg.WriteString("band1", "break=1\r\nwidth=700\r\nheight=30\r\ncontrol=tbrComponents\r\n");
    for (const char* name : {"Status Bar", "Palette", "Standard", "Rulers"})
        Reg.WriteBool(name, true);
    Reg.WriteString("Recent", "/home/user/reports/sales.qxf\r\n/tmp/a b.qxf\r\n");
    Open(Reg, "Inspector");
    WindowPos(Reg, 0, 80, 220, 400, 0);
    Reg.WriteBool("Stay On Top", true);
    Reg.WriteBool("Page", false);
    Open(Reg, "Manager");
    WindowPos(Reg, 600, 80, 200, 300, 0);
    Reg.WriteInteger("Pane Width", 145);
    Open(Reg, "Designer");
    Reg.WriteBool("Show Grid", true);
    Reg.WriteBool("AutoPreview", false);
    Open(Reg, "Delphi");
    Reg.WriteString("Binary Path", "/opt/tessary");
    Open(Reg, "Delphi\\Controls");
    WindowPos(Reg, -20, -20, 300, 200, 1);
}

void AwkwardText(TRegistry& Reg)
{
    Open(Reg, "Odd \"keys\" [x] ]");
    Reg.WriteString("", "default value");
    Reg.WriteString("quotes \" and \\ backslash", "C:\\dir\\\"file\"");
    Reg.WriteString("control", QString::fromUtf16(u"\x01\x02\t\r\n\x7F") + QChar(0));
    Reg.WriteString("unicode", QString::fromUtf8("Grüße € \xF0\x9F\x98\x80"));
    Reg.WriteString("lone surrogate", QString(QChar(0xDC00)));
    Reg.WriteInteger("min", -2147483647 - 1);
    Reg.WriteInteger("max", 2147483647);
    Reg.WriteString("digits", "42");
    Open(Reg, "Odd \"keys\" [x] ]\\Empty");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_settings_corpus <corpus folder>\n");
        return 2;
    }
    const QString out = QFile::decodeName(argv[1]) + QStringLiteral("/settings");
    QDir().mkpath(out);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

    const struct {
        const char* name;
        std::function<void(TRegistry&)> fill;
    } seeds[] = {{"designer", DesignerLayout}, {"awkward", AwkwardText}};
    for (const auto& seed : seeds) {
        QFile::remove(TRegistry::FileName());
        try {
            TRegistry reg;
            seed.fill(reg);
        } catch (const Exception& e) {
            std::fprintf(stderr, "%s: %s\n", seed.name, e.what());
            return 1;
        }
        QFile in(TRegistry::FileName());
        if (!in.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray bytes = in.readAll();
        auto save = [&](const QString& name, const QByteArray& data) {
            QFile f(out + u'/' + name);
            return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
        };
        const QString stem = QString::fromLatin1(seed.name);
        // The whole file, its lines ended by CR LF, and cut off in two places.
        bool ok = save(stem + QStringLiteral(".ini"), bytes);
        ok = save(stem + QStringLiteral("-crlf.ini"), QByteArray(bytes).replace("\n", "\r\n")) && ok;
        ok = save(stem + QStringLiteral("-half.ini"), bytes.left(bytes.size() / 2)) && ok;
        ok = save(stem + QStringLiteral("-cut.ini"), bytes.left(bytes.size() - 7)) && ok;
        if (!ok)
            return 1;
    }
    return 0;
}
