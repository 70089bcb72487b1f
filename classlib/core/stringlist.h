#pragma once

// Lists of strings, each with an object: the abstract TStrings and the
// concrete TStringList.

#include "classlib/core/persistent.h"

#include <QString>

#include <functional>
#include <vector>

namespace classlib {

class TStream;

class TStrings : public TPersistent {
    QX_CLASS(TStrings, TPersistent)
public:
    // Storage, supplied by descendants. Indexes outside the list raise
    // EStringListError "List index out of bounds (%d)".
    virtual int Count() const = 0;
    virtual QString Get(int Index) const = 0;
    virtual TObject* Objects(int Index) const = 0;
    virtual void SetObjects(int Index, TObject* AObject) = 0;
    virtual void InsertObject(int Index, const QString& S, TObject* AObject) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;

    // Replaces the string and keeps its object.
    virtual void Put(int Index, const QString& S);
    QString operator[](int Index) const { return Get(Index); }

    // The index the string was put at.
    int Add(const QString& S) { return AddObject(S, nullptr); }
    virtual int AddObject(const QString& S, TObject* AObject);
    void Insert(int Index, const QString& S) { InsertObject(Index, S, nullptr); }
    // Adds strings and objects (the objects are shared, not copied).
    // EStringListError when this list owns its objects and Strings has any.
    void AddStrings(const TStrings& Strings);
    void Assign(const TStrings& Source);
    void Assign(const TPersistent* Source) override;
    virtual void Exchange(int Index1, int Index2);
    virtual void Move(int CurIndex, int NewIndex);
    // Same strings in the same order, compared exactly.
    bool Equals(const TStrings& Strings) const;

    // Searches compare as CompareStrings does; -1 when absent.
    virtual int IndexOf(const QString& S) const;
    int IndexOfName(const QString& Name) const;
    int IndexOfObject(const TObject* AObject) const;

    // "Name=Value" lines. Names(i) is empty for a line without '='. Setting
    // a value to "" deletes the line.
    QString Names(int Index) const;
    QString Values(const QString& Name) const;
    void SetValues(const QString& Name, const QString& Value);

    // Every line followed by CR LF; set splits at CR LF, CR or LF, and a
    // final line break adds no empty line.
    QString Text() const;
    void SetText(const QString& Value);

    // Off by default: comparisons fold ASCII case.
    bool CaseSensitive() const { return FCaseSensitive; }
    virtual void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }

    // Nested; change notifications wait for the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // The rest of Stream / the Text, in the ANSI code page.
    void LoadFromStream(TStream& Stream);
    void SaveToStream(TStream& Stream) const;

protected:
    void CheckCanTakeObjects(const TStrings& Strings) const;
    virtual int CompareStrings(const QString& S1, const QString& S2) const;
    // Called by the outermost BeginUpdate (true) and EndUpdate (false).
    virtual void SetUpdateState(bool Updating);

private:
    int FUpdateCount = 0;
    bool FCaseSensitive = false;
};

QX_ENUM(TDuplicates, dupIgnore, dupAccept, dupError)

class TStringList;
// <0, 0 or >0 as the string at Index1 sorts before, with or after Index2.
using TStringListSortCompare = std::function<int(const TStringList& List, int Index1, int Index2)>;

// Sorted lists keep their order: Insert, Put, Exchange and Move raise
// EStringListError "Operation not allowed on sorted list".
class TStringList : public TStrings {
    QX_CLASS(TStringList, TStrings)
public:
    TStringList() = default;
    ~TStringList() override;

    int Count() const override { return int(FList.size()); }
    QString Get(int Index) const override;
    TObject* Objects(int Index) const override;
    void SetObjects(int Index, TObject* AObject) override;
    void InsertObject(int Index, const QString& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    void Put(int Index, const QString& S) override;
    // Sorted: at its place; a duplicate as Duplicates says.
    int AddObject(const QString& S, TObject* AObject) override;
    void Exchange(int Index1, int Index2) override;
    void Move(int CurIndex, int NewIndex) override;
    int IndexOf(const QString& S) const override;
    void SetCaseSensitive(bool Value) override;

    // Binary search of a sorted list: true when found, Index = the first
    // match or where S would go.
    bool Find(const QString& S, int& Index) const;
    // Stable; nothing to do for a sorted list.
    void Sort();
    void CustomSort(const TStringListSortCompare& Compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    // Applies to sorted lists: dupError raises EStringListError
    // "String list does not allow duplicates".
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    // The list deletes its objects on Delete, Clear and destruction.
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

    std::function<void()> OnChange;
    std::function<void()> OnChanging;

protected:
    void SetUpdateState(bool Updating) override;
    virtual void Changing();
    virtual void Changed();

private:
    struct TItem {
        QString S;
        TObject* O = nullptr;
    };

    static int CompareItems(const TStringList& List, int Index1, int Index2);
    void CheckIndex(int Index, int Limit) const;
    [[noreturn]] void SortedListError() const;
    void InsertItem(int Index, const QString& S, TObject* AObject);
    void SortItems(const TStringListSortCompare& Compare);

    std::vector<TItem> FList;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FOwnsObjects = false;
};

} // namespace classlib
