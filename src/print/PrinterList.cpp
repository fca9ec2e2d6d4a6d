#include "PrinterList.h"

#include <QPrinterInfo>

namespace quill {

QStringList installedPrinterNames()
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    const QString def = QPrinterInfo::defaultPrinterName();
    if (!def.isEmpty() && names.removeAll(def) > 0)
        names.prepend(def);
    return names;
}

} // namespace quill
