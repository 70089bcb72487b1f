#include "classlib/controls/filedialogs.h"

#include "classlib/controls/dialogs.h"
#include "classlib/core/classbuilder.h"

#include <QDir>
#include <QFileInfo>

namespace classlib {

const TClassInfo& TOpenDialog::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TOpenDialog>("TOpenDialog")
        .Prop("DefaultExt", &TOpenDialog::FDefaultExt, &TOpenDialog::SetDefaultExt)
        .Prop("FileName", &TOpenDialog::FFileName, &TOpenDialog::SetFileName)
        .Prop("Filter", &TOpenDialog::FFilter, &TOpenDialog::SetFilter)
        .Prop("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1)
        .Prop("InitialDir", &TOpenDialog::FInitialDir, &TOpenDialog::SetInitialDir)
        .Prop("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions).Default(TOpenOptions{ofHideReadOnly}.Mask())
        .Prop("Title", &TOpenDialog::FTitle, &TOpenDialog::SetTitle)
        .Build();
    return info;
}

const TClassInfo& TSaveDialog::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TSaveDialog>("TSaveDialog").Build();
    return info;
}

bool TOpenDialog::Execute()
{
    int shown = FFilterIndex;
    QString start = FFileName;
    for (;;) {
        TModalRequest request;
        request.Kind = Kind();
        request.Caption = FTitle.isEmpty() ? DefaultTitle() : FTitle;
        request.FileName = start;
        request.Filter = FFilter;
        request.FilterIndex = shown;
        request.InitialDir = FInitialDir;
        request.DefaultExt = FDefaultExt;
        if (RunModal(request) != mrOk || request.FileName.isEmpty())
            return false;
        QString name = request.FileName;
        if (QFileInfo(name).isRelative())
            name = QDir(FInitialDir.isEmpty() ? QDir::currentPath() : FInitialDir).absoluteFilePath(name);
        if (!FDefaultExt.isEmpty() && QFileInfo(name).suffix().isEmpty() && !name.endsWith(QLatin1Char('.')))
            name += QLatin1Char('.') + FDefaultExt;
        name = QDir::cleanPath(name);
        if (Acceptable(name)) {
            FFileName = name;
            FFilterIndex = request.FilterIndex;
            return true;
        }
        // Shown again with what was chosen.
        start = name;
        shown = request.FilterIndex;
    }
}

QString TOpenDialog::DefaultTitle() const
{
    return QStringLiteral("Open");
}

bool TOpenDialog::Acceptable(const QString& Name) const
{
    const QFileInfo file(Name);
    if (file.isDir()) {
        MessageDlg(QStringLiteral("%1\nis a folder, not a file.").arg(Name), mtWarning, {mbOK});
        return false;
    }
    if (FOptions.Contains(ofPathMustExist) && !file.absoluteDir().exists()) {
        MessageDlg(QStringLiteral("%1\nPath does not exist.\nCheck the path and try again.").arg(Name), mtWarning,
                   {mbOK});
        return false;
    }
    if (Kind() == TModalKind::OpenFile && FOptions.Contains(ofFileMustExist) && !file.exists()) {
        MessageDlg(QStringLiteral("%1\nFile not found.\nCheck the file name and try again.").arg(Name), mtWarning,
                   {mbOK});
        return false;
    }
    return true;
}

QString TSaveDialog::DefaultTitle() const
{
    return QStringLiteral("Save As");
}

bool TSaveDialog::Acceptable(const QString& Name) const
{
    if (!TOpenDialog::Acceptable(Name))
        return false;
    if (Options().Contains(ofOverwritePrompt) && QFileInfo::exists(Name))
        return MessageDlg(QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(Name), mtWarning,
                          {mbYes, mbNo}) == mrYes;
    return true;
}

} // namespace classlib
