// Times the new job dialog's product list on a keystroke: refilling the list model for a text,
// count, size and family query over the whole catalogue (1,600+ products), against the
// catalogue's own search (which reads every field as text) as the baseline of the same run.
#include "catalogue/PaperCatalogue.h"
#include "catalogue/ProductListModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

using namespace quill;

namespace {

// The delivered catalogue when the build made it, else as many made-up products.
PaperCatalogue catalogue(QTextStream &out)
{
    const QString path = QDir(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR)).filePath(QStringLiteral("spec.db"));
    if (QFileInfo::exists(path)) {
        Result<PaperCatalogue> loaded = PaperCatalogue::load(path);
        if (loaded)
            return loaded.value();
    }
    out << "spec.db not built; using 1,700 made-up products\n";
    DataTable table = emptyCatalogueTable();
    for (int i = 0; i < 1700; ++i) {
        const int columns = 1 + i % 4;
        const int rows = 1 + i % 13;
        CatalogueRecord record{
            {QStringLiteral("Code"), QStringLiteral("QL-%1").arg(i)},
            {QStringLiteral("Product"), QStringLiteral("제품군 %1").arg(i % 50)},
            {QStringLiteral("Paper"), QStringLiteral("용지 %1").arg(i % 7)},
            {QStringLiteral("L_Columns"), QString::number(columns)},
            {QStringLiteral("L_Rows"), QString::number(rows)},
            {QStringLiteral("L_Width"), QString::number(190.0 / columns)},
            {QStringLiteral("L_Height"), QString::number(277.0 / rows)},
            {QStringLiteral("L_TOTAL"), QString::number(columns * rows)}};
        table.rows.append(catalogueRow(record).value());
    }
    return PaperCatalogue(table);
}

struct Timing {
    double median = 0.0;
    double worst = 0.0;
};

template <typename F> Timing timeIt(F &&work, int repeats = 200)
{
    QList<double> micro;
    QElapsedTimer timer;
    for (int i = 0; i < repeats; ++i) {
        timer.start();
        work(i);
        micro.append(timer.nsecsElapsed() / 1000.0);
    }
    std::sort(micro.begin(), micro.end());
    return {micro.at(micro.size() / 2), micro.last()};
}

void report(QTextStream &out, const QString &what, const Timing &list, const Timing &baseline)
{
    out << what.leftJustified(34) << QString::number(list.median, 'f', 1).rightJustified(8)
        << " us median " << QString::number(list.worst, 'f', 1).rightJustified(8)
        << " us worst   baseline " << QString::number(baseline.median, 'f', 1).rightJustified(9)
        << " us  (x" << QString::number(baseline.median / std::max(list.median, 0.001), 'f', 1)
        << ")  goal < 50000 us\n";
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const PaperCatalogue products = catalogue(out);
    ProductListModel model;
    QElapsedTimer timer;
    timer.start();
    model.setCatalogue(products);
    out << "products: " << products.count() << ", reading them into the list: "
        << timer.elapsed() << " ms (once per dialog)\n";

    const QStringList typed{QStringLiteral("a"), QStringLiteral("av"), QStringLiteral("ave"),
                            QStringLiteral("aver"), QStringLiteral("avery")};
    const auto textQuery = [&typed](int i) {
        ProductQuery q;
        q.text = typed.at(i % typed.size());
        return q;
    };
    const auto baselineFind = [&products](const ProductQuery &q) {
        CatalogueFilter f;
        f.paper = q.paper;
        if (q.family)
            f.family = *q.family;
        f.labels = q.labels;
        f.cellWidth = q.cellWidth;
        f.cellHeight = q.cellHeight;
        f.columns = q.columns;
        f.rows = q.rows;
        return products.find(f).size();
    };
    qsizetype sink = 0;
    report(out, QStringLiteral("keystroke in the text search"),
           timeIt([&](int i) { model.setQuery(textQuery(i)); }),
           timeIt([&](int i) { sink += baselineFind(textQuery(i)); }, 20));

    ProductQuery count = ProductQuery::ofLabelCount(10, {});
    report(out, QStringLiteral("count search, every paper"),
           timeIt([&](int) { model.setQuery(count); }),
           timeIt([&](int) { sink += baselineFind(count); }, 20));

    ProductQuery size;
    size.cellWidth = 63.5;
    size.cellHeight = 38.1;
    report(out, QStringLiteral("cell size search"), timeIt([&](int) { model.setQuery(size); }),
           timeIt([&](int) { sink += baselineFind(size); }, 20));

    const ProductQuery family = ProductQuery::ofFamily(products.text(0, CatalogueField::Product),
                                                       products.text(0, CatalogueField::Paper));
    report(out, QStringLiteral("family list"), timeIt([&](int) { model.setQuery(family); }),
           timeIt([&](int) { sink += baselineFind(family); }, 20));

    model.setQuery({});
    report(out, QStringLiteral("sort every product by size"),
           timeIt([&](int i) {
               model.sort(ProductListModel::SizeColumn,
                          i % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
           }, 20),
           timeIt([&](int) { sink += baselineFind({}); }, 20));
    model.sort(-1);
    return sink < 0 ? 1 : 0;
}
