// The user's settings record and its storage in QSettings.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace quill {

class AppFolders;

// The folders used when the stored settings name none.
struct SettingsDefaults {
    QString autoSaveFolder; // the user data folder's Data folder
    QString pictureFolder; // the user's picture folder

    static SettingsDefaults forFolders(const AppFolders &folders);
};

struct SettingsLoad;

// The settings the main window holds after start-up. Stored as text values in the group
// "QuillLabel"; the installed version lives in the group "Update" and the recent-files list in
// "MRUList" (TZR_HistoryList).
struct QuillSettings {
    bool autoSave = true;
    QString autoSaveFolder;
    bool undoMove = true; // snapshot after moving or resizing objects
    bool undoCreate = true; // snapshot after creating an object
    bool undoModify = true; // snapshot after changing properties
    bool pictureFolderOn = true;
    QString pictureFolder;
    int recentFileCount = 5; // 1..10
    QString leftMargin = QStringLiteral("0"); // print offsets, decimal millimetres as text
    QString topMargin = QStringLiteral("0");

    static constexpr int MinRecentFiles = 1;
    static constexpr int MaxRecentFiles = 10;
    static constexpr int DefaultRecentFiles = 5;

    static QString group() { return QStringLiteral("QuillLabel"); }
    static QString updateGroup() { return QStringLiteral("Update"); }

    // Reads the record. Missing or empty values take their defaults; the two folders are
    // created when missing (a failure to create them is not reported). Values that cannot be
    // understood take their defaults too and add a warning to the result instead of stopping
    // the start-up.
    static SettingsLoad read(QSettings &settings, const SettingsDefaults &defaults);

    // Writes what the settings dialog confirms: the auto-save, undo and picture values and the
    // recent-files count. Booleans are written "-1" (true) and "0" (false).
    void write(QSettings &settings) const;
    // Reads and writes the print offsets of the print dialogs (absent or empty: "0").
    void readPrintOffsets(QSettings &settings);
    void writePrintOffsets(QSettings &settings) const;

    // Boolean text: "True"/"False" in any case, or a number (0 false, any other true).
    // Returns false in ok for any other text.
    static bool parseBoolean(const QString &text, bool *ok);
    static QString booleanText(bool value);

    // The installed version under "Update", in the value the caption file's [Update] KeyName
    // names; empty when missing.
    static QString installedVersion(QSettings &settings, const QString &keyName);
};

struct SettingsLoad {
    QuillSettings settings;
    QStringList warnings; // one message per value that could not be understood
};

// The production store: the user's settings of organisation "TALVERO", application
// "QuillLabel".
std::unique_ptr<QSettings> openUserSettings();

} // namespace quill
