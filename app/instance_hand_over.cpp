#include "app/instance_hand_over.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

namespace {

// The first thing every request says, so that nothing else on the socket passes for one.
const char kGreeting[] = "Brenno hand-over 1";
const char kTaken = 'k';
// A copy just started may hold the lock a moment before it listens.
constexpr int kConnectMilliseconds = 3000;
// Long enough for a copy still building its window, whose requests wait until it is up.
constexpr int kAnswerMilliseconds = 20000;
constexpr int kRetryMilliseconds = 50;

}  // namespace

QString handOverSocketPath(const QString& lockPath)
{
    QString path = lockPath;
    if (path.endsWith(QLatin1String(".lock")))
        path.chop(5);
    return path + QStringLiteral(".socket");
}

HandOverServer::HandOverServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            readRequest(socket);
        }
    });
}

bool HandOverServer::listen(const QString& socketPath, QString& error)
{
    QLocalServer::removeServer(socketPath);
    if (server_->listen(socketPath))
        return true;
    error = server_->errorString();
    return false;
}

void HandOverServer::readRequest(QLocalSocket* socket)
{
    QDataStream in(socket);
    in.startTransaction();
    QString greeting;
    QString path;
    in >> greeting >> path;
    if (!in.commitTransaction())
        return;
    if (greeting != QLatin1String(kGreeting)) {
        socket->abort();
        return;
    }
    socket->write(&kTaken, 1);
    socket->flush();
    QTimer::singleShot(0, this, [this, path] { emit handedOver(path); });
}

bool handOverToRunningCopy(const QString& socketPath, const QString& path, QString& error)
{
    QLocalSocket socket;
    const QDeadlineTimer connectDeadline(kConnectMilliseconds);
    socket.connectToServer(socketPath);
    while (!socket.waitForConnected(kRetryMilliseconds)) {
        if (connectDeadline.hasExpired()) {
            error = socket.errorString();
            return false;
        }
        QThread::msleep(kRetryMilliseconds);
        socket.connectToServer(socketPath);
    }
    QDataStream out(&socket);
    out << QString::fromLatin1(kGreeting) << path;
    socket.flush();
    char answer = 0;
    if (!socket.waitForReadyRead(kAnswerMilliseconds) ||
        socket.read(&answer, 1) != 1 || answer != kTaken) {
        error = QStringLiteral("the running copy did not answer");
        return false;
    }
    return true;
}
