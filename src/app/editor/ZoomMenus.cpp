#include "ZoomMenus.h"

#include "ZoomPercentBox.h"
#include "editing/ZoomList.h"

#include <QMenu>

namespace quill {

namespace {

void addItems(QMenu *submenu, const QList<int> &zooms, ZoomPercentBox *box)
{
    for (int zoom : zooms) {
        QAction *item = submenu->addAction(QString::number(zoom), box,
                                           [box, zoom] { box->applyZoom(zoom); });
        item->setObjectName(QStringLiteral("N") + QString::number(zoom) + u'1');
    }
}

} // namespace

void addZoomMenus(QMenu *menu, ZoomPercentBox *box)
{
    QMenu *in = menu->addMenu(QStringLiteral("확대"));
    in->setObjectName(QStringLiteral("mnZoomIn"));
    addItems(in, ZoomList::zoomInMenuValues(), box);
    QMenu *out = menu->addMenu(QStringLiteral("축소"));
    out->setObjectName(QStringLiteral("mnZoomOut"));
    addItems(out, ZoomList::zoomOutMenuValues(), box);
    QAction *actual = menu->addAction(QStringLiteral("원본크기로(100%)"), box,
                                      [box] { box->applyZoom(ZoomList::ActualSize); });
    actual->setObjectName(QStringLiteral("N1001"));
}

} // namespace quill
