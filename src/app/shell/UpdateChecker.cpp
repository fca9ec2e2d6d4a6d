// Sending the version request, reading the answer and telling the user.
#include "UpdateChecker.h"

#include "shell/CaptionFile.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QWidget>

namespace quill {

namespace {

const QString UpdateCaption = QStringLiteral("프로그램 업데이트");

QUrl downloadPageOf(const CaptionFile &captions)
{
    for (const char *key : {"QuillLabel_URL", "URL"}) {
        const QString text
            = captions.read(QStringLiteral("About"), QString::fromLatin1(key)).trimmed();
        const QUrl url(text, QUrl::StrictMode);
        if (text != u'0' && url.isValid() && !url.scheme().isEmpty())
            return url;
    }
    return {};
}

// Errors below 100 are those of the connection itself: no network, no server, time-out.
bool isConnectionError(QNetworkReply::NetworkError error)
{
    return error != QNetworkReply::NoError && int(error) < 100;
}

} // namespace

UpdateChecker::UpdateChecker(
    const CaptionFile &captions, const QString &installedVersion, QWidget *window, QObject *parent)
    : QObject(parent), mNetwork(new QNetworkAccessManager(this)), mWindow(window),
      mVersionUrl(UpdateSource::fromCaptions(captions).versionUrl()),
      mDownloadPage(downloadPageOf(captions)), mInstalled(installedVersion),
      mOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    qRegisterMetaType<quill::UpdateResult>();
}

void UpdateChecker::check(bool manual)
{
    if (mReply)
        return; // one check at a time; the running one will answer
    if (!mVersionUrl.isValid()) {
        tell({}, QStringLiteral("업데이트 서버의 주소가 설정되어 있지 않습니다."), manual);
        return;
    }
    QNetworkRequest request(mVersionUrl);
    request.setTransferTimeout(mTimeoutMs);
    request.setAttribute(
        QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setHeader(
        QNetworkRequest::UserAgentHeader, QStringLiteral("QuillLabel/" QUILL_VERSION));
    QNetworkReply *reply = mNetwork->get(request);
    mReply = reply;
    // A version file is a few lines: anything much longer is not one.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > UpdateCheck::MaxBodySize)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this,
        [this, reply, manual] { replyFinished(reply, manual); });
}

void UpdateChecker::replyFinished(QNetworkReply *reply, bool manual)
{
    reply->deleteLater();
    mReply.clear();
    UpdateAnswer answer;
    answer.received = reply->error() == QNetworkReply::NoError;
    answer.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.body = reply->read(UpdateCheck::MaxBodySize + 1);
    const UpdateResult result = UpdateCheck::evaluate(answer, mInstalled);
    QString problem;
    if (result.verdict == UpdateVerdict::NoAnswer) {
        problem = isConnectionError(reply->error())
            ? QStringLiteral("인터넷에 연결 되어 있지 않습니다.")
            : QStringLiteral("업데이트 정보를 받을 수 없습니다.");
    }
    tell(result, problem, manual);
}

void UpdateChecker::tell(const UpdateResult &result, const QString &problem, bool manual)
{
    switch (result.verdict) {
    case UpdateVerdict::Newer: {
        const QString text
            = QStringLiteral("프로그램이 업데이트 되었습니다. (새 버전 %1, 현재 버전 %2)\n"
                             "내려받기 페이지를 여시겠습니까?")
                  .arg(result.publishedVersion, mInstalled);
        if (QMessageBox::question(
                mWindow, UpdateCaption, text, QMessageBox::Ok | QMessageBox::Cancel)
                == QMessageBox::Ok
            && mDownloadPage.isValid() && mOpener)
            mOpener(mDownloadPage);
        break;
    }
    case UpdateVerdict::Latest:
        if (manual)
            QMessageBox::information(
                mWindow, UpdateCaption, QStringLiteral("현재 프로그램은 최신 버전입니다."));
        break;
    case UpdateVerdict::NoAnswer:
        if (manual)
            QMessageBox::information(mWindow, UpdateCaption, problem);
        break;
    }
    Q_EMIT finished(result, problem);
}

} // namespace quill
