// The first frame of an animated cursor file (RIFF "ACON").
#pragma once

#include "Result.h"

#include <QByteArray>

namespace quill {

// The icon or cursor file image of the first frame of an animated cursor: the first "icon"
// chunk of its "LIST" "fram" list. Every chunk length is checked against the bytes present;
// a file whose frames are raw bitmaps instead of icons, or that has none, gives an Error.
Result<QByteArray> firstAniFrame(const QByteArray &riff);

} // namespace quill
