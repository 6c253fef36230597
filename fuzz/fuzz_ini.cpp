// Reads arbitrary bytes as an INI file, looks values up, rewrites it and
// reads the rewritten text again.
#include "platform/IniFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qbx::IniFile ini = qbx::IniFile::FromBytes(bytes);
    for (const QString &section : ini.Sections()) {
        for (const QString &key : ini.Keys(section)) {
            (void)ini.ReadInteger(section, key, 0);
            (void)ini.ReadBool(section, key, true);
        }
    }
    ini.WriteString(QStringLiteral("FOLDERS"), QStringLiteral("DbFolder"), QStringLiteral("/a/"));
    ini.WriteBool(QStringLiteral("Confirm"), QStringLiteral("ConfirmDelete"), false);
    const qbx::IniFile again = qbx::IniFile::FromBytes(ini.ToBytes());
    if (again.ReadString(QStringLiteral("folders"), QStringLiteral("dbfolder")) !=
        QStringLiteral("/a/"))
        __builtin_trap();
    return 0;
}
