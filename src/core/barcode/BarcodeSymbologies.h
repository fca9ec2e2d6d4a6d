// The symbology lists of the two barcode controls: index -> libzint symbology and options.
#pragma once

#include <QList>
#include <QString>

namespace quill {

// One entry of the one-dimensional list. Documents store the index (CodeType), so the order of
// linearSymbologies() never changes; new symbologies are only ever appended.
struct LinearSymbology {
    enum class Text { Plain, StartStopStars, CodabarStartStop };

    QString name;           // shown in the barcode type list
    int zintId = 0;         // BARCODE_* of libzint
    int parityOption = -1;  // option_2 that adds the optional check digit; -1: none optional
    int noParityOption = 0; // option_2 without the optional check digit
    bool fixedCheck = false;// the symbology always carries a check digit (EAN, UPC, postal)
    int checkChars = 0;     // check characters at the end of the human-readable text
    bool guardBars = false; // EAN/UPC: some bars descend into the text
    bool gs1 = false;       // data are GS1 application identifiers, "(01)..." or "[01]..."
    bool stripHyphens = false; // postal codes: hyphens are dropped before encoding
    QList<int> lengths;     // allowed numbers of digits (empty: the symbology decides)
    Text text = Text::Plain;
};

// One mode of a two-dimensional symbology: the libzint options it sets (-1: leave default).
struct MatrixMode {
    QString name;
    int option1 = -1;
    int option2 = -1;
    int option3 = -1;
};

struct MatrixSymbology {
    QString name;
    int zintId = 0;
    QList<MatrixMode> modes; // at least one
};

// The fixed lists. An index past the end has no entry (nullptr) and an empty name.
const QList<LinearSymbology> &linearSymbologies();
const QList<MatrixSymbology> &matrixSymbologies();
const LinearSymbology *linearSymbology(int index);
const MatrixSymbology *matrixSymbology(int index);

} // namespace quill
