// What the settings dialog decides without a widget: what it shows, what it accepts, what it
// writes.
#pragma once

#include "QuillSettings.h"
#include "Result.h"

class QSettings;

namespace quill {

struct UndoFlags;

namespace SettingsForm {

// The values the dialog opens with: the stored settings, a missing or empty folder shown as
// its default, a missing flag as on, a missing or unreadable count as 5.
QuillSettings load(QSettings &settings, const SettingsDefaults &defaults);

// Checks the values before anything is written: a folder that is switched on must be named,
// and must exist or be creatable (it is created here); the auto-save folder must also be
// writable. The count must lie within 1 to 10. The Error's message is for the user.
Status validate(const QuillSettings &values);

// validate(), then writes the values and makes sure they reached the store. Nothing is
// written when the values are refused.
Status apply(QSettings &settings, const QuillSettings &values);

// The snapshot switches of the edit history.
UndoFlags undoFlags(const QuillSettings &values);

} // namespace SettingsForm

} // namespace quill
