#include "BoundData.h"

namespace quill {

QString boundBarcodeData(const PaintContext &context, const QString &fieldName,
                         const QString &own)
{
    if (fieldName.isEmpty() || !context.barcodeRecord)
        return own;
    const QHash<QString, QString> &record = *context.barcodeRecord;
    const auto exact = record.constFind(fieldName);
    if (exact != record.cend())
        return exact.value();
    for (auto it = record.cbegin(); it != record.cend(); ++it) {
        if (it.key().compare(fieldName, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return own;
}

} // namespace quill
