// The help documents and web links of the Help menu and toolbar.
#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QWidget;

namespace quill {

class AppFolders;
class CaptionFile;

// Opens the user guide and the product's web pages through the desktop (QDesktopServices).
// Help documents are named by the caption file's [Help] keys, relative to the installed
// resources; where the named document is not installed, the user guide help/index.html opens
// at the topic's section. A document that cannot be found is told with its path; an empty or
// malformed address is told too, never opened. Neither object passed is owned; both must
// outlive this one.
class HelpLinks : public QObject {
    Q_OBJECT
public:
    enum class Topic { Guide, DataLists, Barcode1D, Barcode2D };
    using Opener = std::function<bool(const QUrl &)>;

    HelpLinks(const CaptionFile &captions, const AppFolders &folders, QWidget *window,
        QObject *parent = nullptr);

    void setOpener(Opener opener) { mOpener = std::move(opener); }

    // The document a topic opens: a local file URL, with a fragment for a guide section;
    // invalid when no document exists.
    QUrl helpUrl(Topic topic) const;
    // The caption file's [About] address of key (URL, Online_URL, QuillLabel_URL, C_URL).
    QUrl link(const QString &aboutKey) const;

    // Each returns whether something was opened; a failure has been told to the user.
    bool openHelp(Topic topic = Topic::Guide);
    bool openLink(const QString &aboutKey);

    // The toolbar's and Help menu's commands.
    void HelpBtnClick() { openHelp(Topic::Guide); }
    void HomepageBtnClick(); // [About] URL; an empty address is skipped without a word
    void OnlineSupportClick() { openLink(QStringLiteral("Online_URL")); }
    void InternetServiceClick() { openLink(QStringLiteral("QuillLabel_URL")); }

private:
    bool open(const QUrl &url);
    void tell(const QString &text);

    const CaptionFile &mCaptions;
    const AppFolders &mFolders;
    QPointer<QWidget> mWindow;
    Opener mOpener;
};

} // namespace quill
