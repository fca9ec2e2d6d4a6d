// The word art object: a line of text stretched over its bounds and painted with a colour ramp.
#pragma once

#include "ZR_Gradient.h"

namespace quill {

// Derives from the gradient and re-publishes the gradient's settings with its own start values;
// re-published properties keep the gradient's places in the record, Caption and Font follow
// Angle. The word art's font is its own (there is no ParentFont), so Font.* is always written.
//
// LayOutStyle starts as lsGradient but the gradient declares lsNone as its default. With that
// default a word art set to lsNone would not be written and would read back as lsGradient, so
// the word art's LayOutStyle has no declared default and is always written.
class TZR_WordArt : public TZR_Gradient {
public:
    TZR_WordArt();

    static const ClassInfo &classInfo();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::WordArt; }
    std::unique_ptr<LabelObject> clone() const override;
    // The caption stretched over the bounds, its glyphs painted with the ramp; built at the
    // context's resolution.
    void paint(QPainter &painter, const PaintContext &context) const override;

    // The text drawn; "워드아트 " (with a trailing space) at creation.
    QString caption() const;
    void setCaption(const QString &text);

    // Creation values: Font.Name "돋움", 12 points, character set 129 (Hangul).
    static constexpr int StartFontCharset = 129;
    static constexpr int StartFontSize = 12;

protected:
    TZR_WordArt(const TZR_WordArt &) = default;
};

} // namespace quill
