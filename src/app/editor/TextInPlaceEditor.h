// The edit box that opens over a text box so that its text is typed directly on the label.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>

class QTextEdit;
class QWidget;

namespace quill {

class TZR_TextEdit;
class TZR_WorkSpace;
class InPlaceTextBox;

// One text box at a time is edited in a multi-line edit box laid on the work area's viewport,
// at the zoom: same font (the one the box is drawn with at that zoom), colours and alignment.
// The box itself is only written when editing ends. While editing, the edit box follows the
// view: scrolling moves it with the cell, and a new zoom re-sizes it and its font.
//
// The text box must stay alive while it is edited: whoever removes it or replaces the
// document calls end() or abandon() first.
class TextInPlaceEditor : public QObject {
    Q_OBJECT
public:
    explicit TextInPlaceEditor(TZR_WorkSpace *view); // parented to view
    ~TextInPlaceEditor() override;

    bool isEditing() const;
    // The box being edited, nullptr when not editing.
    TZR_TextEdit *box() const;
    // The edit box (nullptr when not editing).
    QWidget *editWidget() const;
    // True while the next mouse press in the edit box empties it (a new box's placeholder).
    bool isNewText() const { return mNewText; }

    // Opens the edit box on the view's viewport over box's rectangle at the zoom ((Left-1,
    // Top-1), size + 1), with the box's font at the zoom, colour, alignment and its lines
    // (WWTMemo, or WWFMemo when a box has no wrapped lines; word wrapping as WordWrapTF);
    // clears the box's AutoSize; focuses it. newText: the placeholder case: caret at start,
    // all text selected so typing replaces it, and the first mouse press in the edit box
    // empties it. A begin while editing ends the current edit first.
    void begin(TZR_TextEdit *box, bool newText);

    enum class Ending { NotEditing, Unchanged, Changed, Emptied };
    // Ends editing: with text, writes the wrapped visual lines to WWTMemo and the hard lines
    // to WWFMemo, the edit box's size (mapped back to model pixels at 100 %) and alignment to
    // the box, sets AutoSize, and reports Changed (lines, bounds, alignment or AutoSize differ
    // from before begin) or Unchanged. An empty edit box reports Emptied and leaves the box
    // alone (the caller removes it). The edit widget is hidden at once and deleted when
    // control returns to the event loop (end() may run inside the widget's own key handler).
    Ending end();
    // Closes without touching the box (the document is being replaced; the box may be gone).
    void abandon();

signals:
    // Escape pressed in the edit box: the owner should call end().
    void endRequested();
    // The edit box grew, or moved or changed size with the view (for repaint/scroll updates).
    void geometryChanged();

private:
    friend class InPlaceTextBox;

    struct Before {
        QStringList wrapped;
        QStringList typed;
        QRect bounds;
        int alignment = 0;
        bool autoSize = false;
    };

    void createWidget();
    void followView();
    QSize modelSize() const;
    void applyZoom();
    void place();
    void closeWidget();
    // Called by the edit box.
    void keyHandled(bool enter);
    void firstPress();
    void textInput(const QString &preedit);
    void growToCaretLine(const QString &pending);

    TZR_WorkSpace *mView;
    TZR_TextEdit *mBox = nullptr;
    QPointer<InPlaceTextBox> mEdit;
    bool mNewText = false;
    int mZoom = 100;
    // The font size drawn at mZoom (whole points), which the growth steps follow.
    int mPoints = 0;
    Before mBefore;
};

} // namespace quill
