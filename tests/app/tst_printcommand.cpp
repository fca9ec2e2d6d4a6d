// The main window's print and preview commands.
#include "print/LabelPreviewForm.h"
#include "print/PrintCommand.h"
#include "print/PrintFrm.h"
#include "print/PrinterGroup.h"

#include "datalists/DataListFile.h"
#include "document/DocumentRecords.h"
#include "document/LabelDocument.h"
#include "document/SampleSheet.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_TextEdit.h"
#include "printing/PrintJob.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

// What one print run sent to the device.
struct SinkRecord {
    QString printer;
    std::optional<PrinterSettings> settings;
    SheetJob job;
    int sheets = 0;
};

// Records the job and counts sheets; draws into a small image that nobody looks at.
class RecordingSink : public SheetSink {
public:
    explicit RecordingSink(SinkRecord &record) : mRecord(record) { }
    Status beginJob(const SheetJob &job) override
    {
        mRecord.job = job;
        return {};
    }
    Result<QPainter *> beginSheet() override
    {
        ++mRecord.sheets;
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
    bool printsCopies() const override { return true; }

private:
    SinkRecord &mRecord;
    QImage mImage {64, 64, QImage::Format_RGB32};
    QPainter mPainter;
};

std::unique_ptr<TZR_TextEdit> textBox(const QString &text)
{
    auto box = std::make_unique<TZR_TextEdit>();
    box->setFontName(QStringLiteral("DejaVu Sans"));
    box->setWwfMemo({text});
    box->setBounds(QRect(10, 10, 150, 24));
    return box;
}

std::unique_ptr<TZR_GuideLabel> fieldLabel(const QString &field)
{
    auto label = std::make_unique<TZR_GuideLabel>();
    label->setFontName(QStringLiteral("DejaVu Sans"));
    label->setFieldName(field);
    label->setBounds(QRect(10, 40, 150, 20));
    return label;
}

std::unique_ptr<TZR_SerialNumber> serialNumber(int start, int end, int step)
{
    auto serial = std::make_unique<TZR_SerialNumber>();
    serial->setFontName(QStringLiteral("DejaVu Sans"));
    serial->setStartNum(start);
    serial->setImsiSerialNum(start);
    serial->setEndNum(end);
    serial->setIncNum(step);
    serial->setBounds(QRect(10, 10, 120, 20));
    return serial;
}

TZR_LabelSize sampleSheet()
{
    TZR_LabelSize sheet;
    sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true);
    return sheet;
}

template<typename T> T *child(QDialog &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qWarning("no control %s", name);
    return widget;
}

} // namespace

class TestPrintCommand : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void noPrinterTellsAndOpensNothing();
    void cancelledDialogPrintsNothing();
    void acceptedDialogPrintsWithOffsets();
    void replicatedDesignWithDataList();
    void replicatedDesignDisablesAllPrint_data();
    void replicatedDesignDisablesAllPrint();
    void missingDataListStopsPrint();
    void quantityFieldRepeatsRecords_data();
    void quantityFieldRepeatsRecords();
    void composerErrorsAreTold_data();
    void composerErrorsAreTold();
    void printerSetupGoesToTheRun();
    void previewOpensOnSheetOne();
    void previewWithMissingDataList();
    void emptyFieldTextFromCaptions_data();
    void emptyFieldTextFromCaptions();

private:
    PrintCommand command()
    {
        return PrintCommand(mDocument, mCaptions, *mSettings, mServices, nullptr);
    }
    // Answers the print dialog: offsets, copies, then "인쇄".
    void answerPrint(double left, double top, int copies = 1);
    QString csvList(int records);

    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    CaptionFile mCaptions {QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")};
    LabelDocument mDocument;
    PrintServices mServices;
    QStringList mPrinters;
    QStringList mMessages;
    QList<SinkRecord> mRuns;
    int mDialogs = 0;
    std::function<void(QDialog &)> mAnswer;
    std::optional<PrinterChoice> mSetupChoice;
};

void TestPrintCommand::initTestCase()
{
    registerDocumentClasses();
    registerObjectClasses();
}

void TestPrintCommand::init()
{
    const QString ini = mDir.filePath(QStringLiteral("settings.ini"));
    QFile::remove(ini);
    mSettings = std::make_unique<QSettings>(ini, QSettings::IniFormat);
    QVERIFY(mDocument.newDocument(sampleSheet()));
    mDocument.currentCellPanel()->addObject(textBox(QStringLiteral("HELLO")));
    PrinterGroup::setCurrentPrinterName(QString());
    for (const QString &name : {QStringLiteral("Office"), QStringLiteral("Laser")})
        PrinterGroup::setSettingsOf(name, std::nullopt);
    mPrinters = QStringList {QStringLiteral("Office"), QStringLiteral("Laser")};
    mMessages.clear();
    mRuns.clear();
    mDialogs = 0;
    mSetupChoice.reset();
    mAnswer = [](QDialog &dialog) { dialog.reject(); };

    mServices = PrintServices();
    mServices.printerNames = [this] { return mPrinters; };
    mServices.defaultPrinter = [this] { return mPrinters.value(0); };
    mServices.queryStatus = [](const QString &name) -> Result<PrinterStatusRecord> {
        return PrinterStatusRecord {
            name, QStringLiteral("driver"), QStringLiteral("ipp://x"), printerStatusText(0)};
    };
    mServices.showMessage = [this](QWidget *, const QString &text) { mMessages << text; };
    mServices.execDialog = [this](QDialog &dialog) {
        ++mDialogs;
        mAnswer(dialog);
        return dialog.result() == QDialog::Accepted;
    };
    mServices.printerSetup = [this](QWidget *, const QString &,
                                 const std::optional<PrinterSettings> &) { return mSetupChoice; };
    mServices.makeSink
        = [this](const QString &printer,
              const std::optional<PrinterSettings> &settings) -> std::unique_ptr<SheetSink> {
        mRuns.append(SinkRecord {printer, settings, {}, 0});
        return std::make_unique<RecordingSink>(mRuns.last());
    };
}

void TestPrintCommand::answerPrint(double left, double top, int copies)
{
    mAnswer = [=](QDialog &dialog) {
        QVERIFY(qobject_cast<TPrintFrm *>(&dialog));
        child<QDoubleSpinBox>(dialog, "LeftMargin")->setValue(left);
        child<QDoubleSpinBox>(dialog, "TopMargin")->setValue(top);
        child<QSpinBox>(dialog, "Spe_PaperSheet")->setValue(copies);
        child<QPushButton>(dialog, "Button1")->click();
    };
}

QString TestPrintCommand::csvList(int records)
{
    DataTable table;
    table.fields << DataField {QStringLiteral("NAME"), FieldType::Text, 20};
    for (int i = 1; i <= records; ++i)
        table.rows << QVariantList {QStringLiteral("REC%1").arg(i, 3, 10, QLatin1Char('0'))};
    const QString path = mDir.filePath(QStringLiteral("names%1.csv").arg(records));
    const Status written = writeDataList(path, table);
    if (!written)
        qWarning("%s", qPrintable(written.error().message));
    return path;
}

void TestPrintCommand::noPrinterTellsAndOpensNothing()
{
    mPrinters.clear();
    QList<bool> autoSave;
    PrintCommand print = command();
    print.setAutoSaveHook([&autoSave](bool on) { autoSave << on; });
    print.PrintBtnClick();
    QCOMPARE(mMessages, QStringList {noPrinterMessage()});
    QCOMPARE(mDialogs, 0);
    QVERIFY(mRuns.isEmpty());
    // Off for the command, on again afterwards, also on the way out early.
    QCOMPARE(autoSave, (QList<bool> {false, true}));
}

void TestPrintCommand::cancelledDialogPrintsNothing()
{
    const TZR_WorkLabel before = mDocument.workLabel();
    mAnswer = [](QDialog &dialog) {
        child<QDoubleSpinBox>(dialog, "LeftMargin")->setValue(5.0);
        child<QPushButton>(dialog, "Button3")->click();
    };
    command().PrintBtnClick();
    QCOMPARE(mDialogs, 1);
    QVERIFY(mRuns.isEmpty());
    QVERIFY(mMessages.isEmpty());
    QCOMPARE(mDocument.workLabel().leftMargin(), before.leftMargin());
    QVERIFY(!mSettings->contains(QStringLiteral("QuillLabel/LeftMargin")));
}

void TestPrintCommand::acceptedDialogPrintsWithOffsets()
{
    QVERIFY(mDocument.addPage());
    mDocument.cell(2, 3)->addObject(textBox(QStringLiteral("PAGE2")));
    answerPrint(2.0, -1.0, 3);
    command().PrintBtnClick();
    QVERIFY2(mMessages.isEmpty(), qPrintable(mMessages.join(u'\n')));
    QCOMPARE(mRuns.size(), 1);
    const SinkRecord &run = mRuns.first();
    QCOMPARE(run.printer, QStringLiteral("Office"));
    QCOMPARE(run.sheets, 2); // per-cell design: one sheet per page
    QCOMPARE(run.job.copies, 3);
    QVERIFY(!run.job.landscape);
    QVERIFY(!run.settings);
    // The typed offsets with 1.0 mm more to the left and 0.5 mm more at the top.
    QCOMPARE(mDocument.workLabel().leftMargin(), 3.0);
    QCOMPARE(mDocument.workLabel().topMargin(), -0.5);
    QCOMPARE(
        mSettings->value(QStringLiteral("QuillLabel/LeftMargin")).toString(), QStringLiteral("2"));
}

void TestPrintCommand::replicatedDesignWithDataList()
{
    mDocument.currentCellPanel()->addObject(fieldLabel(QStringLiteral("NAME")));
    mDocument.setLabelDataList(csvList(30), QString());
    answerPrint(0.0, 0.0);
    command().PrintBtnClick();
    QVERIFY2(mMessages.isEmpty(), qPrintable(mMessages.join(u'\n')));
    QCOMPARE(mRuns.size(), 1);
    // 30 records on sheets of 21 cells.
    QCOMPARE(mRuns.first().sheets, 2);
    QCOMPARE(mDocument.workLabel().labelCount(), quint16(30));
    QCOMPARE(mDocument.workLabel().printEndPage(), quint16(2));
}

void TestPrintCommand::replicatedDesignDisablesAllPrint_data()
{
    QTest::addColumn<int>("design"); // 0 text only, 1 serial number, 2 field-bound label
    QTest::addColumn<bool>("allPrintEnabled");
    QTest::newRow("text box") << 0 << true;
    QTest::newRow("serial number") << 1 << false;
    QTest::newRow("field label") << 2 << false;
}

void TestPrintCommand::replicatedDesignDisablesAllPrint()
{
    QFETCH(int, design);
    if (design == 1)
        mDocument.currentCellPanel()->addObject(serialNumber(1, 30, 1));
    else if (design == 2)
        mDocument.currentCellPanel()->addObject(fieldLabel(QStringLiteral("NAME")));
    bool enabled = false;
    mAnswer = [&enabled](QDialog &dialog) {
        enabled = child<QCheckBox>(dialog, "Chk_AllPrint")->isEnabled();
        dialog.reject();
    };
    command().PrintBtnClick();
    QCOMPARE(mDialogs, 1);
    QTEST(enabled, "allPrintEnabled");
}

void TestPrintCommand::missingDataListStopsPrint()
{
    mDocument.currentCellPanel()->addObject(fieldLabel(QStringLiteral("NAME")));
    const QString missing = mDir.filePath(QStringLiteral("gone.csv"));
    mDocument.setLabelDataList(missing, QString());
    const quint16 fromLabel = mDocument.workLabel().fromLabel();
    mAnswer = [](QDialog &dialog) {
        child<QRadioButton>(dialog, "Rdo_Start")->click();
        child<QSpinBox>(dialog, "Spe_sFrom")->setValue(4);
        child<QPushButton>(dialog, "Button1")->click();
    };
    command().PrintBtnClick();
    QVERIFY(mRuns.isEmpty());
    QCOMPARE(mMessages.size(), 1);
    QVERIFY(mMessages.first().contains(QStringLiteral("라벨 데이터목록")));
    QVERIFY(mMessages.first().contains(missing));
    // Nothing of the dialog reached the document.
    QCOMPARE(mDocument.workLabel().fromLabel(), fromLabel);
}

void TestPrintCommand::quantityFieldRepeatsRecords_data()
{
    QTest::addColumn<QString>("third"); // the third record's quantity
    QTest::addColumn<int>("labels");    // 0: refused
    QTest::newRow("10 + 0 + 15") << QStringLiteral("15") << 25;
    QTest::newRow("negative") << QStringLiteral("-3") << 0;
}

void TestPrintCommand::quantityFieldRepeatsRecords()
{
    QFETCH(QString, third);
    QFETCH(int, labels);
    DataTable table;
    table.fields << DataField {QStringLiteral("NAME"), FieldType::Text, 20}
                 << DataField {QStringLiteral("QTY"), FieldType::Text, 5};
    table.rows << QVariantList {QStringLiteral("A"), QStringLiteral("10")}
               << QVariantList {QStringLiteral("B"), QStringLiteral("0")}
               << QVariantList {QStringLiteral("C"), third};
    const QString path = mDir.filePath(QStringLiteral("quantities.csv"));
    QVERIFY(writeDataList(path, table));
    mDocument.currentCellPanel()->addObject(fieldLabel(QStringLiteral("NAME")));
    mDocument.setLabelDataList(path, QString());
    QStringList offered;
    mAnswer = [&offered](QDialog &dialog) {
        auto *box = child<QComboBox>(dialog, "Cbo_QuantityField");
        for (int i = 1; i < box->count(); ++i)
            offered << box->itemText(i);
        box->setCurrentIndex(box->findText(QStringLiteral("QTY")));
        child<QPushButton>(dialog, "Button1")->click();
    };
    command().PrintBtnClick();
    // Only the field holding whole numbers is offered.
    QCOMPARE(offered, QStringList {QStringLiteral("QTY")});
    if (labels == 0) {
        QVERIFY(mRuns.isEmpty());
        QCOMPARE(mMessages.size(), 1);
        QVERIFY(mMessages.first().contains(QStringLiteral("3번째 자료")));
        return;
    }
    QVERIFY2(mMessages.isEmpty(), qPrintable(mMessages.join(u'\n')));
    QCOMPARE(mRuns.size(), 1);
    QCOMPARE(int(mDocument.workLabel().labelCount()), labels);
    QCOMPARE(mRuns.first().sheets, 2); // 25 labels on sheets of 21
}

void TestPrintCommand::composerErrorsAreTold_data()
{
    QTest::addColumn<int>("case_"); // 0 endless serial number, 1 start past every cell
    QTest::addColumn<QString>("message");
    QTest::newRow("serial number never ends") << 0 << QStringLiteral("일련번호");
    QTest::newRow("no label in range") << 1 << QStringLiteral("인쇄할 라벨이 없어");
}

void TestPrintCommand::composerErrorsAreTold()
{
    QFETCH(int, case_);
    QFETCH(QString, message);
    if (case_ == 0) {
        mDocument.currentCellPanel()->addObject(serialNumber(1, 30, 0));
        answerPrint(0.0, 0.0);
    } else {
        mAnswer = [](QDialog &dialog) {
            child<QRadioButton>(dialog, "Rdo_Start")->click();
            child<QSpinBox>(dialog, "Spe_sFrom")->setValue(500);
            child<QPushButton>(dialog, "Button1")->click();
        };
    }
    command().PrintBtnClick();
    QCOMPARE(mMessages.size(), 1);
    QVERIFY2(mMessages.first().contains(message), qPrintable(mMessages.first()));
    int sheets = 0;
    for (const SinkRecord &run : std::as_const(mRuns))
        sheets += run.sheets;
    QCOMPARE(sheets, 0);
}

void TestPrintCommand::printerSetupGoesToTheRun()
{
    PrinterSettings chosen;
    chosen.duplex = QPrinter::DuplexLongSide;
    chosen.colorMode = QPrinter::GrayScale;
    chosen.resolution = 300;
    chosen.paperSource = QPrinter::Manual;
    mSetupChoice = PrinterChoice {QStringLiteral("Laser"), chosen};
    mAnswer = [](QDialog &dialog) {
        child<QPushButton>(dialog, "Button4")->click(); // "속성": switches to Laser
        child<QPushButton>(dialog, "Button1")->click();
    };
    command().PrintBtnClick();
    QCOMPARE(mRuns.size(), 1);
    QCOMPARE(mRuns.at(0).printer, QStringLiteral("Laser"));
    QVERIFY(mRuns.at(0).settings);
    QVERIFY(*mRuns.at(0).settings == chosen);

    // The printer keeps them for later runs; another printer has its own defaults.
    answerPrint(0.0, 0.0);
    command().PrintBtnClick();
    QCOMPARE(mRuns.size(), 2);
    QCOMPARE(mRuns.at(1).printer, QStringLiteral("Laser"));
    QVERIFY(mRuns.at(1).settings && *mRuns.at(1).settings == chosen);
    PrinterGroup::setCurrentPrinterName(QStringLiteral("Office"));
    command().PrintBtnClick();
    QCOMPARE(mRuns.at(2).printer, QStringLiteral("Office"));
    QVERIFY(!mRuns.at(2).settings);
}

void TestPrintCommand::previewOpensOnSheetOne()
{
    mDocument.currentCellPanel()->addObject(fieldLabel(QStringLiteral("NAME")));
    mDocument.setLabelDataList(csvList(50), QString());
    int page = 0, pages = 0;
    bool maximized = false;
    mAnswer = [&](QDialog &dialog) {
        auto *form = qobject_cast<TZR_LabelPreviewForm *>(&dialog);
        QVERIFY(form);
        page = form->currentPage();
        pages = form->pageCount();
        maximized = form->windowState().testFlag(Qt::WindowMaximized);
        form->reject();
    };
    QList<bool> autoSave;
    PrintCommand preview = command();
    preview.setAutoSaveHook([&autoSave](bool on) { autoSave << on; });
    preview.PreviewBtnClick();
    QVERIFY2(mMessages.isEmpty(), qPrintable(mMessages.join(u'\n')));
    QCOMPARE(mDialogs, 1);
    QCOMPARE(page, 1);
    QCOMPARE(pages, 3); // 50 records on 21 cells a sheet
    QVERIFY(maximized);
    QVERIFY(mRuns.isEmpty());
    QCOMPARE(autoSave, (QList<bool> {false, true}));
}

void TestPrintCommand::previewWithMissingDataList()
{
    mDocument.setBarcodeDataList(mDir.filePath(QStringLiteral("codes.csv")), QString());
    command().PreviewBtnClick();
    QCOMPARE(mDialogs, 0);
    QCOMPARE(mMessages.size(), 1);
    QVERIFY(mMessages.first().contains(QStringLiteral("바코드 데이터목록")));
}

void TestPrintCommand::emptyFieldTextFromCaptions_data()
{
    QTest::addColumn<QString>("content"); // of the caption file, UTF-8 (written in CP949)
    QTest::addColumn<QString>("text");
    QTest::newRow("dbnull") << QStringLiteral("[Option]\ndbnull=(없음)\n")
                            << QStringLiteral("(없음)");
    // The general reader's "0" would blank every field that holds 0.
    QTest::newRow("no key") << QStringLiteral("[Option]\nLanguage=kor\n") << QString();
}

void TestPrintCommand::emptyFieldTextFromCaptions()
{
    QFETCH(QString, content);
    const QString path = mDir.filePath(QStringLiteral("captions.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(toCp949(content));
    file.close();
    QTEST(emptyFieldText(CaptionFile(path)), "text");
}

QTEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
