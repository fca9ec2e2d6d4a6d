#include "ImageControl.h"

#include "ControlProperties.h"
#include "document/StandardProperties.h"

namespace quill {

void addImageControlProperties(ClassBuilder &b)
{
    addAlign(b);
    addAnchors(b);
    b.boolean(QStringLiteral("AutoSize"), false, false)
        .boolean(QStringLiteral("Center"), false, false);
    addConstraints(b);
    addDragCursor(b);
    addDragKind(b);
    addDragMode(b);
    addEnabled(b);
    b.boolean(QStringLiteral("IncrementalDisplay"), false, false);
    addParentShowHint(b);
    b.binary(QStringLiteral("Picture.Data"));
    b.boolean(QStringLiteral("Proportional"), false, false);
    addShowHint(b);
    b.boolean(QStringLiteral("Stretch"), false, false)
        .boolean(QStringLiteral("Transparent"), false, false);
    addVisible(b);
}

const ClassInfo &imageControlClassInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TImage"));
        addControlHead(b, 105, 105); // the picture control's own creation size
        addImageControlProperties(b);
        return b.build();
    }();
    return info;
}

} // namespace quill
