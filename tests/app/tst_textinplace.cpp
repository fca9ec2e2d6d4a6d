// The in-place edit box of text boxes, driven through key, mouse and input method events on
// a real work area.
#include "editor/TextInPlaceEditor.h"
#include "editor/ZR_WorkSpace.h"

#include "document/LabelDocument.h"
#include "document/StandardProperties.h"
#include "document/ZoomMapping.h"
#include "editing/ObjectPlacement.h"
#include "objects/FontSubstitution.h"
#include "objects/ZR_TextEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest>

using namespace quill;
using Ending = TextInPlaceEditor::Ending;

Q_DECLARE_METATYPE(TextInPlaceEditor::Ending)

namespace {

const QString Placeholder = QStringLiteral("여기에 입력");

// A 4 x 3 inch cell (384 x 288 model pixels) on a one-cell sheet.
TZR_LabelSize bigCell()
{
    TZR_LabelSize sheet;
    sheet.setWidth(4.0);
    sheet.setHeight(3.0);
    sheet.setRows(1);
    sheet.setColumns(1);
    sheet.setPageWidth(4.0);
    sheet.setPageHeight(3.0);
    sheet.setColor(0xFFFFFF);
    return sheet;
}

// A work area small enough to scroll at 100 %, showing a one-cell document.
struct Fixture {
    LabelDocument document;
    TZR_WorkSpace view;
    TextInPlaceEditor *editor = nullptr; // owned by the view

    Fixture()
    {
        document.newDocument(bigCell());
        view.setDocument(&document);
        editor = new TextInPlaceEditor(&view);
        view.resize(300, 200);
        view.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&view); }

    // A box as the text tool makes it, with the placeholder line.
    TZR_TextEdit *newBox(const QRect &bounds, int fontSize = 12)
    {
        PlacementContext context;
        context.zoom = view.zoom();
        context.fontSize = fontSize;
        return add(ObjectPlacement::createObject(ObjectTypeCode::TextEdit, bounds, context));
    }
    // A box of earlier work: its lines, automatic size on.
    TZR_TextEdit *oldBox(const QPoint &at, const QStringList &lines, int fontSize = 12)
    {
        auto box = std::make_unique<TZR_TextEdit>();
        box->setBounds(QRect(at, QSize(100, 40)));
        box->setFontName(QStringLiteral("굴림"));
        box->setFontSize(fontSize);
        box->setColor(0x00FFFFFF);
        box->setWwtMemo(lines);
        box->setWwfMemo(lines);
        box->setAutoSize(true);
        return add(std::move(box));
    }
    TZR_TextEdit *add(std::unique_ptr<LabelObject> object)
    {
        return static_cast<TZR_TextEdit *>(
            document.currentCellPanel()->addObject(std::move(object)));
    }

    QTextEdit *edit() const { return qobject_cast<QTextEdit *>(editor->editWidget()); }
    // Types text: '\n' is Enter, '\b' Backspace.
    void type(const QString &text)
    {
        for (const QChar c : text) {
            if (c == u'\n')
                QTest::keyClick(edit(), Qt::Key_Return);
            else if (c == u'\b')
                QTest::keyClick(edit(), Qt::Key_Backspace);
            else
                QTest::keyClicks(edit(), QString(c));
        }
    }
    void click() { QTest::mouseClick(edit()->viewport(), Qt::LeftButton, {}, QPoint(4, 4)); }
    void scrollTo(const QPoint &offset)
    {
        view.horizontalScrollBar()->setValue(offset.x());
        view.verticalScrollBar()->setValue(offset.y());
    }
};

void sendInputMethod(QWidget *widget, const QString &preedit, const QString &commit = {})
{
    const QList<QInputMethodEvent::Attribute> attributes {
        {QInputMethodEvent::Cursor, int(preedit.size()), 1, QVariant()}};
    QInputMethodEvent event(preedit, attributes);
    if (!commit.isEmpty())
        event.setCommitString(commit);
    QCoreApplication::sendEvent(widget, &event);
}

// The text being composed, shown in the caret's line.
QString preeditShown(const QTextEdit *edit)
{
    return edit->textCursor().block().layout()->preeditAreaText();
}

// The lines as the edit box lays them out on the screen.
QStringList shownLines(QTextEdit *edit)
{
    edit->document()->documentLayout()->documentSize(); // finishes the layout
    QStringList lines;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            lines << block.text().mid(
                layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
    }
    return lines;
}

} // namespace

class TestTextInPlace : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void newBoxSelectsThePlaceholder();
    void firstPress_data();
    void firstPress();
    void beginShowsTheBox();
    void typedLines_data();
    void typedLines();
    void longLineWraps();
    void endReports_data();
    void endReports();
    void emptyBoxIsLeftToTheCaller();
    void escapeAsksToEnd();
    void abandonLeavesTheBox();
    void koreanInputMethod();
    void geometry_data();
    void geometry();
    void followsTheZoom();
    void sizeMappedBack_data();
    void sizeMappedBack();
    void growsWhileTyping_data();
    void growsWhileTyping();
    void fontAtZoom_data();
    void fontAtZoom();
    void opaqueWithFlatFrame();
};

void TestTextInPlace::initTestCase()
{
    installFontSubstitutions();
}

void TestTextInPlace::newBoxSelectsThePlaceholder()
{
    Fixture f;
    TZR_TextEdit *box = f.newBox(QRect(40, 30, 120, 60));
    QCOMPARE(box->wwtMemo(), QStringList {Placeholder});
    f.editor->begin(box, true);
    QVERIFY(f.editor->isEditing());
    QCOMPARE(f.editor->box(), box);
    QCOMPARE(f.edit()->toPlainText(), Placeholder);
    QCOMPARE(f.edit()->textCursor().selectedText(), Placeholder);
    QCOMPARE(f.edit()->textCursor().position(), 0);
    QVERIFY(!box->autoSize());

    f.type(QStringLiteral("AB"));
    QCOMPARE(f.edit()->toPlainText(), QStringLiteral("AB"));
    QCOMPARE(f.editor->end(), Ending::Changed);
    QVERIFY(!f.editor->isEditing());
    QVERIFY(!f.editor->editWidget());
    QVERIFY(!f.editor->box());
    QCOMPARE(box->wwfMemo(), QStringList {QStringLiteral("AB")});
    QCOMPARE(box->wwtMemo(), QStringList {QStringLiteral("AB")});
    QVERIFY(box->autoSize());
    QCOMPARE(f.editor->end(), Ending::NotEditing);
}

void TestTextInPlace::firstPress_data()
{
    QTest::addColumn<bool>("newText");
    QTest::addColumn<QString>("typedFirst");
    QTest::addColumn<QString>("expected");
    QTest::newRow("new box: emptied") << true << QString() << QString();
    QTest::newRow("existing box: kept") << false << QString() << QStringLiteral("Hello");
    QTest::newRow("new box, typed first: kept")
        << true << QStringLiteral("X") << QStringLiteral("X");
}

void TestTextInPlace::firstPress()
{
    QFETCH(bool, newText);
    QFETCH(QString, typedFirst);
    QFETCH(QString, expected);
    Fixture f;
    TZR_TextEdit *box = newText ? f.newBox(QRect(40, 30, 120, 60))
                                : f.oldBox(QPoint(40, 30), {QStringLiteral("Hello")});
    f.editor->begin(box, newText);
    QCOMPARE(f.editor->isNewText(), newText);
    f.type(typedFirst);
    f.click();
    QCOMPARE(f.edit()->toPlainText(), expected);
    QVERIFY(!f.editor->isNewText());
    // Only the first press empties.
    f.type(QStringLiteral("Z"));
    f.click();
    QVERIFY(f.edit()->toPlainText().contains(u'Z'));
}

void TestTextInPlace::beginShowsTheBox()
{
    Fixture f;
    QVERIFY(f.exposed());
    TZR_TextEdit *box = f.oldBox(QPoint(40, 30), {QStringLiteral("ab")});
    // The lines shown are the wrapped ones.
    box->setWwtMemo({QStringLiteral("ab"), QStringLiteral("cd")});
    box->setWwfMemo({QStringLiteral("abcd")});
    box->setAlignMent(taRightJustify);
    box->setWordWrapTF(true);
    box->setValue(QStringLiteral("Font.Color"), qint64(0x000000FF)); // red
    f.editor->begin(box, false);
    QTextEdit *edit = f.edit();
    QCOMPARE(edit->toPlainText(), QStringLiteral("ab\ncd"));
    QCOMPARE(edit->textCursor().position(), 0);
    QVERIFY(!edit->textCursor().hasSelection());
    QCOMPARE(edit->lineWrapMode(), QTextEdit::WidgetWidth);
    QVERIFY(edit->document()->defaultTextOption().alignment() & Qt::AlignRight);
    QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(edit->parentWidget(), f.view.viewport());
    QVERIFY(edit->isVisible());
    f.view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.view));
    QTRY_VERIFY(edit->hasFocus());
    f.editor->end();

    // Without wrapping the edit box keeps each line whole; a box without wrapped lines shows
    // its typed ones.
    box->setWordWrapTF(false);
    box->setWwtMemo({});
    box->setWwfMemo({QStringLiteral("xy"), QStringLiteral("z")});
    f.editor->begin(box, false);
    QCOMPARE(f.edit()->lineWrapMode(), QTextEdit::NoWrap);
    QCOMPARE(f.edit()->toPlainText(), QStringLiteral("xy\nz"));
}

void TestTextInPlace::typedLines_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two lines") << QStringLiteral("ab\ncd")
                               << QStringList {QStringLiteral("ab"), QStringLiteral("cd")};
    QTest::newRow("blank line between") << QStringLiteral(
        "ab\n\ncd") << QStringList {QStringLiteral("ab"), QString(), QStringLiteral("cd")};
    QTest::newRow("closing break dropped")
        << QStringLiteral("ab\n") << QStringList {QStringLiteral("ab")};
}

void TestTextInPlace::typedLines()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, lines);
    Fixture f;
    TZR_TextEdit *box = f.newBox(QRect(40, 30, 120, 60));
    f.editor->begin(box, true);
    f.type(keys);
    QCOMPARE(f.editor->end(), Ending::Changed);
    QCOMPARE(box->wwfMemo(), lines);
    QCOMPARE(box->wwtMemo(), lines);
    QVERIFY(box->autoSize());
    // The automatic size holds every line.
    QCOMPARE(box->bounds().size(), box->autoSizeExtent().value());
}

void TestTextInPlace::longLineWraps()
{
    Fixture f;
    QVERIFY(f.exposed());
    TZR_TextEdit *box = f.newBox(QRect(40, 30, 100, 60));
    box->setWordWrapTF(true);
    f.editor->begin(box, true);
    const QString line = QStringLiteral("one two three four five six seven eight nine");
    // Pasted at once: the edit box does not widen for text that is not typed.
    f.edit()->insertPlainText(line);
    const QFontMetrics metrics(f.edit()->font());
    const QStringList shown = shownLines(f.edit());
    QCOMPARE(f.editor->end(), Ending::Changed);
    // The lines stored are the ones the edit box showed.
    QCOMPARE(box->wwtMemo(), shown);
    QCOMPARE(box->wwfMemo(), QStringList {line});
    const QStringList wrapped = box->wwtMemo();
    QVERIFY2(wrapped.size() >= 3, qPrintable(wrapped.join(u'|')));
    // The visual lines are the typed line cut apart, each within the edit box's text area.
    QCOMPARE(wrapped.join(QString()), line);
    for (const QString &visual : wrapped)
        QVERIFY2(metrics.horizontalAdvance(visual.trimmed()) <= 100, qPrintable(visual));
    QVERIFY(box->wordWrapTF());
}

void TestTextInPlace::endReports_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("autoSizeBefore");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QString>("text");
    const QString hello = QStringLiteral("Hello");
    QTest::newRow("untouched") << int(taLeftJustify) << true << QString() << Ending::Unchanged
                               << hello;
    QTest::newRow("typed") << int(taLeftJustify) << true << QStringLiteral("!") << Ending::Changed
                           << QStringLiteral("!Hello");
    QTest::newRow("typed and erased")
        << int(taLeftJustify) << true << QStringLiteral("!!!!\b\b\b\b") << Ending::Unchanged
        << hello;
    QTest::newRow("right aligned, untouched")
        << int(taRightJustify) << true << QString() << Ending::Unchanged << hello;
    QTest::newRow("centred, untouched")
        << int(taCenter) << true << QString() << Ending::Unchanged << hello;
    QTest::newRow("size was fixed")
        << int(taLeftJustify) << false << QString() << Ending::Changed << hello;
}

void TestTextInPlace::endReports()
{
    QFETCH(int, alignment);
    QFETCH(bool, autoSizeBefore);
    QFETCH(QString, keys);
    QFETCH(Ending, ending);
    QFETCH(QString, text);
    Fixture f;
    TZR_TextEdit *box = f.oldBox(QPoint(40, 30), {QStringLiteral("Hello")});
    box->setAlignMent(alignment);
    box->setAutoSize(autoSizeBefore);
    if (!autoSizeBefore)
        box->setBounds(QRect(40, 30, 150, 70));
    const QRect before = box->bounds();
    f.editor->begin(box, false);
    f.type(keys);
    QCOMPARE(f.editor->end(), ending);
    QCOMPARE(box->wwfMemo(), QStringList {text});
    QCOMPARE(box->wwtMemo(), QStringList {text});
    QCOMPARE(box->alignMent(), alignment);
    QVERIFY(box->autoSize());
    QCOMPARE(box->bounds().topLeft(), before.topLeft());
    if (ending == Ending::Unchanged)
        QCOMPARE(box->bounds(), before);
}

void TestTextInPlace::emptyBoxIsLeftToTheCaller()
{
    Fixture f;
    TZR_TextEdit *box = f.oldBox(QPoint(40, 30), {QStringLiteral("Hello")});
    f.editor->begin(box, false);
    QPointer<QWidget> widget = f.editor->editWidget();
    QTest::keyClick(f.edit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(f.edit(), Qt::Key_Delete);
    QCOMPARE(f.edit()->toPlainText(), QString());
    QCOMPARE(f.editor->end(), Ending::Emptied);
    QVERIFY(!f.editor->isEditing());
    QCOMPARE(box->wwfMemo(), QStringList {QStringLiteral("Hello")});
    QCOMPARE(box->wwtMemo(), QStringList {QStringLiteral("Hello")});
    QCOMPARE(f.document.currentCellPanel()->indexOf(box), 0);
    QVERIFY(widget && !widget->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!widget);
}

void TestTextInPlace::escapeAsksToEnd()
{
    Fixture f;
    TZR_TextEdit *box = f.newBox(QRect(40, 30, 120, 60));
    f.editor->begin(box, true);
    QSignalSpy asked(f.editor, &TextInPlaceEditor::endRequested);
    f.type(QStringLiteral("Hi"));
    QTest::keyClick(f.edit(), Qt::Key_Escape);
    QCOMPARE(asked.count(), 1);
    QVERIFY(f.editor->isEditing());
    QCOMPARE(f.edit()->toPlainText(), QStringLiteral("Hi"));

    // The owner ends the edit from the signal, inside the edit box's own key handling.
    Ending ending = Ending::NotEditing;
    connect(
        f.editor, &TextInPlaceEditor::endRequested, f.editor, [&] { ending = f.editor->end(); });
    QPointer<QWidget> widget = f.editor->editWidget();
    QTest::keyClick(widget, Qt::Key_Escape);
    QCOMPARE(ending, Ending::Changed);
    QCOMPARE(box->wwfMemo(), QStringList {QStringLiteral("Hi")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!widget);
}

void TestTextInPlace::abandonLeavesTheBox()
{
    Fixture f;
    TZR_TextEdit *box = f.oldBox(QPoint(40, 30), {QStringLiteral("Hello")});
    f.editor->begin(box, false);
    f.type(QStringLiteral("xyz\n"));
    QPointer<QWidget> widget = f.editor->editWidget();
    f.editor->abandon();
    QVERIFY(!f.editor->isEditing());
    QVERIFY(!f.editor->editWidget());
    QCOMPARE(box->wwfMemo(), QStringList {QStringLiteral("Hello")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!widget);
}

void TestTextInPlace::koreanInputMethod()
{
    Fixture f;
    TZR_TextEdit *box = f.newBox(QRect(40, 30, 120, 60));
    f.editor->begin(box, true);
    QTextEdit *edit = f.edit();
    QVERIFY(edit->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(edit->inputMethodQuery(Qt::ImEnabled).toBool());

    // Composing replaces the selected placeholder and shows the syllable being built.
    sendInputMethod(edit, QStringLiteral("ㅎ"));
    QCOMPARE(preeditShown(edit), QStringLiteral("ㅎ"));
    QCOMPARE(edit->toPlainText(), QString());
    sendInputMethod(edit, QStringLiteral("하"));
    sendInputMethod(edit, QStringLiteral("한"));
    QCOMPARE(preeditShown(edit), QStringLiteral("한"));
    // The next consonant commits the syllable and starts the next one in the same event.
    sendInputMethod(edit, QStringLiteral("ㄱ"), QStringLiteral("한"));
    QCOMPARE(edit->toPlainText(), QStringLiteral("한"));
    QCOMPARE(preeditShown(edit), QStringLiteral("ㄱ"));
    sendInputMethod(edit, QStringLiteral("그"));
    sendInputMethod(edit, QStringLiteral("글"));
    sendInputMethod(edit, QString(), QStringLiteral("글"));
    QCOMPARE(preeditShown(edit), QString());
    QCOMPARE(edit->toPlainText(), QStringLiteral("한글"));
    // Composed text counts as typing: a press no longer empties the box.
    f.click();
    QCOMPARE(edit->toPlainText(), QStringLiteral("한글"));

    QCOMPARE(f.editor->end(), Ending::Changed);
    QCOMPARE(box->wwfMemo(), QStringList {QStringLiteral("한글")});
    QCOMPARE(box->wwtMemo(), QStringList {QStringLiteral("한글")});
}

void TestTextInPlace::geometry_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QPoint>("scroll");
    QTest::addColumn<QRect>("unscrolled");
    // The box is at (40, 30), 100 x 50 in the model.
    QTest::newRow("100 %") << 100 << QPoint(0, 0) << QRect(39, 29, 101, 51);
    QTest::newRow("100 %, scrolled") << 100 << QPoint(30, 20) << QRect(39, 29, 101, 51);
    QTest::newRow("200 %") << 200 << QPoint(0, 0) << QRect(79, 59, 201, 101);
    QTest::newRow("200 %, scrolled") << 200 << QPoint(150, 90) << QRect(79, 59, 201, 101);
    QTest::newRow("60 %") << 60 << QPoint(0, 0) << QRect(23, 17, 61, 31);
}

void TestTextInPlace::geometry()
{
    QFETCH(int, zoom);
    QFETCH(QPoint, scroll);
    QFETCH(QRect, unscrolled);
    Fixture f;
    QVERIFY(f.exposed());
    QVERIFY(f.view.setZoom(zoom));
    TZR_TextEdit *box = f.oldBox(QPoint(40, 30), {QStringLiteral("Hi")});
    box->setAutoSize(false);
    box->setBounds(QRect(40, 30, 100, 50));
    f.scrollTo(scroll);
    QCOMPARE(f.view.cellOrigin(), -scroll);

    f.editor->begin(box, false);
    QCOMPARE(f.edit()->geometry(), unscrolled.translated(-scroll));
    // Scrolling while editing moves the edit box with the cell.
    QSignalSpy moved(f.editor, &TextInPlaceEditor::geometryChanged);
    f.scrollTo({});
    QCOMPARE(f.edit()->geometry(), unscrolled);
    f.scrollTo(scroll);
    QCOMPARE(f.edit()->geometry(), unscrolled.translated(-scroll));
    if (scroll != QPoint())
        QVERIFY(moved.count() >= 2);
}

void TestTextInPlace::followsTheZoom()
{
    Fixture f;
    TZR_TextEdit *box = f.oldBox(QPoint(40, 30), {QStringLiteral("Hi")});
    box->setAutoSize(false);
    box->setBounds(QRect(40, 30, 100, 50));
    f.editor->begin(box, false);
    QCOMPARE(f.edit()->geometry(), QRect(39, 29, 101, 51));
    const int pixels100 = f.edit()->font().pixelSize();
    QVERIFY(f.view.setZoom(200));
    QCOMPARE(f.edit()->geometry(), QRect(79, 59, 201, 101));
    QCOMPARE(f.edit()->font().pixelSize(), 2 * pixels100);
    // Back at 100 % nothing was lost on the way.
    QVERIFY(f.view.setZoom(100));
    QCOMPARE(f.edit()->geometry(), QRect(39, 29, 101, 51));
    QCOMPARE(f.edit()->font().pixelSize(), pixels100);
}

void TestTextInPlace::sizeMappedBack_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("enters");
    QTest::newRow("60 %") << 60 << 0;
    QTest::newRow("150 %") << 150 << 0;
    QTest::newRow("200 %") << 200 << 0;
    QTest::newRow("60 %, two lines more") << 60 << 2;
    QTest::newRow("200 %, a line more") << 200 << 1;
}

void TestTextInPlace::sizeMappedBack()
{
    QFETCH(int, zoom);
    QFETCH(int, enters);
    Fixture f;
    QVERIFY(f.view.setZoom(zoom));
    TZR_TextEdit *box = f.oldBox(QPoint(40, 30), {QStringLiteral("Hi")});
    // At an angle other than a right angle the box keeps the size it is given.
    box->setAngle(45);
    box->setBounds(QRect(41, 31, 101, 53));
    f.editor->begin(box, false);
    const QSize shown = f.edit()->size();
    QTest::keyClick(f.edit(), Qt::Key_End);
    for (int i = 0; i < enters; ++i)
        QTest::keyClick(f.edit(), Qt::Key_Return);
    const int height = f.edit()->height();
    QCOMPARE(height, shown.height() + enters * QFontMetrics(f.edit()->font()).height());
    f.editor->end();
    QCOMPARE(box->bounds().topLeft(), QPoint(41, 31));
    QCOMPARE(box->bounds().width(), 101);
    if (enters == 0)
        QCOMPARE(box->bounds().height(), 53);
    else
        QCOMPARE(box->bounds().height(), ZoomMapping::toModel(height - 1, zoom));
}

void TestTextInPlace::growsWhileTyping_data()
{
    QTest::addColumn<int>("zoom");
    QTest::newRow("100 %") << 100;
    QTest::newRow("200 %") << 200;
}

void TestTextInPlace::growsWhileTyping()
{
    QFETCH(int, zoom);
    Fixture f;
    QVERIFY(f.view.setZoom(zoom));
    TZR_TextEdit *box = f.newBox(QRect(20, 20, 60, 30), 12);
    f.editor->begin(box, true);
    QTextEdit *edit = f.edit();
    const QSize start = edit->size();
    const int step = 3 * 12 * zoom / 100; // three times the font size drawn at the zoom
    const QFontMetrics metrics(edit->font());
    QSignalSpy grew(f.editor, &TextInPlaceEditor::geometryChanged);

    QString typed;
    for (int i = 0; i < 12; ++i) {
        f.type(QStringLiteral("W"));
        typed += u'W';
        // After every key the caret's line has three font sizes of room, gained in whole steps.
        QVERIFY(metrics.horizontalAdvance(typed) + step <= edit->width());
        QCOMPARE((edit->width() - start.width()) % step, 0);
        QCOMPARE(edit->height(), start.height());
    }
    QVERIFY(edit->width() > start.width());
    QVERIFY(grew.count() > 0);

    // Enter makes room for one more line; a short new line does not widen it.
    const int width = edit->width();
    f.type(QStringLiteral("\nab\n"));
    QCOMPARE(edit->height(), start.height() + 2 * metrics.height());
    QCOMPARE(edit->width(), width);
    QCOMPARE(f.editor->end(), Ending::Changed);
    QCOMPARE(box->wwfMemo(), (QStringList {typed, QStringLiteral("ab")}));
    QCOMPARE(box->wwtMemo(), box->wwfMemo());
}

void TestTextInPlace::fontAtZoom_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("pixels");
    // Font.Size points at 96 pixels per inch, at the whole point size drawn at the zoom.
    QTest::newRow("12 pt at 100 %") << 12 << 100 << 16;
    QTest::newRow("12 pt at 200 %") << 12 << 200 << 32;
    QTest::newRow("9 pt at 100 %") << 9 << 100 << 12;
    QTest::newRow("9 pt at 200 %") << 9 << 200 << 24;
    QTest::newRow("10 pt at 60 %") << 10 << 60 << 8; // 6 pt
}

void TestTextInPlace::fontAtZoom()
{
    QFETCH(int, size);
    QFETCH(int, zoom);
    QFETCH(int, pixels);
    Fixture f;
    QVERIFY(f.view.setZoom(zoom));
    TZR_TextEdit *box = f.newBox(QRect(20, 20, 100, 40), size);
    box->setValue(QStringLiteral("Font.Style"), QVariant::fromValue<quint32>(fsBold));
    f.editor->begin(box, true);
    const QFont font = f.edit()->font();
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.family(), QFont(QStringLiteral("굴림")).family());
    QVERIFY(font.bold());
    QCOMPARE(QFontInfo(font).pixelSize(), pixels);
}

void TestTextInPlace::opaqueWithFlatFrame()
{
    Fixture f;
    QVERIFY(f.exposed());
    TZR_TextEdit *box = f.oldBox(QPoint(40, 30), {QStringLiteral("Hi")});
    box->setAutoSize(false);
    box->setBounds(QRect(40, 30, 100, 50));
    box->setColor(0x0000FFFF); // yellow ($00BBGGRR)
    f.editor->begin(box, false);
    QCOMPARE(f.edit()->frameWidth(), 1);
    const QImage shot = f.view.viewport()->grab().toImage();
    const QRect r = f.edit()->geometry();
    // Inside, away from the text, the box's colour; the frame is dark.
    QCOMPARE(QColor(shot.pixel(r.right() - 3, r.bottom() - 3)), QColor(Qt::yellow));
    QVERIFY(qGray(shot.pixel(r.left(), r.center().y())) < 100);
}

QTEST_MAIN(TestTextInPlace)
#include "tst_textinplace.moc"
