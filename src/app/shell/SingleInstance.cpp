// The lock, the local socket and the hand-over message between two launches.
#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace quill {

namespace {

// A hand-over is one line of JSON: {"open": [paths]}; the answer is the line "ok".
constexpr qint64 MaxRequestSize = 256 * 1024;

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder;
}

QByteArray request(const QStringList &paths)
{
    QJsonArray array;
    for (const QString &path : paths)
        array.append(QFileInfo(path).absoluteFilePath()); // the receiver has another folder
    QJsonObject object;
    object.insert(QStringLiteral("open"), array);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

SingleInstance::SingleInstance(const QString &dataHome, QObject *parent) : QObject(parent)
{
    const QByteArray key = QDir::cleanPath(QFileInfo(dataHome).absoluteFilePath()).toUtf8();
    const QByteArray hash
        = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16);
    mBase
        = QDir(runtimeFolder()).filePath(QStringLiteral("quilllabel-") + QString::fromLatin1(hash));
}

SingleInstance::~SingleInstance()
{
    if (mServer)
        mServer->close(); // removes the socket file
    if (mLock)
        mLock->unlock();
}

QString SingleInstance::lockFilePath() const
{
    return mBase + QStringLiteral(".lock");
}

QString SingleInstance::socketPath() const
{
    return mBase + QStringLiteral(".socket");
}

SingleInstance::Role SingleInstance::start(const QStringList &documentPaths, int timeoutMs)
{
    auto lock = std::make_unique<QLockFile>(lockFilePath());
    lock->setStaleLockTime(0); // held for the whole run; only a dead owner frees it
    if (lock->tryLock(0)) {
        mLock = std::move(lock);
        mRole = Role::Primary;
        listen();
        return mRole;
    }
    mRole = handOver(documentPaths, timeoutMs) ? Role::HandedOver : Role::Alone;
    return mRole;
}

void SingleInstance::listen()
{
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crashed instance: the lock proves nobody listens on it.
    QLocalServer::removeServer(socketPath());
    if (!mServer->listen(socketPath())) {
        qWarning("single instance: cannot listen on %s: %s", qPrintable(socketPath()),
            qPrintable(mServer->errorString()));
        return;
    }
    connect(mServer, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
}

bool SingleInstance::handOver(const QStringList &documentPaths, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The running instance takes its lock a moment before it listens: try again until then.
    for (;;) {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(int(qMax<qint64>(1, deadline.remainingTime()))))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(request(documentPaths));
    if (!socket.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime()))))
        return false;
    while (!socket.canReadLine()) {
        if (deadline.hasExpired()
            || !socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            return false;
    }
    return socket.readLine().trimmed() == "ok";
}

void SingleInstance::readRequest()
{
    while (QLocalSocket *socket = mServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
        answer(socket); // the request may be there already
    }
}

void SingleInstance::answer(QLocalSocket *socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > MaxRequestSize)
            socket->abort(); // not a launch of ours
        return;
    }
    const QJsonDocument json = QJsonDocument::fromJson(socket->readLine(MaxRequestSize));
    QStringList paths;
    const QJsonArray open = json.object().value(QStringLiteral("open")).toArray();
    for (const QJsonValue &value : open) {
        if (!value.toString().isEmpty())
            paths << value.toString();
    }
    socket->write("ok\n");
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT activationRequested(paths);
}

void SingleInstance::bringForward(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace quill
