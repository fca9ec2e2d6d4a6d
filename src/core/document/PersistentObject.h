// Base of every saved class: property values by the class's table, read and written generically.
#pragma once

#include "PropertyTable.h"

#include <QVariant>
#include <QVector>
#include <map>
#include <memory>
#include <vector>

namespace quill {

// Holds one value per entry of its class table. Typed accessors of derived classes read and
// write through value()/setValue() so that the stream, the command-line dump and undo all see
// the same data; properties with their own accessors in the table are held by the subclass.
class PersistentObject {
public:
    explicit PersistentObject(const ClassInfo &info);
    PersistentObject(const PersistentObject &other);
    PersistentObject &operator=(const PersistentObject &) = delete;
    virtual ~PersistentObject();

    const ClassInfo &classInfo() const { return *mClass; }
    QString className() const { return mClass->className; }

    // The component name of the record (empty for every record the program writes).
    QString componentName() const { return mName; }
    void setComponentName(const QString &name) { mName = name; }

    QVariant value(int index) const;
    QVariant value(const QString &name) const;
    // Stores a value converted to the property's kind and normalised by the class (see
    // normalize()); returns false when the class has no such property.
    bool setValue(int index, const QVariant &value);
    bool setValue(const QString &name, const QVariant &value);

    // Shorthands for derived classes.
    qint64 intValue(const QString &name) const { return value(name).toLongLong(); }
    bool boolValue(const QString &name) const { return value(name).toBool(); }
    double floatValue(const QString &name) const { return value(name).toDouble(); }
    QString textValue(const QString &name) const { return value(name).toString(); }

    // Items of a collection property.
    std::vector<std::unique_ptr<PersistentObject>> &collection(int index);
    const std::vector<std::unique_ptr<PersistentObject>> &collection(int index) const;

    // Resets every property to its start value.
    void resetToStart();

    // Called after a record has been read into the object, to rebuild derived state.
    virtual void loaded() {}
    // A deep copy of the same class.
    virtual std::unique_ptr<PersistentObject> clonePersistent() const;

protected:
    // Lets a class keep its invariants (an angle in 0..359, a mirrored pen width...).
    virtual QVariant normalize(int index, const QVariant &value) const;
    // Told after a value changed.
    virtual void valueChanged(int index) { Q_UNUSED(index) }

private:
    using Items = std::vector<std::unique_ptr<PersistentObject>>;
    const ClassInfo *mClass;
    QString mName;
    QVector<QVariant> mValues;
    std::map<int, Items> mCollections;
};

// Converts a value to the representation of a property kind (see PropKind).
QVariant coerceToKind(const PropertyDef &def, const QVariant &value);

} // namespace quill
