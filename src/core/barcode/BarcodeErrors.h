// Error codes and messages of the barcode controls.
#pragma once

#include <QString>

namespace quill {

// The controls report libzint's error numbers (ZINT_ERROR_*); 0 is success, and libzint's
// warnings (codes below 5) count as success because the symbol is still drawn.
namespace BarcodeError {
enum : int {
    None = 0,
    TooLong = 5,         // wrong length of data
    InvalidData = 6,     // characters the symbology cannot encode, or no data
    InvalidCheck = 7,    // a given check digit does not match
    InvalidOption = 8,   // an unknown symbology index or mode
    EncodingProblem = 9, // anything else libzint refuses
    Memory = 11,
};
}

// The message for a code (the controls' "error text" method), in Korean.
QString barcodeErrorMessage(int code);

// The message for a code followed by libzint's own explanation, when there is one.
QString barcodeErrorText(int code, const QString &detail);

} // namespace quill
