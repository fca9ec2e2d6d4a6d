// One editor per user data folder: a second launch hands its documents to the running one.
#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;
class QWidget;

namespace quill {

// The first launch takes a lock file and listens on a local socket, both in the user's runtime
// folder and named after the user data folder (so two users, or two test runs with their own
// data folders, never meet). A later launch finds the lock taken, connects and hands over the
// document paths of its command line (made absolute), then ends. Should the hand-over fail
// (the first one hangs), the launch runs alone and must use a private Temp folder.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Primary, // this process is the running instance
        HandedOver, // the running instance took the documents: end this process now
        Alone, // another instance holds the lock but did not answer: run beside it
    };

    // dataHome names the instance group (AppFolders::dataHome()).
    explicit SingleInstance(const QString &dataHome, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Becomes the running instance or hands documentPaths to it, waiting at most timeoutMs
    // for its answer.
    Role start(const QStringList &documentPaths, int timeoutMs = 5000);
    Role role() const { return mRole; }

    QString lockFilePath() const;
    QString socketPath() const;

    // Shows window, restores it when minimised and asks the window system to activate it.
    static void bringForward(QWidget *window);

Q_SIGNALS:
    // A later launch asked to be brought forward and to open these documents (possibly none).
    void activationRequested(const QStringList &documentPaths);

private:
    bool handOver(const QStringList &documentPaths, int timeoutMs);
    void listen();
    void readRequest();
    void answer(QLocalSocket *socket);

    QString mBase;
    Role mRole = Role::Alone;
    std::unique_ptr<QLockFile> mLock;
    QLocalServer *mServer = nullptr;
};

} // namespace quill
