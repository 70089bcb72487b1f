#pragma once

// The open and save dialogs. Each runs through the modal responder
// (modalresponder.h); the checks of Options (the folder and the file must
// exist, the overwrite question) are made here on the name chosen, with
// the same message boxes whoever answers, and the dialog shows again
// until a name passes or it is cancelled.

#include "classlib/controls/modalresponder.h"
#include "classlib/core/component.h"

#include <QString>

namespace classlib {

QX_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
        ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
        ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
        ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing)
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
    QX_CLASS(TOpenDialog, TComponent)
public:
    using TComponent::TComponent;

    // Shown at the start; the chosen file, with its folder, after Execute
    // gave true.
    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& Value) { FFileName = Value; }
    // "Reports (*.qxf)|*.qxf|All Files (*.*)|*.*": pairs of a description
    // and its patterns (several split by ";"). FilterIndex counts from 1.
    const QString& Filter() const { return FFilter; }
    void SetFilter(const QString& Value) { FFilter = Value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    // Added, after a ".", to a chosen name without an extension.
    const QString& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString& Value) { FDefaultExt = Value; }
    // The folder the dialog starts in; a relative name chosen is taken
    // from there too.
    const QString& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const QString& Value) { FInitialDir = Value; }
    // The caption; empty: "Open" (or "Save As" for the save dialog).
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value) { FTitle = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }

    // True when a file was chosen, false when cancelled.
    bool Execute();

protected:
    virtual TModalKind Kind() const { return TModalKind::OpenFile; }
    virtual QString DefaultTitle() const;
    // False, after telling the user why, when Name must not be taken.
    virtual bool Acceptable(const QString& Name) const;

private:
    QString FFileName;
    QString FFilter;
    int FFilterIndex = 1;
    QString FDefaultExt;
    QString FInitialDir;
    QString FTitle;
    TOpenOptions FOptions{ofHideReadOnly};
};

class TSaveDialog : public TOpenDialog {
    QX_CLASS(TSaveDialog, TOpenDialog)
public:
    using TOpenDialog::TOpenDialog;

protected:
    TModalKind Kind() const override { return TModalKind::SaveFile; }
    QString DefaultTitle() const override;
    bool Acceptable(const QString& Name) const override;
};

} // namespace classlib
