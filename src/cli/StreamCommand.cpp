// quilllabel-cli stream FILE [--offset N]: the raw records and integers of a stream file.
#include "DocumentCommands.h"

#include "CliApp.h"
#include "CliOutput.h"
#include "document/DocumentFile.h"
#include "document/ObjectTypeCode.h"
#include "document/PropertyStreamReader.h"
#include "document/StreamListing.h"
#include "shell/CaptionFile.h"

#include <QFile>
#include <QRegularExpression>

namespace quill::cli {

namespace {

// Walks a current-format document: the header fields, the work label, and every page, cell and
// object with the integers between them. Stops at the first damage with an error line.
class DocumentWalk {
public:
    explicit DocumentWalk(const QByteArray &data) : mData(data), mReader(data) {}

    bool run();
    const QString &text() const { return mText; }

private:
    void line(qint64 offset, int indent, const QString &text);
    bool fail(qint64 offset, const QString &message);
    bool integer(int indent, const QString &meaning, qint32 &value);
    bool headerText(const QString &meaning);
    bool record(int indent);
    bool page();
    bool cell();

    const QByteArray &mData;
    PropertyStreamReader mReader;
    QString mText;
    int mPage = 0;
};

void DocumentWalk::line(qint64 offset, int indent, const QString &text)
{
    mText += QStringLiteral("%1  ").arg(offset, 8, 16, QLatin1Char('0')).toUpper()
             + QString(indent * 2, QLatin1Char(' ')) + text + QLatin1Char('\n');
}

bool DocumentWalk::fail(qint64 offset, const QString &message)
{
    mText += QStringLiteral("error at offset %1: %2\n").arg(offset).arg(message);
    return false;
}

bool DocumentWalk::integer(int indent, const QString &meaning, qint32 &value)
{
    const qint64 at = mReader.pos();
    Result<qint32> v = mReader.readInt32();
    if (!v)
        return fail(at, QStringLiteral("the file ends inside the %1").arg(meaning));
    value = v.value();
    line(at, indent, QStringLiteral("integer %1 %2").arg(value).arg(meaning));
    return true;
}

bool DocumentWalk::headerText(const QString &meaning)
{
    const qint64 at = mReader.pos();
    Result<qint32> count = mReader.readInt32();
    if (!count)
        return fail(at, QStringLiteral("the file ends inside the %1").arg(meaning));
    if (count.value() < 0 || count.value() > mData.size() - mReader.pos())
        return fail(at, QStringLiteral("the %1 length %2 does not fit the file")
                            .arg(meaning)
                            .arg(count.value()));
    const QString value = fromCp949(mData.mid(mReader.pos(), count.value()));
    mReader.seek(mReader.pos() + count.value());
    line(at, 0, QStringLiteral("text %1 bytes \"%2\" %3").arg(count.value()).arg(value, meaning));
    return true;
}

bool DocumentWalk::record(int indent)
{
    StreamRecord r;
    const Status s = mReader.readRecord(r);
    mText += listRecord(r, indent);
    if (!s)
        return fail(-1, s.error().where + QStringLiteral(": ") + s.error().message);
    return true;
}

bool DocumentWalk::cell()
{
    qint32 marker = 0;
    if (!integer(1, QStringLiteral("cell marker"), marker))
        return false;
    if (marker != DocumentMarker::Cell)
        return true;
    qint32 count = 0;
    if (!record(1) || !integer(1, QStringLiteral("objects - 1"), count))
        return false;
    for (qint64 i = 0; i <= count && count >= 0; ++i) {
        qint32 code = 0;
        if (!integer(2, QStringLiteral("object type code"), code))
            return false;
        if (auto known = objectTypeCodeFromValue(code))
            mText.insert(mText.size() - 1, QStringLiteral(" (%1)").arg(objectClassName(*known)));
        if (!record(2))
            return false;
    }
    return true;
}

bool DocumentWalk::page()
{
    qint32 marker = 0;
    if (!integer(0, QStringLiteral("page marker"), marker))
        return false;
    if (marker != DocumentMarker::Page)
        return true;
    mText.insert(mText.size() - 1, QStringLiteral(" (page %1)").arg(++mPage));
    qint32 count = 0;
    if (!record(0) || !integer(0, QStringLiteral("cells - 1"), count))
        return false;
    for (qint64 i = 0; i <= count && count >= 0; ++i) {
        if (!cell())
            return false;
    }
    return true;
}

bool DocumentWalk::run()
{
    qint32 value = 0;
    if (!integer(0, QStringLiteral("format"), value))
        return false;
    for (const QString &meaning :
         {QStringLiteral("version"), QStringLiteral("label data list path"),
          QStringLiteral("label data list table"), QStringLiteral("barcode data list path"),
          QStringLiteral("barcode data list table")}) {
        if (!headerText(meaning))
            return false;
    }
    if (!integer(0, QStringLiteral("zoom"), value) || !record(0))
        return false;
    while (!mReader.atEnd()) {
        if (!page())
            return false;
    }
    return true;
}

bool isCurrentDocument(const QByteArray &data)
{
    if (data.size() < 4 || data.startsWith("TPF0"))
        return false;
    PropertyStreamReader reader(data);
    const Result<qint32> marker = reader.readInt32();
    return marker && marker.value() > DocumentMarker::LegacyLast;
}

int streamUsage()
{
    err() << "usage: quilllabel-cli stream FILE [--offset N]\n";
    return ExitUsage;
}

} // namespace

int streamCommand(const QStringList &args)
{
    QString path;
    qint64 offset = -1;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--offset" && i + 1 < args.size() && offset < 0) {
            bool ok = false;
            offset = args[++i].toLongLong(&ok, 0);
            if (!ok || offset < 0)
                return streamUsage();
        } else if (!args[i].startsWith(u'-') && path.isEmpty()) {
            path = args[i];
        } else {
            return streamUsage();
        }
    }
    if (path.isEmpty())
        return streamUsage();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err() << "quilllabel-cli stream: " << path << ": " << file.errorString() << "\n";
        return ExitFailure;
    }
    const QByteArray data = file.readAll();
    if (offset > data.size()) {
        err() << "quilllabel-cli stream: " << path << ": offset " << offset
              << " is beyond the end of the file (" << data.size() << " bytes)\n";
        return ExitFailure;
    }
    QString listing;
    bool ok = true;
    if (offset < 0 && isCurrentDocument(data)) {
        DocumentWalk walk(data);
        ok = walk.run();
        listing = walk.text();
    } else {
        listing = listStream(data, std::max<qint64>(offset, 0));
        // The listing marks damage with an error line or leftover bytes that make no integer.
        static const QRegularExpression damage(
            QStringLiteral("^\\s*error at |^\\S+  \\d+ trailing bytes: "),
            QRegularExpression::MultilineOption);
        ok = !damage.match(listing).hasMatch();
    }
    out() << listing;
    out().flush();
    if (!ok)
        err() << "quilllabel-cli stream: " << path << ": the stream is damaged\n";
    return ok ? ExitOk : ExitFailure;
}

} // namespace quill::cli
