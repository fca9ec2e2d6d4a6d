// The print dialog and the page range dialog: controls, enable rules, printer status, offsets.
#include "print/OffsetGroup.h"
#include "print/PrintFrm.h"
#include "print/PrinterGroup.h"
#include "print/SelectPrintPageFrm.h"

#include "document/ZR_WorkLabel.h"
#include "shell/CaptionFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

// Printers that answer from a table: "Office" is paper-out and offline at once (144), "Laser"
// is out of paper, "Broken" fails its query.
struct FakePrinters {
    QStringList names {QStringLiteral("Office"), QStringLiteral("Broken"), QStringLiteral("Laser")};
    QString defaultName;
    QStringList messages;
    QStringList queried;

    PrintServices services()
    {
        PrintServices s;
        s.printerNames = [this] { return names; };
        s.defaultPrinter = [this] { return defaultName; };
        s.queryStatus = [this](const QString &name) -> Result<PrinterStatusRecord> {
            queried << name;
            if (name == u"Broken")
                return Error(QStringLiteral("Printer name is invalid."));
            const quint32 status = name == u"Laser"
                ? PrinterStatusBit::PaperOut
                : PrinterStatusBit::PaperOut | PrinterStatusBit::Offline;
            return PrinterStatusRecord {name, name + QStringLiteral(" driver"),
                QStringLiteral("ipp://") + name, printerStatusText(status)};
        };
        s.showMessage = [this](QWidget *, const QString &text) { messages << text; };
        return s;
    }
};

template<typename T> T *child(QWidget &parent, const char *name)
{
    return parent.findChild<T *>(QString::fromLatin1(name));
}

QString labelText(QWidget &parent, const char *name)
{
    QLabel *label = child<QLabel>(parent, name);
    return label ? label->text() : QStringLiteral("<missing>");
}

} // namespace

class TestPrintDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void printDialogControls();
    void offsetGroupToggles();
    void rangeEnableRules_data();
    void rangeEnableRules();
    void partPrintMapsToWorkLabel();
    void offsetsSavedOnlyByPrint();
    void printerStatusAndFailingQuery();
    void currentPrinterCarriesOver();
    void noPrinterIsReported();
    void pageRangeCaptions_data();
    void pageRangeCaptions();
    void pageRangeEnableRules_data();
    void pageRangeEnableRules();
    void pageRangeOffsetsAsTyped();

private:
    QString iniPath() const { return mDir.filePath(QStringLiteral("settings.ini")); }

    QTemporaryDir mDir;
    FakePrinters mPrinters;
    PrintServices mServices;
    std::unique_ptr<QSettings> mSettings;
};

void TestPrintDialogs::init()
{
    QFile::remove(iniPath());
    mSettings = std::make_unique<QSettings>(iniPath(), QSettings::IniFormat);
    mPrinters = FakePrinters();
    mServices = mPrinters.services();
    PrinterGroup::setCurrentPrinterName(QString());
}

void TestPrintDialogs::printDialogControls()
{
    TPrintFrm dialog(*mSettings, mServices);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("인쇄"));
    const QList<std::pair<const char *, QString>> buttons {
        {"Button1", QStringLiteral("인쇄")},
        {"Button3", QStringLiteral("취소")},
        {"Button4", QStringLiteral("속성")},
        {"Button5", QStringLiteral("여백수정")},
    };
    for (const auto &[name, caption] : buttons) {
        QPushButton *button = child<QPushButton>(dialog, name);
        QVERIFY2(button, name);
        QCOMPARE(button->text(), caption);
    }
    const QList<std::pair<const char *, QString>> radios {
        {"Rdo_All", QStringLiteral("전체")},
        {"Rdo_Start", QStringLiteral("시작위치")},
        {"Rdo_Part", QStringLiteral("일부분")},
        {"Rdo_PrintPaperSheet", QStringLiteral("용지")},
        {"Rdo_PrintLabelSheet", QStringLiteral("라벨")},
    };
    for (const auto &[name, caption] : radios) {
        QRadioButton *radio = child<QRadioButton>(dialog, name);
        QVERIFY2(radio, name);
        QCOMPARE(radio->text(), caption);
    }
    for (const char *name :
        {"Spe_sFrom", "Spe_From", "Spe_Sheet", "Spe_PaperSheet", "Spe_LabelSheet"})
        QVERIFY2(child<QSpinBox>(dialog, name), name);
    for (const char *name : {"lbl_state", "lbl_PrinterName", "lbl_port", "lbl_desc"})
        QVERIFY2(child<QLabel>(dialog, name), name);
    QVERIFY(child<QComboBox>(dialog, "PrinterComboBox"));
    QVERIFY(
        child<QDoubleSpinBox>(dialog, "LeftMargin") && child<QDoubleSpinBox>(dialog, "TopMargin"));
    QCOMPARE(child<QCheckBox>(dialog, "Chk_AllPrint")->text(),
        QStringLiteral("현재 작업중인 라벨을 설정한 영역에 모두 인쇄"));
    QCOMPARE(child<QCheckBox>(dialog, "Chk_Cutline")->text(), QStringLiteral("칼선 인쇄"));

    // Starting values: all cells, paper copies, the label count out of reach.
    QVERIFY(child<QRadioButton>(dialog, "Rdo_All")->isChecked());
    QVERIFY(child<QRadioButton>(dialog, "Rdo_PrintPaperSheet")->isChecked());
    QVERIFY(child<QSpinBox>(dialog, "Spe_PaperSheet")->isEnabled());
    QVERIFY(child<QSpinBox>(dialog, "Spe_LabelSheet")->isHidden());
    QVERIFY(child<QRadioButton>(dialog, "Rdo_PrintLabelSheet")->isHidden());
    QCOMPARE(child<QSpinBox>(dialog, "Spe_PaperSheet")->maximum(), 99);

    QVERIFY(child<QCheckBox>(dialog, "Chk_AllPrint")->isEnabled());
    dialog.setDesignReplicated(true);
    QVERIFY(!child<QCheckBox>(dialog, "Chk_AllPrint")->isEnabled());
}

void TestPrintDialogs::offsetGroupToggles()
{
    TPrintFrm dialog(*mSettings, mServices);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *group = child<OffsetGroup>(dialog, "OffsetGroup");
    QVERIFY(group);
    QCOMPARE(group->title(), QStringLiteral("Printer Offset"));
    QVERIFY(!group->isVisible());
    QTest::mouseClick(child<QPushButton>(dialog, "Button5"), Qt::LeftButton);
    QVERIFY(group->isVisible());
    QTest::mouseClick(child<QPushButton>(dialog, "Button5"), Qt::LeftButton);
    QVERIFY(!group->isVisible());
}

void TestPrintDialogs::rangeEnableRules_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("startCell");
    QTest::addColumn<bool>("part");
    QTest::newRow("at first") << QStringList() << false << false;
    QTest::newRow("start") << QStringList {QStringLiteral("Rdo_Start")} << true << false;
    QTest::newRow("part") << QStringList {QStringLiteral("Rdo_Part")} << false << true;
    QTest::newRow("start then part")
        << QStringList {QStringLiteral("Rdo_Start"), QStringLiteral("Rdo_Part")} << false << true;
    QTest::newRow("part then all")
        << QStringList {QStringLiteral("Rdo_Part"), QStringLiteral("Rdo_All")} << false << false;
}

void TestPrintDialogs::rangeEnableRules()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, startCell);
    QFETCH(bool, part);
    TPrintFrm dialog(*mSettings, mServices);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const QString &name : clicks)
        QTest::mouseClick(dialog.findChild<QRadioButton *>(name), Qt::LeftButton);
    QCOMPARE(child<QSpinBox>(dialog, "Spe_sFrom")->isEnabled(), startCell);
    QCOMPARE(child<QLabel>(dialog, "Lbl_sFrom")->isEnabled(), startCell);
    for (const char *name : {"Spe_From", "Spe_Sheet"})
        QCOMPARE(child<QSpinBox>(dialog, name)->isEnabled(), part);
    for (const char *name : {"Lbl_From", "Lbl_Sheet"})
        QCOMPARE(child<QLabel>(dialog, name)->isEnabled(), part);
}

void TestPrintDialogs::partPrintMapsToWorkLabel()
{
    TPrintFrm dialog(*mSettings, mServices);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(child<QRadioButton>(dialog, "Rdo_Part"), Qt::LeftButton);
    child<QSpinBox>(dialog, "Spe_From")->setValue(5);
    child<QSpinBox>(dialog, "Spe_Sheet")->setValue(3);
    child<QSpinBox>(dialog, "Spe_PaperSheet")->setValue(2);
    child<QCheckBox>(dialog, "Chk_Cutline")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    TZR_WorkLabel label;
    QVERIFY(!dialog.printSettings().applyTo(label));
    QCOMPARE(label.fromLabel(), quint16(5));
    QCOMPARE(label.startColumn(), quint16(5));
    QCOMPARE(label.labelCount(), quint16(3));
    QVERIFY(label.partPrint());
    QVERIFY(label.cutLine());
    QCOMPARE(label.printSheet(), quint16(2));
    // Offsets of 0 print with 1.0 mm more to the left and 0.5 mm more at the top.
    QCOMPARE(label.leftMargin(), 1.0);
    QCOMPARE(label.topMargin(), 0.5);
}

void TestPrintDialogs::offsetsSavedOnlyByPrint()
{
    mSettings->setValue(QStringLiteral("QuillLabel/LeftMargin"), QStringLiteral("2.5"));
    mSettings->setValue(QStringLiteral("QuillLabel/TopMargin"), QString());
    mSettings->sync();
    {
        TPrintFrm dialog(*mSettings, mServices);
        QCOMPARE(child<QDoubleSpinBox>(dialog, "LeftMargin")->value(), 2.5);
        QCOMPARE(child<QDoubleSpinBox>(dialog, "TopMargin")->value(), 0.0);
        child<QDoubleSpinBox>(dialog, "LeftMargin")->setValue(7.0);
        child<QPushButton>(dialog, "Button3")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QSettings stored(iniPath(), QSettings::IniFormat);
    QCOMPARE(
        stored.value(QStringLiteral("QuillLabel/LeftMargin")).toString(), QStringLiteral("2.5"));
    {
        TPrintFrm dialog(*mSettings, mServices);
        child<QDoubleSpinBox>(dialog, "LeftMargin")->setValue(-1.5);
        child<QDoubleSpinBox>(dialog, "TopMargin")->setValue(0.3);
        child<QPushButton>(dialog, "Button1")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    stored.sync();
    QCOMPARE(
        stored.value(QStringLiteral("QuillLabel/LeftMargin")).toString(), QStringLiteral("-1.5"));
    QCOMPARE(
        stored.value(QStringLiteral("QuillLabel/TopMargin")).toString(), QStringLiteral("0.3"));
}

void TestPrintDialogs::printerStatusAndFailingQuery()
{
    TPrintFrm dialog(*mSettings, mServices);
    auto *printers = child<QComboBox>(dialog, "PrinterComboBox");
    // No printer was current: the first one is taken and queried.
    QCOMPARE(printers->currentText(), QStringLiteral("Office"));
    QCOMPARE(dialog.printerName(), QStringLiteral("Office"));
    QCOMPARE(labelText(dialog, "lbl_state"), QStringLiteral("대기상태"));
    QCOMPARE(labelText(dialog, "lbl_PrinterName"), QStringLiteral("Office driver"));
    QCOMPARE(labelText(dialog, "lbl_port"), QStringLiteral("ipp://Office"));
    QCOMPARE(labelText(dialog, "lbl_desc"), QString());

    printers->setCurrentIndex(1);
    emit printers->activated(1);
    QCOMPARE(mPrinters.messages, QStringList {QStringLiteral("Printer name is invalid.")});
    QCOMPARE(labelText(dialog, "lbl_state"), QStringLiteral("대기상태"));
    QCOMPARE(labelText(dialog, "lbl_PrinterName"), QStringLiteral("Office driver"));

    printers->setCurrentIndex(2);
    emit printers->activated(2);
    QCOMPARE(labelText(dialog, "lbl_state"), printerStatusText(PrinterStatusBit::PaperOut));
    QCOMPARE(labelText(dialog, "lbl_port"), QStringLiteral("ipp://Laser"));
    QCOMPARE(PrinterGroup::currentPrinterName(), QStringLiteral("Laser"));
}

void TestPrintDialogs::currentPrinterCarriesOver()
{
    {
        // Without a current printer the page range dialog selects none and asks nothing.
        TZR_SelectPrintPageFrm range(CaptionFile(), *mSettings, mServices);
        QCOMPARE(child<QComboBox>(range, "PrinterComboBox")->currentIndex(), -1);
        QCOMPARE(range.printerName(), QString());
        QVERIFY(mPrinters.queried.isEmpty());
    }
    mPrinters.defaultName = QStringLiteral("Laser");
    {
        TPrintFrm dialog(*mSettings, mServices);
        QCOMPARE(dialog.printerName(), QStringLiteral("Laser"));
        auto *printers = child<QComboBox>(dialog, "PrinterComboBox");
        printers->setCurrentIndex(0);
        emit printers->activated(0);
    }
    TZR_SelectPrintPageFrm range(CaptionFile(), *mSettings, mServices);
    QCOMPARE(range.printerName(), QStringLiteral("Office"));
    QCOMPARE(labelText(range, "lbl_port"), QStringLiteral("ipp://Office"));
}

void TestPrintDialogs::noPrinterIsReported()
{
    mPrinters.names.clear();
    TPrintFrm dialog(*mSettings, mServices);
    QCOMPARE(child<QComboBox>(dialog, "PrinterComboBox")->count(), 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTRY_COMPARE(mPrinters.messages, QStringList {noPrinterMessage()});
    QVERIFY(mPrinters.queried.isEmpty());
}

void TestPrintDialogs::pageRangeCaptions_data()
{
    QTest::addColumn<QString>("captionFile");
    QTest::addColumn<QStringList>("texts"); // form, group, items 0..2, between, OK, cancel,
                                            // offset group, left, top
    QTest::newRow("label.dat") << QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")
                               << QStringList {QStringLiteral("인쇄할 페이지 선택"),
                                      QStringLiteral("인쇄 범위"), QStringLiteral("모든 페이지"),
                                      QStringLiteral("한 페이지"), QStringLiteral("페이지 범위"),
                                      QStringLiteral("~"), QStringLiteral("확인"),
                                      QStringLiteral("취소"), QStringLiteral("인쇄 위치 보정"),
                                      QStringLiteral("왼쪽 여백 :"), QStringLiteral("위쪽 여백 :")};
    QTest::newRow("no section") << QStringLiteral("missing.dat")
                                << QStringList(11, QStringLiteral("Null"));
}

void TestPrintDialogs::pageRangeCaptions()
{
    QFETCH(QString, captionFile);
    QFETCH(QStringList, texts);
    const CaptionFile captions(
        QFileInfo(captionFile).isAbsolute() ? captionFile : mDir.filePath(captionFile));
    TZR_SelectPrintPageFrm dialog(captions, *mSettings, mServices);
    auto *offsets = child<OffsetGroup>(dialog, "OffsetGroup");
    const auto offsetLabel = [offsets](const char *spinName) {
        // The caption sits left of its spin box in the group's grid.
        auto *grid = qobject_cast<QGridLayout *>(offsets->layout());
        auto *spin = offsets->findChild<QWidget *>(QString::fromLatin1(spinName));
        int row = 0, column = 0, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(spin), &row, &column, &rs, &cs);
        return qobject_cast<QLabel *>(grid->itemAtPosition(row, 0)->widget())->text();
    };
    const QStringList actual {dialog.windowTitle(),
        child<QGroupBox>(dialog, "PrintOption1")->title(),
        child<QRadioButton>(dialog, "Items0")->text(),
        child<QRadioButton>(dialog, "Items1")->text(),
        child<QRadioButton>(dialog, "Items2")->text(), labelText(dialog, "StaticText2"),
        child<QPushButton>(dialog, "OKBtn")->text(),
        child<QPushButton>(dialog, "CancelBtn")->text(), offsets->title(),
        offsetLabel("LeftMargin"), offsetLabel("TopMargin")};
    QCOMPARE(actual, texts);
    QCOMPARE(child<QPushButton>(dialog, "OKBtn")->cursor().shape(), Qt::PointingHandCursor);
}

void TestPrintDialogs::pageRangeEnableRules_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("only");
    QTest::addColumn<bool>("range");
    QTest::newRow("all sheets") << 0 << false << false;
    QTest::newRow("one sheet") << 1 << true << false;
    QTest::newRow("range of sheets") << 2 << false << true;
}

void TestPrintDialogs::pageRangeEnableRules()
{
    QFETCH(int, item);
    QFETCH(bool, only);
    QFETCH(bool, range);
    TZR_SelectPrintPageFrm dialog(CaptionFile(), *mSettings, mServices);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Go through another item first so that the rule is applied by the change.
    QTest::mouseClick(
        dialog.findChild<QRadioButton *>(QStringLiteral("Items%1").arg((item + 1) % 3)),
        Qt::LeftButton);
    QTest::mouseClick(
        dialog.findChild<QRadioButton *>(QStringLiteral("Items%1").arg(item)), Qt::LeftButton);
    QCOMPARE(child<QSpinBox>(dialog, "OnlyStartPage")->isEnabled(), only);
    QCOMPARE(child<QSpinBox>(dialog, "FromStartPage")->isEnabled(), range);
    QCOMPARE(child<QSpinBox>(dialog, "ToEndPage")->isEnabled(), range);
    QCOMPARE(child<QLabel>(dialog, "StaticText2")->isEnabled(), range);
    QCOMPARE(dialog.pageRange().option, item);
}

void TestPrintDialogs::pageRangeOffsetsAsTyped()
{
    TZR_SelectPrintPageFrm dialog(CaptionFile(), *mSettings, mServices);
    child<QRadioButton>(dialog, "Items2")->click();
    child<QSpinBox>(dialog, "FromStartPage")->setValue(2);
    child<QSpinBox>(dialog, "ToEndPage")->setValue(3);
    child<QPushButton>(dialog, "OKBtn")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    TZR_WorkLabel label;
    const SheetRange sheets = dialog.pageRange().applyTo(label, 5);
    QCOMPARE(sheets.first, 2);
    QCOMPARE(sheets.last, 3);
    // Offsets of 0 stay 0: this dialog adds nothing.
    QCOMPARE(label.leftMargin(), 0.0);
    QCOMPARE(label.topMargin(), 0.0);
    QSettings stored(iniPath(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("QuillLabel/LeftMargin")).toString(), QStringLiteral("0"));
    QCOMPARE(stored.value(QStringLiteral("QuillLabel/TopMargin")).toString(), QStringLiteral("0"));
}

QTEST_MAIN(TestPrintDialogs)
#include "tst_printdialogs.moc"
