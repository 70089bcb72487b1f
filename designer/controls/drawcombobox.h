#pragma once

// A drop-down list that draws its own items: the text indented by Margin,
// then the owner's OnDrawItem, typically a small picture in the margin.
// Its items all have one height, never less than the font's.

#include "classlib/controls/combobox.h"

namespace designer {

class TDrawComboBox : public classlib::TCustomComboBox {
    QX_CLASS(TDrawComboBox, classlib::TCustomComboBox)
public:
    explicit TDrawComboBox(classlib::TComponent* AOwner);

    // Pixels from the item's left edge to its text.
    int Margin() const { return FMargin; }
    void SetMargin(int Value);

    // After a pick the user made (following OnClick); setting ItemIndex
    // from code fires nothing.
    classlib::TNotifyEvent OnChange;
    // The list is about to open.
    classlib::TNotifyEvent OnDropDown;

protected:
    void Dispatch(classlib::TMessage& Message) override;
    void DrawItem(int Index, const classlib::TRect& Rect, classlib::TOwnerDrawState State) override;
    // A larger font raises the item height; a smaller one leaves it.
    void FontChanged() override;

private:
    int FMargin = 6;
};

} // namespace designer
