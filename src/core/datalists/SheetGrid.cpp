// Turns a worksheet's cells into a list table: the first row names the fields.
#include "SheetGrid.h"

#include <cmath>

namespace quill {

QVariant numberValue(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 9.0e15)
        return QVariant(qlonglong(value));
    return QVariant(value);
}

DataTable tableFromGrid(const QString &name, const QList<QVariantList> &grid)
{
    DataTable table;
    table.name = name;
    if (grid.isEmpty())
        return table;
    qsizetype columns = 0;
    for (const QVariantList &row : grid)
        columns = qMax(columns, row.size());
    const QVariantList &header = grid.first();
    for (qsizetype c = 0; c < columns; ++c) {
        QString fieldName = header.value(c).toString().trimmed();
        if (fieldName.isEmpty())
            fieldName = QStringLiteral("F%1").arg(c + 1);
        table.fields.append({fieldName, FieldType::Text, 0});
    }
    qsizetype last = grid.size() - 1;
    auto isEmptyRow = [](const QVariantList &row) {
        for (const QVariant &v : row) {
            if (!v.isNull() && !v.toString().isEmpty())
                return false;
        }
        return true;
    };
    while (last > 0 && isEmptyRow(grid.at(last)))
        --last;
    for (qsizetype r = 1; r <= last; ++r) {
        QVariantList row = grid.at(r);
        row.resize(columns);
        table.rows.append(row);
    }
    for (int c = 0; c < table.fields.size(); ++c)
        table.fields[c].size = table.widestText(c);
    return table;
}

} // namespace quill
