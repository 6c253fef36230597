#include "platform/EngineFileName.h"

#include <QFile>

namespace qbx {

std::string EngineFileName(const QString &fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

} // namespace qbx
