#include "WorkPanel.h"

#include "Ruler.h"
#include "ZR_WorkSpace.h"

#include <QGridLayout>
#include <QToolButton>

namespace quill {

namespace {

constexpr int StripSize = 27; // the ruler strips' depth, as the unit button is wide

} // namespace

WorkPanel::WorkPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WorkPanel"));
    mWorkSpace = new TZR_WorkSpace(this);
    mHRuler = new Ruler(Qt::Horizontal, this);
    mVRuler = new Ruler(Qt::Vertical, this);
    mHRuler->setFixedHeight(StripSize);
    mVRuler->setFixedWidth(StripSize);
    mUnitButton = new QToolButton(this);
    mUnitButton->setObjectName(QStringLiteral("Panel5"));
    mUnitButton->setFixedSize(StripSize, StripSize);
    mUnitButton->setAutoRaise(true);
    mUnitButton->setCursor(Qt::PointingHandCursor);
    mUnitButton->setStyleSheet(QStringLiteral("color: blue; background: aqua; font-size: 8pt"));
    mUnitButton->setText(RulerScale::unitCaption(mUnit));
    mUnitButton->setAccessibleName(QStringLiteral("눈금자 단위"));

    // No spacing: the rulers must line up pixel for pixel with the work area's viewport.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(mUnitButton, 0, 0);
    grid->addWidget(mHRuler, 0, 1);
    grid->addWidget(mVRuler, 1, 0);
    grid->addWidget(mWorkSpace, 1, 1);

    connect(mUnitButton, &QToolButton::clicked, this, &WorkPanel::Panel5Click);
    connect(mWorkSpace, &TZR_WorkSpace::zoomChanged, this, &WorkPanel::followZoom);
    connect(mWorkSpace, &TZR_WorkSpace::cellOriginChanged, this, &WorkPanel::followOrigin);
    connect(mWorkSpace, &TZR_WorkSpace::pointerMoved, this, &WorkPanel::followPointer);
    connect(mWorkSpace, &TZR_WorkSpace::pointerLeft, this, &WorkPanel::pointerLeft);
    followZoom(mWorkSpace->zoom());
    followOrigin(mWorkSpace->cellOrigin());
}

void WorkPanel::setMeasureUnit(RulerScale::TMeasureUnit unit)
{
    if (unit == mUnit)
        return;
    mUnit = unit;
    mHRuler->setMeasureUnit(unit);
    mVRuler->setMeasureUnit(unit);
    mUnitButton->setText(RulerScale::unitCaption(unit));
    if (mPointerInside)
        followPointer(mPointer);
    emit measureUnitChanged(unit);
}

void WorkPanel::Panel5Click()
{
    setMeasureUnit(mUnit == RulerScale::muMilimeter ? RulerScale::muInch
                                                     : RulerScale::muMilimeter);
}

void WorkPanel::followZoom(int zoom)
{
    mHRuler->setZoomPercent(zoom);
    mVRuler->setZoomPercent(zoom);
}

void WorkPanel::followOrigin(const QPoint &origin)
{
    mHRuler->setOrigin(origin.x());
    mVRuler->setOrigin(origin.y());
}

void WorkPanel::followPointer(const QPointF &cellPosition)
{
    mPointer = cellPosition;
    mPointerInside = true;
    mHRuler->setPointer(cellPosition.x());
    mVRuler->setPointer(cellPosition.y());
    const QString text = RulerScale::pointerReadoutText(cellPosition, mUnit);
    if (text == mPointerText)
        return;
    mPointerText = text;
    emit pointerTextChanged(text);
}

void WorkPanel::pointerLeft()
{
    mPointerInside = false;
    mHRuler->clearPointer();
    mVRuler->clearPointer();
}

} // namespace quill
