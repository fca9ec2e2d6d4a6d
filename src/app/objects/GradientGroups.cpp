#include "GradientGroups.h"

#include "editor/EditorActions.h"
#include "objects/ObjectPaint.h"
#include "objects/ZR_Gradient.h"
#include "shell/CaptionFile.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quill {

// ---- GradientSwatch ----------------------------------------------------------------------

GradientSwatch::GradientSwatch(const QString &dialogTitle, QWidget *parent)
    : QPushButton(parent), mDialogTitle(dialogTitle)
{
    setCursor(Qt::PointingHandCursor);
    setFixedSize(48, 22);
    connect(this, &QPushButton::clicked, this, &GradientSwatch::choose);
}

void GradientSwatch::setColour(TColor colour)
{
    mColour = colour;
    update();
}

void GradientSwatch::choose()
{
    const QColor picked = QColorDialog::getColor(
        toQColor(mColour), this, mDialogTitle, QColorDialog::DontUseNativeDialog);
    if (!picked.isValid())
        return;
    setColour(fromQColor(picked));
    emit colourChosen();
}

void GradientSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect box = rect().adjusted(1, 1, -2, -2);
    QColor fill = toQColor(mColour);
    if (!isEnabled())
        fill = palette().color(QPalette::Disabled, QPalette::Button);
    painter.fillRect(box, fill);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawRect(box);
}

// ---- GradientPreviewBox ------------------------------------------------------------------

GradientPreviewBox::GradientPreviewBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumSize(200, 120);
}

void GradientPreviewBox::setObject(const LabelObject *object)
{
    mObject = object;
    update();
}

void GradientPreviewBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!mObject)
        return;
    const QSize size = mObject->bounds().size();
    const QRect area = contentsRect().adjusted(4, 4, -4, -4);
    if (size.isEmpty() || area.isEmpty())
        return;
    // The object's own 100 % drawing, scaled as a whole so the preview keeps its proportions.
    const double scale = std::min(double(area.width()) / size.width(),
                                  double(area.height()) / size.height());
    QPainter painter(this);
    painter.setClipRect(area);
    painter.translate(area.x() + (area.width() - size.width() * scale) / 2,
                      area.y() + (area.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    PaintContext context;
    context.dpiX = context.dpiY = 96.0 * scale;
    mObject->paint(painter, context);
}

// ---- GradientGroups ----------------------------------------------------------------------

GradientGroups::Texts GradientGroups::texts(const CaptionFile &captions, const QString &section)
{
    return [&captions, section](const char *key, const QString &fallback) {
        return EditorActions::captionOrDefault(captions, section, QString::fromLatin1(key),
                                               fallback);
    };
}

GradientGroups::GradientGroups(const CaptionFile &captions, const QString &section,
                               QWidget *dialog)
    : QObject(dialog)
{
    const Texts text = texts(captions, section);
    const auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };

    mColourGroup = new QGroupBox(text("GroupColor", QStringLiteral("색")), dialog);
    mOneColour = new QRadioButton(text("rdoOneColor", QStringLiteral("단색")), mColourGroup);
    mTwoColours = new QRadioButton(text("rdoTwoColor", QStringLiteral("두가지색")), mColourGroup);
    const QString dialogTitle = text("ColorDialog", QStringLiteral("색"));
    mStart = new GradientSwatch(dialogTitle, mColourGroup);
    mEnd = new GradientSwatch(dialogTitle, mColourGroup);
    named(mOneColour, "rdoOneColor");
    named(mTwoColours, "rdoTwoColor");
    named(mStart, "SColorBtn");
    named(mEnd, "EColorBtn");
    auto *colours = new QGridLayout(mColourGroup);
    colours->addWidget(mOneColour, 0, 0);
    colours->addWidget(mTwoColours, 0, 1);
    colours->addWidget(new QLabel(text("StartColor", QStringLiteral("시작색")), mColourGroup), 1, 0);
    colours->addWidget(mStart, 1, 1);
    colours->addWidget(new QLabel(text("EndColor", QStringLiteral("종료색")), mColourGroup), 2, 0);
    colours->addWidget(mEnd, 2, 1);

    mStyleGroup = new QGroupBox(text("GroupStyle", QStringLiteral("스타일")), dialog);
    mHorizontal = new QRadioButton(text("rdoHoriz", QStringLiteral("가로방향")), mStyleGroup);
    mVertical = new QRadioButton(text("rdoVert", QStringLiteral("세로방향")), mStyleGroup);
    named(mHorizontal, "rdoHoriz");
    named(mVertical, "rdoVert");
    auto *styles = new QVBoxLayout(mStyleGroup);
    styles->addWidget(mHorizontal);
    styles->addWidget(mVertical);

    connect(mOneColour, &QRadioButton::clicked, this, &GradientGroups::colourCountClicked);
    connect(mTwoColours, &QRadioButton::clicked, this, &GradientGroups::colourCountClicked);
    for (QRadioButton *style : {mHorizontal, mVertical})
        connect(style, &QRadioButton::clicked, this, &GradientGroups::changed);
    for (GradientSwatch *swatch : {mStart, mEnd})
        connect(swatch, &GradientSwatch::colourChosen, this, &GradientGroups::changed);
}

void GradientGroups::load(const TZR_Gradient &object)
{
    const TLayOutStyle layout = object.layOutStyle();
    mOneColour->setChecked(layout == lsAutoGradient);
    mTwoColours->setChecked(layout == lsGradient);
    mEnd->setEnabled(layout != lsAutoGradient);
    mHorizontal->setChecked(object.gradientStyle() == gsLeftToRight);
    mVertical->setChecked(object.gradientStyle() == gsTopToBottom);
    mStart->setColour(object.gradientStartColor());
    mEnd->setColour(object.gradientEndColor());
}

void GradientGroups::apply(TZR_Gradient &object) const
{
    object.setLayOutStyle(mOneColour->isChecked() ? lsAutoGradient : lsGradient);
    object.setGradientStyle(mHorizontal->isChecked() ? gsLeftToRight : gsTopToBottom);
    object.setGradientStartColor(mStart->colour());
    object.setGradientEndColor(mEnd->colour());
}

void GradientGroups::colourCountClicked()
{
    // One colour ramps toward white: the end colour plays no part.
    mEnd->setEnabled(!mOneColour->isChecked());
    emit changed();
}

} // namespace quill
