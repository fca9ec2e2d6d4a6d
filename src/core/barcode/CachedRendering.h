// A barcode control's picture kept for the settings it was rendered with.
#pragma once

#include <memory>

namespace quill {

// Renders again only when the settings change. Copies of an object share the kept rendering
// until one of them needs other settings, so cloning a barcode never re-encodes it.
template <typename Settings, typename Control>
class CachedRendering {
public:
    const Control &render(const Settings &settings) const
    {
        if (!mEntry || !(mEntry->settings == settings)) {
            auto fresh = std::make_shared<Entry>();
            fresh->settings = settings;
            fresh->control.render(settings);
            mEntry = std::move(fresh);
        }
        return mEntry->control;
    }

private:
    struct Entry {
        Settings settings;
        Control control;
    };
    mutable std::shared_ptr<const Entry> mEntry;
};

} // namespace quill
