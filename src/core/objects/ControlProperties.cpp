#include "ControlProperties.h"

#include "document/PersistentObject.h"
#include "document/StandardProperties.h"

namespace quill {

namespace {

const QString kColor = QStringLiteral("Color");
const QString kParentColor = QStringLiteral("ParentColor");
const QString kBrushColor = QStringLiteral("Brush.Color");
const QString kBrushStyle = QStringLiteral("Brush.Style");

} // namespace

void addControlHead(ClassBuilder &b, int width, int height)
{
    addBounds(b, width, height);
    addTag(b);
    addCursor(b);
    addHint(b);
}

void addAlwaysWrittenBool(ClassBuilder &b, const QString &name, bool start)
{
    b.boolean(name, start);
}

bool ownsColor(const PersistentObject &object)
{
    const int i = object.classInfo().indexOf(kParentColor);
    return i < 0 || !object.value(i).toBool();
}

void addColor(ClassBuilder &b, TColor start)
{
    b.color(kColor, start, clWindow).storedWhen(ownsColor);
}

void applyControlRules(PersistentObject &object, int index)
{
    const ClassInfo &info = object.classInfo();
    if (index < 0 || index >= info.properties.size())
        return;
    const QString &name = info.properties[index].name;
    if (name.compare(kColor, Qt::CaseInsensitive) == 0) {
        if (info.indexOf(kParentColor) >= 0)
            object.setValue(kParentColor, false);
    } else if (name.compare(kBrushColor, Qt::CaseInsensitive) == 0) {
        if (object.value(kBrushStyle).toInt() == bsClear)
            object.setValue(kBrushStyle, int(bsSolid));
    }
}

QVariant wrapInteger(const PropertyDef &def, const QVariant &value)
{
    if (def.kind != PropKind::Integer)
        return value;
    return QVariant::fromValue<qint64>(qint32(quint32(value.toLongLong())));
}

void assignBrushColor(PersistentObject &object, TColor color)
{
    object.setValue(kBrushColor, QVariant::fromValue<qint64>(color));
    if (object.value(kBrushStyle).toInt() == bsClear)
        object.setValue(kBrushStyle, int(bsSolid));
}

} // namespace quill
