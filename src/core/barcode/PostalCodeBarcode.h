// The program's own postal code barcode: six bar positions per digit and a check digit.
#pragma once

#include <QList>
#include <QRect>
#include <QString>

namespace quill {

// The six positions of a digit, "1" where a bar is drawn ("111001" for 0).
QString postalDigitPattern(int digit);

// The digits of text as they are encoded: from the last character to the first, non-digits
// skipped, followed by the check digit (10 - sum mod 10) mod 10.
QList<int> postalEncodedDigits(const QString &text);

// Every bar position of text in drawing order, e.g. 42 positions for "123-456".
QString postalBarPositions(const QString &text);

// How the bars are spaced, in pixels of the object at 100 %.
struct PostalBarGeometry {
    double unit = 1;  // w
    double start = 2; // x of the first position
};

// With autoSize the unit is width / 73.48 and the start 1.67 units; otherwise the unit is
// barWidth and the start startPoint units.
PostalBarGeometry postalBarGeometry(bool autoSize, int width, double barWidth, int startPoint);

// The filled rectangles: left Round(x), top 0, width Round(0.55 w), the full height; x advances
// 1.67 w per position. Rounding is half to even.
QList<QRect> postalBarRects(const QString &text, const PostalBarGeometry &geometry, int height);

// Whether a code is written as three digits, a separator and three digits ("123-456").
bool isWellFormedPostalCode(const QString &text);
// The status the postal barcode dialog shows for a code: " OK" or the input error message.
QString postalCodeStatus(const QString &text);

} // namespace quill
