#include "PreviewPaintBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace quill {

PreviewPaintBox::PreviewPaintBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
    setCursor(zoomCursor());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPaintBox::setSheet(const QImage &image, const QRect &sheet, int shadow)
{
    mImage = image;
    mSheet = sheet;
    mShadow = shadow;
    update();
}

void PreviewPaintBox::paintSurface(QPainter &painter) const
{
    painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    painter.fillRect(mSheet.translated(mShadow, mShadow), Qt::black);
    // The paper: white with a 1-pixel black border one pixel outside the sheet.
    const QRect paper = mSheet.adjusted(-1, -1, 1, 1);
    painter.fillRect(paper, Qt::black);
    painter.fillRect(mSheet, Qt::white);
    if (!mImage.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(mSheet, mImage);
    }
}

void PreviewPaintBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintSurface(painter);
}

void PreviewPaintBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

QCursor PreviewPaintBox::zoomCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(QRectF(3, 3, 16, 16));
    painter.drawLine(QPointF(17, 17), QPointF(28, 28));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(QRectF(3, 3, 16, 16));
    painter.setPen(QPen(Qt::black, 3));
    painter.drawLine(QPointF(17, 17), QPointF(28, 28));
    painter.end();
    return QCursor(pixmap, 11, 11);
}

} // namespace quill
