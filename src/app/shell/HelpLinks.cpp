// Finding help documents and links, and opening them through the desktop.
#include "HelpLinks.h"

#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"

#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

namespace quill {

namespace {

struct TopicInfo {
    const char *key; // [Help] key naming the document
    const char *section; // the guide's section when the document is not installed
};

TopicInfo topicInfo(HelpLinks::Topic topic)
{
    switch (topic) {
    case HelpLinks::Topic::DataLists:
        return {"DBHelp", "data"};
    case HelpLinks::Topic::Barcode1D:
        return {"Barcode1DHelp", "barcode"};
    case HelpLinks::Topic::Barcode2D:
        return {"Barcode2DHelp", "barcode"};
    case HelpLinks::Topic::Guide:
        break;
    }
    return {"HelpPath", ""};
}

} // namespace

HelpLinks::HelpLinks(
    const CaptionFile &captions, const AppFolders &folders, QWidget *window, QObject *parent)
    : QObject(parent), mCaptions(captions), mFolders(folders), mWindow(window),
      mOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
}

QUrl HelpLinks::helpUrl(Topic topic) const
{
    const TopicInfo info = topicInfo(topic);
    const QDir resources(mFolders.resourceDir());
    const QString named
        = mCaptions.read(QStringLiteral("Help"), QString::fromLatin1(info.key)).trimmed();
    if (!named.isEmpty() && named != u'0') {
        const QString path = resources.absoluteFilePath(QDir::fromNativeSeparators(named));
        if (QFileInfo(path).isFile())
            return QUrl::fromLocalFile(path);
    }
    const QString guide = resources.absoluteFilePath(QStringLiteral("help/index.html"));
    if (!QFileInfo(guide).isFile())
        return {};
    QUrl url = QUrl::fromLocalFile(guide);
    if (*info.section)
        url.setFragment(QString::fromLatin1(info.section));
    return url;
}

QUrl HelpLinks::link(const QString &aboutKey) const
{
    const QString text = mCaptions.read(QStringLiteral("About"), aboutKey).trimmed();
    if (text.isEmpty() || text == u'0')
        return {};
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty() ? url : QUrl();
}

bool HelpLinks::openHelp(Topic topic)
{
    const QUrl url = helpUrl(topic);
    if (!url.isValid()) {
        const QString named
            = mCaptions.read(QStringLiteral("Help"), QString::fromLatin1(topicInfo(topic).key));
        tell(QDir(mFolders.resourceDir())
                 .absoluteFilePath(named == u'0' ? QStringLiteral("help/index.html") : named)
            + QStringLiteral(" 파일을 찾을 수 없습니다."));
        return false;
    }
    return open(url);
}

bool HelpLinks::openLink(const QString &aboutKey)
{
    const QUrl url = link(aboutKey);
    if (!url.isValid()) {
        tell(QStringLiteral("연결할 주소가 설정되어 있지 않습니다. ([About] %1)").arg(aboutKey));
        return false;
    }
    return open(url);
}

void HelpLinks::HomepageBtnClick()
{
    const QUrl url = link(QStringLiteral("URL"));
    if (url.isValid())
        open(url);
}

bool HelpLinks::open(const QUrl &url)
{
    // The desktop may take a moment to start the browser.
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const bool opened = mOpener && mOpener(url);
    QGuiApplication::restoreOverrideCursor();
    if (!opened)
        tell(url.toDisplayString() + QStringLiteral("\n열 수 없습니다."));
    return opened;
}

void HelpLinks::tell(const QString &text)
{
    QMessageBox::warning(mWindow, QStringLiteral("도움말"), text);
}

} // namespace quill
