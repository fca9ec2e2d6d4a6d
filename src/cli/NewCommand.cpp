// quilllabel-cli new CODE -o DOC: a new empty document on a catalogue product.
#include "CatalogueCommands.h"

#include "CliApp.h"
#include "CliOutput.h"
#include "DocumentCommands.h"
#include "document/DocumentFile.h"
#include "document/InnerCutOutline.h"
#include "document/LabelDocument.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"

#include <QFileInfo>

namespace quill::cli {

namespace {

int usage()
{
    err() << "usage: quilllabel-cli new CODE -o DOC\n";
    return ExitUsage;
}

int fail(const QString &what, const QString &message)
{
    err() << "quilllabel-cli new: " << what << ": " << message << '\n';
    return ExitFailure;
}

} // namespace

int newCommand(const QStringList &args)
{
    QString code;
    QString output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"-o" && i + 1 < args.size() && output.isEmpty())
            output = args[++i];
        else if (!args[i].startsWith(u'-') && code.isEmpty())
            code = args[i];
        else
            return usage();
    }
    if (code.isEmpty() || output.isEmpty())
        return usage();

    Result<PaperCatalogue> catalogue = openCatalogueForCli();
    if (!catalogue)
        return fail(QStringLiteral("spec.db"), catalogue.error().message);
    const std::optional<CatalogueRecord> record = catalogue.value().recordOfCode(code);
    if (!record)
        return fail(code, QStringLiteral("no product with this code"));

    const AppFolders folders;
    const CaptionFile captions(QFileInfo::exists(folders.captionFilePath())
                                   ? folders.captionFilePath()
                                   : folders.installedCaptionFilePath());
    const QString fileLabel = captions.read(QStringLiteral("LabelType"), QStringLiteral("FileLabel"));
    // As the new job dialog hands a product over: red and blue of the catalogue colour exchanged.
    Result<TZR_LabelSize> sheet = PaperCatalogue::labelSize(*record, fileLabel, true);
    if (!sheet)
        return fail(code, sheet.error().message);
    Result<InnerCutOutline> outline = loadInnerCutOutline(captions, sheet.value().labelCode());
    if (!outline)
        return fail(code, outline.error().message);

    registerStreamClasses();
    LabelDocument document;
    if (Status s = document.newDocument(sheet.value(), outline.value()); !s)
        return fail(code, s.error().message);
    WriteOptions options;
    options.copyMergeTables = false;
    if (Status s = writeDocument(document, output, options); !s)
        return fail(output, s.error().message);
    return ExitOk;
}

} // namespace quill::cli
