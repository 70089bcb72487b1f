#pragma once

// What the brush and pen dialogs share: a list of the styles, each item
// with a small picture of its style in the margin, and a colour selector
// that is enabled exactly while the chosen style draws something.

#include "designer/dialogs/attributedialog.h"

#include "classlib/controls/ownerdraw.h"

#include <QStringList>

#include <functional>

namespace classlib {
class TImageList;
}

namespace designer {

class TDrawComboBox;

class TStyleListDialog : public TAttributeDialog {
    QX_CLASS(TStyleListDialog, TAttributeDialog)
public:
    explicit TStyleListDialog(classlib::TComponent* AOwner);

    TDrawComboBox* cmbStyle = nullptr;
    classlib::TLabel* lblColor = nullptr;
    TColorSelector* clrColor = nullptr;
    classlib::TImageList* imlCombo = nullptr;

    // --- handlers ---
    void cmbStyleChange(classlib::TObject* Sender);
    void cmbStyleDrawItem(classlib::TWinControl* Control, int Index, classlib::TRect Rect,
                          classlib::TOwnerDrawState State);

protected:
    static constexpr int PictureWidth = 16;
    static constexpr int PictureHeight = 13;
    // The list at those bounds with one item per text; Picture draws the
    // picture of item Index on a white canvas of the picture size.
    void AddStyleList(int L, int T, int W, const QStringList& Items,
                      const std::function<void(classlib::TCanvas& Canvas, int Index)>& Picture);
};

} // namespace designer
