// Placeable Windows metafiles to SVG through libwmf, loaded at run time. This file includes no
// Qt header: libwmf's type macros (U8, U16, U32) would break them.
#include "MetafileToSvg.h"

#ifdef QUILL_HAVE_LIBWMF_HEADERS

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <dlfcn.h>

#include <cstdint>
#include <vector>

namespace quill::metafile {

namespace {

struct WmfLibrary {
    wmf_error_t (*apiCreate)(wmfAPI **, unsigned long, wmfAPI_Options *) = nullptr;
    wmf_error_t (*apiDestroy)(wmfAPI *) = nullptr;
    wmf_error_t (*memOpen)(wmfAPI *, unsigned char *, long) = nullptr;
    wmf_error_t (*scan)(wmfAPI *, unsigned long, wmfD_Rect *) = nullptr;
    wmf_error_t (*displaySize)(wmfAPI *, unsigned int *, unsigned int *, double, double) = nullptr;
    wmf_error_t (*play)(wmfAPI *, unsigned long, wmfD_Rect *) = nullptr;
    wmfStream *(*streamCreate)(wmfAPI *, FILE *) = nullptr;
    void (*streamDestroy)(wmfAPI *, wmfStream *, char **, unsigned long *) = nullptr;
    void (*svgFunction)(wmfAPI *) = nullptr;
    bool loaded = false;
};

template<typename F> void bind(void *library, const char *name, F &fn, bool &ok)
{
    fn = reinterpret_cast<F>(dlsym(library, name));
    ok = ok && fn != nullptr;
}

const WmfLibrary &wmfLibrary()
{
    static const WmfLibrary lib = [] {
        WmfLibrary l;
        // RTLD_LOCAL: libwmf must call its own wmf_free, not libemf2svg's.
        void *library = dlopen("libwmf-0.2.so.7", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return l;
        bool ok = true;
        bind(library, "wmf_api_create", l.apiCreate, ok);
        bind(library, "wmf_api_destroy", l.apiDestroy, ok);
        bind(library, "wmf_mem_open", l.memOpen, ok);
        bind(library, "wmf_scan", l.scan, ok);
        bind(library, "wmf_display_size", l.displaySize, ok);
        bind(library, "wmf_play", l.play, ok);
        bind(library, "wmf_stream_create", l.streamCreate, ok);
        bind(library, "wmf_stream_destroy", l.streamDestroy, ok);
        bind(library, "wmf_svg_function", l.svgFunction, ok);
        l.loaded = ok;
        return l;
    }();
    return lib;
}

unsigned word(const unsigned char *p)
{
    return unsigned(p[0]) | unsigned(p[1]) << 8;
}

// The placeable header, the metafile header and every record must lie inside the file, and
// the records must end in the end record: libwmf trusts these sizes.
bool recordsAreSound(const unsigned char *data, std::size_t size, std::string &error)
{
    constexpr std::size_t kPlaceable = 22;
    if (size < kPlaceable + 18 || word(data) != 0xCDD7 || word(data + 2) != 0x9AC6) {
        error = "not a placeable Windows metafile";
        return false;
    }
    std::size_t at = kPlaceable + std::size_t(word(data + kPlaceable + 2)) * 2;
    while (at + 6 <= size) {
        const std::uint32_t words = word(data + at) | std::uint32_t(word(data + at + 2)) << 16;
        const unsigned function = word(data + at + 4);
        if (words < 3 || std::uint64_t(words) * 2 > size - at) {
            error = "a Windows metafile record runs past the end of the file";
            return false;
        }
        if (function == 0)
            return true;
        at += std::size_t(words) * 2;
    }
    error = "the Windows metafile has no end record";
    return false;
}

// Plays the opened metafile into the SVG device and collects its output.
bool playToSvg(const WmfLibrary &lib, wmfAPI *api, std::string &svg)
{
    wmfD_Rect box {};
    if (lib.scan(api, 0, &box) != wmf_E_None)
        return false;
    unsigned int width = 0;
    unsigned int height = 0;
    if (lib.displaySize(api, &width, &height, 96, 96) != wmf_E_None || !width || !height)
        return false;
    wmf_svg_t *device = WMF_SVG_GetData(api);
    device->out = lib.streamCreate(api, nullptr);
    if (!device->out)
        return false;
    static char description[] = "picture";
    device->Description = description;
    device->bbox = box;
    device->width = width;
    device->height = height;
    device->flags |= WMF_SVG_INLINE_IMAGES;
    const bool played = lib.play(api, 0, &box) == wmf_E_None;
    char *buffer = nullptr;
    unsigned long length = 0;
    lib.streamDestroy(api, device->out, &buffer, &length);
    if (played && buffer && length > 0)
        svg.assign(buffer, length); // the buffer belongs to the API and goes with it
    return played && !svg.empty();
}

} // namespace

SvgConversion wmfToSvg(const unsigned char *data, std::size_t size)
{
    SvgConversion result;
    if (!data || !recordsAreSound(data, size, result.error))
        return result;
    const WmfLibrary &lib = wmfLibrary();
    if (!lib.loaded) {
        result.error = "libwmf is not installed";
        return result;
    }
    wmfAPI_Options options {};
    options.function = lib.svgFunction;
    const unsigned long flags
        = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI *api = nullptr;
    if (lib.apiCreate(&api, flags, &options) != wmf_E_None || !api) {
        if (api)
            lib.apiDestroy(api);
        result.error = "libwmf could not be started";
        return result;
    }
    // libwmf reads the placeable header itself; it wants a writable buffer.
    std::vector<unsigned char> copy(data, data + size);
    if (lib.memOpen(api, copy.data(), long(copy.size())) == wmf_E_None)
        result.ok = playToSvg(lib, api, result.svg);
    lib.apiDestroy(api);
    if (!result.ok)
        result.error = "the Windows metafile could not be converted";
    return result;
}

} // namespace quill::metafile

#else // built without libwmf's headers: Windows metafiles are reported as not convertible

namespace quill::metafile {

SvgConversion wmfToSvg(const unsigned char *, std::size_t)
{
    SvgConversion result;
    result.error = "this build has no Windows metafile support";
    return result;
}

} // namespace quill::metafile

#endif
