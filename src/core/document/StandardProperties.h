// The toolkit's standard control properties and nested Font, Pen and Brush values, as they
// appear in the records of every visual class.
#pragma once

#include "PropertyTable.h"

#include <QString>
#include <QStringList>

namespace quill {

namespace names {
const QStringList &penStyle();   // psSolid .. psInsideFrame
const QStringList &penMode();    // pmBlack .. pmNotXor
const QStringList &brushStyle(); // bsSolid .. bsDiagCross
const QStringList &fontStyles(); // fsBold, fsItalic, fsUnderline, fsStrikeOut
const QStringList &fontPitch();  // fpDefault, fpVariable, fpFixed
const QStringList &alignment();  // taLeftJustify, taRightJustify, taCenter
const QStringList &textLayout(); // tlTop, tlCenter, tlBottom
const QStringList &align();      // alNone .. alCustom
const QStringList &dragMode();   // dmManual, dmAutomatic
const QStringList &dragKind();   // dkDrag, dkDock
const QStringList &anchors();    // akLeft, akTop, akRight, akBottom
const QStringList &biDiMode();   // bdLeftToRight ..
} // namespace names

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
                   bsDiagCross };
enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 }; // set bits
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Start values of a nested font.
struct FontStart {
    QString name = QStringLiteral("MS Sans Serif");
    int height = -11; // pixels at 96 per inch, negative: character height (8 pt)
    int charset = 1;  // DEFAULT_CHARSET
    qint64 color = 0xFF000008; // clWindowText
    quint32 style = 0;
};

// Font.Height from a point size and back, at 96 pixels per inch.
int fontHeightFromSize(double points);
int fontSizeFromHeight(int height);

// Left, Top, Width and Height: no declared default, always written.
void addBounds(ClassBuilder &b, int width, int height);
// Font.Charset .. Font.Style, written only while ParentFont is False (a class that has no
// ParentFont property always writes them). Font.Size is read into Height and never written.
void addFont(ClassBuilder &b, const FontStart &start, const QString &prefix = QStringLiteral("Font"));
// Pen.Color, Pen.Mode, Pen.Style, Pen.Width with the toolkit's declared defaults.
void addPen(ClassBuilder &b, qint64 color = 0, int style = psSolid, int width = 1,
            const QString &prefix = QStringLiteral("Pen"));
// Brush.Color, Brush.Style with the toolkit's declared defaults.
void addBrush(ClassBuilder &b, qint64 color = 0xFFFFFF, int style = bsSolid,
              const QString &prefix = QStringLiteral("Brush"));
// Constraints.MaxHeight .. MinWidth, all declared 0.
void addConstraints(ClassBuilder &b);

// Standard control settings with their usual declared defaults; each adds one property.
void addAlign(ClassBuilder &b);
void addAnchors(ClassBuilder &b);
void addCursor(ClassBuilder &b, const QString &name = QStringLiteral("Cursor"), int def = 0);
void addDragCursor(ClassBuilder &b);
void addDragKind(ClassBuilder &b);
void addDragMode(ClassBuilder &b);
void addEnabled(ClassBuilder &b);
void addVisible(ClassBuilder &b);
void addShowHint(ClassBuilder &b);
void addParentShowHint(ClassBuilder &b);
void addParentFont(ClassBuilder &b);
void addParentColor(ClassBuilder &b, bool start = true, bool def = true);
void addHelpContext(ClassBuilder &b);
void addHint(ClassBuilder &b);
void addTag(ClassBuilder &b);

// True when the object's font is its own (ParentFont False, or the class has no ParentFont).
bool ownsFont(const PersistentObject &object);

} // namespace quill
