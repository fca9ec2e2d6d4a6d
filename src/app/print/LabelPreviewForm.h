// The print preview window: the composed sheets one at a time, two zoom levels, printing a
// range of sheets, and saving sheets to a PDF file.
#pragma once

#include "PrintServices.h"
#include "printing/PrintComposer.h"
#include "printing/PrintDialogSettings.h"
#include "shell/CaptionFile.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QScrollArea;
class QSettings;
class QToolButton;

namespace quill {

class LabelDocument;
class PreviewPaintBox;

// Renders only the sheet shown. Printing goes through the page range dialog and the sink the
// services make for the chosen printer; the preview itself is not re-rendered afterwards.
class TZR_LabelPreviewForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int StartZoom = PrintComposer::PreviewScale; // 60 %
    static constexpr int FullZoom = 100;

    // The composer must be prepared for the preview (PrintComposer::preparePreview) with the
    // document's data lists; the work label's PrintEndPage is then the page count. The document,
    // the composer and the settings must outlive the window; captions and services are copied.
    TZR_LabelPreviewForm(LabelDocument &document, PrintComposer &composer,
        const CaptionFile &captions, QSettings &settings, const PrintServices &services,
        QWidget *parent = nullptr);

    // Shows the window maximized and returns when it is closed.
    void showModalMaximized();

    int zoom() const { return mZoom; }
    int pageCount() const { return mPageCount; }
    int currentPage() const { return mCurrentPage; }
    QString statusText() const;
    PreviewPaintBox *paintBox() const { return mPaintBox; }

    void NextPageBtnClick();
    void PrePageBtnClick();
    // The zoom button and a click on the sheet: 60 % <-> 100 %.
    void ScrollBox1Click();
    void PrintBtnClick();
    void SavePdfBtnClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createToolBar();
    void FormShow();
    void showPage(int page);
    void renderCurrent();
    void relayout();
    void refreshStatus();
    bool printAreaCheckCancels();
    Result<PrintSummary> runRange(SheetSink &sink, SheetRange range);
    void report(const Error &error);

    LabelDocument &mDocument;
    PrintComposer &mComposer;
    CaptionFile mCaptions;
    QSettings &mSettings;
    PrintServices mServices;
    int mZoom = StartZoom;
    int mPageCount = 1;
    int mCurrentPage = 1;
    bool mReady = true;
    QImage mImage;
    QToolButton *mNext = nullptr;
    QToolButton *mPrevious = nullptr;
    QScrollArea *mScroll = nullptr;
    PreviewPaintBox *mPaintBox = nullptr;
    QLabel *mStatus = nullptr;
};

} // namespace quill
