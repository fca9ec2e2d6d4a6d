#include "SerialNumberSettings.h"

#include "ZR_SerialNumber.h"

namespace quill {

SerialNumberSettings SerialNumberSettings::of(const TZR_SerialNumber &number)
{
    SerialNumberSettings s;
    s.prefix = number.prefix();
    s.postfix = number.postfix();
    s.start = number.startNum();
    s.end = number.endNum();
    s.step = number.incNum();
    return s;
}

SerialRangeProblem checkSerialRange(qint32 start, qint32 end, qint32 step)
{
    if (step == 0)
        return SerialRangeProblem::ZeroStep;
    if ((end > start && step < 0) || (end < start && step > 0))
        return SerialRangeProblem::StepAwayFromEnd;
    return SerialRangeProblem::None;
}

void applySerialSettings(TZR_SerialNumber &number, const SerialNumberSettings &settings)
{
    number.setPrefix(settings.prefix);
    number.setPostfix(settings.postfix);
    number.setStartNum(settings.start);
    number.setImsiSerialNum(settings.start);
    number.setEndNum(settings.end);
    number.setIncNum(settings.step);
    number.setRising(settings.start < settings.end);
}

} // namespace quill
