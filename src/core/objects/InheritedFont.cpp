#include "InheritedFont.h"

#include "document/PersistentObject.h"

namespace quill {

void addInheritedFont(ClassBuilder &b, const FontStart &start)
{
    PropertyDef parentFont;
    parentFont.name = QStringLiteral("ParentFont");
    parentFont.kind = PropKind::Bool;
    parentFont.start = true;
    parentFont.defaultValue = true;
    // The class does not publish ParentFont, so the toolkit never writes it; it only decides
    // whether the font is written.
    parentFont.stored = [](const PersistentObject &) { return false; };
    b.add(parentFont);
    addFont(b, start);
}

} // namespace quill
