// Times the drawing of one cell of 20 mixed objects at 100 % into an image (work label
// included), against a baseline of 20 plain filled and framed rectangles with one line of
// text each drawn directly with QPainter into the same image.
#include "document/CellRenderer.h"
#include "document/LabelDocument.h"
#include "objects/FontSubstitution.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_VantorShape.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

using namespace quill;

namespace {

constexpr int Rounds = 200;

std::unique_ptr<LabelObject> textBox(int i)
{
    auto box = std::make_unique<TZR_TextEdit>();
    box->setBounds(QRect(5 + (i % 4) * 55, 5 + (i / 4) * 25, 80, 40));
    box->setFontName(QStringLiteral("굴림"));
    box->setFontSize(10);
    box->setAngle((i % 4) * 90);
    box->setTransparent(i % 2 == 0);
    box->setWwfMemo({QStringLiteral("서울시 강남구 %1").arg(i), QStringLiteral("Line two")});
    return box;
}

std::unique_ptr<LabelObject> fieldLabel(int i)
{
    auto label = std::make_unique<TZR_GuideLabel>();
    label->setBounds(QRect(10, 10 + i * 20, 120, 18));
    label->setFontName(QStringLiteral("돋움"));
    label->setFieldName(QStringLiteral("이름"));
    label->setAddHono(QStringLiteral(" 님"));
    label->setGuideLine(i % 2 == 1);
    return label;
}

void fillCell(LabelCell &cell)
{
    for (int i = 0; i < 8; ++i)
        cell.addObject(textBox(i));
    for (int i = 0; i < 6; ++i)
        cell.addObject(fieldLabel(i));
    for (int i = 0; i < 4; ++i) {
        auto serial = std::make_unique<TZR_SerialNumber>();
        serial->setBounds(QRect(150, 10 + i * 20, 70, 18));
        serial->setPrefix(QStringLiteral("No."));
        serial->setStartNum(100 + i);
        cell.addObject(std::move(serial));
    }
    for (int i = 0; i < 2; ++i) {
        auto shape = std::make_unique<TZR_VantorShape>();
        shape->setBounds(QRect(20 + i * 100, 90, 60, 40));
        cell.addObject(std::move(shape));
    }
}

qint64 baseline(QImage &image)
{
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < Rounds; ++r) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(QFont(QStringLiteral("NanumGothic"), 10));
        for (int i = 0; i < 20; ++i) {
            const QRect box(5 + (i % 4) * 55, 5 + (i / 5) * 25, 80, 40);
            painter.fillRect(box, Qt::yellow);
            painter.drawRect(box);
            painter.drawText(box.topLeft() + QPoint(2, 14), QStringLiteral("서울시 강남구 %1").arg(i));
        }
    }
    return timer.elapsed();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    TZR_LabelSize sheet;
    sheet.setWidth(2.5);
    sheet.setHeight(1.5);
    sheet.setRows(1);
    sheet.setColumns(1);
    LabelDocument document;
    if (!document.newDocument(sheet).ok())
        return 1;
    fillCell(*document.cell(1, 1));
    const QHash<QString, QString> record{{QStringLiteral("이름"), QStringLiteral("홍길동")}};
    PaintContext context;
    context.labelRecord = &record;

    QImage image(cellScreenSize(document, 100, true), QImage::Format_ARGB32);
    const qint64 base = baseline(image);
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < Rounds; ++r)
        image = renderCellImage(document, 1, 1, context, true);
    const qint64 cell = timer.elapsed();

    QTextStream out(stdout);
    out << "20 plain rectangles with text (baseline): " << double(base) / Rounds << " ms/cell\n"
        << "one cell of 20 mixed objects at 100 %:    " << double(cell) / Rounds << " ms/cell\n"
        << "ratio cell / baseline:                    " << double(cell) / qMax<qint64>(1, base)
        << '\n';
    out.flush();
    return 0;
}
