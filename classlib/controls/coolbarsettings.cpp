#include "classlib/controls/coolbarsettings.h"

#include <QStringList>

#include <optional>

namespace classlib {

namespace {

const QString LineEnd = QStringLiteral("\r\n");

// The value of the first line "Name=...", the name in any case; or none.
std::optional<QString> Field(const QString& Text, const QString& Name)
{
    for (QStringView line : QStringView(Text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.size() > Name.size() && line.startsWith(Name, Qt::CaseInsensitive) && line[Name.size()] == u'=')
            return line.mid(Name.size() + 1).toString();
    }
    return std::nullopt;
}

std::optional<int> Number(const std::optional<QString>& Value)
{
    bool ok = false;
    const int n = Value ? Value->trimmed().toInt(&ok) : 0;
    return ok ? std::optional<int>(n) : std::nullopt;
}

} // namespace

QString CoolBandValueName(int Index)
{
    return QStringLiteral("band%1").arg(Index);
}

QString CoolBandValue(const TCoolBand* Band)
{
    QString text;
    if (Band->Break())
        text += QStringLiteral("break=1") + LineEnd;
    text += QStringLiteral("width=%1").arg(Band->Width()) + LineEnd;
    text += QStringLiteral("height=%1").arg(Band->MinHeight()) + LineEnd;
    if (Band->Control() && !Band->Control()->Name().isEmpty())
        text += QStringLiteral("control=") + Band->Control()->Name() + LineEnd;
    return text;
}

void LoadCoolBand(TCoolBar* CoolBar, int Index, const QString& Value)
{
    TCoolBands* bands = CoolBar->Bands();
    if (Value.isEmpty() || Index < 0 || Index >= bands->Count())
        return;
    TCoolBand* band = bands->Items(Index);
    if (const std::optional<int> height = Number(Field(Value, QStringLiteral("height"))))
        band->SetMinHeight(*height);
    else if (band->Height() > 0)
        band->SetMinHeight(band->Height() - 2 * CoolBandMargin);
    const QString control = Field(Value, QStringLiteral("control")).value_or(QString());
    if (control.isEmpty())
        return;
    TCoolBand* holder = nullptr;
    for (int i = 0; i < bands->Count() && !holder; ++i)
        if (TWinControl* c = bands->Items(i)->Control(); c && c->Name().compare(control, Qt::CaseInsensitive) == 0)
            holder = bands->Items(i);
    if (!holder)
        return;
    if (holder != band) {
        TWinControl* mine = band->Control();
        TWinControl* theirs = holder->Control();
        holder->SetControl(nullptr);
        band->SetControl(theirs);
        holder->SetControl(mine);
        const int height = band->MinHeight();
        band->SetMinHeight(holder->MinHeight());
        holder->SetMinHeight(height);
    }
    band->SetBreak(Field(Value, QStringLiteral("break")) == QStringLiteral("1"));
    if (const std::optional<int> width = Number(Field(Value, QStringLiteral("width"))))
        band->SetWidth(*width);
}

} // namespace classlib
