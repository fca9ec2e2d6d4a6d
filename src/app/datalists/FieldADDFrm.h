// The field dialog of the data list manager: adds a text field to the open list, or changes
// the size or name of one.
#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace quill {

class CaptionFile;
class DataSet;

// "필드추가": the list's fields under "필드목록" and one field's "필드이름 : ", "필드타입 : "
// (always "문자열") and "필드크기 : " (1..100). The group and its action button are captioned
// from [FieldADDModify] (GroupADD/ADDMode or GroupModify/ModifyMode). In modify mode a click in
// the list loads that field; the action does nothing while no field is chosen. The action
// changes the dataset's table in memory (the manager writes the file); "확인" closes, with OK
// when something changed.
class TFieldADDFrm : public QDialog {
    Q_OBJECT
public:
    TFieldADDFrm(const CaptionFile &captions, DataSet &list, bool modify, QWidget *parent = nullptr);

    bool changed() const { return mChanged; }

private:
    void build();
    void refillList(const QString &select);
    void loadField();
    void apply();
    QString caption(const char *key, const QString &fallback) const;

    const CaptionFile &mCaptions;
    DataSet &mList;
    bool mModify = false;
    bool mChanged = false;
    QListWidget *mFieldList = nullptr;
    QGroupBox *mGroup = nullptr;
    QLineEdit *mName = nullptr;
    QLineEdit *mType = nullptr;
    QSpinBox *mSize = nullptr;
    QPushButton *mAction = nullptr;
};

} // namespace quill
