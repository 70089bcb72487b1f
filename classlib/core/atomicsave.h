#pragma once

// The one way files are written: the bytes go to a temporary file beside the
// target, are synced to the disk and checked at every step, and only then
// replace the target in one rename. A full disk or a failing device leaves
// the old file as it was and no temporary behind.

#include <QByteArrayView>
#include <QString>

#include <cerrno>
#include <optional>

namespace classlib {

// Replaces FileName by Bytes. A link is followed, so it keeps naming the
// file; a new file gets the usual permissions, a replaced one keeps its own.
// EFCreateError "Cannot create file %s" when the file or its temporary
// cannot be created (a folder, a file that may not be written);
// EWriteError "Stream write error in file %s: %s" (the reason second) when
// writing, syncing, closing or renaming fails.
void AtomicSaveToFile(const QString& FileName, QByteArrayView Bytes);

// The steps of a save, in order. Nothing is buffered in the program, so
// each write reaches the system at once; closing is where file systems that
// defer their writes (network ones) report them.
enum class TSaveStage { Open, Write, Sync, Close, Rename };

// A failure for tests to inject, since a full disk cannot be had on demand:
// Stage fails with Error. At Write, AfterBytes bytes are written first, as
// a device that fills up; a file no longer than that is written whole.
struct TSaveFault {
    TSaveStage Stage = TSaveStage::Write;
    qint64 AfterBytes = 0;
    int Error = ENOSPC;
};

// Every save of the process meets Fault while the scope lives.
class TSaveFaultScope {
public:
    explicit TSaveFaultScope(const TSaveFault& Fault);
    ~TSaveFaultScope();
    TSaveFaultScope(const TSaveFaultScope&) = delete;
    TSaveFaultScope& operator=(const TSaveFaultScope&) = delete;

private:
    std::optional<TSaveFault> FOuter;
};

} // namespace classlib
