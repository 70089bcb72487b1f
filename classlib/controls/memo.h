#pragma once

// Memos: text of several lines over QPlainTextEdit, kept as Lines. Keys
// reach KeyDown and KeyPress before the memo sees them.

#include "classlib/controls/control.h"
#include "classlib/controls/scrollstyle.h"
#include "classlib/core/stringlist.h"

class QPlainTextEdit;

namespace classlib {

class TCustomMemo : public TWinControl {
    QX_CLASS(TCustomMemo, TWinControl)
public:
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;

    // What the memo shows, a line each; kept in step both ways.
    TStrings* Lines() const { return FLines; }
    void SetLines(const TStrings* Value);
    // The lines joined by CR LF (without one after the last).
    QString Text() const;
    void SetText(const QString& Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);

    TNotifyEvent OnChange;

    void Dispatch(TMessage& Message) override;

protected:
    void FontChanged() override { ApplyLook(); }
    virtual void Change();
    void Resize() override;
    void ColorChanged() override;
    int BorderWidth() const override { return 0; }

private:
    QPlainTextEdit* Editor() const;
    void ApplyLook();
    void LinesChanged();

    TStringList* FLines;
    bool FReadOnly = false;
    bool FWordWrap = true;
    TScrollStyle FScrollBars = ssNone;
    bool FSyncing = false;
};

class TMemo : public TCustomMemo {
    QX_CLASS(TMemo, TCustomMemo)
public:
    using TCustomMemo::TCustomMemo;
};

} // namespace classlib
