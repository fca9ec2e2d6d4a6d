#include "ZR_CustomGuideLabel.h"

#include "ControlProperties.h"
#include "CountryCharset.h"
#include "ObjectValueRules.h"
#include "document/StandardProperties.h"

namespace quill {

namespace {

const QString kEscapement = QStringLiteral("Escapement");

} // namespace

const ClassInfo &TZR_CustomGuideLabel::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_CustomGuideLabel"));
        addControlHead(b, 65, 17);
        b.boolean(QStringLiteral("GuideLine"), false, false);
        addPen(b);
        b.integer(kEscapement, 0)
            .floating(QStringLiteral("ImsiFontSize"), 10.0)
            .boolean(QStringLiteral("IndexGuide"), false)
            .text(QStringLiteral("OnlyName"))
            .integer(QStringLiteral("IndexTop"), 0)
            .integer(QStringLiteral("IndexLeft"), 0)
            .text(QStringLiteral("FieldName"))
            .boolean(QStringLiteral("FieldFlag"), false, false)
            .boolean(QStringLiteral("LockFlag"), false, false)
            .text(QStringLiteral("ADDHono"));
        return b.build();
    }();
    return info;
}

TZR_CustomGuideLabel::TZR_CustomGuideLabel(const ClassInfo &info) : LabelObject(info)
{
    setValue(QStringLiteral("Font.Charset"), defaultObjectCharset());
}

QString TZR_CustomGuideLabel::labelText() const
{
    return textValue(QStringLiteral("Caption"));
}

QVariant TZR_CustomGuideLabel::normalize(int index, const QVariant &value) const
{
    if (index == PersistentObject::classInfo().indexOf(kEscapement))
        return QVariant::fromValue<qint64>(normalizedAngle(value.toLongLong()));
    return wrapInteger(PersistentObject::classInfo().properties[index], value);
}

void TZR_CustomGuideLabel::valueChanged(int index)
{
    LabelObject::valueChanged(index);
    applyControlRules(*this, index);
    followSizeChange(index);
}

PropertyDef restartedProperty(const ClassInfo &base, const QString &name, const QVariant &start)
{
    const PropertyDef *found = base.find(name);
    PropertyDef def = found ? *found : PropertyDef{};
    if (!found)
        def.name = name;
    def.start = start;
    return def;
}

} // namespace quill
