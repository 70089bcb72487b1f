#pragma once

// Cool bars: bands in rows, each holding one control behind a grip. Bands
// stand in the order of their index: a band marked Break starts a new row
// (the first band always does). A band is as wide as its Width, the last
// of a row as the rest of the row; a row is as high as its highest band's
// MinHeight and a margin above and below. Dragging a grip moves its band:
// along its row the band to the left gets narrower or wider (past that
// band's left end the two change places), above or below its row the band
// joins the row there, or a new row at the top or bottom.

#include "classlib/controls/control.h"
#include "classlib/core/collection.h"

#include <QList>

namespace classlib {

class TCoolBar;

// Pixels of a band's grip, and of the margin around its control.
constexpr int CoolGripWidth = 10;
constexpr int CoolBandMargin = 2;

class TCoolBand : public TCollectionItem {
    QX_CLASS(TCoolBand, TCollectionItem)
public:
    TCoolBand() = default;
    ~TCoolBand() override;
    void Assign(const TPersistent* Source) override;

    // The bar of the band's collection, or nil.
    TCoolBar* CoolBar() const;

    // Placed in the band (and made a child of the bar). A control that is
    // in another band leaves it; a freed control leaves nil.
    TWinControl* Control() const { return FControl; }
    void SetControl(TWinControl* Value);
    bool Break() const { return FBreak; }
    void SetBreak(bool Value);
    // The width asked for: grip and margin at least.
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    // The height of the band's control, at least 1; the row follows the highest.
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value);
    // A hidden band takes no place, and hides its control.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

    // Where the band stands on the bar (its row's height); empty when hidden.
    TRect BandRect() const { return FRect; }
    int Height() const { return FRect.Height(); }

private:
    friend class TCoolBar;
    TWinControl* FControl = nullptr;
    bool FBreak = true;
    int FWidth = 100;
    int FMinHeight = 25;
    bool FVisible = true;
    TRect FRect{};
};

class TCoolBands : public TCollection {
    QX_CLASS(TCoolBands, TCollection)
public:
    explicit TCoolBands(TCoolBar* CoolBar);
    TCoolBand* Add() { return static_cast<TCoolBand*>(TCollection::Add()); }
    TCoolBand* Items(int Index) const { return static_cast<TCoolBand*>(TCollection::Items(Index)); }
    // The band that holds the control, or nil.
    TCoolBand* FindBand(const TControl* Control) const;
    TCoolBar* CoolBar() const { return FCoolBar; }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TCoolBar* FCoolBar;
};

class TCoolBar : public TCustomControl {
    QX_CLASS(TCoolBar, TCustomControl)
public:
    explicit TCoolBar(TComponent* AOwner);
    ~TCoolBar() override;

    TCoolBands* Bands() const { return FBands; }
    void SetBands(const TCoolBands* Value) { FBands->Assign(Value); }
    // The bar's height follows its rows.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // The rows the visible bands take.
    int RowCount() const { return FRowCount; }
    // The band whose grip holds the client point, or nil.
    TCoolBand* GripAt(int X, int Y) const;

    void Notification(TComponent* AComponent, TOperation Operation) override;

    // The bands were moved, sized, shown or hidden.
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TCoolBands;
    friend class TCoolBand;
    using TRows = QList<QList<TCoolBand*>>;
    void BandsChanged();
    void PlaceBands();
    TRows Rows() const;
    // Gives the bands the order and breaks of Rows, as one change.
    void SetRows(const TRows& Rows);
    void DragTo(int X, int Y);

    TCoolBands* FBands;
    bool FAutoSize = false;
    int FRowCount = 0;
    bool FPlacing = false;
    TCoolBand* FDragBand = nullptr;
    int FDragOffset = 0;  // from the band's left end to the mouse
};

} // namespace classlib
