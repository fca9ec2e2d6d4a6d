// A published font without a published ParentFont: the font follows the parent until changed.
#pragma once

#include "document/StandardProperties.h"

namespace quill {

// Adds ParentFont (never written; True at creation) and the Font.* entries. The Font.* entries
// are written only once the font is the object's own: changing any of them, which reading a
// record does too, clears ParentFont, so a font read back stays the object's own.
void addInheritedFont(ClassBuilder &b, const FontStart &start = {});

} // namespace quill
