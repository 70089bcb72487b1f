#pragma once

// The preview control of a report: shows the report's prepared pages in the
// grid of TCustomPreview, each page's metafile stretched into its slot.

#include "runtime/custompreview.h"

#include <memory>

namespace runtime {

class TQXLink;
class TQXReport;

class TQXPreview : public TCustomPreview {
    QX_CLASS(TQXPreview, TCustomPreview)
public:
    explicit TQXPreview(TComponent* AOwner);
    ~TQXPreview() override;

    TQXReport* Report() const { return FReport; }
    void SetReport(TQXReport* Value);

    void Notification(TComponent* AComponent, classlib::TOperation Operation) override;

protected:
    void PaintPage(TPreviewLeaf* Leaf) override;
    void SetScrollParams(classlib::TScrollBar* Bar, int PageSize, int MaxValue, int Position) override;

private:
    void ReportChanged(TQXReport* Report);

    TQXReport* FReport = nullptr;
    std::unique_ptr<TQXLink> FLink;
};

} // namespace runtime
