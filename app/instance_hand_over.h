// Hand-over between copies of Brenno: the running copy listens on a local
// socket beside its lock file; a second start sends it the file it was given
// (or nothing, to bring the window to the front) and ends.
#pragma once
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// The socket beside the lock file at lockPath.
QString handOverSocketPath(const QString& lockPath);

class HandOverServer : public QObject {
    Q_OBJECT
public:
    explicit HandOverServer(QObject* parent = nullptr);

    // Takes the socket over from a copy that died without closing it, which is
    // safe while this copy holds the lock. False with the reason when it cannot listen.
    bool listen(const QString& socketPath, QString& error);

signals:
    // After the sender has its answer, so that no question this copy asks keeps it waiting.
    // An empty path asks only to come to the front.
    void handedOver(const QString& path);

private:
    void readRequest(QLocalSocket* socket);

    QLocalServer* server_;
};

// Sends the file (absolute, or empty) to the running copy and waits until it
// took it. False with the reason when no copy answers at socketPath.
bool handOverToRunningCopy(const QString& socketPath, const QString& path, QString& error);
