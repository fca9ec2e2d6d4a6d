#include "MainWindow.h"

#include "document/DocumentSummary.h"

#include <QStatusBar>

namespace quill {

MainWindow::MainWindow(const CaptionFile &captions, QWidget *parent)
    : QMainWindow(parent), mCaptions(captions)
{
    mStatusLabel = new QLabel(this);
    statusBar()->addWidget(mStatusLabel, 1);
    setCentralWidget(new QWidget(this));
    resize(1024, 768);
    connect(&mDocument, &LabelDocument::changed, this, &MainWindow::refreshTexts);
    refreshTexts();
}

bool MainWindow::newDocument(const TZR_LabelSize &sheet)
{
    const Status s = mDocument.newDocument(sheet);
    if (!s)
        statusBar()->showMessage(s.error().message);
    refreshTexts();
    return s.ok();
}

QString MainWindow::statusText() const
{
    return mStatusLabel->text();
}

void MainWindow::refreshTexts()
{
    setWindowTitle(mainWindowCaption(mCaptions, mDocument.fileName()));
    mStatusLabel->setText(sheetSummaryText(mDocument.labelSize(), mCaptions));
}

} // namespace quill
