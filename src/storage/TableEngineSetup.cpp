#include "storage/TableEngineSetup.h"

#include "engine/Engine.h"
#include "engine/LanguageDriver.h"
#include "platform/Registry.h"

namespace qbx {

bool EngineAvailable()
{
    return engine::Initialize("0009");
}

void SetDefaultLanguageDriver()
{
    const QString driver = QString::fromLatin1(engine::kCyrillicDriverId);
    Registry registry(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(QStringLiteral("Software\\Borland\\Database Engine\\Settings\\Drivers\\"
                                         "Paradox\\Init"),
                          false))
        return;
    if (registry.ReadString(QStringLiteral("LangDriver")) != driver) {
        registry.WriteString(QStringLiteral("LangDriver"), driver);
        engine::SetDefaultLanguageDriver(std::string(engine::kCyrillicDriverId));
    }
    registry.CloseKey();
}

} // namespace qbx
