// Small stand-in label classes for tests of files that hold objects (snapshots, clipboard):
// one class per type code with bounds, a caption and a field name, registered by class name.
#pragma once

#include "document/LabelObject.h"
#include "document/ObjectTypeCode.h"
#include "document/PropertyTable.h"
#include "document/StandardProperties.h"

#include <QHash>

#include <memory>

namespace quill::testing {

class StandInObject : public LabelObject {
public:
    StandInObject(const ClassInfo &info, ObjectTypeCode code) : LabelObject(info), mCode(code) {}
    ObjectTypeCode typeCode() const override { return mCode; }
    std::unique_ptr<LabelObject> clone() const override
    {
        return std::make_unique<StandInObject>(*this);
    }
    QString caption() const { return textValue(QStringLiteral("Caption")); }

private:
    ObjectTypeCode mCode;
};

inline const ClassInfo &standInClass(ObjectTypeCode code)
{
    static QHash<int, ClassInfo *> classes;
    ClassInfo *&info = classes[int(code)];
    if (!info) {
        ClassBuilder b(objectClassName(code));
        addBounds(b, 65, 17);
        b.text(QStringLiteral("Caption"));
        b.text(QStringLiteral("FieldName"));
        b.boolean(QStringLiteral("AutoSize"), code != ObjectTypeCode::SerialNumber, false);
        info = new ClassInfo(b.build());
        info->create = [info, code] { return std::make_unique<StandInObject>(*info, code); };
    }
    return *info;
}

// Registers a stand-in for every object type code.
inline void registerStandInClasses()
{
    for (ObjectTypeCode code : ObjectTypeWriteOrder)
        ClassRegistry::instance().add(&standInClass(code));
}

inline std::unique_ptr<StandInObject> makeObject(ObjectTypeCode code, const QRect &bounds,
                                                 const QString &caption = {},
                                                 const QString &fieldName = {})
{
    auto object = std::make_unique<StandInObject>(standInClass(code), code);
    object->setBounds(bounds);
    object->setValue(QStringLiteral("Caption"), caption);
    object->setValue(QStringLiteral("FieldName"), fieldName);
    return object;
}

inline QString captionOf(const LabelObject *object)
{
    return object ? object->textValue(QStringLiteral("Caption")) : QString();
}

} // namespace quill::testing
