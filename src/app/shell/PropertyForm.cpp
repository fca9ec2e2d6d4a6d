// The settings dialog's controls; checking and writing is SettingsForm's.
#include "PropertyForm.h"

#include "shell/SettingsForm.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quill {

namespace {

QCheckBox *checkBox(const QString &text, const char *name, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QString systemFolderChooser(QWidget *parent, const QString &title, const QString &current)
{
    return QFileDialog::getExistingDirectory(parent, title, current);
}

} // namespace

TPropertyForm::TPropertyForm(QSettings &settings, const SettingsDefaults &defaults, QWidget *parent)
    : QDialog(parent), mSettings(settings), mDefaults(defaults), mChooser(systemFolderChooser)
{
    setObjectName(QStringLiteral("PropertyForm"));
    setWindowTitle(QStringLiteral("환경설정"));
    mTabs = new QTabWidget(this);
    mTabs->addTab(createBasicPage(), QStringLiteral("기본"));
    mTabs->addTab(createUndoPage(), QStringLiteral("되돌리기"));
    mTabs->addTab(createPicturePage(), QStringLiteral("그림"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *apply
        = buttons->addButton(QStringLiteral("설정(&A)"), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("ApplyBtn"));
    apply->setDefault(true);
    QPushButton *close
        = buttons->addButton(QStringLiteral("닫기(&C)"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseBtn"));
    connect(apply, &QPushButton::clicked, this, &TPropertyForm::ApplyBtnClick);
    connect(close, &QPushButton::clicked, this, &TPropertyForm::CloseBtnClick);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mTabs);
    layout->addWidget(buttons);
    load();
}

QWidget *TPropertyForm::createBasicPage()
{
    auto *page = new QWidget(this);
    mAutoSaveCheck
        = checkBox(QStringLiteral("작업중인 내용을 자동으로 저장"), "AutoSaveCheck", page);
    mAutoSaveFolder = new QLineEdit(page);
    mAutoSaveFolder->setObjectName(QStringLiteral("AutoSaveFolderEdit"));
    mAutoSaveFolder->setAccessibleName(QStringLiteral("자동 저장 폴더"));
    mAutoSaveFolderBtn = new QPushButton(QStringLiteral("바꾸기(&N)..."), page);
    mAutoSaveFolderBtn->setObjectName(QStringLiteral("AutoSaveFolderBtn"));
    mOpenFileNum = new QSpinBox(page);
    mOpenFileNum->setObjectName(QStringLiteral("OpenFileNumSpin"));
    mOpenFileNum->setRange(QuillSettings::MinRecentFiles, QuillSettings::MaxRecentFiles);
    auto *countLabel = new QLabel(QStringLiteral("최근 파일 목록 개수"), page);
    countLabel->setBuddy(mOpenFileNum);

    auto *grid = new QGridLayout(page);
    grid->addWidget(mAutoSaveCheck, 0, 0, 1, 2);
    grid->addWidget(mAutoSaveFolder, 1, 0);
    grid->addWidget(mAutoSaveFolderBtn, 1, 1);
    grid->addWidget(countLabel, 2, 0);
    grid->addWidget(mOpenFileNum, 2, 1);
    grid->setRowStretch(3, 1);
    connect(mAutoSaveCheck, &QCheckBox::toggled, this, &TPropertyForm::updateEnabled);
    connect(
        mAutoSaveFolderBtn, &QPushButton::clicked, this, [this] { chooseFolder(mAutoSaveFolder); });
    return page;
}

QWidget *TPropertyForm::createUndoPage()
{
    auto *page = new QWidget(this);
    mUndoMove = checkBox(QStringLiteral("개체를 이동할 때"), "UndoMoveCheck", page);
    mUndoCreate = checkBox(QStringLiteral("개체를 생성할 때"), "UndoCreateCheck", page);
    mUndoModify = checkBox(QStringLiteral("개체의 속성을 변경할 때"), "UndoModifyCheck", page);
    auto *layout = new QVBoxLayout(page);
    for (QCheckBox *box : {mUndoMove, mUndoCreate, mUndoModify})
        layout->addWidget(box);
    layout->addStretch(1);
    return page;
}

QWidget *TPropertyForm::createPicturePage()
{
    auto *page = new QWidget(this);
    mImgFolderCheck = checkBox(QStringLiteral("그림 기본 폴더 설정  "), "ImgFolderCheck", page);
    mImgFolder = new QLineEdit(page);
    mImgFolder->setObjectName(QStringLiteral("ImgFolderEdit"));
    mImgFolder->setAccessibleName(QStringLiteral("그림 기본 폴더"));
    mImgFolderBtn = new QPushButton(QStringLiteral("바꾸기(&N)..."), page);
    mImgFolderBtn->setObjectName(QStringLiteral("ImgFolderBtn"));
    auto *grid = new QGridLayout(page);
    grid->addWidget(mImgFolderCheck, 0, 0, 1, 2);
    grid->addWidget(mImgFolder, 1, 0);
    grid->addWidget(mImgFolderBtn, 1, 1);
    grid->setRowStretch(2, 1);
    connect(mImgFolderCheck, &QCheckBox::toggled, this, &TPropertyForm::updateEnabled);
    connect(mImgFolderBtn, &QPushButton::clicked, this, [this] { chooseFolder(mImgFolder); });
    return page;
}

void TPropertyForm::load()
{
    mValues = SettingsForm::load(mSettings, mDefaults);
    mAutoSaveCheck->setChecked(mValues.autoSave);
    mAutoSaveFolder->setText(mValues.autoSaveFolder);
    mOpenFileNum->setValue(mValues.recentFileCount);
    mUndoMove->setChecked(mValues.undoMove);
    mUndoCreate->setChecked(mValues.undoCreate);
    mUndoModify->setChecked(mValues.undoModify);
    mImgFolderCheck->setChecked(mValues.pictureFolderOn);
    mImgFolder->setText(mValues.pictureFolder);
    mTabs->setCurrentIndex(0);
    updateEnabled();
}

void TPropertyForm::updateEnabled()
{
    const bool autoSave = mAutoSaveCheck->isChecked();
    mAutoSaveFolder->setEnabled(autoSave);
    mAutoSaveFolderBtn->setEnabled(autoSave);
    const bool picture = mImgFolderCheck->isChecked();
    mImgFolder->setEnabled(picture);
    mImgFolderBtn->setEnabled(picture);
}

void TPropertyForm::chooseFolder(QLineEdit *edit)
{
    const QString chosen = mChooser(this, QStringLiteral("폴더지정"), edit->text());
    if (!chosen.isEmpty())
        edit->setText(chosen);
}

QuillSettings TPropertyForm::fromControls() const
{
    QuillSettings values = mValues; // keeps the values the dialog does not show (print offsets)
    values.autoSave = mAutoSaveCheck->isChecked();
    values.autoSaveFolder = mAutoSaveFolder->text().trimmed();
    values.recentFileCount = mOpenFileNum->value();
    values.undoMove = mUndoMove->isChecked();
    values.undoCreate = mUndoCreate->isChecked();
    values.undoModify = mUndoModify->isChecked();
    values.pictureFolderOn = mImgFolderCheck->isChecked();
    values.pictureFolder = mImgFolder->text().trimmed();
    return values;
}

void TPropertyForm::ApplyBtnClick()
{
    const QuillSettings values = fromControls();
    if (const Status applied = SettingsForm::apply(mSettings, values); !applied) {
        QMessageBox::warning(this, windowTitle(), applied.error().message);
        return;
    }
    mValues = values;
    accept();
    Q_EMIT applied(mValues);
}

void TPropertyForm::CloseBtnClick()
{
    reject();
}

} // namespace quill
