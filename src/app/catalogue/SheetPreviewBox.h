// The sheet preview of the paper dialogs: the miniature sheet with the label count over it.
#pragma once

#include "catalogue/SheetPreview.h"

#include <QWidget>

class QLabel;

namespace quill {

// The picture is the widget itself (object name LabelImage); the count is a child label
// (LabelNum) in large bold blue figures, centred over the picture.
class SheetPreviewBox : public QWidget {
    Q_OBJECT
public:
    // The panel size of the dialogs' layout.
    static constexpr QSize PanelSize{185, 175};

    explicit SheetPreviewBox(QWidget *parent = nullptr);

    // Shows a sheet and its count (columns x rows).
    void showSheet(const SheetPreview &sheet);
    // Shows nothing: no product is chosen.
    void clear();
    bool hasSheet() const { return mHasSheet; }
    const SheetPreview &sheet() const { return mSheet; }
    QString countText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    SheetPreview mSheet;
    bool mHasSheet = false;
    QLabel *mLabelNum = nullptr;
};

} // namespace quill
