// The cell overview window: thumbnails, picking cells, page tabs, adding and deleting pages.
#include "editor/OverviewSheetView.h"
#include "editor/prvLabelWorkForm.h"

#include "document/LabelDocument.h"
#include "editing/OverviewPlacement.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_VantorShape.h"
#include "shell/CaptionFile.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

using namespace quill;

namespace {

// rows x columns cells of 2 x 1 inches on a sheet with 0.25 inch margins and gaps.
TZR_LabelSize sheetOf(int rows, int columns, bool landscape = false)
{
    TZR_LabelSize sheet;
    sheet.setWidth(2.0);
    sheet.setHeight(1.0);
    sheet.setRows(quint16(rows));
    sheet.setColumns(quint16(columns));
    sheet.setLeftMargin(0.25f);
    sheet.setTopMargin(0.25f);
    sheet.setHorizSpace(0.25f);
    sheet.setVertSpace(0.25f);
    const double width = 0.25 + columns * 2.25;
    const double height = 0.25 + rows * 1.25;
    // A landscape sheet is wider than high: give it room on the right.
    sheet.setPageWidth(landscape ? qMax(width, height + 1.0) : width);
    sheet.setPageHeight(landscape ? height : qMax(height, width + 1.0));
    sheet.setPaper(QStringLiteral("A4"));
    return sheet;
}

std::unique_ptr<TZR_VantorShape> blackBox(const QRect &bounds)
{
    auto shape = std::make_unique<TZR_VantorShape>();
    shape->setShape(mstRectangle);
    shape->setBounds(bounds);
    shape->setPenColor(0);
    shape->setBrushColor(0);
    shape->setBrushStyle(0); // bsSolid
    return shape;
}

struct Fixture {
    CaptionFile captions{QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")};
    LabelDocument document;
    QStringList questions;
    bool answer = true;
    std::unique_ptr<TprvLabelWorkForm> form;
    int leaves = 0;

    explicit Fixture(const TZR_LabelSize &sheet)
    {
        document.newDocument(sheet);
        WorkAreaPrompts prompts;
        prompts.askYesNo = [this](QWidget *, const QString &caption, const QString &text) {
            questions << caption + u'|' + text;
            return answer;
        };
        form = std::make_unique<TprvLabelWorkForm>(&document, captions, prompts);
        QObject::connect(form.get(), &TprvLabelWorkForm::aboutToLeaveCell,
                         [this] { ++leaves; });
        form->resize(360, 460);
        form->show();
    }
    OverviewSheetView &view() { return *form->sheetView(); }
    QLabel *pageLabel() { return form->findChild<QLabel *>(QStringLiteral("PageLabel")); }
    QTabBar *tabs() { return form->findChild<QTabBar *>(QStringLiteral("PageTabs")); }
    QPushButton *button(const char *name)
    {
        return form->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    void clickCell(int cell)
    {
        QTest::mouseClick(&view(), Qt::LeftButton, {}, view().cellRects().at(cell - 1).center());
    }
    QImage shot()
    {
        QImage image(view().size(), QImage::Format_RGB32);
        QPainter painter(&image);
        view().paintSheet(painter);
        return image;
    }
};

} // namespace

class TestOverview : public QObject {
    Q_OBJECT
private slots:
    void titleAndPageText();
    void clickingAThumbnailSelectsTheCell();
    void cellsSitWherePrintingPutsThem_data();
    void cellsSitWherePrintingPutsThem();
    void addPageUpToTen();
    void deletePage();
    void tabsSwitchPages();
    void thumbnailsShowTheObjects();
    void applyToAllMarksTheOtherCells();
    void thumbnailsRedrawnOnlyWhenTheirCellChanges();
};

void TestOverview::titleAndPageText()
{
    Fixture f(sheetOf(7, 3));
    QCOMPARE(f.form->windowTitle(), QStringLiteral("[21칸라벨, A4] 라벨용지"));
    QCOMPARE(f.pageLabel()->text(), QStringLiteral("1/1 페이지"));
    QCOMPARE(f.tabs()->count(), 1);
    QCOMPARE(f.view().cellRects().size(), 21);
    // A new sheet lays the window out again.
    QVERIFY(f.document.newDocument(sheetOf(2, 2)).ok());
    QCOMPARE(f.form->windowTitle(), QStringLiteral("[4칸라벨, A4] 라벨용지"));
    QCOMPARE(f.view().cellRects().size(), 4);
    QVERIFY(f.form->windowFlags() & Qt::WindowStaysOnTopHint);
}

void TestOverview::clickingAThumbnailSelectsTheCell()
{
    Fixture f(sheetOf(7, 3));
    QSignalSpy cells(&f.document, &LabelDocument::currentCellChanged);
    f.clickCell(5);
    QCOMPARE(f.document.currentCell(), 5);
    QCOMPARE(f.document.currentPage(), 1);
    QCOMPARE(f.leaves, 1); // the owner ended editing before the cell changed
    f.clickCell(5);        // the current cell again: nothing
    QCOMPARE(f.leaves, 1);
    QCOMPARE(cells.size(), 1);
    f.clickCell(21);
    QCOMPARE(f.document.currentCell(), 21);
    // Between cells nothing is picked.
    const QRect a = f.view().cellRects().at(0);
    const QRect b = f.view().cellRects().at(1);
    QTest::mouseClick(&f.view(), Qt::LeftButton, {}, QPoint((a.right() + b.left()) / 2, a.center().y()));
    QCOMPARE(f.document.currentCell(), 21);
    // The current cell has the red outline.
    const QRect current = f.view().cellRects().at(20);
    const QRgb edge = f.shot().pixel(current.left() + 1, current.center().y());
    QVERIFY(qRed(edge) > 200 && qGreen(edge) < 60);
    QVERIFY(!f.document.isModified());
}

void TestOverview::cellsSitWherePrintingPutsThem_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    // Portrait sheets run row by row.
    QTest::newRow("portrait 1") << false << 1 << 0 << 0;
    QTest::newRow("portrait 2") << false << 2 << 0 << 1;
    QTest::newRow("portrait 4") << false << 4 << 1 << 0;
    // Landscape sheets run up the columns from the bottom row, as printing places them.
    QTest::newRow("landscape 1") << true << 1 << 2 << 0;
    QTest::newRow("landscape 2") << true << 2 << 1 << 0;
    QTest::newRow("landscape 4") << true << 4 << 2 << 1;
}

void TestOverview::cellsSitWherePrintingPutsThem()
{
    QFETCH(bool, landscape);
    QFETCH(int, cell);
    QFETCH(int, row);
    QFETCH(int, column);
    const TZR_LabelSize sheet = sheetOf(3, 3, landscape);
    Fixture f(sheet);
    const QList<QRect> &rects = f.view().cellRects();
    // Rows and columns of the rectangles, from their order on the sheet.
    QList<int> lefts, tops;
    for (const QRect &r : rects) {
        if (!lefts.contains(r.left()))
            lefts << r.left();
        if (!tops.contains(r.top()))
            tops << r.top();
    }
    std::sort(lefts.begin(), lefts.end());
    std::sort(tops.begin(), tops.end());
    QCOMPARE(lefts.size(), 3);
    QCOMPARE(tops.size(), 3);
    QCOMPARE(tops.indexOf(rects.at(cell - 1).top()), row);
    QCOMPARE(lefts.indexOf(rects.at(cell - 1).left()), column);
    f.clickCell(cell);
    QCOMPARE(f.document.currentCell(), cell);
    // The sheet keeps its proportions.
    const QRect outline = f.view().sheetRect();
    QVERIFY(qAbs(double(outline.width()) / outline.height()
                 - sheet.pageWidth() / sheet.pageHeight()) < 0.02);
}

void TestOverview::addPageUpToTen()
{
    Fixture f(sheetOf(2, 2));
    QPushButton *add = f.button("AddPageBtn");
    for (int i = 2; i <= LabelDocument::MaxPages; ++i) {
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(f.document.pageCount(), i);
        QCOMPARE(f.document.currentPage(), 1); // adding keeps the page shown
        QCOMPARE(f.tabs()->count(), i);
        QCOMPARE(f.pageLabel()->text(), QStringLiteral("1/%1 페이지").arg(i));
    }
    QVERIFY(!add->isEnabled());
    f.form->AddPageBtnClick(); // the eleventh is refused
    QCOMPARE(f.document.pageCount(), LabelDocument::MaxPages);
    QCOMPARE(f.tabs()->count(), LabelDocument::MaxPages);
    QVERIFY(f.document.isModified());
    QCOMPARE(f.leaves, 0);
}

void TestOverview::deletePage()
{
    Fixture f(sheetOf(2, 2));
    QPushButton *remove = f.button("DeletePageBtn");
    // The only page: never deleted, nothing asked.
    QVERIFY(!remove->isEnabled());
    f.form->DeletePageBtnClick();
    QCOMPARE(f.document.pageCount(), 1);
    QVERIFY(f.questions.isEmpty());

    f.form->AddPageBtnClick();
    f.form->AddPageBtnClick();
    f.document.setModified(false);
    f.form->selectPage(3);
    QCOMPARE(f.document.currentPage(), 3);
    const int leaves = f.leaves;
    // Answered no: nothing changes.
    f.answer = false;
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(f.questions.size(), 1);
    QCOMPARE(f.questions.first(),
             QStringLiteral("페이지 삭제|현재 페이지를 삭제하시겠습니까?"));
    QCOMPARE(f.document.pageCount(), 3);
    QCOMPARE(f.leaves, leaves);
    QVERIFY(!f.document.isModified());
    // Yes: page 3 of 3 goes and page 2 becomes current.
    f.answer = true;
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(f.document.pageCount(), 2);
    QCOMPARE(f.document.currentPage(), 2);
    QCOMPARE(f.leaves, leaves + 1);
    QCOMPARE(f.tabs()->count(), 2);
    QCOMPARE(f.tabs()->currentIndex(), 1);
    QCOMPARE(f.pageLabel()->text(), QStringLiteral("2/2 페이지"));
    QVERIFY(f.document.isModified());
}

void TestOverview::tabsSwitchPages()
{
    Fixture f(sheetOf(2, 2));
    f.form->AddPageBtnClick();
    f.clickCell(3);
    f.document.cell(2, 3)->addObject(blackBox(QRect(0, 0, 192, 96)));
    const int leaves = f.leaves;
    QTabBar *tabs = f.tabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCOMPARE(f.document.currentPage(), 2);
    QCOMPARE(f.document.currentCell(), 3); // the cell number is kept
    QCOMPARE(f.leaves, leaves + 1);
    QCOMPARE(f.pageLabel()->text(), QStringLiteral("2/2 페이지"));
    // The thumbnails are those of the page shown.
    const QRect cell3 = f.view().cellRects().at(2);
    QCOMPARE(qGray(f.shot().pixel(cell3.center())), 0);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QCOMPARE(f.document.currentPage(), 1);
    QVERIFY(qGray(f.shot().pixel(cell3.center())) > 200);
}

void TestOverview::thumbnailsShowTheObjects()
{
    Fixture f(sheetOf(3, 2));
    // A black box over the right half of cell 2.
    f.document.cell(1, 2)->addObject(blackBox(QRect(96, 0, 96, 96)));
    f.document.notifyChanged();
    const QImage image = f.shot();
    const QRect cell2 = f.view().cellRects().at(1);
    QCOMPARE(qGray(image.pixel(cell2.left() + cell2.width() * 3 / 4, cell2.center().y())), 0);
    QVERIFY(qGray(image.pixel(cell2.left() + cell2.width() / 4, cell2.center().y())) > 200);
    // Field labels show the current record when given one.
    auto label = std::make_unique<TZR_GuideLabel>();
    label->setBounds(QRect(0, 0, 192, 96));
    label->setFieldName(QStringLiteral("NAME"));
    f.document.cell(1, 4)->addObject(std::move(label));
    const QImage own = f.shot();
    f.form->setFieldValues({{QStringLiteral("NAME"), QStringLiteral("WWWWWWWWWWWWWW")}}, {});
    QVERIFY(f.shot() != own);
}

void TestOverview::applyToAllMarksTheOtherCells()
{
    Fixture f(sheetOf(2, 2));
    QSignalSpy applies(f.form.get(), &TprvLabelWorkForm::masterApplyClicked);
    QTest::mouseClick(f.button("MasterApplyBtn"), Qt::LeftButton);
    QCOMPARE(applies.size(), 1);
    const QRect other = f.view().cellRects().at(3);
    const auto edge = [&] { return f.shot().pixel(other.left() + 1, other.center().y()); };
    QCOMPARE(qRed(edge()), 255); // white paper beside a 1-pixel black outline
    f.form->setOthersMarked(true);
    QVERIFY(qRed(edge()) > 200 && qGreen(edge()) < 60);
    f.form->setOthersMarked(false);
    QCOMPARE(qRed(edge()), 255);
    QVERIFY(!f.document.isModified());
}

void TestOverview::thumbnailsRedrawnOnlyWhenTheirCellChanges()
{
    Fixture f(sheetOf(13, 5)); // 65 cells
    CellThumbnails &thumbnails = f.view().thumbnails();
    f.shot();
    const int first = thumbnails.drawCount();
    QVERIFY(first >= 65);
    f.shot();
    QCOMPARE(thumbnails.drawCount(), first); // all from the cache
    // One object added to cell 7, another changed in cell 9: two thumbnails drawn again.
    f.document.cell(1, 7)->addObject(blackBox(QRect(1, 1, 20, 20)));
    f.document.cell(1, 9)->addObject(blackBox(QRect(1, 1, 20, 20)));
    f.shot();
    const int second = thumbnails.drawCount();
    QCOMPARE(second, first + 2);
    f.document.cell(1, 9)->object(0)->setBounds(QRect(5, 5, 20, 20));
    f.document.notifyChanged();
    f.shot();
    QCOMPARE(thumbnails.drawCount(), second + 1);
    // A changed record redraws them all.
    f.form->setFieldValues({{QStringLiteral("NAME"), QStringLiteral("x")}}, {});
    f.shot();
    QCOMPARE(thumbnails.drawCount(), second + 1 + 65);
}

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
