#include "classlib/system/registrystore.h"

#include "classlib/core/atomicsave.h"
#include "classlib/core/sysutils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>


namespace classlib {

// ---------------------------------------------------------------------------
// TRegistryKey

namespace {

QString Folded(const QString& Name)
{
    return Name.toCaseFolded();
}

} // namespace

TRegistryKey* TRegistryKey::Child(const QString& AName) const
{
    return FChildIndex.value(Folded(AName), nullptr);
}

TRegistryKey& TRegistryKey::AddChild(const QString& AName)
{
    if (TRegistryKey* existing = Child(AName))
        return *existing;
    Children.push_back(std::make_unique<TRegistryKey>(AName, this));
    TRegistryKey* key = Children.back().get();
    FChildIndex.insert(Folded(AName), key);
    return *key;
}

bool TRegistryKey::DeleteChild(const QString& AName)
{
    TRegistryKey* key = FChildIndex.take(Folded(AName));
    if (!key)
        return false;
    std::erase_if(Children, [key](const auto& c) { return c.get() == key; });
    return true;
}

const TRegistryValue* TRegistryKey::Value(const QString& AName) const
{
    const auto it = FValueIndex.constFind(Folded(AName));
    return it == FValueIndex.cend() ? nullptr : &Values[size_t(*it)];
}

bool TRegistryKey::SetValue(const TRegistryValue& AValue)
{
    const QString folded = Folded(AValue.Name);
    const auto it = FValueIndex.constFind(folded);
    if (it != FValueIndex.cend()) {
        // The name keeps the spelling it was first written with.
        TRegistryValue& v = Values[size_t(*it)];
        if (v.IsInteger == AValue.IsInteger && v.Text == AValue.Text && v.Number == AValue.Number)
            return false;
        v.IsInteger = AValue.IsInteger;
        v.Text = AValue.Text;
        v.Number = AValue.Number;
        return true;
    }
    FValueIndex.insert(folded, qsizetype(Values.size()));
    Values.push_back(AValue);
    return true;
}

bool TRegistryKey::DeleteValue(const QString& AName)
{
    const auto it = FValueIndex.constFind(Folded(AName));
    if (it == FValueIndex.cend())
        return false;
    Values.erase(Values.begin() + *it);
    FValueIndex.clear();
    for (size_t i = 0; i < Values.size(); ++i)
        FValueIndex.insert(Folded(Values[i].Name), qsizetype(i));
    return true;
}

int TRegistryKey::Depth() const
{
    int depth = 0;
    for (const TRegistryKey* k = Parent; k; k = k->Parent)
        ++depth;
    return depth;
}

void TRegistryKey::Clear()
{
    Children.clear();
    Values.clear();
    FChildIndex.clear();
    FValueIndex.clear();
}

// ---------------------------------------------------------------------------
// The file's text

namespace {

const char* const HexDigits = "0123456789ABCDEF";

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r';
}

int HexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

void AppendQuoted(QString& Out, const QString& S)
{
    Out += u'"';
    const qsizetype n = S.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = S[i].unicode();
        switch (c) {
        case u'\\': Out += u"\\\\"; continue;
        case u'"': Out += u"\\\""; continue;
        case u'\n': Out += u"\\n"; continue;
        case u'\r': Out += u"\\r"; continue;
        case u'\t': Out += u"\\t"; continue;
        default: break;
        }
        if (c < 0x20 || c == 0x7F) {
            Out += u"\\x";
            Out += QChar(HexDigits[c >> 4]);
            Out += QChar(HexDigits[c & 15]);
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && S[i + 1].isLowSurrogate()) {
            Out += S[i];
            Out += S[++i];
        } else if (QChar::isSurrogate(c)) {
            // UTF-8 cannot carry half a pair.
            Out += u"\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                Out += QChar(HexDigits[(c >> shift) & 15]);
        } else {
            Out += S[i];
        }
    }
    Out += u'"';
}

// The quoted text at Pos (its opening quote); Pos ends after the closing
// quote. False for anything that is not one.
bool ReadQuoted(const QString& Line, qsizetype& Pos, QString& Result)
{
    const qsizetype n = Line.size();
    if (Pos >= n || Line[Pos] != u'"')
        return false;
    Result.clear();
    for (qsizetype i = Pos + 1; i < n; ++i) {
        const QChar c = Line[i];
        if (c == u'"') {
            Pos = i + 1;
            return true;
        }
        if (c != u'\\') {
            Result += c;
            continue;
        }
        if (++i == n)
            return false;
        switch (Line[i].unicode()) {
        case u'\\': Result += u'\\'; break;
        case u'"': Result += u'"'; break;
        case u'n': Result += u'\n'; break;
        case u'r': Result += u'\r'; break;
        case u't': Result += u'\t'; break;
        case u'x':
        case u'u': {
            const int digits = Line[i] == u'x' ? 2 : 4;
            if (digits > n - i - 1)
                return false;
            char16_t code = 0;
            for (int k = 1; k <= digits; ++k) {
                const int h = HexValue(Line[i + k]);
                if (h < 0)
                    return false;
                code = char16_t(code * 16 + h);
            }
            Result += QChar(code);
            i += digits;
            break;
        }
        default:
            return false;
        }
    }
    return false;
}

bool ReadValueLine(const QString& Line, TRegistryValue& Value)
{
    qsizetype pos = 0;
    if (!ReadQuoted(Line, pos, Value.Name) || pos >= Line.size() || Line[pos] != u'=')
        return false;
    ++pos;
    static const QString dword = QStringLiteral("dword:");
    if (QStringView(Line).mid(pos).startsWith(dword)) {
        pos += dword.size();
        const qsizetype digits = Line.size() - pos;
        if (digits < 1 || digits > 8)
            return false;
        quint32 v = 0;
        for (; pos < Line.size(); ++pos) {
            const int h = HexValue(Line[pos]);
            if (h < 0)
                return false;
            v = v * 16 + quint32(h);
        }
        Value.IsInteger = true;
        Value.Number = qint32(v);
        Value.Text.clear();
        return true;
    }
    Value.IsInteger = false;
    Value.Number = 0;
    return ReadQuoted(Line, pos, Value.Text) && pos == Line.size();
}

} // namespace

QStringList TRegistryStore::SplitPath(const QString& Path)
{
    return Path.split(u'\\', Qt::SkipEmptyParts);
}

bool TRegistryStore::SplitKeyPath(QStringView Path, QStringList& Names)
{
    // Counted as it goes, so that a hostile path allocates no more than
    // the limits allow.
    Names.clear();
    qsizetype start = 0;
    while (start <= Path.size()) {
        qsizetype end = Path.indexOf(u'\\', start);
        if (end < 0)
            end = Path.size();
        if (end > start) {
            if (Names.size() == TRegistryLimits::MaxKeyDepth ||
                end - start > TRegistryLimits::MaxKeyNameLength)
                return false;
            Names.append(Path.mid(start, end - start).toString());
        }
        start = end + 1;
    }
    return true;
}

bool TRegistryStore::IsValidKeyName(const QString& Name)
{
    if (Name.isEmpty() || Name.size() > TRegistryLimits::MaxKeyNameLength)
        return false;
    // Names are written bare in the file's headers, one a line, in UTF-8.
    for (qsizetype i = 0; i < Name.size(); ++i) {
        const QChar c = Name[i];
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == u'\\')
            return false;
        if (c.isHighSurrogate() && i + 1 < Name.size() && Name[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

void TRegistryStore::Parse(const QByteArray& Text)
{
    FRoot.Clear();
    const QByteArray bytes = Text.left(TRegistryLimits::MaxFileBytes);
    TRegistryKey* current = nullptr;  // values before a good header are skipped
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QString line = QString::fromUtf8(bytes.constData() + start, end - start);
        start = end + 1;

        qsizetype first = 0, last = line.size();
        while (first < last && IsBlank(line[first].unicode()))
            ++first;
        while (last > first && IsBlank(line[last - 1].unicode()))
            --last;
        line = line.mid(first, last - first);
        if (line.isEmpty() || line[0] == u';' || line[0] == u'#')
            continue;
        if (line[0] == u'[') {
            current = nullptr;
            if (line.size() < 2 || line.back() != u']')
                continue;
            QStringList names;
            if (!SplitKeyPath(QStringView(line).mid(1, line.size() - 2), names))
                continue;
            current = &FRoot;
            for (const QString& name : names)
                current = &current->AddChild(name);
            continue;
        }
        TRegistryValue value;
        if (current && ReadValueLine(line, value))
            current->SetValue(value);
    }
}

QByteArray TRegistryStore::Serialize() const
{
    QString out = QStringLiteral("; Settings of the current user, written by the program.\n");
    // Depth first; keys without values are written only where nothing
    // below them names them.
    struct TFrame {
        const TRegistryKey* Key;
        QString Path;
    };
    std::vector<TFrame> stack{{&FRoot, QString()}};
    while (!stack.empty()) {
        const TFrame frame = std::move(stack.back());
        stack.pop_back();
        const TRegistryKey& key = *frame.Key;
        if (!key.Values.empty() || (key.Children.empty() && key.Parent)) {
            out += u'[' + frame.Path + QStringLiteral("]\n");
            for (const TRegistryValue& v : key.Values) {
                AppendQuoted(out, v.Name);
                out += u'=';
                if (v.IsInteger) {
                    out += QStringLiteral("dword:") +
                           QString::number(quint32(v.Number), 16).rightJustified(8, u'0');
                } else {
                    AppendQuoted(out, v.Text);
                }
                out += u'\n';
            }
        }
        for (auto it = key.Children.rbegin(); it != key.Children.rend(); ++it)
            stack.push_back({it->get(), frame.Path.isEmpty() ? (*it)->Name : frame.Path + u'\\' + (*it)->Name});
    }
    return out.toUtf8();
}

// ---------------------------------------------------------------------------
// Keys by path

TRegistryKey* TRegistryStore::Find(const QString& Path)
{
    QStringList names;
    if (!SplitKeyPath(Path, names))
        return nullptr;
    TRegistryKey* key = &FRoot;
    for (const QString& name : names) {
        key = key->Child(name);
        if (!key)
            return nullptr;
    }
    return key;
}

TRegistryKey* TRegistryStore::Create(const QString& Path)
{
    QStringList names;
    if (!SplitKeyPath(Path, names))
        return nullptr;
    TRegistryKey* key = &FRoot;
    // Existing keys are reached whatever their names, as the file made them.
    qsizetype i = 0;
    for (; i < names.size(); ++i) {
        TRegistryKey* child = key->Child(names[i]);
        if (!child)
            break;
        key = child;
    }
    for (qsizetype k = i; k < names.size(); ++k)
        if (!IsValidKeyName(names[k]))
            return nullptr;
    for (; i < names.size(); ++i)
        key = &key->AddChild(names[i]);
    return key;
}

bool TRegistryStore::Delete(const QString& Path)
{
    TRegistryKey* key = Find(Path);
    if (!key || !key->Parent)
        return false;
    return key->Parent->DeleteChild(key->Name);
}

// ---------------------------------------------------------------------------
// The file

std::shared_ptr<TRegistryStore> TRegistryStore::Of(const QString& FileName)
{
    // One user-interface thread uses the stores.
    static QHash<QString, std::weak_ptr<TRegistryStore>> stores;
    const QString key = FileName.isEmpty() ? QString() : QFileInfo(FileName).absoluteFilePath();
    if (std::shared_ptr<TRegistryStore> store = stores.value(key).lock())
        return store;
    auto store = std::make_shared<TRegistryStore>();
    store->FFileName = key;
    store->Load();
    stores.insert(key, store);
    return store;
}

TRegistryStore::TStamp TRegistryStore::StampOf() const
{
    TStamp stamp;
    struct stat st {};
    if (FFileName.isEmpty() || ::stat(QFile::encodeName(FFileName).constData(), &st) != 0)
        return stamp;
    stamp.Exists = true;
    stamp.Device = quint64(st.st_dev);
    stamp.Inode = quint64(st.st_ino);
    stamp.Size = qint64(st.st_size);
    stamp.MTimeSec = qint64(st.st_mtim.tv_sec);
    stamp.MTimeNsec = qint64(st.st_mtim.tv_nsec);
    return stamp;
}

void TRegistryStore::Load()
{
    FStamp = StampOf();
    QFile file(FFileName);
    // A file that cannot be read holds no settings.
    if (FFileName.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        FRoot.Clear();
        return;
    }
    Parse(file.read(TRegistryLimits::MaxFileBytes));
}

void TRegistryStore::Refresh()
{
    if (!FUnsaved && StampOf() != FStamp)
        Load();
}

bool TRegistryStore::Save()
{
    FUnsaved = true;
    if (FFileName.isEmpty())
        return false;
    const QByteArray text = Serialize();
    if (text.size() > TRegistryLimits::MaxFileBytes)
        return false;
    if (!QDir().mkpath(QFileInfo(FFileName).absolutePath()))
        return false;
    try {
        AtomicSaveToFile(FFileName, text);
    } catch (const EStreamError&) {
        return false;
    }
    FUnsaved = false;
    FStamp = StampOf();
    return true;
}

} // namespace classlib
