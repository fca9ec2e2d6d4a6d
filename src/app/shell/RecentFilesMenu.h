// The recent-files list shown at the bottom of the File menu.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

namespace quill {

class TZR_HistoryList;

// Keeps the File menu's last items in step with the list: a separator, then one item per
// document, most recent first, captioned with the file name and hinting the full path; a
// disabled "(없음)" item while the list is empty. Choosing an item whose file still exists
// emits openRequested(path); a file gone since is told and taken off the list.
// The list and the menu are not owned; both must outlive this object.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    RecentFilesMenu(TZR_HistoryList &list, QMenu *fileMenu, QObject *parent = nullptr);

    // The document items in menu order (without the separator and the placeholder).
    QList<QAction *> itemActions() const;
    // Does what choosing the item for path does.
    void choose(const QString &path);

Q_SIGNALS:
    void openRequested(const QString &path);

private:
    void rebuild();

    TZR_HistoryList &mList;
    QPointer<QMenu> mMenu;
    QList<QAction *> mActions; // ours in the menu, separator and placeholder included
    QList<QAction *> mItems;
};

} // namespace quill
