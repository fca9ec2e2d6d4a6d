// Copy, paste, Ctrl+drag copies and "apply to all" through object list files.
#pragma once

#include "../Result.h"
#include "LabelObject.h"

#include <QPoint>
#include <QString>

#include <memory>
#include <vector>

namespace quill {

class LabelCell;
class LabelDocument;

// The clipboard keeps objects in files of the folder given (the Temp folder), in the object
// list form of documents, never on the system clipboard. Positions are the objects' own:
// pixels at 100 % relative to their cell, so what is pasted has the size it was copied with
// whatever the zoom of either moment.
//
// Objects bound to a data field cannot be copied; the refusal is an Error whose message is the
// caption key ("CopyError" or "MoveCopyError") and whose where is the caption section
// ("MainMessage"), for the caller to show the caption text (see isRefusal()).
class ObjectClipboard {
public:
    enum class Slot {
        Copy,     // "CopyObj.acp": Copy and Cut write it, Paste reads it
        MoveCopy, // "MoveCopy.acp": Ctrl+drag copies
        Master,   // "mCopyObj.acp": apply to all cells
    };

    // What reading a clipboard file gave: the objects read (also those before a damage) and
    // the damage, if any.
    struct Read {
        std::vector<std::unique_ptr<LabelObject>> objects;
        Status status;
    };

    explicit ObjectClipboard(const QString &folder);

    QString folder() const { return mFolder; }
    static QString fileName(Slot slot);
    QString filePath(Slot slot) const;

    static QString captionSection() { return QStringLiteral("MainMessage"); }
    static bool isRefusal(const Error &error);
    // A one- or two-dimensional barcode or a field label (serial numbers are field labels)
    // whose FieldName is set.
    static bool isFieldBound(const LabelObject &object);
    static bool anyFieldBound(const std::vector<const LabelObject *> &selection);

    // Writes the selection in selection order, atomically. With a field-bound object in it the
    // file is emptied (a following read gives nothing) and CopyError comes back.
    Status writeSelection(Slot slot, const std::vector<const LabelObject *> &selection) const;
    // Reads a file's objects moved by offset (pixels at 100 %). A missing file, or one without
    // a complete count, gives nothing. An unknown code or a damaged record ends the list; the
    // objects read before it are returned with the damage.
    Read readObjects(Slot slot, QPoint offset = {}) const;

    // Copy (and the copy step of Cut).
    Status copy(const std::vector<const LabelObject *> &selection) const;
    // Adds the copied objects to the cell, in front, where they were copied; returns them. Sets
    // no modified flag and takes no snapshot.
    Result<std::vector<LabelObject *>> paste(LabelCell &cell) const;

    // A Ctrl+drag of the selection by movement (screen pixels at zoom percent) makes copies
    // offset by the movement, mapped back to 100 %; no movement makes none.
    static bool dragMakesCopy(QPoint movement);
    static QPoint dragCopyOffset(QPoint movement, int zoom = 100);
    // Writes the selection to "MoveCopy.acp" and reads it back into the cell with the drag
    // offset; returns the copies (the new selection), none without movement. A field-bound
    // object refuses with MoveCopyError before anything is written.
    Result<std::vector<LabelObject *>> dragCopy(LabelCell &cell,
                                                const std::vector<const LabelObject *> &selection,
                                                QPoint movement, int zoom = 100) const;

    // Copies the selection into every cell of every page except the current cell of the
    // current page, at the same positions; returns the number of cells that received it.
    // Nothing selected: Error "마스터 적용할 개체를 먼저 선택해 주십시오."; a field-bound object:
    // CopyError and no cell changes. Marks the document modified.
    Result<int> masterApply(LabelDocument &document,
                            const std::vector<const LabelObject *> &selection) const;

private:
    QString mFolder;
};

} // namespace quill
