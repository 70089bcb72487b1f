// Arbitrary bytes as the settings file. Every key is opened and every
// value read as a string and as an integer; then every value is written
// back with its kind, the whole store is saved, and a fresh registry
// reading the saved file must see exactly the same keys and values. A difference aborts; registry
// exceptions while reading are the expected outcome of mismatched kinds,
// and anything else is a finding.

#include "classlib/core/stringlist.h"
#include "classlib/system/registry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using classlib::ERegistryException;
using classlib::TRegistry;
using classlib::TStringList;

struct TEntry {
    QString Path;
    QString Name;  // empty with IsKey
    bool IsKey = false;
    bool IsInteger = false;
    QString Text;
    int Number = 0;
    bool operator==(const TEntry&) const = default;
};

// Every key and value below Path, depth first.
void Walk(TRegistry& Reg, const QString& Path, std::vector<TEntry>& Out)
{
    if (!Reg.OpenKeyReadOnly(u'\\' + Path))
        std::abort();  // listed, so it must open
    TStringList values;
    Reg.GetValueNames(values);
    for (int i = 0; i < values.Count(); ++i) {
        TEntry e{Path, values[i], false, false, QString(), 0};
        QString text;
        int number = 0;
        bool isString = true, isInteger = true;
        try {
            text = Reg.ReadString(e.Name);
        } catch (const ERegistryException&) {
            isString = false;
        }
        try {
            number = Reg.ReadInteger(e.Name);
        } catch (const ERegistryException&) {
            isInteger = false;
        }
        if (isString == isInteger)
            std::abort();  // a value is of exactly one kind
        e.IsInteger = isInteger;
        e.Text = text;
        e.Number = number;
        Out.push_back(e);
    }
    TStringList keys;
    Reg.GetKeyNames(keys);
    for (int i = 0; i < keys.Count(); ++i) {
        const QString child = Path.isEmpty() ? keys[i] : Path + u'\\' + keys[i];
        Out.push_back({child, QString(), true, false, QString(), 0});
        Walk(Reg, child, Out);
    }
}

std::vector<TEntry> ReadAll()
{
    TRegistry reg;
    std::vector<TEntry> entries;
    Walk(reg, QString(), entries);
    return entries;
}

const QString& FileName()
{
    // One folder for the whole run, removed at exit.
    static QTemporaryDir folder;
    static const QString name = [] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        return TRegistry::FileName();
    }();
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString& file = FileName();
    QDir().mkpath(QFileInfo(file).absolutePath());
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(Data), qint64(Size));
    }
    // No registry is left from the last input, so this one reads the file.
    const std::vector<TEntry> first = ReadAll();
    {
        TRegistry reg;
        for (const TEntry& e : first) {
            if (e.IsKey)
                continue;
            if (!reg.OpenKey(u'\\' + e.Path, false))
                std::abort();
            try {
                if (e.IsInteger)
                    reg.WriteInteger(e.Name, e.Number);
                else
                    reg.WriteString(e.Name, e.Text);
            } catch (const ERegistryException& x) {
                std::fprintf(stderr, "write failed: %s\n", x.what());
                std::abort();
            }
        }
        // Unchanged values write nothing: a value of our own, added and
        // taken away again, makes the store save all it holds.
        reg.CloseKey();
        QString sentinel = QStringLiteral("sentinel");
        while (reg.ValueExists(sentinel))
            sentinel += u'+';
        try {
            reg.WriteInteger(sentinel, 1);
        } catch (const ERegistryException& x) {
            std::fprintf(stderr, "write failed: %s\n", x.what());
            std::abort();
        }
        if (!reg.DeleteValue(sentinel))
            std::abort();
    }
    const std::vector<TEntry> second = ReadAll();
    if (second != first) {
        std::fprintf(stderr, "settings changed across a save and reload\n");
        std::abort();
    }
    return 0;
}
