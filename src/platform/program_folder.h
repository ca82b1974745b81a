#pragma once
#include <QString>

namespace Platform {

// The folder that holds "Config.ini", "Log.ini" and caixa.db: the folder named
// by CAIXA_DIR when set, else the folder of the running executable. No trailing
// separator unless the folder is the root.
QString programFolder();

// programFolder() joined with a file name, with exactly one separator between.
QString programFile(const QString &name);

} // namespace Platform
