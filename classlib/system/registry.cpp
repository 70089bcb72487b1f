#include "classlib/system/registry.h"

#include "classlib/core/stringlist.h"
#include "classlib/system/registrystore.h"

#include <QStandardPaths>

namespace classlib {

TRegistry::TRegistry() : FStore(TRegistryStore::Of(FileName()))
{
    FStore->Refresh();
}

TRegistry::~TRegistry() = default;

QString TRegistry::FileName()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/Tessary/registry.ini");
}

QString TRegistry::AbsolutePath(const QString& Key) const
{
    if (Key.startsWith(u'\\') || FCurrentPath.isEmpty())
        return TRegistryStore::SplitPath(Key).join(u'\\');
    return TRegistryStore::SplitPath(FCurrentPath + u'\\' + Key).join(u'\\');
}

bool TRegistry::OpenKey(const QString& Key, bool CanCreate)
{
    FStore->Refresh();
    const QString path = AbsolutePath(Key);
    if (!FStore->Find(path)) {
        if (!CanCreate || !FStore->Create(path))
            return false;
        // A folder that cannot be written keeps the new key for this
        // process; the next write tries again. Reading never fails for it.
        FStore->Save();
    }
    FCurrentPath = path;
    FReadOnly = false;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const QString& Key)
{
    FStore->Refresh();
    const QString path = AbsolutePath(Key);
    if (!FStore->Find(path))
        return false;
    FCurrentPath = path;
    FReadOnly = true;
    return true;
}

void TRegistry::CloseKey()
{
    FCurrentPath.clear();
    FReadOnly = false;
}

bool TRegistry::KeyExists(const QString& Key)
{
    return FStore->Find(AbsolutePath(Key)) != nullptr;
}

bool TRegistry::DeleteKey(const QString& Key)
{
    FStore->Refresh();
    if (FReadOnly || !FStore->Delete(AbsolutePath(Key)))
        return false;
    if (!FStore->Save())
        throw ERegistryException(Format("Failed to delete key %s", {Key}));
    return true;
}

bool TRegistry::ValueExists(const QString& Name)
{
    const TRegistryKey* key = FStore->Find(FCurrentPath);
    return key && key->Value(Name);
}

bool TRegistry::DeleteValue(const QString& Name)
{
    FStore->Refresh();
    TRegistryKey* key = FStore->Find(FCurrentPath);
    if (FReadOnly || !key || !key->DeleteValue(Name))
        return false;
    if (!FStore->Save())
        throw ERegistryException(Format("Failed to set data for '%s'", {Name}));
    return true;
}

void TRegistry::GetKeyNames(TStrings& Strings)
{
    Strings.Clear();
    if (const TRegistryKey* key = FStore->Find(FCurrentPath))
        for (const auto& child : key->Children)
            Strings.Add(child->Name);
}

void TRegistry::GetValueNames(TStrings& Strings)
{
    Strings.Clear();
    if (const TRegistryKey* key = FStore->Find(FCurrentPath))
        for (const TRegistryValue& v : key->Values)
            Strings.Add(v.Name);
}

QString TRegistry::ReadString(const QString& Name)
{
    const TRegistryKey* key = FStore->Find(FCurrentPath);
    const TRegistryValue* v = key ? key->Value(Name) : nullptr;
    if (!v)
        return {};
    if (v->IsInteger)
        throw ERegistryException(Format("Invalid data type for '%s'", {Name}));
    return v->Text;
}

int TRegistry::ReadInteger(const QString& Name)
{
    const TRegistryKey* key = FStore->Find(FCurrentPath);
    const TRegistryValue* v = key ? key->Value(Name) : nullptr;
    if (!v)
        throw ERegistryException(Format("Failed to get data for '%s'", {Name}));
    if (!v->IsInteger)
        throw ERegistryException(Format("Invalid data type for '%s'", {Name}));
    return v->Number;
}

bool TRegistry::ReadBool(const QString& Name)
{
    return ReadInteger(Name) != 0;
}

void TRegistry::WriteValue(const QString& Name, bool IsInteger, const QString& Text, int Number)
{
    // Another program's values written meanwhile are kept.
    FStore->Refresh();
    TRegistryKey* key = FReadOnly ? nullptr : FStore->Find(FCurrentPath);
    if (!key)
        throw ERegistryException(Format("Failed to set data for '%s'", {Name}));
    // Settings written back unchanged at every close cost no file write.
    if (!key->SetValue({Name, IsInteger, Text, Number}) && !FStore->Unsaved())
        return;
    if (!FStore->Save())
        throw ERegistryException(Format("Failed to set data for '%s'", {Name}));
}

void TRegistry::WriteString(const QString& Name, const QString& Value)
{
    WriteValue(Name, false, Value, 0);
}

void TRegistry::WriteInteger(const QString& Name, int Value)
{
    WriteValue(Name, true, QString(), Value);
}

void TRegistry::WriteBool(const QString& Name, bool Value)
{
    WriteInteger(Name, Value ? 1 : 0);
}

} // namespace classlib
