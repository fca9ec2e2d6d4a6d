// The label sheet description: one label paper product, its cells, margins and gaps.
#pragma once

#include "ColorNames.h"
#include "Result.h"

#include <QMap>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quill {

struct InnerCutOutline;

// Unit in which device pixel conversions read the lengths (one byte in the stream).
enum TMeasureUnit : quint8 { muInches, muMillimeters };

// Outline of a cell (one byte in the stream). Only stRectangle, stRoundRect and stCircle are
// produced; the overview window draws all six as their names say.
enum TShapeType : quint8 { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// Which way swapOrientation() turns the sheet. The two are each other's inverse: a turn to
// portrait followed by a turn back to landscape gives the margins back, so prints land where
// they did before.
enum class OrientationTurn { ToPortrait, ToLandscape };

// A catalogue record as text: field name -> value.
using CatalogueRecord = QMap<QString, QString>;

// Row and column of a cell, both from 0.
struct CellPosition {
    int row = 0;
    int column = 0;
    bool operator==(const CellPosition &) const = default;
};

// A label sheet. All lengths are inches. Cells are numbered from 1 row by row: the
// cell in row r and column c (from 0) is r x Columns + c + 1.
//
// Copying copies the 21 properties and never the change notification: a handler belongs to the
// object it was attached to (copy-assigning keeps the destination's handler and does not fire
// it). assign() is the notifying copy of Height and Width.
class TZR_LabelSize {
public:
    using ChangeHandler = std::function<void(TZR_LabelSize &)>;

    static constexpr double MillimetresPerInch = 25.4;
    static constexpr int ScreenPixelsPerInch = 96; // at 100 % zoom
    // Declared default of MeasureUnit for the property stream; every sheet the program
    // makes holds muInches, so the stream always writes it.
    static constexpr TMeasureUnit DeclaredMeasureUnit = muMillimeters;
    // Far beyond any label paper. Documents refuse sheets with more cells rather than allocate
    // millions of them for a damaged file or record.
    static constexpr qint64 MaxCellCount = 10000;

    // The 21 persisted property names, in stream order.
    static const QStringList &propertyNames();

    // All numbers 0, texts empty, Shape stRectangle, Color 0, MeasureUnit muInches.
    TZR_LabelSize() = default;

    bool operator==(const TZR_LabelSize &other) const = default;

    // Properties in stream order.
    QString labelCode() const { return mLabelCode; }
    void setLabelCode(const QString &code) { mLabelCode = code; }
    double height() const { return mHeight; }
    void setHeight(double inches) { setCellSize(0, inches); }   // notifying
    double width() const { return mWidth; }
    void setWidth(double inches) { setCellSize(1, inches); }    // notifying
    TMeasureUnit measureUnit() const { return mMeasureUnit; }
    void setMeasureUnit(TMeasureUnit unit) { mMeasureUnit = unit; }
    quint16 labelsPerSheet() const { return mLabelsPerSheet; } // carried only
    void setLabelsPerSheet(quint16 count) { mLabelsPerSheet = count; }
    quint16 columns() const { return mColumns; }
    void setColumns(quint16 columns) { mColumns = columns; }
    quint16 rows() const { return mRows; }
    void setRows(quint16 rows) { mRows = rows; }
    float leftMargin() const { return mLeftMargin; }
    void setLeftMargin(float inches) { mLeftMargin = inches; }
    float rightMargin() const { return mRightMargin; }
    void setRightMargin(float inches) { mRightMargin = inches; }
    float topMargin() const { return mTopMargin; }
    void setTopMargin(float inches) { mTopMargin = inches; }
    float bottomMargin() const { return mBottomMargin; }
    void setBottomMargin(float inches) { mBottomMargin = inches; }
    float horizSpace() const { return mHorizSpace; }
    void setHorizSpace(float inches) { mHorizSpace = inches; }
    float vertSpace() const { return mVertSpace; }
    void setVertSpace(float inches) { mVertSpace = inches; }
    double rectangleRadius() const { return mRectangleRadius; }
    void setRectangleRadius(double inches) { mRectangleRadius = inches; }
    TShapeType shape() const { return mShape; }
    void setShape(TShapeType shape) { mShape = shape; }
    TColor color() const { return mColor; }
    void setColor(TColor color) { mColor = color; }
    QString c_Code() const { return mC_Code; } // carried only
    void setC_Code(const QString &code) { mC_Code = code; }
    double pageWidth() const { return mPageWidth; }
    void setPageWidth(double inches) { setPageSize(0, inches); }   // notifying
    double pageHeight() const { return mPageHeight; }
    void setPageHeight(double inches) { setPageSize(1, inches); }  // notifying
    QString labelKindType() const { return mLabelKindType; }
    void setLabelKindType(const QString &name) { mLabelKindType = name; }
    QString paper() const { return mPaper; }
    void setPaper(const QString &name) { mPaper = name; }

    // Called after Height, Width, PageWidth or PageHeight took a different value, and by assign.
    void setChangeHandler(ChangeHandler handler) { mNotifier.handler = std::move(handler); }

    // Copies Height and Width only, then fires this sheet's change notification.
    void assign(const TZR_LabelSize &source);

    // Fills the sheet from a catalogue record (millimetres and texts). Field names are
    // looked up exactly, then without regard to case; a missing field reads as an empty text.
    // fileLabelName is the file-label product name ([LabelType] FileLabel): that product gets
    // white paper. swapRedBlue exchanges the red and blue bytes of c_code (the new job dialog
    // does that). A value that does not convert stops the fill with the conversion error; the
    // fields filled before it keep their new values.
    Status fillFromCatalogueRecord(const CatalogueRecord &record, const QString &fileLabelName,
                                   bool swapRedBlue);

    // Turns the sheet between portrait and landscape: page size, rows and columns, cell size
    // and gaps are exchanged. The margins turn by a quarter turn, from the old values:
    // - ToPortrait: top <- right (left when right is 0), bottom <- left, left <- top,
    //   right <- bottom;
    // - ToLandscape, its inverse: left <- bottom, top <- left, bottom <- right, right <- top.
    // Turning to portrait and back therefore restores every margin, except that a right margin
    // of 0 (unknown, as catalogues often leave it) comes back as the left margin it stood for.
    // The inner cut outline, when given, turns with it. Notifies once when the sizes changed.
    void swapOrientation(InnerCutOutline *outline = nullptr,
                         OrientationTurn turn = OrientationTurn::ToPortrait);

    // Geometry.
    // Number of cells per sheet (0 when Rows or Columns is 0).
    qint64 cellCount() const { return qint64(mRows) * mColumns; }
    int cellNumber(int row, int column) const { return row * mColumns + column + 1; }
    // Row and column of a cell number, or nothing when it is not a cell of the sheet.
    std::optional<CellPosition> cellPosition(int cellNumber) const;
    // Top-left corner of a cell on the sheet, inches from the sheet's top-left corner.
    QPointF cellOrigin(int row, int column) const;
    // The cell rectangle in pixels at 100 % (96 per inch) relative to the first cell: the
    // bounds of the document's cell panels.
    QRect cellRect100(int row, int column) const;
    // Cell size on the screen at a zoom percentage.
    int cellScreenWidth(int zoom) const { return screenPixels(mWidth, zoom); }
    int cellScreenHeight(int zoom) const { return screenPixels(mHeight, zoom); }
    // round(inches x 96 x zoom / 100).
    static int screenPixels(double inches, int zoom);
    // round(pixelsPerInch x value); the value is taken as millimetres when MeasureUnit is
    // muMillimeters, as inches otherwise.
    int devicePixels(double value, double pixelsPerInch) const;

private:
    // Handler storage that is never copied with the value (see the class comment).
    struct ChangeNotifier {
        ChangeHandler handler;
        ChangeNotifier() = default;
        ChangeNotifier(const ChangeNotifier &) {}
        ChangeNotifier &operator=(const ChangeNotifier &) { return *this; }
        bool operator==(const ChangeNotifier &) const { return true; }
    };

    void setCellSize(int index, double inches);
    void setPageSize(int index, double inches);
    void notify();
    Status fillSizes(const CatalogueRecord &record);
    Status fillAppearance(const CatalogueRecord &record, const QString &fileLabelName,
                          bool swapRedBlue);

    QString mLabelCode;
    double mHeight = 0.0;
    double mWidth = 0.0;
    TMeasureUnit mMeasureUnit = muInches;
    quint16 mLabelsPerSheet = 0;
    quint16 mColumns = 0;
    quint16 mRows = 0;
    float mLeftMargin = 0.0f;
    float mRightMargin = 0.0f;
    float mTopMargin = 0.0f;
    float mBottomMargin = 0.0f;
    float mHorizSpace = 0.0f;
    float mVertSpace = 0.0f;
    double mRectangleRadius = 0.0;
    TShapeType mShape = stRectangle;
    TColor mColor = 0;
    QString mC_Code;
    double mPageWidth = 0.0;
    double mPageHeight = 0.0;
    QString mLabelKindType;
    QString mPaper;
    ChangeNotifier mNotifier;
};

} // namespace quill
