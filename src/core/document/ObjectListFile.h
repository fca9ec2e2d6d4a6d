// Object lists as whole files: the form shared by undo snapshots and clipboard files.
#pragma once

#include "../Result.h"
#include "LabelObject.h"

#include <QString>

#include <memory>
#include <vector>

namespace quill {

// What reading an object list file gave: the objects read (also those before a failure),
// whether the file was there at all, and the failure if any.
struct ObjectListFileRead {
    std::vector<std::unique_ptr<LabelObject>> objects;
    bool found = false; // false: the file does not exist (nothing read, status ok)
    Status status;
};

// Writes the objects in the object list form (count - 1, then code and record per object, in
// the given order) to path, replacing it atomically: on failure the previous file is intact.
// The folder of path is created when missing. Failures name the file in Error::where.
Status writeObjectListFile(const QString &path, const std::vector<const LabelObject *> &objects);
// Replaces path by an empty file (a list that a reader treats as holding nothing).
Status writeEmptyFile(const QString &path);

// Reads an object list file. A missing file, or one too short to hold the count, reads as no
// objects with an ok status. A damaged list keeps the objects before the damage and reports it.
ObjectListFileRead readObjectListFile(const QString &path);

// Creates a folder with its parents when missing.
Status ensureFolder(const QString &folder);

} // namespace quill
