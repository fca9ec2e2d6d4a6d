#include "FormatCommands.h"

#include "document/LabelObject.h"
#include "document/Rounding.h"
#include "document/StandardProperties.h"
#include "objects/FormatOperations.h"
#include "objects/ZR_VantorShape.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace quill {

namespace {

const QString kFontName = QStringLiteral("Font.Name");
const QString kFontSize = QStringLiteral("Font.Size");
const QString kFontStyle = QStringLiteral("Font.Style");
const QString kFontColor = QStringLiteral("Font.Color");
const QString kImsiFontSize = QStringLiteral("ImsiFontSize");

// Object kinds as the format commands group them. A serial number is a field label with a
// counter, so whatever a field label takes, a serial number takes too.
bool isFieldLabel(ObjectTypeCode code)
{
    return code == ObjectTypeCode::GuideLabel || code == ObjectTypeCode::SerialNumber;
}

bool isTextBoxOrFieldLabel(ObjectTypeCode code)
{
    return code == ObjectTypeCode::TextEdit || isFieldLabel(code);
}

// The objects whose font follows the zoom and whose nominal size is ImsiFontSize.
bool hasZoomedFont(ObjectTypeCode code)
{
    return isTextBoxOrFieldLabel(code) || code == ObjectTypeCode::Barcode;
}

// Stores a value only when it differs: assigning a font value clears ParentFont and Font.Size
// is written through Font.Height, so an equal value must not count as a change.
void assign(LabelObject &object, const QString &name, const QVariant &value)
{
    const QVariant current = object.value(name);
    if (!current.isValid())
        return;
    bool same = false;
    switch (value.typeId()) {
    case QMetaType::Double:
        same = current.toDouble() == value.toDouble();
        break;
    case QMetaType::QString:
        same = current.toString() == value.toString();
        break;
    case QMetaType::Bool:
        same = current.toBool() == value.toBool();
        break;
    default:
        same = current.toLongLong() == value.toLongLong();
        break;
    }
    if (!same)
        object.setValue(name, value);
}

// A serial number sizes itself to its text: its automatic size is switched on for a font
// change and stays on, as for every serial number the editor makes or reads.
void keepSerialAutoSize(LabelObject &object)
{
    if (object.typeCode() == ObjectTypeCode::SerialNumber)
        assign(object, QStringLiteral("AutoSize"), true);
}

// Runs `change` on every object `applies` accepts; returns how many of them changed.
int applyEach(const std::vector<LabelObject *> &objects,
              const std::function<bool(ObjectTypeCode)> &applies,
              const std::function<void(LabelObject &)> &change)
{
    int changed = 0;
    for (LabelObject *object : objects) {
        if (!object || (applies && !applies(object->typeCode())))
            continue;
        const quint64 before = object->revision();
        change(*object);
        if (object->revision() != before)
            ++changed;
    }
    return changed;
}

quint32 styleBit(FontStyleBit bit)
{
    switch (bit) {
    case FontStyleBit::Bold:
        return fsBold;
    case FontStyleBit::Italic:
        return fsItalic;
    case FontStyleBit::Underline:
        return fsUnderline;
    }
    return 0;
}

quint32 fontStyle(const LabelObject &object)
{
    return object.value(kFontStyle).toUInt();
}

// The size of the given points at 100 %: the nominal size and the model's font size alike
// (the work area scales the font to its zoom when it draws).
void assignFontSize(LabelObject &object, int points)
{
    assign(object, kImsiFontSize, double(points));
    assign(object, kFontSize, points);
}

} // namespace

namespace FormatCommands {

int setFontName(const std::vector<LabelObject *> &objects, const QString &name)
{
    return applyEach(
        objects,
        [](ObjectTypeCode code) { return hasZoomedFont(code) || code == ObjectTypeCode::WordArt; },
        [&name](LabelObject &object) {
            keepSerialAutoSize(object);
            assign(object, kFontName, name);
        });
}

int setFontSize(const std::vector<LabelObject *> &objects, int points)
{
    return applyEach(objects, hasZoomedFont, [points](LabelObject &object) {
        keepSerialAutoSize(object);
        assignFontSize(object, points);
    });
}

int toggleFontStyle(const std::vector<LabelObject *> &objects, FontStyleBit bit)
{
    return applyEach(
        objects,
        [](ObjectTypeCode code) {
            return isTextBoxOrFieldLabel(code) || code == ObjectTypeCode::Barcode;
        },
        [bit](LabelObject &object) {
            keepSerialAutoSize(object);
            object.setValue(kFontStyle, QVariant::fromValue<quint32>(fontStyle(object)
                                                                     ^ styleBit(bit)));
        });
}

int setTextAlignment(const std::vector<LabelObject *> &objects, int alignment)
{
    return applyEach(objects, isTextBoxOrFieldLabel, [alignment](LabelObject &object) {
        // The text box spells its property with a capital M.
        const QString name = object.typeCode() == ObjectTypeCode::TextEdit
                                 ? QStringLiteral("AlignMent")
                                 : QStringLiteral("Alignment");
        assign(object, name, alignment);
    });
}

int setFontColour(const std::vector<LabelObject *> &objects, TColor colour)
{
    return applyEach(objects, isTextBoxOrFieldLabel, [colour](LabelObject &object) {
        assign(object, kFontColor, qint64(colour));
    });
}

int setFont(const std::vector<LabelObject *> &objects, const QString &name, int points,
            bool bold, bool italic, bool underline, bool strikeOut, TColor colour)
{
    quint32 style = 0;
    style |= bold ? quint32(fsBold) : 0u;
    style |= italic ? quint32(fsItalic) : 0u;
    style |= underline ? quint32(fsUnderline) : 0u;
    style |= strikeOut ? quint32(fsStrikeOut) : 0u;
    return applyEach(objects, isTextBoxOrFieldLabel, [&](LabelObject &object) {
        keepSerialAutoSize(object);
        assign(object, kFontName, name);
        assignFontSize(object, points);
        assign(object, kFontStyle, QVariant::fromValue<quint32>(style));
        assign(object, kFontColor, qint64(colour));
    });
}

int setFillColour(const std::vector<LabelObject *> &objects, TColor colour)
{
    return applyEach(objects, {}, [colour](LabelObject &o) { SetObjectFillColor(o, colour); });
}

int setLineColour(const std::vector<LabelObject *> &objects, TColor colour)
{
    return applyEach(objects, {}, [colour](LabelObject &o) { SetObjectPenColor(o, colour); });
}

int setLineWidth(const std::vector<LabelObject *> &objects, int width)
{
    return applyEach(objects, {}, [width](LabelObject &o) { SetObjectPenWidth(o, width); });
}

int setLineStyle(const std::vector<LabelObject *> &objects, int penStyle)
{
    return applyEach(objects, {}, [penStyle](LabelObject &o) { SetObjectPenStyle(o, penStyle); });
}

bool setShapeKind(LabelObject *first, int shapeKind)
{
    if (!first || first->typeCode() != ObjectTypeCode::VantorShape)
        return false;
    if (shapeKind < 0) {
        // "Transparent": the colour first, since a colour makes a clear brush solid again.
        first->setValue(QStringLiteral("Brush.Color"), qint64(clWhite));
        first->setValue(QStringLiteral("Brush.Style"), int(bsClear));
    } else {
        first->setValue(QStringLiteral("Shape"), shapeKind);
    }
    return true;
}

bool shapeBoxEnabled(const std::vector<LabelObject *> &objects)
{
    if (objects.empty())
        return false;
    return std::all_of(objects.begin(), objects.end(), [](const LabelObject *object) {
        return object && object->typeCode() == ObjectTypeCode::VantorShape;
    });
}

FormatState stateOf(const LabelObject &object)
{
    FormatState state;
    const ObjectTypeCode code = object.typeCode();
    if (code == ObjectTypeCode::VantorShape) {
        state.fillColour = TColor(object.value(QStringLiteral("Brush.Color")).toLongLong());
        state.lineColour = TColor(object.value(QStringLiteral("Pen.Color")).toLongLong());
        state.shapeKind = object.value(QStringLiteral("Shape")).toInt();
        return state;
    }
    if (!isTextBoxOrFieldLabel(code))
        return state;
    state.fontName = object.value(kFontName).toString();
    // The size box shows the size rounded to hundredths and then cut to a whole number.
    const double size = object.value(kImsiFontSize).toDouble();
    state.fontSize = std::trunc(roundHalfEvenF(100.0 * size) / 100.0);
    const quint32 style = fontStyle(object);
    state.bold = (style & fsBold) != 0;
    state.italic = (style & fsItalic) != 0;
    state.underline = (style & fsUnderline) != 0;
    state.textAlignment = object.value(code == ObjectTypeCode::TextEdit
                                           ? QStringLiteral("AlignMent")
                                           : QStringLiteral("Alignment"))
                              .toInt();
    return state;
}

std::optional<int> parseFontSize(const QString &text)
{
    bool ok = false;
    const int points = text.trimmed().toInt(&ok);
    if (!ok || points < 1 || points > 999)
        return std::nullopt;
    return points;
}

} // namespace FormatCommands

} // namespace quill
