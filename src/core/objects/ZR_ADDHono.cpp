#include "ZR_ADDHono.h"

#include "ZR_CustomGuideLabel.h"

namespace quill {

ADDHonoProblem checkADDHono(const TZR_ADDHono &pair)
{
    if (pair.fieldName.isEmpty())
        return ADDHonoProblem::NoField;
    if (pair.text.isEmpty())
        return ADDHonoProblem::EmptyText;
    return ADDHonoProblem::None;
}

bool applyADDHono(TZR_CustomGuideLabel &label, const TZR_ADDHono &pair)
{
    if (pair.fieldName.isEmpty() || label.fieldName() != pair.fieldName)
        return false;
    label.setAddHono(pair.text);
    return true;
}

} // namespace quill
