#include "options/TOptionsStorage.h"

#include "options/GeometryText.h"
#include "options/OptionsWindowSeam.h"
#include "options/TEnvironment.h"
#include "options/TOptions.h"
#include "options/TPaneWidths.h"
#include "platform/AppPaths.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace qbx {

namespace {

// Told at start about a place of the options that exists but cannot be read.
QString kUnreadableStore()
{
    return QCoreApplication::translate(
        "TOptions", "\rФайл параметров программы не удаётся прочитать: нет доступа, или это не "
                    "файл параметров.\r\n\nПрограмма работает с параметрами по умолчанию и не "
                    "изменит этот файл при выходе.");
}

// Sub-keys of the registry key and sections of the INI file.
const QString kFolders = QStringLiteral("Folders");
const QString kGeometry = QStringLiteral("Geometry");
const QString kSize = QStringLiteral("Size");
const QString kConfirm = QStringLiteral("Confirm");
const QString kMisc = QStringLiteral("Misc");
// Options of our own beside the description's keys, written only when they
// differ from their defaults.
const QString kReadExtraTags = QStringLiteral("ReadExtraTags");
const QString kLanguage = QStringLiteral("Language");

// The confirmations in their stored order: on/off questions and three-valued
// answers ("" ask, "1" Yes, "0" No) mixed as they are kept.
struct ConfirmField {
    const char *name;
    bool TOptions::*flag;
    QString TOptions::*text;
};
const ConfirmField kConfirmFields[] = {
    {"ConfirmRecode", nullptr, &TOptions::ConfirmRecode},
    {"ConfirmInterrupt", &TOptions::ConfirmInterrupt, nullptr},
    {"ConfirmDelete", &TOptions::ConfirmDelete, nullptr},
    {"ConfirmUnsaved", nullptr, &TOptions::ConfirmUnsaved},
    {"ConfirmOverwrite", &TOptions::ConfirmOverwrite, nullptr},
    {"ConfirmEffectless", &TOptions::ConfirmEffectless, nullptr},
    {"ConfirmResearch", &TOptions::ConfirmResearch, nullptr},
    {"Confirm100", nullptr, &TOptions::Confirm100},
    {"ConfirmHalf", nullptr, &TOptions::ConfirmHalf},
    {"ConfirmEdit", &TOptions::ConfirmEdit, nullptr},
    {"ConfirmReview", &TOptions::ConfirmReview, nullptr},
};

// A stored language outside 0..2 loads as 0 (as the system's).
int ValidLanguage(int language)
{
    return language >= 0 && language <= 2 ? language : 0;
}

int ValidSearchView(int view)
{
    return view >= 0 && view <= 3 ? view : 0;
}

// Registry reads: a value that is missing or of another type keeps the
// default that SetDefaults gave the field.
void Read(const Registry &reg, const QString &name, int &field)
{
    if (const auto v = reg.ReadInteger(name))
        field = *v;
}
void Read(const Registry &reg, const QString &name, bool &field)
{
    if (const auto v = reg.ReadInteger(name))
        field = *v != 0;
}
void Read(const Registry &reg, const QString &name, QString &field)
{
    // A missing text value reads as "", one of another type keeps its default.
    if (reg.GetDataType(name) == RegDataType::None)
        field.clear();
    else if (const auto v = reg.ReadString(name))
        field = *v;
}

} // namespace

TOptionsStorage::TOptionsStorage(TOptions &options, const TEnvironment &environment)
    : options_(options), environment_(environment)
{
}

const QString &TOptionsStorage::IniFileName() const
{
    return environment_.IniFileName;
}

void TOptionsStorage::SetDefaults()
{
    options_ = TOptions::Defaults(environment_);
}

bool TOptionsStorage::Load()
{
    if (LoadFromRegistry() || LoadFromIni())
        return true;
    SetDefaults();
    return false;
}

bool TOptionsStorage::LoadFromRegistry()
{
    Registry reg(HKEY_CURRENT_USER);
    if (!reg.OpenKey(RegistryKey, false)) {
        if (Registry::StoreUnreadable(HKEY_CURRENT_USER))
            LoadWarning = Registry::StoreFileName(HKEY_CURRENT_USER) + kUnreadableStore();
        return false;
    }
    // Every value starts from its default, so a missing sub-key or a value
    // of the wrong type leaves the default in place.
    SetDefaults();
    Read(reg, QStringLiteral("SearchView"), options_.SearchView);
    options_.SearchView = ValidSearchView(options_.SearchView);
    Read(reg, kReadExtraTags, options_.ReadExtraTags);
    Read(reg, kLanguage, options_.Language);
    options_.Language = ValidLanguage(options_.Language);
    const QString base = RegistryKey + QLatin1Char('\\');
    if (reg.OpenKey(base + kFolders, false)) {
        Read(reg, QStringLiteral("DbFolder"), options_.DbFolder);
        Read(reg, QStringLiteral("QryFolder"), options_.QryFolder);
    }
    options_.DbFolder = paths::WithSlash(options_.DbFolder);
    options_.QryFolder = paths::WithSlash(options_.QryFolder);
    if (reg.OpenKey(base + kGeometry, false)) {
        Read(reg, QStringLiteral("MainGeometry"), options_.MainGeometry);
        Read(reg, QStringLiteral("PanelGeometry"), options_.PanelGeometry);
    }
    if (reg.OpenKey(base + kSize, false)) {
        Read(reg, QStringLiteral("SizeUnit"), options_.SizeUnit);
        Read(reg, QStringLiteral("EmptySize"), options_.EmptySize);
    }
    if (reg.OpenKey(base + kConfirm, false)) {
        for (const ConfirmField &f : kConfirmFields) {
            if (f.flag)
                Read(reg, QLatin1String(f.name), options_.*f.flag);
            else
                Read(reg, QLatin1String(f.name), options_.*f.text);
        }
    }
    OptionsStore = StoreRegistry;
    return true;
}

bool TOptionsStorage::LoadFromIni()
{
    if (!QFileInfo::exists(environment_.IniFileName))
        return false;
    const IniFile ini(environment_.IniFileName);
    if (ini.Unreadable()) {
        LoadWarning = environment_.IniFileName + kUnreadableStore();
        return false;
    }
    options_.DbFolder =
        paths::WithSlash(ini.ReadString(kFolders, QStringLiteral("DbFolder"), environment_.DefaultDbFolder));
    options_.QryFolder =
        paths::WithSlash(ini.ReadString(kFolders, QStringLiteral("QryFolder"), environment_.DefaultQryFolder));
    options_.MainGeometry = ini.ReadString(kGeometry, QStringLiteral("MainGeometry"));
    options_.PanelGeometry = ini.ReadString(kGeometry, QStringLiteral("PanelGeometry"));
    options_.SizeUnit = ini.ReadInteger(kSize, QStringLiteral("SizeUnit"), 0);
    options_.EmptySize = ini.ReadBool(kSize, QStringLiteral("EmptySize"), true);
    const TOptions defaults = TOptions::Defaults(environment_);
    for (const ConfirmField &f : kConfirmFields) {
        const QString name = QLatin1String(f.name);
        if (f.flag)
            options_.*f.flag = ini.ReadBool(kConfirm, name, defaults.*f.flag);
        else
            options_.*f.text = ini.ReadString(kConfirm, name, defaults.*f.text);
    }
    options_.SearchView = ValidSearchView(ini.ReadInteger(kMisc, QStringLiteral("SearchView"), 0));
    options_.ReadExtraTags = ini.ReadBool(kMisc, kReadExtraTags, true);
    options_.Language = ValidLanguage(ini.ReadInteger(kMisc, kLanguage, 0));
    OptionsStore = StoreIni;
    return true;
}

bool TOptionsStorage::SaveToRegistry()
{
    // The old key goes in the same write as the new values: a store that
    // cannot be written keeps the old options rather than none.
    Registry reg(HKEY_CURRENT_USER);
    reg.DeleteKeyPending(RegistryKey);
    if (reg.OpenKey(RegistryKey, true)) {
        reg.WriteInteger(QStringLiteral("SearchView"), options_.SearchView);
        if (!options_.ReadExtraTags)
            reg.WriteInteger(kReadExtraTags, 0);
        if (options_.Language != 0)
            reg.WriteInteger(kLanguage, options_.Language);
    }
    const QString base = RegistryKey + QLatin1Char('\\');
    if (reg.OpenKey(base + kFolders, true)) {
        reg.WriteString(QStringLiteral("DbFolder"), options_.DbFolder);
        reg.WriteString(QStringLiteral("QryFolder"), options_.QryFolder);
    }
    if (reg.OpenKey(base + kGeometry, true)) {
        reg.WriteString(QStringLiteral("MainGeometry"), options_.MainGeometry);
        reg.WriteString(QStringLiteral("PanelGeometry"), options_.PanelGeometry);
    }
    if (reg.OpenKey(base + kSize, true)) {
        reg.WriteInteger(QStringLiteral("SizeUnit"), options_.SizeUnit);
        reg.WriteInteger(QStringLiteral("EmptySize"), options_.EmptySize ? 1 : 0);
    }
    if (reg.OpenKey(base + kConfirm, true)) {
        for (const ConfirmField &f : kConfirmFields) {
            if (f.flag)
                reg.WriteInteger(QLatin1String(f.name), options_.*f.flag ? 1 : 0);
            else
                reg.WriteString(QLatin1String(f.name), options_.*f.text);
        }
    }
    OptionsStore = StoreRegistry;
    return reg.Flush();
}

bool TOptionsStorage::SaveToIni()
{
    // A new file replaces the old one only once it is written in full.
    IniFile ini = IniFile::Empty(environment_.IniFileName);
    // The first key of each section is written under the section's name in
    // capitals, which gives the file its upper-case headers.
    ini.WriteString(kFolders.toUpper(), QStringLiteral("DbFolder"), options_.DbFolder);
    ini.WriteString(kFolders, QStringLiteral("QryFolder"), options_.QryFolder);
    ini.WriteString(kGeometry.toUpper(), QStringLiteral("MainGeometry"), options_.MainGeometry);
    ini.WriteString(kGeometry, QStringLiteral("PanelGeometry"), options_.PanelGeometry);
    ini.WriteInteger(kSize.toUpper(), QStringLiteral("SizeUnit"), options_.SizeUnit);
    ini.WriteBool(kSize, QStringLiteral("EmptySize"), options_.EmptySize);
    bool first = true;
    for (const ConfirmField &f : kConfirmFields) {
        const QString section = first ? kConfirm.toUpper() : kConfirm;
        first = false;
        if (f.flag)
            ini.WriteBool(section, QLatin1String(f.name), options_.*f.flag);
        else
            ini.WriteString(section, QLatin1String(f.name), options_.*f.text);
    }
    ini.WriteInteger(kMisc.toUpper(), QStringLiteral("SearchView"), options_.SearchView);
    if (!options_.ReadExtraTags)
        ini.WriteBool(kMisc, kReadExtraTags, false);
    if (options_.Language != 0)
        ini.WriteInteger(kMisc, kLanguage, options_.Language);
    OptionsStore = StoreIni;
    // An installed program's configuration folder may not exist yet.
    return QDir().mkpath(QFileInfo(environment_.IniFileName).absolutePath()) && ini.UpdateFile();
}

bool TOptionsStorage::RemoveFromRegistry()
{
    Registry reg(HKEY_CURRENT_USER);
    const bool removed = !reg.KeyExists(RegistryKey) || reg.DeleteKey(RegistryKey);
    if (reg.OpenKey(CompanyKey, false) && !reg.HasSubKeys()) {
        reg.CloseKey();
        reg.DeleteKey(CompanyKey);
    }
    if (OptionsStore == StoreRegistry)
        OptionsStore = StoreNowhere;
    return removed;
}

bool TOptionsStorage::RemoveIniFile()
{
    const bool removed = !QFileInfo::exists(environment_.IniFileName) || QFile::remove(environment_.IniFileName);
    if (OptionsStore == StoreIni)
        OptionsStore = StoreNowhere;
    return removed;
}

void TOptionsStorage::Save(const IOptionsWindow &window, TPaneWidths &panes)
{
    if (!options_.MainGeometry.isEmpty())
        options_.MainGeometry = MainGeometryText(window);
    if (!options_.PanelGeometry.isEmpty())
        options_.PanelGeometry = panes.PanelGeometryText(window);
    if (OptionsStore == StoreRegistry)
        SaveToRegistry();
    else if (OptionsStore == StoreIni)
        SaveToIni();
}

QString MainGeometryText(const IOptionsWindow &window)
{
    if (window.IsMaximized())
        return QStringLiteral("Maximized");
    const QRect r = window.WindowRect();
    return QStringLiteral("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

void ApplyMainGeometry(const QString &mainGeometry, IOptionsWindow &window)
{
    if (mainGeometry.isEmpty())
        return;
    if (mainGeometry == QLatin1String("Maximized")) {
        window.Maximize();
        return;
    }
    const auto items = FourGeometryItems(mainGeometry);
    if (!items)
        return;
    QRect r = window.WindowRect();
    const auto &[left, top, width, height] = *items;
    r = QRect(left.value_or(r.left()), top.value_or(r.top()), width.value_or(r.width()),
              height.value_or(r.height()));
    window.SetWindowRect(r);
}

void ApplyFolders(const TOptions &options, IOptionsWindow &window)
{
    if (QFileInfo(options.DbFolder).isDir())
        window.SetDbDialogsFolder(options.DbFolder);
    if (QFileInfo(options.QryFolder).isDir())
        window.SetQueryDialogsFolder(options.QryFolder);
}

} // namespace qbx
