// A fast forward-only reader of the plain UTF-8 XML that workbook parts are made of.
#include "XmlScanner.h"

#include <QStringDecoder>

#include <cstring>

namespace quill {
namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

QByteArrayView localName(QByteArrayView qualified)
{
    const qsizetype colon = qualified.lastIndexOf(':');
    return colon < 0 ? qualified : qualified.sliced(colon + 1);
}

// The character a reference stands for, or -1.
char32_t referenceValue(QByteArrayView ref)
{
    if (ref == "lt")
        return U'<';
    if (ref == "gt")
        return U'>';
    if (ref == "amp")
        return U'&';
    if (ref == "quot")
        return U'"';
    if (ref == "apos")
        return U'\'';
    if (ref.size() < 2 || ref.front() != '#')
        return char32_t(-1);
    bool ok = false;
    const uint value = ref.at(1) == 'x' ? ref.sliced(2).toByteArray().toUInt(&ok, 16)
                                        : ref.sliced(1).toByteArray().toUInt(&ok, 10);
    if (!ok || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return char32_t(-1);
    return char32_t(value);
}

} // namespace

XmlScanner::XmlScanner(const QByteArray &xml) : mXml(xml)
{
    if (xml.startsWith("\xFF\xFE") || xml.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringDecoder::Utf16, QStringDecoder::Flag::ConvertInitialBom);
        mOwned = QString(utf16.decode(xml)).toUtf8();
        mXml = mOwned;
    } else if (xml.startsWith("\xEF\xBB\xBF")) {
        mPos = 3;
    }
}

XmlScanner::Token XmlScanner::fail()
{
    mError = true;
    mPos = mXml.size();
    return Invalid;
}

bool XmlScanner::skipPast(QByteArrayView terminator)
{
    const qsizetype at = QByteArrayView(mXml).indexOf(terminator, mPos);
    if (at < 0)
        return false;
    mPos = at + terminator.size();
    return true;
}

XmlScanner::Token XmlScanner::next()
{
    if (mError)
        return Invalid;
    if (mPendingEnd) {
        mPendingEnd = false;
        return EndElement;
    }
    mCdata = false;
    while (mPos < mXml.size()) {
        const char *data = mXml.data();
        if (data[mPos] != '<') {
            const void *lt = std::memchr(data + mPos, '<', size_t(mXml.size() - mPos));
            const qsizetype end = lt ? static_cast<const char *>(lt) - data : mXml.size();
            mText = mXml.sliced(mPos, end - mPos);
            mPos = end;
            if (mOpen.isEmpty()) { // only white space may stand outside the root element
                for (char c : mText) {
                    if (!isSpace(c))
                        return fail();
                }
                continue;
            }
            return Characters;
        }
        const char second = mPos + 1 < mXml.size() ? data[mPos + 1] : '\0';
        if (second == '/')
            return readEndElement();
        if (second != '?' && second != '!')
            return readStartElement();
        const QByteArrayView rest = mXml.sliced(mPos);
        if (second == '?') {
            if (!skipPast("?>"))
                return fail();
        } else if (rest.startsWith("<!--")) {
            if (!skipPast("-->"))
                return fail();
        } else if (rest.startsWith("<![CDATA[")) {
            const qsizetype start = mPos + 9;
            if (mOpen.isEmpty() || !skipPast("]]>"))
                return fail();
            mText = mXml.sliced(start, mPos - 3 - start);
            mCdata = true;
            return Characters;
        } else {
            return fail(); // document type declarations (and their entities) have no place here
        }
    }
    return mOpen.isEmpty() ? EndDocument : fail();
}

XmlScanner::Token XmlScanner::readStartElement()
{
    const char *data = mXml.data();
    qsizetype i = mPos + 1;
    const qsizetype nameStart = i;
    while (i < mXml.size() && !isSpace(data[i]) && data[i] != '>' && data[i] != '/')
        ++i;
    const QByteArrayView qualified = mXml.sliced(nameStart, i - nameStart);
    const qsizetype attributesStart = i;
    char quote = 0;
    for (; i < mXml.size(); ++i) {
        const char c = data[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (c == '<')
                return fail();
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            break;
        }
    }
    if (qualified.isEmpty() || i >= mXml.size())
        return fail();
    const bool empty = data[i - 1] == '/';
    mAttributes = mXml.sliced(attributesStart, i - attributesStart - (empty ? 1 : 0));
    mName = localName(qualified);
    mPos = i + 1;
    if (empty)
        mPendingEnd = true;
    else
        mOpen.append(qualified);
    return StartElement;
}

XmlScanner::Token XmlScanner::readEndElement()
{
    const qsizetype close = QByteArrayView(mXml).indexOf('>', mPos);
    if (close < 0 || mOpen.isEmpty())
        return fail();
    QByteArrayView qualified = mXml.sliced(mPos + 2, close - mPos - 2).trimmed();
    if (qualified != mOpen.last())
        return fail();
    mOpen.removeLast();
    mName = localName(qualified);
    mPos = close + 1;
    return EndElement;
}

QByteArrayView XmlScanner::attribute(QByteArrayView wanted) const
{
    const QByteArrayView a = mAttributes;
    qsizetype i = 0;
    while (i < a.size()) {
        while (i < a.size() && isSpace(a.at(i)))
            ++i;
        const qsizetype nameStart = i;
        while (i < a.size() && a.at(i) != '=' && !isSpace(a.at(i)))
            ++i;
        const QByteArrayView name = a.sliced(nameStart, i - nameStart);
        while (i < a.size() && (isSpace(a.at(i)) || a.at(i) == '='))
            ++i;
        if (i >= a.size())
            break;
        const char quote = a.at(i);
        const qsizetype end = a.indexOf(quote, i + 1);
        if ((quote != '"' && quote != '\'') || end < 0)
            break;
        if (localName(name) == wanted)
            return a.sliced(i + 1, end - i - 1);
        i = end + 1;
    }
    return {};
}

void XmlScanner::skipElement()
{
    for (int depth = 1; depth > 0;) {
        const Token t = next();
        if (t == StartElement)
            ++depth;
        else if (t == EndElement)
            --depth;
        else if (t == EndDocument || t == Invalid)
            return;
    }
}

QString XmlScanner::decode(QByteArrayView raw) const
{
    if (!raw.contains('&') && !raw.contains('\r'))
        return QString::fromUtf8(raw);
    QString text;
    text.reserve(raw.size());
    qsizetype i = 0;
    while (i < raw.size()) {
        qsizetype j = i;
        while (j < raw.size() && raw.at(j) != '&' && raw.at(j) != '\r')
            ++j;
        text += QString::fromUtf8(raw.sliced(i, j - i));
        if (j >= raw.size())
            break;
        if (raw.at(j) == '\r') { // line ends read as "\n", as XML has it
            text += u'\n';
            i = j + 1 < raw.size() && raw.at(j + 1) == '\n' ? j + 2 : j + 1;
            continue;
        }
        const qsizetype semicolon = raw.indexOf(';', j);
        const char32_t c = semicolon < 0 ? char32_t(-1) : referenceValue(raw.sliced(j + 1, semicolon - j - 1));
        if (c == char32_t(-1)) {
            mError = true;
            return text;
        }
        text += QString::fromUcs4(&c, 1);
        i = semicolon + 1;
    }
    return text;
}

} // namespace quill
