// Enhanced metafiles to SVG through libemf2svg, loaded at run time.
#include "MetafileToSvg.h"

#include <emf2svg.h>

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace quill::metafile {

namespace {

using Emf2SvgFn = int (*)(char *, size_t, char **, size_t *, generatorOptions *);

std::uint32_t le32(const unsigned char *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

// Every record must lie inside the file, be a whole number of 32-bit words, and the chain must
// end in EMR_EOF: the converter trusts these sizes.
bool recordsAreSound(const unsigned char *data, std::size_t size, std::string &error)
{
    constexpr std::uint32_t kEof = 14;
    std::size_t at = 0;
    while (at + 8 <= size) {
        const std::uint32_t type = le32(data + at);
        const std::uint32_t length = le32(data + at + 4);
        if (length < 8 || length % 4 != 0 || length > size - at) {
            error = "an enhanced metafile record runs past the end of the file";
            return false;
        }
        if (type == kEof)
            return true;
        at += length;
    }
    error = "the enhanced metafile has no end record";
    return false;
}

Emf2SvgFn converter(std::string &error)
{
    // Loaded once and kept: RTLD_LOCAL keeps its symbols away from libwmf's.
    static void *library = dlopen("libemf2svg.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        error = "libemf2svg is not installed";
        return nullptr;
    }
    auto fn = reinterpret_cast<Emf2SvgFn>(dlsym(library, "emf2svg"));
    if (!fn)
        error = "libemf2svg has no emf2svg function";
    return fn;
}

} // namespace

SvgConversion emfToSvg(const unsigned char *data, std::size_t size)
{
    SvgConversion result;
    if (!data || size < 88 || !recordsAreSound(data, size, result.error)) {
        if (result.error.empty())
            result.error = "not an enhanced metafile";
        return result;
    }
    const Emf2SvgFn convert = converter(result.error);
    if (!convert)
        return result;
    std::vector<char> copy(data, data + size); // the converter takes a writable buffer
    generatorOptions options {};
    options.nameSpace = nullptr;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    char *out = nullptr;
    std::size_t outLength = 0;
    const int status = convert(copy.data(), copy.size(), &out, &outLength, &options);
    if (out && outLength > 0)
        result.svg.assign(out, outLength);
    std::free(out);
    result.ok = status != 0 && !result.svg.empty();
    if (!result.ok)
        result.error = "the enhanced metafile could not be converted";
    return result;
}

} // namespace quill::metafile
