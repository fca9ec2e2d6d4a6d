// The paint surface of the preview window: grey ground, shadow, paper and the sheet's bitmap.
#pragma once

#include <QImage>
#include <QWidget>

namespace quill {

class PreviewPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPaintBox(QWidget *parent = nullptr);

    // The sheet's bitmap, stretched into sheet; a null image leaves blank paper.
    void setSheet(const QImage &image, const QRect &sheet, int shadow);
    QRect sheetRect() const { return mSheet; }
    int shadow() const { return mShadow; }

    // Paints the whole surface (the paint event's work, also for tests and snapshots).
    void paintSurface(QPainter &painter) const;

    // The magnifier shown over the preview.
    static QCursor zoomCursor();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage mImage;
    QRect mSheet;
    int mShadow = 0;
};

} // namespace quill
