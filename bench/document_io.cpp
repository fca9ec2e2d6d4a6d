// Times writing and reading a document of 10 pages x 65 cells x 6 objects (text boxes, shapes,
// barcodes, field labels, serial numbers, one picture per page), against a plain file write and
// read of the same bytes as the baseline.
#include "document/DocumentFile.h"
#include "document/DocumentRecords.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_DBImage.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtEndian>

using namespace quill;

namespace {

constexpr int kPages = 10;
constexpr int kRows = 13;
constexpr int kColumns = 5; // 65 cells per page
constexpr int kRuns = 5;

// A picture payload as images hold it: the graphic class name, then a sized BMP file image.
QByteArray bitmapPayload()
{
    QImage image(200, 150, QImage::Format_RGB888);
    image.fill(Qt::darkCyan);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    char size[4];
    qToLittleEndian(qint32(bmp.size()), size);
    return QByteArray(1, char(7)) + "TBitmap" + QByteArray(size, 4) + bmp;
}

void fillCell(LabelCell &cell, int page, int n, const QByteArray &picture)
{
    const ObjectTypeCode codes[] = {ObjectTypeCode::TextEdit, ObjectTypeCode::VantorShape,
                                    ObjectTypeCode::Barcode, ObjectTypeCode::GuideLabel,
                                    ObjectTypeCode::SerialNumber, ObjectTypeCode::Barcode2D};
    for (int i = 0; i < 6; ++i) {
        ObjectTypeCode code = codes[i];
        if (i == 5 && n == 1)
            code = ObjectTypeCode::DBImage; // one picture per page
        std::unique_ptr<LabelObject> object = createObject(code);
        if (!object)
            continue;
        object->setBounds(QRect(4 * i, 3 * i, 60, 20));
        if (code == ObjectTypeCode::TextEdit)
            object->setValue(QStringLiteral("WWTMemo.Strings"),
                             QStringList{QStringLiteral("받는 분 %1-%2").arg(page).arg(n),
                                         QStringLiteral("서울특별시 중구 세종대로 110")});
        if (code == ObjectTypeCode::DBImage)
            static_cast<TZR_DBImage *>(object.get())->setPictureData(picture);
        cell.addObject(std::move(object));
    }
}

void buildDocument(LabelDocument &doc)
{
    TZR_LabelSize sheet;
    sheet.setRows(kRows);
    sheet.setColumns(kColumns);
    sheet.setWidth(1.5);
    sheet.setHeight(0.8);
    sheet.setPageWidth(8.27);
    sheet.setPageHeight(11.69);
    doc.newDocument(sheet);
    while (doc.pageCount() < kPages)
        doc.addPage();
    const QByteArray picture = bitmapPayload();
    for (int p = 1; p <= kPages; ++p) {
        for (int n = 1; n <= kRows * kColumns; ++n)
            fillCell(*doc.cell(p, n), p, n, picture);
    }
}

// Nanoseconds of the fastest of kRuns runs.
qint64 bestOf(const std::function<void()> &run)
{
    qint64 best = -1;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        const qint64 ns = timer.nsecsElapsed();
        best = best < 0 ? ns : std::min(best, ns);
    }
    return best;
}

void line(QTextStream &out, const QString &what, qint64 ns, qint64 baseline)
{
    out << what.leftJustified(32) << QString::number(ns / 1e6, 'f', 1).rightJustified(8) << " ms";
    if (baseline > 0)
        out << QStringLiteral("  (%1 x the plain file)").arg(double(ns) / baseline, 0, 'f', 1);
    out << '\n';
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // objects measure text with fonts
    QGuiApplication app(argc, argv);
    registerDocumentClasses();
    registerObjectClasses();
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.lbl"));
    const QString plain = dir.filePath(QStringLiteral("plain.bin"));

    LabelDocument doc;
    buildDocument(doc);
    bool ok = true;
    const qint64 write = bestOf([&] { ok = ok && writeDocument(doc, path).ok(); });
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    const qint64 plainWrite = bestOf([&] {
        QFile f(plain);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    });
    int problems = 0;
    const qint64 read = bestOf([&] {
        LabelDocument back;
        Result<ReadReport> report = readDocument(back, path);
        ok = ok && report.ok();
        problems += report ? int(report.value().problems.size()) : 0;
    });
    const qint64 plainRead = bestOf([&] {
        QFile f(plain);
        f.open(QIODevice::ReadOnly);
        f.readAll();
    });

    out << "document of " << kPages << " pages x " << kRows * kColumns << " cells x 6 objects: "
        << bytes.size() << " bytes\n";
    line(out, QStringLiteral("write document"), write, std::max<qint64>(plainWrite, 1));
    line(out, QStringLiteral("read document"), read, std::max<qint64>(plainRead, 1));
    line(out, QStringLiteral("plain write (baseline)"), plainWrite, 0);
    line(out, QStringLiteral("plain read (baseline)"), plainRead, 0);
    if (!ok || problems > 0) {
        out << "FAILED: the document did not write or read back cleanly\n";
        return 1;
    }
    return 0;
}
