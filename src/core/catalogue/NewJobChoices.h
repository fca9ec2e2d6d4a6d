// The lists of the new job dialog: paper kinds, product families and what is chosen first.
#pragma once

#include "PaperCatalogue.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quill {

class CaptionFile;

// The product families of the caption file: [LabelType] itemcount (or ItemCount) gives N and
// item1 .. itemN the names, in that order. A count that is no number gives no names.
QStringList captionLabelTypes(const CaptionFile &captions);
// The file-label product ([LabelType] FileLabel), which always gets white paper.
QString fileLabelName(const CaptionFile &captions);

// The families offered for a paper kind: for "A4" the caption file's list, whatever the
// catalogue holds; for any other kind the catalogue's families of that paper.
QStringList newJobFamilies(const PaperCatalogue &catalogue, const CaptionFile &captions,
                           const QString &paper);

// The paper kind chosen when the dialog opens: "A4" when the catalogue has it, else the first
// of the caption file's [PaperType] items that it has, else the first kind; empty for none.
QString initialPaperKind(const QStringList &paperKinds, const CaptionFile &captions);
// The family chosen when the dialog opens: [LabelType] item1 when it is in the list, else the
// first one; -1 for an empty list.
int initialFamilyRow(const QStringList &families, const CaptionFile &captions);

// Digits only in the labels-per-sheet search: what a typed character does.
enum class CountKey { Accept, Search, Refuse };
CountKey countSearchKey(QChar typed);
// The typed count, or nothing for an empty text; a count too large for any sheet gives
// nothing too.
std::optional<int> parseLabelCount(const QString &text);

} // namespace quill
