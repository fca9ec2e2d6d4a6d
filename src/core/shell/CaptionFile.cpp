#include "CaptionFile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

namespace quill {

namespace {

QTextCodec *cp949()
{
    // Qt's own "CP949" goes through ICU's IBM-949, which lacks part of the Microsoft table;
    // Core5Compat's codec uses the full Unified Hangul Code.
    static QTextCodec *codec = QTextCodec::codecForName("CP949");
    return codec;
}

bool isAscii(QLatin1StringView bytes)
{
    for (char c : bytes) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

bool isAscii(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

QString sectionName(const QByteArray &line)
{
    const int end = line.indexOf(']');
    return fromCp949(line.mid(1, end < 0 ? -1 : end - 1)).trimmed();
}

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

// An entry that would not read back as itself must not be written: a line break in any part
// would add lines of its own to the file, and '?' substitutes would store a different text.
bool isStorable(const QString &section, const QString &key, const QString &value)
{
    const QString k = key.trimmed();
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value))
        return false;
    if (section.contains(u']') || k.isEmpty() || k.contains(u'=') || k.startsWith(u'[')
        || k.startsWith(u';'))
        return false;
    return fitsCp949(section) && fitsCp949(key) && fitsCp949(value);
}

} // namespace

// Most texts (property names, identifiers, numbers) are plain ASCII, which CP949 leaves as it
// is; the codec builds a converter on every call, so those skip it.
QString fromCp949(const QByteArray &bytes)
{
    if (isAscii(QLatin1StringView(bytes)))
        return QString::fromLatin1(bytes);
    return cp949()->toUnicode(bytes);
}

QByteArray toCp949(const QString &text)
{
    if (isAscii(text))
        return text.toLatin1();
    return cp949()->fromUnicode(text);
}

bool fitsCp949(const QString &text)
{
    return isAscii(text) || cp949()->canEncode(text);
}

CaptionFile::CaptionFile(const QString &path) : mPath(path)
{
    reload();
}

void CaptionFile::reload()
{
    mSections.clear();
    QFile file(mPath);
    mExists = !mPath.isEmpty() && file.open(QIODevice::ReadOnly);
    if (!mExists)
        return;
    QList<Entry> *current = nullptr;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            current = &mSections[sectionName(line).toLower()];
            continue;
        }
        const int eq = line.indexOf('=');
        if (!current || eq <= 0)
            continue;
        const QString key = fromCp949(line.left(eq)).trimmed();
        QString value = fromCp949(line.mid(eq + 1)).trimmed();
        current->append({key, value.left(MaxValueLength)});
    }
}

QString CaptionFile::missingValue(Missing missing)
{
    switch (missing) {
    case Missing::Null:
        return QStringLiteral("Null");
    case Missing::Blank:
        return QStringLiteral(" ");
    case Missing::Zero:
        break;
    }
    return QStringLiteral("0");
}

QString CaptionFile::read(const QString &section, const QString &key, Missing missing) const
{
    const auto it = mSections.constFind(section.toLower());
    if (it != mSections.constEnd()) {
        for (const Entry &e : *it) {
            if (e.key.compare(key, Qt::CaseInsensitive) == 0)
                return e.value;
        }
    }
    return missingValue(missing);
}

bool CaptionFile::contains(const QString &section, const QString &key) const
{
    const auto it = mSections.constFind(section.toLower());
    if (it == mSections.constEnd())
        return false;
    for (const Entry &e : *it) {
        if (e.key.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QStringList CaptionFile::keys(const QString &section) const
{
    QStringList out;
    for (const Entry &e : mSections.value(section.toLower())) {
        if (!out.contains(e.key, Qt::CaseInsensitive))
            out.append(e.key);
    }
    return out;
}

bool CaptionFile::write(const QString &section, const QString &key, const QString &value)
{
    if (!isStorable(section, key, value))
        return false;
    QByteArray content;
    {
        QFile in(mPath);
        if (in.open(QIODevice::ReadOnly))
            content = in.readAll();
        else if (in.exists())
            return false; // rewriting it from nothing would lose every other entry
    }
    const bool crlf = content.contains("\r\n");
    const QByteArray entry = toCp949(key) + '=' + toCp949(value.left(MaxValueLength));
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    int sectionLine = -1;
    int insertAt = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray t = lines[i].trimmed();
        if (t.startsWith('[')) {
            if (sectionLine >= 0)
                break;
            if (sectionName(t).compare(section, Qt::CaseInsensitive) == 0)
                sectionLine = insertAt = i;
            continue;
        }
        if (sectionLine < 0 || t.isEmpty())
            continue;
        insertAt = i;
        const int eq = t.indexOf('=');
        if (eq > 0 && fromCp949(t.left(eq)).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = entry + (crlf ? "\r" : "");
            insertAt = -2; // replaced
            break;
        }
    }
    const QByteArray cr = crlf ? "\r" : "";
    if (sectionLine < 0) {
        lines.append('[' + toCp949(section) + ']' + cr);
        lines.append(entry + cr);
    } else if (insertAt != -2) {
        lines.insert(insertAt + 1, entry + cr);
    }

    QSaveFile out(mPath);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &l : lines)
        out.write(l + '\n');
    if (!out.commit())
        return false;
    reload();
    return true;
}

ListSplit splitList(const QString &text, QChar separator)
{
    const int at = text.indexOf(separator);
    if (at < 0)
        return {text, QString()};
    return {text.left(at), text.mid(at + 1)};
}

} // namespace quill
