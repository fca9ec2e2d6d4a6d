// The effects editor's list effects run in steps, so that a long run can report progress and
// stop between steps (the repeated effects: "Gaussian Blur", "Antialias", "Emboss").
#pragma once

#include <QImage>

#include <functional>

namespace quill {

// How many steps list entry `entry` takes at slider position p: the number of repetitions for
// the repeated effects, 1 for the others (an index outside the list: 1, a step that does
// nothing).
int listEffectSteps(int entry, int p);

// Called after each finished step with the steps done and the total; returning false stops
// the run there.
using EffectStepCallback = std::function<bool(int done, int total)>;

// Applies list entry `entry` at slider position p exactly as applyListEffect does, step by
// step. Returns false when `step` stopped the run; the picture is then partly processed and
// meant to be thrown away.
bool applyListEffectInSteps(QImage &picture, int entry, int p, const EffectStepCallback &step);

} // namespace quill
