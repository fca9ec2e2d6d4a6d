// Colours, pens and brushes of label objects turned into Qt drawing tools.
#pragma once

#include "document/ColorNames.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QString>

namespace quill {

class PersistentObject;

// A colour value $00BBGGRR as a QColor; a system colour ($FF0000nn) becomes the colour the
// desktop gives it by default (5, the window background, is white).
QColor toQColor(TColor color);
// The other way: a QColor as $00BBGGRR (alpha dropped), as colour dialogs give them.
TColor fromQColor(const QColor &color);

// The pen held in Pen.Color, Pen.Style and Pen.Width (or another prefix). A clear style gives
// Qt::NoPen; inside-frame draws solid. Width 0 draws one pixel, as the toolkit does.
QPen objectPen(const PersistentObject &object, const QString &prefix = QStringLiteral("Pen"));
// The brush held in Brush.Color and Brush.Style. A clear style gives Qt::NoBrush.
QBrush objectBrush(const PersistentObject &object,
                   const QString &prefix = QStringLiteral("Brush"));

// A pen and brush from toolkit values.
QPen toQPen(TColor color, int penStyle, int width);
QBrush toQBrush(TColor color, int brushStyle);

} // namespace quill
