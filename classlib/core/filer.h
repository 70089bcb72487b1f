#pragma once

#include <QString>

#include <functional>

namespace classlib {

class TReader;
class TWriter;
class TStream;

// What TPersistent::DefineProperties sees of a reader or writer: custom
// properties that are not published (binary "Data", "PageData", ...).
class TFiler {
public:
    using TReaderProc = std::function<void(TReader&)>;
    using TWriterProc = std::function<void(TWriter&)>;
    using TStreamProc = std::function<void(TStream&)>;

    // Readers and writers flush when they end; a failed flush is reported
    // unless an exception is already on its way.
    virtual ~TFiler() noexcept(false) = default;

    // A custom property whose value is written and read as one stream value.
    virtual void DefineProperty(const QString& Name, const TReaderProc& ReadData,
                                const TWriterProc& WriteData, bool HasData) = 0;
    // A custom property stored as a binary block (type 10).
    virtual void DefineBinaryProperty(const QString& Name, const TStreamProc& ReadData,
                                      const TStreamProc& WriteData, bool HasData) = 0;
};

} // namespace classlib
