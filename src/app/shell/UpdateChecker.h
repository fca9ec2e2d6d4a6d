// The update check over HTTP, in the background, and what the user is told about it.
#pragma once

#include "shell/UpdateCheck.h"

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QWidget;

namespace quill {

class CaptionFile;

// Asks the update server for its version file without blocking the interface: the request
// runs in Qt's network layer with a short transfer time-out. Only a successful HTTP answer
// carrying a version text counts (UpdateCheck::evaluate). Since no updater program exists
// here, a newer version is reported and the download page is offered.
//
// The check at start-up shows nothing unless a newer version was published; "업데이트 확인"
// (checkNow) also says when the program is current and when the server could not be asked.
class UpdateChecker : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 5000;
    // Opens a link in the user's browser (QDesktopServices by default).
    using LinkOpener = std::function<bool(const QUrl &)>;

    // installedVersion: what UpdateCheck::installedVersion() found. The captions give the
    // server address ([Update]) and the download page ([About] QuillLabel_URL, else URL).
    UpdateChecker(const CaptionFile &captions, const QString &installedVersion, QWidget *window,
        QObject *parent = nullptr);

    void setVersionUrl(const QUrl &url) { mVersionUrl = url; }
    QUrl versionUrl() const { return mVersionUrl; }
    QUrl downloadPage() const { return mDownloadPage; }
    void setTimeout(int ms) { mTimeoutMs = ms; }
    void setLinkOpener(LinkOpener opener) { mOpener = std::move(opener); }
    bool isChecking() const { return mReply != nullptr; }

    // The quiet check of the start-up, and the Help menu's "업데이트 확인".
    void checkAtStartup() { check(false); }
    void checkNow() { check(true); }

Q_SIGNALS:
    // Every check ends here, told or not. problem is empty unless nothing usable came back.
    void finished(const quill::UpdateResult &result, const QString &problem);

private:
    void check(bool manual);
    void replyFinished(QNetworkReply *reply, bool manual);
    void tell(const UpdateResult &result, const QString &problem, bool manual);

    QNetworkAccessManager *mNetwork = nullptr;
    QPointer<QNetworkReply> mReply;
    QPointer<QWidget> mWindow;
    QUrl mVersionUrl;
    QUrl mDownloadPage;
    QString mInstalled;
    int mTimeoutMs = DefaultTimeoutMs;
    LinkOpener mOpener;
};

} // namespace quill
