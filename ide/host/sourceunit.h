#pragma once

// The host's stand-in for a code editor: the methods of one designed form,
// kept in a class table made at run time, so that the report binds its
// events to them by name as it binds a compiled form's. Every handler is
// generic for its parameter list and logs its calls: a text handler writes
// its own name into the text, a data handler supplies a few rows.

#include "classlib/core/sysutils.h"
#include "classlib/core/typinfo.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace idehost {

class ESourceError : public classlib::Exception {
public:
    using classlib::Exception::Exception;
};

class TSourceUnit {
public:
    // FormClassName names the form's class ("TForm1"); Ancestor is the
    // class it descends from.
    TSourceUnit(const QString& FormClassName, const classlib::TClassInfo& Ancestor);
    ~TSourceUnit();
    TSourceUnit(const TSourceUnit&) = delete;
    TSourceUnit& operator=(const TSourceUnit&) = delete;

    const classlib::TClassInfo& FormClass() const { return *FClass; }
    // A class of the same name and methods descending from Ancestor, for a
    // run instance of the form (the methods as they are now).
    std::unique_ptr<classlib::TClassInfo> RunClass(const classlib::TClassInfo& Ancestor) const;

    // Rows a data handler supplies before it answers that no data is left.
    static constexpr int DataRows = 3;

    // Adds a handler for events of TypeData. ESourceError when Name is no
    // identifier, when a method of that name (any case) exists, or when no
    // handler can be made for that event type.
    const classlib::TMethodInfo* Add(const QString& Name, const classlib::TTypeInfo* TypeData);
    // Adds by the event type's name ("TQXGetText"), as a saved list holds it.
    const classlib::TMethodInfo* Add(const QString& Name, const QString& TypeName);
    // Without regard to case, as the runtime binds; null when absent.
    const classlib::TMethodInfo* Find(const QString& Name) const;
    bool Exists(const QString& Name) const { return Find(Name) != nullptr; }
    // Whether Code is a method of this unit that was not deleted.
    bool IsLive(const classlib::TMethodInfo* Code) const;
    void Rename(const QString& CurName, const QString& NewName);
    // Deleted methods are kept out of the table but stay allocated, so a
    // method pointer left in an event never dangles.
    void Delete(const QString& Name);
    void Clear();

    // The methods in the order they were made.
    QStringList Names() const;
    QString TypeNameOf(const QString& Name) const;
    // The methods whose parameter list fits an event of TypeData.
    QStringList CompatibleNames(const classlib::TTypeInfo* TypeData) const;
    // One "Name=TypeName" line per method.
    QStringList SaveList() const;
    // Replaces the methods by a saved list; ESourceError on a bad line,
    // leaving the methods as they were.
    void LoadList(const QStringList& Lines);

    // The calls of the handlers, "Name" each; reset with ResetRun, which
    // also lets each data handler supply its rows again.
    const QStringList& Calls() const { return FCalls; }
    void ResetRun();

    // Called after every change of the methods.
    std::function<void()> OnChange;

    // The event types a handler can be made for.
    static bool CanHandle(const classlib::TTypeInfo* TypeData);

private:
    struct TEntry;
    void Changed();
    TEntry* FindEntry(const QString& Name) const;

    std::unique_ptr<classlib::TClassInfo> FClass;
    std::vector<std::unique_ptr<TEntry>> FEntries;
    std::vector<std::unique_ptr<TEntry>> FDeleted;
    QStringList FCalls;
};

} // namespace idehost
