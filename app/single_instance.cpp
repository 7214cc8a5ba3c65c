#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath)
{
    // The lock is held for hours, so its age says nothing; only a dead owner makes it stale.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() { return lock_.tryLock(0); }

QString SingleInstance::defaultLockPath()
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QDir::tempPath();
    return directory + QStringLiteral("/UniqueName_Brenno2014.lock");
}
