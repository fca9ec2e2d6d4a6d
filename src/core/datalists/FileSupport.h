// Small helpers shared by the table file readers and writers: code pages and atomic writes.
#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

namespace quill {

// CP949 conversion of the many short values of a table, giving exactly the text of fromCp949
// and the bytes of toCp949: characters are looked up in tables built once from the same
// converter (opening a converter for every value costs more than reading a whole table),
// and values the tables do not cover go to the converter itself.
QString decodeCp949(const char *bytes, qsizetype size);
inline QString decodeCp949(const QByteArray &bytes) { return decodeCp949(bytes.constData(), bytes.size()); }
QByteArray encodeCp949(const QString &text);

// CP949 bytes of text, cut at a character boundary so that at most maxBytes remain.
QByteArray cp949Cut(const QString &text, int maxBytes);
// The first maxBytes or fewer bytes of CP949 bytes, not splitting a double-byte character.
QByteArray cp949CutBytes(QByteArray bytes, int maxBytes);
// Length of text in CP949 bytes (a Korean character counts two).
int cp949Length(const QString &text);

// A temporary file beside target for a library that writes by path. commit() renames it over
// the target in one step; without commit() the destructor removes it, so a failed write never
// leaves a half-written table behind and never touches the existing one.
class AtomicPath {
public:
    // suffix: the temporary file's extension when a library insists on one (default: target's).
    explicit AtomicPath(const QString &target, const QString &suffix = {});
    ~AtomicPath();
    AtomicPath(const AtomicPath &) = delete;
    AtomicPath &operator=(const AtomicPath &) = delete;

    bool isValid() const { return !mTemp.isEmpty(); }
    QString tempPath() const { return mTemp; }
    QByteArray tempPathBytes() const;
    Status commit();

private:
    QString mTarget;
    QString mTemp;
};

// "name: message" errors for a file.
Error fileError(const QString &path, const QString &message);

} // namespace quill
