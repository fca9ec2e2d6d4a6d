// Rebuilding the File menu's recent-files items and choosing one.
#include "RecentFilesMenu.h"

#include "shell/ZR_HistoryList.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

namespace quill {

RecentFilesMenu::RecentFilesMenu(TZR_HistoryList &list, QMenu *fileMenu, QObject *parent)
    : QObject(parent), mList(list), mMenu(fileMenu)
{
    connect(&mList, &TZR_HistoryList::changed, this, &RecentFilesMenu::rebuild);
    rebuild();
}

QList<QAction *> RecentFilesMenu::itemActions() const
{
    return mItems;
}

void RecentFilesMenu::rebuild()
{
    if (!mMenu)
        return;
    for (QAction *action : std::as_const(mActions)) {
        mMenu->removeAction(action);
        action->deleteLater();
    }
    mActions.clear();
    mItems.clear();
    if (!mMenu->actions().isEmpty())
        mActions << mMenu->addSeparator();
    if (mList.isEmpty()) {
        QAction *none = mMenu->addAction(QStringLiteral("(없음)"));
        none->setObjectName(QStringLiteral("RecentFileNone"));
        none->setEnabled(false);
        mActions << none;
        return;
    }
    int n = 0;
    for (const TZR_HistoryList::Item &item : mList.items()) {
        // "&" in a file name is a character, not a mnemonic.
        QString caption = item.caption;
        caption.replace(u'&', QStringLiteral("&&"));
        QAction *action = mMenu->addAction(caption);
        action->setObjectName(QStringLiteral("RecentFile%1").arg(n++));
        action->setToolTip(item.path);
        action->setStatusTip(item.path);
        action->setData(item.path);
        const QString path = item.path;
        connect(action, &QAction::triggered, this, [this, path] { choose(path); });
        mActions << action;
        mItems << action;
    }
}

void RecentFilesMenu::choose(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        QWidget *parent = mMenu ? mMenu->parentWidget() : nullptr;
        QMessageBox::warning(parent, QStringLiteral("최근 파일"),
            path + QStringLiteral(" 파일을 찾을 수 없습니다.\n최근 파일 목록에서 지웁니다."));
        mList.remove(path);
        return;
    }
    Q_EMIT openRequested(path);
}

} // namespace quill
