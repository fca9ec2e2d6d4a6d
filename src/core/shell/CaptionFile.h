// Reads and writes the caption file (label.dat) and the other INI files of the program.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace quill {

// An INI file in the Korean code page (CP949). Sections and keys match without regard to
// case and the first matching entry wins. Values are used as they stand, cut to 254
// characters. The file is read once when constructed (and again after reload()).
class CaptionFile {
public:
    // The value a reader gets for a key (or file) that is missing.
    enum class Missing {
        Zero,  // "0": the general caption reader
        Null,  // "Null": serial numbers, print start position dialog, preview messages
        Blank, // " ": the profile reads of the paper dialog and the preview window
    };

    CaptionFile() = default;
    explicit CaptionFile(const QString &path);

    QString path() const { return mPath; }
    bool exists() const { return mExists; }
    void reload();

    // The value of [section] key, or the missing-key value of the reader.
    QString read(const QString &section, const QString &key, Missing missing = Missing::Zero) const;
    // True when [section] key is present (even with an empty value).
    bool contains(const QString &section, const QString &key) const;
    // The keys of a section in file order (first spelling of each); empty when missing.
    QStringList keys(const QString &section) const;

    // Writes [section] key=value into the file, replacing the first matching entry or adding
    // one, and keeps the rest of the file byte for byte. The file is replaced atomically.
    // Returns false and leaves the file alone when the entry cannot be stored as one INI line
    // in CP949 (line breaks, a key with '=' or a section with ']', characters outside CP949)
    // or when an existing file cannot be read.
    bool write(const QString &section, const QString &key, const QString &value);

    static QString missingValue(Missing missing);
    static constexpr int MaxValueLength = 254;

private:
    struct Entry {
        QString key;
        QString value;
    };
    QString mPath;
    bool mExists = false;
    // Lower-cased section name -> entries in file order.
    QHash<QString, QList<Entry>> mSections;
};

// A list item split off at the first separator: "a,b,c" gives item "a" and rest "b,c";
// a text without the separator is the whole item with an empty rest.
struct ListSplit {
    QString item;
    QString rest;
};
ListSplit splitList(const QString &text, QChar separator);

// CP949 conversion at the edges of the program (files and short strings of the Korean
// code page). Characters that CP949 cannot hold become '?'.
QString fromCp949(const QByteArray &bytes);
QByteArray toCp949(const QString &text);
// True when every character of text can be written in CP949.
bool fitsCp949(const QString &text);

} // namespace quill
