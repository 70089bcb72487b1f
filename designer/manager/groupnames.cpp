#include "designer/manager/groupnames.h"

namespace designer {

namespace {

// The n of a default name "Group<n>" (any case, no leading zero), else 0.
int DefaultNumber(const QString& Name)
{
    static const QString prefix = QStringLiteral("group");
    if (Name.size() <= prefix.size() || Name.size() > prefix.size() + 9) return 0;
    if (!Name.startsWith(prefix, Qt::CaseInsensitive) || Name[prefix.size()] == QLatin1Char('0')) return 0;
    int n = 0;
    for (qsizetype i = prefix.size(); i < Name.size(); ++i) {
        const QChar c = Name[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return 0;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

} // namespace

QString TGroupNames::Key(const QString& Name)
{
    return Name.toCaseFolded();
}

void TGroupNames::Clear()
{
    FCounts.clear();
    FNext = 1;
}

void TGroupNames::Add(const QString& Name)
{
    ++FCounts[Key(Name)];
}

void TGroupNames::Remove(const QString& Name)
{
    const auto at = FCounts.find(Key(Name));
    if (at == FCounts.end()) return;
    if (--*at > 0) return;
    FCounts.erase(at);
    const int n = DefaultNumber(Name);
    if (n > 0 && n < FNext) FNext = n;
}

int TGroupNames::Count(const QString& Name) const
{
    return FCounts.value(Key(Name));
}

QString TGroupNames::NewName() const
{
    for (;; ++FNext) {
        const QString name = QStringLiteral("Group%1").arg(FNext);
        if (Count(name) == 0) return name;
    }
}

} // namespace designer
