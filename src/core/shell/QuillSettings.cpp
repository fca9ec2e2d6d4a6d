// Reading and writing the settings record; lenient parsing of the stored texts.
#include "QuillSettings.h"

#include "shell/AppFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quill {

namespace {

// A stored value as text; missing values read as empty.
QString stored(QSettings &settings, const QString &key)
{
    return settings.value(key).toString();
}

bool readBoolean(QSettings &settings, const QString &key, QStringList &warnings)
{
    const QString text = stored(settings, key);
    if (text.isEmpty())
        return true; // every Boolean setting is on when missing
    bool ok = false;
    const bool value = QuillSettings::parseBoolean(text, &ok);
    if (ok)
        return value;
    warnings << QStringLiteral("'%1' is not a valid boolean value").arg(text);
    return true;
}

int readRecentFileCount(QSettings &settings, QStringList &warnings)
{
    const QString text = stored(settings, QStringLiteral("OpenFileNum")).trimmed();
    if (text.isEmpty())
        return QuillSettings::DefaultRecentFiles;
    bool ok = false;
    const int count = text.toInt(&ok);
    if (!ok) {
        warnings << QStringLiteral("'%1' is not a valid integer value").arg(text);
        return QuillSettings::DefaultRecentFiles;
    }
    const int bounded = qBound(QuillSettings::MinRecentFiles, count, QuillSettings::MaxRecentFiles);
    if (bounded != count)
        warnings << QStringLiteral("OpenFileNum %1 is outside %2 to %3; %4 is used")
                        .arg(count)
                        .arg(QuillSettings::MinRecentFiles)
                        .arg(QuillSettings::MaxRecentFiles)
                        .arg(bounded);
    return bounded;
}

// A stored folder, or the default when none is stored; created when missing.
QString readFolder(QSettings &settings, const QString &key, const QString &fallback)
{
    QString folder = stored(settings, key);
    if (folder.isEmpty())
        folder = fallback;
    if (!folder.isEmpty() && !QFileInfo(folder).isDir())
        QDir().mkpath(folder); // a failure shows later, when a file is written there
    return folder;
}

QString readOffset(QSettings &settings, const QString &key)
{
    const QString text = stored(settings, key);
    return text.isEmpty() ? QStringLiteral("0") : text;
}

} // namespace

SettingsDefaults SettingsDefaults::forFolders(const AppFolders &folders)
{
    return {folders.dataDir(), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)};
}

SettingsLoad QuillSettings::read(QSettings &settings, const SettingsDefaults &defaults)
{
    SettingsLoad load;
    QuillSettings &s = load.settings;
    settings.beginGroup(group());
    s.autoSave = readBoolean(settings, QStringLiteral("AutoSaveFlag"), load.warnings);
    s.autoSaveFolder
        = readFolder(settings, QStringLiteral("AutoSaveFolder"), defaults.autoSaveFolder);
    s.undoMove = readBoolean(settings, QStringLiteral("UndoMoveFlag"), load.warnings);
    s.undoCreate = readBoolean(settings, QStringLiteral("UndoCreateFlag"), load.warnings);
    s.undoModify = readBoolean(settings, QStringLiteral("UndoModifyFlag"), load.warnings);
    s.pictureFolderOn = readBoolean(settings, QStringLiteral("ImgFolderFlag"), load.warnings);
    s.pictureFolder = readFolder(settings, QStringLiteral("ImgFolder"), defaults.pictureFolder);
    s.recentFileCount = readRecentFileCount(settings, load.warnings);
    settings.endGroup();
    s.readPrintOffsets(settings);
    return load;
}

void QuillSettings::write(QSettings &settings) const
{
    settings.beginGroup(group());
    settings.setValue(QStringLiteral("AutoSaveFlag"), booleanText(autoSave));
    settings.setValue(QStringLiteral("AutoSaveFolder"), autoSaveFolder);
    settings.setValue(QStringLiteral("UndoMoveFlag"), booleanText(undoMove));
    settings.setValue(QStringLiteral("UndoCreateFlag"), booleanText(undoCreate));
    settings.setValue(QStringLiteral("UndoModifyFlag"), booleanText(undoModify));
    settings.setValue(QStringLiteral("ImgFolderFlag"), booleanText(pictureFolderOn));
    settings.setValue(QStringLiteral("ImgFolder"), pictureFolder);
    settings.setValue(QStringLiteral("OpenFileNum"), QString::number(recentFileCount));
    settings.endGroup();
}

void QuillSettings::readPrintOffsets(QSettings &settings)
{
    settings.beginGroup(group());
    leftMargin = readOffset(settings, QStringLiteral("LeftMargin"));
    topMargin = readOffset(settings, QStringLiteral("TopMargin"));
    settings.endGroup();
}

void QuillSettings::writePrintOffsets(QSettings &settings) const
{
    settings.beginGroup(group());
    settings.setValue(QStringLiteral("LeftMargin"), leftMargin);
    settings.setValue(QStringLiteral("TopMargin"), topMargin);
    settings.endGroup();
}

bool QuillSettings::parseBoolean(const QString &text, bool *ok)
{
    const QString trimmed = text.trimmed();
    bool isBoolean = true;
    bool value = false;
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        value = true;
    } else if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        value = false;
    } else {
        const double number = trimmed.toDouble(&isBoolean);
        value = isBoolean && number != 0.0;
    }
    if (ok)
        *ok = isBoolean;
    return value;
}

QString QuillSettings::booleanText(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

QString QuillSettings::installedVersion(QSettings &settings, const QString &keyName)
{
    if (keyName.isEmpty())
        return {};
    settings.beginGroup(updateGroup());
    const QString version = stored(settings, keyName);
    settings.endGroup();
    return version;
}

std::unique_ptr<QSettings> openUserSettings()
{
    return std::make_unique<QSettings>(
        QSettings::UserScope, QStringLiteral("TALVERO"), QStringLiteral("QuillLabel"));
}

} // namespace quill
