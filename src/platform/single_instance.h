#pragma once
#include <QString>
#include <memory>

class QLockFile;

// One running program per program folder. The lock file holds the owner's
// process id, so a lock left by a killed process does not block the next start.
class SingleInstance {
public:
    explicit SingleInstance(const QString &folder);
    ~SingleInstance();
    // True when this process now holds the lock; false when another one runs
    // or the lock could not be made (see cannotLock).
    bool acquire();
    // After a refused acquire: true when the lock file could not be created
    // at all (a folder without write permission), not held by another program.
    bool cannotLock() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};
