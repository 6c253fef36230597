#include "platform/RegisterFileType.h"

#include "platform/AppPaths.h"
#include "platform/Registry.h"

#include <QFileInfo>

namespace qbx {

namespace {

// False when the extension is bound to a type of another program.
bool MayTakeOver(Registry &reg, const QString &extension, const QString &executableName)
{
    if (!reg.OpenKey(extension, false))
        return true;
    const QString oldType = reg.ReadString(QString()).value_or(QString());
    reg.CloseKey();
    if (oldType.isEmpty())
        return true;
    if (!reg.OpenKey(oldType + QStringLiteral("\\Shell\\Open\\Command"), false))
        return true;
    const QString command = reg.ReadString(QString()).value_or(QString());
    reg.CloseKey();
    if (!command.contains(executableName, Qt::CaseInsensitive))
        return false;
    reg.DeleteKey(oldType);
    return true;
}

void SetDefaultValue(Registry &reg, const QString &key, const QString &value)
{
    // The registry writes all four keys at once when it goes out of scope.
    if (reg.OpenKey(key, true))
        reg.WriteString(QString(), value);
}

} // namespace

void RegisterFileType(const QString &extension, const QString &typeName, int iconIndex,
                      const QString &description, const QString &executablePath)
{
    Registry reg(HKEY_CLASSES_ROOT);
    if (!MayTakeOver(reg, extension, QFileInfo(executablePath).fileName()))
        return;
    SetDefaultValue(reg, typeName, description);
    SetDefaultValue(reg, typeName + QStringLiteral("\\DefaultIcon"),
                    executablePath + QLatin1Char(',') + QString::number(iconIndex));
    SetDefaultValue(reg, typeName + QStringLiteral("\\Shell\\Open\\Command"),
                    QLatin1Char('"') + executablePath + QStringLiteral("\" \"%1\""));
    SetDefaultValue(reg, extension, typeName);
}

void RegisterFileType(const QString &extension, const QString &typeName, int iconIndex,
                      const QString &description)
{
    RegisterFileType(extension, typeName, iconIndex, description, paths::ExecutablePath());
}

} // namespace qbx
