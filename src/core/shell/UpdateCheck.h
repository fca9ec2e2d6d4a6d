// What the update check decides without a network: where to ask, what the answer says.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

class QSettings;

namespace quill {

class CaptionFile;

// The caption file's [Update] values.
struct UpdateSource {
    QString url; // base address of the update server
    QString versionFile; // the version file's name on the server
    QString keyName; // the settings value under "Update" holding the installed version

    static UpdateSource fromCaptions(const CaptionFile &captions);
    // url + "/" (unless url ends with one) + versionFile; invalid when either is empty, or
    // when the address is not http or https.
    QUrl versionUrl() const;
};

// The answer of the server as the network layer saw it.
struct UpdateAnswer {
    bool received = false; // false: no connection, time-out, or the request failed
    int httpStatus = 0; // the HTTP status code when received
    QByteArray body; // the downloaded version file
};

enum class UpdateVerdict {
    NoAnswer, // nothing usable came back (no network, an HTTP error, no version text)
    Latest, // the published version is not newer than the installed one
    Newer, // a newer version has been published
};

struct UpdateResult {
    UpdateVerdict verdict = UpdateVerdict::NoAnswer;
    QString publishedVersion; // the version text of the answer, when it had one
};

namespace UpdateCheck {

// The largest version file taken from the server; anything longer is not a version file.
constexpr qsizetype MaxBodySize = 16 * 1024;

// The version text of a version file: [Update] Version of an INI text in CP949 (sections and
// keys in any letter case, the first entry wins). Empty when missing, "0", or not a version
// (a text with no digit, or with characters that are not printable).
QString parseVersionFile(const QByteArray &bytes);

// Compares the numbers in two version texts part by part ("1.10" is newer than "1.9", "2.0"
// equals "2", a leading "v" is ignored): negative, 0 or positive like a - b.
int compareVersions(const QString &a, const QString &b);

// Only a successful HTTP answer (2xx) carrying a version text counts.
UpdateResult evaluate(const UpdateAnswer &answer, const QString &installedVersion);

// The installed version: the settings value under "Update" named by keyName, or, when the
// installation recorded none, the version this program was built as.
QString installedVersion(QSettings &settings, const QString &keyName);

} // namespace UpdateCheck

} // namespace quill
