// The name of a data list and what a send from the data list manager hands back to the editor.
#pragma once

#include "objects/ZR_ADDHono.h"

#include <QString>
#include <QStringList>

namespace quill {

// A data list: the file, and the table or sheet inside it for files that hold several (empty
// for the others, or for the first one).
struct TSendDBName {
    QString path;
    QString table;
    bool isEmpty() const { return path.isEmpty(); }
    bool operator==(const TSendDBName &other) const = default;
};

// A send to labels: the list the field labels are bound to (the user's own list when every
// record was chosen, label.tmp otherwise), the fields sent in send order and the honorific.
struct LabelSendResult {
    TSendDBName list;
    QStringList fields;
    TZR_ADDHono honorific;
};

// A barcode send: the list the barcode is bound to (the user's own list, or barcode.tmp), "1D"
// or "2D", the symbology index and the barcode field.
struct BarcodeSendResult {
    TSendDBName list;
    QString dimension = QStringLiteral("1D");
    int codeType = 0;
    QString field;
};

} // namespace quill
