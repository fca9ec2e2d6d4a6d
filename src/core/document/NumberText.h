// Text to number conversions with the toolkit's conversion error messages.
#pragma once

#include "Result.h"

#include <QString>

namespace quill {

// A decimal number ("63.5", " 2 ", "1e3"); leading and trailing blanks are ignored. Anything
// else, an empty text included, fails with "'<text>' is not a valid floating point value".
Result<double> textToFloat(const QString &text);

// A whole number, decimal or "$" + hexadecimal; blanks around it are ignored. Anything else
// fails with "'<text>' is not a valid integer value".
Result<qint64> textToInteger(const QString &text);

// The conversion error texts, for callers that detect a bad value themselves.
QString invalidFloatMessage(const QString &text);
QString invalidIntegerMessage(const QString &text);

} // namespace quill
