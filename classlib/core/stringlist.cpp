#include "classlib/core/stringlist.h"

#include "classlib/core/ansi.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace classlib {

namespace {

// Runs Body between BeginUpdate and EndUpdate, also when Body throws.
// (A destructor could not let a throwing change handler through.)
template <class F>
void InUpdate(TStrings& List, F&& Body)
{
    List.BeginUpdate();
    try {
        Body();
    } catch (...) {
        List.EndUpdate();
        throw;
    }
    List.EndUpdate();
}

// Bottom-up merge sort: stable, and never leaves its range whatever the
// comparison answers.
template <class Less>
void StableSort(std::vector<int>& Items, Less IsLess)
{
    const size_t n = Items.size();
    std::vector<int> merged(n);
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t lo = 0; lo < n; lo += 2 * width) {
            const size_t mid = std::min(lo + width, n);
            const size_t hi = std::min(lo + 2 * width, n);
            size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi)
                merged[k++] = IsLess(Items[j], Items[i]) ? Items[j++] : Items[i++];
            while (i < mid)
                merged[k++] = Items[i++];
            while (j < hi)
                merged[k++] = Items[j++];
        }
        Items.swap(merged);
    }
}

} // namespace

// ---------------------------------------------------------------------------
// TStrings

const TClassInfo& TStrings::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStrings>("TStrings").Build();
    return info;
}

void TStrings::Put(int Index, const QString& S)
{
    InUpdate(*this, [&] {
        TObject* o = Objects(Index);
        SetObjects(Index, nullptr);  // an owning list must not free it
        Delete(Index);
        InsertObject(Index, S, o);
    });
}

int TStrings::AddObject(const QString& S, TObject* AObject)
{
    const int index = Count();
    InsertObject(index, S, AObject);
    return index;
}

void TStrings::CheckCanTakeObjects(const TStrings& Strings) const
{
    // Two owners of one object would free it twice.
    const auto* owner = dynamic_cast<const TStringList*>(this);
    if (!owner || !owner->OwnsObjects()) return;
    for (int i = 0; i < Strings.Count(); ++i)
        if (Strings.Objects(i))
            throw EStringListError(
                QStringLiteral("A list that owns its objects cannot take another list's objects"));
}

void TStrings::AddStrings(const TStrings& Strings)
{
    // A snapshot, so that adding a list to itself ends.
    const int n = Strings.Count();
    std::vector<std::pair<QString, TObject*>> items;
    items.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        items.emplace_back(Strings.Get(i), Strings.Objects(i));
    CheckCanTakeObjects(Strings);
    InUpdate(*this, [&] {
        for (const auto& [s, o] : items)
            AddObject(s, o);
    });
}

void TStrings::Assign(const TStrings& Source)
{
    if (&Source == this)
        return;
    CheckCanTakeObjects(Source);
    InUpdate(*this, [&] {
        Clear();
        AddStrings(Source);
    });
}

void TStrings::Assign(const TPersistent* Source)
{
    if (const auto* strings = dynamic_cast<const TStrings*>(Source)) {
        Assign(*strings);
        return;
    }
    inherited::Assign(Source);
}

void TStrings::Exchange(int Index1, int Index2)
{
    InUpdate(*this, [&] {
        const QString s1 = Get(Index1);
        TObject* o1 = Objects(Index1);
        const QString s2 = Get(Index2);
        TObject* o2 = Objects(Index2);
        Put(Index1, s2);
        SetObjects(Index1, o2);
        Put(Index2, s1);
        SetObjects(Index2, o1);
    });
}

void TStrings::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    InUpdate(*this, [&] {
        const QString s = Get(CurIndex);
        TObject* o = Objects(CurIndex);
        SetObjects(CurIndex, nullptr);
        Delete(CurIndex);
        InsertObject(NewIndex, s, o);
    });
}

bool TStrings::Equals(const TStrings& Strings) const
{
    const int n = Count();
    if (n != Strings.Count())
        return false;
    for (int i = 0; i < n; ++i)
        if (Get(i) != Strings.Get(i))
            return false;
    return true;
}

int TStrings::IndexOf(const QString& S) const
{
    const int n = Count();
    for (int i = 0; i < n; ++i)
        if (CompareStrings(Get(i), S) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const QString& Name) const
{
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        const QString s = Get(i);
        const qsizetype p = s.indexOf(u'=');
        if (p >= 0 && CompareStrings(s.left(p), Name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const
{
    const int n = Count();
    for (int i = 0; i < n; ++i)
        if (Objects(i) == AObject)
            return i;
    return -1;
}

QString TStrings::Names(int Index) const
{
    const QString s = Get(Index);
    const qsizetype p = s.indexOf(u'=');
    return p >= 0 ? s.left(p) : QString();
}

QString TStrings::Values(const QString& Name) const
{
    const int i = IndexOfName(Name);
    if (i < 0)
        return {};
    const QString s = Get(i);
    return s.mid(s.indexOf(u'=') + 1);
}

void TStrings::SetValues(const QString& Name, const QString& Value)
{
    const int i = IndexOfName(Name);
    if (!Value.isEmpty()) {
        const QString line = Name + u'=' + Value;
        if (i < 0)
            Add(line);
        else
            Put(i, line);
    } else if (i >= 0) {
        Delete(i);
    }
}

QString TStrings::Text() const
{
    const int n = Count();
    QString r;
    for (int i = 0; i < n; ++i) {
        r += Get(i);
        r += u"\r\n";
    }
    return r;
}

void TStrings::SetText(const QString& Value)
{
    InUpdate(*this, [&] {
        Clear();
        const qsizetype n = Value.size();
        qsizetype start = 0;
        qsizetype i = 0;
        while (i < n) {
            const QChar c = Value[i];
            if (c != u'\r' && c != u'\n') {
                ++i;
                continue;
            }
            Add(Value.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && Value[i + 1] == u'\n')
                ++i;
            start = ++i;
        }
        if (start < n)
            Add(Value.mid(start));
    });
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount == 0)  // unbalanced: nothing to end
        return;
    if (--FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::LoadFromStream(TStream& Stream)
{
    const qint64 size = Stream.Remaining();
    if (size > MaxMemoryStreamSize)
        throw EOutOfMemory(QStringLiteral("Out of memory"));
    QByteArray bytes(size, Qt::Uninitialized);
    Stream.ReadBuffer(bytes.data(), size);
    SetText(FromAnsi(bytes));
}

void TStrings::SaveToStream(TStream& Stream) const
{
    const QByteArray bytes = ToAnsi(Text());
    Stream.WriteBuffer(bytes.constData(), bytes.size());
}

int TStrings::CompareStrings(const QString& S1, const QString& S2) const
{
    return FCaseSensitive ? QString::compare(S1, S2, Qt::CaseSensitive) : CompareText(S1, S2);
}

// ---------------------------------------------------------------------------
// TStringList

const TClassInfo& TStringList::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStringList>("TStringList").Build();
    return info;
}

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    if (FOwnsObjects) {
        std::vector<TItem> items;
        items.swap(FList);
        for (const TItem& item : items)
            delete item.O;
    }
}

void TStringList::CheckIndex(int Index, int Limit) const
{
    if (Index < 0 || Index >= Limit)
        throw EStringListError(Format("List index out of bounds (%d)", {Index}));
}

void TStringList::SortedListError() const
{
    throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
}

QString TStringList::Get(int Index) const
{
    CheckIndex(Index, Count());
    return FList[size_t(Index)].S;
}

TObject* TStringList::Objects(int Index) const
{
    CheckIndex(Index, Count());
    return FList[size_t(Index)].O;
}

void TStringList::SetObjects(int Index, TObject* AObject)
{
    CheckIndex(Index, Count());
    Changing();
    FList[size_t(Index)].O = AObject;
    Changed();
}

void TStringList::InsertItem(int Index, const QString& S, TObject* AObject)
{
    Changing();
    FList.insert(FList.begin() + Index, TItem{S, AObject});
    Changed();
}

void TStringList::InsertObject(int Index, const QString& S, TObject* AObject)
{
    if (FSorted)
        SortedListError();
    CheckIndex(Index, Count() + 1);
    InsertItem(Index, S, AObject);
}

void TStringList::Delete(int Index)
{
    CheckIndex(Index, Count());
    Changing();
    TObject* o = FList[size_t(Index)].O;
    FList.erase(FList.begin() + Index);
    if (FOwnsObjects)
        delete o;
    Changed();
}

void TStringList::Clear()
{
    if (FList.empty())
        return;
    Changing();
    std::vector<TItem> items;
    items.swap(FList);
    if (FOwnsObjects)
        for (const TItem& item : items)
            delete item.O;
    Changed();
}

void TStringList::Put(int Index, const QString& S)
{
    if (FSorted)
        SortedListError();
    CheckIndex(Index, Count());
    Changing();
    FList[size_t(Index)].S = S;
    Changed();
}

int TStringList::AddObject(const QString& S, TObject* AObject)
{
    int index = Count();
    if (FSorted && Find(S, index)) {
        switch (FDuplicates) {
        case dupIgnore:
            return index;
        case dupError:
            throw EStringListError(QStringLiteral("String list does not allow duplicates"));
        case dupAccept:
            // After its equals, so equal strings keep the order they came in.
            while (index < Count() && CompareStrings(FList[size_t(index)].S, S) == 0)
                ++index;
            break;
        }
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Exchange(int Index1, int Index2)
{
    if (FSorted)
        SortedListError();
    CheckIndex(Index1, Count());
    CheckIndex(Index2, Count());
    Changing();
    std::swap(FList[size_t(Index1)], FList[size_t(Index2)]);
    Changed();
}

void TStringList::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    if (FSorted)
        SortedListError();
    CheckIndex(CurIndex, Count());
    CheckIndex(NewIndex, Count());
    Changing();
    const auto cur = FList.begin() + CurIndex;
    const auto dest = FList.begin() + NewIndex;
    if (CurIndex < NewIndex)
        std::rotate(cur, cur + 1, dest + 1);
    else
        std::rotate(dest, cur, cur + 1);
    Changed();
}

int TStringList::IndexOf(const QString& S) const
{
    if (!FSorted)
        return TStrings::IndexOf(S);
    int index;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const QString& S, int& Index) const
{
    int lo = 0;
    int hi = Count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (CompareStrings(FList[size_t(mid)].S, S) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    Index = lo;
    return lo < Count() && CompareStrings(FList[size_t(lo)].S, S) == 0;
}

int TStringList::CompareItems(const TStringList& List, int Index1, int Index2)
{
    return List.CompareStrings(List.FList[size_t(Index1)].S, List.FList[size_t(Index2)].S);
}

void TStringList::Sort()
{
    CustomSort(&TStringList::CompareItems);
}

void TStringList::CustomSort(const TStringListSortCompare& Compare)
{
    if (FSorted || Count() < 2)
        return;
    Changing();
    SortItems(Compare);
    Changed();
}

void TStringList::SortItems(const TStringListSortCompare& Compare)
{
    // Sorts positions and then rebuilds the list, so that the comparison
    // sees a list that does not move and a throwing one changes nothing.
    std::vector<int> order(FList.size());
    std::iota(order.begin(), order.end(), 0);
    StableSort(order, [&](int a, int b) { return Compare(*this, a, b) < 0; });
    std::vector<TItem> sorted;
    sorted.reserve(order.size());
    for (int i : order)
        sorted.push_back(FList[size_t(i)]);
    FList.swap(sorted);
}

void TStringList::SetSorted(bool Value)
{
    if (FSorted == Value)
        return;
    if (Value)
        Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (Value == CaseSensitive())
        return;
    TStrings::SetCaseSensitive(Value);
    if (FSorted) {
        Changing();
        SortItems(&TStringList::CompareItems);
        Changed();
    }
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging();
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange();
}

} // namespace classlib
