// The work label: the document's label sheet, paper colour, grid and print settings.
#pragma once

#include "ColorNames.h"
#include "InnerCutOutline.h"
#include "ZR_LabelSize.h"

#include <QStringList>

namespace quill {

// Plain data; the editor draws it and printing reads it. Lengths are stated per property.
// The record of a work label holds Left, Top, Width and Height (always written), Color (written
// when not $FFFFFF) and then the properties of propertyNames() in that order.
class TZR_WorkLabel {
public:
    // Declared defaults for the property stream: a property equal to its declared default is
    // not written. Properties missing here have none and are always written.
    struct DeclaredDefault {
        static constexpr quint16 ZoomPercent = 100;
        static constexpr TColor Color = clWhite;
        static constexpr bool Gridflag = false;
        static constexpr TColor GridColor = clGray;
        static constexpr bool PartPrint = false;
        static constexpr bool CutLine = false;
    };

    // The work label's own persisted properties in stream order (after the control properties).
    static const QStringList &propertyNames();

    static constexpr double ShadowPercent = 1.5; // of the cell's screen width
    static constexpr int MinShadowWidth = 2;

    TZR_WorkLabel() = default;

    // Control bounds in pixels (the work area positions it at (0, 0)).
    int left() const { return mLeft; }
    void setLeft(int v) { mLeft = v; }
    int top() const { return mTop; }
    void setTop(int v) { mTop = v; }
    int width() const { return mWidth; }
    void setWidth(int v) { mWidth = v; }
    int height() const { return mHeight; }
    void setHeight(int v) { mHeight = v; }
    // Sizes the control to the cell at the current zoom plus the drop shadow.
    void fitToCell();

    TColor color() const { return mColor; } // paper colour behind the cell
    void setColor(TColor color) { mColor = color; }

    // Zoom in percent. 0 is refused (every mapping back to 100 % would divide by it): returns
    // false and keeps the old value.
    quint16 zoomPercent() const { return mZoomPercent; }
    bool setZoomPercent(quint16 zoom);

    const TZR_LabelSize &labelSize() const { return mLabelSize; }
    TZR_LabelSize &labelSize() { return mLabelSize; }
    // Takes over a sheet's values; a change handler already attached stays attached.
    void setLabelSize(const TZR_LabelSize &sheet) { mLabelSize = sheet; }

    double leftMargin() const { return mLeftMargin; } // horizontal print offset, mm
    void setLeftMargin(double mm) { mLeftMargin = mm; }
    double topMargin() const { return mTopMargin; }   // vertical print offset, mm
    void setTopMargin(double mm) { mTopMargin = mm; }
    quint16 labelCount() const { return mLabelCount; }
    void setLabelCount(quint16 v) { mLabelCount = v; }
    quint16 fromLabel() const { return mFromLabel; }
    // The start cell lives in two properties: FromLabel and StartColumn.
    void setFromLabel(quint16 cellNumber);
    quint16 printStartPage() const { return mPrintStartPage; }
    void setPrintStartPage(quint16 v) { mPrintStartPage = v; }
    quint16 printEndPage() const { return mPrintEndPage; }
    void setPrintEndPage(quint16 v) { mPrintEndPage = v; }
    bool gridflag() const { return mGridflag; }
    void setGridflag(bool on) { mGridflag = on; }
    double gridWidth() const { return mGridWidth; } // grid spacing, mm
    void setGridWidth(double mm) { mGridWidth = mm; }
    TColor gridColor() const { return mGridColor; }
    void setGridColor(TColor color) { mGridColor = color; }
    double rulerLP() const { return mRulerLP; }
    void setRulerLP(double v) { mRulerLP = v; }
    double rulerTP() const { return mRulerTP; }
    void setRulerTP(double v) { mRulerTP = v; }
    bool partPrint() const { return mPartPrint; }
    void setPartPrint(bool on) { mPartPrint = on; }
    quint16 startRow() const { return mStartRow; }
    void setStartRow(quint16 v) { mStartRow = v; }
    quint16 startColumn() const { return mStartColumn; } // the start cell number
    void setStartColumn(quint16 v) { mStartColumn = v; }
    bool cutLine() const { return mCutLine; }
    void setCutLine(bool on) { mCutLine = on; }
    quint16 printSheet() const { return mPrintSheet; }
    void setPrintSheet(quint16 v) { mPrintSheet = v; }
    bool printLabelPaper() const { return mPrintLabelPaper; }
    void setPrintLabelPaper(bool on) { mPrintLabelPaper = on; }
    bool shadowFlag() const { return mShadowFlag; }
    void setShadowFlag(bool on) { mShadowFlag = on; }

    // Not persisted: the product's inner cut outline (present false when it has none).
    const InnerCutOutline &innerCutOutline() const { return mInnerCutOutline; }
    void setInnerCutOutline(const InnerCutOutline &outline) { mInnerCutOutline = outline; }

    // Drop shadow depth in pixels for a cell drawn cellScreenWidth pixels wide: 1.5 % of it,
    // rounded, at least 2.
    static int shadowWidthFor(int cellScreenWidth);
    // The shadow at the current zoom: 0 when ShadowFlag is off.
    int shadowWidth() const;

    // Turns the sheet and the inner cut outline between portrait and landscape.
    void swapOrientation(OrientationTurn turn = OrientationTurn::ToPortrait);

private:
    int mLeft = 0;
    int mTop = 0;
    int mWidth = 0;
    int mHeight = 0;
    TColor mColor = DeclaredDefault::Color;
    quint16 mZoomPercent = 100;
    TZR_LabelSize mLabelSize;
    double mLeftMargin = 0.0;
    double mTopMargin = 0.0;
    quint16 mLabelCount = 1;
    quint16 mFromLabel = 1;
    quint16 mPrintStartPage = 1;
    quint16 mPrintEndPage = 1;
    bool mGridflag = false;
    double mGridWidth = 3.0;
    TColor mGridColor = clBlack; // starts black although the declared default is grey
    double mRulerLP = 0.0;
    double mRulerTP = 0.0;
    bool mPartPrint = false;
    quint16 mStartRow = 1;
    quint16 mStartColumn = 1;
    bool mCutLine = false;
    quint16 mPrintSheet = 1;
    bool mPrintLabelPaper = false;
    bool mShadowFlag = true;
    InnerCutOutline mInnerCutOutline;
};

} // namespace quill
