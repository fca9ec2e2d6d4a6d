// The framed output of quill-xls-reader, shared by the helper (writer) and the core (parser).
#pragma once

#include <cstdint>

// Every frame is little-endian. Sheet names ("FILE"):
//   "QXLS" version kind='N' | u32 count | count x (u8 present, [u32 length, UTF-8 bytes]) | "END."
// A sheet's cells ("FILE INDEX"), row by row:
//   "QXLS" version kind='C' | u32 rows | u32 columns | rows*columns cells | "END."
// A cell is a type byte followed by: nothing (null), i32 (int), the 8 bytes of an IEEE double
// (double), or u32 length and UTF-8 bytes (text, date, datetime, time).
// Exit codes: 0 read, 1 usage, 2 the workbook cannot be read, 3 the sheet cannot be read;
// 2 and 3 print one line of plain ASCII on stderr saying why.
namespace quill::xlsframe {

inline constexpr char Magic[4] = {'Q', 'X', 'L', 'S'};
inline constexpr std::uint8_t Version = 1;
inline constexpr char KindNames = 'N';
inline constexpr char KindCells = 'C';
inline constexpr char Trailer[4] = {'E', 'N', 'D', '.'};

enum CellType : std::uint8_t {
    CellNull = 0,
    CellInt = 1,
    CellDouble = 2,
    CellText = 3,
    CellDate = 4,
    CellDateTime = 5,
    CellTime = 6,
};

enum ExitCode : int {
    ExitRead = 0,
    ExitUsage = 1,
    ExitWorkbookUnreadable = 2,
    ExitSheetUnreadable = 3,
};

} // namespace quill::xlsframe
