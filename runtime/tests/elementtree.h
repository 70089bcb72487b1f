#pragma once

// Builds element trees in tests as a page read leaves them: owned by the
// paper, attached to their parent, named, loaded.

#include "runtime/container.h"
#include "runtime/paper.h"

#include <optional>
#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& S, std::ostream* Os)
{
    *Os << '"' << S.toStdString() << '"';
}

namespace runtime::tests {

struct TBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

template <class T>
T* AddElement(TQXPaper* Paper, TQXContainer* Parent, const QString& Name, TBox Box,
              std::optional<TAlign> Align = std::nullopt)
{
    auto* e = new T(Paper);
    e->SetName(Name);
    e->SetBounds(Box.Left, Box.Top, Box.Width, Box.Height);
    if (Align) e->SetAlign(*Align);
    if (Parent) e->SetQXParent(Parent);
    e->Loaded();
    return e;
}

inline QString RectText(const classlib::TRect& R)
{
    return QStringLiteral("(%1,%2,%3,%4)").arg(R.Left).arg(R.Top).arg(R.Right).arg(R.Bottom);
}

inline QString BoundsText(const TQXControl* C)
{
    return QStringLiteral("%1,%2 %3x%4").arg(C->QXLeft()).arg(C->QXTop()).arg(C->QXWidth()).arg(C->QXHeight());
}

} // namespace runtime::tests
