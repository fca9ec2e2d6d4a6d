// The cell overview window: the current page as a miniature sheet of cell thumbnails, the
// page tabs, and adding and deleting pages.
#pragma once

#include "WorkAreaPrompts.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTabBar;

namespace quill {

class CaptionFile;
class LabelDocument;
class OverviewSheetView;

// A tool window that stays on top of the main window. It follows the document's signals
// (sheet, pages, current cell, object changes) by itself. Before it changes the current cell
// or page, or deletes a page, it emits aboutToLeaveCell() so that the owner can end in-place
// text editing, clear the selection and cut back the cell's snapshots first: nothing may
// refer to the objects of a cell that goes away.
class TprvLabelWorkForm : public QWidget {
    Q_OBJECT
public:
    // captions gives the delete question ([MainMessage] DeletePage, DeletePageCaption); it
    // must outlive the window. document may be null and is not owned.
    TprvLabelWorkForm(LabelDocument *document, const CaptionFile &captions,
                      const WorkAreaPrompts &prompts, QWidget *parent = nullptr);

    void setDocument(LabelDocument *document);
    OverviewSheetView *sheetView() const { return mSheetView; }

    // The records field-bound objects show in the thumbnails (see PaintContext).
    void setFieldValues(const QHash<QString, QString> &labelRecord,
                        const QHash<QString, QString> &barcodeRecord,
                        const QString &emptyFieldText = {});
    void clearFieldValues();

    // Makes cell n of the current page current (a click on its thumbnail).
    void selectCell(int cell);
    // Shows page p (from 1), keeping the cell number (a click on its tab).
    void selectPage(int page);
    // Adds an empty page after the last; nothing with 10 pages. The current page stays.
    void AddPageBtnClick();
    // Asks, then deletes the current page; never the last one.
    void DeletePageBtnClick();
    // Marks the other cells for the "apply to all" question, or clears the marks.
    void setOthersMarked(bool marked);

    // Title, page label, tabs, buttons and thumbnails from the document.
    void refresh();

signals:
    void aboutToLeaveCell();
    // The "전체적용" button: copy the selection into every other cell.
    void masterApplyClicked();
    // The window was closed by the user (the View menu's item loses its check).
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createWidgets();
    void syncTabs();

    QPointer<LabelDocument> mDocument;
    const CaptionFile &mCaptions;
    WorkAreaPrompts mPrompts;
    OverviewSheetView *mSheetView = nullptr;
    QLabel *mPageLabel = nullptr;
    QTabBar *mTabs = nullptr;
    QPushButton *mAddPage = nullptr;
    QPushButton *mDeletePage = nullptr;
    QPushButton *mMasterApply = nullptr;
    bool mSyncing = false;
};

} // namespace quill
