#include "BarcodeFormParts.h"

#include "editor/EditorActions.h"
#include "objects/BarcodeFormChecks.h"
#include "shell/CaptionFile.h"

#include "document/LabelObject.h"

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quill {

namespace {

constexpr int kPreviewMargin = 6;
constexpr double kSmallestSizeMm = 1.0;
constexpr double kLargestSizeMm = 300.0;

QDoubleSpinBox *millimetreBox(const QString &name, int pixels, QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(kSmallestSizeMm, kLargestSizeMm);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(objectMillimetres(pixels));
    return box;
}

} // namespace

ObjectPreviewBox::ObjectPreviewBox(const LabelObject *object, QWidget *parent)
    : QWidget(parent), mObject(object)
{
    setMinimumSize(160, 90);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ObjectPreviewBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect box = mObject ? mObject->bounds() : QRect();
    if (box.width() <= 0 || box.height() <= 0)
        return;
    // Small objects are enlarged up to four times, large ones reduced to fit.
    const double scale = std::min({(width() - 2.0 * kPreviewMargin) / box.width(),
        (height() - 2.0 * kPreviewMargin) / box.height(), 4.0});
    if (scale <= 0)
        return;
    const QSizeF shown(box.width() * scale, box.height() * scale);
    painter.translate((width() - shown.width()) / 2, (height() - shown.height()) / 2);
    painter.fillRect(QRectF(QPointF(0, 0), shown), Qt::white);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    painter.setClipRect(QRect(0, 0, box.width(), box.height()));
    painter.save();
    mObject->paint(painter, PaintContext {});
    painter.restore();
}

FormCaptions::FormCaptions(const CaptionFile &captions, QString section)
    : mCaptions(captions), mSection(std::move(section))
{
}

QString FormCaptions::operator()(const char *key, const QString &fallback) const
{
    return EditorActions::captionOrDefault(mCaptions, mSection, QString::fromLatin1(key), fallback);
}

SizeBoxes makeSizeBoxes(
    const FormCaptions &text, const LabelObject &object, bool withOrientation, QWidget *parent)
{
    SizeBoxes boxes;
    boxes.group
        = new QGroupBox(withOrientation ? text("Grp_SizeOrientation", QStringLiteral("크기와 방향"))
                                        : text("Grp_Size", QStringLiteral("크기")),
            parent);
    boxes.group->setObjectName(QStringLiteral("Grp_Size"));
    auto *form = new QFormLayout(boxes.group);
    const QRect box = object.bounds();
    boxes.width = millimetreBox(QStringLiteral("spe_Width"), box.width(), boxes.group);
    boxes.height = millimetreBox(QStringLiteral("spe_Height"), box.height(), boxes.group);
    form->addRow(text("Lbl_Width", QStringLiteral("너비 : ")), boxes.width);
    form->addRow(text("Lbl_Height", QStringLiteral("높이 : ")), boxes.height);
    if (withOrientation) {
        boxes.orientation = new QComboBox(boxes.group);
        boxes.orientation->setObjectName(QStringLiteral("Cbo_Orientation"));
        for (const char16_t *angle : {u"0°", u"90°", u"180°", u"270°"})
            boxes.orientation->addItem(QString::fromUtf16(angle));
        form->addRow(text("Lbl_Orientation", QStringLiteral("방향 : ")), boxes.orientation);
    }
    return boxes;
}

void applySizeBoxes(const SizeBoxes &boxes, LabelObject &object)
{
    QRect box = object.bounds();
    const int width = std::max(1, objectPixels(boxes.width->value()));
    const int height = std::max(1, objectPixels(boxes.height->value()));
    // Untouched boxes give back the same pixels (a tenth of a millimetre is under half a
    // pixel), so opening and closing a dialog never resizes the object.
    if (width == box.width() && height == box.height())
        return;
    box.setSize(QSize(width, height));
    object.setBounds(box);
}

StatusLine makeStatusLine(const FormCaptions &text, QWidget *parent)
{
    StatusLine line;
    line.row = new QWidget(parent);
    auto *column = new QVBoxLayout(line.row);
    column->setContentsMargins(0, 0, 0, 0);
    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(new QLabel(text("Lbl_Status", QStringLiteral("상태 : ")), line.row));
    line.status = new QLineEdit(line.row);
    line.status->setObjectName(QStringLiteral("Edt_Error"));
    line.status->setReadOnly(true);
    statusRow->addWidget(line.status, 1);
    column->addLayout(statusRow);
    line.thinBars = new QLabel(line.row);
    line.thinBars->setObjectName(QStringLiteral("Lbl_ThinBars"));
    line.thinBars->setWordWrap(true);
    line.thinBars->setStyleSheet(QStringLiteral("color: #b00000;"));
    line.thinBars->setVisible(false);
    column->addWidget(line.thinBars);
    return line;
}

void showStatus(const StatusLine &line, const BarcodeFormStatus &status)
{
    line.status->setText(status.message);
    line.status->setCursorPosition(0);
    line.status->setToolTip(status.message);
    line.thinBars->setText(status.thinBars ? thinBarWarning(status.narrowestBarMm) : QString());
    line.thinBars->setVisible(status.thinBars);
}

ButtonRow makeButtonRow(const FormCaptions &text, QDialog *dialog, bool withHelp)
{
    ButtonRow buttons;
    buttons.row = new QWidget(dialog);
    auto *row = new QHBoxLayout(buttons.row);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    const auto add = [&](const char *name, const char *key, const char16_t *fallback) {
        auto *button = new QPushButton(text(key, QString::fromUtf16(fallback)), buttons.row);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        row->addWidget(button);
        return button;
    };
    buttons.ok = add("Btn_Ok", "OkBtn", u"확인");
    buttons.ok->setDefault(true); // Enter in the data box confirms, as in every dialog
    buttons.cancel = add("Btn_Cancel", "CancelBtn", u"취소");
    if (withHelp)
        buttons.help = add("Btn_Help", "HelpBtn", u"도움말");
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

} // namespace quill
