#pragma once

#include <QString>

#include <string>

namespace qbx {

// The one conversion of a file or folder name for the table engine and the
// system calls below it: the name in the file system's own encoding (UTF-8
// on Linux), so that every part that hands a name down agrees on its bytes.
std::string EngineFileName(const QString &fileName);

} // namespace qbx
