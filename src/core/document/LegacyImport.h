// Reading label documents of the older single-label format into the current document model.
#pragma once

#include "DocumentFile.h"

namespace quill {

class PropertyStreamReader;

// Reads a legacy document. The reader stands just after the file's first integer, marker,
// which the legacy format uses as its zoom (a value up to DocumentMarker::LegacyLast).
// On success the document holds the converted pages; the caller then sets the file name and
// the modified flag. On failure the document should be left as it was. Remarks for the user
// (for example a data list that was not found) go into ReadReport::warnings, damage inside the
// entries into ReadReport::problems.
Result<ReadReport> readLegacyDocument(LabelDocument &document, PropertyStreamReader &reader,
                                      qint32 marker, const QString &path);

} // namespace quill
