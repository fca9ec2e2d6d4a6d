// The data list manager's print range window: the first and last record to select.
#pragma once

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace quill {

// "인쇄범위 설정": "시작 위치 : " (spe_Start) and "끝 위치 : " (spe_End), both record numbers
// from 1 to the record count, starting at the first and the last record; the end can never be
// set below the start. The confirm button (Btn_Ok) is captioned "검색" and is disabled while
// the list has no records; "취소" (Btn_Cancel) closes without a range.
class TPrintRangeFrm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintRangeFrm(int recordCount, QWidget *parent = nullptr);

    int start() const;
    int end() const;

private:
    QSpinBox *mStart = nullptr;
    QSpinBox *mEnd = nullptr;
};

} // namespace quill
