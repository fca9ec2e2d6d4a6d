// Times the data list engine on a 100,000-row list of 8 text fields: opening and reading each
// writable format and .xlsx, a LIKE search and a sort, and building label.tmp from 10,000 rows.
// Arguments name the parts to run (db dbf xlsx csv sqlite query merge); none runs them all.
#include "datalists/DataListFile.h"
#include "datalists/MergeTables.h"
#include "datalists/SqlEngine.h"

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
    const QStringList names{QStringLiteral("이름"), QStringLiteral("주소"), QStringLiteral("도시"),
                            QStringLiteral("우편번호"), QStringLiteral("전화"), QStringLiteral("회사"),
                            QStringLiteral("부서"), QStringLiteral("메모")};
    for (const QString &n : names)
        t.fields.append({n, FieldType::Text, 30});
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
    out << what.leftJustified(40) << ms << " ms  (goal " << goal << ")\n";
    out.flush();
}

// Loading copies the list into the engine once; the searches after it are timed on their own.
void runQueries(QTextStream &out, const DataTable &list)
{
    QElapsedTimer timer;
    SqlTable engine;
    timer.start();
    engine.load(list);
    report(out, QStringLiteral("load into the query engine"), timer.elapsed(), QStringLiteral("-"));
    DataQuery like;
    like.likes.append({QStringLiteral("주소"), QStringLiteral("%999%")});
    timer.start();
    auto found = engine.select(like);
    report(out, QStringLiteral("LIKE search (%1 rows)").arg(found.ok() ? found.value().rowCount() : -1),
           timer.elapsed(), QStringLiteral("< 200 ms"));
    DataQuery sort;
    sort.orderBy = QStringLiteral("메모");
    sort.descending = true;
    timer.start();
    auto sorted = engine.select(sort);
    report(out, QStringLiteral("sort (%1 rows)").arg(sorted.ok() ? sorted.value().rowCount() : -1),
           timer.elapsed(), QStringLiteral("< 200 ms"));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList parts = app.arguments().mid(1);
    auto wanted = [&parts](const QString &part) { return parts.isEmpty() || parts.contains(part); };
    const DataTable list = bigList(100000);
    QTemporaryDir dir;
    QElapsedTimer timer;
    for (const QString &ext : {QStringLiteral("db"), QStringLiteral("dbf"), QStringLiteral("xlsx"),
                              QStringLiteral("csv"), QStringLiteral("sqlite")}) {
        if (!wanted(ext))
            continue;
        const QString path = dir.filePath(QStringLiteral("big.") + ext);
        timer.start();
        const Status written = writeDataList(path, list);
        report(out, QStringLiteral("write .") + ext, timer.elapsed(), QStringLiteral("-"));
        if (!written.ok()) {
            out << "  failed: " << written.error().message << '\n';
            continue;
        }
        timer.start();
        auto read = readDataList(path);
        // Every value is taken as the list windows show it, as text.
        qint64 cells = 0, characters = 0;
        if (read.ok()) {
            const DataTable &t = read.value();
            for (int r = 0; r < t.rowCount(); ++r) {
                for (int c = 0; c < t.columnCount(); ++c)
                    characters += t.text(r, c).size();
                cells += t.rows.at(r).size();
            }
        }
        if (characters == 0)
            out << "  nothing read\n";
        report(out, QStringLiteral("open and read .%1 (%2 cells)").arg(ext).arg(cells), timer.elapsed(),
               QStringLiteral("< 1000 ms"));
    }
    if (wanted(QStringLiteral("query")))
        runQueries(out, list);
    if (wanted(QStringLiteral("merge"))) {
        QList<int> selected;
        for (int r = 0; r < 100000; r += 10)
            selected.append(r);
        timer.start();
        auto merged = labelMergeTable(list, selected, {QStringLiteral("이름"), QStringLiteral("주소"), QStringLiteral("우편번호")}, false);
        const Status mergeWritten = writeDataList(dir.filePath(QStringLiteral("label.tmp")), merged.value());
        report(out, QStringLiteral("label.tmp from 10,000 rows%1").arg(mergeWritten.ok() ? QString() : QStringLiteral(" FAILED")),
               timer.elapsed(), QStringLiteral("-"));
    }
    return 0;
}
