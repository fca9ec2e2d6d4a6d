// Times editing by hand: a drag over a cell of 100 objects at 300 % (one pointer move: the tool's
// work and the repaint of what changed), select all and a nudge of those 100 objects with the
// undo step and the redraw, and one undo and redo in a 65-cell document.
#include "editor/SelectionTool.h"
#include "editor/ZR_WorkSpace.h"

#include "document/EditHistory.h"
#include "document/LabelDocument.h"
#include "editing/CellEditor.h"
#include "objects/FontSubstitution.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_VantorShape.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

using namespace quill;

namespace {

constexpr int Rounds = 100;

TZR_LabelSize sheet(int rows, int columns, double width, double height)
{
    TZR_LabelSize s;
    s.setWidth(width);
    s.setHeight(height);
    s.setRows(quint16(rows));
    s.setColumns(quint16(columns));
    s.setPageWidth(columns * width);
    s.setPageHeight(rows * height);
    s.setColor(0xFFFFFF);
    return s;
}

void fill(LabelCell &cell, int count)
{
    const QSize size = cell.bounds().size();
    for (int i = 0; i < count; ++i) {
        const QRect box((i * 37) % (size.width() - 60), (i * 23) % (size.height() - 20), 60, 20);
        if (i % 2) {
            auto text = std::make_unique<TZR_TextEdit>();
            text->setBounds(box);
            text->setFontName(QStringLiteral("굴림"));
            text->setFontSize(9);
            text->setWwfMemo({QStringLiteral("서울시 강남구 %1").arg(i)});
            cell.addObject(std::move(text));
        } else {
            auto shape = std::make_unique<TZR_VantorShape>();
            shape->setBounds(box);
            shape->setShape(i % 19);
            cell.addObject(std::move(shape));
        }
    }
}

WorkSpacePointer pointerAt(const TZR_WorkSpace &view, QPoint viewport, Qt::MouseButtons held)
{
    WorkSpacePointer p;
    p.viewport = viewport;
    p.cell = view.mapToCell(viewport);
    p.button = Qt::NoButton;
    p.buttons = held;
    return p;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerObjectClasses();
    installFontSubstitutions();
    QTemporaryDir temp;
    QTextStream out(stdout);

    LabelDocument document;
    if (!document.newDocument(sheet(1, 1, 2.5, 1.5)).ok())
        return 1;
    fill(*document.currentCellPanel(), 100);
    EditHistory history(temp.filePath(QStringLiteral("Temp")));
    history.setDocument(&document);
    CellEditor editor(document, &history, temp.filePath(QStringLiteral("Temp")));
    TZR_WorkSpace view;
    view.resize(800, 500);
    view.setDocument(&document);
    view.setZoom(300);
    SelectionTool tool(editor);
    view.setTool(&tool);
    view.show();
    QImage screen(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&screen);
        view.paintArea(painter, screen.rect()); // the cell drawn once into the view's cache
    }

    // A drag of one object: press on it, then pointer moves; each move repaints the strip of
    // the rubber frame (drawn over the cached cell).
    LabelObject *target = document.currentCellPanel()->object(50);
    const QPoint start = view.mapRectFromCell(target->bounds()).center();
    WorkSpacePointer press = pointerAt(view, start, Qt::LeftButton);
    press.button = Qt::LeftButton;
    tool.pointerPressed(view, press);
    QElapsedTimer timer;
    timer.start();
    for (int i = 1; i <= Rounds; ++i) {
        const QPoint at = start + QPoint(i % 40, i % 25);
        tool.pointerMoved(view, pointerAt(view, at, Qt::LeftButton));
        const QRect dirty = view.mapRectFromCell(target->bounds()).translated(at - start).adjusted(-4, -4, 4, 4);
        QPainter painter(&screen);
        view.paintArea(painter, dirty.united(view.mapRectFromCell(target->bounds()).adjusted(-4, -4, 4, 4)));
    }
    const double move = double(timer.nsecsElapsed()) / 1e6 / Rounds;
    WorkSpacePointer release = pointerAt(view, start, Qt::NoButton);
    release.button = Qt::LeftButton;
    tool.pointerReleased(view, release);

    // Select all and nudge: the model change, its undo step, and the cell drawn again.
    editor.selectAll();
    timer.restart();
    for (int i = 0; i < Rounds; ++i) {
        editor.nudge(QPoint(i % 2 ? -1 : 1, 0), false);
        QPainter painter(&screen);
        view.paintArea(painter, screen.rect());
    }
    const double nudge = double(timer.nsecsElapsed()) / 1e6 / Rounds;

    // One undo and one redo in a 5 x 13 sheet with 4 objects in each cell, 40 in the current.
    LabelDocument page;
    if (!page.newDocument(sheet(13, 5, 1.6, 0.8)).ok())
        return 1;
    for (int n = 1; n <= 65; ++n)
        fill(*page.cell(1, n), n == 1 ? 40 : 4);
    EditHistory pageHistory(temp.filePath(QStringLiteral("Temp2")));
    pageHistory.setDocument(&page);
    CellEditor pageEditor(page, &pageHistory, temp.filePath(QStringLiteral("Temp2")));
    pageEditor.selectAll();
    for (int i = 0; i < 5; ++i)
        pageEditor.drag(Grip::Move, QPoint(3, 2), 100);
    timer.restart();
    for (int i = 0; i < Rounds; ++i) {
        pageHistory.undo();
        pageHistory.redo();
    }
    const double undo = double(timer.nsecsElapsed()) / 1e6 / Rounds / 2;

    out << "one pointer move while dragging over 100 objects at 300 %: " << move
        << " ms (aim < 8)\n"
        << "select all + one nudge of 100 objects, with undo step and redraw: " << nudge
        << " ms (aim < 16)\n"
        << "one undo (or redo) step in a 65-cell document: " << undo << " ms (aim < 50)\n";
    out.flush();
    return 0;
}
