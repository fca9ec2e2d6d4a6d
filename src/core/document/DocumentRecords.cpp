#include "DocumentRecords.h"

#include "StandardProperties.h"

namespace quill {

namespace {

const QString kLabelSize = QStringLiteral("LabelSize.");

const QStringList &measureUnitNames()
{
    static const QStringList list{QStringLiteral("muInches"), QStringLiteral("muMillimeters")};
    return list;
}

const QStringList &shapeTypeNames()
{
    static const QStringList list{QStringLiteral("stRectangle"), QStringLiteral("stSquare"),
                                  QStringLiteral("stRoundRect"), QStringLiteral("stRoundSquare"),
                                  QStringLiteral("stEllipse"),   QStringLiteral("stCircle")};
    return list;
}

const QStringList &bevelNames()
{
    static const QStringList list{QStringLiteral("bvNone"), QStringLiteral("bvLowered"),
                                  QStringLiteral("bvRaised"), QStringLiteral("bvSpace")};
    return list;
}

const QStringList &borderStyleNames()
{
    static const QStringList list{QStringLiteral("bsNone"), QStringLiteral("bsSingle")};
    return list;
}

// Cursor, Hint and HelpContext: the control settings every control publishes after its bounds.
void addControlSettings(ClassBuilder &b)
{
    addCursor(b);
    addHint(b);
    addHelpContext(b);
}

// The sheet as a nested value, in its own stream order. Integers and enumerations without a
// declared default are always written. MeasureUnit is written whatever its value: its declared
// default (muMillimeters) differs from the value a sheet starts with (muInches), so skipping it
// at that default would turn a millimetre sheet into an inch sheet on the next read. For every
// sheet the program makes (muInches) the bytes are the same either way.
void addLabelSize(ClassBuilder &b)
{
    const TZR_LabelSize fresh;
    b.text(kLabelSize + QStringLiteral("LabelCode"))
        .floating(kLabelSize + QStringLiteral("Height"), 0)
        .floating(kLabelSize + QStringLiteral("Width"), 0)
        .enumeration(kLabelSize + QStringLiteral("MeasureUnit"), measureUnitNames(),
                     fresh.measureUnit())
        .integer(kLabelSize + QStringLiteral("LabelsPerSheet"), 0)
        .integer(kLabelSize + QStringLiteral("Columns"), 0)
        .integer(kLabelSize + QStringLiteral("Rows"), 0);
    for (const char16_t *name : {u"LeftMargin", u"RightMargin", u"TopMargin", u"BottomMargin",
                                 u"HorizSpace", u"VertSpace"})
        b.floating(kLabelSize + QString::fromUtf16(name), 0, FloatWidth::Single);
    b.floating(kLabelSize + QStringLiteral("RectangleRadius"), 0)
        .enumeration(kLabelSize + QStringLiteral("Shape"), shapeTypeNames(), stRectangle)
        .color(kLabelSize + QStringLiteral("Color"), 0)
        .text(kLabelSize + QStringLiteral("C_Code"))
        .floating(kLabelSize + QStringLiteral("PageWidth"), 0)
        .floating(kLabelSize + QStringLiteral("PageHeight"), 0)
        .text(kLabelSize + QStringLiteral("LabelKindType"))
        .text(kLabelSize + QStringLiteral("Paper"));
}

ClassInfo buildWorkLabelClass()
{
    using D = TZR_WorkLabel::DeclaredDefault;
    const TZR_WorkLabel fresh;
    ClassBuilder b(QStringLiteral("TZR_WorkLabel"));
    addBounds(b, fresh.width(), fresh.height());
    addControlSettings(b);
    addAlign(b);
    addAnchors(b);
    b.color(QStringLiteral("Color"), fresh.color(), D::Color);
    addConstraints(b);
    addDragCursor(b);
    addDragKind(b);
    addDragMode(b);
    addEnabled(b);
    addFont(b, FontStart());
    addParentColor(b, false, false); // the work label sets its own colour
    addParentFont(b);
    addParentShowHint(b);
    addShowHint(b);
    addVisible(b);

    b.integer(QStringLiteral("ZoomPercent"), fresh.zoomPercent(), D::ZoomPercent);
    addLabelSize(b);
    b.floating(QStringLiteral("LeftMargin"), fresh.leftMargin())
        .floating(QStringLiteral("TopMargin"), fresh.topMargin())
        .integer(QStringLiteral("LabelCount"), fresh.labelCount())
        .integer(QStringLiteral("FromLabel"), fresh.fromLabel())
        .integer(QStringLiteral("PrintStartPage"), fresh.printStartPage())
        .integer(QStringLiteral("PrintEndPage"), fresh.printEndPage())
        .boolean(QStringLiteral("Gridflag"), fresh.gridflag(), D::Gridflag)
        .floating(QStringLiteral("GridWidth"), fresh.gridWidth())
        // Always written: the declared default (grey) is not the start value (black), so a grey
        // grid skipped at its default would come back black.
        .color(QStringLiteral("GridColor"), fresh.gridColor())
        .floating(QStringLiteral("RulerLP"), fresh.rulerLP())
        .floating(QStringLiteral("RulerTP"), fresh.rulerTP())
        .boolean(QStringLiteral("PartPrint"), fresh.partPrint(), D::PartPrint)
        .integer(QStringLiteral("StartRow"), fresh.startRow())
        .integer(QStringLiteral("StartColumn"), fresh.startColumn())
        .boolean(QStringLiteral("CutLine"), fresh.cutLine(), D::CutLine)
        .integer(QStringLiteral("PrintSheet"), fresh.printSheet())
        .boolean(QStringLiteral("PrintLabelPaper"), fresh.printLabelPaper())
        .boolean(QStringLiteral("ShadowFlag"), fresh.shadowFlag());
    return b.build([] { return std::make_unique<PersistentObject>(workLabelClassInfo()); });
}

ClassInfo buildTabSheetClass()
{
    ClassBuilder b(QStringLiteral("TTabSheet"));
    addControlSettings(b);
    b.integer(QStringLiteral("BorderWidth"), 0, 0);
    b.text(QStringLiteral("Caption"));
    addConstraints(b);
    addDragMode(b);
    addEnabled(b);
    addFont(b, FontStart());
    b.integer(QStringLiteral("ImageIndex"), 0, 0);
    addParentFont(b);
    addParentShowHint(b);
    addShowHint(b);
    b.boolean(QStringLiteral("TabVisible"), true, true);
    addVisible(b);
    return b.build([] { return std::make_unique<PersistentObject>(tabSheetClassInfo()); });
}

ClassInfo buildPanelClass()
{
    ClassBuilder b(QStringLiteral("TPanel"));
    addBounds(b, 185, 41);
    addControlSettings(b);
    addAlign(b);
    b.enumeration(QStringLiteral("Alignment"), names::alignment(), taCenter, taCenter);
    addAnchors(b);
    b.enumeration(QStringLiteral("BevelInner"), bevelNames(), 0, 0)
        .enumeration(QStringLiteral("BevelOuter"), bevelNames(), 2, 2)
        .integer(QStringLiteral("BevelWidth"), 1, 1)
        .integer(QStringLiteral("BorderWidth"), 0, 0)
        .enumeration(QStringLiteral("BorderStyle"), borderStyleNames(), 0, 0)
        .text(QStringLiteral("Caption"));
    const qint64 btnFace = 0xFF00000F;
    b.color(QStringLiteral("Color"), btnFace, btnFace);
    addConstraints(b);
    addDragCursor(b);
    addDragKind(b);
    addDragMode(b);
    addEnabled(b);
    addFont(b, FontStart());
    addParentColor(b);
    addParentFont(b);
    addParentShowHint(b);
    addShowHint(b);
    b.integer(QStringLiteral("TabOrder"), -1, -1);
    b.boolean(QStringLiteral("TabStop"), false, false);
    addVisible(b);
    return b.build([] { return std::make_unique<PersistentObject>(panelClassInfo()); });
}

void setLabelSizeValues(PersistentObject &o, const TZR_LabelSize &s)
{
    o.setValue(kLabelSize + QStringLiteral("LabelCode"), s.labelCode());
    o.setValue(kLabelSize + QStringLiteral("Height"), s.height());
    o.setValue(kLabelSize + QStringLiteral("Width"), s.width());
    o.setValue(kLabelSize + QStringLiteral("MeasureUnit"), int(s.measureUnit()));
    o.setValue(kLabelSize + QStringLiteral("LabelsPerSheet"), s.labelsPerSheet());
    o.setValue(kLabelSize + QStringLiteral("Columns"), s.columns());
    o.setValue(kLabelSize + QStringLiteral("Rows"), s.rows());
    o.setValue(kLabelSize + QStringLiteral("LeftMargin"), s.leftMargin());
    o.setValue(kLabelSize + QStringLiteral("RightMargin"), s.rightMargin());
    o.setValue(kLabelSize + QStringLiteral("TopMargin"), s.topMargin());
    o.setValue(kLabelSize + QStringLiteral("BottomMargin"), s.bottomMargin());
    o.setValue(kLabelSize + QStringLiteral("HorizSpace"), s.horizSpace());
    o.setValue(kLabelSize + QStringLiteral("VertSpace"), s.vertSpace());
    o.setValue(kLabelSize + QStringLiteral("RectangleRadius"), s.rectangleRadius());
    o.setValue(kLabelSize + QStringLiteral("Shape"), int(s.shape()));
    o.setValue(kLabelSize + QStringLiteral("Color"), qint64(s.color()));
    o.setValue(kLabelSize + QStringLiteral("C_Code"), s.c_Code());
    o.setValue(kLabelSize + QStringLiteral("PageWidth"), s.pageWidth());
    o.setValue(kLabelSize + QStringLiteral("PageHeight"), s.pageHeight());
    o.setValue(kLabelSize + QStringLiteral("LabelKindType"), s.labelKindType());
    o.setValue(kLabelSize + QStringLiteral("Paper"), s.paper());
}

quint16 word(const PersistentObject &o, const QString &name)
{
    return static_cast<quint16>(o.intValue(name));
}

// An enumeration ordinal outside the type's range (only possible from a bare number in JSON)
// falls back to the first value rather than producing an invalid enumerator.
template <typename E>
E enumValue(const PersistentObject &o, const QString &name, int count)
{
    const qint64 v = o.intValue(name);
    return static_cast<E>(v >= 0 && v < count ? v : 0);
}

TZR_LabelSize labelSizeFromValues(const PersistentObject &o)
{
    TZR_LabelSize s;
    s.setLabelCode(o.textValue(kLabelSize + QStringLiteral("LabelCode")));
    s.setHeight(o.floatValue(kLabelSize + QStringLiteral("Height")));
    s.setWidth(o.floatValue(kLabelSize + QStringLiteral("Width")));
    s.setMeasureUnit(enumValue<TMeasureUnit>(o, kLabelSize + QStringLiteral("MeasureUnit"), 2));
    s.setLabelsPerSheet(word(o, kLabelSize + QStringLiteral("LabelsPerSheet")));
    s.setColumns(word(o, kLabelSize + QStringLiteral("Columns")));
    s.setRows(word(o, kLabelSize + QStringLiteral("Rows")));
    s.setLeftMargin(float(o.floatValue(kLabelSize + QStringLiteral("LeftMargin"))));
    s.setRightMargin(float(o.floatValue(kLabelSize + QStringLiteral("RightMargin"))));
    s.setTopMargin(float(o.floatValue(kLabelSize + QStringLiteral("TopMargin"))));
    s.setBottomMargin(float(o.floatValue(kLabelSize + QStringLiteral("BottomMargin"))));
    s.setHorizSpace(float(o.floatValue(kLabelSize + QStringLiteral("HorizSpace"))));
    s.setVertSpace(float(o.floatValue(kLabelSize + QStringLiteral("VertSpace"))));
    s.setRectangleRadius(o.floatValue(kLabelSize + QStringLiteral("RectangleRadius")));
    s.setShape(enumValue<TShapeType>(o, kLabelSize + QStringLiteral("Shape"), 6));
    s.setColor(static_cast<TColor>(o.intValue(kLabelSize + QStringLiteral("Color"))));
    s.setC_Code(o.textValue(kLabelSize + QStringLiteral("C_Code")));
    s.setPageWidth(o.floatValue(kLabelSize + QStringLiteral("PageWidth")));
    s.setPageHeight(o.floatValue(kLabelSize + QStringLiteral("PageHeight")));
    s.setLabelKindType(o.textValue(kLabelSize + QStringLiteral("LabelKindType")));
    s.setPaper(o.textValue(kLabelSize + QStringLiteral("Paper")));
    return s;
}

void setBounds(PersistentObject &o, int left, int top, int width, int height)
{
    o.setValue(QStringLiteral("Left"), left);
    o.setValue(QStringLiteral("Top"), top);
    o.setValue(QStringLiteral("Width"), width);
    o.setValue(QStringLiteral("Height"), height);
}

} // namespace

const ClassInfo &workLabelClassInfo()
{
    static const ClassInfo info = buildWorkLabelClass();
    return info;
}

const ClassInfo &tabSheetClassInfo()
{
    static const ClassInfo info = buildTabSheetClass();
    return info;
}

const ClassInfo &panelClassInfo()
{
    static const ClassInfo info = buildPanelClass();
    return info;
}

void registerDocumentClasses()
{
    ClassRegistry &registry = ClassRegistry::instance();
    registry.add(&workLabelClassInfo());
    registry.add(&tabSheetClassInfo());
    registry.add(&panelClassInfo());
}

std::unique_ptr<PersistentObject> workLabelToObject(const TZR_WorkLabel &w)
{
    auto o = std::make_unique<PersistentObject>(workLabelClassInfo());
    setBounds(*o, w.left(), w.top(), w.width(), w.height());
    o->setValue(QStringLiteral("Color"), qint64(w.color()));
    o->setValue(QStringLiteral("ZoomPercent"), w.zoomPercent());
    setLabelSizeValues(*o, w.labelSize());
    o->setValue(QStringLiteral("LeftMargin"), w.leftMargin());
    o->setValue(QStringLiteral("TopMargin"), w.topMargin());
    o->setValue(QStringLiteral("LabelCount"), w.labelCount());
    o->setValue(QStringLiteral("FromLabel"), w.fromLabel());
    o->setValue(QStringLiteral("PrintStartPage"), w.printStartPage());
    o->setValue(QStringLiteral("PrintEndPage"), w.printEndPage());
    o->setValue(QStringLiteral("Gridflag"), w.gridflag());
    o->setValue(QStringLiteral("GridWidth"), w.gridWidth());
    o->setValue(QStringLiteral("GridColor"), qint64(w.gridColor()));
    o->setValue(QStringLiteral("RulerLP"), w.rulerLP());
    o->setValue(QStringLiteral("RulerTP"), w.rulerTP());
    o->setValue(QStringLiteral("PartPrint"), w.partPrint());
    o->setValue(QStringLiteral("StartRow"), w.startRow());
    o->setValue(QStringLiteral("StartColumn"), w.startColumn());
    o->setValue(QStringLiteral("CutLine"), w.cutLine());
    o->setValue(QStringLiteral("PrintSheet"), w.printSheet());
    o->setValue(QStringLiteral("PrintLabelPaper"), w.printLabelPaper());
    o->setValue(QStringLiteral("ShadowFlag"), w.shadowFlag());
    return o;
}

void applyWorkLabelObject(const PersistentObject &o, TZR_WorkLabel &w)
{
    w.setLeft(int(o.intValue(QStringLiteral("Left"))));
    w.setTop(int(o.intValue(QStringLiteral("Top"))));
    w.setWidth(int(o.intValue(QStringLiteral("Width"))));
    w.setHeight(int(o.intValue(QStringLiteral("Height"))));
    w.setColor(static_cast<TColor>(o.intValue(QStringLiteral("Color"))));
    w.setZoomPercent(word(o, QStringLiteral("ZoomPercent")));
    w.setLabelSize(labelSizeFromValues(o));
    w.setLeftMargin(o.floatValue(QStringLiteral("LeftMargin")));
    w.setTopMargin(o.floatValue(QStringLiteral("TopMargin")));
    w.setLabelCount(word(o, QStringLiteral("LabelCount")));
    w.setFromLabel(word(o, QStringLiteral("FromLabel")));
    w.setPrintStartPage(word(o, QStringLiteral("PrintStartPage")));
    w.setPrintEndPage(word(o, QStringLiteral("PrintEndPage")));
    w.setGridflag(o.boolValue(QStringLiteral("Gridflag")));
    w.setGridWidth(o.floatValue(QStringLiteral("GridWidth")));
    w.setGridColor(static_cast<TColor>(o.intValue(QStringLiteral("GridColor"))));
    w.setRulerLP(o.floatValue(QStringLiteral("RulerLP")));
    w.setRulerTP(o.floatValue(QStringLiteral("RulerTP")));
    w.setPartPrint(o.boolValue(QStringLiteral("PartPrint")));
    w.setStartRow(word(o, QStringLiteral("StartRow")));
    // After FromLabel, whose setter also sets the start cell.
    w.setStartColumn(word(o, QStringLiteral("StartColumn")));
    w.setCutLine(o.boolValue(QStringLiteral("CutLine")));
    w.setPrintSheet(word(o, QStringLiteral("PrintSheet")));
    w.setPrintLabelPaper(o.boolValue(QStringLiteral("PrintLabelPaper")));
    w.setShadowFlag(o.boolValue(QStringLiteral("ShadowFlag")));
}

std::unique_ptr<PersistentObject> pageToObject(const LabelPage &page)
{
    auto o = std::make_unique<PersistentObject>(tabSheetClassInfo());
    o->setValue(QStringLiteral("Caption"), page.caption());
    return o;
}

void applyPageObject(const PersistentObject &object, LabelPage &page)
{
    page.setCaption(object.textValue(QStringLiteral("Caption")));
}

std::unique_ptr<PersistentObject> cellToObject(const LabelCell &cell)
{
    auto o = std::make_unique<PersistentObject>(panelClassInfo());
    const QRect r = cell.bounds();
    setBounds(*o, r.left(), r.top(), r.width(), r.height());
    o->setValue(QStringLiteral("TabOrder"), cell.tabOrder());
    return o;
}

void applyCellObject(const PersistentObject &o, LabelCell &cell)
{
    cell.setBounds(QRect(int(o.intValue(QStringLiteral("Left"))),
                         int(o.intValue(QStringLiteral("Top"))),
                         int(o.intValue(QStringLiteral("Width"))),
                         int(o.intValue(QStringLiteral("Height")))));
    cell.setTabOrder(int(o.intValue(QStringLiteral("TabOrder"))));
}

} // namespace quill
