// The catalogue's products read once into a form the new job dialog can filter on every keystroke.
#include "ProductIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quill {

ProductQuery ProductQuery::ofFamily(const QString &family, const QString &paper)
{
    ProductQuery query;
    query.family = family;
    query.paper = paper;
    return query;
}

ProductQuery ProductQuery::ofLabelCount(int labels, const QString &paper)
{
    ProductQuery query;
    query.labels = labels;
    query.paper = paper;
    return query;
}

namespace {

std::optional<qint64> integerOf(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

std::optional<double> decimalOf(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

ProductEntry entryOf(const PaperCatalogue &catalogue, int index)
{
    using namespace CatalogueField;
    const CatalogueRecord record = catalogue.record(index);
    // The catalogue's table always has the catalogue layout, so its field names are exact.
    const auto field = [&record](const QString &name) { return record.value(name); };
    ProductEntry entry;
    entry.index = index;
    entry.code = field(Code);
    entry.family = field(Product);
    entry.paper = field(Paper);
    entry.remark = field(Remark);
    entry.colour = field(Color);
    entry.countText = labelCountText(record);
    entry.sizeText = labelSizeText(record);
    entry.total = integerOf(field(Total));
    entry.columns = integerOf(field(Columns));
    entry.rows = integerOf(field(Rows));
    entry.width = decimalOf(field(LWidth));
    entry.height = decimalOf(field(LHeight));
    entry.paperKey = squeezedLower(entry.paper);
    entry.familyKey = squeezedLower(entry.family);
    entry.codeKey = squeezedLower(entry.code);
    return entry;
}

bool near(std::optional<double> value, std::optional<double> wanted, double tolerance)
{
    // A hair of slack so that 63.5 +- 0.5 finds 63.0 despite binary fractions.
    return !wanted || (value && std::abs(*value - *wanted) <= std::abs(tolerance) + 1e-9);
}

bool same(std::optional<qint64> value, std::optional<int> wanted)
{
    return !wanted || value == *wanted;
}

} // namespace

ProductIndex::ProductIndex(const PaperCatalogue &catalogue)
{
    mEntries.reserve(catalogue.count());
    for (int i = 0; i < catalogue.count(); ++i)
        mEntries.append(entryOf(catalogue, i));
}

bool ProductIndex::matches(const ProductEntry &entry, const ProductQuery &query,
                           const QString &paperKey, const QString &familyKey,
                           const QString &textKey) const
{
    if (!paperKey.isEmpty() && entry.paperKey != paperKey)
        return false;
    if (query.family && entry.familyKey != familyKey)
        return false;
    if (!textKey.isEmpty() && !entry.codeKey.contains(textKey)
        && !entry.familyKey.contains(textKey))
        return false;
    return same(entry.total, query.labels) && same(entry.columns, query.columns)
        && same(entry.rows, query.rows) && near(entry.width, query.cellWidth, query.tolerance)
        && near(entry.height, query.cellHeight, query.tolerance);
}

QList<int> ProductIndex::filter(const ProductQuery &query) const
{
    const QString paperKey = squeezedLower(query.paper);
    const QString familyKey = query.family ? squeezedLower(*query.family) : QString();
    const QString textKey = squeezedLower(query.text);
    QList<int> found;
    for (const ProductEntry &entry : mEntries) {
        if (matches(entry, query, paperKey, familyKey, textKey))
            found.append(entry.index);
    }
    // Products without a count first, as empty values sort in an ascending query.
    std::stable_sort(found.begin(), found.end(), [this](int a, int b) {
        constexpr qint64 none = std::numeric_limits<qint64>::min();
        return mEntries.at(a).total.value_or(none) < mEntries.at(b).total.value_or(none);
    });
    return found;
}

} // namespace quill
