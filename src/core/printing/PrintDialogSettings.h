// What the print dialogs collect, and how it becomes the work label's print settings.
#pragma once

#include <QString>

namespace quill {

class TZR_WorkLabel;

// The print dialog's choices. Offsets are millimetres as typed; cell numbers count from 1.
struct PrintDialogSettings {
    enum class Range { All, Start, Part };

    // What the print command adds to the typed offsets: the paper of most printers sits that
    // far from where the dialog's zero puts it.
    static constexpr double LeftAddition = 1.0; // mm
    static constexpr double TopAddition = 0.5; // mm
    // Start cells and label counts are held in 16-bit settings (FromLabel, LabelCount); a
    // larger number would wrap around and print somewhere else entirely.
    static constexpr int MaxCellNumber = 65535;
    static constexpr int MaxCopies = 99;

    double leftMargin = 0.0;
    double topMargin = 0.0;
    Range range = Range::All;
    int startCell = 1; // "시작위치": start cell
    int partFrom = 1; // "일부분": first cell ...
    int partCount = 1; // ... and number of labels
    bool labelSheetCopies = false; // the (hidden) label count chose the copies
    int paperSheets = 1;
    int labelSheets = 1;
    bool cutLine = false;
    bool allPrint = false; // print the current cell's design into every cell

    // Sets offsets (plus the additions), start cell, part print with its count, copies and
    // cut marks. Out-of-range numbers are brought into range. Returns true when the design
    // must be printed replicated because allPrint is ticked.
    bool applyTo(TZR_WorkLabel &label) const;
};

// A range of sheets, first..last; empty when last < first.
struct SheetRange {
    int first = 1;
    int last = 0;
    bool isEmpty() const { return last < first; }
    int count() const { return isEmpty() ? 0 : last - first + 1; }
};

// The page range dialog's choices: offsets used as typed and one of three ranges of sheets.
struct PageRangeSettings {
    enum Option { AllPages = 0, OnePage = 1, PageRange = 2 };

    double leftMargin = 0.0;
    double topMargin = 0.0;
    int option = AllPages;
    int onlyPage = 1;
    int fromPage = 1;
    int toPage = 1;

    // The sheets chosen, cut to 1..pageCount: a sheet past the run's last one has no labels
    // of its own (a replicated run would repeat the last record there).
    SheetRange sheets(int pageCount) const;
    // Writes the offsets unchanged and PrintStartPage/PrintEndPage. Returns the range; when it
    // is empty the work label is left alone.
    SheetRange applyTo(TZR_WorkLabel &label, int pageCount) const;
};

// A stored offset text as a number: empty is 0; a text that is not a decimal number (in the C
// locale; a decimal comma is taken too) gives 0 and false in ok.
double printOffsetFromText(const QString &text, bool *ok = nullptr);
// The text stored for an offset: the shortest decimal form, "0" for zero.
QString printOffsetText(double mm);

} // namespace quill
