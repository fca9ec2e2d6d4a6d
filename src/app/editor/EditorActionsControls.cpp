// The action set's tool bar controls (font, size, shape and zoom boxes) and colour buttons.
#include "EditorActions.h"

#include "shell/CaptionFile.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>

namespace quill {

namespace {

// The [ShapeCombo] keys that name shape box entries, with the icon each entry shows.
struct ShapeKey {
    const char *key;
    const char *icon;
};
const ShapeKey shapeKeys[] = {{"mstLine", "shape-line"}, {"mstDLine", "shape-dline"},
    {"mstVLine", "shape-vline"}, {"mstRoundRect", "shape-roundrect"},
    {"mstRectangle", "shape-rectangle"}, {"mstEllipse", "shape-ellipse"},
    {"mstCircle", "shape-circle"}, {"mstTransparent", "shape-transparent"}};

// The figure each [ShapeCombo] key stands for (TZRMultiShapeType); -1: no fill ("투명").
const int shapeKeyKinds[] = {0, 1, 2, 4, 6, 7, 8, -1};

struct ControlSpec {
    const char *name; // control name, also its [ButtonHint] key
    const char16_t *hint;
};
const ControlSpec controlSpecs[EditorControlCount]
    = {{"FontName", u"글꼴"}, {"FontSize", u"글꼴 크기"}, {"ShapeComboBox", u"도형 모양 바꾸기"},
        {"ZoomPercentBox", u"화면 배율"}};

const char16_t *const fontSizes[] = {u"6", u"8", u"10", u"12", u"14", u"16", u"18", u"20", u"22",
    u"24", u"28", u"30", u"34", u"38", u"46", u"58"};
const char16_t *const zoomList[]
    = {u"60 %", u"80 %", u"100 %", u"150 %", u"200 %", u"250 %", u"300 %"};

// The colour buttons in the order of their stored colours.
int colourSlot(EditorCommand id)
{
    switch (id) {
    case EditorCommand::FontColor:
        return 0;
    case EditorCommand::FillColor:
        return 1;
    case EditorCommand::LineColor:
        return 2;
    default:
        return -1;
    }
}

// The icon with its swatch (the bar along the bottom of the 24 x 24 frame) painted over in
// colour, framed so that a white swatch still shows on a light tool bar.
QIcon swatchIcon(const QString &iconName, const QColor &colour)
{
    const QIcon base(EditorActions::ownIconPath(iconName));
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap = base.pixmap(size, size);
        QPainter painter(&pixmap);
        const qreal unit = size / 24.0;
        const QRectF swatch(3 * unit, 24 * unit - 4.5 * unit, 18 * unit, qMax(3.0, 3 * unit));
        painter.fillRect(swatch, colour);
        if (size >= 24) { // at 16 pixels a frame would leave no colour to see
            painter.setPen(QPen(QColor(0x26, 0x36, 0x4f), 1));
            painter.drawRect(swatch.adjusted(0.5, 0.5, -0.5, -0.5));
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

void EditorActions::readControlTexts(const CaptionFile &captions)
{
    for (int i = 0; i < EditorControlCount; ++i)
        mControls[i].hint = captionOrDefault(captions, QStringLiteral("ButtonHint"),
            QString::fromLatin1(controlSpecs[i].name), QString::fromUtf16(controlSpecs[i].hint));

    const QString fontSection = QStringLiteral("FontName");
    mFontName = captionOrDefault(
        captions, fontSection, QStringLiteral("FontName"), QStringLiteral("굴림"));
    mFontSize
        = captionOrDefault(captions, fontSection, QStringLiteral("FontSize"), QStringLiteral("10"));

    // A count that is missing or not a number gives an empty list, and a missing item is left
    // out rather than shown as the reader's "0".
    const QString shapeSection = QStringLiteral("ShapeCombo");
    const int count = qBound(
        0, captions.read(shapeSection, QStringLiteral("ItemsCount")).trimmed().toInt(), 100);
    for (int n = 1; n <= count; ++n) {
        const QString key = QStringLiteral("Items") + QString::number(n);
        if (captions.contains(shapeSection, key))
            mShapeItems << captions.read(shapeSection, key);
    }
    for (const ShapeKey &k : shapeKeys) {
        const QString key = QString::fromLatin1(k.key);
        mShapeKindTexts << (captions.contains(shapeSection, key)
                ? captions.read(shapeSection, key).trimmed()
                : QString());
    }
}

void EditorActions::createControls()
{
    auto *fontName = new QFontComboBox;
    fontName->setCurrentFont(QFont(mFontName));
    auto *fontSize = new QComboBox;
    fontSize->setEditable(true);
    fontSize->setInsertPolicy(QComboBox::NoInsert);
    for (const char16_t *size : fontSizes)
        fontSize->addItem(QString::fromUtf16(size));
    fontSize->setCurrentText(mFontSize);
    auto *shapes = new QComboBox;
    for (const QString &text : std::as_const(mShapeItems)) {
        const qsizetype kind = mShapeKindTexts.indexOf(text.trimmed());
        const QIcon icon
            = kind < 0 ? QIcon() : QIcon(ownIconPath(QString::fromLatin1(shapeKeys[kind].icon)));
        // The entry's data is the figure it gives; an unknown text gives none.
        shapes->addItem(icon, text, kind < 0 ? QVariant() : QVariant(shapeKeyKinds[kind]));
    }
    auto *zoom = new QComboBox;
    zoom->setEditable(true);
    zoom->setInsertPolicy(QComboBox::NoInsert);
    for (const char16_t *percent : zoomList)
        zoom->addItem(QString::fromUtf16(percent));
    zoom->setCurrentText(QStringLiteral("100 %"));

    const std::array<QWidget *, EditorControlCount> widgets = {fontName, fontSize, shapes, zoom};
    for (int i = 0; i < EditorControlCount; ++i)
        dressControl(EditorControl(i), widgets[i]);
}

void EditorActions::dressControl(EditorControl id, QWidget *widget)
{
    ControlText &c = mControls[int(id)];
    widget->setObjectName(QString::fromLatin1(controlSpecs[int(id)].name));
    widget->setToolTip(c.hint);
    widget->setStatusTip(c.hint);
    widget->setAccessibleName(c.hint);
    c.widget = widget;
    applyEnabled(id);
}

void EditorActions::replaceControl(EditorControl id, QWidget *widget)
{
    QWidget *old = control(id);
    if (!widget || widget == old)
        return;
    QAction *place = nullptr;
    QToolBar *bar = nullptr;
    for (QToolBar *candidate : {mTopToolBar, mFormatToolBar, mLeftToolBar}) {
        for (QAction *a : candidate ? candidate->actions() : QList<QAction *>()) {
            if (candidate->widgetForAction(a) == old) {
                place = a;
                bar = candidate;
            }
        }
    }
    mControls[int(id)].implemented = true;
    dressControl(id, widget);
    if (bar) {
        bar->insertWidget(place, widget);
        delete place; // the tool bar's action for the old control owns it
    } else {
        delete old;
    }
}

QWidget *EditorActions::control(EditorControl id) const
{
    return mControls.at(int(id)).widget;
}

QFontComboBox *EditorActions::fontNameBox() const
{
    return qobject_cast<QFontComboBox *>(control(EditorControl::FontName));
}

QComboBox *EditorActions::fontSizeBox() const
{
    return qobject_cast<QComboBox *>(control(EditorControl::FontSize));
}

QComboBox *EditorActions::shapeComboBox() const
{
    return qobject_cast<QComboBox *>(control(EditorControl::ShapeComboBox));
}

QComboBox *EditorActions::zoomPercentBox() const
{
    return qobject_cast<QComboBox *>(control(EditorControl::ZoomPercentBox));
}

void EditorActions::setImplemented(EditorControl id, bool implemented)
{
    mControls[int(id)].implemented = implemented;
    applyEnabled(id);
}

bool EditorActions::isImplemented(EditorControl id) const
{
    return mControls.at(int(id)).implemented;
}

void EditorActions::setControlEnabled(EditorControl id, bool enabled)
{
    mControls[int(id)].wanted = enabled;
    applyEnabled(id);
}

void EditorActions::applyEnabled(EditorControl id)
{
    const ControlText &c = mControls[int(id)];
    if (c.widget)
        c.widget->setEnabled(c.implemented && c.wanted);
}

void EditorActions::setButtonColour(EditorCommand id, const QColor &colour)
{
    const int slot = colourSlot(id);
    if (slot < 0 || !colour.isValid())
        return;
    mButtonColours[slot] = colour.rgb();
    action(id)->setIcon(swatchIcon(QString::fromLatin1(commandSpec(id).icon), colour));
}

QColor EditorActions::buttonColour(EditorCommand id) const
{
    const int slot = colourSlot(id);
    return slot < 0 ? QColor() : QColor::fromRgb(mButtonColours[slot]);
}

} // namespace quill
