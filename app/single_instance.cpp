#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath) : path_(lockPath), lock_(lockPath)
{
    // The lock is held for hours, so its age says nothing; only a dead owner makes it stale.
    lock_.setStaleLockTime(0);
}

// Only a lock whose owner can be read is another copy's; anything else in its
// place must not pass for a running copy.
SingleInstance::Outcome SingleInstance::acquire()
{
    if (lock_.tryLock(0))
        return Outcome::Acquired;
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_.error() == QLockFile::LockFailedError && lock_.getLockInfo(&pid, &host, &application))
        return Outcome::HeldByAnotherCopy;
    return Outcome::Unavailable;
}

QString SingleInstance::failureReason() const
{
    switch (lock_.error()) {
    case QLockFile::PermissionError: return QStringLiteral("the folder does not allow it to be made");
    case QLockFile::LockFailedError: return QStringLiteral("something that is no lock file is in its place");
    default: return QStringLiteral("it could not be made or written (a full or missing folder?)");
    }
}

QString SingleInstance::defaultLockPath()
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QDir::tempPath();
    return directory + QStringLiteral("/UniqueName_Brenno2014.lock");
}
