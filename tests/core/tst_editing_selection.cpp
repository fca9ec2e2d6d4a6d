// The selection handles without widgets: which objects are selected, the frame and its grips,
// and what a drag, a nudge or the work area's edges do to the selected objects' bounds.
#include "TestLabelObjects.h"
#include "document/LabelCell.h"
#include "document/ZoomMapping.h"
#include "editing/EditSelection.h"
#include "editing/StretchGeometry.h"

#include <QtTest>

using namespace quill;
namespace geo = quill::StretchGeometry;

namespace {

// A cell with objects named by letters, back to front in the order given.
struct LetterCell {
    LabelCell cell;
    QHash<QChar, LabelObject *> objects;

    explicit LetterCell(const QList<QPair<QChar, QRect>> &items)
    {
        for (const auto &[letter, bounds] : items) {
            objects.insert(letter,
                cell.addObject(
                    testing::makeObject(ObjectTypeCode::VantorShape, bounds, QString(letter))));
        }
    }
    // The selection "CA" is C, then A.
    void select(EditSelection &selection, const QString &letters) const
    {
        selection.clear();
        for (QChar letter : letters)
            selection.attach(objects.value(letter));
    }
};

QString lettersOf(const EditSelection &selection)
{
    QString letters;
    for (const LabelObject *object : selection.objects())
        letters += testing::captionOf(object);
    return letters;
}

LetterCell threeObjects()
{
    return LetterCell({{u'A', QRect(10, 10, 20, 20)}, {u'B', QRect(50, 10, 20, 20)},
        {u'C', QRect(10, 50, 20, 20)},
        // A line of height 0, as old files hold them.
        {u'D', QRect(40, 80, 30, 0)}});
}

std::vector<QRect> toVector(const QList<QRect> &rects)
{
    return std::vector<QRect>(rects.begin(), rects.end());
}

const QList<int> &allGrips()
{
    static const QList<int> grips {0, 1, 2, 3, 4, 5, 6, 7, 8};
    return grips;
}

// The model edges a grip leaves alone stay exactly where they were.
void verifyUnmovedEdges(Grip grip, const QRect &before, const QRect &after)
{
    const bool movesLeft = grip == Grip::TopLeft || grip == Grip::BottomLeft || grip == Grip::Left;
    const bool movesRight
        = grip == Grip::TopRight || grip == Grip::BottomRight || grip == Grip::Right;
    const bool movesTop = grip == Grip::TopLeft || grip == Grip::TopRight || grip == Grip::Top;
    const bool movesBottom
        = grip == Grip::BottomLeft || grip == Grip::BottomRight || grip == Grip::Bottom;
    if (grip == Grip::Move) {
        QCOMPARE(after.size(), before.size());
        return;
    }
    if (!movesLeft)
        QCOMPARE(after.x(), before.x());
    if (!movesRight)
        QCOMPARE(after.x() + after.width(), before.x() + before.width());
    if (!movesTop)
        QCOMPARE(after.y(), before.y());
    if (!movesBottom)
        QCOMPARE(after.y() + after.height(), before.y() + before.height());
}

} // namespace

class TestEditingSelection : public QObject {
    Q_OBJECT
private slots:
    void click_data();
    void click();
    void marquee_data();
    void marquee();
    void selectAllFollowsDrawingOrder();
    void retainExistingForgetsRemovedObjects();
    void boundsUnion();

    void frame_data();
    void frame();
    void gripSquares();
    void gripAt_data();
    void gripAt();
    void hitTest_data();
    void hitTest();
    void draggedRect_data();
    void draggedRect();
    void dragAtZoomThereAndBack_data();
    void dragAtZoomThereAndBack();
    void dragSnapsToGrid_data();
    void dragSnapsToGrid();
    void dragOnGridThereAndBack_data();
    void dragOnGridThereAndBack();
    void nudge_data();
    void nudge();
    void clampDelta_data();
    void clampDelta();
};

void TestEditingSelection::click_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QChar>("target"); // '-': a click on nothing
    QTest::addColumn<bool>("extend");
    QTest::addColumn<QString>("after");

    QTest::newRow("click replaces") << "AB" << QChar(u'C') << false << "C";
    QTest::newRow("click on empty selection") << "" << QChar(u'B') << false << "B";
    // So that a drag that starts on one of them moves all of them.
    QTest::newRow("click on selected keeps all") << "AB" << QChar(u'B') << false << "AB";
    QTest::newRow("shift adds at the end") << "CA" << QChar(u'B') << true << "CAB";
    QTest::newRow("shift on selected changes nothing") << "AB" << QChar(u'A') << true << "AB";
    QTest::newRow("click on nothing empties") << "AB" << QChar(u'-') << false << "";
    QTest::newRow("shift-click on nothing keeps") << "AB" << QChar(u'-') << true << "AB";
}

void TestEditingSelection::click()
{
    QFETCH(QString, before);
    QFETCH(QChar, target);
    QFETCH(bool, extend);
    QFETCH(QString, after);

    const LetterCell letters = threeObjects();
    EditSelection selection;
    letters.select(selection, before);
    selection.click(letters.objects.value(target), extend);
    QCOMPARE(lettersOf(selection), after);
    QCOMPARE(selection.count(), int(after.size()));
    QCOMPARE(selection.first(), letters.objects.value(after.isEmpty() ? u'-' : after.at(0)));
}

void TestEditingSelection::marquee_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QRect>("marquee");
    QTest::addColumn<QString>("after");

    QTest::newRow("edges equal take it") << "" << QRect(10, 10, 20, 20) << "A";
    QTest::newRow("cut on the right") << "" << QRect(10, 10, 19, 20) << "";
    QTest::newRow("cut on the left") << "" << QRect(11, 10, 19, 20) << "";
    QTest::newRow("cut at the top") << "" << QRect(10, 11, 20, 20) << "";
    QTest::newRow("cut at the bottom") << "" << QRect(10, 10, 20, 19) << "";
    QTest::newRow("two side by side exactly") << "" << QRect(10, 10, 60, 20) << "AB";
    QTest::newRow("line of height 0 on the edge") << "" << QRect(40, 80, 30, 0) << "D";
    QTest::newRow("line outside") << "" << QRect(40, 81, 30, 10) << "";
    QTest::newRow("all, back to front") << "DCB" << QRect(0, 0, 100, 100) << "ABCD";
    QTest::newRow("replaces the selection") << "BC" << QRect(5, 5, 30, 30) << "A";
    QTest::newRow("nothing inside empties") << "AB" << QRect(200, 200, 10, 10) << "";
}

void TestEditingSelection::marquee()
{
    QFETCH(QString, before);
    QFETCH(QRect, marquee);
    QFETCH(QString, after);

    const LetterCell letters = threeObjects();
    EditSelection selection;
    letters.select(selection, before);
    selection.selectInside(letters.cell, marquee);
    QCOMPARE(lettersOf(selection), after);
}

void TestEditingSelection::selectAllFollowsDrawingOrder()
{
    LetterCell letters = threeObjects();
    EditSelection selection;
    letters.select(selection, QStringLiteral("CA"));
    selection.selectAll(letters.cell);
    QCOMPARE(lettersOf(selection), QStringLiteral("ABCD"));

    // Bringing A to the front changes the order select all gives.
    letters.cell.addObject(letters.cell.takeObject(0));
    selection.selectAll(letters.cell);
    QCOMPARE(lettersOf(selection), QStringLiteral("BCDA"));

    selection.selectAll(LabelCell());
    QVERIFY(selection.isEmpty());
    QCOMPARE(selection.first(), nullptr);
}

void TestEditingSelection::retainExistingForgetsRemovedObjects()
{
    LetterCell letters = threeObjects();
    EditSelection selection;
    letters.select(selection, QStringLiteral("CAB"));

    // Deleting A (or undo taking it away) leaves a dangling pointer that must go.
    std::unique_ptr<LabelObject> taken = letters.cell.takeObject(0);
    selection.retainExisting(letters.cell);
    QCOMPARE(lettersOf(selection), QStringLiteral("CB"));
    QVERIFY(!selection.contains(taken.get()));
    QCOMPARE(selection.item(1), letters.objects.value(u'B'));
    QCOMPARE(selection.item(2), nullptr);
    QCOMPARE(selection.item(-1), nullptr);

    selection.remove(letters.objects.value(u'C'));
    QCOMPARE(lettersOf(selection), QStringLiteral("B"));
    selection.retainExisting(LabelCell());
    QVERIFY(selection.isEmpty());
}

void TestEditingSelection::boundsUnion()
{
    const LetterCell letters = threeObjects();
    EditSelection selection;
    QCOMPARE(selection.bounds(), QRect());
    letters.select(selection, QStringLiteral("B"));
    QCOMPARE(selection.bounds(), QRect(50, 10, 20, 20));
    letters.select(selection, QStringLiteral("BC"));
    QCOMPARE(selection.bounds(), QRect(10, 10, 60, 60));
    // The line of height 0 still reaches down to y = 80.
    letters.select(selection, QStringLiteral("AD"));
    QCOMPARE(selection.bounds(), QRect(10, 10, 60, 70));
    QCOMPARE(selection.objectBounds(),
        (std::vector<QRect> {QRect(10, 10, 20, 20), QRect(40, 80, 30, 0)}));
}

void TestEditingSelection::frame_data()
{
    QTest::addColumn<QList<QRect>>("objects");
    QTest::addColumn<QRect>("frame");

    QTest::newRow("one object") << QList<QRect> {QRect(100, 50, 80, 40)} << QRect(98, 48, 85, 45);
    QTest::newRow("two objects") << QList<QRect> {QRect(100, 50, 80, 40), QRect(20, 120, 10, 10)}
                                 << QRect(18, 48, 165, 85);
    QTest::newRow("line of height 0")
        << QList<QRect> {QRect(100, 50, 80, 0)} << QRect(98, 48, 85, 5);
    QTest::newRow("none") << QList<QRect> {} << QRect();
}

void TestEditingSelection::frame()
{
    QFETCH(QList<QRect>, objects);
    QFETCH(QRect, frame);
    QCOMPARE(geo::frameOf(geo::boundsUnion(toVector(objects))), frame);
}

void TestEditingSelection::gripSquares()
{
    const QRect object(100, 50, 80, 40);
    const std::vector<QRect> single = geo::gripSquares({object});
    // Corners of the rectangle 2 pixels out, then the middles of its edges.
    const std::vector<QRect> expected {QRect(98, 48, 5, 5), QRect(177, 48, 5, 5),
        QRect(98, 87, 5, 5), QRect(177, 87, 5, 5), QRect(138, 48, 5, 5), QRect(138, 87, 5, 5),
        QRect(98, 68, 5, 5), QRect(177, 68, 5, 5)};
    QCOMPARE(single, expected);
    // Every square is painted inside the frame, and on the grip that gripAt finds there.
    const QRect frame = geo::frameOf(object);
    const QList<Grip> grips {Grip::TopLeft, Grip::TopRight, Grip::BottomLeft, Grip::BottomRight,
        Grip::Top, Grip::Bottom, Grip::Left, Grip::Right};
    for (size_t i = 0; i < single.size(); ++i) {
        QVERIFY(frame.contains(single[i]));
        QCOMPARE(geo::gripAt(single[i].center(), frame, 1), grips.at(qsizetype(i)));
    }

    // Several objects: corner squares only, four for each.
    const std::vector<QRect> two = geo::gripSquares({object, QRect(10, 10, 20, 20)});
    QCOMPARE(two.size(), size_t(8));
    QCOMPARE(two[4], QRect(8, 8, 5, 5));
    QCOMPARE(two[7], QRect(27, 27, 5, 5));
    QVERIFY(geo::gripSquares({}).empty());
}

void TestEditingSelection::gripAt_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<int>("objectCount");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("grip");
    QTest::addColumn<int>("cursor");

    // The frame of the object at (100, 50), 80 x 40: 85 x 45, middles at x 140 and y 70.
    const QRect f(98, 48, 85, 45);
    const int fdiag = Qt::SizeFDiagCursor;
    const int bdiag = Qt::SizeBDiagCursor;
    QTest::newRow("top-left") << f << 1 << QPoint(98, 48) << 1 << fdiag;
    QTest::newRow("top-left, reach") << f << 1 << QPoint(102, 52) << 1 << fdiag;
    QTest::newRow("top-left, out of reach")
        << f << 1 << QPoint(103, 48) << 0 << int(Qt::SizeAllCursor);
    QTest::newRow("top-right") << f << 1 << QPoint(182, 48) << 2 << bdiag;
    QTest::newRow("bottom-left") << f << 1 << QPoint(98, 92) << 3 << bdiag;
    QTest::newRow("bottom-right") << f << 1 << QPoint(182, 92) << 4 << fdiag;
    QTest::newRow("top") << f << 1 << QPoint(140, 48) << 5 << int(Qt::SizeVerCursor);
    QTest::newRow("top, off the middle")
        << f << 1 << QPoint(143, 48) << 0 << int(Qt::SizeAllCursor);
    QTest::newRow("left") << f << 1 << QPoint(98, 70) << 6 << int(Qt::SizeHorCursor);
    QTest::newRow("bottom") << f << 1 << QPoint(138, 92) << 7 << int(Qt::SizeVerCursor);
    QTest::newRow("right") << f << 1 << QPoint(182, 72) << 8 << int(Qt::SizeHorCursor);
    QTest::newRow("inside") << f << 1 << QPoint(140, 70) << 0 << int(Qt::SizeAllCursor);
    // Several objects have no resize grips.
    QTest::newRow("two, top-left") << f << 2 << QPoint(98, 48) << 0 << int(Qt::SizeAllCursor);
    QTest::newRow("two, bottom-right") << f << 2 << QPoint(182, 92) << 0 << int(Qt::SizeAllCursor);
    QTest::newRow("two, right") << f << 2 << QPoint(182, 70) << 0 << int(Qt::SizeAllCursor);
    QTest::newRow("none") << f << 0 << QPoint(98, 48) << 0 << int(Qt::SizeAllCursor);
    // A 5 x 5 object: its frame is 10 x 10 and the edge grips win over the corners they cover.
    const QRect small(8, 8, 10, 10);
    QTest::newRow("small, top over top-left")
        << small << 1 << QPoint(11, 10) << 5 << int(Qt::SizeVerCursor);
    QTest::newRow("small, right over corners")
        << small << 1 << QPoint(17, 13) << 8 << int(Qt::SizeHorCursor);
    QTest::newRow("small, bottom-right") << small << 1 << QPoint(17, 17) << 4 << fdiag;
}

void TestEditingSelection::gripAt()
{
    QFETCH(QRect, frame);
    QFETCH(int, objectCount);
    QFETCH(QPoint, point);
    QFETCH(int, grip);
    QFETCH(int, cursor);
    const Grip found = geo::gripAt(point, frame, objectCount);
    QCOMPARE(int(found), grip);
    QCOMPARE(int(geo::cursorFor(found)), cursor);
}

void TestEditingSelection::hitTest_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("hit");

    // Objects (100, 50) 80 x 40 and (200, 50) 10 x 0 (a line).
    QTest::newRow("inside") << QPoint(140, 70) << true;
    QTest::newRow("2 out top-left") << QPoint(98, 48) << true;
    QTest::newRow("3 out on the left") << QPoint(97, 70) << false;
    QTest::newRow("2 out bottom-right") << QPoint(181, 91) << true;
    QTest::newRow("3 out on the right") << QPoint(182, 70) << false;
    QTest::newRow("between the objects") << QPoint(190, 50) << false;
    QTest::newRow("on the line") << QPoint(205, 50) << true;
    QTest::newRow("just below the line") << QPoint(205, 51) << true;
    QTest::newRow("below the line's reach") << QPoint(205, 52) << false;
}

void TestEditingSelection::hitTest()
{
    QFETCH(QPoint, point);
    QFETCH(bool, hit);
    QCOMPARE(geo::hitTest({QRect(100, 50, 80, 40), QRect(200, 50, 10, 0)}, point), hit);
}

void TestEditingSelection::draggedRect_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("grip");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");

    const QRect r(100, 50, 80, 40);
    QTest::newRow("move by exactly the pointer")
        << r << 0 << QPoint(10, 10) << QRect(110, 60, 80, 40);
    QTest::newRow("top-left") << r << 1 << QPoint(-5, -6) << QRect(95, 44, 85, 46);
    QTest::newRow("top-right") << r << 2 << QPoint(5, 6) << QRect(100, 56, 85, 34);
    QTest::newRow("bottom-left") << r << 3 << QPoint(5, 6) << QRect(105, 50, 75, 46);
    // Widens by exactly 10 and keeps the height.
    QTest::newRow("bottom-right +10") << r << 4 << QPoint(10, 0) << QRect(100, 50, 90, 40);
    QTest::newRow("top") << r << 5 << QPoint(3, -4) << QRect(100, 46, 80, 44);
    QTest::newRow("left") << r << 6 << QPoint(-7, 3) << QRect(93, 50, 87, 40);
    QTest::newRow("bottom") << r << 7 << QPoint(3, 9) << QRect(100, 50, 80, 49);
    QTest::newRow("right +10") << r << 8 << QPoint(10, 0) << QRect(100, 50, 90, 40);
    QTest::newRow("right ignores vertical") << r << 8 << QPoint(10, 7) << QRect(100, 50, 90, 40);
    // The minimum size keeps the edge opposite the grip.
    QTest::newRow("right past the left edge") << r << 8 << QPoint(-100, 0) << QRect(100, 50, 5, 40);
    QTest::newRow("left past the right edge") << r << 6 << QPoint(100, 0) << QRect(175, 50, 5, 40);
    QTest::newRow("top past the bottom") << r << 5 << QPoint(0, 60) << QRect(100, 85, 80, 5);
    QTest::newRow("bottom to 2 high") << r << 7 << QPoint(0, -38) << QRect(100, 50, 80, 5);
    QTest::newRow("bottom to 5 high") << r << 7 << QPoint(0, -35) << QRect(100, 50, 80, 5);
    QTest::newRow("top-left collapsed") << r << 1 << QPoint(200, 200) << QRect(175, 85, 5, 5);
    QTest::newRow("bottom-right collapsed") << r << 4 << QPoint(-200, -200) << QRect(100, 50, 5, 5);
    // A line thinner than the minimum keeps its thickness unless the grip makes it thicker.
    const QRect line(100, 50, 80, 2);
    QTest::newRow("thin line, bottom up") << line << 7 << QPoint(0, -1) << line;
    QTest::newRow("thin line, top down") << line << 5 << QPoint(0, 1) << line;
    QTest::newRow("thin line, bottom down") << line << 7 << QPoint(0, 1) << QRect(100, 50, 80, 3);
    QTest::newRow("thin line, right") << line << 8 << QPoint(10, 0) << QRect(100, 50, 90, 2);
    QTest::newRow("thin line, move") << line << 0 << QPoint(-1, -1) << QRect(99, 49, 80, 2);
}

void TestEditingSelection::draggedRect()
{
    QFETCH(QRect, rect);
    QFETCH(int, grip);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expected);
    QCOMPARE(geo::draggedRect(Grip(grip), rect, delta), expected);
    // At 100 % and without a grid a drag of the selection is the same.
    QCOMPARE(geo::dragSelection({rect}, Grip(grip), delta, 100), std::vector<QRect> {expected});
}

void TestEditingSelection::dragAtZoomThereAndBack_data()
{
    QTest::addColumn<int>("zoom");
    for (int zoom : {60, 100, 150, 300, 33, 101})
        QTest::addRow("%d %%", zoom) << zoom;
}

void TestEditingSelection::dragAtZoomThereAndBack()
{
    QFETCH(int, zoom);
    const std::vector<QRect> objects {
        QRect(0, 0, 1, 1), QRect(13, 7, 80, 41), QRect(101, 57, 3, 100), QRect(-5, 233, 77, 9)};
    for (int dx = -25; dx <= 25; dx += 2) {
        for (int dy = -12; dy <= 12; dy += 3) {
            const QPoint delta(dx, dy);
            // The whole selection moved.
            const std::vector<QRect> moved = geo::dragSelection(objects, Grip::Move, delta, zoom);
            const QPoint shift = moved[0].topLeft() - objects[0].topLeft();
            for (size_t i = 0; i < objects.size(); ++i) {
                QCOMPARE(moved[i], objects[i].translated(shift));
                // It lands within a screen pixel of where the pointer put it.
                const QPoint wanted = ZoomMapping::toScreen(objects[i], zoom).topLeft() + delta;
                const QPoint landed = ZoomMapping::toScreen(moved[i], zoom).topLeft();
                QVERIFY2(qAbs(landed.x() - wanted.x()) <= 1 && qAbs(landed.y() - wanted.y()) <= 1,
                    qPrintable(QStringLiteral("object %1 by (%2, %3)").arg(i).arg(dx).arg(dy)));
            }
            QCOMPARE(geo::dragSelection(moved, Grip::Move, -delta, zoom), objects);

            // Each grip on one object (large enough for the minimum size never to stop it):
            // only its edges move, and back again restores it.
            for (int grip : allGrips()) {
                const QRect object(13, 7, 300, 200);
                const std::vector<QRect> dragged
                    = geo::dragSelection({object}, Grip(grip), delta, zoom);
                verifyUnmovedEdges(Grip(grip), object, dragged[0]);
                QCOMPARE(geo::dragSelection(dragged, Grip(grip), -delta, zoom),
                    std::vector<QRect> {object});
            }
        }
    }
}

void TestEditingSelection::dragSnapsToGrid_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("grip");
    QTest::addColumn<QPoint>("screenDelta");
    QTest::addColumn<QList<QRect>>("before");
    QTest::addColumn<QList<QRect>>("after");

    const QList<QRect> one {QRect(16, 13, 40, 20)};
    const QList<QRect> two {QRect(16, 13, 40, 20), QRect(30, 50, 10, 10)};
    QTest::newRow("move right, nearest multiple")
        << 100 << 8.0 << 0 << QPoint(5, 0) << one << QList<QRect> {QRect(24, 13, 40, 20)};
    QTest::newRow("move less than half a step") << 100 << 8.0 << 0 << QPoint(3, 0) << one << one;
    // Halfway: the edge stays on the side it came from.
    QTest::newRow("move half a step") << 100 << 8.0 << 0 << QPoint(4, 0) << one << one;
    // The top (13) is off the grid but the pointer did not move up or down.
    QTest::newRow("unmoved axis keeps off-grid top")
        << 100 << 8.0 << 0 << QPoint(21, 0) << one << QList<QRect> {QRect(40, 13, 40, 20)};
    QTest::newRow("move down snaps the top")
        << 100 << 8.0 << 0 << QPoint(0, 1) << one << QList<QRect> {QRect(16, 16, 40, 20)};
    // The union's corner snaps and both objects follow by the same amount.
    QTest::newRow("two objects follow the union")
        << 100 << 8.0 << 0 << QPoint(-3, 6) << two
        << QList<QRect> {QRect(16, 16, 40, 20), QRect(30, 53, 10, 10)};
    // At 150 % a 33-pixel movement is 22 model pixels: 38 goes to 40 (step 8).
    QTest::newRow("move at 150 %")
        << 150 << 8.0 << 0 << QPoint(33, 0) << one << QList<QRect> {QRect(40, 13, 40, 20)};
    // At 60 % a 7-pixel movement is 11.67 model pixels: 27.67 goes to 24.
    QTest::newRow("move at 60 %") << 60 << 8.0 << 0 << QPoint(7, 0) << one
                                  << QList<QRect> {QRect(24, 13, 40, 20)};
    // The right edge (56) goes from 63 to 64; the bottom is not moved.
    QTest::newRow("right grip") << 100 << 8.0 << 8 << QPoint(7, 5) << one
                                << QList<QRect> {QRect(16, 13, 48, 20)};
    // The top goes from 13 + 10 to 24 and the bottom stays at 33.
    QTest::newRow("top grip") << 100 << 8.0 << 5 << QPoint(0, 10) << one
                              << QList<QRect> {QRect(16, 24, 40, 9)};
    QTest::newRow("bottom-right grip")
        << 300 << 8.0 << 4 << QPoint(27, 27) << one << QList<QRect> {QRect(16, 13, 48, 27)};
    // Snapping cannot take the grip below the minimum size.
    QTest::newRow("left grip to the minimum")
        << 100 << 8.0 << 6 << QPoint(37, 0) << one << QList<QRect> {QRect(51, 13, 5, 20)};
    // A millimetre grid: multiples of 3.7795 rounded to whole pixels (11 x step = 41.57).
    QTest::newRow("millimetre grid")
        << 100 << 96.0 / 25.4 << 0 << QPoint(25, 0) << one << QList<QRect> {QRect(42, 13, 40, 20)};
}

void TestEditingSelection::dragSnapsToGrid()
{
    QFETCH(int, zoom);
    QFETCH(double, step);
    QFETCH(int, grip);
    QFETCH(QPoint, screenDelta);
    QFETCH(QList<QRect>, before);
    QFETCH(QList<QRect>, after);
    QCOMPARE(
        geo::dragSelection(toVector(before), Grip(grip), screenDelta, zoom, step), toVector(after));
}

void TestEditingSelection::dragOnGridThereAndBack_data()
{
    QTest::addColumn<int>("zoom");
    for (int zoom : {60, 100, 150, 300})
        QTest::addRow("%d %%", zoom) << zoom;
}

void TestEditingSelection::dragOnGridThereAndBack()
{
    QFETCH(int, zoom);
    const double step = 8;
    // Both objects start with their edges on the grid.
    const std::vector<QRect> objects {QRect(16, 24, 40, 16), QRect(64, 8, 8, 48)};
    for (int dx = -40; dx <= 40; ++dx) {
        const QPoint delta(dx, -dx / 2);
        const std::vector<QRect> moved = geo::dragSelection(objects, Grip::Move, delta, zoom, step);
        const QRect all = geo::boundsUnion(moved);
        QCOMPARE(all.x() % 8, 0);
        QCOMPARE(all.y() % 8, 0);
        QCOMPARE(
            moved[1].topLeft() - moved[0].topLeft(), objects[1].topLeft() - objects[0].topLeft());
        QCOMPARE(geo::dragSelection(moved, Grip::Move, -delta, zoom, step), objects);

        const std::vector<QRect> stretched
            = geo::dragSelection({objects[0]}, Grip::BottomRight, delta, zoom, step);
        const QRect r = stretched[0];
        QVERIFY((r.x() + r.width()) % 8 == 0 || r.width() == geo::MinimumSize);
        QVERIFY((r.y() + r.height()) % 8 == 0 || r.height() == geo::MinimumSize);
        if (r.width() > geo::MinimumSize && r.height() > geo::MinimumSize) {
            QCOMPARE(geo::dragSelection(stretched, Grip::BottomRight, -delta, zoom, step),
                std::vector<QRect> {objects[0]});
        }
    }
}

void TestEditingSelection::nudge_data()
{
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<bool>("resize");
    QTest::addColumn<QList<QRect>>("after");

    // Objects (10, 10) 20 x 6 and (40, 0) 3 x 30 (a thin line).
    QTest::newRow("move left") << QPoint(-1, 0) << false
                               << QList<QRect> {QRect(9, 10, 20, 6), QRect(39, 0, 3, 30)};
    QTest::newRow("move down") << QPoint(0, 1) << false
                               << QList<QRect> {QRect(10, 11, 20, 6), QRect(40, 1, 3, 30)};
    QTest::newRow("move up beyond 0")
        << QPoint(0, -1) << false << QList<QRect> {QRect(10, 9, 20, 6), QRect(40, -1, 3, 30)};
    QTest::newRow("wider") << QPoint(1, 0) << true
                           << QList<QRect> {QRect(10, 10, 21, 6), QRect(40, 0, 4, 30)};
    QTest::newRow("narrower, the line stays")
        << QPoint(-1, 0) << true << QList<QRect> {QRect(10, 10, 19, 6), QRect(40, 0, 3, 30)};
    QTest::newRow("taller") << QPoint(0, 1) << true
                            << QList<QRect> {QRect(10, 10, 20, 7), QRect(40, 0, 3, 31)};
    QTest::newRow("shorter, down to 5")
        << QPoint(0, -1) << true << QList<QRect> {QRect(10, 10, 20, 5), QRect(40, 0, 3, 29)};
}

void TestEditingSelection::nudge()
{
    QFETCH(QPoint, step);
    QFETCH(bool, resize);
    QFETCH(QList<QRect>, after);
    const std::vector<QRect> objects {QRect(10, 10, 20, 6), QRect(40, 0, 3, 30)};
    QCOMPARE(geo::nudgeSelection(objects, step, resize), toVector(after));
    // Shorter again: 5 is the least a nudge leaves.
    if (resize && step == QPoint(0, -1)) {
        QCOMPARE(geo::nudgeSelection(toVector(after), step, resize)[0], QRect(10, 10, 20, 5));
    }
}

void TestEditingSelection::clampDelta_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<int>("grip");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("clamped");

    // The frame of (100, 50) 80 x 40 reaches to x 183 and y 93 (exclusive).
    const QRect f(98, 48, 85, 45);
    const QRect area(0, 0, 400, 300);
    QTest::newRow("move inside") << f << 0 << QPoint(10, -10) << area << QPoint(10, -10);
    QTest::newRow("move stops at the right edge")
        << f << 0 << QPoint(500, 0) << area << QPoint(217, 0);
    QTest::newRow("move stops at the bottom") << f << 0 << QPoint(0, 500) << area << QPoint(0, 207);
    QTest::newRow("move stops top-left")
        << f << 0 << QPoint(-500, -500) << area << QPoint(-98, -48);
    QTest::newRow("right grip stops at the edge")
        << f << 8 << QPoint(500, 500) << area << QPoint(217, 500);
    QTest::newRow("left grip stops at the left")
        << f << 6 << QPoint(-500, 0) << area << QPoint(-98, 0);
    QTest::newRow("left grip across the area")
        << f << 6 << QPoint(500, 0) << area << QPoint(302, 0);
    QTest::newRow("bottom-right grip") << f << 4 << QPoint(500, 500) << area << QPoint(217, 207);
    QTest::newRow("top grip") << f << 5 << QPoint(-3, -100) << area << QPoint(-3, -48);
    QTest::newRow("area not at the origin")
        << f << 0 << QPoint(-100, -100) << QRect(50, 20, 400, 300) << QPoint(-48, -28);
    // A frame already over the edge may come back but not go further out.
    const QRect over(380, 48, 85, 45);
    QTest::newRow("over the edge, further out")
        << over << 0 << QPoint(10, 0) << area << QPoint(0, 0);
    QTest::newRow("over the edge, back in")
        << over << 0 << QPoint(-10, 0) << area << QPoint(-10, 0);
}

void TestEditingSelection::clampDelta()
{
    QFETCH(QRect, frame);
    QFETCH(int, grip);
    QFETCH(QPoint, delta);
    QFETCH(QRect, area);
    QFETCH(QPoint, clamped);
    QCOMPARE(geo::clampDelta(frame, Grip(grip), delta, area), clamped);
}

QTEST_GUILESS_MAIN(TestEditingSelection)
#include "tst_editing_selection.moc"
