// The new label job dialog and the user-defined paper dialog, driven through their controls.
#include "catalogue/NewJobFrm.h"
#include "catalogue/NewModifyFrm.h"
#include "catalogue/SheetPreviewBox.h"

#include "catalogue/UserCatalogue.h"
#include "shell/CaptionFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

CatalogueRecord product(const QString &code, const QString &family, const QString &paper,
                        int columns, int rows, const QString &width, const QString &height)
{
    return {{u"Code"_s, code},          {u"Product"_s, family},      {u"Paper"_s, paper},
            {u"Type"_s, u"SHEET"_s},    {u"P_Width"_s, u"210"_s},    {u"P_Height"_s, u"297"_s},
            {u"L_Columns"_s, QString::number(columns)},
            {u"L_Rows"_s, QString::number(rows)},
            {u"L_Margin"_s, u"5"_s},    {u"R_Margin"_s, u"5"_s},     {u"T_Margin"_s, u"10"_s},
            {u"B_Margin"_s, u"10"_s},   {u"L_Width"_s, width},       {u"L_Height"_s, height},
            {u"C_Space"_s, u"2"_s},     {u"R_Space"_s, u"0"_s},      {u"Shape"_s, u"Rect"_s},
            {u"Radios"_s, u"0"_s},      {u"C_Code"_s, u"$00F04040"_s}, {u"Color"_s, u"빨강"_s},
            {u"Remark"_s, u"레이저 전용"_s},
            {u"L_TOTAL"_s, QString::number(columns * rows)}};
}

CatalogueRecord withShape(CatalogueRecord record, const QString &shape)
{
    record.insert(u"Shape"_s, shape);
    return record;
}

PaperCatalogue sampleCatalogue()
{
    const QList<CatalogueRecord> records{
        product(u"QL-2121"_s, u"주소라벨"_s, u"일반용지"_s, 3, 7, u"63.5"_s, u"38.1"_s),
        product(u"QL-2110"_s, u"주소라벨"_s, u"일반용지"_s, 2, 5, u"99.1"_s, u"57"_s),
        product(u"QL-2108"_s, u"주소라벨"_s, u"일반용지"_s, 2, 4, u"99.1"_s, u"67.7"_s),
        product(u"QL-2108L"_s, u"주소라벨"_s, u"레이저전용"_s, 2, 4, u"99.1"_s, u"67.7"_s),
        withShape(product(u"QL-5110"_s, u"명함"_s, u"일반용지"_s, 2, 5, u"90"_s, u"50"_s),
                  u"Rectangle"_s),
        withShape(product(u"QL-5112"_s, u"명함"_s, u"일반용지"_s, 2, 6, u"90"_s, u"45"_s),
                  u"R.Rect"_s),
        product(u"QL-3101"_s, u"인덱스라벨"_s, u"일반용지"_s, 4, 12, u"45"_s, u"20"_s),
    };
    DataTable table = emptyCatalogueTable();
    for (const CatalogueRecord &record : records)
        table.rows.append(catalogueRow(record).value());
    return PaperCatalogue(table);
}

template <typename T> T *child(QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

QStringList listedCodes(TNewJobFrm &dialog)
{
    QStringList codes;
    const ProductListModel &model = dialog.products();
    for (int row = 0; row < model.rowCount(); ++row)
        codes.append(model.data(model.index(row, ProductListModel::CodeColumn)).toString());
    return codes;
}

void retype(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestNewJobDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opensOnTheCaptionFilesChoice();
    void familiesAndRows();
    void countSearch();
    void countSearchWithoutMatch();
    void finerSearchFiltersAsTyped();
    void sortingKeepsTheChosenProduct();
    void doubleClickConfirms();
    void userPaperIsAddedAndFoundByCount();
    void userPaperFieldsRefuseBadNumbers();
    void userPaperCancelAddsNothing();
    void help();

private:
    NewJobServices services();
    std::unique_ptr<TNewJobFrm> dialog();

    std::unique_ptr<QTemporaryDir> mDir;
    CaptionFile mCaptions;
    PaperCatalogue mCatalogue;
    QStringList mMessages;
    QStringList mOpened;
    std::function<bool(TNewModifyFrm &)> mUserForm;
};

void TestNewJobDialogs::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    mCaptions = CaptionFile(QDir(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR)).filePath(u"label.dat"_s));
    QVERIFY(mCaptions.exists());
    mCatalogue = sampleCatalogue();
    mMessages.clear();
    mOpened.clear();
    mUserForm = nullptr;
}

NewJobServices TestNewJobDialogs::services()
{
    NewJobServices s;
    s.showMessage = [this](QWidget *, const QString &text) { mMessages << text; };
    s.execDialog = [this](QDialog &dialog) {
        auto *form = qobject_cast<TNewModifyFrm *>(&dialog);
        return form && mUserForm && mUserForm(*form);
    };
    s.openDocument = [this](const QString &path) {
        mOpened << path;
        return true;
    };
    s.chooseColour = [](QWidget *, const QColor &) -> std::optional<QColor> {
        return QColor(0x30, 0x80, 0xC0);
    };
    return s;
}

std::unique_ptr<TNewJobFrm> TestNewJobDialogs::dialog()
{
    return std::make_unique<TNewJobFrm>(mCatalogue, mCaptions, mDir->filePath(u"spec.db"_s),
                                        mDir->path(), services());
}

void TestNewJobDialogs::opensOnTheCaptionFilesChoice()
{
    auto d = dialog();
    QCOMPARE(d->windowTitle(), u"새로 만들기"_s);
    // No "A4" in this catalogue: the first paper kind of the caption file's list.
    QCOMPARE(child<QComboBox>(*d, "PaperTypeBox")->currentText(), u"일반용지"_s);
    auto *families = child<QListWidget>(*d, "LabelTypeBox");
    QCOMPARE(families->currentItem()->text(), u"주소라벨"_s); // [LabelType] item1
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-2108"_s, u"QL-2110"_s, u"QL-2121"_s}));
    QVERIFY(child<QPushButton>(*d, "okbtn")->isEnabled());
    QCOMPARE(d->labelSize()->labelCode(), u"QL-2108"_s);
    // Catalogue colours are red first; the sheet holds them blue first.
    QCOMPARE(d->labelSize()->color(), TColor(0x4040F0));
    QCOMPARE(child<QLabel>(*d, "LabelNum")->text(), u"8"_s);
    QCOMPARE(child<QPushButton>(*d, "userbtn")->text(), u"사용자 정의"_s);
    QCOMPARE(d->products().headerData(0, Qt::Horizontal).toString(), u"제품코드"_s);
}

void TestNewJobDialogs::familiesAndRows()
{
    auto d = dialog();
    auto *families = child<QListWidget>(*d, "LabelTypeBox");
    families->setCurrentItem(families->findItems(u"명함"_s, Qt::MatchExactly).first());
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-5110"_s, u"QL-5112"_s}));
    QCOMPARE(d->labelSize()->labelCode(), u"QL-5110"_s);
    // Every row is read into a fresh sheet: a shape word the sheet does not know ("Rectangle")
    // never keeps the rounded corners of the product shown before it.
    auto *list = child<QTableView>(*d, "ProductList");
    QCOMPARE(d->labelSize()->shape(), stRectangle);
    list->setCurrentIndex(d->products().index(1, 0));
    QCOMPARE(d->labelSize()->shape(), stRoundRect);
    list->setCurrentIndex(d->products().index(0, 0));
    QCOMPARE(d->labelSize()->shape(), stRectangle);

    families->setCurrentItem(families->findItems(u"주소라벨"_s, Qt::MatchExactly).first());
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.get()));
    const QRect third = list->visualRect(d->products().index(2, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
    QCOMPARE(d->labelSize()->labelCode(), u"QL-2121"_s);
    QCOMPARE(child<QLabel>(*d, "LabelNum")->text(), u"21"_s);
    QCOMPARE(d->chosenRecord()->value(u"L_Width"_s), u"63.5"_s);

    // Another paper kind lists its own families and chooses the first.
    child<QComboBox>(*d, "PaperTypeBox")->setCurrentText(u"레이저전용"_s);
    QCOMPARE(families->currentItem()->text(), u"주소라벨"_s);
    QCOMPARE(listedCodes(*d), QStringList{u"QL-2108L"_s});

    // A product by its code, on its own paper kind and family (changing an open document's
    // label paper starts there).
    QVERIFY(d->chooseProduct(u"ql-5110"_s));
    QCOMPARE(child<QComboBox>(*d, "PaperTypeBox")->currentText(), u"일반용지"_s);
    QCOMPARE(families->currentItem()->text(), u"명함"_s);
    QCOMPARE(d->labelSize()->labelCode(), u"QL-5110"_s);
    QVERIFY(!d->chooseProduct(u"NO-SUCH"_s));
    QCOMPARE(d->labelSize()->labelCode(), u"QL-5110"_s);
}

void TestNewJobDialogs::countSearch()
{
    auto d = dialog();
    auto *keyword = child<QLineEdit>(*d, "SearchKeyword");
    QTest::keyClick(keyword, Qt::Key_Return);
    QCOMPARE(mMessages, QStringList{u"찾고자 하는 라벨의 칸수를 입력하십시오."_s});
    mMessages.clear();

    QTest::keyClicks(keyword, u"1x0"_s);
    QCOMPARE(keyword->text(), u"10"_s);
    QCOMPARE(mMessages, QStringList{u"숫자만 입력 가능합니다."_s});
    mMessages.clear();
    d->show();
    QTest::keyClick(keyword, Qt::Key_Return); // searches, and does not confirm the dialog
    QVERIFY(d->isVisible());
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-2110"_s, u"QL-5110"_s}));
    QCOMPARE(d->labelSize()->labelCode(), u"QL-2110"_s);
    QVERIFY(mMessages.isEmpty());

    // Every paper kind: the laser paper's 8-label product shows up too.
    retype(keyword, u"8"_s);
    child<QCheckBox>(*d, "AllPapers")->setChecked(true);
    child<QPushButton>(*d, "SearchBtn")->click();
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-2108"_s, u"QL-2108L"_s}));
}

void TestNewJobDialogs::countSearchWithoutMatch()
{
    auto d = dialog();
    retype(child<QLineEdit>(*d, "SearchKeyword"), u"99"_s);
    d->SearchBtnClick();
    QCOMPARE(listedCodes(*d), QStringList{});
    // No product: nothing to confirm, nothing kept from the product shown before.
    QVERIFY(!child<QPushButton>(*d, "okbtn")->isEnabled());
    QVERIFY(!d->labelSize());
    QCOMPARE(child<QLabel>(*d, "LabelNum")->text(), QString());
    QVERIFY(!child<SheetPreviewBox>(*d, "LabelImage")->hasSheet());
    child<QPushButton>(*d, "okbtn")->click();
    QCOMPARE(d->result(), int(QDialog::Rejected));
}

void TestNewJobDialogs::finerSearchFiltersAsTyped()
{
    auto d = dialog();
    auto *text = child<QLineEdit>(*d, "TextSearch");
    QTest::keyClicks(text, u"ql-21"_s);
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-2108"_s, u"QL-2110"_s, u"QL-2121"_s}));
    QTest::keyClicks(text, u"1"_s);
    QCOMPARE(listedCodes(*d), QStringList{u"QL-2110"_s});
    text->clear();
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-2108"_s, u"QL-2110"_s, u"QL-2121"_s}));

    child<QDoubleSpinBox>(*d, "SizeWidth")->setValue(99.0);
    child<QDoubleSpinBox>(*d, "SizeTolerance")->setValue(0.2);
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-2108"_s, u"QL-2110"_s}));
    child<QDoubleSpinBox>(*d, "SizeWidth")->setValue(0.0);
    child<QSpinBox>(*d, "GridColumns")->setValue(2);
    child<QSpinBox>(*d, "GridRows")->setValue(5);
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-2110"_s, u"QL-5110"_s}));
    child<QCheckBox>(*d, "AllPapers")->setChecked(true);
    child<QSpinBox>(*d, "GridRows")->setValue(4);
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-2108"_s, u"QL-2108L"_s}));

    // Choosing a family again empties the finer search.
    auto *families = child<QListWidget>(*d, "LabelTypeBox");
    families->setCurrentItem(families->findItems(u"인덱스라벨"_s, Qt::MatchExactly).first());
    QCOMPARE(listedCodes(*d), QStringList{u"QL-3101"_s});
    QCOMPARE(child<QSpinBox>(*d, "GridColumns")->value(), 0);
}

void TestNewJobDialogs::sortingKeepsTheChosenProduct()
{
    auto d = dialog();
    auto *list = child<QTableView>(*d, "ProductList");
    list->setCurrentIndex(d->products().index(1, 0)); // QL-2110
    QCOMPARE(d->labelSize()->labelCode(), u"QL-2110"_s);
    list->sortByColumn(ProductListModel::SizeColumn, Qt::DescendingOrder);
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-2108"_s, u"QL-2110"_s, u"QL-2121"_s}));
    list->sortByColumn(ProductListModel::CodeColumn, Qt::DescendingOrder);
    QCOMPARE(listedCodes(*d), (QStringList{u"QL-2121"_s, u"QL-2110"_s, u"QL-2108"_s}));
    QCOMPARE(d->products().catalogueIndex(list->currentIndex().row()), 1);
    QCOMPARE(d->labelSize()->labelCode(), u"QL-2110"_s);
}

void TestNewJobDialogs::doubleClickConfirms()
{
    auto d = dialog();
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.get()));
    auto *list = child<QTableView>(*d, "ProductList");
    const QPoint second = list->visualRect(d->products().index(1, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(d->labelSize()->labelCode(), u"QL-2110"_s);
    QCOMPARE(d->labelSize()->columns(), 2);
    QCOMPARE(d->labelSize()->rows(), 5);
}

void TestNewJobDialogs::userPaperIsAddedAndFoundByCount()
{
    bool formChecked = false;
    mUserForm = [&formChecked](TNewModifyFrm &form) {
        formChecked = form.windowTitle() == u"사용자 정의 라벨용지"
            && child<QPushButton>(form, "okbtn")->text() == u"추가"
            && child<QComboBox>(form, "EditLabelType")->currentText() == u"사용자 정의"
            && child<QRadioButton>(form, "a4paper")->isChecked()
            && !child<QLineEdit>(form, "EditPageWidth")->isEnabled();
        for (const char *margin : {"EditLeftMargin", "EditRightMargin", "EditTopMargin",
                                   "EditBottomMargin"})
            retype(child<QLineEdit>(form, margin), u"10"_s);
        retype(child<QLineEdit>(form, "EditColumns"), u"2"_s);
        retype(child<QLineEdit>(form, "EditRows"), u"5"_s);
        if (child<QLineEdit>(form, "EditWidth")->text() != u"95"
            || child<QLineEdit>(form, "EditHeight")->text() != u"55.4"
            || child<QLineEdit>(form, "EditLabelsPerSheet")->text() != u"10"
            || child<QLabel>(form, "LabelNum")->text() != u"10")
            return false;
        child<QPushButton>(form, "Cbo_LabelColor")->click();
        child<QPushButton>(form, "okbtn")->click();
        return form.result() == QDialog::Accepted;
    };
    auto d = dialog();
    child<QPushButton>(*d, "userbtn")->click();
    QVERIFY(formChecked);
    QVERIFY(mMessages.isEmpty());

    // The new product is chosen at once, on its own paper kind and family.
    QCOMPARE(child<QComboBox>(*d, "PaperTypeBox")->currentText(), u"A4"_s);
    QCOMPARE(child<QListWidget>(*d, "LabelTypeBox")->currentItem()->text(), u"사용자 정의"_s);
    QCOMPARE(d->labelSize()->labelCode(), u"User"_s);
    QCOMPARE(d->labelSize()->color(), TColor(0xC08030)); // as chosen, blue first
    QVERIFY(std::abs(d->labelSize()->width() * 25.4 - 95.0) < 1e-9);
    QVERIFY(std::abs(d->labelSize()->height() * 25.4 - 55.4) < 1e-9);

    // The count search finds it.
    retype(child<QLineEdit>(*d, "SearchKeyword"), u"10"_s);
    d->SearchBtnClick();
    QCOMPARE(listedCodes(*d), QStringList{u"User"_s});

    // It is in the user's catalogue file, and stays there across an update of the installed one.
    const QString installed = mDir->filePath(u"installed.db"_s);
    QVERIFY(sampleCatalogue().save(installed).ok());
    const Result<PaperCatalogue> reopened =
        openUserCatalogue(installed, mDir->filePath(u"spec.db"_s));
    QVERIFY(reopened.ok());
    QCOMPARE(reopened.value().productsWithLabelCount(10, u"A4"_s).size(), 1);
}

void TestNewJobDialogs::userPaperFieldsRefuseBadNumbers()
{
    TNewModifyFrm form(mCatalogue, mCaptions, mDir->filePath(u"spec.db"_s), services());
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *left = child<QLineEdit>(form, "EditLeftMargin");
    auto *width = child<QLineEdit>(form, "EditWidth");
    QCOMPARE(width->text(), u"190"_s);
    left->setCursorPosition(left->text().size());
    QTest::keyClicks(left, u"x"_s);
    QCOMPARE(mMessages, QStringList{u"숫자만 입력 가능합니다."_s});
    QCOMPARE(left->text(), u"10"_s);
    QCOMPARE(width->text(), u"190"_s);

    auto *gap = child<QLineEdit>(form, "EditHorizontalSpace");
    retype(gap, u"45"_s);
    QCOMPARE(gap->text(), u"30"_s);

    auto *columns = child<QLineEdit>(form, "EditColumns");
    retype(columns, u"3"_s);
    QCOMPARE(width->text(), u"43.3333333333333"_s); // (210 - 20 - 2 x 30) / 3
    columns->setFocus();
    columns->selectAll();
    QTest::keyClick(columns, Qt::Key_Delete);
    QCOMPARE(columns->text(), QString()); // still being typed
    QTest::keyClick(columns, Qt::Key_Return); // walks on; the empty field becomes 1
    QCOMPARE(columns->text(), u"1"_s);
    QCOMPARE(child<QLineEdit>(form, "EditLabelsPerSheet")->text(), u"1"_s);

    // Other sheet sizes unlock the page fields; the shape decides the radius.
    child<QRadioButton>(form, "otherpaper")->click();
    QVERIFY(child<QLineEdit>(form, "EditPageWidth")->isEnabled());
    child<QRadioButton>(form, "b5paper")->click();
    QCOMPARE(child<QLineEdit>(form, "EditPageWidth")->text(), u"182"_s);
    QVERIFY(!child<QLineEdit>(form, "EditPageWidth")->isEnabled());
    child<QComboBox>(form, "EditShape")->setCurrentText(u"Circle"_s);
    QVERIFY(!child<QLineEdit>(form, "EditRectangleRadius")->isEnabled());
    QCOMPARE(form.paper().shape, u"Circle"_s);

    // The form is destroyed while shown with a field focused: the focus leaving that field as
    // the dialog hides must not reach the half-destroyed form.
    child<QLineEdit>(form, "EditTopMargin")->setFocus();
    QVERIFY(child<QLineEdit>(form, "EditTopMargin")->hasFocus());
}

void TestNewJobDialogs::userPaperCancelAddsNothing()
{
    // Margins that leave no room: the product is refused with a message and nothing is added.
    mUserForm = [](TNewModifyFrm &form) {
        retype(child<QLineEdit>(form, "EditLeftMargin"), u"60"_s);
        retype(child<QLineEdit>(form, "EditRightMargin"), u"60"_s);
        retype(child<QLineEdit>(form, "EditColumns"), u"30"_s);
        retype(child<QLineEdit>(form, "EditHorizontalSpace"), u"30"_s);
        child<QPushButton>(form, "okbtn")->click();
        if (form.result() == QDialog::Accepted)
            return true;
        child<QPushButton>(form, "cancelbtn")->click();
        return false;
    };
    auto d = dialog();
    const QString before = d->labelSize()->labelCode();
    child<QPushButton>(*d, "userbtn")->click();
    QCOMPARE(mMessages, QStringList{u"라벨의 너비와 높이가 0보다 커야 합니다."_s});
    QCOMPARE(mCatalogue.count(), sampleCatalogue().count());
    QVERIFY(!QFile::exists(mDir->filePath(u"spec.db"_s)));
    QCOMPARE(d->labelSize()->labelCode(), before);
}

void TestNewJobDialogs::help()
{
    auto d = dialog();
    child<QPushButton>(*d, "helpbtn")->click();
    const QString path = QDir(mDir->path()).filePath(u"help/quilllabel.html"_s);
    QCOMPARE(mMessages, QStringList{QDir::toNativeSeparators(path) + u" 파일을 찾을 수 없습니다."_s});
    QVERIFY(QDir(mDir->path()).mkpath(u"help"_s));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    child<QPushButton>(*d, "helpbtn")->click();
    QCOMPARE(mOpened, QStringList{path});
}

QTEST_MAIN(TestNewJobDialogs)
#include "tst_newjob.moc"
