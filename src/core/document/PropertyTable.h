// The ordered table of persisted properties of one saved class, and the class registry.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

namespace quill {

class PersistentObject;

// How a property is stored and written. Values are held in QVariant as noted.
enum class PropKind {
    Integer,    // qint64; any width of 8 to 32 bits
    Int64,      // qint64; written only when not 0
    Color,      // qint64 (TColor); written as an identifier when it has a name
    Charset,    // qint64; font character set, identifier when named
    Cursor,     // qint64; mouse cursor, identifier when named
    Enum,       // int ordinal into PropertyDef::names
    Bool,       // bool
    Set,        // quint32 member bits; bit n is PropertyDef::names[n]
    Float,      // double; never written when 0
    Text,       // QString; never written when empty
    StringList, // QStringList; a custom "Strings" property, written when not empty
    Binary,     // QByteArray; a custom "Data" property, written when not empty
    Collection, // items held by the object (PersistentObject::collection)
};

// Width of a floating point property: a Single is rounded to 4 bytes when it is stored.
enum class FloatWidth { Double, Single };

struct PropertyDef {
    QString name;      // full stream name, dotted for nested values ("Font.Name")
    PropKind kind = PropKind::Integer;
    QVariant start;    // value of a newly created object
    QVariant defaultValue; // declared default; invalid = none (integers and enums always written)
    QStringList names; // enumeration or set member names, in ordinal order
    FloatWidth floatWidth = FloatWidth::Double;
    const struct ClassInfo *itemClass = nullptr; // Collection: the class of its items
    bool readOnly = false; // never written; reading it fails ("Property is read-only")
    bool derived = false;  // another view of a stored property (Font.Size): never written or dumped
    // Optional condition that must hold for the property to be written.
    std::function<bool(const PersistentObject &)> stored;
    // Optional accessors for properties that a typed member holds instead of the value bag.
    std::function<QVariant(const PersistentObject &)> get;
    std::function<void(PersistentObject &, const QVariant &)> set;

    bool hasDefault() const { return defaultValue.isValid(); }
};

// One saved class: its name, its table (base class first) and how to create it.
struct ClassInfo {
    QString className;
    QList<PropertyDef> properties; // the complete table, base class properties first
    std::function<std::unique_ptr<PersistentObject>()> create;
    QHash<QString, int> index;     // lower-cased name -> position in properties
    QHash<QString, int> exactIndex; // name as declared -> position (the common, cheap lookup)
    // Reading skips entries that name no property of the class or hold a value the property
    // cannot take, instead of failing (records of older classes whose tables are partial).
    bool acceptsUnknown = false;

    // Position of a property, matched without regard to case; -1 when the class has none.
    int indexOf(const QString &name) const
    {
        const auto exact = exactIndex.constFind(name);
        return exact != exactIndex.cend() ? *exact : index.value(name.toLower(), -1);
    }
    const PropertyDef *find(const QString &name) const;
    // Fills index from properties; call once the table is complete.
    void buildIndex();
};

// Builds a class table: properties are appended in declaration order; appending a name that is
// already there (a derived class re-publishing it) replaces the definition but keeps its place.
class ClassBuilder {
public:
    explicit ClassBuilder(const QString &className);
    ClassBuilder &inherit(const ClassInfo &base);
    ClassBuilder &add(PropertyDef def);
    ClassBuilder &integer(const QString &name, qint64 start, std::optional<qint64> def = {});
    ClassBuilder &color(const QString &name, qint64 start, std::optional<qint64> def = {});
    ClassBuilder &boolean(const QString &name, bool start, std::optional<bool> def = {});
    ClassBuilder &enumeration(const QString &name, const QStringList &names, int start,
                              std::optional<int> def = {});
    ClassBuilder &set(const QString &name, const QStringList &names, quint32 start,
                      std::optional<quint32> def = {});
    ClassBuilder &floating(const QString &name, double start,
                           FloatWidth width = FloatWidth::Double);
    ClassBuilder &text(const QString &name, const QString &start = {});
    ClassBuilder &strings(const QString &name);
    ClassBuilder &binary(const QString &name);
    ClassBuilder &collection(const QString &name, const ClassInfo &itemClass);
    // Sets the stored condition of the most recently added property.
    ClassBuilder &storedWhen(std::function<bool(const PersistentObject &)> condition);
    ClassInfo build(std::function<std::unique_ptr<PersistentObject>()> create = {});

private:
    ClassInfo mInfo;
};

// Finds saved classes by name, for reading records without a target.
class ClassRegistry {
public:
    static ClassRegistry &instance();
    void add(const ClassInfo *info);
    // Matched without regard to case, as the toolkit finds classes; nullptr when unknown.
    const ClassInfo *find(const QString &className) const;
    QStringList names() const;

private:
    QHash<QString, const ClassInfo *> mClasses;
};

} // namespace quill
