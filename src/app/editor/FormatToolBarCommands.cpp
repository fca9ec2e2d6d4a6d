#include "FormatToolBarCommands.h"

#include "EditingController.h"
#include "EditorActions.h"
#include "objects/LineSetForm.h"
#include "editing/FormatCommands.h"
#include "objects/FontSubstitution.h"
#include "objects/ObjectPaint.h"

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFontComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QSignalBlocker>

namespace quill {

namespace {

const QString kFontSizeError = QStringLiteral("글꼴 크기는 1부터 999까지의 정수로 입력하십시오.");

} // namespace

FormatServices FormatServices::system(QWidget *parent, const CaptionFile &captions)
{
    FormatServices s;
    s.chooseColour = [parent](const QColor &initial) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, parent);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
    s.chooseFont = [parent](const QFont &initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, initial, parent);
        return ok ? std::optional<QFont>(f) : std::nullopt;
    };
    s.chooseLineWidth = [parent, &captions]() -> std::optional<int> {
        TLineSetForm form(captions, parent);
        return form.exec() == QDialog::Accepted ? std::optional<int>(form.lineWidth()) : std::nullopt;
    };
    return s;
}

FormatToolBarCommands::FormatToolBarCommands(EditingController &editing, EditorActions &actions,
                                             FormatServices services, QObject *parent)
    : QObject(parent), mEditing(editing), mActions(actions), mServices(std::move(services))
{
    connectActions();
    connectBoxes();
    connect(&mEditing, &EditingController::selectionChanged, this,
            &FormatToolBarCommands::reflectSelection);
    reflectSelection();
}

void FormatToolBarCommands::connectActions()
{
    const auto on = [this](EditorCommand id, std::function<void()> handler) {
        connect(mActions.action(id), &QAction::triggered, this, std::move(handler));
        mActions.setImplemented(id);
    };
    for (EditorCommand id : {EditorCommand::Bold, EditorCommand::Italic, EditorCommand::Underline})
        on(id, [this, id] { toggleStyle(id); });
    for (EditorCommand id : {EditorCommand::AlignTextLeft, EditorCommand::AlignTextCenter,
                             EditorCommand::AlignTextRight})
        on(id, [this, id] { applyTextAlignment(mActions.action(id)->data().toInt()); });
    on(EditorCommand::FontColor, [this] { chooseFontColour(); });
    on(EditorCommand::FontDialog, [this] { chooseFont(); });
    on(EditorCommand::FillColor, [this] { chooseFillColour(); });
    on(EditorCommand::LineColor, [this] { chooseLineColour(); });
    for (EditorCommand id : {EditorCommand::LineWidthNone, EditorCommand::LineWidth1,
                             EditorCommand::LineWidth2, EditorCommand::LineWidth3,
                             EditorCommand::LineWidth4, EditorCommand::LineWidthCustom})
        on(id, [this, id] { applyLineWidth(mActions.action(id)->data().toInt()); });
    for (EditorCommand id : {EditorCommand::LineStyleSolid, EditorCommand::LineStyleDot,
                             EditorCommand::LineStyleDash})
        on(id, [this, id] { applyLineStyle(mActions.action(id)->data().toInt()); });
    mActions.setImplemented(EditorCommand::LineWidth);
    mActions.setImplemented(EditorCommand::LineStyle);
}

// Only what the user does in the boxes applies to the objects: filling them from a selected
// object (signals blocked) changes nothing.
void FormatToolBarCommands::connectBoxes()
{
    if (QFontComboBox *name = mActions.fontNameBox()) {
        name->installEventFilter(this);
        connect(name, &QComboBox::activated, this,
                [this, name](int) { applyFontName(name->currentText()); });
        mActions.setImplemented(EditorControl::FontName);
    }
    if (QComboBox *size = mActions.fontSizeBox()) {
        size->installEventFilter(this);
        connect(size, &QComboBox::activated, this,
                [this, size](int) { applyFontSize(size->currentText()); });
        if (size->lineEdit())
            connect(size->lineEdit(), &QLineEdit::returnPressed, this,
                    [this, size] { applyFontSize(size->currentText()); });
        mActions.setImplemented(EditorControl::FontSize);
    }
    if (QComboBox *shapes = mActions.shapeComboBox()) {
        connect(shapes, &QComboBox::activated, this, &FormatToolBarCommands::applyShapeEntry);
        mActions.setImplemented(EditorControl::ShapeComboBox);
    }
}

bool FormatToolBarCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        mEditing.disarm();
    return QObject::eventFilter(watched, event);
}

void FormatToolBarCommands::reflectSelection()
{
    const std::vector<LabelObject *> &objects = mEditing.editor().selection().objects();
    mActions.setControlEnabled(EditorControl::ShapeComboBox, FormatCommands::shapeBoxEnabled(objects));
    if (!objects.empty())
        showState(FormatCommands::stateOf(*objects.front()));
}

void FormatToolBarCommands::showState(const FormatState &state)
{
    if (state.fontName) {
        if (QFontComboBox *box = mActions.fontNameBox()) {
            const QSignalBlocker block(box);
            box->setCurrentFont(QFont(resolvedFamily(*state.fontName)));
        }
    }
    if (state.fontSize) {
        if (QComboBox *box = mActions.fontSizeBox()) {
            const QSignalBlocker block(box);
            box->setCurrentText(QString::number(qRound(*state.fontSize * 100) / 100));
        }
    }
    if (state.fontName) {
        mActions.action(EditorCommand::Bold)->setChecked(state.bold);
        mActions.action(EditorCommand::Italic)->setChecked(state.italic);
        mActions.action(EditorCommand::Underline)->setChecked(state.underline);
    }
    if (state.textAlignment) {
        const EditorCommand id = *state.textAlignment == 1   ? EditorCommand::AlignTextRight
                                 : *state.textAlignment == 2 ? EditorCommand::AlignTextCenter
                                                             : EditorCommand::AlignTextLeft;
        mActions.action(id)->setChecked(true);
    }
    if (state.fillColour)
        mActions.setButtonColour(EditorCommand::FillColor, toQColor(*state.fillColour));
    if (state.lineColour)
        mActions.setButtonColour(EditorCommand::LineColor, toQColor(*state.lineColour));
    if (state.shapeKind) {
        if (QComboBox *box = mActions.shapeComboBox()) {
            const QSignalBlocker block(box);
            box->setCurrentIndex(box->findData(*state.shapeKind));
        }
    }
}

void FormatToolBarCommands::applyFontName(const QString &name)
{
    mEditing.endTextEditing();
    mEditing.editor().format(EditCommand::Format, [&](const auto &objects) {
        return FormatCommands::setFontName(objects, name);
    });
}

bool FormatToolBarCommands::applyFontSize(const QString &text)
{
    mEditing.endTextEditing();
    const std::optional<int> size = FormatCommands::parseFontSize(text);
    if (!size) {
        mEditing.warn(kFontSizeError, false);
        reflectSelection();
        return false;
    }
    mEditing.editor().format(EditCommand::Format, [&](const auto &objects) {
        return FormatCommands::setFontSize(objects, *size);
    });
    return true;
}

void FormatToolBarCommands::toggleStyle(EditorCommand id)
{
    mEditing.endTextEditing();
    const FontStyleBit bit = id == EditorCommand::Bold     ? FontStyleBit::Bold
                             : id == EditorCommand::Italic ? FontStyleBit::Italic
                                                           : FontStyleBit::Underline;
    mEditing.editor().format(EditCommand::Format, [&](const auto &objects) {
        return FormatCommands::toggleFontStyle(objects, bit);
    });
    reflectSelection();
}

void FormatToolBarCommands::applyTextAlignment(int alignment)
{
    mEditing.endTextEditing();
    mEditing.editor().format(EditCommand::Format, [&](const auto &objects) {
        return FormatCommands::setTextAlignment(objects, alignment);
    });
}

void FormatToolBarCommands::chooseFontColour()
{
    mEditing.endTextEditing();
    if (!mServices.chooseColour)
        return;
    const std::optional<QColor> c = mServices.chooseColour(mActions.buttonColour(EditorCommand::FontColor));
    if (!c)
        return;
    mActions.setButtonColour(EditorCommand::FontColor, *c);
    mEditing.editor().format(EditCommand::Format, [&](const auto &objects) {
        return FormatCommands::setFontColour(objects, fromQColor(*c));
    });
}

void FormatToolBarCommands::chooseFont()
{
    mEditing.endTextEditing();
    if (!mServices.chooseFont)
        return;
    QFont initial;
    if (QFontComboBox *box = mActions.fontNameBox())
        initial = box->currentFont();
    if (QComboBox *size = mActions.fontSizeBox())
        initial.setPointSize(FormatCommands::parseFontSize(size->currentText()).value_or(10));
    const std::optional<QFont> font = mServices.chooseFont(initial);
    if (!font)
        return;
    const int points = qBound(1, font->pointSize() > 0 ? font->pointSize() : 10, 999);
    const TColor colour = fromQColor(mActions.buttonColour(EditorCommand::FontColor));
    mEditing.editor().format(EditCommand::Format, [&](const auto &objects) {
        return FormatCommands::setFont(objects, font->family(), points, font->bold(),
                                       font->italic(), font->underline(), font->strikeOut(), colour);
    });
    if (QFontComboBox *box = mActions.fontNameBox()) {
        const QSignalBlocker block(box);
        box->setCurrentFont(*font);
    }
    if (QComboBox *size = mActions.fontSizeBox()) {
        const QSignalBlocker block(size);
        size->setCurrentText(QString::number(points));
    }
}

void FormatToolBarCommands::chooseFillColour()
{
    mEditing.endTextEditing();
    if (!mServices.chooseColour)
        return;
    const std::optional<QColor> c = mServices.chooseColour(mActions.buttonColour(EditorCommand::FillColor));
    if (!c)
        return;
    // The colour is also the fill of the next shape placed.
    mActions.setButtonColour(EditorCommand::FillColor, *c);
    mEditing.editor().format(EditCommand::Format, [&](const auto &objects) {
        return FormatCommands::setFillColour(objects, fromQColor(*c));
    });
}

void FormatToolBarCommands::chooseLineColour()
{
    mEditing.endTextEditing();
    if (!mServices.chooseColour)
        return;
    const std::optional<QColor> c = mServices.chooseColour(mActions.buttonColour(EditorCommand::LineColor));
    if (!c)
        return;
    mActions.setButtonColour(EditorCommand::LineColor, *c);
    mEditing.editor().format(EditCommand::Format, [&](const auto &objects) {
        return FormatCommands::setLineColour(objects, fromQColor(*c));
    });
}

void FormatToolBarCommands::applyLineWidth(int width)
{
    mEditing.endTextEditing();
    if (width < 0) {
        if (mEditing.editor().selection().isEmpty() || !mServices.chooseLineWidth)
            return;
        const std::optional<int> chosen = mServices.chooseLineWidth();
        if (!chosen)
            return;
        width = *chosen;
    }
    mEditing.editor().format(EditCommand::LineWidth, [&](const auto &objects) {
        return FormatCommands::setLineWidth(objects, width);
    });
}

void FormatToolBarCommands::applyLineStyle(int penStyle)
{
    mEditing.endTextEditing();
    mEditing.editor().format(EditCommand::LineStyle, [&](const auto &objects) {
        return FormatCommands::setLineStyle(objects, penStyle);
    });
}

void FormatToolBarCommands::applyShapeEntry(int index)
{
    mEditing.endTextEditing();
    QComboBox *box = mActions.shapeComboBox();
    if (!box || index < 0 || !box->itemData(index).isValid())
        return;
    const int kind = box->itemData(index).toInt();
    CellEditor &editor = mEditing.editor();
    editor.edit(EditCommand::ShapeKind,
                [&] { return FormatCommands::setShapeKind(editor.selection().first(), kind); });
}

} // namespace quill
