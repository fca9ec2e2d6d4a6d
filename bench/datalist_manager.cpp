// Times the data list manager on a 100,000-row address list (.csv, Korean text): opening it in
// the manager and scrolling the grid to its last row, a search and a sort through the manager's
// commands, and the peak memory of the whole run. Goals: open and scroll under 1 s, search and
// sort under 200 ms each, peak memory under 200 MB.
#include "datalists/DBAdminFrm.h"

#include "datalists/DataListFile.h"
#include "datalists/DataSet.h"
#include "datalists/RowOrder.h"
#include "datalists/DataTable.h"
#include "shell/CaptionFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

using namespace quill;

namespace {

constexpr int Rows = 100000;

// Answers every window with the search or sort the bench asks for, and never blocks.
class BenchDialogs : public DBAdminDialogs {
public:
    std::optional<ListSearch> searchAnswer;
    std::optional<ListSort> sortAnswer;

    void inform(QWidget *, const QString &, const QString &text) override
    {
        QTextStream(stderr) << "message: " << text << '\n';
    }
    QMessageBox::StandardButton ask(QWidget *, const QString &, const QString &,
        QMessageBox::StandardButtons) override
    {
        return QMessageBox::No;
    }
    TSendDBName chooseList(QWidget *, const QString &) override { return {}; }
    TSendDBName chooseExport(QWidget *, const DataTable &) override { return {}; }
    std::optional<ListSearch> search(QWidget *, const QStringList &) override { return searchAnswer; }
    std::optional<ListSort> sort(QWidget *, const QStringList &) override { return sortAnswer; }
    std::optional<QPair<int, int>> printRange(QWidget *, int) override { return std::nullopt; }
    bool editFields(QWidget *, DataSet &, bool) override { return false; }
    bool enterRecords(QWidget *, DataSet &, bool) override { return false; }
    void postalSearch(QWidget *) override {}
    std::optional<LabelSendResult> sendToLabels(QWidget *, const ManagerSelection &) override
    {
        return std::nullopt;
    }
    std::optional<BarcodeSendResult> makeBarcode(QWidget *, const ManagerSelection &, int) override
    {
        return std::nullopt;
    }
    void showHelp(QWidget *) override {}
};

// A CSV address list written as the user's own file would be (UTF-8, a header line).
bool writeAddressList(const QString &path)
{
    static const QStringList family{QStringLiteral("김"), QStringLiteral("이"), QStringLiteral("박"),
        QStringLiteral("최"), QStringLiteral("정"), QStringLiteral("강"), QStringLiteral("조")};
    static const QStringList given{QStringLiteral("민준"), QStringLiteral("서연"), QStringLiteral("도윤"),
        QStringLiteral("하은"), QStringLiteral("지호"), QStringLiteral("수아"), QStringLiteral("예준")};
    static const QStringList towns{QStringLiteral("서울특별시 강남구 테헤란로"),
        QStringLiteral("부산광역시 해운대구 해운대로"), QStringLiteral("대구광역시 수성구 달구벌대로"),
        QStringLiteral("경기도 성남시 분당구 판교역로"), QStringLiteral("광주광역시 서구 상무중앙로")};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "이름,주소,우편번호,전화번호\n";
    QRandomGenerator random(11);
    for (int r = 0; r < Rows; ++r) {
        out << family.at(random.bounded(int(family.size()))) << given.at(random.bounded(int(given.size())))
            << r % 997 << ',' << towns.at(random.bounded(int(towns.size()))) << ' '
            << random.bounded(1, 900) << "번길 " << random.bounded(1, 40) << ','
            << QString::number(random.bounded(1000, 64000)).rightJustified(5, u'0') << ",010-"
            << random.bounded(1000, 10000) << '-' << random.bounded(1000, 10000) << '\n';
    }
    return out.status() == QTextStream::Ok;
}

bool lastRowVisible(QTableView *grid, int rows)
{
    const int last = grid->model()->rowCount() - 1;
    if (last != rows - 1)
        return false;
    const QRect shown = grid->visualRect(grid->model()->index(last, 0));
    return shown.isValid() && grid->viewport()->rect().contains(shown);
}

long peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("주소록.csv"));
    if (!writeAddressList(path)) {
        out << "cannot write " << path << '\n';
        return 1;
    }
    out << "list: " << Rows << " rows, " << QFile(path).size() / 1024 << " KiB" << Qt::endl;

    const CaptionFile captions(QStringLiteral(QUILL_SOURCE_DIR "/resources/label.dat"));
    BenchDialogs dialogs;
    TDBAdminFrm manager(captions, dialogs);
    manager.resize(900, 600);
    manager.show();
    app.processEvents();

    auto report = [&](const char *what, double ms, const char *goal) {
        out << QString::fromUtf8(what).leftJustified(36) << QString::number(ms, 'f', 1) << " ms  (goal "
            << goal << ")" << Qt::endl;
    };

    QElapsedTimer clock;
    clock.start();
    if (!manager.openList({path, {}})) {
        out << "cannot open the list\n";
        return 1;
    }
    const double openMs = clock.nsecsElapsed() / 1e6;
    QTableView *grid = manager.grid();
    // The grid fetches rows in batches as it nears its end, as a user dragging the scroll bar
    // down would make it do: scroll to the bottom until the list's last record shows.
    int scrolls = 0;
    while (!lastRowVisible(grid, Rows)) {
        grid->scrollToBottom();
        app.processEvents();
        ++scrolls;
    }
    app.processEvents();
    const double scrolledMs = clock.nsecsElapsed() / 1e6;
    report("open", openMs, "-");
    report("open + scroll to the last row", scrolledMs, "< 1000 ms");
    out << "  scrolls: " << scrolls << ", rows in the grid: " << grid->model()->rowCount() << '\n';

    dialogs.searchAnswer = ListSearch{QStringLiteral("이름"), QStringLiteral("서연1")};
    clock.restart();
    manager.run(DBAdminCommand::Search);
    app.processEvents();
    report("search 이름 contains \"서연1\"", clock.nsecsElapsed() / 1e6, "< 200 ms");
    out << "  rows found: " << manager.gridRowCount() << '\n';

    dialogs.sortAnswer = ListSort{QStringLiteral("주소"), false};
    clock.restart();
    manager.run(DBAdminCommand::Sort);
    app.processEvents();
    report("sort 주소 ascending", clock.nsecsElapsed() / 1e6, "< 200 ms");
    out << "  rows shown: " << manager.gridRowCount() << '\n';
    clock.restart();
    const int sorted = int(sortedRows(manager.dataSet().table(), 1, false).size());
    out << "  of which the order itself: " << QString::number(clock.nsecsElapsed() / 1e6, 'f', 1) << " ms ("
        << sorted << " rows)\n";

    const long peak = peakRssKb();
    out << QStringLiteral("peak memory (VmHWM)").leftJustified(36) << QString::number(peak / 1024.0, 'f', 1)
        << " MB  (goal < 200 MB)\n";
    return 0;
}
