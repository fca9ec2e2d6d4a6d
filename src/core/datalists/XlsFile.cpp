// Excel .xls lists: read with freexl; written by converting an .xlsx with LibreOffice.
#include "WorkbookFiles.h"

#include "FileSupport.h"
#include "SheetGrid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <freexl.h>

namespace quill {
namespace {

constexpr int ConverterTimeoutMs = 120000;

class XlsHandle {
public:
    ~XlsHandle()
    {
        if (handle)
            freexl_close(handle);
    }
    const void *handle = nullptr;
};

Result<QStringList> openSheets(const QString &path, XlsHandle &xls)
{
    if (!QFileInfo(path).isFile())
        return fileError(path, QStringLiteral("file not found"));
    const int rc = freexl_open(QFile::encodeName(path).constData(), &xls.handle);
    if (rc != FREEXL_OK)
        return fileError(path, QStringLiteral("not a readable Excel 97-2003 workbook (code %1)").arg(rc));
    unsigned int count = 0;
    if (freexl_get_info(xls.handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK || count == 0)
        return fileError(path, QStringLiteral("the workbook lists no sheets"));
    QStringList names;
    for (unsigned int i = 0; i < count; ++i) {
        const char *name = nullptr;
        freexl_get_worksheet_name(xls.handle, quint16(i), &name);
        names.append(name ? QString::fromUtf8(name) : QStringLiteral("Sheet%1").arg(i + 1));
    }
    return names;
}

QVariant cellValue(const FreeXL_CellValue &cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT: return QVariant(qlonglong(cell.value.int_value));
    case FREEXL_CELL_DOUBLE: return numberValue(cell.value.double_value);
    case FREEXL_CELL_TEXT: case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE: case FREEXL_CELL_DATETIME: case FREEXL_CELL_TIME:
        return cell.value.text_value ? QVariant(QString::fromUtf8(cell.value.text_value)) : QVariant();
    default: return {};
    }
}

// Looked up on the PATH of the moment, so a converter installed (or a PATH changed) while the
// program runs is found without a restart.
QString findConverter()
{
    for (const QString &name : {QStringLiteral("soffice"), QStringLiteral("libreoffice")}) {
        const QString exe = QStandardPaths::findExecutable(name);
        if (!exe.isEmpty())
            return exe;
    }
    return {};
}

// The last line the converter printed, to say why it failed.
QString lastOutputLine(QProcess &process)
{
    const QList<QByteArray> lines = process.readAll().trimmed().split('\n');
    return QString::fromLocal8Bit(lines.isEmpty() ? QByteArray() : lines.last().trimmed()).left(200);
}

Status runConverter(const QString &converter, const QString &workDir, const QString &xlsx)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // A private profile keeps the converter from clashing with a running LibreOffice; as a URL
    // so that spaces and Korean letters in the temporary folder's path survive.
    const QString profile = QUrl::fromLocalFile(QDir(workDir).filePath(QStringLiteral("profile")))
                                .toString(QUrl::FullyEncoded);
    process.start(converter, {QStringLiteral("-env:UserInstallation=") + profile,
                              QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                              QStringLiteral("xls"), QStringLiteral("--outdir"), workDir, xlsx});
    if (!process.waitForStarted())
        return Error(QStringLiteral("the Excel converter %1 cannot be started").arg(converter));
    if (!process.waitForFinished(ConverterTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return Error(QStringLiteral("the Excel converter did not finish in time"));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString why = lastOutputLine(process);
        return Error(QStringLiteral("the Excel converter failed (exit code %1)").arg(process.exitCode())
                     + (why.isEmpty() ? QString() : QStringLiteral(": ") + why));
    }
    return Status::success();
}

} // namespace

Result<QStringList> xlsSheetNames(const QString &path)
{
    XlsHandle xls;
    return openSheets(path, xls);
}

Result<DataTable> readXlsFile(const QString &path, const QString &sheet)
{
    XlsHandle xls;
    auto names = openSheets(path, xls);
    if (!names)
        return names.error();
    int index = 0;
    if (!sheet.isEmpty()) {
        index = -1;
        for (int i = 0; i < names.value().size(); ++i) {
            if (names.value().at(i).compare(sheet, Qt::CaseInsensitive) == 0)
                index = i;
        }
        if (index < 0)
            return fileError(path, QStringLiteral("there is no sheet %1").arg(sheet));
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(xls.handle, quint16(index)) != FREEXL_OK
        || freexl_worksheet_dimensions(xls.handle, &rows, &columns) != FREEXL_OK)
        return fileError(path, QStringLiteral("the sheet %1 is damaged").arg(names.value().at(index)));
    QList<QVariantList> grid;
    grid.reserve(rows);
    for (unsigned int r = 0; r < rows; ++r) {
        QVariantList row;
        row.reserve(columns);
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue cell;
            row.append(freexl_get_cell_value(xls.handle, r, c, &cell) == FREEXL_OK ? cellValue(cell)
                                                                                   : QVariant());
        }
        grid.append(row);
    }
    auto table = tableFromGrid(names.value().at(index), std::move(grid));
    if (!table)
        return fileError(path, table.error().message);
    return table;
}

bool canWriteXls()
{
    return !findConverter().isEmpty();
}

Status writeXlsFile(const QString &path, const DataTable &table)
{
    const QString converter = findConverter();
    if (converter.isEmpty())
        return Error(QStringLiteral("Excel 프로그램이 설치 되어 있지 않습니다."), path);
    QTemporaryDir work;
    if (!work.isValid())
        return fileError(path, QStringLiteral("no room for a temporary workbook"));
    // The converter names its output after the input: Sheet1.xlsx becomes Sheet1.xls.
    const QString xlsx = work.filePath(QStringLiteral("Sheet1.xlsx"));
    if (Status s = writeXlsxFile(xlsx, table); !s)
        return s;
    if (Status s = runConverter(converter, work.path(), xlsx); !s)
        return fileError(path, s.error().message);
    const QString converted = work.filePath(QStringLiteral("Sheet1.xls"));
    if (QFileInfo(converted).size() <= 0)
        return fileError(path, QStringLiteral("the Excel converter wrote nothing"));
    // The converter wrote into the private folder; the target is replaced only now, in one step.
    AtomicPath target(path);
    if (!target.isValid() || !QFile::copy(converted, target.tempPath()))
        return fileError(path, QStringLiteral("the file cannot be written"));
    return target.commit();
}

} // namespace quill
