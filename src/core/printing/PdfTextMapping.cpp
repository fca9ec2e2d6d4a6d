// Keeps the spaces of our PDFs when their text is copied or extracted.
#include "PdfTextMapping.h"

#include <QByteArrayView>

namespace quill {
namespace {

const QByteArray ListStart = QByteArrayLiteral("beginbf");
const QByteArray ListEnd = QByteArrayLiteral("endbf");

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The 4-digit hex code at text[i] ("<001f>"), or -1.
int codeAt(const QByteArray &text, qsizetype i)
{
    if (i + 6 > text.size() || text.at(i) != '<' || text.at(i + 5) != '>')
        return -1;
    for (int k = 1; k <= 4; ++k) {
        if (!isHex(text.at(i + k)))
            return -1;
    }
    return text.mid(i + 1, 4).toInt(nullptr, 16);
}

bool fixCode(QByteArray &text, qsizetype i)
{
    const int code = codeAt(text, i);
    if (code <= 0 || code >= 0x20)
        return false;
    text.replace(i + 1, 4, "0020");
    return true;
}

// The codes of one line as positions; arrays ("[" ... "]") marked by the flag.
struct LineCodes {
    QList<qsizetype> plain;
    QList<qsizetype> inArray;
};

LineCodes codesOfLine(const QByteArray &text, qsizetype from, qsizetype to)
{
    LineCodes codes;
    bool array = false;
    for (qsizetype i = from; i < to; ++i) {
        if (text.at(i) == '[')
            array = true;
        else if (text.at(i) == ']')
            array = false;
        else if (codeAt(text, i) >= 0)
            (array ? codes.inArray : codes.plain).append(i);
    }
    return codes;
}

bool isPrintableText(const QByteArray &text)
{
    for (char c : text) {
        if ((c < 0x20 || c > 0x7E) && c != '\n' && c != '\r' && c != '\t')
            return false;
    }
    return true;
}

} // namespace

int fixControlCharacterMappings(QByteArray &cmapText)
{
    int changed = 0;
    bool inChars = false, inRanges = false;
    qsizetype lineStart = 0;
    while (lineStart < cmapText.size()) {
        qsizetype lineEnd = cmapText.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = cmapText.size();
        const QByteArrayView line(cmapText.constData() + lineStart, lineEnd - lineStart);
        if (line.contains("beginbfchar")) {
            inChars = true;
        } else if (line.contains("beginbfrange")) {
            inRanges = true;
        } else if (line.contains("endbfchar") || line.contains("endbfrange")) {
            inChars = inRanges = false;
        } else if (inChars || inRanges) {
            const LineCodes codes = codesOfLine(cmapText, lineStart, lineEnd);
            for (qsizetype i : codes.inArray)
                changed += fixCode(cmapText, i);
            // "<src> <dst>" of a bfchar, or "<lo> <hi> <dst>" of a one-glyph bfrange.
            if (inChars && codes.plain.size() == 2)
                changed += fixCode(cmapText, codes.plain.at(1));
            if (inRanges && codes.plain.size() == 3
                && codeAt(cmapText, codes.plain.at(0)) == codeAt(cmapText, codes.plain.at(1)))
                changed += fixCode(cmapText, codes.plain.at(2));
        }
        lineStart = lineEnd + 1;
    }
    return changed;
}

PdfTextMappingFilter::PdfTextMappingFilter(QIODevice *target) : mTarget(target)
{
    QIODevice::open(QIODevice::WriteOnly);
}

PdfTextMappingFilter::~PdfTextMappingFilter()
{
    if (isOpen())
        close();
}

void PdfTextMappingFilter::close()
{
    process(true);
    QIODevice::close();
}

qint64 PdfTextMappingFilter::writeData(const char *data, qint64 size)
{
    mPending.append(data, size);
    process(false);
    return mFailed ? -1 : size;
}

void PdfTextMappingFilter::pass(const QByteArray &bytes)
{
    if (!bytes.isEmpty() && mTarget->write(bytes) != bytes.size())
        mFailed = true;
}

// Passes everything but a list whose end has not come yet, and the last bytes that might be
// the start of a list's first word.
void PdfTextMappingFilter::process(bool final)
{
    for (;;) {
        if (!mInList) {
            const qsizetype start = mPending.indexOf(ListStart);
            if (start < 0) {
                const qsizetype keep = final ? 0 : qMin<qsizetype>(mPending.size(), ListStart.size() - 1);
                pass(mPending.left(mPending.size() - keep));
                mPending.remove(0, mPending.size() - keep);
                return;
            }
            pass(mPending.left(start));
            mPending.remove(0, start);
            mInList = true;
        }
        qsizetype end = mPending.indexOf(ListEnd, ListStart.size());
        if (end < 0) {
            if (final) {
                pass(mPending);
                mPending.clear();
            }
            return;
        }
        end += ListEnd.size();
        QByteArray list = mPending.left(end);
        // Compressed page data may hold these letters by chance: only real text is touched.
        if (isPrintableText(list))
            fixControlCharacterMappings(list);
        pass(list);
        mPending.remove(0, end);
        mInList = false;
    }
}

} // namespace quill
