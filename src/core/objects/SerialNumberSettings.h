// What the serial number dialog gives a serial number, and the ranges it refuses.
#pragma once

#include <QString>

namespace quill {

class TZR_SerialNumber;

// The texts and numbers of the dialog's settings group.
struct SerialNumberSettings {
    QString prefix;
    QString postfix;
    qint32 start = 1;
    qint32 end = 1;
    qint32 step = 1;

    // The settings a serial number shows when its dialog opens (start = its current number).
    static SerialNumberSettings of(const TZR_SerialNumber &number);
};

// Why a range cannot be counted through. A step whose sign does not lead from the start to the
// end number would never reach it, so a print run would not end by itself.
enum class SerialRangeProblem {
    None,
    ZeroStep, // a step of 0
    StepAwayFromEnd, // a positive step with the end below the start, or a negative one above
};

SerialRangeProblem checkSerialRange(qint32 start, qint32 end, qint32 step);

// Gives the number the settings: Prefix, Postfix, StartNum and ImsiSerialNum := start, EndNum,
// IncNum, and counting upwards exactly when start < end. Font and alignment are not touched.
void applySerialSettings(TZR_SerialNumber &number, const SerialNumberSettings &settings);

} // namespace quill
