#pragma once

// Enhanced metafiles: a picture kept as the records of the published
// enhanced-metafile format (.emf), enumerated record by record.

#include "classlib/graphics/emfrecords.h"
#include "classlib/graphics/graphic.h"

#include <QByteArray>

#include <functional>

namespace classlib {

// What the header record says.
struct TEnhMetaHeader {
    TRect Bounds;       // inclusive, reference-device pixels
    TRect Frame;        // inclusive, hundredths of a millimetre
    quint32 Bytes = 0;  // the whole file
    quint32 Records = 0;
    quint16 Handles = 0;
    TSize Device;       // reference device, pixels
    TSize Millimeters;  // reference device, millimetres
    TSize Micrometers;  // 0 x 0 when the header has no such extension
};

class TMetafile : public TGraphic {
    QX_CLASS(TMetafile, TGraphic)
public:
    TMetafile() = default;

    // Pixels on the 96 dpi screen, from MMWidth and MMHeight.
    int Width() const override;
    int Height() const override;
    void SetWidth(int Value);
    void SetHeight(int Value);
    // Hundredths of a millimetre: the frame a recording gets, or the frame
    // of the records loaded.
    int MMWidth() const { return FMMWidth; }
    int MMHeight() const { return FMMHeight; }
    void SetMMWidth(int Value);
    void SetMMHeight(int Value);
    // Always enhanced here: the flag is kept for callers that set it, and
    // files are written in the enhanced format either way.
    bool Enhanced() const { return FEnhanced; }
    void SetEnhanced(bool Value) { FEnhanced = Value; }

    bool Empty() const override { return FData.isEmpty(); }
    void Clear();

    // The .emf file: header record first, end-of-file record last.
    const QByteArray& Data() const { return FData; }
    // Checks every record first (see EnumEnhMetaFile); MMWidth and MMHeight
    // follow the header's frame. On failure nothing changes.
    void SetData(const QByteArray& Emf);
    TEnhMetaHeader Header() const;

    void Assign(const TPersistent* Source) override;
    // Plays the records into Rect (see PlayEnhMetaFile).
    void Draw(TCanvas& Canvas, const TRect& Rect) const override;

    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    // 4-byte length, then the .emf file.
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) const override;

private:
    friend class TMetafileCanvas;

    QByteArray FData;
    int FMMWidth = 0;
    int FMMHeight = 0;
    bool FEnhanced = true;
};

// The header of an .emf file, checked: EInvalidGraphic "Metafile is not
// valid: <reason>".
TEnhMetaHeader ReadEnhMetaHeader(QByteArrayView Emf);

// Calls Proc with each record in order, the header first and the
// end-of-file record last, until Proc returns false (then false). The
// header is checked before Proc sees anything; each record's size is
// checked against what remains, and a record of a known type is checked
// against its layout before Proc sees it. Bad data raises EInvalidGraphic
// "Metafile is not valid: <reason>".
using TEnhMetaRecordProc = std::function<bool(const emf::TEmfRecord& Record)>;
bool EnumEnhMetaFile(QByteArrayView Emf, const TEnhMetaRecordProc& Proc);

} // namespace classlib
