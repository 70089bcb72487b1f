#pragma once

// Status bars: a row of sunken panels at the bottom of a window, each as
// wide as its Width (the last one as the rest of the bar), showing its
// text or drawn by the bar's OnDrawPanel; or, in simple mode, one panel
// across the bar with SimpleText. A size grip in the bottom-right corner
// sizes the window when dragged.

#include "classlib/controls/control.h"
#include "classlib/core/collection.h"

namespace classlib {

class TStatusBar;
class TStatusPanel;

QX_ENUM(TStatusPanelStyle, psText, psOwnerDraw)

// Draws Panel in Rect (inside its bevel) on the bar's canvas, whose font
// and brush are the bar's.
using TDrawPanelEvent = TEvent<TStatusBar* /*StatusBar*/, TStatusPanel* /*Panel*/, TRect /*Rect*/>;

// Pixels of the size grip's square.
constexpr int StatusGripSize = 14;

class TStatusPanel : public TCollectionItem {
    QX_CLASS(TStatusPanel, TCollectionItem)
public:
    TStatusPanel() = default;
    void Assign(const TPersistent* Source) override;

    const QString& Text() const { return FText; }
    void SetText(const QString& Value);
    // At least 0.
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle Value);

private:
    QString FText;
    int FWidth = 50;
    TStatusPanelStyle FStyle = psText;
};

class TStatusPanels : public TCollection {
    QX_CLASS(TStatusPanels, TCollection)
public:
    explicit TStatusPanels(TStatusBar* StatusBar);
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int Index) const { return static_cast<TStatusPanel*>(TCollection::Items(Index)); }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TStatusBar* FStatusBar;
};

class TStatusBar : public TCustomControl {
    QX_CLASS(TStatusBar, TCustomControl)
public:
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return FPanels; }
    void SetPanels(const TStatusPanels* Value) { FPanels->Assign(Value); }
    // One panel across the bar, showing SimpleText.
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool Value);
    const QString& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const QString& Value);
    // Shown while the bar's form can be sized by the user.
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value);
    // Whether the grip shows now.
    bool GripShowing() const;

    // The area inside panel Index's bevel; empty for an index out of range
    // and in simple mode.
    TRect PanelRect(int Index) const;

    TDrawPanelEvent OnDrawPanel;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Draws an owner-drawn panel: OnDrawPanel.
    virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);

private:
    // The panel's outer rectangle: what its bevel surrounds.
    TRect PanelBounds(int Index) const;
    TRect GripRect() const;
    void PaintText(TCanvas& C, const TRect& R, const QString& Text);

    TStatusPanels* FPanels;
    bool FSimplePanel = false;
    QString FSimpleText;
    bool FSizeGrip = true;
    // A drag of the grip: where it began on the screen, and the form's size then.
    bool FSizing = false;
    TPoint FSizeFrom{};
    int FStartWidth = 0;
    int FStartHeight = 0;
};

} // namespace classlib
