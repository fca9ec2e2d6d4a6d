// Paths of the installed resources and the per-user data folder, and seeding of the latter.
#include "AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace quill {

namespace {

QString environmentFolder(const char *name)
{
    return QDir::cleanPath(qEnvironmentVariable(name));
}

// The data files a user keeps a writable copy of. Paradox tables come with index, memo and
// validity files (.px, .mb, .val, .xNN/.yNN, .xgN/.ygN), dBase tables with memo and index files.
const QRegularExpression &seededPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(
            "\\.(dat|db|dbf|dbt|px|mb|val|tv|mdx|ndx|cdx|[xy][0-9a-f]{2}|[xy]g[0-9a-f])$"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

AppFolders::AppFolders() : AppFolders(defaultResourceDir(), defaultDataHome()) { }

AppFolders::AppFolders(const QString &resourceDir, const QString &dataHome)
    : mResourceDir(QDir::cleanPath(resourceDir)), mDataHome(QDir::cleanPath(dataHome))
{
}

QString AppFolders::defaultResourceDir()
{
    if (!qEnvironmentVariableIsEmpty("QUILL_RESOURCE_DIR"))
        return environmentFolder("QUILL_RESOURCE_DIR");
    const QString sourceTree = QStringLiteral(QUILL_SOURCE_RESOURCE_DIR);
    if (QFileInfo(sourceTree).isDir())
        return QDir::cleanPath(sourceTree);
    return QDir::cleanPath(QStringLiteral(QUILL_INSTALLED_RESOURCE_DIR));
}

QString AppFolders::defaultDataHome()
{
    if (!qEnvironmentVariableIsEmpty("QUILL_DATA_HOME"))
        return environmentFolder("QUILL_DATA_HOME");
    // The AppDataLocation of organisation "TALVERO", application "QuillLabel", spelled out so
    // that every program of the product (editor, command-line tool) shares one folder whatever
    // names its QCoreApplication carries.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("TALVERO/QuillLabel"));
}

Result<QString> AppFolders::xlsReaderPath()
{
    const QString name = QStringLiteral("quill-xls-reader");
    if (!qEnvironmentVariableIsEmpty("QUILL_XLS_READER")) {
        // Named on purpose: a wrong name is reported rather than passed over for another copy.
        const QString chosen = environmentFolder("QUILL_XLS_READER");
        if (QFileInfo(chosen).isExecutable() && QFileInfo(chosen).isFile())
            return chosen;
        return Error {QStringLiteral("the Excel 97-2003 reader %1 named by QUILL_XLS_READER "
                                     "cannot be run").arg(chosen), chosen};
    }
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates.append(QDir(QCoreApplication::applicationDirPath()).filePath(name));
    candidates.append(QStringLiteral(QUILL_BUILD_XLS_READER));
    candidates.append(QStringLiteral(QUILL_INSTALLED_XLS_READER));
    for (const QString &candidate : std::as_const(candidates)) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return QDir::cleanPath(candidate);
    }
    return Error {QStringLiteral("the Excel 97-2003 reader %1 is not installed").arg(name),
                  QStringLiteral(QUILL_INSTALLED_XLS_READER)};
}

QString AppFolders::captionFilePath() const
{
    return QDir(mDataHome).filePath(QStringLiteral("label.dat"));
}

QString AppFolders::catalogueFilePath() const
{
    return QDir(mDataHome).filePath(QStringLiteral("spec.db"));
}

QString AppFolders::zipcodeFilePath() const
{
    return QDir(mDataHome).filePath(QStringLiteral("zipcode.dbf"));
}

QString AppFolders::tableFieldFilePath() const
{
    return QDir(mDataHome).filePath(QStringLiteral("TableField.dat"));
}

QString AppFolders::updateTypeFilePath() const
{
    return QDir(mDataHome).filePath(QStringLiteral("UpdateType.dat"));
}

QString AppFolders::versionFilePath() const
{
    return QDir(mDataHome).filePath(QStringLiteral("version.dat"));
}

QString AppFolders::mergeTablePath(MergeTable table) const
{
    // Beside the data files rather than in Temp: a merge table outlives the run (the document
    // refers to it by path until a save copies it), while Temp only holds throwaway files.
    const QString name
        = table == MergeTable::Label ? QStringLiteral("label.tmp") : QStringLiteral("barcode.tmp");
    return QDir(mDataHome).filePath(name);
}

QString AppFolders::tempDir() const
{
    return QDir(mDataHome).filePath(QStringLiteral("Temp"));
}

QString AppFolders::tempFilePath(const QString &fileName) const
{
    return QDir(tempDir()).filePath(fileName);
}

QString AppFolders::dataDir() const
{
    return QDir(mDataHome).filePath(QStringLiteral("Data"));
}

QString AppFolders::installedCaptionFilePath() const
{
    return QDir(mResourceDir).filePath(QStringLiteral("label.dat"));
}

QString AppFolders::splashPath() const
{
    return QDir(mResourceDir).filePath(QStringLiteral("img/intro.jpg"));
}

QString AppFolders::cursorPath(const QString &cursorName) const
{
    return QDir(mResourceDir)
        .filePath(QStringLiteral("Cur/") + cursorName + QStringLiteral(".cur"));
}

QString AppFolders::cursorPathForTool(int toolCode) const
{
    const QString name = cursorName(toolCode);
    return name.isEmpty() ? QString() : cursorPath(name);
}

QString AppFolders::cursorName(int toolCode)
{
    switch (toolCode) {
    case 22:
        return QStringLiteral("ZipCode");
    case 23:
        return QStringLiteral("Gradient");
    case 24:
        return QStringLiteral("Image");
    case 25:
        return QStringLiteral("Barcode");
    case 26:
        return QStringLiteral("2DBarcode");
    case 27:
        return QStringLiteral("Text");
    case 29:
        return QStringLiteral("Shape");
    case 30:
        return QStringLiteral("WordArt");
    case 32:
        return QStringLiteral("Serial");
    case 33:
        return QStringLiteral("Table");
    case 35:
        return QStringLiteral("TextArt");
    default:
        return {};
    }
}

bool AppFolders::isSeededFile(const QString &fileName)
{
    return seededPattern().match(fileName).hasMatch();
}

Status AppFolders::seed() const
{
    for (const QString &folder : {mDataHome, tempDir(), dataDir()}) {
        if (Status made = makeFolder(folder); !made)
            return made;
    }
    const QDir resources(mResourceDir);
    if (!resources.exists())
        return Error {
            QStringLiteral("설치된 프로그램 자료 폴더를 찾을 수 없습니다."), mResourceDir};
    const QStringList files = resources.entryList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &fileName : files) {
        if (!isSeededFile(fileName))
            continue;
        if (Status copied = copyMissing(fileName); !copied)
            return copied;
    }
    return Status::success();
}

Status AppFolders::makeFolder(const QString &path) const
{
    const QFileInfo info(path);
    if (info.isDir() && info.isWritable())
        return Status::success();
    if (!info.exists() && QDir().mkpath(path))
        return Status::success();
    return Error {QStringLiteral("사용자 자료 폴더를 만들거나 쓸 수 없습니다."), path};
}

Status AppFolders::copyMissing(const QString &fileName) const
{
    const QString target = QDir(mDataHome).filePath(fileName);
    if (QFileInfo::exists(target))
        return Status::success(); // the user's copy, possibly edited: never replaced
    const QString source = QDir(mResourceDir).filePath(fileName);
    // Copy under a temporary name and rename, so an interrupted copy is never taken for the
    // user's file on the next start.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(source, partial)) {
        QFile::remove(partial);
        return Error {
            QStringLiteral("프로그램 자료 파일을 사용자 자료 폴더에 복사할 수 없습니다."), target};
    }
    // Installed files are usually read only; the user's copy must be writable.
    QFile::setPermissions(
        partial, QFile::permissions(partial) | QFile::ReadOwner | QFile::WriteOwner);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return Error {
            QStringLiteral("프로그램 자료 파일을 사용자 자료 폴더에 복사할 수 없습니다."), target};
    }
    return Status::success();
}

} // namespace quill
