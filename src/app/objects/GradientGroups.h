// The colour and style groups shared by the gradient and word art dialogs, their colour
// swatches and the preview that shows the edited object's own painting.
#pragma once

#include "document/ColorNames.h"

#include <QFrame>
#include <QPushButton>

#include <functional>

class QGroupBox;
class QRadioButton;

namespace quill {

class CaptionFile;
class LabelObject;
class TZR_Gradient;

// A colour swatch: shows its colour, a hand cursor while hovered, and a colour dialog on click.
// The colour is kept as the object holds it (system colours too) until the user picks one.
class GradientSwatch : public QPushButton {
    Q_OBJECT
public:
    GradientSwatch(const QString &dialogTitle, QWidget *parent = nullptr);

    TColor colour() const { return mColour; }
    void setColour(TColor colour);

signals:
    // The user picked a colour in the dialog.
    void colourChosen();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void choose();

    QString mDialogTitle;
    TColor mColour = clBlack;
};

// The edited object drawn by its own painting, scaled to fit and centred; repaint after each
// change of the object.
class GradientPreviewBox : public QFrame {
    Q_OBJECT
public:
    explicit GradientPreviewBox(QWidget *parent = nullptr);
    // Not owned; must outlive the box or be replaced first.
    void setObject(const LabelObject *object);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const LabelObject *mObject = nullptr;
};

// The groups "색" (one or two colours, start and end swatches) and "스타일" (horizontal or
// vertical ramp). Control names: rdoOneColor, rdoTwoColor, SColorBtn, EColorBtn, rdoHoriz,
// rdoVert.
class GradientGroups : public QObject {
    Q_OBJECT
public:
    // Texts from the caption file's `section`, with the dialogs' own texts when missing.
    GradientGroups(const CaptionFile &captions, const QString &section, QWidget *dialog);

    // A caption file text of `section`, or the fallback when the key is missing or blank. The
    // reader refers to `captions`: use it while the caption file lives (in a constructor).
    using Texts = std::function<QString(const char *key, const QString &fallback)>;
    static Texts texts(const CaptionFile &captions, const QString &section);

    QGroupBox *colourGroup() const { return mColourGroup; }
    QGroupBox *styleGroup() const { return mStyleGroup; }

    // Shows an object's settings: one colour for lsAutoGradient, two for lsGradient (neither
    // for lsNone), the direction and both colours.
    void load(const TZR_Gradient &object);
    // LayOutStyle lsAutoGradient with one colour, else lsGradient; GradientStyle from the
    // horizontal button; both swatch colours.
    void apply(TZR_Gradient &object) const;

signals:
    // A click on a style or colour control; the dialog applies the groups to its copy.
    void changed();

private:
    void colourCountClicked();

    QGroupBox *mColourGroup = nullptr;
    QGroupBox *mStyleGroup = nullptr;
    QRadioButton *mOneColour = nullptr;
    QRadioButton *mTwoColours = nullptr;
    QRadioButton *mHorizontal = nullptr;
    QRadioButton *mVertical = nullptr;
    GradientSwatch *mStart = nullptr;
    GradientSwatch *mEnd = nullptr;
};

} // namespace quill
