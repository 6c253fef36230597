#include "options/TOptions.h"

#include "options/OptionsWindowSeam.h"
#include "platform/AppPaths.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace qbx {

namespace {

// Told at start about a place of the options that exists but cannot be read.
const QString kUnreadableStore =
    QStringLiteral("\rФайл параметров программы не удаётся прочитать: нет доступа, или это не "
                   "файл параметров.\r\n\nПрограмма работает с параметрами по умолчанию и не "
                   "изменит этот файл при выходе.");

// Sub-keys of the registry key and sections of the INI file.
const QString kFolders = QStringLiteral("Folders");
const QString kGeometry = QStringLiteral("Geometry");
const QString kSize = QStringLiteral("Size");
const QString kConfirm = QStringLiteral("Confirm");
const QString kMisc = QStringLiteral("Misc");
// The one option of our own beside the description's: written only when off.
const QString kReadExtraTags = QStringLiteral("ReadExtraTags");

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

// The four numbers of a geometry text, or nothing when it does not have
// exactly four items. An item that is not a whole number stays empty.
std::optional<std::array<std::optional<int>, 4>> FourItems(const QString &text)
{
    const QStringList items = text.split(QLatin1Char(','));
    if (items.size() != 4)
        return std::nullopt;
    std::array<std::optional<int>, 4> numbers;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const int n = items[i].trimmed().toInt(&ok, 10);
        if (ok)
            numbers[size_t(i)] = n;
    }
    return numbers;
}

} // namespace

TOptions::TOptions(const QString &appCaption) : TOptions(appCaption, MountedVolumes())
{
}

TOptions::TOptions(const QString &appCaption, const QList<TVolume> &volumes)
    : IniFileName(paths::IniFileName()), AppCaption(appCaption), HelpFile(paths::HelpFile()),
      AppFolder(paths::AppFolder()), TempFolder(paths::TempFolder()),
      DefaultDbFolder(paths::DefaultDbFolder()), DefaultQryFolder(paths::DefaultDbFolder())
{
    ScanDrives(volumes);
    SetDefaults();
}

void TOptions::ScanDrives(const QList<TVolume> &volumes)
{
    const QStringList fixed = qbx::FixedDrives(volumes);
    FixedDrives = fixed.join(QLatin1Char('\n'));
    CdRoot = FirstCdRomRoot(volumes);
    if (CdRoot.isEmpty() && !fixed.isEmpty())
        CdRoot = fixed.first();
}

QStringList TOptions::FixedDriveList() const
{
    return FixedDrives.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TOptions::SetDefaults()
{
    SearchView = 0;
    DbFolder = DefaultDbFolder;
    QryFolder = DefaultQryFolder;
    MainGeometry.clear();
    PanelGeometry.clear();
    SizeUnit = 0;
    EmptySize = true;
    ConfirmRecode.clear();
    ConfirmInterrupt = true;
    ConfirmDelete = true;
    ConfirmUnsaved.clear();
    ConfirmOverwrite = true;
    ConfirmEffectless = true;
    ConfirmResearch = true;
    Confirm100 = QStringLiteral("1");
    ConfirmHalf = QStringLiteral("1");
    ConfirmEdit = true;
    ConfirmReview = true;
    ReadExtraTags = true;
}

bool TOptions::Load()
{
    if (LoadFromRegistry() || LoadFromIni())
        return true;
    SetDefaults();
    return false;
}

bool TOptions::LoadFromRegistry()
{
    Registry reg(HKEY_CURRENT_USER);
    if (!reg.OpenKey(RegistryKey, false)) {
        if (Registry::StoreUnreadable(HKEY_CURRENT_USER))
            LoadWarning = Registry::StoreFileName(HKEY_CURRENT_USER) + kUnreadableStore;
        return false;
    }
    // Every value starts from its default, so a missing sub-key or a value
    // of the wrong type leaves the default in place.
    SetDefaults();
    Read(reg, QStringLiteral("SearchView"), SearchView);
    SearchView = ValidSearchView(SearchView);
    Read(reg, kReadExtraTags, ReadExtraTags);
    const QString base = RegistryKey + QLatin1Char('\\');
    if (reg.OpenKey(base + kFolders, false)) {
        Read(reg, QStringLiteral("DbFolder"), DbFolder);
        Read(reg, QStringLiteral("QryFolder"), QryFolder);
    }
    DbFolder = paths::WithSlash(DbFolder);
    QryFolder = paths::WithSlash(QryFolder);
    if (reg.OpenKey(base + kGeometry, false)) {
        Read(reg, QStringLiteral("MainGeometry"), MainGeometry);
        Read(reg, QStringLiteral("PanelGeometry"), PanelGeometry);
    }
    if (reg.OpenKey(base + kSize, false)) {
        Read(reg, QStringLiteral("SizeUnit"), SizeUnit);
        Read(reg, QStringLiteral("EmptySize"), EmptySize);
    }
    if (reg.OpenKey(base + kConfirm, false)) {
        for (const ConfirmField &f : kConfirmFields) {
            if (f.flag)
                Read(reg, QLatin1String(f.name), this->*f.flag);
            else
                Read(reg, QLatin1String(f.name), this->*f.text);
        }
    }
    OptionsStore = StoreRegistry;
    return true;
}

bool TOptions::LoadFromIni()
{
    if (!QFileInfo::exists(IniFileName))
        return false;
    const IniFile ini(IniFileName);
    if (ini.Unreadable()) {
        LoadWarning = IniFileName + kUnreadableStore;
        return false;
    }
    DbFolder =
        paths::WithSlash(ini.ReadString(kFolders, QStringLiteral("DbFolder"), DefaultDbFolder));
    QryFolder =
        paths::WithSlash(ini.ReadString(kFolders, QStringLiteral("QryFolder"), DefaultQryFolder));
    MainGeometry = ini.ReadString(kGeometry, QStringLiteral("MainGeometry"));
    PanelGeometry = ini.ReadString(kGeometry, QStringLiteral("PanelGeometry"));
    SizeUnit = ini.ReadInteger(kSize, QStringLiteral("SizeUnit"), 0);
    EmptySize = ini.ReadBool(kSize, QStringLiteral("EmptySize"), true);
    TOptions defaults(*this);
    defaults.SetDefaults();
    for (const ConfirmField &f : kConfirmFields) {
        const QString name = QLatin1String(f.name);
        if (f.flag)
            this->*f.flag = ini.ReadBool(kConfirm, name, defaults.*f.flag);
        else
            this->*f.text = ini.ReadString(kConfirm, name, defaults.*f.text);
    }
    SearchView = ValidSearchView(ini.ReadInteger(kMisc, QStringLiteral("SearchView"), 0));
    ReadExtraTags = ini.ReadBool(kMisc, kReadExtraTags, true);
    OptionsStore = StoreIni;
    return true;
}

bool TOptions::SaveToRegistry()
{
    // The old key goes in the same write as the new values: a store that
    // cannot be written keeps the old options rather than none.
    Registry reg(HKEY_CURRENT_USER);
    reg.DeleteKeyPending(RegistryKey);
    if (reg.OpenKey(RegistryKey, true)) {
        reg.WriteInteger(QStringLiteral("SearchView"), SearchView);
        if (!ReadExtraTags)
            reg.WriteInteger(kReadExtraTags, 0);
    }
    const QString base = RegistryKey + QLatin1Char('\\');
    if (reg.OpenKey(base + kFolders, true)) {
        reg.WriteString(QStringLiteral("DbFolder"), DbFolder);
        reg.WriteString(QStringLiteral("QryFolder"), QryFolder);
    }
    if (reg.OpenKey(base + kGeometry, true)) {
        reg.WriteString(QStringLiteral("MainGeometry"), MainGeometry);
        reg.WriteString(QStringLiteral("PanelGeometry"), PanelGeometry);
    }
    if (reg.OpenKey(base + kSize, true)) {
        reg.WriteInteger(QStringLiteral("SizeUnit"), SizeUnit);
        reg.WriteInteger(QStringLiteral("EmptySize"), EmptySize ? 1 : 0);
    }
    if (reg.OpenKey(base + kConfirm, true)) {
        for (const ConfirmField &f : kConfirmFields) {
            if (f.flag)
                reg.WriteInteger(QLatin1String(f.name), this->*f.flag ? 1 : 0);
            else
                reg.WriteString(QLatin1String(f.name), this->*f.text);
        }
    }
    OptionsStore = StoreRegistry;
    return reg.Flush();
}

bool TOptions::SaveToIni()
{
    // A new file replaces the old one only once it is written in full.
    IniFile ini = IniFile::Empty(IniFileName);
    // The first key of each section is written under the section's name in
    // capitals, which gives the file its upper-case headers.
    ini.WriteString(kFolders.toUpper(), QStringLiteral("DbFolder"), DbFolder);
    ini.WriteString(kFolders, QStringLiteral("QryFolder"), QryFolder);
    ini.WriteString(kGeometry.toUpper(), QStringLiteral("MainGeometry"), MainGeometry);
    ini.WriteString(kGeometry, QStringLiteral("PanelGeometry"), PanelGeometry);
    ini.WriteInteger(kSize.toUpper(), QStringLiteral("SizeUnit"), SizeUnit);
    ini.WriteBool(kSize, QStringLiteral("EmptySize"), EmptySize);
    bool first = true;
    for (const ConfirmField &f : kConfirmFields) {
        const QString section = first ? kConfirm.toUpper() : kConfirm;
        first = false;
        if (f.flag)
            ini.WriteBool(section, QLatin1String(f.name), this->*f.flag);
        else
            ini.WriteString(section, QLatin1String(f.name), this->*f.text);
    }
    ini.WriteInteger(kMisc.toUpper(), QStringLiteral("SearchView"), SearchView);
    if (!ReadExtraTags)
        ini.WriteBool(kMisc, kReadExtraTags, false);
    OptionsStore = StoreIni;
    // An installed program's configuration folder may not exist yet.
    return QDir().mkpath(QFileInfo(IniFileName).absolutePath()) && ini.UpdateFile();
}

bool TOptions::RemoveFromRegistry()
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

bool TOptions::RemoveIniFile()
{
    const bool removed = !QFileInfo::exists(IniFileName) || QFile::remove(IniFileName);
    if (OptionsStore == StoreIni)
        OptionsStore = StoreNowhere;
    return removed;
}

void TOptions::Save(const IOptionsWindow &window)
{
    if (!MainGeometry.isEmpty())
        MainGeometry = MainGeometryText(window);
    if (!PanelGeometry.isEmpty())
        PanelGeometry = PanelGeometryText(window);
    if (OptionsStore == StoreRegistry)
        SaveToRegistry();
    else if (OptionsStore == StoreIni)
        SaveToIni();
}

QString TOptions::MainGeometryText(const IOptionsWindow &window) const
{
    if (window.IsMaximized())
        return QStringLiteral("Maximized");
    const QRect r = window.WindowRect();
    return QStringLiteral("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

QString TOptions::PanelGeometryText(const IOptionsWindow &window)
{
    (window.IsMainTreeViewVisible() ? EntireValueWidth : FoundValueWidth) =
        window.ValueColumnWidth();
    return QStringLiteral("%1,%2,%3,%4")
        .arg(EntireTreeWidth)
        .arg(EntireValueWidth)
        .arg(FoundTreeWidth)
        .arg(FoundValueWidth);
}

void TOptions::ApplyMainGeometry(IOptionsWindow &window) const
{
    if (MainGeometry.isEmpty())
        return;
    if (MainGeometry == QLatin1String("Maximized")) {
        window.Maximize();
        return;
    }
    const auto items = FourItems(MainGeometry);
    if (!items)
        return;
    QRect r = window.WindowRect();
    const auto &[left, top, width, height] = *items;
    r = QRect(left.value_or(r.left()), top.value_or(r.top()), width.value_or(r.width()),
              height.value_or(r.height()));
    window.SetWindowRect(r);
}

void TOptions::ApplyPanelGeometry(IOptionsWindow &window)
{
    if (PanelGeometry.isEmpty())
        return;
    const auto items = FourItems(PanelGeometry);
    if (!items)
        return;
    int *fields[] = {&EntireTreeWidth, &EntireValueWidth, &FoundTreeWidth, &FoundValueWidth};
    for (size_t i = 0; i < 4; ++i)
        if ((*items)[i])
            *fields[i] = *(*items)[i];
    const bool entire = window.IsMainTreeViewVisible();
    window.SetLeftPanelWidth(entire ? EntireTreeWidth : FoundTreeWidth);
    window.SetValueColumnWidth(entire ? EntireValueWidth : FoundValueWidth);
}

void TOptions::ApplyFolders(IOptionsWindow &window) const
{
    if (QFileInfo(DbFolder).isDir())
        window.SetDbDialogsFolder(DbFolder);
    if (QFileInfo(QryFolder).isDir())
        window.SetQueryDialogsFolder(QryFolder);
}

} // namespace qbx
