#pragma once

#include <QString>

namespace classlib {
class TReader;
class TWriter;
}

namespace runtime {

// Version of this program and the newest document format it reads.
inline constexpr qint32 QXVersion = 120;
inline constexpr qint32 QXFormatVersion = 120;

// 'Q', 'X', 0xDE, 0xAD in memory order (little-endian).
inline constexpr qint32 QXSignature = qint32(0xADDE5851u);

// Leads every document; BodySize bytes of component stream follow it.
struct TQXReportHeader {
    qint32 Signature = QXSignature;
    QString Description;
    qint32 Version = 0;
    qint32 FormatVersion = 0;
    qint32 BodySize = 0;
};

// Leads each page stream inside "PageData".
struct TQXPageHeader {
    QString Name;
    qint32 Size = 0;
};

void InitReportHeader(TQXReportHeader& Header);
void InitPageHeader(TQXPageHeader& Header);

// The writers flush, so the caller can append raw bytes to the underlying
// stream; the readers flush, so the underlying stream stands right behind
// what they read. A length that exceeds the bytes that remain is refused
// ("Stream read error") before anyone allocates for it; a page's negative
// Size announces no bytes (an empty page). On failure the record passed in
// is left untouched.
void WriteReportHeader(classlib::TWriter& Writer, const TQXReportHeader& Header);
void ReadReportHeader(classlib::TReader& Reader, TQXReportHeader& Header);
void WritePageHeader(classlib::TWriter& Writer, const TQXPageHeader& Header);
void ReadPageHeader(classlib::TReader& Reader, TQXPageHeader& Header);

} // namespace runtime
