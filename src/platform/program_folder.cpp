#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace Platform {

QString programFolder()
{
    const QString env = qEnvironmentVariable("CAIXA_DIR");
    QString dir = env.isEmpty() ? QCoreApplication::applicationDirPath() : env;
    dir = QDir::cleanPath(dir);
    return dir;
}

QString programFile(const QString &name)
{
    QString dir = programFolder();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + name;
}

} // namespace Platform
