#include "classlib/system/registry.h"
#include "classlib/system/registrystore.h"

#include "classlib/core/stringlist.h"
#include "classlib/tests/errorof.h"
#include "classlib/tests/savefaults.h"
#include "classlib/tests/tempconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <limits>
#include <memory>

using namespace classlib;
using namespace classlib::test;

namespace registry_test {

const QString Root = QStringLiteral("\\Software\\Vorn\\Tessary\\1.12");

// Every key below the open one with its values, one line each, in the
// order the registry lists them: what a reader of the file sees.
void Dump(TRegistry& Reg, const QString& Path, QString& Out)
{
    TStringList values;
    Reg.GetValueNames(values);
    for (int i = 0; i < values.Count(); ++i) {
        const QString& name = values[i];
        Out += Path + u'|' + name + u'=';
        try {
            Out += QStringLiteral("int:") + QString::number(Reg.ReadInteger(name));
        } catch (const ERegistryException&) {
            Out += QStringLiteral("str:") + Reg.ReadString(name);
        }
        Out += u'\n';
    }
    TStringList keys;
    Reg.GetKeyNames(keys);
    for (int i = 0; i < keys.Count(); ++i) {
        const QString child = Path + u'\\' + keys[i];
        Out += child + u'\n';
        ASSERT_TRUE(Reg.OpenKeyReadOnly(child)) << child.toStdString();
        Dump(Reg, child, Out);
    }
}

QString DumpAll()
{
    TRegistry reg;
    QString out;
    Dump(reg, QString(), out);
    return out;
}

void WriteFile(const QByteArray& Bytes)
{
    QDir().mkpath(QFileInfo(TRegistry::FileName()).absolutePath());
    // Aside and renamed, as another program saving the file would.
    const QString aside = TRegistry::FileName() + QStringLiteral(".new");
    QFile f(aside);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Bytes);
    f.close();
    QFile::remove(TRegistry::FileName());
    ASSERT_TRUE(QFile::rename(aside, TRegistry::FileName()));
}

// A literal with its NUL bytes.
template <size_t N>
QByteArray Bytes(const char (&Text)[N])
{
    return QByteArray(Text, N - 1);
}

QByteArray ReadFile()
{
    QFile f(TRegistry::FileName());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Registry, FileLiesInTheUsersConfigurationFolder)
{
    const TTempConfig config;
    EXPECT_EQ(TRegistry::FileName(), config.Path() + QStringLiteral("/Tessary/registry.ini"));
}

TEST(Registry, ValuesKeepTheirKindAndTextAcrossARestart)
{
    const TTempConfig config;
    const QString surrogatePair = QString::fromUtf8("\xF0\x9F\x98\x80");
    const struct {
        const char* name;
        bool isInteger;
        QString text;
        int number;
    } rows[] = {
        {"plain", false, QStringLiteral("hello"), 0},
        {"empty", false, QString(), 0},
        {"digits stay a string", false, QStringLiteral("1"), 0},
        {"line breaks", false, QStringLiteral("a.qxf\r\nb.qxf\r\n"), 0},
        {"quotes and backslashes", false, QStringLiteral("C:\\a \"b\"\\"), 0},
        {"control characters", false, QString::fromUtf16(u"\x01\t\x1F\x7F") + QChar(0) + u'x', 0},
        {"header look-alike", false, QStringLiteral("\n[Main]\n\"x\"=dword:1"), 0},
        {"non-ASCII", false, QString::fromUtf8("Grüße € ") + surrogatePair, 0},
        {"lone surrogates", false, QString(QChar(0xD800)) + u'a' + QChar(0xDC00), 0},
        {"zero", true, {}, 0},
        {"one", true, {}, 1},
        {"minus one", true, {}, -1},
        {"largest", true, {}, std::numeric_limits<int>::max()},
        {"smallest", true, {}, std::numeric_limits<int>::min()},
    };
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(Root + QStringLiteral("\\Main"), true));
        for (const auto& row : rows) {
            if (row.isInteger)
                reg.WriteInteger(row.name, row.number);
            else
                reg.WriteString(row.name, row.text);
        }
        reg.WriteBool("flag", true);
        reg.WriteString(QString::fromUtf8("name \"with\" = and\nbreak"), "odd name");
    }
    TRegistry reg;  // the first one is gone: this one reads the file
    ASSERT_TRUE(reg.OpenKeyReadOnly(Root + QStringLiteral("\\Main")));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.isInteger) {
            EXPECT_EQ(reg.ReadInteger(row.name), row.number);
            EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadString(row.name); }),
                      Format("Invalid data type for '%s'", {row.name}));
        } else {
            EXPECT_EQ(reg.ReadString(row.name), row.text);
            EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadInteger(row.name); }),
                      Format("Invalid data type for '%s'", {row.name}));
        }
    }
    EXPECT_TRUE(reg.ReadBool("flag"));
    EXPECT_EQ(reg.ReadInteger("flag"), 1);
    EXPECT_EQ(reg.ReadString(QString::fromUtf8("NAME \"with\" = and\nbreak")), "odd name");
}

TEST(Registry, MissingValuesAndKinds)
{
    const TTempConfig config;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Designer", true));
    reg.WriteInteger("Count", 7);
    reg.WriteString("Text", "x");

    EXPECT_EQ(reg.ReadString("Absent"), "");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadInteger("Absent"); }),
              "Failed to get data for 'Absent'");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadBool("Absent"); }),
              "Failed to get data for 'Absent'");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadBool("Text"); }),
              "Invalid data type for 'Text'");
    // Any integer other than 0 is true.
    for (const int v : {0, 1, 2, -1}) {
        reg.WriteInteger("Flag", v);
        EXPECT_EQ(reg.ReadBool("Flag"), v != 0) << v;
    }
    // A write may change a value's kind.
    reg.WriteString("Count", "seven");
    EXPECT_EQ(reg.ReadString("Count"), "seven");
    EXPECT_TRUE(reg.ValueExists("count"));
    EXPECT_FALSE(reg.ValueExists("Absent"));
}

TEST(Registry, KeyPaths)
{
    const TTempConfig config;
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(Root, false));
    EXPECT_FALSE(reg.OpenKeyReadOnly(Root));
    EXPECT_FALSE(reg.KeyExists(Root));
    ASSERT_TRUE(reg.OpenKey(Root + QStringLiteral("\\Main"), true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Vorn\\Tessary\\1.12\\Main");
    reg.WriteInteger("Left", 10);

    const struct {
        const char* name;
        const char* open;  // from the root
        const char* relative;
    } rows[] = {
        {"as written", "\\Software\\Vorn\\Tessary\\1.12\\Main", nullptr},
        {"other case", "\\SOFTWARE\\vorn\\TESSARY\\1.12\\main", nullptr},
        {"without leading backslash", "Software\\Vorn\\Tessary\\1.12\\Main", nullptr},
        {"doubled and trailing backslashes", "\\Software\\\\Vorn\\Tessary\\1.12\\Main\\", nullptr},
        {"relative to the open key", "\\Software\\Vorn", "Tessary\\1.12\\MAIN"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        reg.CloseKey();
        ASSERT_TRUE(reg.OpenKey(row.open, false));
        if (row.relative) {
            ASSERT_TRUE(reg.OpenKey(row.relative, false));
        }
        // The path as the caller spelt it.
        EXPECT_TRUE(SameText(reg.CurrentPath(), u"Software\\Vorn\\Tessary\\1.12\\Main"))
            << reg.CurrentPath().toStdString();
        EXPECT_EQ(reg.ReadInteger("LEFT"), 10);
    }
    // An absolute path ignores the open key; the keys on the way exist.
    EXPECT_TRUE(reg.KeyExists("\\Software\\Vorn"));
    EXPECT_FALSE(reg.KeyExists("Software"));  // relative to ...\Main
    reg.CloseKey();
    EXPECT_TRUE(reg.KeyExists("Software"));
    EXPECT_EQ(reg.CurrentPath(), "");
}

TEST(Registry, KeyNamesThatCannotBeMadeAreRefused)
{
    const TTempConfig config;
    TRegistry reg;
    const struct {
        const char* name;
        QString key;
    } rows[] = {
        {"line break", QStringLiteral("a\nb")},
        {"control character", QStringLiteral("a\x01")},
        {"too long", QString(256, u'k')},
        {"too deep", QStringLiteral("k\\").repeated(65)},
        {"half a surrogate pair", QString(QChar(0xD800)) + u'k'},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(reg.OpenKey(row.key, true));
        EXPECT_EQ(reg.CurrentPath(), "");
    }
    EXPECT_TRUE(reg.OpenKey(QString(255, u'k'), true));
    reg.CloseKey();
    EXPECT_TRUE(reg.OpenKey(QStringLiteral("k\\").repeated(64), true));
    reg.CloseKey();
    const QString odd = QString::fromUtf8("Ключ [1] ] = \"x\" \xF0\x9F\x98\x80");
    ASSERT_TRUE(reg.OpenKey(u'\\' + odd, true));
    reg.WriteInteger("v", 3);
    reg.CloseKey();
    TStringList names;
    reg.GetKeyNames(names);
    EXPECT_EQ(names.IndexOf(odd), 2);
}

TEST(Registry, OddKeyNamesSurviveARestart)
{
    const TTempConfig config;
    const QString odd = QString::fromUtf8("[Ключ] ] = \"x\" \xF0\x9F\x98\x80 ");
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(odd + QStringLiteral("\\ inner"), true));
        reg.WriteInteger("v", 3);
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(odd + QStringLiteral("\\ inner")));
    EXPECT_EQ(reg.ReadInteger("v"), 3);
}

TEST(Registry, ReadOnlyKeysRefuseWrites)
{
    const TTempConfig config;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Main\\Sub", true));
    reg.WriteInteger("Left", 1);
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKeyReadOnly("Main"));
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.WriteInteger("Left", 2); }),
              "Failed to set data for 'Left'");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.WriteString("S", "x"); }), "Failed to set data for 'S'");
    EXPECT_FALSE(reg.DeleteKey("Sub"));
    EXPECT_TRUE(reg.KeyExists("Sub"));
    // Opened for writing again, it takes them.
    ASSERT_TRUE(reg.OpenKey("Sub", false));
    EXPECT_FALSE(reg.DeleteValue("Absent"));
    EXPECT_TRUE(reg.DeleteValue("left"));
    EXPECT_FALSE(reg.ValueExists("Left"));
}

TEST(Registry, NamesAreListedInTheOrderTheyWereMade)
{
    const TTempConfig config;
    {
        TRegistry reg;
        for (const char* key : {"Main", "Inspector", "Align", "Delphi\\Controls", "Delphi\\Preview"}) {
            ASSERT_TRUE(reg.OpenKey(Root + u'\\' + QString::fromLatin1(key), true));
            reg.WriteBool("Visible", true);
            reg.WriteInteger("Left", 1);
        }
        ASSERT_TRUE(reg.OpenKey(Root + QStringLiteral("\\Empty"), true));
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Root));
    TStringList names;
    reg.GetKeyNames(names);
    EXPECT_EQ(names.Text(), "Main\r\nInspector\r\nAlign\r\nDelphi\r\nEmpty\r\n");
    ASSERT_TRUE(reg.OpenKeyReadOnly("Align"));
    reg.GetValueNames(names);
    EXPECT_EQ(names.Text(), "Visible\r\nLeft\r\n");
    // An empty key survives the restart too.
    EXPECT_TRUE(reg.KeyExists(Root + QStringLiteral("\\Empty")));
}

TEST(Registry, DeleteKeyTakesEverythingBelow)
{
    const TTempConfig config;
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Delphi\\Controls\\Deep", true));
        reg.WriteInteger("Left", 1);
        ASSERT_TRUE(reg.OpenKey("\\Delphi", false));
        reg.WriteString("Binary Path", "/opt/tessary");
        reg.CloseKey();
        EXPECT_FALSE(reg.DeleteKey("Absent"));
        EXPECT_FALSE(reg.DeleteKey(""));  // the root stays
        EXPECT_TRUE(reg.DeleteKey("delphi\\CONTROLS"));
        EXPECT_FALSE(reg.KeyExists("Delphi\\Controls\\Deep"));
    }
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("Delphi\\Controls"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("Delphi"));
    EXPECT_EQ(reg.ReadString("Binary Path"), "/opt/tessary");
}

TEST(Registry, ObjectsOfOneProcessShareTheirWrites)
{
    const TTempConfig config;
    TRegistry first;
    TRegistry second;
    ASSERT_TRUE(first.OpenKey("Main", true));
    ASSERT_TRUE(second.OpenKey("Main", false));
    first.WriteInteger("Left", 5);
    EXPECT_EQ(second.ReadInteger("Left"), 5);
    second.WriteString("Recent", "a");
    EXPECT_EQ(first.ReadString("Recent"), "a");
    // A key deleted by one is gone for the other, which fails to write to it.
    first.CloseKey();
    EXPECT_TRUE(first.DeleteKey("Main"));
    EXPECT_FALSE(second.ValueExists("Left"));
    EXPECT_EQ(second.ReadString("Recent"), "");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { second.WriteInteger("Left", 1); }),
              "Failed to set data for 'Left'");
}

TEST(Registry, AFileReplacedByAnotherProgramIsReadAgainOnOpen)
{
    const TTempConfig config;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Main", true));
    reg.WriteInteger("Left", 1);
    WriteFile("[Main]\n\"Left\"=dword:00000002\n");
    EXPECT_EQ(reg.ReadInteger("Left"), 1);  // within one open key nothing moves
    ASSERT_TRUE(reg.OpenKey("\\Main", false));
    EXPECT_EQ(reg.ReadInteger("Left"), 2);
}

TEST(Registry, AWriteKeepsWhatAnotherProgramWroteMeanwhile)
{
    const TTempConfig config;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Main", true));
    reg.WriteInteger("Left", 1);
    WriteFile("[Main]\n\"Left\"=dword:00000001\n\"Top\"=dword:00000007\n");
    reg.WriteInteger("Width", 3);
    TRegistry other;
    ASSERT_TRUE(other.OpenKeyReadOnly("Main"));
    EXPECT_EQ(other.ReadInteger("Top"), 7);
    EXPECT_EQ(other.ReadInteger("Width"), 3);
    // The other program took the key away: writing to it fails.
    WriteFile("[Other]\n");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.WriteInteger("Left", 2); }),
              "Failed to set data for 'Left'");
}

TEST(Registry, AnUnchangedValueLeavesTheFileAlone)
{
    const TTempConfig config;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Main", true));
    reg.WriteInteger("Left", 1);
    reg.WriteString("Recent", "a");
    // Every save renames a new file into place.
    const auto inode = [] {
        struct stat st {};
        ::stat(QFile::encodeName(TRegistry::FileName()).constData(), &st);
        return st.st_ino;
    };
    const auto before = inode();
    reg.WriteInteger("left", 1);
    reg.WriteBool("Left", true);
    reg.WriteString("RECENT", "a");
    EXPECT_EQ(inode(), before);
    reg.WriteString("Left", "1");  // the other kind is a change
    EXPECT_NE(inode(), before);
}

TEST(Registry, FileFormat)
{
    const TTempConfig config;
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Main", true));
        reg.WriteInteger("Left", 100);
        reg.WriteInteger("Top", -1);
        reg.WriteString("Recent", "a\\b.qxf\r\n\"c\"\r\n");
        ASSERT_TRUE(reg.OpenKey("\\Software\\Empty", true));
    }
    EXPECT_EQ(ReadFile(), "; Settings of the current user, written by the program.\n"
                          "[Software\\Main]\n"
                          "\"Left\"=dword:00000064\n"
                          "\"Top\"=dword:ffffffff\n"
                          "\"Recent\"=\"a\\\\b.qxf\\r\\n\\\"c\\\"\\r\\n\"\n"
                          "[Software\\Empty]\n");
    // Saving wrote aside and renamed: nothing else is left in the folder.
    EXPECT_EQ(QDir(QFileInfo(TRegistry::FileName()).absolutePath()).entryList(QDir::Files),
              QStringList{"registry.ini"});
}

TEST(Registry, DamagedFilesReadAsFarAsTheyGo)
{
    const TTempConfig config;
    const struct {
        const char* name;
        QByteArray file;
        QString dump;
    } rows[] = {
        {"empty", "", ""},
        {"comments and blank lines", "; c\n# d\n\n  \n[A]\n\"x\"=dword:1\n", "\\A\n\\A|x=int:1\n"},
        {"CR LF lines and blanks around", "[A]  \r\n\t\"x\"=\"y\" \r\n", "\\A\n\\A|x=str:y\n"},
        {"truncated in a string", "[A]\n\"x\"=\"abc", "\\A\n"},
        {"truncated in a header", "[A]\n\"x\"=dword:1\n[B", "\\A\n\\A|x=int:1\n"},
        {"values before any header", "\"x\"=dword:1\n[A]\n", "\\A\n"},
        {"values after a bad header belong nowhere", "[A]\n[B\n\"x\"=dword:1\n", "\\A\n"},
        {"bad escape", "[A]\n\"x\"=\"a\\qb\"\n\"y\"=\"\\x4\"\n\"z\"=\"\\u00e9\"\n", "\\A\n\\A|z=str:\u00e9\n"},
        {"text after the value", "[A]\n\"x\"=\"a\" junk\n\"y\"=dword:1 2\n", "\\A\n"},
        {"integer too long or not hex", "[A]\n\"x\"=dword:123456789\n\"y\"=dword:\n\"z\"=dword:-1\n\"w\"=dword:fffffffe\n",
         "\\A\n\\A|w=int:-2\n"},
        {"unknown kind", "[A]\n\"x\"=hex:01,02\n\"y\"=42\n", "\\A\n"},
        {"name without quotes", "[A]\nx=\"1\"\n", "\\A\n"},
        {"keys in other case merge, the last value wins", "[A]\n\"x\"=dword:1\n[a]\n\"X\"=\"two\"\n",
         "\\A\n\\A|x=str:two\n"},
        {"empty names in a path are skipped", "[\\A\\\\B\\]\n\"x\"=dword:1\n", "\\A\n\\A\\B\n\\A\\B|x=int:1\n"},
        {"root values", "[]\n\"x\"=dword:1\n", "|x=int:1\n"},
        {"path too deep", "[" + QByteArray("k\\").repeated(65) + "]\n\"x\"=dword:1\n", ""},
        {"name too long", "[" + QByteArray(256, 'k') + "]\n", ""},
        {"a million names in a path", "[" + QByteArray("k\\").repeated(1000000) + "]\n[A]\n", "\\A\n"},
        {"invalid UTF-8 and NUL bytes", Bytes("[A\xff]\n\"x\"=\"\xc3\0\"\n"),
         QStringLiteral("\\A\uFFFD\n\\A\uFFFD|x=str:\uFFFD") + QChar(0) + u'\n'},
        {"binary garbage", Bytes("[\x02]\n\0\x01garbage\xff\n\"\"=\n"), QStringLiteral("\\\x02\n")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteFile(row.file);
        EXPECT_EQ(DumpAll(), row.dump);
    }
}

TEST(Registry, ALongFileReadsUpToTheLimit)
{
    const TTempConfig config;
    QByteArray file = "[A]\n\"x\"=dword:1\n\"big\"=\"";
    file += QByteArray(TRegistryLimits::MaxFileBytes, 'a');
    file += "\"\n[B]\n";
    WriteFile(file);
    EXPECT_EQ(DumpAll(), "\\A\n\\A|x=int:1\n");
}

TEST(Registry, AFolderThatCannotBeWrittenFailsTheWrite)
{
    const TTempConfig config;
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Main", true));
        reg.WriteInteger("Left", 1);
    }
    // The configuration folder becomes a plain file.
    const QString blocked = config.Path() + QStringLiteral("/blocked");
    QFile f(blocked);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocked));
    TRegistry reg;
    EXPECT_TRUE(reg.OpenKey("Main", true));  // kept for this process
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.WriteInteger("Left", 2); }),
              "Failed to set data for 'Left'");
    // The value is there for the process all the same.
    EXPECT_EQ(reg.ReadInteger("Left"), 2);
}

} // namespace registry_test

namespace registry_test {

// A full disk or a failing device at any step of saving the settings: the
// write fails as the registry's own error, the file keeps every byte (the
// installation's "Binary Path" with it), no temporary is left, and the next
// write saves what the failed one could not.
TEST(Registry, AFailedSaveFailsTheWriteAndKeepsTheFile)
{
    struct TOperation {
        const char* Name;
        std::function<void(TRegistry&)> Run;
        QString Error;
    };
    const TOperation operations[] = {
        {"WriteInteger", [](TRegistry& r) { r.WriteInteger("Left", 7); }, "Failed to set data for 'Left'"},
        {"WriteString", [](TRegistry& r) { r.WriteString("Recent", "b.qxf\r\n"); }, "Failed to set data for 'Recent'"},
        {"DeleteValue", [](TRegistry& r) { r.DeleteValue("Status Bar"); }, "Failed to set data for 'Status Bar'"},
        {"DeleteKey", [](TRegistry& r) { r.DeleteKey(Root + "\\Main"); },
         "Failed to delete key " + Root + "\\Main"},
    };
    for (const TOperation& op : operations) {
        for (const TSaveFaultCase& c : SaveFaultCases(1871)) {
            SCOPED_TRACE(std::string(op.Name) + " / " + c.Name);
            const TTempConfig config;
            {
                TRegistry reg;
                ASSERT_TRUE(reg.OpenKey(Root + "\\Delphi", true));
                reg.WriteString("Binary Path", "/opt/tessary" + QString(1800, u'x'));
                ASSERT_TRUE(reg.OpenKey(Root + "\\Main", true));
                reg.WriteInteger("Left", 1);
                reg.WriteBool("Status Bar", true);
            }
            const QByteArray before = ReadFile();
            ASSERT_GT(before.size(), 1800);
            const QString folder = QFileInfo(TRegistry::FileName()).absolutePath();
            TRegistry reg;
            ASSERT_TRUE(reg.OpenKey(Root + "\\Main", false));
            {
                TSaveFaultScope fault(c.Fault);
                EXPECT_EQ(ErrorOf<ERegistryException>([&] { op.Run(reg); }), op.Error);
            }
            EXPECT_EQ(ReadFile(), before);
            EXPECT_EQ(FolderEntries(folder), QStringList{QStringLiteral("registry.ini")});
            TRegistry next;
            ASSERT_TRUE(next.OpenKey(Root + "\\Manager", true));
            next.WriteInteger("Top", 3);
            TRegistry again;
            ASSERT_TRUE(again.OpenKeyReadOnly(Root + "\\Delphi"));
            EXPECT_TRUE(again.ReadString("Binary Path").startsWith("/opt/tessary"));
            EXPECT_NE(ReadFile(), before);
            EXPECT_EQ(FolderEntries(folder), QStringList{QStringLiteral("registry.ini")});
        }
    }
}

} // namespace registry_test
