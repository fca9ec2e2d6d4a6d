// The word art dialog: text, colours and direction of a word art object.
#pragma once

#include <QDialog>

#include <memory>

class QLineEdit;

namespace quill {

class CaptionFile;
class GradientGroups;
class GradientPreviewBox;
class TZR_WordArt;

// "워드 아트": the groups "색" and "스타일" of the gradient dialog, the text box Edt_WordArt in
// "문자" and the preview prvWordArt in "적용". It edits a copy of the object: a click on a
// style or colour control applies the groups, typing sets the caption, and the preview
// repaints. OK with an empty text says " 내용을 입력하십시오." and keeps the dialog open.
class TWordArtForm : public QDialog {
    Q_OBJECT
public:
    TWordArtForm(const CaptionFile &captions, const TZR_WordArt &original,
                 QWidget *parent = nullptr);
    ~TWordArtForm() override;

    // The edited copy (after exec() == Accepted); null once taken.
    std::unique_ptr<TZR_WordArt> takeResult();
    // The copy as the preview shows it now (until takeResult()).
    const TZR_WordArt &preview() const { return *mCopy; }

    void accept() override;

private:
    void applyGroups();
    void textEdited(const QString &text);

    std::unique_ptr<TZR_WordArt> mCopy;
    GradientGroups *mGroups = nullptr;
    GradientPreviewBox *mPreview = nullptr;
    QLineEdit *mText = nullptr;
    QString mEmptyMessage;
};

} // namespace quill
