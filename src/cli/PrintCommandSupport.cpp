// What the print and preview commands share: reading the document and the captions.
#include "PrintCommands.h"

#include "DocumentCommands.h"
#include "document/DocumentFile.h"
#include "document/LabelDocument.h"
#include "objects/FontSubstitution.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"

#include <QFileInfo>

namespace quill::cli {

Status loadPrintDocument(LabelDocument &document, const QString &path)
{
    registerStreamClasses();
    installFontSubstitutions();
    Result<ReadReport> report = readDocument(document, path);
    if (!report)
        return report.error();
    if (!report.value().complete()) {
        const ReadProblem &problem = report.value().problems.first();
        return Error(problem.message, problem.where);
    }
    return {};
}

QString emptyFieldText()
{
    const AppFolders folders;
    const QString path = QFileInfo::exists(folders.captionFilePath())
        ? folders.captionFilePath()
        : folders.installedCaptionFilePath();
    return quill::emptyFieldText(CaptionFile(path));
}

} // namespace quill::cli
