#include "EditingController.h"

#include "EditorActions.h"
#include "PlacementTool.h"
#include "SelectionTool.h"
#include "TextInPlaceEditor.h"
#include "WorkAreaPrompts.h"
#include "ZR_WorkSpace.h"
#include "document/LabelCell.h"
#include "document/LabelDocument.h"
#include "imaging/DecodedPicture.h"
#include "imaging/PictureData.h"
#include "objects/ZR_DBImage.h"
#include "objects/ZR_TextEdit.h"
#include "shell/CaptionFile.h"

#include <QCursor>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QFileInfo>
#include <QKeyEvent>

namespace quill {

namespace {

const QString kCaption = QStringLiteral("QuillLabel");

// Objects the tool bar places at once rather than by a drag.
bool placedAtOnce(ObjectTypeCode code)
{
    switch (code) {
    case ObjectTypeCode::TextEdit:
    case ObjectTypeCode::DBImage:
    case ObjectTypeCode::Barcode:
    case ObjectTypeCode::ZipBarcode:
    case ObjectTypeCode::SerialNumber:
        return true;
    default:
        return false;
    }
}

// The cursor of an armed tool: a cross whose centre is the hot spot, with the tool's own icon
// beside it, so the user sees which object the next drag makes.
QCursor toolCursor(const char *iconName)
{
    if (!iconName)
        return QCursor(Qt::CrossCursor);
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawLine(7, 0, 7, 14);
    painter.drawLine(0, 7, 14, 7);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(7, 0, 7, 14);
    painter.drawLine(0, 7, 14, 7);
    QIcon(EditorActions::ownIconPath(QString::fromLatin1(iconName))).paint(&painter, QRect(13, 13, 18, 18));
    painter.end();
    return QCursor(pixmap, 7, 7);
}

} // namespace

EditingController::EditingController(LabelDocument &document, EditHistory &history,
                                     TZR_WorkSpace &view, EditorActions &actions,
                                     const CaptionFile &captions, const WorkAreaPrompts &prompts,
                                     const QString &clipboardFolder, QObject *parent)
    : QObject(parent), mDocument(document), mView(view), mActions(actions), mCaptions(captions),
      mPrompts(prompts), mEditor(document, &history, clipboardFolder)
{
    mSelectionTool = new SelectionTool(mEditor, this);
    mSelectionTool->setGridStep([this] { return gridStep(); });
    mPlacementTool = new PlacementTool(this);
    mTextEditor = new TextInPlaceEditor(&mView);
    mView.setTool(mSelectionTool);
    mView.installEventFilter(this);
    mView.viewport()->installEventFilter(this);

    connect(mSelectionTool, &SelectionTool::aboutToPress, this, &EditingController::endTextEditing);
    connect(mPlacementTool, &PlacementTool::aboutToPress, this, &EditingController::endTextEditing);
    connect(mSelectionTool, &SelectionTool::objectActivated, this,
            &EditingController::objectActivated);
    connect(mSelectionTool, &SelectionTool::contextMenuRequested, this,
            &EditingController::contextMenuRequested);
    connect(mSelectionTool, &SelectionTool::failed, this, &EditingController::warn);
    connect(mPlacementTool, &PlacementTool::placeRequested, this,
            [this](ObjectTypeCode code, int shape, const QRect &bounds) {
                placeAt(code, shape, bounds);
            });
    connect(mTextEditor, &TextInPlaceEditor::endRequested, this,
            &EditingController::endTextEditing);
    connect(&mEditor, &CellEditor::selectionChanged, this, [this] {
        mView.viewport()->update();
        emit selectionChanged();
    });
    connect(&mEditor, &CellEditor::edited, this, [this] { mView.viewport()->update(); });
    connect(&actions, &EditorActions::toolChosen, this, &EditingController::chooseTool);
}

EditingController::~EditingController()
{
    mView.setTool(nullptr);
}

PlacementContext EditingController::placementContext() const
{
    PlacementContext context = mServices.context ? mServices.context() : PlacementContext{};
    context.zoom = mView.zoom();
    return context;
}

// Grid snapping only while the grid is shown; its spacing is kept in millimetres.
double EditingController::gridStep() const
{
    const TZR_WorkLabel &label = mDocument.workLabel();
    if (!label.gridflag() || label.gridWidth() <= 0)
        return 0.0;
    return label.gridWidth() / 25.4 * 96.0;
}

void EditingController::warn(const QString &messageOrKey, bool captionKey)
{
    QString text = messageOrKey;
    if (captionKey)
        text = mCaptions.read(ObjectClipboard::captionSection(), messageOrKey,
                              CaptionFile::Missing::Null);
    if (mPrompts.warn)
        mPrompts.warn(mView.window(), kCaption, text);
}

void EditingController::endTextEditing()
{
    if (!mTextEditor->isEditing())
        return;
    TZR_TextEdit *box = mTextEditor->box();
    const bool wasNew = mNewText;
    mNewText = false;
    switch (mTextEditor->end()) {
    case TextInPlaceEditor::Ending::Emptied:
        mEditor.discard(box);
        break;
    case TextInPlaceEditor::Ending::Changed:
        mEditor.edit(wasNew ? EditCommand::TextCreate : EditCommand::TextEdit, [] { return true; });
        mEditor.selectOnly(box);
        break;
    case TextInPlaceEditor::Ending::Unchanged:
        if (wasNew) // the placeholder kept as typed text is still a new object
            mEditor.edit(EditCommand::TextCreate, [] { return true; });
        mEditor.selectOnly(box);
        break;
    case TextInPlaceEditor::Ending::NotEditing:
        break;
    }
    mDocument.notifyChanged();
    mView.viewport()->update();
}

void EditingController::cellReplacing()
{
    mTextEditor->abandon();
    mNewText = false;
    mEditor.cellReplaced();
}

void EditingController::editText(TZR_TextEdit *box, bool newText)
{
    endTextEditing();
    if (!newText)
        mEditor.prepareFor(EditCommand::TextEdit);
    mEditor.clearSelection();
    mNewText = newText;
    mTextEditor->begin(box, newText);
}

void EditingController::chooseTool(EditorCommand tool)
{
    endTextEditing();
    const CommandSpec &spec = commandSpec(tool);
    if (tool == EditorCommand::ToolSelect || spec.data == 0) {
        disarm();
        return;
    }
    const auto code = objectTypeCodeFromValue(spec.data);
    if (!code || mDocument.currentCellPanel() == nullptr) {
        disarm();
        return;
    }
    mEditor.clearSelection();
    if (placedAtOnce(*code)) {
        placeAtOnce(*code);
        return;
    }
    mPlacementTool->arm(*code, spec.shape);
    mPlacementTool->setCursor(toolCursor(spec.icon));
    mView.setTool(mPlacementTool);
    mView.viewport()->setCursor(mPlacementTool->cursor());
}

void EditingController::disarm()
{
    mView.setTool(mSelectionTool);
    mView.viewport()->unsetCursor();
    mActions.resetTool();
}

void EditingController::finishPlacement()
{
    disarm();
    mView.viewport()->update();
}

LabelObject *EditingController::placeAt(ObjectTypeCode code, int shapeKind, const QRect &bounds)
{
    PlacementContext context = placementContext();
    if (shapeKind >= 0)
        context.shapeKind = shapeKind;
    std::unique_ptr<LabelObject> object = ObjectPlacement::createObject(code, bounds, context);
    if (object && mServices.confirmNew && code != ObjectTypeCode::TextEdit)
        object = mServices.confirmNew(std::move(object));
    LabelObject *placed = nullptr;
    if (object) {
        const bool text = code == ObjectTypeCode::TextEdit;
        placed = mEditor.place(std::move(object), !text);
        if (text)
            editText(static_cast<TZR_TextEdit *>(placed), true);
    }
    finishPlacement();
    return placed;
}

void EditingController::placeAtOnce(ObjectTypeCode code)
{
    if (code == ObjectTypeCode::DBImage) {
        placePicture();
        finishPlacement();
        return;
    }
    const LabelCell *cell = mDocument.currentCellPanel();
    const QRect bounds = ObjectPlacement::immediateRect(code, cell->bounds().size(),
                                                        ObjectPlacement::defaultRandom());
    placeAt(code, -1, bounds);
}

// The picture is read before anything is made: a file that cannot be read or is no picture is
// reported, and no empty object is left behind.
LabelObject *EditingController::placePicture()
{
    const QString path = mServices.choosePicture ? mServices.choosePicture() : QString();
    if (path.isEmpty())
        return nullptr;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("그림 파일을 열 수 없습니다: %1").arg(path), false);
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    Result<QByteArray> payload = pictureDataFromFile(bytes, QFileInfo(path).suffix());
    if (!payload) {
        // Formats documents cannot hold as they are (PNG, say) are kept as a bitmap.
        const QImage image = QImage::fromData(bytes);
        if (!image.isNull())
            payload = bitmapPayload(image);
    }
    if (!payload) {
        warn(QStringLiteral("그림을 읽을 수 없습니다: %1\n%2").arg(path, payload.error().message), false);
        return nullptr;
    }
    const QRect bounds = ObjectPlacement::immediateRect(
        ObjectTypeCode::DBImage, mDocument.currentCellPanel()->bounds().size(),
        ObjectPlacement::defaultRandom());
    std::unique_ptr<LabelObject> object =
        ObjectPlacement::createObject(ObjectTypeCode::DBImage, bounds, placementContext());
    auto *image = static_cast<TZR_DBImage *>(object.get());
    image->setPictureData(payload.value());
    image->setFileName(path);
    image->setAutoSize(false);
    image->setStretch(true);
    image->setTransparent(false);
    return mEditor.place(std::move(object));
}

void EditingController::objectActivated(LabelObject *object)
{
    if (object->typeCode() == ObjectTypeCode::TextEdit) {
        editText(static_cast<TZR_TextEdit *>(object), false);
        return;
    }
    emit propertiesRequested(object);
}

bool EditingController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && !mTextEditor->isEditing())
        return keyPressed(static_cast<QKeyEvent *>(event)) || QObject::eventFilter(watched, event);
    return QObject::eventFilter(watched, event);
}

// Arrow keys nudge the selection by a pixel at 100 % (Shift: resize), Delete removes it,
// Escape puts an armed tool down or empties the selection.
bool EditingController::keyPressed(QKeyEvent *event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left: step = {-1, 0}; break;
    case Qt::Key_Right: step = {1, 0}; break;
    case Qt::Key_Up: step = {0, -1}; break;
    case Qt::Key_Down: step = {0, 1}; break;
    case Qt::Key_Delete:
        mEditor.deleteSelection();
        return true;
    case Qt::Key_Escape:
        if (mView.tool() != mSelectionTool)
            disarm();
        else
            mEditor.clearSelection();
        return true;
    default:
        return false;
    }
    if (mEditor.selection().isEmpty())
        return false;
    const Status s = mEditor.nudge(step, event->modifiers() & Qt::ShiftModifier);
    if (!s)
        warn(s.error().message, false);
    return true;
}

} // namespace quill
