#include "os/singleinstance.h"

#include "os/datafolder_system.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

using namespace Qt::StringLiterals;

namespace os {

namespace {

// How long a later start waits for the running copy to take its request.
constexpr int answerMilliseconds = 5000;

// The folder's canonical path; for a Data folder not made yet, that of the folder it will be
// made in, with its name.
QString canonicalPath(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.exists())
        return info.canonicalFilePath();
    const QString parent = QFileInfo(info.absolutePath()).canonicalFilePath();
    return parent.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : parent + u'/' + info.fileName();
}

// In the user's private runtime folder, named after the Data folder.
QString endpointFor(const QString &dataFolder)
{
    const QString folder = userRuntimeFolder();
    QDir().mkpath(folder);
    const QByteArray hash =
        QCryptographicHash::hash(canonicalPath(dataFolder).toUtf8(), QCryptographicHash::Sha256);
    return folder + u"/quillo-"_s + QString::fromLatin1(hash.toHex().left(32));
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent)
    , endpoint_(endpointFor(dataFolder))
    , lock_(endpoint_ + u".lock"_s)
{
    // A lock is stale only when the copy that took it is gone, however long it has been running.
    lock_.setStaleLockTime(0);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *later = server_.nextPendingConnection()) {
            // Closing the connection tells the later start that its request was taken.
            later->disconnectFromServer();
            later->deleteLater();
            emit frontWanted();
        }
    });
}

SingleInstance::Start SingleInstance::claim()
{
    // QLockFile takes a lock for stale only when no process has the number written in it; but
    // Windows and Wine hand the numbers of ended processes out again, after a restart often to
    // the starting copy itself, and a process whose name cannot be read counts as the one that
    // took the lock. A lock file that no running copy holds open can be removed; the file of a
    // running copy cannot (its copy holds it open, or a lock on it).
    if (lock_.tryLock(0)
        || (lock_.error() == QLockFile::LockFailedError && lock_.removeStaleLockFile()
            && lock_.tryLock(0))) {
        listen();
        return Start::First;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
        // No lock can be made at all (the runtime folder is not writable): better a copy that
        // runs unguarded than one that does not start.
        return Start::First;
    }
    return askRunningCopy() ? Start::Handed : Start::Unanswered;
}

void SingleInstance::listen()
{
    // A socket that a crashed copy left behind would stop the server from listening.
    QLocalServer::removeServer(endpoint_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(endpoint_);
}

bool SingleInstance::askRunningCopy()
{
    const QDeadlineTimer deadline(answerMilliseconds);
    QLocalSocket socket;
    // The running copy may have taken the lock a moment ago and not be listening yet.
    while (true) {
        socket.connectToServer(endpoint_);
        if (socket.waitForConnected(deadline.remainingTime()))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return socket.state() == QLocalSocket::UnconnectedState
           || socket.waitForDisconnected(deadline.remainingTime());
}

} // namespace os
