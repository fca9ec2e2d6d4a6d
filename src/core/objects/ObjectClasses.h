// Registration of the label object classes and creation of objects by type code.
#pragma once

#include "document/LabelObject.h"
#include "document/ObjectTypeCode.h"

#include <memory>

namespace quill {

// Registers every class that current documents, snapshots and clipboard files name, so that
// records can be read by class name. Safe to call more than once.
void registerObjectClasses();

// A new object of the class written under code, with its creation values; nullptr for a code
// without a class.
std::unique_ptr<LabelObject> createObject(ObjectTypeCode code);

} // namespace quill
