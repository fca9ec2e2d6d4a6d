// quilllabel-cli build IN.json -o DOC: a document file from the JSON that dump writes.
#include "DocumentCommands.h"

#include "CliApp.h"
#include "CliOutput.h"
#include "document/DocumentFile.h"
#include "document/DocumentJson.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

namespace quill::cli {

namespace {

int buildUsage()
{
    err() << "usage: quilllabel-cli build IN.json -o DOC\n";
    return ExitUsage;
}

int fail(const QString &path, const QString &message)
{
    err() << "quilllabel-cli build: " << path << ": " << message << "\n";
    return ExitFailure;
}

} // namespace

int buildCommand(const QStringList &args)
{
    QString input;
    QString output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"-o" && i + 1 < args.size() && output.isEmpty())
            output = args[++i];
        else if (!args[i].startsWith(u'-') && input.isEmpty())
            input = args[i];
        else
            return buildUsage();
    }
    if (input.isEmpty() || output.isEmpty())
        return buildUsage();

    registerStreamClasses();
    QFile file(input);
    if (!file.open(QIODevice::ReadOnly))
        return fail(input, file.errorString());
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(input, QStringLiteral("invalid JSON at offset %1: %2")
                               .arg(parseError.offset)
                               .arg(parseError.errorString()));
    if (!json.isObject())
        return fail(input, QStringLiteral("the JSON is not an object"));

    LabelDocument document;
    WriteOptions options;
    options.copyMergeTables = false; // building a file never touches merge tables
    if (Status s = documentFromJson(document, json.object(), &options); !s)
        return fail(input, s.error().message);
    if (Status s = writeDocument(document, output, options); !s)
        return fail(output, s.error().message);
    return ExitOk;
}

} // namespace quill::cli
