// Human-readable listings of property stream bytes, for diagnosing documents.
#pragma once

#include "StreamValue.h"

#include <QByteArray>
#include <QString>

namespace quill {

// Lists everything from offset to the end of data: each record ("TPF0") with its class, name,
// entries and children, and each plain 32-bit integer between records. Every line starts with
// the offset in hexadecimal, e.g.
//     00000021  TPF0 TTabSheet ""
//     00000030    Caption = 6 short text "Page_1"
//     00000042  end
// A record that fails to read is listed as far as it could be read, followed by a line
// "error at offset N: message"; the listing stops there.
QString listStream(const QByteArray &data, qint64 offset = 0);

// The lines of one record that was read (offsets as recorded by the reader), indented by
// indent levels of two spaces.
QString listRecord(const StreamRecord &record, int indent = 0);

// A value's payload as text: numbers in decimal, texts quoted, identifiers bare, sets in
// brackets, binary data as a byte count and its first bytes in hexadecimal.
QString describeValue(const StreamValue &value);

} // namespace quill
