#include "EditPolicy.h"

namespace quill {

EditEffect editEffect(EditCommand command)
{
    switch (command) {
    case EditCommand::Place:
    case EditCommand::TextCreate:
    case EditCommand::Paste:
        return {true, EditKind::Create};
    case EditCommand::Move:
    case EditCommand::Nudge:
    case EditCommand::DragCopy:
    case EditCommand::Align:
        return {true, EditKind::Move};
    case EditCommand::TextEdit:
        return {true, EditKind::TextEdit};
    case EditCommand::Delete:
    case EditCommand::Cut:
    case EditCommand::Order:
    case EditCommand::Rotate:
    case EditCommand::Mirror:
    case EditCommand::Format:
    case EditCommand::LineWidth:
    case EditCommand::LineStyle:
    case EditCommand::ShapeKind:
    case EditCommand::DialogOk:
        return {true, EditKind::Modify};
    case EditCommand::MasterApply:
    case EditCommand::Orientation:
        return {true, std::nullopt};
    }
    return {};
}

} // namespace quill
