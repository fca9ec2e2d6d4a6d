// The installed printer queues, as the print dialog and the command-line tool list them.
#pragma once

#include <QStringList>

namespace quill {

// Names of the installed print queues, the default queue first.
QStringList installedPrinterNames();

} // namespace quill
