// Small helpers shared by the table file readers and writers: code pages and atomic writes.
#include "FileSupport.h"

#include "shell/CaptionFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace quill {

namespace {

// Every character CP949 has, as one byte (below 0x81) or a lead and a trail byte.
struct Cp949Tables {
    char16_t single[0x81] = {};         // 0: decoded by the converter
    char16_t pair[0x7E][0x100] = {};    // [lead - 0x81][trail]; 0: not a character
};

const Cp949Tables &decodeTables()
{
    static const Cp949Tables *tables = [] {
        auto *t = new Cp949Tables;
        for (int b = 0; b <= 0x80; ++b) {
            const QString s = fromCp949(QByteArray(1, char(b)));
            if (s.size() == 1)
                t->single[b] = s.at(0).unicode();
        }
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x41; trail <= 0xFE; ++trail) {
                const QString s = fromCp949(QByteArray(1, char(lead)) + char(trail));
                if (s.size() == 1 && s.at(0).unicode() != 0xFFFD && !s.at(0).isSurrogate())
                    t->pair[lead - 0x81][trail] = s.at(0).unicode();
            }
        }
        return t;
    }();
    return *tables;
}

// The bytes of each BMP character that converts to a character of decodeTables() and back.
// 0 marks characters left to the converter; a single byte b is stored as b + 1.
const QList<quint16> &encodeTable()
{
    static const QList<quint16> table = [] {
        QList<quint16> t(0x10000, 0);
        const Cp949Tables &d = decodeTables();
        for (int b = 0; b <= 0x80; ++b) {
            const QChar c(d.single[b]);
            if (d.single[b] != 0 || b == 0) {
                if (toCp949(QString(c)) == QByteArray(1, char(b)))
                    t[c.unicode()] = quint16(b + 1);
            }
        }
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x41; trail <= 0xFE; ++trail) {
                const char16_t u = d.pair[lead - 0x81][trail];
                const QByteArray bytes = QByteArray(1, char(lead)) + char(trail);
                if (u != 0 && t.at(u) == 0 && toCp949(QString(QChar(u))) == bytes)
                    t[u] = quint16(lead << 8 | trail);
            }
        }
        return t;
    }();
    return table;
}

} // namespace

QString decodeCp949(const char *bytes, qsizetype size)
{
    const Cp949Tables &t = decodeTables();
    QString text(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype n = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const quint8 b = quint8(bytes[i]);
        char16_t c = 0;
        if (b <= 0x80)
            c = t.single[b];
        else if (b <= 0xFE && i + 1 < size)
            c = t.pair[b - 0x81][quint8(bytes[++i])];
        if (c == 0 && b != 0)
            return fromCp949(QByteArray(bytes, size)); // let the converter say what it makes of it
        out[n++] = c;
    }
    text.truncate(n);
    return text;
}

QByteArray encodeCp949(const QString &text)
{
    const QList<quint16> &t = encodeTable();
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    qsizetype n = 0;
    for (const QChar c : text) {
        const quint16 code = t.at(c.unicode());
        if (code == 0)
            return toCp949(text);
        if (code <= 0x81) {
            bytes[n++] = char(code - 1);
        } else {
            bytes[n++] = char(code >> 8);
            bytes[n++] = char(code & 0xFF);
        }
    }
    bytes.truncate(n);
    return bytes;
}

QByteArray cp949Cut(const QString &text, int maxBytes)
{
    return cp949CutBytes(encodeCp949(text), maxBytes);
}

QByteArray cp949CutBytes(QByteArray bytes, int maxBytes)
{
    if (bytes.size() <= maxBytes)
        return bytes;
    // Lead bytes of CP949 double-byte characters are 0x81..0xFE; everything below is one byte.
    int end = 0;
    while (end < bytes.size()) {
        const int step = quint8(bytes.at(end)) >= 0x81 ? 2 : 1;
        if (end + step > maxBytes)
            break;
        end += step;
    }
    bytes.truncate(end);
    return bytes;
}

int cp949Length(const QString &text)
{
    int length = 0;
    for (const QChar c : text)
        length += c.unicode() < 0x80 ? 1 : (c.isLowSurrogate() ? 0 : 2);
    return length;
}

AtomicPath::AtomicPath(const QString &target, const QString &wantedSuffix) : mTarget(target)
{
    const QFileInfo info(target);
    // The temporary name keeps the extension: some libraries replace any other one.
    const QString ext = wantedSuffix.isEmpty() ? info.suffix() : wantedSuffix;
    const QString suffix = ext.isEmpty() ? QString() : u'.' + ext;
    QTemporaryFile temp(info.absolutePath() + QStringLiteral("/.") + info.completeBaseName()
                        + QStringLiteral(".XXXXXX") + suffix);
    temp.setAutoRemove(false);
    if (temp.open()) {
        mTemp = temp.fileName();
        temp.close();
        // The libraries create their files themselves; an empty file in the way may confuse them.
        QFile::remove(mTemp);
    }
}

AtomicPath::~AtomicPath()
{
    if (!mTemp.isEmpty())
        QFile::remove(mTemp);
}

QByteArray AtomicPath::tempPathBytes() const
{
    return QFile::encodeName(mTemp);
}

Status AtomicPath::commit()
{
    if (mTemp.isEmpty() || !QFileInfo::exists(mTemp))
        return fileError(mTarget, QStringLiteral("the table could not be written"));
    QFile::setPermissions(mTemp, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                     | QFile::ReadOther);
    if (std::rename(QFile::encodeName(mTemp).constData(), QFile::encodeName(mTarget).constData())
        != 0)
        return fileError(mTarget, QStringLiteral("the file could not be replaced"));
    mTemp.clear();
    return Status::success();
}

Error fileError(const QString &path, const QString &message)
{
    return Error(QFileInfo(path).fileName() + QStringLiteral(": ") + message, path);
}

} // namespace quill
