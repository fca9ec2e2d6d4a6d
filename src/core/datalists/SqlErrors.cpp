// What a failure of the query engine means, in words a user understands.
#include "SqlErrors.h"

#include <QRegularExpression>
#include <QSqlError>

namespace quill {
namespace {

// The name an engine message ends with ("no such column: name" -> "name").
QString namedAfterColon(const QString &text)
{
    const qsizetype colon = text.indexOf(u':');
    return colon < 0 ? QString() : text.mid(colon + 1).trimmed();
}

struct Meaning {
    const char16_t *pattern;  // found in the engine's message, letter case ignored
    const char16_t *sentence; // %1: the name the message ends with
};

const Meaning meanings[] = {
    {u"duplicate column name", u"two fields are named %1 (letter case is not told apart)"},
    {u"no such column", u"there is no field %1"},
    {u"no such table", u"there is no table %1"},
    {u"ambiguous column name", u"the field name %1 is used twice"},
    {u"syntax error", u"the query cannot be understood (check its quotes and names)"},
    {u"unrecognized token", u"the query cannot be understood (check its quotes and names)"},
    {u"file is not a database", u"the file is damaged or not a SQLite database"},
    {u"malformed", u"the file is damaged"},
    {u"database is locked", u"the file is in use by another program"},
    {u"readonly", u"the file cannot be written (it is read only)"},
    {u"read-only", u"the file cannot be written (it is read only)"},
    {u"disk is full", u"the disk is full"},
    {u"disk i/o error", u"the file cannot be read or written (disk error)"},
    {u"unable to open", u"the file cannot be opened"},
    {u"too many columns", u"the list has more fields than can be handled (2,000 at most)"},
    {u"string or blob too big", u"a value is too large"},
    {u"out of memory", u"there is not enough memory for the list"},
    {u"interrupt", u"the work was interrupted"},
};

} // namespace

QString describeSqlError(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    for (const Meaning &m : meanings) {
        const QString pattern = QString::fromUtf16(m.pattern);
        if (!text.contains(pattern, Qt::CaseInsensitive))
            continue;
        QString sentence = QString::fromUtf16(m.sentence);
        if (sentence.contains(u"%1"))
            sentence = sentence.arg(namedAfterColon(text));
        return sentence;
    }
    const QString code = error.nativeErrorCode();
    return code.isEmpty() ? QStringLiteral("the list could not be processed")
                          : QStringLiteral("the list could not be processed (error %1)").arg(code);
}

} // namespace quill
