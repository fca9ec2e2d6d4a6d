// quilllabel-cli sample: makes the sample document and prints its summary.
#include "CliApp.h"
#include "CliOutput.h"
#include "Commands.h"

#include "document/DocumentSummary.h"
#include "document/LabelDocument.h"
#include "document/SampleSheet.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"

#include <QFileInfo>

namespace quill::cli {

int runSample(const QStringList &args)
{
    if (!args.isEmpty()) {
        err() << "quilllabel-cli sample: takes no arguments\n";
        return ExitUsage;
    }
    AppFolders folders;
    if (Status s = folders.seed(); !s)
        err() << "quilllabel-cli: " << s.error().message << '\n';
    const CaptionFile captions(QFileInfo::exists(folders.captionFilePath())
                                   ? folders.captionFilePath()
                                   : folders.installedCaptionFilePath());

    TZR_LabelSize sheet;
    const QString fileLabel = captions.read(QStringLiteral("LabelType"), QStringLiteral("FileLabel"));
    if (Status s = sheet.fillFromCatalogueRecord(sampleSheetRecord(), fileLabel, true); !s) {
        err() << "quilllabel-cli sample: " << s.error().message << '\n';
        return ExitFailure;
    }
    LabelDocument document;
    if (Status s = document.newDocument(sheet); !s) {
        err() << "quilllabel-cli sample: " << s.error().message << '\n';
        return ExitFailure;
    }
    out() << mainWindowCaption(captions, document.fileName()) << '\n'
          << overviewTitle(document.labelSize()) << '\n'
          << sheetSummaryText(document.labelSize(), captions).trimmed() << '\n'
          << "pages: " << document.pageCount()
          << ", cells per page: " << document.page(1)->cellCount() << Qt::endl;
    return ExitOk;
}

} // namespace quill::cli
