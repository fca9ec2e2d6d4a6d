// The label document file: writing and reading the header, the work label and the pages of
// cells and objects, and the copies of merge tables kept beside a document.
#pragma once

#include "../Result.h"
#include "LabelDocument.h"
#include "ObjectList.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quill {

// Integers of the file between the records.
namespace DocumentMarker {
constexpr qint32 Format = 2005;     // any value above LegacyLast marks this format
constexpr qint32 LegacyLast = 2004; // a first integer up to this is the legacy format's zoom
constexpr qint32 Page = 1100;
constexpr qint32 Cell = 1000;
} // namespace DocumentMarker

// The document path with its third character from the end replaced by kind ('D' for the field
// data copy, 'B' for the barcode data copy): "Sheet1.lbl" -> "Sheet1.Dbl". A path of fewer
// than three characters comes back unchanged.
QString mergeTableCopyPath(const QString &documentPath, QChar kind);
// True for a temporary merge table path (its extension, lower-cased, is ".tmp").
bool isMergeTablePath(const QString &dataListPath);

// Which merge table is copied.
enum class MergeTable { LabelData, BarcodeData };

struct WriteOptions {
    // The zoom written into the header; the work label record is always written at 100.
    // Nothing means the work label's own zoom.
    std::optional<int> zoom;
    // An auto-save writes merge table copies beside the auto-save file but the document keeps
    // pointing at its merge tables (see WriteReport::labelDataListPath).
    bool autoSave = false;
    // Copy ".tmp" merge tables beside the document. Off for files that are not documents.
    bool copyMergeTables = true;
    // Told before (closing true) and after (false) a merge table file is copied, so that a
    // data module can close and reopen the table around the copy.
    std::function<void(MergeTable table, bool closing)> mergeTableAccess;
};

// What a write did beside writing the file.
struct WriteReport {
    // The data list paths written into the header (a ".tmp" path is replaced by its copy).
    QString labelDataListPath;
    QString barcodeDataListPath;
    QStringList copiedFiles;   // merge table copies made
    QList<Error> copyFailures; // copies that failed; the document itself was written
};

// Writes the document atomically: the file is replaced only when everything was written, so
// a failed save leaves the previous file as it was. Merge table copies are made after the
// document was written; their failures do not fail the write but are listed in report.
Status writeDocument(const LabelDocument &document, const QString &path,
                     const WriteOptions &options = {}, WriteReport *report = nullptr);

// Save: writes the document and, unless it is an auto-save, makes the merge table copies the
// document's data lists and path the document's file name.
Status saveDocument(LabelDocument &document, const QString &path, const WriteOptions &options = {},
                    WriteReport *report = nullptr);

// The bytes writeDocument puts into a file at path (no merge table copies are made; report
// gets the header's data list paths).
Result<QByteArray> documentBytes(const LabelDocument &document, const QString &path,
                                 const WriteOptions &options = {}, WriteReport *report = nullptr);

// What a read found besides the document.
struct ReadReport {
    qint32 format = 0;       // the first integer of the file
    bool legacy = false;     // read by the legacy import
    QString version;         // the version text ("v1.0"); not interpreted
    int zoom = 100;          // the zoom stored in the header
    // The work label exactly as the file stores it (grid and print settings included); the
    // document's own work label takes only the sheet, its paper colour and the zoom from it.
    std::optional<TZR_WorkLabel> storedWorkLabel;
    // Damage met inside the pages, cells and objects: reading stopped (or skipped an object)
    // there and everything read before was kept. Empty for an intact file.
    QList<ReadProblem> problems;
    // Remarks that are not damage, from the legacy import (for example a missing data list).
    QStringList warnings;

    bool complete() const { return problems.isEmpty(); }
};

// Reads a document file into document. A file that cannot be opened, a damaged header or work
// label record fail the read and leave document unchanged. Damage after that keeps what was
// read, completes the pages with empty cells and lists the problem in the report. The document
// gets the path as its file name, cell 1 of page 1 current, and is not modified.
// The document classes are registered here; the label object classes must have been registered
// by the caller (registerObjectClasses()), else every object is reported as an unknown class.
Result<ReadReport> readDocument(LabelDocument &document, const QString &path);
// The same from bytes already in memory; path only names the document.
Result<ReadReport> readDocumentBytes(LabelDocument &document, const QByteArray &data,
                                     const QString &path);

} // namespace quill
