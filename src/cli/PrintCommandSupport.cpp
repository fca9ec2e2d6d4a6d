// What the print and preview commands share: reading the document, its data lists, captions.
#include "PrintCommands.h"

#include "DocumentCommands.h"
#include "document/DocumentFile.h"
#include "document/LabelDocument.h"
#include "objects/FontSubstitution.h"
#include "printing/PrintDataList.h"
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

Result<PrintDataList> openPrintDataList(const QString &spec, const QString &storedPath,
                                        const QString &storedTable)
{
    QString path = storedPath;
    QString table = storedTable;
    if (!spec.isEmpty()) {
        path = spec;
        table.clear();
        // PATH:TABLE, unless the colon belongs to the path itself.
        const qsizetype colon = spec.lastIndexOf(u':');
        if (colon > 0 && !QFileInfo::exists(spec) && !spec.mid(colon + 1).contains(u'/')) {
            path = spec.left(colon);
            table = spec.mid(colon + 1);
        }
    }
    if (path.isEmpty())
        return PrintDataList();
    return PrintDataList::open(path, table);
}

QString emptyFieldText()
{
    const AppFolders folders;
    const QString path = QFileInfo::exists(folders.captionFilePath())
        ? folders.captionFilePath()
        : folders.installedCaptionFilePath();
    return CaptionFile(path).read(QStringLiteral("Option"), QStringLiteral("dbnull"));
}

} // namespace quill::cli
