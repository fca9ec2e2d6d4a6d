// libFuzzer entry for the data list readers: the first byte picks the format (xlsx, ods, csv,
// dbf, db, xls, sqlite), the rest is the file. It is written to a temporary file and read the
// way the program reads a list: its tables, then the first one. Excel 97-2003 (.xls) inputs are
// passed over: that format is read by a separate process per file (freexl, not our code), and
// the parser of that process's output has a fuzz target of its own (fuzz_xls_reader_output).
#include "datalists/DataListFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quill;

namespace {

const char *const Extensions[] = {"xlsx", "ods", "csv", "dbf", "db", "xls", "sqlite"};

// A read broke its contract: an error without a message, or rows that do not match the fields.
void checkRead(const Result<DataTable> &table)
{
    if (!table) {
        if (table.error().message.isEmpty())
            std::abort();
        return;
    }
    for (const QVariantList &row : table.value().rows) {
        if (row.size() != table.value().fields.size())
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // SQLite lists open through Qt Sql, which wants an application; libFuzzer keeps its arguments.
    static int argc = 1;
    static char name[] = "fuzz_datalist_reader";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QLatin1String extension(Extensions[data[0] % std::size(Extensions)]);
    if (extension == QLatin1String("xls"))
        return 0; // kept in the table so that the format bytes of existing corpora stay valid
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.") + extension);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1));
    }
    auto tables = dataListTables(path);
    if (!tables && tables.error().message.isEmpty())
        std::abort();
    checkRead(readDataList(path));
    return 0;
}
