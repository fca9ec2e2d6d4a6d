// Character set and cursor identifier tables; colours live in ColorNames.
#include "StreamIdents.h"

#include "ColorNames.h"

#include <array>

namespace quill {

namespace {

struct NamedInt {
    const char16_t *name;
    int value;
};

constexpr std::array<NamedInt, 18> kCharsets {{
    {u"ANSI_CHARSET", 0},
    {u"DEFAULT_CHARSET", 1},
    {u"SYMBOL_CHARSET", 2},
    {u"MAC_CHARSET", 77},
    {u"SHIFTJIS_CHARSET", 128},
    {u"HANGEUL_CHARSET", 129},
    {u"JOHAB_CHARSET", 130},
    {u"GB2312_CHARSET", 134},
    {u"CHINESEBIG5_CHARSET", 136},
    {u"GREEK_CHARSET", 161},
    {u"TURKISH_CHARSET", 162},
    {u"HEBREW_CHARSET", 177},
    {u"ARABIC_CHARSET", 178},
    {u"BALTIC_CHARSET", 186},
    {u"RUSSIAN_CHARSET", 204},
    {u"THAI_CHARSET", 222},
    {u"EASTEUROPE_CHARSET", 238},
    {u"OEM_CHARSET", 255},
}};

// crSize follows crSizeAll so that -22 is written under the newer name but both are read.
constexpr std::array<NamedInt, 22> kCursors {{
    {u"crDefault", 0},
    {u"crArrow", -2},
    {u"crCross", -3},
    {u"crIBeam", -4},
    {u"crSizeNESW", -6},
    {u"crSizeNS", -7},
    {u"crSizeNWSE", -8},
    {u"crSizeWE", -9},
    {u"crUpArrow", -10},
    {u"crHourGlass", -11},
    {u"crDrag", -12},
    {u"crNoDrop", -13},
    {u"crHSplit", -14},
    {u"crVSplit", -15},
    {u"crMultiDrag", -16},
    {u"crSQLWait", -17},
    {u"crNo", -18},
    {u"crAppStart", -19},
    {u"crHelp", -20},
    {u"crHandPoint", -21},
    {u"crSizeAll", -22},
    {u"crSize", -22},
}};

template<std::size_t N>
std::optional<QString> nameOf(const std::array<NamedInt, N> &table, qint64 value)
{
    for (const NamedInt &entry : table) {
        if (entry.value == value)
            return QString::fromUtf16(entry.name);
    }
    return std::nullopt;
}

template<std::size_t N>
std::optional<int> valueOf(const std::array<NamedInt, N> &table, const QString &ident)
{
    for (const NamedInt &entry : table) {
        if (ident.compare(QString::fromUtf16(entry.name), Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> charsetIdent(int charset)
{
    return nameOf(kCharsets, charset);
}

std::optional<int> charsetFromIdent(const QString &ident)
{
    return valueOf(kCharsets, ident);
}

std::optional<QString> cursorIdent(int cursor)
{
    return nameOf(kCursors, cursor);
}

std::optional<int> cursorFromIdent(const QString &ident)
{
    return valueOf(kCursors, ident);
}

std::optional<QString> integerIdent(IdentTable table, qint64 value)
{
    switch (table) {
    case IdentTable::Color:
        // Only values a 32-bit colour can hold have names; anything wider is just a number.
        if (value < -2147483648LL || value > 0xFFFFFFFFLL)
            return std::nullopt;
        return colorIdent(static_cast<TColor>(value));
    case IdentTable::Charset:
        return nameOf(kCharsets, value);
    case IdentTable::Cursor:
        return nameOf(kCursors, value);
    }
    return std::nullopt;
}

std::optional<qint64> integerFromIdent(IdentTable table, const QString &ident)
{
    switch (table) {
    case IdentTable::Color:
        if (auto color = colorFromIdent(ident))
            return qint64(static_cast<qint32>(*color));
        return std::nullopt;
    case IdentTable::Charset:
        return valueOf(kCharsets, ident);
    case IdentTable::Cursor:
        return valueOf(kCursors, ident);
    }
    return std::nullopt;
}

} // namespace quill
