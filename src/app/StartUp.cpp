#include "app/StartUp.h"

#include "interaction/MessageBoxes.h"
#include <QCoreApplication>

namespace qbx {

QString AppTitle()
{
    return QCoreApplication::translate("StartUp", "Кварнис");
}

QString EngineMissingText()
{
    return QCoreApplication::translate("StartUp", "На компьютере не установлена Borland Database Engine (BDE).\r"
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
