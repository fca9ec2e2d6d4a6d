// The in-memory table every data list reader fills and every writer takes.
#include "DataTable.h"

namespace quill {

int DataTable::fieldIndex(const QString &fieldName) const
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString DataTable::text(int row, int field) const
{
    if (row < 0 || row >= rows.size())
        return {};
    const QVariantList &values = rows.at(row);
    if (field < 0 || field >= values.size() || values.at(field).isNull())
        return {};
    return values.at(field).toString();
}

int DataTable::widestText(int field) const
{
    qsizetype widest = 1;
    for (int row = 0; row < rows.size(); ++row)
        widest = qMax(widest, text(row, field).size());
    return int(widest);
}

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::Text: return QStringLiteral("Text");
    case FieldType::Integer: return QStringLiteral("Integer");
    case FieldType::Float: return QStringLiteral("Float");
    case FieldType::Boolean: return QStringLiteral("Boolean");
    case FieldType::Date: return QStringLiteral("Date");
    case FieldType::DateTime: return QStringLiteral("DateTime");
    case FieldType::Memo: return QStringLiteral("Memo");
    case FieldType::Binary: return QStringLiteral("Binary");
    }
    return QStringLiteral("Text");
}

} // namespace quill
