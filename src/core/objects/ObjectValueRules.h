// Small value rules shared by the label object classes (angles, 16-bit fields).
#pragma once

#include <QtGlobal>

namespace quill {

// Degrees counter-clockwise brought into 0..359. A negative turn counts backwards from 360
// however large it is (-90 and -450 both give 270).
constexpr qint64 normalizedAngle(qint64 degrees)
{
    const qint64 r = degrees % 360;
    return r < 0 ? r + 360 : r;
}

// A value stored into an unsigned 16-bit field keeps its low 16 bits, as the field does.
constexpr qint64 wordValue(qint64 value)
{
    return static_cast<qint64>(static_cast<quint16>(value & 0xFFFF));
}

} // namespace quill
