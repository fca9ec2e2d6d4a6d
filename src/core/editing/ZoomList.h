// The zoom percentages the editor offers: the zoom box's list, the View menu's zoom items,
// stepping in and out, and reading a typed zoom.
#pragma once

#include "Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quill {

namespace ZoomList {

// A typed zoom outside this range is refused: below it a cell shrinks to a few pixels (and 0
// would divide every mapping back to 100 %), above it one cell grows to hundreds of megabytes.
constexpr int MinZoom = 10;
constexpr int MaxZoom = 1000;
constexpr int ActualSize = 100;

// The zoom box's list, ascending: 60, 80, 100, 150, 200, 250, 300.
const QList<int> &values();
// The items of the View menu's "확대" submenu (140, 180, 200, 250, 300) and "축소" (80, 60).
const QList<int> &zoomInMenuValues();
const QList<int> &zoomOutMenuValues();

// The text the zoom box shows for a zoom: "150 %".
QString text(int zoom);
// texts of values(), in order.
QStringList texts();

// A zoom typed into the zoom box: digits with an optional "%" after them, blanks allowed
// around both ("150", "150%", " 150 % "). Anything else, and numbers outside MinZoom..MaxZoom,
// give an error whose message is for the user. The whole text is read, never its first
// characters alone ("15O" is refused, not taken as 15).
Result<int> parse(const QString &text);

// Zoom in: the smallest list value above current (so 140 goes to 150); nothing at or
// above the last value. Zoom out: the largest list value below current (140 goes to 100);
// nothing at or below the first.
std::optional<int> zoomIn(int current);
std::optional<int> zoomOut(int current);

} // namespace ZoomList

} // namespace quill
