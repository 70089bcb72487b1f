#include "classlib/controls/cursornames.h"

#include "classlib/core/sysutils.h"

namespace classlib {

namespace {

struct TCursorName {
    qint16 Value;
    const char* Name;
};

// crSize is the old name of crSizeAll: one name a value.
const TCursorName CursorNames[] = {
    {0, "crDefault"},    {-1, "crNone"},      {-2, "crArrow"},      {-3, "crCross"},
    {-4, "crIBeam"},     {-6, "crSizeNESW"},  {-7, "crSizeNS"},     {-8, "crSizeNWSE"},
    {-9, "crSizeWE"},    {-10, "crUpArrow"},  {-11, "crHourGlass"}, {-12, "crDrag"},
    {-13, "crNoDrop"},   {-14, "crHSplit"},   {-15, "crVSplit"},    {-16, "crMultiDrag"},
    {-17, "crSQLWait"},  {-18, "crNo"},       {-19, "crAppStart"},  {-20, "crHelp"},
    {-21, "crHandPoint"}, {-22, "crSizeAll"},
};

} // namespace

bool CursorToIdent(qint64 Cursor, QString& Ident)
{
    for (const TCursorName& c : CursorNames)
        if (c.Value == Cursor) {
            Ident = QString::fromLatin1(c.Name);
            return true;
        }
    return false;
}

bool IdentToCursor(const QString& Ident, qint64& Cursor)
{
    for (const TCursorName& c : CursorNames)
        if (SameText(Ident, QString::fromLatin1(c.Name))) {
            Cursor = c.Value;
            return true;
        }
    return false;
}

QString CursorToString(TCursor Cursor)
{
    QString name;
    return CursorToIdent(Cursor, name) ? name : IntToStr(Cursor);
}

void GetCursorValues(const std::function<void(const QString&)>& Proc)
{
    for (const TCursorName& c : CursorNames) Proc(QString::fromLatin1(c.Name));
}

} // namespace classlib
