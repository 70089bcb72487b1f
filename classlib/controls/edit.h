#pragma once

// Single-line edits over QLineEdit. Keys reach KeyDown and KeyPress before
// the edit sees them (a key or character set to 0 there never reaches it);
// Modified turns true when the user changes the text and false when code
// sets it.

#include "classlib/controls/control.h"

class QLineEdit;

namespace classlib {

class TCustomEdit : public TWinControl {
    QX_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;

    QString Text() const;
    // Also longer than MaxLength: the limit holds back what is typed.
    void SetText(const QString& Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    // The most characters the user may type; 0 for no limit. Text already
    // longer stays, and may be shortened.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }

    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    QString SelText() const;
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(QString()); }
    // The user's clipboard commands; cutting and pasting change nothing
    // while ReadOnly.
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();

    TNotifyEvent OnChange;
    // When the edit gains and loses the focus.
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    void FontChanged() override { ApplyLook(); }
    // After every change of the text, by the user or by code.
    virtual void Change();
    void Dispatch(TMessage& Message) override;
    void Resize() override;
    void ColorChanged() override;
    // The widget draws its own frame.
    int BorderWidth() const override { return 0; }

private:
    QLineEdit* Edit() const;
    void ApplyLook();

    bool FReadOnly = false;
    int FMaxLength = 0;
    bool FModified = false;
    bool FSettingText = false;
};

class TEdit : public TCustomEdit {
    QX_CLASS(TEdit, TCustomEdit)
public:
    using TCustomEdit::TCustomEdit;
};

} // namespace classlib
