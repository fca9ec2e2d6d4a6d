// Converts documents of the older single-label format into one page of the current model.
#include "LegacyImport.h"

#include "ObjectStream.h"
#include "PropertyStreamReader.h"
#include "StandardProperties.h"
#include "ZoomMapping.h"
#include "objects/LegacyClasses.h"
#include "objects/ObjectClasses.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace quill {

namespace {

// The older program placed its objects 15 pixels further right and down than the cell.
constexpr int kLegacyShift = 15;
// Shape kinds up to mstTriAngleLean mean the same in both programs; later ones do not.
constexpr int kLastSharedShape = 10;
// The caption file's [MainMessage] FileNotFound text, with the path in place of its %s.
const QString kFileNotFound = QStringLiteral("데이터 파일을 찾을 수 없습니다 : %1");

// CodeType of the current barcode for each older TBarCodeType, in that type's order.
constexpr int kCodeTypeOfLegacyBarcode[] = {12, 8, 9, 10, 1, 0, 28, 29, 30, 19, 23, 16};

struct Import {
    QString path;
    TZR_LabelSize sheet;
    bool sheetRead = false;
    int zoom = 100;
    std::vector<std::unique_ptr<LabelObject>> objects;
    QString labelDataPath;
    QString barcodeDataPath;
    bool labelDataSeen = false;
    ReadReport report;
};

int intOf(const PersistentObject &o, const QString &name)
{
    return int(o.intValue(name));
}

// Bounds of a legacy record moved to the cell (still at the older program's zoom).
QRect shiftedBounds(const PersistentObject &legacy)
{
    return QRect(intOf(legacy, QStringLiteral("Left")) - kLegacyShift,
                 intOf(legacy, QStringLiteral("Top")) - kLegacyShift,
                 intOf(legacy, QStringLiteral("Width")), intOf(legacy, QStringLiteral("Height")));
}

// Copies every property of legacy whose name starts with prefix ("Font.") that target has.
void copyNested(const PersistentObject &legacy, PersistentObject &target, const QString &prefix)
{
    for (const PropertyDef &def : legacy.classInfo().properties) {
        if (def.name.startsWith(prefix, Qt::CaseInsensitive)
            && target.classInfo().indexOf(def.name) >= 0)
            target.setValue(def.name, legacy.value(def.name));
    }
}

// Takes the record's font and makes its size the object's size at 100 %.
void copyFont(const PersistentObject &legacy, LabelObject &target)
{
    copyNested(legacy, target, QStringLiteral("Font."));
    const int size = fontSizeFromHeight(intOf(legacy, QStringLiteral("Font.Height")));
    target.setValue(QStringLiteral("ImsiFontSize"), double(size));
}

std::unique_ptr<LabelObject> newObject(ObjectTypeCode code, const PersistentObject &legacy)
{
    std::unique_ptr<LabelObject> object = createObject(code);
    if (object)
        object->setBounds(shiftedBounds(legacy));
    return object;
}

std::unique_ptr<LabelObject> convertMemo(const PersistentObject &memo)
{
    auto box = newObject(ObjectTypeCode::TextEdit, memo);
    if (!box)
        return box;
    const QStringList lines = memo.value(QStringLiteral("Lines.Strings")).toStringList();
    box->setValue(QStringLiteral("WWTMemo.Strings"), lines);
    box->setValue(QStringLiteral("WWFMemo.Strings"), lines);
    box->setValue(QStringLiteral("AlignMent"), memo.value(QStringLiteral("Alignment")));
    const qint64 color = memo.intValue(QStringLiteral("Color"));
    box->setValue(QStringLiteral("Color"), color);
    copyFont(memo, *box);
    box->setValue(QStringLiteral("AutoSize"), false);
    const int angle = intOf(memo, QStringLiteral("HelpContext"));
    if (angle == 90 || angle == 270) {
        const QRect b = box->bounds();
        box->setBounds(QRect(b.left(), b.top(), b.height(), b.width()));
    }
    box->setValue(QStringLiteral("Angle"), angle);
    box->setValue(QStringLiteral("Transparent"), color == clWhite);
    return box;
}

std::unique_ptr<LabelObject> convertImage(const PersistentObject &image)
{
    auto object = newObject(ObjectTypeCode::DBImage, image);
    if (!object)
        return object;
    object->setValue(QStringLiteral("AutoSize"), false);
    object->setValue(QStringLiteral("Stretch"), true);
    object->setValue(QStringLiteral("Transparent"), false);
    object->setValue(QStringLiteral("Picture.Data"), image.value(QStringLiteral("Picture.Data")));
    return object;
}

std::unique_ptr<LabelObject> convertShape(const PersistentObject &shape)
{
    auto object = newObject(ObjectTypeCode::VantorShape, shape);
    if (!object)
        return object;
    copyNested(shape, *object, QStringLiteral("Pen."));
    copyNested(shape, *object, QStringLiteral("Brush."));
    const int kind = intOf(shape, QStringLiteral("Shape"));
    if (kind >= 0 && kind <= kLastSharedShape)
        object->setValue(QStringLiteral("Shape"), kind);
    return object;
}

void warnMissing(Import &in, const QString &dataPath)
{
    const QString message = kFileNotFound.arg(dataPath);
    if (!in.report.warnings.contains(message))
        in.report.warnings.append(message);
}

std::unique_ptr<LabelObject> convertBarcode(Import &in, const PersistentObject &barcode)
{
    const QString field = barcode.textValue(QStringLiteral("DataField"));
    if (!field.isEmpty()) {
        in.barcodeDataPath = mergeTableCopyPath(in.path, QLatin1Char('B'));
        if (!QFileInfo::exists(in.barcodeDataPath))
            warnMissing(in, in.barcodeDataPath);
    }
    auto object = newObject(ObjectTypeCode::Barcode, barcode);
    if (!object)
        return object;
    copyFont(barcode, *object);
    if (!field.isEmpty())
        object->setValue(QStringLiteral("FieldName"), field);
    object->setValue(QStringLiteral("Caption"), barcode.textValue(QStringLiteral("Text")));
    const int type = intOf(barcode, QStringLiteral("BarCodeType"));
    if (type >= 0 && type < int(std::size(kCodeTypeOfLegacyBarcode)))
        object->setValue(QStringLiteral("CodeType"), kCodeTypeOfLegacyBarcode[type]);
    return object;
}

std::unique_ptr<LabelObject> convertDBLabel(Import &in, const PersistentObject &label)
{
    if (!in.labelDataSeen) {
        in.labelDataSeen = true;
        in.labelDataPath = mergeTableCopyPath(in.path, QLatin1Char('D'));
        if (!QFileInfo::exists(in.labelDataPath))
            warnMissing(in, in.labelDataPath);
    }
    auto object = newObject(ObjectTypeCode::GuideLabel, label);
    if (!object)
        return object;
    // The older label showed live data only; read from a file it shows none, so the new field
    // label starts with an empty text. Its font size is kept as its size at 100 %, since the
    // editor gives field labels that size back whenever their cell is stored.
    copyFont(label, *object);
    object->setValue(QStringLiteral("FieldName"), label.textValue(QStringLiteral("DataField")));
    object->setValue(QStringLiteral("Caption"), QString());
    return object;
}

// The older sheet's values; right and bottom margins, paper name and colour code stay empty.
void readSheet(Import &in, const PersistentObject &work)
{
    const auto number = [&](const char16_t *name) {
        return work.value(QStringLiteral("LabelSize.") + QString::fromUtf16(name));
    };
    TZR_LabelSize &s = in.sheet;
    s = TZR_LabelSize();
    s.setHeight(number(u"Height").toDouble());
    s.setWidth(number(u"Width").toDouble());
    s.setLabelCode(number(u"LabelCode").toString());
    s.setLabelsPerSheet(quint16(number(u"LabelsPerSheet").toLongLong()));
    s.setColumns(quint16(number(u"Columns").toLongLong()));
    s.setRows(quint16(number(u"Rows").toLongLong()));
    s.setLeftMargin(number(u"LeftMargin").toFloat());
    s.setTopMargin(number(u"TopMargin").toFloat());
    s.setHorizSpace(number(u"HorizSpace").toFloat());
    s.setVertSpace(number(u"VertSpace").toFloat());
    s.setRectangleRadius(number(u"RectangleRadius").toDouble());
    const int shape = number(u"Shape").toInt();
    s.setShape(shape >= stRectangle && shape <= stCircle ? TShapeType(shape) : stRectangle);
    s.setColor(TColor(number(u"Color").toLongLong()));
    s.setPageWidth(number(u"PageWidth").toDouble());
    s.setPageHeight(number(u"PageHeight").toDouble());
    s.setLabelKindType(number(u"LabelKindType").toString());
    in.sheetRead = true;
    const int zoom = intOf(work, QStringLiteral("ZoomPercent"));
    in.zoom = zoom > 0 ? zoom : 100;
}

void convert(Import &in, LegacyCode code, const PersistentObject &legacy)
{
    std::unique_ptr<LabelObject> object;
    switch (code) {
    case LegacyCode::Memo:
        object = convertMemo(legacy);
        break;
    case LegacyCode::Image:
        object = convertImage(legacy);
        break;
    case LegacyCode::VantorShape:
        object = convertShape(legacy);
        break;
    case LegacyCode::BarCode:
        object = convertBarcode(in, legacy);
        break;
    case LegacyCode::DBLabel:
        object = convertDBLabel(in, legacy);
        break;
    case LegacyCode::WorkLabel:
        readSheet(in, legacy);
        break;
    default: // serial numbers, date and time texts, arrows, older field labels: dropped
        break;
    }
    if (object)
        in.objects.push_back(std::move(object));
}

void addProblem(Import &in, int entry, const QString &message, const Error &error)
{
    QString where = QStringLiteral("entry %1").arg(entry + 1);
    if (!error.where.isEmpty())
        where += QStringLiteral(", ") + error.where;
    in.report.problems.append(ReadProblem{message, where});
}

// One entry: its code and its record. False when the import of entries ends here.
bool importEntry(Import &in, PropertyStreamReader &reader, int entry)
{
    const qint64 at = reader.pos();
    Result<qint32> value = reader.readInt32();
    if (!value) {
        addProblem(in, entry, value.error().message, value.error());
        return false;
    }
    const std::optional<LegacyCode> code = legacyCodeFromValue(value.value());
    if (!code) {
        addProblem(in, entry,
                   QStringLiteral("Unknown legacy code %1; the entries from here on are not read")
                       .arg(value.value()),
                   Error{{}, QStringLiteral("offset %1").arg(at)});
        return false;
    }
    std::unique_ptr<PersistentObject> legacy = createLegacyObject(*code);
    if (Status s = readObjectInto(reader, *legacy); !s) {
        addProblem(in, entry, s.error().message, s.error());
        return false;
    }
    convert(in, *code, *legacy);
    return true;
}

// A file without sheet values (or with an empty sheet) would leave its objects without a cell:
// such a file gets one cell large enough for its objects.
void ensureCell(Import &in)
{
    TZR_LabelSize &s = in.sheet;
    if (s.cellCount() > 0)
        return;
    int right = 1;
    int bottom = 1;
    for (const auto &object : in.objects) {
        const QRect b = ZoomMapping::toModel(object->bounds(), in.zoom);
        right = std::max(right, b.left() + b.width());
        bottom = std::max(bottom, b.top() + b.height());
    }
    const double dpi = TZR_LabelSize::ScreenPixelsPerInch;
    s.setRows(1);
    s.setColumns(1);
    s.setLabelsPerSheet(1);
    if (s.width() <= 0)
        s.setWidth(std::ceil(right / dpi * 100) / 100);
    if (s.height() <= 0)
        s.setHeight(std::ceil(bottom / dpi * 100) / 100);
    s.setPageWidth(std::max(s.pageWidth(), s.width()));
    s.setPageHeight(std::max(s.pageHeight(), s.height()));
    if (!in.sheetRead)
        s.setColor(clWhite);
    in.report.warnings.append(
        QStringLiteral("라벨 용지 정보가 없어 개체에 맞춘 한 칸 용지를 사용합니다."));
}

Result<ReadReport> commit(LabelDocument &document, Import &in)
{
    ensureCell(in);
    TZR_WorkLabel workLabel;
    workLabel.setLabelSize(in.sheet);
    workLabel.setColor(in.sheet.color());
    workLabel.fitToCell();
    if (Status s = document.setWorkLabel(workLabel); !s)
        return s.error();
    document.setLabelDataList(in.labelDataPath, {});
    document.setBarcodeDataList(in.barcodeDataPath, {});
    document.resetPages();
    LabelCell *cell = document.cell(1, 1);
    // The older program kept positions at its zoom; the model keeps them at 100 %.
    for (auto &object : in.objects) {
        object->setBounds(ZoomMapping::toModel(object->bounds(), in.zoom));
        cell->addObject(std::move(object));
    }
    in.report.zoom = in.zoom;
    return in.report;
}

} // namespace

Result<ReadReport> readLegacyDocument(LabelDocument &document, PropertyStreamReader &reader,
                                      qint32 marker, const QString &path)
{
    registerObjectClasses();
    registerLegacyClasses();
    Import in;
    in.path = path;
    in.report.format = marker;
    in.report.legacy = true;
    Result<qint32> count = reader.readInt32();
    if (!count)
        return Error{QStringLiteral("Not a label document: the entry count is missing"), path};
    // Every entry takes at least its code, so damage cannot keep this loop going for long.
    for (qint64 entry = 0; entry < count.value(); ++entry) {
        if (!importEntry(in, reader, int(entry)))
            break;
    }
    return commit(document, in);
}

} // namespace quill
