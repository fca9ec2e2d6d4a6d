// The one place that knows where the program's installed resources and per-user files live.
#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

namespace quill {

// Answers "where is X" for the whole program. Two roots:
// - the installed resources (read only): cursors, the splash picture and the pristine copies of
//   the data files;
// - the user data folder (writable): the user's copies of the data files (caption file,
//   catalogue, field templates, postal code table), the Temp folder for undo snapshots and
//   clipboard files, the Data folder for auto-saves, the merge tables and downloaded files.
// Building a path never touches the disk; seed() prepares the user data folder.
class AppFolders {
public:
    enum class MergeTable {
        Label, // label.tmp: rows sent to field labels
        Barcode, // barcode.tmp: rows sent to barcodes
    };

    // Resources: $QUILL_RESOURCE_DIR, else the source tree's resources when they exist (running
    // from a build tree), else the installed folder. User data: $QUILL_DATA_HOME, else the XDG
    // data folder of organisation "TALVERO", application "QuillLabel".
    AppFolders();
    // Explicit roots, for tests and tools.
    AppFolders(const QString &resourceDir, const QString &dataHome);

    static QString defaultResourceDir();
    static QString defaultDataHome();

    // The helper that reads Excel 97-2003 workbooks in a process of its own (quill-xls-reader):
    // $QUILL_XLS_READER, else beside the running program, else the build tree's, else the
    // installed one. An error naming the helper when none of them is there.
    static Result<QString> xlsReaderPath();

    QString resourceDir() const { return mResourceDir; }
    QString dataHome() const { return mDataHome; }

    // Per-user files.
    QString captionFilePath() const; // label.dat, the user's copy (the program writes to it)
    QString catalogueFilePath() const; // spec.db
    QString zipcodeFilePath() const; // zipcode.dbf
    QString tableFieldFilePath() const; // TableField.dat
    QString updateTypeFilePath() const; // UpdateType.dat
    QString versionFilePath() const; // version.dat, downloaded by the update check
    QString mergeTablePath(MergeTable table) const;
    QString tempDir() const; // undo snapshots, clipboard files
    QString tempFilePath(const QString &fileName) const; // a file in tempDir()
    QString dataDir() const; // default auto-save folder

    // Installed, read-only files.
    QString installedCaptionFilePath() const;
    QString splashPath() const; // img/intro.jpg
    // Cur/<name>.cur, for a cursor name such as "Text" or "2DBarcode".
    QString cursorPath(const QString &cursorName) const;
    // The cursor of an editor tool by its object type code; empty for a code without a cursor.
    QString cursorPathForTool(int toolCode) const;
    static QString cursorName(int toolCode);

    // True for file names that are seeded into the user data folder: the data files the program
    // writes to or the user may edit (*.dat, *.db, *.dbf and the index and memo files of
    // Paradox and dBase tables). Icons, pictures and cursors stay in the resources.
    static bool isSeededFile(const QString &fileName);

    // Creates the user data folder with Temp/ and Data/ and copies every seeded resource file
    // that the user does not have yet; the user's own copies are never replaced. Copies are
    // made writable for the user even when the installed file is read only.
    Status seed() const;

private:
    Status makeFolder(const QString &path) const;
    Status copyMissing(const QString &fileName) const;

    QString mResourceDir;
    QString mDataHome;
};

} // namespace quill
