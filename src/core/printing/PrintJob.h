// What every print run of a document needs besides the composer: its two data lists and the
// text a field label prints for an empty field.
#pragma once

#include "PrintDataList.h"
#include "Result.h"

#include <QString>

namespace quill {

class CaptionFile;
class LabelDocument;

// The label data list (field labels) and the barcode data list (barcodes) of one run. A list
// the document does not name is inactive.
struct PrintDataLists {
    PrintDataList label;
    PrintDataList barcode;
};

// A data list given as PATH or PATH:TABLE (the colon only splits when PATH:TABLE is not itself
// an existing file); an empty spec takes the stored path and table. An empty path gives an
// inactive list; a missing or unreadable file fails.
Result<PrintDataList> openPrintDataList(
    const QString &spec, const QString &storedPath, const QString &storedTable);

// Opens the document's label and barcode data lists, each replaced by its override spec when
// one is given. A list that cannot be opened fails the whole, with a message that says which
// list it was and why; printing without the data would print every label empty.
Result<PrintDataLists> openDocumentDataLists(
    const LabelDocument &document, const QString &labelSpec = {}, const QString &barcodeSpec = {});

// The caption file's [Option] dbnull: a field label whose text equals it prints empty. Empty
// when the caption file has no such key.
QString emptyFieldText(const CaptionFile &captions);

} // namespace quill
