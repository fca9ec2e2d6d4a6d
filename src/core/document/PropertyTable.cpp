#include "PropertyTable.h"

#include "PersistentObject.h"

namespace quill {

const PropertyDef *ClassInfo::find(const QString &name) const
{
    const int i = indexOf(name);
    return i < 0 ? nullptr : &properties[i];
}

void ClassInfo::buildIndex()
{
    index.clear();
    exactIndex.clear();
    for (int i = 0; i < properties.size(); ++i) {
        index.insert(properties[i].name.toLower(), i);
        exactIndex.insert(properties[i].name, i);
    }
}

ClassBuilder::ClassBuilder(const QString &className)
{
    mInfo.className = className;
}

ClassBuilder &ClassBuilder::inherit(const ClassInfo &base)
{
    for (const PropertyDef &def : base.properties)
        add(def);
    return *this;
}

ClassBuilder &ClassBuilder::add(PropertyDef def)
{
    for (PropertyDef &existing : mInfo.properties) {
        if (existing.name.compare(def.name, Qt::CaseInsensitive) == 0) {
            existing = std::move(def);
            return *this;
        }
    }
    mInfo.properties.append(std::move(def));
    return *this;
}

namespace {

template <typename T>
QVariant optionalVariant(const std::optional<T> &v)
{
    return v ? QVariant::fromValue(*v) : QVariant();
}

PropertyDef makeDef(const QString &name, PropKind kind, QVariant start, QVariant def = {})
{
    PropertyDef d;
    d.name = name;
    d.kind = kind;
    d.start = std::move(start);
    d.defaultValue = std::move(def);
    return d;
}

} // namespace

ClassBuilder &ClassBuilder::integer(const QString &name, qint64 start, std::optional<qint64> def)
{
    return add(makeDef(name, PropKind::Integer, start, optionalVariant(def)));
}

ClassBuilder &ClassBuilder::color(const QString &name, qint64 start, std::optional<qint64> def)
{
    return add(makeDef(name, PropKind::Color, start, optionalVariant(def)));
}

ClassBuilder &ClassBuilder::boolean(const QString &name, bool start, std::optional<bool> def)
{
    return add(makeDef(name, PropKind::Bool, start, optionalVariant(def)));
}

ClassBuilder &ClassBuilder::enumeration(const QString &name, const QStringList &names, int start,
                                        std::optional<int> def)
{
    PropertyDef d = makeDef(name, PropKind::Enum, start, optionalVariant(def));
    d.names = names;
    return add(std::move(d));
}

ClassBuilder &ClassBuilder::set(const QString &name, const QStringList &names, quint32 start,
                                std::optional<quint32> def)
{
    PropertyDef d = makeDef(name, PropKind::Set, start, optionalVariant(def));
    d.names = names;
    return add(std::move(d));
}

ClassBuilder &ClassBuilder::floating(const QString &name, double start, FloatWidth width)
{
    PropertyDef d = makeDef(name, PropKind::Float, start);
    d.floatWidth = width;
    return add(std::move(d));
}

ClassBuilder &ClassBuilder::text(const QString &name, const QString &start)
{
    return add(makeDef(name, PropKind::Text, start));
}

ClassBuilder &ClassBuilder::strings(const QString &name)
{
    return add(makeDef(name, PropKind::StringList, QStringList()));
}

ClassBuilder &ClassBuilder::binary(const QString &name)
{
    return add(makeDef(name, PropKind::Binary, QByteArray()));
}

ClassBuilder &ClassBuilder::collection(const QString &name, const ClassInfo &itemClass)
{
    PropertyDef d = makeDef(name, PropKind::Collection, QVariant());
    d.itemClass = &itemClass;
    return add(std::move(d));
}

ClassBuilder &ClassBuilder::storedWhen(std::function<bool(const PersistentObject &)> condition)
{
    if (!mInfo.properties.isEmpty())
        mInfo.properties.last().stored = std::move(condition);
    return *this;
}

ClassInfo ClassBuilder::build(std::function<std::unique_ptr<PersistentObject>()> create)
{
    mInfo.create = std::move(create);
    mInfo.buildIndex();
    return mInfo;
}

ClassRegistry &ClassRegistry::instance()
{
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::add(const ClassInfo *info)
{
    mClasses.insert(info->className.toLower(), info);
}

const ClassInfo *ClassRegistry::find(const QString &className) const
{
    return mClasses.value(className.toLower(), nullptr);
}

QStringList ClassRegistry::names() const
{
    QStringList out;
    for (const ClassInfo *info : mClasses)
        out.append(info->className);
    out.sort();
    return out;
}

} // namespace quill
