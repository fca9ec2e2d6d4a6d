// The gradient dialog: colours and direction of a gradient object.
#pragma once

#include <QDialog>

#include <memory>

namespace quill {

class CaptionFile;
class GradientGroups;
class GradientPreviewBox;
class TZR_Gradient;

// "그라데이션": the groups "색" and "스타일" and the preview prvGradient in "적용". It edits a
// copy of the object; every click on a style or colour control applies the groups to the
// copy and repaints the preview. The original is never touched.
class TZR_GradientFrm : public QDialog {
    Q_OBJECT
public:
    TZR_GradientFrm(const CaptionFile &captions, const TZR_Gradient &original,
                    QWidget *parent = nullptr);
    ~TZR_GradientFrm() override;

    // The edited copy (after exec() == Accepted); null once taken.
    std::unique_ptr<TZR_Gradient> takeResult();
    // The copy as the preview shows it now (until takeResult()).
    const TZR_Gradient &preview() const { return *mCopy; }

private:
    void applyGroups();

    std::unique_ptr<TZR_Gradient> mCopy;
    GradientGroups *mGroups = nullptr;
    GradientPreviewBox *mPreview = nullptr;
};

} // namespace quill
