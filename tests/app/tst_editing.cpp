// Designing a label by hand in the real main window: tools place objects, the pointer selects,
// moves and resizes them exactly, keys nudge and delete, the clipboard copies at 100 %, and
// every change is marked and can be undone.
#include "editor/MainWindow.h"

#include "document/DocumentRecords.h"
#include "document/EditHistory.h"
#include "document/LabelCell.h"
#include "document/SampleSheet.h"
#include "editor/EditMenuCommands.h"
#include "editor/EditingController.h"
#include "editor/EditorActions.h"
#include "editor/SelectionTool.h"
#include "editor/TextInPlaceEditor.h"
#include "editor/ZR_WorkSpace.h"
#include "editor/ZoomPercentBox.h"
#include "editor/prvLabelWorkForm.h"
#include "editor/FormatToolBarCommands.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_DBImage.h"
#include "objects/ZR_ShapeTable.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_VantorShape.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

TZR_LabelSize sampleSheet()
{
    TZR_LabelSize sheet;
    sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true);
    return sheet;
}

void sendMouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, buttons, modifiers);
    QApplication::sendEvent(w, &event);
}

} // namespace

class EditingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void dragToolsPlaceWhereDragged_data();
    void dragToolsPlaceWhereDragged();
    void clickWithoutDragGivesTheDefaultSize();
    void immediateCommandsPlaceAtOnce();
    void pictureCommandReadsThePictureFirst();
    void selectByClickShiftClickAndMarquee();
    void dragMovesAndGripsResizeExactly_data();
    void dragMovesAndGripsResizeExactly();
    void moveAtZoomNeverDrifts();
    void dragStopsAtTheAreaEdge();
    void keysNudgeDeleteAndSelectAll();
    void everyChangeIsMarkedAndUndoable();
    void textToolTypesInPlace();
    void koreanInputMethodInPlace();
    void typingUnderWayIsSaved();
    void copyAt200PasteAt100KeepsTheSize();
    void ctrlDragCopiesByTheMovement();
    void fieldBoundCopiesAreRefused();
    void masterApplyFillsElevenCells();
    void alignNeedsTwoObjects();
    void orientationTwiceGivesTheSheetBack();
    void fontSizeBoxRefusesBadNumbers();
    void contextMenuFollowsTheSelection();
    void dialogsOnCreationAndDoubleClick();

private:
    std::unique_ptr<MainWindow> window();
    QWidget *viewport(MainWindow &w) const;
    QPoint at(MainWindow &w, QPointF cell) const;
    void drag(MainWindow &w, QPointF fromCell, QPointF toCell,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(MainWindow &w, QPointF cell, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    LabelObject *addShape(MainWindow &w, const QRect &bounds);

    QTemporaryDir mDir;
    CaptionFile mCaptions{QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")};
    std::unique_ptr<QSettings> mSettings;
    QStringList mMessages;
    QString mPicture;
    bool mAnswerYes = false;
    int mDialogs = 0;
    std::function<bool(QDialog &)> mDialogAnswer;
};

void EditingTest::initTestCase()
{
    registerDocumentClasses();
    registerObjectClasses();
}

void EditingTest::init()
{
    const QString ini = mDir.filePath(QStringLiteral("settings.ini"));
    QFile::remove(ini);
    mSettings = std::make_unique<QSettings>(ini, QSettings::IniFormat);
    mMessages.clear();
    mPicture.clear();
    mAnswerYes = false;
    mDialogs = 0;
    mDialogAnswer = nullptr;
}

std::unique_ptr<MainWindow> EditingTest::window()
{
    const AppFolders folders(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR), mDir.filePath(QStringLiteral("home")));
    if (!folders.seed())
        return nullptr;
    EditorEnvironment env = EditorEnvironment::system(mCaptions, mSettings.get(), folders);
    env.tempFolder = mDir.filePath(QStringLiteral("Temp"));
    env.print = PrintServices();
    env.print.printerNames = [] { return QStringList(); };
    env.print.showMessage = [this](QWidget *, const QString &text) { mMessages << text; };
    env.documents.tell = env.print.showMessage;
    env.documents.ask = [](QWidget *, const QString &, const QString &, bool) {
        return DocumentServices::Answer::No;
    };
    env.documents.savePath = [this](QWidget *, const QString &, const QString &, const QString &) {
        return mDir.filePath(QStringLiteral("typed.qbl"));
    };
    env.documents.chooseSheet = [](QWidget *) { return std::optional<TZR_LabelSize>(sampleSheet()); };
    env.prompts.warn = [this](QWidget *, const QString &, const QString &text) { mMessages << text; };
    env.prompts.askYesNo = [this](QWidget *, const QString &, const QString &) { return mAnswerYes; };
    env.choosePicture = [this](QWidget *, const QString &) { return mPicture; };
    env.execObjectDialog = [this](QDialog &dialog) {
        ++mDialogs;
        if (mDialogAnswer)
            return mDialogAnswer(dialog);
        return true;
    };
    env.format.chooseColour = [](const QColor &) { return std::optional<QColor>(Qt::red); };
    env.format.chooseLineWidth = [] { return std::optional<int>(7); };
    auto w = std::make_unique<MainWindow>(env);
    w->resize(1000, 800);
    w->show();
    if (!w->newDocument(sampleSheet()))
        return nullptr;
    return w;
}

QWidget *EditingTest::viewport(MainWindow &w) const
{
    return w.workSpace()->viewport();
}

QPoint EditingTest::at(MainWindow &w, QPointF cell) const
{
    return w.workSpace()->mapFromCell(cell).toPoint();
}

void EditingTest::drag(MainWindow &w, QPointF fromCell, QPointF toCell,
                       Qt::KeyboardModifiers modifiers)
{
    QWidget *v = viewport(w);
    const QPoint a = at(w, fromCell);
    const QPoint b = at(w, toCell);
    sendMouse(v, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton, modifiers);
    sendMouse(v, QEvent::MouseMove, (a + b) / 2, Qt::NoButton, Qt::LeftButton, modifiers);
    sendMouse(v, QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton, modifiers);
    sendMouse(v, QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton, modifiers);
}

void EditingTest::click(MainWindow &w, QPointF cell, Qt::KeyboardModifiers modifiers)
{
    QWidget *v = viewport(w);
    const QPoint a = at(w, cell);
    sendMouse(v, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton, modifiers);
    sendMouse(v, QEvent::MouseButtonRelease, a, Qt::LeftButton, Qt::NoButton, modifiers);
}

LabelObject *EditingTest::addShape(MainWindow &w, const QRect &bounds)
{
    auto shape = std::make_unique<TZR_VantorShape>();
    shape->setBounds(bounds);
    return w.document().currentCellPanel()->addObject(std::move(shape));
}

void EditingTest::dragToolsPlaceWhereDragged_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<int>("code");
    QTest::newRow("rectangle") << int(EditorCommand::ToolRect) << int(ObjectTypeCode::VantorShape);
    QTest::newRow("ellipse") << int(EditorCommand::ToolEllipse) << int(ObjectTypeCode::VantorShape);
    QTest::newRow("table") << int(EditorCommand::ToolTable) << int(ObjectTypeCode::ShapeTable);
    QTest::newRow("gradient") << int(EditorCommand::ToolGradient) << int(ObjectTypeCode::Gradient);
    QTest::newRow("word art") << int(EditorCommand::ToolWordArt) << int(ObjectTypeCode::WordArt);
    QTest::newRow("2D barcode") << int(EditorCommand::ToolBarcode2D) << int(ObjectTypeCode::Barcode2D);
}

void EditingTest::dragToolsPlaceWhereDragged()
{
    QFETCH(int, tool);
    QFETCH(int, code);
    auto w = window();
    QVERIFY(w);
    for (int zoom : {100, 200}) {
        w->zoomBox()->applyZoom(zoom);
        w->actions().action(EditorCommand(tool))->trigger();
        // Dragged up and to the left: the corners are put in order.
        drag(*w, {200, 150}, {100, 50});
        LabelCell *cell = w->document().currentCellPanel();
        LabelObject *made = cell->object(cell->objectCount() - 1);
        QVERIFY(made);
        QCOMPARE(int(made->typeCode()), code);
        QCOMPARE(made->bounds(), QRect(100, 50, 100, 100));
        QCOMPARE(w->editing().editor().selection().objects(), std::vector<LabelObject *>{made});
        // The tool is put down after one placement.
        QCOMPARE(w->actions().currentTool(), EditorCommand::ToolSelect);
    }
    QVERIFY(w->document().isModified());
}

void EditingTest::clickWithoutDragGivesTheDefaultSize()
{
    auto w = window();
    QVERIFY(w);
    w->actions().action(EditorCommand::ToolRect)->trigger();
    click(*w, {40, 30});
    LabelObject *made = w->document().currentCellPanel()->object(0);
    QVERIFY(made);
    QCOMPARE(made->bounds().topLeft(), QPoint(40, 30));
    QVERIFY(made->bounds().width() >= 5 && made->bounds().height() >= 5);
}

void EditingTest::immediateCommandsPlaceAtOnce()
{
    auto w = window();
    QVERIFY(w);
    w->zoomBox()->applyZoom(150);
    LabelCell *cell = w->document().currentCellPanel();
    w->actions().action(EditorCommand::ToolZipBarcode)->trigger();
    QCOMPARE(cell->objectCount(), 1);
    QCOMPARE(cell->object(0)->typeCode(), ObjectTypeCode::ZipBarcode);
    QCOMPARE(cell->object(0)->bounds().topLeft(), QPoint(10, 50));
    w->actions().action(EditorCommand::ToolBarcode)->trigger();
    w->actions().action(EditorCommand::ToolSerialNumber)->trigger();
    QCOMPARE(cell->objectCount(), 3);
    QCOMPARE(cell->object(1)->typeCode(), ObjectTypeCode::Barcode);
    QCOMPARE(cell->object(2)->typeCode(), ObjectTypeCode::SerialNumber);
    // The text command opens in-place editing at once, 120 x 60 at 100 % (180 x 90 on screen).
    w->actions().action(EditorCommand::ToolText)->trigger();
    QCOMPARE(cell->objectCount(), 4);
    QVERIFY(w->editing().textEditor().isEditing());
    QCOMPARE(cell->object(3)->bounds().size(), QSize(120, 60));
}

void EditingTest::pictureCommandReadsThePictureFirst()
{
    auto w = window();
    QVERIFY(w);
    LabelCell *cell = w->document().currentCellPanel();
    mPicture = mDir.filePath(QStringLiteral("broken.png"));
    QFile broken(mPicture);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture at all");
    broken.close();
    w->actions().action(EditorCommand::ToolImage)->trigger();
    QCOMPARE(cell->objectCount(), 0);
    QCOMPARE(mMessages.size(), 1);
    QVERIFY(!w->document().isModified());

    // PNG, which documents cannot hold as such, is kept as a bitmap; a BMP as it is.
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    for (const char *suffix : {"png", "bmp"}) {
        mPicture = mDir.filePath(QStringLiteral("red.") + QLatin1String(suffix));
        QVERIFY(red.save(mPicture));
        w->actions().action(EditorCommand::ToolImage)->trigger();
    }
    QCOMPARE(cell->objectCount(), 2);
    QCOMPARE(mMessages.size(), 1);
    auto *image = dynamic_cast<TZR_DBImage *>(cell->object(1)); // the last placed, selected
    QVERIFY(image);
    QVERIFY(!image->pictureData().isEmpty());
    // "원본 크기로": the picture's own size.
    w->actions().action(EditorCommand::PictureSize)->trigger();
    QCOMPARE(image->bounds().size(), QSize(40, 30));
}

void EditingTest::selectByClickShiftClickAndMarquee()
{
    auto w = window();
    QVERIFY(w);
    LabelObject *a = addShape(*w, QRect(20, 20, 40, 30));
    LabelObject *b = addShape(*w, QRect(100, 20, 40, 30));
    LabelObject *c = addShape(*w, QRect(20, 80, 40, 30));
    const EditSelection &selection = w->editing().editor().selection();
    click(*w, {30, 30});
    QCOMPARE(selection.objects(), std::vector<LabelObject *>{a});
    click(*w, {110, 30}, Qt::ShiftModifier);
    QCOMPARE(selection.objects(), (std::vector<LabelObject *>{a, b}));
    click(*w, {110, 30}, Qt::ShiftModifier); // already selected: stays
    QCOMPARE(selection.count(), 2);
    click(*w, {200, 150}); // the empty area
    QVERIFY(selection.isEmpty());
    // A marquee from the empty area that encloses a and c, and cuts through b.
    drag(*w, {15, 15}, {120, 112});
    QCOMPARE(selection.objects(), (std::vector<LabelObject *>{a, c}));
    QVERIFY(!w->document().isModified()); // selecting changes nothing
}

void EditingTest::dragMovesAndGripsResizeExactly_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QRect>("expected");
    // The object at (100, 50), 80 x 40; its frame is (98, 48), 85 x 45.
    QTest::newRow("move +10") << QPointF(120, 60) << QPointF(130, 70) << QRect(110, 60, 80, 40);
    QTest::newRow("bottom-right +10, 0") << QPointF(183, 93) << QPointF(193, 93) << QRect(100, 50, 90, 40);
    QTest::newRow("right middle +10, 0") << QPointF(183, 70) << QPointF(193, 70) << QRect(100, 50, 90, 40);
    QTest::newRow("top-left -5, -5") << QPointF(98, 48) << QPointF(93, 43) << QRect(95, 45, 85, 45);
    QTest::newRow("bottom middle 0, +7") << QPointF(140, 93) << QPointF(140, 100) << QRect(100, 50, 80, 47);
    QTest::newRow("right edge to the left edge") << QPointF(183, 70) << QPointF(60, 70) << QRect(100, 50, 5, 40);
}

void EditingTest::dragMovesAndGripsResizeExactly()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QRect, expected);
    auto w = window();
    QVERIFY(w);
    LabelObject *shape = addShape(*w, QRect(100, 50, 80, 40));
    w->editing().editor().selectOnly(shape);
    drag(*w, from, to);
    QCOMPARE(shape->bounds(), expected);
    QVERIFY(w->document().isModified());
}

void EditingTest::moveAtZoomNeverDrifts()
{
    auto w = window();
    QVERIFY(w);
    LabelObject *shape = addShape(*w, QRect(33, 47, 61, 29));
    w->editing().editor().selectOnly(shape);
    w->zoomBox()->applyZoom(150);
    for (int i = 0; i < 5; ++i) {
        drag(*w, {50, 60}, {53.4, 61.7});
        drag(*w, {53.4, 61.7}, {50, 60});
    }
    QCOMPARE(shape->bounds(), QRect(33, 47, 61, 29));
}

void EditingTest::dragStopsAtTheAreaEdge()
{
    auto w = window();
    QVERIFY(w);
    LabelObject *shape = addShape(*w, QRect(20, 20, 40, 30));
    w->editing().editor().selectOnly(shape);
    drag(*w, {30, 30}, {-500, -500});
    QVERIFY(shape->bounds().left() >= -2);
    QVERIFY(shape->bounds().top() >= -2);
    QCOMPARE(shape->bounds().size(), QSize(40, 30));
}

void EditingTest::keysNudgeDeleteAndSelectAll()
{
    auto w = window();
    QVERIFY(w);
    LabelObject *a = addShape(*w, QRect(20, 20, 40, 30));
    addShape(*w, QRect(100, 20, 40, 30));
    QWidget *v = viewport(*w);
    w->actions().action(EditorCommand::SelectAll)->trigger();
    QCOMPARE(w->editing().editor().selection().count(), 2);
    QTest::keyClick(v, Qt::Key_Right);
    QTest::keyClick(v, Qt::Key_Right);
    QTest::keyClick(v, Qt::Key_Down);
    QCOMPARE(a->bounds(), QRect(22, 21, 40, 30));
    QTest::keyClick(v, Qt::Key_Left, Qt::ShiftModifier); // Shift resizes
    QCOMPARE(a->bounds(), QRect(22, 21, 39, 30));
    QVERIFY(w->document().isModified());
    // Three nudges and a resize are one undo step each run: undo gives the state before them.
    w->actions().action(EditorCommand::Undo)->trigger();
    QCOMPARE(w->document().currentCellPanel()->object(0)->bounds(), QRect(20, 20, 40, 30));
    w->actions().action(EditorCommand::SelectAll)->trigger();
    QTest::keyClick(v, Qt::Key_Delete);
    QCOMPARE(w->document().currentCellPanel()->objectCount(), 0);
    w->actions().action(EditorCommand::Undo)->trigger();
    QCOMPARE(w->document().currentCellPanel()->objectCount(), 2);
}

void EditingTest::everyChangeIsMarkedAndUndoable()
{
    auto w = window();
    QVERIFY(w);
    LabelObject *a = addShape(*w, QRect(20, 20, 40, 30));
    addShape(*w, QRect(100, 60, 40, 30));
    const auto fresh = [&] {
        w->document().setModified(false);
        w->actions().action(EditorCommand::SelectAll)->trigger();
    };
    fresh();
    w->actions().action(EditorCommand::AlignObjectsLeft)->trigger();
    QVERIFY(w->document().isModified());
    QCOMPARE(w->document().currentCellPanel()->object(1)->bounds().left(), 20);
    fresh();
    w->actions().action(EditorCommand::LineWidth2)->trigger();
    QVERIFY(w->document().isModified());
    fresh();
    w->actions().action(EditorCommand::LineWidthCustom)->trigger();
    QCOMPARE(static_cast<TZR_VantorShape *>(a)->penWidth(), 7);
    QVERIFY(w->document().isModified());
    fresh();
    w->actions().action(EditorCommand::FillColor)->trigger();
    QVERIFY(w->document().isModified());
    fresh();
    w->actions().action(EditorCommand::Copy)->trigger();
    QVERIFY(!w->document().isModified()); // a copy changes nothing
    w->actions().action(EditorCommand::Paste)->trigger();
    QVERIFY(w->document().isModified());
    QCOMPARE(w->document().currentCellPanel()->objectCount(), 4);
    // Undo goes back step by step to the first edit of the cell, and one further.
    QVERIFY(w->actions().action(EditorCommand::Undo)->isEnabled());
    w->actions().action(EditorCommand::Undo)->trigger();
    QCOMPARE(w->document().currentCellPanel()->objectCount(), 2);
    for (int i = 0; i < 4; ++i)
        w->actions().action(EditorCommand::Undo)->trigger();
    // Before the alignment.
    QCOMPARE(w->document().currentCellPanel()->object(1)->bounds().left(), 100);
    w->actions().action(EditorCommand::Redo)->trigger();
    QCOMPARE(w->document().currentCellPanel()->object(1)->bounds().left(), 20);
}

void EditingTest::textToolTypesInPlace()
{
    auto w = window();
    QVERIFY(w);
    LabelCell *cell = w->document().currentCellPanel();
    w->actions().action(EditorCommand::ToolText)->trigger();
    TextInPlaceEditor &editor = w->editing().textEditor();
    QVERIFY(editor.isEditing());
    QTest::keyClicks(editor.editWidget(), QStringLiteral("Hello"));
    // A press on the work area ends the editing: the text is stored and the box selected.
    click(*w, {300, 200});
    QVERIFY(!editor.isEditing());
    auto *box = dynamic_cast<TZR_TextEdit *>(cell->object(0));
    QVERIFY(box);
    QCOMPARE(box->wwfMemo(), QStringList{QStringLiteral("Hello")});
    QVERIFY(w->document().isModified());
    // Its creation is one undo step.
    w->actions().action(EditorCommand::Undo)->trigger();
    QCOMPARE(cell->objectCount(), 0);

    // A box left empty is removed.
    w->actions().action(EditorCommand::ToolText)->trigger();
    QTest::keyClick(editor.editWidget(), Qt::Key_Delete);
    w->editing().endTextEditing();
    QCOMPARE(cell->objectCount(), 0);
}

void EditingTest::koreanInputMethodInPlace()
{
    auto w = window();
    QVERIFY(w);
    w->actions().action(EditorCommand::ToolText)->trigger();
    QWidget *edit = w->editing().textEditor().editWidget();
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_Delete); // the placeholder goes
    for (const QString &syllable : {QStringLiteral("한"), QStringLiteral("글")}) {
        QInputMethodEvent preedit(syllable.left(1), {});
        QApplication::sendEvent(edit, &preedit);
        QInputMethodEvent commit;
        commit.setCommitString(syllable);
        QApplication::sendEvent(edit, &commit);
    }
    w->editing().endTextEditing();
    auto *box = dynamic_cast<TZR_TextEdit *>(w->document().currentCellPanel()->object(0));
    QVERIFY(box);
    QCOMPARE(box->wwfMemo(), QStringList{QStringLiteral("한글")});
}

void EditingTest::typingUnderWayIsSaved()
{
    auto w = window();
    QVERIFY(w);
    w->actions().action(EditorCommand::ToolText)->trigger();
    QTest::keyClicks(w->editing().textEditor().editWidget(), QStringLiteral("abc"));
    w->actions().action(EditorCommand::Save)->trigger();
    QVERIFY(!w->editing().textEditor().isEditing());
    QVERIFY(QFile::exists(mDir.filePath(QStringLiteral("typed.qbl"))));
    QVERIFY(!w->document().isModified());
    auto *box = dynamic_cast<TZR_TextEdit *>(w->document().currentCellPanel()->object(0));
    QVERIFY(box);
    QCOMPARE(box->wwfMemo(), QStringList{QStringLiteral("abc")});
}

void EditingTest::copyAt200PasteAt100KeepsTheSize()
{
    auto w = window();
    QVERIFY(w);
    LabelObject *a = addShape(*w, QRect(30, 40, 50, 20));
    w->zoomBox()->applyZoom(200);
    w->editing().editor().selectOnly(a);
    w->actions().action(EditorCommand::Copy)->trigger();
    w->zoomBox()->applyZoom(100);
    w->actions().action(EditorCommand::Paste)->trigger();
    LabelCell *cell = w->document().currentCellPanel();
    QCOMPARE(cell->objectCount(), 2);
    QCOMPARE(cell->object(1)->bounds(), QRect(30, 40, 50, 20));
}

void EditingTest::ctrlDragCopiesByTheMovement()
{
    auto w = window();
    QVERIFY(w);
    LabelObject *a = addShape(*w, QRect(30, 40, 50, 20));
    w->zoomBox()->applyZoom(200);
    w->editing().editor().selectOnly(a);
    drag(*w, {40, 50}, {70, 60}, Qt::ControlModifier);
    LabelCell *cell = w->document().currentCellPanel();
    QCOMPARE(cell->objectCount(), 2);
    QCOMPARE(a->bounds(), QRect(30, 40, 50, 20)); // the original stays
    QCOMPARE(cell->object(1)->bounds(), QRect(60, 50, 50, 20));
    QCOMPARE(w->editing().editor().selection().first(), cell->object(1));
}

void EditingTest::fieldBoundCopiesAreRefused()
{
    auto w = window();
    QVERIFY(w);
    auto barcode = std::make_unique<TZR_Barcode>();
    barcode->setBounds(QRect(10, 10, 120, 60));
    barcode->setFieldName(QStringLiteral("우편번호"));
    LabelObject *b = w->document().currentCellPanel()->addObject(std::move(barcode));
    w->editing().editor().selectOnly(b);
    w->actions().action(EditorCommand::Cut)->trigger();
    QCOMPARE(mMessages.size(), 1);
    QCOMPARE(mMessages.first(), mCaptions.read(QStringLiteral("MainMessage"), QStringLiteral("CopyError")));
    // The refused cut deletes nothing.
    QCOMPARE(w->document().currentCellPanel()->objectCount(), 1);
    drag(*w, {20, 20}, {60, 40}, Qt::ControlModifier);
    QCOMPARE(mMessages.size(), 2);
    QCOMPARE(mMessages.last(), mCaptions.read(QStringLiteral("MainMessage"), QStringLiteral("MoveCopyError")));
    QCOMPARE(w->document().currentCellPanel()->objectCount(), 1);
}

void EditingTest::masterApplyFillsElevenCells()
{
    auto w = window();
    QVERIFY(w);
    TZR_LabelSize sheet = sampleSheet();
    sheet.setColumns(3);
    sheet.setRows(2);
    sheet.setLabelsPerSheet(6);
    QVERIFY(w->newDocument(sheet));
    QVERIFY(w->document().addPage());
    LabelObject *a = addShape(*w, QRect(5, 5, 20, 20));
    w->editing().editor().selectOnly(a);
    mAnswerYes = true;
    emit w->overview()->masterApplyClicked();
    int filled = 0;
    for (int p = 1; p <= 2; ++p)
        for (int c = 1; c <= 6; ++c)
            filled += w->document().cell(p, c)->objectCount();
    QCOMPARE(filled, 12); // the original and eleven copies
    QCOMPARE(w->document().cell(2, 6)->object(0)->bounds(), QRect(5, 5, 20, 20));
    QVERIFY(w->document().isModified());
}

void EditingTest::alignNeedsTwoObjects()
{
    auto w = window();
    QVERIFY(w);
    LabelObject *a = addShape(*w, QRect(40, 20, 40, 30));
    w->editing().editor().selectOnly(a);
    w->actions().action(EditorCommand::AlignObjectsLeft)->trigger();
    QCOMPARE(mMessages, QStringList{mCaptions.read(QStringLiteral("MainMessage"), QStringLiteral("SelectError"))});
    QCOMPARE(a->bounds().left(), 40);
}

void EditingTest::orientationTwiceGivesTheSheetBack()
{
    auto w = window();
    QVERIFY(w);
    const TZR_LabelSize before = w->document().labelSize();
    w->actions().action(EditorCommand::Landscape)->trigger(); // already landscape: nothing
    QCOMPARE(w->document().labelSize().leftMargin(), before.leftMargin());
    QVERIFY(!w->document().isModified());
    w->actions().action(EditorCommand::Portrait)->trigger();
    QCOMPARE(w->document().labelSize().columns(), before.rows());
    QVERIFY(w->document().isModified());
    w->actions().action(EditorCommand::Landscape)->trigger();
    const TZR_LabelSize after = w->document().labelSize();
    QCOMPARE(after.leftMargin(), before.leftMargin());
    QCOMPARE(after.topMargin(), before.topMargin());
    QCOMPARE(after.columns(), before.columns());
    QCOMPARE(after.cellRect100(2, 1), before.cellRect100(2, 1));
}

void EditingTest::fontSizeBoxRefusesBadNumbers()
{
    auto w = window();
    QVERIFY(w);
    auto box = std::make_unique<TZR_TextEdit>();
    box->setBounds(QRect(10, 10, 100, 40));
    box->setWwfMemo({QStringLiteral("x")});
    box->setImsiFontSize(10);
    box->setFontSize(10);
    LabelObject *b = w->document().currentCellPanel()->addObject(std::move(box));
    w->editing().editor().selectOnly(b);
    w->document().setModified(false);
    FormatToolBarCommands &format = w->formatCommands();
    for (const QString &bad : {QStringLiteral("0"), QStringLiteral("1000"), QStringLiteral("12.5"),
                               QStringLiteral("abc")}) {
        QVERIFY(!format.applyFontSize(bad));
    }
    QCOMPARE(mMessages.size(), 4);
    QVERIFY(!w->document().isModified());
    QVERIFY(format.applyFontSize(QStringLiteral("12")));
    auto *text = static_cast<TZR_TextEdit *>(b);
    QCOMPARE(text->imsiFontSize(), 12.0);
    QVERIFY(w->document().isModified());
    // Bold flips the object; the button follows it.
    w->actions().action(EditorCommand::Bold)->trigger();
    QVERIFY(w->actions().action(EditorCommand::Bold)->isChecked());
}

void EditingTest::contextMenuFollowsTheSelection()
{
    auto w = window();
    QVERIFY(w);
    LabelObject *shape = addShape(*w, QRect(20, 20, 40, 30));
    QWidget *v = viewport(*w);
    const QPoint p = at(*w, {30, 30});
    sendMouse(v, QEvent::MouseButtonPress, p, Qt::RightButton, Qt::RightButton);
    QMenu *menu = w->actions().contextMenu(EditorContextMenu::Shape);
    QTRY_VERIFY(menu->isVisible());
    menu->close();
    sendMouse(v, QEvent::MouseButtonRelease, p, Qt::RightButton, Qt::NoButton);
    QCOMPARE(w->editing().editor().selection().first(), shape);
}

void EditingTest::dialogsOnCreationAndDoubleClick()
{
    auto w = window();
    QVERIFY(w);
    LabelCell *cell = w->document().currentCellPanel();
    // A cancelled barcode dialog makes nothing and records nothing.
    mDialogAnswer = [](QDialog &) { return false; };
    w->actions().action(EditorCommand::ToolBarcode)->trigger();
    QCOMPARE(mDialogs, 1);
    QCOMPARE(cell->objectCount(), 0);
    QVERIFY(!w->document().isModified());
    QCOMPARE(w->history().position(), 0);
    // A table has no dialog on creation; a double click opens it, and its OK is one undo step.
    mDialogAnswer = nullptr;
    w->actions().action(EditorCommand::ToolTable)->trigger();
    drag(*w, {20, 20}, {220, 120});
    QCOMPARE(mDialogs, 1);
    QCOMPARE(cell->objectCount(), 1);
    const int columnsBefore = static_cast<TZR_ShapeTable *>(cell->object(0))->columns();
    mDialogAnswer = [](QDialog &dialog) {
        auto *columns = dialog.findChild<QSpinBox *>(QStringLiteral("Spe_columns"));
        if (!columns)
            return false;
        columns->setValue(5);
        return true;
    };
    const QPoint p = at(*w, {60, 60});
    sendMouse(viewport(*w), QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport(*w), QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    sendMouse(viewport(*w), QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport(*w), QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(mDialogs, 2);
    auto *table = dynamic_cast<TZR_ShapeTable *>(cell->object(0));
    QVERIFY(table);
    QCOMPARE(table->columns(), 5);
    QCOMPARE(w->editing().editor().selection().first(), table);
    w->actions().action(EditorCommand::Undo)->trigger();
    QCOMPARE(static_cast<TZR_ShapeTable *>(cell->object(0))->columns(), columnsBefore);
}

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"
