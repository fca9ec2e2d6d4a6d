#include "ObjectList.h"

#include "ObjectStream.h"
#include "PropertyStreamReader.h"
#include "PropertyStreamWriter.h"

namespace quill {

namespace {

const QString kAutoSize = QStringLiteral("AutoSize");

// Serial numbers go into files with a fixed size and grow again when read.
Status writeOne(PropertyStreamWriter &writer, const LabelObject &object)
{
    writer.writeInt32(static_cast<qint32>(object.typeCode()));
    if (object.typeCode() != ObjectTypeCode::SerialNumber)
        return writeObject(writer, object);
    std::unique_ptr<PersistentObject> fixed = object.clonePersistent();
    fixed->setValue(kAutoSize, false);
    return writeObject(writer, *fixed);
}

std::unique_ptr<LabelObject> createByCode(ObjectTypeCode code)
{
    const ClassInfo *info = ClassRegistry::instance().find(objectClassName(code));
    if (!info || !info->create)
        return nullptr;
    std::unique_ptr<PersistentObject> object = info->create();
    if (!dynamic_cast<LabelObject *>(object.get()))
        return nullptr;
    return std::unique_ptr<LabelObject>(static_cast<LabelObject *>(object.release()));
}

} // namespace

Status writeObjectList(PropertyStreamWriter &writer, const std::vector<const LabelObject *> &objects)
{
    writer.writeInt32(static_cast<qint32>(objects.size()) - 1);
    for (const LabelObject *object : objects) {
        Status s = writeOne(writer, *object);
        if (!s)
            return s;
    }
    return writer.status();
}

Status writeObjectList(PropertyStreamWriter &writer,
                       const std::vector<std::unique_ptr<LabelObject>> &objects)
{
    std::vector<const LabelObject *> list;
    list.reserve(objects.size());
    for (const auto &object : objects)
        list.push_back(object.get());
    return writeObjectList(writer, list);
}

Result<std::unique_ptr<LabelObject>> readObjectOfCode(PropertyStreamReader &reader, qint32 value)
{
    const qint64 at = reader.pos();
    const std::optional<ObjectTypeCode> code = objectTypeCodeFromValue(value);
    if (!code)
        return Error{QStringLiteral("Unknown object type code %1").arg(value),
                     QStringLiteral("offset %1").arg(at - 4)};
    std::unique_ptr<LabelObject> object = createByCode(*code);
    if (!object)
        return Error{QStringLiteral("Class %1 not found").arg(objectClassName(*code)),
                     QStringLiteral("offset %1").arg(at - 4)};
    Result<StreamRecord> record = reader.readRecord();
    if (!record)
        return record.error();
    object->setComponentName(record.value().name);
    Status s = applyRecord(*object, record.value());
    if (!s)
        return s.error();
    if (*code == ObjectTypeCode::SerialNumber)
        object->setValue(kAutoSize, true);
    return object;
}

Status readObjectList(PropertyStreamReader &reader, std::vector<std::unique_ptr<LabelObject>> &out)
{
    Result<qint32> count = reader.readInt32();
    if (!count)
        return count.error();
    // Each object needs at least its code and a record signature: a count beyond what the
    // stream can hold is damage, and reading stops at the end of the data anyway.
    for (qint64 i = 0; i <= count.value() && count.value() >= 0; ++i) {
        Result<qint32> code = reader.readInt32();
        if (!code)
            return code.error();
        Result<std::unique_ptr<LabelObject>> object = readObjectOfCode(reader, code.value());
        if (!object)
            return object.error();
        out.push_back(std::move(object.value()));
    }
    return {};
}

} // namespace quill
