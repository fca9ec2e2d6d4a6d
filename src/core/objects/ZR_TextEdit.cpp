#include "ZR_TextEdit.h"

#include "ControlProperties.h"
#include "CountryCharset.h"
#include "ObjectValueRules.h"
#include "document/StandardProperties.h"

namespace quill {

namespace {

const QString kAngle = QStringLiteral("Angle");
const QString kBevelWidth = QStringLiteral("BevelWidth");
const QString kBevelColor = QStringLiteral("BevelColor");
const QString kPenWidth = QStringLiteral("Pen.Width");
const QString kPenColor = QStringLiteral("Pen.Color");
const QString kCaption = QStringLiteral("Caption");

// Text is the caption under a second name: both are published and both are written.
PropertyDef textAlias(int captionIndex)
{
    PropertyDef d;
    d.name = QStringLiteral("Text");
    d.kind = PropKind::Text;
    d.start = QString();
    d.get = [captionIndex](const PersistentObject &o) { return o.value(captionIndex); };
    d.set = [captionIndex](PersistentObject &o, const QVariant &v) { o.setValue(captionIndex, v); };
    return d;
}

void addOwnHead(ClassBuilder &b)
{
    addPen(b);
    addBrush(b);
    b.integer(kAngle, 0)
        .integer(QStringLiteral("ImsiMemoRowCount"), 0, 0)
        .boolean(QStringLiteral("Transparent"), true, true)
        .integer(kBevelWidth, 1, 0)
        .color(kBevelColor, clBlack)
        .enumeration(QStringLiteral("AlignMent"), names::alignment(), taLeftJustify, taLeftJustify)
        .boolean(QStringLiteral("WordWrap"), true, true)
        .boolean(QStringLiteral("TextCopy"), false);
}

void addStandard(ClassBuilder &b)
{
    addAlign(b);
    addColor(b, clWindow);
    addDragCursor(b);
    addDragMode(b);
    addEnabled(b);
    addHelpContext(b);
    b.boolean(QStringLiteral("AutoSize"), false, false);
    FontStart font;
    font.name = QStringLiteral("Arial");
    font.charset = HangeulCharset;
    addFont(b, font);
    addParentColor(b);
    // The constructor sets the font, which clears ParentFont; the toolkit's default is True.
    addAlwaysWrittenBool(b, QStringLiteral("ParentFont"), false);
    addParentShowHint(b);
    addShowHint(b);
    addVisible(b);
    b.text(kCaption);
    b.add(textAlias(b.build().indexOf(kCaption)));
}

void addOwnTail(ClassBuilder &b)
{
    b.integer(QStringLiteral("LeftPosition"), 0)
        .integer(QStringLiteral("TopPosition"), 0)
        .floating(QStringLiteral("ImsiFontSize"), 0.0)
        .integer(QStringLiteral("ImsiZoom"), 50)
        .boolean(QStringLiteral("RowGap"), false)
        .boolean(QStringLiteral("LockFlag"), false, false)
        .text(QStringLiteral("FieldValue"))
        .text(QStringLiteral("FieldName"))
        .boolean(QStringLiteral("FieldFlag"), false, false);
    for (const char16_t *n : {u"mpLeft", u"mpTop", u"mpHeight", u"mpWidth"})
        b.floating(QString::fromUtf16(n), 0.0);
    b.boolean(QStringLiteral("WordWrapTF"), false, false)
        .strings(QStringLiteral("WWTMemo.Strings"))
        .strings(QStringLiteral("WWFMemo.Strings"));
}

} // namespace

const ClassInfo &TZR_TextEdit::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_TextEdit"));
        addControlHead(b, 100, 100);
        addOwnHead(b);
        addStandard(b);
        addOwnTail(b);
        return b.build([] { return std::make_unique<TZR_TextEdit>(); });
    }();
    return info;
}

TZR_TextEdit::TZR_TextEdit() : LabelObject(classInfo())
{
    setFontCharset(defaultObjectCharset());
}

std::unique_ptr<LabelObject> TZR_TextEdit::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_TextEdit(*this));
}

void TZR_TextEdit::setBrushColor(TColor c)
{
    assignBrushColor(*this, c);
}

QVariant TZR_TextEdit::normalize(int index, const QVariant &value) const
{
    if (index == classInfo().indexOf(kAngle))
        // Any negative angle is brought in by whole turns, not only angles down to -360.
        return QVariant::fromValue<qint64>(normalizedAngle(value.toLongLong()));
    return wrapInteger(classInfo().properties[index], value);
}

void TZR_TextEdit::valueChanged(int index)
{
    LabelObject::valueChanged(index);
    applyControlRules(*this, index);
    const ClassInfo &info = classInfo();
    // The bevel mirrors the pen both ways; setValue ignores an equal value, so this settles.
    if (index == info.indexOf(kPenWidth))
        setValue(kBevelWidth, value(index));
    else if (index == info.indexOf(kPenColor))
        setValue(kBevelColor, value(index));
    else if (index == info.indexOf(kBevelWidth))
        setValue(kPenWidth, value(index));
    else if (index == info.indexOf(kBevelColor))
        setValue(kPenColor, value(index));
    followSizeChange(index);
}

} // namespace quill
