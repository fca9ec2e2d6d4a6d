// The in-memory table every data list reader fills and every writer takes.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace quill {

enum class FieldType { Text, Integer, Float, Boolean, Date, DateTime, Memo, Binary };

struct DataField {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0; // characters for Text; 0 means "not stated"
};

struct DataTable {
    QString name;
    QList<DataField> fields;
    QList<QVariantList> rows; // each row holds one value per field; a null QVariant is an empty cell
    // What reading the list changed or noticed (renamed columns, rows longer than the header),
    // in plain words for the user; the list opened all the same.
    QStringList warnings;

    // Case-insensitive lookup; -1 when there is no such field.
    int fieldIndex(const QString &name) const;
    int rowCount() const { return int(rows.size()); }
    int columnCount() const { return int(fields.size()); }
    // The value at (row, field) as text; empty for null or out of range.
    QString text(int row, int field) const;
    // Widest text of each field over all rows, in characters (at least 1).
    int widestText(int field) const;
};

// Display name of a field type ("Text", "Integer", ...), used by listings.
QString fieldTypeName(FieldType type);

} // namespace quill
