#include "designer/editors/papersizeproperty.h"

#include "designer/document/papersize.h"

namespace designer {

using namespace classlib;

namespace {

// The sizes offered: Letter to ESheet.
constexpr int FirstOffered = 1;
constexpr int LastOffered = PaperSizeCount - 2;

} // namespace

TPropertyAttributes TPaperSizeProperty::GetAttributes()
{
    return {TPropertyAttribute::paValueList, TPropertyAttribute::paMultiSelect, TPropertyAttribute::paReadOnly};
}

QString TPaperSizeProperty::GetValue()
{
    const qint64 v = GetOrdValue();
    return v >= 0 && v < PaperSizeCount ? PaperSizeName(quint8(v)) : QString();
}

void TPaperSizeProperty::GetValues(const TGetStrProc& Proc)
{
    for (int v = FirstOffered; v <= LastOffered; ++v) Proc(PaperSizeName(quint8(v)));
}

void TPaperSizeProperty::SetValue(const QString& Value)
{
    // The first match wins should two sizes share a name.
    for (int v = FirstOffered; v <= LastOffered; ++v)
        if (PaperSizeName(quint8(v)).compare(Value, Qt::CaseInsensitive) == 0) {
            SetOrdValue(v);
            return;
        }
    throw EPropertyError(QString::fromLatin1(SInvalidPropertyValue));
}

} // namespace designer
