// Property tables of the document's own records (work label, page, cell panel) and adapters
// between them and the typed document model.
#pragma once

#include "LabelCell.h"
#include "LabelPage.h"
#include "PersistentObject.h"
#include "ZR_WorkLabel.h"

#include <memory>

namespace quill {

// "TZR_WorkLabel": the inherited control properties (Left, Top, Width, Height always written,
// the other settings at their defaults, Color between Anchors and Constraints, written when it
// is not clWhite), then the work label's own properties with the sheet nested as
// "LabelSize.<property>" in its own order.
const ClassInfo &workLabelClassInfo();
// "TTabSheet": a label page; only Caption differs from the toolkit's defaults.
const ClassInfo &tabSheetClassInfo();
// "TPanel": a cell panel; Left, Top, Width, Height and TabOrder are written.
const ClassInfo &panelClassInfo();

// Registers the three classes by name so that records can be read without a target.
// Safe to call more than once.
void registerDocumentClasses();

// The work label as a record object, and back. Applying copies every persisted property into
// the typed work label (Word properties are taken modulo 2^16 as the toolkit stores them; a
// ZoomPercent of 0 is refused and leaves the old zoom).
std::unique_ptr<PersistentObject> workLabelToObject(const TZR_WorkLabel &workLabel);
void applyWorkLabelObject(const PersistentObject &object, TZR_WorkLabel &workLabel);

// A page's record object (its caption), and back.
std::unique_ptr<PersistentObject> pageToObject(const LabelPage &page);
void applyPageObject(const PersistentObject &object, LabelPage &page);

// A cell panel's record object (bounds at 100 % and tab position), and back.
std::unique_ptr<PersistentObject> cellToObject(const LabelCell &cell);
void applyCellObject(const PersistentObject &object, LabelCell &cell);

} // namespace quill
