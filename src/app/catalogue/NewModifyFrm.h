// The user-defined paper dialog: describe a label paper and add it to the user's catalogue.
#pragma once

#include "NewJobServices.h"
#include "catalogue/PaperCatalogue.h"
#include "catalogue/UserPaper.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quill {

class CaptionFile;
class SheetPreviewBox;

// Controls carry their names (EditLabelType, EditLabelCode, Cbo_PaperType, a4paper, b5paper,
// a5paper, otherpaper, EditPageWidth, EditPageHeight, EditLeftMargin, EditRightMargin,
// EditTopMargin, EditBottomMargin, EditColumns, EditRows, EditHorizontalSpace,
// EditVerticalSpace, EditRectangleRadius, EditShape, Cbo_LabelColor, EditWidth, EditHeight,
// EditLabelsPerSheet, LabelImage, LabelNum, okbtn, cancelbtn).
//
// Numbers are checked as they are typed: text that is no number is refused with a message and
// the field keeps its last good value; a value above the field's maximum becomes the maximum at
// once; an empty field or one below its minimum becomes the minimum when it is left.
class TNewModifyFrm : public QDialog {
    Q_OBJECT
public:
    // The product is appended to catalogue and written to userCataloguePath on confirming.
    // catalogue and captions must outlive the dialog; services are copied.
    TNewModifyFrm(PaperCatalogue &catalogue, const CaptionFile &captions,
                  const QString &userCataloguePath,
                  const NewJobServices &services = NewJobServices::system(),
                  QWidget *parent = nullptr);
    ~TNewModifyFrm() override;

    void setConfirmCaption(const QString &caption);
    // Chooses a family of the list; the first one when it is not there.
    void selectFamily(const QString &family);
    // The catalogue index of the product added by the confirm button, -1 before.
    int addedIndex() const { return mAddedIndex; }
    // The paper as the fields describe it now.
    const UserPaper &paper() const { return mPaper; }
    QLineEdit *field(UserPaperField field) const { return mFields.value(int(field)); }

    // "추가": appends the product and closes with OK, or tells why it cannot be added.
    void okbtnClick();
    void Cbo_LabelColorClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QLineEdit *createField(UserPaperField field, const QString &name, const QString &accessible);
    void layOut();
    void connectControls();
    void readCaptions();
    void fieldEdited(UserPaperField field, const QString &text);
    void fieldFinished(UserPaperField field);
    void takeField(UserPaperField field, const QString &text, bool leaving);
    void chooseSheet(UserPaperSheet sheet);
    void shapeChanged();
    void showField(UserPaperField field);
    void recompute();
    void showColour();
    QString caption(const QString &key, const QString &design) const;
    QList<QWidget *> enterChain() const;

    PaperCatalogue &mCatalogue;
    const CaptionFile &mCaptions;
    QString mUserCataloguePath;
    NewJobServices mServices;
    UserPaper mPaper;
    int mAddedIndex = -1;

    QComboBox *mLabelType = nullptr;
    QLineEdit *mLabelCode = nullptr;
    QComboBox *mPrinterKind = nullptr;
    QRadioButton *mA4 = nullptr;
    QRadioButton *mB5 = nullptr;
    QRadioButton *mA5 = nullptr;
    QRadioButton *mOther = nullptr;
    QHash<int, QLineEdit *> mFields; // by UserPaperField
    QComboBox *mShape = nullptr;
    QPushButton *mColour = nullptr;
    QLineEdit *mWidth = nullptr;
    QLineEdit *mHeight = nullptr;
    QLineEdit *mCount = nullptr;
    SheetPreviewBox *mPreview = nullptr;
    QPushButton *mOkBtn = nullptr;
    QPushButton *mCancelBtn = nullptr;
    QHash<QString, QLabel *> mCaptionLabels; // by caption key
};

} // namespace quill
