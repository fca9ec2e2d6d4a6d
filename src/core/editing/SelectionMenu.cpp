#include "SelectionMenu.h"

#include "document/LabelObject.h"

#include <algorithm>

namespace quill {

bool hasPropertiesDialog(const LabelObject &object)
{
    switch (object.typeCode()) {
    case ObjectTypeCode::TextEdit:
    case ObjectTypeCode::VantorShape:
    case ObjectTypeCode::GuideLabel:
        return false;
    default:
        return true;
    }
}

SelectionMenu selectionMenu(const std::vector<LabelObject *> &selection)
{
    if (selection.empty())
        return SelectionMenu::Default;
    const auto all = [&](ObjectTypeCode code) {
        return std::all_of(selection.begin(), selection.end(),
                           [code](const LabelObject *o) { return o->typeCode() == code; });
    };
    if (all(ObjectTypeCode::VantorShape))
        return SelectionMenu::Shape;
    if (all(ObjectTypeCode::DBImage))
        return SelectionMenu::Image;
    return hasPropertiesDialog(*selection.front()) ? SelectionMenu::Properties
                                                   : SelectionMenu::Default;
}

} // namespace quill
