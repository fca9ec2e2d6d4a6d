#include "ZR_WorkLabel.h"

#include "Rounding.h"

#include <algorithm>

namespace quill {

const QStringList &TZR_WorkLabel::propertyNames()
{
    static const QStringList names{
        QStringLiteral("ZoomPercent"),    QStringLiteral("LabelSize"),
        QStringLiteral("LeftMargin"),     QStringLiteral("TopMargin"),
        QStringLiteral("LabelCount"),     QStringLiteral("FromLabel"),
        QStringLiteral("PrintStartPage"), QStringLiteral("PrintEndPage"),
        QStringLiteral("Gridflag"),       QStringLiteral("GridWidth"),
        QStringLiteral("GridColor"),      QStringLiteral("RulerLP"),
        QStringLiteral("RulerTP"),        QStringLiteral("PartPrint"),
        QStringLiteral("StartRow"),       QStringLiteral("StartColumn"),
        QStringLiteral("CutLine"),        QStringLiteral("PrintSheet"),
        QStringLiteral("PrintLabelPaper"), QStringLiteral("ShadowFlag"),
    };
    return names;
}

bool TZR_WorkLabel::setZoomPercent(quint16 zoom)
{
    if (zoom == 0)
        return false;
    mZoomPercent = zoom;
    return true;
}

void TZR_WorkLabel::setFromLabel(quint16 cellNumber)
{
    mFromLabel = cellNumber;
    mStartColumn = cellNumber;
}

int TZR_WorkLabel::shadowWidthFor(int cellScreenWidth)
{
    return std::max(MinShadowWidth, roundHalfEven(cellScreenWidth * ShadowPercent / 100.0));
}

int TZR_WorkLabel::shadowWidth() const
{
    return mShadowFlag ? shadowWidthFor(mLabelSize.cellScreenWidth(mZoomPercent)) : 0;
}

void TZR_WorkLabel::fitToCell()
{
    // Summed in 64 bits and saturated: the sheet of a damaged file can be as large as int.
    const qint64 shadow = shadowWidth();
    mWidth = clampToInt(mLabelSize.cellScreenWidth(mZoomPercent) + shadow);
    mHeight = clampToInt(mLabelSize.cellScreenHeight(mZoomPercent) + shadow);
}

void TZR_WorkLabel::swapOrientation(OrientationTurn turn)
{
    mLabelSize.swapOrientation(&mInnerCutOutline, turn);
}

} // namespace quill
