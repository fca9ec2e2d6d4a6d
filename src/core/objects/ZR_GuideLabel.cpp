#include "ZR_GuideLabel.h"

#include "ControlProperties.h"
#include "CountryCharset.h"
#include "document/StandardProperties.h"

namespace quill {

const ClassInfo &TZR_GuideLabel::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_GuideLabel"));
        b.inherit(TZR_CustomGuideLabel::classInfo());
        addAlign(b);
        b.enumeration(QStringLiteral("Alignment"), names::alignment(), taLeftJustify,
                      taLeftJustify);
        // The toolkit declares AutoSize True, ParentColor True and ParentFont True, but the
        // constructor leaves all three False: they are written whatever their value so that
        // True survives a save and load.
        addAlwaysWrittenBool(b, QStringLiteral("AutoSize"), false);
        b.text(QStringLiteral("Caption"));
        addColor(b, clWhite);
        addDragCursor(b);
        addDragMode(b);
        addEnabled(b);
        FontStart font;
        font.charset = HangeulCharset;
        addFont(b, font);
        addAlwaysWrittenBool(b, QStringLiteral("ParentColor"), false);
        addAlwaysWrittenBool(b, QStringLiteral("ParentFont"), false);
        addParentShowHint(b);
        b.boolean(QStringLiteral("ShowAccelChar"), true, true);
        addShowHint(b);
        b.boolean(QStringLiteral("Transparent"), false, false);
        b.enumeration(QStringLiteral("Layout"), names::textLayout(), 0, 0);
        addVisible(b);
        b.boolean(QStringLiteral("WordWrap"), false, false);
        // FieldName, FieldFlag and LockFlag are published again here; they keep their place.
        return b.build([] { return std::make_unique<TZR_GuideLabel>(); });
    }();
    return info;
}

TZR_GuideLabel::TZR_GuideLabel() : TZR_GuideLabel(classInfo()) {}

TZR_GuideLabel::TZR_GuideLabel(const ClassInfo &info) : TZR_CustomGuideLabel(info) {}

std::unique_ptr<LabelObject> TZR_GuideLabel::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_GuideLabel(*this));
}

} // namespace quill
