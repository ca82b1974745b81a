#include "single_instance.h"

#include <QDir>
#include <QLockFile>

SingleInstance::SingleInstance(const QString &folder)
    : m_lock(std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("caixa.lock"))))
{
    // Never treat a live owner's lock as stale by age; a dead owner's lock is
    // recognised by its process id.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    if (m_lock->isLocked())
        return true;
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError && m_lock->removeStaleLockFile())
        return m_lock->tryLock(0);
    return false;
}

bool SingleInstance::cannotLock() const
{
    return m_lock->error() == QLockFile::PermissionError || m_lock->error() == QLockFile::UnknownError;
}
