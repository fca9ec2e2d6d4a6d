// Colour identifiers (clBlack, clWindow, ...) and colour texts ("$00FF0000", "clRed", "255").
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace quill {

// Colours are 32-bit values $00BBGGRR; $FF0000nn is system colour nn.
using TColor = quint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clWindow = 0xFF000005;

// The identifier of a colour value ("clRed"), or nothing when the value has no name.
std::optional<QString> colorIdent(TColor color);
// The value of a colour identifier, matched without regard to case.
std::optional<TColor> colorFromIdent(const QString &ident);
// A colour text as the toolkit reads it: an identifier, "$" + hexadecimal, "0x" + hexadecimal,
// or a decimal number (possibly negative, taken as 32 bits). Nothing when it is none of these.
std::optional<TColor> colorFromText(const QString &text);
// The colour as the catalogue writes it: its identifier when it has one, otherwise "$" and
// eight hexadecimal digits.
QString colorToText(TColor color);

} // namespace quill
