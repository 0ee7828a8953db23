#include "TSingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {
QString LockPath(const QString& key)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + u'/' + key + QStringLiteral(".lock");
}
} // namespace

TSingleInstance::TSingleInstance(QString key, QObject* parent) : QObject(parent), Key(std::move(key)) {}

TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::KeyFor(const QString& programFolder)
{
    const QFileInfo folder(programFolder);
    const QString canonical = folder.canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(folder.absoluteFilePath()) : canonical;
    // A digest keeps the socket name short whatever the path's length.
    const QByteArray digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("quorvane-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest));
}

bool TSingleInstance::TryBecomePrimary()
{
    Lock = std::make_unique<QLockFile>(LockPath(Key));
    Lock->setStaleLockTime(0); // only a dead owner makes the lock stale, never its age
    if (!Lock->tryLock(0)) {
        QLocalSocket socket;
        socket.connectToServer(Key);
        if (socket.waitForConnected(1000)) {
            socket.write("raise\n");
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
        }
        Lock.reset();
        return false;
    }
    QLocalServer::removeServer(Key); // a socket file left by a crashed run
    Server = new QLocalServer(this);
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(Server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = Server->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            emit RaiseRequested();
        }
    });
    Server->listen(Key);
    return true;
}
