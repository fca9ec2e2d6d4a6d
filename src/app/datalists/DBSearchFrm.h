// The data list manager's search window: a field and the text its values must contain.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;

namespace quill {

// "데이터 검색": a drop-down of the list's fields (Cbo_Field, the first chosen) and the text
// (Edt_Search). "검색" (Btn_Search) refuses an empty text with a message and stays open;
// "취소" (Btn_Cancel) closes without a search.
class TDBSearchFrm : public QDialog {
    Q_OBJECT
public:
    explicit TDBSearchFrm(const QStringList &fields, QWidget *parent = nullptr);

    QString field() const;
    QString text() const;

    void accept() override;

private:
    QComboBox *mFields = nullptr;
    QLineEdit *mText = nullptr;
};

} // namespace quill
