// The records both print benchmarks draw: name, address, postal code and a Code 128 value;
// about a third of the names and addresses are Korean.
#pragma once

#include <QString>
#include <QStringList>

namespace printbench {

constexpr int Columns = 3;
constexpr int Rows = 7;
constexpr double CellWidthMm = 63.5;
constexpr double CellHeightMm = 38.1;
constexpr double LeftMarginMm = 7.2;
constexpr double TopMarginMm = 15.1;
constexpr double HorizSpaceMm = 2.5;

// Field values of record i: name, address, postal code, barcode data.
inline QStringList record(int i)
{
    const bool korean = i % 3 == 0;
    const QString name = korean ? QStringLiteral("김민준 %1").arg(i) : QStringLiteral("John Smith %1").arg(i);
    const QString address = korean ? QStringLiteral("서울특별시 강남구 테헤란로 %1길").arg(i % 400)
                                   : QStringLiteral("%1 Harbour Street, Springfield").arg(i % 400);
    const QString postal = QStringLiteral("%1").arg(10000 + i % 90000, 5, 10, QLatin1Char('0'));
    const QString code = QStringLiteral("QL%1").arg(i, 8, 10, QLatin1Char('0'));
    return {name, address, postal, code};
}

} // namespace printbench
