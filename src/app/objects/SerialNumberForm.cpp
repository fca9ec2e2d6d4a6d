#include "SerialNumberForm.h"

#include "document/ColorNames.h"
#include "document/StandardProperties.h"
#include "editor/EditorActions.h"
#include "objects/FontSubstitution.h"
#include "objects/ZR_SerialNumber.h"
#include "shell/CaptionFile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace quill {

namespace {

const QString kSection = QStringLiteral("SerialNumberForm");

// Draws the preview's serial number across the box, vertically centred, on white.
class SerialPreviewBox : public QWidget {
public:
    SerialPreviewBox(TZR_SerialNumber &number, QWidget *parent) : QWidget(parent), mNumber(number)
    {
        setMinimumSize(280, 36);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const int height = mNumber.autoSizeExtent().value_or(QSize(0, 17)).height();
        mNumber.setBounds(QRect(0, 0, width() - 8, qMax(17, height)));
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.translate(4, (this->height() - mNumber.bounds().height()) / 2);
        mNumber.paint(painter, PaintContext());
    }

private:
    TZR_SerialNumber &mNumber;
};

QSpinBox *numberBox(const QString &name, int minimum, int maximum, int value, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

// The alignment box's entries, in order, as TAlignment.
constexpr int kAlignments[] = {taLeftJustify, taCenter, taRightJustify};

} // namespace

TSerialNumberForm::TSerialNumberForm(
    const CaptionFile &captions, const TZR_SerialNumber &original, QWidget *parent)
    : QDialog(parent), mCaptions(captions), mCopy(original.clone()),
      mPreview(std::make_unique<TZR_SerialNumber>())
{
    setObjectName(QStringLiteral("SerialNumberForm"));
    setWindowTitle(text("FormCaption", QStringLiteral("일련번호")));
    // The preview of the form: turned to 0, white and transparent, counting 1 to 1.
    mPreview->setEscapement(0);
    mPreview->setImsiFontSize(10);
    mPreview->setColor(clWhite);
    mPreview->setTransparent(true);
    mPreview->setFontName(original.fontName());

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok
        = buttons->addButton(text("OkBtn", QStringLiteral("확인")), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(
        text("CancelBtn", QStringLiteral("취소")), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildSettingsGroup(original));
    layout->addWidget(buildPreviewGroup());
    layout->addWidget(buttons);
    connectPreview();
    setFixedSize(sizeHint());
}

TSerialNumberForm::~TSerialNumberForm() = default;

QString TSerialNumberForm::text(const char *key, const QString &fallback) const
{
    return EditorActions::captionOrDefault(mCaptions, kSection, QString::fromLatin1(key), fallback);
}

QWidget *TSerialNumberForm::buildSettingsGroup(const TZR_SerialNumber &original)
{
    auto *group = new QGroupBox(text("SettingsGroup", QStringLiteral("일련번호 설정")), this);
    const SerialNumberSettings s = SerialNumberSettings::of(original);
    constexpr int lowest = std::numeric_limits<qint32>::min();
    constexpr int highest = std::numeric_limits<qint32>::max();
    mPrefix = new QLineEdit(s.prefix, group);
    mPrefix->setObjectName(QStringLiteral("prefix"));
    mStart = numberBox(QStringLiteral("StartNum"), lowest, highest, s.start, group);
    mEnd = numberBox(QStringLiteral("EndNum"), lowest, highest, s.end, group);
    mPostfix = new QLineEdit(s.postfix, group);
    mPostfix->setObjectName(QStringLiteral("postfix"));
    mStep = numberBox(QStringLiteral("Dx"), -1000, 1000, s.step, group);
    mAlign = new QComboBox(group);
    mAlign->setObjectName(QStringLiteral("AlignBtn"));
    mAlign->addItems({text("AlignLeft", QStringLiteral("왼쪽 정렬")),
        text("AlignCenter", QStringLiteral("가운데 정렬")),
        text("AlignRight", QStringLiteral("오른쪽 정렬"))});
    mFont = new QFontComboBox(group);
    mFont->setObjectName(QStringLiteral("FontName"));
    mFont->setCurrentFont(QFont(resolvedFamily(original.fontName())));

    auto *range = new QHBoxLayout;
    range->addWidget(mStart, 1);
    range->addWidget(new QLabel(QStringLiteral("~"), group));
    range->addWidget(mEnd, 1);
    auto *grid = new QGridLayout(group);
    const auto addRow = [&](int row, const char *key, const QString &label, QWidget *field,
                            QLayout *fields = nullptr) {
        grid->addWidget(new QLabel(text(key, label), group), row, 0);
        if (fields)
            grid->addLayout(fields, row, 1);
        else
            grid->addWidget(field, row, 1);
    };
    addRow(0, "Prefix", QStringLiteral("머     리     말 :"), mPrefix);
    addRow(1, "StartNum", QStringLiteral("시  작   번  호 :"), nullptr, range);
    addRow(2, "Postfix", QStringLiteral("꼬     리     말 :"), mPostfix);
    addRow(3, "Dx", QStringLiteral("증가값/감소값 :"), mStep);
    addRow(4, "Align", QStringLiteral("정              렬 :"), mAlign);
    addRow(5, "Font", QStringLiteral("글              꼴 :"), mFont);
    return group;
}

QWidget *TSerialNumberForm::buildPreviewGroup()
{
    auto *group = new QGroupBox(text("PreviewGroup", QStringLiteral("미리보기")), this);
    mPreviewBox = new SerialPreviewBox(*mPreview, group);
    mPreviewBox->setObjectName(QStringLiteral("zrSerialNumber"));
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(mPreviewBox);
    return group;
}

// Every change of a box shows at once in the preview.
void TSerialNumberForm::connectPreview()
{
    TZR_SerialNumber &p = *mPreview;
    const auto show = [this] { mPreviewBox->update(); };
    connect(mPrefix, &QLineEdit::textChanged, this, [&p, show](const QString &v) {
        p.setPrefix(v);
        show();
    });
    connect(mPostfix, &QLineEdit::textChanged, this, [&p, show](const QString &v) {
        p.setPostfix(v);
        show();
    });
    // A spin box reports only numbers it accepts, so an emptied box leaves the preview alone.
    connect(mStart, &QSpinBox::valueChanged, this, [&p, show](int v) {
        p.setStartNum(v);
        show();
    });
    connect(mEnd, &QSpinBox::valueChanged, this, [&p, show](int v) {
        p.setEndNum(v);
        show();
    });
    connect(mStep, &QSpinBox::valueChanged, this, [&p, show](int v) {
        p.setIncNum(v);
        show();
    });
    connect(mAlign, &QComboBox::currentIndexChanged, this, [&p, show](int i) {
        if (i >= 0 && i < int(std::size(kAlignments)))
            p.setAlignment(kAlignments[i]);
        show();
    });
    connect(mFont, &QComboBox::currentTextChanged, this, [&p, show](const QString &family) {
        if (!family.isEmpty())
            p.setFontName(family);
        show();
    });
    const SerialNumberSettings s = settings();
    p.setPrefix(s.prefix);
    p.setPostfix(s.postfix);
    p.setStartNum(s.start);
    p.setEndNum(s.end);
    p.setIncNum(s.step);
}

SerialNumberSettings TSerialNumberForm::settings() const
{
    SerialNumberSettings s;
    s.prefix = mPrefix->text();
    s.postfix = mPostfix->text();
    s.start = mStart->value();
    s.end = mEnd->value();
    s.step = mStep->value();
    return s;
}

QString TSerialNumberForm::refusal(QWidget **focus) const
{
    // A box the user emptied (or left at a lone sign) still reports its last number: refuse
    // rather than use a number the user no longer sees.
    for (QSpinBox *box : {mStart, mEnd, mStep}) {
        if (!box->hasAcceptableInput()) {
            *focus = box;
            return text(
                "EmptyNumber", QStringLiteral("번호가 비어 있습니다. 먼저 번호를 입력 하십시오."));
        }
    }
    const SerialNumberSettings s = settings();
    *focus = mStep;
    switch (checkSerialRange(s.start, s.end, s.step)) {
    case SerialRangeProblem::ZeroStep:
        return text(
            "ZeroStep", QStringLiteral("증가값/감소값이 0입니다. 0이 아닌 값을 입력 하십시오."));
    case SerialRangeProblem::StepAwayFromEnd:
        return text("StepDirection",
            QStringLiteral("증가값/감소값으로는 끝 번호에 닿지 않습니다. 끝 번호가 시작 "
                           "번호보다 크면 양수를, 작으면 음수를 입력 하십시오."));
    case SerialRangeProblem::None:
        break;
    }
    *focus = nullptr;
    return QString();
}

void TSerialNumberForm::accept()
{
    QWidget *focus = nullptr;
    const QString problem = refusal(&focus);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        if (focus)
            focus->setFocus();
        return;
    }
    const SerialNumberSettings s = settings();
    applySerialSettings(*mPreview, s);
    if (auto *number = dynamic_cast<TZR_SerialNumber *>(mCopy.get()))
        applySerialSettings(*number, s);
    QDialog::accept();
}

std::unique_ptr<TZR_SerialNumber> TSerialNumberForm::takeResult()
{
    if (result() != Accepted || !dynamic_cast<TZR_SerialNumber *>(mCopy.get()))
        return nullptr;
    return std::unique_ptr<TZR_SerialNumber>(static_cast<TZR_SerialNumber *>(mCopy.release()));
}

const TZR_SerialNumber &TSerialNumberForm::preview() const
{
    return *mPreview;
}

// The dialog opens in the middle of the desktop, not over its parent.
void TSerialNumberForm::showEvent(QShowEvent *event)
{
    if (!mCentred) {
        mCentred = true;
        if (QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

} // namespace quill
