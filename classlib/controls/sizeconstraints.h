#pragma once

// The size limits of a form (Constraints): 0 is no limit. A maximum below
// its minimum counts as the minimum.

#include "classlib/core/persistent.h"
#include "classlib/core/typinfo.h"

#include <functional>

namespace classlib {

class TSizeConstraints : public TPersistent {
    QX_CLASS(TSizeConstraints, TPersistent)
public:
    void Assign(const TPersistent* Source) override;

    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value) { Set(FMinWidth, Value); }
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value) { Set(FMinHeight, Value); }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value) { Set(FMaxWidth, Value); }
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int Value) { Set(FMaxHeight, Value); }

    // A width and a height within the limits.
    int ClampWidth(int Width) const { return Clamp(Width, FMinWidth, FMaxWidth); }
    int ClampHeight(int Height) const { return Clamp(Height, FMinHeight, FMaxHeight); }

    // Told of every change; the form keeps its window within the limits.
    std::function<void(TObject* Sender)> OnChange;

private:
    static int Clamp(int Value, int Min, int Max);
    void Set(int& Field, int Value);
    void Changed();

    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};

} // namespace classlib
