// The work area with its rulers: the unit button, the horizontal and vertical rulers and the
// work area view, kept in step (zoom, scroll, unit, pointer markers, pointer read-out).
#pragma once

#include "editing/RulerScale.h"

#include <QString>
#include <QWidget>

class QToolButton;

namespace quill {

class Ruler;
class TZR_WorkSpace;

// The main window puts this in its centre and shows pointerText() in the status bar's second
// panel. The rulers' zero is the cell's top-left corner wherever the view is scrolled, and
// their markers and the read-out show the pointer's cell position at 100 % in the rulers' unit.
class WorkPanel : public QWidget {
    Q_OBJECT
public:
    explicit WorkPanel(QWidget *parent = nullptr);

    TZR_WorkSpace *workSpace() const { return mWorkSpace; }
    Ruler *hRuler() const { return mHRuler; }
    Ruler *vRuler() const { return mVRuler; }
    // "Panel5": shows the unit and toggles it when clicked.
    QToolButton *unitButton() const { return mUnitButton; }

    RulerScale::TMeasureUnit measureUnit() const { return mUnit; }
    // The unit of both rulers and of the read-out (the View menu's "인치" and "미리").
    void setMeasureUnit(RulerScale::TMeasureUnit unit);
    // Switches millimetres and inches.
    void Panel5Click();

    // The status bar's read-out of the last pointer position; empty while the pointer is
    // away from the work area.
    QString pointerText() const { return mPointerText; }

signals:
    void measureUnitChanged(RulerScale::TMeasureUnit unit);
    void pointerTextChanged(const QString &text);

private:
    void followZoom(int zoom);
    void followOrigin(const QPoint &origin);
    void followPointer(const QPointF &cellPosition);
    void pointerLeft();

    TZR_WorkSpace *mWorkSpace = nullptr;
    Ruler *mHRuler = nullptr;
    Ruler *mVRuler = nullptr;
    QToolButton *mUnitButton = nullptr;
    RulerScale::TMeasureUnit mUnit = RulerScale::muMilimeter;
    QPointF mPointer;
    bool mPointerInside = false;
    QString mPointerText;
};

} // namespace quill
