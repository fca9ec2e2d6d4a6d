#include "ZR_WordArt.h"

#include "document/StandardProperties.h"

namespace quill {

namespace {

const QString kCaption = QStringLiteral("Caption");

} // namespace

const ClassInfo &TZR_WordArt::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_WordArt"));
        b.inherit(TZR_Gradient::classInfo());
        b.text(kCaption, QStringLiteral("워드아트 "));
        FontStart font;
        font.name = QStringLiteral("돋움");
        font.height = fontHeightFromSize(StartFontSize);
        font.charset = StartFontCharset;
        addFont(b, font);
        // Re-published settings: same places, the word art's own start values.
        b.color(QStringLiteral("GradientStartColor"), clBlue)
            .color(QStringLiteral("GradientEndColor"), 0x00FFFF) // yellow
            .enumeration(QStringLiteral("LayOutStyle"), names::layOutStyle(), lsGradient);
        return b.build([] { return std::make_unique<TZR_WordArt>(); });
    }();
    return info;
}

TZR_WordArt::TZR_WordArt() : TZR_Gradient(classInfo()) { }

std::unique_ptr<LabelObject> TZR_WordArt::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_WordArt(*this));
}

QString TZR_WordArt::caption() const
{
    return textValue(kCaption);
}

void TZR_WordArt::setCaption(const QString &text)
{
    setValue(kCaption, text);
}

} // namespace quill
