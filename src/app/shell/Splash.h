// The splash window shown while the editor starts, and the start-up timer.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSplashScreen>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace quill {

// A borderless 500 x 300 window, black, always on top, centred, showing the splash picture
// (img/intro.jpg of the resources) scaled to the window. A missing or unreadable picture is
// no reason not to start: the window then shows the product name.
class TSplashForm : public QSplashScreen {
    Q_OBJECT
public:
    static constexpr int Width = 500;
    static constexpr int Height = 300;

    explicit TSplashForm(const QString &picturePath);

    // The window's picture: the file scaled into 500 x 300 on black, or the product name.
    static QPixmap compose(const QString &picturePath);
};

// After the main window has appeared: a one-shot 500 ms timer that first offers documents left
// by a crash (when a recovery offer is set), then opens the document named on the command line
// or, without one and without a recovered document, runs New.
class StartupTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int DelayMs = 500;
    using OpenDocument = std::function<void(const QString &path)>;
    using NewDocument = std::function<void()>;
    using OfferRecovery = std::function<bool()>; // true when a document was recovered

    StartupTimer(OpenDocument open, NewDocument newDocument, QObject *parent = nullptr);

    void setRecoveryOffer(OfferRecovery offer) { mOffer = std::move(offer); }

    // arguments as QCoreApplication::arguments() gives them (the program first). Starts the
    // timer; call it once the main window is shown.
    void start(const QStringList &arguments);
    bool isPending() const { return mTimer.isActive(); }

    // The document named on a command line: the first argument after the program that is not
    // an option; empty when there is none. "--" ends the options.
    static QString documentArgument(const QStringList &arguments);

private:
    void fire();

    QTimer mTimer;
    QString mDocument;
    OpenDocument mOpen;
    NewDocument mNew;
    OfferRecovery mOffer;
};

} // namespace quill
