// quilllabel-cli catalogue list|show: the label paper products of the catalogue.
#include "CatalogueCommands.h"

#include "CliApp.h"
#include "CliOutput.h"
#include "catalogue/UserCatalogue.h"
#include "shell/AppFolders.h"

#include <QRegularExpression>

namespace quill::cli {

namespace {

int usage()
{
    err() << "usage: quilllabel-cli catalogue list [--paper P] [--family F] [--labels N]"
             " [--size WxH[±T]] [--grid CxR]\n"
             "       quilllabel-cli catalogue show CODE\n";
    return ExitUsage;
}

// "63.5x38.1", "63.5x38.1±1", "63.5x38.1+-1" (millimetres; the tolerance defaults to 0.5).
bool parseSize(const QString &text, CatalogueFilter &filter)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d+(?:\\.\\d*)?)[xX*](\\d+(?:\\.\\d*)?)(?:(?:±|\\+-|\\+/-)(\\d+(?:\\.\\d*)?))?$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    filter.cellWidth = m.captured(1).toDouble();
    filter.cellHeight = m.captured(2).toDouble();
    if (m.hasCaptured(3))
        filter.sizeTolerance = m.captured(3).toDouble();
    return true;
}

bool parseGrid(const QString &text, CatalogueFilter &filter)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)[xX*](\\d+)$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    filter.columns = m.captured(1).toInt();
    filter.rows = m.captured(2).toInt();
    return true;
}

bool parseFilter(const QStringList &args, CatalogueFilter &filter)
{
    for (qsizetype i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return false;
        const QString &option = args.at(i);
        const QString &value = args.at(i + 1);
        bool ok = true;
        if (option == u"--paper")
            filter.paper = value;
        else if (option == u"--family")
            filter.family = value;
        else if (option == u"--labels")
            filter.labels = value.toInt(&ok);
        else if (option == u"--size")
            ok = parseSize(value, filter);
        else if (option == u"--grid")
            ok = parseGrid(value, filter);
        else
            ok = false;
        if (!ok)
            return false;
    }
    return true;
}

int list(const QStringList &args)
{
    CatalogueFilter filter;
    if (!parseFilter(args, filter))
        return usage();
    Result<PaperCatalogue> catalogue = openCatalogueForCli();
    if (!catalogue) {
        err() << "quilllabel-cli catalogue: " << catalogue.error().message << '\n';
        return ExitFailure;
    }
    const PaperCatalogue &c = catalogue.value();
    for (int index : c.find(filter)) {
        const CatalogueRecord record = c.record(index);
        out() << c.text(index, CatalogueField::Code) << '\t' << c.text(index, CatalogueField::Product)
              << '\t' << c.text(index, CatalogueField::Paper) << '\t' << labelCountText(record)
              << '\t' << labelSizeText(record) << '\t' << c.text(index, CatalogueField::Shape)
              << '\t' << c.text(index, CatalogueField::Remark) << '\t'
              << c.text(index, CatalogueField::Color) << '\n';
    }
    out().flush();
    return ExitOk;
}

int show(const QStringList &args)
{
    if (args.size() != 1)
        return usage();
    Result<PaperCatalogue> catalogue = openCatalogueForCli();
    if (!catalogue) {
        err() << "quilllabel-cli catalogue: " << catalogue.error().message << '\n';
        return ExitFailure;
    }
    const PaperCatalogue &c = catalogue.value();
    const int index = c.indexOfCode(args.first());
    if (index < 0) {
        err() << "quilllabel-cli catalogue: no product with the code '" << args.first() << "'\n";
        return ExitFailure;
    }
    const QVariantList &values = c.table().rows.at(index);
    for (int i = 0; i < c.table().fields.size(); ++i)
        out() << c.table().fields.at(i).name << ": " << catalogueText(values.value(i)) << '\n';
    out().flush();
    return ExitOk;
}

} // namespace

Result<PaperCatalogue> openCatalogueForCli()
{
    AppFolders folders;
    if (Status s = folders.seed(); !s)
        return s.error();
    return openUserCatalogue(folders);
}

int catalogueCommand(const QStringList &args)
{
    if (args.isEmpty())
        return usage();
    if (args.first() == u"list")
        return list(args.mid(1));
    if (args.first() == u"show")
        return show(args.mid(1));
    return usage();
}

} // namespace quill::cli
