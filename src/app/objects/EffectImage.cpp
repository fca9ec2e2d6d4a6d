#include "EffectImage.h"

#include "objects/ImageSizing.h"

#include <QPainter>

namespace quill {

TZR_EffectImage::TZR_EffectImage(QWidget *parent) : QWidget(parent) { }

void TZR_EffectImage::setPicture(const QImage &picture)
{
    mPicture = picture;
    update();
}

void TZR_EffectImage::paintEvent(QPaintEvent *)
{
    if (!hasPicture())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), mPicture);
}

void FitPreview(TZR_EffectImage &preview)
{
    const QWidget *panel = preview.parentWidget();
    const QRect contents = panel ? panel->contentsRect() : QRect();
    const QRect fitted = imagesizing::fitPreview(preview.picture().size(), contents.size());
    if (fitted.isEmpty()) {
        preview.hide();
        return;
    }
    preview.setGeometry(fitted.translated(contents.topLeft()));
    preview.show();
}

} // namespace quill
