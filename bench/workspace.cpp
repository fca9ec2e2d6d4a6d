// Times the work area and the cell overview: drawing a cell of 100 mixed objects at 300 %,
// changing the zoom of that cell, and drawing all thumbnails of a 65-cell page; against a
// baseline of 100 plain filled and framed rectangles with one line of text each, drawn with
// QPainter into an image of the same size.
#include "editor/OverviewSheetView.h"
#include "editor/ZR_WorkSpace.h"

#include "document/LabelDocument.h"
#include "objects/FontSubstitution.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_VantorShape.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTextStream>

using namespace quill;

namespace {

constexpr int Rounds = 100;

std::unique_ptr<LabelObject> mixedObject(int i, const QSize &cell)
{
    const QRect box((i * 37) % (cell.width() - 60), (i * 23) % (cell.height() - 20), 60, 20);
    switch (i % 5) {
    case 0: {
        auto text = std::make_unique<TZR_TextEdit>();
        text->setBounds(box);
        text->setFontName(QStringLiteral("굴림"));
        text->setFontSize(9);
        text->setAngle((i % 4) * 90);
        text->setWwfMemo({QStringLiteral("서울시 강남구 %1").arg(i)});
        return text;
    }
    case 1: {
        auto label = std::make_unique<TZR_GuideLabel>();
        label->setBounds(box);
        label->setFontName(QStringLiteral("돋움"));
        label->setFieldName(QStringLiteral("이름"));
        label->setAddHono(QStringLiteral(" 님"));
        return label;
    }
    case 2: {
        auto serial = std::make_unique<TZR_SerialNumber>();
        serial->setBounds(box);
        serial->setPrefix(QStringLiteral("No."));
        serial->setStartNum(100 + i);
        return serial;
    }
    case 3: {
        auto shape = std::make_unique<TZR_VantorShape>();
        shape->setBounds(box);
        shape->setShape(i % 19);
        return shape;
    }
    default: {
        auto barcode = std::make_unique<TZR_Barcode>();
        barcode->setBounds(box.adjusted(0, 0, 40, 20));
        barcode->setCaption(QStringLiteral("8801234%1").arg(i, 5, 10, QLatin1Char('0')));
        return barcode;
    }
    }
}

void fill(LabelCell &cell, int count)
{
    for (int i = 0; i < count; ++i)
        cell.addObject(mixedObject(i, cell.bounds().size()));
}

TZR_LabelSize sheet(int rows, int columns, double width, double height)
{
    TZR_LabelSize s;
    s.setWidth(width);
    s.setHeight(height);
    s.setRows(quint16(rows));
    s.setColumns(quint16(columns));
    s.setPageWidth(columns * width);
    s.setPageHeight(rows * height);
    s.setColor(0xFFFFFF); // white paper
    return s;
}

double baseline(const QSize &size, int objects)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < Rounds; ++r) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(3, 3);
        painter.setFont(QFont(QStringLiteral("NanumGothic"), 9));
        for (int i = 0; i < objects; ++i) {
            const QRect box((i * 37) % 180, (i * 23) % 124, 60, 20);
            painter.fillRect(box, Qt::yellow);
            painter.drawRect(box);
            painter.drawText(box.topLeft() + QPoint(2, 14), QStringLiteral("서울시 강남구 %1").arg(i));
        }
    }
    return double(timer.nsecsElapsed()) / 1e6 / Rounds;
}

template <typename F>
double perRound(F &&work)
{
    work(); // warm up caches that belong to the objects, not to the view
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < Rounds; ++r)
        work();
    return double(timer.nsecsElapsed()) / 1e6 / Rounds;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    const QHash<QString, QString> record{{QStringLiteral("이름"), QStringLiteral("홍길동")}};

    // One 2.5 x 1.5 inch cell with 100 objects, shown at 300 % (720 x 432 pixels).
    LabelDocument document;
    if (!document.newDocument(sheet(1, 1, 2.5, 1.5)).ok())
        return 1;
    fill(*document.currentCellPanel(), 100);
    TZR_WorkSpace view;
    view.resize(800, 500);
    view.setDocument(&document);
    view.setFieldValues(record, {});
    view.setZoom(300);
    view.show();
    QImage screen(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&] {
        QPainter painter(&screen);
        view.paintArea(painter, screen.rect());
    };
    const double base = baseline(view.viewport()->size(), 100);
    // A change of the cell: everything drawn again.
    const double full = perRound([&] {
        document.notifyChanged();
        paint();
    });
    const double cached = perRound(paint);
    int zoom = 300;
    const double zoomChange = perRound([&] {
        zoom = zoom == 300 ? 250 : 300;
        view.setZoom(zoom);
        paint();
    });

    // A 5 x 13 sheet of small cells, 4 objects in each.
    LabelDocument page;
    if (!page.newDocument(sheet(13, 5, 1.6, 0.8)).ok())
        return 1;
    for (int n = 1; n <= 65; ++n)
        fill(*page.cell(1, n), 4);
    OverviewSheetView overview;
    overview.resize(300, 400);
    overview.setDocument(&page);
    overview.thumbnails().setFieldValues(record, {}, {});
    QImage sheetImage(overview.size(), QImage::Format_ARGB32_Premultiplied);
    const double thumbnails = perRound([&] {
        overview.thumbnails().clear();
        QPainter painter(&sheetImage);
        overview.paintSheet(painter);
    });

    QTextStream out(stdout);
    out << "100 plain rectangles with text at 300 % (baseline): " << base << " ms\n"
        << "cell of 100 mixed objects at 300 %, drawn anew:     " << full
        << " ms (aim < 8; ratio to baseline " << full / base << ")\n"
        << "same cell from the view's cache (scroll, overlay):   " << cached << " ms\n"
        << "zoom change 300 <-> 250 of that cell, drawn:         " << zoomChange
        << " ms (aim < 16)\n"
        << "all thumbnails of a 65-cell page (4 objects each):  " << thumbnails
        << " ms (aim < 100)\n";
    out.flush();
    return 0;
}
