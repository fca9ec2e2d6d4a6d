#include "ZR_LabelSize.h"

#include "InnerCutOutline.h"
#include "NumberText.h"
#include "Rounding.h"

#include <algorithm>
#include <utility>

namespace quill {

namespace {

// A field's text: exact name first, then without regard to case; empty when missing.
QString fieldText(const CatalogueRecord &record, const QString &name)
{
    const auto exact = record.constFind(name);
    if (exact != record.constEnd())
        return exact.value();
    for (auto it = record.constBegin(); it != record.constEnd(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

// Reads a millimetre field and hands the value over in inches.
template <typename Store>
Status fillLength(const CatalogueRecord &record, const char *name, Store store)
{
    const QString field = QLatin1String(name);
    const Result<double> mm = textToFloat(fieldText(record, field));
    if (!mm)
        return Error{mm.error().message, field};
    store(mm.value() / TZR_LabelSize::MillimetresPerInch);
    return {};
}

// Reads a count field. Counts are 16-bit on the sheet; a value outside that range would wrap
// into a nonsense sheet, so it fails like any other value that does not convert.
Status fillCount(const CatalogueRecord &record, const char *name, quint16 &target)
{
    const QString field = QLatin1String(name);
    const QString text = fieldText(record, field);
    const Result<qint64> count = textToInteger(text);
    if (!count)
        return Error{count.error().message, field};
    if (count.value() < 0 || count.value() > 0xFFFF)
        return Error{invalidIntegerMessage(text), field};
    target = static_cast<quint16>(count.value());
    return {};
}

// The catalogue writes colours as $00RRGGBB; the sheet holds $00BBGGRR. The new job
// dialog formats red, green and blue as "$00%.2x%.2x%.2x" and reads that back, so the high
// byte is dropped as well.
TColor swapRedAndBlue(TColor color)
{
    const quint32 red = color & 0xFF;
    const quint32 green = (color >> 8) & 0xFF;
    const quint32 blue = (color >> 16) & 0xFF;
    return (red << 16) | (green << 8) | blue;
}

std::optional<TShapeType> shapeFromText(const QString &text)
{
    auto is = [&text](const char *name) {
        return text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is("R.Rect"))
        return stRoundRect;
    if (is("Rect"))
        return stRectangle;
    if (is("Circle") || is("Round"))
        return stCircle;
    return std::nullopt;
}

} // namespace

const QStringList &TZR_LabelSize::propertyNames()
{
    static const QStringList names{
        QStringLiteral("LabelCode"),   QStringLiteral("Height"),
        QStringLiteral("Width"),       QStringLiteral("MeasureUnit"),
        QStringLiteral("LabelsPerSheet"), QStringLiteral("Columns"),
        QStringLiteral("Rows"),        QStringLiteral("LeftMargin"),
        QStringLiteral("RightMargin"), QStringLiteral("TopMargin"),
        QStringLiteral("BottomMargin"), QStringLiteral("HorizSpace"),
        QStringLiteral("VertSpace"),   QStringLiteral("RectangleRadius"),
        QStringLiteral("Shape"),       QStringLiteral("Color"),
        QStringLiteral("C_Code"),      QStringLiteral("PageWidth"),
        QStringLiteral("PageHeight"),  QStringLiteral("LabelKindType"),
        QStringLiteral("Paper"),
    };
    return names;
}

void TZR_LabelSize::setCellSize(int index, double inches)
{
    double &field = index == 0 ? mHeight : mWidth;
    if (field == inches)
        return;
    field = inches;
    notify();
}

void TZR_LabelSize::setPageSize(int index, double inches)
{
    double &field = index == 0 ? mPageWidth : mPageHeight;
    if (field == inches)
        return;
    field = inches;
    notify();
}

void TZR_LabelSize::notify()
{
    if (mNotifier.handler)
        mNotifier.handler(*this);
}

void TZR_LabelSize::assign(const TZR_LabelSize &source)
{
    mHeight = source.mHeight;
    mWidth = source.mWidth;
    notify();
}

Status TZR_LabelSize::fillFromCatalogueRecord(const CatalogueRecord &record,
                                              const QString &fileLabelName, bool swapRedBlue)
{
    if (Status s = fillSizes(record); !s)
        return s;
    return fillAppearance(record, fileLabelName, swapRedBlue);
}

// Steps 1 to 6 of the fill, in their order: a failing step leaves the earlier ones done.
Status TZR_LabelSize::fillSizes(const CatalogueRecord &record)
{
    setLabelCode(fieldText(record, QStringLiteral("code")));
    Status s = fillLength(record, "p_width", [this](double v) { setPageWidth(v); });
    if (s) s = fillLength(record, "p_height", [this](double v) { setPageHeight(v); });
    if (s) s = fillCount(record, "L_Columns", mColumns);
    if (s) s = fillCount(record, "L_Rows", mRows);
    if (s) s = fillLength(record, "l_margin", [this](double v) { mLeftMargin = float(v); });
    if (s) s = fillLength(record, "r_margin", [this](double v) { mRightMargin = float(v); });
    if (s) s = fillLength(record, "t_margin", [this](double v) { mTopMargin = float(v); });
    if (s) s = fillLength(record, "b_margin", [this](double v) { mBottomMargin = float(v); });
    if (s) s = fillLength(record, "l_width", [this](double v) { setWidth(v); });
    if (s) s = fillLength(record, "l_height", [this](double v) { setHeight(v); });
    if (s) s = fillLength(record, "c_space", [this](double v) { mHorizSpace = float(v); });
    if (s) s = fillLength(record, "r_space", [this](double v) { mVertSpace = float(v); });
    return s;
}

// Steps 7 to 10: names, paper colour, shape and corner radius.
Status TZR_LabelSize::fillAppearance(const CatalogueRecord &record, const QString &fileLabelName,
                                     bool swapRedBlue)
{
    mLabelKindType = fieldText(record, QStringLiteral("product"));
    mPaper = fieldText(record, QStringLiteral("Paper"));
    if (mLabelKindType == fileLabelName) {
        mColor = clWhite;
    } else {
        const QString text = fieldText(record, QStringLiteral("c_code"));
        const std::optional<TColor> color = colorFromText(text);
        if (!color)
            return Error{QStringLiteral("'%1' is not a valid color value").arg(text),
                         QStringLiteral("c_code")};
        mColor = swapRedBlue ? swapRedAndBlue(*color) : *color;
    }
    if (const auto shape = shapeFromText(fieldText(record, QStringLiteral("Shape"))))
        mShape = *shape;
    return fillLength(record, "Radios", [this](double v) { mRectangleRadius = v; });
}

void TZR_LabelSize::swapOrientation(InnerCutOutline *outline, OrientationTurn turn)
{
    const TZR_LabelSize old = *this;
    // The fields are exchanged directly and the notification fires once at the end, so no
    // handler ever sees a half-turned sheet.
    std::swap(mPageWidth, mPageHeight);
    std::swap(mColumns, mRows);
    std::swap(mWidth, mHeight);
    std::swap(mHorizSpace, mVertSpace);
    if (turn == OrientationTurn::ToPortrait) {
        // Catalogues often leave the right margin 0 (unknown); the left one stands in for it.
        mTopMargin = old.mRightMargin != 0.0f ? old.mRightMargin : old.mLeftMargin;
        mBottomMargin = old.mLeftMargin;
        mLeftMargin = old.mTopMargin;
        mRightMargin = old.mBottomMargin;
    } else {
        // Undoes the turn above; a right margin of 0 was already replaced by the left one.
        mLeftMargin = old.mBottomMargin;
        mTopMargin = old.mLeftMargin;
        mBottomMargin = old.mRightMargin;
        mRightMargin = old.mTopMargin;
    }
    if (outline && outline->present)
        outline->swapAxes();
    if (mWidth != old.mWidth || mHeight != old.mHeight || mPageWidth != old.mPageWidth
        || mPageHeight != old.mPageHeight)
        notify();
}

std::optional<CellPosition> TZR_LabelSize::cellPosition(int cellNumber) const
{
    if (cellNumber < 1 || cellNumber > cellCount())
        return std::nullopt;
    return CellPosition{(cellNumber - 1) / mColumns, (cellNumber - 1) % mColumns};
}

QPointF TZR_LabelSize::cellOrigin(int row, int column) const
{
    return {double(mLeftMargin) + column * (mWidth + double(mHorizSpace)),
            double(mTopMargin) + row * (mHeight + double(mVertSpace))};
}

QRect TZR_LabelSize::cellRect100(int row, int column) const
{
    const double w = mWidth * ScreenPixelsPerInch;
    const double h = mHeight * ScreenPixelsPerInch;
    const double hs = double(mHorizSpace) * ScreenPixelsPerInch;
    const double vs = double(mVertSpace) * ScreenPixelsPerInch;
    // Far beyond any sheet: a sheet from a damaged file must not give a rectangle whose right
    // or bottom edge overflows int (QRect computes left + width - 1).
    static constexpr double limit = 1 << 28;
    const auto px = [](double v) { return roundHalfEven(std::clamp(v, -limit, limit)); };
    return QRect(px(column * w + column * hs), px(row * h + row * vs), px(w), px(h));
}

int TZR_LabelSize::screenPixels(double inches, int zoom)
{
    return roundHalfEven(inches * ScreenPixelsPerInch * zoom / 100.0);
}

int TZR_LabelSize::devicePixels(double value, double pixelsPerInch) const
{
    const double inches = mMeasureUnit == muMillimeters ? value / MillimetresPerInch : value;
    return roundHalfEven(pixelsPerInch * inches);
}

} // namespace quill
