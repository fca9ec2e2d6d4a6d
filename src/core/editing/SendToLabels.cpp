#include "SendToLabels.h"

#include "StretchGeometry.h"
#include "barcode/Barcode2DControl.h"
#include "barcode/BarcodeControl.h"
#include "document/StandardProperties.h"
#include "objects/ZR_2DBarcode.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quill::SendToLabels {

namespace {

// Sent labels start 20 pixels in from either side and 10 from the top, one line of 20 each.
constexpr int LabelSideMargin = 20;
constexpr int LabelTopMargin = 10;
constexpr int LabelLineHeight = 20;
constexpr int SentFontSize = 10;

// The symbology lists hold at most indexes 0 to 100.
constexpr int LastListedCodeType = 100;

QString recordValue(const QHash<QString, QString> &record, const QString &field)
{
    const auto exact = record.constFind(field);
    if (exact != record.constEnd())
        return exact.value();
    for (auto it = record.constBegin(); it != record.constEnd(); ++it) {
        if (it.key().compare(field, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

std::unique_ptr<LabelObject> sentFieldLabel(
    int index, const QString &field, const TZR_ADDHono &honorific, const LabelSendContext &context)
{
    auto label = std::make_unique<TZR_GuideLabel>();
    label->setBounds(fieldLabelRect(index, context.cellSize));
    label->setTransparent(true);
    label->setAlignment(taLeftJustify);
    label->setIndexGuide(false);
    label->setFieldName(field);
    if (field == honorific.fieldName)
        label->setAddHono(honorific.text);
    label->setFontName(context.fontName);
    // The model keeps sizes at 100 %, so the font is the size box's 10 whatever the zoom.
    label->setFontSize(SentFontSize);
    label->setImsiFontSize(SentFontSize);
    label->setCaption(fieldLabelText(field, honorific, context.record, context.emptyFieldText));
    return label;
}

} // namespace

QRect fieldLabelRect(int index, const QSize &cellSize)
{
    const int width
        = std::max(cellSize.width() - 2 * LabelSideMargin, StretchGeometry::MinimumSize);
    return {LabelSideMargin, LabelTopMargin + LabelLineHeight * index, width, LabelLineHeight};
}

QString fieldLabelText(const QString &field, const TZR_ADDHono &honorific,
    const QHash<QString, QString> &record, const QString &emptyFieldText)
{
    QString text = recordValue(record, field);
    if (field == honorific.fieldName)
        text += honorific.text;
    return text.isEmpty() ? emptyFieldText : text;
}

LabelObjectList fieldLabels(
    const QStringList &fields, const TZR_ADDHono &honorific, const LabelSendContext &context)
{
    LabelObjectList labels;
    labels.reserve(size_t(fields.size()));
    for (int i = 0; i < fields.size(); ++i)
        labels.push_back(sentFieldLabel(i, fields.at(i), honorific, context));
    return labels;
}

QStringList withFieldsAdded(const QStringList &sendFields, const QStringList &selected)
{
    QStringList result = sendFields;
    for (const QString &field : selected) {
        if (!result.contains(field))
            result.append(field);
    }
    return result;
}

QStringList withFieldsRemoved(const QStringList &sendFields, const QStringList &selected)
{
    QStringList result;
    for (const QString &field : sendFields) {
        if (!selected.contains(field))
            result.append(field);
    }
    return result;
}

bool sendsListItself(int selectedRows, int recordCount, bool logistics)
{
    return !logistics && selectedRows == recordCount;
}

QString mergeTablePath(const QString &applicationFolder, bool barcode)
{
    return QDir(applicationFolder).filePath(barcode ? u"barcode.tmp"_s : u"label.tmp"_s);
}

QString noSendFieldsForHonorificMessage()
{
    return u"선택되어진 필드가 없습니다. 보낼 필드를 먼저 선택 하십시오."_s;
}

QString noSendFieldsMessage()
{
    return u"선택된필드가 없습니다. 먼저 자료보내기할 필드를 선택하십시오."_s;
}

QString noBarcodeFieldMessage()
{
    return u"선택된필드가 없습니다. 먼저 바코드보내기할 필드를 선택하십시오."_s;
}

QList<BarcodeChoice> visibleChoices(int windowKind)
{
    switch (BarcodeWindowKind(windowKind)) {
    case BarcodeWindowKind::Barcodes:
        return {BarcodeChoice::Linear, BarcodeChoice::TwoDimensional};
    case BarcodeWindowKind::Postal:
        return {BarcodeChoice::Postal};
    case BarcodeWindowKind::Logistics:
        return {BarcodeChoice::Logistics};
    }
    return {};
}

int defaultCodeType(BarcodeChoice choice)
{
    switch (choice) {
    case BarcodeChoice::Linear:
        return TZR_Barcode::Code39;
    case BarcodeChoice::TwoDimensional:
        return 0;
    case BarcodeChoice::Postal:
        return 51;
    case BarcodeChoice::Logistics:
        return TZR_Barcode::Interleaved2Of5;
    }
    return 0;
}

bool codeTypeChoosable(BarcodeChoice choice)
{
    return choice == BarcodeChoice::Linear || choice == BarcodeChoice::TwoDimensional;
}

QStringList codeTypeNames(BarcodeChoice choice)
{
    QStringList names;
    for (int i = 0; i <= LastListedCodeType; ++i) {
        const QString name = choice == BarcodeChoice::TwoDimensional
            ? Barcode2DControl::codeTypeName(i)
            : BarcodeControl::codeTypeName(i);
        if (name.isEmpty())
            break;
        names.append(name);
    }
    return names;
}

QString dimensionText(BarcodeChoice choice)
{
    return choice == BarcodeChoice::TwoDimensional ? u"2D"_s : u"1D"_s;
}

QRect fieldRadioRect(int index, int captionWidth, int captionHeight)
{
    return {15, 5 + 25 * index, captionWidth + 30, captionHeight};
}

std::unique_ptr<LabelObject> sentBarcode(
    const QString &dimension, int codeType, const QString &field, const QString &value)
{
    if (dimension == u"2D"_s) {
        auto barcode = std::make_unique<TZR_2DBarcode>();
        barcode->setBounds(QRect(50, 50, 60, 60));
        barcode->setCodeType(quint16(codeType));
        barcode->setFieldName(field);
        barcode->setCaption(value);
        return barcode;
    }
    auto barcode = std::make_unique<TZR_Barcode>();
    barcode->setBounds(QRect(30, 30, 100, 50));
    barcode->setAutoParity(true);
    barcode->setShowCheckDigit(true);
    barcode->setJustifyText(0);
    barcode->setCodeType(quint16(codeType));
    barcode->setShowText(true);
    barcode->setShowAsterisk(0);
    barcode->setShowLightMargins(false);
    barcode->setMarginSize(0);
    barcode->setFieldName(field);
    barcode->setCaption(value);
    return barcode;
}

UnusedLists unusedLists(const std::vector<const LabelObject *> &objects)
{
    UnusedLists unused {true, true};
    for (const LabelObject *object : objects) {
        switch (object->typeCode()) {
        case ObjectTypeCode::GuideLabel:
        case ObjectTypeCode::SerialNumber:
            unused.labelList = false;
            break;
        case ObjectTypeCode::Barcode:
        case ObjectTypeCode::Barcode2D:
            unused.barcodeList = false;
            break;
        default:
            break;
        }
    }
    return unused;
}

QString managerPreset(
    const QString &createdTable, const QString &labelList, const QString &barcodeList)
{
    for (const QString *path : {&createdTable, &labelList, &barcodeList}) {
        if (!path->isEmpty())
            return *path;
    }
    return {};
}

qint64 serialNumberForCell(
    int columns, int rows, int cellNumber, qint64 incNum, qint64 imsiSerialNum)
{
    return qint64(columns) * rows * (cellNumber - 1) * incNum + imsiSerialNum;
}

namespace {

void refreshFieldLabel(TZR_GuideLabel &label, const BoundRefresh &refresh)
{
    if (!refresh.labelRecord || label.fieldName().isEmpty())
        return;
    const TZR_ADDHono own {label.fieldName(), label.addHono()};
    label.setCaption(
        fieldLabelText(label.fieldName(), own, *refresh.labelRecord, refresh.emptyFieldText));
}

template<class Barcode> void refreshBarcode(Barcode &barcode, const BoundRefresh &refresh)
{
    if (!refresh.barcodeRecord || barcode.fieldName().isEmpty())
        return;
    barcode.setCaption(recordValue(*refresh.barcodeRecord, barcode.fieldName()));
}

} // namespace

void refreshBoundObjects(const std::vector<LabelObject *> &objects, const BoundRefresh &refresh)
{
    for (LabelObject *object : objects) {
        switch (object->typeCode()) {
        case ObjectTypeCode::SerialNumber:
            // Its stored StartNum is the user's and a document's; the number a cell shows
            // (serialNumberForCell) is a matter of drawing, never written back here.
            break;
        case ObjectTypeCode::GuideLabel:
            refreshFieldLabel(static_cast<TZR_GuideLabel &>(*object), refresh);
            break;
        case ObjectTypeCode::Barcode:
            refreshBarcode(static_cast<TZR_Barcode &>(*object), refresh);
            break;
        case ObjectTypeCode::Barcode2D:
            refreshBarcode(static_cast<TZR_2DBarcode &>(*object), refresh);
            break;
        default:
            break;
        }
    }
}

} // namespace quill::SendToLabels
