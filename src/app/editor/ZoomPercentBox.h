// The zoom box of the tool bar and the zoom commands around it (zoom in and out buttons,
// the View menu's zoom items), driving a work area.
#pragma once

#include "WorkAreaPrompts.h"

#include <QComboBox>

namespace quill {

class TZR_WorkSpace;

// An editable box listing "60 %" .. "300 %". A list choice, or a typed zoom confirmed with
// Enter, zooms the work area; a typed text that is not a zoom of 10 to 1000 % gets a message
// and changes nothing (the box shows the zoom in force again). The box follows the work
// area's zoom, so a zoom set elsewhere (opening a document) shows here.
class ZoomPercentBox : public QComboBox {
    Q_OBJECT
public:
    ZoomPercentBox(TZR_WorkSpace *workSpace, const WorkAreaPrompts &prompts,
                   QWidget *parent = nullptr);

    // Runs the box's current text as a zoom; false when it was refused.
    bool ZoomPercentBoxChange();
    // The next larger (smaller) zoom of the list from the zoom in force: after 140 % zoom in
    // goes to 150 % and zoom out to 100 %. Nothing happens at either end of the list.
    void ZoominBtnClick();
    void ZoomOutBtnClick();
    // A View menu zoom item ("140", "80", "원본크기로(100%)"): shows "<zoom> %" and zooms.
    void applyZoom(int zoom);

    // Whether zoom in / zoom out would change anything from the zoom in force.
    bool canZoomIn() const;
    bool canZoomOut() const;

signals:
    // The zoom in force changed.
    void zoomStateChanged();

private:
    void showZoom(int zoom);

    TZR_WorkSpace *mWorkSpace;
    WorkAreaPrompts mPrompts;
};

} // namespace quill
