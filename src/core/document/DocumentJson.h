// A label document as JSON and back, for the command-line dump and build commands.
#pragma once

#include "../Result.h"
#include "DocumentFile.h"

#include <QByteArray>
#include <QJsonObject>

namespace quill {

// {"format", "version", "zoom", "labelData": {"path", "table"}, "barcodeData": {...},
//  "workLabel": {"class", "props"}, "pages": [{"props", "cells": [{"props",
//  "objects": [{"code", "class", "props"}]}]}]} with every property in stream order.
// The work label is the one the file stores (report.storedWorkLabel) when the report has it.
// "problems" lists the report's problems and "warnings" its warnings, each only when present.
QByteArray documentToJson(const LabelDocument &document, const ReadReport &report);

// Fills document from such JSON. Everything not given keeps its creation value: the work
// label starts as a new one, a page as "Page_" + its number, a cell with the sheet's bounds,
// an object with its class's creation values. Objects are named by "code" (a number) or
// "class" (or both, which must agree). "format" and "version" are not read: a document is
// always written in the current format. The header zoom goes into options->zoom.
// Fails, naming the place in the JSON, on anything it cannot take.
Status documentFromJson(LabelDocument &document, const QJsonObject &json, WriteOptions *options);

} // namespace quill
