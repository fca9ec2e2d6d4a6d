// quilllabel-cli data show: a data list as CSV (UTF-8, header line), optionally filtered,
// sorted and limited.
#include "CliApp.h"
#include "CliOutput.h"
#include "DataCommands.h"

#include "datalists/DataListFile.h"
#include "datalists/SqlEngine.h"

namespace quill::cli {
namespace {

QString csvValue(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

bool splitPair(const QString &text, QPair<QString, QString> *pair)
{
    const qsizetype eq = text.indexOf(u'=');
    if (eq <= 0)
        return false;
    *pair = {text.left(eq), text.mid(eq + 1)};
    return true;
}

// Fills query from the options; returns an empty string or the usage problem.
QString parseOptions(const QStringList &args, QString *list, DataQuery *query)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (!a.startsWith(QStringLiteral("--"))) {
            if (!list->isEmpty())
                return QStringLiteral("show takes one FILE");
            *list = a;
            continue;
        }
        if (i + 1 >= args.size())
            return a + QStringLiteral(" needs a value");
        const QString value = args.at(++i);
        QPair<QString, QString> pair;
        if (a == u"--where" && splitPair(value, &pair)) {
            query->equals.append(pair);
        } else if (a == u"--like" && splitPair(value, &pair)) {
            query->likes.append(pair);
        } else if (a == u"--order" && !value.isEmpty()) {
            query->descending = value.endsWith(QStringLiteral(":desc"), Qt::CaseInsensitive);
            query->orderBy = query->descending ? value.chopped(5) : value;
            if (query->orderBy.endsWith(QStringLiteral(":asc"), Qt::CaseInsensitive))
                query->orderBy.chop(4);
        } else if (a == u"--limit") {
            bool ok = false;
            query->limit = value.toInt(&ok);
            if (!ok || query->limit < 0)
                return QStringLiteral("--limit needs a number");
        } else {
            return QStringLiteral("bad option ") + a + u' ' + value;
        }
    }
    return list->isEmpty() ? QStringLiteral("show needs a FILE") : QString();
}

} // namespace

int runDataShow(const QStringList &args)
{
    QString list;
    DataQuery query;
    if (const QString problem = parseOptions(args, &list, &query); !problem.isEmpty())
        return dataUsage(problem);
    const ListReference ref = parseListReference(list);
    auto table = readDataList(ref.path, ref.table);
    if (!table)
        return dataFailure(table.error().message);
    dataWarnings(ref.path, table.value());
    SqlTable engine;
    if (Status s = engine.load(table.value()); !s)
        return dataFailure(ref.path + QStringLiteral(": ") + s.error().message);
    auto result = engine.select(query);
    if (!result)
        return dataFailure(ref.path + QStringLiteral(": ") + result.error().message);
    const DataTable &t = result.value();
    QStringList line;
    for (const DataField &f : t.fields)
        line.append(csvValue(f.name));
    out() << line.join(u',') << '\n';
    for (int r = 0; r < t.rowCount(); ++r) {
        line.clear();
        for (int c = 0; c < t.columnCount(); ++c)
            line.append(csvValue(t.text(r, c)));
        out() << line.join(u',') << '\n';
    }
    out().flush();
    return ExitOk;
}

} // namespace quill::cli
