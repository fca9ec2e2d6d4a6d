#include "TextInPlaceEditor.h"

#include "ZR_WorkSpace.h"

#include "document/Rounding.h"
#include "document/StandardProperties.h"
#include "document/ZoomMapping.h"
#include "objects/FontSubstitution.h"
#include "objects/ObjectPaint.h"
#include "objects/TextPainting.h"
#include "objects/ZR_TextEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>

#include <memory>

namespace quill {

namespace {

// Room between the frame and the text on the left and right. The box draws its first
// character 2 pixels in from its left edge; the edit box starts a pixel further left and has
// a 1-pixel frame, so 2 pixels put the typed text about where the box shows it. Top and
// bottom have none, so the lines an automatic size allows fit without scrolling.
constexpr int SideMargin = 2;

Qt::Alignment toQtAlignment(int alignment)
{
    switch (alignment) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

int fromQtAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return taRightJustify;
    if (alignment & Qt::AlignHCenter)
        return taCenter;
    return taLeftJustify;
}

// The whole points a text box's font is drawn with at a zoom, as the box's painter takes them.
int pointsAtZoom(const TZR_TextEdit &box, int zoom)
{
    return clampToInt(roundHalfEvenF(zoom / 100.0 * box.fontSize()));
}

// The margins of the text inside the edit box. Set again after anything that may rebuild the
// document's root frame.
void setTextMargins(QTextDocument *document)
{
    QTextFrameFormat format = document->rootFrame()->frameFormat();
    format.setMargin(0);
    format.setLeftMargin(SideMargin);
    format.setRightMargin(SideMargin);
    document->rootFrame()->setFrameFormat(format);
}

// The text as typed lines. A memo's line list ends without the empty line that follows a
// closing line break.
QStringList typedLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// The text as the lines the edit box shows when it wraps at width (its text area), laid out
// by a copy of its document so that the widget's own wrapping mode and state do not matter.
QStringList wrappedLines(const QTextDocument &document, int width)
{
    const std::unique_ptr<QTextDocument> copy(document.clone());
    QTextOption option = copy->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    copy->setDefaultTextOption(option);
    setTextMargins(copy.get());
    copy->setTextWidth(width);
    copy->documentLayout()->documentSize(); // lays out every block now
    QStringList lines;
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        const QString text = block.text();
        if (!layout || layout->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << text.mid(line.textStart(), line.textLength());
        }
    }
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

// The edit widget: a plain-text edit box that tells the editor about key presses, input
// method text and the first mouse press.
class InPlaceTextBox : public QTextEdit {
public:
    InPlaceTextBox(TextInPlaceEditor *editor, QWidget *parent) : QTextEdit(parent), mEditor(editor)
    {
        setObjectName(QStringLiteral("TextInPlaceEdit"));
        setAcceptRichText(false);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        setTabChangesFocus(true);
        // Opaque: the box underneath is still drawn by the view and must not show through.
        setAutoFillBackground(true);
        viewport()->setAutoFillBackground(true);
        // Korean (and any composed) input arrives as input method events.
        setAttribute(Qt::WA_InputMethodEnabled);
    }

    // The width of the text area that lines wrap in.
    int wrapWidth() const { return width() - 2 * frameWidth(); }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape) {
            emit mEditor->endRequested();
            return;
        }
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && event->modifiers() != Qt::NoModifier) {
            // Shift+Enter would insert a line separator inside the line; every break is a
            // new typed line here.
            QKeyEvent plain(event->type(), event->key(), Qt::NoModifier, event->text());
            QTextEdit::keyPressEvent(&plain);
        } else {
            QTextEdit::keyPressEvent(event);
        }
        mEditor->keyHandled(enter);
    }

    void inputMethodEvent(QInputMethodEvent *event) override
    {
        QTextEdit::inputMethodEvent(event);
        if (!event->commitString().isEmpty() || !event->preeditString().isEmpty())
            mEditor->textInput(event->preeditString());
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        mEditor->firstPress();
        QTextEdit::mousePressEvent(event);
    }

private:
    TextInPlaceEditor *mEditor;
};

TextInPlaceEditor::TextInPlaceEditor(TZR_WorkSpace *view) : QObject(view), mView(view) { }

TextInPlaceEditor::~TextInPlaceEditor()
{
    // The widget belongs to the view's viewport; without the editor it has no owner to end it.
    delete mEdit.data();
}

bool TextInPlaceEditor::isEditing() const
{
    return mBox != nullptr;
}

TZR_TextEdit *TextInPlaceEditor::box() const
{
    return mBox;
}

QWidget *TextInPlaceEditor::editWidget() const
{
    return mBox ? mEdit.data() : nullptr;
}

void TextInPlaceEditor::begin(TZR_TextEdit *box, bool newText)
{
    if (isEditing())
        end();
    if (!box)
        return;
    mBox = box;
    mNewText = newText;
    mBefore = {box->wwtMemo(), box->wwfMemo(), box->bounds(), box->alignMent(), box->autoSize()};
    // The edit box decides the size until editing ends.
    box->setAutoSize(false);

    createWidget();
    mZoom = mView->zoom();
    const QRect screen = mView->mapRectFromCell(box->bounds());
    mEdit->resize(screen.width() + 1, screen.height() + 1);
    applyZoom();

    QTextCursor cursor = mEdit->textCursor();
    if (newText) {
        // Everything selected with the caret at the start: typing replaces the placeholder.
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::Start, QTextCursor::KeepAnchor);
    } else {
        cursor.movePosition(QTextCursor::Start);
    }
    mEdit->setTextCursor(cursor);

    followView();
    mEdit->show();
    mEdit->raise();
    mEdit->setFocus(Qt::OtherFocusReason);
}

void TextInPlaceEditor::createWidget()
{
    mEdit = new InPlaceTextBox(this, mView->viewport());
    QPalette palette = mEdit->palette();
    const QColor background = toQColor(mBox->color());
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(
        QPalette::Text, toQColor(TColor(mBox->intValue(QStringLiteral("Font.Color")))));
    mEdit->setPalette(palette);
    mEdit->setLineWrapMode(mBox->wordWrapTF() ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    // Boxes from older documents may carry typed lines only.
    const QStringList lines = mBefore.wrapped.isEmpty() ? mBefore.typed : mBefore.wrapped;
    mEdit->setPlainText(lines.join(u'\n'));
    QTextDocument *document = mEdit->document();
    QTextOption option = document->defaultTextOption();
    option.setAlignment(toQtAlignment(mBox->alignMent()));
    document->setDefaultTextOption(option);
    setTextMargins(document);
}

void TextInPlaceEditor::followView()
{
    // The widget is the context: the connections end with it.
    connect(mView, &TZR_WorkSpace::cellOriginChanged, mEdit, [this] {
        place();
        emit geometryChanged();
    });
    connect(mView, &TZR_WorkSpace::zoomChanged, mEdit, [this](int zoom) {
        // The size carried to the new zoom is the one in model pixels.
        const QSize size = modelSize();
        mZoom = qMax(1, zoom);
        mEdit->resize(ZoomMapping::toScreen(size.width(), mZoom) + 1,
            ZoomMapping::toScreen(size.height(), mZoom) + 1);
        applyZoom();
        emit geometryChanged();
    });
}

QSize TextInPlaceEditor::modelSize() const
{
    // The edit box is a pixel wider and higher than the box it covers. A size the user did
    // not change comes back exactly, whatever the zoom.
    return {ZoomMapping::toModel(mEdit->width() - 1, mZoom, mBefore.bounds.width()),
        ZoomMapping::toModel(mEdit->height() - 1, mZoom, mBefore.bounds.height())};
}

void TextInPlaceEditor::applyZoom()
{
    mPoints = pointsAtZoom(*mBox, mZoom);
    // The font the box is drawn with at this zoom, in pixels, so the screen's resolution does
    // not change it.
    mEdit->setFont(scaledFont(fontForObject(*mBox), mPoints, mZoom).font);
    place();
}

void TextInPlaceEditor::place()
{
    const QPoint at = mView->mapRectFromCell(mBox->bounds()).topLeft() - QPoint(1, 1);
    mEdit->move(at);
}

TextInPlaceEditor::Ending TextInPlaceEditor::end()
{
    if (!isEditing())
        return Ending::NotEditing;
    TZR_TextEdit *box = mBox;
    const QString text = mEdit->toPlainText();
    if (text.isEmpty()) {
        closeWidget();
        return Ending::Emptied;
    }
    const QStringList wrapped = wrappedLines(*mEdit->document(), mEdit->wrapWidth());
    const QStringList typed = typedLines(text);
    const QRect bounds(mBefore.bounds.topLeft(), modelSize());
    const int alignment = fromQtAlignment(mEdit->document()->defaultTextOption().alignment());
    closeWidget();

    box->setWwtMemo(wrapped);
    box->setWwfMemo(typed);
    box->setBounds(bounds);
    box->setAlignMent(alignment);
    // With AutoSize on the box takes the size its lines ask for.
    box->setAutoSize(true);

    const bool same = box->wwtMemo() == mBefore.wrapped && box->wwfMemo() == mBefore.typed
        && box->bounds() == mBefore.bounds && box->alignMent() == mBefore.alignment
        && mBefore.autoSize;
    return same ? Ending::Unchanged : Ending::Changed;
}

void TextInPlaceEditor::abandon()
{
    if (isEditing())
        closeWidget();
}

void TextInPlaceEditor::closeWidget()
{
    mBox = nullptr;
    mNewText = false;
    if (!mEdit)
        return;
    InPlaceTextBox *edit = mEdit;
    mEdit = nullptr;
    disconnect(mView, nullptr, edit, nullptr);
    const bool hadFocus = edit->hasFocus();
    edit->hide();
    if (hadFocus)
        mView->viewport()->setFocus(Qt::OtherFocusReason);
    edit->deleteLater();
}

void TextInPlaceEditor::keyHandled(bool enter)
{
    mNewText = false;
    if (!mEdit)
        return; // Escape ended the edit
    if (enter) {
        mEdit->resize(mEdit->width(), mEdit->height() + QFontMetrics(mEdit->font()).height());
        emit geometryChanged();
    }
    growToCaretLine({});
}

void TextInPlaceEditor::firstPress()
{
    if (mNewText && mEdit) {
        // Removing the text keeps the document's margins, which clear() would reset.
        QTextCursor cursor(mEdit->document());
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
    }
    mNewText = false;
}

void TextInPlaceEditor::textInput(const QString &preedit)
{
    mNewText = false;
    growToCaretLine(preedit);
}

void TextInPlaceEditor::growToCaretLine(const QString &pending)
{
    if (!mEdit)
        return;
    // The line holding the caret as shown (one visual line when the box wraps), with the text
    // still being composed.
    const QTextCursor cursor = mEdit->textCursor();
    const QTextBlock block = cursor.block();
    QString line = block.text();
    if (const QTextLayout *layout = block.layout(); layout && layout->lineCount() > 1) {
        const QTextLine shown = layout->lineForTextPosition(cursor.positionInBlock());
        if (shown.isValid())
            line = line.mid(shown.textStart(), shown.textLength());
    }
    line += pending;
    const int step = 3 * mPoints;
    if (step <= 0)
        return;
    const int needed = QFontMetrics(mEdit->font()).horizontalAdvance(line) + step;
    if (needed <= mEdit->width())
        return;
    // One step per key as a rule; pasted text takes as many steps as it needs.
    const int steps = (needed - mEdit->width() + step - 1) / step;
    mEdit->resize(mEdit->width() + steps * step, mEdit->height());
    emit geometryChanged();
}

} // namespace quill
