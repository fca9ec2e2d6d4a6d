// libFuzzer entry for the parser of what the Excel 97-2003 reader process prints: the first byte
// picks the frame (even: a sheet's cells, odd: sheet names), the rest is the output. The reader
// itself (freexl) is not ours to fuzz; this parser is what stands between it and the program.
#include "datalists/XlsReaderOutput.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArrayView output(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (data[0] & 1) {
        auto names = parseXlsSheetNames(output);
        if (!names && names.error().message.isEmpty())
            std::abort();
        if (names && names.value().isEmpty())
            std::abort(); // a workbook without sheets is refused
        return 0;
    }
    auto table = parseXlsSheet(output, QStringLiteral("Sheet1"));
    if (!table) {
        if (table.error().message.isEmpty())
            std::abort();
        return 0;
    }
    for (const QVariantList &row : table.value().rows) {
        if (row.size() != table.value().fields.size())
            std::abort();
    }
    return 0;
}
