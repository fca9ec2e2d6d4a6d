// Pieces the three barcode dialogs share: the preview box, the size and orientation boxes,
// the status line with its thin-bar warning, and the button row.
#pragma once

#include <QWidget>

class QComboBox;
class QDialog;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quill {

class CaptionFile;
class LabelObject;
struct BarcodeFormStatus;

// Draws an object with its own painting, scaled to fit and centred on white: what the label
// prints. It never owns the object.
class ObjectPreviewBox : public QWidget {
    Q_OBJECT
public:
    explicit ObjectPreviewBox(const LabelObject *object, QWidget *parent = nullptr);
    QSize sizeHint() const override { return {260, 130}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const LabelObject *mObject;
};

// Captions of one dialog: [section] key of the caption file, else the built-in text.
class FormCaptions {
public:
    FormCaptions(const CaptionFile &captions, QString section);
    QString operator()(const char *key, const QString &fallback) const;

private:
    const CaptionFile &mCaptions;
    QString mSection;
};

// Width and height of an object in millimetres (spe_Width, spe_Height) and its orientation
// (Cbo_Orientation: 0, 90, 180, 270 degrees as Orientation 0..3), in a group "크기와 방향"
// ("크기" without the orientation).
struct SizeBoxes {
    QGroupBox *group = nullptr;
    QDoubleSpinBox *width = nullptr;
    QDoubleSpinBox *height = nullptr;
    QComboBox *orientation = nullptr; // nullptr when the object has no orientation
};
SizeBoxes makeSizeBoxes(
    const FormCaptions &text, const LabelObject &object, bool withOrientation, QWidget *parent);
// Writes the boxes' width and height into the object's bounds (whole pixels, top-left kept).
void applySizeBoxes(const SizeBoxes &boxes, LabelObject &object);

// The read-only status box Edt_Error after "상태 : " and the warning label Lbl_ThinBars,
// visible only while the bars are too thin to print.
struct StatusLine {
    QWidget *row = nullptr;
    QLineEdit *status = nullptr;
    QLabel *thinBars = nullptr;
};
StatusLine makeStatusLine(const FormCaptions &text, QWidget *parent);
void showStatus(const StatusLine &line, const BarcodeFormStatus &status);

// 확인, 취소 and, when wanted, 도움말 (Btn_Ok, Btn_Cancel, Btn_Help). None is a default button,
// so Enter in a text box never closes the dialog.
struct ButtonRow {
    QWidget *row = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
    QPushButton *help = nullptr;
};
ButtonRow makeButtonRow(const FormCaptions &text, QDialog *dialog, bool withHelp);

} // namespace quill
