// Fills a menu bar with the editor's menus, laid out from a table of command ids.
#pragma once

class QMenu;
class QMenuBar;

namespace quill {

class EditorActions;

// Adds the File, Edit, View, Insert, Format, Data list and Help menus to bar, each item being
// the shared action of its command, and returns the File menu. Every menu gets an object name
// and an accessible name (its title without the mnemonic).
QMenu *buildEditorMenuBar(QMenuBar *bar, const EditorActions &actions);

} // namespace quill
