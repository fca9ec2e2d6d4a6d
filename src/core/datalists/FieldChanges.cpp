// Adding, resizing and renaming text fields of a list held in memory.
#include "FieldChanges.h"

#include "TableFieldTemplates.h"

namespace quill {

namespace {

// Why name cannot name a field of table; own is the field being renamed (-1 for a new one).
QString nameProblem(const DataTable &table, const QString &name, int own)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("필드이름을 입력 하십시오.");
    const int existing = table.fieldIndex(name.trimmed());
    if (existing >= 0 && existing != own)
        return QStringLiteral("'%1' 필드가 이미 있습니다. 다른 이름을 입력 하십시오.")
            .arg(table.fields.at(existing).name);
    return {};
}

// Refuses a size shorter than the longest value of the field, naming its first record.
QString cutProblem(const DataTable &table, int field, int size)
{
    int longestRow = -1;
    int longest = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        const int length = int(table.text(row, field).size());
        if (length > longest) {
            longest = length;
            longestRow = row;
        }
    }
    if (longest <= size)
        return {};
    return QStringLiteral("'%1' 필드의 크기를 %2(으)로 줄일 수 없습니다. "
                          "%3번째 자료의 값이 %4자입니다.")
        .arg(table.fields.at(field).name)
        .arg(size)
        .arg(longestRow + 1)
        .arg(longest);
}

Result<int> findField(const DataTable &table, const QString &name)
{
    const int index = table.fieldIndex(name);
    if (index < 0)
        return Error(QStringLiteral("'%1' 필드가 없습니다.").arg(name));
    return index;
}

// The field becomes text: values of other kinds are kept as the text they show.
void makeText(DataTable &table, int field, int size)
{
    DataField &f = table.fields[field];
    if (f.type != FieldType::Text) {
        for (int row = 0; row < table.rowCount(); ++row) {
            QVariantList &values = table.rows[row];
            if (field < values.size() && !values.at(field).isNull())
                values[field] = table.text(row, field);
        }
        f.type = FieldType::Text;
    }
    f.size = size;
}

} // namespace

Status addTextField(DataTable &table, const QString &name, int size)
{
    QString problem = nameProblem(table, name, -1);
    if (problem.isEmpty())
        problem = fieldSizeProblem(size);
    if (!problem.isEmpty())
        return Error(problem);
    table.fields.append({name.trimmed(), FieldType::Text, size});
    for (QVariantList &row : table.rows) {
        while (row.size() < table.fields.size() - 1)
            row.append(QVariant());
        row.append(QVariant());
    }
    return Status::success();
}

Status resizeField(DataTable &table, const QString &field, int size)
{
    const Result<int> index = findField(table, field);
    if (!index)
        return index.error();
    QString problem = fieldSizeProblem(size);
    if (problem.isEmpty())
        problem = cutProblem(table, index.value(), size);
    if (!problem.isEmpty())
        return Error(problem);
    makeText(table, index.value(), size);
    return Status::success();
}

Status renameField(DataTable &table, const QString &field, const QString &newName, int size)
{
    const Result<int> index = findField(table, field);
    if (!index)
        return index.error();
    QString problem = nameProblem(table, newName, index.value());
    if (problem.isEmpty())
        problem = fieldSizeProblem(size);
    if (problem.isEmpty())
        problem = cutProblem(table, index.value(), size);
    if (!problem.isEmpty())
        return Error(problem);
    makeText(table, index.value(), size);
    table.fields[index.value()].name = newName.trimmed();
    return Status::success();
}

Status modifyField(DataTable &table, const QString &field, const QString &newName, int size)
{
    if (newName.trimmed() == field)
        return resizeField(table, field, size);
    return renameField(table, field, newName, size);
}

} // namespace quill
