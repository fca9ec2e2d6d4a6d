// The create-table window: a new, empty data list built from field templates.
#pragma once

#include "SaveTableDialog.h"
#include "datalists/DataListName.h"
#include "datalists/TableFieldTemplates.h"

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace quill {

class CaptionFile;

// "새테이블 만들기": the templates under "종류", the clicked template's fields under "필드",
// the new table's definition in strG_nFieldName (name, definition). "->" (or a double click)
// adds the chosen field (the whole address block for an address field of the first two
// templates), "All" every field, "<-" removes the selected row, "X" all rows. The group
// "사용자 정의 필드" adds a field of the user's own; the group "수정" shows the selected row and
// writes it back. "만들기" asks for the file and creates it; "취소" closes.
class TMakeDBFrm : public QDialog {
    Q_OBJECT
public:
    TMakeDBFrm(const CaptionFile &captions, const QString &tableFieldPath, QWidget *parent = nullptr);

    // The created file, and the table for a SQLite database; empty when nothing was created.
    TSendDBName created() const { return mCreated; }
    QStringList definitions() const { return mDefinitions; }

    // Tests replace the modal windows (the file dialog, the table-name window).
    void setChooseFile(TZR_SaveTableDialog::ChooseFile choose);
    void setExecDialog(TZR_SaveTableDialog::ExecDialog exec);

private:
    void build();
    QWidget *buildTemplateSide();
    QPushButton *button(const QString &text, const char *name, void (TMakeDBFrm::*slot)());
    QWidget *buildDefinitionSide();
    QWidget *buildUserGroup();
    QWidget *buildModifyGroup();

    void showTemplate(int row);
    void addChosenField();
    void addAllFields();
    void removeRow();
    void clearRows();
    void addUserField();
    void showSelectedRow();
    void copyToUserGroup();
    void modifyRow();
    void make();

    void refillGrid(int selectRow);
    int selectedRow() const;
    void warn(const QString &text);

    const CaptionFile &mCaptions;
    TableFieldTemplates mTemplates;
    QStringList mDefinitions;
    TSendDBName mCreated;
    TZR_SaveTableDialog mSaveDialog;

    QListWidget *mKinds = nullptr;
    QTableWidget *mFields = nullptr;
    QTableWidget *mGrid = nullptr;
    QLineEdit *mUserName = nullptr;
    QLineEdit *mUserType = nullptr;
    QSpinBox *mUserSize = nullptr;
    QLineEdit *mModName = nullptr;
    QLineEdit *mModType = nullptr;
    QSpinBox *mModSize = nullptr;
};

} // namespace quill
