// The object list form shared by documents, undo snapshots and clipboard files: a 32-bit
// count - 1, then per object its type code and its record.
#pragma once

#include "../Result.h"
#include "LabelObject.h"

#include <functional>
#include <memory>
#include <vector>

namespace quill {

class PropertyStreamReader;
class PropertyStreamWriter;

// What went wrong while reading part of a document: which object and property, and where.
struct ReadProblem {
    QString message; // the reader's message ("Error reading TZR_TextEdit.Angle: ...")
    QString where;   // "page 2, cell 5, object 3" and the byte offset
};

// Writes count - 1 and each object with its type code. Serial numbers are written with fixed
// size. Returns the writer's status.
Status writeObjectList(PropertyStreamWriter &writer,
                       const std::vector<const LabelObject *> &objects);
Status writeObjectList(PropertyStreamWriter &writer,
                       const std::vector<std::unique_ptr<LabelObject>> &objects);

// Reads an object list. Objects read before a failure are kept in out; the failure comes back
// as the error. An unknown type code stops the list with an error. A negative count is an empty
// list. The count is checked against the bytes that remain, so a damaged count cannot make the
// reader loop for long.
Status readObjectList(PropertyStreamReader &reader, std::vector<std::unique_ptr<LabelObject>> &out);

// One object of a given type code: its class from the code, its record read into it.
Result<std::unique_ptr<LabelObject>> readObjectOfCode(PropertyStreamReader &reader, qint32 code);

} // namespace quill
