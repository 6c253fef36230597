#include "app/StartUp.h"

#include "session/MessageBoxes.h"

namespace qbx {

QString AppTitle()
{
    return QStringLiteral("Кварнис");
}

QString EngineMissingText()
{
    return QStringLiteral("На компьютере не установлена Borland Database Engine (BDE).\r"
                          "Приложение не сможет работать и поэтому будет закрыто.");
}

bool CheckEngine(const std::function<bool()> &initialise, IMessageBoxes &boxes)
{
    if (initialise())
        return true;
    boxes.Show(EngineMissingText(), AppTitle(), TMsgIcon::Error, MbOk);
    return false;
}

} // namespace qbx
