// Persisted properties of an object as JSON, for the command-line dump and build commands.
#pragma once

#include "../Result.h"
#include "PersistentObject.h"

#include <QJsonObject>
#include <QJsonValue>

#include "../JsonWriter.h"

namespace quill {

// Every persisted property in table order: numbers, strings, true/false, identifiers (enum
// names, named colours, character sets and cursors) as strings, sets as arrays of member names,
// string lists as arrays, collections as arrays of property objects, binary as {"base64": ...}.
// Written as one JSON object with the keys in table order.
void writePropertiesJson(JsonWriter &out, const PersistentObject &object);
// One property's value; a collection gives its items with their keys sorted (use
// writePropertiesJson for ordered output).
QJsonValue propertyToJson(const PersistentObject &object, int index);

// Sets the properties named in json (names matched without regard to case; a bare name such as
// "WWFMemo" addresses "WWFMemo.Strings"). Numbers are accepted for identifiers. Properties not
// named keep their values. Fails on an unknown property or a value of the wrong kind.
Status propertiesFromJson(PersistentObject &object, const QJsonObject &json);

} // namespace quill
