// The label paper catalogue: the products of spec.db, their lists and searches, and additions.
#include "PaperCatalogue.h"

#include "datalists/ParadoxFile.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quill {

namespace {

// Column of a catalogue field in the catalogue layout, -1 when it is not one.
int column(const QString &field)
{
    const QList<DataField> &fields = catalogueFields();
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// The table rearranged into the catalogue layout, fields matched by name.
DataTable normalised(DataTable source)
{
    DataTable table = emptyCatalogueTable();
    if (!source.name.isEmpty())
        table.name = source.name;
    QList<int> from;
    for (const DataField &field : table.fields)
        from.append(source.fieldIndex(field.name));
    table.rows.reserve(source.rows.size());
    for (const QVariantList &values : std::as_const(source.rows)) {
        QVariantList row;
        row.reserve(from.size());
        for (int index : std::as_const(from))
            row.append(index >= 0 ? values.value(index) : QVariant());
        table.rows.append(row);
    }
    return table;
}

} // namespace

PaperCatalogue::PaperCatalogue() : mTable(emptyCatalogueTable()) { }

PaperCatalogue::PaperCatalogue(DataTable table) : mTable(normalised(std::move(table))) { }

Result<PaperCatalogue> PaperCatalogue::load(const QString &path)
{
    Result<DataTable> table = readParadoxFile(path);
    if (!table)
        return table.error();
    return PaperCatalogue(std::move(table).value());
}

Status PaperCatalogue::save(const QString &path) const
{
    return writeParadoxFile(path, mTable);
}

CatalogueRecord PaperCatalogue::record(int index) const
{
    return catalogueRecord(mTable, index);
}

QString PaperCatalogue::text(int index, const QString &field) const
{
    if (index < 0 || index >= count())
        return {};
    return catalogueText(mTable.rows.at(index).value(column(field)));
}

bool PaperCatalogue::isUserRecord(int index) const
{
    return text(index, CatalogueField::Origin) == CatalogueField::UserOrigin;
}

std::optional<qint64> PaperCatalogue::number(int index, const QString &field) const
{
    bool ok = false;
    const qint64 value = text(index, field).trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

std::optional<double> PaperCatalogue::decimal(int index, const QString &field) const
{
    bool ok = false;
    const double value = text(index, field).trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

QStringList PaperCatalogue::distinct(const QString &field, const QString &paper,
                                     bool byPaper) const
{
    QStringList values;
    QSet<QString> seen;
    for (int i = 0; i < count(); ++i) {
        if (byPaper && text(i, CatalogueField::Paper) != paper)
            continue;
        const QString value = text(i, field);
        if (!value.isEmpty() && !seen.contains(value)) {
            seen.insert(value);
            values.append(value);
        }
    }
    std::sort(values.begin(), values.end());
    return values;
}

QStringList PaperCatalogue::paperKinds() const
{
    return distinct(CatalogueField::Paper, {}, false);
}

QStringList PaperCatalogue::families(const QString &paper) const
{
    return distinct(CatalogueField::Product, paper, true);
}

QList<int> PaperCatalogue::sortedByTotal(QList<int> indexes) const
{
    // Products without a count sort first, as empty values do in an ascending query.
    std::stable_sort(indexes.begin(), indexes.end(), [this](int a, int b) {
        return number(a, CatalogueField::Total).value_or(std::numeric_limits<qint64>::min())
            < number(b, CatalogueField::Total).value_or(std::numeric_limits<qint64>::min());
    });
    return indexes;
}

QList<int> PaperCatalogue::productsOfFamily(const QString &family, const QString &paper) const
{
    const QString wantedFamily = squeezedLower(family);
    const QString wantedPaper = squeezedLower(paper);
    QList<int> found;
    for (int i = 0; i < count(); ++i) {
        if (squeezedLower(text(i, CatalogueField::Product)) == wantedFamily
            && squeezedLower(text(i, CatalogueField::Paper)) == wantedPaper)
            found.append(i);
    }
    return sortedByTotal(found);
}

QList<int> PaperCatalogue::productsWithLabelCount(int labels, const QString &paper) const
{
    QList<int> found;
    for (int i = 0; i < count(); ++i) {
        if (number(i, CatalogueField::Total) == labels && text(i, CatalogueField::Paper) == paper)
            found.append(i);
    }
    return found;
}

QList<int> PaperCatalogue::productsWithCellSize(double width, double height, double tolerance,
                                                const QString &paper) const
{
    CatalogueFilter filter;
    filter.paper = paper;
    filter.cellWidth = width;
    filter.cellHeight = height;
    filter.sizeTolerance = tolerance;
    return sortedByTotal(find(filter));
}

QList<int> PaperCatalogue::productsWithGrid(int columns, int rows, const QString &paper) const
{
    CatalogueFilter filter;
    filter.paper = paper;
    filter.columns = columns;
    filter.rows = rows;
    return sortedByTotal(find(filter));
}

QList<int> PaperCatalogue::find(const CatalogueFilter &filter) const
{
    using namespace CatalogueField;
    const QString paper = squeezedLower(filter.paper);
    const QString family = squeezedLower(filter.family);
    const auto near = [&filter](std::optional<double> value, std::optional<double> wanted) {
        return !wanted || (value && std::abs(*value - *wanted) <= filter.sizeTolerance + 1e-9);
    };
    const auto same = [](std::optional<qint64> value, std::optional<int> wanted) {
        return !wanted || value == *wanted;
    };
    QList<int> found;
    for (int i = 0; i < count(); ++i) {
        if ((!paper.isEmpty() && squeezedLower(text(i, Paper)) != paper)
            || (!family.isEmpty() && squeezedLower(text(i, Product)) != family)
            || !same(number(i, Total), filter.labels) || !same(number(i, Columns), filter.columns)
            || !same(number(i, Rows), filter.rows) || !near(decimal(i, LWidth), filter.cellWidth)
            || !near(decimal(i, LHeight), filter.cellHeight))
            continue;
        found.append(i);
    }
    return found;
}

int PaperCatalogue::indexOfCode(const QString &code) const
{
    for (int i = 0; i < count(); ++i) {
        if (text(i, CatalogueField::Code).compare(code, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool PaperCatalogue::locate(const QString &code)
{
    const int index = indexOfCode(code);
    if (index < 0)
        return false;
    mCurrent = index;
    return true;
}

std::optional<CatalogueRecord> PaperCatalogue::recordOfCode(const QString &code) const
{
    for (int i = 0; i < count(); ++i) {
        if (text(i, CatalogueField::Code) == code)
            return record(i);
    }
    const int index = indexOfCode(code);
    return index >= 0 ? std::optional<CatalogueRecord>(record(index)) : std::nullopt;
}

Result<TZR_LabelSize> PaperCatalogue::labelSize(const CatalogueRecord &record,
                                                const QString &fileLabelName, bool swapRedBlue)
{
    TZR_LabelSize sheet;
    if (Status s = sheet.fillFromCatalogueRecord(record, fileLabelName, swapRedBlue); !s)
        return s.error();
    return sheet;
}

Result<QVariantList> PaperCatalogue::checkedUserRow(const CatalogueRecord &source,
                                                    int replacing) const
{
    using namespace CatalogueField;
    CatalogueRecord record = source;
    for (auto it = record.begin(); it != record.end();) {
        // The record's own spellings of the fields set below must not shadow them.
        const bool derived = it.key().compare(Total, Qt::CaseInsensitive) == 0
            || it.key().compare(Origin, Qt::CaseInsensitive) == 0
            || it.key().compare(Code, Qt::CaseInsensitive) == 0;
        it = derived ? record.erase(it) : std::next(it);
    }
    QString code;
    for (auto it = source.constBegin(); it != source.constEnd(); ++it) {
        if (it.key().compare(Code, Qt::CaseInsensitive) == 0)
            code = it.value().trimmed();
    }
    if (code.isEmpty())
        code = freeUserCode();
    const int holder = indexOfCode(code);
    if (holder >= 0 && holder != replacing)
        return Error{QStringLiteral("제품코드 %1은(는) 이미 있습니다.").arg(code), Code};
    record.insert(Code, code);
    record.insert(Origin, UserOrigin);
    Result<QVariantList> row = catalogueRow(record);
    if (!row)
        return row.error();
    QVariantList &values = row.value();
    const qint64 columns = values.at(column(Columns)).toLongLong();
    const qint64 rows = values.at(column(Rows)).toLongLong();
    if (columns < 1 || rows < 1)
        return Error{QStringLiteral("가로갯수와 세로갯수는 1 이상이어야 합니다."), Columns};
    if (values.at(column(LWidth)).toDouble() <= 0.0 || values.at(column(LHeight)).toDouble() <= 0.0)
        return Error{QStringLiteral("라벨의 너비와 높이가 0보다 커야 합니다."), LWidth};
    // Filled although the original dialog left it empty: otherwise the count search never
    // finds the user's product.
    values[column(Total)] = QVariant(columns * rows);
    return row;
}

Result<int> PaperCatalogue::append(const CatalogueRecord &record)
{
    Result<QVariantList> row = checkedUserRow(record, -1);
    if (!row)
        return row.error();
    mTable.rows.append(row.value());
    return count() - 1;
}

Status PaperCatalogue::rewrite(int index, const CatalogueRecord &record)
{
    if (index < 0 || index >= count())
        return Error{QStringLiteral("바꿀 제품이 없습니다.")};
    Result<QVariantList> row = checkedUserRow(record, index);
    if (!row)
        return row.error();
    mTable.rows[index] = row.value();
    return Status::success();
}

QString PaperCatalogue::freeUserCode() const
{
    const QString base = QStringLiteral("User");
    if (indexOfCode(base) < 0)
        return base;
    for (int n = 2;; ++n) {
        const QString code = base + QString::number(n);
        if (indexOfCode(code) < 0)
            return code;
    }
}

} // namespace quill
