// The View menu's zoom items, wired to the zoom box.
#pragma once

class QMenu;

namespace quill {

class ZoomPercentBox;

// Adds to menu the submenu "확대" (140, 180, 200, 250, 300; actions N1401 .. N3001), the
// submenu "축소" (80, 60; N801, N601) and the item "원본크기로(100%)" (N1001). Each item shows
// its zoom in the box and zooms, as a choice in the box would.
void addZoomMenus(QMenu *menu, ZoomPercentBox *box);

} // namespace quill
