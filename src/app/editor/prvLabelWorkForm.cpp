#include "prvLabelWorkForm.h"

#include "OverviewSheetView.h"
#include "document/DocumentSummary.h"
#include "document/LabelDocument.h"
#include "shell/CaptionFile.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace quill {

namespace {

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(text);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TprvLabelWorkForm::TprvLabelWorkForm(LabelDocument *document, const CaptionFile &captions,
                                     const WorkAreaPrompts &prompts, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), mCaptions(captions),
      mPrompts(prompts)
{
    setObjectName(QStringLiteral("prvLabelWorkForm"));
    setWindowTitle(QStringLiteral("라벨용지"));
    createWidgets();
    resize(340, 420);
    setDocument(document);
}

void TprvLabelWorkForm::createWidgets()
{
    mSheetView = new OverviewSheetView(this);
    mPageLabel = new QLabel(this);
    mPageLabel->setObjectName(QStringLiteral("PageLabel"));
    mTabs = new QTabBar(this);
    mTabs->setObjectName(QStringLiteral("PageTabs"));
    mTabs->setExpanding(false);
    mTabs->setDrawBase(false);
    mAddPage = button(QStringLiteral("페이지 추가"), "AddPageBtn", this);
    mDeletePage = button(QStringLiteral("페이지 삭제"), "DeletePageBtn", this);
    mMasterApply = button(QStringLiteral("전체적용"), "MasterApplyBtn", this);
    // Paging by one is present but hidden: the tabs do it.
    auto *previous = button(QStringLiteral("이전"), "PrevPageBtn", this);
    auto *next = button(QStringLiteral("다음"), "NextPageBtn", this);
    previous->hide();
    next->hide();

    auto *pages = new QHBoxLayout;
    pages->addWidget(mTabs, 1);
    pages->addWidget(mPageLabel);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(mAddPage);
    buttons->addWidget(mDeletePage);
    buttons->addStretch(1);
    buttons->addWidget(mMasterApply);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(mSheetView, 1);
    layout->addLayout(pages);
    layout->addLayout(buttons);

    connect(mSheetView, &OverviewSheetView::cellClicked, this, &TprvLabelWorkForm::selectCell);
    connect(mTabs, &QTabBar::currentChanged, this, [this](int index) {
        if (!mSyncing)
            selectPage(index + 1);
    });
    connect(mAddPage, &QPushButton::clicked, this, &TprvLabelWorkForm::AddPageBtnClick);
    connect(mDeletePage, &QPushButton::clicked, this, &TprvLabelWorkForm::DeletePageBtnClick);
    connect(mMasterApply, &QPushButton::clicked, this, &TprvLabelWorkForm::masterApplyClicked);
}

void TprvLabelWorkForm::setDocument(LabelDocument *document)
{
    if (mDocument)
        disconnect(mDocument, nullptr, this, nullptr);
    mDocument = document;
    mSheetView->setDocument(document);
    if (mDocument) {
        connect(mDocument, &LabelDocument::changed, this, &TprvLabelWorkForm::refresh);
        connect(mDocument, &LabelDocument::currentCellChanged, this,
                &TprvLabelWorkForm::refresh);
        connect(mDocument, &LabelDocument::pageRemoved, this, &TprvLabelWorkForm::refresh);
    }
    refresh();
}

void TprvLabelWorkForm::setFieldValues(const QHash<QString, QString> &labelRecord,
                                       const QHash<QString, QString> &barcodeRecord,
                                       const QString &emptyFieldText)
{
    mSheetView->thumbnails().setFieldValues(labelRecord, barcodeRecord, emptyFieldText);
    mSheetView->update();
}

void TprvLabelWorkForm::clearFieldValues()
{
    mSheetView->thumbnails().clearFieldValues();
    mSheetView->update();
}

void TprvLabelWorkForm::selectCell(int cell)
{
    if (!mDocument || cell == mDocument->currentCell() || !mDocument->cell(0, cell))
        return;
    emit aboutToLeaveCell();
    mDocument->selectCell(cell, mDocument->currentPage());
}

void TprvLabelWorkForm::selectPage(int page)
{
    if (!mDocument || page == mDocument->currentPage() || !mDocument->page(page)) {
        syncTabs(); // a refused choice puts the tab back
        return;
    }
    emit aboutToLeaveCell();
    // The cell number is kept; every page has the same cells.
    if (!mDocument->selectCell(mDocument->currentCell(), page))
        mDocument->selectCell(1, page);
}

void TprvLabelWorkForm::AddPageBtnClick()
{
    if (!mDocument || mDocument->pageCount() >= LabelDocument::MaxPages)
        return;
    if (mDocument->addPage())
        mDocument->setModified(true);
}

void TprvLabelWorkForm::DeletePageBtnClick()
{
    // The last page is never deleted, so there is nothing to ask.
    if (!mDocument || mDocument->pageCount() <= 1)
        return;
    const QString text = mCaptions.read(QStringLiteral("MainMessage"), QStringLiteral("DeletePage"));
    const QString caption
        = mCaptions.read(QStringLiteral("MainMessage"), QStringLiteral("DeletePageCaption"));
    if (!mPrompts.askYesNo || !mPrompts.askYesNo(this, caption, text))
        return;
    emit aboutToLeaveCell();
    if (mDocument->deleteCurrentPage())
        mDocument->setModified(true);
}

void TprvLabelWorkForm::setOthersMarked(bool marked)
{
    mSheetView->setOthersMarked(marked);
}

void TprvLabelWorkForm::refresh()
{
    if (!mDocument) {
        setWindowTitle(QStringLiteral("라벨용지"));
        mPageLabel->clear();
        syncTabs();
        mAddPage->setEnabled(false);
        mDeletePage->setEnabled(false);
        mSheetView->relayout();
        return;
    }
    setWindowTitle(overviewTitle(mDocument->labelSize()));
    mPageLabel->setText(overviewPageText(mDocument->currentPage(), mDocument->pageCount()));
    syncTabs();
    mAddPage->setEnabled(mDocument->pageCount() < LabelDocument::MaxPages);
    mDeletePage->setEnabled(mDocument->pageCount() > 1);
    // The sheet may have changed; thumbnails out of date are drawn again on the next paint.
    mSheetView->relayout();
}

void TprvLabelWorkForm::syncTabs()
{
    mSyncing = true;
    const int pages = mDocument ? mDocument->pageCount() : 0;
    while (mTabs->count() > pages)
        mTabs->removeTab(mTabs->count() - 1);
    while (mTabs->count() < pages)
        mTabs->addTab(QString::number(mTabs->count() + 1));
    if (mDocument)
        mTabs->setCurrentIndex(mDocument->currentPage() - 1);
    mSyncing = false;
}

void TprvLabelWorkForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace quill
