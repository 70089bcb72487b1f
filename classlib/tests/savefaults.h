#pragma once

// The failures a save can meet, for the tests of every writer of files: each
// row names its case, the fault injected and the reason its message gives.

#include "classlib/core/atomicsave.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <vector>

namespace classlib::test {

struct TSaveFaultCase {
    const char* Name;
    TSaveFault Fault;
    // Empty when the temporary cannot be created ("Cannot create file").
    QString Reason;
};

// Size is the number of bytes the writer under test saves, so that a disk
// can fill up just before its last byte.
inline std::vector<TSaveFaultCase> SaveFaultCases(qint64 Size)
{
    const QString full = QStringLiteral("No space left on device");
    return {
        {"open", {TSaveStage::Open, 0, EACCES}, {}},
        {"first write", {TSaveStage::Write, 0, ENOSPC}, full},
        {"midway", {TSaveStage::Write, Size / 2, ENOSPC}, full},
        {"last byte", {TSaveStage::Write, Size - 1, ENOSPC}, full},
        {"sync", {TSaveStage::Sync, 0, EIO}, QStringLiteral("Input/output error")},
        {"close", {TSaveStage::Close, 0, EDQUOT}, QStringLiteral("Disk quota exceeded")},
        {"rename", {TSaveStage::Rename, 0, EACCES}, QStringLiteral("Permission denied")},
    };
}

// The message a failed save of FileName raises.
inline QString SaveErrorOf(const TSaveFaultCase& Case, const QString& FileName)
{
    if (Case.Reason.isEmpty())
        return QStringLiteral("Cannot create file ") + FileName;
    return QStringLiteral("Stream write error in file ") + FileName + QStringLiteral(": ") + Case.Reason;
}

// Every entry of Folder, hidden ones too: a temporary left behind shows.
inline QStringList FolderEntries(const QString& Folder)
{
    return QDir(Folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace classlib::test
