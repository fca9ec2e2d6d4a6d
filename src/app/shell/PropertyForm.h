// The settings dialog "환경설정": auto-save, recent files, undo snapshots, picture folder.
#pragma once

#include "shell/QuillSettings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSettings;
class QSpinBox;
class QTabWidget;

namespace quill {

// Opens with the stored values (SettingsForm::load); "설정(&A)" checks and writes them and
// closes as accepted, "닫기(&C)" closes without writing. A refused value is told in a message
// box and the dialog stays open with nothing written. After exec() == Accepted, values()
// holds what was written: the main window takes them over (auto-save timer, recent-files
// maximum, undo flags, picture folder).
class TPropertyForm : public QDialog {
    Q_OBJECT
public:
    // Asks for a folder: (parent, title, current folder) -> chosen folder, empty when cancelled.
    using FolderChooser = std::function<QString(QWidget *, const QString &, const QString &)>;

    // settings must outlive the dialog.
    TPropertyForm(QSettings &settings, const SettingsDefaults &defaults, QWidget *parent = nullptr);

    // Reloads the controls from the settings (the dialog is kept and shown again).
    void load();
    QuillSettings values() const { return mValues; }
    // The folder browser; the system's by default (tests put their own).
    void setFolderChooser(FolderChooser chooser) { mChooser = std::move(chooser); }

    // "설정(&A)" and "닫기(&C)".
    void ApplyBtnClick();
    void CloseBtnClick();

Q_SIGNALS:
    // The confirmed values were written; the main window takes them over from here.
    void applied(const quill::QuillSettings &values);

private:
    QWidget *createBasicPage();
    QWidget *createUndoPage();
    QWidget *createPicturePage();
    void chooseFolder(QLineEdit *edit);
    void updateEnabled();
    QuillSettings fromControls() const;

    QSettings &mSettings;
    SettingsDefaults mDefaults;
    QuillSettings mValues;
    FolderChooser mChooser;

    QTabWidget *mTabs = nullptr;
    QCheckBox *mAutoSaveCheck = nullptr;
    QLineEdit *mAutoSaveFolder = nullptr;
    QPushButton *mAutoSaveFolderBtn = nullptr;
    QSpinBox *mOpenFileNum = nullptr;
    QCheckBox *mUndoMove = nullptr;
    QCheckBox *mUndoCreate = nullptr;
    QCheckBox *mUndoModify = nullptr;
    QCheckBox *mImgFolderCheck = nullptr;
    QLineEdit *mImgFolder = nullptr;
    QPushButton *mImgFolderBtn = nullptr;
};

} // namespace quill
