#include "MakeBarcodeFrm.h"

#include "SendProgress.h"

#include "datalists/MergeTableWriter.h"
#include "objects/BarcodeFormParts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <tuple>

using namespace Qt::StringLiterals;

namespace quill {

using SendToLabels::BarcodeChoice;

namespace {

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// A field name as a button caption: '&' would otherwise mark a shortcut and vanish.
QString buttonText(QString name)
{
    return name.replace(u'&', u"&&"_s);
}

const DataTable &sourceOf(const ManagerSelection &selection)
{
    static const DataTable noList;
    return selection.source ? *selection.source : noList;
}

} // namespace

TMakeBarcodeFrm::TMakeBarcodeFrm(const CaptionFile &captions, const ManagerSelection &selection,
    int kind, const QString &mergeTablePath, QWidget *parent)
    : QDialog(parent), mSelection(selection), mMergeTablePath(mergeTablePath)
{
    const FormCaptions text(captions, u"MakeBarcodeFrm"_s);
    setObjectName(u"MakeBarcodeFrm"_s);
    mCaption = text("FormCaption", u"바코드 만들기"_s);
    setWindowTitle(mCaption);

    auto *content = new QWidget(this);
    QWidget *kinds = buildKinds(kind, content);
    for (const auto &kindRadio : std::as_const(mKinds)) {
        QRadioButton *radio = kindRadio.second;
        radio->setText(text(radio->objectName().toLatin1().constData(), radio->text()));
    }

    auto *codeGroup = new QGroupBox(text("Grp_CodeType", u"바코드 종류"_s), content);
    codeGroup->setObjectName(u"Grp_CodeType"_s);
    mCodeTypes = new QListWidget(codeGroup);
    mCodeTypes->setObjectName(u"Lsb_CodeType"_s);
    mCodeTypes->setSelectionMode(QAbstractItemView::SingleSelection);
    (new QVBoxLayout(codeGroup))->addWidget(mCodeTypes);

    buildEan14(content);
    mEan14->setTitle(text("Grp_EAN14", mEan14->title()));
    QWidget *fieldPanel = buildFieldPanel(content);

    QPushButton *sendButton = button(u"Btn_Send"_s, text("Btn_Send", u"보내기"_s), content);
    QPushButton *cancel = button(u"Btn_Cancel"_s, text("Btn_Cancel", u"취소"_s), content);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(sendButton);
    buttons->addWidget(cancel);

    auto *right = new QVBoxLayout;
    right->addWidget(mEan14);
    right->addWidget(fieldPanel, 1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(codeGroup, 1);
    middle->addLayout(right, 1);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(kinds);
    column->addLayout(middle, 1);
    column->addLayout(buttons);

    auto *main = new QVBoxLayout(this);
    main->addWidget(content);
    mProgress = std::make_unique<SendProgress>(*this, *content);
    resize(480, 360);

    for (const auto &kindRadio : std::as_const(mKinds)) {
        connect(kindRadio.second, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                kindChanged();
        });
    }
    connect(sendButton, &QPushButton::clicked, this, &TMakeBarcodeFrm::send);
    connect(cancel, &QPushButton::clicked, this, &TMakeBarcodeFrm::reject);
    kindChanged();
}

TMakeBarcodeFrm::~TMakeBarcodeFrm() = default;

QWidget *TMakeBarcodeFrm::buildKinds(int kind, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const QList<std::tuple<BarcodeChoice, QString, QString>> all {
        {BarcodeChoice::Linear, u"Rb_Linear"_s, u"1차원 바코드"_s},
        {BarcodeChoice::TwoDimensional, u"Rb_2D"_s, u"2차원 바코드"_s},
        {BarcodeChoice::Postal, u"Rb_Postal"_s, u"우편번호 바코드"_s},
        {BarcodeChoice::Logistics, u"Rb_Logistics"_s, u"물류(EAN14) 바코드"_s},
    };
    const QList<BarcodeChoice> visible = SendToLabels::visibleChoices(kind);
    auto *group = new QButtonGroup(row);
    for (const auto &[kindChoice, name, caption] : all) {
        auto *radio = new QRadioButton(caption, row);
        radio->setObjectName(name);
        radio->setVisible(visible.contains(kindChoice));
        radio->setChecked(!visible.isEmpty() && visible.first() == kindChoice);
        group->addButton(radio);
        layout->addWidget(radio);
        mKinds.append({kindChoice, radio});
    }
    layout->addStretch(1);
    return row;
}

QWidget *TMakeBarcodeFrm::buildEan14(QWidget *parent)
{
    mEan14 = new QGroupBox(u"EAN14 설정"_s, parent);
    mEan14->setObjectName(u"Grp_EAN14"_s);
    mIndicator = new QSpinBox(mEan14);
    mIndicator->setObjectName(u"Spe_Indicator"_s);
    mIndicator->setRange(0, 9);
    mIndicator->setValue(0);
    mQuantityField = new QComboBox(mEan14);
    mQuantityField->setObjectName(u"Cbo_QtyField"_s);
    for (const DataField &field : sourceOf(mSelection).fields)
        mQuantityField->addItem(field.name);
    mQuantityField->setCurrentIndex(mQuantityField->count() > 0 ? 0 : -1);
    auto *form = new QFormLayout(mEan14);
    form->addRow(u"물류식별코드 : "_s, mIndicator);
    form->addRow(u"수량필드 : "_s, mQuantityField);
    return mEan14;
}

QWidget *TMakeBarcodeFrm::buildFieldPanel(QWidget *parent)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setObjectName(u"FieldPanel"_s);
    auto *panel = new QWidget(scroll);
    mFieldRadios = new QButtonGroup(this);
    QSize extent(0, 0);
    const QList<DataField> &fields = sourceOf(mSelection).fields;
    for (int i = 0; i < fields.size(); ++i) {
        auto *radio = new QRadioButton(buttonText(fields.at(i).name), panel);
        radio->setObjectName(u"Rb_Field%1"_s.arg(i));
        const int height = qMax(radio->fontMetrics().height(), radio->sizeHint().height());
        const QRect box = SendToLabels::fieldRadioRect(
            i, radio->fontMetrics().horizontalAdvance(fields.at(i).name), height);
        radio->setGeometry(box);
        mFieldRadios->addButton(radio, i);
        extent = extent.expandedTo(QSize(box.right() + 15, box.bottom() + 5));
    }
    panel->resize(extent);
    scroll->setWidget(panel);
    return scroll;
}

BarcodeChoice TMakeBarcodeFrm::choice() const
{
    for (const auto &[kindChoice, radio] : mKinds) {
        if (radio->isChecked())
            return kindChoice;
    }
    return BarcodeChoice::Linear;
}

void TMakeBarcodeFrm::kindChanged()
{
    const BarcodeChoice current = choice();
    mCodeTypes->clear();
    mCodeTypes->addItems(SendToLabels::codeTypeNames(current));
    mCodeTypes->setCurrentRow(SendToLabels::defaultCodeType(current));
    mCodeTypes->setEnabled(SendToLabels::codeTypeChoosable(current));
    mEan14->setVisible(current == BarcodeChoice::Logistics);
}

void TMakeBarcodeFrm::send()
{
    const int fieldIndex = mFieldRadios->checkedId();
    if (fieldIndex < 0) {
        QMessageBox::information(this, mCaption, SendToLabels::noBarcodeFieldMessage());
        return;
    }
    const DataTable &source = sourceOf(mSelection);
    const QString field = source.fields.at(fieldIndex).name;
    const BarcodeChoice current = choice();
    std::optional<Ean14Expansion> expansion;
    if (current == BarcodeChoice::Logistics)
        expansion = Ean14Expansion {mIndicator->value(), mQuantityField->currentText()};
    const bool wholeList = !expansion && choosesWholeList(source, mSelection.rows);
    const MergeProgress progress
        = wholeList ? MergeProgress() : mProgress->start(int(mSelection.rows.size()));
    const MergeSend sent = sendBarcodeRows(
        source, mSelection.rows, mSelection.list, field, expansion, mMergeTablePath, progress);
    if (!sent.ok()) {
        mProgress->finish();
        QMessageBox::warning(this, mCaption, sent.message);
        // Rows that do not make barcodes end the send; a file that cannot be written may be
        // tried again elsewhere, so the window stays.
        if (sent.outcome == MergeSend::Outcome::BuildFailed)
            reject();
        return;
    }
    mResult = BarcodeSendResult {
        sent.list, SendToLabels::dimensionText(current), mCodeTypes->currentRow(), field};
    accept();
}

} // namespace quill
