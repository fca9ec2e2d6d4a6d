// What sending data-list fields to the current cell creates: field labels for a label send,
// one barcode for a barcode send, and the choices of the send and make-barcode windows.
// Widget-free; the editor places the objects through its CellEditor.
#pragma once

#include "objects/ZR_ADDHono.h"

#include <QHash>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace quill {

class LabelObject;

using LabelObjectList = std::vector<std::unique_ptr<LabelObject>>;

namespace SendToLabels {

// ---- Field labels of a label send -------------------------------------------------------

// Bounds of the index-th sent field's label (from 0, in send order), in model pixels at
// 100 %: left 20, top 10 + 20 index, width cellSize's width - 40, height 20. The zoom plays
// no part: the model is never zoomed. A cell narrower than 45 pixels still gives labels 5
// pixels wide (the smallest size an object can be dragged to).
QRect fieldLabelRect(int index, const QSize &cellSize);

// The text a sent field's label starts with: the record's value of the field (looked up
// without regard to case) followed by the honorific when the field is the honorific's field;
// the empty-field text when that is empty.
QString fieldLabelText(const QString &field, const TZR_ADDHono &honorific,
    const QHash<QString, QString> &record, const QString &emptyFieldText);

// What the window knows at a label send.
struct LabelSendContext {
    QSize cellSize; // the current cell, model pixels at 100 %
    QString fontName; // the format tool bar's font name box
    QHash<QString, QString> record; // the label data list's current record, by field name
    QString emptyFieldText; // the caption file's [Option] dbnull
};

// One field label per sent field, in send order: bound by FieldName, the honorific's field
// carrying ADDHono, transparent, left-justified, not centred across the line, the context's
// font at 10 points (ImsiFontSize 10), bounds by fieldLabelRect().
LabelObjectList fieldLabels(
    const QStringList &fields, const TZR_ADDHono &honorific, const LabelSendContext &context);

// ---- The send window's field lists ------------------------------------------------------

// The send list after "->" (or a drop): the selected fields not yet in it, appended in the
// order given. Compared exactly as the data list spells them.
QStringList withFieldsAdded(const QStringList &sendFields, const QStringList &selected);
// The send list after "<-": without the selected fields.
QStringList withFieldsRemoved(const QStringList &sendFields, const QStringList &selected);

// A send of every record uses the data list itself; otherwise a merge table is built. A
// logistics barcode always needs one (its rows are repeated).
bool sendsListItself(int selectedRows, int recordCount, bool logistics = false);
// The merge table of a partial send in the application folder: label.tmp or barcode.tmp.
QString mergeTablePath(const QString &applicationFolder, bool barcode);

// The messages of the two send windows.
QString noSendFieldsForHonorificMessage(); // "존칭추가" with an empty send list
QString noSendFieldsMessage(); // "보내기" of the label window with an empty list
QString noBarcodeFieldMessage(); // "보내기" of the barcode window without a field

// ---- The make-barcode window ------------------------------------------------------------

// The kind radio buttons.
enum class BarcodeChoice { Linear, TwoDimensional, Postal, Logistics };

// The kind the window is opened with by the manager: 1 linear or two-dimensional, 3 postal,
// 4 logistics (EAN-14).
enum class BarcodeWindowKind { Barcodes = 1, Postal = 3, Logistics = 4 };

// The radio buttons shown for a window kind, the checked one first; none for an unknown kind.
QList<BarcodeChoice> visibleChoices(int windowKind);
// The symbology index preselected for a choice: 8, 0, 51 and 12.
int defaultCodeType(BarcodeChoice choice);
// Only the linear and two-dimensional lists let the user pick; postal and logistics fix it.
bool codeTypeChoosable(BarcodeChoice choice);
// The symbology list of a choice: the names of indexes 0 to 100 of the two-dimensional
// control for TwoDimensional, of the linear control otherwise, up to the first empty name.
QStringList codeTypeNames(BarcodeChoice choice);
// What the manager hands back: "2D" for the two-dimensional choice, "1D" otherwise.
QString dimensionText(BarcodeChoice choice);

// The index-th field radio button of the scrolling panel: left 15, top 5 + 25 index, as wide
// as its caption plus 30, captionHeight high.
QRect fieldRadioRect(int index, int captionWidth, int captionHeight);

// The barcode a barcode send creates, in model pixels at 100 %: for "2D" a two-dimensional
// barcode at (50, 50), 60 x 60; otherwise a linear barcode at (30, 30), 100 x 50 with
// automatic parity, check digit and text shown, centred text, no start/stop characters, no
// light margins and no margin. Bound to field, CodeType codeType, caption value (the barcode
// data list's current value of the field).
std::unique_ptr<LabelObject> sentBarcode(
    const QString &dimension, int codeType, const QString &field, const QString &value);

// ---- Around a visit to the data list manager --------------------------------------------

// Which data lists may be closed before the manager is shown: the label data list when the
// cell holds no field label (a serial number counts as one), the barcode data list when it
// holds no linear or two-dimensional barcode.
struct UnusedLists {
    bool labelList = false;
    bool barcodeList = false;
};
UnusedLists unusedLists(const std::vector<const LabelObject *> &objects);

// The data list the manager opens with: a table just created, else the label data list, else
// the barcode data list (the first non-empty path); empty for none.
QString managerPreset(
    const QString &createdTable, const QString &labelList, const QString &barcodeList);

// The number a serial number shows in a cell (numbered from 1) of a sheet of columns x rows:
// the range's first number plus one step per label on the sheets before it.
qint64 serialNumberForCell(
    int columns, int rows, int cellNumber, qint64 incNum, qint64 imsiSerialNum);

// What refreshing the field-bound objects reads: the first record of each open list (null
// for a closed list, whose objects are left alone), the sheet and the current cell.
struct BoundRefresh {
    const QHash<QString, QString> *labelRecord = nullptr;
    const QHash<QString, QString> *barcodeRecord = nullptr;
    QString emptyFieldText;
    int columns = 1;
    int rows = 1;
    int cellNumber = 1;
};
// Serial numbers are left alone: their StartNum is never rewritten by a refresh (the number
// a cell shows is serialNumberForCell(), a matter of drawing). Field labels bound to a field take
// fieldLabelText() with their own ADDHono; bound linear and two-dimensional barcodes take the
// field's value as caption.
void refreshBoundObjects(const std::vector<LabelObject *> &objects, const BoundRefresh &refresh);

} // namespace SendToLabels

} // namespace quill
