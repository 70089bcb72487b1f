#pragma once

// The current user's settings, reached as the platform's registry is: keys
// named by paths such as "\Software\Vorn\Tessary\1.12\Main" (compared
// without regard to case; the leading backslash makes a path absolute,
// else it is relative to the open key), each holding named string and
// integer values (Booleans are integers, 0 or 1).
//
// The keys live in one file, "Tessary/registry.ini" in the user's
// configuration folder (XDG_CONFIG_HOME, else ~/.config). Every TRegistry
// of the process works on one shared copy of it, so each sees the others'
// writes at once; a write saves the whole file (written aside and renamed,
// so a crash leaves the old or the new file). Opening a key and writing
// read the file again first when another program has replaced it, so that
// its values are kept too. The file is untrusted: what does not read is
// left out (registrystore.h).

#include "classlib/core/sysutils.h"

#include <QString>

#include <memory>

namespace classlib {

class TStrings;
class TRegistryStore;

class ERegistryException : public Exception { public: using Exception::Exception; };

class TRegistry : public TObject {
public:
    // No key open: the operations work on the root.
    TRegistry();
    ~TRegistry() override;

    // The file of the settings; empty when the user has no configuration
    // folder (then nothing is read and every write fails).
    static QString FileName();

    // The open key's path from the root, without a leading backslash.
    QString CurrentPath() const { return FCurrentPath; }

    // Opens Key, creating it and the keys on the way when CanCreate; false
    // when it is missing (or cannot be created: a name with control
    // characters, over 255 characters, or nested over 64 deep).
    bool OpenKey(const QString& Key, bool CanCreate);
    // As OpenKey without creating; writes to the key then fail.
    bool OpenKeyReadOnly(const QString& Key);
    // Back to the root.
    void CloseKey();

    bool KeyExists(const QString& Key);
    // The key with everything below it; false when missing or read-only.
    bool DeleteKey(const QString& Key);
    bool ValueExists(const QString& Name);
    bool DeleteValue(const QString& Name);
    // The names of the open key's subkeys and values, in the order they
    // were made; Strings is cleared first.
    void GetKeyNames(TStrings& Strings);
    void GetValueNames(TStrings& Strings);

    // "" for a missing value. ERegistryException "Invalid data type for
    // '%s'" for a value of the other kind; ReadInteger and ReadBool raise
    // "Failed to get data for '%s'" for a missing one. Any integer other
    // than 0 reads as true.
    QString ReadString(const QString& Name);
    int ReadInteger(const QString& Name);
    bool ReadBool(const QString& Name);

    // ERegistryException "Failed to set data for '%s'" when the key is
    // read-only or gone, or the file cannot be written.
    void WriteString(const QString& Name, const QString& Value);
    void WriteInteger(const QString& Name, int Value);
    void WriteBool(const QString& Name, bool Value);

private:
    // Key resolved against the open key.
    QString AbsolutePath(const QString& Key) const;
    void WriteValue(const QString& Name, bool IsInteger, const QString& Text, int Number);

    std::shared_ptr<TRegistryStore> FStore;
    QString FCurrentPath;
    bool FReadOnly = false;
};

} // namespace classlib
