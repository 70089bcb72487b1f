#pragma once

// The root element of a loaded page: margins, orientation and size (its
// QXWidth and QXHeight), the report that runs it, and one data pass with
// alignment per output page. It owns every element of its page.

#include "runtime/container.h"

#include "classlib/system/printerorientation.h"

#include <vector>

namespace runtime {

class TQXPaper : public TQXContainer {
    QX_CLASS(TQXPaper, TQXContainer)
public:
    explicit TQXPaper(classlib::TComponent* AOwner);
    ~TQXPaper() override;

    classlib::TPrinterOrientation Orientation() const { return FOrientation; }
    void SetOrientation(classlib::TPrinterOrientation Value) { FOrientation = Value; }
    int QXLeftMargin() const { return FQXLeftMargin; }
    void SetQXLeftMargin(int Value) { FQXLeftMargin = Value; }
    int QXTopMargin() const { return FQXTopMargin; }
    void SetQXTopMargin(int Value) { FQXTopMargin = Value; }
    int QXRightMargin() const { return FQXRightMargin; }
    void SetQXRightMargin(int Value) { FQXRightMargin = Value; }
    int QXBottomMargin() const { return FQXBottomMargin; }
    void SetQXBottomMargin(int Value) { FQXBottomMargin = Value; }

    // The report that runs the paper; anything that is not a report counts
    // as none. The paper forgets a report that is freed.
    void SetReport(classlib::TComponent* Value);

    // Inside the margins.
    TRect GetClientRect() const override;
    void PaintAll(TCanvas& Canvas) override;
    void Process(TCanvas& Canvas) override;
    QString GetName() const override;
    TQXReport* GetReport() const override;
    bool HasPrintableControls() const;

    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;

    // Told by the bands of the data pass: a new row was placed, or a band
    // found no room; Final when nothing else took that room, so that no
    // later output page can give it. A pass that places nothing while rows
    // are still to come is endless when it would repeat itself unchanged.
    void NoteRowPlaced() { ++FRowsPlaced; }
    void NoteNoRoom(const TQXControl* Band, bool Final);

private:
    classlib::TPrinterOrientation FOrientation = classlib::poPortrait;
    int FQXLeftMargin = 0;
    int FQXTopMargin = 0;
    int FQXRightMargin = 0;
    int FQXBottomMargin = 0;
    TQXReport* FReport = nullptr;
    // Raises when a pass that placed no row would only repeat itself.
    void CheckProgress(bool Processed);

    qint64 FRowsPlaced = 0;
    QString FNoRoomName;
    QString FFinalNoRoomName;
    // The layouts after the passes since the last row, when they placed none.
    std::vector<std::vector<qint64>> FIdleLayouts;
};

} // namespace runtime
