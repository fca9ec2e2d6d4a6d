#include "ObjectClipboard.h"
#include "ZoomMapping.h"

#include "LabelCell.h"
#include "LabelDocument.h"
#include "ObjectListFile.h"

#include <QDir>

namespace quill {

namespace {

const QString kCopyError = QStringLiteral("CopyError");
const QString kMoveCopyError = QStringLiteral("MoveCopyError");
const QString kNothingSelected = QStringLiteral("마스터 적용할 개체를 먼저 선택해 주십시오.");

Error refusal(const QString &key)
{
    return Error{key, ObjectClipboard::captionSection()};
}

std::vector<LabelObject *> addAll(LabelCell &cell, std::vector<std::unique_ptr<LabelObject>> objects)
{
    std::vector<LabelObject *> added;
    added.reserve(objects.size());
    for (auto &object : objects)
        added.push_back(cell.addObject(std::move(object)));
    return added;
}

} // namespace

ObjectClipboard::ObjectClipboard(const QString &folder) : mFolder(folder) {}

QString ObjectClipboard::fileName(Slot slot)
{
    switch (slot) {
    case Slot::Copy:
        return QStringLiteral("CopyObj.acp");
    case Slot::MoveCopy:
        return QStringLiteral("MoveCopy.acp");
    case Slot::Master:
        return QStringLiteral("mCopyObj.acp");
    }
    return {};
}

QString ObjectClipboard::filePath(Slot slot) const
{
    return QDir(mFolder).filePath(fileName(slot));
}

bool ObjectClipboard::isRefusal(const Error &error)
{
    return error.where == captionSection()
        && (error.message == kCopyError || error.message == kMoveCopyError);
}

bool ObjectClipboard::isFieldBound(const LabelObject &object)
{
    switch (object.typeCode()) {
    case ObjectTypeCode::Barcode:
    case ObjectTypeCode::Barcode2D:
    case ObjectTypeCode::GuideLabel:
    case ObjectTypeCode::SerialNumber: // a field label too
        return !object.textValue(QStringLiteral("FieldName")).isEmpty();
    default:
        return false;
    }
}

bool ObjectClipboard::anyFieldBound(const std::vector<const LabelObject *> &selection)
{
    for (const LabelObject *object : selection) {
        if (object && isFieldBound(*object))
            return true;
    }
    return false;
}

Status ObjectClipboard::writeSelection(Slot slot,
                                       const std::vector<const LabelObject *> &selection) const
{
    if (anyFieldBound(selection)) {
        // The file is emptied all the same, so that a following paste pastes nothing.
        if (Status emptied = writeEmptyFile(filePath(slot)); !emptied)
            return emptied;
        return refusal(kCopyError);
    }
    std::vector<const LabelObject *> objects;
    for (const LabelObject *object : selection) {
        if (object)
            objects.push_back(object);
    }
    return writeObjectListFile(filePath(slot), objects);
}

ObjectClipboard::Read ObjectClipboard::readObjects(Slot slot, QPoint offset) const
{
    ObjectListFileRead file = readObjectListFile(filePath(slot));
    Read read{std::move(file.objects), file.status};
    for (auto &object : read.objects)
        object->setBounds(object->bounds().translated(offset));
    return read;
}

Status ObjectClipboard::copy(const std::vector<const LabelObject *> &selection) const
{
    return writeSelection(Slot::Copy, selection);
}

Result<std::vector<LabelObject *>> ObjectClipboard::paste(LabelCell &cell) const
{
    Read read = readObjects(Slot::Copy);
    std::vector<LabelObject *> added = addAll(cell, std::move(read.objects));
    if (!read.status)
        return read.status.error();
    return added;
}

bool ObjectClipboard::dragMakesCopy(QPoint movement)
{
    return !movement.isNull();
}

QPoint ObjectClipboard::dragCopyOffset(QPoint movement, int zoom)
{
    if (zoom <= 0)
        zoom = 100;
    // The copies land where the pointer took the selection, as a plain drag moves it; the
    // model keeps 100 % positions, so the screen offset is mapped back as the editor maps.
    return QPoint(ZoomMapping::toModel(movement.x(), zoom), ZoomMapping::toModel(movement.y(), zoom));
}

Result<std::vector<LabelObject *>>
ObjectClipboard::dragCopy(LabelCell &cell, const std::vector<const LabelObject *> &selection,
                          QPoint movement, int zoom) const
{
    if (!dragMakesCopy(movement))
        return std::vector<LabelObject *>{};
    if (anyFieldBound(selection))
        return refusal(kMoveCopyError);
    if (Status written = writeSelection(Slot::MoveCopy, selection); !written)
        return written.error();
    Read read = readObjects(Slot::MoveCopy, dragCopyOffset(movement, zoom));
    std::vector<LabelObject *> added = addAll(cell, std::move(read.objects));
    if (!read.status)
        return read.status.error();
    return added;
}

Result<int> ObjectClipboard::masterApply(LabelDocument &document,
                                         const std::vector<const LabelObject *> &selection) const
{
    if (selection.empty())
        return Error{kNothingSelected};
    if (Status written = writeSelection(Slot::Master, selection); !written)
        return written.error();
    Read read = readObjects(Slot::Master);
    if (!read.status)
        return read.status.error();
    const LabelCell *current = document.currentCellPanel();
    int cells = 0;
    for (int p = 1; p <= document.pageCount(); ++p) {
        const LabelPage *page = document.page(p);
        for (int n = 1; n <= page->cellCount(); ++n) {
            LabelCell *cell = page->cell(n);
            if (cell == current)
                continue;
            for (const auto &object : read.objects)
                cell->addObject(object->clone());
            ++cells;
        }
    }
    if (cells > 0) {
        document.setModified(true);
        document.notifyChanged();
    }
    return cells;
}

} // namespace quill
