// The stretched picture preview of the picture dialogs and its fitting into a panel.
#pragma once

#include <QImage>
#include <QWidget>

namespace quill {

// A picture control that keeps nothing but its picture and draws it stretched over itself.
// The picture dialogs adjust it through 24-bit copies (imaging/PixelEffects.h).
class TZR_EffectImage : public QWidget {
    Q_OBJECT
public:
    explicit TZR_EffectImage(QWidget *parent = nullptr);

    const QImage &picture() const { return mPicture; }
    void setPicture(const QImage &picture);
    // A picture with pixels.
    bool hasPicture() const { return !mPicture.isNull() && !mPicture.size().isEmpty(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage mPicture;
};

// FitPreview: places the preview inside its parent panel (the panel's contents, inside its
// frame) keeping the picture's proportions: a wide picture fills the width, any other the
// height. A preview without a picture is hidden.
void FitPreview(TZR_EffectImage &preview);

} // namespace quill
