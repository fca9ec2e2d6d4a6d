#include "ZoomPercentBox.h"

#include "ZR_WorkSpace.h"
#include "editing/ZoomList.h"

#include <QLineEdit>

namespace quill {

namespace {

const QString Caption = QStringLiteral("화면 배율");

} // namespace

ZoomPercentBox::ZoomPercentBox(TZR_WorkSpace *workSpace, const WorkAreaPrompts &prompts,
                               QWidget *parent)
    : QComboBox(parent), mWorkSpace(workSpace), mPrompts(prompts)
{
    setObjectName(QStringLiteral("ZoomPercentBox"));
    setAccessibleName(Caption);
    setToolTip(Caption);
    setEditable(true);
    // Typed texts are zooms to apply, never new list entries.
    setInsertPolicy(QComboBox::NoInsert);
    // No completion: typing "10" must stay 10, not become the list's "100 %".
    setCompleter(nullptr);
    addItems(ZoomList::texts());
    showZoom(mWorkSpace->zoom());
    connect(this, &QComboBox::activated, this, [this] { ZoomPercentBoxChange(); });
    connect(lineEdit(), &QLineEdit::returnPressed, this, [this] { ZoomPercentBoxChange(); });
    // Leaving the box without Enter drops the typed text: the box shows the zoom in force.
    connect(lineEdit(), &QLineEdit::editingFinished, this,
            [this] { showZoom(mWorkSpace->zoom()); });
    connect(mWorkSpace, &TZR_WorkSpace::zoomChanged, this, [this](int zoom) {
        showZoom(zoom);
        emit zoomStateChanged();
    });
}

bool ZoomPercentBox::ZoomPercentBoxChange()
{
    if (!mWorkSpace->document()) {
        showZoom(mWorkSpace->zoom());
        return false;
    }
    const Result<int> zoom = ZoomList::parse(currentText());
    if (!zoom) {
        // Show the zoom in force before the message, so the box never shows a refused text.
        showZoom(mWorkSpace->zoom());
        if (mPrompts.warn)
            mPrompts.warn(window(), Caption, zoom.error().message);
        return false;
    }
    mWorkSpace->setZoom(zoom.value());
    showZoom(mWorkSpace->zoom());
    return true;
}

void ZoomPercentBox::ZoominBtnClick()
{
    if (const std::optional<int> zoom = ZoomList::zoomIn(mWorkSpace->zoom()))
        applyZoom(*zoom);
}

void ZoomPercentBox::ZoomOutBtnClick()
{
    if (const std::optional<int> zoom = ZoomList::zoomOut(mWorkSpace->zoom()))
        applyZoom(*zoom);
}

void ZoomPercentBox::applyZoom(int zoom)
{
    setEditText(ZoomList::text(zoom));
    ZoomPercentBoxChange();
}

bool ZoomPercentBox::canZoomIn() const
{
    return mWorkSpace->document() && ZoomList::zoomIn(mWorkSpace->zoom()).has_value();
}

bool ZoomPercentBox::canZoomOut() const
{
    return mWorkSpace->document() && ZoomList::zoomOut(mWorkSpace->zoom()).has_value();
}

void ZoomPercentBox::showZoom(int zoom)
{
    const QString text = ZoomList::text(zoom);
    const int index = findText(text);
    const QSignalBlocker block(this);
    setCurrentIndex(index);
    setEditText(text);
}

} // namespace quill
