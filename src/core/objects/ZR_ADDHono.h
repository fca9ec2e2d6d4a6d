// The honorific pair: the data-list field whose labels get an honorific, and the honorific.
#pragma once

#include <QString>

namespace quill {

class TZR_CustomGuideLabel;

// Chosen in the honorific dialog and handed to the labels a data list send creates.
struct TZR_ADDHono {
    QString fieldName;
    QString text;

    bool operator==(const TZR_ADDHono &) const = default;
};

// Why the honorific dialog refuses a pair.
enum class ADDHonoProblem {
    None,
    NoField, // no field chosen
    EmptyText, // nothing typed as the honorific
};

ADDHonoProblem checkADDHono(const TZR_ADDHono &pair);

// Gives label the pair's honorific (ADDHono) when it is bound to the pair's field (FieldName,
// compared exactly as the data list spells it). True when the label is that field's label.
bool applyADDHono(TZR_CustomGuideLabel &label, const TZR_ADDHono &pair);

} // namespace quill
