#pragma once

// The design-time report element: a window on the page window, so that the
// design surface can select, move and size it and the inspector can edit
// it. It stores what the runtime's element of the same name stores (box in
// hundredths of a millimetre, frame, shadow, background), keeps its pixel
// bounds in step with them at the current scale, and draws itself as the
// designer shows it.

#include "runtime/attributes.h"

#include "classlib/controls/control.h"

#include <optional>

namespace designer {

class TQXContainer;

class TQXControl : public classlib::TCustomControl {
    QX_CLASS(TQXControl, classlib::TCustomControl)
public:
    explicit TQXControl(classlib::TComponent* AOwner);
    ~TQXControl() override;

    runtime::TQXFrame* Frame() const { return FFrame; }
    void SetFrame(const runtime::TQXFrame* Value);
    runtime::TQXShadow* Shadow() const { return FShadow; }
    void SetShadow(const runtime::TQXShadow* Value);
    runtime::TQXBackground* Background() const { return FBackground; }
    void SetBackground(const runtime::TQXBackground* Value);

    // The outer box in hundredths of a millimetre, from the parent window's
    // top-left corner. Setting one outside a read moves the window.
    int QXLeft() const { return FQXLeft; }
    int QXTop() const { return FQXTop; }
    int QXWidth() const { return FQXWidth; }
    int QXHeight() const { return FQXHeight; }
    void SetQXLeft(int Value);
    void SetQXTop(int Value);
    void SetQXWidth(int Value);
    void SetQXHeight(int Value);
    // Stores all four at once without moving the window.
    void SetUnits(int Left, int Top, int Width, int Height);

    // Millimetres, index 1..4 (left, top, width, height). A negative width
    // or height raises EInvalidOp "%f is not a valid positive value".
    double GetMM(int Index) const;
    void SetMM(int Index, double Value);
    double MMLeft() const { return GetMM(1); }
    double MMTop() const { return GetMM(2); }
    double MMWidth() const { return GetMM(3); }
    double MMHeight() const { return GetMM(4); }
    void SetMMLeft(double Value) { SetMM(1, Value); }
    void SetMMTop(double Value) { SetMM(2, Value); }
    void SetMMWidth(double Value) { SetMM(3, Value); }
    void SetMMHeight(double Value) { SetMM(4, Value); }

    // The parent window when it is a container; writing it does nothing,
    // the window parent being the containment.
    TQXContainer* QXParent() const;
    void SetQXParent(TQXContainer*) {}

    int PrintOrder() const { return FPrintOrder; }
    void SetPrintOrder(int Value) { FPrintOrder = Value; }
    bool Static() const { return FStatic; }
    void SetStatic(bool Value) { FStatic = Value; }

    // Stored values to pixel bounds.
    virtual void UpdateBounds();
    // What follows a change of the content area: a container realigns its
    // children.
    virtual void UpdateContent() {}

    // Pixel bounds; outside a read and while the scale is unlocked each
    // changed value flows back into its stored value.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Width and Height of the content: frame and shadow are added.
    void SetOuterBounds(int ALeft, int ATop, int AWidth, int AHeight);
    // The box less shadow and frame, in hundredths of a millimetre.
    classlib::TRect GetContentRectUnits() const;
    // The content rectangle in pixels.
    classlib::TRect ClientRect() const override;

    // A blank name raises EComponentError "'%s' is not a valid component name".
    void SetName(const QString& Value) override;
    void Loaded() override;
    // A font read from the stream is the element's own; it follows its
    // parent's only when the stream says so or holds no font.
    void ReadState(classlib::TReader& Reader) override;

protected:
    // The setter of the published ParentFont: remembers the stored value.
    void SetStoredParentFont(bool Value);
    // The getter of a published font: notes that a stream being read
    // holds one.
    classlib::TFont* StreamFont() const;
    // The picture's pixel rectangle inside the content rectangle C.
    classlib::TRect PictureRect(const classlib::TRect& C) const;
    void Paint() override;
    // The name caption inside the content rectangle.
    virtual void PaintName();
    virtual void PaintContent() {}
    void Resize() override;
    void Moved() override;

private:
    runtime::TQXFrame* FFrame;
    runtime::TQXShadow* FShadow;
    int FQXLeft = 0;
    int FQXTop = 0;
    int FQXWidth = 0;
    int FQXHeight = 0;
    int FPrintOrder = 0;
    runtime::TQXBackground* FBackground;
    bool FStatic = false;
    std::optional<bool> FReadParentFont;
    mutable bool FFontRead = false;
};

// Accepts child elements; its aligned children are placed in stored units.
class TQXContainer : public TQXControl {
    QX_CLASS(TQXContainer, TQXControl)
public:
    explicit TQXContainer(classlib::TComponent* AOwner);

    void UpdateContent() override;
    // The child elements that share this one's owner, in window order.
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc,
                     classlib::TComponent* Root) override;

protected:
    void AlignControls(classlib::TControl* AControl, classlib::TRect& Rect) override;
};

// Invalidates the control's window and, recursively, its children's: a
// transparent element shows what lies under it.
void InvalidateTree(classlib::TControl* Control);

// Snaps the element's page position to the nearest 10 mm.
void AlignToGrid(TQXControl* Control);

// Places the aligned child elements of Parent inside ContentUnits (stored
// units, y downwards); Changing goes first on its side.
void AlignChildrenUnits(classlib::TWinControl* Parent, classlib::TRect ContentUnits,
                        classlib::TControl* Changing);

} // namespace designer
