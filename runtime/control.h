#pragma once

// The base of every element of a report page: its box in 0.01 mm, its
// frame, shadow and background, its place in the element tree and its five
// application events. A page goes through a data pass (Process) and a paint
// pass (PaintAll) per output page, with Reset between pages.
//
// Geometry: QXLeft/QXTop are measured from the parent's outer top-left
// corner with QXTop growing downwards; drawing happens with y up, so an
// element's own client rectangle is (0, 0, QXWidth, -QXHeight).

#include "runtime/alignment.h"
#include "runtime/attributes.h"

#include "classlib/core/component.h"
#include "classlib/graphics/gditypes.h"

#include <QString>

namespace classlib {
class TCanvas;
}

namespace runtime {

using classlib::TCanvas;
using classlib::TObject;
using classlib::TRect;

class TQXContainer;
class TQXReport;

// Every event gets the running report as Sender.
QX_EVENT(TQXBeforePrint, TObject* /*Sender*/, bool& /*NeedPrint*/)
QX_EVENT(TQXAfterPrint, TObject* /*Sender*/)
QX_EVENT(TQXAskData, TObject* /*Sender*/, bool& /*NeedData*/)
QX_EVENT(TQXGetText, TObject* /*Sender*/, QString& /*Text*/)
QX_EVENT(TQXOwnerDraw, TObject* /*Sender*/, TCanvas* /*Canvas*/, const TRect& /*Rect*/)

class TQXControl : public classlib::TComponent {
    QX_CLASS(TQXControl, classlib::TComponent)
public:
    explicit TQXControl(classlib::TComponent* AOwner);
    ~TQXControl() override;

    // Outer box, frame and shadow included.
    int QXLeft() const { return FQXLeft; }
    void SetQXLeft(int Value) { FQXLeft = Value; }
    int QXTop() const { return FQXTop; }
    void SetQXTop(int Value) { FQXTop = Value; }
    int QXWidth() const { return FQXWidth; }
    void SetQXWidth(int Value) { FQXWidth = Value; }
    int QXHeight() const { return FQXHeight; }
    void SetQXHeight(int Value) { FQXHeight = Value; }

    TQXFrame* Frame() const { return FFrame; }
    void SetFrame(const TQXFrame* Value) { FFrame->Assign(Value); }
    TQXShadow* Shadow() const { return FShadow; }
    void SetShadow(const TQXShadow* Value) { FShadow->Assign(Value); }
    TQXBackground* Background() const { return FBackground; }
    void SetBackground(const TQXBackground* Value) { FBackground->Assign(Value); }

    TQXContainer* QXParent() const { return FQXParent; }
    // Appends this element to Value's child list (leaving the list that
    // held it). Nil, and a container that is this element or lies inside
    // it, are ignored: an element is in at most one child list and the tree
    // has no cycles.
    void SetQXParent(TQXContainer* Value);
    // The container whose child list holds this element, if any.
    TQXContainer* ListedIn() const { return FListedIn; }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value) { FAlign = Value; }
    int PrintOrder() const { return FPrintOrder; }
    void SetPrintOrder(int Value) { FPrintOrder = Value; }
    // No event of the element fires.
    bool Static() const { return FStatic; }
    void SetStatic(bool Value) { FStatic = Value; }
    // Whether the element is painted, aligned and takes height in the
    // current paper run.
    bool Printable() const { return FPrintable; }
    void SetPrintable(bool Value) { FPrintable = Value; }

    TQXBeforePrint BeforePrint;
    TQXAfterPrint AfterPrint;
    TQXAskData AskData;
    TQXGetText GetText;
    TQXOwnerDraw OwnerDraw;

    // Called with the canvas origin at the outer top-left corner.
    virtual void PaintAll(TCanvas& Canvas);
    // The component name as loaded; a clone answers its template's.
    virtual QString GetName() const;
    virtual TRect GetClientRect() const;
    virtual void Paint(TCanvas& Canvas);
    // The report running the page: the owning paper's, or none.
    virtual TQXReport* GetReport() const;
    virtual void Process(TCanvas& Canvas);
    virtual void Reset();
    virtual bool DoBeforePrint();
    virtual void DoAfterPrint();

    // The client rectangle less shadow and frame.
    TRect GetContentRect() const;
    TRect GetPictureRect() const;
    void SetBounds(int Left, int Top, int Width, int Height);
    // Width and Height of the content: frame and shadow are added.
    void SetOuterBounds(int Left, int Top, int Width, int Height);

    void FireBeforePrint(bool& NeedPrint);
    void FireAfterPrint();
    void FireAskData(bool& NeedData);
    void FireGetText(QString& Text);
    void FireOwnerDraw(TCanvas& Canvas, const TRect& Rect);

    void Loaded() override;

protected:
    void AssignTo(classlib::TPersistent* Dest) const override;
    // The report, recorded as calling from this element; null without one
    // or when the element is static.
    TQXReport* EventSender();

private:
    friend class TQXContainer;

    void PaintShadow(TCanvas& Canvas);
    void PaintFrame(TCanvas& Canvas);

    // Held in place: a row clone's labels are made and freed by the
    // thousand. The pointers are what the stored properties name.
    TQXFrame FFrameStore;
    TQXShadow FShadowStore;
    TQXBackground FBackgroundStore;
    TQXFrame* FFrame = &FFrameStore;
    TQXShadow* FShadow = &FShadowStore;
    int FQXLeft = 0;
    int FQXTop = 0;
    int FQXWidth = 0;
    int FQXHeight = 0;
    TQXContainer* FQXParent = nullptr;
    TAlign FAlign = alNone;
    QString FElementName;
    bool FPrintable = true;
    bool FStatic = false;
    int FPrintOrder = 0;
    TQXBackground* FBackground = &FBackgroundStore;
    TQXContainer* FListedIn = nullptr;
};

// The element's rectangle in its parent's coordinates (y up).
inline TRect GetBoundsRect(const TQXControl& Element)
{
    return TRect{Element.QXLeft(), classlib::SatNeg(Element.QXTop()),
                 classlib::SatAdd(Element.QXLeft(), Element.QXWidth()),
                 classlib::SatInt(-qint64(Element.QXTop()) - Element.QXHeight())};
}

} // namespace runtime
