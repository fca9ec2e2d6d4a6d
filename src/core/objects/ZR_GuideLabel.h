// The field label: a one-line text object showing the value of a data-list field.
#pragma once

#include "ZR_CustomGuideLabel.h"

namespace quill {

// Persisted data of a field label: the family's properties plus the standard label ones
// (alignment, caption, colour, font, transparency, layout, word wrap).
class TZR_GuideLabel : public TZR_CustomGuideLabel {
public:
    static const ClassInfo &classInfo();

    // A new field label: 65 x 17, white, opaque, fixed size, the default object character set.
    TZR_GuideLabel();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::GuideLabel; }
    std::unique_ptr<LabelObject> clone() const override;

    int alignment() const { return value(QStringLiteral("Alignment")).toInt(); } // TAlignment
    void setAlignment(int a) { setValue(QStringLiteral("Alignment"), a); }
    bool autoSize() const { return boolValue(QStringLiteral("AutoSize")); }
    void setAutoSize(bool on) { setValue(QStringLiteral("AutoSize"), on); }
    QString caption() const { return textValue(QStringLiteral("Caption")); }
    void setCaption(const QString &text) { setValue(QStringLiteral("Caption"), text); }
    TColor color() const { return TColor(intValue(QStringLiteral("Color"))); }
    void setColor(TColor c) { setValue(QStringLiteral("Color"), qint64(c)); }
    bool showAccelChar() const { return boolValue(QStringLiteral("ShowAccelChar")); }
    void setShowAccelChar(bool on) { setValue(QStringLiteral("ShowAccelChar"), on); }
    // The inverse of the control's opaque flag; drawing fills only when GuideLine is set.
    bool transparent() const { return boolValue(QStringLiteral("Transparent")); }
    void setTransparent(bool on) { setValue(QStringLiteral("Transparent"), on); }
    int layout() const { return value(QStringLiteral("Layout")).toInt(); } // tlTop, tlCenter, tlBottom
    void setLayout(int l) { setValue(QStringLiteral("Layout"), l); }
    bool wordWrap() const { return boolValue(QStringLiteral("WordWrap")); }
    void setWordWrap(bool on) { setValue(QStringLiteral("WordWrap"), on); }

    QString fontName() const { return textValue(QStringLiteral("Font.Name")); }
    void setFontName(const QString &name) { setValue(QStringLiteral("Font.Name"), name); }
    int fontSize() const { return int(intValue(QStringLiteral("Font.Size"))); }
    void setFontSize(int pt) { setValue(QStringLiteral("Font.Size"), pt); }
    int fontCharset() const { return int(intValue(QStringLiteral("Font.Charset"))); }
    void setFontCharset(int cs) { setValue(QStringLiteral("Font.Charset"), cs); }

protected:
    explicit TZR_GuideLabel(const ClassInfo &info);
    TZR_GuideLabel(const TZR_GuideLabel &) = default;
};

} // namespace quill
