// One running copy per user: a lock file held for the life of the process.
#pragma once
#include <QLockFile>
#include <QString>

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    // False while another live process holds the lock. A lock left behind by a
    // process that no longer runs is taken over.
    bool acquire();

    // The lock in the user's runtime directory, named after "UniqueName_Brenno2014".
    static QString defaultLockPath();

private:
    QLockFile lock_;
};
