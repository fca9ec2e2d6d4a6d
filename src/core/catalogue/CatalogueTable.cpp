// The layout of the paper catalogue table (spec.db) and the conversion of its rows to text.
#include "CatalogueTable.h"

#include <QLocale>

#include <cmath>

namespace quill {

const QList<DataField> &catalogueFields()
{
    using namespace CatalogueField;
    static const QList<DataField> fields{
        {Code, FieldType::Text, 40},     {Product, FieldType::Text, 40},
        {Paper, FieldType::Text, 30},    {Type, FieldType::Text, 10},
        {PWidth, FieldType::Float, 0},   {PHeight, FieldType::Float, 0},
        {Columns, FieldType::Integer, 0}, {Rows, FieldType::Integer, 0},
        {LMargin, FieldType::Float, 0},  {RMargin, FieldType::Float, 0},
        {TMargin, FieldType::Float, 0},  {BMargin, FieldType::Float, 0},
        {LWidth, FieldType::Float, 0},   {LHeight, FieldType::Float, 0},
        {CSpace, FieldType::Float, 0},   {RSpace, FieldType::Float, 0},
        {Shape, FieldType::Text, 10},    {Radios, FieldType::Float, 0},
        {CCode, FieldType::Text, 12},    {Color, FieldType::Text, 20},
        {Remark, FieldType::Text, 40},   {Total, FieldType::Integer, 0},
        {Origin, FieldType::Text, 10},
    };
    return fields;
}

DataTable emptyCatalogueTable()
{
    DataTable table;
    table.name = QStringLiteral("spec");
    table.fields = catalogueFields();
    return table;
}

QString catalogueText(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
}

CatalogueRecord catalogueRecord(const DataTable &table, int row)
{
    CatalogueRecord record;
    if (row < 0 || row >= table.rowCount())
        return record;
    const QVariantList &values = table.rows.at(row);
    for (int i = 0; i < table.fields.size(); ++i)
        record.insert(table.fields.at(i).name, catalogueText(values.value(i)));
    return record;
}

namespace {

// The value of a field of a text record, looked up without regard to case.
std::optional<QString> recordValue(const CatalogueRecord &record, const QString &field)
{
    if (auto it = record.constFind(field); it != record.constEnd())
        return it.value();
    for (auto it = record.constBegin(); it != record.constEnd(); ++it) {
        if (it.key().compare(field, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return std::nullopt;
}

Result<QVariant> typedValue(const DataField &field, const QString &text)
{
    const QString trimmed = text.trimmed();
    if (field.type == FieldType::Text)
        return QVariant(text);
    if (trimmed.isEmpty())
        return QVariant();
    bool ok = false;
    QVariant value;
    if (field.type == FieldType::Integer)
        value = QVariant(trimmed.toLongLong(&ok));
    else
        value = QVariant(trimmed.toDouble(&ok));
    if (!ok || (field.type == FieldType::Float && !std::isfinite(value.toDouble())))
        return Error{QStringLiteral("'%1'은(는) %2에 맞는 숫자가 아닙니다.").arg(text, field.name),
                     field.name};
    return value;
}

} // namespace

Result<QVariantList> catalogueRow(const CatalogueRecord &record)
{
    QVariantList row;
    for (const DataField &field : catalogueFields()) {
        const std::optional<QString> text = recordValue(record, field.name);
        if (!text) {
            row.append(QVariant());
            continue;
        }
        Result<QVariant> value = typedValue(field, *text);
        if (!value)
            return value.error();
        row.append(value.value());
    }
    return row;
}

QString labelCountText(const CatalogueRecord &record)
{
    const int columns = recordValue(record, CatalogueField::Columns).value_or(QString()).toInt();
    const int rows = recordValue(record, CatalogueField::Rows).value_or(QString()).toInt();
    return QStringLiteral("%1칸(%2*%3)").arg(columns * rows).arg(columns).arg(rows);
}

QString labelSizeText(const CatalogueRecord &record)
{
    const auto rounded = [&record](const QString &field) {
        const double value = recordValue(record, field).value_or(QString()).toDouble();
        return QString::number(std::nearbyint(value * 100.0) / 100.0, 'g',
                               QLocale::FloatingPointShortest);
    };
    return rounded(CatalogueField::LWidth) + QStringLiteral(" * ")
        + rounded(CatalogueField::LHeight) + QStringLiteral(" mm");
}

QString squeezedLower(const QString &text)
{
    QString squeezed;
    squeezed.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            squeezed.append(c);
    }
    return squeezed.toLower();
}

} // namespace quill
