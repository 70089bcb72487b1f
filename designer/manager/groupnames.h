#pragma once

// The names the groups of a print order bear, compared without regard to
// case, and the default names "Group1", "Group2", ... handed out from them.

#include <QHash>
#include <QString>

namespace designer {

class TGroupNames {
public:
    void Clear();
    void Add(const QString& Name);
    void Remove(const QString& Name);
    // How many groups bear the name, in any case.
    int Count(const QString& Name) const;
    // "Group" and the smallest number from 1 that no group bears.
    QString NewName() const;
    // The two are one name.
    static bool Same(const QString& A, const QString& B) { return Key(A) == Key(B); }

private:
    static QString Key(const QString& Name);

    QHash<QString, int> FCounts;
    // Below this number every default name is taken: a search starts here,
    // and moves back only when such a name comes free.
    mutable int FNext = 1;
};

} // namespace designer
