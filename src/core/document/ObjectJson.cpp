#include "ObjectJson.h"

#include "ColorNames.h"
#include "StreamIdents.h"

#include <QJsonArray>
#include <QMap>

namespace quill {

namespace {

QJsonValue namedInteger(PropKind kind, qint64 v)
{
    std::optional<QString> name;
    if (kind == PropKind::Color)
        name = colorIdent(static_cast<TColor>(v));
    else if (kind == PropKind::Charset)
        name = charsetIdent(static_cast<int>(v));
    else if (kind == PropKind::Cursor)
        name = cursorIdent(static_cast<int>(v));
    if (name)
        return *name;
    return static_cast<double>(v);
}

std::optional<qint64> integerFromName(PropKind kind, const QString &name)
{
    if (kind == PropKind::Color) {
        if (auto c = colorFromText(name))
            return static_cast<qint64>(static_cast<qint32>(*c));
        return std::nullopt;
    }
    std::optional<int> v;
    if (kind == PropKind::Charset)
        v = charsetFromIdent(name);
    else if (kind == PropKind::Cursor)
        v = cursorFromIdent(name);
    if (v)
        return *v;
    return std::nullopt;
}

QJsonValue setToJson(const PropertyDef &def, quint32 bits)
{
    QJsonArray members;
    for (int i = 0; i < def.names.size() && i < 32; ++i) {
        if (bits & (1u << i))
            members.append(def.names[i]);
    }
    return members;
}

QJsonObject unorderedProperties(const PersistentObject &object)
{
    QJsonObject props;
    const ClassInfo &info = object.classInfo();
    for (int i = 0; i < info.properties.size(); ++i) {
        if (!info.properties[i].derived)
            props.insert(info.properties[i].name, propertyToJson(object, i));
    }
    return props;
}

QJsonValue collectionToJson(const PersistentObject &object, int index)
{
    QJsonArray items;
    for (const auto &item : object.collection(index))
        items.append(unorderedProperties(*item));
    return items;
}

} // namespace

QJsonValue propertyToJson(const PersistentObject &object, int index)
{
    const PropertyDef &def = object.classInfo().properties[index];
    const QVariant v = object.value(index);
    switch (def.kind) {
    case PropKind::Integer:
    case PropKind::Int64:
        return static_cast<double>(v.toLongLong());
    case PropKind::Color:
        return namedInteger(def.kind, static_cast<qint64>(static_cast<quint32>(v.toLongLong())));
    case PropKind::Charset:
    case PropKind::Cursor:
        return namedInteger(def.kind, v.toLongLong());
    case PropKind::Enum: {
        const int ord = v.toInt();
        if (ord >= 0 && ord < def.names.size())
            return def.names[ord];
        return ord;
    }
    case PropKind::Bool:
        return v.toBool();
    case PropKind::Set:
        return setToJson(def, v.toUInt());
    case PropKind::Float:
        return v.toDouble();
    case PropKind::Text:
        return v.toString();
    case PropKind::StringList:
        return QJsonArray::fromStringList(v.toStringList());
    case PropKind::Binary:
        return QJsonObject{{QStringLiteral("base64"), QString::fromLatin1(v.toByteArray().toBase64())}};
    case PropKind::Collection:
        return collectionToJson(object, index);
    }
    return {};
}

void writePropertiesJson(JsonWriter &out, const PersistentObject &object)
{
    out.beginObject();
    const ClassInfo &info = object.classInfo();
    for (int i = 0; i < info.properties.size(); ++i) {
        if (info.properties[i].derived)
            continue;
        out.key(info.properties[i].name);
        if (info.properties[i].kind != PropKind::Collection) {
            out.value(propertyToJson(object, i));
            continue;
        }
        out.beginArray();
        for (const auto &item : object.collection(i))
            writePropertiesJson(out, *item);
        out.endArray();
    }
    out.endObject();
}

namespace {

Error kindError(const PropertyDef &def, const QString &expected)
{
    return Error{QStringLiteral("property %1 needs %2").arg(def.name, expected), def.name};
}

Result<QVariant> integerFromJson(const PropertyDef &def, const QJsonValue &v)
{
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (d != static_cast<double>(static_cast<qint64>(d)))
            return kindError(def, QStringLiteral("a whole number"));
        return QVariant::fromValue<qint64>(static_cast<qint64>(d));
    }
    if (v.isString() && def.kind != PropKind::Integer && def.kind != PropKind::Int64) {
        if (auto n = integerFromName(def.kind, v.toString()))
            return QVariant::fromValue<qint64>(*n);
        return kindError(def, QStringLiteral("a number or a known identifier, not \"%1\"")
                                  .arg(v.toString()));
    }
    return kindError(def, QStringLiteral("a number"));
}

Result<QVariant> enumFromJson(const PropertyDef &def, const QJsonValue &v)
{
    if (v.isDouble() && v.toDouble() >= 0 && v.toDouble() < def.names.size())
        return QVariant::fromValue<int>(v.toInt());
    for (int i = 0; i < def.names.size(); ++i) {
        if (def.names[i].compare(v.toString(), Qt::CaseInsensitive) == 0)
            return QVariant::fromValue<int>(i);
    }
    return kindError(def, QStringLiteral("one of %1").arg(def.names.join(u", ")));
}

Result<QVariant> setFromJson(const PropertyDef &def, const QJsonValue &v)
{
    if (!v.isArray())
        return kindError(def, QStringLiteral("an array of member names"));
    quint32 bits = 0;
    for (const QJsonValue &m : v.toArray()) {
        const int i = def.names.indexOf(m.toString());
        if (i < 0)
            return kindError(def, QStringLiteral("members among %1").arg(def.names.join(u", ")));
        bits |= 1u << i;
    }
    return QVariant::fromValue<quint32>(bits);
}

Result<QVariant> stringListFromJson(const PropertyDef &def, const QJsonValue &v)
{
    if (v.isString())
        return QVariant(v.toString().split(QLatin1Char('\n')));
    if (!v.isArray())
        return kindError(def, QStringLiteral("an array of lines"));
    QStringList lines;
    for (const QJsonValue &line : v.toArray()) {
        if (!line.isString())
            return kindError(def, QStringLiteral("an array of lines"));
        lines.append(line.toString());
    }
    return QVariant(lines);
}

Result<QVariant> binaryFromJson(const PropertyDef &def, const QJsonValue &v)
{
    const QJsonValue b64 = v.toObject().value(QStringLiteral("base64"));
    if (!b64.isString())
        return kindError(def, QStringLiteral("{\"base64\": ...}"));
    const auto decoded = QByteArray::fromBase64Encoding(b64.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return kindError(def, QStringLiteral("valid base64 data"));
    return QVariant(*decoded);
}

Result<QVariant> valueFromJson(const PropertyDef &def, const QJsonValue &v)
{
    switch (def.kind) {
    case PropKind::Integer:
    case PropKind::Int64:
    case PropKind::Color:
    case PropKind::Charset:
    case PropKind::Cursor:
        return integerFromJson(def, v);
    case PropKind::Enum:
        return enumFromJson(def, v);
    case PropKind::Bool:
        if (!v.isBool())
            return kindError(def, QStringLiteral("true or false"));
        return QVariant(v.toBool());
    case PropKind::Set:
        return setFromJson(def, v);
    case PropKind::Float:
        if (!v.isDouble())
            return kindError(def, QStringLiteral("a number"));
        return QVariant(v.toDouble());
    case PropKind::Text:
        if (!v.isString())
            return kindError(def, QStringLiteral("a string"));
        return QVariant(v.toString());
    case PropKind::StringList:
        return stringListFromJson(def, v);
    case PropKind::Binary:
        return binaryFromJson(def, v);
    case PropKind::Collection:
        break;
    }
    return kindError(def, QStringLiteral("a value"));
}

int findJsonProperty(const ClassInfo &info, const QString &name)
{
    const int i = info.indexOf(name);
    if (i >= 0)
        return i;
    return info.indexOf(name + QStringLiteral(".Strings"));
}

Status collectionFromJson(PersistentObject &object, int index, const QJsonValue &v)
{
    const PropertyDef &def = object.classInfo().properties[index];
    if (!v.isArray())
        return kindError(def, QStringLiteral("an array of items"));
    auto &items = object.collection(index);
    items.clear();
    for (const QJsonValue &itemJson : v.toArray()) {
        auto item = def.itemClass->create ? def.itemClass->create()
                                          : std::make_unique<PersistentObject>(*def.itemClass);
        Status s = propertiesFromJson(*item, itemJson.toObject());
        if (!s)
            return s;
        items.push_back(std::move(item));
    }
    return {};
}

} // namespace

Status propertiesFromJson(PersistentObject &object, const QJsonObject &json)
{
    // Resolve every key first, then apply in table order, so that values depending on each
    // other (a font's height and size) settle as they do when a record is read.
    const ClassInfo &info = object.classInfo();
    QMap<int, QJsonValue> byIndex;
    for (auto it = json.constBegin(); it != json.constEnd(); ++it) {
        const int index = findJsonProperty(info, it.key());
        if (index < 0) {
            return Error{QStringLiteral("class %1 has no property %2").arg(info.className, it.key()),
                         it.key()};
        }
        byIndex.insert(index, it.value());
    }
    for (auto it = byIndex.constBegin(); it != byIndex.constEnd(); ++it) {
        const int index = it.key();
        if (info.properties[index].kind == PropKind::Collection) {
            Status s = collectionFromJson(object, index, it.value());
            if (!s)
                return s;
            continue;
        }
        Result<QVariant> v = valueFromJson(info.properties[index], it.value());
        if (!v)
            return v.error();
        object.setValue(index, v.value());
    }
    return {};
}

} // namespace quill
