// Helpers for tests of label object classes: entry names of records, filling every property
// with a value other than its start value, and stream and JSON round trips.
#pragma once

#include "JsonWriter.h"
#include "document/ObjectJson.h"
#include "document/ObjectStream.h"
#include "document/PropertyStreamReader.h"
#include "document/PropertyStreamWriter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <memory>

namespace quill::testing {

// Names of the entries a record of the object holds, in order.
inline QStringList entryNames(const PersistentObject &object)
{
    QStringList names;
    for (const StreamEntry &entry : recordFromObject(object).entries)
        names.append(entry.name);
    return names;
}

// The bytes of the object's record.
inline QByteArray recordBytes(const PersistentObject &object)
{
    QByteArray bytes;
    PropertyStreamWriter writer(&bytes);
    writer.writeRecord(recordFromObject(object));
    writer.flush();
    return bytes;
}

// A value of the property's kind that differs from its start value; seed varies it.
inline QVariant otherValue(const PropertyDef &def, int seed)
{
    switch (def.kind) {
    case PropKind::Integer:
    case PropKind::Int64:
        return QVariant::fromValue<qint64>(def.start.toLongLong() + 3 + seed);
    case PropKind::Color:
        return QVariant::fromValue<qint64>(0x00102030 + seed);
    case PropKind::Charset:
        return QVariant::fromValue<qint64>(def.start.toLongLong() == 238 ? 204 : 238);
    case PropKind::Cursor:
        return QVariant::fromValue<qint64>(-21);
    case PropKind::Enum:
        return (def.start.toInt() + 1) % int(def.names.size());
    case PropKind::Bool:
        return !def.start.toBool();
    case PropKind::Set:
        return QVariant::fromValue<quint32>(~def.start.toUInt() & ((1u << def.names.size()) - 1));
    case PropKind::Float:
        return def.start.toDouble() + 1.5 + seed;
    case PropKind::Text:
        return seed % 2 ? QStringLiteral("text %1").arg(seed) : QStringLiteral("글자 %1").arg(seed);
    case PropKind::StringList:
        return QStringList{QStringLiteral("첫 줄"), QStringLiteral("line %1").arg(seed)};
    case PropKind::Binary:
        return QByteArray("\x01\x02\x03", 3) + QByteArray::number(seed);
    case PropKind::Collection:
        break;
    }
    return {};
}

// Gives every property a value other than its start value (aliases such as Font.Size are
// left to their owners), and two filled items to every collection. ParentFont and ParentColor
// end False so that the font and colour are the object's own and written.
inline void changeEveryProperty(PersistentObject &object)
{
    const ClassInfo &info = object.classInfo();
    for (int i = 0; i < info.properties.size(); ++i) {
        const PropertyDef &def = info.properties[i];
        if (def.set)
            continue;
        if (def.kind != PropKind::Collection) {
            object.setValue(i, otherValue(def, i));
            continue;
        }
        auto &items = object.collection(i);
        for (int k = 0; k < 2; ++k) {
            items.push_back(def.itemClass->create());
            changeEveryProperty(*items.back());
            items.back()->setValue(0, otherValue(def.itemClass->properties[0], 100 * (i + 1) + k));
        }
    }
    // A height that a whole point size maps back to: the JSON form carries Font.Size beside
    // Font.Height, and a reader may apply either last.
    if (info.indexOf(QStringLiteral("Font.Height")) >= 0)
        object.setValue(QStringLiteral("Font.Height"), -16);
    for (const QString &name : {QStringLiteral("ParentFont"), QStringLiteral("ParentColor")}) {
        if (info.indexOf(name) >= 0)
            object.setValue(name, false);
    }
}

// The first property whose value differs between a and b ("" when none). Read-only properties
// are skipped when skipReadOnly is set (they are never written).
inline QString firstDifference(const PersistentObject &a, const PersistentObject &b,
                               bool skipReadOnly)
{
    const ClassInfo &info = a.classInfo();
    if (&info != &b.classInfo())
        return QStringLiteral("class ") + b.className();
    for (int i = 0; i < info.properties.size(); ++i) {
        const PropertyDef &def = info.properties[i];
        if (skipReadOnly && def.readOnly)
            continue;
        if (def.kind != PropKind::Collection) {
            if (a.value(i) != b.value(i))
                return QStringLiteral("%1: %2 / %3")
                    .arg(def.name, a.value(i).toString(), b.value(i).toString());
            continue;
        }
        const auto &itemsA = a.collection(i);
        const auto &itemsB = b.collection(i);
        if (itemsA.size() != itemsB.size())
            return def.name + QStringLiteral(" item count");
        for (size_t k = 0; k < itemsA.size(); ++k) {
            const QString d = firstDifference(*itemsA[k], *itemsB[k], skipReadOnly);
            if (!d.isEmpty())
                return QStringLiteral("%1[%2].%3").arg(def.name).arg(k).arg(d);
        }
    }
    return {};
}

// Writes the object's record into bytes, reads it back as a new object of its registered class.
inline std::unique_ptr<PersistentObject> streamRoundTrip(const PersistentObject &object,
                                                         QString *problem)
{
    const QByteArray bytes = recordBytes(object);
    PropertyStreamReader reader(bytes);
    Result<std::unique_ptr<PersistentObject>> read = readObject(reader);
    if (!read) {
        *problem = read.error().message;
        return nullptr;
    }
    return std::move(read.value());
}

// The object's properties as JSON, applied to a new object of the same class.
inline std::unique_ptr<PersistentObject> jsonRoundTrip(const PersistentObject &object,
                                                       QString *problem)
{
    JsonWriter out;
    writePropertiesJson(out, object);
    const QJsonObject json = QJsonDocument::fromJson(out.data()).object();
    std::unique_ptr<PersistentObject> copy = object.classInfo().create();
    Status s = propertiesFromJson(*copy, json);
    if (!s) {
        *problem = s.error().message;
        return nullptr;
    }
    return copy;
}

} // namespace quill::testing
