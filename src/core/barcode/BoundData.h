// The data a field-bound barcode draws for the current record.
#pragma once

#include "document/PaintContext.h"

#include <QString>

namespace quill {

// The value of fieldName in the context's barcode record (field names compared without regard
// to case), or own when the object is not bound, there is no record, or the record lacks the
// field.
QString boundBarcodeData(const PaintContext &context, const QString &fieldName,
                         const QString &own);

} // namespace quill
