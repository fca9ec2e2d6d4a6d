#include "QuantityField.h"

#include "PrintJob.h"

#include <optional>

namespace quill {

namespace {

// A whole number as a quantity: digits with an optional sign; a number field's value may
// also arrive as 3.0.
std::optional<qint64> wholeNumber(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    const QString text = value.toString().trimmed();
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (ok)
        return n;
    const double d = text.toDouble(&ok);
    if (ok && d == double(qint64(d)) && qAbs(d) < 1e15)
        return qint64(d);
    return std::nullopt;
}

bool isNumberField(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::Float;
}

bool holdsWholeNumbers(const DataTable &table, int field)
{
    bool any = false;
    for (const QVariantList &row : table.rows) {
        const QVariant value = row.value(field);
        if (value.isNull() || value.toString().trimmed().isEmpty())
            continue;
        if (!wholeNumber(value))
            return false;
        any = true;
    }
    return any;
}

Error badQuantity(int record, const QString &field, const QString &text)
{
    return Error(QStringLiteral("%1번째 자료의 수량 필드 %2 값 \"%3\"은(는) 0 이상의 정수가 아닙니다.")
                     .arg(record)
                     .arg(field, text));
}

} // namespace

QStringList quantityFieldCandidates(const DataTable &table)
{
    QStringList names;
    for (int f = 0; f < table.columnCount(); ++f) {
        const DataField &field = table.fields.at(f);
        if (isNumberField(field.type) || (field.type == FieldType::Text && holdsWholeNumbers(table, f)))
            names << field.name;
    }
    return names;
}

Result<DataTable> expandByQuantity(const DataTable &table, const QString &field)
{
    const int column = table.fieldIndex(field);
    if (column < 0)
        return Error(QStringLiteral("수량 필드 %1이(가) 데이터 목록에 없습니다.").arg(field));
    DataTable expanded = table;
    expanded.rows.clear();
    qint64 total = 0;
    for (int r = 0; r < table.rowCount(); ++r) {
        const QVariantList &row = table.rows.at(r);
        const std::optional<qint64> n = wholeNumber(row.value(column));
        if (!n || *n < 0)
            return badQuantity(r + 1, table.fields.at(column).name, table.text(r, column));
        total += *n;
        if (total > MaxQuantityRecords)
            return Error(QStringLiteral("수량 필드 %1의 합계가 %2장을 넘습니다 (%3번째 자료까지). "
                                        "수량을 확인 하십시오.")
                             .arg(table.fields.at(column).name)
                             .arg(MaxQuantityRecords)
                             .arg(r + 1));
        for (qint64 i = 0; i < *n; ++i)
            expanded.rows.append(row);
    }
    return expanded;
}

Status applyQuantityField(PrintDataLists &lists, const QString &field)
{
    bool applied = false;
    for (PrintDataList *list : {&lists.label, &lists.barcode}) {
        if (!list->isActive() || list->table().fieldIndex(field) < 0)
            continue;
        Result<DataTable> expanded = expandByQuantity(list->table(), field);
        if (!expanded)
            return expanded.error();
        *list = PrintDataList(std::move(expanded).value(), list->isDbf());
        applied = true;
    }
    if (!applied)
        return Error(QStringLiteral("수량 필드 %1이(가) 라벨 데이터 목록에도 바코드 데이터 목록에도 "
                                    "없습니다.").arg(field));
    return Status::success();
}

} // namespace quill
