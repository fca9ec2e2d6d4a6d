#include "EffectSteps.h"

#include "PixelEffects.h"

namespace quill {

namespace {

// List positions of the repeated effects (effectListEntries()).
constexpr int kGaussianBlur = 0;
constexpr int kAntialias = 4;
constexpr int kEmboss = 16;

// The split blur distance of the Gaussian blur.
constexpr int kGaussianDistance = 3;

} // namespace

int listEffectSteps(int entry, int p)
{
    switch (entry) {
    case kGaussianBlur:
        return p + 1;
    case kAntialias:
    case kEmboss:
        return p;
    default:
        return 1;
    }
}

bool applyListEffectInSteps(QImage &picture, int entry, int p, const EffectStepCallback &step)
{
    const int total = listEffectSteps(entry, p);
    const auto oneStep = [&]() -> std::function<void()> {
        switch (entry) {
        case kGaussianBlur:
            return [&] { Effect_SplitBlur(picture, kGaussianDistance); };
        case kAntialias:
            return [&] { Effect_AntiAlias(picture); };
        case kEmboss:
            return [&] { Effect_Emboss(picture); };
        default:
            return [&] { applyListEffect(picture, entry, p); };
        }
    }();
    // Zero repetitions of a repeated effect still leave a 24-bit picture, as applyListEffect
    // does; the single-step ones convert (or not) by themselves.
    if (entry == kGaussianBlur || entry == kAntialias || entry == kEmboss)
        toPicture24(picture);
    for (int done = 1; done <= total; ++done) {
        oneStep();
        if (step && !step(done, total))
            return false;
    }
    return true;
}

} // namespace quill
