// Turns a worksheet's cells into a list table: the first row names the fields.
#include "SheetGrid.h"

#include "FieldNames.h"

#include <cmath>

namespace quill {

QVariant numberValue(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 9.0e15)
        return QVariant(qlonglong(value));
    return QVariant(value);
}

namespace {

bool isEmptyRow(const QVariantList &row)
{
    for (const QVariant &v : row) {
        if (!v.isNull() && !v.toString().isEmpty())
            return false;
    }
    return true;
}

// The length of a value's text, without making a copy for text values.
qsizetype textLength(const QVariant &v)
{
    if (v.typeId() == QMetaType::QString)
        return static_cast<const QString *>(v.constData())->size();
    return v.isNull() ? 0 : v.toString().size();
}

} // namespace

Result<DataTable> tableFromGrid(const QString &name, QList<QVariantList> grid)
{
    DataTable table;
    table.name = name;
    if (grid.isEmpty())
        return table;
    qsizetype columns = 0;
    for (const QVariantList &row : grid)
        columns = qMax(columns, row.size());
    while (grid.size() > 1 && isEmptyRow(grid.last()))
        grid.removeLast();
    if (qint64(grid.size()) * columns > MaxSheetCells)
        return Error(QStringLiteral("the sheet %1 is too large (%2 rows by %3 columns)")
                         .arg(name).arg(grid.size()).arg(columns));
    const QVariantList header = grid.takeFirst();
    for (qsizetype c = 0; c < columns; ++c) {
        // Empty and repeated names are made usable (and reported) below.
        table.fields.append({header.value(c).toString().trimmed(), FieldType::Text, 0});
    }
    while (!grid.isEmpty() && isEmptyRow(grid.last()))
        grid.removeLast();
    // The widest text of each field, in one pass over the rows (at least 1).
    QList<qsizetype> widest(columns, 1);
    for (QVariantList &row : grid) {
        if (row.size() != columns)
            row.resize(columns);
        for (qsizetype c = 0; c < columns; ++c)
            widest[c] = qMax(widest.at(c), textLength(row.at(c)));
    }
    table.rows = std::move(grid);
    for (qsizetype c = 0; c < columns; ++c)
        table.fields[c].size = int(widest.at(c));
    normaliseFieldNames(table);
    return table;
}

} // namespace quill
