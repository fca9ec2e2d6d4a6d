// The record entry window: one editor per field of the open list, for adding records or
// changing the current one.
#pragma once

#include "datalists/RecordEntry.h"

#include <QDialog>
#include <QList>

#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStatusBar;

namespace quill {

class CaptionFile;
class DataSet;
class PostalCodeTable;

// "자료입력(수정)". The group "개인 정보 필드" (Grp_Personal) holds the fixed editors of Korean
// address lists: "우편번호" (Edt_ZipCode), "주  소  1" (Edt_Address1) and "주  소   2"
// (Edt_Address2), each enabled only when the list has its field, with "찾기" (Btn_Find) and two
// hints; it is shown only when one of them is. The group "사용자 정의 필드" (Grp_User, in the
// vertically scrolling Scr_User) holds an editor per other field of text, integer or float
// kind. Buttons "확인" (Btn_Ok, closes), the add/modify button (Btn_Action), "다음" (Btn_Next)
// and "이전" (Btn_Prior); the last two only in modify mode.
//
// Enter in an editor moves to the next one, after the last to the add/modify button; Enter in
// address 1 searches the postal code table for it.
//
// The add/modify button checks every value first (a refused value stores nothing and says
// why), then appends a record (add mode: the editors are emptied for the next one) or changes
// the current record (modify mode: only fields whose editor was changed are written, and the
// editors show the stored record again). The record is posted into the dataset; writing the
// list file is the caller's business (the dataset's autosave is switched off).
class TZR_DBUpdateFrm : public QDialog {
    Q_OBJECT
public:
    // postal may be null (no postal code table): every search then finds nothing. The caption
    // file, the list and the table must outlive the window.
    TZR_DBUpdateFrm(const CaptionFile &captions, DataSet &list, bool modify,
        const PostalCodeTable *postal, QWidget *parent = nullptr);

    bool isModify() const { return mModify; }
    void setActionCaption(const QString &caption);
    // True once a record was stored into the dataset.
    bool stored() const { return mStored; }
    // How the postal code window is shown; true when it was closed with 선택. Tests answer it
    // here instead of in a modal loop. The default is exec() == Accepted.
    void setExecDialog(std::function<bool(QDialog &)> exec);

    // The editor of a list field (generated or fixed); null when the field has none.
    QWidget *editorOf(const QString &fieldName) const;

    // The window's actions, as its buttons run them.
    bool save();
    void loadCurrent();
    void movePrior();
    void moveNext();
    void searchAddress();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Editor {
        EntryField field;
        QWidget *widget = nullptr;
        QString loaded; // the text shown after loading, to tell a change
    };

    // Building (DBUpdateFrmLayout.cpp).
    void build();
    QGroupBox *buildPersonalGroup();
    void buildUserGroup();
    QWidget *buildButtons();
    void sizeWindow(QWidget *buttons);

    QString shownText(const Editor &editor) const;
    QVariant typedValue(const Editor &editor) const;
    void setShown(Editor &editor, const QVariant &value);
    void clearEditors();
    void showPosition();
    void focusNextEditor(QWidget *from);

    const CaptionFile &mCaptions;
    DataSet &mList;
    const bool mModify;
    const PostalCodeTable *mPostal;
    AddressFields mAddresses;
    std::function<bool(QDialog &)> mExec;
    bool mStored = false;

    QList<Editor> mEditors; // fixed editors first, then the generated ones in field order
    QGroupBox *mPersonal = nullptr;
    QLineEdit *mZipCode = nullptr;
    QLineEdit *mAddress1 = nullptr;
    QLineEdit *mAddress2 = nullptr;
    QPushButton *mFind = nullptr;
    QScrollArea *mScroll = nullptr;
    QGroupBox *mUser = nullptr;
    QPushButton *mOk = nullptr;
    QPushButton *mAction = nullptr;
    QPushButton *mNext = nullptr;
    QPushButton *mPrior = nullptr;
    QStatusBar *mStatus = nullptr;
};

} // namespace quill
