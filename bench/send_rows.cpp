// Times a label send of 10,000 of 100,000 rows (8 text fields, 3 sent): building label.tmp in
// slices with progress, writing it, and the whole send; the one-piece build for comparison.
#include "datalists/MergeTableWriter.h"
#include "datalists/MergeTables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

using namespace quill;

namespace {

DataTable bigList(int rows)
{
    DataTable t;
    t.name = QStringLiteral("big");
    const QStringList names {QStringLiteral("이름"), QStringLiteral("주소"), QStringLiteral("도시"),
        QStringLiteral("우편번호"), QStringLiteral("전화"), QStringLiteral("회사"),
        QStringLiteral("부서"), QStringLiteral("메모")};
    for (const QString &n : names)
        t.fields.append({n, n == QStringLiteral("메모") ? FieldType::Memo : FieldType::Text, 0});
    t.rows.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QVariantList row;
        for (int c = 0; c < names.size(); ++c)
            row.append(QStringLiteral("값%1-%2 가나다").arg(r).arg(c));
        t.rows.append(row);
    }
    return t;
}

void report(QTextStream &out, const QString &what, qint64 ms, const QString &goal)
{
    out << what.leftJustified(44) << ms << " ms  (goal " << goal << ")\n";
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const DataTable list = bigList(100000);
    // Every tenth row, last first: a sorted grid hands rows over out of record order.
    QList<int> rows;
    for (int r = 99990; r >= 0; r -= 10)
        rows.append(r);
    // Text fields without a size: their widths are measured over the whole list.
    const QStringList fields {
        QStringLiteral("메모"), QStringLiteral("이름"), QStringLiteral("주소")};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.tmp"));
    int steps = 0;
    const MergeProgress progress = [&steps](int, int) { ++steps; };
    QElapsedTimer timer;

    timer.start();
    auto whole = labelMergeTable(list, rows, fields, true);
    report(out, QStringLiteral("build in one piece (10,000 rows)"), timer.elapsed(),
        QStringLiteral("-"));
    timer.start();
    auto sliced = buildLabelMergeTable(list, rows, fields, true, progress);
    report(out, QStringLiteral("build in slices with progress"), timer.elapsed(),
        QStringLiteral("< 300 ms"));
    timer.start();
    const Status written = writeMergeTable(path, sliced.value());
    report(out, QStringLiteral("write label.tmp"), timer.elapsed(), QStringLiteral("< 500 ms"));
    timer.start();
    const MergeSend sent = sendLabelRows(list, rows, {}, fields, true, path, progress);
    report(out, QStringLiteral("whole send (build and write)"), timer.elapsed(),
        QStringLiteral("< 1000 ms"));
    out << "progress steps: " << steps << ", rows: " << sliced.value().rowCount() << "\n";
    const bool ok = whole.ok() && sliced.ok() && written.ok() && sent.ok()
        && sliced.value().rows == whole.value().rows;
    if (!ok)
        out << "FAILED: " << (written.ok() ? sent.message : written.error().message) << "\n";
    return ok ? 0 : 1;
}
