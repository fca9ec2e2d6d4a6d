// The print preview window: paging, zoom and layout, printing a range, saving to PDF.
#include "print/LabelPreviewForm.h"
#include "print/PdfExportDialog.h"
#include "print/PreviewLayout.h"
#include "print/PreviewPaintBox.h"
#include "print/SelectPrintPageFrm.h"

#include "document/LabelDocument.h"
#include "document/SampleSheet.h"
#include "objects/ZR_GuideLabel.h"
#include "printing/PrintDataList.h"
#include "shell/CaptionFile.h"

#include <QDoubleSpinBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace quill;

namespace {

// Counts what a run sends; draws into a small image that nobody looks at.
class RecordingSink : public SheetSink {
public:
    explicit RecordingSink(int &sheets) : mSheets(sheets) { }
    Status beginJob(const SheetJob &) override { return {}; }
    Result<QPainter *> beginSheet() override
    {
        ++mSheets;
        mPainter.begin(&mImage);
        return &mPainter;
    }
    Status endSheet() override
    {
        mPainter.end();
        return {};
    }
    Status endJob() override { return {}; }
    DeviceMetrics metrics() const override { return {}; }

private:
    int &mSheets;
    QImage mImage {64, 64, QImage::Format_RGB32};
    QPainter mPainter;
};

// A document on the sample sheet (A4, 3 x 7 cells), its data and its composer.
struct Preview {
    LabelDocument document;
    PrintDataList data;
    std::unique_ptr<PrintComposer> composer;
};

// records > 0: a field label bound to NAME, replicated over "REC001".."RECnnn" (50 records
// fill 3 sheets); 0: an empty per-cell document of one page.
std::unique_ptr<Preview> makePreview(int records)
{
    auto p = std::make_unique<Preview>();
    TZR_LabelSize sheet;
    if (!sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true).ok())
        return nullptr;
    if (!p->document.newDocument(sheet))
        return nullptr;
    p->composer = std::make_unique<PrintComposer>(p->document);
    if (records > 0) {
        auto label = std::make_unique<TZR_GuideLabel>();
        label->setFontName(QStringLiteral("DejaVu Sans"));
        label->setFieldName(QStringLiteral("NAME"));
        label->setBounds({10, 10, 200, 20});
        p->document.currentCellPanel()->addObject(std::move(label));
        DataTable table;
        table.fields << DataField {QStringLiteral("NAME"), FieldType::Text, 20};
        for (int i = 1; i <= records; ++i)
            table.rows << QVariantList {QStringLiteral("REC%1").arg(i, 3, 10, QLatin1Char('0'))};
        p->data = PrintDataList(table, false);
        p->composer->setLabelData(&p->data);
        p->composer->setReplicated(true);
    }
    if (!p->composer->preparePreview())
        return nullptr;
    return p;
}

QToolButton *button(QWidget &form, const char *name)
{
    return form.findChild<QToolButton *>(QString::fromLatin1(name));
}

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestLabelPreview : public QObject {
    Q_OBJECT

private slots:
    void init();
    void captionFromCaptionFile_data();
    void captionFromCaptionFile();
    void oneSheetDisablesPaging();
    void pagingThroughThreeSheets();
    void zoomToggleAndLayout();
    void layoutCentresOrMargins_data();
    void layoutCentresOrMargins();
    void printsChosenSheetWithOffsetsAsTyped();
    void printAreaQuestion_data();
    void printAreaQuestion();
    void backwardsRangePrintsNothing();
    void savesSheetRangeToPdf();
    void pdfFailureIsReported();

private:
    // Answers the page range dialog: sheets first..last, offsets as typed, OK.
    void answerRange(int first, int last, double left, double top);
    void checkShadow(TZR_LabelPreviewForm &form, int shadow);

    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    CaptionFile mCaptions {QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")};
    PrintServices mServices;
    std::function<void(QDialog &)> mAnswer;
    QStringList mMessages;
    QStringList mQuestions;
    bool mYes = false;
    int mSheets = 0;
    QStringList mSinks;
};

void TestLabelPreview::init()
{
    const QString ini = mDir.filePath(QStringLiteral("settings.ini"));
    QFile::remove(ini);
    mSettings = std::make_unique<QSettings>(ini, QSettings::IniFormat);
    mMessages.clear();
    mQuestions.clear();
    mSinks.clear();
    mSheets = 0;
    mYes = false;
    mAnswer = [](QDialog &dialog) { dialog.reject(); };
    mServices = PrintServices();
    mServices.printerNames = [] { return QStringList {QStringLiteral("Office")}; };
    mServices.defaultPrinter = [] { return QStringLiteral("Office"); };
    mServices.queryStatus = [](const QString &name) -> Result<PrinterStatusRecord> {
        return PrinterStatusRecord {
            name, QStringLiteral("driver"), QStringLiteral("ipp://x"), printerStatusText(0)};
    };
    mServices.showMessage = [this](QWidget *, const QString &text) { mMessages << text; };
    mServices.askYesNo = [this](QWidget *, const QString &caption, const QString &text) {
        mQuestions << caption << text;
        return mYes;
    };
    mServices.execDialog = [this](QDialog &dialog) {
        mAnswer(dialog);
        return dialog.result() == QDialog::Accepted;
    };
    mServices.makeSink = [this](const QString &printer,
                             const std::optional<PrinterSettings> &) -> std::unique_ptr<SheetSink> {
        mSinks << printer;
        return std::make_unique<RecordingSink>(mSheets);
    };
}

void TestLabelPreview::answerRange(int first, int last, double left, double top)
{
    mAnswer = [=](QDialog &dialog) {
        auto *range = qobject_cast<TZR_SelectPrintPageFrm *>(&dialog);
        QVERIFY(range);
        range->findChild<QRadioButton *>(QStringLiteral("Items2"))->click();
        range->findChild<QSpinBox *>(QStringLiteral("FromStartPage"))->setValue(first);
        range->findChild<QSpinBox *>(QStringLiteral("ToEndPage"))->setValue(last);
        range->findChild<QDoubleSpinBox *>(QStringLiteral("LeftMargin"))->setValue(left);
        range->findChild<QDoubleSpinBox *>(QStringLiteral("TopMargin"))->setValue(top);
        range->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
    };
}

void TestLabelPreview::captionFromCaptionFile_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QString>("caption");
    QTest::newRow("label.dat") << true << QStringLiteral("인쇄 미리보기");
    QTest::newRow("missing key: a blank") << false << QStringLiteral(" ");
}

void TestLabelPreview::captionFromCaptionFile()
{
    QFETCH(bool, withFile);
    auto p = makePreview(0);
    QVERIFY(p);
    const CaptionFile none(mDir.filePath(QStringLiteral("none.dat")));
    TZR_LabelPreviewForm form(
        p->document, *p->composer, withFile ? mCaptions : none, *mSettings, mServices);
    QTEST(form.windowTitle(), "caption");
}

void TestLabelPreview::oneSheetDisablesPaging()
{
    auto p = makePreview(0);
    QVERIFY(p);
    TZR_LabelPreviewForm form(p->document, *p->composer, mCaptions, *mSettings, mServices);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.pageCount(), 1);
    QVERIFY(!button(form, "Btn_NextPage")->isEnabled());
    QVERIFY(!button(form, "Btn_PrePage")->isEnabled());
    QCOMPARE(button(form, "Btn_NextPage")->text(), QStringLiteral("다음(&N)"));
    QCOMPARE(button(form, "Btn_PrePage")->text(), QStringLiteral("이전(&P)"));
    QCOMPARE(form.statusText(), QStringLiteral(" 미리 보기: 1 페이지 중 1 페이지"));
    form.NextPageBtnClick();
    QCOMPARE(form.currentPage(), 1);
    QVERIFY(mMessages.isEmpty());
}

void TestLabelPreview::pagingThroughThreeSheets()
{
    auto p = makePreview(50);
    QVERIFY(p);
    TZR_LabelPreviewForm form(p->document, *p->composer, mCaptions, *mSettings, mServices);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.pageCount(), 3);
    struct Step {
        const char *click;
        int page;
        bool previous;
        bool next;
    };
    const Step steps[] = {
        {nullptr, 1, false, true},
        {"Btn_NextPage", 2, true, true},
        {"Btn_NextPage", 3, true, false},
        {"Btn_PrePage", 2, true, true},
    };
    for (const Step &step : steps) {
        if (step.click)
            QTest::mouseClick(button(form, step.click), Qt::LeftButton);
        QCOMPARE(form.currentPage(), step.page);
        QCOMPARE(button(form, "Btn_PrePage")->isEnabled(), step.previous);
        QCOMPARE(button(form, "Btn_NextPage")->isEnabled(), step.next);
        QCOMPARE(
            form.statusText(), QStringLiteral(" 미리 보기: 3 페이지 중 %1 페이지").arg(step.page));
    }
    QVERIFY(mMessages.isEmpty());
}

void TestLabelPreview::checkShadow(TZR_LabelPreviewForm &form, int shadow)
{
    QCOMPARE(form.paintBox()->shadow(), shadow);
    const QImage surface = form.paintBox()->grab().toImage();
    const QRect sheet = form.paintBox()->sheetRect();
    const QColor black(Qt::black), grey(0x80, 0x80, 0x80);
    const int y = sheet.center().y(), x = sheet.center().x();
    QCOMPARE(surface.pixelColor(sheet.right() + 1, y), black); // the paper's border
    QCOMPARE(surface.pixelColor(sheet.right() + shadow, y), black);
    QCOMPARE(surface.pixelColor(sheet.right() + shadow + 1, y), grey);
    QCOMPARE(surface.pixelColor(x, sheet.bottom() + shadow), black);
    QCOMPARE(surface.pixelColor(x, sheet.bottom() + shadow + 1), grey);
    QCOMPARE(surface.pixelColor(sheet.left() - 1, y), black);
    QCOMPARE(surface.pixelColor(sheet.left() - 2, y), grey);
}

void TestLabelPreview::zoomToggleAndLayout()
{
    auto p = makePreview(50);
    QVERIFY(p);
    TZR_LabelPreviewForm form(p->document, *p->composer, mCaptions, *mSettings, mServices);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.zoom(), 60);
    // 210 mm at 60 % on 96 pixels per inch.
    QCOMPARE(form.paintBox()->sheetRect().width(), 476);
    checkShadow(form, 4);
    if (QTest::currentTestFailed())
        return;

    QTest::mouseClick(button(form, "Btn_Zoom"), Qt::LeftButton);
    QCOMPARE(form.zoom(), 100);
    QCOMPARE(form.paintBox()->sheetRect().size(), QSize(794, 1123));
    checkShadow(form, 7);
    if (QTest::currentTestFailed())
        return;

    // A click on the sheet goes back.
    QTest::mouseClick(form.paintBox(), Qt::LeftButton, {}, form.paintBox()->sheetRect().center());
    QCOMPARE(form.zoom(), 60);
    QCOMPARE(form.paintBox()->sheetRect().width(), 476);
    QVERIFY(mMessages.isEmpty());
}

void TestLabelPreview::layoutCentresOrMargins_data()
{
    QTest::addColumn<QSize>("sheet");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("smaller both ways")
        << QSize(476, 674) << QSize(1001, 800) << QSize(1001, 800) << QPoint(262, 63);
    QTest::newRow("larger both ways")
        << QSize(794, 1123) << QSize(700, 600) << QSize(894, 1223) << QPoint(50, 50);
    QTest::newRow("wider than the area only")
        << QSize(794, 400) << QSize(700, 600) << QSize(894, 600) << QPoint(50, 100);
    QTest::newRow("exactly as wide")
        << QSize(700, 400) << QSize(700, 600) << QSize(800, 600) << QPoint(50, 100);
}

void TestLabelPreview::layoutCentresOrMargins()
{
    QFETCH(QSize, sheet);
    QFETCH(QSize, client);
    const PreviewLayout layout = PreviewLayout::place(sheet, client);
    QTEST(layout.surface, "surface");
    QTEST(layout.sheet.topLeft(), "topLeft");
    QCOMPARE(layout.sheet.size(), sheet);
}

void TestLabelPreview::printsChosenSheetWithOffsetsAsTyped()
{
    auto p = makePreview(50);
    QVERIFY(p);
    QList<int> composed;
    p->composer->setProgress([&composed](int sheet, int) { composed << sheet; });
    TZR_LabelPreviewForm form(p->document, *p->composer, mCaptions, *mSettings, mServices);
    answerRange(2, 2, 0.0, 0.0);
    QTest::mouseClick(button(form, "Btn_Print"), Qt::LeftButton);
    QCOMPARE(mSinks, QStringList {QStringLiteral("Office")});
    QCOMPARE(mSheets, 1);
    QCOMPARE(composed, QList<int> {2});
    const TZR_WorkLabel &label = p->document.workLabel();
    QCOMPARE(label.leftMargin(), 0.0); // no 1.0 / 0.5 mm added here
    QCOMPARE(label.topMargin(), 0.0);
    QCOMPARE(label.printStartPage(), quint16(2));
    QCOMPARE(label.printEndPage(), quint16(2));
    QVERIFY(mQuestions.isEmpty());
    QVERIFY(mMessages.isEmpty());

    answerRange(1, 3, 2.5, -1.5);
    composed.clear();
    form.PrintBtnClick();
    QCOMPARE(composed, (QList<int> {1, 2, 3}));
    QCOMPARE(label.leftMargin(), 2.5);
    QCOMPARE(label.topMargin(), -1.5);
    // The preview is not re-rendered by a print: still sheet 1 at 60 %.
    QCOMPARE(form.currentPage(), 1);
    QCOMPARE(form.zoom(), 60);
}

void TestLabelPreview::printAreaQuestion_data()
{
    QTest::addColumn<QString>("prnState");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("sheets");
    QTest::newRow("TRUE, yes cancels") << QStringLiteral("TRUE") << true << true << 0;
    QTest::newRow("TRUE, no prints") << QStringLiteral("TRUE") << false << true << 1;
    QTest::newRow("absent") << QString() << true << false << 1;
    QTest::newRow("FALSE") << QStringLiteral("FALSE") << true << false << 1;
}

void TestLabelPreview::printAreaQuestion()
{
    QFETCH(QString, prnState);
    QFETCH(bool, yes);
    QFETCH(bool, asked);
    if (!prnState.isEmpty())
        mSettings->setValue(QStringLiteral("QuillLabel/PrnState"), prnState);
    mYes = yes;
    auto p = makePreview(50);
    QVERIFY(p);
    TZR_LabelPreviewForm form(p->document, *p->composer, mCaptions, *mSettings, mServices);
    answerRange(2, 2, 0.0, 0.0);
    form.PrintBtnClick();
    QTEST(mSheets, "sheets");
    QCOMPARE(!mQuestions.isEmpty(), asked);
    if (asked) {
        QCOMPARE(mQuestions.at(0), QStringLiteral("인쇄 영역 확인"));
        QCOMPARE(mQuestions.at(1),
            QStringLiteral("인쇄 가능 영역을 벗어난 개체가 있습니다.\n인쇄를 취소하시겠습니까?"));
    }
}

void TestLabelPreview::backwardsRangePrintsNothing()
{
    auto p = makePreview(50);
    QVERIFY(p);
    TZR_LabelPreviewForm form(p->document, *p->composer, mCaptions, *mSettings, mServices);
    answerRange(3, 2, 4.0, 4.0);
    form.PrintBtnClick();
    QCOMPARE(mSheets, 0);
    QVERIFY(mSinks.isEmpty());
    QCOMPARE(p->document.workLabel().leftMargin(), 0.0);

    // A cancelled dialog prints nothing either.
    mAnswer = [](QDialog &dialog) { dialog.reject(); };
    form.PrintBtnClick();
    QVERIFY(mSinks.isEmpty());
}

void TestLabelPreview::savesSheetRangeToPdf()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    auto p = makePreview(50);
    QVERIFY(p);
    const QString base = mDir.filePath(QStringLiteral("sheets"));
    mServices.pdfSavePath = [base](QWidget *) { return base; };
    TZR_LabelPreviewForm form(p->document, *p->composer, mCaptions, *mSettings, mServices);
    mAnswer = [](QDialog &dialog) {
        QVERIFY(qobject_cast<PdfExportDialog *>(&dialog));
        dialog.findChild<QRadioButton *>(QStringLiteral("Items2"))->click();
        dialog.findChild<QSpinBox *>(QStringLiteral("FromStartPage"))->setValue(2);
        dialog.findChild<QSpinBox *>(QStringLiteral("ToEndPage"))->setValue(3);
        dialog.accept();
    };
    QTest::mouseClick(button(form, "Btn_SavePdf"), Qt::LeftButton);
    QVERIFY2(mMessages.isEmpty(), qPrintable(mMessages.join(u'\n')));
    const QString pdf = base + QStringLiteral(".pdf");
    QVERIFY(QFile::exists(pdf));
    QVERIFY(run(QStringLiteral("pdfinfo"), {pdf})
                .contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))));
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.contains(QStringLiteral("REC022")));
    QVERIFY(text.contains(QStringLiteral("REC050")));
    QVERIFY(!text.contains(QStringLiteral("REC021")));
    QVERIFY(mSinks.isEmpty()); // no printer involved
}

void TestLabelPreview::pdfFailureIsReported()
{
    auto p = makePreview(50);
    QVERIFY(p);
    const QString path = mDir.filePath(QStringLiteral("no/such/folder/out.pdf"));
    mServices.pdfSavePath = [path](QWidget *) { return path; };
    TZR_LabelPreviewForm form(p->document, *p->composer, mCaptions, *mSettings, mServices);
    mAnswer = [](QDialog &dialog) { dialog.accept(); };
    form.SavePdfBtnClick();
    QCOMPARE(mMessages.size(), 1);
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestLabelPreview)
#include "tst_labelpreview.moc"
