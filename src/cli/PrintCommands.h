// The printing commands of quilllabel-cli: print, preview and printers.
#pragma once

#include "Result.h"
#include "printing/PrintJob.h"

#include <QStringList>

namespace quill {
class LabelDocument;
} // namespace quill

namespace quill::cli {

int printCommand(const QStringList &args);
int previewCommand(const QStringList &args);
int printersCommand(const QStringList &args);

// Shared by print and preview.
// Reads a document for printing (object classes registered, fonts substituted).
Status loadPrintDocument(LabelDocument &document, const QString &path);
// Data lists are opened with quill::openPrintDataList (printing/PrintJob.h).
// The [Option] dbnull text of the program's caption file.
QString emptyFieldText();

} // namespace quill::cli
