// One running copy per user: a lock file held for the life of the process.
#pragma once
#include <QLockFile>
#include <QString>

class SingleInstance {
public:
    enum class Outcome {
        Acquired,
        HeldByAnotherCopy,  // a live process holds the lock
        Unavailable,        // no lock can be had here (read-only or full folder, something else in the way)
    };

    explicit SingleInstance(const QString& lockPath);

    // A lock left behind by a process that no longer runs is taken over.
    Outcome acquire();
    // Why the lock is unavailable, for the user.
    QString failureReason() const;
    QString lockPath() const { return path_; }

    // The lock in the user's runtime directory, named after "UniqueName_Brenno2014".
    static QString defaultLockPath();

private:
    QString path_;
    QLockFile lock_;
};
