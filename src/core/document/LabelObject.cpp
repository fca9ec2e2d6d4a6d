#include "LabelObject.h"

namespace quill {

namespace {

const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");
const QString kParentFont = QStringLiteral("ParentFont");

} // namespace

QRect LabelObject::bounds() const
{
    return QRect(int(intValue(kLeft)), int(intValue(kTop)), int(intValue(kWidth)),
                 int(intValue(kHeight)));
}

void LabelObject::setBounds(const QRect &bounds)
{
    setValue(kLeft, bounds.left());
    setValue(kTop, bounds.top());
    setValue(kWidth, bounds.width());
    setValue(kHeight, bounds.height());
}

void LabelObject::valueChanged(int index)
{
    const QList<PropertyDef> &properties = classInfo().properties;
    if (index < 0 || index >= properties.size())
        return;
    if (properties[index].name.startsWith(QLatin1String("Font."), Qt::CaseInsensitive)
        && classInfo().indexOf(kParentFont) >= 0)
        setValue(kParentFont, false);
}

} // namespace quill
