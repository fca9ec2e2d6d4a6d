// Loading, checking and writing the values of the settings dialog.
#include "SettingsForm.h"

#include "document/EditHistory.h"
#include "document/LabelDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

namespace quill {

namespace {

bool makeFolder(const QString &folder)
{
    return QFileInfo(folder).isDir() || QDir().mkpath(folder);
}

// True when a file can be created in folder (the permission bits alone can mislead).
bool canWriteIn(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    return probe.open();
}

} // namespace

namespace SettingsForm {

QuillSettings load(QSettings &settings, const SettingsDefaults &defaults)
{
    // Values the settings cannot understand show their defaults; the dialog writes them back
    // corrected when confirmed.
    return QuillSettings::read(settings, defaults).settings;
}

Status validate(const QuillSettings &values)
{
    if (values.recentFileCount < QuillSettings::MinRecentFiles
        || values.recentFileCount > QuillSettings::MaxRecentFiles)
        return Error {QStringLiteral("최근 파일 개수는 %1부터 %2까지입니다.")
                          .arg(QuillSettings::MinRecentFiles)
                          .arg(QuillSettings::MaxRecentFiles)};
    if (values.autoSave) {
        const QString folder = values.autoSaveFolder.trimmed();
        if (folder.isEmpty())
            return Error {QStringLiteral("자동 저장 폴더를 지정하십시오.")};
        if (!makeFolder(folder) || !canWriteIn(folder))
            return Error {
                QStringLiteral("자동 저장 폴더를 만들거나 쓸 수 없습니다.\n%1").arg(folder),
                folder};
    }
    if (values.pictureFolderOn) {
        const QString folder = values.pictureFolder.trimmed();
        if (folder.isEmpty())
            return Error {QStringLiteral("그림 기본 폴더를 지정하십시오.")};
        if (!makeFolder(folder))
            return Error {
                QStringLiteral("그림 기본 폴더를 만들 수 없습니다.\n%1").arg(folder), folder};
    }
    return Status::success();
}

Status apply(QSettings &settings, const QuillSettings &values)
{
    if (Status valid = validate(values); !valid)
        return valid;
    QuillSettings trimmed = values;
    trimmed.autoSaveFolder = values.autoSaveFolder.trimmed();
    trimmed.pictureFolder = values.pictureFolder.trimmed();
    trimmed.write(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return Error {QStringLiteral("설정을 저장할 수 없습니다."), settings.fileName()};
    return Status::success();
}

UndoFlags undoFlags(const QuillSettings &values)
{
    UndoFlags flags;
    flags.undoCreateFlag = values.undoCreate;
    flags.undoMoveFlag = values.undoMove;
    flags.undoModifyFlag = values.undoModify;
    return flags;
}

} // namespace SettingsForm

} // namespace quill
