// The record stepper of the editor's tool bar: first, previous, next and last record and a
// record number box, so that the work area and the overview show any record of the data lists
// in their field-bound objects.
#pragma once

#include <QWidget>

class QLabel;
class QSpinBox;
class QToolButton;

namespace quill {

class RecordStepper : public QWidget {
    Q_OBJECT
public:
    explicit RecordStepper(QWidget *parent = nullptr);

    // The number of records to step through (the longer of the two lists); 0 disables the
    // stepper. The current record is kept where it still exists, otherwise the last one.
    void setRecordCount(int count);
    int recordCount() const { return mCount; }
    // 1-based; 0 when there are no records.
    int record() const;
    void setRecord(int record);

signals:
    // The user chose another record (not emitted by setRecord or setRecordCount).
    void recordChosen(int record);

private:
    QToolButton *button(const char *name, const QString &icon, const QString &tip);
    void step(int record);
    void updateButtons();

    QToolButton *mFirst = nullptr;
    QToolButton *mPrior = nullptr;
    QToolButton *mNext = nullptr;
    QToolButton *mLast = nullptr;
    QSpinBox *mNumber = nullptr;
    QLabel *mTotal = nullptr;
    int mCount = 0;
};

} // namespace quill
