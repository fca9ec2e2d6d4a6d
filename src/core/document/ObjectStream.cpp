#include "ObjectStream.h"

#include "PropertyStreamReader.h"
#include "PropertyStreamWriter.h"

namespace quill {

namespace {

IdentTable identTable(PropKind kind)
{
    if (kind == PropKind::Charset)
        return IdentTable::Charset;
    if (kind == PropKind::Cursor)
        return IdentTable::Cursor;
    return IdentTable::Color;
}

bool atDefault(const PropertyDef &def, const QVariant &v)
{
    return def.hasDefault() && coerceToKind(def, def.defaultValue) == v;
}

// An empty text or a zero float is normally left out, which reads back as the value a new
// object starts with. Where that start value is not empty or zero, leaving it out would bring
// the old value back, so the emptied value is written.
bool clearedFromStart(const PropertyDef &def, const QVariant &v)
{
    if (def.kind == PropKind::Text)
        return v.toString().isEmpty() && !def.start.toString().isEmpty();
    if (def.kind == PropKind::Float)
        return v.toDouble() == 0 && def.start.toDouble() != 0;
    return false;
}

StreamValue setValue(const PropertyDef &def, quint32 bits)
{
    QStringList members;
    for (int i = 0; i < def.names.size() && i < 32; ++i) {
        if (bits & (1u << i))
            members.append(def.names[i]);
    }
    return StreamValue::set(members);
}

StreamValue collectionValue(const PersistentObject &object, int index)
{
    QList<StreamItem> items;
    for (const auto &item : object.collection(index)) {
        StreamItem si;
        si.entries = recordFromObject(*item).entries;
        items.append(si);
    }
    return StreamValue::collection(items);
}

std::optional<StreamValue> valueByKind(const PropertyDef &def, const QVariant &v)
{
    switch (def.kind) {
    case PropKind::Integer:
        return StreamValue::integer(v.toLongLong());
    case PropKind::Int64:
        if (v.toLongLong() == 0)
            return std::nullopt;
        return StreamValue::integer(v.toLongLong());
    case PropKind::Color:
        return StreamValue::namedInteger(IdentTable::Color, static_cast<qint32>(v.toLongLong()));
    case PropKind::Charset:
    case PropKind::Cursor:
        return StreamValue::namedInteger(identTable(def.kind), v.toLongLong());
    case PropKind::Enum:
        if (v.toInt() < 0 || v.toInt() >= def.names.size())
            return StreamValue::integer(v.toInt());
        return StreamValue::enumIdent(def.names[v.toInt()]);
    case PropKind::Bool:
        return StreamValue::boolean(v.toBool());
    case PropKind::Set:
        return setValue(def, v.toUInt());
    case PropKind::Float:
        if (v.toDouble() == 0)
            return std::nullopt;
        return StreamValue::extended(v.toDouble());
    case PropKind::Text:
        if (v.toString().isEmpty())
            return std::nullopt;
        return StreamValue::fromText(v.toString());
    case PropKind::StringList: {
        const QStringList lines = v.toStringList();
        if (lines.isEmpty())
            return std::nullopt;
        QList<StreamValue> values;
        for (const QString &line : lines)
            values.append(StreamValue::fromLineText(line));
        return StreamValue::list(values);
    }
    case PropKind::Binary:
        if (v.toByteArray().isEmpty())
            return std::nullopt;
        return StreamValue::binary(v.toByteArray());
    case PropKind::Collection:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<StreamValue> streamValueOf(const PersistentObject &object, int index)
{
    const PropertyDef &def = object.classInfo().properties[index];
    if (def.readOnly || def.derived || (def.stored && !def.stored(object)))
        return std::nullopt;
    if (def.kind == PropKind::Collection)
        return collectionValue(object, index);
    const QVariant v = object.value(index);
    if (atDefault(def, v))
        return std::nullopt;
    if (clearedFromStart(def, v))
        return def.kind == PropKind::Text ? StreamValue::shortText(QByteArray())
                                          : StreamValue::extended(0.0);
    return valueByKind(def, v);
}

StreamRecord recordFromObject(const PersistentObject &object)
{
    StreamRecord record;
    record.className = object.className();
    record.name = object.componentName();
    const int count = object.classInfo().properties.size();
    for (int i = 0; i < count; ++i) {
        if (auto value = streamValueOf(object, i))
            record.entries.append({object.classInfo().properties[i].name, *value});
    }
    return record;
}

Status writeObject(PropertyStreamWriter &writer, const PersistentObject &object)
{
    return writer.writeRecord(recordFromObject(object));
}

namespace {

const QString kInvalidValue = QStringLiteral("Invalid property value");

Result<QVariant> integerFromStream(const PropertyDef &def, const StreamValue &v)
{
    if (def.kind == PropKind::Color || def.kind == PropKind::Charset
        || def.kind == PropKind::Cursor) {
        if (auto n = v.toNamedInteger(identTable(def.kind)))
            return QVariant::fromValue<qint64>(*n);
        return Error{kInvalidValue};
    }
    const bool wide = def.kind == PropKind::Int64 && v.tag() == StreamTag::Int64;
    if (v.tag() == StreamTag::Int8 || v.tag() == StreamTag::Int16 || v.tag() == StreamTag::Int32
        || wide)
        return QVariant::fromValue<qint64>(v.toInteger());
    return Error{kInvalidValue};
}

Result<QVariant> enumFromStream(const PropertyDef &def, const StreamValue &v)
{
    const StreamTag t = v.tag();
    if (t != StreamTag::Ident && t != StreamTag::False && t != StreamTag::True
        && t != StreamTag::Nil && t != StreamTag::Null)
        return Error{kInvalidValue};
    if (def.kind == PropKind::Bool && (t == StreamTag::False || t == StreamTag::True))
        return QVariant(t == StreamTag::True);
    const QString name = v.identName();
    if (def.kind == PropKind::Bool) {
        if (name.compare(u"True", Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (name.compare(u"False", Qt::CaseInsensitive) == 0)
            return QVariant(false);
        return Error{kInvalidValue};
    }
    for (int i = 0; i < def.names.size(); ++i) {
        if (def.names[i].compare(name, Qt::CaseInsensitive) == 0)
            return QVariant::fromValue<int>(i);
    }
    return Error{kInvalidValue};
}

Result<QVariant> setFromStream(const PropertyDef &def, const StreamValue &v)
{
    if (v.tag() != StreamTag::Set)
        return Error{kInvalidValue};
    quint32 bits = 0;
    for (const QString &member : v.setMembers()) {
        for (int i = 0; i < def.names.size() && i < 32; ++i) {
            if (def.names[i].compare(member, Qt::CaseInsensitive) == 0)
                bits |= 1u << i; // unknown members are ignored
        }
    }
    return QVariant::fromValue<quint32>(bits);
}

Result<QVariant> linesFromStream(const StreamValue &v)
{
    if (v.tag() != StreamTag::List)
        return Error{kInvalidValue};
    QStringList lines;
    for (const StreamValue &line : v.elements()) {
        if (!line.isText())
            return Error{kInvalidValue};
        lines.append(line.text());
    }
    return QVariant(lines);
}

Result<QVariant> variantFromStream(const PropertyDef &def, const StreamValue &v)
{
    switch (def.kind) {
    case PropKind::Integer:
    case PropKind::Int64:
    case PropKind::Color:
    case PropKind::Charset:
    case PropKind::Cursor:
        return integerFromStream(def, v);
    case PropKind::Enum:
    case PropKind::Bool:
        return enumFromStream(def, v);
    case PropKind::Set:
        return setFromStream(def, v);
    case PropKind::Float:
        if (v.tag() == StreamTag::Extended || v.isInteger())
            return QVariant(v.toDouble());
        return Error{kInvalidValue};
    case PropKind::Text:
        if (!v.isText())
            return Error{kInvalidValue};
        return QVariant(v.text());
    case PropKind::StringList:
        return linesFromStream(v);
    case PropKind::Binary:
        if (v.tag() != StreamTag::Binary)
            return Error{kInvalidValue};
        return QVariant(v.bytes());
    case PropKind::Collection:
        break;
    }
    return Error{kInvalidValue};
}

Status collectionFromStream(PersistentObject &target, int index, const StreamValue &v)
{
    auto &items = target.collection(index);
    if (v.tag() == StreamTag::Nil) {
        items.clear();
        return {};
    }
    if (v.tag() != StreamTag::Collection)
        return Error{kInvalidValue};
    const ClassInfo &itemClass = *target.classInfo().properties[index].itemClass;
    items.clear();
    for (const StreamItem &si : v.items()) {
        auto item = itemClass.create ? itemClass.create()
                                     : std::make_unique<PersistentObject>(itemClass);
        StreamRecord itemRecord;
        itemRecord.className = itemClass.className;
        itemRecord.entries = si.entries;
        Status s = applyRecord(*item, itemRecord);
        if (!s)
            return s;
        items.push_back(std::move(item));
    }
    return {};
}

// Why a name has no property: a dotted path whose head names no nested value is a bad path.
QString missingPropertyMessage(const ClassInfo &info, const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0) {
        const QString head = name.left(dot + 1);
        bool nested = false;
        for (const PropertyDef &def : info.properties)
            nested = nested || def.name.startsWith(head, Qt::CaseInsensitive);
        if (!nested)
            return QStringLiteral("Invalid property path");
    }
    return QStringLiteral("Property %1 does not exist").arg(name.mid(dot + 1));
}

Status applyEntry(PersistentObject &target, const StreamEntry &entry)
{
    const ClassInfo &info = target.classInfo();
    const int index = info.indexOf(entry.name);
    if (index < 0 && info.acceptsUnknown)
        return {};
    if (index < 0)
        return Error{missingPropertyMessage(info, entry.name)};
    const PropertyDef &def = info.properties[index];
    if (def.readOnly)
        return Error{QStringLiteral("Property is read-only")};
    if (def.kind == PropKind::Collection)
        return collectionFromStream(target, index, entry.value);
    Result<QVariant> v = variantFromStream(def, entry.value);
    if (!v && info.acceptsUnknown)
        return {};
    if (!v)
        return v.error();
    target.setValue(index, v.value());
    return {};
}

} // namespace

Status applyRecord(PersistentObject &target, const StreamRecord &record)
{
    Status result;
    for (const StreamEntry &entry : record.entries) {
        Status s = applyEntry(target, entry);
        if (!s) {
            const QString owner = record.name.isEmpty() ? target.className() : record.name;
            result = Error{QStringLiteral("Error reading %1.%2: %3")
                               .arg(owner, entry.name, s.error().message),
                           QStringLiteral("offset %1").arg(entry.offset)};
            break;
        }
    }
    target.loaded();
    return result;
}

Result<std::unique_ptr<PersistentObject>> objectFromRecord(const StreamRecord &record)
{
    const ClassInfo *info = ClassRegistry::instance().find(record.className);
    if (!info)
        return Error{QStringLiteral("Class %1 not found").arg(record.className)};
    auto object = info->create ? info->create() : std::make_unique<PersistentObject>(*info);
    object->setComponentName(record.name);
    Status s = applyRecord(*object, record);
    if (!s)
        return s.error();
    return object;
}

Status readObjectInto(PropertyStreamReader &reader, PersistentObject &target)
{
    Result<StreamRecord> record = reader.readRecord();
    if (!record)
        return record.error();
    target.setComponentName(record.value().name);
    return applyRecord(target, record.value());
}

Result<std::unique_ptr<PersistentObject>> readObject(PropertyStreamReader &reader)
{
    Result<StreamRecord> record = reader.readRecord();
    if (!record)
        return record.error();
    return objectFromRecord(record.value());
}

} // namespace quill
