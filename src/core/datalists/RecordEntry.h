// The rules of the record entry window: which editor each field of a list gets, where the
// generated editors go, and how typed values are checked and stored into a record.
#pragma once

#include "DataTable.h"
#include "Result.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QVariant>

namespace quill {

class CaptionFile;
class DataSet;

enum class EntryEditor {
    None,       // the field gets no editor (dates, booleans, memo, binary)
    Text,       // a one-line edit limited to the field's size
    Integer,    // an integer box
    Float,      // a decimal box
    PostalCode, // the fixed editors of the personal group
    Address1,
    Address2,
};

// The list fields that get the fixed postal code and address editors: the caption file's
// [CreateDB] PostBox, AddressBox and AddressBox1, used only when [Option] Language is "kor"
// (letter case ignored). Field names must match exactly.
struct AddressFields {
    bool korean = false;
    QString postalCode;
    QString address1;
    QString address2;

    static AddressFields fromCaptions(const CaptionFile &captions);
};

// One field's editor and its typing limit.
struct EntryField {
    int field = -1;  // index in the list
    QString name;
    EntryEditor editor = EntryEditor::None;
    int maxLength = 0; // characters, for text and the fixed editors
};

// Characters a text field takes when its size is not stated.
constexpr int UnsizedTextLength = 255;
// The fixed editors' own limits.
constexpr int PostalCodeLength = 7;
constexpr int AddressLength = 50;
// The number boxes' ranges; a typed value outside is refused.
constexpr int EntryIntegerMin = -2147483647 - 1;
constexpr int EntryIntegerMax = 2147483647;
constexpr double EntryFloatLimit = 1e15;

EntryEditor entryEditor(const DataField &field, const AddressFields &addresses);
// The editor of every field of the list, in field order (fields without one included).
QList<EntryField> entryFields(const QList<DataField> &fields, const AddressFields &addresses);
bool isFixedEditor(EntryEditor editor);
bool isGeneratedEditor(EntryEditor editor);

// Where the generated editors go inside their group, one row per editor: the label with the
// field name at left 20, the first at top 30 and each next 25 pixels lower; the editor 5 pixels
// above its label, all editors starting at the widest label plus 35.
struct EntryRow {
    QRect label;
    QRect editor;
};
struct EntryLayout {
    QList<EntryRow> rows;
    int groupTop = 0;    // 15 below the personal group when shown, 15 otherwise
    int groupHeight = 0; // 5 pixels below the lowest editor or label
};
// labelSizes and editorSizes: the natural size of each row's label and editor.
EntryLayout entryLayout(const QList<QSize> &labelSizes, const QList<QSize> &editorSizes,
    int personalGroupBottom /* -1: not shown */);
// A text editor is 10 pixels wide per character of its field's size, but no wider than this.
constexpr int MaxTextEditorWidth = 400;
int textEditorWidth(int maxLength);
// The window's height: its contents, the button panel, the status bar and 50 pixels, at most
// the screen height less 100.
int entryWindowHeight(int contents, int buttonPanel, int statusBar, int screenHeight);

// A value typed into one editor: a text for text and fixed editors, a number (or its text) for
// the number boxes.
struct EntryInput {
    int field = -1;
    EntryEditor editor = EntryEditor::Text;
    QVariant value;
};

// The value the field stores for what was typed: an empty text is an empty cell; a text longer
// than the field's size, a number out of range or letters in a number field are refused with a
// message naming the field (nothing is cut).
Result<QVariant> entryValue(const DataField &field, EntryEditor editor, const QVariant &typed);

// Stores the inputs into the list: a new record at its end (append) or the current one. Every
// value is checked first; on a refused value nothing is stored and the dataset stays as it was.
// The record is posted; the list file is not written.
Status storeEntry(DataSet &list, const QList<EntryInput> &inputs, bool append);

// A field's value as its editor shows it (text; numbers without trailing zeros).
QString entryText(const QVariant &value);

} // namespace quill
