#include "StandardProperties.h"

#include "ColorNames.h"
#include "PersistentObject.h"

#include <cmath>

namespace quill {

namespace names {

#define QUILL_NAMES(fn, ...)                                                                       \
    const QStringList &fn()                                                                        \
    {                                                                                              \
        static const QStringList list = [] {                                                       \
            QStringList l;                                                                         \
            for (const char16_t *s : {__VA_ARGS__})                                                \
                l.append(QString::fromUtf16(s));                                                   \
            return l;                                                                              \
        }();                                                                                       \
        return list;                                                                               \
    }

QUILL_NAMES(penStyle, u"psSolid", u"psDash", u"psDot", u"psDashDot", u"psDashDotDot", u"psClear",
            u"psInsideFrame")
QUILL_NAMES(penMode, u"pmBlack", u"pmWhite", u"pmNop", u"pmNot", u"pmCopy", u"pmNotCopy",
            u"pmMergePenNot", u"pmMaskPenNot", u"pmMergeNotPen", u"pmMaskNotPen", u"pmMerge",
            u"pmNotMerge", u"pmMask", u"pmNotMask", u"pmXor", u"pmNotXor")
QUILL_NAMES(brushStyle, u"bsSolid", u"bsClear", u"bsHorizontal", u"bsVertical", u"bsFDiagonal",
            u"bsBDiagonal", u"bsCross", u"bsDiagCross")
QUILL_NAMES(fontStyles, u"fsBold", u"fsItalic", u"fsUnderline", u"fsStrikeOut")
QUILL_NAMES(fontPitch, u"fpDefault", u"fpVariable", u"fpFixed")
QUILL_NAMES(alignment, u"taLeftJustify", u"taRightJustify", u"taCenter")
QUILL_NAMES(textLayout, u"tlTop", u"tlCenter", u"tlBottom")
QUILL_NAMES(align, u"alNone", u"alTop", u"alBottom", u"alLeft", u"alRight", u"alClient",
            u"alCustom")
QUILL_NAMES(dragMode, u"dmManual", u"dmAutomatic")
QUILL_NAMES(dragKind, u"dkDrag", u"dkDock")
QUILL_NAMES(anchors, u"akLeft", u"akTop", u"akRight", u"akBottom")
QUILL_NAMES(biDiMode, u"bdLeftToRight", u"bdRightToLeft", u"bdRightToLeftNoAlign",
            u"bdRightToLeftReadingOnly")

#undef QUILL_NAMES

} // namespace names

int fontHeightFromSize(double points)
{
    return -static_cast<int>(std::nearbyint(points * 96.0 / 72.0));
}

int fontSizeFromHeight(int height)
{
    return static_cast<int>(std::nearbyint(-height * 72.0 / 96.0));
}

bool ownsFont(const PersistentObject &object)
{
    const int i = object.classInfo().indexOf(QStringLiteral("ParentFont"));
    return i < 0 || !object.value(i).toBool();
}

void addBounds(ClassBuilder &b, int width, int height)
{
    b.integer(QStringLiteral("Left"), 0)
        .integer(QStringLiteral("Top"), 0)
        .integer(QStringLiteral("Width"), width)
        .integer(QStringLiteral("Height"), height);
}

void addFont(ClassBuilder &b, const FontStart &start, const QString &prefix)
{
    const QString p = prefix + QLatin1Char('.');
    PropertyDef charset;
    charset.name = p + QStringLiteral("Charset");
    charset.kind = PropKind::Charset;
    charset.start = start.charset;
    b.add(charset).storedWhen(ownsFont);
    b.color(p + QStringLiteral("Color"), start.color).storedWhen(ownsFont);
    b.integer(p + QStringLiteral("Height"), start.height).storedWhen(ownsFont);
    b.text(p + QStringLiteral("Name"), start.name).storedWhen(ownsFont);
    b.enumeration(p + QStringLiteral("Pitch"), names::fontPitch(), 0, 0).storedWhen(ownsFont);

    // Size is another view of Height: accepted when read, never written.
    const int heightIndex = b.build().indexOf(p + QStringLiteral("Height"));
    PropertyDef size;
    size.name = p + QStringLiteral("Size");
    size.kind = PropKind::Integer;
    size.derived = true;
    size.get = [heightIndex](const PersistentObject &o) {
        return QVariant::fromValue<qint64>(fontSizeFromHeight(o.value(heightIndex).toInt()));
    };
    size.set = [heightIndex](PersistentObject &o, const QVariant &v) {
        o.setValue(heightIndex, fontHeightFromSize(v.toDouble()));
    };
    b.add(size);

    PropertyDef style;
    style.name = p + QStringLiteral("Style");
    style.kind = PropKind::Set;
    style.names = names::fontStyles();
    style.start = QVariant::fromValue<quint32>(start.style);
    b.add(style).storedWhen(ownsFont);
}

void addPen(ClassBuilder &b, qint64 color, int style, int width, const QString &prefix)
{
    const QString p = prefix + QLatin1Char('.');
    b.color(p + QStringLiteral("Color"), color, clBlack)
        .enumeration(p + QStringLiteral("Mode"), names::penMode(), 4, 4)
        .enumeration(p + QStringLiteral("Style"), names::penStyle(), style, psSolid)
        .integer(p + QStringLiteral("Width"), width, 1);
}

void addBrush(ClassBuilder &b, qint64 color, int style, const QString &prefix)
{
    const QString p = prefix + QLatin1Char('.');
    b.color(p + QStringLiteral("Color"), color, clWhite)
        .enumeration(p + QStringLiteral("Style"), names::brushStyle(), style, bsSolid);
}

void addConstraints(ClassBuilder &b)
{
    for (const char16_t *n : {u"MaxHeight", u"MaxWidth", u"MinHeight", u"MinWidth"})
        b.integer(QStringLiteral("Constraints.") + QString::fromUtf16(n), 0, 0);
}

void addAlign(ClassBuilder &b)
{
    b.enumeration(QStringLiteral("Align"), names::align(), 0, 0);
}

void addAnchors(ClassBuilder &b)
{
    b.set(QStringLiteral("Anchors"), names::anchors(), 3, 3);
}

void addCursor(ClassBuilder &b, const QString &name, int def)
{
    PropertyDef d;
    d.name = name;
    d.kind = PropKind::Cursor;
    d.start = def;
    d.defaultValue = def;
    b.add(d);
}

void addDragCursor(ClassBuilder &b)
{
    addCursor(b, QStringLiteral("DragCursor"), -12); // crDrag
}

void addDragKind(ClassBuilder &b)
{
    b.enumeration(QStringLiteral("DragKind"), names::dragKind(), 0, 0);
}

void addDragMode(ClassBuilder &b)
{
    b.enumeration(QStringLiteral("DragMode"), names::dragMode(), 0, 0);
}

void addEnabled(ClassBuilder &b)
{
    b.boolean(QStringLiteral("Enabled"), true, true);
}

void addVisible(ClassBuilder &b)
{
    b.boolean(QStringLiteral("Visible"), true, true);
}

void addShowHint(ClassBuilder &b)
{
    b.boolean(QStringLiteral("ShowHint"), false, false);
}

void addParentShowHint(ClassBuilder &b)
{
    b.boolean(QStringLiteral("ParentShowHint"), true, true);
}

void addParentFont(ClassBuilder &b)
{
    b.boolean(QStringLiteral("ParentFont"), true, true);
}

void addParentColor(ClassBuilder &b, bool start, bool def)
{
    b.boolean(QStringLiteral("ParentColor"), start, def);
}

void addHelpContext(ClassBuilder &b)
{
    b.integer(QStringLiteral("HelpContext"), 0, 0);
}

void addHint(ClassBuilder &b)
{
    b.text(QStringLiteral("Hint"));
}

void addTag(ClassBuilder &b)
{
    b.integer(QStringLiteral("Tag"), 0, 0);
}

} // namespace quill
