// "바코드 만들기": the kind, symbology and field of the barcode a send from the data list manager
// creates, and the merge table of the chosen rows (repeated by quantity for logistics).
#pragma once

#include "datalists/DBAdminDialogs.h"
#include "datalists/DataListName.h"
#include "editing/SendToLabels.h"

#include <QDialog>
#include <QList>

#include <memory>
#include <optional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace quill {

class CaptionFile;
class SendProgress;

// Kind radio buttons (Rb_Linear "1차원 바코드", Rb_2D "2차원 바코드", Rb_Postal "우편번호 바코드",
// Rb_Logistics "물류(EAN14) 바코드"), only those of the window's kind shown, the first checked.
// The symbology list Lsb_CodeType in the group "바코드 종류", refilled on every kind change with
// its default index; fixed (disabled) for postal and logistics. For logistics the group
// "EAN14 설정" (Grp_EAN14): the indicator Spe_Indicator (0-9) and the quantity field
// Cbo_QtyField. One radio per field of the list in the scrolling panel FieldPanel. "보내기"
// (Btn_Send) and "취소" (Btn_Cancel). Captions from the caption file's [MakeBarcodeFrm]. The
// selection's table must outlive the window.
class TMakeBarcodeFrm : public QDialog {
    Q_OBJECT
public:
    // kind: 1 linear or two-dimensional, 3 postal, 4 logistics (EAN-14).
    TMakeBarcodeFrm(const CaptionFile &captions, const ManagerSelection &selection, int kind,
        const QString &mergeTablePath, QWidget *parent = nullptr);
    ~TMakeBarcodeFrm() override;

    // After 보내기 closed the window with OK: the list to bind to, "1D" or "2D", the symbology
    // index and the barcode field. Empty otherwise.
    std::optional<BarcodeSendResult> result() const { return mResult; }

private:
    QWidget *buildKinds(int kind, QWidget *parent);
    QWidget *buildEan14(QWidget *parent);
    QWidget *buildFieldPanel(QWidget *parent);
    void kindChanged();
    SendToLabels::BarcodeChoice choice() const;
    void send();

    ManagerSelection mSelection;
    QString mMergeTablePath;
    QString mCaption;
    std::optional<BarcodeSendResult> mResult;
    QList<QPair<SendToLabels::BarcodeChoice, QRadioButton *>> mKinds;
    QListWidget *mCodeTypes = nullptr;
    QGroupBox *mEan14 = nullptr;
    QSpinBox *mIndicator = nullptr;
    QComboBox *mQuantityField = nullptr;
    QButtonGroup *mFieldRadios = nullptr;
    std::unique_ptr<SendProgress> mProgress;
};

} // namespace quill
