// Excel .xls lists: read by the quill-xls-reader process (freexl); written by converting an
// .xlsx with LibreOffice.
#include "WorkbookFiles.h"

#include "FileSupport.h"
#include "XlsReaderOutput.h"
#include "shell/AppFolders.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace quill {
namespace {

constexpr int ConverterTimeoutMs = 120000;

// freexl overruns its buffers on some damaged workbooks, so it runs in a process of its own:
// a crash there ends the read with an error instead of the program with the user's work.
constexpr int ReaderTimeoutMs = 60000;
// The largest output taken from the reader. A full Excel 97-2003 sheet (65,536 rows by 256
// columns, far below MaxSheetCells) is about 150 MB as numbers; text cells that repeat long
// shared strings can go beyond, but more than this would not fit the table in memory anyway.
constexpr qint64 MaxReaderOutput = qint64(512) * 1024 * 1024;
constexpr qsizetype MaxReaderMessage = 200;
// Exit codes of the reader (src/xlsreader/XlsReaderFormat.h).
constexpr int ReaderWorkbookUnreadable = 2;
constexpr int ReaderSheetUnreadable = 3;

// QUILL_XLS_READER_TIMEOUT_MS shortens (or lengthens) the wait, for tests and slow machines.
int readerTimeoutMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("QUILL_XLS_READER_TIMEOUT_MS", &ok);
    return ok && ms > 0 ? ms : ReaderTimeoutMs;
}

struct ReaderRun {
    QByteArray output;
    int exitCode = 0;
    QString message; // the reader's own one-line reason for exit codes 2 and 3; may be empty
};

// The reader's reason, when it is one plain line of ASCII as the reader writes it; anything
// else is not shown to the user.
QString readerMessage(const QByteArray &stderrBytes)
{
    const QByteArray line = stderrBytes.trimmed();
    if (line.isEmpty() || line.size() > MaxReaderMessage)
        return {};
    for (const char c : line) {
        if (c < 0x20 || c > 0x7e)
            return {};
    }
    return QString::fromLatin1(line);
}

// Collects the reader's output until it ends, giving up at the deadline or the size cap.
Status collectOutput(QProcess &process, QByteArray &output, QByteArray &errors, const QString &path)
{
    const int timeoutMs = readerTimeoutMs();
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        output += process.readAllStandardOutput();
        errors += process.readAllStandardError().left(MaxReaderMessage * 2 - errors.size());
        if (output.size() > MaxReaderOutput)
            return fileError(path, xlsReaderDamagedMessage(QStringLiteral("the reader's output is too large")));
        if (process.state() == QProcess::NotRunning)
            return Status::success();
        if (deadline.hasExpired())
            return fileError(path, xlsReaderDamagedMessage(
                                       QStringLiteral("the reader did not finish within %1 seconds")
                                           .arg(timeoutMs / 1000.0)));
        const int slice = int(qMin<qint64>(deadline.remainingTime(), 250));
        // Without output to wait for (a reader that closed its stdout), wait for its end.
        if (!process.waitForReadyRead(slice) && process.state() != QProcess::NotRunning)
            process.waitForFinished(slice);
    }
}

// Runs the reader on path with the given extra arguments. Any way it can fail is an error
// with the file's name; a run that returns has exited normally.
Result<ReaderRun> runReader(const QString &path, const QStringList &extraArguments)
{
    const auto reader = AppFolders::xlsReaderPath();
    if (!reader)
        return fileError(path, reader.error().message);
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(reader.value(), QStringList{QFileInfo(path).absoluteFilePath()} + extraArguments);
    if (!process.waitForStarted())
        return fileError(path, QStringLiteral("the Excel 97-2003 reader %1 cannot be started")
                                   .arg(reader.value()));
    ReaderRun run;
    QByteArray errors;
    const Status collected = collectOutput(process, run.output, errors, path);
    if (!collected) {
        process.kill();
        process.waitForFinished();
        return collected.error();
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return fileError(path, xlsReaderDamagedMessage(QStringLiteral("the reader crashed on it")));
    run.exitCode = process.exitCode();
    run.message = readerMessage(errors);
    return run;
}

// The error for a reader that ran to its end but did not read the file.
Error readerFailure(const QString &path, const ReaderRun &run)
{
    if (run.exitCode == ReaderWorkbookUnreadable && !run.message.isEmpty())
        return fileError(path, run.message);
    return fileError(path, xlsReaderDamagedMessage(
                               QStringLiteral("the reader failed with exit code %1").arg(run.exitCode)));
}

Result<QStringList> sheetNames(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return fileError(path, QStringLiteral("file not found"));
    auto run = runReader(path, {});
    if (!run)
        return run.error();
    if (run.value().exitCode != 0)
        return readerFailure(path, run.value());
    auto names = parseXlsSheetNames(run.value().output);
    if (!names)
        return fileError(path, names.error().message);
    return names;
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
    return sheetNames(path);
}

Result<DataTable> readXlsFile(const QString &path, const QString &sheet)
{
    auto names = sheetNames(path);
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
    const QString name = names.value().at(index);
    auto run = runReader(path, {QString::number(index)});
    if (!run)
        return run.error();
    if (run.value().exitCode == ReaderSheetUnreadable)
        return fileError(path, QStringLiteral("the sheet %1 is damaged").arg(name));
    if (run.value().exitCode != 0)
        return readerFailure(path, run.value());
    auto table = parseXlsSheet(run.value().output, name);
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
