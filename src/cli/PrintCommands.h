// The printing commands of quilllabel-cli: print, preview and printers.
#pragma once

#include "Result.h"

#include <QStringList>

namespace quill {
class LabelDocument;
class PrintDataList;
} // namespace quill

namespace quill::cli {

int printCommand(const QStringList &args);
int previewCommand(const QStringList &args);
int printersCommand(const QStringList &args);

// Shared by print and preview.
// Reads a document for printing (object classes registered, fonts substituted).
Status loadPrintDocument(LabelDocument &document, const QString &path);
// A data list given as PATH or PATH:TABLE; an empty spec uses the document's stored list
// (path, table). An empty path gives an inactive list; a missing file fails.
Result<PrintDataList> openPrintDataList(const QString &spec, const QString &storedPath,
                                        const QString &storedTable);
// The caption file's [Option] dbnull text.
QString emptyFieldText();

} // namespace quill::cli
