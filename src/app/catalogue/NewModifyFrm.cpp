// The user-defined paper dialog: describe a label paper and add it to the user's catalogue.
#include "NewModifyFrm.h"

#include "SheetPreviewBox.h"
#include "catalogue/NewJobChoices.h"
#include "catalogue/UserCatalogue.h"
#include "document/InnerCutOutline.h"
#include "shell/CaptionFile.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quill {

namespace {

constexpr UserPaperField NumericFields[] = {
    UserPaperField::PageWidth,  UserPaperField::PageHeight, UserPaperField::LeftMargin,
    UserPaperField::RightMargin, UserPaperField::TopMargin, UserPaperField::BottomMargin,
    UserPaperField::Columns,    UserPaperField::Rows,       UserPaperField::HorizSpace,
    UserPaperField::VertSpace,  UserPaperField::Radius,
};

QLineEdit *readOnlyField(const QString &name, const QString &accessible, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessible);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

TColor toTColor(const QColor &colour)
{
    return TColor(colour.red()) | TColor(colour.green()) << 8 | TColor(colour.blue()) << 16;
}

QColor toQColor(TColor colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace

TNewModifyFrm::TNewModifyFrm(PaperCatalogue &catalogue, const CaptionFile &captions,
                             const QString &userCataloguePath, const NewJobServices &services,
                             QWidget *parent)
    : QDialog(parent),
      mCatalogue(catalogue),
      mCaptions(captions),
      mUserCataloguePath(userCataloguePath),
      mServices(services)
{
    setObjectName(QStringLiteral("TNewModifyFrm"));
    createControls();
    layOut();
    readCaptions();
    for (UserPaperField f : NumericFields)
        showField(f);
    mPaper.family = mLabelType->currentText();
    chooseSheet(UserPaperSheet::A4);
    connectControls();
    shapeChanged();
}

TNewModifyFrm::~TNewModifyFrm()
{
    // Hiding the dialog in QDialog's destructor takes the focus from a field, whose
    // editingFinished would then reach this half-destroyed dialog.
    for (QObject *control : findChildren<QObject *>())
        control->disconnect(this);
}

QLineEdit *TNewModifyFrm::createField(UserPaperField field, const QString &name,
                                      const QString &accessible)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setAccessibleName(accessible);
    edit->installEventFilter(this);
    mFields.insert(int(field), edit);
    return edit;
}

void TNewModifyFrm::createControls()
{
    mLabelType = new QComboBox(this);
    mLabelType->setObjectName(QStringLiteral("EditLabelType"));
    mLabelType->addItems(captionLabelTypes(mCaptions));
    mLabelCode = new QLineEdit(this);
    mLabelCode->setObjectName(QStringLiteral("EditLabelCode"));
    mLabelCode->setAccessibleName(QStringLiteral("제품코드"));
    mLabelCode->setMaxLength(UserPaper::MaxCodeLength);
    mLabelCode->installEventFilter(this);
    mPrinterKind = new QComboBox(this);
    mPrinterKind->setObjectName(QStringLiteral("Cbo_PaperType"));
    mPrinterKind->setAccessibleName(QStringLiteral("프린터"));
    mPrinterKind->addItems(UserPaper::printerKinds());
    mA4 = new QRadioButton(QStringLiteral("A4 (210 * 297 mm)"), this);
    mA4->setObjectName(QStringLiteral("a4paper"));
    mB5 = new QRadioButton(QStringLiteral("B5 (182 * 257 mm)"), this);
    mB5->setObjectName(QStringLiteral("b5paper"));
    mA5 = new QRadioButton(QStringLiteral("A5 (148 * 210 mm)"), this);
    mA5->setObjectName(QStringLiteral("a5paper"));
    mOther = new QRadioButton(QStringLiteral("Other"), this);
    mOther->setObjectName(QStringLiteral("otherpaper"));
    auto *sheets = new QButtonGroup(this);
    for (QRadioButton *b : {mA4, mB5, mA5, mOther})
        sheets->addButton(b);
    createField(UserPaperField::PageWidth, QStringLiteral("EditPageWidth"), QStringLiteral("용지 너비"));
    createField(UserPaperField::PageHeight, QStringLiteral("EditPageHeight"), QStringLiteral("용지 높이"));
    createField(UserPaperField::LeftMargin, QStringLiteral("EditLeftMargin"), QStringLiteral("왼쪽여백"));
    createField(UserPaperField::RightMargin, QStringLiteral("EditRightMargin"), QStringLiteral("오른쪽여백"));
    createField(UserPaperField::TopMargin, QStringLiteral("EditTopMargin"), QStringLiteral("윗쪽여백"));
    createField(UserPaperField::BottomMargin, QStringLiteral("EditBottomMargin"), QStringLiteral("아랫여백"));
    createField(UserPaperField::Columns, QStringLiteral("EditColumns"), QStringLiteral("가로갯수"));
    createField(UserPaperField::Rows, QStringLiteral("EditRows"), QStringLiteral("세로갯수"));
    createField(UserPaperField::HorizSpace, QStringLiteral("EditHorizontalSpace"), QStringLiteral("가로간격"));
    createField(UserPaperField::VertSpace, QStringLiteral("EditVerticalSpace"), QStringLiteral("세로간격"));
    createField(UserPaperField::Radius, QStringLiteral("EditRectangleRadius"), QStringLiteral("라운딩"));
    mShape = new QComboBox(this);
    mShape->setObjectName(QStringLiteral("EditShape"));
    mShape->setAccessibleName(QStringLiteral("모양"));
    mShape->setEditable(true);
    mShape->addItems(UserPaper::shapes());
    mShape->lineEdit()->setMaxLength(UserPaper::MaxShapeLength);
    mShape->installEventFilter(this);
    mShape->lineEdit()->installEventFilter(this);
    mColour = new QPushButton(this);
    mColour->setObjectName(QStringLiteral("Cbo_LabelColor"));
    mColour->setAccessibleName(QStringLiteral("색상"));
    mColour->setAutoDefault(false);
    mWidth = readOnlyField(QStringLiteral("EditWidth"), QStringLiteral("너비"), this);
    mHeight = readOnlyField(QStringLiteral("EditHeight"), QStringLiteral("높이"), this);
    mCount = readOnlyField(QStringLiteral("EditLabelsPerSheet"), QStringLiteral("라벨수"), this);
    mPreview = new SheetPreviewBox(this);
    mOkBtn = new QPushButton(QStringLiteral("추가"), this);
    mOkBtn->setObjectName(QStringLiteral("okbtn"));
    mOkBtn->setAutoDefault(false); // Enter walks the fields; it confirms only on this button
    mCancelBtn = new QPushButton(QStringLiteral("취소"), this);
    mCancelBtn->setObjectName(QStringLiteral("cancelbtn"));
    mCancelBtn->setAutoDefault(false);
    showColour();
}

QString TNewModifyFrm::caption(const QString &key, const QString &design) const
{
    // A caption file without the key keeps the design caption rather than a blank label.
    const QString text = mCaptions.read(QStringLiteral("NewModify"), key, CaptionFile::Missing::Null);
    return text == CaptionFile::missingValue(CaptionFile::Missing::Null) ? design : text;
}

void TNewModifyFrm::layOut()
{
    const auto label = [this](const QString &key, const QString &design) {
        auto *l = new QLabel(design, this);
        mCaptionLabels.insert(key, l);
        return l;
    };
    const auto field = [this](UserPaperField f) { return mFields.value(int(f)); };

    auto *top = new QGridLayout;
    top->addWidget(label(QStringLiteral("LabelType"), QStringLiteral("제품분류")), 0, 0);
    top->addWidget(mLabelType, 0, 1);
    top->addWidget(new QLabel(QStringLiteral("제품코드"), this), 1, 0);
    top->addWidget(mLabelCode, 1, 1);
    top->addWidget(new QLabel(QStringLiteral("프린터"), this), 2, 0);
    top->addWidget(mPrinterKind, 2, 1);

    auto *paperGroup = new QGroupBox(QStringLiteral("종 이"), this);
    paperGroup->setObjectName(QStringLiteral("PaperTypeGroup"));
    auto *paper = new QGridLayout(paperGroup);
    paper->addWidget(mA4, 0, 0);
    paper->addWidget(mB5, 0, 1);
    paper->addWidget(mA5, 1, 0);
    paper->addWidget(mOther, 1, 1);
    paper->addWidget(new QLabel(QStringLiteral("용지 너비"), this), 2, 0);
    paper->addWidget(field(UserPaperField::PageWidth), 2, 1);
    paper->addWidget(new QLabel(QStringLiteral("용지 높이"), this), 3, 0);
    paper->addWidget(field(UserPaperField::PageHeight), 3, 1);

    auto *setGroup = new QGroupBox(QStringLiteral("라벨위치 (단위 : mm )"), this);
    setGroup->setObjectName(QStringLiteral("SetLabelGroup"));
    auto *set = new QGridLayout(setGroup);
    set->addWidget(label(QStringLiteral("TopGap"), QStringLiteral("윗쪽여백")), 0, 0);
    set->addWidget(field(UserPaperField::TopMargin), 0, 1);
    set->addWidget(label(QStringLiteral("BottomGap"), QStringLiteral("아랫여백")), 0, 2);
    set->addWidget(field(UserPaperField::BottomMargin), 0, 3);
    set->addWidget(label(QStringLiteral("LeftGap"), QStringLiteral("왼쪽여백")), 1, 0);
    set->addWidget(field(UserPaperField::LeftMargin), 1, 1);
    set->addWidget(new QLabel(QStringLiteral("오른쪽여백"), this), 1, 2);
    set->addWidget(field(UserPaperField::RightMargin), 1, 3);
    set->addWidget(label(QStringLiteral("ColsNo"), QStringLiteral("가로갯수")), 2, 0);
    set->addWidget(field(UserPaperField::Columns), 2, 1);
    set->addWidget(label(QStringLiteral("RowsNo"), QStringLiteral("세로갯수")), 2, 2);
    set->addWidget(field(UserPaperField::Rows), 2, 3);
    set->addWidget(label(QStringLiteral("ColGap"), QStringLiteral("가로간격")), 3, 0);
    set->addWidget(field(UserPaperField::HorizSpace), 3, 1);
    set->addWidget(label(QStringLiteral("RowGap"), QStringLiteral("세로간격")), 3, 2);
    set->addWidget(field(UserPaperField::VertSpace), 3, 3);
    set->addWidget(label(QStringLiteral("roundGap"), QStringLiteral("라  운 딩")), 4, 0);
    set->addWidget(field(UserPaperField::Radius), 4, 1);
    set->addWidget(new QLabel(QStringLiteral("모양"), this), 4, 2);
    set->addWidget(mShape, 4, 3);
    set->addWidget(new QLabel(QStringLiteral("색상"), this), 5, 0);
    set->addWidget(mColour, 5, 1);

    auto *sizeGroup = new QGroupBox(QStringLiteral("라벨크기"), this);
    sizeGroup->setObjectName(QStringLiteral("LabelSizeGroup"));
    auto *size = new QGridLayout(sizeGroup);
    size->addWidget(label(QStringLiteral("LabelWidth"), QStringLiteral("너비")), 0, 0);
    size->addWidget(mWidth, 0, 1);
    size->addWidget(label(QStringLiteral("LabelHeight"), QStringLiteral("높이")), 1, 0);
    size->addWidget(mHeight, 1, 1);
    size->addWidget(label(QStringLiteral("LabelCount"), QStringLiteral("라벨수")), 2, 0);
    size->addWidget(mCount, 2, 1);

    auto *previewGroup = new QGroupBox(QStringLiteral("미리보기"), this);
    previewGroup->setObjectName(QStringLiteral("ViewLabelGroup"));
    auto *preview = new QVBoxLayout(previewGroup);
    preview->addWidget(mPreview, 0, Qt::AlignCenter);

    auto *left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(new QLabel(QStringLiteral("라벨 용지 크기와 라벨 위치를 설정"), this));
    left->addWidget(paperGroup);
    left->addWidget(setGroup);
    left->addWidget(new QLabel(QStringLiteral("주의 : 아랫 여백은 15mm 이상으로 설정"), this));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mOkBtn);
    buttons->addWidget(mCancelBtn);
    auto *right = new QVBoxLayout;
    right->addWidget(previewGroup);
    right->addWidget(sizeGroup);
    right->addStretch();
    right->addLayout(buttons);
    auto *main = new QHBoxLayout(this);
    main->addLayout(left, 1);
    main->addLayout(right);
}

void TNewModifyFrm::readCaptions()
{
    setWindowTitle(caption(QStringLiteral("Caption"), QStringLiteral("사용자 정의 라벨용지")));
    for (auto it = mCaptionLabels.constBegin(); it != mCaptionLabels.constEnd(); ++it) {
        if (it.value())
            it.value()->setText(caption(it.key(), it.value()->text()));
    }
    const auto group = [this](const char *name) {
        return findChild<QGroupBox *>(QLatin1String(name));
    };
    group("PaperTypeGroup")->setTitle(caption(QStringLiteral("PaperType"), QStringLiteral("종 이")));
    group("SetLabelGroup")->setTitle(caption(QStringLiteral("SetLabel"), QStringLiteral("라벨위치 (단위 : mm )")));
    group("LabelSizeGroup")->setTitle(caption(QStringLiteral("LabelSize"), QStringLiteral("라벨크기")));
    group("ViewLabelGroup")->setTitle(caption(QStringLiteral("ViewLabel"), QStringLiteral("미리보기")));
}

void TNewModifyFrm::connectControls()
{
    for (UserPaperField f : NumericFields) {
        QLineEdit *edit = mFields.value(int(f));
        connect(edit, &QLineEdit::textEdited, this,
                [this, f](const QString &text) { fieldEdited(f, text); });
        connect(edit, &QLineEdit::editingFinished, this, [this, f] { fieldFinished(f); });
    }
    connect(mA4, &QRadioButton::clicked, this, [this] { chooseSheet(UserPaperSheet::A4); });
    connect(mB5, &QRadioButton::clicked, this, [this] { chooseSheet(UserPaperSheet::B5); });
    connect(mA5, &QRadioButton::clicked, this, [this] { chooseSheet(UserPaperSheet::A5); });
    connect(mOther, &QRadioButton::clicked, this, [this] { chooseSheet(UserPaperSheet::Other); });
    connect(mShape, &QComboBox::currentTextChanged, this, &TNewModifyFrm::shapeChanged);
    connect(mLabelType, &QComboBox::currentTextChanged, this, [this](const QString &family) {
        mPaper.family = family;
        recompute();
    });
    connect(mLabelCode, &QLineEdit::textChanged, this, [this](const QString &code) {
        mPaper.code = code;
        recompute(); // the code may carry an inner cut outline
    });
    connect(mPrinterKind, &QComboBox::currentTextChanged, this,
            [this](const QString &kind) { mPaper.printerKind = kind; });
    connect(mColour, &QPushButton::clicked, this, &TNewModifyFrm::Cbo_LabelColorClick);
    connect(mOkBtn, &QPushButton::clicked, this, &TNewModifyFrm::okbtnClick);
    connect(mCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewModifyFrm::setConfirmCaption(const QString &caption)
{
    mOkBtn->setText(caption);
    mOkBtn->setAccessibleName(caption);
}

void TNewModifyFrm::selectFamily(const QString &family)
{
    const int row = mLabelType->findText(family);
    mLabelType->setCurrentIndex(row >= 0 ? row : (mLabelType->count() > 0 ? 0 : -1));
    mPaper.family = mLabelType->currentText();
    recompute();
}

void TNewModifyFrm::showField(UserPaperField f)
{
    QLineEdit *edit = mFields.value(int(f));
    edit->setText(userPaperNumber(mPaper.value(f)));
    edit->setProperty("goodText", edit->text());
}

void TNewModifyFrm::fieldEdited(UserPaperField f, const QString &text)
{
    takeField(f, text, false);
}

void TNewModifyFrm::fieldFinished(UserPaperField f)
{
    takeField(f, mFields.value(int(f))->text(), true);
}

// A typed value: a bad one gives the field back what it held before (said while typing; on
// leaving the field only put right) and changes nothing; a good one, possibly corrected to its
// range, goes into the paper.
void TNewModifyFrm::takeField(UserPaperField f, const QString &text, bool leaving)
{
    QLineEdit *edit = mFields.value(int(f));
    Result<CheckedValue> checked = checkUserPaperText(f, text, leaving);
    if (!checked) {
        edit->setText(edit->property("goodText").toString());
        if (!leaving)
            mServices.showMessage(this, checked.error().message);
        return;
    }
    if (checked.value().corrected)
        edit->setText(checked.value().correctedText);
    edit->setProperty("goodText", edit->text());
    mPaper.setValue(f, checked.value().value);
    recompute();
}

void TNewModifyFrm::chooseSheet(UserPaperSheet sheet)
{
    mPaper.setSheet(sheet);
    const bool fixed = sheet != UserPaperSheet::Other;
    const std::pair<QRadioButton *, UserPaperSheet> radios[] = {
        {mA4, UserPaperSheet::A4}, {mB5, UserPaperSheet::B5},
        {mA5, UserPaperSheet::A5}, {mOther, UserPaperSheet::Other}};
    for (const auto &[radio, kind] : radios)
        radio->setChecked(kind == sheet);
    for (UserPaperField f : {UserPaperField::PageWidth, UserPaperField::PageHeight}) {
        showField(f);
        mFields.value(int(f))->setEnabled(!fixed);
    }
    recompute();
}

void TNewModifyFrm::shapeChanged()
{
    mPaper.shape = mShape->currentText();
    mFields.value(int(UserPaperField::Radius))->setEnabled(mPaper.radiusApplies());
    recompute();
}

void TNewModifyFrm::recompute()
{
    mWidth->setText(userPaperNumber(mPaper.labelWidth()));
    mHeight->setText(userPaperNumber(mPaper.labelHeight()));
    mCount->setText(QString::number(mPaper.labelsPerSheet()));
    Result<InnerCutOutline> outline = loadInnerCutOutline(mCaptions, mPaper.code.trimmed());
    mPreview->showSheet(userPaperPreview(mPaper, outline ? outline.value() : InnerCutOutline{},
                                         fileLabelName(mCaptions)));
}

void TNewModifyFrm::showColour()
{
    QPixmap swatch(48, 16);
    swatch.fill(toQColor(mPaper.colour));
    mColour->setIcon(QIcon(swatch));
    mColour->setIconSize(swatch.size());
    mColour->setToolTip(catalogueColourName(mPaper.colour));
}

void TNewModifyFrm::Cbo_LabelColorClick()
{
    const std::optional<QColor> chosen = mServices.chooseColour(this, toQColor(mPaper.colour));
    if (!chosen)
        return;
    mPaper.colour = toTColor(*chosen);
    showColour();
    recompute();
}

void TNewModifyFrm::okbtnClick()
{
    // A field still being typed in counts as it will when it is left.
    for (UserPaperField f : NumericFields)
        fieldFinished(f);
    mPaper.family = mLabelType->currentText();
    mPaper.code = mLabelCode->text().trimmed();
    mPaper.printerKind = mPrinterKind->currentText();
    mPaper.shape = mShape->currentText();
    Result<int> added = addUserProduct(mCatalogue, mPaper.catalogueRecord(), mUserCataloguePath);
    if (!added) {
        mServices.showMessage(this, added.error().message);
        return;
    }
    mAddedIndex = added.value();
    accept();
}

QList<QWidget *> TNewModifyFrm::enterChain() const
{
    const auto f = [this](UserPaperField field) -> QWidget * { return mFields.value(int(field)); };
    return {mLabelCode, f(UserPaperField::LeftMargin), f(UserPaperField::RightMargin),
            f(UserPaperField::TopMargin), f(UserPaperField::BottomMargin), mWidth, mHeight,
            f(UserPaperField::Columns), f(UserPaperField::Rows), f(UserPaperField::HorizSpace),
            f(UserPaperField::VertSpace), f(UserPaperField::Radius), mShape,
            f(UserPaperField::PageWidth), f(UserPaperField::PageHeight), mOkBtn};
}

bool TNewModifyFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    // Enter walks on to the next field that can take the focus.
    const QList<QWidget *> chain = enterChain();
    QWidget *from = watched == mShape->lineEdit() ? mShape : qobject_cast<QWidget *>(watched);
    qsizetype at = chain.indexOf(from);
    if (at < 0)
        return QDialog::eventFilter(watched, event);
    while (++at < chain.size()) {
        QWidget *next = chain.at(at);
        if (next->isEnabled() && next->focusPolicy() != Qt::NoFocus) {
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return true;
}

} // namespace quill
