#pragma once
#include <QString>

// INI files with the semantics of the Windows profile functions the desk was
// built on: sections and keys match without regard to case, a missing file,
// section or key reads as "", values read are cut to 254 characters, and a
// write creates the file and the section when missing and keeps every other
// line (comments included) as it was.
namespace IniFile {

constexpr int MaxValueLength = 254;

QString read(const QString &file, const QString &section, const QString &key);

// Replaces the file through a temporary file and a rename, so a crash leaves
// the old file or the new one. False when the file could not be written.
bool write(const QString &file, const QString &section, const QString &key,
           const QString &value, QString *error = nullptr);

} // namespace IniFile
