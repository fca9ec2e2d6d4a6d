// The serial number dialog: prefix, suffix, range and step of a serial number, with a preview.
#pragma once

#include "objects/SerialNumberSettings.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QFontComboBox;
class QLineEdit;
class QSpinBox;

namespace quill {

class CaptionFile;
class LabelObject;
class TZR_SerialNumber;

// "일련번호". Opens on the number's Prefix, Postfix, StartNum, EndNum, IncNum and font name and
// edits a copy; the original is never touched. OK refuses an empty number box, a step of 0 and
// a step that leads away from the end number with a message and stays open. The font and the
// alignment chosen here only change the preview (zrSerialNumber), not the result. Captions from
// the caption file's [SerialNumberForm] when present.
class TSerialNumberForm : public QDialog {
    Q_OBJECT
public:
    TSerialNumberForm(
        const CaptionFile &captions, const TZR_SerialNumber &original, QWidget *parent = nullptr);
    ~TSerialNumberForm() override;

    // After exec() == Accepted: the copy with the dialog's settings (StartNum and ImsiSerialNum
    // both the start number, direction rising when start < end). Null before, or when taken.
    std::unique_ptr<TZR_SerialNumber> takeResult();
    // The preview's own serial number; on OK it holds the settings as well (the serial number
    // tool builds a new object from it).
    const TZR_SerialNumber &preview() const;
    // What the boxes show now.
    SerialNumberSettings settings() const;

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString text(const char *key, const QString &fallback) const;
    QWidget *buildSettingsGroup(const TZR_SerialNumber &original);
    QWidget *buildPreviewGroup();
    void connectPreview();
    // The message for the first box or range the settings cannot use; empty when they can.
    QString refusal(QWidget **focus) const;

    const CaptionFile &mCaptions;
    std::unique_ptr<LabelObject> mCopy;
    std::unique_ptr<TZR_SerialNumber> mPreview;
    QWidget *mPreviewBox = nullptr;
    QLineEdit *mPrefix = nullptr;
    QLineEdit *mPostfix = nullptr;
    QSpinBox *mStart = nullptr;
    QSpinBox *mEnd = nullptr;
    QSpinBox *mStep = nullptr;
    QComboBox *mAlign = nullptr;
    QFontComboBox *mFont = nullptr;
    bool mCentred = false;
};

} // namespace quill
