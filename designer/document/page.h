#pragma once

// The page window: the printable area of a report page, a design surface on
// which the elements lie. It is the root of a page stream: its name,
// frame, shadow, font, background and Static are stored, its children are
// the elements nested in their window parents.

#include "designer-framework/controldesigner.h"

#include "runtime/attributes.h"

#include <QHash>

namespace classlib {
class TReader;
}

namespace designer {

class TQXPageBase : public designer_framework::TControlDesigner {
    QX_CLASS(TQXPageBase, designer_framework::TControlDesigner)
public:
    explicit TQXPageBase(classlib::TComponent* AOwner);
    ~TQXPageBase() override;

    runtime::TQXFrame* Frame() const { return FFrame; }
    void SetFrame(const runtime::TQXFrame* Value);
    runtime::TQXShadow* Shadow() const { return FShadow; }
    void SetShadow(const runtime::TQXShadow* Value);
    runtime::TQXBackground* Background() const { return FBackground; }
    void SetBackground(const runtime::TQXBackground* Value);
    bool Static() const { return FStatic; }
    void SetStatic(bool Value) { FStatic = Value; }

    // Printable width and height in hundredths of a millimetre; the paper
    // window sets them.
    int PageWidth() const { return FPageWidth; }
    int PageHeight() const { return FPageHeight; }
    void SetPageSize(int Width, int Height);

    // Pixel size from the printable area at the current scale.
    void UpdateSize();
    // Every owned element's pixels from its stored values, then the size.
    void RescaleAll();

    // The area less shadow and frame, in hundredths of a millimetre.
    classlib::TRect GetContentRectUnits() const;
    classlib::TRect ClientRect() const override;
    classlib::TRect GetPictureRect() const;

    // The elements that lie directly on the page, in window order.
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc,
                     classlib::TComponent* Root) override;
    void Loaded() override;

protected:
    void AlignControls(classlib::TControl* AControl, classlib::TRect& Rect) override;
    void ColorChanged() override;

private:
    runtime::TQXFrame* FFrame;
    runtime::TQXShadow* FShadow;
    int FPageWidth = 0;
    int FPageHeight = 0;
    runtime::TQXBackground* FBackground;
    bool FStatic = false;
};

// The rename callback: refuses a clash by raising.
using TRenameEvent = std::function<void(const QString& NewName)>;

class TQXPage : public TQXPageBase {
    QX_CLASS(TQXPage, TQXPageBase)
public:
    explicit TQXPage(classlib::TComponent* AOwner);

    TRenameEvent OnRename;

    // Blanks around the name are dropped; a blank name raises
    // EComponentError. The document hears of the new name first.
    void SetName(const QString& Value) override;
    // Element names without the class prefix: Label1, Band2; the smallest
    // free number.
    QString MakeUniqueName(const QString& WantedName, const QString& BaseName) override;
    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;
    void ValidateRename(classlib::TComponent* AComponent, const QString& CurName, const QString& NewName) override;

    // Asks first while ConfirmDelete is on; any answer but Yes is a silent
    // abort.
    void DeleteSelected();
    void AlignSelectedToGrid();
    // The print order editor for the first selected element when it is a
    // container, else for that element's parent; with nothing selected,
    // for the page. OK counts as a modification of the page.
    void EditPrintOrder();
    // Replaces the elements by those of a page stream.
    void ReadPage(classlib::TReader& Reader);

    // Published handlers of the window.
    void FormKeyDown(classlib::TObject* Sender, unsigned& Key, classlib::TShiftState Shift);
    void FormDblClick(classlib::TObject* Sender);

private:
    // The container EditPrintOrder edits.
    classlib::TWinControl* PrintOrderContainer();

    // Per class name, a number below which every name is taken: names come
    // free only when an element goes or is renamed, and then these go too.
    // Naming a pasted thousand elements stays linear.
    QHash<QString, qint64> FNameHints;
};

// Invalidates the surface and every element on it.
void InvalidateAll(classlib::TWinControl* Surface);

} // namespace designer
