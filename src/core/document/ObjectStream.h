// Saved objects to and from property stream records, driven by each class's property table.
#pragma once

#include "../Result.h"
#include "PersistentObject.h"
#include "StreamValue.h"

#include <memory>

namespace quill {

class PropertyStreamReader;
class PropertyStreamWriter;

// The record of an object: its class name, its component name and, in table order, every
// property that is to be stored (not read-only, its stored condition holding, not at its
// declared default, floats not 0, texts and lists not empty).
StreamRecord recordFromObject(const PersistentObject &object);
// The value a property is written with, or nothing when it is not written.
std::optional<StreamValue> streamValueOf(const PersistentObject &object, int index);

// Reads the entries of a record into target (its class name is not checked). Stops at the
// first entry that fails, with "Error reading <name>.<property>: <message>"; the entries before
// it stay applied. Tells the object it is loaded either way.
Status applyRecord(PersistentObject &target, const StreamRecord &record);
// Creates an object of the record's class from the class registry and reads the record into it.
Result<std::unique_ptr<PersistentObject>> objectFromRecord(const StreamRecord &record);

// Convenience wrappers over the stream reader and writer.
Status writeObject(PropertyStreamWriter &writer, const PersistentObject &object);
Status readObjectInto(PropertyStreamReader &reader, PersistentObject &target);
Result<std::unique_ptr<PersistentObject>> readObject(PropertyStreamReader &reader);

} // namespace quill
