// Conversion of enhanced and placeable Windows metafiles to SVG text (no Qt in this interface).
#pragma once

#include <cstddef>
#include <string>

namespace quill::metafile {

// The SVG of a metafile, or why there is none. The libraries are loaded at run time, each on
// its own (libemf2svg and libwmf export functions of the same name and must not meet).
struct SvgConversion {
    bool ok = false;
    std::string svg;
    std::string error;
};

// An enhanced metafile (the file image, header first). Its record chain is checked before the
// converter sees it.
SvgConversion emfToSvg(const unsigned char *data, std::size_t size);
// A placeable Windows metafile (22-byte placeable header, then the metafile). Its record chain
// is checked before the converter sees it.
SvgConversion wmfToSvg(const unsigned char *data, std::size_t size);

} // namespace quill::metafile
