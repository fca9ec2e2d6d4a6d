// The work area's pop-up menus, built from the shared command actions.
#include "EditorActions.h"

#include <QAction>
#include <QMenu>

namespace quill {

namespace {

using C = EditorCommand;

// One pop-up item: a command, shown with its own caption or with a pop-up caption.
struct PopupItem {
    C command;
    const char16_t *caption = nullptr; // nullptr: the command's own action
    bool separator = false;
};

constexpr PopupItem sep {C::New, nullptr, true};

const PopupItem orderItems[]
    = {{C::BringToFront, u"개체 맨 앞으로"}, {C::SendToBack, u"개체 맨 뒤로"},
        {C::BringForward, u"한칸 앞으로"}, {C::SendBackward, u"한칸 뒤로"}};

QList<PopupItem> defaultMenu()
{
    QList<PopupItem> items {{C::Cut}, {C::Copy}, {C::Paste}, sep};
    for (const PopupItem &item : orderItems)
        items << item;
    items << sep << PopupItem {C::Delete};
    return items;
}

QList<PopupItem> layoutOf(EditorContextMenu kind)
{
    switch (kind) {
    case EditorContextMenu::Default:
        return defaultMenu();
    case EditorContextMenu::Barcode:
        return defaultMenu() << sep << PopupItem {C::Properties};
    case EditorContextMenu::Shape: {
        QList<PopupItem> items {{C::Cut}, {C::Copy}, {C::Paste}, sep};
        for (const PopupItem &item : orderItems)
            items << item;
        return items << sep << PopupItem {C::LineStyleSolid, u"실      선"}
                     << PopupItem {C::LineStyleDot, u"점      선"}
                     << PopupItem {C::LineStyleDash, u"쇄      선"} << sep << PopupItem {C::Delete};
    }
    case EditorContextMenu::Image:
        return {{C::Cut}, {C::Copy}, {C::Paste}, sep, {C::PictureSize}, sep, orderItems[2],
            orderItems[0], orderItems[1], orderItems[3], sep, {C::Delete}, sep,
            {C::Properties, u"속      성"}};
    }
    return {};
}

// An item with a caption of its own that runs target and mirrors its state.
QAction *proxyAction(QAction *target, const QString &caption, QObject *parent)
{
    auto *proxy = new QAction(target->icon(), caption, parent);
    proxy->setObjectName(target->objectName() + QStringLiteral("Popup"));
    proxy->setStatusTip(target->statusTip());
    proxy->setToolTip(target->toolTip());
    proxy->setCheckable(target->isCheckable());
    auto follow = [proxy, target] {
        proxy->setEnabled(target->isEnabled());
        proxy->setChecked(target->isChecked());
    };
    follow();
    QObject::connect(target, &QAction::changed, proxy, follow);
    QObject::connect(proxy, &QAction::triggered, target, [target, follow] {
        target->trigger();
        follow(); // the proxy's own toggle must not outlive a refused or exclusive change
    });
    return proxy;
}

} // namespace

void EditorActions::createContextMenus(QWidget *parent)
{
    const char *const names[] = {"DefaultPopup", "BarcodePopup", "ShapePopup", "ImagePopup"};
    for (int k = 0; k < int(mContextMenus.size()); ++k) {
        auto *menu = new QMenu(parent);
        menu->setObjectName(QString::fromLatin1(names[k]));
        menu->setAccessibleName(QStringLiteral("개체 메뉴"));
        for (const PopupItem &item : layoutOf(EditorContextMenu(k))) {
            if (item.separator)
                menu->addSeparator();
            else if (!item.caption)
                menu->addAction(action(item.command));
            else
                menu->addAction(
                    proxyAction(action(item.command), QString::fromUtf16(item.caption), menu));
        }
        mContextMenus[k] = menu;
    }
}

} // namespace quill
