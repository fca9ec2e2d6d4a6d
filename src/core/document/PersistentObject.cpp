#include "PersistentObject.h"

#include <QByteArray>
#include <QStringList>
#include <cmath>

namespace quill {

QVariant coerceToKind(const PropertyDef &def, const QVariant &value)
{
    switch (def.kind) {
    case PropKind::Color:
        // Colours are 32-bit patterns; keep them unsigned whatever sign they came with.
        return QVariant::fromValue<qint64>(static_cast<quint32>(value.toLongLong()));
    case PropKind::Integer:
        // Integer properties are at most 32 bits wide; keep them so, as the toolkit's would.
        return QVariant::fromValue<qint64>(static_cast<qint32>(value.toLongLong()));
    case PropKind::Int64:
    case PropKind::Charset:
    case PropKind::Cursor:
        return QVariant::fromValue<qint64>(value.toLongLong());
    case PropKind::Enum:
        return QVariant::fromValue<int>(value.toInt());
    case PropKind::Bool:
        return QVariant::fromValue<bool>(value.toBool());
    case PropKind::Set:
        return QVariant::fromValue<quint32>(value.toUInt());
    case PropKind::Float:
        if (def.floatWidth == FloatWidth::Single)
            return QVariant::fromValue<double>(static_cast<float>(value.toDouble()));
        return QVariant::fromValue<double>(value.toDouble());
    case PropKind::Text:
        return QVariant::fromValue<QString>(value.toString());
    case PropKind::StringList:
        return QVariant::fromValue<QStringList>(value.toStringList());
    case PropKind::Binary:
        return QVariant::fromValue<QByteArray>(value.toByteArray());
    case PropKind::Collection:
        break;
    }
    return {};
}

PersistentObject::PersistentObject(const ClassInfo &info) : mClass(&info)
{
    resetToStart();
}

PersistentObject::PersistentObject(const PersistentObject &other)
    : mClass(other.mClass), mName(other.mName), mValues(other.mValues)
{
    for (const auto &[index, items] : other.mCollections) {
        Items &copy = mCollections[index];
        for (const auto &item : items)
            copy.push_back(item->clonePersistent());
    }
}

PersistentObject::~PersistentObject() = default;

void PersistentObject::resetToStart()
{
    mValues.resize(mClass->properties.size());
    for (int i = 0; i < mClass->properties.size(); ++i) {
        const PropertyDef &def = mClass->properties[i];
        mValues[i] = def.kind == PropKind::Collection ? QVariant() : coerceToKind(def, def.start);
    }
    mCollections.clear();
}

QVariant PersistentObject::value(int index) const
{
    if (index < 0 || index >= mValues.size())
        return {};
    const PropertyDef &def = mClass->properties[index];
    if (def.get)
        return def.get(*this);
    return mValues[index];
}

QVariant PersistentObject::value(const QString &name) const
{
    return value(mClass->indexOf(name));
}

bool PersistentObject::setValue(int index, const QVariant &v)
{
    if (index < 0 || index >= mValues.size())
        return false;
    const PropertyDef &def = mClass->properties[index];
    if (def.kind == PropKind::Collection)
        return false;
    const QVariant stored = normalize(index, coerceToKind(def, v));
    if (def.set) {
        def.set(*this, stored);
    } else {
        if (mValues[index] == stored)
            return true;
        mValues[index] = stored;
    }
    valueChanged(index);
    return true;
}

bool PersistentObject::setValue(const QString &name, const QVariant &v)
{
    return setValue(mClass->indexOf(name), v);
}

std::vector<std::unique_ptr<PersistentObject>> &PersistentObject::collection(int index)
{
    return mCollections[index];
}

const std::vector<std::unique_ptr<PersistentObject>> &PersistentObject::collection(int index) const
{
    static const Items empty;
    const auto it = mCollections.find(index);
    return it == mCollections.end() ? empty : it->second;
}

std::unique_ptr<PersistentObject> PersistentObject::clonePersistent() const
{
    return std::make_unique<PersistentObject>(*this);
}

QVariant PersistentObject::normalize(int index, const QVariant &value) const
{
    Q_UNUSED(index)
    return value;
}

} // namespace quill
