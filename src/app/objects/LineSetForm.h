// The custom line width dialog of the line width menu.
#pragma once

#include <QDialog>

class QSpinBox;

namespace quill {

class CaptionFile;

// "선 굵기 바꾸기": one spin box from 1 to 99 pixels (5 at start). Captions from the caption
// file's [LineSetForm] when present.
class TLineSetForm : public QDialog {
    Q_OBJECT
public:
    explicit TLineSetForm(const CaptionFile &captions, QWidget *parent = nullptr);
    int lineWidth() const;
    void setLineWidth(int width);
    QSpinBox *spinEdit() const { return mSpin; }

private:
    QSpinBox *mSpin = nullptr;
};

} // namespace quill
