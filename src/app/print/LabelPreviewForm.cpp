#include "LabelPreviewForm.h"

#include "PdfExportDialog.h"
#include "PreviewLayout.h"
#include "PreviewPaintBox.h"
#include "SelectPrintPageFrm.h"
#include "WaitCursor.h"
#include "document/LabelDocument.h"
#include "printing/PdfSheetSink.h"
#include "shell/CaptionFile.h"
#include "shell/QuillSettings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quill {

namespace {

// Clears the ready flag while a command re-renders, so that a second one cannot start inside
// it.
class NotReady {
public:
    explicit NotReady(bool &ready) : mReady(ready) { mReady = false; }
    ~NotReady() { mReady = true; }
    NotReady(const NotReady &) = delete;
    NotReady &operator=(const NotReady &) = delete;

private:
    bool &mReady;
};

QToolButton *toolButton(const QString &text, const QString &name, QToolBar *bar)
{
    auto *button = new QToolButton(bar);
    button->setText(text);
    button->setObjectName(name);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(button);
    return button;
}

} // namespace

TZR_LabelPreviewForm::TZR_LabelPreviewForm(LabelDocument &document, PrintComposer &composer,
    const CaptionFile &captions, QSettings &settings, const PrintServices &services,
    QWidget *parent)
    : QDialog(parent), mDocument(document), mComposer(composer), mCaptions(captions),
      mSettings(settings), mServices(services),
      mPageCount(qMax(1, int(document.workLabel().printEndPage())))
{
    setObjectName(QStringLiteral("ZR_LabelPreviewForm"));
    setWindowTitle(captions.read(
        QStringLiteral("PreviewFrm"), QStringLiteral("FormCaption"), CaptionFile::Missing::Blank));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createToolBar());

    mScroll = new QScrollArea(this);
    mScroll->setObjectName(QStringLiteral("ScrollBox1"));
    mScroll->setWidgetResizable(false);
    mScroll->setBackgroundRole(QPalette::Dark);
    mPaintBox = new PreviewPaintBox;
    mScroll->setWidget(mPaintBox);
    mScroll->viewport()->installEventFilter(this);
    layout->addWidget(mScroll, 1);
    connect(mPaintBox, &PreviewPaintBox::clicked, this, &TZR_LabelPreviewForm::ScrollBox1Click);

    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    auto *first = new QLabel(status);
    first->setFixedWidth(10);
    mStatus = new QLabel(status);
    mStatus->setObjectName(QStringLiteral("StatusText"));
    mStatus->setMinimumWidth(50);
    status->addWidget(first);
    status->addWidget(mStatus, 1);
    layout->addWidget(status);

    resize(1024, 768);
    renderCurrent();
    refreshStatus();
}

QWidget *TZR_LabelPreviewForm::createToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    mNext = toolButton(QStringLiteral("다음(&N)"), QStringLiteral("Btn_NextPage"), bar);
    mPrevious = toolButton(QStringLiteral("이전(&P)"), QStringLiteral("Btn_PrePage"), bar);
    auto *zoom = toolButton(QStringLiteral("확대/축소(&Z)"), QStringLiteral("Btn_Zoom"), bar);
    bar->addSeparator();
    auto *print = toolButton(QStringLiteral("인쇄(&T)"), QStringLiteral("Btn_Print"), bar);
    auto *pdf = toolButton(QStringLiteral("PDF로 저장"), QStringLiteral("Btn_SavePdf"), bar);
    bar->addSeparator();
    auto *close = toolButton(QStringLiteral("닫기(&C)"), QStringLiteral("Btn_Close"), bar);
    connect(mNext, &QToolButton::clicked, this, &TZR_LabelPreviewForm::NextPageBtnClick);
    connect(mPrevious, &QToolButton::clicked, this, &TZR_LabelPreviewForm::PrePageBtnClick);
    connect(zoom, &QToolButton::clicked, this, &TZR_LabelPreviewForm::ScrollBox1Click);
    connect(print, &QToolButton::clicked, this, &TZR_LabelPreviewForm::PrintBtnClick);
    connect(pdf, &QToolButton::clicked, this, &TZR_LabelPreviewForm::SavePdfBtnClick);
    connect(close, &QToolButton::clicked, this, &QDialog::reject);
    return bar;
}

void TZR_LabelPreviewForm::showModalMaximized()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    if (mServices.execDialog)
        mServices.execDialog(*this);
}

QString TZR_LabelPreviewForm::statusText() const
{
    return mStatus->text();
}

void TZR_LabelPreviewForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TZR_LabelPreviewForm::FormShow()
{
    mPrevious->setEnabled(mCurrentPage > 1);
    mNext->setEnabled(mCurrentPage < mPageCount);
    refreshStatus();
    relayout();
}

bool TZR_LabelPreviewForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mScroll->viewport() && event->type() == QEvent::Resize)
        relayout();
    return QDialog::eventFilter(watched, event);
}

void TZR_LabelPreviewForm::NextPageBtnClick()
{
    if (mCurrentPage + 1 > mPageCount)
        return;
    showPage(mCurrentPage + 1);
}

void TZR_LabelPreviewForm::PrePageBtnClick()
{
    if (mCurrentPage - 1 < 1)
        return;
    showPage(mCurrentPage - 1);
}

void TZR_LabelPreviewForm::showPage(int page)
{
    if (!mReady)
        return;
    WaitCursor wait;
    NotReady busy(mReady);
    mCurrentPage = page;
    mPrevious->setEnabled(mCurrentPage > 1);
    mNext->setEnabled(mCurrentPage < mPageCount);
    renderCurrent();
    refreshStatus();
}

void TZR_LabelPreviewForm::ScrollBox1Click()
{
    if (!mReady)
        return;
    WaitCursor wait;
    NotReady busy(mReady);
    mZoom = mZoom < FullZoom ? FullZoom : StartZoom;
    renderCurrent();
}

void TZR_LabelPreviewForm::renderCurrent()
{
    Result<QImage> image = mComposer.renderPreviewSheet(mCurrentPage, mZoom);
    mImage = image ? image.value() : QImage();
    relayout();
    if (!image)
        report(image.error());
}

void TZR_LabelPreviewForm::relayout()
{
    const QSize sheet = PreviewLayout::sheetSize(mDocument.labelSize(), mZoom);
    const PreviewLayout layout = PreviewLayout::place(sheet, mScroll->viewport()->size());
    mPaintBox->setFixedSize(layout.surface);
    mPaintBox->setSheet(mImage, layout.sheet, PreviewLayout::shadowOffset(mZoom));
}

void TZR_LabelPreviewForm::refreshStatus()
{
    mStatus->setText(
        QStringLiteral(" 미리 보기: %1 페이지 중 %2 페이지").arg(mPageCount).arg(mCurrentPage));
}

void TZR_LabelPreviewForm::PrintBtnClick()
{
    TZR_SelectPrintPageFrm dialog(mCaptions, mSettings, mServices, this);
    if (!mServices.execDialog || !mServices.execDialog(dialog))
        return;
    // The offsets are used as typed: the page range dialog adds nothing to them.
    const SheetRange range = dialog.pageRange().applyTo(mDocument.workLabel(), mPageCount);
    if (range.isEmpty() || printAreaCheckCancels() || !mServices.makeSink)
        return;
    std::unique_ptr<SheetSink> sink
        = mServices.makeSink(dialog.printerName(), dialog.printerSettings());
    WaitCursor wait;
    if (Result<PrintSummary> printed = runRange(*sink, range); !printed)
        report(printed.error());
}

bool TZR_LabelPreviewForm::printAreaCheckCancels()
{
    mSettings.beginGroup(QuillSettings::group());
    const QString state
        = mSettings.value(QStringLiteral("PrnState"), QStringLiteral("Error")).toString().left(255);
    mSettings.endGroup();
    if (state != u"TRUE" || !mServices.askYesNo)
        return false;
    const QString section = QStringLiteral("MainMessage");
    const QString caption = mCaptions.read(
        section, QStringLiteral("PrintAreaOutCaption"), CaptionFile::Missing::Null);
    QString text
        = mCaptions.read(section, QStringLiteral("PrintAreaOut"), CaptionFile::Missing::Null);
    text.replace(QStringLiteral("%s"), QStringLiteral("\n"));
    return mServices.askYesNo(this, caption, text);
}

void TZR_LabelPreviewForm::SavePdfBtnClick()
{
    PdfExportDialog dialog(mCaptions, this);
    if (!mServices.execDialog || !mServices.execDialog(dialog) || !mServices.pdfSavePath)
        return;
    const SheetRange range = dialog.pageRange().sheets(mPageCount);
    if (range.isEmpty())
        return;
    QString path = mServices.pdfSavePath(this);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    // PdfSheetSink writes through a temporary file: a failed run leaves no half-written PDF.
    PdfSheetSink sink(path);
    WaitCursor wait;
    const Result<PrintSummary> written = runRange(sink, range);
    if (!written)
        report(written.error());
    else if (written.value().sheets == 0)
        report(Error(QStringLiteral("인쇄할 라벨이 없어 PDF 파일을 만들지 않았습니다."), path));
}

Result<PrintSummary> TZR_LabelPreviewForm::runRange(SheetSink &sink, SheetRange range)
{
    return mComposer.replicated() ? mComposer.runReplicated(sink, range.first, range.last)
                                  : mComposer.runPerCell(sink, range.first, range.last);
}

void TZR_LabelPreviewForm::report(const Error &error)
{
    if (!mServices.showMessage)
        return;
    mServices.showMessage(
        this, error.where.isEmpty() ? error.message : error.message + u'\n' + error.where);
}

} // namespace quill
