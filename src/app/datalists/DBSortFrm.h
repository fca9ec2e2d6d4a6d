// The data list manager's sort window: a field and the order.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QRadioButton;

namespace quill {

// "데이터 정렬": a drop-down of the list's fields (Cbo_Field, the first chosen), the order
// "오름차순" (Rdb_Asc, chosen at first) or "내림차순" (Rdb_Desc), "정렬" (Btn_Sort) and "취소"
// (Btn_Cancel).
class TDBSortFrm : public QDialog {
    Q_OBJECT
public:
    explicit TDBSortFrm(const QStringList &fields, QWidget *parent = nullptr);

    QString field() const;
    bool descending() const;

private:
    QComboBox *mFields = nullptr;
    QRadioButton *mDescending = nullptr;
};

} // namespace quill
