// Version file parsing, version comparison and the verdict of an update check.
#include "UpdateCheck.h"

#include "CaptionFile.h"
#include "QuillSettings.h"

#include <QRegularExpression>
#include <QSettings>

namespace quill {

namespace {

// The value of [section] key in an INI text, or a null string when it is missing.
QString iniValue(const QString &text, const QString &section, const QString &key)
{
    bool inSection = false;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inSection
                = line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inSection && equals > 0
            && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1).trimmed();
    }
    return {};
}

bool looksLikeVersion(const QString &text)
{
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    if (text.isEmpty() || text == u'0' || text.size() > 50 || !text.contains(digit))
        return false;
    for (const QChar c : text) {
        if (!c.isPrint())
            return false;
    }
    return true;
}

QList<qint64> versionNumbers(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("[0-9]+"));
    QList<qint64> numbers;
    auto it = number.globalMatch(text);
    while (it.hasNext())
        numbers << it.next().captured().left(15).toLongLong();
    return numbers;
}

} // namespace

UpdateSource UpdateSource::fromCaptions(const CaptionFile &captions)
{
    const QString section = QStringLiteral("Update");
    auto value = [&](const char *key) {
        const QString text = captions.read(section, QString::fromLatin1(key)).trimmed();
        return text == u'0' ? QString() : text; // "0" is the reader's missing-key value
    };
    return {value("URL"), value("VersionFile"), value("KeyName")};
}

QUrl UpdateSource::versionUrl() const
{
    if (url.isEmpty() || versionFile.isEmpty())
        return {};
    const QString address = url.endsWith(u'/') ? url + versionFile : url + u'/' + versionFile;
    const QUrl result(address, QUrl::StrictMode);
    const QString scheme = result.scheme().toLower();
    if (!result.isValid() || result.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return result;
}

namespace UpdateCheck {

QString parseVersionFile(const QByteArray &bytes)
{
    if (bytes.size() > MaxBodySize)
        return {};
    const QString version
        = iniValue(fromCp949(bytes), QStringLiteral("Update"), QStringLiteral("Version"));
    return looksLikeVersion(version) ? version : QString();
}

int compareVersions(const QString &a, const QString &b)
{
    const QList<qint64> left = versionNumbers(a);
    const QList<qint64> right = versionNumbers(b);
    const qsizetype parts = qMax(left.size(), right.size());
    for (qsizetype i = 0; i < parts; ++i) {
        const qint64 l = left.value(i, 0);
        const qint64 r = right.value(i, 0);
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}

UpdateResult evaluate(const UpdateAnswer &answer, const QString &installedVersion)
{
    if (!answer.received || answer.httpStatus < 200 || answer.httpStatus > 299)
        return {};
    const QString published = parseVersionFile(answer.body);
    if (published.isEmpty())
        return {};
    const bool newer = compareVersions(published, installedVersion) > 0;
    return {newer ? UpdateVerdict::Newer : UpdateVerdict::Latest, published};
}

QString installedVersion(QSettings &settings, const QString &keyName)
{
    const QString stored = QuillSettings::installedVersion(settings, keyName).trimmed();
    return stored.isEmpty() ? QStringLiteral(QUILL_VERSION) : stored;
}

} // namespace UpdateCheck

} // namespace quill
