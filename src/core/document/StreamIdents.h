// Identifier tables of the integer types the property stream writes by name.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace quill {

// Integer types whose named values are written as identifiers instead of numbers.
enum class IdentTable {
    Color, // clBlack ... clMenuBar (see ColorNames.h); values are signed 32-bit in the stream
    Charset, // ANSI_CHARSET ... OEM_CHARSET
    Cursor, // crDefault ... crSizeAll
};

// Font character set names. When two names share a value the first in table order wins.
std::optional<QString> charsetIdent(int charset);
std::optional<int> charsetFromIdent(const QString &ident);

// Mouse cursor names. crSize is read as -22 as well; -22 is written as crSizeAll.
std::optional<QString> cursorIdent(int cursor);
std::optional<int> cursorFromIdent(const QString &ident);

// The name of value in table, or nothing. Colours are looked up by their 32-bit pattern, so
// -16777211 and 0xFF000005 both name clWindow.
std::optional<QString> integerIdent(IdentTable table, qint64 value);
// The value of a name in table, matched without regard to case as the toolkit does. Colours
// come back as the signed 32-bit number the stream would hold (clWindow -> -16777211).
std::optional<qint64> integerFromIdent(IdentTable table, const QString &ident);

} // namespace quill
