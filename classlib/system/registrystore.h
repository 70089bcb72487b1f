#pragma once

// The settings file behind TRegistry: a tree of keys with typed values,
// read from and written to a text file of our own.
//
//   [Software\Vorn\Tessary\1.12\Main]
//   "Left"=dword:00000064
//   "Recent"="a.qxf\r\nb.qxf\r\n"
//
// Strings are quoted with backslash escapes, so they keep line breaks and
// any characters; integers are 32-bit hexadecimal, so the two kinds stay
// apart across a restart. The file is untrusted: lines that do not read
// are skipped, and the limits below bound what a file can make.
//
// Not internal to TRegistry only so that the fuzz target and the tests can
// reach the reader; nothing else should use it.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace classlib {

struct TRegistryLimits {
    // A longer file reads as its first MaxFileBytes; a store that would
    // write more is not saved.
    static constexpr qsizetype MaxFileBytes = 4 * 1024 * 1024;
    // Key names and nesting, as the platform's registry bounds them.
    static constexpr qsizetype MaxKeyNameLength = 255;
    static constexpr int MaxKeyDepth = 64;
};

struct TRegistryValue {
    QString Name;
    bool IsInteger = false;
    QString Text;
    qint32 Number = 0;
};

class TRegistryKey {
public:
    explicit TRegistryKey(const QString& AName, TRegistryKey* AParent) : Name(AName), Parent(AParent) {}
    TRegistryKey(const TRegistryKey&) = delete;
    TRegistryKey& operator=(const TRegistryKey&) = delete;

    // Names compare without regard to case.
    TRegistryKey* Child(const QString& AName) const;
    TRegistryKey& AddChild(const QString& AName);
    bool DeleteChild(const QString& AName);
    const TRegistryValue* Value(const QString& AName) const;
    // Replaces a value of the same name in its place, else appends; false
    // when the key held that very value already.
    bool SetValue(const TRegistryValue& AValue);
    bool DeleteValue(const QString& AName);
    int Depth() const;
    void Clear();

    const QString Name;
    TRegistryKey* const Parent;
    std::vector<std::unique_ptr<TRegistryKey>> Children;
    std::vector<TRegistryValue> Values;

private:
    QHash<QString, TRegistryKey*> FChildIndex;
    QHash<QString, qsizetype> FValueIndex;
};

class TRegistryStore {
public:
    TRegistryStore() : FRoot(QString(), nullptr) {}
    TRegistryStore(const TRegistryStore&) = delete;
    TRegistryStore& operator=(const TRegistryStore&) = delete;

    // The store of FileName, shared by every user in the process while any
    // holds it, so that each sees the others' writes at once; loaded from
    // the file when first asked for.
    static std::shared_ptr<TRegistryStore> Of(const QString& FileName);

    // Reads the file again when another program replaced it since, unless
    // a write of ours is still unsaved.
    void Refresh();
    // Writes the whole tree aside and renames it over the file; false when
    // that failed (the tree stays as it is, to be saved by the next write).
    bool Save();
    // A change is waiting for a save that failed.
    bool Unsaved() const { return FUnsaved; }

    // Keys by their path of names separated by backslashes (empty names
    // are skipped, so a leading backslash does not matter); the root is "".
    TRegistryKey* Find(const QString& Path);
    // Creates the missing keys on the way; nil when a name is not one a key
    // may have.
    TRegistryKey* Create(const QString& Path);
    // The key and everything below it; false for the root or a missing key.
    bool Delete(const QString& Path);
    TRegistryKey& Root() { return FRoot; }

    // The reader and writer of the file's text.
    void Parse(const QByteArray& Text);
    QByteArray Serialize() const;

    // The names of Path, empty ones skipped.
    static QStringList SplitPath(const QString& Path);
    // As SplitPath; false for a path over the depth or name limits.
    static bool SplitKeyPath(QStringView Path, QStringList& Names);
    static bool IsValidKeyName(const QString& Name);

private:
    struct TStamp {
        bool Exists = false;
        quint64 Device = 0, Inode = 0;
        qint64 Size = 0, MTimeSec = 0, MTimeNsec = 0;
        bool operator==(const TStamp&) const = default;
    };
    TStamp StampOf() const;
    void Load();

    QString FFileName;
    TRegistryKey FRoot;
    TStamp FStamp;
    bool FUnsaved = false;
};

} // namespace classlib
