// The names the Save commands propose and take: "noname" + k, and the document extension.
#pragma once

#include <QString>

namespace quill {

// The name proposed for an unnamed document in folder: "noname" + k + "." + extension for the
// first k from 1 to 100 whose file does not exist; "noname1." + extension when all do.
QString proposedDocumentName(const QString &folder, const QString &extension);

// A typed name keeps its text; the extension is appended unless the name already ends with
// "." + extension in any letter case ("report" -> "report.qbl", "report.QBL" stays,
// "report.qbl.old" -> "report.qbl.old.qbl"), so that the copies of merge tables beside the
// document keep the ".dbl" and ".bbl" names the data list loader recognises.
QString withDocumentExtension(const QString &name, const QString &extension);

} // namespace quill
