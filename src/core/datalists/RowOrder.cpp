// Search and sort over a data list's rows.
#include "RowOrder.h"

#include <QCollator>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace quill {
namespace {

enum class SortKind { Number, Moment, Text };

QList<int> validRows(const DataTable &table, const QList<int> &rows)
{
    QList<int> valid;
    if (rows.isEmpty()) {
        valid.resize(table.rowCount());
        std::iota(valid.begin(), valid.end(), 0);
        return valid;
    }
    valid.reserve(rows.size());
    for (int row : rows) {
        if (row >= 0 && row < table.rowCount())
            valid.append(row);
    }
    return valid;
}

QVariant cell(const DataTable &table, int row, int field)
{
    return table.rows.at(row).value(field);
}

// A number written as text: whole numbers (the common case: codes, counts) without the
// general parser, which costs far more.
std::optional<double> parseNumber(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const bool sign = text.front() == u'-' || text.front() == u'+';
    if (text.size() - sign > 0 && text.size() - sign <= 15) {
        qint64 whole = 0;
        bool digits = true;
        for (qsizetype i = sign; i < text.size() && digits; ++i) {
            const char16_t c = text[i].unicode();
            digits = c >= u'0' && c <= u'9';
            whole = whole * 10 + (c - u'0');
        }
        if (digits)
            return text.front() == u'-' ? -double(whole) : double(whole);
    }
    bool ok = false;
    const double number = text.toDouble(&ok);
    // A NaN has no place in an order: it counts as empty.
    return ok && !std::isnan(number) ? std::optional<double>(number) : std::nullopt;
}

std::optional<double> numberOf(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    if (value.typeId() == QMetaType::QString)
        return parseNumber(value.toString());
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok && !std::isnan(number) ? std::optional<double>(number) : std::nullopt;
}

// Milliseconds since the epoch in UTC, so that dates and date-times of one field compare.
std::optional<qint64> momentOf(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    QDateTime moment;
    if (value.typeId() == QMetaType::QDate)
        moment = QDateTime(value.toDate(), QTime(0, 0), Qt::UTC);
    else if (value.typeId() == QMetaType::QDateTime)
        moment = value.toDateTime();
    else {
        const QString text = value.toString().trimmed();
        moment = QDateTime::fromString(text, Qt::ISODate);
        if (!moment.isValid())
            moment = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0), Qt::UTC);
    }
    return moment.isValid() ? std::optional<qint64>(moment.toMSecsSinceEpoch()) : std::nullopt;
}

SortKind sortKind(FieldType type)
{
    switch (type) {
    case FieldType::Integer:
    case FieldType::Float:
    case FieldType::Boolean:
        return SortKind::Number;
    case FieldType::Date:
    case FieldType::DateTime:
        return SortKind::Moment;
    default:
        return SortKind::Text;
    }
}

// Text fields holding nothing but numbers (codes, amounts read from a CSV) sort as numbers:
// their keys, or nothing when a value is not a number or no value is one.
std::optional<std::vector<std::optional<double>>> numbersInText(
    const DataTable &table, int field, const QList<int> &rows)
{
    std::vector<std::optional<double>> keys(size_t(rows.size()));
    bool any = false;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString text = table.text(rows.at(i), field);
        if (text.trimmed().isEmpty())
            continue;
        keys[size_t(i)] = parseNumber(text);
        if (!keys[size_t(i)])
            return std::nullopt;
        any = true;
    }
    return any ? std::optional(std::move(keys)) : std::nullopt;
}

// Rows ordered by one key each (none: an empty cell, first ascending and last descending),
// equal keys in the order given. The keys are sorted where they lie, beside their positions:
// comparing through an index into another array costs a cache miss each time.
template <typename Key>
QList<int> sortByKeys(const QList<int> &rows, std::vector<std::optional<Key>> &keys, bool descending)
{
    std::vector<std::pair<Key, int>> valued;
    valued.reserve(keys.size());
    QList<int> empty;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i])
            valued.emplace_back(std::move(*keys[i]), int(i));
        else
            empty.append(rows.at(qsizetype(i)));
    }
    std::sort(valued.begin(), valued.end(), [descending](const auto &a, const auto &b) {
        if (a.first < b.first)
            return !descending;
        if (b.first < a.first)
            return descending;
        return a.second < b.second;
    });
    QList<int> sorted;
    sorted.reserve(rows.size());
    if (!descending)
        sorted += empty;
    for (const auto &entry : valued)
        sorted.append(rows.at(entry.second));
    if (descending)
        sorted += empty;
    return sorted;
}

QCollator koreanCollator()
{
    QCollator collator(QLocale(QLocale::Korean, QLocale::SouthKorea));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// The Korean collator's order for the texts most lists hold (Hangul syllables, ASCII letters
// and digits, blanks), as a key made without the collator, which takes microseconds a text.
// Units compare in the collator's order: blanks, then digit runs by value (leading zeros do not
// count), then Hangul as its letters (initial, vowel, final: "가나" before "각", "각" before
// "가a"), then Latin letters in either case. Nothing when the text holds anything else.
std::optional<std::string> plainKey(QStringView text)
{
    // One byte a unit, so that keys compare with memcmp. Classes that can meet at the same
    // position keep the order above: blank 1 < number 2 < initials 0x10.. < vowels 0x30.. <
    // finals 0x50.. < letters 0x80..; a digit run's length and its digits only ever meet
    // their own kind (both keys hold the number marker just before).
    std::string key;
    key.reserve(size_t(text.size()) * 3);
    const qsizetype n = text.size();
    auto isDigit = [&](qsizetype i) { return text[i] >= u'0' && text[i] <= u'9'; };
    for (qsizetype i = 0; i < n;) {
        const char16_t c = text[i].unicode();
        if (c == u' ') {
            key += char(0x01);
            ++i;
        } else if (isDigit(i)) {
            qsizetype end = i;
            while (end < n && isDigit(end))
                ++end;
            qsizetype first = i;
            while (first < end && text[first] == u'0')
                ++first;
            if (end - first > 200)
                return std::nullopt;
            // More digits is a larger number; then digit by digit.
            key += char(0x02);
            key += char(0x10 + (end - first));
            for (qsizetype d = first; d < end; ++d)
                key += char(text[d].unicode());
            i = end;
        } else if (c >= 0xAC00 && c <= 0xD7A3) {
            const int syllable = c - 0xAC00;
            key += char(0x10 + syllable / 588);
            key += char(0x30 + syllable % 588 / 28);
            if (syllable % 28)
                key += char(0x50 + syllable % 28);
            ++i;
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
            key += char(0x80 + ((c | 0x20) - u'a'));
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return key;
}

// The order of distinct values as ranks (equal values share one), from their plain keys. The
// first 32 bytes of each key are packed into integers beside it, so that most comparisons
// stay in one array; only keys sharing those go on to compare the rest.
std::vector<int> plainRanks(const std::vector<std::string> &keys)
{
    struct Entry {
        std::array<quint64, 4> prefix{};
        int value = 0;
    };
    std::vector<Entry> entries(keys.size());
    for (size_t v = 0; v < keys.size(); ++v) {
        entries[v].value = int(v);
        const std::string &key = keys[v];
        for (size_t b = 0; b < 32 && b < key.size(); ++b)
            entries[v].prefix[b / 8] |= quint64(uchar(key[b])) << (56 - 8 * (b % 8));
    }
    auto compare = [&](const Entry &a, const Entry &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        return keys[size_t(a.value)].compare(keys[size_t(b.value)]);
    };
    std::sort(entries.begin(), entries.end(),
        [&](const Entry &a, const Entry &b) { return compare(a, b) < 0; });
    std::vector<int> rank(keys.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const bool same = i > 0 && compare(entries[i], entries[i - 1]) == 0;
        rank[size_t(entries[i].value)] = same ? rank[size_t(entries[i - 1].value)] : int(i);
    }
    return rank;
}

// The same through the collator, for values holding other characters.
std::vector<int> collatorRanks(const QStringList &values)
{
    const QCollator collator = koreanCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(values.size()));
    for (const QString &value : values)
        keys.push_back(collator.sortKey(value));
    std::vector<int> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    auto compare = [&](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]); };
    std::sort(byKey.begin(), byKey.end(), [&](int a, int b) { return compare(a, b) < 0; });
    std::vector<int> rank(keys.size());
    for (size_t i = 0; i < byKey.size(); ++i) {
        const bool same = i > 0 && compare(byKey[i], byKey[i - 1]) == 0;
        rank[size_t(byKey[i])] = same ? rank[size_t(byKey[i - 1])] : int(i);
    }
    return rank;
}

// Text is ordered by distinct value: lists repeat values (towns, departments), and ordering a
// value costs more than looking it up.
QList<int> sortTexts(const DataTable &table, int field, bool descending, const QList<int> &rows)
{
    const size_t n = size_t(rows.size());
    QHash<QString, int> distinct;
    QStringList values;
    std::vector<int> valueOf(n, -1);
    for (size_t i = 0; i < n; ++i) {
        const QString text = table.text(rows.at(qsizetype(i)), field);
        if (text.isEmpty())
            continue;
        auto it = distinct.constFind(text);
        if (it == distinct.constEnd()) {
            it = distinct.insert(text, int(values.size()));
            values.append(text);
        }
        valueOf[i] = *it;
    }
    std::vector<std::string> plain;
    plain.reserve(size_t(values.size()));
    for (const QString &value : values) {
        std::optional<std::string> key = plainKey(value);
        if (!key)
            break;
        plain.push_back(std::move(*key));
    }
    const std::vector<int> rank
        = plain.size() == size_t(values.size()) ? plainRanks(plain) : collatorRanks(values);
    std::vector<std::optional<int>> keys(n);
    for (size_t i = 0; i < n; ++i) {
        if (valueOf[i] >= 0)
            keys[i] = rank[size_t(valueOf[i])];
    }
    return sortByKeys(rows, keys, descending);
}

} // namespace

QList<int> searchRows(const DataTable &table, int field, const QString &text)
{
    QList<int> found;
    if (field < 0 || field >= table.columnCount())
        return found;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (text.isEmpty() || table.text(row, field).contains(text, Qt::CaseInsensitive))
            found.append(row);
    }
    return found;
}

QList<int> sortedRows(const DataTable &table, int field, bool descending, const QList<int> &rows)
{
    const QList<int> chosen = validRows(table, rows);
    if (field < 0 || field >= table.columnCount())
        return chosen;
    const size_t n = size_t(chosen.size());
    switch (sortKind(table.fields.at(field).type)) {
    case SortKind::Number: {
        std::vector<std::optional<double>> keys(n);
        for (size_t i = 0; i < n; ++i)
            keys[i] = numberOf(cell(table, chosen.at(qsizetype(i)), field));
        return sortByKeys(chosen, keys, descending);
    }
    case SortKind::Moment: {
        std::vector<std::optional<qint64>> keys(n);
        for (size_t i = 0; i < n; ++i)
            keys[i] = momentOf(cell(table, chosen.at(qsizetype(i)), field));
        return sortByKeys(chosen, keys, descending);
    }
    case SortKind::Text:
        break;
    }
    if (auto numbers = numbersInText(table, field, chosen))
        return sortByKeys(chosen, *numbers, descending);
    return sortTexts(table, field, descending, chosen);
}

} // namespace quill
