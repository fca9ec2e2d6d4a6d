// Drawing of the gradient object: its colour ramp over the bounds.
#include "ZR_Gradient.h"

#include "GradientRamp.h"

#include <QPainter>

namespace quill {

void TZR_Gradient::paint(QPainter &painter, const PaintContext &context) const
{
    Q_UNUSED(context)
    const QSize area = bounds().size();
    switch (layOutStyle()) {
    case lsGradient: {
        const ramp::TwoColourPlan plan =
            ramp::turned(gradientStartColor(), gradientEndColor(), gradientStyle(), angle());
        ramp::drawBands(painter, area, plan.style, ramp::twoColourRamp(plan, area));
        break;
    }
    case lsAutoGradient:
        ramp::drawBands(painter, area, gradientStyle(),
                        ramp::oneColourRamp(gradientStartColor(), gradientStyle(), area));
        break;
    default:
        break;
    }
}

} // namespace quill
